#include "../editors/EditorFixture.h"
#include "AppTests.h"
#include "ChildFrame.h"
#include "HelpPane.h"
#include "VelaCPSTreeView.h"

#include "base/StringTable.h"
#include "editors/BaseView.h"
#include "settings/ModelRules.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QUndoStack>

// The profile tree in its child window: what it lists, deleting, renaming
// and adding channels, and the selection that waits for the editor.
class TreeViewTest : public QObject {
    Q_OBJECT

private slots:
    void sections_data();
    void sections();
    void rangeCheckOnLoad();
    void deleting_data();
    void deleting();
    void renaming_data();
    void renaming();
    void refusedCommitKeepsSelection();
    void addingSelectsTheNewChannel();
    void undoKeepsSelection();
    void helpPane();
    void treeWidthFitsCaptions_data();
    void treeWidthFitsCaptions();
};
APP_TEST(TreeViewTest);

namespace {

const QString kLastChannel = QStringLiteral("The last valid channel can not be deleted.");

struct TreeWindow {
    explicit TreeWindow(const TemplateChanges &changes = {}, bool limitSaving = true)
        : fixture(QStringLiteral(VELA_DATA_DIR), QString(), limitSaving)
        , document(fixture.profile(QStringLiteral("KUD41600"), changes))
        , frame(*document, fixture.context)
    {
        frame.resize(900, 600);
    }
    CVelaCPSTreeView &tree() { return *frame.tree(); }
    QTreeWidgetItem *channel(int index) { return tree().channelsItem()->child(index); }
    QStringList captions(const QTreeWidgetItem *parent) const
    {
        QStringList texts;
        for (int i = 0; i < parent->childCount(); ++i)
            texts << parent->child(i)->text(0);
        return texts;
    }
    void setChannel(int index, const char *attribute, const QVariant &value)
    {
        CDataItem channels, channel;
        document->root().GetChildByName(QStringLiteral("channels"), channels).GetChildByIndex(index, channel);
        QVERIFY(document->setAttribute(channel, QLatin1String(attribute), value, QStringLiteral("test"))
                    .accepted());
    }

    EditorFixture fixture;
    std::unique_ptr<CProfileDocument> document;
    CChildFrame frame;
};

TemplateChange Limit(const char *attribute, const char *value)
{
    return { QStringLiteral("limit"), QLatin1String(attribute), QLatin1String(value) };
}

const TemplateChange kTenInUse { QStringLiteral("setting"), QStringLiteral("numberChannels"),
    QStringLiteral("10") };
const TemplateChange kOneInUse { QStringLiteral("setting"), QStringLiteral("numberChannels"),
    QStringLiteral("1") };

} // namespace

void TreeViewTest::sections_data()
{
    QTest::addColumn<TemplateChanges>("changes");
    QTest::addColumn<bool>("limitSaving");
    QTest::addColumn<QString>("after"); // the sections after "Channels"
    QTest::addColumn<int>("channels");
    QTest::newRow("limit saving holds the codes to 213")
        << TemplateChanges {} << true << "Scan List,Customized PL" << 16;
    QTest::newRow("all customised codes")
        << TemplateChanges {} << false << "Scan List,Customized PL,Customized DPL" << 16;
    QTest::newRow("maxCodes 122") << TemplateChanges { Limit("maxCodes", "122") } << false << "Scan List"
                                  << 16;
    QTest::newRow("maxCodes 213") << TemplateChanges { Limit("maxCodes", "213") } << false
                                  << "Scan List,Customized PL" << 16;
    QTest::newRow("no scan mode") << TemplateChanges { Limit("disable_scan_mode", "1") } << true
                                  << "Customized PL" << 16;
    QTest::newRow("fewer channels in use than held")
        << TemplateChanges { kTenInUse } << true << "Scan List,Customized PL" << 10;
}

void TreeViewTest::sections()
{
    QFETCH(TemplateChanges, changes);
    QFETCH(bool, limitSaving);
    QFETCH(QString, after);
    QFETCH(int, channels);
    TreeWindow window(changes, limitSaving);
    const QTreeWidgetItem *root = window.tree().topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("KVX Distributor Series"));
    QCOMPARE(window.captions(root).join(QLatin1Char(',')),
        QStringLiteral("General Settings,Audio Settings,Buttons,RF Frequency,Channels,") + after);
    QCOMPARE(window.tree().channelsItem()->childCount(), channels);
    QCOMPARE(window.channel(channels - 1)->text(0), QStringLiteral("CHAN %1").arg(channels));
    QCOMPARE(window.tree().currentItem(), root);
    QCOMPARE(window.frame.editorKind(), int(SectionKind::RadioInfo));
}

void TreeViewTest::rangeCheckOnLoad()
{
    TreeWindow window({ Limit("start_freq", "465000000") });
    QVERIFY(window.fixture.reporter.messages.contains(QLatin1String(ModelRules::kRangeMessage)));
}

void TreeViewTest::deleting_data()
{
    QTest::addColumn<TemplateChanges>("changes");
    QTest::addColumn<QList<int>>("disabled");
    QTest::addColumn<int>("index"); // -1: the "Channels" item
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("selected");
    const QString question = QStringLiteral("This channel is assigned to a Preset Channel button.");
    QTest::newRow("plain channel") << TemplateChanges {} << QList<int> {} << 5 << int(MsgAnswer::Yes) << ""
                                   << 15 << "CHAN 7";
    QTest::newRow("preset channel, confirmed")
        << TemplateChanges {} << QList<int> {} << 0 << int(MsgAnswer::Yes) << question << 15 << "CHAN 2";
    QTest::newRow("preset channel, declined")
        << TemplateChanges {} << QList<int> {} << 0 << int(MsgAnswer::No) << question << 16 << "CHAN 1";
    QTest::newRow("last channel in use") << TemplateChanges { kOneInUse } << QList<int> {} << 0
                                         << int(MsgAnswer::Yes) << kLastChannel << 1 << "CHAN 1";
    QTest::newRow("last enabled channel")
        << TemplateChanges { kTenInUse } << QList<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9 } << 0
        << int(MsgAnswer::Yes) << kLastChannel << 10 << "CHAN 1";
    QTest::newRow("a disabled channel beside the last enabled one")
        << TemplateChanges { kTenInUse } << QList<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9 } << 9
        << int(MsgAnswer::Yes) << "" << 9 << "CHAN 9";
    QTest::newRow("Delete key on a section")
        << TemplateChanges {} << QList<int> {} << -1 << int(MsgAnswer::Yes) << "" << 16 << "Channels";
}

void TreeViewTest::deleting()
{
    QFETCH(TemplateChanges, changes);
    QFETCH(QList<int>, disabled);
    QFETCH(int, index);
    QFETCH(int, answer);
    QFETCH(QString, message);
    QFETCH(int, count);
    QFETCH(QString, selected);
    TreeWindow window(changes);
    for (int channel : disabled)
        window.setChannel(channel, "disable_channel", 1);
    window.fixture.reporter.messages.clear();
    window.fixture.reporter.answer = answer;
    window.tree().setCurrentItem(index < 0 ? window.tree().channelsItem() : window.channel(index));
    QTest::keyClick(&window.tree(), Qt::Key_Delete);

    QCOMPARE(window.fixture.reporter.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY(window.fixture.reporter.messages.first().startsWith(message));
    QCOMPARE(window.tree().channelsItem()->childCount(), count);
    QCOMPARE(window.tree().currentItem()->text(0), selected);
    if (index >= 0)
        QCOMPARE(window.frame.editorKind(), int(SectionKind::Channel));
}

void TreeViewTest::renaming_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byCommand"); // committed by a save, write or report
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("messages");
    QTest::newRow("new name") << "NEW" << false << "NEW" << 0;
    QTest::newRow("trimmed") << " AB " << false << "AB" << 0;
    QTest::newRow("only spaces") << "   " << false << "CHAN 3" << 0;
    QTest::newRow("name taken") << "CHAN 1" << false << "CHAN 3" << 1;
    QTest::newRow("committed by a command") << "NEW" << true << "NEW" << 0;
    QTest::newRow("taken, committed by a command: one message") << "CHAN 1" << true << "CHAN 3" << 1;
}

void TreeViewTest::renaming()
{
    QFETCH(QString, typed);
    QFETCH(bool, byCommand);
    QFETCH(QString, name);
    QFETCH(int, messages);
    TreeWindow window;
    window.frame.show();
    window.tree().setCurrentItem(window.channel(2));
    window.tree().renameItem();
    auto *editor = window.tree().findChild<QLineEdit *>();
    QVERIFY(editor);
    QCOMPARE(editor->maxLength(), 8);
    editor->setText(typed);
    if (byCommand)
        QCOMPARE(window.frame.CommitPendingInput(), messages == 0);
    if (window.tree().isEditingLabel())
        QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(window.channel(2)->text(0), name);
    QCOMPARE(window.fixture.reporter.messages.size(), messages);
    if (messages)
        QCOMPARE(window.fixture.reporter.messages.first(), StringTable::text(3002));
    QCOMPARE(window.document->isModified(), name != QLatin1String("CHAN 3"));
}

void TreeViewTest::refusedCommitKeepsSelection()
{
    TreeWindow window;
    window.frame.show();
    bool commits = false;
    window.tree().setCommitGuard([&commits] { return commits; });
    const QRect channels = window.tree().visualItemRect(window.tree().channelsItem());
    QTest::mouseClick(window.tree().viewport(), Qt::LeftButton, {}, channels.center());
    QCoreApplication::processEvents();
    QCOMPARE(window.tree().currentItem(), window.tree().topLevelItem(0));
    QCOMPARE(window.tree().selectedItems(), QList<QTreeWidgetItem *> { window.tree().topLevelItem(0) });
    QCOMPARE(window.frame.editorKind(), int(SectionKind::RadioInfo));
    commits = true;
    QTest::mouseClick(window.tree().viewport(), Qt::LeftButton, {}, channels.center());
    QCOMPARE(window.tree().currentItem(), window.tree().channelsItem());
    QCOMPARE(window.frame.editorKind(), int(SectionKind::Channels));
}

void TreeViewTest::addingSelectsTheNewChannel()
{
    TreeWindow window({ kTenInUse });
    window.frame.show();
    window.tree().setFocus();
    window.tree().setCurrentItem(window.tree().channelsItem());
    QVERIFY(window.tree().canAdd() && !window.tree().canDelete() && !window.tree().canRename());
    window.tree().addItem();
    QCOMPARE(window.tree().channelsItem()->childCount(), 11);
    QCOMPARE(window.tree().currentItem(), window.channel(10));
    QCOMPARE(window.frame.editorKind(), int(SectionKind::Channel));
    QCOMPARE(window.document->undoStack()->undoText(), QStringLiteral("Add Channel"));
    QVERIFY(window.tree().canDelete() && window.tree().canRename() && !window.tree().canAdd());
}

void TreeViewTest::undoKeepsSelection()
{
    TreeWindow window;
    window.tree().setCurrentItem(window.channel(4));
    window.setChannel(4, "name", QStringLiteral("RENAMED"));
    QCOMPARE(window.channel(4)->text(0), QStringLiteral("RENAMED"));
    window.document->undoStack()->undo();
    QCOMPARE(window.channel(4)->text(0), QStringLiteral("CHAN 5"));
    QCOMPARE(window.tree().currentItem(), window.channel(4));
}

void TreeViewTest::helpPane()
{
    TreeWindow window;
    window.frame.show();
    window.frame.setHelpVisible(true);
    QCoreApplication::processEvents();
    QVERIFY(window.frame.isHelpVisible() && window.frame.helpPane()->isVisible());
    QCOMPARE(window.frame.helpPane()->height(), CChildFrame::kInitialHelpHeight);
    window.frame.resize(900, 400);
    QCoreApplication::processEvents();
    QCOMPARE(window.frame.helpPane()->height(), CChildFrame::kInitialHelpHeight);
    // The focused control's own paragraph comes into the low pane.
    window.tree().setCurrentItem(window.tree().topLevelItem(0)->child(0));
    QCOMPARE(window.frame.editorKind(), int(SectionKind::GeneralSettings));
    window.frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window.frame));
    constexpr int kTxHangtime = 1005;
    window.frame.editor()->control(kTxHangtime)->setFocus();
    QTRY_COMPARE(window.frame.helpPane()->source().fragment(), QStringLiteral("tx-hangtime"));
    QVERIFY(window.frame.helpPane()->verticalScrollBar()->value() > 0);
    window.frame.setHelpVisible(false);
    QVERIFY(!window.frame.helpPane()->isVisible());
}

void TreeViewTest::treeWidthFitsCaptions_data()
{
    QTest::addColumn<QString>("caption"); // of the first section
    QTest::newRow("English: the usual width") << QString();
    QTest::newRow("a longer section name") << QStringLiteral("Paramètres généraux de la radio portative");
}

void TreeViewTest::treeWidthFitsCaptions()
{
    QFETCH(QString, caption);
    TreeWindow window;
    if (!caption.isEmpty())
        window.tree().topLevelItem(0)->child(0)->setText(0, caption);
    window.frame.show();
    QCoreApplication::processEvents();
    QCOMPARE(window.tree().width(), std::max(CChildFrame::kTreeWidth, window.tree().captionWidth()));
    QVERIFY(caption.isEmpty() || window.tree().width() > CChildFrame::kTreeWidth);
}

#include "TreeViewTest.moc"
