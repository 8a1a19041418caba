#include "BatchReport.h"

#include "ReportFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

namespace {

// The page's texts.
class BatchReportText {
    Q_DECLARE_TR_FUNCTIONS(BatchReport)
};

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString secondsText(double seconds, const QString &decimalSeparator)
{
    return QLocale::c().toString(seconds, 'f', 1).replace(QLatin1Char('.'), decimalSeparator);
}

QString factRow(const QString &label, const QString &value)
{
    return QStringLiteral("<tr><th>%1</th><td>%2</td></tr>").arg(escaped(label), escaped(value));
}

QString resultCell(const BatchReportRadio &radio)
{
    if (radio.succeeded)
        return QStringLiteral("<td class=\"result ok\">%1</td>").arg(escaped(BatchReportText::tr("OK")));
    QString cell = QStringLiteral("<td class=\"result failed\"><span class=\"warning\">%1</span>")
                       .arg(escaped(BatchReportText::tr("Failed")));
    if (!radio.message.isEmpty())
        cell += QStringLiteral("<div class=\"why\">%1</div>")
                    .arg(escaped(radio.message).replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    return cell + QStringLiteral("</td>");
}

QString radioRow(int place, const BatchReportRadio &radio, const QString &decimalSeparator)
{
    return QStringLiteral("<tr%1><td class=\"num\">%2</td><td>%3</td><td class=\"name\">%4</td><td>%5</td>"
                          "<td>%6</td>%7<td class=\"num\">%8</td><td class=\"written\">%9</td></tr>\n")
        .arg(place % 2 == 0 ? QStringLiteral(" class=\"even\"") : QString(), QString::number(place),
            escaped(radio.port), escaped(radio.serial), escaped(radio.model), escaped(radio.firmware),
            resultCell(radio), secondsText(radio.seconds, decimalSeparator), escaped(radio.written));
}

QString radioTable(const QList<BatchReportRadio> &radios, const QString &decimalSeparator)
{
    QString table
        = QStringLiteral("<table class=\"grid\"><thead><tr><th class=\"section\" colspan=\"8\">%1</th>"
                         "</tr>\n<tr><th class=\"num\">#</th><th>%2</th><th>%3</th><th>%4</th>"
                         "<th>%5</th><th>%6</th><th class=\"num\">%7</th><th>%8</th></tr></thead>\n"
                         "<tbody>\n")
              .arg(escaped(BatchReportText::tr("Radios")), escaped(BatchReportText::tr("Port")),
                  escaped(BatchReportText::tr("Serial Number")), escaped(BatchReportText::tr("Model")),
                  escaped(BatchReportText::tr("Firmware Version")), escaped(BatchReportText::tr("Result")),
                  escaped(BatchReportText::tr("Seconds")), escaped(BatchReportText::tr("Written")));
    for (qsizetype i = 0; i < radios.size(); ++i)
        table += radioRow(int(i) + 1, radios[i], decimalSeparator);
    return table + QStringLiteral("</tbody></table>\n");
}

} // namespace

namespace BatchReport {

const QString kFileName = QStringLiteral("batch.html");

QString WrittenText(const QString &profileName, const QList<QPair<QString, QString>> &values)
{
    QStringList parts { profileName };
    for (const auto &[field, value] : values)
        parts << field + QLatin1Char('=') + value;
    return parts.join(QStringLiteral("; "));
}

QString Page(const BatchReportContent &content, const QString &decimalSeparator)
{
    qsizetype failed = 0;
    for (const BatchReportRadio &radio : content.radios)
        failed += radio.succeeded ? 0 : 1;
    const QString date = content.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const QString count
        = BatchReportText::tr("%1 programmed, %2 failed").arg(content.radios.size() - failed).arg(failed);
    QString page = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                                  "<title>%1 - %2</title>\n%3</head>\n<body class=\"detailed batch\">"
                                  "<div class=\"sheet\">\n")
                       .arg(escaped(BatchReportText::tr("Batch Report")), escaped(content.profileName),
                           ReportFiles::kStyleLink);
    page += QStringLiteral("<div class=\"title-block\"><div class=\"title-text\"><h1>%1</h1>"
                           "<div class=\"subtitle\"><span class=\"model-code\">%2</span>"
                           "<span class=\"separator\">|</span>%3</div></div>"
                           "<div class=\"brand\">VELA LX</div></div>\n")
                .arg(escaped(BatchReportText::tr("Batch Report")), escaped(content.profileName),
                    escaped(date));
    page += QStringLiteral("<table class=\"kv facts\">")
        + factRow(BatchReportText::tr("Customer"), content.customer)
        + factRow(BatchReportText::tr("Profile"), content.profileName)
        + factRow(BatchReportText::tr("Date"), date) + factRow(BatchReportText::tr("Radios"), count)
        + QStringLiteral("</table>\n");
    page += radioTable(content.radios, decimalSeparator);
    page += QStringLiteral("</div></body></html>\n");
    ReportFiles::InlineReportStyle(page);
    return page;
}

std::optional<WrittenReport> Write(
    const QString &batchFolder, const BatchReportContent &content, const QString &decimalSeparator)
{
    return ReportWriter::WriteReportInto(batchFolder, kFileName, Page(content, decimalSeparator));
}

} // namespace BatchReport
