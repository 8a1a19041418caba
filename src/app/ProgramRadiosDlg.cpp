#include "ProgramRadiosDlg.h"

#include "ChildFrame.h"
#include "DocumentCommands.h"
#include "MainFrame.h"
#include "ProfileWindow.h"
#include "ReportDlg.h"
#include "VelaCPSApp.h"
#include "VelaCPSDoc.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/SafeFile.h"
#include "document/ProfileDocument.h"
#include "editors/AskPwdDlg.h"
#include "radio/CablePort.h"
#include "reports/BatchReport.h"
#include "settings/ProductContext.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <limits>

namespace {

// Radios in a batch that runs until Stop.
constexpr int kUntilStop = std::numeric_limits<int>::max();

QString secondsText(double seconds)
{
    return QLocale().toString(seconds, 'f', 1);
}

QPushButton *namedButton(const QString &text, const char *objectName)
{
    auto *button = new QPushButton(text);
    button->setObjectName(QLatin1String(objectName));
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return button;
}

} // namespace

CProgramRadiosDlg::CProgramRadiosDlg(const CProductContext &context, const QList<Profile> &profiles,
    int activeProfile, const QList<CableChoice> &cables, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_profiles(profiles)
    , m_batch(context.settings())
{
    setObjectName(QStringLiteral("programRadiosDialog"));
    setWindowTitle(tr("Program Several Radios"));
    setAccessibleName(windowTitle());
    setModal(true);
    m_showReport = [this](const WrittenReport &report) {
        CReportDlg window(report, ReportKind::Batch, false, this);
        window.exec();
    };

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildSetup(profiles, activeProfile, cables));
    layout->addWidget(buildProgress(), 1);

    auto *buttons = new QDialogButtonBox(this);
    m_start = namedButton(tr("&Start"), "startButton");
    m_stop = namedButton(tr("S&top"), "stopButton");
    m_close = namedButton(tr("&Close"), "closeButton");
    m_stop->setEnabled(false);
    m_start->setDefault(true);
    buttons->addButton(m_start, QDialogButtonBox::ActionRole);
    buttons->addButton(m_stop, QDialogButtonBox::ActionRole);
    buttons->addButton(m_close, QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(m_start, &QPushButton::clicked, this, &CProgramRadiosDlg::start);
    connect(m_stop, &QPushButton::clicked, this, &CProgramRadiosDlg::stopOrCancel);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    connect(&m_batch, &CFleetBatch::radioStarted, this, &CProgramRadiosDlg::onRadioStarted);
    connect(&m_batch, &CFleetBatch::radioIdentified, this, &CProgramRadiosDlg::onRadioIdentified);
    connect(&m_batch, &CFleetBatch::stageStarted, this, &CProgramRadiosDlg::onStageStarted);
    connect(&m_batch, &CFleetBatch::progress, this, &CProgramRadiosDlg::onProgress);
    connect(&m_batch, &CFleetBatch::waitingForRadio, this, &CProgramRadiosDlg::onWaitingForRadio);
    connect(&m_batch, &CFleetBatch::radioAlreadyDone, this, &CProgramRadiosDlg::onRadioAlreadyDone);
    connect(&m_batch, &CFleetBatch::radioFinished, this, &CProgramRadiosDlg::onRadioFinished);
    connect(&m_batch, &CFleetBatch::logFailed, this,
        [](const QString &error) { showMessage(error, MsgStyle::IconWarning); });
    connect(&m_batch, &CFleetBatch::finished, this, &CProgramRadiosDlg::onFinished);
    resize(900, 640);
}

CProgramRadiosDlg::~CProgramRadiosDlg() = default;

void CProgramRadiosDlg::run(CMainFrame &frame, const CProductContext &context)
{
    CProfileWindow *active = frame.documents().activeWindow();
    if (!active || !active->frame().CommitPendingInput())
        return;
    QList<Profile> profiles;
    int activeProfile = 0;
    for (CProfileWindow *window : frame.documents().windows()) {
        if (window == active)
            activeProfile = int(profiles.size());
        profiles << Profile { window->document().title(), &window->document().profile() };
    }
    CProgramRadiosDlg dialog(context, profiles, activeProfile,
        KnownCables(CablePort::current(), qEnvironmentVariable(CVelaCPSApp::kCableNameVariable)), &frame);
    dialog.exec();
}

QWidget *CProgramRadiosDlg::buildSetup(
    const QList<Profile> &profiles, int activeProfile, const QList<CableChoice> &cables)
{
    m_setup = new QGroupBox(tr("Batch"));
    auto *form = new QFormLayout(m_setup);

    m_profile = new QComboBox;
    m_profile->setObjectName(QStringLiteral("profileChoice"));
    for (const Profile &profile : profiles)
        m_profile->addItem(profile.name);
    m_profile->setCurrentIndex(activeProfile);
    form->addRow(tr("&Profile:"), m_profile);

    m_values = new QLineEdit;
    m_values->setObjectName(QStringLiteral("valuesFile"));
    m_values->setPlaceholderText(tr("None: every radio gets the profile as it is"));
    auto *browse = namedButton(tr("&Browse..."), "browseValuesButton");
    connect(browse, &QPushButton::clicked, this, &CProgramRadiosDlg::browseValues);
    auto *valuesRow = new QHBoxLayout;
    valuesRow->addWidget(m_values, 1);
    valuesRow->addWidget(browse);
    form->addRow(tr("Per-radio &values (CSV):"), valuesRow);

    m_cables = new QListWidget;
    m_cables->setObjectName(QStringLiteral("cableList"));
    m_cables->setMaximumHeight(fontMetrics().height() * 6);
    for (const CableChoice &cable : cables) {
        addCable(cable.port, cable.label);
        // One cable is chosen at first: the dealer adds the others.
        if (m_cables->count() > 1)
            m_cables->item(m_cables->count() - 1)->setCheckState(Qt::Unchecked);
    }
    form->addRow(tr("&Cables:"), m_cables);

    m_otherCable = new QLineEdit;
    m_otherCable->setObjectName(QStringLiteral("otherCable"));
    m_otherCable->setPlaceholderText(tr("A serial device, such as /dev/ttyUSB1"));
    auto *add = namedButton(tr("&Add"), "addCableButton");
    connect(add, &QPushButton::clicked, this, &CProgramRadiosDlg::addOtherCable);
    connect(m_otherCable, &QLineEdit::returnPressed, this, &CProgramRadiosDlg::addOtherCable);
    auto *otherRow = new QHBoxLayout;
    otherRow->addWidget(m_otherCable, 1);
    otherRow->addWidget(add);
    form->addRow(tr("&Other cable:"), otherRow);

    m_count = new QSpinBox;
    m_count->setObjectName(QStringLiteral("radioCount"));
    m_count->setRange(0, 9999);
    m_count->setSpecialValueText(tr("Until Stop"));
    form->addRow(tr("&Radios in the batch:"), m_count);

    m_password = new QLineEdit;
    m_password->setObjectName(QStringLiteral("batchPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(CAskPwdDlg::kMaxLength);
    m_password->setPlaceholderText(tr("Only for radios with a codeplug password"));
    form->addRow(tr("Pass&word:"), m_password);

    m_customer = new QLineEdit;
    m_customer->setObjectName(QStringLiteral("customer"));
    form->addRow(tr("C&ustomer:"), m_customer);

    m_writeAgain = new QCheckBox(tr("&Write again a radio already done in this batch"));
    m_writeAgain->setObjectName(QStringLiteral("writeAgain"));
    form->addRow(QString(), m_writeAgain);

    // The form's labels name their fields for a screen reader too.
    for (int row = 0; row < form->rowCount(); ++row) {
        auto *label = qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::LabelRole)
                ? form->itemAt(row, QFormLayout::LabelRole)->widget()
                : nullptr);
        QLayoutItem *field = form->itemAt(row, QFormLayout::FieldRole);
        QWidget *widget = field && field->widget() ? field->widget()
            : field && field->layout()             ? field->layout()->itemAt(0)->widget()
                                                   : nullptr;
        if (label && widget) {
            label->setBuddy(widget);
            widget->setAccessibleName(label->text().remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        }
    }
    return m_setup;
}

QWidget *CProgramRadiosDlg::buildProgress()
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    m_status = new QLabel(tr("Choose the cables and press Start."));
    m_status->setObjectName(QStringLiteral("batchStatus"));
    m_status->setAccessibleName(tr("Batch status"));
    m_status->setWordWrap(true);
    QFont bold = m_status->font();
    bold.setBold(true);
    m_status->setFont(bold);
    m_status->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    layout->addWidget(m_status);

    m_cableBox = new QGroupBox(tr("Cables"));
    m_cableGrid = new QGridLayout(m_cableBox);
    m_cableGrid->setColumnStretch(2, 1);
    m_cableBox->hide();
    layout->addWidget(m_cableBox);

    m_table = new QTableWidget(0, ColumnCount);
    m_table->setObjectName(QStringLiteral("radioTable"));
    m_table->setAccessibleName(tr("Radios"));
    m_table->setHorizontalHeaderLabels({ tr("Cable"), tr("Serial"), tr("Model"), tr("Firmware"),
        tr("Written"), tr("Backup"), tr("Verify"), tr("Result"), tr("Time (s)") });
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->setWordWrap(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(Written, QHeaderView::Stretch);
    layout->addWidget(m_table, 1);
    return box;
}

void CProgramRadiosDlg::addCable(const QString &port, const QString &label)
{
    for (int i = 0; i < m_cables->count(); ++i) {
        if (m_cables->item(i)->data(Qt::UserRole).toString() == port) {
            m_cables->item(i)->setCheckState(Qt::Checked);
            return;
        }
    }
    auto *item = new QListWidgetItem(label, m_cables);
    item->setData(Qt::UserRole, port);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
}

void CProgramRadiosDlg::addOtherCable()
{
    const QString port = m_otherCable->text().trimmed();
    if (port.isEmpty())
        return;
    if (!QFileInfo::exists(port)) {
        showMessage(tr("There is no device \"%1\".").arg(port), MsgStyle::IconWarning);
        return;
    }
    addCable(port, port);
    m_otherCable->clear();
}

void CProgramRadiosDlg::browseValues()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Per-Radio Values"),
        QFileInfo(m_values->text()).path(), tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        m_values->setText(QDir::toNativeSeparators(path));
}

QStringList CProgramRadiosDlg::chosenPorts() const
{
    QStringList ports;
    for (int i = 0; i < m_cables->count(); ++i) {
        if (m_cables->item(i)->checkState() == Qt::Checked)
            ports << m_cables->item(i)->data(Qt::UserRole).toString();
    }
    return ports;
}

std::optional<FleetOptions> CProgramRadiosDlg::options() const
{
    FleetOptions options;
    options.ports = chosenPorts();
    if (options.ports.isEmpty()) {
        showMessage(tr("Choose at least one cable."), MsgStyle::IconWarning);
        return std::nullopt;
    }
    options.count = m_count->value() == 0 ? kUntilStop : m_count->value();
    if (!m_password->text().isEmpty())
        options.password = m_password->text();
    options.writeAgain = m_writeAgain->isChecked();
    options.logFolder = m_logFolder;
    options.resetSettle = m_resetSettle;
    return options;
}

std::optional<ProfileSource> CProgramRadiosDlg::profileSource()
{
    const Profile &profile = m_profiles.at(m_profile->currentIndex());
    m_profileCopy = std::make_unique<QTemporaryDir>();
    const QString path = m_profileCopy->filePath(QFileInfo(profile.name).completeBaseName() + ".kv9");
    QString error;
    if (!m_profileCopy->isValid() || !WriteFileSafely(path, profile.document->StoreToBytes(), &error)) {
        showMessage(tr("The profile cannot be copied for the batch: %1.").arg(error), MsgStyle::IconError);
        return std::nullopt;
    }
    m_profileName = profile.name;
    const VersionRuleSource rules = m_context.versionRules();
    return ProfileSource([path, rules]() -> std::unique_ptr<CProfileDocument> {
        auto document = std::make_unique<CProfileDocument>(rules);
        return document->Open(path) ? std::move(document) : nullptr;
    });
}

void CProgramRadiosDlg::start()
{
    const std::optional<FleetOptions> chosen = options();
    if (!chosen)
        return;
    FleetValues values;
    QString error;
    if (!m_values->text().trimmed().isEmpty() && !values.load(m_values->text().trimmed(), error)) {
        showMessage(error, MsgStyle::IconError);
        return;
    }
    const std::optional<ProfileSource> profile = profileSource();
    if (!profile)
        return;
    // The first radios may start within start().
    m_table->setRowCount(0);
    showCables(chosen->ports);
    m_startedAt = QDateTime::currentDateTimeUtc();
    if (!m_batch.start(*profile, values, *chosen, error)) {
        m_cableBox->hide();
        showMessage(error, MsgStyle::IconError);
        return;
    }
    m_setup->setEnabled(false);
    m_start->setEnabled(false);
    m_stop->setEnabled(true);
    m_close->setEnabled(false);
    if (m_table->rowCount() == 0)
        showStatus(tr("The batch has started."));
    m_stop->setFocus();
}

void CProgramRadiosDlg::stopOrCancel()
{
    if (!m_stopping) {
        m_stopping = true;
        m_batch.stop();
        m_stop->setText(tr("&Cancel Radios"));
        m_stop->setAccessibleName(tr("Cancel Radios"));
        showStatus(tr("Stopping: the radios in progress finish. Cancel Radios stops them too."));
        return;
    }
    m_stop->setEnabled(false);
    m_batch.cancel();
}

void CProgramRadiosDlg::showCables(const QStringList &ports)
{
    while (QLayoutItem *item = m_cableGrid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_cableViews.clear();
    for (const QString &port : ports) {
        CableView view;
        for (int i = 0; i < m_cables->count(); ++i) {
            if (m_cables->item(i)->data(Qt::UserRole).toString() == port)
                view.label = m_cables->item(i)->text();
        }
        const int line = int(m_cableViews.size());
        auto *name = new QLabel(view.label);
        view.state = new QLabel(tr("Waiting for a radio"));
        view.bar = new QProgressBar;
        view.bar->setRange(0, 100);
        view.bar->setValue(0);
        view.bar->setAccessibleName(tr("Progress on %1").arg(view.label));
        view.state->setAccessibleName(tr("State of %1").arg(view.label));
        m_cableGrid->addWidget(name, line, 0);
        m_cableGrid->addWidget(view.state, line, 1);
        m_cableGrid->addWidget(view.bar, line, 2);
        m_cableViews.insert(port, view);
    }
    m_cableBox->show();
}

void CProgramRadiosDlg::setCableState(const QString &port, const QString &text)
{
    auto view = m_cableViews.find(port);
    if (view != m_cableViews.end())
        view->state->setText(text);
}

int CProgramRadiosDlg::rowFor(const QString &port)
{
    CableView &view = m_cableViews[port];
    if (view.row < 0) {
        view.row = m_table->rowCount();
        m_table->insertRow(view.row);
        setCell(view.row, Cable, view.label.isEmpty() ? port : view.label);
    }
    return view.row;
}

void CProgramRadiosDlg::setCell(int row, Column column, const QString &text)
{
    QTableWidgetItem *item = m_table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        m_table->setItem(row, column, item);
    }
    item->setText(text);
}

void CProgramRadiosDlg::onRadioStarted(const QString &port)
{
    m_cableViews[port].row = -1;
    m_cableViews[port].bar->setValue(0);
    setCableState(port, tr("Identifying"));
}

void CProgramRadiosDlg::onRadioIdentified(const FleetRecord &record)
{
    const int row = rowFor(record.port);
    setCell(row, Serial, record.serial);
    setCell(row, Model, record.model);
    setCell(row, Firmware, record.firmware);
    setCell(row, Written, BatchReport::WrittenText(record.profileName, record.values));
    m_table->scrollToItem(m_table->item(row, Cable));
}

void CProgramRadiosDlg::onStageStarted(const QString &port, CRadioOperations::Stage stage)
{
    const int row = rowFor(port);
    switch (stage) {
    case CRadioOperations::Stage::BackingUp:
        setCableState(port, tr("Backing up"));
        setCell(row, Backup, tr("Reading..."));
        break;
    case CRadioOperations::Stage::Writing:
        setCableState(port, tr("Writing"));
        break;
    case CRadioOperations::Stage::Verifying:
        setCableState(port, tr("Verifying"));
        setCell(row, Verify, tr("Reading..."));
        break;
    default:
        break;
    }
}

void CProgramRadiosDlg::onProgress(const QString &port, int percent)
{
    auto view = m_cableViews.find(port);
    if (view != m_cableViews.end())
        view->bar->setValue(percent);
}

void CProgramRadiosDlg::onWaitingForRadio(const QString &port, int done)
{
    setCableState(port, tr("Connect the next radio"));
    if (m_cableViews.size() == 1)
        showStatus(tr("Connect the next radio. %n radio(s) done.", nullptr, done));
    QApplication::beep();
}

void CProgramRadiosDlg::onRadioAlreadyDone(const QString &port, const QString &serial)
{
    setCableState(port, tr("Already done"));
    showStatus(tr("The radio %1 on %2 is already programmed in this batch: it is skipped. Connect the next "
                  "radio.")
                   .arg(serial, m_cableViews.value(port).label));
    QApplication::beep();
}

void CProgramRadiosDlg::onRadioFinished(const FleetRecord &record)
{
    const int row = rowFor(record.port);
    if (!record.serial.isEmpty())
        setCell(row, Serial, record.serial);
    setCell(row, Backup, record.backup.isEmpty() ? tr("None") : tr("Stored"));
    if (QTableWidgetItem *backup = m_table->item(row, Backup))
        backup->setToolTip(QDir::toNativeSeparators(record.backup));
    // Only a radio that kept what was written passed its verify.
    const bool verifyReached = m_table->item(row, Verify) != nullptr;
    setCell(row, Verify, record.ok ? tr("Passed") : verifyReached ? tr("Failed") : tr("Not reached"));
    setCell(row, Result, record.ok ? tr("OK") : tr("Failed: %1").arg(record.message));
    if (QTableWidgetItem *result = m_table->item(row, Result))
        result->setToolTip(record.message);
    setCell(row, Time, secondsText(record.seconds));
    m_table->item(row, Time)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_cableViews[record.port].row = -1;
    setCableState(record.port, record.ok ? tr("Done") : tr("Failed"));
    if (record.ok)
        m_cableViews[record.port].bar->setValue(100);
}

void CProgramRadiosDlg::onFinished()
{
    m_stop->setEnabled(false);
    m_close->setEnabled(true);
    const int done = m_batch.succeeded();
    const int failed = int(m_batch.records().size()) - done;
    showStatus(tr("The batch has ended: %1 programmed, %2 failed. The log is in %3.")
                   .arg(done)
                   .arg(failed)
                   .arg(QDir::toNativeSeparators(m_batch.logFolder())));
    m_close->setFocus();

    BatchReportContent content;
    content.customer = m_customer->text();
    content.profileName = m_profileName;
    content.started = m_startedAt;
    for (const FleetRecord &record : m_batch.records())
        content.radios << BatchReport::RadioOf(record);
    const std::optional<WrittenReport> report = BatchReport::Write(
        m_batch.logFolder(), content, CConfigStore::decimalSeparator(CConfigStore::currentLanguage()));
    if (report && m_showReport)
        m_showReport(*report);
    emit batchEnded();
}

void CProgramRadiosDlg::showStatus(const QString &text)
{
    m_status->setText(text);
}

void CProgramRadiosDlg::keyPressEvent(QKeyEvent *event)
{
    // Escape closes the dialog only when no batch runs.
    if (event->key() == Qt::Key_Escape && m_batch.isRunning())
        return;
    QDialog::keyPressEvent(event);
}

void CProgramRadiosDlg::closeEvent(QCloseEvent *event)
{
    if (m_batch.isRunning())
        event->ignore();
    else
        QDialog::closeEvent(event);
}
