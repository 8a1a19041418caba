// Profiles of every codeplug version the product knows, converted with the
// shipped version history and schema: they load, come back unchanged from a
// save and a reopen, and are saved in their own shape.

#include "ProductFixture.h"

#include "base/ProfileNamespaces.h"
#include "base/TextFile.h"
#include "codeplug/DataAdaptor.h"

#include <QDir>
#include <QSet>

namespace {

const QString kNs = QString::fromLatin1(vela::kProfileNamespace);
const int kNewestVersion = 3;

XmlDocument parseProfile(const QString &text)
{
    XmlDocument document;
    document.setNamespace(QStringLiteral("dfns"), kNs);
    EXPECT_TRUE(document.loadXml(text)) << document.parseError().reason.toStdString();
    return document;
}

// One element of a profile: its name (with its position among the elements
// of that name) and its attributes.
struct CanonicalElement {
    QString name;
    QMap<QString, QString> attributes;
};

void describe(const XmlNode &element, QList<CanonicalElement> &elements, QMap<QString, int> &seen)
{
    const QString name = element.namespaceUri() == kNs
        ? element.localName()
        : QStringLiteral("{%1}%2").arg(element.namespaceUri(), element.localName());
    CanonicalElement entry { QStringLiteral("%1[%2]").arg(name).arg(seen[name]++), {} };
    for (const QString &attribute : element.attributeNames())
        entry.attributes.insert(attribute, element.attributeOr(attribute));
    elements << entry;
    for (const XmlNode &child : element.childElements())
        describe(child, elements, seen);
}

// Every element of a profile in document order.
QList<CanonicalElement> canonical(const QString &text)
{
    const XmlDocument document = parseProfile(text);
    QList<CanonicalElement> elements;
    QMap<QString, int> seen;
    if (!document.isEmpty())
        describe(document.documentElement(), elements, seen);
    return elements;
}

// Where two profiles differ, element by element and attribute by attribute
// ("" when they are the same), so that a failure names only what changed.
// Attributes named in ignored are not compared.
std::string differences(const QString &actual, const QString &expected, const QSet<QString> &ignored = {})
{
    const QList<CanonicalElement> have = canonical(actual);
    const QList<CanonicalElement> want = canonical(expected);
    const auto shown = [](const QMap<QString, QString> &attributes, const QString &name) {
        return attributes.contains(name) ? QStringLiteral("\"%1\"").arg(attributes.value(name))
                                         : QStringLiteral("absent");
    };
    QString report;
    for (qsizetype i = 0; i < std::max(have.size(), want.size()); ++i) {
        if (i >= have.size() || i >= want.size() || have[i].name != want[i].name) {
            report += QStringLiteral("\n  element %1: expected %2, actual %3")
                          .arg(i)
                          .arg(i < want.size() ? want[i].name : QStringLiteral("none"),
                              i < have.size() ? have[i].name : QStringLiteral("none"));
            break;
        }
        QStringList names = have[i].attributes.keys() + want[i].attributes.keys();
        names.removeDuplicates();
        names.sort();
        for (const QString &name : names) {
            if (!ignored.contains(name)
                && have[i].attributes.value(name, QStringLiteral("\x01"))
                    != want[i].attributes.value(name, QStringLiteral("\x01")))
                report += QStringLiteral("\n  %1 %2: expected %3, actual %4")
                              .arg(have[i].name, name, shown(want[i].attributes, name),
                                  shown(have[i].attributes, name));
        }
    }
    return report.toStdString();
}

// What a save does to the profile: sub_region becomes 2 and, with the
// repeater feature disabled, every channel transmits as it receives.
QString afterSave(const QString &text)
{
    XmlDocument document = parseProfile(text);
    document.selectSingleNode(QStringLiteral("//dfns:factory_setting"))
        .setAttribute(QStringLiteral("sub_region"), QStringLiteral("2"));
    if (document.selectSingleNode(QStringLiteral("//dfns:limit"))
            .attributeOr(QStringLiteral("disable_repeater_feature"))
        == QLatin1String("1")) {
        for (XmlNode channel : document.selectNodes(QStringLiteral("//dfns:channels/dfns:channel"))) {
            for (const char *field : { "code", "freq_ndx", "bw" })
                channel.setAttribute(QStringLiteral("tx_%1").arg(QLatin1String(field)),
                    channel.attributeOr(QStringLiteral("rx_%1").arg(QLatin1String(field))));
        }
    }
    return document.xml();
}

QStringList templateNames()
{
    QStringList names = QDir(dataPath(QStringLiteral("profiletemplate")))
                            .entryList({ QStringLiteral("*.kv9") }, QDir::Files, QDir::Name);
    for (QString &name : names)
        name.chop(4);
    return names;
}

// A field of the version history: the element it belongs to and its name.
struct VersionField {
    QString element;
    QString name;
    bool operator==(const VersionField &other) const
    {
        return element == other.element && name == other.name;
    }
};
size_t qHash(const VersionField &field, size_t seed = 0)
{
    return qHashMulti(seed, field.element, field.name);
}

// "element/name" of each field, sorted, for comparisons that print well.
std::string listed(const QSet<VersionField> &fieldSet)
{
    QStringList names;
    for (const VersionField &field : fieldSet)
        names << field.element + QLatin1Char('/') + field.name;
    names.sort();
    return names.join(QLatin1Char(' ')).toStdString();
}

class VersionRoundTripTest : public ProductFixture {
protected:
    // What the version conversions make of a profile, without the rules
    // that showing it runs.
    VersionRoundTripTest() { m_loadTimeRules = false; }

    // The attribute fields that version marks isExist (for this product's
    // region and for every region); version 0 means any version.
    QSet<VersionField> fields(int version, const char *isExist = nullptr) const
    {
        const XmlDocument &history = m_context.settings().upDownGradeDocument();
        const QString versionStep
            = version > 0 ? QStringLiteral("dfns:CPVer%1").arg(version) : QStringLiteral("dfns:*");
        const QString condition
            = isExist ? QStringLiteral("[@isExist='%1']").arg(QLatin1String(isExist)) : QString();
        QSet<VersionField> result;
        for (const QString &group : { m_context.settings().regionName(), QStringLiteral("RegionCommon") }) {
            const QString path = QStringLiteral("//dfns:CodePlugSetting/%1/dfns:%2/dfns:CPField%3")
                                     .arg(versionStep, group, condition);
            for (const XmlNode &rule : history.selectNodes(path))
                result.insert({ rule.attributeOr(QStringLiteral("nodename")),
                    rule.attributeOr(QStringLiteral("name")) });
        }
        return result;
    }

    // The fields of fieldSet that some element of text carries.
    static QSet<VersionField> presentIn(const QString &text, const QSet<VersionField> &fieldSet)
    {
        const XmlDocument document = parseProfile(text);
        QSet<VersionField> present;
        for (const VersionField &field : fieldSet) {
            for (const XmlNode &element :
                document.selectNodes(QStringLiteral("//dfns:%1").arg(field.element))) {
                if (element.hasAttribute(field.name))
                    present.insert(field);
            }
        }
        return present;
    }

    // The template as the image conversion would write it for a radio of
    // codeplug version: none of the version fields, which no image carries.
    QString imageLikeText(const QString &model, int version) const
    {
        XmlDocument document = parseProfile(templateText(model));
        document.selectSingleNode(QStringLiteral("//dfns:factory_setting"))
            .setAttribute(QStringLiteral("codeplug_version"), QString::number(version));
        for (const VersionField &field : fields(0)) {
            for (XmlNode element : document.selectNodes(QStringLiteral("//dfns:%1").arg(field.element)))
                element.removeAttribute(field.name);
        }
        return document.xml();
    }

    // The text the image conversion writes for the template's image with
    // the codeplug version byte set to version.
    QString textFromImage(const QString &model, int version) const
    {
        VirtualCP image {};
        RadioIdentity identity;
        identity.codeplugVersion = kNewestVersion; // so that every channel field is written
        EXPECT_EQ(CDataAdaptor::XML2VirtualCP(templateText(model), image, identity), 1);
        image.factory.codeplug_version = uint8_t(version);
        QString text;
        EXPECT_EQ(CDataAdaptor::VirtualCP2XML(image, text), 1) << qPrintable(m_reporter.messages.join("\n"));
        return text;
    }

    QString savedText(const QString &path) const
    {
        QString text;
        EXPECT_TRUE(ReadTextFile(path, text));
        return text;
    }

    // The names of every attribute field the version history describes.
    QSet<QString> fieldNames() const
    {
        QSet<QString> names;
        for (const VersionField &field : fields(0))
            names.insert(field.name);
        return names;
    }

    // Opens text as a file and checks that the open profile has every field
    // the version history describes (the editors use them whatever the
    // version); saves it, reopens the saved file and answers the saved text.
    // The reopened profile must equal the saved one.
    QString roundTrip(const QString &text, const std::string &what)
    {
        auto document = fromText(text);
        if (!document->model().isLoaded())
            return QString();
        EXPECT_EQ(listed(presentIn(document->model().mainDocument().xml(), fields(0))), listed(fields(0)))
            << what << ": the open profile does not have the fields the editors use";

        const QString path = tempPath(QStringLiteral("saved.kv9"));
        EXPECT_TRUE(document->Save(path)) << what << ": " << qPrintable(m_reporter.messages.join("\n"));
        const QString saved = savedText(path);
        auto reopened = newDocument();
        EXPECT_TRUE(reopened->Open(path)) << what << ": " << qPrintable(m_reporter.messages.join("\n"));
        EXPECT_EQ(
            differences(reopened->model().mainDocument().xml(), document->model().mainDocument().xml()), "")
            << what << ": the reopened profile differs from the one saved";
        return saved;
    }
};

TEST_F(VersionRoundTripTest, EveryTemplateSurvivesSaveAndReopen)
{
    const QStringList models = templateNames();
    ASSERT_FALSE(models.isEmpty());
    const QSet<VersionField> newestFields = fields(kNewestVersion, "1");
    ASSERT_FALSE(newestFields.isEmpty());
    for (const QString &model : models) {
        const std::string what = model.toStdString();
        auto document = fromTemplate(model);
        ASSERT_TRUE(document->model().isLoaded()) << what;
        EXPECT_EQ(differences(document->model().mainDocument().xml(), templateText(model)), "")
            << what << ": a new profile is its template";

        const QString path = tempPath(model + QStringLiteral(".kv9"));
        ASSERT_TRUE(document->Save(path)) << what << ": " << qPrintable(m_reporter.messages.join("\n"));
        const QString expected = afterSave(templateText(model));
        EXPECT_EQ(differences(savedText(path), expected), "") << what;
        EXPECT_EQ(differences(document->model().mainDocument().xml(), expected), "")
            << what << ": the open profile was not changed as the file";
        EXPECT_EQ(listed(presentIn(savedText(path), newestFields)), listed(newestFields))
            << what << ": a template of the newest version keeps its version fields";

        auto reopened = newDocument();
        ASSERT_TRUE(reopened->Open(path)) << what << ": " << qPrintable(m_reporter.messages.join("\n"));
        EXPECT_EQ(differences(reopened->model().mainDocument().xml(), expected), "") << what;
    }
    EXPECT_TRUE(m_reporter.messages.isEmpty()) << qPrintable(m_reporter.messages.join("\n"));
}

TEST_F(VersionRoundTripTest, ImageTextsOfEveryVersionAreSavedInTheirOwnShape)
{
    for (const QString &model : templateNames()) {
        for (int version = 1; version <= kNewestVersion; ++version) {
            const QString sources[] = { imageLikeText(model, version), textFromImage(model, version) };
            for (int source = 0; source < 2; ++source) {
                const std::string what = QStringLiteral("%1 version %2 %3")
                                             .arg(model)
                                             .arg(version)
                                             .arg(source == 0 ? "edited template" : "image text")
                                             .toStdString();
                const QString &text = sources[source];
                ASSERT_EQ(listed(presentIn(text, fields(0))), "")
                    << what << ": the source carries version fields";

                const QString saved = roundTrip(text, what);
                EXPECT_EQ(differences(saved, afterSave(text), fieldNames()), "") << what;
                EXPECT_EQ(listed(presentIn(saved, fields(0))), listed(fields(version, "1")))
                    << what << ": the file does not have exactly the fields of its version";
            }
        }
    }
    EXPECT_TRUE(m_reporter.messages.isEmpty()) << qPrintable(m_reporter.messages.join("\n"));
}

TEST_F(VersionRoundTripTest, FieldsOfTheProfilesVersionKeepTheirValues)
{
    // Version 2 has the battery fields: values of its own are kept as they
    // are, not replaced by the defaults.
    const QSet<VersionField> versionTwo = fields(2, "1");
    ASSERT_FALSE(versionTwo.isEmpty());
    XmlDocument document = parseProfile(imageLikeText(QStringLiteral("KUR40800"), 2));
    for (const VersionField &field : versionTwo) {
        for (XmlNode element : document.selectNodes(QStringLiteral("//dfns:%1").arg(field.element)))
            element.setAttribute(field.name, QStringLiteral("1"));
    }
    const QString text = document.xml();
    EXPECT_EQ(differences(roundTrip(text, "version 2 with its fields"), afterSave(text)), "");

    // A version-3 radio's text has no separate receive and transmit ranges:
    // they are those of the whole range.
    const XmlDocument saved
        = parseProfile(roundTrip(textFromImage(QStringLiteral("KUD41670"), 3), "version 3 image"));
    const XmlNode limit = saved.selectSingleNode(QStringLiteral("//dfns:limit"));
    EXPECT_EQ(
        limit.attributeOr(QStringLiteral("rx_start_freq")), limit.attributeOr(QStringLiteral("start_freq")));
    EXPECT_EQ(
        limit.attributeOr(QStringLiteral("tx_start_freq")), limit.attributeOr(QStringLiteral("start_freq")));
    EXPECT_EQ(
        limit.attributeOr(QStringLiteral("rx_end_freq")), limit.attributeOr(QStringLiteral("end_freq")));
    EXPECT_EQ(
        limit.attributeOr(QStringLiteral("tx_end_freq")), limit.attributeOr(QStringLiteral("end_freq")));
}

} // namespace
