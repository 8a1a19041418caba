#pragma once

#include "reports/ReportFiles.h"
#include "reports/ReportWriter.h"

#include <QDialog>
#include <QPageLayout>

#include <functional>
#include <memory>

class CReportMailer;
class QPrinter;
class CWebPage;
class QPushButton;

// The report window: the written page in an embedded browser, with Print
// Preview, Print, Export PDF, E-mail, Save As and Close. Printing starts
// from the report's own page margins; the user's page setup elsewhere is
// never changed. The browser engine is loaded with the first report window
// (CWebPage), so the program starts and runs without it until then.
class CReportDlg : public QDialog {
    Q_OBJECT

public:
    // The page margins every report prints with at first (inches).
    static const QMarginsF kPageMargins;

    CReportDlg(const WrittenReport &report, ReportKind kind, bool displayModel, QWidget *parent = nullptr);
    ~CReportDlg() override;

    // Asks where Save As and Export PDF write (title, suggested path, file
    // filter); empty for Cancel. A file dialog unless replaced.
    using PathPrompt = std::function<QString(const QString &, const QString &, const QString &)>;
    void setPathPrompt(PathPrompt prompt) { m_pathPrompt = std::move(prompt); }

    // The paper and margins that Print and Export PDF lay the page out on.
    QPageLayout pageLayout() const;
    void setPageLayout(const QPageLayout &layout);
    // Prints the page on printer, as Print and Print Preview do; false when
    // the printer did not take it.
    bool printOn(QPrinter *printer);

signals:
    // The report page has loaded (or failed to).
    void pageLoaded(bool ok);
    // An export or save has ended (for whoever waits on it).
    void fileWritten(const QString &path, bool written);

private:
    QPushButton *addButton(const char *objectName, const QString &text, void (CReportDlg::*slot)());
    void checkPictures() const;
    void printPreview();
    void print();
    void exportPdf();
    void email();
    void saveAs();
    void reportWritten(const QString &path, bool written);
    QString askPath(const QString &title, const QString &suffix, const QString &filter);

    WrittenReport m_report;
    ReportKind m_kind;
    bool m_displayModel;
    std::unique_ptr<CWebPage> m_page; // null when the browser library is missing
    std::unique_ptr<QPrinter> m_printer;
    CReportMailer *m_mailer;
    QPushButton *m_emailButton = nullptr;
    PathPrompt m_pathPrompt;
};
