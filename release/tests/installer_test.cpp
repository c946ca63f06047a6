// The setup program in silent mode, run as a pilot's machine would run it: the simulator's
// folder found through each registry entry, every file in place and the uninstall entry
// right, configuration files kept through a second installation and the removal, the
// removal taking back exactly what was written, and the refusals (no simulator folder,
// simulator running) writing nothing.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "simhost/lib/SimFiles.h"

namespace {

const char kFs9Key[] = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";
const char kDplayKey[] = "SOFTWARE\\Microsoft\\DirectPlay\\Applications\\Microsoft Flight Simulator 2004";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KFWS_Airdrop";
const char kUninstaller[] = "Modules\\KestrelFieldWorks\\Uninstall KFWS_Airdrop.exe";

std::string BuildDir() {
    std::string dll = ModuleDllPath();
    return dll.substr(0, dll.find_last_of('\\') + 1);
}

// Runs a command line and waits for it; the exit code, or -1 when it did not start or end.
int Run(std::string commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    DWORD code = (DWORD)-1;
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return (int)code;
}

int RunSetup(const std::string& options) {
    return Run("\"" + BuildDir() + "release\\" KFWS_SETUP_NAME "\" /S" + options);
}

// Runs the uninstaller from a copy outside the folder, as it does itself, but waited for.
int Uninstall(const std::string& sim) {
    std::string copy = BuildDir() + "release\\uninstall-copy.exe";
    if (!CopyFileA((sim + "\\" + kUninstaller).c_str(), copy.c_str(), FALSE)) return -1;
    int code = Run("\"" + copy + "\" /S _?=" + sim + "\\Modules\\KestrelFieldWorks");
    DeleteFileA(copy.c_str());
    return code;
}

// Every folder (value "<dir>") and file (its bytes) below `root`, by relative path.
using Tree = std::map<std::string, std::string>;
void Walk(const std::string& root, const std::string& rel, Tree* tree) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((root + "\\" + rel + "*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            (*tree)[rel + name + "\\"] = "<dir>";
            Walk(root, rel + name + "\\", tree);
        } else {
            (*tree)[rel + name] = ReadWholeFile(root + "\\" + rel + name);
        }
    } while (FindNextFileA(find, &found));
    FindClose(find);
}
Tree WalkTree(const std::string& root) {
    Tree tree;
    Walk(root, "", &tree);
    return tree;
}

// Names that differ between two walks, for a readable failure.
std::string Difference(const Tree& expected, const Tree& actual) {
    std::string out;
    for (const auto& e : expected) {
        auto a = actual.find(e.first);
        if (a == actual.end()) out += " missing: " + Utf8(e.first);
        else if (a->second != e.second) out += " changed: " + Utf8(e.first);
    }
    for (const auto& a : actual)
        if (!expected.count(a.first)) out += " extra: " + Utf8(a.first);
    return out;
}

// The files of one component as laid out for the installer (relative, backslashes).
std::vector<std::string> ComponentFiles(const char* part) {
    std::vector<std::string> files;
    std::string list = ReadWholeFile(BuildDir() + "release\\nsis\\" + part + ".files");
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find('\n', start);
        if (end == std::string::npos) end = list.size();
        std::string line = list.substr(start, end - start);
        for (char& c : line) if (c == '/') c = '\\';
        if (!line.empty()) files.push_back(line);
        start = end + 1;
    }
    return files;
}

// A value of the key as text (REG_SZ) or number (REG_DWORD); "<none>" when missing.
std::string RegValueOf(HKEY root, const char* key, const char* name) {
    HKEY opened;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return "<none>";
    char buffer[1024] = "";
    DWORD type = 0, size = sizeof(buffer) - 1;
    LONG result = RegQueryValueExA(opened, name, nullptr, &type, (BYTE*)buffer, &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS) return "<none>";
    if (type == REG_DWORD) return std::to_string(*(DWORD*)buffer);
    return type == REG_SZ ? std::string(buffer) : "<type " + std::to_string(type) + ">";
}

bool KeyExists(HKEY root, const char* key) {
    HKEY opened;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

// A registry value set for the test's lifetime; a key it had to create goes again.
class RegValue {
public:
    RegValue(HKEY root, const char* key, const char* name, DWORD type, const std::string& value)
        : root_(root), key_(key), name_(name) {
        DWORD disposition = 0;
        RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle_, &disposition);
        created_ = disposition == REG_CREATED_NEW_KEY;
        RegSetValueExA(handle_, name, 0, type, (const BYTE*)value.c_str(), (DWORD)value.size() + 1);
    }
    ~RegValue() {
        RegDeleteValueA(handle_, name_);
        RegCloseKey(handle_);
        if (created_) RegDeleteKeyA(root_, key_);
    }

private:
    HKEY root_;
    const char* key_;
    const char* name_;
    HKEY handle_ = nullptr;
    bool created_ = false;
};

// The DLL's own version resource as a.b.c.d.
std::string FileVersion(const std::string& path) {
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(path.c_str(), &ignored) + 1);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT size = 0;
    if (!GetFileVersionInfoA(path.c_str(), 0, (DWORD)data.size(), data.data()) ||
        !VerQueryValueA(data.data(), "\\", (void**)&info, &size))
        return "<none>";
    char text[64];
    snprintf(text, sizeof(text), "%u.%u.%u.%u", (unsigned)HIWORD(info->dwFileVersionMS),
             (unsigned)LOWORD(info->dwFileVersionMS), (unsigned)HIWORD(info->dwFileVersionLS),
             (unsigned)LOWORD(info->dwFileVersionLS));
    return text;
}

// A scratch simulator folder: fs9.exe, and with `stock` some of the simulator's own files.
std::string MakeSimulator(const std::string& name, bool stock) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    std::string sim = std::string(temp) + "kfws-setup\\" + name;
    SimRemoveTree(sim);
    CreateDirectoryA((std::string(temp) + "kfws-setup").c_str(), nullptr);
    CreateDirectoryA(sim.c_str(), nullptr);
    WriteWholeFile(sim + "\\fs9.exe", "MZ stand-in");
    if (stock) {
        for (const char* dir : {"\\Effects", "\\Effects\\Texture", "\\Modules", "\\Gauges"})
            CreateDirectoryA((sim + dir).c_str(), nullptr);
        WriteWholeFile(sim + "\\Effects\\fx_smoke.fx", "[Library Effect]\r\nLifetime=5\r\n");
        WriteWholeFile(sim + "\\Effects\\Texture\\fx_1.bmp", "BM stock");
        WriteWholeFile(sim + "\\Modules\\other.dll", "MZ other module");
    }
    return sim;
}

// The installation in `sim` is complete: the component files byte for byte as laid out,
// the configuration folder, the uninstaller, and the uninstall entry.
void CheckInstalled(const std::string& sim, bool tools) {
    for (const char* part : {"main", "tools"}) {
        bool wanted = part[0] == 'm' || tools;
        for (const std::string& f : ComponentFiles(part)) {
            std::string staged = ReadWholeFile(BuildDir() + "release\\stage\\" + part + "\\" + f);
            if (wanted) EXPECT_EQ(ReadWholeFile(sim + "\\" + f), staged) << f;
            else EXPECT_FALSE(FileExists(sim + "\\" + f)) << f;
        }
    }
    for (const char* f : {"Modules\\KFWS_Airdrop.dll", "Effects\\fx_KFWS_Desant.fx",
                          "Effects\\fx_KFWS_Cargo.fx", "Effects\\fx_KFWS_Fire.fx",
                          "Modules\\KestrelFieldWorks\\Docs\\user-guide.ru.html",
                          "Modules\\KestrelFieldWorks\\Docs\\user-guide.en.html",
                          "Modules\\KestrelFieldWorks\\Docs\\Trainer 1.cfg", kUninstaller})
        EXPECT_TRUE(FileExists(sim + "\\" + f)) << f;
    EXPECT_TRUE(DirectoryExists(sim + "\\Modules\\KestrelFieldWorks\\KFWS_Airdrop"));

    std::string exe = "\"" + sim + "\\" + kUninstaller + "\"";
    std::string version = FileVersion(sim + "\\Modules\\KFWS_Airdrop.dll");
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "KFWS_Airdrop " + version);
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"), version);
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "Publisher"), "KestrelFieldWorks");
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), sim);
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), exe);
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString"), exe + " /S");
    std::string size = RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "EstimatedSize");
    EXPECT_GE(atol(size.c_str()), (long)(ReadWholeFile(sim + "\\Modules\\KFWS_Airdrop.dll").size() / 1024)) << size;
}

struct Way {
    const char* what;
    HKEY root;
    const char* key;
    const char* value;
    DWORD type;
    const char* folder;  // Cyrillic letters and blanks in one of them
    bool stock;
    bool tools;
};

TEST(Installer, FoundThroughEachRegistryEntryInstallsKeepsConfigurationAndUninstallsExactly) {
    const Way ways[] = {
        {"HKLM EXE Path", HKEY_LOCAL_MACHINE, kFs9Key, "EXE Path", REG_SZ, "Flight Simulator 9", true, true},
        {"HKCU EXE Path, REG_EXPAND_SZ", HKEY_CURRENT_USER, kFs9Key, "EXE Path", REG_EXPAND_SZ, "fs9 bare", false, false},
        {"DirectPlay AppPath", HKEY_LOCAL_MACHINE, kDplayKey, "AppPath", REG_SZ, "Лётный симулятор 9", true, false},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        std::string sim = MakeSimulator(way.folder, way.stock);
        SetEnvironmentVariableA("KFWS_TEST_SIM", sim.c_str());
        std::string recorded = way.type == REG_EXPAND_SZ ? "%KFWS_TEST_SIM%\\" : sim;
        RegValue entry(way.root, way.key, way.value, way.type, recorded);
        Tree before = WalkTree(sim);

        ASSERT_EQ(RunSetup(way.tools ? " /TOOLS" : ""), 0);
        CheckInstalled(sim, way.tools);

        // The pilot's configuration files survive a second installation byte for byte.
        std::string configs = sim + "\\Modules\\KestrelFieldWorks\\KFWS_Airdrop\\";
        WriteWholeFile(configs + "Ан-12.cfg", "[General]\r\nKFWS_Airdrop_variant=1\r\n");
        WriteWholeFile(configs + "Trainer 1.cfg", "[General]\r\nKFWS_Airdrop_number=7\r\n");
        before["Modules\\"] = before["Modules\\KestrelFieldWorks\\"] = "<dir>";
        before["Modules\\KestrelFieldWorks\\KFWS_Airdrop\\"] = "<dir>";
        before["Modules\\KestrelFieldWorks\\KFWS_Airdrop\\Ан-12.cfg"] = ReadWholeFile(configs + "Ан-12.cfg");
        before["Modules\\KestrelFieldWorks\\KFWS_Airdrop\\Trainer 1.cfg"] = ReadWholeFile(configs + "Trainer 1.cfg");
        ASSERT_EQ(RunSetup(""), 0);
        CheckInstalled(sim, way.tools);

        // The removal leaves the folder as it was, configuration files included.
        ASSERT_EQ(Uninstall(sim), 0);
        Tree after = WalkTree(sim);
        EXPECT_TRUE(after == before) << Difference(before, after);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
        SimRemoveTree(sim);
    }
}

TEST(Installer, RefusesWithoutSimulatorFolderOrWhileSimulatorRuns) {
    // No entry and none of the usual folders: exit code 2, nothing written.
    ASSERT_FALSE(DirectoryExists("C:\\FS9"));
    ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kFs9Key));
    EXPECT_EQ(RunSetup(""), 2);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));

    // The simulator's window open: neither installing nor removing writes anything.
    std::string sim = MakeSimulator("running", true);
    RegValue entry(HKEY_LOCAL_MACHINE, kFs9Key, "EXE Path", REG_SZ, sim);
    Tree untouched = WalkTree(sim);
    ASSERT_NE(SimCreateMainWindow(false), nullptr);
    EXPECT_EQ(RunSetup(""), 3);
    Tree after = WalkTree(sim);
    EXPECT_TRUE(after == untouched) << Difference(untouched, after);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));

    SimDestroyMainWindow();
    ASSERT_EQ(RunSetup(""), 0);
    Tree installed = WalkTree(sim);
    ASSERT_NE(SimCreateMainWindow(false), nullptr);
    EXPECT_EQ(Uninstall(sim), 3);
    after = WalkTree(sim);
    EXPECT_TRUE(after == installed) << Difference(installed, after);
    SimDestroyMainWindow();
    EXPECT_EQ(Uninstall(sim), 0);
    after = WalkTree(sim);
    EXPECT_TRUE(after == untouched) << Difference(untouched, after);
    SimRemoveTree(sim);
}

}  // namespace
