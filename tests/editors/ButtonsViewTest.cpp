#include "AppTests.h"
#include "EditorPage.h"

#include "editors/ButtonsView.h"

#include <QDir>
#include <QPushButton>

// The buttons page: the features each model offers, one feature per
// button, the settings beside the button of their feature, and Button Reset.
class ButtonsViewTest : public QObject {
    Q_OBJECT

private slots:
    void featureLists_data();
    void featureLists();
    void choosing_data();
    void choosing();
    void reset_data();
    void reset();
};
APP_TEST(ButtonsViewTest);

namespace {

constexpr int kButtons[] = { 1001, 1002, 1003, 1005, 1006 };
constexpr int kPreset1 = 1007, kCallTone = 1030;

using Page = EditorPage<CButtonsView>;

} // namespace

void ButtonsViewTest::featureLists_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<TemplateChanges>("changes");
    QTest::addColumn<int>("combo");
    QTest::addColumn<QString>("items"); // empty: the combo is hidden
    const auto row = [](const char *name, const char *model, int combo, const QString &items,
                         const TemplateChanges &changes = {}) {
        QTest::newRow(name) << model << changes << combo << items;
    };
    const QString common = "Monitor|Scan/Nuisance Channel Delete|Call Tone|Scramble|";
    const QString front = common + "Tx Power Selection|Backlight|Preset 1";
    row("side button", "KUD41600", 1001, common + "No Operation");
    row("front button", "KUD41600", 1006, front + "|Preset 2|No Operation");
    row("one preset button", "KUD41600", 1003, front + "|No Operation",
        Changes("limit", { "maxPresetButtons=1" }));
    row("no call tones", "KUD41600", 1001, "Monitor|Scan/Nuisance Channel Delete|Scramble|No Operation",
        Changes("limit", { "max_call_tones=0" }));
    row("call tones", "KUD41600", kCallTone, "OFF|Call Tone 1|Call Tone 2|Call Tone 3");
    row("rotary, repeater", "KUR40800", 1003,
        "Monitor|Scan/Nuisance Channel Delete|Repeater/Talkaround|Scramble|Tx Power Selection|No Operation");
    row("rotary, fewest features", "KUR20200", 1003, "Monitor|No Operation");
    row("rotary, no button C", "KUR51673", 1006, "");
    row("disabled channel is no preset", "KXD40600", kPreset1, "CHAN 2|CHAN 3|CHAN 4|CHAN 5|CHAN 6",
        { Change("channel", "disable_channel", "1") });
}

void ButtonsViewTest::featureLists()
{
    QFETCH(QString, model);
    QFETCH(TemplateChanges, changes);
    QFETCH(int, combo);
    QFETCH(QString, items);
    Page page(model, changes);
    if (items.isEmpty())
        QVERIFY(page.control(combo)->isHidden());
    else
        QCOMPARE(page.items(combo).join('|'), items);
    QCOMPARE(page.control(1038)->isHidden(), model.startsWith("KUR"));
    QVERIFY(page.messages().isEmpty());
}

void ButtonsViewTest::choosing_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("feature");
    QTest::addColumn<int>("setting"); // shown beside the button; 0: refused
    QTest::newRow("call tone on B") << 1005 << "Call Tone" << kCallTone;
    QTest::newRow("call tone on C") << 1006 << "Call Tone" << kCallTone;
    QTest::newRow("scramble on SB2") << 1002 << "Scramble" << 1017;
    QTest::newRow("preset 1 moved to C") << 1006 << "Preset 1" << kPreset1;
    QTest::newRow("feature of SB1 on SB2") << 1002 << "Monitor" << 0;
}

void ButtonsViewTest::choosing()
{
    QFETCH(int, button);
    QFETCH(QString, feature);
    QFETCH(int, setting);
    Page page(QStringLiteral("KUD41600"));
    page.choose(1003, QStringLiteral("No Operation")); // frees Preset 1
    const QString before = page.xml();
    page.choose(button, feature);
    if (!setting) {
        QCOMPARE(page.messages(), QStringList { "One feature can not be assigned to multiple buttons." });
        QCOMPARE(page.combo(button)->currentText(), "Scan/Nuisance Channel Delete");
        QCOMPARE(page.xml(), before);
        return;
    }
    QVERIFY(page.messages().isEmpty());
    QVERIFY(!page.control(setting)->isHidden());
    QCOMPARE(page.view->GetCtrlRect(setting).top(), page.view->GetCtrlRect(button).top());
    QVERIFY(page.view->GetCtrlRect(setting).left() > page.view->GetCtrlRect(button).right());
}

void ButtonsViewTest::reset_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("answer");
    for (const QString &file : QDir(dataPath(QStringLiteral("profiletemplate"))).entryList({ "*.kv9" }))
        QTest::newRow(qPrintable(file)) << file.chopped(4) << int(MsgAnswer::Yes);
    QTest::newRow("answered no") << "KUD41600" << int(MsgAnswer::No);
}

// A reset gives back a new profile's buttons, as one undo step.
void ButtonsViewTest::reset()
{
    QFETCH(QString, model);
    QFETCH(int, answer);
    Page page(model);
    const QString before = page.xml();
    // Monitor moves from SB1 to SB2, so the reset has to move it back.
    for (int id : kButtons) {
        if (!page.control(id)->isHidden())
            page.choose(id, id == 1002 ? "Monitor" : "No Operation");
    }
    page.choose(1017, QStringLiteral("ON/OFF"));
    page.choose(kPreset1, page.items(kPreset1).last());
    const QString changed = page.xml();
    const int steps = page.document->undoStack()->count();
    page.fixture.reporter.answer = answer;
    page.control<QPushButton>(1041)->click();
    QCOMPARE(page.messages(), QStringList { "Do you want to reset all buttons with their defaults?" });
    QCOMPARE(page.xml(), answer == MsgAnswer::Yes ? before : changed);
    QCOMPARE(page.document->undoStack()->count(), steps + (answer == MsgAnswer::Yes));
    if (answer == MsgAnswer::Yes) {
        page.document->undoStack()->undo();
        QCOMPARE(page.xml(), changed);
    }
}

#include "ButtonsViewTest.moc"
