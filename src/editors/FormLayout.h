#pragma once

#include <QHash>
#include <QRect>
#include <QSize>

#include <functional>
#include <span>

// What a control is to the form layout.
enum class LayoutKind : int {
    Plain = 0,
    ColumnTitle = 1, // title of a column, drawn on the title band
    PageTitle = 2, // title band in page-title style; the first entry is always one
    ColumnFrame = 3, // frame around a column; its bottom follows the gaps closed inside
    ChainBreak = 4, // ends a chain, nothing else
};

// One control of a form's layout table, in form order from top to bottom.
struct LayoutEntry {
    int id = 0;
    LayoutKind kind = LayoutKind::Plain;
    int column = 0; // 0 one-column area, 1 left column, 2 right column(s)
    bool pinned = false; // never moves up, and stops the upward shift
};

using ControlRects = QHash<int, QRect>;

// The positions of the controls after closing the gaps that hidden controls
// leave in the design layout: every row below a hidden row moves up, the
// page title lands at y = 15 and column frames shrink with their columns.
ControlRects CloseGaps(std::span<const LayoutEntry> table, const ControlRects &design,
    const std::function<bool(int id)> &isHidden);

// Where the centred form goes in a view of a given client width.
struct FormPlacement {
    QRect titleBand; // the page title: at (15, 15), 28 high
    int shift = 0; // horizontal move of every other control
    QSize scrollSize;
};

// content: the union of the visible controls below the page title.
FormPlacement PlaceForm(const QRect &pageTitle, const QRect &content, int clientWidth);

namespace FormMetrics {
constexpr int kMargin = 15;
constexpr int kTitleHeight = 28;
// Below the last row the form keeps this much beside the title band.
constexpr int kBottomAllowance = 58;
} // namespace FormMetrics
