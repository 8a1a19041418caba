#include "BatchReport.h"

#include "ReportFiles.h"
#include "base/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace {

constexpr const char *kContext = "BatchReport";
// A batch log is a few hundred bytes a radio; this is far above any batch.
constexpr qint64 kMaxLogBytes = 16 * 1024 * 1024;

QString tr(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

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
        return QStringLiteral("<td class=\"result ok\">%1</td>").arg(escaped(tr("OK")));
    QString cell = QStringLiteral("<td class=\"result failed\"><span class=\"warning\">%1</span>")
                       .arg(escaped(tr("Failed")));
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
              .arg(escaped(tr("Radios")), escaped(tr("Port")), escaped(tr("Serial Number")),
                  escaped(tr("Model")), escaped(tr("Firmware Version")), escaped(tr("Result")),
                  escaped(tr("Seconds")), escaped(tr("Written")));
    for (qsizetype i = 0; i < radios.size(); ++i)
        table += radioRow(int(i) + 1, radios[i], decimalSeparator);
    return table + QStringLiteral("</tbody></table>\n");
}

BatchReportRadio radioOfLog(const QJsonObject &entry)
{
    BatchReportRadio radio;
    radio.port = entry.value(QLatin1String("port")).toString();
    radio.serial = entry.value(QLatin1String("serial")).toString();
    radio.model = entry.value(QLatin1String("model")).toString();
    radio.firmware = entry.value(QLatin1String("firmware")).toString();
    radio.succeeded = entry.value(QLatin1String("result")).toString() == QLatin1String("ok");
    const QJsonValue seconds = entry.value(QLatin1String("seconds"));
    radio.seconds = seconds.isString() ? seconds.toString().toDouble() : seconds.toDouble();
    radio.written = entry.value(QLatin1String("written")).toString();
    radio.message = entry.value(QLatin1String("message")).toString();
    return radio;
}

} // namespace

namespace BatchReport {

const QString kFileName = QStringLiteral("batch.html");

QString Page(const BatchReportContent &content, const QString &decimalSeparator)
{
    qsizetype failed = 0;
    for (const BatchReportRadio &radio : content.radios)
        failed += radio.succeeded ? 0 : 1;
    const QString date = content.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const QString count = tr("%1 programmed, %2 failed").arg(content.radios.size() - failed).arg(failed);
    QString page
        = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                         "<title>%1 - %2</title>\n%3</head>\n<body class=\"detailed batch\">"
                         "<div class=\"sheet\">\n")
              .arg(escaped(tr("Batch Report")), escaped(content.profileName), ReportFiles::kStyleLink);
    page += QStringLiteral("<div class=\"title-block\"><div class=\"title-text\"><h1>%1</h1>"
                           "<div class=\"subtitle\"><span class=\"model-code\">%2</span>"
                           "<span class=\"separator\">|</span>%3</div></div>"
                           "<div class=\"brand\">VELA LX</div></div>\n")
                .arg(escaped(tr("Batch Report")), escaped(content.profileName), escaped(date));
    page += QStringLiteral("<table class=\"kv facts\">") + factRow(tr("Customer"), content.customer)
        + factRow(tr("Profile"), content.profileName) + factRow(tr("Date"), date)
        + factRow(tr("Radios"), count) + QStringLiteral("</table>\n");
    page += radioTable(content.radios, decimalSeparator);
    page += QStringLiteral("</div></body></html>\n");
    ReportFiles::InlineReportStyle(page);
    return page;
}

std::optional<QList<BatchReportRadio>> ReadBatchLog(const QString &path, QString *errorText)
{
    QByteArray bytes;
    if (!ReadRegularFile(path, kMaxLogBytes, bytes, errorText))
        return std::nullopt;
    QJsonParseError parseError;
    const QJsonDocument log = QJsonDocument::fromJson(bytes, &parseError);
    if (!log.isArray()) {
        if (errorText)
            *errorText = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                      : tr("It holds no list of radios");
        return std::nullopt;
    }
    QList<BatchReportRadio> radios;
    for (const QJsonValue &entry : log.array())
        radios << radioOfLog(entry.toObject());
    return radios;
}

std::optional<WrittenReport> Write(
    const QString &batchFolder, const BatchReportContent &content, const QString &decimalSeparator)
{
    return ReportWriter::WriteReportInto(batchFolder, kFileName, Page(content, decimalSeparator));
}

} // namespace BatchReport
