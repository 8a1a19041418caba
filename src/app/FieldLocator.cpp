#include "FieldLocator.h"

#include "ChildFrame.h"
#include "VelaCPSTreeView.h"
#include "editors/BaseView.h"

#include <QTreeWidget>

namespace {

struct Page {
    SectionKind kind;
    int channelIndex = 0;
};

// The pages that may show a field of the difference's section, most likely
// first.
QList<Page> pagesFor(const ProfileDifference &difference)
{
    using K = SectionKind;
    const QString &section = difference.section;
    if (section == QLatin1String("channel")) {
        if (difference.field == QLatin1String("channel.in_scanlist"))
            return { { K::ScanList }, { K::Channel, difference.item - 1 } };
        return { { K::Channel, difference.item - 1 }, { K::Channels } };
    }
    if (section == QLatin1String("frequency"))
        return { { K::RfFrequency } };
    if (section == QLatin1String("preset"))
        return { { K::Buttons } };
    if (section == QLatin1String("setting"))
        return { { K::GeneralSettings }, { K::AudioSettings }, { K::Buttons }, { K::CustomizedPL },
            { K::CustomizedDPL }, { K::ScanList }, { K::RadioInfo } };
    return { { K::RadioInfo }, { K::GeneralSettings }, { K::AudioSettings }, { K::Buttons } };
}

// Whether control shows the difference's field: editors name the channel
// they show and the presets by sections of their own.
bool shows(const FormControl &control, const ProfileDifference &difference)
{
    const QString attribute = difference.field.section(QLatin1Char('.'), 1);
    if (!control.attribute || !control.section || attribute != QLatin1String(control.attribute))
        return false;
    const QString section = QLatin1String(control.section);
    if (difference.section == QLatin1String("channel"))
        return section == QLatin1String(Section::kCurrentChannel);
    if (difference.section == QLatin1String("preset"))
        return section == QStringLiteral("#preset%1").arg(difference.item);
    return section == difference.section;
}

bool select(CChildFrame &frame, const Page &page)
{
    CVelaCPSTreeView *tree = frame.tree();
    QTreeWidgetItem *item = tree->itemFor(CVelaCPSTreeView::itemData(page.kind, page.channelIndex));
    if (!item)
        return false;
    tree->setCurrentItem(item);
    return tree->currentItem() == item && frame.editor();
}

bool focusControl(CBaseView &editor, const ProfileDifference &difference)
{
    for (const FormControl &control : editor.form().controls) {
        QWidget *widget = editor.control(control.id);
        if (widget && !widget->isHidden() && shows(control, difference)) {
            editor.ensureWidgetVisible(widget);
            widget->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}

// The row of a frequency in the table's list.
bool focusRow(CBaseView &editor, const ProfileDifference &difference)
{
    auto *list = editor.findChild<QTreeWidget *>();
    QTreeWidgetItem *row = list ? list->topLevelItem(difference.item - 1) : nullptr;
    if (!row)
        return false;
    list->setCurrentItem(row);
    list->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace

namespace FieldLocator {

bool showField(CChildFrame &frame, const ProfileDifference &difference)
{
    const QList<Page> pages = pagesFor(difference);
    for (const Page &page : pages) {
        if (!select(frame, page))
            continue;
        CBaseView &editor = *frame.editor();
        if (focusControl(editor, difference)
            || (page.kind == SectionKind::RfFrequency && focusRow(editor, difference)))
            return true;
    }
    for (const Page &page : pages) {
        if (select(frame, page)) {
            frame.editor()->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    return false;
}

} // namespace FieldLocator
