#include "AppTests.h"
#include "EditorFixture.h"

#include "editors/BaseView.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

// The framework's binding cycle, the product settings' visibility and the
// help page of the focused control, on a form of general settings.
class FormBindingTest : public QObject {
    Q_OBJECT

private slots:
    void changes_data();
    void changes();
    void visibility_data();
    void visibility();
    void helpFollowsFocus();
};
APP_TEST(FormBindingTest);

namespace {

using Form::Field;
using Form::Label;
constexpr const char *kLevels[] = { "0", "1", "2" };
constexpr const char *kFeatures[]
    = { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15" };
constexpr char kSetting[] = "setting";

constexpr FormControl kControls[] = {
    Form::PageTitle(1048, "Test Settings"),
    Label(1054, "Station", 1),
    Field(ControlWidget::Edit, 1004, 1, 1054, kSetting, "stationID"),
    Label(1058, "Mode", 2),
    { .id = 1061,
        .widget = ControlWidget::Combo,
        .row = 2,
        .section = kSetting,
        .attribute = "rep_id_mode",
        .buddy = 1058,
        .items = kLevels },
    Label(1053, "LEDs", 3),
    Field(ControlWidget::Check, 1037, 3, 1053, kSetting, "disableLED"),
    Label(1016, "Side Button", 4),
    { .id = 1026,
        .widget = ControlWidget::Combo,
        .row = 4,
        .section = kSetting,
        .attribute = "side1_but",
        .buddy = 1016,
        .items = kFeatures },
    Label(1052, "Power Up Text", 5), // display models only
    Field(ControlWidget::Edit, 1003, 5, 1052, kSetting, "powerupString"),
    Label(1064, "Alert", 6),
    Field(ControlWidget::Combo, 1063, 6, 1064),
    Label(9999, "Not listed", 7),
};
constexpr FormDefinition kForm { "Settings", "GeneralSettings", kControls };

struct Editor {
    explicit Editor(const QString &model)
        : document(fixture.profile(model))
        , view(EditorContext { *document, fixture.context }, kForm)
    {
        view.resize(600, 400);
        view.OnInitialUpdate();
    }
    QString stored(const char *attribute) const
    {
        CDataItem setting;
        return document->root()
            .GetChildByName(QLatin1String(kSetting), setting)
            .GetAttributeValue(QLatin1String(attribute))
            .toString();
    }

    EditorFixture fixture;
    std::unique_ptr<CProfileDocument> document;
    CBaseView view;
};

} // namespace

void FormBindingTest::changes_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("input"); // combo index, check state or typed text
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("message");
    QTest::newRow("combo") << 1061 << "rep_id_mode"
                           << "2"
                           << "2"
                           << "";
    QTest::newRow("combo refused: feature of another button") << 1026 << "side1_but"
                                                              << "2"
                                                              << "1"
                                                              << "Invalid Value.";
    QTest::newRow("check box") << 1037 << "disableLED"
                               << "1"
                               << "1"
                               << "";
    // Every way of changing a check box stores what it shows.
    QTest::newRow("check box, Space") << 1037 << "disableLED"
                                      << "space"
                                      << "1"
                                      << "";
    QTest::newRow("check box, a screen reader's toggle") << 1037 << "disableLED"
                                                         << "toggle"
                                                         << "1"
                                                         << "";
    QTest::newRow("edit") << 1004 << "stationID"
                          << "AB12"
                          << "AB12"
                          << "";
    QTest::newRow("edit refused") << 1004 << "stationID"
                                  << "A B#"
                                  << ""
                                  << "Invalid Value.";
}

void FormBindingTest::changes()
{
    QFETCH(int, id);
    QFETCH(QString, attribute);
    QFETCH(QString, input);
    QFETCH(QString, stored);
    QFETCH(QString, message);
    Editor editor(QStringLiteral("KUD41600"));
    QWidget *control = editor.view.control(id);
    const bool accepted = message.isEmpty();
    QString shown;
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->setCurrentIndex(input.toInt());
        emit combo->activated(input.toInt());
        shown = QString::number(combo->currentIndex());
    } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
        if (input == QLatin1String("space"))
            QTest::keyClick(check, Qt::Key_Space);
        else if (input == QLatin1String("toggle"))
            QAccessible::queryAccessibleInterface(check)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
        else
            check->click();
        shown = check->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(input);
        QCOMPARE(editor.view.CommitPendingInput(), accepted);
        shown = edit->text();
    }
    QCOMPARE(editor.stored(qPrintable(attribute)), stored);
    QCOMPARE(shown, stored); // a refused value is reloaded from the profile
    QCOMPARE(editor.fixture.reporter.messages, accepted ? QStringList() : QStringList { message });
    QCOMPARE(editor.document->isModified(), accepted);
    QCOMPARE(editor.document->undoStack()->undoText(),
        accepted ? QStringLiteral("Change ") + control->accessibleName() : QString());
}

void FormBindingTest::visibility_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<int>("alertRow"); // where the row below the power-up text lands
    QTest::newRow("display model") << "KUD41600" << QList<int> { 1004, 1003 } << QList<int> { 9999 } << 6;
    QTest::newRow("model without display")
        << "KUR40800" << QList<int> { 1004 } << QList<int> { 1003, 1052, 9999 } << 5;
}

void FormBindingTest::visibility()
{
    QFETCH(QString, model);
    QFETCH(QList<int>, shown);
    QFETCH(QList<int>, hidden);
    QFETCH(int, alertRow);
    Editor editor(model);
    for (int id : shown)
        QVERIFY2(!editor.view.control(id)->isHidden(), qPrintable(QString::number(id)));
    for (int id : hidden)
        QVERIFY2(editor.view.control(id)->isHidden(), qPrintable(QString::number(id)));
    const int first = editor.view.GetCtrlRect(1004).top();
    const int pitch = editor.view.GetCtrlRect(1061).top() - first;
    QCOMPARE(editor.view.GetCtrlRect(1063).top(), first + (alertRow - 1) * pitch);
    QCOMPARE(editor.view.GetCtrlRect(1048).topLeft(), QPoint(15, 15));
}

void FormBindingTest::helpFollowsFocus()
{
    Editor editor(QStringLiteral("KUD41600"));
    QSignalSpy pages(&editor.view, &CBaseView::helpPageRequested);
    editor.view.show();
    editor.view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor.view));
    editor.view.control(1004)->setFocus();
    QTRY_COMPARE(pages.size(), 1);
    QCOMPARE(pages.last().at(0).toString(), QStringLiteral("general_settings.html#repeater-station-id"));
}

#include "FormBindingTest.moc"
