#pragma once

#include "xml/XmlDocument.h"

#include <QHash>
#include <QJSEngine>
#include <QJSValue>
#include <QObject>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class ScriptNode;

// The host side of the hook script engine. It runs DataProfile.js as the
// engine's global code; hooks are its top-level functions, called by name.
// Scripts see only their own globals and the nodes passed to them: no named
// host objects, no file, process or network access.
//
// A script error (syntax or runtime, any thrown value, a missing function,
// a hook that runs too long) is shown at once as
// "IActiveScriptSite::OnScriptError()\nLine: %d\n<description>" and the call
// reports failure, which the calling data item turns into its error.
class ScriptHost : public QObject {
    Q_OBJECT

public:
    ScriptHost();
    ~ScriptHost() override;

    // Runs the script text as global code. False after showing the error.
    bool load(const QString &scriptText, const QString &fileName);

    // Calls the global function name with args; on success stores its result
    // in result and returns true.
    bool call(const QString &function, const QJSValueList &args, QJSValue &result);

    // Node wrappers live while a Scope is open (scopes nest): open one around
    // everything that makes arguments, calls hooks and reads their results.
    class Scope {
    public:
        explicit Scope(ScriptHost *host);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        ScriptHost *m_host;
    };

    // The wrapper of node for the current scope (one per node, so identity
    // holds inside a call). Null node gives JavaScript null.
    QJSValue wrap(const XmlNode &node);
    // The node behind a wrapper, or a null node.
    static XmlNode unwrap(const QJSValue &value);

    QJSEngine &engine() { return m_engine; }

    // How long one hook may run before it is interrupted (5 s unless a
    // test shortens it).
    static int hookTimeLimitMs();
    static void setHookTimeLimitMs(int milliseconds);

private:
    void reportError(const QJSValue &error);
    void releaseWrappers();
    void watchdogLoop();

    QJSEngine m_engine;
    QJSValue m_caller;
    QHash<void *, ScriptNode *> m_wrappers;
    int m_callDepth = 0;
    int m_scopeDepth = 0;

    // Interrupts a hook that runs past its time limit.
    std::mutex m_watchMutex;
    std::condition_variable m_watchWake;
    bool m_watching = false;
    bool m_stopping = false;
    std::chrono::steady_clock::time_point m_deadline;
    std::thread m_watchdog;
};
