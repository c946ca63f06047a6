// Helpers of the setup program's tests: running the setup program and the uninstaller
// silently, scratch simulator folders, walks of a folder (every folder and the bytes of
// every file), the registry in either view, and the files of the release as laid out.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"

extern const char kFs9Key[];
extern const char kUninstallKey[];
extern const char kUninstaller[];  // relative to the simulator's folder
extern const char kConfigs[];      // the configuration folder, relative, with a trailing '\'

std::string BuildDir();  // with a trailing backslash

// Starts a command line (nullptr when it did not start); waits for it (at most two minutes)
// and gives its exit code, -1 when it did not start or end.
HANDLE Start(std::string commandLine);
int Wait(HANDLE process);
int Run(const std::string& commandLine);
std::string SetupPath(const char* setup = KFWS_SETUP_NAME);
// The setup program (`setup`: a file name in the build's release folder) with /S and `options`.
int RunSetup(const std::string& options, const char* setup = KFWS_SETUP_NAME);
// The uninstaller of `sim`, run from a copy outside the folder as it runs itself, with
// `_?=` spelled as `spelling` (default: `sim`).
int Uninstall(const std::string& sim, const std::string& spelling = "");

// Every folder (value "<dir>") and file (its bytes) below a folder, by relative path.
using Tree = std::map<std::string, std::string>;
Tree WalkTree(const std::string& root);
// Names that differ between two walks, for a readable failure.
std::string Difference(const Tree& expected, const Tree& actual);
// `tree` with a file (and its folders) added as it is on disk below `root`.
void AddToTree(Tree* tree, const std::string& root, const std::string& rel);

// The files of one component ("main", "tools") as laid out (relative, backslashes).
std::vector<std::string> ComponentFiles(const char* part);
std::string StagedFile(const char* part, const std::string& rel);

// A registry value as text (REG_SZ) or number (REG_DWORD), "<none>" when missing; `view`
// KEY_WOW64_32KEY or KEY_WOW64_64KEY to read one view of HKLM on purpose.
std::string RegValueOf(HKEY root, const char* key, const char* name, REGSAM view = 0);
bool KeyExists(HKEY root, const char* key, REGSAM view = 0);
void DeleteUninstallEntry();

// A registry value set for the object's lifetime; a key it had to create goes again.
class RegValue {
public:
    RegValue(HKEY root, const char* key, const char* name, DWORD type, const std::string& value,
             REGSAM view = 0);
    ~RegValue();

private:
    HKEY root_;
    const char* key_;
    const char* name_;
    REGSAM view_;
    HKEY handle_ = nullptr;
    bool created_ = false;
};

// The DLL's own version resource as a.b.c.d.
std::string FileVersion(const std::string& path);

// A scratch simulator folder (its long name as on disk): fs9.exe, and with `stock` some of
// the simulator's own files.
std::string MakeSimulator(const std::string& name, bool stock);
// Puts two configuration files into `sim` as a pilot's would be.
void WriteConfigs(const std::string& sim);

// The Start menu folder of the product (all users).
std::string MenuFolder();

// The installation in `sim` is complete: the component files byte for byte as laid out,
// the uninstaller, the uninstall entry with `version`, the Start menu's links.
void CheckInstalled(const std::string& sim, bool tools, const std::string& version = "");

// Starts from a registry without the simulator's entries or ours (a run that was stopped
// leaves them in the prefix) and disables Wine's desktop-menu writer while a test makes
// Start menu links.
class InstallerTest : public testing::Test {
protected:
    void SetUp() override;
    RegValue noDesktopMenus_{HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", "winemenubuilder.exe",
                             REG_SZ, ""};
};
