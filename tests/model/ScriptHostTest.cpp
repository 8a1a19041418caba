#include "model/ScriptHost.h"
#include "RecordingReporter.h"

#include <gtest/gtest.h>

namespace {

QString callText(ScriptHost &host, const QString &function)
{
    QJSValue result;
    EXPECT_TRUE(host.call(function, {}, result));
    return result.toString();
}

TEST(ScriptHost, ScriptsSeeNoHostObjects)
{
    RecordingReporter reporter;
    ScriptHost host;
    ASSERT_TRUE(host.load(
        QStringLiteral("function probe() { return [typeof XMLHttpRequest, typeof Qt, typeof require, "
                       "typeof importScripts, typeof process].join(','); }"),
        QStringLiteral("probe.js")));
    EXPECT_EQ(callText(host, QStringLiteral("probe")), "undefined,undefined,undefined,undefined,undefined");
    EXPECT_TRUE(reporter.messages.isEmpty());
}

TEST(ScriptHost, SyntaxErrorsAreShownWithTheirLine)
{
    RecordingReporter reporter;
    ScriptHost host;
    EXPECT_FALSE(host.load(QStringLiteral("var a = 1;\nvar b = ;\n"), QStringLiteral("broken.js")));
    ASSERT_EQ(reporter.messages.size(), 1);
    EXPECT_TRUE(reporter.messages[0].startsWith("IActiveScriptSite::OnScriptError()\nLine: 2\n"))
        << qPrintable(reporter.messages[0]);
}

TEST(ScriptHost, RuntimeErrorsNameTheLineOfTheFailure)
{
    RecordingReporter reporter;
    ScriptHost host;
    ASSERT_TRUE(host.load(
        QStringLiteral("function ok() { return 1; }\n\nfunction bad() {\n  return missing.value;\n}\n"),
        QStringLiteral("hooks.js")));
    QJSValue result;
    EXPECT_FALSE(host.call(QStringLiteral("bad"), {}, result));
    ASSERT_EQ(reporter.messages.size(), 1);
    EXPECT_TRUE(reporter.messages[0].startsWith("IActiveScriptSite::OnScriptError()\nLine: 4\n"))
        << qPrintable(reporter.messages[0]);
    EXPECT_TRUE(host.call(QStringLiteral("ok"), {}, result));
    EXPECT_EQ(result.toInt(), 1);
}

TEST(ScriptHost, ThrownValuesOfAnyKindFailTheCall)
{
    RecordingReporter reporter;
    ScriptHost host;
    ASSERT_TRUE(host.load(QStringLiteral("function s() { throw 'text'; }\nfunction n() { throw null; }\n"
                                         "function o() { throw { code: 5 }; }\n"),
        QStringLiteral("throws.js")));
    QJSValue result;
    for (const char *function : { "s", "n", "o" })
        EXPECT_FALSE(host.call(QLatin1String(function), {}, result)) << function;
    EXPECT_EQ(reporter.messages.size(), 3);
}

TEST(ScriptHost, EndlessHooksAreStoppedAndTheEngineStaysUsable)
{
    RecordingReporter reporter;
    ScriptHost::setHookTimeLimitMs(100);
    ScriptHost host;
    ASSERT_TRUE(host.load(QStringLiteral("function spin() { while (true) {} }\nfunction ok() { return 2; }"),
        QStringLiteral("spin.js")));
    QJSValue result;
    EXPECT_FALSE(host.call(QStringLiteral("spin"), {}, result));
    EXPECT_FALSE(host.call(QStringLiteral("spin"), {}, result));
    ScriptHost::setHookTimeLimitMs(5000);
    EXPECT_TRUE(host.call(QStringLiteral("ok"), {}, result));
    EXPECT_EQ(result.toInt(), 2);
    EXPECT_EQ(reporter.messages.size(), 2);
}

} // namespace
