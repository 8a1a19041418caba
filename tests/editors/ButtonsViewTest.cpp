#include "AppTests.h"
#include "EditorFixture.h"

#include "editors/ButtonsView.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>

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

struct OpenView {
    OpenView(EditorFixture &fixture, const QString &model, const TemplateChanges &changes = {})
        : document(fixture.profile(model, changes))
        , view(EditorContext { *document, fixture.context })
    {
        view.resize(1000, 700);
        view.OnInitialUpdate();
    }
    QString xml() const { return document->model().mainDocument().xml(); }
    QStringList items(int id) const
    {
        QStringList items;
        for (int i = 0; i < view.control<QComboBox>(id)->count(); ++i)
            items << view.control<QComboBox>(id)->itemText(i);
        return items;
    }
    void choose(int id, const QString &item)
    {
        auto *combo = view.control<QComboBox>(id);
        combo->setCurrentIndex(combo->findText(item));
        QVERIFY2(combo->currentIndex() >= 0, qPrintable(item));
        emit combo->activated(combo->currentIndex());
    }
    std::unique_ptr<CProfileDocument> document;
    CButtonsView view;
};

TemplateChange Limit(const char *attribute, const char *value)
{
    return { QStringLiteral("limit"), QLatin1String(attribute), QLatin1String(value) };
}

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
    row("one preset button", "KUD41600", 1003, front + "|No Operation", { Limit("maxPresetButtons", "1") });
    row("no call tones", "KUD41600", 1001, "Monitor|Scan/Nuisance Channel Delete|Scramble|No Operation",
        { Limit("max_call_tones", "0") });
    row("call tones", "KUD41600", kCallTone, "OFF|Call Tone 1|Call Tone 2|Call Tone 3");
    row("rotary, repeater", "KUR40800", 1003,
        "Monitor|Scan/Nuisance Channel Delete|Repeater/Talkaround|Scramble|Tx Power Selection|No Operation");
    row("rotary, fewest features", "KUR20200", 1003, "Monitor|No Operation");
    row("rotary, no button C", "KUR51673", 1006, "");
    row("disabled channel is no preset", "KXD40600", kPreset1, "CHAN 2|CHAN 3|CHAN 4|CHAN 5|CHAN 6",
        { { "channel", "disable_channel", "1" } });
}

void ButtonsViewTest::featureLists()
{
    QFETCH(QString, model);
    QFETCH(TemplateChanges, changes);
    QFETCH(int, combo);
    QFETCH(QString, items);
    EditorFixture fixture;
    OpenView open(fixture, model, changes);
    if (items.isEmpty())
        QVERIFY(open.view.control(combo)->isHidden());
    else
        QCOMPARE(open.items(combo).join('|'), items);
    QCOMPARE(open.view.control(1038)->isHidden(), model.startsWith("KUR"));
    QVERIFY(fixture.reporter.messages.isEmpty());
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
    EditorFixture fixture;
    OpenView open(fixture, QStringLiteral("KUD41600"));
    open.choose(1003, QStringLiteral("No Operation")); // frees Preset 1
    const QString before = open.xml();
    open.choose(button, feature);
    if (!setting) {
        QCOMPARE(fixture.reporter.messages,
            QStringList { "One feature can not be assigned to multiple buttons." });
        QCOMPARE(open.view.control<QComboBox>(button)->currentText(), "Scan/Nuisance Channel Delete");
        QCOMPARE(open.xml(), before);
        return;
    }
    QVERIFY(fixture.reporter.messages.isEmpty());
    QVERIFY(!open.view.control(setting)->isHidden());
    QCOMPARE(open.view.GetCtrlRect(setting).top(), open.view.GetCtrlRect(button).top());
    QVERIFY(open.view.GetCtrlRect(setting).left() > open.view.GetCtrlRect(button).right());
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
    EditorFixture fixture;
    OpenView open(fixture, model);
    const QString before = open.xml();
    // Monitor moves from SB1 to SB2, so the reset has to move it back.
    for (int id : kButtons) {
        if (!open.view.control(id)->isHidden())
            open.choose(id, id == 1002 ? "Monitor" : "No Operation");
    }
    open.choose(1017, QStringLiteral("ON/OFF"));
    open.choose(kPreset1, open.items(kPreset1).last());
    const QString changed = open.xml();
    const int steps = open.document->undoStack()->count();
    fixture.reporter.answer = answer;
    open.view.control<QPushButton>(1041)->click();
    QCOMPARE(
        fixture.reporter.messages, QStringList { "Do you want to reset all buttons with their defaults?" });
    QCOMPARE(open.xml(), answer == MsgAnswer::Yes ? before : changed);
    QCOMPARE(open.document->undoStack()->count(), steps + (answer == MsgAnswer::Yes));
    QCOMPARE(open.view.control<QComboBox>(1001)->currentText(),
        answer == MsgAnswer::Yes ? "Monitor" : "No Operation");
    if (answer == MsgAnswer::Yes) {
        open.document->undoStack()->undo();
        QCOMPARE(open.xml(), changed);
    }
}

#include "ButtonsViewTest.moc"
