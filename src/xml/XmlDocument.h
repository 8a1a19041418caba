#pragma once

// The XML document service: DOM, XPath 1.0 with per-document prefixes, XML
// Schema validation at parse time, schema declaration lookup and XSLT, on
// libxml2 and libxslt. Every part of the program that reads or writes XML
// goes through these classes.
//
// Safety: documents are parsed from memory only, with no network access, no
// DTD loading and no entity expansion; a document that carries a DOCTYPE is
// refused, so a profile from an untrusted source can neither read local files
// nor blow up memory.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <stdexcept>

// The XML Schema namespace, which schema lookups and schema documents use.
inline constexpr const char *kXsdNamespace = "http://www.w3.org/2001/XMLSchema";

struct _xmlNode;
struct _xmlDoc;

class XmlDocument;
class XmlSchemaCollection;
struct XmlDocumentData;
struct XmlTree;

// An error of the XML library inside an operation. Operations of the model
// turn it into CVelaCPSException with libraryErrorDetail(message,
// description, source). message says what failed ("Invalid XPath
// expression"), description holds the library's own messages, source names
// the input at fault (the expression, the schema's namespace, the style
// sheet).
class XmlError : public std::runtime_error {
public:
    XmlError(const QString &message, const QString &description, const QString &source);
    QString message;
    QString description;
    QString source;
};

// Why the last parse failed. code is 0 after a successful parse.
struct XmlParseError {
    int code = 0;
    QString reason;
    int line = 0; // 1-based line in the parsed text
    int linepos = 0; // 1-based position in that line of the offending spot
    QString srcText; // the text of that line
};

// A node of a document: an element, an attribute, a comment or a text node.
// A node keeps its document alive. Nodes removed from their document stay
// valid (they are kept with the document until it is destroyed); nodes of a
// tree that a later loadXml replaced stay valid too, but belong to no tree of
// the document any more. Tree changes that would break the tree (a node
// from another document, a node into its own subtree, an attribute as a
// child, an invalid name) throw XmlError.
class XmlNode {
public:
    enum class Type { Null, Element, Attribute, Text, Comment, Other };

    XmlNode() = default;

    bool isNull() const { return m_node == nullptr; }
    explicit operator bool() const { return !isNull(); }
    bool operator==(const XmlNode &other) const { return m_node == other.m_node; }
    bool operator!=(const XmlNode &other) const { return m_node != other.m_node; }

    Type type() const;
    // The full node name as written: "prefix:local" or "local";
    // "#comment" for comments and "#text" for text nodes.
    QString nodeName() const;
    QString localName() const;
    QString namespaceUri() const;
    // An attribute's or text node's value; an element's concatenated text.
    QString text() const;

    XmlDocument ownerDocument() const;
    XmlNode parent() const; // for an attribute: its element; null above the document element

    // All child nodes (elements, comments, text) of an element in order;
    // white-space-only text is never kept, so in a profile these are its
    // elements. Empty for other node types.
    QList<XmlNode> childNodes() const;
    int childCount() const;
    XmlNode childAt(int index) const; // null when out of range
    // Child elements only, in order.
    QList<XmlNode> childElements() const;
    // One child element by its place among them (null when out of range),
    // and their number, without making the whole list.
    XmlNode childElementAt(int index) const;
    int childElementCount() const;
    // The first child element of that name in that namespace; null when none.
    XmlNode firstChildElement(const QString &namespaceUri, const QString &localName) const;

    // Attributes (elements only). attribute() distinguishes absent (nullopt)
    // from empty.
    std::optional<QString> attribute(const QString &name) const;
    QString attributeOr(const QString &name, const QString &fallback = QString()) const;
    bool hasAttribute(const QString &name) const;
    XmlNode attributeNode(const QString &name) const;
    // Attribute names in document order.
    QStringList attributeNames() const;
    // Sets (creates or replaces) an attribute without namespace. An existing
    // attribute is found by its full name; a new one needs a name without
    // prefix.
    void setAttribute(const QString &name, const QString &value);
    void removeAttribute(const QString &name);
    // Sets the value of an attribute, text or comment node; on an element it
    // replaces all children by one text node.
    void setText(const QString &value);

    // Tree changes. child may come from the same document (it is moved) or be
    // a detached node of the same document (from createElement or clone).
    XmlNode appendChild(const XmlNode &child);
    XmlNode insertBefore(const XmlNode &child, const XmlNode &reference); // null reference appends
    XmlNode removeChild(const XmlNode &child); // returns the detached child
    XmlNode cloneNode(bool deep) const; // detached copy in the same document

    // XPath 1.0 relative to this node, with the document's prefixes, in
    // document order. Throws XmlError for an invalid expression, an unbound
    // prefix or an expression that does not select nodes.
    QList<XmlNode> selectNodes(const QString &xpath) const;
    XmlNode selectSingleNode(const QString &xpath) const;

    // This node and its subtree as XML text (no declaration).
    QString xml() const;

    _xmlNode *raw() const { return m_node; }

private:
    friend class XmlDocument;
    friend struct XmlNodeAccess;
    XmlNode(std::shared_ptr<XmlDocumentData> doc, std::shared_ptr<XmlTree> tree, _xmlNode *node)
        : m_doc(std::move(doc))
        , m_tree(std::move(tree))
        , m_node(node)
    {
    }
    std::shared_ptr<XmlDocumentData> m_doc;
    // The parsed tree the node lives in; it outlives a reload of m_doc.
    std::shared_ptr<XmlTree> m_tree;
    _xmlNode *m_node = nullptr;
};

// A DOM document. Copies share the same document (like a counted reference).
class XmlDocument {
public:
    // A new empty document (no document element).
    XmlDocument();

    // Parses text held in memory, replacing the content. When a schema
    // collection is attached, the document is also validated; a document
    // that is not valid is refused like one that does not parse, and so is a
    // text beyond XmlTextLimits. On failure returns false, fills parseError()
    // and leaves the document empty.
    bool loadXml(const QString &text);
    const XmlParseError &parseError() const;

    // Prefix bindings for XPath on this document.
    void setNamespace(const QString &prefix, const QString &uri);
    QMap<QString, QString> namespaces() const;

    // Validation at every later loadXml; nullptr detaches.
    void attachSchemas(std::shared_ptr<XmlSchemaCollection> schemas);
    std::shared_ptr<XmlSchemaCollection> schemas() const;

    XmlNode documentElement() const;
    void setDocumentElement(const XmlNode &element);
    // name may carry a prefix ("p:local"), which then needs a namespace.
    XmlNode createElement(const QString &name, const QString &namespaceUri = QString());
    // A detached copy in this document of a node of any document.
    XmlNode importNode(const XmlNode &node, bool deep);

    QList<XmlNode> selectNodes(const QString &xpath) const;
    XmlNode selectSingleNode(const QString &xpath) const;

    // The whole document as text, with an XML declaration; element-only
    // content is indented, and the text parses back to the same tree.
    QString xml() const;

    // Applies an XSLT 1.0 style sheet (itself a parsed document) to this
    // document and returns the result as text. The sheet may not write files,
    // create folders, read anything outside the two documents or use the
    // network. Throws XmlError.
    QString transform(const XmlDocument &styleSheet) const;

    bool isEmpty() const { return documentElement().isNull(); }
    _xmlDoc *raw() const;

private:
    friend class XmlNode;
    explicit XmlDocument(std::shared_ptr<XmlDocumentData> data)
        : m_data(std::move(data))
    {
    }
    std::shared_ptr<XmlDocumentData> m_data;
};

// What the schema says about one element or attribute of an instance.
struct XmlSchemaDeclaration {
    bool found = false;
    QString name; // the declared name
    QString typeName; // local name of the declaration's type ("" for an anonymous type)
    // The type and its base types in order, each the first base, ending at
    // the first built-in type (local names, e.g. {"freqType", "unsignedLong"}).
    // An anonymous type takes its place as "" ({"", "boolean"}), so the chain
    // always starts with typeName. A declaration without type gives
    // {"anyType"} (element) or {"anySimpleType"} (attribute); a list or union
    // type ends in "anySimpleType".
    QStringList typeChain;
    // The declaration's xs:annotation as XML text with its namespace
    // declarations, "" when none. For an element or attribute reference, the
    // annotation of the reference if it has one, else that of the global
    // declaration.
    QString annotationXml;
};

// A set of compiled schemas, one per target namespace.
class XmlSchemaCollection {
public:
    XmlSchemaCollection();
    ~XmlSchemaCollection();
    XmlSchemaCollection(const XmlSchemaCollection &) = delete;
    XmlSchemaCollection &operator=(const XmlSchemaCollection &) = delete;

    // Adds a parsed schema document under namespaceUri (replacing an earlier
    // one), keeping its own copy. Throws XmlError when it is not a valid
    // schema or its target namespace is not namespaceUri. A document is
    // validated against the schema of its document element's namespace.
    void add(const QString &namespaceUri, const XmlDocument &schema);

    // The declaration of an element or attribute node of an instance
    // document validated against this collection.
    XmlSchemaDeclaration declarationOf(const XmlNode &node) const;

    struct Data;
    Data *data() const { return m_data.get(); }

private:
    std::unique_ptr<Data> m_data;
};
