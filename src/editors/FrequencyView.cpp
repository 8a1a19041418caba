#include "FrequencyView.h"

#include "FrequencyInput.h"
#include "VerdictDisplay.h"
#include "base/BandwidthText.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/VelaException.h"
#include "document/FrequencyCommands.h"
#include "document/ProfileDocument.h"
#include "settings/ProductContext.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

#include <algorithm>

namespace {

using Form::Label;

enum Id {
    kTitle = 1069,
    kAdd = 1041,
    kEdit = 1065,
    kDelete = 1066,
    kList = 1067,
    kFrequencyLabel = 1070,
    kFrequency = 1073,
    kBandwidthLabel = 1071,
    kBandwidth = 1063,
    kPowerLabel = 1072,
    kPower = 1064,
    kCompanderLabel = 1074,
    kCompander = 1068,
};

constexpr const char *kPowerRules[]
    = { QT_TRANSLATE_NOOP("Editors", "Low power only"), QT_TRANSLATE_NOOP("Editors", "High power only"),
          QT_TRANSLATE_NOOP("Editors", "User selectable with low power as default"),
          QT_TRANSLATE_NOOP("Editors", "User selectable with high power as default") };
constexpr const char *kCompanderModes[]
    = { QT_TRANSLATE_NOOP("Editors", "ON"), QT_TRANSLATE_NOOP("Editors", "OFF") };

// Compander values of a table entry; the combo lists them in this order.
constexpr unsigned kCompanderOn = 2;
constexpr unsigned kCompanderOff = 3;
constexpr int kTwentyFiveOnly = 1;
constexpr int kSelectableTwentyFive = 3;
constexpr int kHighPowerOnly = 1;

constexpr int kListRows = 8;
constexpr int kListWidth = 840;
constexpr int kRuleWidth = 300;

constexpr FormControl Button(int id, const char *text, int row)
{
    return { .id = id, .widget = ControlWidget::Button, .text = text, .row = row, .cell = Cell::Label };
}

constexpr FormControl RuleCombo(int id, int row, int buddy, std::span<const char *const> items = {})
{
    return { .id = id,
        .widget = ControlWidget::Combo,
        .row = row,
        .buddy = buddy,
        .items = items,
        .width = kRuleWidth };
}

constexpr FormControl kControls[] = {
    Form::PageTitle(kTitle, QT_TRANSLATE_NOOP("Editors", "RF Frequency")),
    Button(kAdd, QT_TRANSLATE_NOOP("Editors", "Add"), 1),
    Button(kEdit, QT_TRANSLATE_NOOP("Editors", "Edit"), 2),
    Button(kDelete, QT_TRANSLATE_NOOP("Editors", "Delete"), 3),
    { .id = kList, .widget = ControlWidget::ReportList, .row = 1, .rows = kListRows, .width = kListWidth },
    Label(kFrequencyLabel, QT_TRANSLATE_NOOP("Editors", "Frequency (MHz)"), kListRows + 1),
    { .id = kFrequency, .widget = ControlWidget::Edit, .row = kListRows + 1, .buddy = kFrequencyLabel },
    Label(kBandwidthLabel, QT_TRANSLATE_NOOP("Editors", "Bandwidth"), kListRows + 2),
    RuleCombo(kBandwidth, kListRows + 2, kBandwidthLabel),
    Label(kPowerLabel, QT_TRANSLATE_NOOP("Editors", "Power Level"), kListRows + 3),
    RuleCombo(kPower, kListRows + 3, kPowerLabel, kPowerRules),
    Label(kCompanderLabel, QT_TRANSLATE_NOOP("Editors", "Compander"), kListRows + 4),
    RuleCombo(kCompander, kListRows + 4, kCompanderLabel, kCompanderModes),
};

constexpr FormDefinition kForm { "Frequency", "RFFrequency", kControls };

// Where the list was, kept on the document for the next time it is shown.
constexpr char kSelectedRowProperty[] = "rfFrequencySelectedRow";
constexpr char kScrollProperty[] = "rfFrequencyScrollPosition";

// Regions bound to 12.5 kHz channels (the model code's last two digits).
bool IsNarrowbandRegion(const QString &model)
{
    const QString region = model.right(2);
    return region == QLatin1String("00") || region == QLatin1String("70") || region == QLatin1String("04");
}

} // namespace

CFrequencyView::CFrequencyView(const EditorContext &context, QWidget *parent)
    : CBaseView(context, kForm, parent)
{
}

QTreeWidget *CFrequencyView::list() const
{
    return control<QTreeWidget>(kList);
}

QLineEdit *CFrequencyView::frequencyEdit() const
{
    return control<QLineEdit>(kFrequency);
}

QComboBox *CFrequencyView::combo(int controlId) const
{
    return control<QComboBox>(controlId);
}

QChar CFrequencyView::separator() const
{
    const QString text = CConfigStore::decimalSeparator(context().product.language());
    return text.isEmpty() ? QLatin1Char('.') : text.front();
}

void CFrequencyView::LoadRes()
{
    QComboBox *bandwidth = combo(kBandwidth);
    const QString decimal = separator();
    for (const QString &rule : { tr("%1 KHz only"), tr("User selectable with %1 KHz as default") }) {
        for (auto width : { BandwidthText::Narrow, BandwidthText::Wide })
            bandwidth->addItem(rule.arg(BandwidthText::kilohertz(width, decimal)));
    }
    list()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(list(), &QTreeWidget::itemSelectionChanged, this, &CFrequencyView::selectionChanged);
    connect(list(), &QTreeWidget::itemDoubleClicked, this, [this] { editOrSave(); });
    connect(list()->verticalScrollBar(), &QScrollBar::valueChanged, this,
        [this](int value) { document().setProperty(kScrollProperty, value); });
    connect(control<QPushButton>(kAdd), &QPushButton::clicked, this, &CFrequencyView::addOrSave);
    connect(control<QPushButton>(kEdit), &QPushButton::clicked, this, &CFrequencyView::editOrSave);
    connect(control<QPushButton>(kDelete), &QPushButton::clicked, this, &CFrequencyView::deleteOrCancel);
    connect(bandwidth, &QComboBox::activated, this, &CFrequencyView::bandwidthChosen);
    connect(frequencyEdit(), &QLineEdit::textEdited, this, &CFrequencyView::frequencyEdited);
    setFieldsEnabled(false);
}

void CFrequencyView::OnInitialUpdate()
{
    CBaseView::OnInitialUpdate();
    QStringList columns { tr("Index"), tr("Frequency (MHz)"), tr("Bandwidth"), tr("Power Level") };
    if (!combo(kCompander)->isHidden())
        columns << tr("Compander");
    list()->setHeaderLabels(columns);
    list()->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    fillList();
    restoreSelection();
}

void CFrequencyView::LoadData()
{
    // The columns come with the first layout; until then the rows wait.
    if (list()->columnCount() < 4)
        return;
    fillList();
    restoreSelection();
}

QString CFrequencyView::ruleText(const QComboBox *combo, unsigned value) const
{
    return value < unsigned(combo->count()) ? combo->itemText(int(value)) : tr("N/A");
}

void CFrequencyView::fillList()
{
    QTreeWidget *table = list();
    // Emptying the list scrolls it to the top; the place kept on the
    // document stays for restoreSelection.
    const QSignalBlocker blocker(table);
    const QSignalBlocker scrollBlocker(table->verticalScrollBar());
    table->clear();
    m_rows.clear();
    try {
        const CDataItem frequencies = sectionItem(Section::kFrequencies);
        CDataItem entry;
        QList<QTreeWidgetItem *> items;
        for (int i = 0; i < frequencies.GetChildCount(); ++i) {
            frequencies.GetChildByIndex(i, entry);
            const auto value = [&entry](const char *name) {
                return entry.GetAttributeValue(QLatin1String(name)).toUInt();
            };
            const FrequencyRow row { i, value("freq"), value("bandwidth"), value("power_level"),
                value("compander_lle_mode") };
            m_rows.push_back(row);
            QStringList texts { QString::number(i + 1), megahertzText(row.frequency),
                ruleText(combo(kBandwidth), row.bandwidth), ruleText(combo(kPower), row.powerLevel) };
            if (table->columnCount() > 4) {
                texts << (row.compander == kCompanderOn  ? translated("ON")
                        : row.compander == kCompanderOff ? translated("OFF")
                                                         : tr("N/A"));
            }
            items << new QTreeWidgetItem(texts);
        }
        table->addTopLevelItems(items);
    } catch (const CVelaCPSException &error) {
        qWarning("CFrequencyView::LoadListItem: %s", error.what());
        showMessage(tr("Error: Radio information view loads data."), MsgStyle::IconError);
    }
}

void CFrequencyView::restoreSelection()
{
    QTreeWidget *table = list();
    // The first row until the user selected one.
    QTreeWidgetItem *item = table->topLevelItem(document().property(kSelectedRowProperty).toInt());
    {
        const QSignalBlocker blocker(table);
        if (item)
            table->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    table->verticalScrollBar()->setValue(document().property(kScrollProperty).toInt());
    if (item)
        table->scrollToItem(item);
    if (m_mode == Mode::Browse)
        showRow(selectedRow());
    updateButtons();
}

int CFrequencyView::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = list()->selectedItems();
    return selected.isEmpty() ? -1 : list()->indexOfTopLevelItem(selected.front());
}

void CFrequencyView::selectionChanged()
{
    const int row = selectedRow();
    if (row >= 0)
        document().setProperty(kSelectedRowProperty, row);
    showRow(row);
    updateButtons();
}

void CFrequencyView::showRow(int row)
{
    if (row < 0 || size_t(row) >= m_rows.size())
        return;
    const FrequencyRow &entry = m_rows[size_t(row)];
    frequencyEdit()->setText(megahertzText(entry.frequency));
    m_acceptedText = frequencyEdit()->text();
    combo(kBandwidth)->setCurrentIndex(int(entry.bandwidth));
    combo(kPower)->setCurrentIndex(int(entry.powerLevel));
    combo(kCompander)->setCurrentIndex(entry.compander == kCompanderOff ? 1 : 0);
    companderFollowsBandwidth(false);
}

bool CFrequencyView::canAddFrequency() const
{
    try {
        return sectionItem(Section::kFrequencies).CanAddChild();
    } catch (const CVelaCPSException &) {
        return false;
    }
}

void CFrequencyView::updateButtons()
{
    if (m_mode != Mode::Browse)
        return;
    const bool selected = selectedRow() >= 0;
    control(kAdd)->setEnabled(canAddFrequency());
    control(kEdit)->setEnabled(selected);
    control(kDelete)->setEnabled(selected);
}

bool CFrequencyView::narrowbandModel() const
{
    return IsNarrowbandRegion(readAttribute(Section::kFactory, "model").toString());
}

void CFrequencyView::setFieldsEnabled(bool enabled)
{
    for (int id : { kFrequency, kBandwidth, kPower, kCompander })
        control(id)->setEnabled(enabled);
}

void CFrequencyView::enterMode(Mode mode)
{
    m_mode = mode;
    setControlText(mode == Mode::Add ? kAdd : kEdit, tr("Save"));
    control(mode == Mode::Add ? kEdit : kAdd)->setEnabled(false);
    setControlText(kDelete, tr("Cancel"));
    control(kDelete)->setEnabled(true);
    list()->setEnabled(false);
    setFieldsEnabled(true);
    if (mode == Mode::Add) {
        frequencyEdit()->clear();
        m_acceptedText.clear();
        combo(kBandwidth)->setCurrentIndex(0);
        combo(kPower)->setCurrentIndex(kHighPowerOnly);
        combo(kCompander)->setCurrentIndex(0);
    }
    try {
        combo(kBandwidth)->setEnabled(!narrowbandModel());
    } catch (const CVelaCPSException &error) {
        showMessage(error.text(), MsgStyle::IconError);
    }
    companderFollowsBandwidth(false);
    frequencyEdit()->selectAll();
    frequencyEdit()->setFocus(Qt::OtherFocusReason);
}

void CFrequencyView::leaveMode()
{
    m_mode = Mode::Browse;
    setControlText(kAdd, translated("Add"));
    setControlText(kEdit, translated("Edit"));
    setControlText(kDelete, translated("Delete"));
    setFieldsEnabled(false);
    list()->setEnabled(true);
    showRow(selectedRow());
    updateButtons();
    list()->setFocus(Qt::OtherFocusReason);
}

void CFrequencyView::addOrSave()
{
    if (m_mode == Mode::Browse)
        enterMode(Mode::Add);
    else
        save();
}

void CFrequencyView::editOrSave()
{
    if (m_mode == Mode::Browse) {
        if (selectedRow() >= 0)
            enterMode(Mode::Edit);
    } else {
        save();
    }
}

void CFrequencyView::deleteOrCancel()
{
    if (m_mode == Mode::Browse)
        deleteSelected();
    else
        leaveMode();
}

void CFrequencyView::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (m_mode == Mode::Browse && enter && list()->hasFocus()) {
        editOrSave();
    } else if (m_mode != Mode::Browse && enter) {
        save();
    } else if (m_mode != Mode::Browse && event->key() == Qt::Key_Escape) {
        leaveMode();
    } else if (m_mode == Mode::Browse && event->key() == Qt::Key_Delete && list()->hasFocus()) {
        deleteSelected();
    } else {
        CBaseView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CFrequencyView::bandwidthChosen()
{
    companderFollowsBandwidth(true);
}

// A 25 kHz-only frequency runs without compander; a new bandwidth rule
// brings the compander setting that suits it.
void CFrequencyView::companderFollowsBandwidth(bool bandwidthChanged)
{
    const int bandwidth = combo(kBandwidth)->currentIndex();
    QComboBox *compander = combo(kCompander);
    if (bandwidth == kTwentyFiveOnly) {
        compander->setCurrentIndex(1);
        compander->setEnabled(false);
        return;
    }
    compander->setEnabled(m_mode != Mode::Browse);
    if (bandwidthChanged)
        compander->setCurrentIndex(bandwidth == kSelectableTwentyFive ? 1 : 0);
}

void CFrequencyView::frequencyEdited(const QString &text)
{
    QLineEdit *edit = frequencyEdit();
    const FrequencyInput::Filtered filtered = FrequencyInput::Filter(text, m_acceptedText, separator());
    if (filtered.text != text) {
        // The caret stays where it was before the refused or dropped characters.
        const int cursor = std::max(0, int(edit->cursorPosition() - (text.size() - filtered.text.size())));
        edit->setText(filtered.text);
        edit->setCursorPosition(std::min(cursor, int(filtered.text.size())));
    }
    m_acceptedText = filtered.text;
}

FrequencyRow CFrequencyView::readFields() const
{
    FrequencyRow row;
    row.index = m_mode == Mode::Edit ? selectedRow() : -1;
    row.frequency = FrequencyInput::ToHz(frequencyEdit()->text(), separator()).value_or(0);
    row.bandwidth = unsigned(combo(kBandwidth)->currentIndex());
    row.powerLevel = unsigned(combo(kPower)->currentIndex());
    row.compander = combo(kCompander)->currentIndex() == 1 ? kCompanderOff : kCompanderOn;
    return row;
}

void CFrequencyView::save()
{
    FrequencyRow row = readFields();
    const bool adding = m_mode == Mode::Add;
    bool saved = false;
    runCommand([&] {
        try {
            CFrequencyCommands commands(document(), AskInMessageBox);
            const CommandVerdict verdict
                = adding ? commands.addFrequency(row) : commands.changeFrequency(row);
            saved = verdict.accepted();
            if (saved) {
                // A new row is the last; the reload selects it and scrolls to it.
                if (adding)
                    document().setProperty(
                        kSelectedRowProperty, sectionItem(Section::kFrequencies).GetChildCount() - 1);
                m_mode = Mode::Browse;
            }
            return verdict;
        } catch (const CVelaCPSException &error) {
            return CommandVerdict::refused(error.text(), MsgStyle::IconError);
        }
    });
    if (saved)
        leaveMode();
    else // the two-watt conversion the dealer agreed to
        combo(kPower)->setCurrentIndex(int(row.powerLevel));
}

void CFrequencyView::deleteSelected()
{
    QList<int> rows;
    for (QTreeWidgetItem *item : list()->selectedItems())
        rows << list()->indexOfTopLevelItem(item);
    if (rows.isEmpty())
        return;
    runCommand([&] {
        try {
            int first = -1;
            const CommandVerdict verdict
                = CFrequencyCommands(document(), AskInMessageBox).deleteFrequencies(rows, &first);
            if (first >= 0) {
                const int count = sectionItem(Section::kFrequencies).GetChildCount();
                document().setProperty(kSelectedRowProperty, first < count ? first : 0);
            }
            return verdict;
        } catch (const CVelaCPSException &error) {
            qWarning("CFrequencyView::OnBnClickedFreqDel: %s", error.what());
            return CommandVerdict::refused(
                tr("Error: Radio information view loads data."), MsgStyle::IconError);
        }
    });
}
