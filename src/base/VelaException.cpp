#include "VelaException.h"

#include "StringTable.h"

CVelaCPSException::CVelaCPSException(
    int code, const QString &detail, const char *operation, int position, const QString &message)
    : m_code(code)
    , m_detail(detail)
{
    append(operation, position, message);
}

QString CVelaCPSException::text() const
{
    return StringTable::text(m_code);
}

void CVelaCPSException::append(const char *operation, int position, const QString &message)
{
    m_detail += QStringLiteral("\n(%1:%2) %3").arg(QString::fromLatin1(operation)).arg(position).arg(message);
}

const char *CVelaCPSException::what() const noexcept
{
    m_what = QStringLiteral("[%1] %2").arg(m_code).arg(m_detail).toStdString();
    return m_what.c_str();
}

QString libraryErrorDetail(const QString &message, const QString &description, const QString &source)
{
    return QStringLiteral("ErrorMsg: %1\nDesc: %2\nSource: %3").arg(message, description, source);
}
