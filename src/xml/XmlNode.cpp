// XmlNode: reading and changing one node of a document.

#include "xml/XmlDocumentPrivate.h"

namespace {

// The attribute written with this full name ("prefix:local" or "local").
xmlAttrPtr findAttribute(xmlNodePtr element, const QString &name)
{
    if (!element || element->type != XML_ELEMENT_NODE)
        return nullptr;
    const QByteArray utf8 = name.toUtf8();
    const qsizetype colon = utf8.indexOf(':');
    const QByteArray local = utf8.mid(colon + 1);
    const QByteArray prefix = utf8.left(qMax<qsizetype>(colon, 0));
    for (xmlAttrPtr attribute = element->properties; attribute; attribute = attribute->next) {
        if (!xmlStrEqual(attribute->name, xmlText(local)))
            continue;
        const xmlChar *attributePrefix = attribute->ns ? attribute->ns->prefix : nullptr;
        if (colon < 0 ? attributePrefix == nullptr : xmlStrEqual(attributePrefix, xmlText(prefix)))
            return attribute;
    }
    return nullptr;
}

// Replaces an attribute's value by literal text (no entity references are
// interpreted, unlike xmlNodeSetContent on attributes).
void setAttributeValue(xmlAttrPtr attribute, const QString &value)
{
    xmlFreeNodeList(attribute->children);
    attribute->children = attribute->last = nullptr;
    if (value.isEmpty())
        return;
    xmlNodePtr text = xmlNewDocText(attribute->doc, xmlText(value.toUtf8()));
    text->parent = reinterpret_cast<xmlNodePtr>(attribute);
    attribute->children = attribute->last = text;
}

bool isAncestorOrSelf(const xmlNode *candidate, const xmlNode *node)
{
    for (; node; node = node->parent) {
        if (node == candidate)
            return true;
    }
    return false;
}

// Links child into parent before reference (or last). Done by hand because
// libxml2's own functions merge adjacent text nodes and free the merged one,
// which would leave a handle dangling.
void linkChild(xmlNodePtr parent, xmlNodePtr child, xmlNodePtr reference)
{
    child->parent = parent;
    child->next = reference;
    child->prev = reference ? reference->prev : parent->last;
    if (child->prev)
        child->prev->next = child;
    else
        parent->children = child;
    if (reference)
        reference->prev = child;
    else
        parent->last = child;
}

[[noreturn]] void refuseTreeChange(const char *operation, const QString &why)
{
    throw XmlError(QStringLiteral("Invalid tree change"), why, QLatin1String(operation));
}

} // namespace

// A detached copy of node owned by doc. An attribute copy keeps name and
// value (attributes are set without namespace) and takes its name from
// doc's dictionary, as everything freed with doc must.
xmlNodePtr copyNodeInto(xmlNodePtr node, xmlDocPtr doc, bool deep)
{
    if (node->type != XML_ATTRIBUTE_NODE)
        return xmlDocCopyNode(node, doc, deep ? 1 : 2);
    xmlAttrPtr copy = xmlNewDocProp(doc, node->name, nullptr);
    setAttributeValue(copy, takeXmlString(xmlNodeGetContent(node)));
    return reinterpret_cast<xmlNodePtr>(copy);
}

XmlNode::Type XmlNode::type() const
{
    if (!m_node)
        return Type::Null;
    switch (m_node->type) {
    case XML_ELEMENT_NODE:
        return Type::Element;
    case XML_ATTRIBUTE_NODE:
        return Type::Attribute;
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
        return Type::Text;
    case XML_COMMENT_NODE:
        return Type::Comment;
    default:
        return Type::Other;
    }
}

QString XmlNode::nodeName() const
{
    switch (type()) {
    case Type::Null:
        return QString();
    case Type::Text:
        return QStringLiteral("#text");
    case Type::Comment:
        return QStringLiteral("#comment");
    default:
        return qualifiedName(m_node);
    }
}

QString XmlNode::localName() const
{
    return m_node ? fromXml(m_node->name) : QString();
}

QString XmlNode::namespaceUri() const
{
    const bool named = type() == Type::Element || type() == Type::Attribute;
    return named && m_node->ns ? fromXml(m_node->ns->href) : QString();
}

QString XmlNode::text() const
{
    return m_node ? takeXmlString(xmlNodeGetContent(m_node)) : QString();
}

XmlDocument XmlNode::ownerDocument() const
{
    return m_doc ? XmlDocument(m_doc) : XmlDocument();
}

XmlNode XmlNode::parent() const
{
    if (!m_node || !m_node->parent || m_node->parent->type != XML_ELEMENT_NODE)
        return XmlNode();
    return XmlNode(m_doc, m_tree, m_node->parent);
}

QList<XmlNode> XmlNode::childNodes() const
{
    QList<XmlNode> children;
    if (type() == Type::Element) {
        for (xmlNodePtr child = m_node->children; child; child = child->next)
            children.append(XmlNode(m_doc, m_tree, child));
    }
    return children;
}

int XmlNode::childCount() const
{
    int count = 0;
    if (type() == Type::Element) {
        for (xmlNodePtr child = m_node->children; child; child = child->next)
            ++count;
    }
    return count;
}

XmlNode XmlNode::childAt(int index) const
{
    if (type() != Type::Element || index < 0)
        return XmlNode();
    xmlNodePtr child = m_node->children;
    for (; child && index > 0; --index)
        child = child->next;
    return child ? XmlNode(m_doc, m_tree, child) : XmlNode();
}

XmlNode XmlNode::childElementAt(int index) const
{
    if (type() != Type::Element || index < 0)
        return XmlNode();
    xmlNodePtr child = xmlFirstElementChild(m_node);
    for (; child && index > 0; --index)
        child = xmlNextElementSibling(child);
    return child ? XmlNode(m_doc, m_tree, child) : XmlNode();
}

int XmlNode::childElementCount() const
{
    return type() == Type::Element ? int(xmlChildElementCount(m_node)) : 0;
}

XmlNode XmlNode::firstChildElement(const QString &namespaceUri, const QString &localName) const
{
    if (type() != Type::Element)
        return XmlNode();
    const QByteArray uri = namespaceUri.toUtf8();
    const QByteArray local = localName.toUtf8();
    for (xmlNodePtr child = xmlFirstElementChild(m_node); child; child = xmlNextElementSibling(child)) {
        const xmlChar *href = child->ns ? child->ns->href : BAD_CAST "";
        if (xmlStrEqual(child->name, xmlText(local)) && xmlStrEqual(href, xmlText(uri)))
            return XmlNode(m_doc, m_tree, child);
    }
    return XmlNode();
}

QList<XmlNode> XmlNode::childElements() const
{
    QList<XmlNode> children;
    if (type() == Type::Element) {
        for (xmlNodePtr child = xmlFirstElementChild(m_node); child; child = xmlNextElementSibling(child))
            children.append(XmlNode(m_doc, m_tree, child));
    }
    return children;
}

std::optional<QString> XmlNode::attribute(const QString &name) const
{
    if (xmlAttrPtr attribute = findAttribute(m_node, name))
        return takeXmlString(xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(attribute)));
    return std::nullopt;
}

QString XmlNode::attributeOr(const QString &name, const QString &fallback) const
{
    return attribute(name).value_or(fallback);
}

bool XmlNode::hasAttribute(const QString &name) const
{
    return findAttribute(m_node, name) != nullptr;
}

XmlNode XmlNode::attributeNode(const QString &name) const
{
    xmlAttrPtr attribute = findAttribute(m_node, name);
    return attribute ? XmlNode(m_doc, m_tree, reinterpret_cast<xmlNodePtr>(attribute)) : XmlNode();
}

QStringList XmlNode::attributeNames() const
{
    QStringList names;
    if (type() == Type::Element) {
        for (xmlAttrPtr attribute = m_node->properties; attribute; attribute = attribute->next)
            names << qualifiedName(reinterpret_cast<xmlNodePtr>(attribute));
    }
    return names;
}

void XmlNode::setAttribute(const QString &name, const QString &value)
{
    if (type() != Type::Element)
        refuseTreeChange("XmlNode::setAttribute", QStringLiteral("Only elements have attributes"));
    if (xmlAttrPtr attribute = findAttribute(m_node, name)) {
        setAttributeValue(attribute, value);
        return;
    }
    const QByteArray utf8 = name.toUtf8();
    if (xmlValidateNCName(xmlText(utf8), 0) != 0)
        refuseTreeChange(
            "XmlNode::setAttribute", QStringLiteral("'%1' is not a valid attribute name").arg(name));
    xmlNewProp(m_node, xmlText(utf8), xmlText(value.toUtf8()));
}

void XmlNode::removeAttribute(const QString &name)
{
    if (xmlAttrPtr attribute = findAttribute(m_node, name))
        m_tree->detach(reinterpret_cast<xmlNodePtr>(attribute));
}

void XmlNode::setText(const QString &value)
{
    switch (type()) {
    case Type::Attribute:
        setAttributeValue(reinterpret_cast<xmlAttrPtr>(m_node), value);
        break;
    case Type::Text:
    case Type::Comment:
        // Literal for these node types.
        xmlNodeSetContent(m_node, xmlText(value.toUtf8()));
        break;
    case Type::Element:
        // Children removed here may still be held: keep them detached.
        while (xmlNodePtr child = m_node->children)
            m_tree->detach(child);
        if (!value.isEmpty())
            linkChild(m_node, xmlNewDocText(m_node->doc, xmlText(value.toUtf8())), nullptr);
        break;
    default:
        refuseTreeChange("XmlNode::setText", QStringLiteral("The node has no text to set"));
    }
}

XmlNode XmlNode::appendChild(const XmlNode &child)
{
    return insertBefore(child, XmlNode());
}

XmlNode XmlNode::insertBefore(const XmlNode &child, const XmlNode &reference)
{
    const char *operation = "XmlNode::insertBefore";
    if (type() != Type::Element)
        refuseTreeChange(operation, QStringLiteral("Only an element can take children"));
    if (child.isNull() || child.type() == Type::Attribute || child.type() == Type::Other)
        refuseTreeChange(operation, QStringLiteral("Only elements, text and comments can be children"));
    if (child.m_tree != m_tree)
        refuseTreeChange(operation, QStringLiteral("The child belongs to another document"));
    if (isAncestorOrSelf(child.m_node, m_node))
        refuseTreeChange(
            operation, QStringLiteral("A node cannot become a child of itself or of its descendants"));
    if (!reference.isNull() && reference.m_node->parent != m_node)
        refuseTreeChange(operation, QStringLiteral("The reference node is not a child of this element"));
    if (child == reference)
        return child;

    xmlNodePtr node = child.m_node;
    xmlUnlinkNode(node);
    m_tree->attach(node);
    linkChild(m_node, node, reference.m_node);
    if (node->type == XML_ELEMENT_NODE)
        reconcileNamespaces(node);
    return child;
}

XmlNode XmlNode::removeChild(const XmlNode &child)
{
    if (!m_node || child.isNull() || child.type() == Type::Attribute || child.m_node->parent != m_node)
        refuseTreeChange("XmlNode::removeChild", QStringLiteral("The node is not a child of this element"));
    m_tree->detach(child.m_node);
    return child;
}

XmlNode XmlNode::cloneNode(bool deep) const
{
    if (!m_node)
        return XmlNode();
    xmlNodePtr copy = copyNodeInto(m_node, m_tree->doc, deep);
    if (!copy)
        refuseTreeChange("XmlNode::cloneNode", QStringLiteral("The node cannot be copied"));
    m_tree->keepDetached(copy);
    return XmlNode(m_doc, m_tree, copy);
}

QList<XmlNode> XmlNode::selectNodes(const QString &xpath) const
{
    QList<XmlNode> result;
    if (!m_node)
        return result;
    for (xmlNodePtr node : evaluateXPath(m_tree->doc, m_node, m_doc->namespaces, xpath))
        result.append(XmlNode(m_doc, m_tree, node));
    return result;
}

XmlNode XmlNode::selectSingleNode(const QString &xpath) const
{
    const QList<XmlNode> nodes = selectNodes(xpath);
    return nodes.isEmpty() ? XmlNode() : nodes.first();
}

QString XmlNode::xml() const
{
    return m_node ? serialiseSubtree(m_node) : QString();
}
