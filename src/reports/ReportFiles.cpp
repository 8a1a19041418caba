#include "ReportFiles.h"

#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/StringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <langinfo.h>

namespace {

const QString kReportFolderName = QStringLiteral("Report");
const QString kStyleFile = QStringLiteral("Report.css");

const char *const kWesternLanguages[] = { "CaFrench", "Dutch", "French", "German", "Italian", "LaPortuguese",
    "LaSpanish", "Portuguese", "Spanish" };

bool isWesternLanguage(const QString &language)
{
    for (const char *name : kWesternLanguages) {
        if (language == QLatin1String(name))
            return true;
    }
    return false;
}

// The code page a language's texts need in file names; Unknown for a
// language whose names are never localised.
int codePageOf(const QString &language)
{
    if (isWesternLanguage(language))
        return ReportFiles::CodePage::Western;
    if (language == QLatin1String("Polish"))
        return ReportFiles::CodePage::CentralEuropean;
    if (language == QLatin1String("Russian"))
        return ReportFiles::CodePage::Cyrillic;
    return ReportFiles::CodePage::Unknown;
}

} // namespace

namespace ReportFiles {

const QString kStyleLink = QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"Report.css\">");

void InlineReportStyle(QString &page)
{
    QFile style(QDir(ReportFolder()).filePath(kStyleFile));
    if (style.open(QIODevice::ReadOnly)) {
        page.replace(kStyleLink,
            QStringLiteral("<style type=\"text/css\">\n%1</style>").arg(QString::fromUtf8(style.readAll())));
    }
}

int SystemCodePage()
{
    const QByteArray charset = QByteArray(nl_langinfo(CODESET)).toUpper();
    if (charset == "UTF-8")
        return CodePage::Utf8;
    if (charset == "ISO-8859-1" || charset == "ISO-8859-15" || charset == "CP1252")
        return CodePage::Western;
    if (charset == "ISO-8859-2" || charset == "CP1250")
        return CodePage::CentralEuropean;
    if (charset == "ISO-8859-5" || charset == "KOI8-R" || charset == "CP1251")
        return CodePage::Cyrillic;
    return CodePage::Unknown;
}

bool LocalisedNamesAllowed(const QString &language, int codePage)
{
    if (language == QLatin1String("English"))
        return true;
    const int needed = codePageOf(language);
    return needed != CodePage::Unknown && (codePage == needed || codePage == CodePage::Utf8);
}

QString ReportFileName(ReportKind kind, const QString &language, int codePage)
{
    const char *name = kind == ReportKind::Handout ? QT_TRANSLATE_NOOP("Report", "Customer Handout")
                                                   : QT_TRANSLATE_NOOP("Report", "Detailed Report");
    if (!LocalisedNamesAllowed(language, codePage))
        return QLatin1String(name) + QStringLiteral(".htm");
    QString localised = QCoreApplication::translate("Report", name);
    for (const QChar c : QStringLiteral("\\/:*?\"<>|"))
        localised.replace(c, QLatin1Char(' '));
    return localised + QStringLiteral(".htm");
}

QString ReportFolder()
{
    const QString installPath = CConfigStore::installPath();
    return installPath.isEmpty() ? QString() : QDir(installPath).filePath(kReportFolderName);
}

QStringList HandoutPictures(bool displayModel)
{
    QStringList pictures { QStringLiteral("HandoutHeader.jpg"), QStringLiteral("HandoutFooter.jpg"),
        displayModel ? QStringLiteral("Display.jpg") : QStringLiteral("Rotary.jpg") };
    const int callouts = displayModel ? 10 : 11;
    for (int i = 1; i <= callouts; ++i)
        pictures << QStringLiteral("%1.jpg").arg(i);
    return pictures;
}

QStringList PresentPictures(const QString &folder, const QStringList &pictures)
{
    QStringList present;
    const QDir dir(folder);
    for (const QString &picture : pictures) {
        if (QFileInfo(dir.filePath(picture)).isFile())
            present << picture;
    }
    return present;
}

void ShowMissingFiles()
{
    showMessage(StringTable::missingInstallFiles(), MsgStyle::IconError);
}

} // namespace ReportFiles
