#pragma once

#include "reports/ReportFiles.h"

#include <QDialog>

class CProductContext;
class CProfileDocument;
class QListWidget;
class QPushButton;

// The Report command's choice between the customer handout and the
// detailed report. Choosing one generates its page from the profile, writes
// it and shows it in the report window.
class CReportOptionDlg : public QDialog {
    Q_OBJECT

public:
    // The Report command: asks for the report, then generates, writes and
    // shows it. False when the user cancelled or the report could not be
    // made (after its message).
    static bool run(CProfileDocument &document, const CProductContext &context, QWidget *parent);

    explicit CReportOptionDlg(QWidget *parent = nullptr);

    // The chosen report; the handout until the user picks another.
    ReportKind selectedKind() const;

private:
    void updateOk();

    QListWidget *m_list;
    QPushButton *m_ok;
};
