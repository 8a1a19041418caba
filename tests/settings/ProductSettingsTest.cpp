// Checks of the settings documents this product ships in data/lib and of the
// English help pages: every editor finds its controls, help pages and
// feature lists, and the documents agree with each other and with the
// profile schema.

#include "base/ProfileNamespaces.h"
#include "base/TextFile.h"
#include "model/VersionConversion.h"
#include "settings/SettingsDocuments.h"
#include "xml/XmlDocument.h"

#include "RecordingReporter.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const QString kProfileNs = QString::fromLatin1(vela::kProfileNamespace);
const QString kDataDir = QStringLiteral(VELA_DATA_DIR);

QString readDataFile(const QString &relativePath)
{
    QFile file(kDataDir + QLatin1Char('/') + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// The anchors of the control paragraphs (<dt id="...">) of a help page.
QStringList paragraphAnchors(const QString &language, const QString &page)
{
    const QString text = readDataFile(QStringLiteral("help/%1/%2").arg(language, page));
    QStringList anchors;
    const QRegularExpression paragraph(QStringLiteral("<dt id=\"([^\"]+)\">"));
    for (auto it = paragraph.globalMatch(text); it.hasNext();)
        anchors << it.next().captured(1);
    return anchors;
}

// A shipped document parsed as the program parses it, with dfns bound.
XmlDocument loadDocument(const QString &relativePath)
{
    XmlDocument document;
    document.setNamespace(QStringLiteral("dfns"), kProfileNs);
    document.setNamespace(QStringLiteral("xs"), QString::fromLatin1(kXsdNamespace));
    const QString text = readDataFile(relativePath);
    EXPECT_FALSE(text.isEmpty()) << relativePath.toStdString() << " is missing or empty";
    EXPECT_TRUE(document.loadXml(text))
        << relativePath.toStdString() << ": " << document.parseError().reason.toStdString() << " at line "
        << document.parseError().line;
    return document;
}

XmlDocument libDocument(const char *fileName)
{
    return loadDocument(QStringLiteral("lib/") + QLatin1String(fileName));
}

// Child elements only; comments are never settings.
QList<XmlNode> elementChildren(const XmlNode &node)
{
    return node.isNull() ? QList<XmlNode>() : node.childElements();
}

QString regionName()
{
    return libDocument("Region.stv")
        .selectSingleNode(QStringLiteral("//dfns:Region"))
        .attributeOr(QStringLiteral("name"));
}

struct ViewKeys {
    const char *visibleKey;
    const char *helpKey;
    std::vector<int> layout; // the editor's layout table
};

// The editors: their keys in the visibility and help documents and the
// control ids of their layout tables.
const std::vector<ViewKeys> &views()
{
    static const std::vector<ViewKeys> table = {
        { "RadioProfile", "RadioInfo",
            { 1013, 1001, 1066, 1002, 1011, 1003, 1012, 1004, 1014, 1005, 1015, 1008, 1018, 1007, 1017, 1006,
                1016 } },
        { "Settings", "GeneralSettings",
            { 1048, 1050, 1059, 1051, 1002, 1052, 1003, 1054, 1004, 1058, 1061, 1053, 1037, 1055, 1039, 1057,
                1041, 1024, 1040, 1056, 1060, 1062, 1005, 1066, 1006, 1064, 1063, 1065, 1038, 1016, 1026,
                1018, 1028, 1049, 1019, 1029 } },
        { "AudioSettings", "AudioSettings",
            { 1019, 1020, 1025, 1021, 1026, 1022, 1027, 1023, 1028, 1029, 1030, 1024, 1017, 1014, 1018 } },
        { "Buttons", "Buttons",
            { 1075, 1054, 1038, 1058, 1004, 1009, 1001, 1010, 1002, 1011, 1003, 1012, 1005, 1013, 1006, 1041,
                1016, 1017, 1014, 1007, 1015, 1008, 1029, 1030 } },
        { "Frequency", "RFFrequency",
            { 1069, 1041, 1065, 1066, 1067, 1070, 1073, 1071, 1063, 1072, 1064, 1074, 1068 } },
        { "Channels", "Channels", { 1061, 1041, 1068 } },
        { "Channel", "Channel",
            { 1058, 1009, 1085, 1010, 1032, 1111, 1114, 1003, 1016, 1004, 1018, 1086, 1031, 1028, 1008, 1019,
                1113, 1115, 1025, 1017, 1026, 1020, 1087, 1030, 1021, 1029, 1022, 1005, 1023, 1006, 1024,
                1076, 1011, 1033, 1007, 1027 } },
        { "ScanList", "ScanList", { 1035, 1036, 1047, 1036, 1033, 1034, 1033, 1037, 1048 } },
        { "CustomizedPL", "CustomizedPL",
            { 1077, 1078, 1084, 1079, 1085, 1080, 1086, 1081, 1087, 1082, 1088, 1083, 1089 } },
        { "CustomizedDPL", "CustomizedDPL",
            { 1090, 1091, 1092, 1093, 1094, 1095, 1096, 1097, 1098, 1099, 1100, 1101, 1102 } },
    };
    return table;
}

// The controls a view shows on a model of one kind ("Display" or
// "NonDisplay"), read the way the editors read the visibility document.
// Malformed entries are reported as test failures.
QSet<int> visibleControls(
    const XmlDocument &visible, const QString &region, const QString &key, const QString &kind)
{
    QSet<int> ids;
    auto addControl = [&](const XmlNode &control) {
        EXPECT_EQ(control.localName(), QStringLiteral("Control")) << key.toStdString();
        bool numeric = false;
        const int id = control.attributeOr(QStringLiteral("ID")).toInt(&numeric);
        EXPECT_TRUE(numeric) << key.toStdString() << ": ID "
                             << control.attributeOr(QStringLiteral("ID")).toStdString();
        EXPECT_EQ(control.attributeOr(QStringLiteral("isVisible")), QStringLiteral("1"))
            << key.toStdString() << " " << id;
        if (control.attributeOr(QStringLiteral("isVisible")).toInt() != 0)
            ids.insert(id);
    };
    for (const XmlNode &child :
        visible.selectNodes(QStringLiteral("//dfns:%1/dfns:%2/dfns:*").arg(region, key))) {
        const QString name = child.localName();
        if (name == QStringLiteral("Display") || name == QStringLiteral("NonDisplay")) {
            if (name == kind) {
                for (const XmlNode &control : elementChildren(child))
                    addControl(control);
            }
        } else {
            addControl(child);
        }
    }
    return ids;
}

QSet<int> visibleToAnyModel(const XmlDocument &visible, const QString &region, const QString &key)
{
    return visibleControls(visible, region, key, QStringLiteral("Display"))
        | visibleControls(visible, region, key, QStringLiteral("NonDisplay"));
}

// The complex type that the schema gives the profile element name.
XmlNode schemaTypeOf(const XmlDocument &schema, const QString &element)
{
    const QString type = schema.selectSingleNode(QStringLiteral("//xs:element[@name='%1']").arg(element))
                             .attributeOr(QStringLiteral("type"));
    return schema.selectSingleNode(QStringLiteral("//xs:complexType[@name='%1']").arg(type));
}

XmlNode schemaAttribute(const XmlDocument &schema, const QString &element, const QString &attribute)
{
    const XmlNode type = schemaTypeOf(schema, element);
    return type.isNull() ? XmlNode()
                         : type.selectSingleNode(QStringLiteral("xs:attribute[@name='%1']").arg(attribute));
}

} // namespace

// ---------------------------------------------------------------- Region.stv

TEST(ProductRegion, RegionNameNamesTheEntriesOfTheOtherDocuments)
{
    const QString region = regionName();
    ASSERT_TRUE(QRegularExpression(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$")).match(region).hasMatch())
        << "region name must be usable as an element name: '" << region.toStdString() << "'";

    const XmlDocument visible = libDocument("VisibleSetting.stv");
    EXPECT_EQ(visible.selectNodes(QStringLiteral("//dfns:%1").arg(region)).size(), 1);

    const XmlDocument upDown = libDocument("UpDownGradeSetting.stv");
    const QList<XmlNode> versions = upDown.selectNodes(QStringLiteral("//dfns:CodePlugSetting/dfns:*"));
    ASSERT_FALSE(versions.isEmpty());
    for (const XmlNode &version : versions) {
        EXPECT_FALSE(version.selectSingleNode(QStringLiteral("dfns:%1").arg(region)).isNull())
            << version.localName().toStdString();
        EXPECT_FALSE(version.selectSingleNode(QStringLiteral("dfns:RegionCommon")).isNull())
            << version.localName().toStdString();
    }
}

TEST(ProductRegion, SupportedRegionsHaveProductNames)
{
    const XmlDocument doc = libDocument("Region.stv");
    EXPECT_FALSE(doc.selectSingleNode(QStringLiteral("//dfns:ProductVersion"))
                     .attributeOr(QStringLiteral("value"))
                     .isEmpty());

    QStringList codes;
    for (const XmlNode &entry : doc.selectNodes(QStringLiteral("//dfns:Support/dfns:*")))
        codes << entry.attributeOr(QStringLiteral("num"));
    for (const char *required : { "00", "04", "70", "73" })
        EXPECT_TRUE(codes.contains(QLatin1String(required))) << required;
    // Region codes are the two last digits of a model code, compared as text.
    for (const QString &code : codes)
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9]{2}$")).match(code).hasMatch())
            << code.toStdString();
    EXPECT_EQ(QSet<QString>(codes.begin(), codes.end()).size(), codes.size()) << "duplicate region code";

    QMap<int, QString> names;
    for (const XmlNode &entry : doc.selectNodes(QStringLiteral("//dfns:ModelRegions/dfns:*"))) {
        bool numeric = false;
        const int number = entry.attributeOr(QStringLiteral("code")).toInt(&numeric);
        EXPECT_TRUE(numeric) << entry.attributeOr(QStringLiteral("code")).toStdString();
        EXPECT_FALSE(names.contains(number)) << "region " << number << " named twice";
        names.insert(number, entry.attributeOr(QStringLiteral("name")));
    }
    for (const QString &code : codes)
        EXPECT_FALSE(names.value(code.toInt()).trimmed().isEmpty())
            << "no product name for region " << code.toStdString();
}

TEST(ProductRegion, EveryLanguageOfTheMenuHasADisplayName)
{
    const XmlDocument doc = libDocument("Region.stv");
    const QStringList keys = { "CaFrench", "Chinese", "Dutch", "English", "French", "German", "Italian",
        "LaPortuguese", "LaSpanish", "Polish", "Portuguese", "Russian", "Spanish" };
    QStringList offered;
    QSet<QString> displayNames;
    for (const XmlNode &language : doc.selectNodes(QStringLiteral("//dfns:SupportLanguages/dfns:*"))) {
        EXPECT_EQ(language.localName(), QStringLiteral("language"));
        offered << language.attributeOr(QStringLiteral("name"));
        const QString display = language.attributeOr(QStringLiteral("displayName")).trimmed();
        EXPECT_FALSE(display.isEmpty()) << language.attributeOr(QStringLiteral("name")).toStdString();
        EXPECT_FALSE(displayNames.contains(display)) << "two languages shown as " << display.toStdString();
        displayNames.insert(display);
    }
    QStringList sortedOffered = offered;
    sortedOffered.sort();
    EXPECT_EQ(sortedOffered, keys);
}

TEST(ProductRegion, CodeplugVersionIsTheNewestVersionOfTheHistory)
{
    bool numeric = false;
    const int newest = libDocument("Region.stv")
                           .selectSingleNode(QStringLiteral("//dfns:CPVersion"))
                           .text()
                           .trimmed()
                           .toInt(&numeric);
    ASSERT_TRUE(numeric);

    // Version elements are read by position: CPVer1 first, none left out.
    const QList<XmlNode> versions
        = libDocument("UpDownGradeSetting.stv").selectNodes(QStringLiteral("//dfns:CodePlugSetting/dfns:*"));
    ASSERT_EQ(versions.size(), newest);
    for (int i = 0; i < versions.size(); ++i)
        EXPECT_EQ(versions[i].localName(), QStringLiteral("CPVer%1").arg(i + 1));
}

TEST(ProductRegion, TheProgramLoadsTheShippedDocuments)
{
    ScopedConfig config;
    RecordingReporter reporter;
    CSettingsDocuments documents;
    ASSERT_TRUE(documents.load()) << reporter.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(reporter.messages.isEmpty());
    EXPECT_EQ(documents.regionName(), regionName());
    for (const QString &code : documents.supportedRegions())
        EXPECT_TRUE(documents.regionNames().contains(code.toInt())) << code.toStdString();
    for (const QString &language : documents.supportedLanguages())
        EXPECT_NE(documents.languageDisplayName(language), QStringLiteral(" ")) << language.toStdString();
    EXPECT_FALSE(documents.visibleSettings(QStringLiteral("Channel")).isEmpty());
    QString page;
    EXPECT_TRUE(documents.helpPage(QStringLiteral("Channel"), QStringLiteral("1085"), page));
    EXPECT_FALSE(page.isEmpty());
}

// ------------------------------------------------ VisibleSetting.stv, HelpPanMap.stv

TEST(EditorVisibility, EveryViewListsItsLayoutControls)
{
    const XmlDocument visible = libDocument("VisibleSetting.stv");
    const QString region = regionName();

    QStringList keys;
    for (const XmlNode &view :
        elementChildren(visible.selectSingleNode(QStringLiteral("//dfns:%1").arg(region))))
        keys << view.localName();
    QStringList expectedKeys;
    for (const ViewKeys &view : views())
        expectedKeys << QLatin1String(view.visibleKey);
    keys.sort();
    expectedKeys.sort();
    EXPECT_EQ(keys, expectedKeys) << "an unknown key is a view that never shows anything";

    for (const ViewKeys &view : views()) {
        const QString key = QLatin1String(view.visibleKey);
        const QSet<int> shown = visibleToAnyModel(visible, region, key);
        for (int id : view.layout)
            EXPECT_TRUE(shown.contains(id)) << view.visibleKey << " hides control " << id;
        // The page title carries the focus and the title band on every model.
        const int title = view.layout.front();
        EXPECT_TRUE(visibleControls(visible, region, key, QStringLiteral("Display")).contains(title))
            << view.visibleKey;
        EXPECT_TRUE(visibleControls(visible, region, key, QStringLiteral("NonDisplay")).contains(title))
            << view.visibleKey;
    }
}

TEST(EditorVisibility, ModelGroupsHoldOnlyControlsOfOneKindOfModel)
{
    const XmlDocument visible = libDocument("VisibleSetting.stv");
    const QString region = regionName();
    for (const ViewKeys &view : views()) {
        QSet<int> common;
        QMap<QString, QSet<int>> grouped;
        for (const XmlNode &child : visible.selectNodes(
                 QStringLiteral("//dfns:%1/dfns:%2/dfns:*").arg(region, QLatin1String(view.visibleKey)))) {
            const QString name = child.localName();
            if (name == QStringLiteral("Control")) {
                const int id = child.attributeOr(QStringLiteral("ID")).toInt();
                EXPECT_FALSE(common.contains(id)) << view.visibleKey << " lists " << id << " twice";
                common.insert(id);
                continue;
            }
            ASSERT_TRUE(name == QStringLiteral("Display") || name == QStringLiteral("NonDisplay"))
                << view.visibleKey << ": unexpected element " << name.toStdString();
            for (const XmlNode &control : elementChildren(child))
                grouped[name].insert(control.attributeOr(QStringLiteral("ID")).toInt());
        }
        for (auto it = grouped.cbegin(); it != grouped.cend(); ++it) {
            for (int id : it.value())
                EXPECT_FALSE(common.contains(id)) << view.visibleKey << " lists " << id
                                                  << " for every model and in " << it.key().toStdString();
        }
        for (int id : grouped.value(QStringLiteral("Display")))
            EXPECT_FALSE(grouped.value(QStringLiteral("NonDisplay")).contains(id))
                << view.visibleKey << " " << id << " belongs to both kinds";
    }
}

TEST(HelpPages, EveryShownControlHasAnExistingHelpPage)
{
    const XmlDocument visible = libDocument("VisibleSetting.stv");
    const XmlDocument help = libDocument("HelpPanMap.stv");
    const QString region = regionName();
    const QDir pages(kDataDir + QStringLiteral("/help/English"));
    const QString index = readDataFile(QStringLiteral("help/English/index.html"));
    ASSERT_FALSE(index.isEmpty()) << "no help index page";

    for (const ViewKeys &view : views()) {
        const QString helpKey = QLatin1String(view.helpKey);
        const QSet<int> shown = visibleToAnyModel(visible, region, QLatin1String(view.visibleKey));
        ASSERT_FALSE(shown.isEmpty()) << view.visibleKey;
        for (int id : shown) {
            const XmlNode map
                = help.selectSingleNode(QStringLiteral("//dfns:%1/dfns:map[@id='%2']").arg(helpKey).arg(id));
            ASSERT_FALSE(map.isNull()) << helpKey.toStdString() << " has no page for control " << id;
            const QString topic = map.attributeOr(QStringLiteral("pageName"));
            const QString page = topic.section(QLatin1Char('#'), 0, 0);
            const QString anchor = topic.section(QLatin1Char('#'), 1);
            EXPECT_FALSE(page.contains(QLatin1Char('/')) || page.contains(QLatin1Char('\\')))
                << page.toStdString();
            EXPECT_TRUE(QFileInfo(pages.filePath(page)).isFile())
                << helpKey.toStdString() << " " << id << ": " << page.toStdString();
            EXPECT_TRUE(index.contains(QStringLiteral("href=\"%1\"").arg(page)))
                << "index does not lead to " << page.toStdString();
            EXPECT_TRUE(
                anchor.isEmpty() || paragraphAnchors(QStringLiteral("English"), page).contains(anchor))
                << helpKey.toStdString() << " " << id << ": no paragraph " << topic.toStdString();
        }
        // An entry for a control the view never shows is a stale topic.
        for (const XmlNode &map : help.selectNodes(QStringLiteral("//dfns:%1/dfns:map").arg(helpKey)))
            EXPECT_TRUE(shown.contains(map.attributeOr(QStringLiteral("id")).toInt()))
                << helpKey.toStdString() << " maps control "
                << map.attributeOr(QStringLiteral("id")).toStdString() << " that the view does not show";
    }
}

// A translated page holds the paragraphs of the English one, so the help
// pane finds a control's paragraph in every language.
TEST(HelpPages, TranslatedPagesHoldTheEnglishParagraphs)
{
    const QDir help(kDataDir + QStringLiteral("/help"));
    const QStringList languages = help.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GT(languages.size(), 1);
    for (const QString &language : languages) {
        for (const QString &page : QDir(help.filePath(language)).entryList({ QStringLiteral("*.html") })) {
            EXPECT_EQ(paragraphAnchors(language, page), paragraphAnchors(QStringLiteral("English"), page))
                << language.toStdString() << "/" << page.toStdString();
        }
    }
}

TEST(HelpPages, PagesAreTitledAndLinkOnlyToExistingPages)
{
    const QDir pages(kDataDir + QStringLiteral("/help/English"));
    const QStringList files = pages.entryList({ QStringLiteral("*.html") }, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
    for (const QString &file : files) {
        const QString text = readDataFile(QStringLiteral("help/English/") + file);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("<title>[^<]+</title>")).match(text).hasMatch())
            << file.toStdString();
        for (auto it = link.globalMatch(text); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(files.contains(target))
                << file.toStdString() << " links to missing " << target.toStdString();
        }
    }
}

// ------------------------------------------------------------- ButtonList.stv

namespace {

struct Feature {
    QString name;
    int value = -1;
    QString dependName;
    int dependType = 0;
};

QList<Feature> featureList(const XmlDocument &buttons, const char *list)
{
    QList<Feature> features;
    const QList<XmlNode> lists = buttons.selectNodes(QStringLiteral("//dfns:%1").arg(QLatin1String(list)));
    EXPECT_EQ(lists.size(), 1) << list;
    for (const XmlNode &item : elementChildren(lists.value(0))) {
        Feature feature;
        feature.name = item.attributeOr(QStringLiteral("Name"));
        bool numeric = false;
        feature.value = item.attributeOr(QStringLiteral("Value")).toInt(&numeric);
        EXPECT_TRUE(numeric) << list << " " << feature.name.toStdString();
        feature.dependName = item.attributeOr(QStringLiteral("DependName"));
        const QString dependType = item.attributeOr(QStringLiteral("DependType"));
        EXPECT_TRUE(dependType == QStringLiteral("0") || dependType == QStringLiteral("1"))
            << list << " " << feature.name.toStdString();
        feature.dependType = dependType.toInt();
        features << feature;
    }
    return features;
}

const QStringList kButtonAttributes
    = { "side1_but", "side2_but", "upper_right_but", "lower_left_but", "lower_right_but" };
// Buttons editor: the feature combo of each button, in the order above.
const QList<int> kButtonCombos = { 1001, 1002, 1003, 1005, 1006 };

// The profile templates of the product, read as the program reads them.
QMap<QString, XmlDocument> templates()
{
    QMap<QString, XmlDocument> documents;
    const QDir folder(kDataDir + QStringLiteral("/profiletemplate"));
    for (const QString &file : folder.entryList({ QStringLiteral("*.kv9") }, QDir::Files)) {
        QString text;
        EXPECT_TRUE(ReadTextFile(folder.filePath(file), text)) << file.toStdString();
        XmlDocument document;
        document.setNamespace(QStringLiteral("dfns"), kProfileNs);
        EXPECT_TRUE(document.loadXml(text))
            << file.toStdString() << ": " << document.parseError().reason.toStdString();
        documents.insert(file, document);
    }
    EXPECT_FALSE(documents.isEmpty()) << "no profile templates";
    return documents;
}

bool isDisplayModel(const XmlDocument &profile)
{
    const QString model = profile.selectSingleNode(QStringLiteral("//dfns:factory_setting"))
                              .attributeOr(QStringLiteral("model"));
    return model.mid(2, 1).compare(QStringLiteral("D"), Qt::CaseInsensitive) == 0;
}

// Whether a model with these limits offers feature value on a button that
// offers lists, the way the buttons editor fills its lists.
bool offers(const QList<QList<Feature>> &lists, const XmlNode &limit, int value)
{
    for (const QList<Feature> &list : lists) {
        for (const Feature &feature : list) {
            if (feature.value != value)
                continue;
            if (value == 3 && limit.attributeOr(QStringLiteral("max_call_tones")).toInt() <= 0)
                return false;
            if (feature.dependName == QStringLiteral("none"))
                return true;
            const bool set = limit.attributeOr(feature.dependName).toInt() != 0;
            return feature.dependType == 0 ? !set : set;
        }
    }
    return false;
}

} // namespace

TEST(ButtonFeatures, ListsCarryTranslatableFeaturesThatFitAButtonSlot)
{
    const XmlDocument buttons = libDocument("ButtonList.stv");
    const XmlDocument schema = loadDocument(QStringLiteral("profiletemplate/DataProfile.xsd"));
    // The names the editor translates; any other would be shown in English.
    const QStringList translated
        = { "Monitor", "Scan/Nuisance Channel Delete", "Call Tone", "Tx Power Selection", "Scramble",
              "Repeater/Talkaround", "No Operation", "Backlight", "Preset 1", "Preset 2" };
    QMap<int, QString> nameOfValue;
    for (const char *list : { "COMMON", "DISPLAY", "NONDISPLAY", "PREBUTTON" }) {
        const QList<Feature> features = featureList(buttons, list);
        EXPECT_FALSE(features.isEmpty()) << list;
        for (const Feature &feature : features) {
            EXPECT_TRUE(translated.contains(feature.name)) << list << ": " << feature.name.toStdString();
            EXPECT_GE(feature.value, 0) << feature.name.toStdString();
            EXPECT_LE(feature.value, 15) << feature.name.toStdString();
            if (nameOfValue.contains(feature.value)) {
                EXPECT_EQ(nameOfValue[feature.value], feature.name)
                    << "value " << feature.value << " has two names";
            }
            nameOfValue.insert(feature.value, feature.name);
            if (feature.dependName != QStringLiteral("none")) {
                EXPECT_FALSE(schemaAttribute(schema, QStringLiteral("limit"), feature.dependName).isNull())
                    << feature.name.toStdString() << " depends on an unknown limit "
                    << feature.dependName.toStdString();
            }
        }
    }
    EXPECT_EQ(nameOfValue.value(3), QStringLiteral("Call Tone"));
    EXPECT_EQ(nameOfValue.value(9), QStringLiteral("Preset 1"));
    EXPECT_EQ(nameOfValue.value(10), QStringLiteral("Preset 2"));
    EXPECT_EQ(nameOfValue.value(12), QStringLiteral("Scramble"));
    QSet<QString> names;
    for (const QString &name : nameOfValue) {
        EXPECT_FALSE(names.contains(name)) << name.toStdString() << " has two values";
        names.insert(name);
    }

    // The last common item is appended to every button as "no feature"; a
    // value 0 anywhere else would never be offered.
    const QList<Feature> common = featureList(buttons, "COMMON");
    ASSERT_FALSE(common.isEmpty());
    EXPECT_EQ(common.last().value, 0);
    for (const char *list : { "COMMON", "DISPLAY", "NONDISPLAY", "PREBUTTON" }) {
        const QList<Feature> features = featureList(buttons, list);
        for (int i = 0; i < features.size(); ++i) {
            if (features[i].value == 0) {
                EXPECT_TRUE(QLatin1String(list) == QLatin1String("COMMON") && i == features.size() - 1)
                    << list << " item " << i;
            }
        }
    }
    // The preset list is cut to the model's number of preset buttons, so its
    // order is the order of the presets.
    const QList<Feature> presets = featureList(buttons, "PREBUTTON");
    ASSERT_EQ(presets.size(), 2);
    EXPECT_EQ(presets[0].value, 9);
    EXPECT_EQ(presets[1].value, 10);
}

TEST(ButtonFeatures, PicturesAndDefaultsFitEachKindOfModel)
{
    const XmlDocument buttons = libDocument("ButtonList.stv");
    const XmlDocument visible = libDocument("VisibleSetting.stv");
    const QString region = regionName();
    const QList<Feature> common = featureList(buttons, "COMMON");
    const QList<Feature> presets = featureList(buttons, "PREBUTTON");

    for (const QString &kind : { QStringLiteral("Display"), QStringLiteral("NonDisplay") }) {
        const std::string k = kind.toStdString();
        const QString picture = buttons.selectSingleNode(QStringLiteral("//dfns:IMAGE/dfns:%1").arg(kind))
                                    .attributeOr(QStringLiteral("Name"));
        QFile file(kDataDir + QStringLiteral("/lib/") + picture);
        ASSERT_FALSE(picture.isEmpty()) << k;
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << picture.toStdString();
        EXPECT_TRUE(file.read(8) == QByteArray("\x89PNG\r\n\x1a\n", 8))
            << picture.toStdString() << " is not a PNG picture";

        const QSet<int> shown = visibleControls(visible, region, QStringLiteral("Buttons"), kind);
        const QList<Feature> front
            = featureList(buttons, kind == QStringLiteral("Display") ? "DISPLAY" : "NONDISPLAY");
        // A front-button list is only useful when the model shows a front button.
        EXPECT_TRUE(shown.contains(1003) || shown.contains(1005) || shown.contains(1006) || front.isEmpty())
            << k;

        QMap<QString, int> defaults;
        const QList<XmlNode> entries
            = elementChildren(buttons.selectSingleNode(QStringLiteral("//dfns:DEFAULTS/dfns:%1").arg(kind)));
        for (const XmlNode &button : entries)
            defaults.insert(button.attributeOr(QStringLiteral("Name")),
                button.attributeOr(QStringLiteral("Value")).toInt());
        EXPECT_EQ(entries.size(), kButtonAttributes.size()) << k << ": one default per button";
        QSet<int> used;
        for (int b = 0; b < kButtonAttributes.size(); ++b) {
            const QString &attribute = kButtonAttributes[b];
            ASSERT_TRUE(defaults.contains(attribute))
                << k << " has no default for " << attribute.toStdString();
            const int value = defaults[attribute];
            if (!shown.contains(kButtonCombos[b])) {
                EXPECT_EQ(value, 0) << k << ": a button the model lacks gets a feature, "
                                    << attribute.toStdString();
                continue;
            }
            if (value == 0)
                continue;
            QList<Feature> offered = common;
            if (b >= 2)
                offered << front << presets;
            EXPECT_TRUE(std::any_of(
                offered.begin(), offered.end(), [&](const Feature &f) { return f.value == value; }))
                << k << ": " << attribute.toStdString() << " defaults to feature " << value
                << " it does not offer";
            EXPECT_FALSE(used.contains(value))
                << k << ": feature " << value << " is the default of two buttons";
            used.insert(value);
        }
    }
}

TEST(ButtonFeatures, NewProfilesHoldTheDefaultsTheirModelOffers)
{
    const XmlDocument buttons = libDocument("ButtonList.stv");
    const QList<Feature> common = featureList(buttons, "COMMON");
    const QList<Feature> presets = featureList(buttons, "PREBUTTON");
    const QMap<QString, XmlDocument> profiles = templates();
    for (auto it = profiles.cbegin(); it != profiles.cend(); ++it) {
        const std::string file = it.key().toStdString();
        const bool display = isDisplayModel(it.value());
        const XmlNode limit = it.value().selectSingleNode(QStringLiteral("//dfns:limit"));
        const XmlNode setting = it.value().selectSingleNode(QStringLiteral("//dfns:setting"));
        const QList<Feature> front = featureList(buttons, display ? "DISPLAY" : "NONDISPLAY");
        const QList<Feature> ownPresets
            = presets.mid(0, limit.attributeOr(QStringLiteral("maxPresetButtons")).toInt());
        const QString kind = display ? QStringLiteral("Display") : QStringLiteral("NonDisplay");
        for (int b = 0; b < kButtonAttributes.size(); ++b) {
            const QString &attribute = kButtonAttributes[b];
            const int preferred
                = buttons
                      .selectSingleNode(QStringLiteral("//dfns:DEFAULTS/dfns:%1/dfns:Button[@Name='%2']")
                                            .arg(kind, attribute))
                      .attributeOr(QStringLiteral("Value"))
                      .toInt();
            const QList<QList<Feature>> lists = b < 2 ? QList<QList<Feature>> { common }
                                                      : QList<QList<Feature>> { common, front, ownPresets };
            const int expected = offers(lists, limit, preferred) ? preferred : 0;
            EXPECT_EQ(setting.attributeOr(attribute).toInt(), expected)
                << file << " " << attribute.toStdString();
        }
    }
}

// ---------------------------------------------------- UpDownGradeSetting.stv

namespace {

struct CollectedFields {
    QStringList names; // added on load, in order
    QList<XmlNode> rules;
};

CollectedFields collect(const XmlDocument &upDown, int version)
{
    XmlDocument scratch;
    scratch.setNamespace(QStringLiteral("dfns"), kProfileNs);
    scratch.setDocumentElement(scratch.createElement(QStringLiteral("root"), kProfileNs));
    CollectedFields fields;
    fields.rules
        = VersionConversion::CollectAddedFields(scratch, VersionRuleSource { upDown, regionName() }, version);
    for (const XmlNode &rule : fields.rules)
        fields.names << rule.attributeOr(QStringLiteral("name"));
    return fields;
}

// The fields a version states it has, region rules before common ones.
QSet<QString> fieldsOf(const XmlDocument &upDown, int version)
{
    QSet<QString> names;
    for (const QString &group : { regionName(), QStringLiteral("RegionCommon") }) {
        for (const XmlNode &rule : upDown.selectNodes(
                 QStringLiteral("//dfns:CPVer%1/dfns:%2/dfns:*[@isExist='1']").arg(version).arg(group)))
            names.insert(rule.attributeOr(QStringLiteral("name")));
    }
    return names;
}

// The attribute rules of one version applied to a profile element selection.
QStringList addedAttributes(const CollectedFields &fields)
{
    QStringList names;
    for (const XmlNode &rule : fields.rules) {
        if (rule.nodeName() == QStringLiteral("CPField"))
            names << rule.attributeOr(QStringLiteral("nodename")) + QLatin1Char('/')
                    + rule.attributeOr(QStringLiteral("name"));
    }
    return names;
}

std::shared_ptr<XmlSchemaCollection> profileSchema()
{
    auto schemas = std::make_shared<XmlSchemaCollection>();
    schemas->add(kProfileNs, loadDocument(QStringLiteral("profiletemplate/DataProfile.xsd")));
    return schemas;
}

} // namespace

TEST(CodeplugVersions, RulesNameOptionalSchemaAttributes)
{
    const XmlDocument upDown = libDocument("UpDownGradeSetting.stv");
    const XmlDocument schema = loadDocument(QStringLiteral("profiletemplate/DataProfile.xsd"));
    const QList<XmlNode> rules
        = upDown.selectNodes(QStringLiteral("//dfns:CodePlugSetting/dfns:*/dfns:*/dfns:*"));
    ASSERT_FALSE(rules.isEmpty());
    for (const XmlNode &rule : rules) {
        const QString name = rule.attributeOr(QStringLiteral("name"));
        const QString exists = rule.attributeOr(QStringLiteral("isExist"));
        EXPECT_TRUE(exists == QStringLiteral("0") || exists == QStringLiteral("1")) << name.toStdString();
        if (rule.nodeName() == QStringLiteral("CPTag")) {
            // Profile files never get the element on load, so it must be optional.
            const XmlNode parentType = schemaTypeOf(schema, rule.attributeOr(QStringLiteral("parentNode")));
            const XmlNode child = parentType.isNull()
                ? XmlNode()
                : parentType.selectSingleNode(QStringLiteral(".//xs:element[@name='%1']").arg(name));
            ASSERT_FALSE(child.isNull()) << "element " << name.toStdString() << " is not in the schema";
            EXPECT_EQ(child.attributeOr(QStringLiteral("minOccurs")), QStringLiteral("0"))
                << name.toStdString();
            continue;
        }
        // Rule kinds are compared by their full name, so no prefix either.
        ASSERT_EQ(rule.nodeName(), QStringLiteral("CPField"));
        const QString element = rule.attributeOr(QStringLiteral("nodename"));
        const XmlNode declared = schemaAttribute(schema, element, name);
        ASSERT_FALSE(declared.isNull())
            << element.toStdString() << "/@" << name.toStdString() << " is not in the schema";
        // The radio's profile text never carries version fields, so the
        // newest version must be valid without them.
        EXPECT_EQ(declared.attributeOr(QStringLiteral("use"), QStringLiteral("optional")),
            QStringLiteral("optional"))
            << name.toStdString();
        const QString replaceBy = rule.attributeOr(QStringLiteral("replaceby"));
        if (!replaceBy.isEmpty()) {
            EXPECT_FALSE(schemaAttribute(schema, element, replaceBy).isNull())
                << name.toStdString() << " copies unknown " << replaceBy.toStdString();
        }
    }
}

TEST(CodeplugVersions, EachVersionGainsExactlyTheFieldsItLacks)
{
    const XmlDocument upDown = libDocument("UpDownGradeSetting.stv");
    const int newest = upDown.selectNodes(QStringLiteral("//dfns:CodePlugSetting/dfns:*")).size();
    ASSERT_GE(newest, 3);
    const QSet<QString> newestFields = fieldsOf(upDown, newest);

    EXPECT_TRUE(collect(upDown, newest).names.isEmpty())
        << collect(upDown, newest).names.join(QLatin1Char(' ')).toStdString();
    for (int version = 1; version < newest; ++version) {
        QSet<QString> own = fieldsOf(upDown, version);
        EXPECT_TRUE(own.subtract(newestFields).isEmpty())
            << "version " << version << " has fields the newest lacks";
        const QStringList added = collect(upDown, version).names;
        EXPECT_EQ(QSet<QString>(added.begin(), added.end()), newestFields - fieldsOf(upDown, version))
            << "version " << version;
        EXPECT_EQ(QSet<QString>(added.begin(), added.end()).size(), added.size()) << "a field added twice";
    }
    // A newer version never loses a field of an older one.
    for (int version = 2; version <= newest; ++version) {
        QSet<QString> older = fieldsOf(upDown, version - 1);
        EXPECT_TRUE(older.subtract(fieldsOf(upDown, version)).isEmpty()) << "version " << version;
    }

    // The history this product ships.
    const QSet<QString> repeater = { "stationID", "rep_id_mode", "rep_hangtime", "courtesy_over" };
    const QSet<QString> ranges = { "rx_start_freq", "rx_end_freq", "tx_start_freq", "tx_end_freq" };
    const QSet<QString> battery = { "low_battery_tx", "onbatt_alert" };
    const QStringList v2 = collect(upDown, 2).names;
    const QStringList v1 = collect(upDown, 1).names;
    EXPECT_EQ(QSet<QString>(v2.begin(), v2.end()), repeater | ranges);
    EXPECT_EQ(QSet<QString>(v1.begin(), v1.end()), repeater | ranges | battery);
}

TEST(CodeplugVersions, OlderProfilesBecomeValidOnLoadAndKeepTheirShapeOnSave)
{
    const XmlDocument upDown = libDocument("UpDownGradeSetting.stv");
    const int newest = upDown.selectNodes(QStringLiteral("//dfns:CodePlugSetting/dfns:*")).size();
    const auto schemas = profileSchema();

    const QMap<QString, XmlDocument> profiles = templates();
    for (auto it = profiles.cbegin(); it != profiles.cend(); ++it) {
        const std::string file = it.key().toStdString();
        EXPECT_EQ(it.value()
                      .selectSingleNode(QStringLiteral("//dfns:factory_setting"))
                      .attributeOr(QStringLiteral("codeplug_version")),
            QString::number(newest))
            << file << ": new profiles are of the newest codeplug version";

        for (int version = 1; version <= newest; ++version) {
            // The same radio as a profile of this version: without the fields
            // the version lacks.
            XmlDocument working;
            working.setNamespace(QStringLiteral("dfns"), kProfileNs);
            ASSERT_TRUE(working.loadXml(it.value().xml()));
            working.selectSingleNode(QStringLiteral("//dfns:factory_setting"))
                .setAttribute(QStringLiteral("codeplug_version"), QString::number(version));
            const CollectedFields fields = collect(upDown, version);
            VersionConversion::RemoveAddedFields(working, fields.rules);
            const QString ownShape = working.xml();

            VersionConversion::ApplyAddedFields(working, fields.rules, true);
            for (const QString &field : addedAttributes(fields)) {
                const QStringList parts = field.split(QLatin1Char('/'));
                for (const XmlNode &element : working.selectNodes(QStringLiteral("//dfns:%1").arg(parts[0])))
                    EXPECT_TRUE(element.hasAttribute(parts[1]))
                        << file << " version " << version << " lacks " << field.toStdString();
            }
            XmlDocument validated;
            validated.setNamespace(QStringLiteral("dfns"), kProfileNs);
            validated.attachSchemas(schemas);
            EXPECT_TRUE(validated.loadXml(working.xml()))
                << file << " version " << version << ": " << validated.parseError().reason.toStdString();

            // Older radios receive and transmit over their whole range.
            const XmlNode limit = working.selectSingleNode(QStringLiteral("//dfns:limit"));
            for (const char *side : { "rx", "tx" }) {
                for (const char *edge : { "start_freq", "end_freq" }) {
                    const QString name
                        = QStringLiteral("%1_%2").arg(QLatin1String(side), QLatin1String(edge));
                    if (fields.names.contains(name)) {
                        EXPECT_EQ(limit.attributeOr(name), limit.attributeOr(QLatin1String(edge)))
                            << file << " " << name.toStdString();
                    }
                }
            }

            VersionConversion::RemoveAddedFields(working, fields.rules);
            EXPECT_EQ(working.xml(), ownShape)
                << file << " version " << version << " is not saved in its own shape";
        }
    }
}
