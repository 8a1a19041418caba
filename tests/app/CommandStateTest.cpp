#include "AppTests.h"

#include "CommandState.h"

#include <QTest>

// The enabling rules of the main window's commands.
class CommandStateTest : public QObject {
    Q_OBJECT

private slots:
    void enabling_data();
    void enabling();
};

namespace {

// Situations in a compact spelling: each letter names one fact that holds.
//   P profile active, C cable (Read/Write and Reset flags), a/d/r tree flags,
//   h channel table shown with rows selected,
//   T text box focused, R read-only, W password box, S selection, K clipboard text,
//   O a radio operation under way
CommandSituation situationOf(const QString &facts)
{
    CommandSituation s;
    s.profileActive = facts.contains(QLatin1Char('P'));
    s.readWriteFlag = s.resetFlag = facts.contains(QLatin1Char('C'));
    s.addFlag = facts.contains(QLatin1Char('a'));
    s.deleteFlag = facts.contains(QLatin1Char('d'));
    s.renameFlag = facts.contains(QLatin1Char('r'));
    s.channelRowsSelected = facts.contains(QLatin1Char('h'));
    s.textBoxFocused = facts.contains(QLatin1Char('T'));
    s.textBoxReadOnly = facts.contains(QLatin1Char('R'));
    s.textBoxIsPassword = facts.contains(QLatin1Char('W'));
    s.textBoxHasSelection = facts.contains(QLatin1Char('S'));
    s.clipboardHasText = facts.contains(QLatin1Char('K'));
    s.operationRunning = facts.contains(QLatin1Char('O'));
    return s;
}

// The enabled commands in the same spirit: s save, a add, d delete, n rename,
// x cut, c copy, v paste, R read, W write, E reset, P report, M program several radios,
// h edit selected channels.
QString enabledOf(const CommandState &state)
{
    QString text;
    const std::pair<bool, char> flags[] = { { state.save, 's' }, { state.add, 'a' }, { state.remove, 'd' },
        { state.rename, 'n' }, { state.cut, 'x' }, { state.copy, 'c' }, { state.paste, 'v' },
        { state.read, 'R' }, { state.write, 'W' }, { state.reset, 'E' }, { state.report, 'P' },
        { state.programRadios, 'M' }, { state.editSelectedChannels, 'h' } };
    for (const auto &[on, letter] : flags) {
        if (on)
            text += QLatin1Char(letter);
    }
    return text;
}

} // namespace

void CommandStateTest::enabling_data()
{
    QTest::addColumn<QString>("facts");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("nothing open, no cable") << ""
                                            << "";
    QTest::newRow("no profile: Write and Report stay off with the cable") << "C"
                                                                          << "RE";
    QTest::newRow("profile and cable") << "PC"
                                       << "sRWEPM";
    QTest::newRow("tree flags pass through") << "Padr"
                                             << "sadnPM";
    QTest::newRow("text box with selection and clipboard") << "PTSK"
                                                           << "sdxcvPM";
    QTest::newRow("text box without selection: Delete off despite the tree flag") << "PdTK"
                                                                                  << "svPM";
    QTest::newRow("read-only box: copy only, Delete follows the tree flag") << "PdTRSK"
                                                                            << "sdcPM";
    QTest::newRow("password box gives nothing away") << "PdTWSK"
                                                     << "sPM";
    QTest::newRow("operation under way: no batch, whatever the cable") << "PCO"
                                                                       << "sRWEP";
    QTest::newRow("channel rows selected") << "Ph"
                                           << "sPMh";
    QTest::newRow("no profile: no bulk edit") << "h"
                                              << "";
    QTest::newRow("no clipboard text: no Paste") << "PTS"
                                                 << "sdxcPM";
}

void CommandStateTest::enabling()
{
    QFETCH(QString, facts);
    QFETCH(QString, enabled);
    QCOMPARE(enabledOf(commandStateFor(situationOf(facts))), enabled);
}

APP_TEST(CommandStateTest);
#include "CommandStateTest.moc"
