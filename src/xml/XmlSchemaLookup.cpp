// XmlSchemaCollection::declarationOf: finds the declaration of an instance
// element or attribute in the schema documents. libxml2 has no public
// per-node declaration API, so the schema documents are read directly: from
// the global declaration of the document element down the element's
// ancestry through the complex types of the declarations.

#include "xml/XmlDocumentPrivate.h"

namespace {

// Deep enough for any real schema; stops reference cycles.
constexpr int kMaxDepth = 64;

struct ExpandedName {
    QString uri;
    QString local;
    bool operator==(const ExpandedName &other) const { return uri == other.uri && local == other.local; }
};

bool isXsd(const xmlNode *node, const char *local)
{
    return node->type == XML_ELEMENT_NODE && node->ns && xmlStrEqual(node->ns->href, BAD_CAST kXsdNamespace)
        && xmlStrEqual(node->name, BAD_CAST local);
}

QString property(const xmlNode *node, const char *name)
{
    return takeXmlString(xmlGetNoNsProp(node, BAD_CAST name));
}

xmlNodePtr firstXsdChild(xmlNodePtr parent, const char *local)
{
    for (xmlNodePtr child = xmlFirstElementChild(parent); child; child = xmlNextElementSibling(child)) {
        if (isXsd(child, local))
            return child;
    }
    return nullptr;
}

// The name a QName-valued schema attribute (ref, type, base) stands for,
// with the prefix resolved where it is written.
ExpandedName resolveQName(xmlNodePtr context, const QString &qname)
{
    const qsizetype colon = qname.indexOf(QLatin1Char(':'));
    const QByteArray prefix = qname.left(qMax<qsizetype>(colon, 0)).toUtf8();
    xmlNsPtr ns = xmlSearchNs(context->doc, context, colon >= 0 ? xmlText(prefix) : nullptr);
    return { ns ? fromXml(ns->href) : QString(), qname.mid(colon + 1) };
}

bool isBuiltIn(const ExpandedName &name)
{
    return name.uri == QLatin1String(kXsdNamespace);
}

ExpandedName instanceName(const xmlNode *node)
{
    return { node->ns ? fromXml(node->ns->href) : QString(), fromXml(node->name) };
}

// A declaration as written (use: a local declaration or a reference) and
// the declaration it stands for (decl: the referenced global one).
struct Found {
    xmlNodePtr use = nullptr;
    xmlNodePtr decl = nullptr;
    explicit operator bool() const { return decl != nullptr; }
};

// A type's base: another schema type, or the name of the built-in type the
// chain ends at (empty when the base cannot be resolved).
struct Base {
    xmlNodePtr type = nullptr;
    QString builtIn;
};

class SchemaLookup {
public:
    explicit SchemaLookup(const XmlSchemaCollection::Data &data)
        : m_data(data)
    {
    }

    Found elementDeclaration(xmlNodePtr element) const
    {
        std::vector<xmlNodePtr> ancestry;
        for (xmlNodePtr node = element; node && node->type == XML_ELEMENT_NODE; node = node->parent)
            ancestry.push_back(node);
        xmlNodePtr global = globalDeclaration("element", instanceName(ancestry.back()));
        Found found { global, global };
        for (auto it = ancestry.rbegin() + 1; found && it != ancestry.rend(); ++it) {
            xmlNodePtr type = complexTypeOf(found.decl);
            found = type ? findElement(type, instanceName(*it), 0) : Found();
        }
        return found;
    }

    Found attributeDeclaration(xmlNodePtr attribute) const
    {
        const Found element = attribute->parent ? elementDeclaration(attribute->parent) : Found();
        xmlNodePtr type = element ? complexTypeOf(element.decl) : nullptr;
        return type ? findAttribute(type, instanceName(attribute), 0) : Found();
    }

    XmlSchemaDeclaration describe(const Found &found, bool element) const
    {
        XmlSchemaDeclaration declaration;
        declaration.found = true;
        declaration.name = property(found.decl, "name");
        describeType(found.decl, element, declaration);
        xmlNodePtr annotation = firstXsdChild(found.use, "annotation");
        if (!annotation)
            annotation = firstXsdChild(found.decl, "annotation");
        if (annotation)
            declaration.annotationXml = serialiseSubtree(annotation);
        return declaration;
    }

private:
    xmlNodePtr globalDeclaration(const char *kind, const ExpandedName &name) const
    {
        const auto entry = m_data.entries.find(name.uri);
        if (entry == m_data.entries.end())
            return nullptr;
        for (xmlNodePtr child = xmlFirstElementChild(xmlDocGetRootElement(entry->second.document)); child;
             child = xmlNextElementSibling(child)) {
            if (isXsd(child, kind) && property(child, "name") == name.local)
                return child;
        }
        return nullptr;
    }

    Found resolveUse(xmlNodePtr use, const char *kind) const
    {
        const QString ref = property(use, "ref");
        return { use, ref.isEmpty() ? use : globalDeclaration(kind, resolveQName(use, ref)) };
    }

    // The namespace a declaration puts its element or attribute in: the
    // target namespace for global and qualified local declarations.
    ExpandedName declaredName(xmlNodePtr decl, bool element) const
    {
        xmlNodePtr schema = xmlDocGetRootElement(decl->doc);
        bool qualified = decl->parent == schema;
        if (!qualified) {
            QString form = property(decl, "form");
            if (form.isEmpty())
                form = property(schema, element ? "elementFormDefault" : "attributeFormDefault");
            qualified = form == QLatin1String("qualified");
        }
        return { qualified ? property(schema, "targetNamespace") : QString(), property(decl, "name") };
    }

    xmlNodePtr complexTypeOf(xmlNodePtr elementDecl) const
    {
        if (xmlNodePtr inlineType = firstXsdChild(elementDecl, "complexType"))
            return inlineType;
        const QString type = property(elementDecl, "type");
        return type.isEmpty() ? nullptr : globalDeclaration("complexType", resolveQName(elementDecl, type));
    }

    // Searches the content model of a complex type (or a part of one) for the
    // declaration of a child element.
    Found findElement(xmlNodePtr container, const ExpandedName &name, int depth) const
    {
        if (depth > kMaxDepth)
            return {};
        for (xmlNodePtr child = xmlFirstElementChild(container); child;
             child = xmlNextElementSibling(child)) {
            Found found;
            if (isXsd(child, "element")) {
                found = resolveUse(child, "element");
                if (found && !(declaredName(found.decl, true) == name))
                    found = {};
            } else if (isXsd(child, "sequence") || isXsd(child, "choice") || isXsd(child, "all")
                || isXsd(child, "complexContent") || isXsd(child, "restriction")) {
                found = findElement(child, name, depth + 1);
            } else if (isXsd(child, "group")) {
                if (xmlNodePtr group
                    = globalDeclaration("group", resolveQName(child, property(child, "ref"))))
                    found = findElement(group, name, depth + 1);
            } else if (isXsd(child, "extension")) {
                // The base type's content comes first, then the extension's.
                if (xmlNodePtr base
                    = globalDeclaration("complexType", resolveQName(child, property(child, "base"))))
                    found = findElement(base, name, depth + 1);
                if (!found)
                    found = findElement(child, name, depth + 1);
            }
            if (found)
                return found;
        }
        return {};
    }

    // Searches a complex type (or a part of one) for an attribute
    // declaration; derived types inherit their base type's attributes.
    Found findAttribute(xmlNodePtr container, const ExpandedName &name, int depth) const
    {
        if (depth > kMaxDepth)
            return {};
        for (xmlNodePtr child = xmlFirstElementChild(container); child;
             child = xmlNextElementSibling(child)) {
            Found found;
            if (isXsd(child, "attribute")) {
                found = resolveUse(child, "attribute");
                if (found && !(declaredName(found.decl, false) == name))
                    found = {};
            } else if (isXsd(child, "attributeGroup")) {
                const ExpandedName group = resolveQName(child, property(child, "ref"));
                if (xmlNodePtr definition = globalDeclaration("attributeGroup", group))
                    found = findAttribute(definition, name, depth + 1);
            } else if (isXsd(child, "complexContent") || isXsd(child, "simpleContent")) {
                found = findAttribute(child, name, depth + 1);
            } else if (isXsd(child, "extension") || isXsd(child, "restriction")) {
                found = findAttribute(child, name, depth + 1);
                if (!found) {
                    const ExpandedName base = resolveQName(child, property(child, "base"));
                    if (xmlNodePtr baseType = globalDeclaration("complexType", base))
                        found = findAttribute(baseType, name, depth + 1);
                }
            }
            if (found)
                return found;
        }
        return {};
    }

    Base typeNamed(xmlNodePtr context, const QString &qname) const
    {
        const ExpandedName name = resolveQName(context, qname);
        if (isBuiltIn(name))
            return { nullptr, name.local };
        xmlNodePtr type = globalDeclaration("simpleType", name);
        return { type ? type : globalDeclaration("complexType", name), QString() };
    }

    // The first base of a type: a restriction's or extension's base, or the
    // built-in type a type without derivation (or a list or union) comes from.
    Base baseOf(xmlNodePtr type) const
    {
        if (isXsd(type, "simpleType")) {
            if (xmlNodePtr restriction = firstXsdChild(type, "restriction")) {
                const QString base = property(restriction, "base");
                return base.isEmpty() ? Base { firstXsdChild(restriction, "simpleType"), QString() }
                                      : typeNamed(restriction, base);
            }
            return { nullptr, QStringLiteral("anySimpleType") };
        }
        xmlNodePtr content = firstXsdChild(type, "simpleContent");
        if (!content)
            content = firstXsdChild(type, "complexContent");
        xmlNodePtr derivation = content ? firstXsdChild(content, "extension") : nullptr;
        if (content && !derivation)
            derivation = firstXsdChild(content, "restriction");
        if (derivation)
            return typeNamed(derivation, property(derivation, "base"));
        return { nullptr, QStringLiteral("anyType") };
    }

    void describeType(xmlNodePtr decl, bool element, XmlSchemaDeclaration &declaration) const
    {
        Base current;
        const QString typeAttribute = property(decl, "type");
        if (!typeAttribute.isEmpty()) {
            current = typeNamed(decl, typeAttribute);
            declaration.typeName = resolveQName(decl, typeAttribute).local;
        } else {
            current.type = firstXsdChild(decl, element ? "complexType" : "simpleType");
            if (!current.type && element)
                current.type = firstXsdChild(decl, "simpleType");
            if (!current.type)
                current.builtIn = element ? QStringLiteral("anyType") : QStringLiteral("anySimpleType");
            declaration.typeName = current.type ? QString() : current.builtIn;
        }
        for (int depth = 0; current.type && depth < kMaxDepth; ++depth) {
            declaration.typeChain << property(current.type, "name");
            current = baseOf(current.type);
        }
        if (!current.builtIn.isEmpty())
            declaration.typeChain << current.builtIn;
    }

    const XmlSchemaCollection::Data &m_data;
};

// What a declaration is found by: the expanded names of the node and its
// ancestors, an attribute marked as such.
std::string namePath(const xmlNode *node)
{
    std::string path;
    if (node->type == XML_ATTRIBUTE_NODE)
        path += '@';
    for (; node && (node->type == XML_ELEMENT_NODE || node->type == XML_ATTRIBUTE_NODE);
         node = node->parent) {
        if (node->ns)
            path.append(reinterpret_cast<const char *>(node->ns->href)) += '\x1f';
        path.append(reinterpret_cast<const char *>(node->name)) += '\x1e';
    }
    return path;
}

} // namespace

XmlSchemaDeclaration XmlSchemaCollection::declarationOf(const XmlNode &node) const
{
    const bool named = node.type() == XmlNode::Type::Element || node.type() == XmlNode::Type::Attribute;
    if (!named)
        return {};
    const std::string key = namePath(node.raw());
    const std::lock_guard lock(m_data->declarationsLock);
    const auto known = m_data->declarations.find(key);
    if (known != m_data->declarations.end())
        return known->second;
    const SchemaLookup lookup(*m_data);
    const Found found = node.type() == XmlNode::Type::Element ? lookup.elementDeclaration(node.raw())
                                                              : lookup.attributeDeclaration(node.raw());
    return m_data->declarations
        .emplace(key,
            found ? lookup.describe(found, node.type() == XmlNode::Type::Element) : XmlSchemaDeclaration())
        .first->second;
}
