#pragma once

// Internals shared by the files of the XML document service: the library
// set-up, per-call error collection, the document and tree records and
// conversions between Qt and libxml2 strings.

#include "xml/XmlDocument.h"

#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlschemas.h>
#include <libxslt/security.h>

#include <map>
#include <mutex>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// Initialises libxml2 and libxslt once per process (thread-safe), refuses
// every external resource and routes stray library messages to the error
// sink of the calling thread.
void ensureXmlLibrary();

// XSLT security rules that forbid reading and writing files, creating
// folders and any network access. The caller frees them.
xsltSecurityPrefsPtr newLockedDownXsltPrefs();

// One message of the XML libraries.
struct XmlErrorRecord {
    int code = 0;
    int level = 0; // xmlErrorLevel
    QString message;
    int line = 0;
    int column = 0;
    xmlNodePtr node = nullptr;
};

// The messages the libraries raise during one call. Handed to the libraries
// as the context of their per-context error handlers.
class XmlErrorSink {
public:
    void add(const xmlError *error);
    void addText(const QString &text);
    void add(const XmlErrorRecord &record) { m_records.push_back(record); }

    // The first error (not warning), or nullptr.
    const XmlErrorRecord *firstError() const;
    // All messages, one per line, for XmlError::description.
    QString description() const;

    // Handlers in the shapes the libraries expect; ctx is the sink.
    static void structured(void *ctx, xmlErrorPtr error);
    static void generic(void *ctx, const char *format, ...);

private:
    std::vector<XmlErrorRecord> m_records;
    QString m_text; // free-form messages of the generic channels
};

// For its lifetime, every message raised by the libraries on this thread
// outside a per-context handler goes to the sink (and never to stderr or to
// another thread's call). Scopes nest.
class XmlErrorScope {
public:
    explicit XmlErrorScope(XmlErrorSink &sink);
    ~XmlErrorScope();
    XmlErrorScope(const XmlErrorScope &) = delete;
    XmlErrorScope &operator=(const XmlErrorScope &) = delete;

private:
    XmlErrorSink *m_previousSink;
    void *m_previousStructuredContext;
    xmlStructuredErrorFunc m_previousStructured;
    void *m_previousGenericContext;
    xmlGenericErrorFunc m_previousGeneric;
};

// Throws XmlError(message, sink's description or fallback, source).
[[noreturn]] void throwXmlError(const QString &message, const XmlErrorSink &sink, const QString &source,
    const QString &fallback = QString());

// One parsed libxml2 document and every node detached from it. Nodes are
// freed only with the tree, so XmlNode handles never dangle.
struct XmlTree {
    explicit XmlTree(xmlDocPtr document);
    ~XmlTree();
    XmlTree(const XmlTree &) = delete;
    XmlTree &operator=(const XmlTree &) = delete;

    // Unlinks node from wherever it is and keeps it as a detached root.
    void detach(xmlNodePtr node);
    // node is about to be linked into a tree: it is no detached root any more.
    void attach(xmlNodePtr node) { detachedRoots.erase(node); }
    void keepDetached(xmlNodePtr node) { detachedRoots.insert(node); }

    xmlDocPtr doc;
    std::unordered_set<xmlNodePtr> detachedRoots;
};

struct XmlDocumentData {
    std::shared_ptr<XmlTree> tree;
    QMap<QString, QString> namespaces;
    std::shared_ptr<XmlSchemaCollection> schemas;
    XmlParseError parseError;
};

struct XmlSchemaCollection::Data {
    struct Entry {
        xmlDocPtr document = nullptr; // the collection's own copy; the compiled schema points into it
        xmlSchemaPtr schema = nullptr;
    };
    ~Data();
    // The schema a document with this document element namespace is
    // validated against: that namespace's, else the first; nullptr if none.
    xmlSchemaPtr schemaFor(const QString &namespaceUri) const;

    std::map<QString, Entry> entries; // by target namespace
    // Declarations found before, by the instance node's name path: a
    // declaration depends on nothing else, and reading one from the schema
    // documents is what reading a typed value costs most. Emptied when a
    // schema is added; the lock lets documents on other threads share it.
    mutable std::mutex declarationsLock;
    mutable std::unordered_map<std::string, XmlSchemaDeclaration> declarations;
};

// Builds and opens XmlNode handles for the implementation files.
struct XmlNodeAccess {
    static XmlNode make(
        const std::shared_ptr<XmlDocumentData> &doc, const std::shared_ptr<XmlTree> &tree, xmlNodePtr node)
    {
        return node ? XmlNode(doc, tree, node) : XmlNode();
    }
    static const std::shared_ptr<XmlTree> &tree(const XmlNode &node) { return node.m_tree; }
    static const std::shared_ptr<XmlDocumentData> &document(const XmlNode &node) { return node.m_doc; }
};

// Parses text (forced UTF-8, no DOCTYPE, white-space-only text dropped) and
// validates it when schemas is given. Returns the document, or nullptr with
// error filled.
xmlDocPtr parseXmlText(const QString &text, const XmlSchemaCollection::Data *schemas, XmlParseError &error);

// Nodes selected by xpath from context (a node, or the document node) with
// the given prefix bindings, in document order. Throws XmlError.
std::vector<xmlNodePtr> evaluateXPath(
    xmlDocPtr doc, xmlNodePtr context, const QMap<QString, QString> &namespaces, const QString &xpath);

// A detached copy of node (of any document) owned by doc; an attribute copy
// has no namespace. nullptr if the library refuses.
xmlNodePtr copyNodeInto(xmlNodePtr node, xmlDocPtr doc, bool deep);

// After an element moved within its tree: points its namespaces at the
// declarations now in scope, declares missing ones on it and drops
// declarations its new ancestors already make.
void reconcileNamespaces(xmlNodePtr element);

// Copies node into a fresh document as its root, with the namespace
// declarations it needs, so it can be serialised on its own.
QString serialiseSubtree(xmlNodePtr node);

// String conversions.
inline QString fromXml(const xmlChar *text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char *>(text)) : QString();
}
// Takes ownership of a string the library allocated.
QString takeXmlString(xmlChar *text);
inline const xmlChar *xmlText(const QByteArray &utf8)
{
    return reinterpret_cast<const xmlChar *>(utf8.constData());
}
// "prefix:local" or "local".
QString qualifiedName(const xmlNode *node);
