#include "AppTests.h"
#include "EditorPage.h"
#include "RadioEmulator.h"

#include "editors/AudioSettingView.h"
#include "editors/ScanView.h"
#include "editors/SettingView.h"
#include "operations/ReadWriteOperations.h"
#include "radio/CablePort.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QUndoStack>

// The general settings page: list mappings, fields committed on leaving
// them, the password rules; and a profile edited on the settings pages,
// saved, reopened, written to the emulated radio and read back.
class SettingViewTest : public QObject {
    Q_OBJECT

private slots:
    void lists_data();
    void lists();
    void typedFields_data();
    void typedFields();
    void aMenuOpeningLeavesNoField();
    void passwordBoxesKeepTheClipboardOut();
    void editedProfileReachesTheRadio();
};
APP_TEST(SettingViewTest);

namespace {

using Page = EditorPage<CSettingView>;

// A shown page of model KUD41600 with "setting" values of "attribute=value".
std::unique_ptr<Page> ActivePage(
    const QStringList &settings = {}, const QString &model = QStringLiteral("KUD41600"))
{
    auto page = std::make_unique<Page>(model, Changes("setting", settings));
    page->activate();
    return page;
}

} // namespace

void SettingViewTest::lists_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("before"); // attribute=value
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QStringList>("after");
    const QStringList off { "backlight_enabled=0", "backlight_timeout=0" };
    const QStringList ten { "backlight_enabled=1", "backlight_timeout=10" };
    QTest::newRow("back light off") << 1060 << QStringList { off[0], ten[1] } << "OFF" << 2 << ten;
    QTest::newRow("back light 10") << 1060 << ten << "10" << 0 << off;
    QTest::newRow("time-out") << 1026 << QStringList { "timeoutTimer=60" } << "60" << 1
                              << QStringList { "timeoutTimer=120" };
    QTest::newRow("reverse burst non-zero")
        << 1028 << QStringList { "reverseBurst=5" } << "240" << 0 << QStringList { "reverseBurst=0" };
}

void SettingViewTest::lists()
{
    QFETCH(int, id);
    QFETCH(QStringList, before);
    QFETCH(QString, shown);
    QFETCH(int, chosen);
    QFETCH(QStringList, after);
    const auto page = ActivePage(before);
    QCOMPARE(page->control<QComboBox>(id)->currentText(), shown);
    page->choose(id, chosen);
    for (const QString &value : after)
        QCOMPARE(page->stored(value.section('=', 0, 0)), value.section('=', 1));
    QCOMPARE(page->document->undoStack()->count(), 1);
}

// Typed boxes are checked when the user leaves them for another field (or
// the view commits); a refused text keeps the user in its box, selected. The two
// password boxes are one value: they must match.
void SettingViewTest::typedFields_data()
{
    QTest::addColumn<QString>("before"); // attribute=value
    QTest::addColumn<QStringList>("typed"); // id=text, in order
    QTest::addColumn<bool>("byCommit"); // left by the view's commit rather than for another field
    QTest::addColumn<QString>("stored"); // attribute=value
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focused"); // where the user is then
    const auto row = [](const char *name, const char *before, const QStringList &typed, const char *stored,
                         const QString &message, int focused, bool byCommit = false) {
        QTest::newRow(name) << before << typed << byCommit << stored << message << focused;
    };
    const char *hangTime = "rep_hangtime=9";
    const QString mismatch = QStringLiteral("The passwords you entered do not match.");
    row("power-up text", "", { "1003=vela" }, "powerupString=WELCOME",
        "Power up text can only contain: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &, %, ., +, /, "
        "\\, -, '",
        1003);
    row("hang time 51", hangTime, { "1005=51" }, hangTime, "The tx hangtime is invalid. Its range is 0 - 50.",
        1005);
    row("hang time keeps the digits", hangTime, { "1005=a1b2" }, "rep_hangtime=12", "", 1004);
    row("empty hang time is 0", hangTime, { "1005=" }, "rep_hangtime=0", "", 1004);
    row("password of two characters", "", { "1059=12" }, "password=", "Please enter 4 numeric characters.",
        1059);
    row("different passwords", "", { "1059=1234", "1002=5678" }, "password=", mismatch, 1059);
    row("equal passwords", "", { "1059=1234", "1002=1234" }, "password=1234", "", 1004);
    row("refused passwords", "", { "1059=12ab", "1002=12ab" }, "password=", "Invalid Value.", 1059);
    row("both passwords emptied", "password=4321", { "1059=", "1002=" }, "password=", "", 1004);
    row("commit, no confirmation", "", { "1059=1234" }, "password=", mismatch, 1059, true);
}

void SettingViewTest::typedFields()
{
    QFETCH(QString, before);
    QFETCH(QStringList, typed);
    QFETCH(bool, byCommit);
    QFETCH(QString, stored);
    QFETCH(QString, message);
    QFETCH(int, focused);
    const auto page = ActivePage({ before });
    for (const QString &entry : typed)
        page->type(entry.section('=', 0, 0).toInt(), entry.section('=', 1));
    QVERIFY(page->document->isModified()); // typing alone makes the profile one to save
    if (byCommit)
        QCOMPARE(page->view->CommitPendingInput(), message.isEmpty());
    else
        page->control(1004)->setFocus();
    const QString attribute = stored.section('=', 0, 0);
    QCOMPARE(page->stored(attribute), stored.section('=', 1));
    QCOMPARE(page->messages().join(""), message);
    QTRY_COMPARE(QApplication::focusWidget(), page->control(focused));
    if (!message.isEmpty()) // the refused text is selected, to be typed over
        QCOMPARE(
            page->control<QLineEdit>(focused)->selectedText(), page->control<QLineEdit>(focused)->text());
    if (attribute == QLatin1String("password") && !message.startsWith(QLatin1String("Please")))
        QCOMPARE(page->control<QLineEdit>(1002)->text(), stored.section('=', 1)); // refused pairs are emptied
}

// A menu taking the focus is no move to another field: the typed text waits,
// unrefused, for the field to be left or for a command to commit it.
void SettingViewTest::aMenuOpeningLeavesNoField()
{
    const auto page = ActivePage({ "rep_hangtime=9" });
    page->type(1005, QStringLiteral("51"));
    QMenu menu(page->view.get());
    menu.addAction(QStringLiteral("Save"));
    menu.popup(page->view->mapToGlobal(QPoint()));
    QTRY_VERIFY(QApplication::activePopupWidget() == &menu);
    menu.close();
    QCOMPARE(page->messages().join(""), QString());
    QCOMPARE(QApplication::focusWidget(), page->control(1005));
    QVERIFY(!page->view->CommitPendingInput());
    QCOMPARE(page->messages().join(""), QStringLiteral("The tx hangtime is invalid. Its range is 0 - 50."));
    QCOMPARE(page->stored(QStringLiteral("rep_hangtime")), QStringLiteral("9"));
}

void SettingViewTest::passwordBoxesKeepTheClipboardOut()
{
    const auto page = ActivePage();
    QGuiApplication::clipboard()->setText(QStringLiteral("9999"));
    for (int id : { 1059, 1002 }) {
        page->type(id, QStringLiteral("1234"));
        auto *box = page->control<QLineEdit>(id);
        QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
        box->selectAll();
        for (auto key : { QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste })
            QTest::keySequence(box, key);
        QCOMPARE(box->text() + QGuiApplication::clipboard()->text(), QStringLiteral("12349999"));
    }
}

void SettingViewTest::editedProfileReachesTheRadio()
{
    RadioEmulator radio({ QStringLiteral("--model"), QStringLiteral("KUR40800") });
    QVERIFY(!radio.path().isEmpty());
    const auto page = ActivePage({}, QStringLiteral("KUR40800"));
    for (int id : { 1059, 1002 })
        page->type(id, QStringLiteral("2468"));
    page->control<QCheckBox>(1037)->click();
    page->choose(1026, 2);
    QVERIFY(page->view->CommitPendingInput());
    page->view.reset();
    {
        const EditorContext context { *page->document, page->fixture.context };
        CAudioSettingView audio(context);
        audio.OnInitialUpdate();
        emit audio.control<QComboBox>(1030)->activated(3);
        CScanView scan(context);
        scan.OnInitialUpdate();
        scan.control<QListWidget>(1047)->setCurrentRow(0);
        scan.AddSelected();
    }
    const QString path = page->fixture.temp.filePath(QStringLiteral("edited.kv9"));
    QVERIFY(page->document->Save(path));
    CProfileDocument reopened(page->fixture.context.versionRules());
    QVERIFY(reopened.Open(path));

    CRadioOperations link(
        page->fixture.context.settings(), [&radio] { return CablePort::open(radio.path()); });
    link.setResetSettleTime(std::chrono::milliseconds(0));
    QObject::connect(&link, &CRadioOperations::passwordRequested, [](PasswordRequest &request) {
        request.typed = QStringLiteral("2468");
        request.accepted = true;
    });
    QSignalSpy finished(&link, &CRadioOperations::finished);
    for (bool writing : { true, false }) {
        QVERIFY(writing ? link.startWrite(reopened) : link.startRead());
        QVERIFY(finished.wait(60000));
        QCOMPARE(
            finished.last().at(0).value<CRadioOperations::Outcome>(), CRadioOperations::Outcome::Succeeded);
    }
    page->document = std::make_unique<CProfileDocument>(page->fixture.context.versionRules());
    VirtualCP image = link.image();
    QVERIFY(page->document->NewFromImage(image));
    const QStringList values { page->stored("password"), page->stored("disableLED"),
        page->stored("timeoutTimer"), page->stored("voice_language"),
        page->stored("in_scanlist", "channels", 4) };
    QCOMPARE(values, QStringList({ "2468", "1", "180", "7", "1" }));
    QVERIFY(page->messages().isEmpty());
}

#include "SettingViewTest.moc"
