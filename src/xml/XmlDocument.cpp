// XmlDocument: loading, prefixes, schemas, tree root, XPath and
// serialisation of a whole document.

#include "xml/XmlDocumentPrivate.h"

#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <algorithm>

namespace {

std::shared_ptr<XmlTree> newEmptyTree()
{
    ensureXmlLibrary();
    return std::make_shared<XmlTree>(xmlNewDoc(BAD_CAST "1.0"));
}

// libxml2 has two validity checks for names; a qualified name passes
// xmlValidateQName, a name without prefix xmlValidateNCName (0 = valid).
bool isValidName(const QByteArray &name, bool allowPrefix)
{
    return (allowPrefix ? xmlValidateQName(xmlText(name), 0) : xmlValidateNCName(xmlText(name), 0)) == 0;
}

} // namespace

XmlDocument::XmlDocument()
    : m_data(std::make_shared<XmlDocumentData>())
{
    m_data->tree = newEmptyTree();
}

bool XmlDocument::loadXml(const QString &text)
{
    const XmlSchemaCollection::Data *schemas = m_data->schemas ? m_data->schemas->data() : nullptr;
    if (xmlDocPtr doc = parseXmlText(text, schemas, m_data->parseError)) {
        m_data->tree = std::make_shared<XmlTree>(doc);
        return true;
    }
    m_data->tree = newEmptyTree();
    return false;
}

const XmlParseError &XmlDocument::parseError() const
{
    return m_data->parseError;
}

void XmlDocument::setNamespace(const QString &prefix, const QString &uri)
{
    m_data->namespaces.insert(prefix, uri);
}

QMap<QString, QString> XmlDocument::namespaces() const
{
    return m_data->namespaces;
}

void XmlDocument::attachSchemas(std::shared_ptr<XmlSchemaCollection> schemas)
{
    m_data->schemas = std::move(schemas);
}

std::shared_ptr<XmlSchemaCollection> XmlDocument::schemas() const
{
    return m_data->schemas;
}

XmlNode XmlDocument::documentElement() const
{
    return XmlNodeAccess::make(m_data, m_data->tree, xmlDocGetRootElement(m_data->tree->doc));
}

void XmlDocument::setDocumentElement(const XmlNode &element)
{
    if (element.isNull() || element.type() != XmlNode::Type::Element)
        throw XmlError(QStringLiteral("Invalid document element"),
            QStringLiteral("Only an element can be the document element"),
            QStringLiteral("XmlDocument::setDocumentElement"));
    XmlTree &tree = *m_data->tree;
    if (XmlNodeAccess::tree(element).get() != &tree)
        throw XmlError(QStringLiteral("Invalid document element"),
            QStringLiteral("The element belongs to another document"),
            QStringLiteral("XmlDocument::setDocumentElement"));
    xmlNodePtr node = element.raw();
    if (node == xmlDocGetRootElement(tree.doc))
        return;
    xmlUnlinkNode(node);
    tree.attach(node);
    if (xmlNodePtr old = xmlDocSetRootElement(tree.doc, node))
        tree.keepDetached(old);
    reconcileNamespaces(node);
}

XmlNode XmlDocument::createElement(const QString &name, const QString &namespaceUri)
{
    const QByteArray qname = name.toUtf8();
    if (!isValidName(qname, true))
        throw XmlError(QStringLiteral("Invalid element name"),
            QStringLiteral("'%1' is not a valid XML name").arg(name),
            QStringLiteral("XmlDocument::createElement"));
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    if (colon >= 0 && namespaceUri.isEmpty())
        throw XmlError(QStringLiteral("Invalid element name"),
            QStringLiteral("The prefix of '%1' needs a namespace").arg(name),
            QStringLiteral("XmlDocument::createElement"));
    XmlTree &tree = *m_data->tree;
    const QByteArray local = colon >= 0 ? qname.mid(colon + 1) : qname;
    xmlNodePtr node = xmlNewDocNode(tree.doc, nullptr, xmlText(local), nullptr);
    if (!namespaceUri.isEmpty()) {
        // Declared on the element itself; appending it reconciles the
        // declaration with those in scope.
        const QByteArray prefix = qname.left(colon);
        xmlSetNs(
            node, xmlNewNs(node, xmlText(namespaceUri.toUtf8()), colon >= 0 ? xmlText(prefix) : nullptr));
    }
    tree.keepDetached(node);
    return XmlNodeAccess::make(m_data, m_data->tree, node);
}

XmlNode XmlDocument::importNode(const XmlNode &node, bool deep)
{
    if (node.isNull())
        return XmlNode();
    XmlTree &tree = *m_data->tree;
    xmlNodePtr copy = copyNodeInto(node.raw(), tree.doc, deep);
    if (!copy)
        throw XmlError(QStringLiteral("Node could not be copied"),
            QStringLiteral("The XML library refused the copy"), QStringLiteral("XmlDocument::importNode"));
    tree.keepDetached(copy);
    return XmlNodeAccess::make(m_data, m_data->tree, copy);
}

QList<XmlNode> XmlDocument::selectNodes(const QString &xpath) const
{
    QList<XmlNode> result;
    xmlDocPtr doc = m_data->tree->doc;
    for (xmlNodePtr node : evaluateXPath(doc, reinterpret_cast<xmlNodePtr>(doc), m_data->namespaces, xpath))
        result.append(XmlNodeAccess::make(m_data, m_data->tree, node));
    return result;
}

XmlNode XmlDocument::selectSingleNode(const QString &xpath) const
{
    const QList<XmlNode> nodes = selectNodes(xpath);
    return nodes.isEmpty() ? XmlNode() : nodes.first();
}

QString XmlDocument::xml() const
{
    XmlErrorSink sink;
    XmlErrorScope scope(sink);
    xmlChar *buffer = nullptr;
    int size = 0;
    // Format 1 indents only elements without text children, so the added
    // white space never lands in content and is dropped again on parsing.
    xmlDocDumpFormatMemoryEnc(m_data->tree->doc, &buffer, &size, "UTF-8", 1);
    if (!buffer)
        throwXmlError(
            QStringLiteral("Document could not be serialised"), sink, QStringLiteral("XmlDocument::xml"));
    return takeXmlString(buffer);
}

xmlDoc *XmlDocument::raw() const
{
    return m_data->tree->doc;
}

// ---- XPath ----

std::vector<xmlNodePtr> evaluateXPath(
    xmlDocPtr doc, xmlNodePtr context, const QMap<QString, QString> &namespaces, const QString &xpath)
{
    // XPath errors carry their text only on the thread's structured channel
    // (a context's own handler gets them without message), which the scope
    // points at this call's sink.
    XmlErrorSink sink;
    XmlErrorScope scope(sink);
    xmlXPathContextPtr xpathContext = xmlXPathNewContext(doc);
    xpathContext->node = context;
    for (auto it = namespaces.cbegin(); it != namespaces.cend(); ++it)
        xmlXPathRegisterNs(xpathContext, xmlText(it.key().toUtf8()), xmlText(it.value().toUtf8()));

    const QByteArray expression = xpath.toUtf8();
    xmlXPathCompExprPtr compiled = xmlXPathCtxtCompile(xpathContext, xmlText(expression));
    xmlXPathObjectPtr value = compiled ? xmlXPathCompiledEval(compiled, xpathContext) : nullptr;
    xmlXPathFreeCompExpr(compiled);
    xmlXPathFreeContext(xpathContext);
    if (!value || sink.firstError()) {
        xmlXPathFreeObject(value);
        throwXmlError(QStringLiteral("Invalid XPath expression"), sink, xpath,
            QStringLiteral("The expression could not be evaluated"));
    }
    if (value->type != XPATH_NODESET) {
        xmlXPathFreeObject(value);
        throw XmlError(QStringLiteral("Invalid XPath expression"),
            QStringLiteral("The expression does not select nodes"), xpath);
    }
    std::vector<xmlNodePtr> nodes;
    if (xmlNodeSetPtr set = value->nodesetval) {
        xmlXPathNodeSetSort(set);
        for (int i = 0; i < set->nodeNr; ++i) {
            xmlNodePtr node = set->nodeTab[i];
            // Namespace nodes are no tree nodes and the document node is no
            // XmlNode; neither is handed out.
            if (node->type != XML_NAMESPACE_DECL && node->type != XML_DOCUMENT_NODE)
                nodes.push_back(node);
        }
    }
    xmlXPathFreeObject(value);
    return nodes;
}
