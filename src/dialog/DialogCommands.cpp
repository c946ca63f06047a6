// The dialog's command rows, the exit-type rule, the button press and the save.
#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"
#include "dialog/ConfigDialog.h"
#include "dialog/DialogControls.h"
#include "dialog/resource.h"
#include "drop/AirdropState.h"
#include "module/HostServices.h"

static const char kMsgChooseType[] = "Выберите Тип !!!";
static const char kMsgChooseTypeCaption[] = "Внимание";
static const char kMsgSaved[] = "Настройки сохранены!\n";
static const char kMsgCreateFailed[] = "Ошибка создания файла!\n";
static const char kMsgSaveFailed[] = "Ошибка записи файла! Настройки не сохранены!\n";
static const char kEmptyFieldValue[] = "0.0";
// The texts of the values 0 to 3 as the save writes them.
static const char* const kValueTexts[] = {"0", "1", "2", "3"};

// Only the side exit (side true) or only the rear exit, with the matching coordinate fields.
static void ChooseSingleExit(HWND dialog, bool side) {
    CheckControl(dialog, IDC_TYPE_SIDE, side);
    CheckControl(dialog, IDC_TYPE_REAR, !side);
    EnableControlRange(dialog, IDC_SIDE_X, IDC_SIDE_Z, side);
    EnableControlRange(dialog, IDC_REAR_X, IDC_REAR_Z, !side);
}

// Runs after the clicked exit-type box has toggled itself. One stream leaves by exactly
// one exit, so a click moves the mark; two streams may use either or both.
static void ApplyExitTypeRule(HWND dialog, int clicked) {
    bool sideChecked = IsControlChecked(dialog, IDC_TYPE_SIDE);
    bool rearChecked = IsControlChecked(dialog, IDC_TYPE_REAR);
    if (IsControlChecked(dialog, IDC_METHOD_ONE)) {
        if (clicked == IDC_TYPE_SIDE) {
            ChooseSingleExit(dialog, rearChecked);
        } else {
            ChooseSingleExit(dialog, !sideChecked);
        }
        return;
    }
    if (clicked == IDC_TYPE_SIDE) {
        EnableControlRange(dialog, IDC_SIDE_X, IDC_SIDE_Z, sideChecked);
    } else {
        EnableControlRange(dialog, IDC_REAR_X, IDC_REAR_Z, rearChecked);
    }
}

// Paratroopers may use every method and exit; the other marks stay as they are.
static void ChooseParatroopers(HWND dialog) {
    SetAmountLabel(dialog, kLabelParatroopers);
    SetButtonCaption(dialog, kCaptionSave);
    EnableControl(dialog, IDC_METHOD_ONE, true);
    EnableControl(dialog, IDC_METHOD_TWO, true);
    EnableControl(dialog, IDC_TYPE_REAR, true);
    EnableControl(dialog, IDC_TYPE_SIDE, true);
    EnableControl(dialog, IDC_SAVE, true);
}

// Cargo and liquid leave by one stream through the rear exit; those choices are locked.
static void ChooseBulkLoad(HWND dialog, const char* label) {
    SetAmountLabel(dialog, label);
    SetButtonCaption(dialog, kCaptionSave);
    CheckControl(dialog, IDC_TYPE_SIDE, false);
    CheckControl(dialog, IDC_TYPE_REAR, true);
    CheckControl(dialog, IDC_METHOD_ONE, true);
    CheckControl(dialog, IDC_METHOD_TWO, false);
    LockToRearExit(dialog);
    EnableControl(dialog, IDC_SAVE, true);
}

// One stream: the rear exit only.
static void ChooseOneStream(HWND dialog) {
    SetButtonCaption(dialog, kCaptionSave);
    ChooseSingleExit(dialog, false);
    EnableControl(dialog, IDC_SAVE, true);
}

// The model name of the user aircraft at the moment of the press; null when the host
// gave no aircraft or the aircraft has no model name, so there is no file to write.
static const char* PressModelName(void) {
    const char* modelName = AircraftModelName(gAirdropState.userAircraft);
    return modelName && modelName[0] != '\0' ? modelName : NULL;
}

// The button: closes in locked mode, creates the file in creating mode, then saves.
static void PressConfigButton(HWND dialog) {
    ConfigFileState& fileState = gAirdropState.configFileState;
    if (fileState.state == -1) {
        CloseConfigDialog(dialog);
        return;
    }
    if (fileState.state != 0 && fileState.state != 1) {
        return;
    }
    const char* modelName = PressModelName();
    if (!modelName) {
        return;
    }
    if (fileState.state == 0 && !CreateConfigFile(modelName, &fileState)) {
        ShowMessage(kMsgCreateFailed);
        return;
    }
    SetButtonCaption(dialog, kCaptionSave);
    EnableControl(dialog, IDC_SAVE, false);
    if (!WriteDialogToFile(dialog, modelName)) {
        EnableControl(dialog, IDC_SAVE, true); // still unsaved: the pilot may try again
    }
}

bool RunDialogCommand(HWND dialog, int id) {
    switch (id) {
    case IDCANCEL:
        CloseConfigDialog(dialog);
        return true;
    case IDC_VARIANT_PARATROOPERS:
        ChooseParatroopers(dialog);
        return true;
    case IDC_VARIANT_CARGO:
        ChooseBulkLoad(dialog, kLabelCargo);
        return true;
    case IDC_VARIANT_FIRE:
        ChooseBulkLoad(dialog, kLabelFire);
        return true;
    case IDC_METHOD_ONE:
        ChooseOneStream(dialog);
        return true;
    case IDC_TYPE_SIDE:
    case IDC_TYPE_REAR:
        ApplyExitTypeRule(dialog, id);
        MarkEdited(dialog);
        return true;
    case IDC_METHOD_TWO:
    case IDC_SIDE_X:
    case IDC_SIDE_Y:
    case IDC_SIDE_Z:
    case IDC_REAR_X:
    case IDC_REAR_Y:
    case IDC_REAR_Z:
    case IDC_NUMBER:
    case IDC_VISUAL:
    case IDC_REALISM:
        MarkEdited(dialog);
        return true;
    case IDC_SAVE:
        PressConfigButton(dialog);
        return true;
    default:
        return false;
    }
}

// Writes one key from its controls, as its table row says; false when a write failed.
static bool WriteKeyValue(HWND dialog, const char* path, const ConfigKey& key) {
    switch (key.controlKind) {
    case kControlChoice: {
        // One test per button, in order; a key without a checked button is not written.
        bool written = true;
        for (int k = 0; k < key.controlCount; k++) {
            if (IsControlChecked(dialog, key.controls[k])) {
                written = WriteConfigValue(path, key.name, kValueTexts[k + 1]) && written;
            }
        }
        return written;
    }
    case kControlExitBoxes: {
        bool rear = IsControlChecked(dialog, key.controls[0]);
        bool side = IsControlChecked(dialog, key.controls[1]);
        int type = rear && side ? kExitSideAndRear : (rear ? kExitRear : kExitSide);
        return WriteConfigValue(path, key.name, kValueTexts[type]);
    }
    case kControlCheckBox:
        return WriteConfigValue(path, key.name, kValueTexts[IsControlChecked(dialog, key.controls[0]) ? 1 : 0]);
    case kControlText: {
        // The text as typed, or "0.0" for an empty field; disabled fields are written too.
        char text[kConfigValueSize];
        text[0] = '\0';
        GetWindowTextA(GetDlgItem(dialog, key.controls[0]), text, (int)sizeof(text));
        return WriteConfigValue(path, key.name, text[0] != '\0' ? text : kEmptyFieldValue);
    }
    }
    return false;
}

bool WriteDialogToFile(HWND dialog, const char* modelName) {
    char path[kConfigPathSize];
    if (!modelName || !ConfigFilePath(modelName, path)) {
        return true; // no file to write, and nothing is claimed
    }
    // Without an exit type nothing is written, so the file never mixes new and old settings.
    if (!IsControlChecked(dialog, IDC_TYPE_REAR) && !IsControlChecked(dialog, IDC_TYPE_SIDE)) {
        MessageBoxA(NULL, kMsgChooseType, kMsgChooseTypeCaption, MB_OK);
        return true;
    }
    // Every key is written even after a failure, so that as much as can be is saved;
    // the pilot is told the truth about the whole.
    bool saved = true;
    for (int i = 0; i < kConfigKeyCount; i++) {
        saved = WriteKeyValue(dialog, path, kConfigKeys[i]) && saved;
    }
    ShowMessage(saved ? kMsgSaved : kMsgSaveFailed);
    return saved;
}
