// Parsing from memory: the limits of a text, safe parser options, refusal of
// DOCTYPE, dropping of white-space-only text, validation and the parse-error
// record.

#include "xml/XmlDocumentPrivate.h"
#include "xml/XmlTextLimits.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <libxml/SAX2.h>

#include <QRegularExpression>

#include <algorithm>
#include <unordered_map>

namespace {

const char *const kXsltNamespace = "http://www.w3.org/1999/XSL/Transform";

// No network, no DTD, no entity substitution; CDATA becomes plain text; the
// declared encoding is ignored because the text is always handed over as
// UTF-8; line numbers beyond 65535 are kept.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOCDATA | XML_PARSE_IGNORE_ENC | XML_PARSE_BIG_LINES
    | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

struct ParseState {
    XmlErrorSink sink;
    bool doctypeRefused = false;
    // Where each element's start tag ends (the offset of its ">" or "/>"),
    // to point validation errors at the text.
    std::unordered_map<const xmlNode *, qsizetype> startTagEnds;
};

ParseState &stateOf(void *parserContext)
{
    return *static_cast<ParseState *>(static_cast<xmlParserCtxtPtr>(parserContext)->_private);
}

void parserError(void *parserContext, xmlErrorPtr error)
{
    stateOf(parserContext).sink.add(error);
}

// Called as soon as a DOCTYPE's name and external id are read, before its
// internal subset (where entities would be declared) is parsed.
void refuseDoctype(void *parserContext, const xmlChar *, const xmlChar *, const xmlChar *)
{
    auto *ctxt = static_cast<xmlParserCtxtPtr>(parserContext);
    ParseState &state = stateOf(parserContext);
    state.doctypeRefused = true;
    XmlErrorRecord record;
    record.code = XML_ERR_USER_STOP;
    record.level = XML_ERR_FATAL;
    record.message = QStringLiteral("A document type declaration (DOCTYPE) is not allowed");
    record.line = ctxt->input ? ctxt->input->line : 0;
    state.sink.add(record);
    xmlStopParser(ctxt);
}

// Builds the element as usual and notes where its start tag ends: the
// parser calls this with the input at the tag's closing ">" or "/>".
void startElementRecordingPosition(void *parserContext, const xmlChar *localname, const xmlChar *prefix,
    const xmlChar *uri, int namespaceCount, const xmlChar **namespaces, int attributeCount,
    int defaultedCount, const xmlChar **attributes)
{
    auto *ctxt = static_cast<xmlParserCtxtPtr>(parserContext);
    const qsizetype offset = qsizetype(ctxt->input->consumed) + (ctxt->input->cur - ctxt->input->base);
    xmlSAX2StartElementNs(parserContext, localname, prefix, uri, namespaceCount, namespaces, attributeCount,
        defaultedCount, attributes);
    if (ctxt->node)
        stateOf(parserContext).startTagEnds.emplace(ctxt->node, offset);
}

// The parsed text as lines and as the UTF-8 bytes the parser saw.
class SourceText {
public:
    explicit SourceText(const QString &text)
        : m_text(text)
        , m_utf8(text.toUtf8())
    {
    }

    const QByteArray &utf8() const { return m_utf8; }

    QString line(int lineNumber) const
    {
        if (lineNumber < 1)
            return QString();
        qsizetype start = 0;
        for (int i = 1; i < lineNumber; ++i) {
            start = m_text.indexOf(QLatin1Char('\n'), start);
            if (start < 0)
                return QString();
            ++start;
        }
        qsizetype end = m_text.indexOf(QLatin1Char('\n'), start);
        QString text = m_text.mid(start, end < 0 ? -1 : end - start);
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        return text;
    }

    // 1-based line and position in the line of a byte offset.
    void locate(qsizetype offset, int &lineNumber, int &position) const
    {
        offset = qBound<qsizetype>(0, offset, m_utf8.size());
        lineNumber = 1 + int(std::count(m_utf8.constBegin(), m_utf8.constBegin() + offset, '\n'));
        const qsizetype lineStart = m_utf8.lastIndexOf('\n', offset - 1) + 1;
        position = 1 + int(QString::fromUtf8(m_utf8.mid(lineStart, offset - lineStart)).size());
    }

private:
    QString m_text;
    QByteArray m_utf8;
};

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Offset of the attribute named name in the start tag at tagOffset ("<"),
// or -1. The tag may span lines; quoted values are skipped whole. name may
// be a local name, which then matches any prefix.
qsizetype findAttributeInStartTag(const QByteArray &utf8, qsizetype tagOffset, const QByteArray &name)
{
    const qsizetype size = utf8.size();
    qsizetype i = tagOffset + 1;
    while (i < size && !isXmlSpace(utf8[i]) && utf8[i] != '/' && utf8[i] != '>')
        ++i;
    while (i < size) {
        while (i < size && isXmlSpace(utf8[i]))
            ++i;
        if (i >= size || utf8[i] == '/' || utf8[i] == '>')
            return -1;
        const qsizetype nameStart = i;
        while (i < size && !isXmlSpace(utf8[i]) && utf8[i] != '=' && utf8[i] != '>')
            ++i;
        const QByteArray attribute = utf8.mid(nameStart, i - nameStart);
        if (attribute == name || (!name.contains(':') && attribute.endsWith(':' + name)))
            return nameStart;
        while (i < size && utf8[i] != '"' && utf8[i] != '\'' && utf8[i] != '>')
            ++i;
        if (i >= size || utf8[i] == '>')
            return -1;
        const char quote = utf8[i];
        i = utf8.indexOf(quote, i + 1);
        if (i < 0)
            return -1;
        ++i;
    }
    return -1;
}

// The attribute an error of schema validation is about: its own node, or
// the name in "attribute 'name'" ("{uri}local" loses the namespace).
QByteArray attributeOfValidationError(const XmlErrorRecord &record)
{
    if (record.node && record.node->type == XML_ATTRIBUTE_NODE)
        return qualifiedName(record.node).toUtf8();
    static const QRegularExpression pattern(QStringLiteral("attribute '(?:\\{[^}]*\\})?([^']+)'"));
    const QRegularExpressionMatch match = pattern.match(record.message);
    return match.hasMatch() ? match.captured(1).toUtf8() : QByteArray();
}

// Points a validation error at the offending attribute when it is present
// in the element's start tag, else at the start tag itself.
void locateValidationError(
    const XmlErrorRecord &record, const ParseState &state, const SourceText &source, XmlParseError &error)
{
    xmlNodePtr element = record.node;
    if (element && element->type == XML_ATTRIBUTE_NODE)
        element = element->parent;
    error.line = record.line;
    error.linepos = 1;
    if (!element || element->type != XML_ELEMENT_NODE)
        return;
    error.line = int(xmlGetLineNo(element));
    const auto end = state.startTagEnds.find(element);
    if (end == state.startTagEnds.end())
        return;
    // "<" cannot occur inside a start tag, not even in attribute values.
    qsizetype offset = source.utf8().lastIndexOf('<', end->second);
    if (offset < 0)
        return;
    const QByteArray attribute = attributeOfValidationError(record);
    if (!attribute.isEmpty()) {
        const qsizetype attributeOffset = findAttributeInStartTag(source.utf8(), offset, attribute);
        if (attributeOffset >= 0)
            offset = attributeOffset;
    }
    source.locate(offset, error.line, error.linepos);
}

bool isXsltText(const xmlNode *node)
{
    return node->ns && xmlStrEqual(node->ns->href, BAD_CAST kXsltNamespace)
        && xmlStrEqual(node->name, BAD_CAST "text");
}

// Drops white-space-only text nodes, except where xml:space="preserve" or
// inside xsl:text, whose white space is content.
void dropBlankText(xmlNodePtr parent, bool preserve)
{
    xmlNodePtr child = parent->children;
    while (child) {
        xmlNodePtr next = child->next;
        if (child->type == XML_TEXT_NODE && !preserve && xmlIsBlankNode(child)) {
            xmlUnlinkNode(child);
            xmlFreeNode(child);
        } else if (child->type == XML_ELEMENT_NODE) {
            bool childPreserve = preserve || isXsltText(child);
            if (xmlChar *space = xmlGetNsProp(child, BAD_CAST "space", XML_XML_NAMESPACE)) {
                childPreserve = xmlStrEqual(space, BAD_CAST "preserve") || isXsltText(child);
                xmlFree(space);
            }
            dropBlankText(child, childPreserve);
        }
        child = next;
    }
}

// Validates doc; on failure fills error from the first validation error.
bool validate(xmlDocPtr doc, xmlSchemaPtr schema, const ParseState &state, const SourceText &source,
    XmlParseError &error)
{
    XmlErrorSink sink;
    XmlErrorScope scope(sink);
    xmlSchemaValidCtxtPtr validation = xmlSchemaNewValidCtxt(schema);
    xmlSchemaSetValidStructuredErrors(validation, XmlErrorSink::structured, &sink);
    const int result = xmlSchemaValidateDoc(validation, doc);
    xmlSchemaFreeValidCtxt(validation);
    if (result == 0)
        return true;
    if (const XmlErrorRecord *record = sink.firstError()) {
        error.code = record->code;
        error.reason = record->message;
        locateValidationError(*record, state, source, error);
    } else {
        error.code = result;
        error.reason = sink.description();
    }
    if (error.code == 0)
        error.code = XML_SCHEMAV_INTERNAL;
    if (error.reason.isEmpty())
        error.reason = QStringLiteral("The document is not valid against its schema");
    error.srcText = source.line(error.line);
    return false;
}

// libxml2 counts columns in characters; a QString counts a character
// outside the Basic Multilingual Plane twice.
int utf16Position(const QString &line, int characterPosition)
{
    int position = 1;
    for (qsizetype i = 0; i < line.size() && characterPosition > 1; ++i, ++position) {
        if (!line[i].isHighSurrogate())
            --characterPosition;
    }
    return position;
}

void fillWellFormednessError(
    const ParseState &state, xmlParserCtxtPtr ctxt, const SourceText &source, XmlParseError &error)
{
    if (const XmlErrorRecord *record = state.sink.firstError()) {
        error.code = record->code;
        error.reason = record->message;
        error.line = record->line;
        error.linepos = record->column;
    } else {
        error.code = ctxt->errNo;
        error.reason = state.sink.description();
        error.line = ctxt->input ? ctxt->input->line : 0;
        error.linepos = ctxt->input ? ctxt->input->col : 0;
    }
    if (error.code == 0)
        error.code = XML_ERR_INTERNAL_ERROR;
    if (error.reason.isEmpty())
        error.reason = QStringLiteral("The text is not well-formed XML");
    error.srcText = source.line(error.line);
    error.linepos = utf16Position(error.srcText, error.linepos);
    if (state.doctypeRefused) {
        const qsizetype at = error.srcText.indexOf(QLatin1String("<!DOCTYPE"));
        error.linepos = at >= 0 ? int(at) + 1 : 1;
    }
    error.linepos = qBound(1, error.linepos, int(error.srcText.size()) + 1);
    error.line = qMax(1, error.line);
}

} // namespace

xmlDocPtr parseXmlText(const QString &input, const XmlSchemaCollection::Data *schemas, XmlParseError &error)
{
    error = XmlParseError();
    // A byte-order mark is no content: the text is handed over as UTF-8.
    const QString text = input.startsWith(QChar(0xFEFF)) ? input.mid(1) : input;
    const SourceText source(text);
    if (source.utf8().isEmpty()) {
        error.code = XML_ERR_DOCUMENT_EMPTY;
        error.reason = QStringLiteral("Document is empty");
        error.line = 1;
        error.linepos = 1;
        return nullptr;
    }

    if (const XmlTextLimits::Breach breach = XmlTextLimits::FindBreach(source.utf8()); breach.offset >= 0) {
        error.code = XML_ERR_USER_STOP;
        error.reason = breach.reason;
        source.locate(breach.offset, error.line, error.linepos);
        error.srcText = source.line(error.line);
        return nullptr;
    }

    ParseState state;
    XmlErrorScope scope(state.sink);
    xmlParserCtxtPtr ctxt = xmlCreateMemoryParserCtxt(source.utf8().constData(), int(source.utf8().size()));
    if (!ctxt) {
        error.code = XML_ERR_NO_MEMORY;
        error.reason = QStringLiteral("The XML parser could not be created");
        return nullptr;
    }
    xmlCtxtUseOptions(ctxt, kParseOptions);
    ctxt->_private = &state;
    ctxt->sax->serror = parserError;
    ctxt->sax->internalSubset = refuseDoctype;
    if (schemas)
        ctxt->sax->startElementNs = startElementRecordingPosition;

    xmlParseDocument(ctxt);
    xmlDocPtr doc = ctxt->myDoc;
    ctxt->myDoc = nullptr;
    const bool wellFormed = doc && ctxt->wellFormed && ctxt->nsWellFormed && !state.doctypeRefused
        && !state.sink.firstError() && xmlDocGetRootElement(doc);
    if (!wellFormed) {
        fillWellFormednessError(state, ctxt, source, error);
        xmlFreeDoc(doc);
        xmlFreeParserCtxt(ctxt);
        return nullptr;
    }

    dropBlankText(reinterpret_cast<xmlNodePtr>(doc), false);
    if (schemas) {
        const xmlNode *root = xmlDocGetRootElement(doc);
        xmlSchemaPtr schema = schemas->schemaFor(root->ns ? fromXml(root->ns->href) : QString());
        if (schema && !validate(doc, schema, state, source, error)) {
            xmlFreeDoc(doc);
            doc = nullptr;
        }
    }
    xmlFreeParserCtxt(ctxt);
    return doc;
}
