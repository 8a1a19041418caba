// Schema collections: compiling, validation at parse time with errors that
// point at the offending spot, and the lookup of declarations, their type
// chains and hook annotations.

#include "base/ProfileNamespaces.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <thread>
#include <vector>

namespace {

const QString kNs = QStringLiteral("urn:test:profile");

const QString kSchema = QStringLiteral(R"(<?xml version="1.0" encoding="utf-8"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:p="urn:test:profile"
           xmlns:scps="http://schemas.halvern.com/vela/schema-extension"
           targetNamespace="urn:test:profile" elementFormDefault="qualified">
  <xs:simpleType name="freqType">
    <xs:restriction base="xs:unsignedLong"><xs:maxInclusive value="999999999"/></xs:restriction>
  </xs:simpleType>
  <xs:simpleType name="rxFreqType">
    <xs:restriction base="p:freqType"/>
  </xs:simpleType>
  <xs:attribute name="version" type="xs:long"/>
  <xs:attributeGroup name="flags">
    <xs:attribute name="disable">
      <xs:annotation><xs:appinfo><scps:SchemaExtension SetVal="OnSetDisable"/></xs:appinfo></xs:annotation>
      <xs:simpleType><xs:restriction base="xs:boolean"/></xs:simpleType>
    </xs:attribute>
  </xs:attributeGroup>
  <xs:complexType name="baseRecord">
    <xs:attribute name="id" type="xs:unsignedByte" use="required"/>
  </xs:complexType>
  <xs:complexType name="channelType">
    <xs:complexContent>
      <xs:extension base="p:baseRecord">
        <xs:attribute name="name" type="xs:string" use="required">
          <xs:annotation><xs:documentation>Channel name</xs:documentation></xs:annotation>
        </xs:attribute>
        <xs:attribute name="rx_freq" type="p:rxFreqType"/>
        <xs:attribute name="power" type="xs:long"/>
        <xs:attributeGroup ref="p:flags"/>
      </xs:extension>
    </xs:complexContent>
  </xs:complexType>
  <xs:element name="channel" type="p:channelType">
    <xs:annotation><xs:appinfo><scps:SchemaExtension OnDelete="OnDeleteChannel"/></xs:appinfo></xs:annotation>
  </xs:element>
  <xs:group name="sections">
    <xs:sequence>
      <xs:element name="channels" minOccurs="0">
        <xs:annotation>
          <xs:appinfo><scps:SchemaExtension CanAddChild="CanAddChannel" OnAddNew="AddChannel"/></xs:appinfo>
        </xs:annotation>
        <xs:complexType>
          <xs:sequence><xs:element ref="p:channel" minOccurs="0" maxOccurs="19"/></xs:sequence>
        </xs:complexType>
      </xs:element>
    </xs:sequence>
  </xs:group>
  <xs:element name="VelaProfile">
    <xs:complexType>
      <xs:sequence>
        <xs:element name="factory_setting">
          <xs:complexType>
            <xs:attribute name="codeplug_version" type="xs:long" use="required"/>
            <xs:attribute name="model" type="xs:string"/>
          </xs:complexType>
        </xs:element>
        <xs:group ref="p:sections"/>
        <xs:choice minOccurs="0"><xs:element name="note" type="xs:string"/></xs:choice>
      </xs:sequence>
      <xs:attribute ref="p:version"/>
    </xs:complexType>
  </xs:element>
</xs:schema>
)");

// Lines 6-8 hold one start tag spread over three lines.
const QString kProfile = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n"
    "<VelaProfile xmlns=\"urn:test:profile\" xmlns:p=\"urn:test:profile\" p:version=\"2\">\r\n"
    "\t<factory_setting codeplug_version=\"3\" model=\"KUD41600\"/>\r\n"
    "\t<channels>\r\n"
    "\t\t<channel id=\"1\" name=\"A\" rx_freq=\"446006250\" power=\"1\" disable=\"1\"/>\r\n"
    "\t\t<channel id=\"2\" name=\"B\"\r\n"
    "\t\t         rx_freq=\"446100000\"\r\n"
    "\t\t         disable=\"0\"/>\r\n"
    "\t</channels>\r\n"
    "\t<note>text</note>\r\n"
    "</VelaProfile>\r\n");

XmlDocument parsed(const QString &text)
{
    XmlDocument doc;
    EXPECT_TRUE(doc.loadXml(text)) << doc.parseError().reason.toStdString();
    return doc;
}

std::shared_ptr<XmlSchemaCollection> profileSchemas()
{
    auto schemas = std::make_shared<XmlSchemaCollection>();
    schemas->add(kNs, parsed(kSchema));
    return schemas;
}

class XmlSchemaTest : public ::testing::Test {
protected:
    // Loads text into a document validated against the profile schema.
    bool load(const QString &text)
    {
        doc.attachSchemas(schemas);
        doc.setNamespace(QStringLiteral("p"), kNs);
        return doc.loadXml(text);
    }
    XmlNode node(const QString &xpath) const
    {
        const XmlNode found = doc.selectSingleNode(xpath);
        EXPECT_FALSE(found.isNull()) << xpath.toStdString();
        return found;
    }
    XmlSchemaDeclaration declaration(const QString &xpath) const
    {
        return schemas->declarationOf(node(xpath));
    }

    std::shared_ptr<XmlSchemaCollection> schemas = profileSchemas();
    XmlDocument doc;
};

// The hook a declaration's annotation names for kind, found the way the
// profile model looks for it.
QString hookIn(const XmlSchemaDeclaration &declaration, const QString &kind)
{
    if (declaration.annotationXml.isEmpty())
        return QString();
    XmlDocument annotation = parsed(declaration.annotationXml);
    annotation.setNamespace(QStringLiteral("scps"), QLatin1String(vela::kSchemaExtensionNamespace));
    return annotation.selectSingleNode(QStringLiteral("//scps:SchemaExtension")).attributeOr(kind);
}

// ---- validation ----

TEST_F(XmlSchemaTest, ValidProfileLoads)
{
    ASSERT_TRUE(load(kProfile)) << doc.parseError().reason.toStdString();
    EXPECT_EQ(doc.parseError().code, 0);
    EXPECT_EQ(doc.documentElement().childCount(), 3);
    EXPECT_EQ(node(QStringLiteral("//p:channels")).childCount(), 2);
}

TEST_F(XmlSchemaTest, BadValueOnContinuationLinePointsAtTheAttribute)
{
    ASSERT_FALSE(load(QString(kProfile).replace(QStringLiteral("446100000"), QStringLiteral("4461000000"))));
    const XmlParseError &error = doc.parseError();
    EXPECT_NE(error.code, 0);
    EXPECT_TRUE(error.reason.contains(QStringLiteral("rx_freq"))) << error.reason.toStdString();
    EXPECT_EQ(error.line, 7);
    EXPECT_EQ(error.srcText, QStringLiteral("\t\t         rx_freq=\"4461000000\""));
    EXPECT_EQ(error.linepos, 12);
    EXPECT_TRUE(doc.isEmpty());
}

TEST_F(XmlSchemaTest, BadValueOnOneLineTagPointsAtTheAttributeNotAnEarlierMention)
{
    // "power" also appears inside the name value before the real attribute.
    ASSERT_FALSE(load(QString(kProfile)
                          .replace(QStringLiteral("name=\"A\""), QStringLiteral("name=\"power=\""))
                          .replace(QStringLiteral("power=\"1\""), QStringLiteral("power=\"high\""))));
    const XmlParseError &error = doc.parseError();
    EXPECT_EQ(error.line, 5);
    EXPECT_EQ(error.linepos, error.srcText.indexOf(QStringLiteral("power=\"high\"")) + 1)
        << error.srcText.toStdString();
}

TEST_F(XmlSchemaTest, UndeclaredAttributeIsPointedAt)
{
    ASSERT_FALSE(load(QString(kProfile).replace(
        QStringLiteral("model=\"KUD41600\""), QStringLiteral("model=\"KUD41600\" extra=\"1\""))));
    EXPECT_EQ(doc.parseError().line, 3);
    EXPECT_EQ(doc.parseError().linepos, doc.parseError().srcText.indexOf(QStringLiteral("extra")) + 1);
}

TEST_F(XmlSchemaTest, MissingRequiredAttributePointsAtTheStartTag)
{
    ASSERT_FALSE(load(QString(kProfile).replace(QStringLiteral("id=\"1\" "), QString())));
    const XmlParseError &error = doc.parseError();
    EXPECT_TRUE(error.reason.contains(QStringLiteral("id"))) << error.reason.toStdString();
    EXPECT_EQ(error.line, 5);
    EXPECT_EQ(error.linepos, 3);
    EXPECT_TRUE(error.srcText.startsWith(QStringLiteral("\t\t<channel name=\"A\"")));
}

TEST_F(XmlSchemaTest, UnexpectedChildPointsAtItsStartTag)
{
    ASSERT_FALSE(load(QString(kProfile).replace(
        QStringLiteral("\t</channels>"), QStringLiteral("\t\t<bogus/>\r\n\t</channels>"))));
    EXPECT_TRUE(doc.parseError().reason.contains(QStringLiteral("bogus")))
        << doc.parseError().reason.toStdString();
    EXPECT_EQ(doc.parseError().line, 9);
    EXPECT_EQ(doc.parseError().linepos, 3);
    EXPECT_EQ(doc.parseError().srcText, QStringLiteral("\t\t<bogus/>"));
}

TEST_F(XmlSchemaTest, ElementWithContentIsPointedAtItsStartTagFarIntoALongText)
{
    // A long value ahead moves the error well past the parser's first
    // input buffer.
    const QString longModel(200000, QLatin1Char('M'));
    ASSERT_FALSE(load(
        QString(kProfile)
            .replace(QStringLiteral("KUD41600"), longModel)
            .replace(QStringLiteral("\t<note>text</note>"), QStringLiteral("\t<note>te<b>x</b>t</note>"))));
    EXPECT_TRUE(doc.parseError().reason.contains(QStringLiteral("note")))
        << doc.parseError().reason.toStdString();
    EXPECT_EQ(doc.parseError().line, 10);
    EXPECT_EQ(doc.parseError().linepos, 2);
    EXPECT_EQ(doc.parseError().srcText, QStringLiteral("\t<note>te<b>x</b>t</note>"));

    ASSERT_FALSE(load(QString(kProfile)
                          .replace(QStringLiteral("KUD41600"), longModel)
                          .replace(QStringLiteral("disable=\"0\""), QStringLiteral("disable=\"maybe\""))));
    EXPECT_EQ(doc.parseError().line, 8);
    EXPECT_EQ(doc.parseError().linepos, 12);
}

TEST_F(XmlSchemaTest, UndeclaredDocumentElementIsRefused)
{
    EXPECT_FALSE(load(QStringLiteral("<Other xmlns=\"urn:test:profile\"/>")));
    EXPECT_NE(doc.parseError().code, 0);
    EXPECT_FALSE(load(QStringLiteral("<VelaProfile/>"))); // no namespace
    EXPECT_NE(doc.parseError().code, 0);
}

TEST_F(XmlSchemaTest, DetachingTheSchemasStopsValidation)
{
    const QString invalid
        = QString(kProfile).replace(QStringLiteral("power=\"1\""), QStringLiteral("power=\"x\""));
    ASSERT_FALSE(load(invalid));
    doc.attachSchemas(nullptr);
    EXPECT_TRUE(doc.loadXml(invalid));
    EXPECT_EQ(doc.schemas(), nullptr);
}

TEST_F(XmlSchemaTest, ThreadsValidatingAgainstOneCollectionGetTheirOwnErrors)
{
    constexpr int threadCount = 4;
    std::vector<int> wrongResults(threadCount, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([this, t, &wrongResults] {
            for (int i = 0; i < 50; ++i) {
                XmlDocument local;
                local.attachSchemas(schemas);
                // Thread t breaks the first channel's line (5) or the
                // continuation line (7).
                const bool first = (t + i) % 2 == 0;
                const QString text = first
                    ? QString(kProfile).replace(QStringLiteral("power=\"1\""), QStringLiteral("power=\"t\""))
                    : QString(kProfile).replace(QStringLiteral("446100000"), QStringLiteral("x"));
                if (local.loadXml(text) || local.parseError().line != (first ? 5 : 7))
                    ++wrongResults[t];
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (int t = 0; t < threadCount; ++t)
        EXPECT_EQ(wrongResults[t], 0) << "thread " << t;
}

// ---- compiling ----

TEST(XmlSchemaCompile, InvalidSchemasThrowXmlError)
{
    XmlSchemaCollection schemas;
    EXPECT_THROW(schemas.add(kNs, XmlDocument()), XmlError);
    EXPECT_THROW(
        schemas.add(kNs, parsed(QStringLiteral("<root targetNamespace=\"urn:test:profile\"/>"))), XmlError);
    EXPECT_THROW(
        schemas.add(kNs,
            parsed(QStringLiteral(
                "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" xmlns:p=\"urn:test:profile\" "
                "targetNamespace=\"urn:test:profile\"><xs:element name=\"a\" type=\"p:missing\"/>"
                "</xs:schema>"))),
        XmlError);
    // A schema for another namespace than the one it is added under.
    EXPECT_THROW(schemas.add(QStringLiteral("urn:other"), parsed(kSchema)), XmlError);
    try {
        schemas.add(kNs,
            parsed(QStringLiteral("<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
                                  "targetNamespace=\"urn:test:profile\"><xs:bogus/></xs:schema>")));
        ADD_FAILURE() << "bogus schema compiled";
    } catch (const XmlError &error) {
        EXPECT_FALSE(error.description.isEmpty());
        EXPECT_TRUE(error.source.contains(kNs));
    }
}

TEST(XmlSchemaCompile, IncludesAreNeverReadFromDisk)
{
    QTemporaryDir dir;
    const QString included = dir.filePath(QStringLiteral("types.xsd"));
    QFile file(included);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" targetNamespace=\"urn:test:profile\">"
        "<xs:simpleType name=\"t\"><xs:restriction base=\"xs:string\"/></xs:simpleType></xs:schema>");
    file.close();
    XmlSchemaCollection schemas;
    EXPECT_THROW(
        schemas.add(kNs,
            parsed(QStringLiteral(
                "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" xmlns:p=\"urn:test:profile\" "
                "targetNamespace=\"urn:test:profile\"><xs:include schemaLocation=\"%1\"/>"
                "<xs:element name=\"a\" type=\"p:t\"/></xs:schema>")
                       .arg(QUrl::fromLocalFile(included).toString()))),
        XmlError);
}

TEST(XmlSchemaCompile, CollectionKeepsItsOwnCopyOfTheSchema)
{
    auto schemas = std::make_shared<XmlSchemaCollection>();
    {
        XmlDocument schema = parsed(kSchema);
        schemas->add(kNs, schema);
        schema.documentElement().removeChild(schema.documentElement().childAt(0));
    }
    XmlDocument doc;
    doc.attachSchemas(schemas);
    ASSERT_TRUE(doc.loadXml(kProfile)) << doc.parseError().reason.toStdString();
    doc.setNamespace(QStringLiteral("p"), kNs);
    const XmlSchemaDeclaration frequency
        = schemas->declarationOf(doc.selectSingleNode(QStringLiteral("//p:channel/@rx_freq")));
    EXPECT_EQ(frequency.typeChain,
        (QStringList {
            QStringLiteral("rxFreqType"), QStringLiteral("freqType"), QStringLiteral("unsignedLong") }));
}

// ---- declarations ----

TEST_F(XmlSchemaTest, ElementDeclarationsAlongTheAncestry)
{
    ASSERT_TRUE(load(kProfile));
    const XmlSchemaDeclaration root = declaration(QStringLiteral("/p:VelaProfile"));
    EXPECT_TRUE(root.found);
    EXPECT_EQ(root.name, QStringLiteral("VelaProfile"));
    EXPECT_EQ(root.typeName, QString());
    EXPECT_EQ(root.typeChain, (QStringList { QString(), QStringLiteral("anyType") }));

    // Declared inside a group reached by reference.
    const XmlSchemaDeclaration channels = declaration(QStringLiteral("//p:channels"));
    EXPECT_EQ(channels.name, QStringLiteral("channels"));
    EXPECT_EQ(hookIn(channels, QStringLiteral("CanAddChild")), QStringLiteral("CanAddChannel"));
    EXPECT_EQ(hookIn(channels, QStringLiteral("OnAddNew")), QStringLiteral("AddChannel"));
    EXPECT_EQ(hookIn(channels, QStringLiteral("OnDelete")), QString());

    // An element reference resolves to the global declaration.
    const XmlSchemaDeclaration channel = declaration(QStringLiteral("//p:channel[2]"));
    EXPECT_EQ(channel.name, QStringLiteral("channel"));
    EXPECT_EQ(channel.typeName, QStringLiteral("channelType"));
    EXPECT_EQ(channel.typeChain,
        (QStringList {
            QStringLiteral("channelType"), QStringLiteral("baseRecord"), QStringLiteral("anyType") }));
    EXPECT_EQ(hookIn(channel, QStringLiteral("OnDelete")), QStringLiteral("OnDeleteChannel"));

    const XmlSchemaDeclaration note = declaration(QStringLiteral("//p:note"));
    EXPECT_EQ(note.typeChain, QStringList { QStringLiteral("string") });
    EXPECT_EQ(note.annotationXml, QString());

    const XmlSchemaDeclaration factory = declaration(QStringLiteral("//p:factory_setting"));
    EXPECT_EQ(factory.name, QStringLiteral("factory_setting"));
    EXPECT_EQ(factory.annotationXml, QString());
}

TEST_F(XmlSchemaTest, AttributeDeclarationsAndTheirTypeChains)
{
    ASSERT_TRUE(load(kProfile));
    const XmlSchemaDeclaration version = declaration(QStringLiteral("//p:factory_setting/@codeplug_version"));
    EXPECT_EQ(version.name, QStringLiteral("codeplug_version"));
    EXPECT_EQ(version.typeName, QStringLiteral("long"));
    EXPECT_EQ(version.typeChain, QStringList { QStringLiteral("long") });

    const XmlSchemaDeclaration frequency = declaration(QStringLiteral("//p:channel[2]/@rx_freq"));
    EXPECT_EQ(frequency.typeName, QStringLiteral("rxFreqType"));
    EXPECT_EQ(frequency.typeChain,
        (QStringList {
            QStringLiteral("rxFreqType"), QStringLiteral("freqType"), QStringLiteral("unsignedLong") }));

    // Inherited from the base type of a complexContent extension.
    EXPECT_EQ(declaration(QStringLiteral("//p:channel[1]/@id")).typeChain,
        QStringList { QStringLiteral("unsignedByte") });
    EXPECT_EQ(declaration(QStringLiteral("//p:channel[1]/@power")).typeChain,
        QStringList { QStringLiteral("long") });

    // Through an attribute group, with an anonymous type.
    const XmlSchemaDeclaration disable = declaration(QStringLiteral("//p:channel[1]/@disable"));
    EXPECT_TRUE(disable.found);
    EXPECT_EQ(disable.typeName, QString());
    EXPECT_EQ(disable.typeChain, (QStringList { QString(), QStringLiteral("boolean") }));
    EXPECT_EQ(hookIn(disable, QStringLiteral("SetVal")), QStringLiteral("OnSetDisable"));

    // A global attribute by reference (qualified in the instance).
    const XmlSchemaDeclaration global = declaration(QStringLiteral("/p:VelaProfile/@p:version"));
    EXPECT_EQ(global.name, QStringLiteral("version"));
    EXPECT_EQ(global.typeChain, QStringList { QStringLiteral("long") });

    const XmlSchemaDeclaration name = declaration(QStringLiteral("//p:channel[1]/@name"));
    EXPECT_TRUE(name.annotationXml.contains(QStringLiteral("Channel name")));
    EXPECT_EQ(hookIn(name, QStringLiteral("SetVal")), QString());
}

TEST_F(XmlSchemaTest, NodesWithoutDeclarationAreNotFound)
{
    ASSERT_TRUE(load(kProfile));
    XmlNode channel = node(QStringLiteral("//p:channel[1]"));
    channel.setAttribute(QStringLiteral("undeclared"), QStringLiteral("1"));
    EXPECT_FALSE(schemas->declarationOf(channel.attributeNode(QStringLiteral("undeclared"))).found);
    XmlNode stray = doc.createElement(QStringLiteral("stray"), kNs);
    channel.appendChild(stray);
    EXPECT_FALSE(schemas->declarationOf(stray).found);
    EXPECT_FALSE(schemas->declarationOf(node(QStringLiteral("//p:note")).childAt(0)).found); // a text node
    EXPECT_FALSE(schemas->declarationOf(XmlNode()).found);

    XmlDocument other = parsed(QStringLiteral("<VelaProfile xmlns=\"urn:other\"/>"));
    EXPECT_FALSE(schemas->declarationOf(other.documentElement()).found);
}

TEST_F(XmlSchemaTest, AnnotationTextCarriesItsNamespaceDeclarations)
{
    ASSERT_TRUE(load(kProfile));
    const QString annotation = declaration(QStringLiteral("//p:channel[1]/@disable")).annotationXml;
    EXPECT_TRUE(annotation.contains(QLatin1String(vela::kSchemaExtensionNamespace)))
        << annotation.toStdString();
    XmlDocument parsedAnnotation = parsed(annotation);
    EXPECT_EQ(parsedAnnotation.documentElement().localName(), QStringLiteral("annotation"));
    EXPECT_EQ(parsedAnnotation.documentElement().namespaceUri(), QLatin1String(kXsdNamespace));
}

} // namespace
