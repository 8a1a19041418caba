#include "AppTests.h"
#include "EditorPage.h"

#include "editors/ChannelView.h"
#include "editors/FrequencyView.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

// The channel editor, rule by rule, and one edit of a channel and of the
// frequency table through undo, redo, save and reload.
class ChannelViewTest : public QObject {
    Q_OBJECT

private slots:
    void lists_data();
    void lists();
    void choosing_data();
    void choosing();
    void nameCommit_data();
    void nameCommit();
    void disableAsksAboutPreset_data();
    void disableAsksAboutPreset();
    void editUndoRedoSaveReload();
    void bandwidthsInTheLanguagesNotation_data();
    void bandwidthsInTheLanguagesNotation();
};
APP_TEST(ChannelViewTest);

namespace {

using Page = EditorPage<CChannelView>;
constexpr int kReceive = 1016, kTransmit = 1017;

} // namespace

// The frequency and code lists: the texts, where they end, and what
// opening a frequency list that shows "Out of range" picks.
void ChannelViewTest::lists_data()
{
    QTest::addColumn<TemplateChanges>("changes");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("value"); // the item's table index or code
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("last");
    QTest::addColumn<QString>("opened"); // the receive index once the list is opened; empty: not opened
    const auto row = [](const char *name, const TemplateChanges &changes, const char *language, int id,
                         int value, const char *text, bool last, const char *opened = "") {
        QTest::newRow(name) << changes << language << id << value << text << last << opened;
    };
    const TemplateChange firstOutOfRange = Change("limit", "start_freq", "452000000");
    row("frequency, opened", {}, "English", kReceive, 1, "2 - 456.100000", false, "0");
    row("frequency, the language's separator", {}, "German", kTransmit, 1, "2 - 456,100000", false);
    row("out of range, opened: the one after the transmit frequency", { firstOutOfRange }, "English",
        kReceive, 0, "Out of range", true, "3");
    row("out of range, opened: the first listed", { firstOutOfRange, Change("channel", "tx_freq_ndx", "4") },
        "English", kReceive, 0, "Out of range", true, "1");
    row("two-watt frequency of a four-watt radio", { Change("factory_setting", "model", "KUR41673") },
        "English", kReceive, 16, "17 - 462.762500 (2W limit)", false);
    row("two-watt frequency of a five-watt radio", {}, "English", kReceive, 16, "17 - 462.762500", false);
    row("tone with the separator", {}, "German", 1019, 1, "1 - 67,0 Hz", false);
    row("customised DPL", {}, "English", 1019, 219, "219 - Customized DPL (050)", true);
    row("last code without customised DPL", { Change("limit", "maxCodes", "213") }, "English", 1022, 213,
        "213 - Inverted DPL 123", true);
}

void ChannelViewTest::lists()
{
    QFETCH(TemplateChanges, changes);
    QFETCH(QString, language);
    QFETCH(int, id);
    QFETCH(int, value);
    QFETCH(QString, text);
    QFETCH(bool, last);
    QFETCH(QString, opened);
    const Page page(QStringLiteral("KUR51673"), changes, language);
    QComboBox *list = page.combo(id);
    QCOMPARE(list->itemText(list->findData(value)), text);
    QCOMPARE(list->findData(value) == list->count() - 1, last);
    QVERIFY2(page.view->GetCtrlRect(id).width() >= list->sizeHint().width(), "no item is cut");
    if (opened.isEmpty())
        return;
    list->showPopup();
    QVERIFY(list->view()->isVisible());
    list->hidePopup();
    QCOMPARE(page.ofChannel("rx_freq_ndx"), opened);
    QCOMPARE(list->currentData().toString(), opened);
}

// A choice writes what goes with it in one undo step: the frequency's
// rules, the next transmit frequency of a repeater, and on a model without
// the repeater feature the transmit side as well.
void ChannelViewTest::choosing_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<TemplateChanges>("changes");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("value"); // the frequency's table index, else the item
    QTest::addColumn<QStringList>("written"); // attribute=value
    QTest::addColumn<bool>("bandwidthFixed"); // by the receive frequency's rule
    QTest::addColumn<QString>("message"); // its start
    const auto row = [](const char *name, const char *model, int id, int value, const QStringList &written,
                         bool fixed = false, const char *message = "", const TemplateChanges &changes = {}) {
        QTest::newRow(name) << model << changes << id << value << written << fixed << message;
    };
    // The rules themselves are the channel commands' (ProfileCommandsTest):
    // here a control calls its command and shows the verdict.
    row("rule 0: 12.5 kHz only", "KUR51673", kReceive, 4, { "rx_freq_ndx=4", "rx_bw=0" }, true);
    const char *next = "The transmit frequency index";
    row("repeater: transmit chosen as the receive frequency", "KUR51673", kTransmit, 0, { "tx_freq_ndx=1" },
        true, next);
    // Table index 4 is a frequency of low power only.
    row("no repeater: frequency and its power rule", "KUD41600", kReceive, 4,
        { "tx_freq_ndx=4", "talkaround_power=0", "repeater_power=0" }, true);
    row("no repeater: power", "KUD41600", 1028, 0, { "repeater_power=0" }, true);
}

void ChannelViewTest::choosing()
{
    QFETCH(QString, model);
    QFETCH(TemplateChanges, changes);
    QFETCH(int, id);
    QFETCH(int, value);
    QFETCH(QStringList, written);
    QFETCH(bool, bandwidthFixed);
    QFETCH(QString, message);
    Page page(model, changes);
    if (page.control(1024)->isHidden()) { // no repeater feature: one column
        QCOMPARE(page.control<QLabel>(1111)->text(), QStringLiteral("Receive/Transmit"));
        QCOMPARE(page.control(1111)->accessibleName(), QStringLiteral("Receive/Transmit"));
        QVERIFY(page.combo(kTransmit)->isHidden());
    }
    page.messages().clear();
    const QString before = page.xml();
    if (id == kReceive || id == kTransmit)
        page.chooseValue(id, value);
    else
        page.choose(id, value);
    for (const QString &assignment : written)
        QCOMPARE(page.ofChannel(assignment.section('=', 0, 0)), assignment.section('=', 1));
    QCOMPARE(page.combo(1018)->isEnabled(), !bandwidthFixed);
    QCOMPARE(page.messages().size(), message.isEmpty() ? 0 : 1);
    QCOMPARE(page.messages().join(QString()).left(message.size()), message);
    QCOMPARE(page.document->undoStack()->count(), 1);
    if (id == kReceive || id == kTransmit)
        QCOMPARE(page.document->undoStack()->undoText(), QStringLiteral("Change Frequency"));
    page.document->undoStack()->undo();
    QCOMPARE(page.xml(), before);
}

void ChannelViewTest::nameCommit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("committed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("trimmed") << "  DOCK  " << true << "DOCK";
    QTest::newRow("empty") << "" << false << "CHAN 1";
    QTest::newRow("another channel's name") << "CHAN 2" << false << "CHAN 1";
}

void ChannelViewTest::nameCommit()
{
    QFETCH(QString, typed);
    QFETCH(bool, committed);
    QFETCH(QString, stored);
    const Page page(QStringLiteral("KUR51673"));
    auto *name = page.control<QLineEdit>(1085);
    name->setText(typed);
    QCOMPARE(page.view->CommitPendingInput(), committed);
    QCOMPARE(page.ofChannel("name"), stored);
    QCOMPARE(name->text(), stored);
    QCOMPARE(page.control<QLabel>(1058)->text(), stored + QStringLiteral(" (1)"));
}

void ChannelViewTest::disableAsksAboutPreset_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("stored");
    QTest::newRow("preset channel, yes") << 0 << int(MsgAnswer::Yes) << 1 << "1";
    QTest::newRow("preset channel, no") << 0 << int(MsgAnswer::No) << 1 << "0";
    QTest::newRow("channel of no preset") << 3 << int(MsgAnswer::No) << 0 << "1";
}

void ChannelViewTest::disableAsksAboutPreset()
{
    QFETCH(int, channel);
    QFETCH(int, answer);
    QFETCH(int, questions);
    QFETCH(QString, stored);
    Page page(QStringLiteral("KUD41600"), {}, {}, channel);
    page.fixture.reporter.answer = answer;
    page.messages().clear();
    page.control<QCheckBox>(1032)->click();
    QCOMPARE(page.messages().size(), questions);
    QCOMPARE(page.ofChannel("disable_channel"), stored);
    QCOMPARE(page.control<QCheckBox>(1032)->isChecked(), stored == QLatin1String("1"));
    QCOMPARE(page.control(1085)->isEnabled(), stored == QLatin1String("0"));
}

void ChannelViewTest::editUndoRedoSaveReload()
{
    Page page(QStringLiteral("KUR51673"));
    const QMap<QString, QString> expected { { "rx_freq_ndx", "6" }, { "rx_bw", "1" },
        { "scramble_code", "2" }, { "autoScan", "1" }, { "tx_freq_ndx", page.ofChannel("tx_freq_ndx") },
        { "name", page.ofChannel("name") } };
    page.chooseValue(kReceive, 6);
    page.choose(1023, 2);
    page.control<QCheckBox>(1027)->click();
    {
        CFrequencyView table(EditorContext { *page.document, page.fixture.context });
        table.OnInitialUpdate();
        table.control<QPushButton>(1041)->click();
        QTest::keyClicks(table.control<QLineEdit>(1073), QStringLiteral("460.0125"));
        QTest::keyClick(table.control<QLineEdit>(1073), Qt::Key_Return);
    }
    QUndoStack *steps = page.document->undoStack();
    QCOMPARE(steps->count(), 4);
    while (steps->canUndo())
        steps->undo();
    QCOMPARE(page.ofChannel("scramble_code"), QStringLiteral("0"));
    while (steps->canRedo())
        steps->redo();
    const QString path = page.fixture.temp.filePath(QStringLiteral("edited.kv9"));
    QVERIFY(page.document->Save(path));

    page.view.reset();
    page.document = std::make_unique<CProfileDocument>(page.fixture.context.versionRules());
    QVERIFY(page.document->Open(path));
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(page.ofChannel(it.key()), it.value());
    QCOMPARE(page.stored("freq", "frequencies", 22), QStringLiteral("460012500"));
    QCOMPARE(page.stored("power_level", "frequencies", 22), QStringLiteral("1"));
    QCOMPARE(page.stored("freq", "frequencies", 23), QString()); // the one row added
}

#include "ChannelViewTest.moc"

void ChannelViewTest::bandwidthsInTheLanguagesNotation_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("narrow");
    QTest::newRow("point") << "English"
                           << "12.5";
    QTest::newRow("comma") << "German"
                           << "12,5";
    QTest::newRow("comma, other script") << "Russian"
                                         << "12,5";
}

// The channel's and the frequency table's bandwidths are written as the
// language writes decimals; the profile keeps its numbers.
void ChannelViewTest::bandwidthsInTheLanguagesNotation()
{
    QFETCH(QString, language);
    QFETCH(QString, narrow);
    constexpr int kReceiveBandwidth = 1018, kTransmitBandwidth = 1020, kBandwidthRule = 1063;
    Page channel(QStringLiteral("KUR51673"), {}, language);
    for (int id : { kReceiveBandwidth, kTransmitBandwidth })
        QCOMPARE(channel.items(id), QStringList({ narrow, QStringLiteral("25") }));
    QCOMPARE(
        channel.combo(kReceiveBandwidth)->currentIndex(), channel.ofChannel(QStringLiteral("rx_bw")).toInt());
    const EditorPage<CFrequencyView> table(QStringLiteral("KUR51673"), {}, language);
    QVERIFY(table.items(kBandwidthRule).at(0).contains(narrow));
}
