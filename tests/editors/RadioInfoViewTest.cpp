#include "AppTests.h"
#include "EditorFixture.h"

#include "editors/RadioInfoView.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>

// The radio information page: what it shows, and rows the product
// settings hide.
class RadioInfoViewTest : public QObject {
    Q_OBJECT

private slots:
    void values_data();
    void values();
    void hiddenRangesCloseUp();
};
APP_TEST(RadioInfoViewTest);

namespace {

TemplateChange Factory(const char *attribute, const char *value)
{
    return { QStringLiteral("factory_setting"), QLatin1String(attribute), QLatin1String(value) };
}

const TemplateChanges kVhfRange
    = { { QStringLiteral("limit"), QStringLiteral("start_freq"), QStringLiteral("136000000") },
          { QStringLiteral("limit"), QStringLiteral("end_freq"), QStringLiteral("174000000") } };

QString Shown(CRadioInfoView &view, int id)
{
    return view.control<QLineEdit>(id)->text();
}

// The shipped install in a folder of its own, with the receive and
// transmit ranges switched off for the radio information page.
QString InstallWithoutDirectionalRanges(const QTemporaryDir &folder)
{
    for (const char *subfolder : { "lib", "profiletemplate" }) {
        QDir(folder.path()).mkpath(QLatin1String(subfolder));
        for (const QString &file : QDir(dataPath(QLatin1String(subfolder))).entryList(QDir::Files))
            QFile::copy(dataPath(QLatin1String(subfolder) + QLatin1Char('/') + file),
                folder.filePath(QLatin1String(subfolder) + QLatin1Char('/') + file));
    }
    QString settings = dataFileText(QStringLiteral("lib/VisibleSetting.stv"));
    for (const char *id : { "1008", "1018", "1007", "1017" }) {
        const QString shown = QStringLiteral("<Control ID=\"%1\" isVisible=\"1\"/>").arg(QLatin1String(id));
        settings.replace(settings.indexOf(shown), shown.size(),
            QString(shown).replace(QStringLiteral("\"1\"/"), QStringLiteral("\"0\"/")));
    }
    QFile file(folder.filePath(QStringLiteral("lib/VisibleSetting.stv")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(settings.toUtf8()) < 0)
        qFatal("cannot write the settings");
    return folder.path();
}

} // namespace

void RadioInfoViewTest::values_data()
{
    QTest::addColumn<TemplateChanges>("changes");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("shown");
    QTest::newRow("regional code") << TemplateChanges { Factory("model", "KUD41604") } << "English" << 1066
                                   << "04";
    QTest::newRow("serial number") << TemplateChanges {} << "English" << 1011 << "116KUD4000";
    QTest::newRow("firmware version")
        << TemplateChanges { Factory("firmware_version", "1"), Factory("firmware_revision", "5") }
        << "English" << 1012 << "R01.05";
    QTest::newRow("codeplug version") << TemplateChanges {} << "English" << 1014 << "R03.01";
    QTest::newRow("range") << kVhfRange << "English" << 1015 << "136.000000 - 174.000000";
    QTest::newRow("range with the language's separator")
        << kVhfRange << "German" << 1015 << "136,000000 - 174,000000";
    QTest::newRow("maximum channel") << TemplateChanges {} << "English" << 1016 << "16";
}

void RadioInfoViewTest::values()
{
    QFETCH(TemplateChanges, changes);
    QFETCH(QString, language);
    QFETCH(int, id);
    QFETCH(QString, shown);
    EditorFixture fixture(QStringLiteral(VELA_DATA_DIR), language);
    const auto document = fixture.profile(QStringLiteral("KUD41600"), changes);
    CRadioInfoView view(EditorContext { *document, fixture.context });
    view.OnInitialUpdate();
    QCOMPARE(Shown(view, id), shown);
}

void RadioInfoViewTest::hiddenRangesCloseUp()
{
    QTemporaryDir install;
    EditorFixture fixture(InstallWithoutDirectionalRanges(install));
    const auto document = fixture.profile(QStringLiteral("KUD41600"));
    CRadioInfoView view(EditorContext { *document, fixture.context });
    view.resize(600, 400);
    view.OnInitialUpdate();
    for (int id : { 1008, 1018, 1007, 1017 })
        QVERIFY(view.control(id)->isHidden());
    QVERIFY(Shown(view, 1018).isEmpty());
    const int pitch = view.GetCtrlRect(1015).top() - view.GetCtrlRect(1014).top();
    QCOMPARE(view.GetCtrlRect(1016).top(), view.GetCtrlRect(1015).top() + pitch);
    QCOMPARE(view.GetCtrlRect(1006).top(), view.GetCtrlRect(1016).top());
}

#include "RadioInfoViewTest.moc"
