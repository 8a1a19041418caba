#include "AudioSettingView.h"

#include "SettingControls.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

constexpr int kLanguage = 1030;

constexpr const char *kLevels[] = { QT_TRANSLATE_NOOP("Editors", "Low"),
    QT_TRANSLATE_NOOP("Editors", "Medium"), QT_TRANSLATE_NOOP("Editors", "High") };
constexpr const char *kVoxLevels[]
    = { QT_TRANSLATE_NOOP("Editors", "Low"), QT_TRANSLATE_NOOP("Editors", "Medium"),
          QT_TRANSLATE_NOOP("Editors", "High"), QT_TRANSLATE_NOOP("Editors", "OFF") };
constexpr const char *kLanguages[]
    = { QT_TRANSLATE_NOOP("Editors", "English"), QT_TRANSLATE_NOOP("Editors", "French"),
          QT_TRANSLATE_NOOP("Editors", "Spanish"), QT_TRANSLATE_NOOP("Editors", "OFF") };
// The radio's value of each language item: "OFF" is not the next number.
constexpr int kLanguageValues[] = { 0, 1, 2, 7 };

using Form::Field;
using Form::Label;

constexpr FormControl kControls[] = {
    Form::PageTitle(1019, QT_TRANSLATE_NOOP("Editors", "Audio Settings")),
    Label(1020, QT_TRANSLATE_NOOP("Editors", "Microphone Gain"), 1),
    SettingCombo(1025, 1, 1020, "microphoneGain", kLevels),
    Label(1021, QT_TRANSLATE_NOOP("Editors", "Accessory Microphone Gain"), 2),
    SettingCombo(1026, 2, 1021, "accessoryMicrophoneGain", kLevels),
    Label(1022, QT_TRANSLATE_NOOP("Editors", "VOX Level"), 3),
    SettingCombo(1027, 3, 1022, "vox_level", kVoxLevels),
    Label(1023, QT_TRANSLATE_NOOP("Editors", "iVOX Level"), 4),
    SettingCombo(1028, 4, 1023, "ivol_level", kLevels),
    Label(1029, QT_TRANSLATE_NOOP("Editors", "Channel Announcement Language"), 5),
    SettingCombo(kLanguage, 5, 1029, "voice_language", kLanguages),
    Label(1024, QT_TRANSLATE_NOOP("Editors", "Roger Beep Tone"), 6),
    Field(ControlWidget::Check, 1017, 6, 1024, Section::kSetting, "rogerBeepTone"),
    Label(1014, QT_TRANSLATE_NOOP("Editors", "Keypad Beep"), 7),
    Field(ControlWidget::Check, 1018, 7, 1014, Section::kSetting, "keypadBeep"),
};

constexpr FormDefinition kForm { "AudioSettings", "AudioSettings", kControls };

constexpr FeatureLimit kLimits[] = {
    { "disable_vox_feature", true, 1022, 1027 },
    { "disable_ivox_feature", true, 1023, 1028 },
    { "disable_roger_beep_feature", true, 1024, 1017 },
    { "disable_keypad_beep_feature", true, 1014, 1018 },
    { "voice_chip_enable", false, 1029, kLanguage },
};

} // namespace

CAudioSettingView::CAudioSettingView(const EditorContext &context, QWidget *parent)
    : CBaseView(context, kForm, parent)
{
}

void CAudioSettingView::LoadRes()
{
    auto *languages = control<QComboBox>(kLanguage);
    for (int item = 0; item < languages->count(); ++item)
        languages->setItemData(item, kLanguageValues[item]);
}

void CAudioSettingView::LoadData()
{
    CBaseView::LoadData();
    // A language the list does not know shows as English; it is stored
    // again only when the user chooses one.
    auto *languages = control<QComboBox>(kLanguage);
    if (languages->currentIndex() < 0) {
        const QSignalBlocker blocker(languages);
        languages->setCurrentIndex(0);
    }
    HideMissingFeatures(
        kLimits, [this](const char *flag) { return limitFlag(flag); },
        [this](int id) { control(id)->hide(); });
}
