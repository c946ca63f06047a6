// The host's log of what it saw.
#include "simhost/app/host/HostLog.h"

#include <windows.h>

#include <stdio.h>

#include "simhost/lib/SimConsole.h"

namespace {

struct LogState {
    bool interactive = false;
    DWORD stepStart = GetTickCount();
    std::vector<std::string> lines;
};

LogState& State() {
    static LogState state;
    return state;
}

} // namespace

void HostLogSetInteractive(bool interactive) {
    State().interactive = interactive;
    State().stepStart = GetTickCount();
}

void HostLogPlain(const std::string& line) {
    State().lines.push_back(line);
    if (State().interactive) {
        SimPrintOut(line + "\n");
    }
}

void HostLog(const std::string& line) {
    DWORD elapsed = GetTickCount() - State().stepStart;
    std::string prefix;
    if (elapsed >= 500) {
        char stamp[32];
        snprintf(stamp, sizeof(stamp), "[+%lu s] ", (unsigned long)((elapsed + 500) / 1000));
        prefix = stamp;
    }
    HostLogPlain(prefix + line);
}

std::vector<std::string> HostTakeObservations(void) {
    std::vector<std::string> lines;
    lines.swap(State().lines);
    return lines;
}

void HostLogRestart(void) {
    State().stepStart = GetTickCount();
}
