#include "AppTests.h"
#include "EditorFixture.h"

#include "editors/ChannelView.h"
#include "editors/FrequencyView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The channel editor, rule by rule, and one edit of a channel and of the
// frequency table through undo, redo, save and reload.
class ChannelViewTest : public QObject {
    Q_OBJECT

private slots:
    void frequencyListTexts_data();
    void frequencyListTexts();
    void frequencyRulesDriveBandwidth_data();
    void frequencyRulesDriveBandwidth();
    void repeaterTakesNextTransmit_data();
    void repeaterTakesNextTransmit();
    void receiveIsTransmitWithoutRepeater_data();
    void receiveIsTransmitWithoutRepeater();
    void nameCommit_data();
    void nameCommit();
    void codeList_data();
    void codeList();
    void disableAsksAboutPreset_data();
    void disableAsksAboutPreset();
    void editUndoRedoSaveReload();
};
APP_TEST(ChannelViewTest);

namespace {

TemplateChange Change(const char *element, const char *attribute, const char *value)
{
    return { QLatin1String(element), QLatin1String(attribute), QLatin1String(value) };
}

// A channel of a template profile in its editor.
struct ChannelPage {
    ChannelPage(const QString &model, const TemplateChanges &changes = {}, int channel = 0,
        const QString &language = QString())
        : fixture(QStringLiteral(VELA_DATA_DIR), language, false)
        , document(fixture.profile(model, changes))
        , view(EditorContext { *document, fixture.context, channel })
        , channel(channel)
    {
        view.OnInitialUpdate();
    }

    QComboBox *combo(int id) const { return view.control<QComboBox>(id); }
    QString stored(const char *attribute) const
    {
        CDataItem channels;
        CDataItem item;
        document->root().GetChildByName(QStringLiteral("channels"), channels).GetChildByIndex(channel, item);
        return item.GetAttributeValue(QLatin1String(attribute)).toString();
    }
    // The user picks the item whose value is value.
    void choose(int id, int value) const
    {
        const int index = combo(id)->itemData(0).isValid() ? combo(id)->findData(value) : value;
        combo(id)->setCurrentIndex(index);
        emit combo(id)->activated(index);
    }

    EditorFixture fixture;
    std::unique_ptr<CProfileDocument> document;
    CChannelView view;
    int channel;
};

} // namespace

void ChannelViewTest::frequencyListTexts_data()
{
    QTest::addColumn<TemplateChanges>("changes");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("tableIndex");
    QTest::addColumn<QString>("text");
    QTest::newRow("listed") << TemplateChanges {} << "English" << 1 << "2 - 456.100000";
    QTest::newRow("language's separator") << TemplateChanges {} << "German" << 1 << "2 - 456,100000";
    QTest::newRow("stored frequency outside the range")
        << TemplateChanges { Change("limit", "start_freq", "452000000") } << "English" << 0 << "Out of range";
    QTest::newRow("two-watt frequency of a four-watt radio")
        << TemplateChanges { Change("factory_setting", "model", "KUR41673") } << "English" << 16
        << "17 - 462.762500 (2W limit)";
    QTest::newRow("two-watt frequency of a five-watt radio")
        << TemplateChanges {} << "English" << 16 << "17 - 462.762500";
}

void ChannelViewTest::frequencyListTexts()
{
    QFETCH(TemplateChanges, changes);
    QFETCH(QString, language);
    QFETCH(int, tableIndex);
    QFETCH(QString, text);
    const ChannelPage page(QStringLiteral("KUR51673"), changes, 0, language);
    QComboBox *receive = page.combo(1016);
    QCOMPARE(receive->itemText(receive->findData(tableIndex)), text);
}

void ChannelViewTest::frequencyRulesDriveBandwidth_data()
{
    QTest::addColumn<int>("tableIndex");
    QTest::addColumn<QString>("bandwidth");
    QTest::addColumn<bool>("selectable");
    QTest::newRow("rule 0: 12.5 kHz only") << 4 << "0" << false;
    QTest::newRow("rule 1: 25 kHz only") << 3 << "1" << false;
    QTest::newRow("rule 2: 12.5 kHz by default") << 5 << "0" << true;
    QTest::newRow("rule 3: 25 kHz by default") << 6 << "1" << true;
}

void ChannelViewTest::frequencyRulesDriveBandwidth()
{
    QFETCH(int, tableIndex);
    QFETCH(QString, bandwidth);
    QFETCH(bool, selectable);
    ChannelPage page(QStringLiteral("KUR51673"));
    const int steps = page.document->undoStack()->count();
    page.choose(1016, tableIndex);
    QCOMPARE(page.stored("rx_freq_ndx"), QString::number(tableIndex));
    QCOMPARE(page.stored("rx_bw"), bandwidth);
    QCOMPARE(page.combo(1018)->currentIndex(), bandwidth.toInt());
    QCOMPARE(page.combo(1018)->isEnabled(), selectable);
    QCOMPARE(page.document->undoStack()->count(), steps + 1);
    QCOMPARE(page.document->undoStack()->undoText(), QStringLiteral("Change Frequency"));
}

void ChannelViewTest::repeaterTakesNextTransmit_data()
{
    QTest::addColumn<TemplateChanges>("changes");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("transmit");
    QTest::newRow("transmit chosen as the receive frequency") << TemplateChanges {} << 1017 << 0 << "1";
    QTest::newRow("receive chosen as the last transmit frequency wraps")
        << TemplateChanges { Change("channel", "tx_freq_ndx", "21") } << 1016 << 21 << "0";
}

void ChannelViewTest::repeaterTakesNextTransmit()
{
    QFETCH(TemplateChanges, changes);
    QFETCH(int, side);
    QFETCH(int, chosen);
    QFETCH(QString, transmit);
    ChannelPage page(QStringLiteral("KUR51673"), changes);
    page.fixture.reporter.messages.clear();
    page.choose(side, chosen);
    QCOMPARE(page.fixture.reporter.messages.size(), 1);
    QVERIFY(
        page.fixture.reporter.messages.front().startsWith(QStringLiteral("The transmit frequency index")));
    QCOMPARE(page.stored("tx_freq_ndx"), transmit);
    QCOMPARE(page.combo(1017)->currentData().toString(), transmit);
}

void ChannelViewTest::receiveIsTransmitWithoutRepeater_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("transmitAttribute");
    QTest::newRow("frequency") << 1016 << 3 << "tx_freq_ndx";
    QTest::newRow("power") << 1028 << 0 << "repeater_power";
    QTest::newRow("code") << 1019 << 5 << "tx_code";
}

void ChannelViewTest::receiveIsTransmitWithoutRepeater()
{
    QFETCH(int, id);
    QFETCH(int, value);
    QFETCH(QString, transmitAttribute);
    ChannelPage page(QStringLiteral("KUD41600"));
    QCOMPARE(page.view.control<QLabel>(1111)->text(), QStringLiteral("Receive/Transmit"));
    QVERIFY(page.combo(1017)->isHidden());
    page.choose(id, value);
    QCOMPARE(page.stored(transmitAttribute.toLatin1().constData()), QString::number(value));
    page.document->undoStack()->undo();
    QVERIFY(page.stored(transmitAttribute.toLatin1().constData()) != QString::number(value));
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
    ChannelPage page(QStringLiteral("KUR51673"));
    auto *name = page.view.control<QLineEdit>(1085);
    name->setText(typed);
    QCOMPARE(page.view.CommitPendingInput(), committed);
    QCoreApplication::processEvents();
    QCOMPARE(page.stored("name"), stored);
    QCOMPARE(name->text(), stored);
    QCOMPARE(page.view.control<QLabel>(1058)->text(), stored + QStringLiteral(" (1)"));
    QCOMPARE(name->selectedText(), committed ? QString() : stored);
}

void ChannelViewTest::codeList_data()
{
    QTest::addColumn<QString>("maxCodes");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("tone with the separator") << "219"
                                             << "German" << 1 << "1 - 67,0 Hz";
    QTest::newRow("last code without customised DPL") << "213"
                                                      << "English" << 213 << "213 - Inverted DPL 123";
    QTest::newRow("customised DPL") << "219"
                                    << "English" << 219 << "219 - Customized DPL (050)";
}

void ChannelViewTest::codeList()
{
    QFETCH(QString, maxCodes);
    QFETCH(QString, language);
    QFETCH(int, code);
    QFETCH(QString, text);
    const ChannelPage page(QStringLiteral("KUR51673"),
        { Change("limit", "maxCodes", maxCodes.toLatin1().constData()),
            Change("setting", "PLcode219", "40") },
        0, language);
    for (int id : { 1019, 1022 }) {
        QCOMPARE(page.combo(id)->count(), maxCodes.toInt() + 1);
        QCOMPARE(page.combo(id)->itemText(code), text);
    }
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
    ChannelPage page(QStringLiteral("KUD41600"), {}, channel);
    page.fixture.reporter.answer = answer;
    page.fixture.reporter.messages.clear();
    page.view.control<QCheckBox>(1032)->click();
    QCOMPARE(page.fixture.reporter.messages.size(), questions);
    QCOMPARE(page.stored("disable_channel"), stored);
    QCOMPARE(page.view.control<QCheckBox>(1032)->isChecked(), stored == QLatin1String("1"));
    QCOMPARE(page.view.control(1085)->isEnabled(), stored == QLatin1String("0"));
}

void ChannelViewTest::editUndoRedoSaveReload()
{
    ChannelPage page(QStringLiteral("KUR51673"));
    QMap<QString, QString> expected;
    for (const char *attribute :
        { "rx_freq_ndx", "rx_bw", "tx_freq_ndx", "scramble_code", "name", "autoScan" })
        expected[QLatin1String(attribute)] = page.stored(attribute);
    page.choose(1016, 6);
    page.choose(1023, 2);
    page.view.control<QCheckBox>(1027)->click();
    expected[QStringLiteral("rx_freq_ndx")] = QStringLiteral("6");
    expected[QStringLiteral("rx_bw")] = QStringLiteral("1");
    expected[QStringLiteral("scramble_code")] = QStringLiteral("2");
    expected[QStringLiteral("autoScan")] = QStringLiteral("1");
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
    QCOMPARE(page.stored("scramble_code"), QStringLiteral("0"));
    while (steps->canRedo())
        steps->redo();
    const QString path = page.fixture.temp.filePath(QStringLiteral("edited.kv9"));
    QVERIFY(page.document->Save(path));

    CProfileDocument reloaded(page.fixture.context.versionRules());
    QVERIFY(reloaded.Open(path));
    CDataItem channels;
    CDataItem channel;
    reloaded.root().GetChildByName(QStringLiteral("channels"), channels).GetChildByIndex(0, channel);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(channel.GetAttributeValue(it.key()).toString(), it.value());
    CDataItem frequencies;
    CDataItem added;
    reloaded.root().GetChildByName(QStringLiteral("frequencies"), frequencies).GetChildByIndex(22, added);
    QCOMPARE(frequencies.GetChildCount(), 23);
    QCOMPARE(added.GetAttributeValue(QStringLiteral("freq")).toString(), QStringLiteral("460012500"));
    QCOMPARE(added.GetAttributeValue(QStringLiteral("power_level")).toString(), QStringLiteral("1"));
}

#include "ChannelViewTest.moc"
