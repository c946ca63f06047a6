#include "InstallerSupport.h"

#include <shlobj.h>
#include <stdio.h>
#include <stdlib.h>

#include "simhost/lib/SimFiles.h"

const char kFs9Key[] = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KFWS_Airdrop";
const char kUninstaller[] = "Modules\\KestrelFieldWorks\\Uninstall KFWS_Airdrop.exe";
const char kConfigs[] = "Modules\\KestrelFieldWorks\\KFWS_Airdrop\\";

std::string BuildDir() {
    std::string dll = ModuleDllPath();
    return dll.substr(0, dll.find_last_of('\\') + 1);
}

HANDLE Start(std::string commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

int Wait(HANDLE process) {
    if (!process) return -1;
    DWORD code = (DWORD)-1;
    if (WaitForSingleObject(process, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
    else TerminateProcess(process, code);
    CloseHandle(process);
    return (int)code;
}

int Run(const std::string& commandLine) {
    return Wait(Start(commandLine));
}

std::string SetupPath(const char* setup) {
    return BuildDir() + "release\\" + setup;
}

int RunSetup(const std::string& options, const char* setup) {
    return Run("\"" + SetupPath(setup) + "\" /S" + options);
}

int Uninstall(const std::string& sim, const std::string& spelling) {
    std::string copy = BuildDir() + "release\\uninstall-copy.exe";
    if (!CopyFileA((sim + "\\" + kUninstaller).c_str(), copy.c_str(), FALSE)) return -1;
    int code = Run("\"" + copy + "\" /S _?=" + (spelling.empty() ? sim : spelling) +
                   "\\Modules\\KestrelFieldWorks");
    DeleteFileA(copy.c_str());
    return code;
}

static void Walk(const std::string& root, const std::string& rel, Tree* tree) {
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

void AddToTree(Tree* tree, const std::string& root, const std::string& rel) {
    for (size_t slash = rel.find('\\'); slash != std::string::npos; slash = rel.find('\\', slash + 1))
        (*tree)[rel.substr(0, slash + 1)] = "<dir>";
    (*tree)[rel] = ReadWholeFile(root + "\\" + rel);
}

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

std::string StagedFile(const char* part, const std::string& rel) {
    return ReadWholeFile(BuildDir() + "release\\stage\\" + part + "\\" + rel);
}

std::string RegValueOf(HKEY root, const char* key, const char* name, REGSAM view) {
    HKEY opened;
    if (RegOpenKeyExA(root, key, 0, KEY_READ | view, &opened) != ERROR_SUCCESS) return "<none>";
    char buffer[1024] = "";
    DWORD type = 0, size = sizeof(buffer) - 1;
    LONG result = RegQueryValueExA(opened, name, nullptr, &type, (BYTE*)buffer, &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS) return "<none>";
    if (type == REG_DWORD) return std::to_string(*(DWORD*)buffer);
    return type == REG_SZ ? std::string(buffer) : "<type " + std::to_string(type) + ">";
}

bool KeyExists(HKEY root, const char* key, REGSAM view) {
    HKEY opened;
    if (RegOpenKeyExA(root, key, 0, KEY_READ | view, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

void DeleteUninstallEntry() {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey);
}

void InstallerTest::SetUp() {
    DeleteUninstallEntry();
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kFs9Key);
    RegDeleteKeyA(HKEY_CURRENT_USER, kFs9Key);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE,
                  "SOFTWARE\\Microsoft\\DirectPlay\\Applications\\Microsoft Flight Simulator 2004");
}

RegValue::RegValue(HKEY root, const char* key, const char* name, DWORD type, const std::string& value,
                   REGSAM view)
    : root_(root), key_(key), name_(name), view_(view) {
    DWORD disposition = 0;
    RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &handle_, &disposition);
    created_ = disposition == REG_CREATED_NEW_KEY;
    RegSetValueExA(handle_, name, 0, type, (const BYTE*)value.c_str(), (DWORD)value.size() + 1);
}

RegValue::~RegValue() {
    RegDeleteValueA(handle_, name_);
    RegCloseKey(handle_);
    if (!created_) return;
    HKEY parent;
    std::string key = key_;
    size_t slash = key.find_last_of('\\');
    if (RegOpenKeyExA(root_, key.substr(0, slash).c_str(), 0, KEY_ALL_ACCESS | view_, &parent) == ERROR_SUCCESS) {
        RegDeleteKeyA(parent, key.substr(slash + 1).c_str());
        RegCloseKey(parent);
    }
}

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

std::string MakeSimulator(const std::string& name, bool stock) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    std::string sim = std::string(temp) + "kfws-setup\\" + name;
    SimRemoveTree(sim);
    CreateDirectoryA((std::string(temp) + "kfws-setup").c_str(), nullptr);
    CreateDirectoryA(sim.c_str(), nullptr);
    char longName[MAX_PATH];
    if (GetLongPathNameA(sim.c_str(), longName, sizeof(longName))) sim = longName;
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

void WriteConfigs(const std::string& sim) {
    for (const char* dir : {"\\Modules", "\\Modules\\KestrelFieldWorks", "\\Modules\\KestrelFieldWorks\\KFWS_Airdrop"})
        CreateDirectoryA((sim + dir).c_str(), nullptr);
    WriteWholeFile(sim + "\\" + kConfigs + "Ан-12.cfg", "[General]\r\nKFWS_Airdrop_variant=1\r\n");
    WriteWholeFile(sim + "\\" + kConfigs + "Trainer 1.cfg", "[General]\r\nKFWS_Airdrop_number=7\r\n");
}

std::string MenuFolder() {
    char programs[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, 0, programs);
    return std::string(programs) + "\\KFWS_Airdrop";
}

void CheckInstalled(const std::string& sim, bool tools, const std::string& version) {
    for (const char* part : {"main", "tools"}) {
        bool wanted = part[0] == 'm' || tools;
        for (const std::string& f : ComponentFiles(part)) {
            if (wanted) EXPECT_EQ(ReadWholeFile(sim + "\\" + f), StagedFile(part, f)) << f;
            else EXPECT_FALSE(FileExists(sim + "\\" + f)) << f;
        }
    }
    for (const char* f : {"Modules\\KFWS_Airdrop.dll", "Effects\\fx_KFWS_Desant.fx",
                          "Modules\\KestrelFieldWorks\\Docs\\user-guide.ru.html",
                          "Modules\\KestrelFieldWorks\\Docs\\user-guide.en.html",
                          "Modules\\KestrelFieldWorks\\Docs\\Trainer 1.cfg", kUninstaller})
        EXPECT_TRUE(FileExists(sim + "\\" + f)) << f;
    EXPECT_TRUE(DirectoryExists(sim + "\\Modules\\KestrelFieldWorks\\KFWS_Airdrop"));

    std::string exe = "\"" + sim + "\\" + kUninstaller + "\"";
    std::string v = version.empty() ? FileVersion(sim + "\\Modules\\KFWS_Airdrop.dll") : version;
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "KFWS_Airdrop " + v);
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"), v);
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "Publisher"), "KestrelFieldWorks");
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), sim);
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), exe);
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString"), exe + " /S");
    std::string size = RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "EstimatedSize");
    EXPECT_GE(atol(size.c_str()), (long)(ReadWholeFile(sim + "\\Modules\\KFWS_Airdrop.dll").size() / 1024)) << size;

    // The Start menu: both guides, the maker's tool when installed, the uninstaller.
    Tree menu = WalkTree(MenuFolder());
    EXPECT_EQ(menu.size(), tools ? 4u : 3u) << Difference({}, menu);
    EXPECT_TRUE(menu.count("Pilot's guide (English).lnk"));
}
