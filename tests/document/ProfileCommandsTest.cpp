// The profile commands, rule by rule, through the field assignments that
// velacps-cli set uses: what each writes, refuses or asks, as one undo step.

#include "ProductFixture.h"

#include "document/ButtonCommands.h"
#include "document/ChannelListCommands.h"
#include "document/FieldAssignments.h"
#include "document/SettingCommands.h"
#include "settings/SettingsDocuments.h"

#include <QUndoStack>

namespace {

using TemplateChanges = QList<QPair<const char *, const char *>>; // element.attribute, value

struct CommandCase {
    const char *name;
    const char *model;
    TemplateChanges changes;
    QStringList assignments;
    QStringList expected; // field=value afterwards
    CommandVerdict::Kind kind = CommandVerdict::Accepted;
    const char *message = ""; // start of the refusal, the question or a notice
    bool answerYes = false;
};

class CommandFixture : public ProductFixture {
protected:
    // The model's template with the first element of each change changed.
    std::unique_ptr<CProfileDocument> profile(const char *model, const TemplateChanges &changes)
    {
        QString text = templateText(QLatin1String(model));
        for (const auto &[attribute, value] : changes) {
            const QString name = QLatin1String(attribute);
            text = setAttributeIn(text, name.section('.', 0, 0), name.section('.', 1), QLatin1String(value));
        }
        return fromText(text);
    }
};

template <class Case> std::string caseName(const testing::TestParamInfo<Case> &info)
{
    std::string name = info.param.name;
    std::ranges::replace_if(
        name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

class ProfileCommands : public CommandFixture, public testing::WithParamInterface<CommandCase> {
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
    auto document = profile(c.model, c.changes);
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
            CommandVerdict::Refused, "limit.maxCodes takes no change" },
        // One feature per button.
        CommandCase { "feature held by another button", "KUD41600", {}, { "setting.side2_but=1" }, {},
            CommandVerdict::Refused, "One feature can not be assigned to multiple buttons." },
        CommandCase { "feature moves", "KUD41600", {}, { "setting.side1_but=0", "setting.side2_but=1" },
            { "setting.side1_but=0", "setting.side2_but=1" } },
        CommandCase {
            "customised tone", "KUD41600", {}, { "setting.PLcode124=1002" }, { "setting.PLcode124=1002" } },
        // Channel names and the scan list.
        CommandCase {
            "name trimmed", "KUR51673", {}, { "channel[1].name= DOCK" }, { "channel[1].name=DOCK" } },
        CommandCase { "out of the scan list", "KUR51673", {}, { "channel[2].in_scanlist=0" },
            { "channel[2].in_scanlist=0" } },
        // Rows of the RF frequency table: MURS, the two-watt question, a new row.
        CommandCase { "MURS row", "KUR51673", {}, { "frequency[1].freq=154570000" }, {},
            CommandVerdict::Refused, "Invalid Frequency." },
        CommandCase { "two-watt row, OK", "KUR40800", {}, { "frequency[1].freq=467762500" },
            { "frequency[1].freq=467762500", "frequency[1].power_level=0" }, CommandVerdict::Accepted,
            "authorized for 2W", true },
        CommandCase { "two-watt row, cancel", "KUR40800", {}, { "frequency[1].freq=467762500" }, {},
            CommandVerdict::Declined, "authorized for 2W" },
        CommandCase { "new row", "KUR51673", { { "limit.max_valid_freqs", "23" } },
            { "frequency[23].freq=455000000" },
            { "frequency[23].freq=455000000", "frequency[23].bandwidth=0", "frequency[23].power_level=1" } },
        CommandCase { "row past the new one", "KUR51673", {}, { "frequency[30].freq=455000000" }, {},
            CommandVerdict::Refused, "a new row is frequency[23].freq" }),
    caseName<CommandCase>);

// The actions that are no field: adding, deleting and renaming channels,
// moving them in and out of the scan list, the button reset, and the
// customised codes' own refusals.
struct ActionCase {
    const char *name;
    const char *model;
    TemplateChanges changes;
    std::function<CommandVerdict(CProfileDocument &, const CommandAsker &, const CProductContext &)> action;
    QStringList expected;
    CommandVerdict::Kind kind = CommandVerdict::Accepted;
    const char *message = "";
    bool answerYes = false;
};

class ActionCommands : public CommandFixture, public testing::WithParamInterface<ActionCase> { };

TEST_P(ActionCommands, WriteRefuseOrAskAsOneStep)
{
    const ActionCase &c = GetParam();
    auto document = profile(c.model, c.changes);
    const QString before = document->model().mainDocument().xml();
    QStringList asked;
    const CommandVerdict verdict = c.action(
        *document,
        [&](const CommandQuestion &q) {
            asked << q.text;
            return c.answerYes;
        },
        m_context);
    EXPECT_EQ(verdict.kind, c.kind) << qPrintable(verdict.message);
    const QString said = (asked + QStringList { verdict.message } + verdict.warnings).join('|');
    EXPECT_TRUE(said.contains(QLatin1String(c.message))) << qPrintable(said);
    const QList<QPair<QString, QString>> values = profileFieldValues(document->root());
    for (const QString &expected : c.expected)
        EXPECT_TRUE(values.contains({ expected.section('=', 0, 0), expected.section('=', 1) }))
            << qPrintable(expected);
    EXPECT_EQ(document->undoStack()->count(), c.expected.isEmpty() ? 0 : 1);
    if (document->undoStack()->canUndo())
        document->undoStack()->undo();
    EXPECT_EQ(document->model().mainDocument().xml(), before);
}

CommandVerdict deleting(CProfileDocument &document, const CommandAsker &ask, int channel)
{
    return CChannelListCommands(document, ask).deleteChannel(channel);
}

CommandVerdict resetting(CProfileDocument &document, const CommandAsker &ask, const CProductContext &context)
{
    const auto features = CButtonFeatureList::Read(context.settings().buttonListDocument(), true);
    return CButtonCommands(document, ask).resetButtons(*features);
}

INSTANTIATE_TEST_SUITE_P(Rules, ActionCommands,
    testing::Values(ActionCase { "add channel", "KUD41670", { { "limit.maxChannels", "19" } },
                        [](auto &d, auto &ask, auto &) { return CChannelListCommands(d, ask).addChannel(); },
                        { "setting.numberChannels=17" } },
        ActionCase { "no room for a channel", "KUR51673", {},
            [](auto &d, auto &ask, auto &) { return CChannelListCommands(d, ask).addChannel(); }, {},
            CommandVerdict::Refused },
        ActionCase { "delete a channel", "KUR51673", {},
            [](auto &d, auto &ask, auto &) { return deleting(d, ask, 3); }, { "setting.numberChannels=15" } },
        ActionCase { "last valid channel", "KUR51673", { { "setting.numberChannels", "1" } },
            [](auto &d, auto &ask, auto &) { return deleting(d, ask, 0); }, {}, CommandVerdict::Refused,
            "The last valid channel can not be deleted." },
        ActionCase { "preset channel, yes", "KUD41600", {},
            [](auto &d, auto &ask, auto &) { return deleting(d, ask, 0); }, { "setting.numberChannels=15" },
            CommandVerdict::Accepted, "assigned to a Preset Channel button", true },
        ActionCase { "preset channel, no", "KUD41600", {},
            [](auto &d, auto &ask, auto &) { return deleting(d, ask, 0); }, {}, CommandVerdict::Declined,
            "assigned to a Preset Channel button" },
        ActionCase { "blank name", "KUR51673", {},
            [](auto &d, auto &ask, auto &) { return CChannelListCommands(d, ask).renameChannel(0, "  "); },
            {}, CommandVerdict::Refused },
        ActionCase { "scan list skips disabled channels", "KUR51673", { { "channel.disable_channel", "1" } },
            [](auto &d, auto &ask, auto &) {
                return CChannelListCommands(d, ask).setScanListMembers({ 0, 1 }, false);
            },
            { "channel[1].in_scanlist=1", "channel[2].in_scanlist=0" } },
        ActionCase { "button reset", "KUD41600",
            { { "setting.callTone", "2" }, { "setting.side1_but", "0" } }, resetting,
            { "setting.callTone=0", "setting.side1_but=1" }, CommandVerdict::Accepted, "reset all buttons",
            true },
        ActionCase { "button reset declined", "KUD41600", { { "setting.callTone", "2" } }, resetting, {},
            CommandVerdict::Declined, "reset all buttons" },
        ActionCase { "tone out of range", "KUD41600", {},
            [](auto &d, auto &, auto &) { return CSettingCommands(d).setCustomCode(124, 500); }, {},
            CommandVerdict::Refused, "The valid range is: 67.0 - 255.0 Hz." },
        ActionCase { "DPL code out of range", "KUD41600", {},
            [](auto &d, auto &, auto &) { return CSettingCommands(d).setCustomCode(214, 01000); }, {},
            CommandVerdict::Refused, "The valid range is(OCT): 001 - 777." }),
    caseName<ActionCase>);

} // namespace
