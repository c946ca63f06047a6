// The dialog's set-up when it opens, and the reading of a configuration file into it.
#include "config/ConfigFile.h"
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

// Cargo and liquid leave by one stream through the rear exit only.
static void LockToRearExit(HWND dialog) {
    EnableControl(dialog, IDC_METHOD_ONE, false);
    EnableControl(dialog, IDC_METHOD_TWO, false);
    EnableControl(dialog, IDC_TYPE_REAR, false);
    EnableControl(dialog, IDC_TYPE_SIDE, false);
    EnableControlRange(dialog, IDC_SIDE_X, IDC_SIDE_Z, false);
    EnableControlRange(dialog, IDC_REAR_X, IDC_REAR_Z, true);
}

// Reads one key as text into `value` and returns its integer value.
static int ReadKey(const char* path, const char* key, char* value) {
    ReadConfigValue(path, key, value);
    return ParseConfigInt(value);
}

void ReadFileToDialog(HWND dialog, const char* modelName) {
    char path[kConfigPathSize];
    char value[kConfigValueSize];
    AircraftConfig& config = gAirdropState.config;
    ConfigFilePath(modelName, path);

    config.variant = ReadKey(path, kKeyVariant, value);
    switch (config.variant) {
    case kVariantParatroopers:
        CheckControl(dialog, IDC_VARIANT_PARATROOPERS, true);
        SetAmountLabel(dialog, kLabelParatroopers);
        break;
    case kVariantCargo:
        CheckControl(dialog, IDC_VARIANT_CARGO, true);
        LockToRearExit(dialog);
        SetAmountLabel(dialog, kLabelCargo);
        break;
    case kVariantFire:
        CheckControl(dialog, IDC_VARIANT_FIRE, true);
        LockToRearExit(dialog);
        SetAmountLabel(dialog, kLabelFire);
        break;
    default:
        break;
    }

    config.method = ReadKey(path, kKeyMethod, value);
    if (config.method == kMethodOneStream) {
        CheckControl(dialog, IDC_METHOD_ONE, true);
    } else if (config.method == kMethodTwoStreams) {
        CheckControl(dialog, IDC_METHOD_TWO, true);
    }

    config.exitType = ReadKey(path, kKeyType, value);
    if (config.exitType == kExitRear || config.exitType == kExitSide ||
        config.exitType == kExitSideAndRear) {
        bool rear = config.exitType != kExitSide;
        bool side = config.exitType != kExitRear;
        CheckControl(dialog, IDC_TYPE_REAR, rear);
        CheckControl(dialog, IDC_TYPE_SIDE, side);
        EnableControlRange(dialog, IDC_SIDE_X, IDC_SIDE_Z, side);
        EnableControlRange(dialog, IDC_REAR_X, IDC_REAR_Z, rear);
    }

    config.realism = ReadKey(path, kKeyRealism, value);
    if (config.realism == 0 || config.realism == 1) {
        CheckControl(dialog, IDC_REALISM, config.realism == 1);
    }
    config.visual = ReadKey(path, kKeyVisual, value);
    if (config.visual == 0 || config.visual == 1) {
        CheckControl(dialog, IDC_VISUAL, config.visual == 1);
    }

    config.number = ReadKey(path, kKeyNumber, value);
    SetControlText(dialog, IDC_NUMBER, value);

    // Fields show the stored text as typed; the record holds its whole-number value.
    const char* coordinateKeys[] = {kKeyLeftX, kKeyLeftY, kKeyLeftZ, kKeyDownX, kKeyDownY, kKeyDownZ};
    double* coordinates[] = {&config.leftX, &config.leftY, &config.leftZ,
                             &config.downX, &config.downY, &config.downZ};
    for (int i = 0; i < 6; i++) {
        *coordinates[i] = ReadKey(path, coordinateKeys[i], value);
        SetControlText(dialog, IDC_SIDE_X + i, value);
    }
}
