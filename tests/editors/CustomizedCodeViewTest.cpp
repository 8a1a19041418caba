#include "AppTests.h"
#include "EditorFixture.h"

#include "editors/CustomizedCodeView.h"

#include <QLineEdit>
#include <QTest>

// The customised tone and DPL code pages: what they show, what typing
// lets through, and what a committed text stores or why it is refused.
class CustomizedCodeViewTest : public QObject {
    Q_OBJECT

private slots:
    void shown_data();
    void shown();
    void typing_data();
    void typing();
    void commit_data();
    void commit();
    void leavingRefusedFieldKeepsFocus();
};
APP_TEST(CustomizedCodeViewTest);

namespace {

constexpr int kTone124 = 1084, kTone129 = 1089, kDpl214 = 1092, kDpl219 = 1102;
const QString kToneRange
    = QStringLiteral("The PL Code you input is invalid. The valid range is: 67.0 - 255.0 Hz.");
const QString kDplRange
    = QStringLiteral("The DPL Code you entered is invalid. The valid range is(OCT): 001 - 777.");

std::unique_ptr<CCustomizedCodeView> NewView(CProfileDocument &document, EditorFixture &fixture, int field)
{
    const EditorContext context { document, fixture.context };
    std::unique_ptr<CCustomizedCodeView> view;
    if (field < kDpl214)
        view = std::make_unique<CCustomizedPLView>(context);
    else
        view = std::make_unique<CCustomizedDPLView>(context);
    view->resize(600, 400);
    view->OnInitialUpdate();
    return view;
}

QString Stored(CProfileDocument &document, int field)
{
    const int code = field < kDpl214 ? 124 + field - kTone124 : 214 + (field - kDpl214) / 2;
    return document.model()
        .mainDocument()
        .selectSingleNode(QStringLiteral("//dfns:setting"))
        .attributeOr(QStringLiteral("PLcode%1").arg(code));
}

} // namespace

void CustomizedCodeViewTest::shown_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("tone, maxCodes 219") << "KUD41600"
                                        << "English" << kTone124 << "100.0";
    QTest::newRow("tone, maxCodes 213") << "KXD40600"
                                        << "English" << kTone129 << "150.0";
    QTest::newRow("tone, language's separator") << "KUD51900"
                                                << "German" << kTone124 << "100,0";
    QTest::newRow("DPL code with leading zeros") << "KUD41600"
                                                 << "English" << kDpl214 << "006";
    QTest::newRow("last DPL code") << "KUR51673"
                                   << "English" << kDpl219 << "050";
}

void CustomizedCodeViewTest::shown()
{
    QFETCH(QString, model);
    QFETCH(QString, language);
    QFETCH(int, field);
    QFETCH(QString, text);
    EditorFixture fixture(QStringLiteral(VELA_DATA_DIR), language, false);
    const auto document = fixture.profile(model);
    const auto view = NewView(*document, fixture, field);
    QCOMPARE(view->control<QLineEdit>(field)->text(), text);
    QVERIFY(fixture.reporter.messages.isEmpty());
}

void CustomizedCodeViewTest::typing_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("one decimal only") << "English" << kTone124 << "100.25"
                                      << "100.2";
    QTest::newRow("one separator only") << "English" << kTone124 << "1.2.3"
                                        << "1.2";
    QTest::newRow("letters removed") << "English" << kTone124 << "a9x7.5"
                                     << "97.5";
    QTest::newRow("point is no German separator") << "German" << kTone124 << "88.5"
                                                  << "885";
    QTest::newRow("German separator") << "German" << kTone124 << "88,5"
                                      << "88,5";
    QTest::newRow("five characters") << "English" << kTone124 << "123456"
                                     << "12345";
    QTest::newRow("no 8 or 9 in DPL") << "English" << kDpl214 << "189"
                                      << "1";
    QTest::newRow("three octal digits") << "English" << kDpl214 << "7-5432"
                                        << "754";
}

void CustomizedCodeViewTest::typing()
{
    QFETCH(QString, language);
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    EditorFixture fixture(QStringLiteral(VELA_DATA_DIR), language, false);
    const auto document = fixture.profile(QStringLiteral("KUD41600"));
    const auto view = NewView(*document, fixture, field);
    auto *edit = view->control<QLineEdit>(field);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), kept);
}

void CustomizedCodeViewTest::commit_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::addColumn<QString>("shown");
    QTest::newRow("tone in tenths") << kTone124 << "100.2"
                                    << "1002"
                                    << "100.2";
    QTest::newRow("whole tone") << kTone129 << "255"
                                << "2550"
                                << "255.0";
    QTest::newRow("lowest tone") << kTone124 << "67"
                                 << "670"
                                 << "67.0";
    QTest::newRow("tone below the range") << kTone124 << "66.9"
                                          << ""
                                          << "100.0";
    QTest::newRow("empty tone") << kTone124 << ""
                                << ""
                                << "100.0";
    QTest::newRow("DPL code padded") << kDpl214 << "7"
                                     << "7"
                                     << "007";
    QTest::newRow("highest DPL code") << kDpl219 << "777"
                                      << "511"
                                      << "777";
    QTest::newRow("DPL code 0") << kDpl214 << "000"
                                << ""
                                << "006";
    QTest::newRow("empty DPL code") << kDpl214 << ""
                                    << ""
                                    << "006";
}

void CustomizedCodeViewTest::commit()
{
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    EditorFixture fixture(QStringLiteral(VELA_DATA_DIR), QString(), false);
    const auto document = fixture.profile(QStringLiteral("KUD41600"));
    const auto view = NewView(*document, fixture, field);
    const QString before = Stored(*document, field);
    auto *edit = view->control<QLineEdit>(field);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(view->CommitPendingInput(), !stored.isEmpty());
    QCOMPARE(Stored(*document, field), stored.isEmpty() ? before : stored);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(document->isModified(), !stored.isEmpty());
    const QStringList refusal { field < kDpl214 ? kToneRange : kDplRange };
    QCOMPARE(fixture.reporter.messages, stored.isEmpty() ? refusal : QStringList());
}

void CustomizedCodeViewTest::leavingRefusedFieldKeepsFocus()
{
    EditorFixture fixture(QStringLiteral(VELA_DATA_DIR), QString(), false);
    const auto document = fixture.profile(QStringLiteral("KUD41600"));
    const auto view = NewView(*document, fixture, kTone124);
    view->show();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    auto *edit = view->control<QLineEdit>(kTone124);
    edit->setFocus();
    edit->clear();
    view->control(kTone124 + 1)->setFocus();
    QCOMPARE(fixture.reporter.messages, QStringList { kToneRange });
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(edit->selectedText(), QStringLiteral("100.0"));
}

#include "CustomizedCodeViewTest.moc"
