#include "AppFixture.h"
#include "AppTests.h"

#include "ChildFrame.h"
#include "CompareCommand.h"
#include "ComparisonWindow.h"
#include "DifferenceList.h"
#include "MainFrame.h"
#include "ProfileWindow.h"
#include "VelaCPSDoc.h"
#include "document/ProfileDocument.h"
#include "editors/BaseView.h"

#include <QFile>
#include <QTest>

// File > Compare...: the differences of two open profiles or of a profile
// and a file, and each line leading to its field.
class CompareCommandTest : public QObject {
    Q_OBJECT

private slots:
    void eachLineGoesToItsField();
    void againstFiles();
};
APP_TEST(CompareCommandTest);

namespace {

void edit(CProfileWindow &window, const QString &element, int index, const char *attribute, const char *value)
{
    CProfileDocument &profile = window.document().profile();
    CDataItem item;
    if (index < 0) {
        profile.root().GetChildByName(element, item);
    } else {
        CDataItem parent;
        profile.root().GetChildByName(element, parent).GetChildByIndex(index, item);
    }
    QVERIFY(profile.setAttribute(item, QLatin1String(attribute), QLatin1String(value), QStringLiteral("test"))
                .accepted());
}

struct Compared {
    explicit Compared()
        : older(app.newFromTemplate(QStringLiteral("KUD51900")))
        , newer(app.newFromTemplate(QStringLiteral("KUD51900")))
        , command(app.frame->findChild<CCompareCommand *>())
    {
    }
    AppFixture app;
    CProfileWindow *older;
    CProfileWindow *newer;
    CCompareCommand *command;
};

} // namespace

void CompareCommandTest::eachLineGoesToItsField()
{
    Compared set;
    QVERIFY(set.app.action("fileCompare"));
    edit(*set.newer, QStringLiteral("channels"), 1, "name", "ROUTE66");
    edit(*set.newer, QStringLiteral("channels"), 1, "rx_freq_ndx", "2");
    edit(*set.newer, QStringLiteral("setting"), -1, "disableLED", "1");
    CComparisonWindow *window = set.command->compareWithProfile(*set.newer, *set.older);
    QVERIFY(window);
    CDifferenceList *list = window->differenceList();
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(0)->text(0), "Settings");
    QCOMPARE(list->topLevelItem(1)->text(0), "Channel 2 (ROUTE66)");
    QCOMPARE(list->topLevelItem(1)->childCount(), 2);
    for (int place = 0; place < list->topLevelItemCount(); ++place) {
        for (int line = 0; line < list->topLevelItem(place)->childCount(); ++line) {
            list->setCurrentItem(list->topLevelItem(place)->child(line));
            const QString attribute = list->currentDifference()->field.section('.', 1);
            QVERIFY2(window->goToField(), qPrintable(attribute));
            CBaseView *editor = set.newer->frame().editor();
            QWidget *focused = editor->focusWidget();
            QVERIFY(focused);
            const int id = focused->property(CBaseView::kControlIdProperty).toInt();
            bool shown = false;
            for (const FormControl &control : editor->form().controls)
                shown = shown || (control.id == id && attribute == QLatin1String(control.attribute));
            QVERIFY2(shown, qPrintable(attribute));
        }
    }
    CComparisonWindow *same = set.command->compareWithProfile(*set.older, *set.older);
    QVERIFY(same->summary().contains("are the same"));
}

void CompareCommandTest::againstFiles()
{
    Compared set;
    edit(*set.newer, QStringLiteral("setting"), -1, "powerupString", "HELLO");
    const QString saved = set.app.temp.filePath(QStringLiteral("old.kv9"));
    QVERIFY(set.older->document().profile().Save(saved));
    CComparisonWindow *window = set.command->compareWithFile(*set.newer, saved);
    QVERIFY(window);
    QCOMPARE(window->differenceList()->topLevelItemCount(), 1);
    QCOMPARE(window->differenceList()->topLevelItem(0)->child(0)->text(2), "HELLO");

    const QString broken = set.app.temp.filePath(QStringLiteral("broken.kv9"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<not a profile") > 0);
    file.close();
    set.app.reporter.messages.clear();
    QVERIFY(!set.command->compareWithFile(*set.newer, broken));
    QCOMPARE(set.app.reporter.messages.size(), 1);
}

#include "CompareCommandTest.moc"
