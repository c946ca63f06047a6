// The scenario's transcript.
#include "simhost/app/scenario/Transcript.h"

#include <map>
#include <vector>

#include "simhost/app/host/DialogControls.h"
#include "simhost/app/host/HostAircraft.h"
#include "simhost/app/host/HostDescription.h"
#include "simhost/app/host/HostLog.h"
#include "simhost/app/host/HostThread.h"
#include "simhost/app/host/ModuleWindows.h"
#include "simhost/lib/SimConsole.h"
#include "simhost/lib/SimFiles.h"
#include "simhost/lib/SimText.h"

namespace {

struct TranscriptState {
    FILE* file = nullptr;
    std::string dialogText;
    std::string exits; // the exit points line last printed
    std::map<std::string, std::string> configs; // path -> content last printed ("\x01" none)
};

TranscriptState& State() {
    static TranscriptState state;
    return state;
}

void PrintConfigFile(const std::string& path, const std::string& content, bool exists) {
    std::string shown = SimCp1251ToUtf8(path);
    if (!exists) {
        TranscriptEmit("  configuration file " + shown + ": none");
        return;
    }
    TranscriptEmit("  configuration file " + shown + ":");
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        std::string line = content.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        TranscriptEmit("    " + SimCp1251ToUtf8(line));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    if (content.empty()) {
        TranscriptEmit("    (empty)");
    }
}

} // namespace

void TranscriptSetFile(FILE* file) {
    State().file = file;
}

void TranscriptEmit(const std::string& line) {
    std::string text = line + "\n";
    SimPrintOut(text);
    FILE* file = State().file;
    if (file) {
        fwrite(text.data(), 1, text.size(), file);
        fflush(file);
    }
}

void TranscriptFlushObservations(void) {
    std::vector<std::string> lines;
    HostRunOnUi([&] { lines = HostTakeObservations(); });
    for (const std::string& line : lines) {
        TranscriptEmit("  " + line);
    }
}

std::string TranscriptReadFile(const std::string& path, bool* exists) {
    std::string text;
    *exists = SimReadFile(path, &text);
    return text;
}

void TranscriptReportConfig(bool always) {
    std::string path;
    HostRunOnUi([&] { path = HostConfigPath(); });
    bool exists = false;
    std::string content = TranscriptReadFile(path, &exists);
    std::string key = exists ? content : std::string("\x01");
    std::map<std::string, std::string>& known = State().configs;
    if (always || known.find(path) == known.end() || known[path] != key) {
        if (always || known.find(path) != known.end() || exists) {
            PrintConfigFile(path, content, exists);
            // The exit points the file gives, whenever they change.
            std::string exits;
            HostRunOnUi([&] { exits = HostDescribeExits(); });
            if (!exits.empty() && exits != State().exits) {
                TranscriptEmit("  " + exits);
            }
            State().exits = exits;
        }
        known[path] = key;
    }
}

void TranscriptReportDialog(void) {
    std::string text;
    HostRunOnUi([&] { text = DialogDescribe(HostConfigDialog()); });
    if (text != State().dialogText) {
        State().dialogText = text;
        if (!text.empty()) {
            TranscriptEmit(text);
            TranscriptEmit("          (✗ disabled)");
        }
    }
}
