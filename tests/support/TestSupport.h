// Shared helpers of the tests: a scratch simulator root per test, file helpers,
// the path of the built module, and a stand-in host bound to the module linked in.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "simhost/SimHost.h"

// A fresh temporary folder holding a Modules folder, made the current directory for
// the test's lifetime and removed afterwards.
class ScratchRoot {
public:
    ScratchRoot();
    ~ScratchRoot();
    const std::string& Path() const { return path_; }

private:
    std::string previous_;
    std::string path_;
};

std::string ReadWholeFile(const std::string& path);          // "" when missing
void WriteWholeFile(const std::string& path, const std::string& content);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
std::string ConfigPathOf(const std::string& model); // relative to the scratch root; "" for a refused name
// Writes a configuration file for `model` (folders created as needed).
void WriteConfigFile(const std::string& model, const std::string& content);
// Flushes the platform's profile cache for a file, so it is read afresh from disk.
void FlushProfileCache(const std::string& path);

// The weights of every SetStationWeight call the host received, in order.
std::vector<double> StationWeights();

// The built KFWS_Airdrop.dll, found next to the running test program.
std::string ModuleDllPath();

// Converts Windows-1251 bytes to UTF-8, for readable failure messages.
std::string Utf8(const std::string& cp1251);

// A test fixture: scratch root, stand-in host bound to the linked-in module's ImportTable,
// a clean AirdropState and host record, and one user aircraft.
class HostFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Replaces the user aircraft with a new one built from `spec`.
    SimAircraft* UseAircraft(const SimAircraftSpec& spec);
    static SimAircraftSpec DefaultSpec(const std::string& model);

    ScratchRoot* root_ = nullptr;
    SimAircraft* aircraft_ = nullptr;
};

// The host main window with this program's own copy of the module attached to it:
// gHostHandles point at the window and, with `subclass`, MainWindowProc stands in front
// of the host's procedure. Any dialog and drop timer are gone after the test.
class HostWindowFixture : public HostFixture {
protected:
    HostWindowFixture(bool withMenu, bool subclass) : withMenu_(withMenu), subclass_(subclass) {}
    void SetUp() override;
    void TearDown() override;
    HWND window_ = nullptr;

private:
    bool withMenu_;
    bool subclass_;
};

// The real DLL loaded into the stand-in host, with its main window, as the simulator loads it.
class LoadedModuleFixture : public HostFixture {
protected:
    void SetUp() override;
    void TearDown() override;
    HWND window_ = nullptr;
    SimModule module_ = {};
};

// A wall-clock budget of a test in ms, multiplied by KFWS_TIME_SCALE where ./dev sets it
// (the tests then run under an emulator, several times slower than on the machine itself).
DWORD TimeBudget(DWORD ms);
