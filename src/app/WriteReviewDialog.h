#pragma once

#include "document/ProfileComparison.h"

#include <QDialog>

class CDifferenceList;
class QCheckBox;

// The review before a write: what the write changes in the radio, grouped
// as the profile is, with Write and Cancel. For a profile of the radio's own
// model the dealer may choose not to be asked again.
class CWriteReviewDialog : public QDialog {
    Q_OBJECT

public:
    CWriteReviewDialog(const QList<ProfileDifference> &changes, bool sameModel, QWidget *parent = nullptr);

    CDifferenceList *changeList() const { return m_list; }
    // "Do not ask again for identical models", shown for a profile of the
    // radio's own model and off at first.
    QCheckBox *dontAskAgain() const { return m_dontAsk; }

    // Whether a write of a profile of the radio's own model is reviewed
    // (the dealer's setting, on at first).
    static bool reviewsSameModel();

    void accept() override;

private:
    CDifferenceList *m_list;
    QCheckBox *m_dontAsk;
};
