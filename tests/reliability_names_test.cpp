// Hostile model names: path separators, "..", drive letters, device names, trailing dots
// and blanks, control characters, Windows-1251 letters, 216, 217 and 300 characters. For
// each name the dialog opens and its button is pressed (creating and saving the file),
// then load, status report and emergency unload run, once with the module's folders
// missing and once with them present. Afterwards the whole scratch simulator root, the
// folder above it and the Windows folder are compared with their state before: nothing
// may be created or changed outside Modules/KestrelFieldWorks/KFWS_Airdrop. A name that
// can name a file gets it; one that cannot is refused with the dialog's message, and
// "saved" is only ever reported for a file that is really there.
#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "ReliabilitySupport.h"
#include "TestSupport.h"
#include "config/ConfigFile.h"
#include "config/StatusReport.h"
#include "dialog/ConfigDialog.h"
#include "drop/AirdropState.h"
#include "drop/Loading.h"
#include "drop/Unloading.h"
#include "module/HostHandles.h"
#include "resource.h"
#include "simhost/lib/SimFiles.h"

namespace {

const char kProductFolder[] = "Modules\\KestrelFieldWorks\\KFWS_Airdrop";
const char kSaved[] = "Настройки сохранены!\n";
const char kCreateFailed[] = "Ошибка создания файла!\n";
const char kLoaded[] = "Командир одуванчики на борту !!!";
const char kNoFile[] = "Не существует файла конфигурации!";
const char kNoName[] = "Не указан параметр atc_model!";

enum Outcome {
    kGetsFile, // an ordinary name: the file is created, saved and loaded
    kRefused,  // cannot name a file in the product folder: refused, nothing written
    kPlatform, // the file system decides (characters or lengths it may not hold): either, consistently
    kNoModel,  // the empty name: the dialog is locked and nothing is touched
};

struct NameCase {
    std::string name;
    Outcome outcome;
};

// The longest name whose file's full path, the current folder in front, fits in 260
// characters (the profile functions' limit); never more than 216.
size_t LongestFittingName() {
    char full[1024];
    DWORD length = GetFullPathNameA("Modules/KestrelFieldWorks/KFWS_Airdrop/.cfg", sizeof(full), full, nullptr);
    size_t room = length < 259 ? 259 - length : 0;
    return room < 216 ? room : 216;
}

std::vector<NameCase> Names() {
    size_t longest = LongestFittingName();
    std::vector<NameCase> cases = {
        {std::string(longest, 'a'), kGetsFile},
        {std::string(longest + 1, 'a'), kRefused},
        {std::string(216, 'a'), longest >= 216 ? kGetsFile : kRefused},
        {"Trainer 1", kGetsFile},
        {"Ан-2", kGetsFile},
        {"Як-52 Учебный", kGetsFile},
        {"Ми-8 (пожарный) ёЁ№", kGetsFile},
        {"Trainer.", kGetsFile},
        {"Trainer...", kGetsFile},
        {"Trainer ", kGetsFile},
        {"Trainer . .", kGetsFile},
        {" Trainer", kGetsFile},
        {".Trainer", kGetsFile},
        {".", kGetsFile},
        {"...", kGetsFile},
        {"100%", kGetsFile},
        {"%s%n%d%x", kGetsFile},
        {"Trainer;1=[General]", kGetsFile},
        {"a'b&c#d", kGetsFile},
        {"COM10", kGetsFile},
        {"LPT0", kGetsFile},
        {"CONSOLE", kGetsFile},
        {"NULL", kGetsFile},
        {"AUX1", kGetsFile},
        {"xCON", kGetsFile},
        {" CON", kGetsFile},
        {"\x7F", kGetsFile},
        {"", kNoModel},
        {"..", kRefused},
        {"../Trainer", kRefused},
        {"..\\Trainer", kRefused},
        {"../../../../windows/win", kRefused},
        {"a/b", kRefused},
        {"a\\b", kRefused},
        {"/abs", kRefused},
        {"\\abs", kRefused},
        {"C:x", kRefused},
        {"C:\\x", kRefused},
        {"c:/x", kRefused},
        {"\\\\server\\share\\x", kRefused},
        {"\\\\?\\C:\\x", kRefused},
        {"\\\\.\\NUL", kRefused},
        {"Trainer:stream", kRefused},
        {std::string(217, 'a'), kRefused},
        {std::string(300, 'b'), kRefused},
        {"CON", kRefused},
        {"NUL", kRefused},
        {"PRN", kRefused},
        {"AUX", kRefused},
        {"COM1", kRefused},
        {"COM9", kRefused},
        {"LPT1", kRefused},
        {"LPT9", kRefused},
        {"con", kRefused},
        {"Nul", kRefused},
        {"cOm3", kRefused},
        {"CON.txt", kRefused},
        {"NUL.", kRefused},
        {"AUX ", kRefused},
        {"COM1 ", kRefused},
        {"NUL  .x", kRefused},
        {"CONIN$", kRefused},
        {"CONOUT$", kRefused},
        {"a\x01" "b", kPlatform},
        {"\t", kPlatform},
        {"a\nb", kPlatform},
        {"a\rb", kPlatform},
        {"\x1F", kPlatform},
        {"a*b", kPlatform},
        {"a?b", kPlatform},
        {"a<b>", kPlatform},
        {"a|b", kPlatform},
        {"a\"b", kPlatform},
        {std::string(216, '\xC6'), kPlatform}, // 216 Cyrillic letters: 432 bytes as a Linux file name
    };
    return cases;
}

std::string Shown(const std::string& text) {
    std::string shown;
    for (unsigned char c : text.substr(0, 40)) {
        if (c >= 0x20 && c != 0x7F) {
            shown += (char)c;
        } else {
            char code[8];
            snprintf(code, sizeof(code), "\\x%02X", c);
            shown += code;
        }
    }
    return "\"" + Utf8(shown) + (text.size() > 40 ? "...\" (" + std::to_string(text.size()) + " characters)" : "\"");
}

// Names of the files in the product folder, as the platform lists them.
std::vector<std::string> ProductFiles() {
    std::vector<std::string> names;
    TreeSnapshot tree = SnapshotTree(kProductFolder, false);
    for (const auto& entry : tree) {
        names.push_back(entry.first);
    }
    return names;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    for (const std::string& each : texts) {
        if (each == text) {
            return true;
        }
    }
    return false;
}

// Device names are refused in any case and with any extension or trailing blanks; names
// that only look like them are ordinary.
TEST(DeviceNames, AreRefusedAndLookAlikesAreNot) {
    struct Case {
        const char* name;
        bool usable;
    } cases[] = {
        {"CON", false},    {"con", false},     {"PRN", false},     {"AUX", false},      {"NUL", false},
        {"COM1", false},   {"com9", false},    {"LPT1", false},    {"Lpt9", false},     {"CONIN$", false},
        {"CONOUT$", false}, {"NUL.", false},   {"CON.txt", false}, {"AUX  ", false},    {"COM3 .x", false},
        {"COM0", true},    {"LPT0", true},     {"COM10", true},    {"CONSOLE", true},   {"NULL", true},
        {" CON", true},    {"xNUL", true},     {"AUX1", true},     {"CO", true},        {"", true},
        {"Trainer.CON", true},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE(std::to_string(i) + ": " + cases[i].name);
        EXPECT_EQ(IsUsableModelName(cases[i].name), cases[i].usable);
        char path[kConfigPathSize];
        EXPECT_EQ(ConfigFilePath(cases[i].name, path), cases[i].usable);
    }
}

class HostileNamesTest : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        gHostHandles.moduleInstance = GetModuleHandleA(nullptr);
        gHostHandles.mainWindow = SimCreateMainWindow(false);
        char windows[MAX_PATH];
        GetWindowsDirectoryA(windows, sizeof(windows));
        windowsFolder_ = windows;
        parentFolder_ = root_->Path().substr(0, root_->Path().find_last_of("\\/"));
    }
    void TearDown() override {
        DestroyConfigDialog();
        KillTimer(gHostHandles.mainWindow, 1);
        SimDestroyMainWindow();
        memset(&gHostHandles, 0, sizeof(gHostHandles));
        HostFixture::TearDown();
    }

    // The model name as the host gives it; names longer than the host record's usual
    // buffer get a larger data block.
    void UseModelName(const std::string& name) {
        UseAircraft(DefaultSpec(""));
        if (name.size() < 260) {
            SimSetAtcModel(aircraft_, name.c_str());
            return;
        }
        aircraft_->dataBlock.resize(kDataBlockAtcModel + name.size() + 1);
        memcpy(&aircraft_->dataBlock[kDataBlockAtcModel], name.c_str(), name.size() + 1);
        WriteHostPtr(aircraft_->userAircraft.data(), kUserAircraftDataBlock, aircraft_->dataBlock.data());
    }

    // The button as a pilot presses it: in editing mode it is enabled by an edit first.
    static void PressButton(HWND dialog) {
        if (!IsWindowEnabled(GetDlgItem(dialog, IDC_SAVE)) && IsWindowEnabled(GetDlgItem(dialog, IDC_REALISM))) {
            Click(dialog, IDC_REALISM);
            Click(dialog, IDC_REALISM);
        }
        if (IsWindowEnabled(GetDlgItem(dialog, IDC_SAVE))) {
            Click(dialog, IDC_SAVE);
        }
    }

    // Everything a pilot can do with the file of this aircraft.
    void UseEveryCommand() {
        MessageBoxWatcher boxes;
        OpenConfigDialog();
        HWND dialog = gAirdropState.configDialogWindow;
        if (dialog) {
            PressButton(dialog); // creating mode: create, then save; locked mode: close
        }
        DestroyConfigDialog();
        LoadAircraft();
        ShowStatusReport();
        StartUnloading();
        EmergencyUnload();
        // Open again: the file (if any) is read back into the dialog; a second save.
        OpenConfigDialog();
        dialog = gAirdropState.configDialogWindow;
        if (dialog && IsWindowEnabled(GetDlgItem(dialog, IDC_VISUAL))) {
            Click(dialog, IDC_VISUAL);
            PressButton(dialog);
        }
        DestroyConfigDialog();
        KillTimer(gHostHandles.mainWindow, 1);
    }

    std::string windowsFolder_;
    std::string parentFolder_;
};

TEST_F(HostileNamesTest, NothingIsWrittenOutsideTheProductFolder) {
    std::vector<NameCase> cases = Names();
    FaultTally tally("model name");
    int created = 0;
    int refused = 0;
    const std::string product = std::string(kProductFolder) + "\\";
    for (size_t i = 0; i < cases.size() * 2; i++) {
        const NameCase& c = cases[i % cases.size()];
        bool foldersPresent = i >= cases.size();
        tally.Begin("name " + std::to_string(i % cases.size()) + " " + Shown(c.name) +
                    (foldersPresent ? " (folders present)" : " (no folders)"));
        SimRemoveTree("Modules\\KestrelFieldWorks");
        if (foldersPresent) {
            CreateDirectoryA("Modules\\KestrelFieldWorks", nullptr);
            CreateDirectoryA(kProductFolder, nullptr);
            // An ordinary aircraft's file that must survive every hostile name.
            WriteConfigFile("Trainer 2", "[General]\r\nKFWS_Airdrop_variant=2\r\n");
        }
        memset(&gAirdropState, 0, sizeof(gAirdropState));
        UseModelName(c.name);
        TreeSnapshot rootBefore = SnapshotTree(root_->Path(), true);
        TreeSnapshot parentBefore = SnapshotTree(parentFolder_, false);
        TreeSnapshot windowsBefore = SnapshotTree(windowsFolder_, false);
        SimClearCalls();
        {
            HangWatch watch("the commands for name " + std::to_string(i), 30000);
            UseEveryCommand();
        }
        std::vector<std::string> shown = SimShownTexts();
        bool saved = Contains(shown, kSaved);
        std::vector<std::string> files = ProductFiles();
        std::string fileName = c.name + ".cfg";
        bool listed = false;
        for (const std::string& file : files) {
            listed = listed || file == fileName;
        }
        std::string content = listed ? ReadWholeFile(product + fileName) : "";
        bool holdsTheSave = content.find("KFWS_Airdrop_variant=1") != std::string::npos &&
                            content.find("KFWS_Airdrop_type=1") != std::string::npos;

        // Nothing outside the product folder (and the two folders on its way) changes.
        for (const std::string& change : TreeChanges(rootBefore, SnapshotTree(root_->Path(), true))) {
            std::string path = change.substr(change.find(' ') + 1);
            bool inside = path.compare(0, product.size(), product) == 0 ||
                          (change.compare(0, 8, "created ") == 0 &&
                           (path == "Modules\\KestrelFieldWorks" || path == kProductFolder));
            tally.Check(inside, "outside the product folder: " + Utf8(change));
            if (foldersPresent && path == product + "Trainer 2.cfg") {
                tally.Check(false, "another aircraft's file: " + change);
            }
        }
        for (const std::string& change : TreeChanges(parentBefore, SnapshotTree(parentFolder_, false))) {
            tally.Check(false, "beside the simulator folder: " + Utf8(change));
        }
        for (const std::string& change : TreeChanges(windowsBefore, SnapshotTree(windowsFolder_, false))) {
            tally.Check(false, "in the Windows folder: " + Utf8(change));
        }
        // "Saved" only for a file that is there and holds what was saved.
        tally.Check(!saved || (listed && holdsTheSave), "saved was reported, but the product folder has no such file");
        switch (c.outcome) {
        case kGetsFile:
            tally.Check(saved && listed && holdsTheSave, "an ordinary name did not get its file");
            tally.Check(Contains(shown, kLoaded), "an ordinary name's file did not load");
            break;
        case kRefused:
            tally.Check(!saved && !listed, "a name that cannot name a file was saved");
            tally.Check(Contains(shown, kCreateFailed), "the refusal was not shown");
            tally.Check(Contains(shown, kNoFile), "the load did not say that there is no file");
            tally.Check(files.size() == (foldersPresent ? 1u : 0u), "files appeared in the product folder");
            break;
        case kPlatform:
            tally.Check(saved || (Contains(shown, kCreateFailed) && files.size() == (foldersPresent ? 1u : 0u)),
                        "neither saved nor refused");
            break;
        case kNoModel:
            tally.Check(!saved && Contains(shown, kNoName), "the empty name was not refused");
            tally.Check(!DirectoryExists("Modules\\KestrelFieldWorks") || foldersPresent, "folders were created");
            break;
        }
        if (tally.End()) {
            created += saved;
            refused += !saved;
        }
    }
    PrintFigure("model-names", std::to_string(cases.size()) + " names, each with and without the folders (" +
                                   std::to_string(created) + " runs saved a file, " + std::to_string(refused) +
                                   " refused), " + std::to_string(tally.Faults()) + " faults");
    EXPECT_EQ(tally.Faults(), 0);
}

} // namespace
