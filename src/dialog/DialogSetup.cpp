// The dialog's set-up when it opens, and the reading of a configuration file into it.
#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"
#include "dialog/ConfigDialog.h"
#include "dialog/DialogControls.h"
#include "dialog/resource.h"
#include "drop/AirdropState.h"
#include "drop/Loading.h"
#include "module/HostServices.h"

// Every input of the dialog, in the order the locked mode disables them.
static const int kLockedControls[] = {
    IDC_VARIANT_PARATROOPERS, IDC_VARIANT_CARGO, IDC_VARIANT_FIRE, IDC_METHOD_ONE,
    IDC_METHOD_TWO, IDC_TYPE_REAR, IDC_TYPE_SIDE, IDC_SIDE_X, IDC_SIDE_Y, IDC_SIDE_Z,
    IDC_REAR_X, IDC_REAR_Y, IDC_REAR_Z, IDC_NUMBER, IDC_VISUAL, IDC_REALISM,
};

static const char kEmptyCoordinate[] = "0.0";
static const char kEmptyNumber[] = "0";

// Locked mode: the aircraft has no model name, so there is no file to show; the button closes.
static void SetUpLocked(HWND dialog) {
    SetAmountLabel(dialog, kLabelNoAtcModel);
    SetButtonCaption(dialog, kCaptionClose);
    EnableControl(dialog, IDC_SAVE, true);
    for (size_t i = 0; i < sizeof(kLockedControls) / sizeof(kLockedControls[0]); i++) {
        EnableControl(dialog, kLockedControls[i], false);
    }
}

// Creating mode: defaults for a new file. The fields are filled after the "Создать"
// caption is set, so their change notifications leave the button reading "Сохранить".
static void SetUpCreating(HWND dialog) {
    SetButtonCaption(dialog, kCaptionCreate);
    EnableControl(dialog, IDC_SAVE, true);
    CheckControl(dialog, IDC_VARIANT_PARATROOPERS, true);
    SetAmountLabel(dialog, kLabelParatroopers);
    CheckControl(dialog, IDC_TYPE_REAR, true);
    CheckControl(dialog, IDC_METHOD_ONE, true);
    EnableControlRange(dialog, IDC_SIDE_X, IDC_SIDE_Z, false);
    for (int id = IDC_SIDE_X; id <= IDC_REAR_Z; id++) {
        SetControlText(dialog, id, kEmptyCoordinate);
    }
    SetControlText(dialog, IDC_NUMBER, kEmptyNumber);
}

// Editing mode: the file's values; the button is disabled after the reading, whose
// change notifications would otherwise leave it enabled.
static void SetUpEditing(HWND dialog, const char* modelName) {
    ReadFileToDialog(dialog, modelName);
    SetButtonCaption(dialog, kCaptionSave);
    EnableControl(dialog, IDC_SAVE, false);
}

void SetUpConfigDialog(HWND dialog) {
    void* aircraft = AcquireUserAircraft();
    // No aircraft from the host is treated like an aircraft without a model name.
    const char* modelName = AircraftModelName(aircraft);
    if (!modelName) {
        modelName = "";
    }
    switch (CheckConfigFile(modelName, &gAirdropState.configFileState)) {
    case -1:
        SetUpLocked(dialog);
        break;
    case 0:
        SetUpCreating(dialog);
        break;
    case 1:
        SetUpEditing(dialog, modelName);
        break;
    default:
        break;
    }
}

// Shows a key's value in its controls, as its table row says; values outside the ones
// the controls stand for change nothing.
static void ShowKeyValue(HWND dialog, const ConfigKey& key, int value, const char* text) {
    switch (key.controlKind) {
    case kControlChoice:
        if (value >= 1 && value <= key.controlCount) {
            CheckControl(dialog, key.controls[value - 1], true);
        }
        break;
    case kControlExitBoxes:
        if (value == kExitRear || value == kExitSide || value == kExitSideAndRear) {
            bool rear = value != kExitSide;
            bool side = value != kExitRear;
            CheckControl(dialog, key.controls[0], rear);
            CheckControl(dialog, key.controls[1], side);
            EnableControlRange(dialog, IDC_SIDE_X, IDC_SIDE_Z, side);
            EnableControlRange(dialog, IDC_REAR_X, IDC_REAR_Z, rear);
        }
        break;
    case kControlCheckBox:
        if (value == 0 || value == 1) {
            CheckControl(dialog, key.controls[0], value == 1);
        }
        break;
    case kControlText:
        SetControlText(dialog, key.controls[0], text); // the stored text as typed
        break;
    }
}

// What the variant shows besides its check mark: the amount label and, for cargo and
// liquid, the choices locked to the rear exit.
static void ShowVariant(HWND dialog, int variant) {
    switch (variant) {
    case kVariantParatroopers:
        SetAmountLabel(dialog, kLabelParatroopers);
        break;
    case kVariantCargo:
        LockToRearExit(dialog);
        SetAmountLabel(dialog, kLabelCargo);
        break;
    case kVariantFire:
        LockToRearExit(dialog);
        SetAmountLabel(dialog, kLabelFire);
        break;
    default:
        break;
    }
}

void ReadFileToDialog(HWND dialog, const char* modelName) {
    char path[kConfigPathSize];
    char value[kConfigValueSize];
    ConfigFilePath(modelName, path);
    // Fields show the stored text as typed; the record holds its whole-number value.
    for (int i = 0; i < kConfigKeyCount; i++) {
        const ConfigKey& key = kConfigKeys[i];
        int number = ReadConfigInt(path, key.name, value);
        StoreConfigKey(key, number, &gAirdropState.config);
        ShowKeyValue(dialog, key, number, value);
        if (i == kKeyIndexVariant) {
            ShowVariant(dialog, number);
        }
    }
}
