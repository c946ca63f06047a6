// The setup program in silent mode, run as a pilot's machine would run it: the simulator's
// folder found through each registry entry and in any spelling, every file in place and
// the uninstall entry right, configuration files kept through a second installation and
// the removal, the removal taking back exactly what was written, the refusals (no
// simulator folder, simulator running, a newer version, cancelled) writing nothing, and
// the same as a 32-bit program on 64-bit Windows.
#include <windows.h>

#include <ctype.h>
#include <stdlib.h>

#include <string>

#include "InstallerSupport.h"
#include "simhost/lib/SimFiles.h"

namespace {

const char kDplayKey[] = "SOFTWARE\\Microsoft\\DirectPlay\\Applications\\Microsoft Flight Simulator 2004";

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

TEST_F(InstallerTest, FoundThroughEachRegistryEntryInstallsKeepsConfigurationAndUninstallsExactly) {
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
        if (way.tools) {
            // As an earlier version left it: a copy of the module beside simhost, recorded.
            std::string copy = sim + "\\Modules\\KestrelFieldWorks\\Tools\\KFWS_Airdrop.dll";
            EXPECT_FALSE(FileExists(copy));
            std::string bytes = ReadWholeFile(sim + "\\Modules\\KFWS_Airdrop.dll");
            WriteWholeFile(copy, bytes);
            using Crc32 = DWORD(WINAPI*)(DWORD, const BYTE*, INT);
            auto crc32 = (Crc32)(void*)GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlComputeCrc32");
            char crc[16];
            wsprintfA(crc, "%08X", crc32(0, (const BYTE*)bytes.data(), (INT)bytes.size()));
            std::string record = sim + "\\Modules\\KestrelFieldWorks\\KFWS_Airdrop setup.ini";
            ASSERT_TRUE(WritePrivateProfileStringA("Files", "Modules\\KestrelFieldWorks\\Tools\\KFWS_Airdrop.dll", crc,
                                                   record.c_str()));
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, record.c_str());
        }

        // The pilot's configuration files survive a second installation byte for byte.
        WriteConfigs(sim);
        for (const char* f : {"Ан-12.cfg", "Trainer 1.cfg"}) AddToTree(&before, sim, kConfigs + std::string(f));
        ASSERT_EQ(RunSetup(""), 0);
        CheckInstalled(sim, way.tools);

        // The removal leaves the folder as it was, configuration files included.
        ASSERT_EQ(Uninstall(sim), 0);
        Tree after = WalkTree(sim);
        EXPECT_TRUE(after == before) << Difference(before, after);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
        EXPECT_FALSE(DirectoryExists(MenuFolder()));
        SimRemoveTree(sim);
    }
}

TEST_F(InstallerTest, RefusesWithoutSimulatorFolderOrWhileSimulatorRuns) {
    // No entry, or one naming a folder that is gone, and none of the usual folders: exit
    // code 2, nothing written.
    ASSERT_FALSE(DirectoryExists("C:\\FS9"));
    ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kFs9Key));
    EXPECT_EQ(RunSetup(""), 2);
    {
        RegValue gone(HKEY_LOCAL_MACHINE, kFs9Key, "EXE Path", REG_SZ, "C:\\No such simulator\\");
        EXPECT_EQ(RunSetup(""), 2);
    }
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

TEST_F(InstallerTest, EverySpellingOfTheFolderIsOneInstallation) {
    std::string sim = MakeSimulator("Spelling", false);
    std::string slashes = sim, lower = sim;
    for (char& c : slashes) if (c == '\\') c = '/';
    for (char& c : lower) c = (char)tolower((unsigned char)c);
    const struct {
        const char* what;
        std::string exePath;
        std::string uninstallAs;  // how the uninstaller is told its folder
    } spellings[] = {
        {"forward slashes", slashes, ""},
        {"a trailing \\.", sim + "\\.", ""},
        {"a detour through ..", "C:\\Windows\\.." + sim.substr(2), sim + "\\..\\Spelling"},
        {"other letter case, trailing backslashes", lower + "\\\\", lower},
    };
    WriteConfigs(sim);
    Tree before = WalkTree(sim);
    for (const auto& spelling : spellings) {
        SCOPED_TRACE(spelling.what);
        RegValue entry(HKEY_LOCAL_MACHINE, kFs9Key, "EXE Path", REG_SZ, spelling.exePath);
        ASSERT_EQ(RunSetup(""), 0);
        CheckInstalled(sim, false);
        ASSERT_EQ(Uninstall(sim, spelling.uninstallAs), 0);
        Tree after = WalkTree(sim);
        EXPECT_TRUE(after == before) << Difference(before, after);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
        EXPECT_FALSE(DirectoryExists(MenuFolder()));
    }
    SimRemoveTree(sim);
}

TEST_F(InstallerTest, OlderOverNewerIsRefusedUnlessAllowedAndTheSameVersionRepairs) {
    std::string sim = MakeSimulator("Versions", true);
    RegValue entry(HKEY_LOCAL_MACHINE, kFs9Key, "EXE Path", REG_SZ, sim);
    WriteConfigs(sim);
    Tree before = WalkTree(sim);
    ASSERT_EQ(RunSetup("", KFWS_NEWER_SETUP_NAME), 0);
    CheckInstalled(sim, false, KFWS_NEWER_VERSION);

    Tree newer = WalkTree(sim);
    EXPECT_EQ(RunSetup(""), 5);
    Tree after = WalkTree(sim);
    EXPECT_TRUE(after == newer) << Difference(newer, after);
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"), KFWS_NEWER_VERSION);

    ASSERT_EQ(RunSetup(" /DOWNGRADE"), 0);
    CheckInstalled(sim, false);
    std::string effect = sim + "\\Effects\\fx_KFWS_Desant.fx";
    ASSERT_TRUE(DeleteFileA(effect.c_str()));
    ASSERT_EQ(RunSetup(""), 0);
    CheckInstalled(sim, false);

    ASSERT_EQ(Uninstall(sim), 0);
    after = WalkTree(sim);
    EXPECT_TRUE(after == before) << Difference(before, after);
    SimRemoveTree(sim);
}

TEST_F(InstallerTest, CancellingTheLanguageChoiceHasItsOwnExitCodeAndWritesNothing) {
    std::string sim = MakeSimulator("Cancelled", true);
    RegValue entry(HKEY_LOCAL_MACHINE, kFs9Key, "EXE Path", REG_SZ, sim);
    Tree before = WalkTree(sim);
    HANDLE setup = Start("\"" + SetupPath() + "\"");
    ASSERT_NE(setup, nullptr);
    HWND chooser = nullptr;
    for (int i = 0; i < 300 && !chooser; ++i) {
        Sleep(100);
        chooser = FindWindowW(nullptr, L"Язык установки / Setup language");
    }
    EXPECT_NE(chooser, nullptr);
    PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(Wait(setup), 1);
    Tree after = WalkTree(sim);
    EXPECT_TRUE(after == before) << Difference(before, after);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    SimRemoveTree(sim);
}

// On 64-bit Windows (the 64-bit Wine prefix runs this program as the 32-bit program it is):
// the simulator's entry in the 32-bit view of HKLM, its folder under Program Files (x86),
// the uninstall entry where 32-bit programs are listed.
TEST_F(InstallerTest, On64BitWindowsBothEntriesAreInThe32BitView) {
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    if (!wow64) {
        ASSERT_EQ(getenv("KFWS_EXPECT_WIN64"), nullptr) << "not running on 64-bit Windows";
        GTEST_SKIP() << "32-bit Windows";
    }
    char x86[MAX_PATH] = "";
    ASSERT_NE(GetEnvironmentVariableA("ProgramFiles(x86)", x86, sizeof(x86)), 0u);
    std::string games = std::string(x86) + "\\Microsoft Games";
    std::string sim = games + "\\Flight Simulator 9";
    ASSERT_NE(sim.find("(x86)"), std::string::npos) << sim;
    SimRemoveTree(games);
    CreateDirectoryA(games.c_str(), nullptr);
    CreateDirectoryA(sim.c_str(), nullptr);
    WriteWholeFile(sim + "\\fs9.exe", "MZ stand-in");
    Tree before = WalkTree(sim);

    RegValue entry(HKEY_LOCAL_MACHINE, kFs9Key, "EXE Path", REG_SZ, sim, KEY_WOW64_32KEY);
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kFs9Key, "EXE Path", KEY_WOW64_64KEY), "<none>");
    ASSERT_EQ(RunSetup(""), 0);
    CheckInstalled(sim, false);
    EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation", KEY_WOW64_32KEY), sim);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_64KEY));

    ASSERT_EQ(Uninstall(sim), 0);
    Tree after = WalkTree(sim);
    EXPECT_TRUE(after == before) << Difference(before, after);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_32KEY));
    EXPECT_FALSE(DirectoryExists(MenuFolder()));
    SimRemoveTree(games);
}

}  // namespace
