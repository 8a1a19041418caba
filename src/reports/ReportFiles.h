#pragma once

#include <QString>
#include <QStringList>

// The reports, with the values the report window is told.
enum class ReportKind { Detailed = 0, Handout = 1, Batch = 2 };

// Names and places of the report files.
namespace ReportFiles {

// Code pages of the file-name encoding that the localised names rule asks
// about: the three Windows code pages the rule names and UTF-8, in which
// every language's name can be written.
namespace CodePage {
enum : int { Unknown = 0, CentralEuropean = 1250, Cyrillic = 1251, Western = 1252, Utf8 = 65001 };
}

// The code page of this system's file names, from the locale's character
// set.
int SystemCodePage();

// Whether file names may be the language's own texts: always for English;
// for the Western European languages with the Western code page, Polish with
// the Central European one, Russian with the Cyrillic one, and any of them
// when file names are UTF-8; never for another or no language.
bool LocalisedNamesAllowed(const QString &language, int codePage);

// "Customer Handout.htm" or "Detailed Report.htm", or the current
// translation of the name when localised names are allowed, with each of
// \ / : * ? " < > | replaced by a blank.
QString ReportFileName(ReportKind kind, const QString &language, int codePage);

// The "Report" folder of the install directory, which holds the style
// sheets and the pictures the pages show; empty without an install path.
QString ReportFolder();

// Pictures of the handout, by kind of model: the header and footer, the
// radio and its numbered callouts.
QStringList HandoutPictures(bool displayModel);

// The names of pictures that exist in folder, in list order.
QStringList PresentPictures(const QString &folder, const QStringList &pictures);

// The style link a page is written with, and the step that puts the report
// style (Report.css of the report folder) in its place, so the page looks
// the same wherever it is written, saved or mailed to.
extern const QString kStyleLink;
void InlineReportStyle(QString &page);

// Shows that install files are missing ("Some files needed by CPS are not
// available.\nPlease reinstall CPS.").
void ShowMissingFiles();

} // namespace ReportFiles
