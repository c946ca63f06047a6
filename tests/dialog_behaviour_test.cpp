// The configuration dialog at work: opening in its three modes, the command rows, the
// exit-type rule, the button by file state, the save read back from the file, and the
// message boxes. The dialog is built from this program's own copy of the template.
#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "TestSupport.h"
#include "config/ConfigFile.h"
#include "dialog/ConfigDialog.h"
#include "drop/AirdropState.h"
#include "module/HostHandles.h"
#include "module/HostServices.h"
#include "resource.h"

namespace {

const char kParatroopersLabel[] = "Количество парашутистов (чел.)";
const char kCargoLabel[] = "Вес груза в кг.";
const char kFireLabel[] = "Объем жидкости в литрах.";
const char kSave[] = "Сохранить";
const char kModel[] = "Trainer 1";

class DialogTest : public DialogFixture {
protected:
    HWND Open() {
        OpenConfigDialog();
        return gAirdropState.configDialogWindow;
    }
    std::string File() { return ReadWholeFile(ConfigPathOf(kModel)); }
    std::vector<std::string> FileLines() { return LinesOf(File()); }
    void Press(HWND dialog) { Click(dialog, IDC_SAVE); }
    // Dialogs of this thread that are still windows.
    int OpenDialogs() {
        int count = 0;
        EnumThreadWindows(GetCurrentThreadId(), CountDialog, (LPARAM)&count);
        return count;
    }
    static BOOL CALLBACK CountDialog(HWND window, LPARAM count) {
        char caption[64] = "";
        GetWindowTextA(window, caption, sizeof(caption));
        if (strcmp(caption, "Конфигуратор") == 0) {
            ++*(int*)count;
        }
        return TRUE;
    }
};

// ---- Set-up in the three modes ----

TEST_F(DialogTest, CreatingModeShowsDefaultsAndAnEnabledSaveButton) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(gAirdropState.configFileState.state, 0);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), gHostHandles.mainWindow);
    for (int id : kDialogInputs) {
        SCOPED_TRACE(id);
        bool checked = id == IDC_VARIANT_PARATROOPERS || id == IDC_TYPE_REAR || id == IDC_METHOD_ONE;
        if (id < IDC_SIDE_X || id > IDC_NUMBER) {
            EXPECT_EQ(Checked(dialog, id), checked);
        }
        EXPECT_EQ(Enabled(dialog, id), id < IDC_SIDE_X || id > IDC_SIDE_Z) << "only the side fields are disabled";
    }
    for (int id : kCoordinateFields) {
        EXPECT_EQ(TextOf(dialog, id), "0.0") << id;
    }
    EXPECT_EQ(TextOf(dialog, IDC_NUMBER), "0");
    EXPECT_EQ(TextOf(dialog, IDC_NUMBER_LABEL), kParatroopersLabel);
    // The fields' change notifications came after the "Создать" caption.
    EXPECT_EQ(TextOf(dialog, IDC_SAVE), kSave);
    EXPECT_TRUE(Enabled(dialog, IDC_SAVE));
    EXPECT_FALSE(FileExists(ConfigPathOf(kModel))) << "opening creates nothing";
    EXPECT_TRUE(SimShownTexts().empty());
}

struct EditingCase {
    const char* file;
    std::vector<int> checked;
    std::vector<int> disabled; // inputs disabled after set-up
    const char* label;
    AircraftConfig config;
};

TEST_F(DialogTest, EditingModeShowsTheFileAndADisabledSaveButton) {
    const std::vector<int> bulkLocked = {IDC_TYPE_SIDE, IDC_TYPE_REAR, IDC_METHOD_ONE, IDC_METHOD_TWO};
    EditingCase cases[] = {
        {"[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_number=12\nKFWS_Airdrop_metod=2\nKFWS_Airdrop_type=3\n"
         "KFWS_Airdrop_realism=1\nKFWS_Airdrop_visual=0\nKFWS_Airdrop_left_x=1.5\nKFWS_Airdrop_left_y=-0.5\n"
         "KFWS_Airdrop_left_z=2abc\nKFWS_Airdrop_down_x=\nKFWS_Airdrop_down_y=7\nKFWS_Airdrop_down_z=-2.7\n",
         {IDC_VARIANT_PARATROOPERS, IDC_METHOD_TWO, IDC_TYPE_SIDE, IDC_TYPE_REAR, IDC_REALISM},
         {},
         kParatroopersLabel,
         {1, 2, 3, 0, 1, 12, 1.0, 0.0, 2.0, 0.0, 7.0, -2.0}},
        // Cargo, rear only: the side fields and the method and type controls are locked.
        {"[General]\nKFWS_Airdrop_variant=2\nKFWS_Airdrop_metod=1\nKFWS_Airdrop_type=1\nKFWS_Airdrop_visual=1\n"
         "KFWS_Airdrop_number=1000\n",
         {IDC_VARIANT_CARGO, IDC_METHOD_ONE, IDC_TYPE_REAR, IDC_VISUAL},
         {IDC_TYPE_SIDE, IDC_TYPE_REAR, IDC_METHOD_ONE, IDC_METHOD_TWO, IDC_SIDE_X, IDC_SIDE_Y, IDC_SIDE_Z},
         kCargoLabel,
         {2, 1, 1, 1, 0, 1000, 0, 0, 0, 0, 0, 0}},
        // Liquid with the side exit: the type step enables the side fields again.
        {"[General]\nKFWS_Airdrop_variant=3\nKFWS_Airdrop_metod=1\nKFWS_Airdrop_type=2\n",
         {IDC_VARIANT_FIRE, IDC_METHOD_ONE, IDC_TYPE_SIDE},
         {IDC_TYPE_SIDE, IDC_TYPE_REAR, IDC_METHOD_ONE, IDC_METHOD_TWO, IDC_REAR_X, IDC_REAR_Y, IDC_REAR_Z},
         kFireLabel,
         {3, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // Cargo with both exits: every coordinate field enabled, the choices still locked.
        {"[General]\nKFWS_Airdrop_variant=2\nKFWS_Airdrop_type=3\n",
         {IDC_VARIANT_CARGO, IDC_TYPE_SIDE, IDC_TYPE_REAR},
         bulkLocked,
         kCargoLabel,
         {2, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // Values outside the lists check nothing; the label keeps its empty text.
        {"[General]\nKFWS_Airdrop_variant=7\nKFWS_Airdrop_metod=0\nKFWS_Airdrop_type=9\nKFWS_Airdrop_realism=2\n"
         "KFWS_Airdrop_visual=-1\n",
         {},
         {},
         "",
         {7, 0, 9, -1, 2, 0, 0, 0, 0, 0, 0, 0}},
        // An empty file (as creation leaves it) reads like one without keys.
        {"", {}, {}, "", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (size_t c = 0; c < sizeof(cases) / sizeof(cases[0]); c++) {
        SCOPED_TRACE("case " + std::to_string(c));
        const EditingCase& test = cases[c];
        WriteConfigFile(kModel, test.file);
        memset(&gAirdropState.config, 0x55, sizeof(gAirdropState.config));
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(gAirdropState.configFileState.state, 1);
        for (int id : kDialogInputs) {
            bool checked = false;
            for (int c2 : test.checked) checked = checked || c2 == id;
            bool disabled = false;
            for (int d : test.disabled) disabled = disabled || d == id;
            if (id < IDC_SIDE_X || id > IDC_NUMBER) {
                EXPECT_EQ(Checked(dialog, id), checked) << "id " << id;
            }
            EXPECT_EQ(Enabled(dialog, id), !disabled) << "id " << id;
        }
        EXPECT_EQ(Utf8(TextOf(dialog, IDC_NUMBER_LABEL)), Utf8(test.label));
        EXPECT_EQ(TextOf(dialog, IDC_SAVE), kSave);
        EXPECT_FALSE(Enabled(dialog, IDC_SAVE)) << "disabled after the reading's notifications";
        const AircraftConfig& got = gAirdropState.config;
        EXPECT_EQ(got.variant, test.config.variant);
        EXPECT_EQ(got.method, test.config.method);
        EXPECT_EQ(got.exitType, test.config.exitType);
        EXPECT_EQ(got.realism, test.config.realism);
        EXPECT_EQ(got.number, test.config.number);
        EXPECT_EQ(got.leftX, test.config.leftX);
        EXPECT_EQ(got.leftY, test.config.leftY);
        EXPECT_EQ(got.leftZ, test.config.leftZ);
        EXPECT_EQ(got.downX, test.config.downX);
        EXPECT_EQ(got.downY, test.config.downY);
        EXPECT_EQ(got.downZ, test.config.downZ);
        if (test.config.visual != -1) {
            EXPECT_EQ(got.visual, test.config.visual);
        }
        ToggleConfigDialog();
        EXPECT_EQ(gAirdropState.configDialogWindow, nullptr);
    }
}

TEST_F(DialogTest, EditingModeShowsStoredTextsAsTheyAre) {
    WriteConfigFile(kModel, "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_metod=1\nKFWS_Airdrop_type=1\n"
                            "KFWS_Airdrop_number=0.0\nKFWS_Airdrop_left_x=1.5\nKFWS_Airdrop_left_y=-0.5\n"
                            "KFWS_Airdrop_left_z=2abc\nKFWS_Airdrop_down_y=7\n");
    HWND dialog = Open();
    const char* expected[] = {"1.5", "-0.5", "2abc", "", "7", ""};
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(TextOf(dialog, kCoordinateFields[i]), expected[i]) << i;
    }
    EXPECT_EQ(TextOf(dialog, IDC_NUMBER), "0.0") << "the stored text, though the field takes digits only";
    // The default focus is on the side check box: nothing marks the dialog edited.
    EXPECT_FALSE(Enabled(dialog, IDC_SAVE));
}

TEST_F(DialogTest, FocusInOrOutOfAFieldMarksTheDialogEdited) {
    WriteConfigFile(kModel, "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_metod=2\nKFWS_Airdrop_type=3\n");
    HWND dialog = Open();
    const int fields[] = {IDC_SIDE_X, IDC_SIDE_Y, IDC_SIDE_Z, IDC_REAR_X, IDC_REAR_Y, IDC_REAR_Z, IDC_NUMBER};
    for (int id : fields) {
        SCOPED_TRACE(id);
        EnableWindow(GetDlgItem(dialog, IDC_SAVE), FALSE);
        SetFocus(GetDlgItem(dialog, id));
        EXPECT_TRUE(Enabled(dialog, IDC_SAVE)) << "focus in";
        EnableWindow(GetDlgItem(dialog, IDC_SAVE), FALSE);
        SetFocus(GetDlgItem(dialog, IDC_TYPE_SIDE));
        EXPECT_TRUE(Enabled(dialog, IDC_SAVE)) << "focus out";
        EXPECT_EQ(TextOf(dialog, IDC_SAVE), kSave);
    }
}

TEST_F(DialogTest, LockedModeWithoutModelNameOrAircraft) {
    for (int withAircraft = 1; withAircraft >= 0; withAircraft--) {
        SCOPED_TRACE(withAircraft ? "empty atc_model" : "no user aircraft");
        SimAircraftSpec spec = DefaultSpec("");
        UseAircraft(spec);
        if (!withAircraft) {
            SimSetUserAircraft(nullptr);
        }
        SimClearCalls();
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(gAirdropState.configFileState.state, -1);
        EXPECT_EQ(Utf8(TextOf(dialog, IDC_NUMBER_LABEL)), Utf8("Не указан параметр atc_model!"));
        EXPECT_EQ(Utf8(TextOf(dialog, IDC_SAVE)), Utf8("Закрыть"));
        EXPECT_TRUE(Enabled(dialog, IDC_SAVE));
        for (int id : kDialogInputs) {
            EXPECT_FALSE(Enabled(dialog, id)) << id;
        }
        const int untouched[] = {IDC_VARIANT_GROUP, IDC_TYPE_GROUP, IDC_METHOD_GROUP, IDC_POINTS_GROUP,
                                 IDC_AXIS_X_LABEL, IDC_AXIS_Y_LABEL, IDC_AXIS_Z_LABEL, IDC_NUMBER_LABEL};
        for (int id : untouched) {
            EXPECT_TRUE(Enabled(dialog, id)) << id;
        }
        ASSERT_EQ(SimShownTexts().size(), 1u);
        EXPECT_EQ(Utf8(SimShownTexts()[0]), Utf8("Не указан параметр atc_model в файле aircraft.cfg!\n"));
        Press(dialog);
        EXPECT_EQ(gAirdropState.configDialogWindow, nullptr);
        EXPECT_FALSE(IsWindow(dialog));
        EXPECT_FALSE(DirectoryExists("Modules/KestrelFieldWorks")) << "nothing written";
    }
}

// ---- Opening, toggling, closing ----

TEST_F(DialogTest, OneDialogAtATimeAndANewSetUpAtEachOpening) {
    WriteConfigFile(kModel, "[General]\nKFWS_Airdrop_number=5\n");
    HWND first = Open();
    ASSERT_NE(first, nullptr);
    OpenConfigDialog();
    EXPECT_EQ(gAirdropState.configDialogWindow, first);
    EXPECT_EQ(OpenDialogs(), 1);
    EXPECT_EQ(SimCallsOf(kCallGetUserAircraft).size(), 1u) << "a second request does no set-up";

    ToggleConfigDialog();
    EXPECT_EQ(gAirdropState.configDialogWindow, nullptr);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(OpenDialogs(), 0);

    WriteConfigFile(kModel, "[General]\nKFWS_Airdrop_number=77\n");
    ToggleConfigDialog();
    HWND second = gAirdropState.configDialogWindow;
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(TextOf(second, IDC_NUMBER), "77") << "the file's current contents";
    EXPECT_EQ(SimCallsOf(kCallGetUserAircraft).size(), 2u);
}

TEST_F(DialogTest, TheCloseBoxClosesTheDialog) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    SimPumpMessages(50);
    EXPECT_EQ(gAirdropState.configDialogWindow, nullptr);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(FileExists(ConfigPathOf(kModel)));
}

TEST_F(DialogTest, DestroyedWithItsOwnerTheHandleIsForgotten) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    SimDestroyMainWindow();
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(gAirdropState.configDialogWindow, nullptr);
    gHostHandles.mainWindow = nullptr;
    EXPECT_NE(Open(), nullptr) << "the next request opens a new dialog";
}

TEST_F(DialogTest, WithoutAHostWindowTheDialogHasNoOwner) {
    SimDestroyMainWindow();
    gHostHandles.mainWindow = nullptr;
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog));
}

TEST_F(DialogTest, FailedCreationShowsTheFormRunBox) {
    // A module without the template.
    gHostHandles.moduleInstance = GetModuleHandleA("kernel32.dll");
    MessageBoxWatcher watcher;
    OpenConfigDialog();
    EXPECT_EQ(gAirdropState.configDialogWindow, nullptr);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    const SeenMessageBox& box = watcher.Seen()[0];
    EXPECT_EQ(box.caption, "Form run");
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_TRUE(box.hasIcon);
    EXPECT_EQ(box.icon, LoadIcon(nullptr, IDI_WARNING));
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    char expected[256];
    snprintf(expected, sizeof(expected), "hInst : 0x%08lX\nfrmMain : 101\nsimHWND : 0x%08lX\nfrm_Main : 0x%08lX",
             (unsigned long)(uintptr_t)gHostHandles.moduleInstance,
             (unsigned long)(uintptr_t)gHostHandles.mainWindow, (unsigned long)(uintptr_t)&ConfigDialogProc);
    EXPECT_EQ(box.text, expected);

    // Nothing is kept: the next request tries again.
    gHostHandles.moduleInstance = GetModuleHandleA(nullptr);
    EXPECT_NE(Open(), nullptr);
    EXPECT_EQ(watcher.Seen().size(), 1u);
}

// ---- Command rows ----

TEST_F(DialogTest, EveryEditRowMarksTheDialogEdited) {
    WriteConfigFile(kModel, "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_metod=2\nKFWS_Airdrop_type=3\n");
    HWND dialog = Open();
    struct Edit {
        int id;
        bool click; // a click, else typing
    } edits[] = {{IDC_SIDE_X, false}, {IDC_SIDE_Y, false}, {IDC_SIDE_Z, false}, {IDC_REAR_X, false},
                 {IDC_REAR_Y, false}, {IDC_REAR_Z, false}, {IDC_NUMBER, false}, {IDC_VISUAL, true},
                 {IDC_REALISM, true}, {IDC_METHOD_TWO, true}};
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.id);
        SetDlgItemTextA(dialog, IDC_SAVE, "x");
        EnableWindow(GetDlgItem(dialog, IDC_SAVE), FALSE);
        if (edit.click) {
            Click(dialog, edit.id);
        } else {
            TypeInto(dialog, edit.id, "42");
        }
        EXPECT_TRUE(Enabled(dialog, IDC_SAVE));
        EXPECT_EQ(TextOf(dialog, IDC_SAVE), kSave);
    }
    // Two streams leave the exit types and the fields as they are.
    EXPECT_TRUE(Checked(dialog, IDC_TYPE_SIDE));
    EXPECT_TRUE(Checked(dialog, IDC_TYPE_REAR));
    for (int id : kCoordinateFields) {
        EXPECT_TRUE(Enabled(dialog, id)) << id;
    }
    // Other ids are not the dialog's business.
    EXPECT_EQ(SendMessageA(dialog, WM_COMMAND, IDOK, 0), 0);
    EXPECT_EQ(ConfigDialogProc(dialog, WM_COMMAND, MAKEWPARAM(IDC_POINTS_GROUP, BN_CLICKED), 0), 0);
    EXPECT_EQ(ConfigDialogProc(dialog, WM_COMMAND, MAKEWPARAM(IDC_VISUAL, BN_CLICKED), 0), TRUE);
}

struct ExitCase {
    const char* name;
    int method;  // 1 or 2
    int type;    // initial exit type in the file (0: neither)
    int click;
    bool side, rear; // afterwards
    bool sideFields, rearFields;
};

TEST_F(DialogTest, ExitTypeRule) {
    const ExitCase cases[] = {
        {"one stream, rear only, click side", 1, 1, IDC_TYPE_SIDE, true, false, true, false},
        {"one stream, rear only, click rear", 1, 1, IDC_TYPE_REAR, true, false, true, false},
        {"one stream, side only, click side", 1, 2, IDC_TYPE_SIDE, false, true, false, true},
        {"one stream, side only, click rear", 1, 2, IDC_TYPE_REAR, false, true, false, true},
        {"one stream, both, click side", 1, 3, IDC_TYPE_SIDE, true, false, true, false},
        {"one stream, both, click rear", 1, 3, IDC_TYPE_REAR, false, true, false, true},
        {"one stream, neither, click side", 1, 0, IDC_TYPE_SIDE, false, true, false, true},
        {"one stream, neither, click rear", 1, 0, IDC_TYPE_REAR, true, false, true, false},
        {"two streams, rear only, click side", 2, 1, IDC_TYPE_SIDE, true, true, true, true},
        {"two streams, rear only, click rear", 2, 1, IDC_TYPE_REAR, false, false, false, false},
        {"two streams, both, click side", 2, 3, IDC_TYPE_SIDE, false, true, false, true},
        {"two streams, both, click rear", 2, 3, IDC_TYPE_REAR, true, false, true, false},
        {"two streams, side only, click rear", 2, 2, IDC_TYPE_REAR, true, true, true, true},
    };
    for (const ExitCase& test : cases) {
        SCOPED_TRACE(test.name);
        std::string file = "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_metod=" + std::to_string(test.method) +
                           "\nKFWS_Airdrop_type=" + std::to_string(test.type) + "\n";
        WriteConfigFile(kModel, file);
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        Click(dialog, test.click);
        EXPECT_EQ(Checked(dialog, IDC_TYPE_SIDE), test.side);
        EXPECT_EQ(Checked(dialog, IDC_TYPE_REAR), test.rear);
        if (test.method == 1 || test.click == IDC_TYPE_SIDE) {
            for (int id = IDC_SIDE_X; id <= IDC_SIDE_Z; id++) {
                EXPECT_EQ(Enabled(dialog, id), test.sideFields) << id;
            }
        }
        if (test.method == 1 || test.click == IDC_TYPE_REAR) {
            for (int id = IDC_REAR_X; id <= IDC_REAR_Z; id++) {
                EXPECT_EQ(Enabled(dialog, id), test.rearFields) << id;
            }
        }
        EXPECT_TRUE(Enabled(dialog, IDC_SAVE));
        ToggleConfigDialog();
    }
}

TEST_F(DialogTest, SwitchingVariantsAndMethods) {
    WriteConfigFile(kModel, "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_metod=2\nKFWS_Airdrop_type=3\n");
    HWND dialog = Open();

    Click(dialog, IDC_VARIANT_CARGO);
    EXPECT_EQ(Utf8(TextOf(dialog, IDC_NUMBER_LABEL)), Utf8(kCargoLabel));
    EXPECT_TRUE(Checked(dialog, IDC_METHOD_ONE));
    EXPECT_FALSE(Checked(dialog, IDC_METHOD_TWO));
    EXPECT_TRUE(Checked(dialog, IDC_TYPE_REAR));
    EXPECT_FALSE(Checked(dialog, IDC_TYPE_SIDE));
    const int locked[] = {IDC_METHOD_ONE, IDC_METHOD_TWO, IDC_TYPE_SIDE, IDC_TYPE_REAR, IDC_SIDE_X, IDC_SIDE_Y, IDC_SIDE_Z};
    for (int id : locked) {
        EXPECT_FALSE(Enabled(dialog, id)) << id;
    }
    for (int id = IDC_REAR_X; id <= IDC_REAR_Z; id++) {
        EXPECT_TRUE(Enabled(dialog, id)) << id;
    }
    EXPECT_TRUE(Enabled(dialog, IDC_SAVE));

    Click(dialog, IDC_VARIANT_FIRE);
    EXPECT_EQ(Utf8(TextOf(dialog, IDC_NUMBER_LABEL)), Utf8(kFireLabel));

    // Back to paratroopers: the choices are free again, the marks stay.
    Click(dialog, IDC_VARIANT_PARATROOPERS);
    EXPECT_EQ(Utf8(TextOf(dialog, IDC_NUMBER_LABEL)), Utf8(kParatroopersLabel));
    EXPECT_TRUE(Checked(dialog, IDC_METHOD_ONE));
    EXPECT_TRUE(Checked(dialog, IDC_TYPE_REAR));
    EXPECT_FALSE(Checked(dialog, IDC_TYPE_SIDE));
    const int freed[] = {IDC_METHOD_ONE, IDC_METHOD_TWO, IDC_TYPE_SIDE, IDC_TYPE_REAR};
    for (int id : freed) {
        EXPECT_TRUE(Enabled(dialog, id)) << id;
    }
    for (int id = IDC_SIDE_X; id <= IDC_SIDE_Z; id++) {
        EXPECT_FALSE(Enabled(dialog, id)) << "side fields stay disabled";
    }

    // Two streams allow both exits; going back to one stream forces the rear exit only.
    Click(dialog, IDC_METHOD_TWO);
    Click(dialog, IDC_TYPE_SIDE);
    EXPECT_TRUE(Checked(dialog, IDC_TYPE_SIDE));
    EXPECT_TRUE(Checked(dialog, IDC_TYPE_REAR));
    Click(dialog, IDC_METHOD_ONE);
    EXPECT_FALSE(Checked(dialog, IDC_TYPE_SIDE));
    EXPECT_TRUE(Checked(dialog, IDC_TYPE_REAR));
    for (int id = IDC_SIDE_X; id <= IDC_SIDE_Z; id++) {
        EXPECT_FALSE(Enabled(dialog, id)) << id;
    }
}

// ---- The button and the save ----

TEST_F(DialogTest, FirstSaveCreatesTheFileWithEveryKeyInOrder) {
    HWND dialog = Open();
    Click(dialog, IDC_METHOD_TWO);
    Click(dialog, IDC_TYPE_SIDE); // two streams: both exits
    Click(dialog, IDC_VISUAL);
    TypeInto(dialog, IDC_NUMBER, "12");
    TypeInto(dialog, IDC_SIDE_X, "1.5");
    TypeInto(dialog, IDC_SIDE_Y, "");
    TypeInto(dialog, IDC_REAR_Z, "-2abc");
    SimClearCalls();
    Press(dialog);

    const std::vector<std::string> expected = {
        "[General]",
        "KFWS_Airdrop_variant=1", "KFWS_Airdrop_metod=2", "KFWS_Airdrop_type=3",
        "KFWS_Airdrop_realism=0", "KFWS_Airdrop_visual=1", "KFWS_Airdrop_number=12",
        "KFWS_Airdrop_left_x=1.5", "KFWS_Airdrop_left_y=0.0", "KFWS_Airdrop_left_z=0.0",
        "KFWS_Airdrop_down_x=0.0", "KFWS_Airdrop_down_y=0.0", "KFWS_Airdrop_down_z=-2abc"};
    EXPECT_EQ(FileLines(), expected);
    std::vector<std::string> shown = SimShownTexts();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(Utf8(shown[0]), Utf8("Файл конфигурации создан!\n"));
    EXPECT_EQ(Utf8(shown[1]), Utf8("Настройки сохранены!\n"));
    EXPECT_EQ(gAirdropState.configFileState.state, 1) << "creating became editing";
    EXPECT_FALSE(Enabled(dialog, IDC_SAVE));
    EXPECT_EQ(TextOf(dialog, IDC_SAVE), kSave);
    EXPECT_EQ(TextOf(dialog, IDC_SIDE_Y), "") << "an empty field stays empty";
    EXPECT_EQ(gAirdropState.configDialogWindow, dialog) << "saving does not close";

    // The next press saves in place; disabled fields are written like enabled ones.
    Click(dialog, IDC_VARIANT_CARGO);
    TypeInto(dialog, IDC_SIDE_Z, "9");
    SimClearCalls();
    Press(dialog);
    std::vector<std::string> second = expected;
    second[1] = "KFWS_Airdrop_variant=2";
    second[2] = "KFWS_Airdrop_metod=1";
    second[3] = "KFWS_Airdrop_type=1";
    second[9] = "KFWS_Airdrop_left_z=9";
    EXPECT_EQ(FileLines(), second);
    ASSERT_EQ(SimShownTexts().size(), 1u);
    EXPECT_EQ(Utf8(SimShownTexts()[0]), Utf8("Настройки сохранены!\n"));
}

TEST_F(DialogTest, SaveReplacesValuesInPlaceAndKeepsForeignLines) {
    WriteConfigFile(kModel, "[Other]\nkeep=1\n[General]\nKFWS_Airdrop_left_x=5\nnote=mine\n"
                            "KFWS_Airdrop_variant=3\n");
    HWND dialog = Open();
    ASSERT_EQ(gAirdropState.configFileState.state, 1);
    Click(dialog, IDC_VARIANT_PARATROOPERS);
    Click(dialog, IDC_METHOD_ONE); // rear only
    TypeInto(dialog, IDC_SIDE_X, "-3");
    Press(dialog);
    const std::vector<std::string> expected = {
        "[Other]", "keep=1", "[General]", "KFWS_Airdrop_left_x=-3", "note=mine", "KFWS_Airdrop_variant=1",
        "KFWS_Airdrop_metod=1", "KFWS_Airdrop_type=1", "KFWS_Airdrop_realism=0", "KFWS_Airdrop_visual=0",
        "KFWS_Airdrop_number=0.0", "KFWS_Airdrop_left_y=0.0", "KFWS_Airdrop_left_z=0.0",
        "KFWS_Airdrop_down_x=0.0", "KFWS_Airdrop_down_y=0.0", "KFWS_Airdrop_down_z=0.0"};
    EXPECT_EQ(FileLines(), expected);
}

TEST_F(DialogTest, WithoutVariantOrMethodThoseKeysKeepTheirText) {
    WriteConfigFile(kModel, "[General]\nKFWS_Airdrop_variant=x9\nKFWS_Airdrop_metod=7\nKFWS_Airdrop_type=1\n");
    HWND dialog = Open();
    TypeInto(dialog, IDC_NUMBER, "3");
    Press(dialog);
    std::vector<std::string> lines = FileLines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[1], "KFWS_Airdrop_variant=x9");
    EXPECT_EQ(lines[2], "KFWS_Airdrop_metod=7");
    EXPECT_EQ(lines[3], "KFWS_Airdrop_type=1");
    EXPECT_NE(File().find("KFWS_Airdrop_number=3"), std::string::npos);
}

TEST_F(DialogTest, NoExitTypeWritesNothingAndSaysSo) {
    const std::string original = "[General]\nKFWS_Airdrop_variant=3\nKFWS_Airdrop_metod=1\nKFWS_Airdrop_type=1\n"
                                 "KFWS_Airdrop_number=5\n";
    WriteConfigFile(kModel, original);
    HWND dialog = Open();
    Click(dialog, IDC_VARIANT_PARATROOPERS);
    Click(dialog, IDC_METHOD_TWO);
    Click(dialog, IDC_TYPE_REAR); // two streams: the rear box can be cleared
    ASSERT_FALSE(Checked(dialog, IDC_TYPE_REAR));
    ASSERT_FALSE(Checked(dialog, IDC_TYPE_SIDE));
    SimClearCalls();
    {
        MessageBoxWatcher watcher;
        Press(dialog);
        ASSERT_EQ(watcher.Seen().size(), 1u);
        const SeenMessageBox& box = watcher.Seen()[0];
        EXPECT_EQ(Utf8(box.text), Utf8("Выберите Тип !!!"));
        EXPECT_EQ(Utf8(box.caption), Utf8("Внимание"));
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_FALSE(box.hasIcon);
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    }
    EXPECT_EQ(File(), original) << "neither variant nor method was written";
    EXPECT_TRUE(SimShownTexts().empty()) << "no success message";
    EXPECT_FALSE(Enabled(dialog, IDC_SAVE)) << "disabled until the next edit";
    Click(dialog, IDC_TYPE_SIDE);
    EXPECT_TRUE(Enabled(dialog, IDC_SAVE));
}

TEST_F(DialogTest, ASaveThatCannotWriteSaysSoAndCanBeRepeated) {
    const std::string original = "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_metod=1\nKFWS_Airdrop_type=1\n"
                                 "KFWS_Airdrop_number=5\n";
    WriteConfigFile(kModel, original);
    HWND dialog = Open();
    TypeInto(dialog, IDC_NUMBER, "8");
    // An editor holds the file open: others may read it, not write it.
    HANDLE held = CreateFileA(ConfigPathOf(kModel).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    SimClearCalls();
    Press(dialog);
    EXPECT_EQ(SimShownTexts(), std::vector<std::string>{"Ошибка записи файла! Настройки не сохранены!\n"});
    EXPECT_TRUE(Enabled(dialog, IDC_SAVE)) << "the edits are still unsaved";
    EXPECT_EQ(TextOf(dialog, IDC_SAVE), kSave);
    EXPECT_EQ(ReadConfigInt(ConfigPathOf(kModel).c_str(), "KFWS_Airdrop_number"), 5) << "the next load reads the old value";
    CloseHandle(held);
    EXPECT_EQ(File(), original);

    SimClearCalls();
    Press(dialog);
    EXPECT_EQ(SimShownTexts(), std::vector<std::string>{"Настройки сохранены!\n"});
    EXPECT_FALSE(Enabled(dialog, IDC_SAVE));
    EXPECT_NE(File().find("KFWS_Airdrop_number=8"), std::string::npos);
}

TEST_F(DialogTest, NoExitTypeInCreatingModeLeavesTheNewFileEmpty) {
    HWND dialog = Open();
    Click(dialog, IDC_METHOD_TWO);
    Click(dialog, IDC_TYPE_REAR);
    MessageBoxWatcher watcher;
    Press(dialog);
    EXPECT_EQ(watcher.Seen().size(), 1u);
    EXPECT_TRUE(FileExists(ConfigPathOf(kModel)));
    EXPECT_EQ(File(), "");
    EXPECT_EQ(gAirdropState.configFileState.state, 1);
}

TEST_F(DialogTest, FailedCreationKeepsCreatingModeAndCanBeRepeated) {
    RemoveDirectoryA("Modules");
    HWND dialog = Open();
    ASSERT_EQ(gAirdropState.configFileState.state, 0);
    SimClearCalls();
    Press(dialog);
    std::vector<std::string> shown = SimShownTexts();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(Utf8(shown[0]), Utf8("1 - Ошибка создания каталога!\n"));
    EXPECT_EQ(Utf8(shown[1]), Utf8("Ошибка создания файла!\n"));
    EXPECT_EQ(gAirdropState.configFileState.state, 0);
    EXPECT_TRUE(Enabled(dialog, IDC_SAVE));
    EXPECT_EQ(TextOf(dialog, IDC_SAVE), kSave);

    CreateDirectoryA("Modules", nullptr);
    SimClearCalls();
    Press(dialog);
    ASSERT_EQ(SimShownTexts().size(), 2u);
    EXPECT_EQ(Utf8(SimShownTexts()[1]), Utf8("Настройки сохранены!\n"));
    EXPECT_EQ(FileLines().size(), 13u);
}

TEST_F(DialogTest, ThePressWritesForTheAircraftOfTheMoment) {
    WriteConfigFile(kModel, "[General]\nKFWS_Airdrop_type=1\n");
    HWND dialog = Open();
    // Another command replaced the user aircraft meanwhile.
    UseAircraft(DefaultSpec("Other 2"));
    gAirdropState.userAircraft = GetUserAircraft();
    TypeInto(dialog, IDC_NUMBER, "8");
    Press(dialog);
    EXPECT_NE(ReadWholeFile(ConfigPathOf("Other 2")).find("KFWS_Airdrop_number=8"), std::string::npos);
    EXPECT_EQ(File(), "[General]\nKFWS_Airdrop_type=1\n");
}

TEST_F(DialogTest, APressWithoutAnAircraftWritesNothing) {
    struct Case {
        const char* name;
        bool fileExists;
    } cases[] = {{"editing", true}, {"creating", false}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        if (test.fileExists) {
            WriteConfigFile(kModel, "[General]\nKFWS_Airdrop_type=1\n");
        } else {
            DeleteFileA(ConfigPathOf(kModel).c_str());
        }
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        TypeInto(dialog, IDC_NUMBER, "8");
        const char* replacements[] = {nullptr, ""};
        for (const char* model : replacements) {
            if (model) {
                UseAircraft(DefaultSpec(model));
                gAirdropState.userAircraft = GetUserAircraft();
            } else {
                gAirdropState.userAircraft = nullptr;
            }
            SimClearCalls();
            Press(dialog);
            EXPECT_TRUE(SimShownTexts().empty());
            EXPECT_TRUE(Enabled(dialog, IDC_SAVE)) << "the edits are still unsaved";
            EXPECT_FALSE(FileExists(ConfigPathOf("")));
        }
        EXPECT_EQ(File(), test.fileExists ? "[General]\nKFWS_Airdrop_type=1\n" : "");
        ToggleConfigDialog();
        UseAircraft(DefaultSpec(kModel));
    }
}

TEST_F(DialogTest, OpeningDuringADropRefreshesTheConfiguration) {
    WriteConfigFile(kModel, "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_metod=2\nKFWS_Airdrop_number=10\n");
    gAirdropState.loaded = 1;
    gAirdropState.working = 1;
    gAirdropState.config.method = 1;
    gAirdropState.config.number = 4;
    Open();
    EXPECT_EQ(gAirdropState.config.method, 2);
    EXPECT_EQ(gAirdropState.config.number, 10);
    EXPECT_EQ(gAirdropState.loaded, 1);
    EXPECT_EQ(gAirdropState.working, 1);
}

} // namespace
