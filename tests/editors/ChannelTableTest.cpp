#include "AppTests.h"
#include "EditorPage.h"

#include "editors/ChannelBulkEditDialog.h"
#include "editors/ChannelFindDialog.h"
#include "editors/ChannelTableModel.h"
#include "editors/ChannelTableView.h"
#include "editors/ChannelsView.h"

#include <QApplication>
#include <QClipboard>
#include <QTreeWidget>
#include <QUndoStack>

// The channel table of the "Channels" page: a cell edit reaches the edit
// path, bulk edit, fill down and replace are one undo step each, a refusal
// names the channel, and sorting keeps the profile's channel order.
class ChannelTableTest : public QObject {
    Q_OBJECT

private slots:
    void cellEditTypedInPlaceIsOneStep();
    void bulkEditIsOneStepAndARefusalNamesTheChannel();
    void fillDownAndReplaceAreOneStepEach();
    void sortingKeepsTheProfileOrder();
};
APP_TEST(ChannelTableTest);

namespace {

using Column = CChannelTableModel::Column;

// KUR40800: eight channels "CHAN 1" to "CHAN 8" with a repeater column.
struct Page : EditorPage<CChannelsView> {
    Page()
        : EditorPage(QStringLiteral("KUR40800"))
    {
    }
    CChannelTableView *table() const { return view->table(); }
    QModelIndex cell(int viewRow, int column) const { return table()->model()->index(viewRow, column); }
    QString name(int channel) const { return stored(QStringLiteral("name"), "channels", channel); }
    void select(const QList<int> &viewRows, int column) const
    {
        table()->clearSelection();
        for (int row : viewRows)
            table()->selectionModel()->select(cell(row, column), QItemSelectionModel::Select);
        table()->selectionModel()->setCurrentIndex(
            cell(viewRows.first(), column), QItemSelectionModel::NoUpdate);
    }
};

} // namespace

void ChannelTableTest::cellEditTypedInPlaceIsOneStep()
{
    Page page;
    page.activate();
    page.table()->setFocus();
    page.table()->setCurrentIndex(page.cell(2, Column::Name));
    QTest::keyClick(page.table(), Qt::Key_F2);
    auto *editor = page.table()->focusWidget();
    QVERIFY(qobject_cast<QLineEdit *>(editor));
    QCOMPARE(qobject_cast<QLineEdit *>(editor)->maxLength(), 8);
    qobject_cast<QLineEdit *>(editor)->setText(QStringLiteral("DOCK"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(page.name(2), QStringLiteral("DOCK"));
    QCOMPARE(page.document->undoStack()->count(), 1);
    QCOMPARE(page.document->undoStack()->undoText(), QStringLiteral("Change Name"));
    // Enter moved down, as in a spreadsheet.
    QCOMPARE(page.table()->currentIndex().row(), 3);
    page.document->undoStack()->undo();
    QCOMPARE(page.cell(2, Column::Name).data().toString(), QStringLiteral("CHAN 3"));
}

void ChannelTableTest::bulkEditIsOneStepAndARefusalNamesTheChannel()
{
    Page page;
    CChannelBulkEditDialog dialog(page.table()->channels(), { 1, 3, 4 });
    dialog.choice(Column::ReceiveCode)->setCurrentIndex(dialog.choice(Column::ReceiveCode)->findData(12));
    dialog.choice(Column::ScanList)->setCurrentIndex(dialog.choice(Column::ScanList)->findData(0));
    dialog.accept();
    for (int channel : { 1, 3, 4 }) {
        QCOMPARE(page.stored(QStringLiteral("rx_code"), "channels", channel).toInt(), 12);
        QCOMPARE(page.stored(QStringLiteral("in_scanlist"), "channels", channel).toInt(), 0);
    }
    QCOMPARE(page.stored(QStringLiteral("rx_code"), "channels", 2).toInt() == 12, false);
    QCOMPARE(page.document->undoStack()->count(), 1);
    QCOMPARE(page.document->undoStack()->undoText(), QStringLiteral("Edit Selected Channels"));

    // Disabling every channel: the last enabled one refuses, so none changes.
    page.fixture.reporter.messages.clear();
    QVERIFY(!page.table()->channels().write(
        { { 0, Column::Disabled, 1 }, { 1, Column::Disabled, 1 }, { 2, Column::Disabled, 1 },
            { 3, Column::Disabled, 1 }, { 4, Column::Disabled, 1 }, { 5, Column::Disabled, 1 },
            { 6, Column::Disabled, 1 }, { 7, Column::Disabled, 1 } },
        QStringLiteral("Edit Selected Channels")));
    QCOMPARE(page.stored(QStringLiteral("disable_channel"), "channels", 0).toInt(), 0);
    QCOMPARE(page.document->undoStack()->count(), 1);
    QVERIFY2(page.fixture.reporter.messages.join('\n').startsWith("Channel 8 (CHAN 8): "),
        qPrintable(page.fixture.reporter.messages.join('\n')));
}

void ChannelTableTest::fillDownAndReplaceAreOneStepEach()
{
    Page page;
    page.select({ 0, 1, 2, 3 }, Column::ReceiveCode);
    page.table()->fillDown();
    const int code = page.stored(QStringLiteral("rx_code"), "channels", 0).toInt();
    for (int channel : { 1, 2, 3 })
        QCOMPARE(page.stored(QStringLiteral("rx_code"), "channels", channel).toInt(), code);
    QCOMPARE(page.document->undoStack()->count(), 1);

    CChannelFindDialog replace(*page.table(), true);
    replace.findEdit()->setText(QStringLiteral("CHAN"));
    replace.replaceEdit()->setText(QStringLiteral("ZONE"));
    QVERIFY(!replace.replaceAll()); // the first click lists what changes
    QCOMPARE(replace.previewList()->topLevelItemCount(), 8);
    QCOMPARE(page.name(5), QStringLiteral("CHAN 6"));
    QVERIFY(replace.replaceAll());
    QCOMPARE(page.name(5), QStringLiteral("ZONE 6"));
    QCOMPARE(page.document->undoStack()->count(), 2);
}

void ChannelTableTest::sortingKeepsTheProfileOrder()
{
    Page page;
    CDataItem channels, channel;
    page.document->root().GetChildByName(QStringLiteral("channels"), channels);
    page.document->setAttribute(
        channels.GetChildByIndex(0, channel), QStringLiteral("name"), QStringLiteral("ZULU"), "Rename");
    page.table()->sortByColumn(Column::Name, Qt::DescendingOrder);
    QCOMPARE(page.cell(0, Column::Name).data().toString(), QStringLiteral("ZULU"));
    QCOMPARE(page.table()->channelAt(0), 0);
    QCOMPARE(page.name(0), QStringLiteral("ZULU"));
    page.select({ 0, 1 }, Column::Name);
    page.table()->copyRows();
    QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("1\tZULU\t")));
}

#include "ChannelTableTest.moc"
