#ifndef RESULTHOOK_H
#define RESULTHOOK_H

#include "cancelcheck.h"

#include <QString>

#include <functional>

// The user's command run after each device of a shift (--on-result), for a
// light tower or a beeper.
//
// The command is run as `/bin/sh -c COMMAND` and is told about the device
//   - as positional parameters: $1 the slot, $2 the port, $3 the outcome
//     ("stored, verified", "failed", "interrupted", ...);
//   - and in the environment: KVR210C_SLOT, KVR210C_PORT, KVR210C_RESULT.
// Neither is ever pasted into the command's text, so a slot named
// "A1; rm -rf ~" is only a name.
//
// Standard input is /dev/null; standard output goes to this program's
// standard error, since standard output carries the result lines meant for
// machines. The command runs in a process group of its own, and what it started
// there ends with it (a `sleep 30 &` in a script): once it has exited, been
// stopped or the shift ended, the group gets SIGTERM, then SIGKILL after
// EndGraceMs.
//
// It is bounded: at most `limitMs` (DefaultLimitMs), then it is killed. The
// cancel check is asked every CancelCheckMs; once it says yes, the command
// gets at most CancelGraceMs more, so an interrupted shift still ends within
// a second.
//
// run() blocks the calling thread, which needs no event loop (a slot's worker
// thread); several threads may run hooks at once. What it returns is for the
// user to read; a failing hook never changes a device's outcome.
//
//     const ResultHook hook(command);
//     const ResultHook::Result done = hook.run(slot, port, outcome.result(), cancel);
//     if (!done.ok) printError(done.problem);
class ResultHook
{
public:
    static constexpr int DefaultLimitMs = 10000;
    static constexpr int CancelCheckMs = 50;
    static constexpr int CancelGraceMs = 500;
    static constexpr int EndGraceMs = 200;
    static constexpr int EndCheckMs = 10;

    struct Result {
        bool ok = false; // started and exited with 0 in time
        // "the --on-result command exited with 3", "... did not end within
        // 10 s and was stopped", "... could not be started (...)"; empty when ok.
        QString problem;
    };

    explicit ResultHook(QString command, int limitMs = DefaultLimitMs);

    Result run(const QString& slot, const QString& port, const QString& result, const CancelCheck& cancel = {}) const;

private:
    QString m_command;
    int m_limitMs;
};

#endif // RESULTHOOK_H
