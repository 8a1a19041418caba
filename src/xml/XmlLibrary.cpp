// Library set-up, per-call error collection and the tree record of the XML
// document service.

#include "xml/XmlDocumentPrivate.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxslt/security.h>
#include <libxslt/xslt.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace {

// The sink of the innermost XmlErrorScope on this thread.
thread_local XmlErrorSink *t_currentSink = nullptr;

// libxslt's generic error channel is one process-wide function; it forwards
// to whichever call is running on the raising thread.
void xsltToCurrentSink(void *, const char *format, ...)
{
    if (!t_currentSink)
        return;
    char buffer[2048];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    t_currentSink->addText(QString::fromUtf8(buffer));
}

// Documents come from memory only: no DTD, entity, schema import, style
// sheet import or document() ever reaches a file or the network.
xmlParserInputPtr refuseExternalResource(const char *url, const char *, xmlParserCtxtPtr)
{
    if (t_currentSink)
        t_currentSink->addText(
            QStringLiteral("External resource refused: %1\n").arg(QString::fromUtf8(url ? url : "")));
    return nullptr;
}

} // namespace

XmlError::XmlError(const QString &message_, const QString &description_, const QString &source_)
    : std::runtime_error((message_ + QStringLiteral(": ") + description_).toStdString())
    , message(message_)
    , description(description_)
    , source(source_)
{
}

void ensureXmlLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xsltInit();
        xmlSetExternalEntityLoader(refuseExternalResource);
        xsltSetGenericErrorFunc(nullptr, xsltToCurrentSink);
        // Also checked while a style sheet compiles (xsl:import); lives as
        // long as the process.
        xsltSetDefaultSecurityPrefs(newLockedDownXsltPrefs());
    });
}

xsltSecurityPrefsPtr newLockedDownXsltPrefs()
{
    xsltSecurityPrefsPtr prefs = xsltNewSecurityPrefs();
    for (xsltSecurityOption option : { XSLT_SECPREF_READ_FILE, XSLT_SECPREF_WRITE_FILE,
             XSLT_SECPREF_CREATE_DIRECTORY, XSLT_SECPREF_READ_NETWORK, XSLT_SECPREF_WRITE_NETWORK })
        xsltSetSecurityPrefs(prefs, option, xsltSecurityForbid);
    return prefs;
}

// ---- error collection ----

void XmlErrorSink::add(const xmlError *error)
{
    if (!error)
        return;
    XmlErrorRecord record;
    record.code = error->code;
    record.level = error->level;
    record.message = QString::fromUtf8(error->message ? error->message : "").trimmed();
    record.line = error->line;
    record.column = error->int2;
    record.node = static_cast<xmlNodePtr>(error->node);
    m_records.push_back(record);
}

void XmlErrorSink::addText(const QString &text)
{
    m_text += text;
}

const XmlErrorRecord *XmlErrorSink::firstError() const
{
    for (const XmlErrorRecord &record : m_records) {
        if (record.level >= XML_ERR_ERROR)
            return &record;
    }
    return nullptr;
}

QString XmlErrorSink::description() const
{
    QStringList lines;
    for (const XmlErrorRecord &record : m_records)
        lines << record.message;
    const QString text = m_text.trimmed();
    if (!text.isEmpty())
        lines << text;
    return lines.join(QLatin1Char('\n'));
}

void XmlErrorSink::structured(void *ctx, xmlErrorPtr error)
{
    static_cast<XmlErrorSink *>(ctx)->add(error);
}

void XmlErrorSink::generic(void *ctx, const char *format, ...)
{
    char buffer[2048];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    static_cast<XmlErrorSink *>(ctx)->addText(QString::fromUtf8(buffer));
}

// libxml2's error handlers are per thread, so saving and restoring them
// affects this call only.
XmlErrorScope::XmlErrorScope(XmlErrorSink &sink)
    : m_previousSink(t_currentSink)
    , m_previousStructuredContext(xmlStructuredErrorContext)
    , m_previousStructured(xmlStructuredError)
    , m_previousGenericContext(xmlGenericErrorContext)
    , m_previousGeneric(xmlGenericError)
{
    ensureXmlLibrary();
    t_currentSink = &sink;
    xmlSetStructuredErrorFunc(&sink, XmlErrorSink::structured);
    xmlSetGenericErrorFunc(&sink, XmlErrorSink::generic);
}

XmlErrorScope::~XmlErrorScope()
{
    xmlSetStructuredErrorFunc(m_previousStructuredContext, m_previousStructured);
    xmlSetGenericErrorFunc(m_previousGenericContext, m_previousGeneric);
    t_currentSink = m_previousSink;
}

void throwXmlError(
    const QString &message, const XmlErrorSink &sink, const QString &source, const QString &fallback)
{
    const QString description = sink.description();
    throw XmlError(message, description.isEmpty() ? fallback : description, source);
}

// ---- tree record ----

XmlTree::XmlTree(xmlDocPtr document)
    : doc(document)
{
}

XmlTree::~XmlTree()
{
    // Detached nodes first: freeing them consults the document's dictionary.
    for (xmlNodePtr node : detachedRoots)
        xmlFreeNode(node);
    xmlFreeDoc(doc);
}

void XmlTree::detach(xmlNodePtr node)
{
    xmlUnlinkNode(node);
    // A detached element declares the namespaces it uses itself, so it
    // serialises the same on its own.
    if (node->type == XML_ELEMENT_NODE)
        reconcileNamespaces(node);
    detachedRoots.insert(node);
}

// ---- conversions ----

QString takeXmlString(xmlChar *text)
{
    const QString result = fromXml(text);
    xmlFree(text);
    return result;
}

QString qualifiedName(const xmlNode *node)
{
    const QString local = fromXml(node->name);
    if (node->ns && node->ns->prefix)
        return fromXml(node->ns->prefix) + QLatin1Char(':') + local;
    return local;
}

void reconcileNamespaces(xmlNodePtr element)
{
    // XML_DOM_RECONNS_REMOVEREDUND, which libxml2 keeps out of its headers.
    constexpr int removeRedundantDeclarations = 1;
    xmlDOMWrapReconcileNamespaces(nullptr, element, removeRedundantDeclarations);
}

QString serialiseSubtree(xmlNodePtr node)
{
    xmlBufferPtr buffer = xmlBufferCreate();
    if (node->type == XML_ELEMENT_NODE) {
        // The copy declares, on its root, every namespace the subtree uses
        // from outside itself.
        xmlDocPtr scratch = xmlNewDoc(BAD_CAST "1.0");
        xmlNodePtr copy = xmlDocCopyNode(node, scratch, 1);
        xmlDocSetRootElement(scratch, copy);
        xmlNodeDump(buffer, scratch, copy, 0, 0);
        xmlFreeDoc(scratch);
    } else {
        xmlNodeDump(buffer, node->doc, node, 0, 0);
    }
    QString text = fromXml(xmlBufferContent(buffer));
    xmlBufferFree(buffer);
    // An attribute is dumped with the space that separates it in a tag.
    if (node->type == XML_ATTRIBUTE_NODE)
        text = text.trimmed();
    return text;
}
