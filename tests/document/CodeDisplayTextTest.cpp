#include "document/CodeDisplayText.h"

#include <gtest/gtest.h>

namespace {

struct CodeCase {
    int code;
    const char *separator;
    const char *text;
};

class CodeDisplayTextTest : public ::testing::TestWithParam<CodeCase> { };

// The customised entries a profile with every custom code holds.
XmlNode settingWithCustomCodes(XmlDocument &document)
{
    EXPECT_TRUE(document.loadXml(QStringLiteral("<setting PLcode124=\"1000\" PLcode126=\"1002\" "
                                                "PLcode129=\"2553\" PLcode214=\"6\" PLcode219=\"492\"/>")));
    return document.documentElement();
}

TEST_P(CodeDisplayTextTest, ListText)
{
    XmlDocument document;
    const CCodeDisplayText codes(settingWithCustomCodes(document), QLatin1String(GetParam().separator));
    EXPECT_EQ(codes.listText(GetParam().code), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(CodeTable, CodeDisplayTextTest,
    ::testing::Values(CodeCase { 0, ".", "No PL/DPL code" }, CodeCase { 1, ".", "1 - 67.0 Hz" },
        CodeCase { 12, ",", "12 - 100,0 Hz" }, CodeCase { 38, ".", "38 - 250.3 Hz" },
        CodeCase { 39, ".", "39 - DPL 023" }, CodeCase { 121, ".", "121 - DPL 754" },
        CodeCase { 122, ",", "122 - 69,30 Hz" }, CodeCase { 123, ".", "123 - DPL 645" },
        CodeCase { 124, ".", "124 - Customized PL (100.0 Hz)" },
        CodeCase { 126, ",", "126 - Customized PL (100,2 Hz)" },
        CodeCase { 125, ".", "125 - Customized PL (0.0 Hz)" },
        CodeCase { 129, ".", "129 - Customized PL (255.3 Hz)" },
        CodeCase { 130, ".", "130 - Inverted DPL 39" }, CodeCase { 212, ".", "212 - Inverted DPL 121" },
        CodeCase { 213, ".", "213 - Inverted DPL 123" }, CodeCase { 214, ".", "214 - Customized DPL (006)" },
        CodeCase { 219, ".", "219 - Customized DPL (754)" }, CodeCase { 220, ".", "220" }));

} // namespace
