#include "AppTests.h"
#include "EditorPage.h"

#include "editors/AudioSettingView.h"

// The audio settings page: the language values and the rows a model lacks.
class AudioSettingViewTest : public QObject {
    Q_OBJECT

private slots:
    void language_data();
    void language();
    void visibleRows_data();
    void visibleRows();
};
APP_TEST(AudioSettingViewTest);

namespace {

// No display, a voice chip: every row shows.
const QString kVoiceModel = QStringLiteral("KUR40800");
using Page = EditorPage<CAudioSettingView>;

} // namespace

// The radio's "OFF" is 7, not the next number; a value the list does not
// know shows as English without being stored.
void AudioSettingViewTest::language_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("after");
    QTest::newRow("OFF") << "7"
                         << "OFF" << 1 << "1";
    QTest::newRow("unknown language") << "5"
                                      << "English" << 3 << "7";
}

void AudioSettingViewTest::language()
{
    QFETCH(QString, before);
    QFETCH(QString, shown);
    QFETCH(int, chosen);
    QFETCH(QString, after);
    Page page(kVoiceModel, { { QStringLiteral("setting"), QStringLiteral("voice_language"), before } });
    QVERIFY(page.view->CommitPendingInput());
    QCOMPARE(page.stored(QStringLiteral("voice_language")), before);
    QCOMPARE(page.combo(1030)->currentText(), shown);
    page.choose(1030, chosen);
    QCOMPARE(page.stored(QStringLiteral("voice_language")), after);
}

void AudioSettingViewTest::visibleRows_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("limit"); // the value of a missing feature
    QTest::addColumn<QList<int>>("hidden");
    QTest::newRow("rotary model, repeater") << "KUR51673"
                                            << "" << QList<int> {};
    QTest::newRow("no voice chip") << kVoiceModel << "voice_chip_enable=0" << QList<int> { 1029, 1030 };
    QTest::newRow("small rotary") << "KUR20200"
                                  << "" << QList<int> { 1017, 1022, 1023, 1024, 1027, 1028, 1029, 1030 };
}

void AudioSettingViewTest::visibleRows()
{
    QFETCH(QString, model);
    QFETCH(QString, limit);
    QFETCH(QList<int>, hidden);
    QCOMPARE(Page(model, Changes("limit", { limit })).hidden(), hidden);
}

#include "AudioSettingViewTest.moc"
