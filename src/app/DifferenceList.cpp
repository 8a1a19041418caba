#include "DifferenceList.h"

namespace {

// Item data of a field's line: its index in the list.
constexpr int kIndexRole = Qt::UserRole;

} // namespace

CDifferenceList::CDifferenceList(QWidget *parent)
    : QTreeWidget(parent)
{
    setAccessibleName(tr("Differences"));
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    connect(this, &QTreeWidget::itemActivated, this, [this] {
        if (const ProfileDifference *difference = currentDifference())
            emit differenceActivated(*difference);
    });
}

void CDifferenceList::setDifferences(
    const QList<ProfileDifference> &differences, const QString &oldSide, const QString &newSide)
{
    clear();
    m_differences = differences;
    setHeaderLabels({ tr("Field"), oldSide, newSide });
    QTreeWidgetItem *place = nullptr;
    for (int i = 0; i < differences.size(); ++i) {
        const ProfileDifference &difference = differences[i];
        // The comparison lists the fields of one place together.
        if (!place || place->text(0) != difference.place()) {
            place = new QTreeWidgetItem(this, { difference.place() });
            place->setFirstColumnSpanned(true);
            place->setExpanded(true);
        }
        auto *line
            = new QTreeWidgetItem(place, { difference.caption, difference.oldShown, difference.newShown });
        line->setData(0, kIndexRole, i);
        line->setData(0, Qt::AccessibleTextRole, difference.line());
        line->setToolTip(0, difference.line());
    }
    for (int column = 0; column < columnCount(); ++column)
        resizeColumnToContents(column);
    if (topLevelItemCount() > 0)
        setCurrentItem(topLevelItem(0)->childCount() > 0 ? topLevelItem(0)->child(0) : topLevelItem(0));
}

const ProfileDifference *CDifferenceList::currentDifference() const
{
    const QTreeWidgetItem *item = currentItem();
    if (!item || !item->parent())
        return nullptr;
    return &m_differences[item->data(0, kIndexRole).toInt()];
}
