// The XML document service: parsing and its error record, safety against
// hostile documents, XPath, node operations, serialisation and XSLT.

#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <thread>
#include <vector>

namespace {

const QString kNs = QStringLiteral("urn:test:profile");

XmlDocument parsed(const QString &text)
{
    XmlDocument doc;
    EXPECT_TRUE(doc.loadXml(text)) << doc.parseError().reason.toStdString();
    doc.setNamespace(QStringLiteral("p"), kNs);
    return doc;
}

// A structural fingerprint of a subtree: names, attributes and texts.
QString shape(const XmlNode &node)
{
    QString out = node.nodeName();
    if (node.type() == XmlNode::Type::Text || node.type() == XmlNode::Type::Comment)
        return out + QLatin1Char('=') + node.text();
    for (const QString &name : node.attributeNames())
        out += QStringLiteral(" @%1=%2").arg(name, node.attributeOr(name));
    out += QLatin1Char('{');
    for (const XmlNode &child : node.childNodes())
        out += shape(child) + QLatin1Char(';');
    return out + QLatin1Char('}');
}

// ---- parsing ----

TEST(XmlParse, DropsWhiteSpaceOnlyTextSoChildrenAreElements)
{
    XmlDocument doc
        = parsed(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n"
                                "<root xmlns=\"urn:test:profile\">\r\n"
                                "\t<channels>\r\n\t\t<channel name=\"A\"/>\r\n\t\t<channel name=\"B\"/>\r\n"
                                "\t</channels>\r\n\t<!-- note -->\r\n\t<text> kept  text </text>\r\n"
                                "\t<keep xml:space=\"preserve\">  </keep>\r\n</root>\r\n"));
    const XmlNode root = doc.documentElement();
    ASSERT_EQ(root.childCount(), 4);
    EXPECT_EQ(root.childAt(0).childCount(), 2);
    EXPECT_EQ(root.childAt(0).childAt(1).attribute(QStringLiteral("name")), QStringLiteral("B"));
    EXPECT_EQ(root.childAt(1).type(), XmlNode::Type::Comment);
    EXPECT_EQ(root.childAt(2).text(), QStringLiteral(" kept  text "));
    EXPECT_EQ(root.childAt(3).childCount(), 1);
    EXPECT_TRUE(root.childAt(4).isNull());
    EXPECT_EQ(root.childElements().size(), 3);
}

TEST(XmlParse, WellFormednessErrorGivesReasonLinePositionAndSourceLine)
{
    XmlDocument doc;
    ASSERT_FALSE(doc.loadXml(QStringLiteral("<root>\r\n  <a x=\"1\" x=\"2\"/>\r\n</root>")));
    const XmlParseError &error = doc.parseError();
    EXPECT_NE(error.code, 0);
    EXPECT_TRUE(error.reason.contains(QStringLiteral("x"))) << error.reason.toStdString();
    EXPECT_EQ(error.line, 2);
    EXPECT_GT(error.linepos, 3);
    EXPECT_LE(error.linepos, error.srcText.size() + 1);
    EXPECT_EQ(error.srcText, QStringLiteral("  <a x=\"1\" x=\"2\"/>"));
    EXPECT_TRUE(doc.isEmpty());
}

TEST(XmlParse, MismatchedTagIsReportedOnItsLine)
{
    XmlDocument doc;
    ASSERT_FALSE(doc.loadXml(QStringLiteral("<root>\n<a>\n<b></a>\n</root>")));
    EXPECT_EQ(doc.parseError().line, 3);
    EXPECT_EQ(doc.parseError().srcText, QStringLiteral("<b></a>"));
}

TEST(XmlParse, FailureEmptiesTheDocumentAndSuccessClearsTheError)
{
    XmlDocument doc = parsed(QStringLiteral("<root><a/></root>"));
    ASSERT_FALSE(doc.loadXml(QStringLiteral("<root><a></root>")));
    EXPECT_TRUE(doc.isEmpty());
    EXPECT_TRUE(doc.selectNodes(QStringLiteral("//a")).isEmpty());
    ASSERT_TRUE(doc.loadXml(QStringLiteral("<other/>")));
    EXPECT_EQ(doc.parseError().code, 0);
    EXPECT_TRUE(doc.parseError().reason.isEmpty());
    EXPECT_EQ(doc.documentElement().nodeName(), QStringLiteral("other"));
}

TEST(XmlParse, EmptyAndTruncatedTextsFail)
{
    XmlDocument doc;
    EXPECT_FALSE(doc.loadXml(QString()));
    EXPECT_NE(doc.parseError().code, 0);
    EXPECT_FALSE(doc.parseError().reason.isEmpty());

    EXPECT_FALSE(doc.loadXml(QStringLiteral("   \r\n ")));
    EXPECT_NE(doc.parseError().code, 0);

    ASSERT_FALSE(doc.loadXml(QStringLiteral("<root>\n  <channel name=\"A\"/>\n  <chan")));
    EXPECT_NE(doc.parseError().code, 0);
    EXPECT_GE(doc.parseError().line, 3);
    EXPECT_TRUE(doc.isEmpty());
}

TEST(XmlParse, UndeclaredPrefixAndUndefinedEntityAreErrors)
{
    XmlDocument doc;
    EXPECT_FALSE(doc.loadXml(QStringLiteral("<root><x:a/></root>")));
    EXPECT_NE(doc.parseError().code, 0);
    EXPECT_FALSE(doc.loadXml(QStringLiteral("<root>&custom;</root>")));
    EXPECT_NE(doc.parseError().code, 0);
}

TEST(XmlParse, DoctypeIsRefused)
{
    XmlDocument doc;
    ASSERT_FALSE(doc.loadXml(QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE root>\n<root/>")));
    EXPECT_NE(doc.parseError().code, 0);
    EXPECT_TRUE(doc.parseError().reason.contains(QStringLiteral("DOCTYPE")));
    EXPECT_EQ(doc.parseError().line, 2);
    EXPECT_EQ(doc.parseError().linepos, 1);
    EXPECT_TRUE(doc.isEmpty());
}

TEST(XmlParse, ExternalEntityNeverReadsTheFile)
{
    QTemporaryDir dir;
    const QString secretPath = dir.filePath(QStringLiteral("secret.txt"));
    QFile secret(secretPath);
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.write("TOP-SECRET-CONTENT");
    secret.close();
    const QString url = QUrl::fromLocalFile(secretPath).toString();

    for (const QString &text :
        { QStringLiteral("<!DOCTYPE r [<!ENTITY x SYSTEM \"%1\">]><r>&x;</r>").arg(url),
            QStringLiteral("<!DOCTYPE r SYSTEM \"%1\"><r/>").arg(url),
            QStringLiteral("<!DOCTYPE r [<!ENTITY % p SYSTEM \"%1\"> %p;]><r/>").arg(url) }) {
        XmlDocument doc;
        ASSERT_FALSE(doc.loadXml(text)) << text.toStdString();
        EXPECT_FALSE(doc.parseError().reason.contains(QStringLiteral("TOP-SECRET")));
        EXPECT_TRUE(doc.isEmpty());
    }
}

TEST(XmlParse, BillionLaughsIsRefusedWithoutExpansion)
{
    QString text = QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n <!ENTITY lol \"lol\">\n");
    text += QStringLiteral(" <!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n");
    for (int i = 2; i <= 9; ++i) {
        const QString previous = QStringLiteral("&lol%1;").arg(i - 1);
        text += QStringLiteral(" <!ENTITY lol%1 \"%2\">\n").arg(i).arg(previous.repeated(10));
    }
    text += QStringLiteral("]>\n<lolz>&lol9;</lolz>");
    XmlDocument doc;
    ASSERT_FALSE(doc.loadXml(text));
    EXPECT_TRUE(doc.parseError().reason.contains(QStringLiteral("DOCTYPE")));
    EXPECT_TRUE(doc.isEmpty());
}

TEST(XmlParse, HugeAttributeIsKeptWhole)
{
    const QString value(1 << 20, QLatin1Char('x'));
    XmlDocument doc = parsed(QStringLiteral("<root big=\"%1\"/>").arg(value));
    EXPECT_EQ(doc.documentElement().attribute(QStringLiteral("big"))->size(), value.size());
    EXPECT_EQ(doc.documentElement().attributeOr(QStringLiteral("big")), value);
}

TEST(XmlParse, NonAsciiTextSurvivesRoundTripWhateverTheDeclaredEncoding)
{
    const QString name = QStringLiteral("Kanal \u00e4\u00f6\u00fc \u65e5\u672c \U0001F4FB");
    for (const QString &declaration : { QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"),
             QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>"),
             QStringLiteral("\uFEFF<?xml version=\"1.0\" encoding=\"utf-8\"?>") }) {
        XmlDocument doc
            = parsed(declaration + QStringLiteral("<root name=\"%1\"><t>%1</t></root>").arg(name));
        ASSERT_FALSE(doc.isEmpty()) << declaration.toStdString();
        EXPECT_EQ(doc.documentElement().attributeOr(QStringLiteral("name")), name);
        XmlDocument again = parsed(doc.xml());
        EXPECT_EQ(again.documentElement().attributeOr(QStringLiteral("name")), name);
        EXPECT_EQ(again.documentElement().childAt(0).text(), name);
    }
}

TEST(XmlParse, ErrorPositionCountsCharactersOfTheLine)
{
    for (const QString &value : { QStringLiteral("aaaa"), QStringLiteral("\u00e4\u00e4\u00e4\u00e4"),
             QStringLiteral("\U0001F4FB\U0001F4FB") }) {
        XmlDocument doc;
        ASSERT_FALSE(doc.loadXml(QStringLiteral("<root>\n<a n=\"%1\" <b/></root>").arg(value)));
        const XmlParseError &error = doc.parseError();
        EXPECT_EQ(error.line, 2);
        EXPECT_EQ(error.srcText, QStringLiteral("<a n=\"%1\" <b/></root>").arg(value));
        EXPECT_EQ(error.linepos, error.srcText.indexOf(QStringLiteral("<b")) + 1) << value.toStdString();
    }
}

TEST(XmlParse, ThreadsParsingAtOnceEachGetTheirOwnErrors)
{
    constexpr int threadCount = 4;
    std::vector<std::thread> threads;
    std::vector<int> wrongResults(threadCount, 0);
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([t, &wrongResults] {
            for (int i = 0; i < 200; ++i) {
                XmlDocument doc;
                const int badLine = 1 + (t + i) % 5;
                QString text = QStringLiteral("<root>");
                for (int line = 1; line < badLine; ++line)
                    text += QStringLiteral("\n<ok/>");
                text += QStringLiteral("\n<bad t=\"%1\"></wrong>\n</root>").arg(t);
                if (doc.loadXml(text) || doc.parseError().line != badLine + 1
                    || !doc.parseError().srcText.contains(QStringLiteral("t=\"%1\"").arg(t)))
                    ++wrongResults[t];
                XmlDocument good;
                if (!good.loadXml(QStringLiteral("<root><a i=\"%1\"/></root>").arg(i))
                    || good.parseError().code != 0)
                    ++wrongResults[t];
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (int t = 0; t < threadCount; ++t)
        EXPECT_EQ(wrongResults[t], 0) << "thread " << t;
}

// ---- XPath ----

const QString kProfile = QStringLiteral("<VelaProfile xmlns=\"urn:test:profile\">"
                                        "<factory_setting model=\"KUD41600\" codeplug_version=\"3\"/>"
                                        "<channels><channel name=\"A\" rx=\"1\"/><channel name=\"B\" "
                                        "rx=\"2\"/><channel name=\"C\" rx=\"3\"/></channels>"
                                        "<frequencies><frequency freq=\"446006250\"/></frequencies>"
                                        "</VelaProfile>");

TEST(XmlXPath, SelectsWithTheDocumentsPrefixesInDocumentOrder)
{
    XmlDocument doc = parsed(kProfile);
    const QList<XmlNode> channels = doc.selectNodes(QStringLiteral("//p:channels/*"));
    ASSERT_EQ(channels.size(), 3);
    EXPECT_EQ(channels[2].attributeOr(QStringLiteral("name")), QStringLiteral("C"));

    const QList<XmlNode> mixed
        = doc.selectNodes(QStringLiteral("//p:frequency | //p:channel[@name='B'] | //p:factory_setting"));
    ASSERT_EQ(mixed.size(), 3);
    EXPECT_EQ(mixed[0].localName(), QStringLiteral("factory_setting"));
    EXPECT_EQ(mixed[1].attributeOr(QStringLiteral("name")), QStringLiteral("B"));
    EXPECT_EQ(mixed[2].localName(), QStringLiteral("frequency"));

    EXPECT_EQ(doc.selectSingleNode(QStringLiteral("//p:factory_setting"))
                  .attributeOr(QStringLiteral("codeplug_version")),
        QStringLiteral("3"));
    EXPECT_TRUE(doc.selectSingleNode(QStringLiteral("//p:nothing")).isNull());
    EXPECT_TRUE(doc.selectNodes(QStringLiteral("//channel")).isEmpty()); // no prefix: no namespace
}

TEST(XmlXPath, RelativeToANodeAndSelectingAttributes)
{
    XmlDocument doc = parsed(kProfile);
    const XmlNode channels = doc.selectSingleNode(QStringLiteral("//p:channels"));
    EXPECT_EQ(channels.selectNodes(QStringLiteral("p:channel")).size(), 3);
    EXPECT_EQ(channels.selectSingleNode(QStringLiteral("p:channel[2]")).attributeOr(QStringLiteral("name")),
        QStringLiteral("B"));
    EXPECT_EQ(channels.selectSingleNode(QStringLiteral("../p:factory_setting")).localName(),
        QStringLiteral("factory_setting"));

    const XmlNode rx = channels.selectSingleNode(QStringLiteral("p:channel[3]/@rx"));
    ASSERT_EQ(rx.type(), XmlNode::Type::Attribute);
    EXPECT_EQ(rx.text(), QStringLiteral("3"));
    EXPECT_EQ(rx.parent().attributeOr(QStringLiteral("name")), QStringLiteral("C"));
}

TEST(XmlXPath, BadExpressionsThrowXmlError)
{
    XmlDocument doc = parsed(kProfile);
    EXPECT_THROW(doc.selectNodes(QStringLiteral("//q:channel")), XmlError); // unbound prefix
    EXPECT_THROW(doc.selectNodes(QStringLiteral("//p:channel[")), XmlError);
    EXPECT_THROW(doc.selectNodes(QStringLiteral("count(//p:channel)")), XmlError); // not a node set
    EXPECT_THROW(doc.documentElement().selectSingleNode(QStringLiteral("nosuchfunction()")), XmlError);
    try {
        doc.selectNodes(QStringLiteral("//q:channel"));
    } catch (const XmlError &error) {
        EXPECT_FALSE(error.message.isEmpty());
        EXPECT_FALSE(error.description.isEmpty());
        EXPECT_EQ(error.source, QStringLiteral("//q:channel"));
    }
}

// ---- nodes ----

TEST(XmlNodes, NamesTypesAndParents)
{
    XmlDocument doc = parsed(QStringLiteral(
        "<x:root xmlns:x=\"urn:test:profile\" x:id=\"7\" id=\"plain\">t<!--c--><x:child/></x:root>"));
    const XmlNode root = doc.documentElement();
    EXPECT_EQ(root.attribute(QStringLiteral("x:id")), QStringLiteral("7"));
    EXPECT_EQ(root.attribute(QStringLiteral("id")), QStringLiteral("plain"));
    EXPECT_EQ(root.attribute(QStringLiteral("y:id")), std::nullopt);
    EXPECT_EQ(root.nodeName(), QStringLiteral("x:root"));
    EXPECT_EQ(root.localName(), QStringLiteral("root"));
    EXPECT_EQ(root.namespaceUri(), kNs);
    EXPECT_EQ(root.attributeNode(QStringLiteral("x:id")).nodeName(), QStringLiteral("x:id"));
    EXPECT_EQ(root.childAt(0).nodeName(), QStringLiteral("#text"));
    EXPECT_EQ(root.childAt(1).nodeName(), QStringLiteral("#comment"));
    EXPECT_EQ(root.childAt(1).text(), QStringLiteral("c"));
    EXPECT_EQ(root.childAt(2).parent(), root);
    EXPECT_TRUE(root.parent().isNull());
    EXPECT_EQ(root.text(), QStringLiteral("t"));
}

TEST(XmlNodes, AbsentAttributeDiffersFromEmpty)
{
    XmlDocument doc = parsed(QStringLiteral("<root empty=\"\" b=\"2\" a=\"1\"/>"));
    XmlNode root = doc.documentElement();
    EXPECT_EQ(root.attribute(QStringLiteral("empty")), QString());
    EXPECT_TRUE(root.hasAttribute(QStringLiteral("empty")));
    EXPECT_EQ(root.attribute(QStringLiteral("missing")), std::nullopt);
    EXPECT_EQ(root.attributeOr(QStringLiteral("missing"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_EQ(root.attributeNames(),
        (QStringList { QStringLiteral("empty"), QStringLiteral("b"), QStringLiteral("a") }));
}

TEST(XmlNodes, SetAndRemoveAttributes)
{
    XmlDocument doc = parsed(QStringLiteral("<root a=\"1\"/>"));
    XmlNode root = doc.documentElement();
    root.setAttribute(QStringLiteral("a"), QStringLiteral("2"));
    root.setAttribute(QStringLiteral("new"), QStringLiteral("&amp; <\"'>"));
    EXPECT_EQ(root.attributeNames(), (QStringList { QStringLiteral("a"), QStringLiteral("new") }));
    EXPECT_EQ(root.attributeOr(QStringLiteral("a")), QStringLiteral("2"));
    EXPECT_EQ(root.attributeOr(QStringLiteral("new")), QStringLiteral("&amp; <\"'>"));

    XmlNode held = root.attributeNode(QStringLiteral("a"));
    root.removeAttribute(QStringLiteral("a"));
    root.removeAttribute(QStringLiteral("never"));
    EXPECT_FALSE(root.hasAttribute(QStringLiteral("a")));
    EXPECT_EQ(held.text(), QStringLiteral("2")); // still usable
    held.setText(QStringLiteral("3"));
    EXPECT_EQ(held.text(), QStringLiteral("3"));

    const XmlDocument again = parsed(doc.xml());
    EXPECT_EQ(again.documentElement().attributeOr(QStringLiteral("new")), QStringLiteral("&amp; <\"'>"));
    EXPECT_FALSE(again.documentElement().hasAttribute(QStringLiteral("a")));

    EXPECT_THROW(root.setAttribute(QStringLiteral("bad name"), QStringLiteral("x")), XmlError);
    EXPECT_THROW(root.setAttribute(QStringLiteral("q:x"), QStringLiteral("x")), XmlError);
}

TEST(XmlNodes, AppendInsertRemoveAndClone)
{
    XmlDocument doc = parsed(QStringLiteral("<root xmlns=\"urn:test:profile\"><a/><b/></root>"));
    XmlNode root = doc.documentElement();
    XmlNode c = doc.createElement(QStringLiteral("c"), kNs);
    c.setAttribute(QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_TRUE(c.parent().isNull());
    root.appendChild(c);
    root.insertBefore(doc.createElement(QStringLiteral("first"), kNs), root.childAt(0));
    EXPECT_EQ(shape(root), QStringLiteral("root{first{};a{};b{};c @k=v{};}"));
    EXPECT_EQ(doc.selectNodes(QStringLiteral("/p:root/p:c")).size(), 1);

    XmlNode removed = root.removeChild(root.childAt(1));
    EXPECT_EQ(removed.localName(), QStringLiteral("a"));
    EXPECT_TRUE(removed.parent().isNull());
    removed.setAttribute(QStringLiteral("still"), QStringLiteral("usable"));
    EXPECT_EQ(removed.xml(), QStringLiteral("<a xmlns=\"urn:test:profile\" still=\"usable\"/>"));
    EXPECT_EQ(root.childCount(), 3);

    // Moving an existing child: insert c before b.
    root.insertBefore(root.childAt(2), root.childAt(1));
    EXPECT_EQ(shape(root), QStringLiteral("root{first{};c @k=v{};b{};}"));

    XmlNode deep = root.childAt(1).cloneNode(true);
    XmlNode shallow = root.cloneNode(false);
    EXPECT_EQ(shape(deep), QStringLiteral("c @k=v{}"));
    EXPECT_EQ(shallow.childCount(), 0);
    deep.setAttribute(QStringLiteral("k"), QStringLiteral("changed"));
    EXPECT_EQ(root.childAt(1).attributeOr(QStringLiteral("k")), QStringLiteral("v"));
    root.appendChild(deep);
    root.appendChild(removed);
    EXPECT_EQ(shape(root), QStringLiteral("root{first{};c @k=v{};b{};c @k=changed{};a @still=usable{};}"));

    // The added elements take the namespace in scope instead of redeclaring it.
    const QString text = doc.xml();
    EXPECT_EQ(text.count(QStringLiteral("xmlns=")), 1) << text.toStdString();
    EXPECT_EQ(shape(parsed(text).documentElement()), shape(root));
}

TEST(XmlNodes, TreeChangesThatWouldBreakTheTreeAreRefused)
{
    XmlDocument doc = parsed(QStringLiteral("<root><a><b/></a><c/></root>"));
    XmlDocument other = parsed(QStringLiteral("<other/>"));
    XmlNode root = doc.documentElement();
    XmlNode a = root.childAt(0);
    EXPECT_THROW(a.childAt(0).appendChild(a), XmlError);
    EXPECT_THROW(a.appendChild(a), XmlError);
    EXPECT_THROW(root.appendChild(other.documentElement()), XmlError);
    EXPECT_THROW(root.appendChild(XmlNode()), XmlError);
    EXPECT_THROW(root.appendChild(root.attributeNode(QStringLiteral("none"))), XmlError);
    EXPECT_THROW(root.insertBefore(doc.createElement(QStringLiteral("x")), a.childAt(0)), XmlError);
    EXPECT_THROW(root.removeChild(a.childAt(0)), XmlError);
    EXPECT_THROW(doc.createElement(QStringLiteral("1bad")), XmlError);
    EXPECT_THROW(doc.createElement(QStringLiteral("p:x")), XmlError);
    EXPECT_EQ(shape(root), QStringLiteral("root{a{b{};};c{};}"));
}

TEST(XmlNodes, TextNodesAreNeverMergedAway)
{
    XmlDocument doc = parsed(QStringLiteral("<root>one</root>"));
    XmlNode root = doc.documentElement();
    XmlNode first = root.childAt(0);
    XmlNode second = doc.documentElement().cloneNode(true).childAt(0);
    root.appendChild(second);
    second.setText(QStringLiteral("two"));
    EXPECT_EQ(root.childCount(), 2);
    EXPECT_EQ(first.text(), QStringLiteral("one"));
    EXPECT_EQ(root.text(), QStringLiteral("onetwo"));
}

TEST(XmlNodes, SetTextOnElementKeepsReplacedChildrenUsable)
{
    XmlDocument doc = parsed(QStringLiteral("<root><a n=\"1\"/>x</root>"));
    XmlNode root = doc.documentElement();
    XmlNode a = root.childAt(0);
    root.setText(QStringLiteral("<plain & text>"));
    EXPECT_EQ(root.childCount(), 1);
    EXPECT_EQ(root.text(), QStringLiteral("<plain & text>"));
    EXPECT_EQ(a.attributeOr(QStringLiteral("n")), QStringLiteral("1"));
    EXPECT_EQ(parsed(doc.xml()).documentElement().text(), QStringLiteral("<plain & text>"));
}

TEST(XmlNodes, NodesKeepTheirTreeAliveAfterTheDocumentIsDroppedOrReloaded)
{
    XmlNode channel;
    {
        XmlDocument doc = parsed(kProfile);
        channel = doc.selectSingleNode(QStringLiteral("//p:channel[2]"));
    }
    EXPECT_EQ(channel.attributeOr(QStringLiteral("name")), QStringLiteral("B"));
    EXPECT_EQ(channel.ownerDocument().namespaces().value(QStringLiteral("p")), kNs);
    EXPECT_EQ(channel.selectNodes(QStringLiteral("../p:channel")).size(), 3);

    XmlDocument doc = channel.ownerDocument();
    ASSERT_TRUE(doc.loadXml(QStringLiteral("<replaced/>")));
    EXPECT_EQ(channel.attributeOr(QStringLiteral("name")), QStringLiteral("B"));
    EXPECT_EQ(channel.parent().localName(), QStringLiteral("channels"));
    EXPECT_THROW(doc.documentElement().appendChild(channel), XmlError); // from the replaced tree
}

TEST(XmlNodes, BuildsADocumentFromScratchAndImportsNodes)
{
    XmlDocument source = parsed(kProfile);
    XmlDocument doc;
    EXPECT_TRUE(doc.isEmpty());
    XmlNode root = doc.createElement(QStringLiteral("p:root"), kNs);
    doc.setDocumentElement(root);
    root.appendChild(doc.importNode(source.selectSingleNode(QStringLiteral("//p:channels")), true));
    root.appendChild(doc.importNode(source.selectSingleNode(QStringLiteral("//p:frequencies")), false));
    XmlNode attribute = doc.importNode(source.selectSingleNode(QStringLiteral("//p:channel/@name")), false);
    EXPECT_EQ(attribute.type(), XmlNode::Type::Attribute);
    EXPECT_EQ(attribute.text(), QStringLiteral("A"));
    source = XmlDocument(); // the imported copies do not depend on it

    doc.setNamespace(QStringLiteral("p"), kNs);
    EXPECT_EQ(doc.selectNodes(QStringLiteral("/p:root/p:channels/p:channel")).size(), 3);
    EXPECT_EQ(doc.selectSingleNode(QStringLiteral("//p:frequencies")).childCount(), 0);
    XmlNode replacement = doc.createElement(QStringLiteral("other"));
    doc.setDocumentElement(replacement);
    EXPECT_EQ(doc.documentElement(), replacement);
    EXPECT_EQ(root.childCount(), 2); // the old root stays usable
}

// ---- serialisation ----

TEST(XmlSerialise, HasDeclarationIndentsAndParsesBackToTheSameTree)
{
    XmlDocument doc = parsed(QStringLiteral("<root xmlns=\"urn:test:profile\"><channels><channel name=\"A\"/>"
                                            "<channel name=\"B\">mixed <b>bold</b> text</channel></channels>"
                                            "<!-- c --></root>"));
    const QString text = doc.xml();
    EXPECT_TRUE(text.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\n  <channels>\n    <channel name=\"A\"/>")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(">mixed <b>bold</b> text<"))) << text.toStdString();
    EXPECT_EQ(shape(parsed(text).documentElement()), shape(doc.documentElement()));
    EXPECT_EQ(doc.documentElement().childAt(0).childAt(0).xml(),
        QStringLiteral("<channel xmlns=\"urn:test:profile\" name=\"A\"/>"));
    EXPECT_EQ(doc.documentElement().childAt(0).childAt(0).attributeNode(QStringLiteral("name")).xml(),
        QStringLiteral("name=\"A\""));
}

// ---- XSLT ----

TEST(XmlTransform, TransformsToText)
{
    XmlDocument profile
        = parsed(QStringLiteral("<VelaProfile><channels><channel name=\"A&amp;B\"/><channel name=\"C\"/>"
                                "</channels></VelaProfile>"));
    XmlDocument sheet = parsed(QStringLiteral(
        "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
        "<xsl:output method=\"html\"/>"
        "<xsl:template match=\"/\"><html><body><xsl:for-each select=\"/VelaProfile/channels/channel\">"
        "<p><xsl:value-of select=\"@name\"/><xsl:text> </xsl:text><xsl:value-of select=\"position()\"/></p>"
        "</xsl:for-each></body></html></xsl:template></xsl:stylesheet>"));
    const QString html = profile.transform(sheet);
    EXPECT_TRUE(html.contains(QStringLiteral("<p>A&amp;B 1</p>"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("<p>C 2</p>"))) << html.toStdString();
    EXPECT_EQ(sheet.documentElement().localName(), QStringLiteral("stylesheet")); // the sheet is not consumed
    EXPECT_EQ(profile.transform(sheet), html);
}

TEST(XmlTransform, InvalidSheetsAndRuntimeFailuresThrow)
{
    XmlDocument profile = parsed(QStringLiteral("<root/>"));
    EXPECT_THROW(profile.transform(XmlDocument()), XmlError);
    EXPECT_THROW(
        profile.transform(parsed(QStringLiteral(
            "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
            "<xsl:template match=\"/\"><xsl:value-of select=\"//[\"/></xsl:template></xsl:stylesheet>"))),
        XmlError);
    try {
        profile.transform(parsed(QStringLiteral(
            "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
            "<xsl:template match=\"/\"><xsl:message terminate=\"yes\">stop here</xsl:message></xsl:template>"
            "</xsl:stylesheet>")));
        ADD_FAILURE() << "terminating transform succeeded";
    } catch (const XmlError &error) {
        EXPECT_TRUE(error.description.contains(QStringLiteral("stop here")))
            << error.description.toStdString();
    }
}

TEST(XmlTransform, SheetsCannotWriteOrReadFiles)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("sub/written.txt"));
    XmlDocument profile = parsed(QStringLiteral("<root/>"));
    for (const QString &writer :
        { QStringLiteral("<xsl:document href=\"%1\" method=\"text\">owned</xsl:document>"),
            QStringLiteral(
                "<exsl:document xmlns:exsl=\"http://exslt.org/common\" href=\"%1\" method=\"text\">owned"
                "</exsl:document>") }) {
        XmlDocument sheet = parsed(QStringLiteral(
            "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
            "extension-element-prefixes=\"exsl\" xmlns:exsl=\"http://exslt.org/common\">"
            "<xsl:template match=\"/\">%1</xsl:template></xsl:stylesheet>")
                                       .arg(writer.arg(target)));
        EXPECT_THROW(profile.transform(sheet), XmlError) << writer.toStdString();
        EXPECT_FALSE(QFile::exists(target));
        EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("sub"))).exists());
    }

    const QString readable = dir.filePath(QStringLiteral("readable.xml"));
    QFile file(readable);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<secret>TOP-SECRET</secret>");
    file.close();
    XmlDocument reader = parsed(QStringLiteral(
        "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
        "<xsl:template match=\"/\"><out><xsl:value-of select=\"document('%1')/secret\"/></out></xsl:template>"
        "</xsl:stylesheet>")
                                    .arg(QUrl::fromLocalFile(readable).toString()));
    QString result;
    try {
        result = profile.transform(reader);
    } catch (const XmlError &) {
    }
    EXPECT_FALSE(result.contains(QStringLiteral("TOP-SECRET")));
}

} // namespace
