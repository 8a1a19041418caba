#include "ScriptHost.h"

#include "ScriptNode.h"
#include "base/MessageReporter.h"

#include <QCoreApplication>
#include <atomic>

namespace {
std::atomic<int> g_hookTimeLimitMs { 5000 };
}

int ScriptHost::hookTimeLimitMs()
{
    return g_hookTimeLimitMs;
}

void ScriptHost::setHookTimeLimitMs(int milliseconds)
{
    g_hookTimeLimitMs = milliseconds;
}

ScriptHost::ScriptHost()
{
    // Hooks are called through this wrapper so that any thrown value, not
    // only an Error object, is told apart from a returned one.
    m_caller = m_engine.evaluate(
        QStringLiteral("(function (hook, args) {"
                       "  try { return { failed: false, value: hook.apply(null, args) }; }"
                       "  catch (error) { return { failed: true, error: error }; }"
                       "})"));
    m_watchdog = std::thread([this] { watchdogLoop(); });
}

ScriptHost::~ScriptHost()
{
    {
        std::lock_guard lock(m_watchMutex);
        m_stopping = true;
    }
    m_watchWake.notify_all();
    m_watchdog.join();
    releaseWrappers();
}

void ScriptHost::watchdogLoop()
{
    std::unique_lock lock(m_watchMutex);
    while (!m_stopping) {
        if (!m_watching) {
            m_watchWake.wait(lock);
            continue;
        }
        if (m_watchWake.wait_until(lock, m_deadline) == std::cv_status::timeout && m_watching
            && std::chrono::steady_clock::now() >= m_deadline) {
            m_engine.setInterrupted(true);
            m_watching = false;
        }
    }
}

bool ScriptHost::load(const QString &scriptText, const QString &fileName)
{
    const QJSValue result = m_engine.evaluate(scriptText, fileName);
    if (result.isError() || m_engine.hasError()) {
        reportError(m_engine.hasError() ? m_engine.catchError() : result);
        return false;
    }
    return true;
}

bool ScriptHost::call(const QString &function, const QJSValueList &args, QJSValue &result)
{
    const QJSValue callee = m_engine.globalObject().property(function);
    if (!callee.isCallable()) {
        showMessage(
            QCoreApplication::translate("ScriptHost",
                "IActiveScriptSite::OnScriptError()\nLine: 0\n%1 is not a function in the hook script")
                .arg(function),
            MsgStyle::IconError);
        return false;
    }
    const bool outermost = m_callDepth++ == 0;
    if (outermost) {
        std::lock_guard lock(m_watchMutex);
        m_deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(hookTimeLimitMs());
        m_watching = true;
    }
    if (outermost)
        m_watchWake.notify_all();
    QJSValue argumentArray = m_engine.newArray(uint(args.size()));
    for (int i = 0; i < args.size(); ++i)
        argumentArray.setProperty(quint32(i), args[i]);
    const QJSValue outcome = m_caller.call({ callee, argumentArray });
    if (outermost) {
        std::lock_guard lock(m_watchMutex);
        m_watching = false;
    }
    --m_callDepth;

    bool ok = true;
    if (m_engine.isInterrupted()) {
        m_engine.setInterrupted(false);
        m_engine.catchError();
        showMessage(QCoreApplication::translate("ScriptHost",
                        "IActiveScriptSite::OnScriptError()\nLine: 0\nThe hook %1 ran longer than "
                        "%2 ms and was stopped.")
                        .arg(function)
                        .arg(hookTimeLimitMs()),
            MsgStyle::IconError);
        ok = false;
    } else if (m_engine.hasError()) {
        reportError(m_engine.catchError());
        ok = false;
    } else if (outcome.property(QStringLiteral("failed")).toBool()) {
        reportError(outcome.property(QStringLiteral("error")));
        ok = false;
    } else {
        result = outcome.property(QStringLiteral("value"));
    }
    return ok;
}

void ScriptHost::reportError(const QJSValue &error)
{
    const int line = error.isObject() ? error.property(QStringLiteral("lineNumber")).toInt() : 0;
    showMessage(QCoreApplication::translate("ScriptHost", "IActiveScriptSite::OnScriptError()\nLine: %1\n%2")
                    .arg(line)
                    .arg(error.toString()),
        MsgStyle::IconError);
}

QJSValue ScriptHost::wrap(const XmlNode &node)
{
    if (node.isNull())
        return QJSValue(QJSValue::NullValue);
    ScriptNode *&wrapper = m_wrappers[node.raw()];
    if (!wrapper) {
        wrapper = new ScriptNode(this, node);
        // The host, not the engine's collector, owns the wrappers.
        QJSEngine::setObjectOwnership(wrapper, QJSEngine::CppOwnership);
    }
    return m_engine.newQObject(wrapper);
}

XmlNode ScriptHost::unwrap(const QJSValue &value)
{
    if (auto *wrapper = qobject_cast<ScriptNode *>(value.toQObject()))
        return wrapper->node();
    return XmlNode();
}

ScriptHost::Scope::Scope(ScriptHost *host)
    : m_host(host)
{
    if (m_host)
        ++m_host->m_scopeDepth;
}

ScriptHost::Scope::~Scope()
{
    if (m_host && --m_host->m_scopeDepth == 0)
        m_host->releaseWrappers();
}

void ScriptHost::releaseWrappers()
{
    qDeleteAll(m_wrappers);
    m_wrappers.clear();
}
