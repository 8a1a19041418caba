#include "FormGeometry.h"

#include <algorithm>

using namespace FormMetrics;

namespace FormGeometry {

namespace {

bool HasOwnRow(ControlWidget widget)
{
    switch (widget) {
    case ControlWidget::PageTitle:
    case ControlWidget::ColumnTitle:
    case ControlWidget::ColumnFrame:
    case ControlWidget::ChainBreak:
        return false;
    default:
        return true;
    }
}

// Fields that take the common field width whatever their content.
bool TakesFieldWidth(ControlWidget widget)
{
    return widget == ControlWidget::Edit || widget == ControlWidget::ReadOnlyEdit
        || widget == ControlWidget::Combo || widget == ControlWidget::List
        || widget == ControlWidget::ReportList || widget == ControlWidget::Note;
}

struct Area {
    int x = 0;
    int width = 0;
};

class Grid {
public:
    Grid(
        std::span<const FormControl> controls, const std::function<QSize(const FormControl &)> &preferredSize)
    {
        for (const FormControl &control : controls) {
            m_paired = m_paired || control.column != 0;
            if (!HasOwnRow(control.widget))
                continue;
            const QSize size = preferredSize(control);
            if (control.rows == 1)
                m_rowHeight = std::max(m_rowHeight, size.height());
            if (control.width > 0 && control.cell != Cell::Label) {
                int &own = control.cell == Cell::Field ? m_ownField[control.column] : m_whole[control.column];
                own = std::max(own, control.width);
                continue;
            }
            // A list is as wide as its longest item, at least the common width.
            const int width = control.widget == ControlWidget::Combo ? std::max(kFieldWidth, size.width())
                : TakesFieldWidth(control.widget)                    ? kFieldWidth
                                                                     : size.width();
            int &widest = control.cell == Cell::Label ? m_label[control.column]
                : control.cell == Cell::Field         ? m_field[control.column]
                                                      : m_whole[control.column];
            widest = std::max(widest, width);
        }
        // One-column rows line up with the left column's fields.
        if (m_paired)
            m_label[0] = m_label[1] = std::max(m_label[0], m_label[1]);
        m_padding = m_paired ? kFramePadding : 0;
        const int left = 2 * kMargin;
        m_area[1] = { left, columnWidth(1) + 2 * m_padding };
        m_area[2] = { m_area[1].x + m_area[1].width + kMargin, columnWidth(2) + 2 * m_padding };
        const int pairWidth = m_paired ? m_area[2].x + m_area[2].width - left : 0;
        m_area[0] = { left, std::max(columnWidth(0) + 2 * m_padding, pairWidth) };
    }

    QRect rectOf(const FormControl &control, const QSize &preferred) const
    {
        const Area &area = m_area[control.column];
        const int top = rowTop(control.row);
        switch (control.widget) {
        case ControlWidget::PageTitle:
            return QRect(kMargin, kMargin, m_area[0].width + 2 * kMargin, kTitleHeight);
        case ControlWidget::ColumnTitle:
            return QRect(area.x, top, area.width, kTitleHeight);
        case ControlWidget::ColumnFrame:
            return QRect(area.x, top, area.width, (control.rows - 1) * pitch() + m_rowHeight + m_padding);
        default:
            break;
        }
        const int height = control.rows == 1 ? m_rowHeight : control.rows * pitch() - kRowGap;
        const int labelX = area.x + m_padding;
        const int fieldX = m_label[control.column] > 0 ? labelX + m_label[control.column] + kCellGap : labelX;
        switch (control.cell) {
        case Cell::Label:
            return QRect(labelX, top, m_label[control.column], height);
        case Cell::Field:
            return QRect(fieldX, top, fieldWidth(control, preferred), height);
        case Cell::Whole:
            if (control.width > 0)
                return QRect(labelX, top, control.width, height);
            break;
        }
        return QRect(labelX, top, area.width - 2 * m_padding, height);
    }

private:
    int fieldWidth(const FormControl &control, const QSize &preferred) const
    {
        if (control.width > 0)
            return control.width;
        return TakesFieldWidth(control.widget) ? m_field[control.column] : preferred.width();
    }
    int pitch() const { return m_rowHeight + kRowGap; }
    int rowTop(int row) const { return kFirstRowTop + (row - 1) * pitch(); }
    int columnWidth(int column) const
    {
        const int field = std::max(m_field[column], m_ownField[column]);
        const int pair = m_label[column] > 0 && field > 0 ? m_label[column] + kCellGap + field
                                                          : std::max(m_label[column], field);
        return std::max(pair, m_whole[column]);
    }

    bool m_paired = false;
    int m_rowHeight = 0;
    int m_padding = 0;
    int m_label[3] = {};
    int m_field[3] = {};
    int m_whole[3] = {};
    int m_ownField[3] = {}; // the widest field with a width of its own
    Area m_area[3];
};

} // namespace

ControlRects DesignRects(
    std::span<const FormControl> controls, const std::function<QSize(const FormControl &)> &preferredSize)
{
    const Grid grid(controls, preferredSize);
    ControlRects rects;
    for (const FormControl &control : controls) {
        if (control.widget != ControlWidget::ChainBreak)
            rects.insert(control.id, grid.rectOf(control, preferredSize(control)));
    }
    return rects;
}

} // namespace FormGeometry
