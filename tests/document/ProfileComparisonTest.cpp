// The differences between two profiles as a dealer reads them, one edit of
// each kind of field against the template it was made on.

#include "ProductFixture.h"

#include "document/ProfileComparison.h"

#include <QRegularExpression>

namespace {

struct Edit {
    const char *element;
    const char *attribute;
    const char *value;
    const char *line; // the one difference it makes
};

const Edit kEdits[] = {
    { "channel", "name", "ROUTE66", "Channel 1 (ROUTE66) \u00b7 Name: CHAN 1 \u2192 ROUTE66" },
    { "channel", "rx_freq_ndx", "1",
        "Channel 1 (CHAN 1) \u00b7 Receive Frequency: 151.625000 \u2192 151.955000" },
    { "channel", "tx_code", "12",
        "Channel 1 (CHAN 1) \u00b7 Transmit PL/DPL Code: No PL/DPL code \u2192 12 - 100.0 Hz" },
    { "frequency", "freq", "151650000", "Frequency 1 \u00b7 Frequency: 151.625000 \u2192 151.650000" },
    { "preset", "channel", "3", "Preset 1 \u00b7 Preset Channel: 0 \u2192 3" },
    { "setting", "disableLED", "1", "Settings \u00b7 Disable All LEDs: 0 \u2192 1" },
    { "setting", "powerupString", "HELLO", "Settings \u00b7 Power Up Text: WELCOME \u2192 HELLO" },
    { "limit", "end_freq", "173400000",
        "Radio Limits \u00b7 Highest Frequency: 174.000000 \u2192 173.400000" },
    { "limit", "tx_start_freq", "152000000",
        "Radio Limits \u00b7 Lowest Transmit Frequency: 151.500000 \u2192 152.000000" },
    { "limit", "disable_vox_feature", "1", "Radio Limits \u00b7 VOX Not Available: 0 \u2192 1" },
};

class ProfileComparisonTest : public ProductFixture, public ::testing::WithParamInterface<Edit> { };

TEST_P(ProfileComparisonTest, EachEditIsOneNamedDifference)
{
    const Edit &edit = GetParam();
    const QString before = templateText(QStringLiteral("KXD40600"));
    const QString after = setAttributeIn(before, edit.element, edit.attribute, edit.value);
    const auto differences = ProfileComparison::compareTexts(before, after);
    ASSERT_TRUE(differences.has_value());
    ASSERT_EQ(differences->size(), 1) << qPrintable(ProfileComparison::fieldList(*differences));
    EXPECT_EQ(differences->first().line(), QString::fromUtf8(edit.line));
    EXPECT_EQ(differences->first().newRaw, edit.value);
    EXPECT_EQ(differences->first().field, QStringLiteral("%1.%2").arg(edit.element, edit.attribute));
}

INSTANTIATE_TEST_SUITE_P(FieldKinds, ProfileComparisonTest, ::testing::ValuesIn(kEdits));

TEST_F(ProductFixture, ModelComesFirstAndItemsOnlyOneSideHasAreOneLine)
{
    const QString before = templateText(QStringLiteral("KXD40600"));
    QString after = setAttributeIn(before, "factory_setting", "model", "KXD40800");
    after = setAttributeIn(after, "setting", "disableLED", "1");
    after.remove(QRegularExpression(QStringLiteral("<channel [^>]*name=\"CHAN 2\"[^>]*/>")));
    const auto differences = ProfileComparison::compareTexts(before, after);
    ASSERT_TRUE(differences.has_value());
    QStringList fields;
    for (const ProfileDifference &difference : *differences)
        fields << difference.field;
    // The third channel moved up into the second's place.
    EXPECT_EQ(fields.mid(0, 2), (QStringList { "factory_setting.model", "setting.disableLED" }));
    EXPECT_EQ(differences->last().line(), QString::fromUtf8("Channel 6 (CHAN 6): CHAN 6 \u2192 (none)"));
    EXPECT_FALSE(ProfileComparison::compareTexts(before, QStringLiteral("<broken")).has_value());
}

// Profiles of two models differ in most fields the catalogue has; each is
// named by its caption, never by its attribute.
TEST_F(ProductFixture, EveryDifferenceBetweenModelsHasACaption)
{
    for (const char *model : { "KUD51900", "KUR20200", "KXR40400" }) {
        const auto differences
            = ProfileComparison::compareTexts(templateText(QStringLiteral("KXD40600")), templateText(model));
        ASSERT_TRUE(differences.has_value());
        EXPECT_EQ(differences->first().field, QStringLiteral("factory_setting.model"));
        for (const ProfileDifference &difference : *differences) {
            const QString attribute = difference.field.section(QLatin1Char('.'), 1);
            EXPECT_FALSE(difference.caption.isEmpty() || difference.caption == attribute)
                << model << ' ' << qPrintable(difference.field);
        }
    }
}

} // namespace
