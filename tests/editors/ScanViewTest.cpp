#include "AppTests.h"
#include "EditorPage.h"

#include "editors/ScanView.h"

#include <QListWidget>
#include <QPushButton>
#include <QUndoStack>

// The scan list page: which channels each list shows, moving the selected
// channels between them and where the selection goes afterwards.
class ScanViewTest : public QObject {
    Q_OBJECT

private slots:
    void moves_data();
    void moves();
    void doubleClicks();
};
APP_TEST(ScanViewTest);

namespace {

constexpr int kAvailable = 1047;
constexpr int kMembers = 1048;
using Channels = QList<int>; // channel indexes

// KUR40800: eight channels "CHAN 1" to "CHAN 8", the first four scanned.
struct Page : EditorPage<CScanView> {
    Page()
        : EditorPage(QStringLiteral("KUR40800"))
    {
    }
    Channels members() const
    {
        Channels indexes;
        for (int index = 0; index < 8; ++index) {
            if (stored(QStringLiteral("in_scanlist"), "channels", index).toInt() != 0)
                indexes << index;
        }
        return indexes;
    }
    QListWidget *list(int id) const { return control<QListWidget>(id); }
    QStringList names(int id, bool selectedOnly = false) const
    {
        QStringList shown;
        for (int row = 0; row < list(id)->count(); ++row) {
            if (!selectedOnly || list(id)->item(row)->isSelected())
                shown << list(id)->item(row)->text();
        }
        return shown;
    }
};

} // namespace

void ScanViewTest::moves_data()
{
    QTest::addColumn<Channels>("disabled");
    QTest::addColumn<int>("from"); // the list the selected rows leave
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<Channels>("members");
    QTest::addColumn<QStringList>("selected"); // available, then member
    const auto row = [](const char *name, int from, const QList<int> &rows, const Channels &members,
                         const char *selected, const Channels &disabled = {}) {
        QTest::newRow(name) << disabled << from << rows << members << QStringList { selected };
    };
    row("add one: the next is selected", kAvailable, { 0 }, { 0, 1, 2, 3, 4 }, "CHAN 6");
    row("add two apart: the one after the last", kAvailable, { 0, 2 }, { 0, 1, 2, 3, 4, 6 }, "CHAN 8");
    row("add the last row: the first is selected", kAvailable, { 3 }, { 0, 1, 2, 3, 7 }, "CHAN 5");
    row("add every available: the first member is selected", kAvailable, { 0, 1, 2, 3 },
        { 0, 1, 2, 3, 4, 5, 6, 7 }, "CHAN 1");
    row("remove one", kMembers, { 1 }, { 0, 2, 3 }, "CHAN 3");
    row("disabled channels: in neither list, membership kept", kMembers, { 0, 1, 2 }, { 1 }, "CHAN 1",
        { 1, 5 });
}

void ScanViewTest::moves()
{
    QFETCH(Channels, disabled);
    QFETCH(int, from);
    QFETCH(QList<int>, rows);
    QFETCH(Channels, members);
    QFETCH(QStringList, selected);
    Page page;
    for (int index : disabled) {
        CDataItem channel = page.item("channels", index);
        page.document->setAttribute(channel, QStringLiteral("disable_channel"), 1, QString());
    }
    const Channels before = page.members();
    const int other = from == kAvailable ? kMembers : kAvailable;
    page.list(other)->item(0)->setSelected(true);
    for (int row : rows)
        page.list(from)->item(row)->setSelected(true);
    QVERIFY(page.list(other)->selectedItems().isEmpty()); // one list has a selection at a time
    QVERIFY(!page.control(from == kAvailable ? 1034 : 1033)->isEnabled());
    const int steps = page.document->undoStack()->count();
    page.control<QPushButton>(from == kAvailable ? 1033 : 1034)->click();
    QCOMPARE(page.members(), members);
    QCOMPARE(page.names(kAvailable, true) + page.names(kMembers, true), selected);
    QCOMPARE(page.names(kAvailable).size() + page.names(kMembers).size(), 8 - disabled.size());
    QVERIFY(page.messages().isEmpty());
    QCOMPARE(page.document->undoStack()->count(), steps + 1);
    page.document->undoStack()->undo();
    QCOMPARE(page.members(), before);
}

void ScanViewTest::doubleClicks()
{
    Page page;
    page.activate();
    QWidget *area = page.list(kAvailable)->viewport();
    QTest::mouseDClick(area, Qt::LeftButton, {}, QPoint(10, area->height() - 5)); // below the channels
    QCOMPARE(page.document->undoStack()->count(), 0);
    const QPoint first = page.list(kAvailable)->visualItemRect(page.list(kAvailable)->item(0)).center();
    QTest::mouseClick(area, Qt::LeftButton, {}, first);
    QTest::mouseDClick(area, Qt::LeftButton, {}, first);
    QCOMPARE(page.members(), Channels({ 0, 1, 2, 3, 4 }));
}

#include "ScanViewTest.moc"
