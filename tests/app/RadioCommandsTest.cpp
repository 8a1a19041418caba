#include "AppFixture.h"
#include "AppTests.h"

#include "ChildFrame.h"
#include "MainFrame.h"
#include "ProfileWindow.h"
#include "RadioCommands.h"
#include "RadioEmulator.h"
#include "VelaCPSDoc.h"
#include "VelaCPSTreeView.h"
#include "WriteReviewDialog.h"
#include "operations/RadioChecks.h"
#include "radio/CablePort.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;

// Read, Write and Reset through the Device menu against the radio emulator
// on the cable port of the run, as a user does them.
class RadioCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void readIntoANewProfile();
    void writeThenReadBack();
    void cancelledWrite();
    void cleanup() { CablePort::setForThisRun(QString()); }
};

namespace {

constexpr int kTransferMs = 30000;

// The emulator on the cable port and the main window watching it.
struct RadioSetUp {
    explicit RadioSetUp(const QStringList &emulatorArguments)
        : radio(emulatorArguments)
        , port((CablePort::setForThisRun(radio.path()), radio.path()))
        , app(std::make_unique<AppFixture>(true))
        , commands(app->frame->radio())
        , ended(&commands, &CRadioCommands::operationEnded)
    {
        commands.operations().setResetSettleTime(0ms);
        commands.setWriteReview([this](const QList<ProfileDifference> &changes, bool sameModel) {
            reviewed << ProfileComparison::fieldList(changes);
            reviewedSameModel = sameModel;
            return true;
        });
    }

    // Waits for the cable status to enable name, then chooses it.
    bool choose(const char *name)
    {
        QAction *command = app->action(name);
        if (!QTest::qWaitFor([command] { return command->isEnabled(); }, kTransferMs))
            return false;
        command->trigger();
        return true;
    }

    // Waits for the progress window to report success with successText and
    // presses OK.
    bool confirmSuccess(const QString &successText)
    {
        const bool done = QTest::qWaitFor(
            [this] {
                CReadWriteDialog *progress = commands.progressWindow();
                return progress && progress->findChild<QPushButton *>("okButton")->isEnabled();
            },
            kTransferMs);
        if (!done || commands.progressWindow()->text() != successText)
            return false;
        commands.progressWindow()->findChild<QPushButton *>("okButton")->click();
        return !ended.isEmpty() || ended.wait(kTransferMs);
    }

    CRadioOperations::Outcome outcome() const
    {
        return ended.last().at(0).value<CRadioOperations::Outcome>();
    }

    RadioEmulator radio;
    QString port;
    std::unique_ptr<AppFixture> app;
    CRadioCommands &commands;
    QSignalSpy ended;
    QStringList reviewed; // the changes of each review
    bool reviewedSameModel = false;
};

QString firstChannelName(CProfileWindow *window)
{
    return window->frame().tree()->channelsItem()->child(0)->text(0);
}

} // namespace

void RadioCommandsTest::readIntoANewProfile()
{
    RadioSetUp setUp({ QStringLiteral("--model"), QStringLiteral("KUR40800") });
    QVERIFY(setUp.choose("deviceRead"));
    QVERIFY(setUp.confirmSuccess("Read Successfully!"));
    QCOMPARE(setUp.outcome(), CRadioOperations::Outcome::Succeeded);
    // With no profile open there is nothing to ask.
    QVERIFY(!setUp.app->reporter.messages.join(' ').contains("Do you want"));
    QCOMPARE(setUp.app->windowCount(), 1);
    CProfileWindow *window = setUp.app->activeWindow();
    QVERIFY(window->document().isModified());
    QVERIFY(window->document().path().isEmpty());
    QCOMPARE(window->frame().tree()->channelsItem()->childCount(), 8);
}

void RadioCommandsTest::writeThenReadBack()
{
    RadioSetUp setUp({ QStringLiteral("--model"), QStringLiteral("KUD51900") });
    CProfileWindow *written = setUp.app->newFromTemplate(QStringLiteral("KUD51900"));
    QVERIFY(written);
    CVelaCPSTreeView *tree = written->frame().tree();
    tree->setCurrentItem(tree->channelsItem()->child(0));
    tree->renameItem();
    auto *editor = tree->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->setText(QStringLiteral("WRITTEN"));

    // Write stores the name being typed first.
    QVERIFY(setUp.choose("deviceWrite"));
    QVERIFY(setUp.confirmSuccess("Write Successfully!"));
    QCOMPARE(setUp.outcome(), CRadioOperations::Outcome::Succeeded);
    QCOMPARE(firstChannelName(written), "WRITTEN");
    QCOMPARE(setUp.reviewed.size(), 1);
    QVERIFY2(setUp.reviewed[0].contains("Channel 1 (WRITTEN) Name"), qPrintable(setUp.reviewed[0]));
    QVERIFY(setUp.reviewedSameModel);
    QVERIFY(setUp.app->reporter.messages.isEmpty());

    // A dealer who chose not to be asked again for the radio's own model writes at once.
    CWriteReviewDialog review({ ProfileDifference() }, true);
    QVERIFY(!review.dontAskAgain()->isHidden() && !review.dontAskAgain()->isChecked());
    review.dontAskAgain()->setChecked(true);
    review.accept();
    tree->setCurrentItem(tree->channelsItem()->child(0));
    tree->renameItem();
    tree->findChild<QLineEdit *>()->setText(QStringLiteral("AGAIN"));
    QVERIFY(setUp.choose("deviceWrite"));
    QVERIFY(setUp.confirmSuccess("Write Successfully!"));
    QCOMPARE(setUp.reviewed.size(), 1);

    setUp.app->reporter.answer = MsgAnswer::Yes;
    QVERIFY(setUp.choose("deviceRead"));
    QVERIFY(setUp.confirmSuccess("Read Successfully!"));
    QCOMPARE(setUp.app->reporter.messages,
        QStringList(
            { "Do you want to create a new profile (Yes), overwrite the currently selected profile (No) "
              "or cancel it?" }));
    QCOMPARE(setUp.app->windowCount(), 2);
    QVERIFY(setUp.app->activeWindow() != written);
    QCOMPARE(firstChannelName(setUp.app->activeWindow()), "AGAIN");
}

void RadioCommandsTest::cancelledWrite()
{
    // At the cable's own speed the transfer lasts long enough to stop.
    RadioSetUp setUp({ QStringLiteral("--model"), QStringLiteral("KUD51900"), QStringLiteral("--pace") });
    QVERIFY(setUp.app->newFromTemplate(QStringLiteral("KUD51900")));
    // The radio is backed up first; the write itself is stopped once its
    // bar, started again, stands at 30.
    bool writing = false;
    QObject::connect(&setUp.commands.operations(), &CRadioOperations::stageStarted,
        [&](CRadioOperations::Stage stage) { writing = stage == CRadioOperations::Stage::Writing; });
    QVERIFY(setUp.choose("deviceWrite"));
    bool restarted = false;
    QVERIFY(QTest::qWaitFor(
        [&] {
            CReadWriteDialog *progress = setUp.commands.progressWindow();
            restarted = restarted || (writing && progress && progress->progress() < 30);
            return restarted && progress->progress() >= 30;
        },
        kTransferMs));
    QVERIFY(!setUp.app->action("deviceRead")->isEnabled());
    QCOMPARE(setUp.app->frame->cablePaneText(), "Transferring...");
    setUp.commands.progressWindow()->findChild<QPushButton *>("cancelButton")->click();

    QVERIFY(setUp.ended.wait(kTransferMs));
    QCOMPARE(setUp.outcome(), CRadioOperations::Outcome::Cancelled);
    QVERIFY(!setUp.app->reporter.messages.isEmpty());
    QCOMPARE(setUp.app->reporter.messages.last(), RadioChecks::PartlyWrittenText());
    QTRY_VERIFY(!setUp.commands.progressWindow());
    // The next cable status brings the Device commands back.
    QTRY_VERIFY_WITH_TIMEOUT(setUp.app->action("deviceRead")->isEnabled(), kTransferMs);
}

APP_TEST(RadioCommandsTest);
#include "RadioCommandsTest.moc"
