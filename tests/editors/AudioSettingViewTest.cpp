#include "AppTests.h"
#include "SettingsPageFixture.h"

#include "editors/AudioSettingView.h"

#include <QCheckBox>
#include <QUndoStack>

// The audio settings page: the level lists and language values, the rows a
// model lacks and the rows that close up behind them.
class AudioSettingViewTest : public QObject {
    Q_OBJECT

private slots:
    void values_data();
    void values();
    void visibleRows_data();
    void visibleRows();
    void missingLanguageRowClosesUp();
};
APP_TEST(AudioSettingViewTest);

namespace {

// No display, a voice chip: every row shows.
const QString kVoiceModel = QStringLiteral("KUR40800");
using Page = SettingsPage<CAudioSettingView>;

} // namespace

void AudioSettingViewTest::values_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("texts"); // attribute, value before, shown, value after
    QTest::addColumn<int>("itemCount");
    QTest::addColumn<int>("chosen"); // item, or 1 to click a check box
    QTest::newRow("language off is 7") << 1030 << QStringList { "voice_language", "7", "OFF", "1" } << 4 << 1;
    QTest::newRow("unknown language")
        << 1030 << QStringList { "voice_language", "5", "English", "7" } << 4 << 3;
    QTest::newRow("VOX off") << 1027 << QStringList { "vox_level", "3", "OFF", "0" } << 4 << 0;
    QTest::newRow("gain, no off") << 1025 << QStringList { "microphoneGain", "2", "High", "1" } << 3 << 1;
    QTest::newRow("keypad beep") << 1018 << QStringList { "keypadBeep", "1", "", "0" } << 0 << 1;
}

void AudioSettingViewTest::values()
{
    QFETCH(int, id);
    QFETCH(QStringList, texts);
    QFETCH(int, itemCount);
    QFETCH(int, chosen);
    Page page(kVoiceModel, { { QStringLiteral("setting"), texts[0], texts[1] } });
    QVERIFY(page.view.CommitPendingInput());
    QCOMPARE(page.stored(texts[0]), texts[1]); // showing a value never stores it
    if (auto *combo = page.view.control<QComboBox>(id)) {
        QCOMPARE(combo->currentText(), texts[2]);
        QCOMPARE(combo->count(), itemCount);
        page.choose(id, chosen);
    } else {
        page.view.control<QCheckBox>(id)->click();
    }
    QCOMPARE(page.stored(texts[0]), texts[3]);
    QCOMPARE(page.document->undoStack()->count(), 1);
}

void AudioSettingViewTest::visibleRows_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("limit"); // the value of a missing feature
    QTest::addColumn<QList<int>>("hidden");
    const QList<int> language { 1029, 1030 };
    QTest::newRow("rotary model, repeater") << "KUR51673"
                                            << "" << QList<int> {};
    QTest::newRow("display model, repeater") << "KUD41670"
                                             << "" << language;
    QTest::newRow("no voice chip") << kVoiceModel << "voice_chip_enable=0" << language;
    QTest::newRow("no keypad beep") << kVoiceModel << "disable_keypad_beep_feature=1"
                                    << QList<int> { 1014, 1018 };
    QTest::newRow("small rotary") << "KUR20200"
                                  << "" << QList<int> { 1017, 1022, 1023, 1024, 1027, 1028, 1029, 1030 };
}

void AudioSettingViewTest::visibleRows()
{
    QFETCH(QString, model);
    QFETCH(QString, limit);
    QFETCH(QList<int>, hidden);
    QCOMPARE(Page(model, LimitChange(limit)).hidden(), hidden);
}

void AudioSettingViewTest::missingLanguageRowClosesUp()
{
    const Page full(kVoiceModel);
    const Page closed(kVoiceModel, LimitChange(QStringLiteral("voice_chip_enable=0")));
    QCOMPARE(closed.view.GetCtrlRect(1017).top(), full.view.GetCtrlRect(1030).top());
    QCOMPARE(closed.view.GetCtrlRect(1018).top(), full.view.GetCtrlRect(1017).top());
}

#include "AudioSettingViewTest.moc"
