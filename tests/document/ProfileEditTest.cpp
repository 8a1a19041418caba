// The one edit path of a profile document: verdicts, undo steps, the
// modified flag and the change signal.

#include "ProductFixture.h"

#include "document/EditGroup.h"

#include <QUndoStack>

#include <functional>

namespace {

class ProfileEditTest : public ProductFixture {
protected:
    // A 16-channel template with room for three more channels.
    std::unique_ptr<CProfileDocument> editable()
    {
        auto document = fromText(setAttributeIn(templateText("KUD41670"), "limit", "maxChannels", "19"));
        QObject::connect(document.get(), &CProfileDocument::changed,
            [this](const ProfileChange &change) { m_changes << change; });
        m_changes.clear();
        return document;
    }
    static CDataItem item(CProfileDocument &document, const char *section, int index = -1)
    {
        CDataItem result;
        document.root().GetChildByName(QLatin1String(section), result);
        return index < 0 ? result : result.GetChildByIndex(index, result);
    }
    static QString text(CProfileDocument &document) { return document.model().mainDocument().xml(); }

    QList<ProfileChange> m_changes;
};

struct EditCase {
    const char *undoText;
    std::function<HookVerdict(CProfileDocument &, CDataItem &channels, CDataItem &frequencies)> edit;
    ProfileChange change;
};

TEST_F(ProfileEditTest, AnAcceptedEditIsOneStepToUndoAndRedo)
{
    const QList<EditCase> cases = {
        { "Rename Channel",
            [](CProfileDocument &d, CDataItem &channels, CDataItem &) {
                CDataItem channel;
                channels.GetChildByIndex(3, channel);
                return d.setAttribute(channel, "name", "DOCK", "Rename Channel");
            },
            { ProfileChange::Attribute, "channel", 3, "name" } },
        { "Add Channel",
            [](CProfileDocument &d, CDataItem &c, CDataItem &) {
                return d.addChild(c, "Add Channel").verdict;
            },
            { ProfileChange::ChildAdded, "channels", 16, {} } },
        { "Delete Channel",
            [](CProfileDocument &d, CDataItem &c, CDataItem &) {
                return d.removeChild(c, 2, "Delete Channel");
            },
            { ProfileChange::ChildRemoved, "channels", 2, {} } },
        { "Add Frequency",
            [](CProfileDocument &d, CDataItem &, CDataItem &f) {
                return d.addFrequency(f, { -1, 452012500, 0, 3, 2 }, "Add Frequency");
            },
            { ProfileChange::ChildAdded, "frequencies", 22, {} } },
        { "Change Frequency",
            [](CProfileDocument &d, CDataItem &, CDataItem &f) {
                return d.setFrequency(f, { 0, 451112500, 0, 3, 2 }, "Change Frequency");
            },
            { ProfileChange::Frequencies, "frequencies", 0, {} } },
    };
    for (const EditCase &edit : cases) {
        SCOPED_TRACE(edit.undoText);
        auto document = editable();
        const QString before = text(*document);
        CDataItem channels = item(*document, "channels"), frequencies = item(*document, "frequencies");
        ASSERT_TRUE(edit.edit(*document, channels, frequencies).accepted());
        const QString after = text(*document);
        EXPECT_NE(after, before);
        EXPECT_TRUE(m_changes == QList<ProfileChange> { edit.change });
        EXPECT_TRUE(document->isModified());
        EXPECT_EQ(document->undoStack()->count(), 1);
        EXPECT_EQ(document->undoStack()->undoText(), edit.undoText);

        document->undoStack()->undo();
        EXPECT_EQ(text(*document), before);
        EXPECT_FALSE(document->isModified());
        EXPECT_EQ(m_changes.last().kind, ProfileChange::Reloaded);
        document->undoStack()->redo();
        EXPECT_EQ(text(*document), after);
        EXPECT_TRUE(document->isModified());
    }
}

TEST_F(ProfileEditTest, ARefusalOrAQuestionChangesNothing)
{
    auto document = editable();
    const QString before = text(*document);
    CDataItem setting = item(*document, "setting"), channels = item(*document, "channels");
    const HookVerdict refused = document->setAttribute(setting, "password", "12a", "Change Password");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.msgId, 3004);
    EXPECT_EQ(refused.style, int(MsgStyle::IconWarning));
    // Channel 0 is the channel of the Preset 1 button.
    EXPECT_TRUE(document->removeChild(channels, 0, "Delete Channel").needsConfirmation());
    EXPECT_EQ(text(*document), before);
    EXPECT_TRUE(m_changes.isEmpty());
    EXPECT_FALSE(document->isModified());
    EXPECT_EQ(document->undoStack()->count(), 0);

    EXPECT_TRUE(document->removeChild(channels, 0, "Delete Channel", MsgAnswer::Yes).accepted());
    EXPECT_EQ(document->undoStack()->count(), 1);
}

TEST_F(ProfileEditTest, LoadTimeRulesRunAtEveryLoadAsNoStepsAndLeaveItUnmodified)
{
    const QString path = dataPath(QStringLiteral("profiletemplate/KXR40400.kv9"));
    CRadioDataModel unruled(m_context.versionRules());
    ASSERT_TRUE(unruled.LoadProfile(path, true));
    for (bool fromFile : { false, true }) {
        CProfileDocument document(m_context.versionRules());
        QObject::connect(&document, &CProfileDocument::changed,
            [this](const ProfileChange &change) { m_changes << change; });
        m_changes.clear();
        ASSERT_TRUE(fromFile ? document.Open(path) : document.NewFromTemplate(path));
        EXPECT_TRUE(document.loadTimeRulesPassed());
        // The rules change this template's limit and frequencies.
        EXPECT_NE(text(document), unruled.mainDocument().xml());
        EXPECT_EQ(m_changes.last(), ProfileChange {});
        EXPECT_EQ(document.undoStack()->count(), 0);
        EXPECT_FALSE(document.isModified());
    }
}

// Renames channels 0 and 1 in groups of each kind, kept or not, the second
// rename inside an inner group of its own kind, kept or not.
TEST_F(ProfileEditTest, EditGroupsAreOneStepAndAllOrNothingPutsBack)
{
    using K = CEditGroup::Kind;
    const ProfileChange reloaded {};
    const ProfileChange renamed0 { ProfileChange::Attribute, "channel", 0, "name" };
    const ProfileChange renamed1 { ProfileChange::Attribute, "channel", 1, "name" };
    struct Case {
        K outer;
        bool keepOuter;
        K inner;
        bool keepInner;
        QStringList names; // of channels 0 and 1 after the group
        QList<ProfileChange> announced;
    } const cases[] = {
        { K::Steps, false, K::Steps, false, { "ONE", "TWO" }, { renamed0, renamed1 } },
        { K::AllOrNothing, true, K::AllOrNothing, true, { "ONE", "TWO" }, { reloaded } },
        { K::AllOrNothing, false, K::AllOrNothing, true, {}, { reloaded } },
        { K::AllOrNothing, true, K::AllOrNothing, false, { "ONE" }, { reloaded } },
        { K::Steps, false, K::AllOrNothing, false, { "ONE" }, { renamed0, reloaded } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(&c - cases));
        auto document = editable();
        const QString before = text(*document);
        QStringList names { item(*document, "channels", 0).GetAttributeValue("name").toString(),
            item(*document, "channels", 1).GetAttributeValue("name").toString() };
        {
            CEditGroup outer(*document, "Rename Both", c.outer);
            CDataItem first = item(*document, "channels", 0);
            ASSERT_TRUE(document->setAttribute(first, "name", "ONE", "Rename").accepted());
            {
                CEditGroup inner(*document, "Rename Second", c.inner);
                CDataItem second = item(*document, "channels", 1);
                ASSERT_TRUE(document->setAttribute(second, "name", "TWO", "Rename").accepted());
                if (c.keepInner)
                    inner.keep();
            }
            if (c.keepOuter)
                outer.keep();
        }
        for (int i = 0; i < c.names.size(); ++i)
            names[i] = c.names[i];
        EXPECT_EQ(item(*document, "channels", 0).GetAttributeValue("name").toString(), names[0]);
        EXPECT_EQ(item(*document, "channels", 1).GetAttributeValue("name").toString(), names[1]);
        EXPECT_TRUE(m_changes == c.announced);
        const bool changed = !c.names.isEmpty();
        EXPECT_EQ(document->undoStack()->count(), changed ? 1 : 0);
        EXPECT_EQ(document->isModified(), changed);
        if (changed) {
            EXPECT_EQ(document->undoStack()->undoText(), QStringLiteral("Rename Both"));
            document->undoStack()->undo();
            EXPECT_EQ(text(*document), before);
        } else {
            EXPECT_EQ(text(*document), before);
        }
    }
}

} // namespace
