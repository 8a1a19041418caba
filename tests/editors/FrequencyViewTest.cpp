#include "AppTests.h"
#include "EditorFixture.h"

#include "base/StringTable.h"
#include "editors/FrequencyView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
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
    void changeOfUsedFrequencyAsksFirst_data();
    void changeOfUsedFrequencyAsksFirst();
    void deleteKeepsUsedFrequencies();
    void unknownCompander();
    void keyboard_data();
    void keyboard();
    void selectionComesBack();
};
APP_TEST(FrequencyViewTest);

namespace {

TemplateChange Change(const char *element, const char *attribute, const char *value)
{
    return { QLatin1String(element), QLatin1String(attribute), QLatin1String(value) };
}

// The frequency table of a template profile in its editor.
struct TablePage {
    explicit TablePage(const TemplateChanges &changes = {}, const QString &language = QString())
        : fixture(QStringLiteral(VELA_DATA_DIR), language, false)
        , document(fixture.profile(QStringLiteral("KUR51673"), changes))
    {
        open();
    }

    void open()
    {
        view = std::make_unique<CFrequencyView>(EditorContext { *document, fixture.context });
        view->OnInitialUpdate();
    }
    QTreeWidget *list() const { return view->control<QTreeWidget>(1067); }
    QLineEdit *frequency() const { return view->control<QLineEdit>(1073); }
    void click(int id) const { view->control<QPushButton>(id)->click(); }
    QString stored(int row, const char *attribute) const
    {
        CDataItem frequencies;
        CDataItem entry;
        document->root()
            .GetChildByName(QStringLiteral("frequencies"), frequencies)
            .GetChildByIndex(row, entry);
        return entry.isEmpty() ? QString() : entry.GetAttributeValue(QLatin1String(attribute)).toString();
    }

    EditorFixture fixture;
    std::unique_ptr<CProfileDocument> document;
    std::unique_ptr<CFrequencyView> view;
};

} // namespace

void FrequencyViewTest::typing_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("seventh digit after the point") << "English"
                                                   << "450.12345678"
                                                   << "450.123456";
    QTest::newRow("fifth digit before the point") << "English"
                                                  << "12345"
                                                  << "1234";
    QTest::newRow("letters and a second point") << "English"
                                                << "4a5.6.7"
                                                << "45.67";
    QTest::newRow("above 4294.967295") << "English"
                                       << "4294.967296"
                                       << "4294.96729";
    QTest::newRow("the language's separator") << "German"
                                              << "450,5"
                                              << "450,5";
    QTest::newRow("a point that is not the separator") << "German"
                                                       << "45.5"
                                                       << "455";
}

void FrequencyViewTest::typing()
{
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TablePage page({}, language);
    page.click(1041);
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
    QTest::newRow("new frequency") << TemplateChanges {} << "460.0125" << int(MsgAnswer::Ok) << ""
                                   << "1";
    QTest::newRow("MURS frequency") << TemplateChanges {} << "154.57" << int(MsgAnswer::Ok)
                                    << "Invalid Frequency."
                                    << "";
    QTest::newRow("frequency already in the table")
        << TemplateChanges {} << "451.1" << int(MsgAnswer::Ok) << StringTable::text(3019) << "";
    const TemplateChanges fourWatt { Change("factory_setting", "model", "KUR41673") };
    QTest::newRow("two-watt frequency, converted")
        << fourWatt << "467.7625" << int(MsgAnswer::Ok) << "The frequency is authorized for 2W"
        << "0";
    QTest::newRow("two-watt frequency, cancelled")
        << fourWatt << "467.7625" << int(MsgAnswer::Cancel) << "The frequency is authorized for 2W"
        << "";
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
    page.fixture.reporter.messages.clear();
    page.click(1041);
    QTest::keyClicks(page.frequency(), typed);
    page.click(1041);
    QCOMPARE(page.fixture.reporter.messages.join(QString()).left(message.size()), message);
    QCOMPARE(page.stored(22, "power_level"), powerLevel);
    QCOMPARE(
        page.view->mode(), powerLevel.isEmpty() ? CFrequencyView::Mode::Add : CFrequencyView::Mode::Browse);
    QCOMPARE(page.list()->topLevelItemCount(), powerLevel.isEmpty() ? 22 : 23);
}

void FrequencyViewTest::changeOfUsedFrequencyAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("bandwidth");
    QTest::newRow("yes") << int(MsgAnswer::Yes) << "1";
    QTest::newRow("no") << int(MsgAnswer::No) << "2";
}

// The second row is the first channel's transmit frequency, which a fixed
// bandwidth would change.
void FrequencyViewTest::changeOfUsedFrequencyAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(QString, bandwidth);
    TablePage page;
    page.fixture.reporter.answer = answer;
    page.fixture.reporter.messages.clear();
    page.list()->setCurrentItem(page.list()->topLevelItem(1));
    page.click(1065);
    page.view->control<QComboBox>(1063)->setCurrentIndex(1);
    page.click(1065);
    QCOMPARE(page.fixture.reporter.messages, QStringList { StringTable::text(3023) });
    QCOMPARE(page.stored(1, "bandwidth"), bandwidth);
    QCOMPARE(page.view->mode(),
        answer == MsgAnswer::Yes ? CFrequencyView::Mode::Browse : CFrequencyView::Mode::Edit);
}

void FrequencyViewTest::deleteKeepsUsedFrequencies()
{
    TablePage page({ Change("setting", "numberChannels", "8") });
    page.fixture.reporter.messages.clear();
    for (int row : { 0, 20, 21 })
        page.list()->topLevelItem(row)->setSelected(true);
    const QString kept = page.stored(19, "freq");
    page.click(1066);
    QCOMPARE(page.fixture.reporter.messages,
        QStringList({ QStringLiteral("Do you want to delete the selected item(s)?"),
            QStringLiteral("Frequency (Frequencies) used by channel can not be deleted.") }));
    QCOMPARE(page.list()->topLevelItemCount(), 20);
    QCOMPARE(page.stored(19, "freq"), kept);
    QCOMPARE(page.document->undoStack()->undoText(), QStringLiteral("Delete Frequency"));
    page.document->undoStack()->undo();
    QCOMPARE(page.list()->topLevelItemCount(), 22);
}

void FrequencyViewTest::unknownCompander()
{
    TablePage page({ Change("frequency", "compander_lle_mode", "0") });
    page.list()->setCurrentItem(page.list()->topLevelItem(0));
    QCOMPARE(page.list()->topLevelItem(0)->text(4), QStringLiteral("N/A"));
    QCOMPARE(page.view->control<QComboBox>(1068)->currentText(), QStringLiteral("ON"));
}

void FrequencyViewTest::keyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("stored");
    QTest::newRow("Enter saves") << int(Qt::Key_Return) << "459000000";
    QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << "456100000";
}

void FrequencyViewTest::keyboard()
{
    QFETCH(int, key);
    QFETCH(QString, stored);
    TablePage page;
    page.list()->setCurrentItem(page.list()->topLevelItem(1));
    page.click(1065);
    page.frequency()->selectAll();
    QTest::keyClicks(page.frequency(), QStringLiteral("459"));
    QTest::keyClick(page.frequency(), Qt::Key(key));
    QCOMPARE(page.stored(1, "freq"), stored);
    QCOMPARE(page.view->mode(), CFrequencyView::Mode::Browse);
    QCOMPARE(page.view->control<QPushButton>(1065)->text(), QStringLiteral("Edit"));
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

#include "FrequencyViewTest.moc"
