#include "FormLayout.h"

#include <algorithm>
#include <vector>

using namespace FormMetrics;

namespace {

using Chain = std::span<const LayoutEntry>;

// Runs of entries with the same column, ended by a ChainBreak, a change of
// column or the end of the table.
std::vector<Chain> SplitChains(std::span<const LayoutEntry> entries)
{
    std::vector<Chain> chains;
    size_t first = 0;
    while (first < entries.size()) {
        if (entries[first].kind == LayoutKind::ChainBreak) {
            ++first;
            continue;
        }
        size_t end = first;
        while (end < entries.size() && entries[end].kind != LayoutKind::ChainBreak
            && entries[end].column == entries[first].column)
            ++end;
        chains.push_back(entries.subspan(first, end - first));
        first = end;
    }
    return chains;
}

class GapCloser {
public:
    GapCloser(const ControlRects &design, const std::function<bool(int)> &isHidden)
        : m_design(design)
        , m_placed(design)
        , m_isHidden(isHidden)
    {
    }

    void moveUp(int id, int shift) { m_placed[id].translate(0, -shift); }

    // Moves the chain's controls up by the running shift and returns the
    // shift that continues below it.
    int walk(Chain chain, const int startShift)
    {
        int shift = startShift;
        for (size_t i = 0; i < chain.size(); ++i) {
            const LayoutEntry &entry = chain[i];
            if (shift != 0) {
                if (entry.pinned)
                    shift = 0;
                else
                    moveUp(entry.id, shift);
            }
            if (!m_isHidden(entry.id))
                continue;
            if (entry.pinned) {
                shift = 0;
            } else if (i + 1 == chain.size()) {
                shift += m_design.value(entry.id).height() + kMargin;
            } else {
                const LayoutEntry &next = chain[i + 1];
                shift = next.pinned ? 0 : m_design.value(next.id).top() - m_placed.value(entry.id).top();
            }
        }
        for (const LayoutEntry &entry : chain) {
            QRect &frame = m_placed[entry.id];
            const int newBottom = frame.bottom() - (shift - startShift);
            if (entry.kind == LayoutKind::ColumnFrame && newBottom > frame.top())
                frame.setBottom(newBottom);
        }
        return shift;
    }

    ControlRects result() const { return m_placed; }

private:
    const ControlRects &m_design;
    ControlRects m_placed;
    const std::function<bool(int)> &m_isHidden;
};

} // namespace

ControlRects CloseGaps(std::span<const LayoutEntry> table, const ControlRects &design,
    const std::function<bool(int id)> &isHidden)
{
    if (table.empty())
        return design;
    GapCloser closer(design, isHidden);
    int shift = design.value(table.front().id).top() - kMargin;
    closer.moveUp(table.front().id, shift);

    const std::vector<Chain> chains = SplitChains(table.subspan(1));
    for (size_t c = 0; c < chains.size();) {
        if (chains[c].front().column != 1) {
            shift = closer.walk(chains[c++], shift);
            continue;
        }
        // A left column and the right columns beside it start level; below
        // them the form continues under the longest of them.
        const int start = shift;
        int below = closer.walk(chains[c++], start);
        while (c < chains.size() && chains[c].front().column == 2)
            below = std::min(below, closer.walk(chains[c++], start));
        shift = below;
    }
    return closer.result();
}

FormPlacement PlaceForm(const QRect &pageTitle, const QRect &content, int clientWidth)
{
    FormPlacement placement;
    int bandWidth = content.width() + 2 * kMargin;
    if (bandWidth < clientWidth)
        bandWidth = clientWidth - 2 * kMargin;
    placement.titleBand = QRect(kMargin, kMargin, bandWidth, kTitleHeight);
    placement.shift = placement.titleBand.center().x() - pageTitle.center().x();
    // The band keeps its margin on both sides when the form scrolls.
    const int titleBottom = placement.titleBand.top() + kTitleHeight;
    const int contentBottom = content.top() + content.height();
    placement.scrollSize = QSize(
        bandWidth + 2 * kMargin, contentBottom + kBottomAllowance - std::min(content.top(), titleBottom));
    return placement;
}
