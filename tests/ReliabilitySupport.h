// Shared pieces of the reliability programs (tests/reliability_*_test.cpp): the size of a
// run, the figure line each program prints, a repeatable random source, a tally of cases
// and faults, a watchdog against hangs, counters of what the process holds, and a
// snapshot of a folder tree.
//
// Sizes: every program has a bounded size, run by ./dev test, and a long size, run by
// ./dev stress. KFWS_STRESS_SCALE=N (N >= 1) selects the long size times N; unset or 0
// gives the bounded size. KFWS_STRESS_SEED=S replaces the fixed seed of the random cases.
#pragma once

#include <windows.h>

#include <limits.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"

#include <gtest/gtest.h>

inline int EnvironmentNumber(const char* name, int fallback) {
    char value[32];
    DWORD length = GetEnvironmentVariableA(name, value, sizeof(value));
    if (length == 0 || length >= sizeof(value)) {
        return fallback;
    }
    return atoi(value);
}

inline int StressScale() {
    int scale = EnvironmentNumber("KFWS_STRESS_SCALE", 0);
    return scale > 0 ? scale : 0;
}

// The number of cases of a run: `bounded` for ./dev test, `full` times the scale for ./dev stress.
inline int RunSize(int bounded, int full) {
    int scale = StressScale();
    return scale == 0 ? bounded : full * scale;
}

inline uint32_t RunSeed(uint32_t fallback) {
    return (uint32_t)EnvironmentNumber("KFWS_STRESS_SEED", (int)fallback);
}

// The integer reading rule of the configuration file, worked out on the text instead of
// with arithmetic: white space as in the C locale, one sign, the digit run without its
// leading zeros compared with the 32-bit limits as text; only a run that fits is converted.
inline int OracleInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        i++;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        i++;
    }
    size_t first = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        i++;
    }
    std::string digits = text.substr(first, i - first);
    size_t significant = digits.find_first_not_of('0');
    digits = significant == std::string::npos ? "" : digits.substr(significant);
    if (digits.empty()) {
        return 0;
    }
    const std::string limit = negative ? "2147483648" : "2147483647";
    if (digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit)) {
        return negative ? INT_MIN : INT_MAX;
    }
    long long magnitude = strtoll(digits.c_str(), nullptr, 10);
    return (int)(negative ? -magnitude : magnitude);
}

// The first `limit` bytes of a text with every byte outside printable ASCII as \xNN, and
// "..." when the text was longer: texts of any bytes shown readably in a failure.
inline std::string Escaped(const std::string& text, size_t limit) {
    std::string shown;
    for (unsigned char c : text.substr(0, limit)) {
        if (c >= 0x20 && c < 0x7F) {
            shown += (char)c;
        } else {
            char code[8];
            snprintf(code, sizeof(code), "\\x%02X", c);
            shown += code;
        }
    }
    return text.size() > limit ? shown + "..." : shown;
}

// One line that tools/stress.sh collects for docs/reliability.md: "FIGURE name: text".
inline void PrintFigure(const std::string& name, const std::string& text) {
    printf("FIGURE %s: %s\n", name.c_str(), text.c_str());
    fflush(stdout);
}

// Counts cases and the cases with a fault; the first few faults become test failures with
// their details, the rest only count.
class FaultTally {
public:
    explicit FaultTally(const std::string& name) : name_(name) {}
    // Starts a case; `label` says how to find it again (its index, seed, input).
    void Begin(const std::string& label) {
        cases_++;
        label_ = label;
        problems_.clear();
    }
    void Check(bool ok, const std::string& what) {
        if (!ok) {
            problems_.push_back(what);
        }
    }
    // Ends the case; true when it had no fault.
    bool End() {
        if (problems_.empty()) {
            return true;
        }
        faults_++;
        if (faults_ <= 10) {
            std::string text = name_ + " " + label_ + ":";
            for (const std::string& problem : problems_) {
                text += "\n  " + problem;
            }
            ADD_FAILURE() << text;
        }
        return false;
    }
    int Cases() const { return cases_; }
    int Faults() const { return faults_; }

private:
    std::string name_;
    std::string label_;
    std::vector<std::string> problems_;
    int cases_ = 0;
    int faults_ = 0;
};

// Ends the whole run with a message when the guarded code has not returned in time: a hang
// is a fault, and the run must end to report it.
class HangWatch {
public:
    HangWatch(const std::string& what, DWORD limitMs) : what_(what), limit_(TimeBudget(limitMs)) {
        done_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
    }
    ~HangWatch() {
        SetEvent(done_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        CloseHandle(done_);
    }

private:
    static DWORD WINAPI Watch(void* self) {
        HangWatch* watch = (HangWatch*)self;
        if (WaitForSingleObject(watch->done_, watch->limit_) == WAIT_TIMEOUT) {
            fprintf(stderr, "FATAL: %s did not return within %lu ms\n", watch->what_.c_str(),
                    (unsigned long)watch->limit_);
            fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 4);
        }
        return 0;
    }
    std::string what_;
    DWORD limit_;
    HANDLE done_;
    HANDLE thread_;
};

// What the process holds, counted by trying every handle value:
//   kernel handles: GetHandleInformation on 4, 8, ... 0xFFFC;
//   GDI objects: GetObjectType on the 16-bit handle indices, which Wine accepts;
//   windows and menus: IsWindow (of this process) and IsMenu on the 16-bit user handles.
// GetGuiResources and GetProcessHandleCount report 0 under Wine, so they are not used.
struct ProcessObjects {
    int kernelHandles;
    int gdiObjects;
    int windows;
    int menus;
};

inline ProcessObjects CountProcessObjects() {
    ProcessObjects counts = {0, 0, 0, 0};
    for (UINT_PTR value = 4; value < 0x10000; value += 4) {
        DWORD flags;
        if (GetHandleInformation((HANDLE)value, &flags)) {
            counts.kernelHandles++;
        }
    }
    for (UINT_PTR value = 1; value < 0x10000; value++) {
        if (GetObjectType((HGDIOBJ)value) != 0) {
            counts.gdiObjects++;
        }
    }
    DWORD self = GetCurrentProcessId();
    for (UINT_PTR value = 0x20; value < 0x10000; value += 2) {
        if (IsWindow((HWND)value)) {
            DWORD owner = 0;
            GetWindowThreadProcessId((HWND)value, &owner);
            if (owner == self) {
                counts.windows++;
            }
        }
        if (IsMenu((HMENU)value)) {
            counts.menus++;
        }
    }
    return counts;
}

inline std::string Describe(const ProcessObjects& counts) {
    char text[160];
    snprintf(text, sizeof(text), "%d kernel handles, %d GDI objects, %d windows, %d menus", counts.kernelHandles,
             counts.gdiObjects, counts.windows, counts.menus);
    return text;
}

// One entry of a folder tree: a file's size, write time and content, or a folder.
struct TreeEntry {
    bool folder;
    uint64_t size;
    FILETIME written;
    std::string content; // files up to 64 KiB
};

typedef std::map<std::string, TreeEntry> TreeSnapshot; // relative path (with '\') -> entry

inline void SnapshotInto(const std::string& root, const std::string& relative, bool recurse, TreeSnapshot* tree) {
    std::string pattern = root + (relative.empty() ? "" : "\\" + relative) + "\\*";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (strcmp(found.cFileName, ".") == 0 || strcmp(found.cFileName, "..") == 0) {
            continue;
        }
        std::string path = relative.empty() ? found.cFileName : relative + "\\" + found.cFileName;
        TreeEntry entry;
        entry.folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.size = ((uint64_t)found.nFileSizeHigh << 32) | found.nFileSizeLow;
        entry.written = found.ftLastWriteTime;
        if (!entry.folder && entry.size <= 65536) {
            FILE* file = fopen((root + "\\" + path).c_str(), "rb");
            if (file) {
                char chunk[4096];
                size_t got;
                while ((got = fread(chunk, 1, sizeof(chunk), file)) > 0) {
                    entry.content.append(chunk, got);
                }
                fclose(file);
            }
        }
        (*tree)[path] = entry;
        if (entry.folder && recurse) {
            SnapshotInto(root, path, true, tree);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

inline TreeSnapshot SnapshotTree(const std::string& root, bool recurse) {
    TreeSnapshot tree;
    SnapshotInto(root, "", recurse, &tree);
    return tree;
}

// Paths created, removed or changed between two snapshots, each with a one-word reason.
inline std::vector<std::string> TreeChanges(const TreeSnapshot& before, const TreeSnapshot& after) {
    std::vector<std::string> changes;
    for (const auto& entry : after) {
        auto old = before.find(entry.first);
        if (old == before.end()) {
            changes.push_back("created " + entry.first);
        } else if (!entry.second.folder &&
                   (old->second.size != entry.second.size || old->second.content != entry.second.content ||
                    CompareFileTime(&old->second.written, &entry.second.written) != 0)) {
            changes.push_back("changed " + entry.first);
        }
    }
    for (const auto& entry : before) {
        if (after.find(entry.first) == after.end()) {
            changes.push_back("removed " + entry.first);
        }
    }
    return changes;
}
