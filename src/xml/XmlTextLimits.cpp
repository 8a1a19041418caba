// One pass over the text's markup, counting what the limits bound; text
// content is skipped whole.

#include "XmlTextLimits.h"

#include <cstring>
#include <vector>

namespace XmlTextLimits {

namespace {

class Scanner {
public:
    explicit Scanner(const QByteArray &utf8)
        : m_begin(utf8.constData())
        , m_end(m_begin + utf8.size())
    {
    }

    Breach run()
    {
        for (m_at = m_begin; (m_at = find('<', m_at));) {
            const char *tag = m_at++;
            if (m_at < m_end && *m_at == '/') {
                endTag();
                m_at = skipPast(">");
            } else if (m_at < m_end && *m_at == '?') {
                m_at = skipPast("?>");
            } else if (startsWith("!--")) {
                m_at = skipPast("-->");
            } else if (startsWith("![CDATA[")) {
                m_at = skipPast("]]>");
            } else if (m_at < m_end && *m_at == '!') {
                return {}; // a document type declaration, which the parser refuses at once
            } else if (!startTag(tag)) {
                return m_breach;
            }
        }
        return {};
    }

private:
    const char *find(char c, const char *from) const
    {
        return from && from < m_end ? static_cast<const char *>(std::memchr(from, c, size_t(m_end - from)))
                                    : nullptr;
    }

    bool startsWith(const char *text) const
    {
        const size_t length = std::strlen(text);
        return size_t(m_end - m_at) >= length && std::memcmp(m_at, text, length) == 0;
    }

    const char *skipPast(const char *terminator) const
    {
        const size_t length = std::strlen(terminator);
        for (const char *p = find(terminator[0], m_at); p; p = find(terminator[0], p + 1)) {
            if (size_t(m_end - p) >= length && std::memcmp(p, terminator, length) == 0)
                return p + length;
        }
        return nullptr;
    }

    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    void skipSpace()
    {
        while (m_at < m_end && isSpace(*m_at))
            ++m_at;
    }

    // The name at m_at, which m_at then passes.
    QByteArray name()
    {
        const char *start = m_at;
        while (m_at < m_end && !isSpace(*m_at) && !std::strchr("/>=<\"'", *m_at))
            ++m_at;
        return QByteArray::fromRawData(start, m_at - start);
    }

    // Characters, not bytes: UTF-8 continuation bytes do not count.
    static qsizetype characters(const char *from, const char *to)
    {
        qsizetype count = 0;
        for (; from < to; ++from)
            count += (uchar(*from) & 0xC0) != 0x80;
        return count;
    }

    // Ends the scan at a fault of the text, which the parser reports.
    bool stop()
    {
        m_at = nullptr;
        return true;
    }

    bool refuse(const char *at, const QString &reason)
    {
        m_breach = { at - m_begin, reason };
        return false;
    }

    bool checkName(const QByteArray &name)
    {
        if (characters(name.constBegin(), name.constEnd()) <= kMaxNameLength)
            return true;
        return refuse(
            name.constData(), QStringLiteral("A name is longer than %1 characters").arg(kMaxNameLength));
    }

    static bool isNamespaceDeclaration(const QByteArray &attribute)
    {
        return attribute == "xmlns" || attribute.startsWith("xmlns:");
    }

    void endTag()
    {
        if (m_declarations.empty())
            return;
        m_namespacesInScope -= m_declarations.back();
        m_declarations.pop_back();
    }

    // Counts the element whose start tag begins at tag and its attributes;
    // false when that breaks a limit.
    bool startTag(const char *tag)
    {
        if (++m_elements > kMaxElements)
            return refuse(tag, QStringLiteral("The text has more than %1 elements").arg(kMaxElements));
        const QByteArray element = name();
        if (element.isEmpty())
            return stop();
        if (!checkName(element))
            return false;
        int declarations = 0;
        for (int count = 1;; ++count) {
            skipSpace();
            if (m_at >= m_end)
                return stop();
            if (*m_at == '/')
                return true;
            if (*m_at == '>') {
                if (int(m_declarations.size()) >= kMaxDepth)
                    return refuse(
                        tag, QStringLiteral("Elements are nested more than %1 deep").arg(kMaxDepth));
                m_declarations.push_back(declarations);
                m_namespacesInScope += declarations;
                return true;
            }
            const QByteArray attribute = name();
            if (attribute.isEmpty())
                return stop();
            if (!checkName(attribute))
                return false;
            if (count > kMaxAttributesPerElement)
                return refuse(attribute.constData(),
                    QStringLiteral("The element \"%1\" has more than %2 attributes")
                        .arg(QString::fromUtf8(element))
                        .arg(kMaxAttributesPerElement));
            if (++m_attributes > kMaxAttributes)
                return refuse(attribute.constData(),
                    QStringLiteral("The text has more than %1 attributes").arg(kMaxAttributes));
            if (isNamespaceDeclaration(attribute)
                && m_namespacesInScope + ++declarations > kMaxNamespacesInScope)
                return refuse(attribute.constData(),
                    QStringLiteral("More than %1 namespace declarations are in scope")
                        .arg(kMaxNamespacesInScope));
            skipSpace();
            if (m_at >= m_end || *m_at != '=')
                return stop();
            ++m_at;
            skipSpace();
            if (m_at >= m_end || (*m_at != '"' && *m_at != '\''))
                return stop();
            const char *value = m_at + 1;
            m_at = find(*m_at, value);
            if (!m_at)
                return true;
            if (characters(value, m_at) > kMaxValueLength)
                return refuse(value,
                    QStringLiteral("The value of the attribute \"%1\" is longer than %2 characters")
                        .arg(QString::fromUtf8(attribute))
                        .arg(kMaxValueLength));
            ++m_at;
        }
    }

    const char *m_begin;
    const char *m_end;
    const char *m_at = nullptr;
    // The namespace declarations of each open element, outermost first.
    std::vector<int> m_declarations;
    int m_namespacesInScope = 0;
    int m_elements = 0;
    int m_attributes = 0;
    Breach m_breach;
};

} // namespace

Breach FindBreach(const QByteArray &utf8)
{
    return Scanner(utf8).run();
}

} // namespace XmlTextLimits
