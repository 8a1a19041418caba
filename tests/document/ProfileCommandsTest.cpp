// The profile commands, rule by rule, through the field assignments that
// velacps-cli set uses: what each writes, refuses or asks, as one undo step.

#include "ProductFixture.h"

#include "document/FieldAssignments.h"

#include <QUndoStack>

namespace {

struct CommandCase {
    const char *name;
    const char *model;
    QList<QPair<const char *, const char *>> changes; // template attribute of limit/channel, value
    QStringList assignments;
    QStringList expected; // field=value afterwards
    CommandVerdict::Kind kind = CommandVerdict::Accepted;
    const char *message = ""; // start of the refusal, the question or a notice
    bool answerYes = false;
};

class ProfileCommands : public ProductFixture, public testing::WithParamInterface<CommandCase> {
protected:
    static QString valueOf(CProfileDocument &document, const QString &name)
    {
        for (const auto &[field, value] : profileFieldValues(document.root())) {
            if (field == name)
                return value;
        }
        return QStringLiteral("(none)");
    }
};

TEST_P(ProfileCommands, WriteRefuseOrAskAsOneStep)
{
    const CommandCase &c = GetParam();
    QString text = templateText(QLatin1String(c.model));
    for (const auto &[attribute, value] : c.changes) {
        const QString name = QLatin1String(attribute);
        text = setAttributeIn(text, name.section('.', 0, 0), name.section('.', 1), QLatin1String(value));
    }
    auto document = fromText(text);
    ASSERT_TRUE(document);
    QList<FieldAssignment> assignments;
    for (const QString &assignment : c.assignments) {
        QString error;
        const auto parsed = parseAssignment(assignment, error);
        ASSERT_TRUE(parsed) << qPrintable(error);
        assignments << *parsed;
    }
    const QString before = document->model().mainDocument().xml();
    QStringList asked;
    const CommandVerdict verdict = applyAssignments(*document, assignments, [&](const CommandQuestion &q) {
        asked << q.text;
        return c.answerYes;
    });
    EXPECT_EQ(verdict.kind, c.kind) << qPrintable(verdict.message);
    const QString said = (asked + QStringList { verdict.message } + verdict.notices).join('|');
    EXPECT_TRUE(said.contains(QLatin1String(c.message))) << qPrintable(said);
    for (const QString &expected : c.expected)
        EXPECT_EQ(valueOf(*document, expected.section('=', 0, 0)), expected.section('=', 1))
            << qPrintable(expected);
    QUndoStack *steps = document->undoStack();
    EXPECT_EQ(
        steps->count() - (steps->canRedo() ? 1 : 0), verdict.accepted() && !c.expected.isEmpty() ? 1 : 0);
    if (verdict.accepted() && steps->canUndo())
        steps->undo();
    EXPECT_EQ(document->model().mainDocument().xml(), before);
}

const char *const kNext = "The transmit frequency index can not be same";

INSTANTIATE_TEST_SUITE_P(Rules, ProfileCommands,
    testing::Values(
        // The frequency rules 0-3 on a rotary model with the repeater feature.
        CommandCase { "rule0", "KUR51673", {}, { "channel[1].rx_freq_ndx=4" },
            { "channel[1].rx_freq_ndx=4", "channel[1].rx_bw=0" } },
        CommandCase { "rule1", "KUR51673", {}, { "channel[1].rx_freq_ndx=3" },
            { "channel[1].rx_freq_ndx=3", "channel[1].rx_bw=1" } },
        CommandCase { "rule2", "KUR51673", {}, { "channel[1].rx_freq_ndx=5" }, { "channel[1].rx_bw=0" } },
        CommandCase { "rule3", "KUR51673", {}, { "channel[1].rx_freq_ndx=6" }, { "channel[1].rx_bw=1" } },
        // The next transmit frequency of a repeater channel, wrapping after the last.
        CommandCase { "next transmit", "KUR51673", {}, { "channel[1].tx_freq_ndx=0" },
            { "channel[1].tx_freq_ndx=1" }, CommandVerdict::Accepted, kNext },
        CommandCase { "next transmit wraps", "KUR51673", { { "channel.tx_freq_ndx", "21" } },
            { "channel[1].rx_freq_ndx=21" }, { "channel[1].rx_freq_ndx=21", "channel[1].tx_freq_ndx=0" },
            CommandVerdict::Accepted, kNext },
        CommandCase { "repeater on moves the transmit side", "KUR51673",
            { { "channel.repeater", "0" }, { "channel.tx_freq_ndx", "0" } }, { "channel[1].repeater=1" },
            { "channel[1].repeater=1", "channel[1].tx_freq_ndx=1" } },
        // Display model with the repeater feature, by MHz.
        CommandCase { "display repeater by MHz", "KUD41670", {}, { "channel[2].rx=464.55" },
            { "channel[2].rx=464.55" } },
        // Without the repeater feature both sides follow, with the power rule.
        CommandCase { "no repeater: both sides", "KUD41600", {}, { "channel[1].rx_freq_ndx=4" },
            { "channel[1].tx_freq_ndx=4", "channel[1].talkaround_power=0", "channel[1].repeater_power=0" } },
        CommandCase { "no repeater: code", "KUD41600", {}, { "channel[1].rx_code=5" },
            { "channel[1].rx_code=5", "channel[1].tx_code=5" } },
        CommandCase {
            "rotary without repeater", "KUR20200", {}, { "channel[1].rx_bw=1" }, { "channel[1].tx_bw=1" } },
        // The preset question when disabling a channel.
        CommandCase { "preset channel, yes", "KUD41600", {}, { "channel[1].disable_channel=1" },
            { "channel[1].disable_channel=1" }, CommandVerdict::Accepted, "This channel is assigned", true },
        CommandCase { "preset channel, no", "KUD41600", {}, { "channel[1].disable_channel=1" }, {},
            CommandVerdict::Declined, "This channel is assigned" },
        CommandCase { "disabled channel takes no other change", "KUD41600",
            { { "channel.disable_channel", "1" } }, { "channel[1].name=DOCK" }, {}, CommandVerdict::Refused,
            "channel[1].name: the channel is disabled" },
        // Refusals: values no control can enter, rows that do not exist, all or nothing.
        CommandCase { "name too long", "KUR51673", {}, { "channel[1].name=ROUTE6666" }, {},
            CommandVerdict::Refused, "channel[1].name takes a text of at most 8" },
        CommandCase { "no such row", "KUR51673", {}, { "channel[1].rx=151.1" }, {}, CommandVerdict::Refused,
            "has no such row" },
        CommandCase { "code above the model's", "KUR51673", { { "limit.maxCodes", "121" } },
            { "channel[1].rx_code=150" }, {}, CommandVerdict::Refused, "up to 121" },
        CommandCase { "all or nothing", "KUR51673", {},
            { "setting.powerupString=DEALER1", "setting.vox_level=9" }, {}, CommandVerdict::Refused,
            "setting.vox_level takes a number from 0 to 3" },
        // The password pair and the back light pair.
        CommandCase { "password pair", "KUR51673", {},
            { "setting.password=1234", "setting.passwordConfirm=1234" }, { "setting.password=1234" } },
        CommandCase { "password alone", "KUR51673", {}, { "setting.password=1234" }, {},
            CommandVerdict::Refused, "setting.password is set together" },
        CommandCase { "passwords differ", "KUR51673", {},
            { "setting.password=1234", "setting.passwordConfirm=1243" }, {}, CommandVerdict::Refused,
            "The passwords you entered do not match." },
        CommandCase { "back light", "KUR51673", {}, { "setting.backlight_timeout=10" },
            { "setting.backlight_enabled=1", "setting.backlight_timeout=10" } },
        CommandCase { "limit not the dealer's", "KUR51673", {}, { "limit.maxCodes=200" }, {},
            CommandVerdict::Refused, "limit.maxCodes takes no change" }),
    [](const testing::TestParamInfo<CommandCase> &info) {
        std::string name = info.param.name;
        std::ranges::replace_if(
            name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return name;
    });

} // namespace
