// The field catalogue: names, and the values each kind of field takes.

#include "codeplug/ProfileFields.h"

#include <gtest/gtest.h>

#include <set>

using namespace codeplug;

TEST(ProfileFields, NamesAreUniqueAndFound)
{
    std::set<QString> names;
    for (const ProfileField &field : profileFields()) {
        EXPECT_TRUE(names.insert(field.name()).second) << qPrintable(field.name());
        EXPECT_EQ(findField(field.name()), &field);
    }
    EXPECT_EQ(findField(u"channel.rxfreq"), nullptr);
    EXPECT_EQ(findField(u"rx_freq_ndx"), nullptr);
}

TEST(ProfileFields, ElementsHoldTheirFieldsInTextOrder)
{
    const auto setting = fieldsOf(FieldElement::Setting);
    ASSERT_FALSE(setting.empty());
    EXPECT_STREQ(setting.front().attribute, "password");
    EXPECT_STREQ(fieldsOf(FieldElement::Channel).back().attribute, "in_scanlist");
    EXPECT_EQ(fieldsOf(FieldElement::Preset).size(), 1u);
}

struct ValueCase {
    const char *field;
    const char *value;
    bool taken;
};

class FieldValues : public testing::TestWithParam<ValueCase> { };

TEST_P(FieldValues, CheckedAgainstTheField)
{
    const ValueCase &c = GetParam();
    const ProfileField *field = findField(QString::fromLatin1(c.field));
    ASSERT_NE(field, nullptr);
    const auto message = checkFieldValue(*field, QString::fromUtf8(c.value));
    EXPECT_EQ(!message.has_value(), c.taken) << c.field << "=" << c.value;
    if (message) {
        EXPECT_TRUE(message->startsWith(QLatin1String(c.field))) << qPrintable(*message);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, FieldValues,
    testing::Values(ValueCase { "channel.name", "ROUTE66", true },
        ValueCase { "channel.name", "ROUTE6666", false }, ValueCase { "setting.vox_level", "3", true },
        ValueCase { "setting.vox_level", "4", false }, ValueCase { "setting.vox_level", "-1", false },
        ValueCase { "setting.vox_level", " 1", false }, ValueCase { "setting.timeoutTimer", "120", true },
        ValueCase { "setting.timeoutTimer", "100", false }, ValueCase { "channel.repeater", "1", true },
        ValueCase { "channel.repeater", "01", true }, ValueCase { "channel.repeater", "2", false },
        ValueCase { "setting.password", "", true }, ValueCase { "setting.password", "1234", true },
        ValueCase { "setting.password", "12a4", false }, ValueCase { "setting.password", "123", false },
        ValueCase { "setting.PLcode124", "669", false }, ValueCase { "setting.PLcode124", "2550", true },
        ValueCase { "setting.PLcode214", "512", false }, ValueCase { "limit.maxCodes", "219", false },
        ValueCase { "setting.rep_hangtime", "50", true },
        ValueCase { "setting.stationID", "ABCDEFGHI", true },
        ValueCase { "setting.stationID", "ABCDEFGHIJ", false }));
