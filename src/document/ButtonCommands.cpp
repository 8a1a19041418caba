#include "ButtonCommands.h"

#include "EditGroup.h"
#include "ProfileDocument.h"

#include "base/MessageReporter.h"
#include "codeplug/ProfileFields.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int kPresets = 2;

const char *const kFeatureTaken
    = QT_TRANSLATE_NOOP("Editors", "One feature can not be assigned to multiple buttons.");
const char *const kChannelRefused = QT_TRANSLATE_NOOP("Editors", "The channel can not be selected!");
const char *const kInvalidValue = QT_TRANSLATE_NOOP("CBaseView", "Invalid Value.");

CDataItem child(const CDataItem &parent, const QString &name)
{
    CDataItem result;
    return parent.GetChildByName(name, result);
}

CDataItem settingOf(CProfileDocument &document)
{
    return child(document.root(), QStringLiteral("setting"));
}

// The channels a preset may use: the enabled ones among those in use.
QList<int> presetChoices(CProfileDocument &document)
{
    const int count = settingOf(document).GetAttributeValue(QStringLiteral("numberChannels")).toInt();
    const CDataItem channels = child(document.root(), QStringLiteral("channels"));
    QList<int> choices;
    for (int index = 0; index < count; ++index) {
        CDataItem channel;
        if (channels.GetChildByIndex(index, channel).isEmpty())
            break;
        if (!channel.GetAttributeValue(QStringLiteral("disable_channel")).toBool())
            choices << index;
    }
    return choices;
}

QString undoTextFor(const QString &button)
{
    const codeplug::ProfileField *field = codeplug::findField(QString(QStringLiteral("setting.") + button));
    return QCoreApplication::translate("CBaseView", "Change %1")
        .arg(field ? QCoreApplication::translate("Editors", field->caption) : button);
}

} // namespace

const QStringList &CButtonCommands::buttons()
{
    static const QStringList names { QStringLiteral("side1_but"), QStringLiteral("side2_but"),
        QStringLiteral("upper_right_but"), QStringLiteral("lower_left_but"),
        QStringLiteral("lower_right_but") };
    return names;
}

CButtonCommands::CButtonCommands(CProfileDocument &document, CommandAsker ask)
    : m_document(document)
    , m_ask(std::move(ask))
{
}

CButtonFeatureList::LimitReader CButtonCommands::limitReader() const
{
    const CDataItem limit = child(m_document.root(), QStringLiteral("limit"));
    return [limit](const QString &attribute) { return limit.GetAttributeValue(attribute).toInt(); };
}

QString CButtonCommands::holderOf(int feature, const QStringList &candidates) const
{
    const CDataItem setting = settingOf(m_document);
    for (const QString &button : candidates) {
        if (setting.GetAttributeValue(button).toInt() == feature)
            return button;
    }
    return {};
}

CommandVerdict CButtonCommands::setFeature(const QString &button, int feature)
{
    CDataItem setting = settingOf(m_document);
    if (m_document.setAttribute(setting, button, feature, undoTextFor(button)).accepted())
        return {};
    return CommandVerdict::refused(
        QCoreApplication::translate("Editors", kFeatureTaken), MsgStyle::IconWarning);
}

void CButtonCommands::writeIfDifferent(
    CDataItem item, const QString &attribute, int value, const QString &refusal)
{
    if (item.isEmpty() || item.GetAttributeValue(attribute).toInt() == value)
        return;
    if (!m_document.setAttribute(item, attribute, value, QString()).accepted())
        m_verdict.warnings << refusal;
}

CommandVerdict CButtonCommands::resetButtons(const CButtonFeatureList &features)
{
    const CommandQuestion question { QCoreApplication::translate("CButtonsView",
                                         "Do you want to reset all buttons with their defaults?"),
        MsgStyle::YesNo | MsgStyle::IconQuestion };
    if (!answersYes(m_ask, question))
        return CommandVerdict::declined(question);
    m_verdict = {};
    const CEditGroup group(m_document, QCoreApplication::translate("CButtonsView", "Button Reset"));
    const CButtonFeatureList::LimitReader limit = limitReader();
    const QString featureTaken = QCoreApplication::translate("Editors", kFeatureTaken);
    // A feature moving to another button would be refused while its old
    // button still holds it, so every button to change is cleared first.
    for (const QString &button : buttons()) {
        if (settingOf(m_document).GetAttributeValue(button).toInt() != features.defaultFeature(button, limit))
            writeIfDifferent(settingOf(m_document), button, 0, featureTaken);
    }
    for (const QString &button : buttons())
        writeIfDifferent(settingOf(m_document), button, features.defaultFeature(button, limit), featureTaken);
    const QString invalid = QCoreApplication::translate("CBaseView", kInvalidValue);
    writeIfDifferent(settingOf(m_document), QStringLiteral("callTone"), 0, invalid);
    writeIfDifferent(settingOf(m_document), QStringLiteral("disableSelectableScramble"), 0, invalid);
    // A new profile presets the first two channels; here the first two
    // enabled ones, since a preset needs an enabled channel.
    const QList<int> choices = presetChoices(m_document);
    for (int preset = 0; preset < kPresets && !choices.isEmpty(); ++preset) {
        CDataItem item;
        settingOf(m_document).GetChildByIndex(preset, item);
        writeIfDifferent(item, QStringLiteral("channel"), choices[std::min(preset, int(choices.size()) - 1)],
            QCoreApplication::translate("Editors", kChannelRefused));
    }
    return m_verdict;
}
