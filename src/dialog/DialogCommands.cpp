// The dialog's command rows, the exit-type rule, the button press and the save.
#include "config/ConfigFile.h"
#include "dialog/ConfigDialog.h"
#include "dialog/DialogControls.h"
#include "dialog/resource.h"
#include "drop/AirdropState.h"
#include "module/HostServices.h"

static const char kMsgChooseType[] = "Выберите Тип !!!";
static const char kMsgChooseTypeCaption[] = "Внимание";
static const char kMsgSaved[] = "Настройки сохранены!\n";
static const char kMsgCreateFailed[] = "Ошибка создания файла!\n";
static const char kEmptyFieldValue[] = "0.0";

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
    EnableControl(dialog, IDC_TYPE_SIDE, false);
    EnableControl(dialog, IDC_TYPE_REAR, false);
    CheckControl(dialog, IDC_METHOD_ONE, true);
    CheckControl(dialog, IDC_METHOD_TWO, false);
    EnableControl(dialog, IDC_METHOD_ONE, false);
    EnableControl(dialog, IDC_METHOD_TWO, false);
    EnableControlRange(dialog, IDC_SIDE_X, IDC_SIDE_Z, false);
    EnableControlRange(dialog, IDC_REAR_X, IDC_REAR_Z, true);
    EnableControl(dialog, IDC_SAVE, true);
}

// One stream: the rear exit only.
static void ChooseOneStream(HWND dialog) {
    SetButtonCaption(dialog, kCaptionSave);
    CheckControl(dialog, IDC_TYPE_SIDE, false);
    CheckControl(dialog, IDC_TYPE_REAR, true);
    EnableControlRange(dialog, IDC_SIDE_X, IDC_SIDE_Z, false);
    EnableControlRange(dialog, IDC_REAR_X, IDC_REAR_Z, true);
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
    WriteDialogToFile(dialog, modelName);
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

// Writes a field's text as typed, or "0.0" for an empty field.
static void WriteFieldValue(HWND dialog, const char* path, const char* key, int id) {
    char text[kConfigValueSize];
    text[0] = '\0';
    GetWindowTextA(GetDlgItem(dialog, id), text, (int)sizeof(text));
    WriteConfigValue(path, key, text[0] != '\0' ? text : kEmptyFieldValue);
}

void WriteDialogToFile(HWND dialog, const char* modelName) {
    char path[kConfigPathSize];
    if (!modelName || !ConfigFilePath(modelName, path)) {
        return;
    }
    bool rear = IsControlChecked(dialog, IDC_TYPE_REAR);
    bool side = IsControlChecked(dialog, IDC_TYPE_SIDE);
    // Without an exit type nothing is written, so the file never mixes new and old settings.
    if (!rear && !side) {
        MessageBoxA(NULL, kMsgChooseType, kMsgChooseTypeCaption, MB_OK);
        return;
    }
    if (IsControlChecked(dialog, IDC_VARIANT_PARATROOPERS)) {
        WriteConfigValue(path, kKeyVariant, "1");
    }
    if (IsControlChecked(dialog, IDC_VARIANT_CARGO)) {
        WriteConfigValue(path, kKeyVariant, "2");
    }
    if (IsControlChecked(dialog, IDC_VARIANT_FIRE)) {
        WriteConfigValue(path, kKeyVariant, "3");
    }
    if (IsControlChecked(dialog, IDC_METHOD_ONE)) {
        WriteConfigValue(path, kKeyMethod, "1");
    }
    if (IsControlChecked(dialog, IDC_METHOD_TWO)) {
        WriteConfigValue(path, kKeyMethod, "2");
    }
    WriteConfigValue(path, kKeyType, rear && side ? "3" : (rear ? "1" : "2"));
    WriteConfigValue(path, kKeyRealism, IsControlChecked(dialog, IDC_REALISM) ? "1" : "0");
    WriteConfigValue(path, kKeyVisual, IsControlChecked(dialog, IDC_VISUAL) ? "1" : "0");
    WriteFieldValue(dialog, path, kKeyNumber, IDC_NUMBER);
    // Disabled fields are written like enabled ones.
    WriteFieldValue(dialog, path, kKeyLeftX, IDC_SIDE_X);
    WriteFieldValue(dialog, path, kKeyLeftY, IDC_SIDE_Y);
    WriteFieldValue(dialog, path, kKeyLeftZ, IDC_SIDE_Z);
    WriteFieldValue(dialog, path, kKeyDownX, IDC_REAR_X);
    WriteFieldValue(dialog, path, kKeyDownY, IDC_REAR_Y);
    WriteFieldValue(dialog, path, kKeyDownZ, IDC_REAR_Z);
    ShowMessage(kMsgSaved);
}
