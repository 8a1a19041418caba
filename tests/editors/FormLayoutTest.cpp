#include "AppTests.h"

#include "editors/FormLayout.h"

#include <QTest>

// Closing the gaps that hidden controls leave, and placing the form.
class FormLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void closesGaps_data();
    void closesGaps();
    void placesForm_data();
    void placesForm();
};
APP_TEST(FormLayoutTest);

namespace {

constexpr LayoutKind Plain = LayoutKind::Plain;
constexpr LayoutKind Frame = LayoutKind::ColumnFrame;

// A one-column form (title 1; rows 2/3, 4/5, 6/7 at a pitch of 30), then
// a pair of framed columns (left 10-15, right 20-25) and a row 30/31 below.
const std::vector<LayoutEntry> kOneColumn = {
    { 1, LayoutKind::PageTitle },
    { 2, Plain },
    { 3, Plain },
    { 4, Plain },
    { 5, Plain },
    { 6, Plain },
    { 7, Plain },
};
const std::vector<LayoutEntry> kColumns = {
    { 1, LayoutKind::PageTitle },
    { 10, LayoutKind::ColumnTitle, 1 },
    { 11, Frame, 1 },
    { 12, Plain, 1 },
    { 13, Plain, 1 },
    { 14, Plain, 1 },
    { 15, Plain, 1 },
    { 20, LayoutKind::ColumnTitle, 2 },
    { 21, Frame, 2 },
    { 22, Plain, 2 },
    { 23, Plain, 2 },
    { 24, Plain, 2 },
    { 25, Plain, 2 },
    { 30, LayoutKind::ChainBreak },
    { 30, Plain },
    { 31, Plain },
};

ControlRects Design()
{
    ControlRects rects { { 1, QRect(15, 40, 300, 28) } };
    for (int row = 0; row < 3; ++row) {
        rects.insert(2 + 2 * row, QRect(30, 80 + 30 * row, 100, 20));
        rects.insert(3 + 2 * row, QRect(140, 80 + 30 * row, 100, 20));
    }
    for (int column : { 10, 20 }) {
        const int x = column == 10 ? 30 : 300;
        rects.insert(column, QRect(x, 80, 250, 28));
        rects.insert(column + 1, QRect(x, 80, 250, 100)); // frame, bottom 179
        for (int row = 0; row < 2; ++row) {
            rects.insert(column + 2 + 2 * row, QRect(x + 10, 114 + 30 * row, 100, 20));
            rects.insert(column + 3 + 2 * row, QRect(x + 120, 114 + 30 * row, 100, 20));
        }
    }
    rects.insert(30, QRect(30, 200, 100, 20));
    rects.insert(31, QRect(140, 200, 100, 20));
    return rects;
}

} // namespace

void FormLayoutTest::closesGaps_data()
{
    QTest::addColumn<bool>("columns");
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<QList<int>>("pinned");
    // id:top, or id:bottom for "b" (frames), after the title moved to y = 15.
    QTest::addColumn<QString>("expected");
    QTest::newRow("all shown") << false << QList<int> {} << QList<int> {} << "1:15 2:55 4:85 7:115";
    QTest::newRow("first row hidden") << false << QList<int> { 2, 3 } << QList<int> {} << "4:55 5:55 6:85";
    QTest::newRow("middle row hidden") << false << QList<int> { 4, 5 } << QList<int> {} << "2:55 6:85 7:85";
    QTest::newRow("field only hidden") << false << QList<int> { 3 } << QList<int> {} << "4:55 6:85";
    QTest::newRow("pinned row stays")
        << false << QList<int> { 2, 3 } << QList<int> { 4 } << "4:110 5:110 6:140";
    QTest::newRow("left last row: its frame shrinks by height + 15")
        << true << QList<int> { 14, 15 } << QList<int> {} << "11b:119 21b:154 30:175";
    QTest::newRow("both last rows: the row below moves up")
        << true << QList<int> { 14, 15, 24, 25 } << QList<int> {} << "11b:119 21b:119 30:140";
    QTest::newRow("left first row: the next moves up a pitch")
        << true << QList<int> { 12, 13 } << QList<int> {} << "14:89 11b:124 30:175";
}

void FormLayoutTest::closesGaps()
{
    QFETCH(bool, columns);
    QFETCH(QList<int>, hidden);
    QFETCH(QList<int>, pinned);
    QFETCH(QString, expected);
    std::vector<LayoutEntry> table = columns ? kColumns : kOneColumn;
    for (LayoutEntry &entry : table)
        entry.pinned = pinned.contains(entry.id);
    const ControlRects placed = CloseGaps(table, Design(), [&hidden](int id) { return hidden.contains(id); });
    for (const QString &check : expected.split(QLatin1Char(' '))) {
        const QStringList parts = check.split(QLatin1Char(':'));
        const bool bottom = parts[0].endsWith(QLatin1Char('b'));
        const QRect rect = placed.value(QString(parts[0]).remove(QLatin1Char('b')).toInt());
        QCOMPARE((bottom ? rect.bottom() : rect.top()), parts[1].toInt());
    }
}

void FormLayoutTest::placesForm_data()
{
    QTest::addColumn<QRect>("content");
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("bandWidth");
    QTest::addColumn<int>("shift");
    QTest::addColumn<QSize>("scrollSize");
    // The design title spans the content with 15 on each side.
    QTest::newRow("narrow view: band 30 wider than the content, form scrolls")
        << QRect(30, 58, 400, 100) << 300 << 430 << 0 << QSize(460, 173);
    QTest::newRow("wide view: band fills the view, form centred under it")
        << QRect(30, 58, 400, 100) << 1000 << 970 << 270 << QSize(1000, 173);
    QTest::newRow("content starting above the title bottom")
        << QRect(30, 30, 400, 100) << 300 << 430 << 0 << QSize(460, 158);
}

void FormLayoutTest::placesForm()
{
    QFETCH(QRect, content);
    QFETCH(int, clientWidth);
    QFETCH(int, bandWidth);
    QFETCH(int, shift);
    QFETCH(QSize, scrollSize);
    const QRect title(content.left() - 15, 15, content.width() + 30, 28);
    const FormPlacement placement = PlaceForm(title, content, clientWidth);
    QCOMPARE(placement.titleBand, QRect(15, 15, bandWidth, 28));
    QCOMPARE(placement.shift, shift);
    QCOMPARE(placement.scrollSize, scrollSize);
}

#include "FormLayoutTest.moc"
