#include "SettingCommands.h"

#include "EditGroup.h"
#include "ProfileDocument.h"

#include "base/MessageReporter.h"
#include "base/StringTable.h"

#include <QCoreApplication>

namespace {

constexpr int kPasswordLength = 4;
constexpr int kBackLightStep = 5; // seconds per back light item
constexpr int kFirstCustomDplCode = 214;

CDataItem settingOf(CProfileDocument &document)
{
    CDataItem setting;
    return document.root().GetChildByName(QStringLiteral("setting"), setting);
}

QString changeOf(const char *label)
{
    return QCoreApplication::translate("CBaseView", "Change %1")
        .arg(QCoreApplication::translate("Editors", label));
}

} // namespace

bool CSettingCommands::isShortPassword(const QString &password)
{
    return !password.isEmpty() && password.size() < kPasswordLength;
}

CSettingCommands::CSettingCommands(CProfileDocument &document)
    : m_document(document)
{
}

CommandVerdict CSettingCommands::setAttribute(CDataItem &item, const QString &attribute,
    const QVariant &value, const QString &undoText, const QString &refusalText)
{
    const HookVerdict verdict = m_document.setAttribute(item, attribute, value, undoText);
    if (verdict.accepted())
        return {};
    if (!refusalText.isEmpty())
        return CommandVerdict::refused(refusalText, MsgStyle::IconWarning);
    return CommandVerdict::refused(
        verdict.status == 1 ? StringTable::text(verdict.msgId) : QString(), unsigned(verdict.style));
}

CommandVerdict CSettingCommands::setPassword(
    const QString &password, const QString &confirmation, const QString &refusalText)
{
    if (isShortPassword(password) || isShortPassword(confirmation))
        return CommandVerdict::refused(
            QCoreApplication::translate("CSettingView", "Please enter 4 numeric characters."),
            MsgStyle::IconWarning);
    if (password != confirmation)
        return CommandVerdict::refused(
            QCoreApplication::translate("CSettingView", "The passwords you entered do not match."),
            MsgStyle::IconWarning);
    CDataItem setting = settingOf(m_document);
    return setAttribute(setting, QStringLiteral("password"), password,
        changeOf("Codeplug Password (4-digit number)"), refusalText);
}

CommandVerdict CSettingCommands::setCustomCode(int code, int value)
{
    const bool tone = code < kFirstCustomDplCode;
    const QString refusal = tone
        ? QCoreApplication::translate(
            "Editors", "The PL Code you input is invalid. The valid range is: 67.0 - 255.0 Hz.")
        : QCoreApplication::translate(
            "Editors", "The DPL Code you entered is invalid. The valid range is(OCT): 001 - 777.");
    const QString label = tone ? QStringLiteral("PL Code %1 (Hz)") : QStringLiteral("PL Code %1 (OCT)");
    CDataItem setting = settingOf(m_document);
    const QString attribute = QStringLiteral("PLcode%1").arg(code);
    if (!setting.node().hasAttribute(attribute))
        return CommandVerdict::refused(refusal, MsgStyle::IconWarning);
    const QString undoText = QCoreApplication::translate("CBaseView", "Change %1")
                                 .arg(QCoreApplication::translate("Editors", qPrintable(label.arg(code))));
    return setAttribute(setting, attribute, value, undoText, refusal);
}

CommandVerdict CSettingCommands::setBackLight(int item)
{
    const QString undoText = changeOf("Back Light (Sec.)");
    const CEditGroup group(m_document, undoText);
    CDataItem setting = settingOf(m_document);
    CommandVerdict verdict = setAttribute(setting, QStringLiteral("backlight_enabled"), item != 0, undoText);
    if (verdict.accepted())
        verdict = setAttribute(setting, QStringLiteral("backlight_timeout"), item * kBackLightStep, undoText);
    return verdict;
}
