// Texts at each limit of what the parser is given parse; one step beyond,
// they are refused before parsing, with the place and the limit named.

#include "xml/XmlTextLimits.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace XmlTextLimits;

QString attributes(int count, int from = 0)
{
    QString text;
    for (int i = from; i < from + count; ++i)
        text += QStringLiteral(" a%1=\"\"").arg(i);
    return text;
}

struct Limit {
    const char *name;
    int limit;
    // A text holding n of what the limit counts.
    std::function<QString(int n)> text;
    const char *reason;
    // Where the refusal points, in the text beyond the limit.
    int line, position;
};

const Limit kLimits[] = {
    { "AttributesOfOneElement", kMaxAttributesPerElement,
        [](int n) { return QStringLiteral("<r\n") + attributes(n) + QStringLiteral("/>"); },
        "The element \"r\" has more than 256 attributes", 2,
        int(attributes(kMaxAttributesPerElement).size()) + 2 },
    { "AttributesOfTheText", kMaxAttributes,
        [](int n) {
            QString text = QStringLiteral("<r>");
            for (int done = 0; done < n; done += 250)
                text += QStringLiteral("<e%1/>\n").arg(attributes(qMin(250, n - done)));
            return text + QStringLiteral("</r>");
        },
        "The text has more than 100000 attributes", kMaxAttributes / 250 + 1, 4 },
    { "Elements", kMaxElements,
        [](int n) {
            return QStringLiteral("<r>\n") + QStringLiteral("<e/>").repeated(n - 1) + QStringLiteral("</r>");
        },
        "The text has more than 20000 elements", 2, 4 * (kMaxElements - 1) + 1 },
    { "Depth", kMaxDepth,
        [](int n) { return QStringLiteral("<e>").repeated(n) + QStringLiteral("</e>").repeated(n); },
        "Elements are nested more than 64 deep", 1, 3 * kMaxDepth + 1 },
    { "NameLength", kMaxNameLength,
        [](int n) { return QStringLiteral("<r ") + QString(n, QChar(0xE9)) + QStringLiteral("=\"\"/>"); },
        "A name is longer than 256 characters", 1, 4 },
    { "ValueLength", kMaxValueLength,
        [](int n) { return QStringLiteral("<r v='") + QString(n, QLatin1Char('x')) + QStringLiteral("'/>"); },
        "The value of the attribute \"v\" is longer than 1048576 characters", 1, 7 },
};

class XmlTextLimit : public ::testing::TestWithParam<Limit> { };

TEST_P(XmlTextLimit, IsReachedButNotPassed)
{
    const Limit &limit = GetParam();
    XmlDocument doc;
    EXPECT_TRUE(doc.loadXml(limit.text(limit.limit))) << doc.parseError().reason.toStdString();

    ASSERT_FALSE(doc.loadXml(limit.text(limit.limit + 1)));
    const XmlParseError &error = doc.parseError();
    EXPECT_EQ(error.reason.toStdString(), limit.reason);
    EXPECT_EQ(error.line, limit.line);
    EXPECT_EQ(error.linepos, limit.position);
    EXPECT_NE(error.code, 0);
}

INSTANTIATE_TEST_SUITE_P(XmlParse, XmlTextLimit, ::testing::ValuesIn(kLimits),
    [](const auto &info) { return std::string(info.param.name); });

TEST(XmlParse, MarkupInCommentsCdataAndValuesIsNotCounted)
{
    const QString many = QStringLiteral("<e%1/>").arg(attributes(kMaxAttributesPerElement + 1));
    XmlDocument doc;
    const QString inValue = QString(many).replace(QLatin1Char('<'), QLatin1Char('['));
    EXPECT_TRUE(
        doc.loadXml(QStringLiteral("<r><!--%1--><![CDATA[%1]]><?pi %1?><e v='%2'/></r>").arg(many, inValue)))
        << doc.parseError().reason.toStdString();
}

} // namespace
