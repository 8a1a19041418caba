#include "model/VersionConversion.h"
#include "base/ProfileNamespaces.h"

#include <gtest/gtest.h>

namespace {

const QString kNs = QString::fromLatin1(vela::kProfileNamespace);

XmlDocument parse(const QString &text)
{
    XmlDocument document;
    document.setNamespace("dfns", kNs);
    EXPECT_TRUE(document.loadXml(text)) << qPrintable(document.parseError().reason);
    return document;
}

XmlDocument scratch()
{
    XmlDocument document;
    document.setNamespace("dfns", kNs);
    document.setDocumentElement(document.createElement("root", kNs));
    return document;
}

QString rulesText(const QString &versions)
{
    return "<Settings xmlns=\"" + kNs + "\"><CodePlugSetting>" + versions + "</CodePlugSetting></Settings>";
}

QStringList names(const QList<XmlNode> &rules)
{
    QStringList list;
    for (const XmlNode &rule : rules)
        list << rule.nodeName() + ":" + rule.attributeOr("name");
    return list;
}

QList<XmlNode> collect(const QString &versions, int version, const QString &region = "NA")
{
    XmlDocument work = scratch();
    VersionRuleSource source { parse(rulesText(versions)), region };
    return VersionConversion::CollectAddedFields(work, source, version);
}

const QString kThreeVersions = R"(
  <CPVer1>
    <NA><CPField nodename="setting" name="a" defaulvalue="1" replaceby="" isExist="1"/></NA>
    <RegionCommon/>
  </CPVer1>
  <CPVer2>
    <NA>
      <CPField nodename="setting" name="a" defaulvalue="2" replaceby="" isExist="1"/>
      <CPField nodename="setting" name="b" defaulvalue="0" replaceby="" isExist="1"/>
    </NA>
    <RegionCommon><CPField nodename="limit" name="c" defaulvalue="9" replaceby="start" isExist="1"/></RegionCommon>
  </CPVer2>
  <CPVer3>
    <NA>
      <CPField nodename="setting" name="a" defaulvalue="3" replaceby="" isExist="1"/>
      <CPField nodename="setting" name="b" defaulvalue="0" replaceby="" isExist="1"/>
      <CPField nodename="limit" name="d" defaulvalue="7" replaceby="" isExist="1"/>
      <CPTag parentNode="setting" name="preset" isExist="1"/>
    </NA>
    <RegionCommon>
      <CPField nodename="limit" name="c" defaulvalue="9" replaceby="start" isExist="1"/>
      <!-- a common rule of a name the region also has: the region's wins -->
      <CPField nodename="channel" name="d" defaulvalue="8" replaceby="" isExist="1"/>
    </RegionCommon>
  </CPVer3>)";

TEST(CollectAddedFields, NewestVersionKeepsEverything)
{
    EXPECT_TRUE(collect(kThreeVersions, 3).isEmpty());
}

TEST(CollectAddedFields, OlderVersionsGainWhatNewerVersionsHave)
{
    EXPECT_EQ(names(collect(kThreeVersions, 2)), QStringList({ "CPField:d", "CPTag:preset" }));
    EXPECT_EQ(names(collect(kThreeVersions, 1)),
        QStringList({ "CPField:b", "CPField:d", "CPTag:preset", "CPField:c" }));
}

TEST(CollectAddedFields, TheFirstRuleMetForANameWinsNewestFirst)
{
    const QList<XmlNode> rules = collect(kThreeVersions, 1);
    // d comes from version 3's region rules (limit), not its common rule.
    EXPECT_EQ(rules[1].attributeOr("nodename"), "limit");
}

TEST(CollectAddedFields, AVersionWithoutItsElementGainsEveryExistingRule)
{
    EXPECT_EQ(names(collect(kThreeVersions, 0)),
        QStringList({ "CPField:a", "CPField:b", "CPField:d", "CPTag:preset", "CPField:c" }));
}

TEST(CollectAddedFields, AVersionNewerThanAllDescribedKeepsItsFields)
{
    // Adding would replace the profile's own values by defaults and drop
    // them again on save.
    EXPECT_TRUE(collect(kThreeVersions, 4).isEmpty());
}

TEST(CollectAddedFields, OnlyOneVersionAddsNothing)
{
    EXPECT_TRUE(
        collect("<CPVer1><NA><CPField nodename=\"setting\" name=\"a\" isExist=\"0\"/></NA></CPVer1>", 1)
            .isEmpty());
    EXPECT_TRUE(
        collect("<CPVer1><NA><CPField nodename=\"setting\" name=\"a\" isExist=\"1\"/></NA></CPVer1>", 0)
            .isEmpty());
}

TEST(CollectAddedFields, TheOwnVersionAddsWhatItSaysItLacks)
{
    const QString versions = R"(<CPVer1/><CPVer2><NA>
        <CPField nodename="setting" name="gone" defaulvalue="x" replaceby="" isExist="0"/></NA></CPVer2>)";
    EXPECT_EQ(names(collect(versions, 2)), QStringList({ "CPField:gone" }));
    EXPECT_TRUE(collect(versions, 1).isEmpty());
}

TEST(CollectAddedFields, NoRulesDocumentMeansNoConversion)
{
    XmlDocument work = scratch();
    EXPECT_TRUE(VersionConversion::CollectAddedFields(work, VersionRuleSource {}, 1).isEmpty());
    EXPECT_TRUE(collect(QString(), 1).isEmpty());
}

class ApplyAddedFields : public ::testing::Test {
protected:
    XmlDocument profile = parse("<VelaProfile xmlns=\"" + kNs
        + "\"><limit start=\"150\" c=\"old\"/>"
          "<setting a=\"5\"/><setting/></VelaProfile>");
    QList<XmlNode> rules = collect(kThreeVersions, 1);
};

TEST_F(ApplyAddedFields, AttributesAreAddedWithDefaultsOrTheirReplacement)
{
    VersionConversion::ApplyAddedFields(profile, rules, false);
    const QList<XmlNode> settings = profile.selectNodes("//dfns:setting");
    EXPECT_EQ(settings[0].attributeOr("b"), "0");
    EXPECT_EQ(settings[1].attributeOr("b"), "0");
    const XmlNode limit = profile.selectSingleNode("//dfns:limit");
    EXPECT_EQ(limit.attributeOr("d"), "7");
    // replaceby names a non-empty attribute: its value, replacing "old".
    EXPECT_EQ(limit.attributeOr("c"), "150");
    // Element rules only for templates.
    EXPECT_TRUE(profile.selectNodes("//dfns:preset").isEmpty());
}

TEST_F(ApplyAddedFields, EmptyReplacementFallsBackToTheDefault)
{
    profile.selectSingleNode("//dfns:limit").setAttribute("start", "");
    VersionConversion::ApplyAddedFields(profile, rules, false);
    EXPECT_EQ(profile.selectSingleNode("//dfns:limit").attributeOr("c"), "9");
}

TEST_F(ApplyAddedFields, ElementRulesApplyToTemplatesAndSaveRemovesEverything)
{
    VersionConversion::ApplyAddedFields(profile, rules, true);
    ASSERT_EQ(profile.selectNodes("//dfns:setting/dfns:preset").size(), 2);
    VersionConversion::RemoveAddedFields(profile, rules);
    EXPECT_TRUE(profile.selectNodes("//dfns:preset").isEmpty());
    const XmlNode limit = profile.selectSingleNode("//dfns:limit");
    EXPECT_FALSE(limit.hasAttribute("c")); // even the one the source had
    EXPECT_FALSE(limit.hasAttribute("d"));
    EXPECT_EQ(limit.attributeOr("start"), "150");
    EXPECT_EQ(profile.selectNodes("//dfns:setting")[0].attributeOr("a"), "5");
}

TEST_F(ApplyAddedFields, KeptFieldsTheProfileLacksGetTheirRuleValue)
{
    XmlDocument work = scratch();
    QList<XmlNode> kept;
    const QList<XmlNode> added = VersionConversion::CollectAddedFields(
        work, VersionRuleSource { parse(rulesText(kThreeVersions)), "NA" }, 3, &kept);
    EXPECT_TRUE(added.isEmpty());
    VersionConversion::CompleteKeptFields(profile, kept);
    const XmlNode limit = profile.selectSingleNode("//dfns:limit");
    EXPECT_EQ(limit.attributeOr("c"), "old"); // present: left as it is
    EXPECT_EQ(limit.attributeOr("d"), "7");
    const QList<XmlNode> settings = profile.selectNodes("//dfns:setting");
    EXPECT_EQ(settings[0].attributeOr("a"), "5");
    EXPECT_EQ(settings[1].attributeOr("a"), "3");
    EXPECT_TRUE(profile.selectNodes("//dfns:preset").isEmpty()); // element rules are not completed
}

TEST_F(ApplyAddedFields, SaveRemovesElementsOfTagRulesThatLoadingDidNotAdd)
{
    XmlNode setting = profile.selectSingleNode("//dfns:setting");
    setting.appendChild(profile.createElement("preset", kNs));
    VersionConversion::RemoveAddedFields(profile, rules);
    EXPECT_TRUE(profile.selectNodes("//dfns:preset").isEmpty());
}

} // namespace
