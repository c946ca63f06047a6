// The exit points as the window holds them.
#include "simhost/app/window/ExitEdit.h"

#include <math.h>
#include <stdio.h>

namespace {

// The configuration dialog's creating mode: paratroopers, one stream, rear exit, simple
// realism, no effects, amount 0, every coordinate 0.
AircraftConfig CreatingModeConfig() {
    AircraftConfig config = AircraftConfig();
    config.variant = kVariantParatroopers;
    config.method = kMethodOneStream;
    config.exitType = kExitRear;
    return config;
}

double* Coordinate(AircraftConfig* config, int index) {
    double* coordinates[6] = {&config->leftX, &config->leftY, &config->leftZ,
                              &config->downX, &config->downY, &config->downZ};
    return coordinates[index];
}

bool SameCoordinates(const AircraftConfig& a, const AircraftConfig& b) {
    return a.leftX == b.leftX && a.leftY == b.leftY && a.leftZ == b.leftZ && a.downX == b.downX &&
           a.downY == b.downY && a.downZ == b.downZ;
}

void Write(const std::string& path, const char* key, double value) {
    char text[32];
    snprintf(text, sizeof(text), "%ld", lround(value));
    WriteConfigValue(path.c_str(), key, text);
}

void ReadFile(ExitEdit* edit) {
    edit->fileExists = ExitConfigRead(edit->path, &edit->saved);
    if (!edit->fileExists) {
        edit->saved = CreatingModeConfig();
    }
    edit->config = edit->saved;
}

} // namespace

void ExitEditFollow(ExitEdit* edit, const std::string& modelName) {
    if (edit->known && edit->modelName == modelName && ExitEditDirty(*edit)) {
        return;
    }
    edit->known = true;
    edit->modelName = modelName;
    char path[kConfigPathSize];
    edit->path = !modelName.empty() && ConfigFilePath(modelName.c_str(), path) ? path : "";
    ReadFile(edit);
}

bool ExitEditCanSave(const ExitEdit& edit) {
    return !edit.path.empty();
}

bool ExitEditDirty(const ExitEdit& edit) {
    return !SameCoordinates(edit.config, edit.saved);
}

void ExitEditMoveTo(ExitEdit* edit, int which, double x, double y, double z) {
    if (which < 0 || which > 3 || !ExitEditCanSave(*edit)) {
        return;
    }
    int first = which < 2 ? 0 : 3;
    double sign = which % 2 ? -1.0 : 1.0;
    *Coordinate(&edit->config, first) = (double)lround(sign * x);
    *Coordinate(&edit->config, first + 1) = (double)lround(y);
    *Coordinate(&edit->config, first + 2) = (double)lround(z);
}

bool ExitEditSave(ExitEdit* edit) {
    if (!ExitEditCanSave(*edit)) {
        return false;
    }
    const std::string& path = edit->path;
    if (!edit->fileExists) {
        // As the dialog's creating mode: the file and its folders, then every key in the
        // dialog's order.
        ConfigFileState state = {};
        if (CreateConfigFile(edit->modelName.c_str(), &state) != 1) {
            return false;
        }
        WriteConfigValue(path.c_str(), kKeyVariant, "1");
        WriteConfigValue(path.c_str(), kKeyMethod, "1");
        WriteConfigValue(path.c_str(), kKeyType, "1");
        WriteConfigValue(path.c_str(), kKeyRealism, "0");
        WriteConfigValue(path.c_str(), kKeyVisual, "0");
        WriteConfigValue(path.c_str(), kKeyNumber, "0");
    }
    Write(path, kKeyLeftX, edit->config.leftX);
    Write(path, kKeyLeftY, edit->config.leftY);
    Write(path, kKeyLeftZ, edit->config.leftZ);
    Write(path, kKeyDownX, edit->config.downX);
    Write(path, kKeyDownY, edit->config.downY);
    Write(path, kKeyDownZ, edit->config.downZ);
    AircraftConfig written = edit->config;
    ReadFile(edit);
    if (!SameCoordinates(written, edit->saved)) {
        edit->config = written; // the moves stay, unsaved
        return false;
    }
    return true;
}

void ExitEditCancel(ExitEdit* edit) {
    ReadFile(edit);
}

std::vector<ExitPoint> ExitEditPoints(const ExitEdit& edit) {
    if (!ExitEditCanSave(edit)) {
        return std::vector<ExitPoint>();
    }
    return ExitPointsOf(edit.config);
}
