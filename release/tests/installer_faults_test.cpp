// The setup program and the uninstaller when something is in the way: a file another
// program holds open or a file where a folder must go ends the installation with exit
// code 4 and the folder and the uninstall entry as they were; two installations, where
// removing one leaves the other whole; files edited since they were installed, which the
// uninstaller keeps.
#include <windows.h>

#include <string>

#include "InstallerSupport.h"
#include "simhost/lib/SimFiles.h"

namespace {

TEST_F(InstallerTest, AFileOrFolderInTheWayEndsTheInstallationWithEverythingPutBack) {
    const struct {
        const char* what;
        bool installedBefore;  // over an installation whose effect file was tuned since
        const char* zipDll;    // a module copied by hand from the zip
        bool folderIsFile;     // Modules\KestrelFieldWorks is a file
    } cases[] = {
        {"the DLL held open over an installation", true, nullptr, false},
        {"a DLL from the zip held open", false, "MZ module from the zip", false},
        {"Modules\\KestrelFieldWorks a file", false, nullptr, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteUninstallEntry();
        std::string sim = MakeSimulator("In the way", true);
        RegValue entry(HKEY_LOCAL_MACHINE, kFs9Key, "EXE Path", REG_SZ, sim);
        Tree clean = WalkTree(sim);
        if (c.installedBefore) {
            ASSERT_EQ(RunSetup(""), 0);
            WriteConfigs(sim);
            for (const char* f : {"Ан-12.cfg", "Trainer 1.cfg"}) AddToTree(&clean, sim, kConfigs + std::string(f));
            WriteWholeFile(sim + "\\Effects\\fx_KFWS_Desant.fx", "[Library Effect]\r\nLifetime=9\r\n");
        }
        if (c.zipDll) WriteWholeFile(sim + "\\Modules\\KFWS_Airdrop.dll", c.zipDll);
        if (c.folderIsFile) WriteWholeFile(sim + "\\Modules\\KestrelFieldWorks", "not a folder");
        Tree before = WalkTree(sim);
        std::string entryBefore = RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation");

        // Held the way another program holds it: read, sharing only reading.
        HANDLE held = INVALID_HANDLE_VALUE;
        if (!c.folderIsFile) {
            held = CreateFileA((sim + "\\Modules\\KFWS_Airdrop.dll").c_str(), GENERIC_READ, FILE_SHARE_READ,
                               nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }
        EXPECT_EQ(RunSetup(" /TOOLS"), 4);
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        Tree after = WalkTree(sim);
        EXPECT_TRUE(after == before) << Difference(before, after);
        EXPECT_EQ(RegValueOf(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), entryBefore);
        EXPECT_EQ(DirectoryExists(MenuFolder()), c.installedBefore);

        // Once nothing is in the way, the installation succeeds and is taken back cleanly.
        if (c.folderIsFile) DeleteFileA((sim + "\\Modules\\KestrelFieldWorks").c_str());
        ASSERT_EQ(RunSetup(""), 0);
        CheckInstalled(sim, false);
        ASSERT_EQ(Uninstall(sim), 0);
        after = WalkTree(sim);
        EXPECT_TRUE(after == clean) << Difference(clean, after);
        SimRemoveTree(sim);
    }
}

TEST_F(InstallerTest, RemovingOneOfTwoInstallationsLeavesTheOtherAndEditedFilesStay) {
    DeleteUninstallEntry();
    std::string a = MakeSimulator("A", true), b = MakeSimulator("B", false);
    WriteConfigs(a);
    Tree cleanA = WalkTree(a), cleanB = WalkTree(b);
    {
        RegValue entry(HKEY_LOCAL_MACHINE, kFs9Key, "EXE Path", REG_SZ, a);
        ASSERT_EQ(RunSetup(""), 0);
    }
    RegValue entry(HKEY_LOCAL_MACHINE, kFs9Key, "EXE Path", REG_SZ, b);
    ASSERT_EQ(RunSetup(" /TOOLS"), 0);
    Tree installedB = WalkTree(b);

    // A's uninstaller takes back A, empty folders included, and leaves B's files, entry and menu.
    ASSERT_EQ(Uninstall(a), 0);
    Tree after = WalkTree(a);
    EXPECT_TRUE(after == cleanA) << Difference(cleanA, after);
    after = WalkTree(b);
    EXPECT_TRUE(after == installedB) << Difference(installedB, after);
    CheckInstalled(b, true);

    // An effect file tuned by hand and an example aircraft edited stay, with their folders.
    std::string effect;
    for (const std::string& f : ComponentFiles("main"))
        if (effect.empty() && f.compare(0, 8, "Effects\\") == 0 && f.size() > 3 && f.substr(f.size() - 3) == ".fx")
            effect = f;
    ASSERT_FALSE(effect.empty());
    Tree expected = cleanB;
    for (const std::string& f : {effect, std::string("Modules\\KestrelFieldWorks\\Tools\\aircraft\\light.aircraft")}) {
        WriteWholeFile(b + "\\" + f, ReadWholeFile(b + "\\" + f) + "; tuned by hand\r\n");
        AddToTree(&expected, b, f);
    }
    ASSERT_EQ(Uninstall(b), 0);
    after = WalkTree(b);
    EXPECT_TRUE(after == expected) << Difference(expected, after);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(DirectoryExists(MenuFolder()));
    SimRemoveTree(a);
    SimRemoveTree(b);
}

}  // namespace
