#pragma once

#include "document/ProfileComparison.h"

#include <QTreeWidget>

// A list of differences between two profiles, grouped by where they are
// ("Channel 3 (ROUTE66)", "Settings"): under each place a line per field
// with its caption, the old and the new value. A screen reader reads each
// line whole, as the comparison words it.
class CDifferenceList : public QTreeWidget {
    Q_OBJECT

public:
    explicit CDifferenceList(QWidget *parent = nullptr);

    // Shows differences; oldSide and newSide head the value columns.
    void setDifferences(
        const QList<ProfileDifference> &differences, const QString &oldSide, const QString &newSide);
    // The difference of the current line; nullptr on a place or none.
    const ProfileDifference *currentDifference() const;

signals:
    // Enter or a double click on a field's line.
    void differenceActivated(const ProfileDifference &difference);

private:
    QList<ProfileDifference> m_differences;
};
