#include "AppTests.h"
#include "EditorFixture.h"

#include "editors/ButtonsView.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

// The buttons page: the features each model offers, one feature per
// button, the settings shown beside the button of their feature, the
// preset channel lists and Button Reset.
class ButtonsViewTest : public QObject {
    Q_OBJECT

private slots:
    void featureLists_data();
    void featureLists();
    void modelRows_data();
    void modelRows();
    void oneFeaturePerButton();
    void settingFollowsItsButton_data();
    void settingFollowsItsButton();
    void disabledChannelIsNoPreset();
    void reset_data();
    void reset();
};
APP_TEST(ButtonsViewTest);

namespace {

constexpr int kSideButton2 = 1002, kButtonA = 1003, kButtonB = 1005, kButtonC = 1006;
constexpr int kCallTone = 1030, kScramble = 1017, kPreset1 = 1007;

TemplateChange Limit(const char *attribute, const char *value)
{
    return { QStringLiteral("limit"), QLatin1String(attribute), QLatin1String(value) };
}

QStringList Items(const CButtonsView &view, int id)
{
    QStringList items;
    for (int i = 0; i < view.control<QComboBox>(id)->count(); ++i)
        items << view.control<QComboBox>(id)->itemText(i);
    return items;
}

void Choose(CButtonsView &view, int id, const QString &item)
{
    auto *combo = view.control<QComboBox>(id);
    const int index = combo->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

struct OpenView {
    OpenView(EditorFixture &fixture, const QString &model, const TemplateChanges &changes = {})
        : document(fixture.profile(model, changes))
        , view(EditorContext { *document, fixture.context })
    {
        view.resize(1000, 700);
        view.OnInitialUpdate();
    }
    QString setting(const char *attribute) const
    {
        return document->model()
            .mainDocument()
            .selectSingleNode(QStringLiteral("//dfns:setting"))
            .attributeOr(QLatin1String(attribute));
    }
    std::unique_ptr<CProfileDocument> document;
    CButtonsView view;
};

} // namespace

void ButtonsViewTest::featureLists_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<TemplateChanges>("changes");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("items");
    const QString common = "Monitor|Scan/Nuisance Channel Delete|Call Tone|Scramble|";
    QTest::newRow("display, side button")
        << "KUD41600" << TemplateChanges {} << 1001 << common + "No Operation";
    QTest::newRow("display, front button")
        << "KUD41600" << TemplateChanges {} << kButtonA
        << common + "Tx Power Selection|Backlight|Preset 1|Preset 2|No Operation";
    QTest::newRow("one preset button")
        << "KUD41600" << TemplateChanges { Limit("maxPresetButtons", "1") } << kButtonA
        << common + "Tx Power Selection|Backlight|Preset 1|No Operation";
    QTest::newRow("no call tones") << "KUD41600" << TemplateChanges { Limit("max_call_tones", "0") } << 1001
                                   << "Monitor|Scan/Nuisance Channel Delete|Scramble|No Operation";
    QTest::newRow("rotary with repeater")
        << "KUR40800" << TemplateChanges {} << kButtonA
        << "Monitor|Scan/Nuisance Channel Delete|Repeater/Talkaround|Scramble|"
           "Tx Power Selection|No Operation";
    QTest::newRow("rotary, fewest features")
        << "KUR20200" << TemplateChanges {} << kButtonA << "Monitor|No Operation";
}

void ButtonsViewTest::featureLists()
{
    QFETCH(QString, model);
    QFETCH(TemplateChanges, changes);
    QFETCH(int, button);
    QFETCH(QString, items);
    EditorFixture fixture;
    OpenView open(fixture, model, changes);
    QCOMPARE(Items(open.view, button).join('|'), items);
}

void ButtonsViewTest::modelRows_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("frontButtonsBC");
    QTest::addColumn<bool>("keypadLock");
    QTest::addColumn<QString>("callTones");
    QTest::newRow("display") << "KUD41600" << true << true << "OFF|Call Tone 1|Call Tone 2|Call Tone 3";
    QTest::newRow("rotary") << "KUR51673" << false << false << "OFF";
}

void ButtonsViewTest::modelRows()
{
    QFETCH(QString, model);
    QFETCH(bool, frontButtonsBC);
    QFETCH(bool, keypadLock);
    QFETCH(QString, callTones);
    EditorFixture fixture;
    OpenView open(fixture, model);
    for (int id : { 1012, kButtonB, 1013, kButtonC })
        QCOMPARE(!open.view.control(id)->isHidden(), frontButtonsBC);
    for (int id : { 1054, 1038 })
        QCOMPARE(!open.view.control(id)->isHidden(), keypadLock);
    QVERIFY(!open.view.control(1058)->isHidden());
    QVERIFY(open.view.GetCtrlRect(1041).top() > open.view.GetCtrlRect(kButtonA).top());
    QCOMPARE(Items(open.view, kCallTone).join('|'), callTones);
    QVERIFY(fixture.reporter.messages.isEmpty());
}

void ButtonsViewTest::oneFeaturePerButton()
{
    EditorFixture fixture;
    OpenView open(fixture, QStringLiteral("KUD41600"));
    Choose(open.view, kSideButton2, QStringLiteral("Monitor"));
    QCOMPARE(
        fixture.reporter.messages, QStringList { "One feature can not be assigned to multiple buttons." });
    QCOMPARE(open.view.control<QComboBox>(kSideButton2)->currentText(),
        QStringLiteral("Scan/Nuisance Channel Delete"));
    QCOMPARE(open.setting("side2_but"), QStringLiteral("2"));
    QVERIFY(!open.document->isModified());
}

void ButtonsViewTest::settingFollowsItsButton_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("feature");
    QTest::addColumn<int>("label");
    QTest::addColumn<int>("field");
    QTest::newRow("call tone on B") << kButtonB << "Call Tone" << 1029 << kCallTone;
    QTest::newRow("call tone on C") << kButtonC << "Call Tone" << 1029 << kCallTone;
    QTest::newRow("scramble on SB2") << kSideButton2 << "Scramble" << 1016 << kScramble;
    QTest::newRow("preset 1 moved to C") << kButtonC << "Preset 1" << 1014 << kPreset1;
}

void ButtonsViewTest::settingFollowsItsButton()
{
    QFETCH(int, button);
    QFETCH(QString, feature);
    QFETCH(int, label);
    QFETCH(int, field);
    EditorFixture fixture;
    OpenView open(fixture, QStringLiteral("KUD41600"));
    QVERIFY(open.view.control(field)->isHidden() || feature.startsWith("Preset"));
    if (feature.startsWith("Preset"))
        Choose(open.view, kButtonA, QStringLiteral("No Operation"));
    Choose(open.view, button, feature);
    QVERIFY(fixture.reporter.messages.isEmpty());
    for (int id : { label, field })
        QVERIFY(!open.view.control(id)->isHidden());
    QCOMPARE(open.view.GetCtrlRect(field).top(), open.view.GetCtrlRect(button).top());
    QVERIFY(open.view.GetCtrlRect(label).left() > open.view.GetCtrlRect(button).right());
    Choose(open.view, button, QStringLiteral("No Operation"));
    QVERIFY(open.view.control(field)->isHidden());
}

void ButtonsViewTest::disabledChannelIsNoPreset()
{
    EditorFixture fixture;
    OpenView open(fixture, QStringLiteral("KUD41600"),
        { { QStringLiteral("channel"), QStringLiteral("disable_channel"), QStringLiteral("1") } });
    const QStringList presets = Items(open.view, kPreset1);
    QCOMPARE(presets.size(), 15);
    QVERIFY(!presets.contains(open.document->model()
                                  .mainDocument()
                                  .selectSingleNode(QStringLiteral("//dfns:channel"))
                                  .attributeOr(QStringLiteral("name"))));
}

void ButtonsViewTest::reset_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("answer");
    QTest::newRow("display, yes") << "KUD41600" << int(MsgAnswer::Yes);
    QTest::newRow("display, no") << "KUD41600" << int(MsgAnswer::No);
    QTest::newRow("rotary, yes") << "KUR40800" << int(MsgAnswer::Yes);
}

void ButtonsViewTest::reset()
{
    QFETCH(QString, model);
    QFETCH(int, answer);
    EditorFixture fixture;
    OpenView open(fixture, model);
    const QString before = open.document->model().mainDocument().xml();
    // Features swapped between buttons, so that the reset has to move them.
    Choose(open.view, kButtonA, QStringLiteral("No Operation"));
    Choose(open.view, 1001, QStringLiteral("No Operation"));
    Choose(open.view, kSideButton2, QStringLiteral("Monitor"));
    Choose(open.view, kButtonA, QStringLiteral("Scramble"));
    Choose(open.view, kScramble, QStringLiteral("ON/OFF"));
    Choose(open.view, kPreset1, Items(open.view, kPreset1).at(2));
    const QString changed = open.document->model().mainDocument().xml();
    const int steps = open.document->undoStack()->count();
    fixture.reporter.answer = answer;
    open.view.control<QPushButton>(1041)->click();
    QCOMPARE(fixture.reporter.messages.last(),
        QStringLiteral("Do you want to reset all buttons with their defaults?"));
    if (answer != MsgAnswer::Yes) {
        QCOMPARE(open.document->model().mainDocument().xml(), changed);
        return;
    }
    QCOMPARE(open.document->model().mainDocument().xml(), before);
    QCOMPARE(open.document->undoStack()->count(), steps + 1);
    QCOMPARE(open.view.control<QComboBox>(kSideButton2)->currentText(),
        QStringLiteral("Scan/Nuisance Channel Delete"));
    open.document->undoStack()->undo();
    QCOMPARE(open.document->model().mainDocument().xml(), changed);
}

#include "ButtonsViewTest.moc"
