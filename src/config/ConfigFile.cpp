#include "config/ConfigFile.h"

#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#include "module/HostServices.h"

const char kConfigSection[] = "General";

static const char kPathFormat[] = "Modules/KestrelFieldWorks/KFWS_Airdrop/%s.cfg";
const char kMakerFolder[] = "Modules/KestrelFieldWorks";
static const char kMakerFolderTest[] = "Modules\\KestrelFieldWorks";
const char kProductFolder[] = "Modules/KestrelFieldWorks/KFWS_Airdrop";

static const char kMsgNoAtcModel[] = "Не указан параметр atc_model в файле aircraft.cfg!\n";
static const char kMsgMakerFolderFailed[] = "1 - Ошибка создания каталога!\n";
static const char kMsgProductFolderFailed[] = "2 - Ошибка создания каталога!\n";
static const char kMsgFileCreated[] = "Файл конфигурации создан!\n";

// Device names (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, CONIN$, CONOUT$): the
// platform opens the device instead of a file whatever extension follows, so a save to
// such a name would be lost while reported as done. The platform compares the part
// before the first dot, without trailing blanks, in any case.
static bool IsDeviceName(const char* modelName) {
    size_t length = strcspn(modelName, ".");
    while (length > 0 && modelName[length - 1] == ' ') {
        length--;
    }
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (size_t i = 0; i < sizeof(kDevices) / sizeof(kDevices[0]); i++) {
        if (length == strlen(kDevices[i]) && _strnicmp(modelName, kDevices[i], length) == 0) {
            return true;
        }
    }
    return length == 4 && (_strnicmp(modelName, "COM", 3) == 0 || _strnicmp(modelName, "LPT", 3) == 0) &&
           modelName[3] >= '1' && modelName[3] <= '9';
}

int CheckModelName(const char* modelName) {
    if (strlen(modelName) > (size_t)kMaxModelNameLength) {
        return kNameTooLong;
    }
    if (strpbrk(modelName, "/\\:") != NULL) {
        return kNameSeparator;
    }
    // Without separators the whole name is the one path part.
    if (strcmp(modelName, "..") == 0) {
        return kNameDotDot;
    }
    return IsDeviceName(modelName) ? kNameDevice : kNameUsable;
}

bool IsUsableModelName(const char* modelName) {
    return CheckModelName(modelName) == kNameUsable;
}

bool ConfigFilePath(const char* modelName, char* path) {
    path[0] = '\0';
    if (!IsUsableModelName(modelName)) {
        return false;
    }
    snprintf(path, kConfigPathSize, kPathFormat, modelName);
    return true;
}

// The platform's profile functions take the full path, the current folder in front, in
// 260 characters; a longer path may still be opened by some systems' CreateFileA, so a file
// could be created that no value can be written to or read from.
bool IsReachableConfigPath(const char* path) {
    DWORD needed = GetFullPathNameA(path, 0, NULL, NULL); // characters, terminating zero included
    return needed != 0 && needed <= (DWORD)kConfigPathSize;
}

int CheckConfigFile(const char* modelName, ConfigFileState* fileState) {
    if (modelName[0] == '\0') {
        fileState->state = -1;
        ShowMessage(kMsgNoAtcModel);
        return -1;
    }
    char path[kConfigPathSize];
    if (!ConfigFilePath(modelName, path) || !IsReachableConfigPath(path)) {
        fileState->state = 0;
        return 0;
    }
    fileState->handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, NULL);
    if (fileState->handle == INVALID_HANDLE_VALUE) {
        fileState->state = 0;
        return 0;
    }
    CloseHandle(fileState->handle);
    fileState->state = 1;
    return 1;
}

// Makes the folders that lie on the path; false (with its message) when one cannot be made.
static bool CreateConfigFolders(void) {
    if (!PathIsDirectoryA(kMakerFolderTest)) {
        if (!CreateDirectoryA(kMakerFolder, NULL)) {
            ShowMessage(kMsgMakerFolderFailed);
            return false;
        }
    }
    if (!CreateDirectoryA(kProductFolder, NULL)) {
        ShowMessage(kMsgProductFolderFailed);
        return false;
    }
    return true;
}

int CreateConfigFile(const char* modelName, ConfigFileState* fileState) {
    char path[kConfigPathSize];
    if (!ConfigFilePath(modelName, path) || !IsReachableConfigPath(path)) {
        ShowMessage(kMsgProductFolderFailed);
        return 0;
    }
    // At most two passes: once the folders exist, a second failure to open the file
    // makes the product folder's creation fail, which ends the operation.
    for (;;) {
        fileState->handle = CreateFileA(path, 0, 0, NULL, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, NULL);
        if (fileState->handle != INVALID_HANDLE_VALUE) {
            break;
        }
        if (!CreateConfigFolders()) {
            return 0;
        }
    }
    ShowMessage(kMsgFileCreated);
    fileState->state = 1;
    CloseHandle(fileState->handle);
    return 1;
}

// An empty path stands for a refused model name: it reads as empty and is never written,
// since the platform would resolve it to a file outside the simulator.
void ReadConfigValue(const char* path, const char* key, char* value) {
    value[0] = '\0';
    if (path[0] == '\0') {
        return;
    }
    GetPrivateProfileStringA(kConfigSection, key, "", value, kConfigValueSize, path);
}

bool WriteConfigValue(const char* path, const char* key, const char* text) {
    if (path[0] == '\0') {
        return false;
    }
    BOOL written = WritePrivateProfileStringA(kConfigSection, key, text, path);
    // Put the change on disk now, so other programs see it at once. (What this flush
    // returns says nothing about the value: some systems give 0 for it always.)
    WritePrivateProfileStringA(NULL, NULL, NULL, path);
    return written != FALSE;
}

int ParseConfigInt(const char* text) {
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) {
        p++;
    }
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        p++;
    }
    const long long limit = 2147483648LL; // magnitude of the most negative value
    long long magnitude = 0;
    for (; *p >= '0' && *p <= '9'; p++) {
        if (magnitude <= limit) {
            magnitude = magnitude * 10 + (*p - '0');
        }
    }
    if (negative) {
        return magnitude >= limit ? (int)(-limit) : (int)-magnitude;
    }
    return magnitude > limit - 1 ? (int)(limit - 1) : (int)magnitude;
}

int ReadConfigInt(const char* path, const char* key, char* value) {
    ReadConfigValue(path, key, value);
    return ParseConfigInt(value);
}

int ReadConfigInt(const char* path, const char* key) {
    char value[kConfigValueSize];
    return ReadConfigInt(path, key, value);
}

