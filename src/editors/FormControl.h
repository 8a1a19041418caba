#pragma once

#include "FormLayout.h"

#include <span>

// The widget a form control is made of.
enum class ControlWidget {
    Label,
    Note, // a label that wraps over the whole width of its cell
    Edit,
    ReadOnlyEdit,
    Combo,
    Check,
    List,
    ReportList, // rows of several columns, with column headers
    Button,
    PageTitle,
    ColumnTitle,
    ColumnFrame,
    ChainBreak, // no widget; ends a layout chain
};

// Where a control sits in its row of the design grid.
enum class Cell {
    Label, // the left part of its column
    Field, // the right part of its column
    Whole, // both parts
};

// Profile elements a control's value lives in.
namespace Section {
inline constexpr char kFactory[] = "factory_setting";
inline constexpr char kLimit[] = "limit";
inline constexpr char kSetting[] = "setting";
inline constexpr char kChannels[] = "channels";
inline constexpr char kFrequencies[] = "frequencies";
// The channel the editor shows (an element of "channels").
inline constexpr char kCurrentChannel[] = "#channel";
} // namespace Section

// One control of an editor form, in form order: what widget it is, where
// it sits, and (for a field) the profile attribute it shows and changes.
// The framework makes the widget, lays it out and runs the whole load,
// change and refusal cycle for every control with an attribute.
struct FormControl {
    int id = 0;
    ControlWidget widget = ControlWidget::Label;
    // Caption of labels, titles, check boxes and buttons (a source text of
    // the "Editors" translation context).
    const char *text = nullptr;
    int column = 0; // 0 one-column area, 1 left column, 2 right column
    int row = 0; // design row; the page title is row 0
    Cell cell = Cell::Field;
    int rows = 1; // rows covered by lists, notes and column frames
    bool pinned = false;
    const char *section = nullptr;
    const char *attribute = nullptr;
    int buddy = 0; // the label that names this field
    int maxLength = 0; // edits: most characters, 0 for no limit
    // Combos: the fixed items; the selected index is the value.
    std::span<const char *const> items = {};
    // A width of its own for a field that the common field width does not
    // suit (a wide list); it does not widen the other fields. 0: common.
    int width = 0;
    // The message a refused change of this control shows instead of the
    // form's (a source text of the "Editors" translation context).
    const char *refusalText = nullptr;
};

// The message a refused change shows.
enum class Refusal {
    InvalidValue, // "Invalid Value." for any refusal
    HookMessage, // the hook's message for status 1, nothing otherwise
};

// What an editor declares: its keys into the settings documents and its
// controls.
struct FormDefinition {
    const char *visibleKey; // element of "VisibleSetting.stv"
    const char *helpKey; // element of "HelpPanMap.stv"
    std::span<const FormControl> controls;
    Refusal refusal = Refusal::InvalidValue;
};

constexpr LayoutKind LayoutKindOf(ControlWidget widget)
{
    switch (widget) {
    case ControlWidget::PageTitle:
        return LayoutKind::PageTitle;
    case ControlWidget::ColumnTitle:
        return LayoutKind::ColumnTitle;
    case ControlWidget::ColumnFrame:
        return LayoutKind::ColumnFrame;
    case ControlWidget::ChainBreak:
        return LayoutKind::ChainBreak;
    default:
        return LayoutKind::Plain;
    }
}

// Shorthands for the common rows of a form table.
namespace Form {

constexpr FormControl PageTitle(int id, const char *text)
{
    return { .id = id, .widget = ControlWidget::PageTitle, .text = text };
}

constexpr FormControl Label(int id, const char *text, int row, int column = 0)
{
    return { .id = id,
        .widget = ControlWidget::Label,
        .text = text,
        .column = column,
        .row = row,
        .cell = Cell::Label };
}

// A field named by the label buddy, showing attribute of section.
constexpr FormControl Field(ControlWidget widget, int id, int row, int buddy, const char *section = nullptr,
    const char *attribute = nullptr, int column = 0)
{
    return { .id = id,
        .widget = widget,
        .column = column,
        .row = row,
        .cell = Cell::Field,
        .section = section,
        .attribute = attribute,
        .buddy = buddy };
}

} // namespace Form
