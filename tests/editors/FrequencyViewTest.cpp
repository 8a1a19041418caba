#include "AppTests.h"
#include "EditorPage.h"

#include "base/StringTable.h"
#include "editors/FrequencyView.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

// The RF frequency table editor: the input filter, the checks of a saved
// row, the delete of a mixed selection and the keyboard.
class FrequencyViewTest : public QObject {
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void save_data();
    void save();
    void editSecondRow_data();
    void editSecondRow();
    void deleteKeepsUsedFrequencies();
    void unknownCompander();
    void selectionComesBack();
    void buttonNamesFollowTheirTexts();
};

APP_TEST(FrequencyViewTest);

namespace {

constexpr int kList = 1067, kFrequency = 1073, kAdd = 1041, kEdit = 1065;

// The frequency table of KUR51673: 22 rows, the second 456.1 MHz and the
// first channel's transmit frequency.
struct TablePage : EditorPage<CFrequencyView> {
    explicit TablePage(const TemplateChanges &changes = {}, const QString &language = QString())
        : EditorPage(QStringLiteral("KUR51673"), changes, language)
    {
    }
    QTreeWidget *list() const { return control<QTreeWidget>(kList); }
    QLineEdit *frequency() const { return control<QLineEdit>(kFrequency); }
    void click(int id) const { control<QPushButton>(id)->click(); }
    QString row(int index, const char *attribute) const { return stored(attribute, "frequencies", index); }
};

} // namespace

void FrequencyViewTest::typing_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char *name, const char *language, const char *typed, const char *shown) {
        QTest::newRow(name) << language << typed << shown;
    };
    row("seventh digit after the point", "English", "450.12345678", "450.123456");
    row("fifth digit before the point", "English", "12345", "1234");
    row("letters and a second point", "English", "4a5.6.7", "45.67");
    row("above 4294.967295", "English", "4294.967296", "4294.96729");
    row("the language's separator", "German", "450,5", "450,5");
    row("a point that is not the separator", "German", "45.5", "455");
}

void FrequencyViewTest::typing()
{
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TablePage page({}, language);
    page.click(kAdd);
    QTest::keyClicks(page.frequency(), typed);
    QCOMPARE(page.frequency()->text(), shown);
}

void FrequencyViewTest::save_data()
{
    QTest::addColumn<TemplateChanges>("changes");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("powerLevel"); // of the new row; empty: none added
    const auto row = [](const char *name, const char *typed, const QString &message, const char *powerLevel,
                         bool fourWatt = false, int answer = MsgAnswer::Ok) {
        const TemplateChanges model { Change("factory_setting", "model", "KUR41673") };
        QTest::newRow(name) << (fourWatt ? model : TemplateChanges {}) << typed << answer << message
                            << powerLevel;
    };
    const QString twoWatt = QStringLiteral("The frequency is authorized for 2W");
    row("new frequency", "460.0125", "", "1");
    row("MURS frequency", "154.57", "Invalid Frequency.", "");
    row("frequency already in the table", "451.1", StringTable::text(3019), "");
    row("two-watt frequency of a four-watt radio, converted", "467.7625", twoWatt, "0", true);
    row("two-watt frequency of a four-watt radio, cancelled", "467.7625", twoWatt, "", true,
        MsgAnswer::Cancel);
}

void FrequencyViewTest::save()
{
    QFETCH(TemplateChanges, changes);
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, message);
    QFETCH(QString, powerLevel);
    TablePage page(changes);
    page.fixture.reporter.answer = answer;
    page.messages().clear();
    page.click(kAdd);
    QTest::keyClicks(page.frequency(), typed);
    page.click(kAdd);
    QCOMPARE(page.messages().join(QString()).left(message.size()), message);
    QCOMPARE(page.row(22, "power_level"), powerLevel);
    QCOMPARE(
        page.view->mode(), powerLevel.isEmpty() ? CFrequencyView::Mode::Add : CFrequencyView::Mode::Browse);
    QCOMPARE(page.list()->topLevelItemCount(), powerLevel.isEmpty() ? 22 : 23);
}

// The second row, the first channel's transmit frequency: a fixed bandwidth
// would change the channel, so it is asked about first; the keyboard ends
// an edit too.
void FrequencyViewTest::editSecondRow_data()
{
    QTest::addColumn<QString>("typed"); // empty: the bandwidth rule becomes "25 kHz only"
    QTest::addColumn<int>("key"); // that ends the edit; 0: the Edit button
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("stored"); // freq,bandwidth
    QTest::addColumn<bool>("editing");
    const int ok = MsgAnswer::Ok;
    QTest::newRow("used frequency's rule, yes") << "" << 0 << int(MsgAnswer::Yes) << "456100000,1" << false;
    QTest::newRow("used frequency's rule, no") << "" << 0 << int(MsgAnswer::No) << "456100000,2" << true;
    QTest::newRow("Enter saves") << "459" << int(Qt::Key_Return) << ok << "459000000,2" << false;
    QTest::newRow("Escape cancels") << "459" << int(Qt::Key_Escape) << ok << "456100000,2" << false;
}

void FrequencyViewTest::editSecondRow()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, answer);
    QFETCH(QString, stored);
    QFETCH(bool, editing);
    TablePage page;
    page.fixture.reporter.answer = answer;
    page.messages().clear();
    page.list()->setCurrentItem(page.list()->topLevelItem(1));
    page.click(kEdit);
    if (typed.isEmpty()) {
        page.combo(1063)->setCurrentIndex(1);
        page.click(kEdit);
        QCOMPARE(page.messages(), QStringList { StringTable::text(3023) });
    } else {
        page.frequency()->selectAll();
        QTest::keyClicks(page.frequency(), typed);
        QTest::keyClick(page.frequency(), Qt::Key(key));
        QVERIFY(page.messages().isEmpty());
    }
    QCOMPARE(page.row(1, "freq") + ',' + page.row(1, "bandwidth"), stored);
    QCOMPARE(page.view->mode(), editing ? CFrequencyView::Mode::Edit : CFrequencyView::Mode::Browse);
    if (!editing)
        QCOMPARE(page.control<QPushButton>(kEdit)->text(), QStringLiteral("Edit"));
}

void FrequencyViewTest::deleteKeepsUsedFrequencies()
{
    TablePage page({ Change("setting", "numberChannels", "8") });
    page.messages().clear();
    for (int row : { 0, 20, 21 })
        page.list()->topLevelItem(row)->setSelected(true);
    const QString kept = page.row(19, "freq");
    page.click(1066);
    QCOMPARE(page.messages(),
        QStringList({ QStringLiteral("Do you want to delete the selected item(s)?"),
            QStringLiteral("Frequency (Frequencies) used by channel can not be deleted.") }));
    QCOMPARE(page.list()->topLevelItemCount(), 20);
    QCOMPARE(page.row(19, "freq"), kept);
    QCOMPARE(page.document->undoStack()->undoText(), QStringLiteral("Delete Frequency"));
    page.document->undoStack()->undo();
    QCOMPARE(page.list()->topLevelItemCount(), 22);
}

void FrequencyViewTest::unknownCompander()
{
    TablePage page({ Change("frequency", "compander_lle_mode", "0") });
    page.list()->setCurrentItem(page.list()->topLevelItem(0));
    QCOMPARE(page.list()->topLevelItem(0)->text(4), QStringLiteral("N/A"));
    QCOMPARE(page.combo(1068)->currentText(), QStringLiteral("ON"));
}

void FrequencyViewTest::selectionComesBack()
{
    TablePage page;
    QCOMPARE(page.frequency()->text(), QStringLiteral("451.100000"));
    page.view->resize(1000, 500);
    page.list()->setCurrentItem(page.list()->topLevelItem(17));
    page.list()->verticalScrollBar()->setValue(3);
    page.open();
    page.view->resize(1000, 500);
    QCOMPARE(page.list()->currentItem(), page.list()->topLevelItem(17));
    QCOMPARE(page.list()->verticalScrollBar()->value(), 3);
    QCOMPARE(page.frequency()->text(), QStringLiteral("462.787500"));
}

// What a screen reader is told of the buttons is what they show.
void FrequencyViewTest::buttonNamesFollowTheirTexts()
{
    TablePage page;
    const auto texts = [&page](bool accessible) {
        QStringList shown;
        for (int id : { kAdd, kEdit, 1066 }) {
            const auto *button = page.control<QPushButton>(id);
            shown << (accessible ? button->accessibleName() : button->text().remove(QLatin1Char('&')));
        }
        return shown;
    };
    page.click(kAdd);
    QCOMPARE(texts(false), QStringList({ "Save", "Edit", "Cancel" }));
    QCOMPARE(texts(true), texts(false));
    page.click(1066);
    QCOMPARE(texts(false), QStringList({ "Add", "Edit", "Delete" }));
    QCOMPARE(texts(true), texts(false));
}

#include "FrequencyViewTest.moc"
