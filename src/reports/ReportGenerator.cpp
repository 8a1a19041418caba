#include "ReportGenerator.h"

#include "ReportText.h"
#include "ReportTokens.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/TextFile.h"
#include "base/VelaException.h"
#include "document/CodeDisplayText.h"
#include "document/ProfileDocument.h"
#include "settings/SettingsDocuments.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The sheet's text as its file holds it (its edits match the text as
// written), after the settings loader has found and parsed it; a missing
// sheet has been reported then.
std::optional<QString> sheetText(const QString &fileName)
{
    if (!LoadSettingDoc(fileName, SettingFolder::Report))
        return std::nullopt;
    QString text;
    if (!ReadTextFile(QDir(ReportFiles::ReportFolder()).filePath(fileName), text)) {
        ReportFiles::ShowMissingFiles();
        return std::nullopt;
    }
    return text;
}

XmlDocument parsedSheet(const QString &text)
{
    XmlDocument sheet;
    if (!sheet.loadXml(text))
        throw XmlError(
            QStringLiteral("Invalid style sheet"), sheet.parseError().reason, QStringLiteral("sheet"));
    return sheet;
}

void replaceChannelCodes(const XmlDocument &profile, const QString &decimalSeparator)
{
    const CCodeDisplayText codes(
        profile.selectSingleNode(QStringLiteral("/VelaProfile/setting")), decimalSeparator);
    for (XmlNode channel : profile.selectNodes(QStringLiteral("/VelaProfile/channels/channel"))) {
        for (const QString &attribute : { QStringLiteral("rx_code"), QStringLiteral("tx_code") }) {
            const int code = channel.attributeOr(attribute).toInt();
            if (code > 0)
                channel.setAttribute(attribute, codes.listText(code));
        }
    }
}

} // namespace

CReportGenerator::CReportGenerator(CProfileDocument &document, const QString &language)
    : m_document(document)
    , m_language(language)
{
}

std::optional<QString> CReportGenerator::generate(ReportKind kind) const
{
    try {
        std::optional<QString> page = kind == ReportKind::Handout ? handout() : detailed();
        if (page)
            ReportFiles::InlineReportStyle(*page);
        return page;
    } catch (const CVelaCPSException &error) {
        showMessage(error.text(), MsgStyle::IconError);
    } catch (const std::exception &) {
        ReportFiles::ShowMissingFiles();
    }
    return std::nullopt;
}

XmlDocument CReportGenerator::preparedProfile() const
{
    XmlDocument profile;
    if (!profile.loadXml(ReportText::WithoutProfileNamespace(m_document.model().mainDocument().xml())))
        throw XmlError(
            QStringLiteral("Profile does not load"), profile.parseError().reason, QStringLiteral("profile"));
    return profile;
}

std::optional<QString> CReportGenerator::handout() const
{
    QString left, middle, right;
    if (!CConfigStore::dealerInfo(m_language, left, right, middle)) {
        showMessage(QCoreApplication::translate("Report", "Error: Load dealer information failed."),
            MsgStyle::IconError);
        return std::nullopt;
    }
    const XmlDocument profile = preparedProfile();
    std::optional<QString> sheet = sheetText(QStringLiteral("Handout.xsl"));
    if (!sheet)
        return std::nullopt;
    ReportTokens::localise(*sheet, ReportTokens::handoutTokens(), CConfigStore::decimalSeparator(m_language));
    QString page = profile.transform(parsedSheet(*sheet));
    page.replace(ReportText::kDealerMarker,
        ReportText::DealerBlock(ReportText::EscapeDealerText(left), ReportText::EscapeDealerText(middle),
            ReportText::EscapeDealerText(right)));
    return page;
}

std::optional<QString> CReportGenerator::detailed() const
{
    const QString separator = CConfigStore::decimalSeparator(m_language);
    const XmlDocument profile = preparedProfile();
    replaceChannelCodes(profile, separator);
    const std::optional<QString> sheet = sheetText(QStringLiteral("Detailed.xsl"));
    if (!sheet)
        return std::nullopt;
    const bool twoWattModel = m_document.powerClass() == 4;
    QString edited = ReportText::EditDetailedSheet(
        *sheet, separator, twoWattModel, QCoreApplication::translate("Report", "2W limit"));
    ReportTokens::localise(edited, ReportTokens::detailedTokens(), separator);
    QString page = profile.transform(parsedSheet(edited));
    page.replace(ReportText::kRowMarker, QStringLiteral("<tr>"));
    return page;
}
