// XmlSchemaCollection: compiling schemas and choosing the one a document is
// validated against.

#include "xml/XmlDocumentPrivate.h"

XmlSchemaCollection::Data::~Data()
{
    for (auto &[uri, entry] : entries) {
        xmlSchemaFree(entry.schema);
        xmlFreeDoc(entry.document);
    }
}

xmlSchemaPtr XmlSchemaCollection::Data::schemaFor(const QString &namespaceUri) const
{
    const auto it = entries.find(namespaceUri);
    if (it != entries.end())
        return it->second.schema;
    // A document in a namespace without schema is checked against the
    // first one, which then reports the undeclared document element.
    return entries.empty() ? nullptr : entries.begin()->second.schema;
}

XmlSchemaCollection::XmlSchemaCollection()
    : m_data(std::make_unique<Data>())
{
    ensureXmlLibrary();
}

XmlSchemaCollection::~XmlSchemaCollection() = default;

void XmlSchemaCollection::add(const QString &namespaceUri, const XmlDocument &schema)
{
    const QString source = QStringLiteral("schema for '%1'").arg(namespaceUri);
    const xmlNode *root = schema.isEmpty() ? nullptr : schema.documentElement().raw();
    if (!root)
        throw XmlError(
            QStringLiteral("Invalid schema"), QStringLiteral("The schema document is empty"), source);
    xmlChar *target = xmlGetProp(root, BAD_CAST "targetNamespace");
    const QString targetNamespace = takeXmlString(target);
    if (targetNamespace != namespaceUri)
        throw XmlError(QStringLiteral("Invalid schema"),
            QStringLiteral("The schema's target namespace '%1' is not '%2'")
                .arg(targetNamespace, namespaceUri),
            source);

    XmlErrorSink sink;
    XmlErrorScope scope(sink);
    // The compiled schema points into the document it was compiled from, and
    // the lookup of declarations reads it: the collection keeps its own copy.
    Data::Entry entry;
    entry.document = xmlCopyDoc(schema.raw(), 1);
    xmlSchemaParserCtxtPtr parser = xmlSchemaNewDocParserCtxt(entry.document);
    xmlSchemaSetParserStructuredErrors(parser, XmlErrorSink::structured, &sink);
    entry.schema = xmlSchemaParse(parser);
    xmlSchemaFreeParserCtxt(parser);
    if (!entry.schema || sink.firstError()) {
        xmlSchemaFree(entry.schema);
        xmlFreeDoc(entry.document);
        throwXmlError(QStringLiteral("Invalid schema"), sink, source,
            QStringLiteral("The schema could not be compiled"));
    }

    const std::lock_guard lock(m_data->declarationsLock);
    m_data->declarations.clear();
    auto [it, inserted] = m_data->entries.try_emplace(namespaceUri, entry);
    if (!inserted) {
        xmlSchemaFree(it->second.schema);
        xmlFreeDoc(it->second.document);
        it->second = entry;
    }
}
