#include "SettingView.h"

#include "VerdictDisplay.h"
#include "document/SettingCommands.h"

#include "SettingControls.h"
#include "base/MessageReporter.h"
#include "base/VelaException.h"
#include "document/ProfileDocument.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

constexpr int kPassword = 1059;
constexpr int kConfirm = 1002;
constexpr int kPowerUpText = 1003;
constexpr int kStationId = 1004;
constexpr int kHangTime = 1005;
constexpr int kLowBattery = 1006;
constexpr int kBacklight = 1060;
constexpr int kTimeout = 1026;
constexpr int kReverseBurst = 1028;
constexpr int kBatteryType = 1029;

constexpr const char *kRepeaterIdModes[]
    = { QT_TRANSLATE_NOOP("Editors", "Disable"), QT_TRANSLATE_NOOP("Editors", "15 min"),
          QT_TRANSLATE_NOOP("Editors", "30 min"), QT_TRANSLATE_NOOP("Editors", "After conversation") };
constexpr const char *kAlertIntervals[] = { QT_TRANSLATE_NOOP("Editors", "Disable"),
    QT_TRANSLATE_NOOP("Editors", "15 min"), QT_TRANSLATE_NOOP("Editors", "30 min"),
    QT_TRANSLATE_NOOP("Editors", "45 min"), QT_TRANSLATE_NOOP("Editors", "60 min") };
constexpr const char *kBacklightTimes[] = { QT_TRANSLATE_NOOP("Editors", "OFF"), "5", "10" };
constexpr const char *kTimeouts[] = { "60", "120", "180" };
constexpr const char *kReverseBursts[] = { "180", "240" };
constexpr const char *kBatteryTypes[]
    = { QT_TRANSLATE_NOOP("Editors", "Alkaline"), QT_TRANSLATE_NOOP("Editors", "Nickel/LiIon") };

constexpr FormControl Edit(
    int id, int row, int buddy, const char *attribute, int maxLength, const char *refusalText = nullptr)
{
    return { .id = id,
        .widget = ControlWidget::Edit,
        .row = row,
        .section = attribute ? Section::kSetting : nullptr,
        .attribute = attribute,
        .buddy = buddy,
        .maxLength = maxLength,
        .refusalText = refusalText };
}

constexpr FormControl Check(
    int id, int row, int buddy, const char *attribute, const char *section = Section::kSetting)
{
    return Form::Field(ControlWidget::Check, id, row, buddy, section, attribute);
}

using Form::Label;

// The password boxes are not bound: their two entries are stored together
// by the view's own rules.
constexpr FormControl kControls[] = {
    Form::PageTitle(1048, QT_TRANSLATE_NOOP("Editors", "General Settings")),
    Label(1050, QT_TRANSLATE_NOOP("Editors", "Codeplug Password (4-digit number)"), 1),
    Edit(kPassword, 1, 1050, nullptr, 4),
    Label(1051, QT_TRANSLATE_NOOP("Editors", "Confirm Password (4-digit number)"), 2),
    Edit(kConfirm, 2, 1051, nullptr, 4),
    Label(1052, QT_TRANSLATE_NOOP("Editors", "Power Up Text"), 3),
    Edit(kPowerUpText, 3, 1052, "powerupString", 8,
        QT_TRANSLATE_NOOP("Editors",
            "Power up text can only contain: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &, %, ., +, "
            "/, "
            "\\, -, '")),
    Label(1054, QT_TRANSLATE_NOOP("Editors", "Repeater Station ID"), 4),
    Edit(kStationId, 4, 1054, "stationID", 9,
        QT_TRANSLATE_NOOP("Editors", "Repeater station id can only contain letter and digits.")),
    Label(1058, QT_TRANSLATE_NOOP("Editors", "Repeater ID Mode"), 5),
    SettingCombo(1061, 5, 1058, "rep_id_mode", kRepeaterIdModes),
    Label(1053, QT_TRANSLATE_NOOP("Editors", "Disable All LEDs"), 6),
    Check(1037, 6, 1053, "disableLED"),
    Label(1055, QT_TRANSLATE_NOOP("Editors", "Disable Restore Factory Default"), 7),
    Check(1039, 7, 1055, "disableRestoreFactoryDefault"),
    Label(1057, QT_TRANSLATE_NOOP("Editors", "Enable Programming Mode"), 8),
    Check(1041, 8, 1057, "programming_mode_enabled", Section::kLimit),
    Label(1024, QT_TRANSLATE_NOOP("Editors", "Disable Battery Save"), 9),
    Check(1040, 9, 1024, "disableBatterySave"),
    // Bound to the time; the change writes the on/off flag first.
    Label(1056, QT_TRANSLATE_NOOP("Editors", "Back Light (Sec.)"), 10),
    SettingCombo(kBacklight, 10, 1056, "backlight_timeout", kBacklightTimes),
    Label(1062, QT_TRANSLATE_NOOP("Editors", "Tx Hangtime (Sec.)"), 11),
    Edit(kHangTime, 11, 1062, "rep_hangtime", 2,
        QT_TRANSLATE_NOOP("Editors", "The tx hangtime is invalid. Its range is 0 - 50.")),
    Label(1066, QT_TRANSLATE_NOOP("Editors", "Tx Low Battery (Min.)"), 12),
    Edit(kLowBattery, 12, 1066, "low_battery_tx", 3,
        QT_TRANSLATE_NOOP("Editors", "The tx low battery is invalid. Its range is 0 - 255.")),
    Label(1064, QT_TRANSLATE_NOOP("Editors", "On Battery Alert Tone"), 13),
    SettingCombo(1063, 13, 1064, "onbatt_alert", kAlertIntervals),
    Label(1065, QT_TRANSLATE_NOOP("Editors", "Enable Courtesy Over Beep"), 14),
    Check(1038, 14, 1065, "courtesy_over"),
    Label(1016, QT_TRANSLATE_NOOP("Editors", "Transmit Timeout Timer (Sec.)"), 15),
    SettingCombo(kTimeout, 15, 1016, "timeoutTimer", kTimeouts),
    Label(1018, QT_TRANSLATE_NOOP("Editors", "PL Reverse Burst"), 16),
    SettingCombo(kReverseBurst, 16, 1018, "reverseBurst", kReverseBursts),
    { .id = 1049,
        .widget = ControlWidget::ColumnTitle,
        .text = QT_TRANSLATE_NOOP("Editors", "Alternate Battery Selection"),
        .row = 17 },
    Label(1019, QT_TRANSLATE_NOOP("Editors", "Alternate Battery Selection"), 18),
    SettingCombo(kBatteryType, 18, 1019, "batteryType", kBatteryTypes),
};

constexpr FormDefinition kForm { "Settings", "GeneralSettings", kControls };

constexpr FormControl kStoredPassword = Edit(kPassword, 1, 1050, "password", 4);

constexpr FeatureLimit kLimits[] = {
    { "disable_time_out_timer", true, 1016, kTimeout },
    { "factory_reset_disable", true, 1055, 1039 },
    { "enable_reverse_burst", false, 1018, kReverseBurst },
    { "disable_battery_save_feature", true, 1024, 1040 },
    { "disable_busy_led_mode", true, 1053, 1037 },
};

} // namespace

CSettingView::CSettingView(const EditorContext &context, QWidget *parent)
    : CBaseView(context, kForm, parent)
{
}

QLineEdit *CSettingView::edit(int controlId) const
{
    return control<QLineEdit>(controlId);
}

void CSettingView::LoadRes()
{
    for (int id : { kPassword, kConfirm }) {
        QLineEdit *box = edit(id);
        box->setEchoMode(QLineEdit::Password);
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        bool &dirty = id == kPassword ? m_passwordDirty : m_confirmDirty;
        connect(box, &QLineEdit::textEdited, this, [&dirty] { dirty = true; });
    }
    // A value being typed already makes the profile one to save.
    for (int id : { kPassword, kConfirm, kPowerUpText, kStationId, kHangTime, kLowBattery }) {
        connect(edit(id), &QLineEdit::textEdited, this, [this] {
            if (m_loaded)
                document().setModified(true);
        });
    }
    for (int id : { kHangTime, kLowBattery }) {
        QLineEdit *box = edit(id);
        connect(box, &QLineEdit::textEdited, this, [box](const QString &text) {
            QString digits = text;
            digits.removeIf([](QChar c) { return c < QLatin1Char('0') || c > QLatin1Char('9'); });
            if (digits == text)
                return;
            const int cursor = box->cursorPosition() - int(text.size() - digits.size());
            box->setText(digits);
            box->setCursorPosition(std::max(0, cursor));
        });
    }
    auto *timeouts = control<QComboBox>(kTimeout);
    for (int item = 0; item < timeouts->count(); ++item)
        timeouts->setItemData(item, (item + 1) * 60);
}

void CSettingView::LoadData()
{
    HideMissingFeatures(
        kLimits, [this](const char *flag) { return limitFlag(flag); },
        [this](int id) { control(id)->hide(); });
    CBaseView::LoadData();
    loadMappedCombos();
    // Two entries being typed stay until they are stored or refused.
    if (!passwordDirty()) {
        loadControl(kStoredPassword);
        edit(kConfirm)->setText(edit(kPassword)->text());
    }
    m_loaded = true;
}

void CSettingView::loadMappedCombos()
{
    try {
        const CDataItem setting = sectionItem(Section::kSetting);
        const auto value = [&setting](const char *attribute) {
            return setting.GetAttributeValue(QLatin1String(attribute)).toInt();
        };
        selectItem(kBacklight, value("backlight_enabled") ? value("backlight_timeout") / 5 : 0);
        selectItem(kTimeout, value("timeoutTimer") / 60 - 1);
        // One bit in the radio: any other value shows as the second item.
        selectItem(kReverseBurst, value("reverseBurst") != 0 ? 1 : 0);
        selectItem(kBatteryType, value("batteryType") != 0 ? 1 : 0);
    } catch (const CVelaCPSException &error) {
        showMessage(error.text(), MsgStyle::IconError);
    }
}

void CSettingView::selectItem(int controlId, int index)
{
    auto *combo = control<QComboBox>(controlId);
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void CSettingView::OnControlChanged(const FormControl &control, const QVariant &value)
{
    if (control.id != kBacklight) {
        CBaseView::OnControlChanged(control, value);
        return;
    }
    runCommand([&] { return CSettingCommands(document()).setBackLight(value.toInt()); });
}

std::optional<QVariant> CSettingView::editValue(const FormControl &control, const QString &text) const
{
    if (control.id == kHangTime || control.id == kLowBattery)
        return QVariant(text.toInt());
    return CBaseView::editValue(control, text);
}

bool CSettingView::eventFilter(QObject *watched, QEvent *event)
{
    const int id = watched->property(kControlIdProperty).toInt();
    if (id == kPassword || id == kConfirm) {
        if (blocksClipboard(event))
            return true;
        if (event->type() == QEvent::FocusOut) {
            const QWidget *next = QApplication::focusWidget();
            if (next && next != watched && isAncestorOf(next))
                leavePasswordBox(id, next);
        }
    }
    return CBaseView::eventFilter(watched, event);
}

bool CSettingView::blocksClipboard(QEvent *event) const
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->matches(QKeySequence::Copy) && !key->matches(QKeySequence::Cut)
            && !key->matches(QKeySequence::Paste))
            return false;
        // Taken here, so that no window shortcut acts on the box either.
        event->accept();
        return true;
    }
    case QEvent::MouseButtonRelease: // pasting the X11 selection
        return static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton;
    default:
        return false;
    }
}

void CSettingView::leavePasswordBox(int leaving, const QWidget *next)
{
    if (!passwordDirty())
        return;
    const QString password = edit(kPassword)->text();
    const QString confirmation = edit(kConfirm)->text();
    if (password.isEmpty() && confirmation.isEmpty()) {
        storePassword();
        return;
    }
    if (CSettingCommands::isShortPassword(leaving == kPassword ? password : confirmation)) {
        askForFourCharacters(leaving);
        return;
    }
    if (password != confirmation) {
        // Typing the second entry is the way on, as is an empty other box.
        const int other = leaving == kPassword ? kConfirm : kPassword;
        if (next != control(other) && !edit(other)->text().isEmpty())
            refuseMismatch();
        return;
    }
    storePassword();
}

bool CSettingView::CommitPendingInput()
{
    if (passwordDirty() && !storePassword())
        return false;
    return CBaseView::CommitPendingInput();
}

bool CSettingView::storePassword()
{
    // The page names a password the hook refuses as it names any refused value.
    const CommandVerdict verdict = CSettingCommands(document())
                                       .setPassword(edit(kPassword)->text(), edit(kConfirm)->text(),
                                           QCoreApplication::translate("CBaseView", "Invalid Value."));
    if (verdict.accepted()) {
        m_passwordDirty = m_confirmDirty = false;
        return true;
    }
    ShowVerdict(verdict);
    for (int box : { kPassword, kConfirm }) {
        if (CSettingCommands::isShortPassword(edit(box)->text())) {
            focusLater(box);
            return false;
        }
    }
    clearPasswordBoxes();
    focusLater(kPassword);
    return false;
}

void CSettingView::askForFourCharacters(int box)
{
    showMessage(tr("Please enter 4 numeric characters."), MsgStyle::IconWarning);
    focusLater(box);
}

void CSettingView::refuseMismatch()
{
    showMessage(tr("The passwords you entered do not match."), MsgStyle::IconWarning);
    clearPasswordBoxes();
    focusLater(kPassword);
}

// Emptied boxes count as typed: leaving them stores no password, so that
// the profile keeps what the screen shows.
void CSettingView::clearPasswordBoxes()
{
    edit(kPassword)->clear();
    edit(kConfirm)->clear();
    m_passwordDirty = m_confirmDirty = true;
}

void CSettingView::focusLater(int controlId)
{
    QMetaObject::invokeMethod(
        this, [this, controlId] { FocusInvalidField(controlId); }, Qt::QueuedConnection);
}
