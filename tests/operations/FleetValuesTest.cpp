// The per-radio values file of a batch: what it refuses, with which line,
// before any radio is touched, and which row a radio gets.

#include "operations/FleetValues.h"
#include "ProductFixture.h"

namespace {

class FleetValuesTest : public ProductFixture {
protected:
    ProfileSource profile()
    {
        return [this] { return fromTemplate("KUD51900"); };
    }
};

TEST_F(FleetValuesTest, RefusesABadFileWithItsLine)
{
    struct Refusal {
        const char *text;
        const char *says; // besides the line
    };
    const Refusal refusals[] = {
        { "name,setting.powerupString\n", "line 1:" },
        { "serial,setting.nothing\n", "line 1: setting.nothing" },
        { "serial,setting.powerupString,setting.powerupString\n", "line 1: the column" },
        { "serial,setting.powerupString\n117SMU0001,A\n# spare\n117SMU0001,B\n", "line 4: 117SMU0001" },
        { "serial,setting.powerupString\n117SMU0001,A,B\n", "line 2:" },
        { "order,setting.powerupString\n0,A\n", "line 2: the order 0" },
        { "serial,channel[1].name\n117SMU0001,FINE\n117SMU0002,ROUTE6666\n", "line 3:" },
        { "order,channel[40].name\n1,X\n", "line 2:" },
    };
    for (const Refusal &refusal : refusals) {
        FleetValues values;
        QString error;
        const bool parsed = values.parse(refusal.text, error);
        const bool refused = !parsed || !values.check(profile(), false, error);
        EXPECT_TRUE(refused) << refusal.text;
        EXPECT_TRUE(error.startsWith(QLatin1String(refusal.says)))
            << refusal.text << " -> " << error.toStdString();
    }
}

TEST_F(FleetValuesTest, ARadioGetsTheRowOfItsSerialOrItsPlace)
{
    FleetValues bySerial;
    QString error;
    ASSERT_TRUE(
        bySerial.parse("\xEF\xBB\xBFserial,setting.powerupString\n117SMU0002,BRAVO\n117SMU0001,\n", error))
        << error.toStdString();
    ASSERT_TRUE(bySerial.check(profile(), false, error)) << error.toStdString();
    const FleetValues::Row *row = bySerial.rowFor("117SMU0002", 1);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(
        FleetValues::values(*row), (QList<QPair<QString, QString>> { { "setting.powerupString", "BRAVO" } }));
    // An empty cell leaves the profile's value.
    EXPECT_TRUE(bySerial.rowFor("117SMU0001", 2)->assignments.isEmpty());
    EXPECT_EQ(bySerial.rowFor("117SMU0003", 2), nullptr);

    FleetValues byOrder;
    ASSERT_TRUE(byOrder.parse("order;setting.powerupString\n2;SECOND\n1;FIRST\n", error))
        << error.toStdString();
    const auto document = fromTemplate("KUD51900");
    ASSERT_TRUE(FleetValues::apply(*document, *byOrder.rowFor("117SMU0009", 2), {}).accepted());
    CDataItem setting;
    document->root().GetChildByName("setting", setting);
    EXPECT_EQ(setting.GetAttributeValue("powerupString"), "SECOND");
}

} // namespace
