#include "reports/ReportTokens.h"

#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// Marks every text of the report context, so a test sees which text
// replaced a token.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return QLatin1String(context) == QLatin1String("Report")
            ? QStringLiteral("<%1>").arg(QLatin1String(source))
            : QString();
    }
    bool isEmpty() const override { return false; }
};

struct ReplacementCase {
    const char *token;
    const char *text;
    const char *decimalSeparator = ".";
};

class TokenReplacement : public ::testing::TestWithParam<ReplacementCase> { };

TEST_P(TokenReplacement, IsTheNamedText)
{
    EXPECT_EQ(ReportTokens::replacement(
                  QString::fromUtf8(GetParam().token), QString::fromUtf8(GetParam().decimalSeparator)),
        QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Tokens, TokenReplacement,
    ::testing::Values(ReplacementCase { "$#Receive", "Receive" }, ReplacementCase { "$#ZWTa", "ZWTa" },
        ReplacementCase { "$#Prog 1 (URB)", "Button A" }, ReplacementCase { "$#Prog 3 (LRB)", "Button C" },
        ReplacementCase { "$#PL Code 216", "PL Code 216 (OCT)" },
        ReplacementCase { "$#PL Code 124 (Hz)", "PL Code 124 (Hz)" },
        ReplacementCase { "$#Scan List Member", "Scan List Members" },
        ReplacementCase { "$#Scramble code 2", "Scramble Code 2" },
        ReplacementCase { "$#Side Button 2", "Side Button 2 (SB2)" },
        ReplacementCase { "$#Talkaround Scan", "Dynamic Talkaround Scan" },
        ReplacementCase { "$#Voice Language", "Channel Announcement Language" },
        ReplacementCase { "$#High Power only", "High power only" },
        ReplacementCase {
            "$#User Selectable with high power as default", "User selectable with high power as default" },
        ReplacementCase { "$#Power High", "High" }, ReplacementCase { "$#15", "15 min" },
        ReplacementCase { "$#30", "30 min" }, ReplacementCase { "$#12.5KHz", "12.5 KHz" },
        ReplacementCase { "$#25 KHz only", "25 KHz only" },
        ReplacementCase {
            "$#User selectable with 12.5 KHz as default", "User selectable with 12.5 KHz as default" },
        ReplacementCase { "$#Monitor (default)", "Monitor (default)" },
        ReplacementCase { "$#No Operation (default)", "No Operation (default)" }));

TEST(ReportTokens, ListsHoldTheirTokensOnce)
{
    for (const QStringList *tokens : { &ReportTokens::detailedTokens(), &ReportTokens::handoutTokens() }) {
        EXPECT_EQ(QSet<QString>(tokens->begin(), tokens->end()).size(), tokens->size());
        for (const QString &token : *tokens)
            EXPECT_TRUE(token.startsWith(QLatin1String("$#"))) << qPrintable(token);
    }
    EXPECT_EQ(ReportTokens::detailedTokens().size(), 129);
    EXPECT_EQ(ReportTokens::handoutTokens().size(), 45);
}

// Replacing a token first would spoil every later token it is a prefix of.
TEST(ReportTokens, NoTokenIsAPrefixOfALaterOne)
{
    for (const QStringList *tokens : { &ReportTokens::detailedTokens(), &ReportTokens::handoutTokens() }) {
        for (qsizetype i = 0; i < tokens->size(); ++i) {
            for (qsizetype j = i + 1; j < tokens->size(); ++j)
                EXPECT_FALSE(tokens->at(j).startsWith(tokens->at(i)))
                    << qPrintable(tokens->at(i) + " | " + tokens->at(j));
        }
    }
}

TEST(ReportTokens, LocalisingUsesTheTranslationOfEachWholeToken)
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QString page
        = QStringLiteral("$#Disable Restore Factory Default|$#Disable|$#15 min|$#15|$#Prog 2 (LLB)|$#25KHz");
    ReportTokens::localise(page, ReportTokens::detailedTokens(), QStringLiteral("."));
    QCoreApplication::removeTranslator(&translator);
    // The sheet is XML: the texts go in escaped.
    EXPECT_EQ(page,
        QStringLiteral("<Disable Restore Factory Default>|<Disable>|<15 min>|<15 min>|<Button B>|<25 KHz>")
            .toHtmlEscaped());
}

// A language's compiled translation that notes every text it lacks.
struct MissRecorder : QTranslator {
    explicit MissRecorder(const QTranslator &language)
        : language(language)
    {
    }
    QString translate(const char *context, const char *source, const char *comment, int n) const override
    {
        const QString text = language.translate(context, source, comment, n);
        if (text.isEmpty())
            misses << QLatin1String(context) + QLatin1String(" / ") + QString::fromUtf8(source);
        return text;
    }
    bool isEmpty() const override { return false; }
    const QTranslator &language;
    mutable QStringList misses;
};

// The texts a report looks up at run time are in every built translation,
// whether or not lupdate can see them at the place of the lookup.
TEST(ReportTokens, EveryLanguageTranslatesEveryTextATokenLooksUp)
{
    const QDir built(QStringLiteral(VELA_BINARY_DIR "/share/velacps/translations"));
    const QStringList files = built.entryList({ QStringLiteral("velacps_*.qm") });
    EXPECT_EQ(files.size(), 12);
    for (const QString &file : files) {
        QTranslator language;
        ASSERT_TRUE(language.load(built.filePath(file))) << qPrintable(file);
        MissRecorder recorder(language);
        QCoreApplication::installTranslator(&recorder);
        for (const QStringList *tokens :
            { &ReportTokens::detailedTokens(), &ReportTokens::handoutTokens() }) {
            for (const QString &token : *tokens)
                ReportTokens::replacement(token, QStringLiteral(","));
        }
        QCoreApplication::removeTranslator(&recorder);
        EXPECT_EQ(recorder.misses, QStringList()) << qPrintable(file);
    }
}

// Every token of a list is used by its shipped sheet, and the sheets use no
// token outside their list.
TEST(ReportTokens, ShippedSheetsUseExactlyTheirTokens)
{
    const struct {
        const char *sheet;
        const QStringList &tokens;
    } sheets[] = { { "Report/Detailed.xsl", ReportTokens::detailedTokens() },
        { "Report/Handout.xsl", ReportTokens::handoutTokens() } };
    for (const auto &sheet : sheets) {
        QString text = dataFileText(QLatin1String(sheet.sheet));
        for (const QString &token : sheet.tokens) {
            EXPECT_TRUE(text.contains(token)) << sheet.sheet << ": " << qPrintable(token);
            text.replace(token, QString());
        }
        text.remove(QLatin1String("$#SPLITTER"));
        EXPECT_FALSE(text.contains(QLatin1String("$#")))
            << sheet.sheet << ": " << qPrintable(text.mid(text.indexOf("$#"), 40));
    }
}

} // namespace
