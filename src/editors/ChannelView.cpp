#include "ChannelView.h"

#include "ComboFill.h"
#include "FrequencyListText.h"
#include "VerdictDisplay.h"
#include "base/BandwidthText.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/VelaException.h"
#include "document/ChannelCommands.h"
#include "document/ChannelListCommands.h"
#include "document/CodeDisplayText.h"
#include "document/ProfileDocument.h"
#include "settings/ProductContext.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

namespace {

using Form::Field;
using Form::Label;
constexpr ControlWidget kCombo = ControlWidget::Combo;
constexpr ControlWidget kCheck = ControlWidget::Check;
constexpr const char *kChannel = Section::kCurrentChannel;

enum Id {
    kTitle = 1058,
    kNameLabel = 1009,
    kName = 1085,
    kDisableLabel = 1010,
    kDisable = 1032,
    kReceiveTitle = 1111,
    kReceiveFrame = 1114,
    kTransmitTitle = 1113,
    kTransmitFrame = 1115,
    kRxFrequency = 1016,
    kRxBandwidth = 1018,
    kTalkaroundPowerLabel = 1031,
    kTalkaroundPower = 1028,
    kRxHighPowerNote = 1086,
    kRxCode = 1019,
    kTxFrequencyLabel = 1025,
    kTxFrequency = 1017,
    kTxBandwidthLabel = 1026,
    kTxBandwidth = 1020,
    kTxHighPowerNote = 1087,
    kRepeaterPowerLabel = 1030,
    kRepeaterPower = 1021,
    kTxCodeLabel = 1029,
    kTxCode = 1022,
    kScrambleLabel = 1005,
    kScramble = 1023,
    kRepeaterLabel = 1006,
    kRepeater = 1024,
    kTalkaroundNote = 1076,
    kTalkaroundScanLabel = 1011,
    kTalkaroundScan = 1033,
    kAutoScanLabel = 1007,
    kAutoScan = 1027,
};

// The power words agree with "power" where a language gives words a gender,
// unlike the same English words for the audio levels.
constexpr const char *kPowerContext = "TransmitPower";
constexpr const char *kPowers[]
    = { QT_TRANSLATE_NOOP("TransmitPower", "Low"), QT_TRANSLATE_NOOP("TransmitPower", "High") };
constexpr const char *kScrambleCodes[]
    = { QT_TRANSLATE_NOOP("Editors", "OFF"), QT_TRANSLATE_NOOP("Editors", "Scramble Code 1"),
          QT_TRANSLATE_NOOP("Editors", "Scramble Code 2"), QT_TRANSLATE_NOOP("Editors", "Scramble Code 3") };

constexpr FormControl ChannelCombo(
    int id, int row, int buddy, const char *attribute, int column, std::span<const char *const> items = {})
{
    FormControl control = Field(kCombo, id, row, buddy, kChannel, attribute, column);
    control.items = items;
    return control;
}

constexpr FormControl Note(int id, const char *text, int row, int column)
{
    return { .id = id,
        .widget = ControlWidget::Note,
        .text = text,
        .column = column,
        .row = row,
        .cell = Cell::Whole };
}

constexpr FormControl ColumnTitle(int id, const char *text, int column)
{
    return { .id = id,
        .widget = ControlWidget::ColumnTitle,
        .text = text,
        .column = column,
        .row = 3,
        .cell = Cell::Whole };
}

constexpr FormControl ColumnFrame(int id, int column)
{
    return { .id = id,
        .widget = ControlWidget::ColumnFrame,
        .column = column,
        .row = 3,
        .cell = Cell::Whole,
        .rows = 6 };
}

constexpr const char *kFrequencyText = QT_TRANSLATE_NOOP("Editors", "Frequency (MHz)");
constexpr const char *kBandwidthText = QT_TRANSLATE_NOOP("Editors", "Bandwidth (KHz)");
constexpr const char *kCodeText = QT_TRANSLATE_NOOP("Editors", "PL/DPL Code");
constexpr const char *kHighPowerText
    = QT_TRANSLATE_NOOP("Editors", "High-power is only available in non-PMR446 markets");

constexpr FormControl kControls[] = {
    Form::PageTitle(kTitle, nullptr),
    Label(kNameLabel, QT_TRANSLATE_NOOP("Editors", "Name"), 1),
    { .id = kName,
        .widget = ControlWidget::Edit,
        .row = 1,
        .section = kChannel,
        .attribute = "name",
        .buddy = kNameLabel,
        .maxLength = 8 },
    Label(kDisableLabel, QT_TRANSLATE_NOOP("Editors", "Disable Channel"), 2),
    Field(kCheck, kDisable, 2, kDisableLabel, kChannel, "disable_channel"),
    ColumnTitle(kReceiveTitle, QT_TRANSLATE_NOOP("Editors", "Receive"), 1),
    ColumnFrame(kReceiveFrame, 1),
    Label(1003, kFrequencyText, 4, 1),
    ChannelCombo(kRxFrequency, 4, 1003, "rx_freq_ndx", 1),
    Label(1004, kBandwidthText, 5, 1),
    ChannelCombo(kRxBandwidth, 5, 1004, "rx_bw", 1),
    Note(kRxHighPowerNote, kHighPowerText, 6, 1),
    Label(kTalkaroundPowerLabel, QT_TRANSLATE_NOOP("Editors", "Talkaround Power"), 7, 1),
    ChannelCombo(kTalkaroundPower, 7, kTalkaroundPowerLabel, "talkaround_power", 1),
    Label(1008, kCodeText, 8, 1),
    ChannelCombo(kRxCode, 8, 1008, "rx_code", 1),
    ColumnTitle(kTransmitTitle, QT_TRANSLATE_NOOP("Editors", "Transmit"), 2),
    ColumnFrame(kTransmitFrame, 2),
    Label(kTxFrequencyLabel, kFrequencyText, 4, 2),
    ChannelCombo(kTxFrequency, 4, kTxFrequencyLabel, "tx_freq_ndx", 2),
    Label(kTxBandwidthLabel, kBandwidthText, 5, 2),
    ChannelCombo(kTxBandwidth, 5, kTxBandwidthLabel, "tx_bw", 2),
    Note(kTxHighPowerNote, kHighPowerText, 6, 2),
    Label(kRepeaterPowerLabel, QT_TRANSLATE_NOOP("Editors", "Repeater Power"), 7, 2),
    ChannelCombo(kRepeaterPower, 7, kRepeaterPowerLabel, "repeater_power", 2),
    Label(kTxCodeLabel, kCodeText, 8, 2),
    ChannelCombo(kTxCode, 8, kTxCodeLabel, "tx_code", 2),
    Label(kScrambleLabel, QT_TRANSLATE_NOOP("Editors", "Scramble"), 9),
    ChannelCombo(kScramble, 9, kScrambleLabel, "scramble_code", 0, kScrambleCodes),
    Label(kRepeaterLabel, QT_TRANSLATE_NOOP("Editors", "Repeater"), 10, 1),
    Field(kCheck, kRepeater, 10, kRepeaterLabel, kChannel, "repeater", 1),
    Note(kTalkaroundNote,
        QT_TRANSLATE_NOOP("Editors", "In talkaround mode, Transmit will use Receive settings."), 10, 2),
    Label(kTalkaroundScanLabel, QT_TRANSLATE_NOOP("Editors", "Dynamic Talkaround Scan"), 11),
    Field(kCheck, kTalkaroundScan, 11, kTalkaroundScanLabel, kChannel, "talkaround_scan"),
    Label(kAutoScanLabel, QT_TRANSLATE_NOOP("Editors", "Auto Scan"), 12),
    Field(kCheck, kAutoScan, 12, kAutoScanLabel, kChannel, "autoScan"),
};

constexpr FormDefinition kForm { "Channel", "Channel", kControls, Refusal::HookMessage };

constexpr CChannelView::Side kReceive { kRxFrequency, kRxBandwidth, kTalkaroundPower, "rx_freq_ndx" };
constexpr CChannelView::Side kTransmit { kTxFrequency, kTxBandwidth, kRepeaterPower, "tx_freq_ndx" };

// The transmit column, hidden on models without the repeater feature.
constexpr int kTransmitColumn[]
    = { kTransmitTitle, kTransmitFrame, kTxFrequencyLabel, kTxFrequency, kTxBandwidthLabel, kTxBandwidth,
          kTxHighPowerNote, kRepeaterPowerLabel, kRepeaterPower, kTxCodeLabel, kTxCode };

} // namespace

CChannelView::CChannelView(const EditorContext &context, QWidget *parent)
    : CBaseView(context, kForm, parent)
{
}

QComboBox *CChannelView::combo(int controlId) const
{
    return control<QComboBox>(controlId);
}

const CChannelView::Side &CChannelView::otherSide(const Side &side) const
{
    return side.frequency == kReceive.frequency ? kTransmit : kReceive;
}

int CChannelView::stored(int controlId) const
{
    const FormControl *bound = formControl(controlId);
    return readAttribute(bound->section, bound->attribute).toInt();
}

void CChannelView::LoadRes()
{
    const QString separator = CConfigStore::decimalSeparator(context().product.language());
    for (int id : { kRxBandwidth, kTxBandwidth }) {
        for (auto bandwidth : { BandwidthText::Narrow, BandwidthText::Wide })
            combo(id)->addItem(BandwidthText::kilohertz(bandwidth, separator));
    }
    for (int id : { kTalkaroundPower, kRepeaterPower }) {
        for (const char *power : kPowers)
            combo(id)->addItem(QCoreApplication::translate(kPowerContext, power));
    }
}

void CChannelView::OnInitialUpdate()
{
    CBaseView::OnInitialUpdate();
    for (const Side &side : { kReceive, kTransmit }) {
        QAbstractItemView *dropDown = combo(side.frequency)->view();
        dropDown->installEventFilter(this);
        m_dropDowns.insert(side.frequency, dropDown);
    }
    if (control(kRepeater)->isHidden())
        hideTransmitColumn();
}

// Without the repeater the radio transmits with the receive settings: the
// receive column stands for both and its changes are written to both.
void CChannelView::hideTransmitColumn()
{
    m_transmitHidden = true;
    setControlText(kReceiveTitle, translated("Receive") + QLatin1Char('/') + translated("Transmit"));
    setControlText(kTalkaroundPowerLabel, tr("Transmit Power"));
    const bool columnShown = !control(kTxFrequency)->isHidden();
    for (int id : kTransmitColumn)
        control(id)->hide();
    try {
        if (stored(kRepeater) != 0)
            runCommand([this] { return commands().setRepeater(false); });
    } catch (const CVelaCPSException &error) {
        showMessage(error.text(), MsgStyle::IconError);
    }
    if (columnShown)
        SetVisibility(QLatin1String(form().visibleKey));
}

void CChannelView::LoadData()
{
    try {
        std::vector<QString> texts;
        readFrequencyTable(texts);
        fillFrequencyList(kReceive, texts);
        fillFrequencyList(kTransmit, texts);
        fillCodeList(kRxCode);
        fillCodeList(kTxCode);
        CBaseView::LoadData();
        const QString name = readAttribute(kChannel, "name").toString();
        setControlText(kTitle, name + QStringLiteral(" (%1)").arg(context().channelIndex + 1));
        applyLimits();
        applyChannelState();
    } catch (const CVelaCPSException &error) {
        qWarning("CChannelView::LoadData: %s", error.what());
        showMessage(tr("Error: Radio information view loads data."), MsgStyle::IconError);
    }
}

void CChannelView::readFrequencyTable(std::vector<QString> &texts)
{
    m_frequencies = frequencyChoices(document().root(), document().powerClass());
    texts.assign(m_frequencies.size(), {});
    for (size_t i = 0; i < m_frequencies.size(); ++i) {
        const FrequencyChoice &frequency = m_frequencies[i];
        if (frequency.listed)
            texts[i] = FrequencyListText(int(i), megahertzText(frequency.hertz), frequency.twoWatt);
    }
}

// The frequencies within the model's range, each with its table index; a
// stored index that is not listed shows as "Out of range".
void CChannelView::fillFrequencyList(const Side &side, const std::vector<QString> &texts)
{
    ComboItems items;
    for (size_t i = 0; i < m_frequencies.size(); ++i) {
        if (m_frequencies[i].listed)
            items.push_back({ texts[i], int(i) });
    }
    const int index = readAttribute(kChannel, side.frequencyAttribute).toInt();
    if (index < 0 || size_t(index) >= m_frequencies.size() || !m_frequencies[size_t(index)].listed)
        items.push_back({ tr("Out of range"), index });
    FillCombo(combo(side.frequency), items);
}

void CChannelView::fillCodeList(int comboId)
{
    const CCodeDisplayText display(
        sectionItem(Section::kSetting).node(), CConfigStore::decimalSeparator(context().product.language()));
    const int last
        = std::min(readAttribute(Section::kLimit, "maxCodes").toInt(), CCodeDisplayText::kLastCode);
    ComboItems items;
    for (int code = 0; code <= last; ++code)
        items.push_back({ display.listText(code), code });
    FillCombo(combo(comboId), items);
}

void CChannelView::applyLimits()
{
    hideControls({ kScrambleLabel, kScramble }, limitFlag("disable_scramble_feature"));
    hideControls({ kRepeaterLabel, kRepeater, kTalkaroundNote }, limitFlag("disable_repeater_feature"));
    if (limitFlag("disable_repeater_feature")) {
        for (int id : kTransmitColumn)
            control(id)->hide();
    }
    hideControls({ kAutoScanLabel, kAutoScan }, limitFlag("disable_scan_mode"));
    hideControls({ kTalkaroundScanLabel, kTalkaroundScan }, !limitFlag("talkaround_scan_enable"));
    hideControls({ kDisableLabel, kDisable }, !limitFlag("disable_channel_enable"));
    hideControls({ kTalkaroundPowerLabel, kTalkaroundPower, kRxHighPowerNote, kRepeaterPowerLabel,
                     kRepeaterPower, kTxHighPowerNote },
        !limitFlag("power_cntrl_enabled"));
}

// A disabled channel shows its values but takes no change but the one that
// enables it again; otherwise the frequency rules decide what may change.
void CChannelView::applyChannelState()
{
    const bool disabled = stored(kDisable) != 0;
    for (const FormControl &entry : kControls) {
        if (entry.id != kDisable && entry.id != kDisableLabel && entry.id != kTitle)
            control(entry.id)->setEnabled(!disabled);
    }
    if (disabled)
        return;
    showFrequencyRules(kReceive);
    showFrequencyRules(kTransmit);
    const bool repeater = stored(kRepeater) != 0;
    if (!control(kRepeater)->isHidden())
        control(kTalkaroundNote)->setVisible(!repeater);
    control(kTalkaroundScan)->setEnabled(repeater);
    control(kTalkaroundScanLabel)->setEnabled(repeater);
}

void CChannelView::showFrequencyRules(const Side &side)
{
    const int index = stored(side.frequency);
    if (index < 0 || size_t(index) >= m_frequencies.size())
        return;
    const FrequencyChoice &frequency = m_frequencies[size_t(index)];
    control(side.bandwidth)->setEnabled(!frequencyRuleIsFixed(frequency.bandwidthRule));
    control(side.power)->setEnabled(!frequencyRuleIsFixed(frequency.powerRule));
    // A two-watt frequency allows the low power only.
    if (frequency.powerRule == 0)
        combo(side.power)->setCurrentIndex(0);
}

CChannelCommands CChannelView::commands()
{
    return CChannelCommands(document(), context().channelIndex, AskInMessageBox);
}

void CChannelView::OnControlChanged(const FormControl &control, const QVariant &value)
{
    try {
        switch (control.id) {
        case kRxFrequency:
            return frequencyChosen(kReceive, value.toInt());
        case kTxFrequency:
            return frequencyChosen(kTransmit, value.toInt());
        case kRepeater:
            return runCommand([&] { return commands().setRepeater(value.toBool()); });
        case kDisable:
            return runCommand([&] { return commands().setDisabled(value.toBool()); });
        case kRxBandwidth:
        case kTalkaroundPower:
        case kRxCode:
            if (m_transmitHidden) {
                return runCommand([&] {
                    return commands().setAttribute(
                        QLatin1String(control.attribute), value, tr("Change %1").arg(labelOf(control)));
                });
            }
            break;
        default:
            break;
        }
        writeValue(control, value);
    } catch (const CVelaCPSException &error) {
        showMessage(error.text(), MsgStyle::IconError);
        loadControl(control);
    }
}

std::optional<CommandVerdict> CChannelView::controlCommand(const FormControl &control, const QVariant &value)
{
    if (control.id != kName)
        return std::nullopt;
    return CChannelListCommands(document())
        .renameChannel(context().channelIndex, value.toString(), tr("Change %1").arg(labelOf(control)));
}

void CChannelView::frequencyChosen(const Side &side, int tableIndex)
{
    const auto which
        = side.frequency == kRxFrequency ? CChannelCommands::Side::Receive : CChannelCommands::Side::Transmit;
    runCommand([&] { return commands().chooseFrequency(which, tableIndex); });
}

// Opening a list that shows "Out of range" picks a listed frequency, as if
// the user had chosen it: the first, or the second when the first is the
// other side's frequency. True when it picked one.
bool CChannelView::openedOutOfRange(const Side &side)
{
    QComboBox *list = combo(side.frequency);
    const int current = list->currentData().toInt();
    if (current >= 0 && size_t(current) < m_frequencies.size() && m_frequencies[size_t(current)].listed)
        return false;
    if (list->count() < 2)
        return false;
    int pick = 0;
    if (list->itemData(0).toInt() == stored(otherSide(side).frequency) && list->count() > 2)
        pick = 1;
    list->setCurrentIndex(pick);
    frequencyChosen(side, list->itemData(pick).toInt());
    return true;
}

bool CChannelView::eventFilter(QObject *watched, QEvent *event)
{
    for (const Side &side : { kReceive, kTransmit }) {
        if (watched != m_dropDowns.value(side.frequency))
            continue;
        if (event->type() == QEvent::Show) {
            try {
                // The list lost its "Out of range" item while opening: it
                // opens again at the size of what it holds now.
                if (openedOutOfRange(side)) {
                    QComboBox *list = combo(side.frequency);
                    QMetaObject::invokeMethod(
                        list,
                        [list] {
                            list->hidePopup();
                            list->showPopup();
                        },
                        Qt::QueuedConnection);
                }
            } catch (const CVelaCPSException &error) {
                showMessage(error.text(), MsgStyle::IconError);
            }
        }
        return false;
    }
    return CBaseView::eventFilter(watched, event);
}
