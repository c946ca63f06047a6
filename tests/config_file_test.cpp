// The per-aircraft configuration file: its path, the presence check, the creation of
// the file and its folders, the reading of values and the integer reading rule.
#include <windows.h>

#include <limits.h>
#include <string.h>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "config/ConfigFile.h"

namespace {

const char kMsgNoAtcModelLong[] = "Не указан параметр atc_model в файле aircraft.cfg!\n";
const char kMsgCreated[] = "Файл конфигурации создан!\n";
const char kMsgMakerFailed[] = "1 - Ошибка создания каталога!\n";
const char kMsgProductFailed[] = "2 - Ошибка создания каталога!\n";
const char kMakerFolder[] = "Modules/KestrelFieldWorks";
const char kProductFolder[] = "Modules/KestrelFieldWorks/KFWS_Airdrop";

class ConfigFileTest : public HostFixture {};

TEST(ConfigFilePathTest, NamesAreUsedVerbatimOrRefused) {
    struct Case {
        std::string model;
        const char* path; // null: refused
    } cases[] = {
        {"Trainer 1", "Modules/KestrelFieldWorks/KFWS_Airdrop/Trainer 1.cfg"},
        {"", "Modules/KestrelFieldWorks/KFWS_Airdrop/.cfg"},
        {" Ан-2 Trainer ", "Modules/KestrelFieldWorks/KFWS_Airdrop/ Ан-2 Trainer .cfg"},
        {"a..b", "Modules/KestrelFieldWorks/KFWS_Airdrop/a..b.cfg"},
        {std::string(216, 'w'), nullptr}, // filled in below: the longest name that fits
        {std::string(217, 'w'), nullptr},
        {"../Trainer", nullptr},
        {"..", nullptr},
        {"sub/Trainer", nullptr},
        {"sub\\Trainer", nullptr},
        {"C:Trainer", nullptr},
    };
    std::string longest = "Modules/KestrelFieldWorks/KFWS_Airdrop/" + std::string(216, 'w') + ".cfg";
    cases[4].path = longest.c_str();
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE("case " + std::to_string(i) + ": " + Utf8(cases[i].model));
        char path[kConfigPathSize];
        memset(path, 'X', sizeof(path));
        bool usable = ConfigFilePath(cases[i].model.c_str(), path);
        EXPECT_EQ(usable, cases[i].path != nullptr);
        EXPECT_STREQ(path, cases[i].path ? cases[i].path : "");
    }
    EXPECT_EQ(longest.size(), 259u) << "the path fills the 260-character buffer exactly";
}

TEST(ParseConfigIntTest, IntegerReadingRule) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"3", 3},          {"0.0", 0},         {"12abc", 12},       {"1.5", 1},
        {"-2.7", -2},      {"  +42", 42},      {"\t-7 kg", -7},     {"", 0},
        {"abc", 0},        {"+-5", 0},         {"- 5", 0},          {"-", 0},
        {"0007", 7},       {"2147483647", INT_MAX},                 {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},              {"-2147483649", INT_MIN},
        {"99999999999", INT_MAX},              {"-99999999999", INT_MIN},
        {"18446744073709551617", INT_MAX},     {"-4294967296", INT_MIN},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE("case " + std::to_string(i) + ": \"" + cases[i].text + "\"");
        EXPECT_EQ(ParseConfigInt(cases[i].text), cases[i].value);
    }
}

TEST_F(ConfigFileTest, CheckFindsTheFileByTheModelName) {
    ConfigFileState fileState = {};
    EXPECT_EQ(CheckConfigFile("Trainer 1", &fileState), 0);
    EXPECT_EQ(fileState.state, 0);

    WriteConfigFile("Trainer 1", "");
    fileState.state = 7;
    EXPECT_EQ(CheckConfigFile("Trainer 1", &fileState), 1);
    EXPECT_EQ(fileState.state, 1);
    EXPECT_EQ(CheckConfigFile("trainer1", &fileState), 0) << "the blank belongs to the name";
    EXPECT_EQ(fileState.state, 0);
    EXPECT_TRUE(SimShownTexts().empty()) << "present or missing, the check says nothing";

    // The file stays closed: it can be opened with no sharing at once.
    EXPECT_EQ(CheckConfigFile("Trainer 1", &fileState), 1);
    HANDLE exclusive = CreateFileA(ConfigPathOf("Trainer 1").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(exclusive, INVALID_HANDLE_VALUE);
    CloseHandle(exclusive);
}

TEST_F(ConfigFileTest, CheckWithoutModelNameOrWithAPathNameTouchesNoFile) {
    // Files where a verbatim path would lead.
    WriteConfigFile("", "");
    WriteWholeFile(std::string(kMakerFolder) + "/Trainer.cfg", "");
    ConfigFileState fileState = {};
    EXPECT_EQ(CheckConfigFile("", &fileState), -1);
    EXPECT_EQ(fileState.state, -1);
    ASSERT_EQ(SimShownTexts().size(), 1u);
    EXPECT_EQ(SimScreenText(), kMsgNoAtcModelLong);

    SimClearCalls();
    EXPECT_EQ(CheckConfigFile("../Trainer", &fileState), 0);
    EXPECT_EQ(fileState.state, 0);
    EXPECT_TRUE(SimShownTexts().empty());
}

TEST_F(ConfigFileTest, CreateMakesFoldersAndAnEmptyFile) {
    struct Case {
        const char* name;
        bool modules, maker, product;
        const char* existing; // content of a file already there, or null
    } cases[] = {
        {"no folders", true, false, false, nullptr},
        {"maker folder only", true, true, false, nullptr},
        {"both folders", true, true, true, nullptr},
        {"file already there", true, true, true, "[General]\r\nKFWS_Airdrop_variant=2\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchRoot root;
        if (c.maker) {
            CreateDirectoryA(kMakerFolder, nullptr);
        }
        if (c.product) {
            CreateDirectoryA(kProductFolder, nullptr);
        }
        if (c.existing) {
            WriteWholeFile(ConfigPathOf("Trainer 1"), c.existing);
        }
        SimClearCalls();
        ConfigFileState fileState = {nullptr, 0};
        EXPECT_EQ(CreateConfigFile("Trainer 1", &fileState), 1);
        EXPECT_EQ(fileState.state, 1);
        EXPECT_EQ(SimShownTexts(), std::vector<std::string>{kMsgCreated});
        EXPECT_TRUE(DirectoryExists(kProductFolder));
        EXPECT_TRUE(FileExists(ConfigPathOf("Trainer 1")));
        EXPECT_EQ(ReadWholeFile(ConfigPathOf("Trainer 1")), c.existing ? c.existing : "");
        // The handle was closed: the file can be opened with no sharing.
        HANDLE exclusive = CreateFileA(ConfigPathOf("Trainer 1").c_str(), GENERIC_READ, 0, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(exclusive, INVALID_HANDLE_VALUE);
        CloseHandle(exclusive);
    }
}

TEST_F(ConfigFileTest, CreateFailuresKeepTheStateAndSayWhichFolder) {
    struct Case {
        const char* name;
        std::string model;
        bool removeModules;
        const char* message;
        bool makerMadeAfter;
    } cases[] = {
        {"no Modules folder", "Trainer 1", true, kMsgMakerFailed, false},
        {"name that no file can have", "Trainer?*", false, kMsgProductFailed, true},
        {"name with a path", "../Trainer", false, kMsgProductFailed, false},
        {"name too long", std::string(217, 'w'), false, kMsgProductFailed, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchRoot root;
        if (c.removeModules) {
            ASSERT_TRUE(RemoveDirectoryA("Modules"));
        }
        SimClearCalls();
        ConfigFileState fileState = {nullptr, -1};
        EXPECT_EQ(CreateConfigFile(c.model.c_str(), &fileState), 0);
        EXPECT_EQ(fileState.state, -1);
        EXPECT_EQ(SimShownTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(DirectoryExists(kMakerFolder), c.makerMadeAfter);
        EXPECT_EQ(DirectoryExists(kProductFolder), c.makerMadeAfter);
        EXPECT_FALSE(FileExists(std::string(kMakerFolder) + "/Trainer.cfg"));
        EXPECT_FALSE(DirectoryExists("Modules") && c.removeModules) << "Modules is never created";
    }
}

TEST_F(ConfigFileTest, ReadAircraftConfigUsesTheIntegerRuleForEveryKey) {
    WriteConfigFile("Ан-2 Trainer",
                    "[General]\r\n"
                    "KFWS_Airdrop_variant=1\r\n"
                    "KFWS_Airdrop_number= 12abc\r\n"
                    "KFWS_Airdrop_metod=2\r\n"
                    "KFWS_Airdrop_type=3\r\n"
                    "KFWS_Airdrop_realism=7\r\n"
                    "KFWS_Airdrop_visual=-1\r\n"
                    "KFWS_Airdrop_left_x=1.5\r\n"
                    "KFWS_Airdrop_left_y=-0.5\r\n"
                    "KFWS_Airdrop_left_z=2abc\r\n"
                    "KFWS_Airdrop_down_x=\r\n"
                    "KFWS_Airdrop_down_y=-2.7\r\n"
                    "KFWS_Airdrop_down_z=\"-99999999999\"\r\n");
    AircraftConfig config;
    memset(&config, 0x55, sizeof(config));
    ReadAircraftConfig("Ан-2 Trainer", &config);
    EXPECT_EQ(config.variant, 1);
    EXPECT_EQ(config.number, 12);
    EXPECT_EQ(config.method, 2);
    EXPECT_EQ(config.exitType, 3);
    EXPECT_EQ(config.realism, 7);
    EXPECT_EQ(config.visual, -1);
    EXPECT_EQ(config.leftX, 1.0);
    EXPECT_EQ(config.leftY, 0.0);
    EXPECT_EQ(config.leftZ, 2.0);
    EXPECT_EQ(config.downX, 0.0);
    EXPECT_EQ(config.downY, -2.0);
    EXPECT_EQ(config.downZ, -2147483648.0);
}

TEST_F(ConfigFileTest, ReadAircraftConfigOverwritesEveryField) {
    // The method key is spelled without the h; the spelled-out form is a different key.
    WriteConfigFile("Trainer 1", "[General]\r\nKFWS_Airdrop_variant=2\r\nKFWS_Airdrop_method=2\r\n");
    AircraftConfig config = {9, 9, 9, 9, 9, 9, 9.0, 9.0, 9.0, 9.0, 9.0, 9.0};
    ReadAircraftConfig("Trainer 1", &config);
    AircraftConfig expected = {2, 0, 0, 0, 0, 0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    EXPECT_EQ(memcmp(&config, &expected, sizeof(config)), 0);

    // A refused name reads as a missing file, whatever lies where its path would lead.
    WriteWholeFile(std::string(kMakerFolder) + "/Trainer.cfg", "[General]\r\nKFWS_Airdrop_variant=3\r\n");
    ReadAircraftConfig("../Trainer", &config);
    EXPECT_EQ(config.variant, 0);
}

TEST_F(ConfigFileTest, ValuesAreWrittenInPlaceAndReadBackCut) {
    WriteConfigFile("Trainer 1", "");
    std::string path = ConfigPathOf("Trainer 1");
    WriteConfigValue(path.c_str(), "KFWS_Airdrop_variant", "1");
    WriteConfigValue(path.c_str(), "KFWS_Airdrop_metod", "2");
    WriteConfigValue(path.c_str(), "KFWS_Airdrop_variant", "3");
    // On disk at once, in write order, the rewritten key in its old place.
    EXPECT_EQ(ReadWholeFile(path), "[General]\r\nKFWS_Airdrop_variant=3\r\nKFWS_Airdrop_metod=2\r\n");

    std::string longValue;
    for (int i = 0; i < 300; i++) {
        longValue += (char)('a' + i % 26);
    }
    WriteConfigValue(path.c_str(), "KFWS_Airdrop_left_x", longValue.c_str());
    char value[kConfigValueSize];
    ReadConfigValue(path.c_str(), "KFWS_Airdrop_left_x", value);
    EXPECT_EQ(std::string(value), longValue.substr(0, 259));
    memset(value, 'X', sizeof(value));
    ReadConfigValue(path.c_str(), "KFWS_Airdrop_type", value);
    EXPECT_STREQ(value, "");
    memset(value, 'X', sizeof(value));
    ReadConfigValue(ConfigPathOf("Missing").c_str(), "KFWS_Airdrop_variant", value);
    EXPECT_STREQ(value, "");
}

} // namespace
