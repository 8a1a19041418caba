#include "ButtonsView.h"

#include "FormGeometry.h"
#include "VerdictDisplay.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/VelaException.h"
#include "document/ButtonCommands.h"
#include "document/ProfileDocument.h"
#include "settings/ModelRules.h"
#include "settings/ProductContext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

using Form::Field;
using Form::Label;

constexpr int kPageTitle = 1075;
constexpr int kPicture = 1058;
constexpr int kFeatureTitle = 1004;
constexpr int kResetButton = 1041;
constexpr int kScrambleMode = 1017;
constexpr int kCallTone = 1030;
constexpr int kKeypadLabel = 1054;
constexpr int kKeypadLock = 1038;

// The preset elements under "setting", in preset order.
constexpr char kPreset1[] = "#preset1";
constexpr char kPreset2[] = "#preset2";
constexpr int kPresetChannels[] = { 1007, 1008 };

// The picture keeps its proportions at this height.
constexpr int kPictureHeight = 300;
// Wide enough for the longest feature name.
constexpr int kFeatureFieldWidth = 250;

constexpr char kFeatureTaken[]
    = QT_TRANSLATE_NOOP("Editors", "One feature can not be assigned to multiple buttons.");
constexpr char kChannelRefused[] = QT_TRANSLATE_NOOP("Editors", "The channel can not be selected!");

struct Button {
    int label;
    int combo;
    const char *attribute;
    bool front; // front buttons offer more features than the side buttons
};
constexpr Button kButtons[] = {
    { 1009, 1001, "side1_but", false },
    { 1010, 1002, "side2_but", false },
    { 1011, 1003, "upper_right_but", true },
    { 1012, 1005, "lower_left_but", true },
    { 1013, 1006, "lower_right_but", true },
};

// The setting of a feature, shown beside the button that holds it.
struct DependentRow {
    int feature;
    int label;
    int field;
};
constexpr DependentRow kDependentRows[] = {
    { 12, 1016, kScrambleMode },
    { 9, 1014, kPresetChannels[0] },
    { 10, 1015, kPresetChannels[1] },
    { 3, 1029, kCallTone },
};

// The feature names of the button list that have translations.
constexpr const char *kFeatureNames[] = {
    QT_TRANSLATE_NOOP("Editors", "Monitor"),
    QT_TRANSLATE_NOOP("Editors", "Scan/Nuisance Channel Delete"),
    QT_TRANSLATE_NOOP("Editors", "Call Tone"),
    QT_TRANSLATE_NOOP("Editors", "Tx Power Selection"),
    QT_TRANSLATE_NOOP("Editors", "Scramble"),
    QT_TRANSLATE_NOOP("Editors", "Repeater/Talkaround"),
    QT_TRANSLATE_NOOP("Editors", "No Operation"),
    QT_TRANSLATE_NOOP("Editors", "Backlight"),
    QT_TRANSLATE_NOOP("Editors", "Preset 1"),
    QT_TRANSLATE_NOOP("Editors", "Preset 2"),
};

constexpr const char *kScrambleModes[] = {
    QT_TRANSLATE_NOOP("Editors", "Selectable"),
    QT_TRANSLATE_NOOP("Editors", "ON/OFF"),
};

constexpr FormControl ButtonCombo(const Button &button, int row)
{
    FormControl combo
        = Field(ControlWidget::Combo, button.combo, row, button.label, Section::kSetting, button.attribute);
    combo.refusalText = kFeatureTaken;
    combo.width = kFeatureFieldWidth;
    return combo;
}

constexpr FormControl PresetCombo(int id, int row, int buddy, const char *preset)
{
    FormControl combo = Field(ControlWidget::Combo, id, row, buddy, preset, "channel");
    combo.refusalText = kChannelRefused;
    return combo;
}

constexpr FormControl kControls[] = {
    Form::PageTitle(kPageTitle, QT_TRANSLATE_NOOP("Editors", "Buttons")),
    Label(kKeypadLabel, QT_TRANSLATE_NOOP("Editors", "Keypad Lock"), 1),
    Field(ControlWidget::Check, kKeypadLock, 1, kKeypadLabel, Section::kSetting, "keypadLock"),
    { .id = kPicture, .widget = ControlWidget::Label, .row = 2, .cell = Cell::Whole, .rows = 2 },
    { .id = kFeatureTitle,
        .widget = ControlWidget::ColumnTitle,
        .text = QT_TRANSLATE_NOOP("Editors", "Feature"),
        .row = 2,
        .cell = Cell::Whole },
    Label(kButtons[0].label, QT_TRANSLATE_NOOP("Editors", "Side Button 1 (SB1)"), 3),
    ButtonCombo(kButtons[0], 3),
    Label(kButtons[1].label, QT_TRANSLATE_NOOP("Editors", "Side Button 2 (SB2)"), 4),
    ButtonCombo(kButtons[1], 4),
    Label(kButtons[2].label, QT_TRANSLATE_NOOP("Editors", "Button A"), 5),
    ButtonCombo(kButtons[2], 5),
    Label(kButtons[3].label, QT_TRANSLATE_NOOP("Editors", "Button B"), 6),
    ButtonCombo(kButtons[3], 6),
    Label(kButtons[4].label, QT_TRANSLATE_NOOP("Editors", "Button C"), 7),
    ButtonCombo(kButtons[4], 7),
    { .id = kResetButton,
        .widget = ControlWidget::Button,
        .text = QT_TRANSLATE_NOOP("Editors", "Button Reset"),
        .row = 8 },
    Label(1016, QT_TRANSLATE_NOOP("Editors", "Scramble Button"), 9),
    { .id = kScrambleMode,
        .widget = ControlWidget::Combo,
        .row = 9,
        .section = Section::kSetting,
        .attribute = "disableSelectableScramble",
        .buddy = 1016,
        .items = kScrambleModes },
    Label(1014, QT_TRANSLATE_NOOP("Editors", "Preset 1 Channel"), 10),
    PresetCombo(kPresetChannels[0], 10, 1014, kPreset1),
    Label(1015, QT_TRANSLATE_NOOP("Editors", "Preset 2 Channel"), 11),
    PresetCombo(kPresetChannels[1], 11, 1015, kPreset2),
    Label(1029, QT_TRANSLATE_NOOP("Editors", "Call Tone"), 12),
    Field(ControlWidget::Combo, kCallTone, 12, 1029, Section::kSetting, "callTone"),
};

constexpr FormDefinition kForm { "Buttons", "Buttons", kControls };

QString FeatureText(const QString &name)
{
    for (const char *translatable : kFeatureNames) {
        if (name == QLatin1String(translatable))
            return QCoreApplication::translate("Editors", translatable);
    }
    return name;
}

} // namespace

CButtonsView::CButtonsView(const EditorContext &context, QWidget *parent)
    : CBaseView(context, kForm, parent)
{
}

void CButtonsView::OnInitialUpdate()
{
    CBaseView::OnInitialUpdate();
    placeDependentRows();
}

CDataItem CButtonsView::sectionItem(const char *section) const
{
    const bool first = qstrcmp(section, kPreset1) == 0;
    if (!first && qstrcmp(section, kPreset2) != 0)
        return CBaseView::sectionItem(section);
    CDataItem preset;
    return CBaseView::sectionItem(Section::kSetting).GetChildByIndex(first ? 0 : 1, preset);
}

int CButtonsView::limitValue(const QString &attribute) const
{
    return sectionItem(Section::kLimit).GetAttributeValue(attribute).toInt();
}

CButtonFeatureList::LimitReader CButtonsView::limitReader() const
{
    return CButtonCommands(document()).limitReader();
}

std::optional<CommandVerdict> CButtonsView::controlCommand(const FormControl &control, const QVariant &value)
{
    for (const Button &button : kButtons) {
        if (control.id == button.combo)
            return CButtonCommands(document()).setFeature(QLatin1String(button.attribute), value.toInt());
    }
    return std::nullopt;
}

void CButtonsView::LoadRes()
{
    control(kFeatureTitle)->setFont(control(kPageTitle)->font());
    connect(control<QPushButton>(kResetButton), &QPushButton::clicked, this, &CButtonsView::resetButtons);
    try {
        fillCallTones();
        m_features = CButtonFeatureList::Read(
            context().product.settings().buttonListDocument(), ModelRules::IsDisplayModel(document().root()));
        if (!m_features) {
            control(kPicture)->hide();
            showMessage(tr("Some files needed by CPS are not available.\nPlease reinstall CPS."),
                MsgStyle::IconError);
            return;
        }
        fillFeatureLists();
        showPicture();
    } catch (const CVelaCPSException &error) {
        qWarning("CButtonsView::LoadRes: %s", error.what());
        showMessage(error.text(), MsgStyle::IconError);
    }
}

void CButtonsView::fillFeatureLists()
{
    const CButtonFeatureList::LimitReader limit = limitReader();
    const QList<ButtonFeature> side = m_features->sideButtonFeatures(limit);
    const QList<ButtonFeature> front = m_features->frontButtonFeatures(limit);
    for (const Button &button : kButtons) {
        auto *combo = control<QComboBox>(button.combo);
        for (const ButtonFeature &feature : button.front ? front : side)
            combo->addItem(FeatureText(feature.name), feature.value);
    }
}

void CButtonsView::fillCallTones()
{
    auto *callTones = control<QComboBox>(kCallTone);
    callTones->addItem(tr("OFF"));
    const QString callTone = translated(kFeatureNames[2]);
    for (int tone = 1; tone <= limitValue(QStringLiteral("max_call_tones")); ++tone)
        callTones->addItem(QStringLiteral("%1 %2").arg(callTone).arg(tone));
}

void CButtonsView::showPicture()
{
    const QPixmap picture(CConfigStore::installFilePath(QStringLiteral("lib"), m_features->pictureFile()));
    auto *frame = control<QLabel>(kPicture);
    if (picture.isNull()) {
        frame->hide();
        showMessage(
            tr("Some files needed by CPS are not available.\nPlease reinstall CPS."), MsgStyle::IconError);
        return;
    }
    frame->setPixmap(picture.scaledToHeight(kPictureHeight, Qt::SmoothTransformation));
}

void CButtonsView::LoadData()
{
    try {
        fillPresetChannelLists();
        hideControls(
            { kKeypadLabel, kKeypadLock }, limitValue(QStringLiteral("disable_keypad_lock_feature")) != 0);
    } catch (const CVelaCPSException &error) {
        qWarning("CButtonsView::LoadData: %s", error.what());
        showMessage(error.text(), MsgStyle::IconError);
    }
    CBaseView::LoadData();
    placeDependentRows();
}

void CButtonsView::fillPresetChannelLists()
{
    const int count
        = sectionItem(Section::kSetting).GetAttributeValue(QStringLiteral("numberChannels")).toInt();
    const CDataItem channels = sectionItem(Section::kChannels);
    for (int id : kPresetChannels) {
        auto *combo = control<QComboBox>(id);
        const QSignalBlocker blocker(combo);
        combo->clear();
        for (int index = 0; index < count; ++index) {
            CDataItem channel;
            if (channels.GetChildByIndex(index, channel).isEmpty())
                break;
            if (!channel.GetAttributeValue(QStringLiteral("disable_channel")).toBool())
                combo->addItem(channel.GetAttributeValue(QStringLiteral("name")).toString(), index);
        }
    }
}

void CButtonsView::placeDependentRows()
{
    using FormGeometry::kCellGap;
    const QRect buttonField = formRect(kButtons[0].combo);
    const int labelX = buttonField.right() + 1 + 2 * kCellGap;
    int right = labelX;
    try {
        const ControlVisibility visibility = ControlVisibility::FromSettings(context().product.settings(),
            QLatin1String(form().visibleKey), ModelRules::IsDisplayModel(document().root()));
        // The buttons the model has.
        QStringList present;
        for (const Button &button : kButtons) {
            if (visibility.keeps(button.combo))
                present << QLatin1String(button.attribute);
        }
        const CButtonCommands commands(document());
        for (const DependentRow &row : kDependentRows) {
            QRect label = formRect(row.label);
            QRect field = formRect(row.field);
            right = std::max(right, labelX + label.width() + kCellGap + field.width());
            const QString holderName = commands.holderOf(row.feature, present);
            const Button *holder = nullptr;
            for (const Button &button : kButtons) {
                if (holderName == QLatin1String(button.attribute))
                    holder = &button;
            }
            const bool shown = holder && visibility.keeps(row.label) && visibility.keeps(row.field);
            control(row.label)->setVisible(shown);
            control(row.field)->setVisible(shown);
            if (!shown)
                continue;
            const int top = formRect(holder->combo).top();
            label.moveTopLeft(QPoint(labelX, top));
            field.moveTopLeft(QPoint(label.right() + 1 + kCellGap, top));
            setFormRect(row.label, label);
            setFormRect(row.field, field);
        }
    } catch (const CVelaCPSException &error) {
        qWarning("CButtonsView::placeDependentRows: %s", error.what());
        showMessage(error.text(), MsgStyle::IconError);
    }
    placePicture(right);
}

void CButtonsView::placePicture(int right)
{
    QRect band = formRect(kFeatureTitle);
    band.setRight(right - 1);
    setFormRect(kFeatureTitle, band);
    const QSize picture = control<QLabel>(kPicture)->sizeHint();
    if (!control(kPicture)->isHidden()) {
        const QRect frame(QPoint(right + 2 * FormMetrics::kMargin, band.top()), picture);
        setFormRect(kPicture, frame);
        right = frame.right() + 1;
    }
    // The title band spans the buttons and the picture, so that centring the
    // band centres them all.
    QRect title = formRect(kPageTitle);
    title.setRight(right + FormMetrics::kMargin - 1);
    setFormRect(kPageTitle, title);
}

void CButtonsView::resetButtons()
{
    if (!m_features)
        return;
    runCommand([this] {
        try {
            return CButtonCommands(document(), AskInMessageBox).resetButtons(*m_features);
        } catch (const CVelaCPSException &error) {
            qWarning("CButtonsView::resetButtons: %s", error.what());
            return CommandVerdict::refused(error.text(), MsgStyle::IconError);
        }
    });
}
