#pragma once

#include "CableChoices.h"
#include "operations/FleetBatch.h"
#include "reports/ReportWriter.h"

#include <QDateTime>
#include <QDialog>
#include <QHash>
#include <QPointer>

#include <chrono>
#include <functional>
#include <memory>

class CMainFrame;
class CProductContext;
class CProfileDocument;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTemporaryDir;

// Device > Program Several Radios...: one profile written into a batch of
// radios, with per-radio values from a CSV file, on one cable (the dealer
// swaps the radios) or on several at once. The dealer chooses the profile,
// the values, the cables and gives the codeplug password once; the table
// then shows one row per radio as it comes, each cable has its own progress
// bar, and at the end the batch report opens in the report window.
class CProgramRadiosDlg : public QDialog {
    Q_OBJECT

public:
    // A profile the batch may write: an open one, under its window title.
    struct Profile {
        QString name;
        CProfileDocument *document;
    };

    // The table's columns.
    enum Column { Cable, Serial, Model, Firmware, Written, Backup, Verify, Result, Time, ColumnCount };

    CProgramRadiosDlg(const CProductContext &context, const QList<Profile> &profiles, int activeProfile,
        const QList<CableChoice> &cables, QWidget *parent = nullptr);
    ~CProgramRadiosDlg() override;

    // Opens the dialog over the main window for its open profiles, the
    // active one chosen (its pending input taken first).
    static void run(CMainFrame &frame, const CProductContext &context);

    // Adds a cable to the list, chosen.
    void addCable(const QString &port, const QString &label);
    // Shows a written batch report; the report window unless replaced.
    using ReportViewer = std::function<void(const WrittenReport &)>;
    void setReportViewer(ReportViewer viewer) { m_showReport = std::move(viewer); }
    // How long each radio's reset waits for it to restart (the engine's
    // default unless set; the emulator needs no wait).
    void setResetSettleTime(std::chrono::milliseconds wait) { m_resetSettle = wait; }
    // Where the log and the report go (a new batch folder unless set).
    void setLogFolder(const QString &folder) { m_logFolder = folder; }

    QTableWidget *radioTable() const { return m_table; }
    bool isRunning() const { return m_batch.isRunning(); }

signals:
    // The batch has ended and its report has been shown.
    void batchEnded();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildSetup(const QList<Profile> &profiles, int activeProfile, const QList<CableChoice> &cables);
    QWidget *buildProgress();
    void browseValues();
    void addOtherCable();
    QStringList chosenPorts() const;
    std::optional<FleetOptions> options() const;
    // A copy of the chosen profile as a file, opened afresh for each radio.
    std::optional<ProfileSource> profileSource();
    void start();
    void stopOrCancel();
    void showCables(const QStringList &ports);
    void setCableState(const QString &port, const QString &text);
    int rowFor(const QString &port);
    void setCell(int row, Column column, const QString &text);

    void onRadioStarted(const QString &port);
    void onRadioIdentified(const FleetRecord &record);
    void onStageStarted(const QString &port, CRadioOperations::Stage stage);
    void onProgress(const QString &port, int percent);
    void onWaitingForRadio(const QString &port, int done);
    void onRadioAlreadyDone(const QString &port, const QString &serial);
    void onRadioFinished(const FleetRecord &record);
    void onFinished();
    void showStatus(const QString &text);

    const CProductContext &m_context;
    QList<Profile> m_profiles;
    CFleetBatch m_batch;
    std::unique_ptr<QTemporaryDir> m_profileCopy;
    QString m_profileName;
    QDateTime m_startedAt;
    ReportViewer m_showReport;
    std::optional<std::chrono::milliseconds> m_resetSettle;
    QString m_logFolder;

    QGroupBox *m_setup;
    QComboBox *m_profile;
    QLineEdit *m_values;
    QListWidget *m_cables;
    QLineEdit *m_otherCable;
    QSpinBox *m_count;
    QLineEdit *m_password;
    QLineEdit *m_customer;
    QCheckBox *m_writeAgain;

    QLabel *m_status;
    QGroupBox *m_cableBox;
    QGridLayout *m_cableGrid;
    QTableWidget *m_table;
    QPushButton *m_start;
    QPushButton *m_stop;
    QPushButton *m_close;

    struct CableView {
        QString label;
        QLabel *state = nullptr;
        QProgressBar *bar = nullptr;
        int row = -1; // of the radio on it, -1 when none
    };
    QHash<QString, CableView> m_cableViews;
    bool m_stopping = false;
};
