// The stand-in host program's own helpers: its reading of the exit points (the module's
// whole-number rule and which points get an effect), its look-up of the module's effect
// files, and the catalogue of a simulator folder's aircraft behind its aircraft menu.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "simhost/app/host/AircraftSource.h"
#include "simhost/app/host/EffectFiles.h"
#include "simhost/app/window/ExitPoints.h"
#include "simhost/lib/SimTexts.h"

namespace {

// Which of S, S', R, R' get an effect, for each row of the module's placement table.
TEST(ExitPoints, UsedPointsFollowVariantMethodAndExitType) {
    const struct {
        const char* variant;
        const char* method;
        const char* type;
        const char* used; // S S' R R'
    } cases[] = {
        {"1", "1", "1", "--x-"}, {"1", "1", "2", "x---"}, {"1", "1", "3", "----"}, {"1", "2", "1", "--xx"},
        {"1", "2", "2", "xx--"}, {"1", "2", "3", "x-x-"}, {"1", "2", "4", "----"}, {"1", "3", "1", "----"},
        {"2", "2", "3", "--x-"}, {"3", "1", "2", "--x-"}, {"0", "1", "1", "----"},
    };
    ScratchRoot root;
    for (const auto& c : cases) {
        WriteConfigFile("M", std::string("[General]\r\nKFWS_Airdrop_variant=") + c.variant + "\r\nKFWS_Airdrop_metod=" +
                                 c.method + "\r\nKFWS_Airdrop_type=" + c.type +
                                 "\r\nKFWS_Airdrop_left_x=-3\r\nKFWS_Airdrop_left_y=1.9\r\nKFWS_Airdrop_down_z=-12\r\n");
        std::vector<ExitPoint> points = ExitPointsRead(ConfigPathOf("M"));
        ASSERT_EQ(4u, points.size());
        std::string used;
        for (const ExitPoint& point : points) {
            used += point.used ? 'x' : '-';
        }
        EXPECT_EQ(c.used, used) << c.variant << c.method << c.type;
        EXPECT_EQ(-3, points[0].x);
        EXPECT_EQ(3, points[1].x);
        EXPECT_EQ(1, points[1].y);
        EXPECT_EQ(-12, points[3].z);
    }
    EXPECT_TRUE(ExitPointsRead(ConfigPathOf("none")).empty());
}

TEST(EffectFiles, PresenceAndDisplayName) {
    ScratchRoot root;
    CreateDirectoryA("Effects", nullptr);
    WriteWholeFile("Effects/fx_named.fx", "[Library Effect]\r\nLifetime=5\r\nDisplay Name=Drop smoke\r\n");
    WriteWholeFile("Effects/fx_bare.fx", "[Properties]\r\nSpot=1\r\n");
    CreateDirectoryA("Effects/fx_folder.fx", nullptr);
    const struct {
        const char* name;
        const char* described;
    } cases[] = {
        {"fx_named.fx", "Effects\\fx_named.fx: present, «Drop smoke»"},
        {"fx_bare.fx", "Effects\\fx_bare.fx: present, no display name"},
        {"fx_missing.fx", "Effects\\fx_missing.fx: missing"},
        {"fx_folder.fx", "Effects\\fx_folder.fx: missing"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.described, EffectFileDescribe(EffectFileLookUp(root.Path(), c.name), c.name)) << c.name;
    }
}

TEST(AircraftSource, CatalogueOfTheExampleSimulatorFolder) {
    std::string error;
    ASSERT_TRUE(AircraftSourceListSimulator(KFWS_EXAMPLE_SIMULATOR, &error)) << error;
    const std::vector<SimListedAircraft>& catalogue = AircraftSourceCatalogue();
    ASSERT_EQ(7u, catalogue.size());
    int grey = AircraftSourceFind("Ан-12 военно-транспортный, серый");
    int polar = AircraftSourceFind("Ан-12 Полярная авиация");
    ASSERT_GE(grey, 0);
    ASSERT_GE(polar, 0);
    EXPECT_EQ(catalogue[grey].path, catalogue[polar].path);
    EXPECT_EQ(1, catalogue[polar].fltsim - catalogue[grey].fltsim);
    EXPECT_EQ(-1, AircraftSourceFind("Ан-12"));
    // The menu ticks the entry of the aircraft flown, whatever the letter case of its path.
    std::string upper = catalogue[polar].path;
    for (char& ch : upper) {
        ch = (char)toupper((unsigned char)ch);
    }
    EXPECT_EQ(polar, AircraftSourceIndexOf(upper, catalogue[polar].fltsim));
    EXPECT_EQ(-1, AircraftSourceIndexOf(catalogue[polar].path, 9));
    EXPECT_EQ(-1, AircraftSourceIndexOf("", -1));
}

TEST(AircraftSource, AFolderWithABrokenPackageOrNoneIsRefused) {
    ScratchRoot root;
    SimSetLanguage(kSimEnglish); // the reason is simhost's own text, in its language
    std::string error;
    CreateDirectoryA("Aircraft", nullptr);
    EXPECT_FALSE(AircraftSourceListSimulator(root.Path(), &error));
    EXPECT_NE(std::string::npos, error.find("no aircraft.cfg")) << error;
    CreateDirectoryA("Aircraft/Good", nullptr);
    WriteWholeFile("Aircraft/Good/aircraft.cfg", "[fltsim.0]\r\ntitle=Good\r\natc_model=G\r\n");
    ASSERT_TRUE(AircraftSourceListSimulator(root.Path(), &error)) << error;
    EXPECT_EQ(1u, AircraftSourceCatalogue().size());
    CreateDirectoryA("Aircraft/Bad", nullptr);
    WriteWholeFile("Aircraft/Bad/aircraft.cfg", "[General]\r\natc_model=B\r\n");
    EXPECT_FALSE(AircraftSourceListSimulator(root.Path(), &error));
    EXPECT_NE(std::string::npos, error.find("Bad")) << error;
    EXPECT_NE(std::string::npos, error.find("line ")) << error;
}

} // namespace

// ---- The start without options, the module loaded and the scratch copy of a scenario ----

#include <shlobj.h>

#include <vector>

#include "simhost/app/ModuleFile.h"
#include "simhost/app/ScratchSimulator.h"
#include "simhost/app/StartFolder.h"
#include "simhost/lib/SimFiles.h"

namespace {

// A double click in the release's Tools folder opens its simulator folder; anywhere else
// the folder chosen the last time, while it exists (else the person is asked).
TEST(StartFolder, ToolsLayoutThenRememberedFolder) {
    const struct {
        const char* program;
        const char* simulator;
    } layouts[] = {
        {"C:\\Games\\FS9\\Modules\\KestrelFieldWorks\\Tools\\", "C:\\Games\\FS9"},
        {"c:\\games\\fs9\\modules\\kestrelfieldworks\\tools", "c:\\games\\fs9"},
        {"C:/Games/FS9/Modules/KestrelFieldWorks/Tools/", "C:\\Games\\FS9"},
        {"C:\\Downloads\\simhost\\", ""},
        {"C:\\Games\\FS9\\Modules\\Tools\\", ""},
        {"\\Modules\\KestrelFieldWorks\\Tools", ""},
    };
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.program);
        EXPECT_EQ(StartFolderOfLayout(layout.program), layout.simulator);
    }
    ScratchRoot root;
    std::string chosen = SimChildPath(root.Path(), "my simulator");
    CreateDirectoryA(chosen.c_str(), nullptr);
    ASSERT_TRUE(StartFolderRemember(chosen));
    EXPECT_EQ(StartFolderRemembered(), chosen);
    EXPECT_EQ(StartFolderChoose("C:\\Games\\FS9\\Modules\\KestrelFieldWorks\\Tools"), "C:\\Games\\FS9");
    EXPECT_EQ(StartFolderChoose(root.Path() + "\\bare"), chosen);
    StartFolderForget();
    EXPECT_EQ(StartFolderRemembered(), "");
}

// The module simhost loads without --dll: the simulator's own when installed into one,
// the zip's Modules one level up, else the one beside it; none there names the likeliest.
TEST(ModuleFile, InstalledThenUnpackedZipThenBesideItself) {
    const char kInstalled[] = "sim\\Modules\\KestrelFieldWorks\\Tools";
    const struct {
        const char* program;
        std::vector<const char*> modules; // the folders holding a KFWS_Airdrop.dll
        const char* loaded;
    } layouts[] = {
        {kInstalled, {"sim\\Modules", kInstalled, "sim\\Modules\\KestrelFieldWorks\\Modules"}, "sim\\Modules"},
        {"sim\\modules\\kestrelfieldworks\\tools\\", {"sim\\Modules"}, "sim\\Modules"},
        {kInstalled, {kInstalled}, kInstalled},
        {kInstalled, {}, "sim\\Modules"},
        {"zip\\Tools", {"zip\\Modules", "zip\\Tools"}, "zip\\Modules"},
        {"zip/Tools/", {"zip\\Modules"}, "zip\\Modules"},
        {"build", {"build"}, "build"},
        {"build", {}, "build"},
    };
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.program);
        ScratchRoot root;
        for (const char* folder : layout.modules) {
            SHCreateDirectoryExA(nullptr, SimChildPath(root.Path(), folder).c_str(), nullptr);
            WriteWholeFile(SimChildPath(folder, "KFWS_Airdrop.dll"), "MZ");
        }
        std::string loaded = ModuleFileFor(SimChildPath(root.Path(), layout.program));
        std::string expected = SimChildPath(SimChildPath(root.Path(), layout.loaded), "KFWS_Airdrop.dll");
        EXPECT_EQ(lstrcmpiA(loaded.c_str(), expected.c_str()), 0) << loaded;
    }
}

// The copy a scenario flies lists the same aircraft as the folder it copies.
TEST(ScratchSimulator, CopiesWhatARunReads) {
    ScratchRoot root;
    std::string copy = SimChildPath(root.Path(), "copy");
    ASSERT_TRUE(ScratchCopySimulator(KFWS_EXAMPLE_SIMULATOR, copy));
    std::vector<std::string> problems;
    std::vector<SimListedAircraft> original = SimListSimulatorAircraft(KFWS_EXAMPLE_SIMULATOR, &problems);
    std::vector<SimListedAircraft> copied = SimListSimulatorAircraft(copy, &problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(copied.size(), original.size());
    for (size_t i = 0; i < copied.size(); i++) {
        EXPECT_EQ(copied[i].title, original[i].title);
    }
    EXPECT_FALSE(ScratchCopySimulator(KFWS_EXAMPLE_SIMULATOR, copy)) << "the copy goes into a new folder";
}

}  // namespace
