#include "ChannelView.h"

#include "ComboFill.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/VelaException.h"
#include "codeplug/FrequencyRules.h"
#include "document/CodeDisplayText.h"
#include "document/ProfileDocument.h"
#include "settings/ProductContext.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
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

constexpr const char *kBandwidths[] = { "12.5", "25" };
constexpr const char *kPowers[]
    = { QT_TRANSLATE_NOOP("Editors", "Low"), QT_TRANSLATE_NOOP("Editors", "High") };
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
    ChannelCombo(kRxBandwidth, 5, 1004, "rx_bw", 1, kBandwidths),
    Note(kRxHighPowerNote, kHighPowerText, 6, 1),
    Label(kTalkaroundPowerLabel, QT_TRANSLATE_NOOP("Editors", "Talkaround Power"), 7, 1),
    ChannelCombo(kTalkaroundPower, 7, kTalkaroundPowerLabel, "talkaround_power", 1, kPowers),
    Label(1008, kCodeText, 8, 1),
    ChannelCombo(kRxCode, 8, 1008, "rx_code", 1),
    ColumnTitle(kTransmitTitle, QT_TRANSLATE_NOOP("Editors", "Transmit"), 2),
    ColumnFrame(kTransmitFrame, 2),
    Label(kTxFrequencyLabel, kFrequencyText, 4, 2),
    ChannelCombo(kTxFrequency, 4, kTxFrequencyLabel, "tx_freq_ndx", 2),
    Label(kTxBandwidthLabel, kBandwidthText, 5, 2),
    ChannelCombo(kTxBandwidth, 5, kTxBandwidthLabel, "tx_bw", 2, kBandwidths),
    Note(kTxHighPowerNote, kHighPowerText, 6, 2),
    Label(kRepeaterPowerLabel, QT_TRANSLATE_NOOP("Editors", "Repeater Power"), 7, 2),
    ChannelCombo(kRepeaterPower, 7, kRepeaterPowerLabel, "repeater_power", 2, kPowers),
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

// Buttons A, B and C, which may hold a preset's feature.
constexpr const char *kPresetButtons[] = { "upper_right_but", "lower_left_but", "lower_right_but" };
constexpr int kFirstPresetFeature = 9;

// The combo item a frequency's bandwidth or power rule selects: rules 0
// and 2 the first (12.5 kHz, low), rules 1 and 3 the second; -1 for none.
int RuleItem(int rule)
{
    return rule >= 0 && rule <= 3 ? rule % 2 : -1;
}

bool RuleIsFixed(int rule)
{
    return rule == 0 || rule == 1;
}

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

bool CChannelView::write(int controlId, const QVariant &value)
{
    const FormControl *bound = formControl(controlId);
    return bound && writeValue(*bound, value);
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
            write(kRepeater, 0);
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
    const CDataItem frequencies = sectionItem(Section::kFrequencies);
    const qint64 start = readAttribute(Section::kLimit, "start_freq").toLongLong();
    const qint64 end = readAttribute(Section::kLimit, "end_freq").toLongLong();
    const bool fourWatt = document().powerClass() == 4;
    const QString twoWattMark = QStringLiteral(" (%1)").arg(tr("2W limit"));
    const int count = frequencies.GetChildCount();
    m_frequencies.assign(size_t(count), {});
    texts.assign(size_t(count), {});
    CDataItem entry;
    for (int i = 0; i < count; ++i) {
        frequencies.GetChildByIndex(i, entry);
        const qint64 hz = entry.GetAttributeValue(QStringLiteral("freq")).toLongLong();
        Frequency &frequency = m_frequencies[size_t(i)];
        frequency.bandwidthRule = entry.GetAttributeValue(QStringLiteral("bandwidth")).toInt();
        const bool twoWatt = fourWatt && FrequencyRules::IsTwoWattFrequency(hz);
        frequency.powerRule = twoWatt ? 0 : entry.GetAttributeValue(QStringLiteral("power_level")).toInt();
        frequency.listed = hz >= start && hz <= end;
        if (!frequency.listed)
            continue;
        texts[size_t(i)] = QStringLiteral("%1 - %2").arg(i + 1).arg(megahertzText(hz))
            + (twoWatt ? twoWattMark : QString());
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
    const Frequency &frequency = m_frequencies[size_t(index)];
    control(side.bandwidth)->setEnabled(!RuleIsFixed(frequency.bandwidthRule));
    control(side.power)->setEnabled(!RuleIsFixed(frequency.powerRule));
    // A two-watt frequency allows the low power only.
    if (frequency.powerRule == 0)
        combo(side.power)->setCurrentIndex(0);
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
            return repeaterChanged(value.toBool());
        case kDisable:
            return disableChannelChanged(control, value.toBool());
        case kRxBandwidth:
        case kTalkaroundPower:
        case kRxCode:
            if (m_transmitHidden) {
                // The receive settings are the transmit settings too.
                const int mirror = control.id == kRxBandwidth ? kTxBandwidth
                    : control.id == kTalkaroundPower          ? kRepeaterPower
                                                              : kTxCode;
                return editAsOneStep(tr("Change %1").arg(labelOf(control)), [&] {
                    if (writeValue(control, value))
                        write(mirror, value);
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

void CChannelView::frequencyChosen(const Side &side, int tableIndex)
{
    // The "Out of range" item carries the stored index.
    if (tableIndex == stored(side.frequency))
        return;
    const Side &other = otherSide(side);
    editAsOneStep(tr("Change Frequency"), [&] {
        if (!write(side.frequency, tableIndex))
            return;
        writeRules(side, tableIndex);
        if (m_transmitHidden) {
            if (write(other.frequency, tableIndex))
                writeRules(other, tableIndex);
            return;
        }
        const bool sameFrequency = tableIndex == stored(other.frequency);
        if (!sameFrequency || stored(kRepeater) == 0)
            return;
        if (combo(other.frequency)->count() < 2) {
            // No other frequency to transmit on: the channel talks around.
            if (write(kRepeater, 0))
                repeaterChanged(false);
        } else if (!control(kRepeater)->isHidden()) {
            showMessage(tr("The transmit frequency index can not be same as the receive frequency index. The "
                           "next available transmit frequency shall be selected."),
                MsgStyle::IconInformation);
            selectNextTransmitAfter(tableIndex);
        }
    });
}

void CChannelView::writeRules(const Side &side, int tableIndex)
{
    if (tableIndex < 0 || size_t(tableIndex) >= m_frequencies.size())
        return;
    const Frequency &frequency = m_frequencies[size_t(tableIndex)];
    writeRule(side.bandwidth, frequency.bandwidthRule);
    // Without the transmit column the receive power stands for both.
    const int shownPower = m_transmitHidden ? kReceive.power : side.power;
    if (!control(shownPower)->isHidden())
        writeRule(side.power, frequency.powerRule);
}

void CChannelView::writeRule(int comboId, int rule)
{
    const int item = RuleItem(rule);
    if (item >= 0 && stored(comboId) != item)
        write(comboId, item);
}

// The transmit item after the one of tableIndex, the first after the last.
void CChannelView::selectNextTransmitAfter(int tableIndex)
{
    QComboBox *transmit = combo(kTxFrequency);
    const int position = transmit->findData(tableIndex);
    const int next = transmit->itemData((position + 1) % transmit->count()).toInt();
    if (write(kTxFrequency, next))
        writeRules(kTransmit, next);
}

void CChannelView::repeaterChanged(bool checked)
{
    editAsOneStep(tr("Change %1").arg(labelOf(*formControl(kRepeater))), [&] {
        if (stored(kRepeater) != int(checked) && !write(kRepeater, checked ? 1 : 0))
            return;
        if (checked && stored(kRxFrequency) == stored(kTxFrequency) && combo(kTxFrequency)->count() > 1)
            selectNextTransmitAfter(stored(kTxFrequency));
    });
}

bool CChannelView::presetUsesChannel() const
{
    const CDataItem setting = sectionItem(Section::kSetting);
    if (readAttribute(Section::kLimit, "maxPresetButtons").toInt() <= 0)
        return false;
    CDataItem preset;
    for (int p = 0; p < setting.GetChildCount(); ++p) {
        setting.GetChildByIndex(p, preset);
        if (preset.GetAttributeValue(QStringLiteral("channel")).toInt() != context().channelIndex)
            continue;
        for (const char *button : kPresetButtons) {
            if (setting.GetAttributeValue(QLatin1String(button)).toInt() == kFirstPresetFeature + p)
                return true;
        }
    }
    return false;
}

void CChannelView::disableChannelChanged(const FormControl &control, bool disable)
{
    if (disable && presetUsesChannel()
        && showMessage(
               tr("This channel is assigned to a Preset Channel button. Disable this channel shall cause "
                  "the value change of the Preset Channel button. Do you want to continue?"),
               MsgStyle::YesNo | MsgStyle::IconQuestion)
            != MsgAnswer::Yes) {
        loadControl(control);
        return;
    }
    writeValue(control, disable ? 1 : 0);
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
