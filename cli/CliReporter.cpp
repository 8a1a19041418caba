#include "CliReporter.h"

#include "base/TextFile.h"
#include "base/VelaException.h"
#include "xml/XmlDocument.h"

#include <QRegularExpression>

#include <cstdio>
#include <exception>

namespace {

QString g_inputFile;

// Where in the input file the parser stops with reason; the loader's
// detail of a text that is not well-formed gives the reason alone.
QString positionInInputFile(const QString &reason)
{
    QString text;
    XmlDocument document;
    if (g_inputFile.isEmpty() || !ReadTextFile(g_inputFile, text) || document.loadXml(text)
        || document.parseError().reason != reason)
        return QString();
    return QStringLiteral("line %1, position %2")
        .arg(document.parseError().line)
        .arg(document.parseError().linepos);
}

// "FILE: line L, position P: reason" from the detail the loader builds for
// a profile it refuses ("Desc: reason" and, after validation, "Line: L,
// Pos: P"); the parts that are not known are left out.
QString diagnosis(const QString &detail)
{
    static const QRegularExpression reasonPattern(QStringLiteral("Desc: ([^\r\n]*)"));
    static const QRegularExpression positionPattern(QStringLiteral("Line: (\\d+), Pos: (\\d+)"));
    const QString reason = reasonPattern.match(detail).captured(1);
    if (reason.isEmpty())
        return QString();
    const QRegularExpressionMatch at = positionPattern.match(detail);
    const QString position = at.hasMatch()
        ? QStringLiteral("line %1, position %2").arg(at.captured(1), at.captured(2))
        : positionInInputFile(reason);
    QStringList parts { g_inputFile, position, reason };
    parts.removeAll(QString());
    return parts.join(QLatin1String(": "));
}

// The diagnosis of the profile exception being handled, if any: messages
// are shown from the handlers that catch them.
QString diagnosisOfCurrentException()
{
    const std::exception_ptr current = std::current_exception();
    if (!current)
        return QString();
    try {
        std::rethrow_exception(current);
    } catch (const CVelaCPSException &exception) {
        if (exception.code() == VelaError::InvalidProfile)
            return diagnosis(exception.detail());
    } catch (...) {
    }
    return QString();
}

} // namespace

int CliReporter::show(const QString &text, unsigned style)
{
    const int answer = StderrReporter::show(text, style);
    const QString detail = diagnosisOfCurrentException();
    if (!detail.isEmpty()) {
        std::fprintf(stderr, "%s\n", detail.toLocal8Bit().constData());
        std::fflush(stderr);
    }
    return answer;
}

void CliReporter::setInputFile(const QString &path)
{
    g_inputFile = path;
}
