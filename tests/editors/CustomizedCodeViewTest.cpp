#include "AppTests.h"
#include "EditorPage.h"

#include "editors/CustomizedCodeView.h"

// The customised tone and DPL code pages: what typing lets through, what a
// committed text stores or why it is refused, and how the value shows.
class CustomizedCodeViewTest : public QObject {
    Q_OBJECT

private slots:
    void commit_data();
    void commit();
};
APP_TEST(CustomizedCodeViewTest);

namespace {

constexpr int kTone124 = 1084, kDpl214 = 1092, kDpl219 = 1102;

// The page of the field's kind, and the setting the field stores.
struct CodePage : EditorPage<CCustomizedCodeView> {
    CodePage(const QString &model, int field, const QString &language = QString())
        : EditorPage(model, {}, language)
    {
        if (field < kDpl214)
            open<CCustomizedPLView>();
        else
            open<CCustomizedDPLView>();
        edit = control<QLineEdit>(field);
        const int code = field < kDpl214 ? 124 + field - kTone124 : 214 + (field - kDpl214) / 2;
        attribute = QStringLiteral("PLcode%1").arg(code);
    }
    QString value() const { return stored(attribute); }
    QLineEdit *edit;
    QString attribute;
};

} // namespace

void CustomizedCodeViewTest::commit_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::addColumn<QString>("shown");
    const auto row = [](const char *name, const char *model, const char *language, int field,
                         const char *typed, const char *stored, const char *shown) {
        QTest::newRow(name) << model << language << field << typed << stored << shown;
    };
    row("one decimal kept", "KUD41600", "English", kTone124, "100.25", "1002", "100.2");
    row("one separator, no letters", "KUD41600", "English", kTone124, "a9x7.5.1", "975", "97.5");
    row("lowest tone, maxCodes 213", "KXD40600", "English", 1089, "67", "670", "67.0");
    row("German separator", "KUD51900", "German", kTone124, "88,5", "885", "88,5");
    row("point is no German separator", "KUD51900", "German", kTone124, "12.5", "1250", "125,0");
    row("five characters, above range", "KUD41600", "English", kTone124, "256.15", "", "100.0");
    row("below range", "KUD41600", "English", kTone124, "66.9", "", "100.0");
    row("empty tone", "KUD41600", "German", kTone124, "", "", "100,0");
    row("DPL padded, no 8 or 9", "KUD41600", "English", kDpl214, "879", "7", "007");
    row("three octal digits", "KUR51673", "English", kDpl219, "7-7754", "511", "777");
    row("DPL code 0", "KUD41600", "English", kDpl214, "000", "", "006");
    row("empty DPL code", "KUR51673", "English", kDpl219, "", "", "050");
}

void CustomizedCodeViewTest::commit()
{
    QFETCH(QString, model);
    QFETCH(QString, language);
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    CodePage page(model, field, language);
    const QString before = page.value();
    page.edit->clear();
    QTest::keyClicks(page.edit, typed);
    QCOMPARE(page.view->CommitPendingInput(), !stored.isEmpty());
    QCOMPARE(page.value(), stored.isEmpty() ? before : stored);
    QCOMPARE(page.edit->text(), shown);
    const QString range = field < kDpl214
        ? "The PL Code you input is invalid. The valid range is: 67.0 - 255.0 Hz."
        : "The DPL Code you entered is invalid. The valid range is(OCT): 001 - 777.";
    QCOMPARE(page.messages(), stored.isEmpty() ? QStringList { range } : QStringList());
}

#include "CustomizedCodeViewTest.moc"
