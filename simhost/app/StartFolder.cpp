// The simulator folder of a double-click start.
#include "simhost/app/StartFolder.h"

#include <windows.h>

#include <shlobj.h>

#include "simhost/lib/SimFiles.h"
#include "simhost/lib/SimText.h"
#include "simhost/lib/SimTexts.h"

namespace {

const wchar_t kSettingsKey[] = L"Software\\KestrelFieldWorks\\simhost";
const wchar_t kFolderValue[] = L"SimulatorFolder";
const char kToolsTail[] = "\\Modules\\KestrelFieldWorks\\Tools";

// The folder as the program's ANSI paths hold it.
std::string Ansi(const std::wstring& wide) {
    int length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(length > 0 ? (size_t)length : 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &text[0], length, nullptr, nullptr);
    text.resize(text.size() - 1);
    return text;
}

// The picker opens with `initial` (a wide path) selected, when there is one.
int CALLBACK SelectInitial(HWND picker, UINT message, LPARAM, LPARAM initial) {
    if (message == BFFM_INITIALIZED && initial) {
        SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, initial);
    }
    return 0;
}

std::string Pick(const std::string& initial) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::wstring title = SimWideFromUtf8(SimText(kTextPickSimulatorFolder));
    BROWSEINFOW browse = {};
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    std::wstring start = SimCp1251ToWide(initial);
    browse.lpfn = SelectInitial;
    browse.lParam = initial.empty() ? 0 : (LPARAM)start.c_str();
    LPITEMIDLIST item = SHBrowseForFolderW(&browse);
    std::string folder;
    if (item) {
        wchar_t path[MAX_PATH] = L"";
        if (SHGetPathFromIDListW(item, path)) {
            folder = Ansi(path);
        }
        CoTaskMemFree(item);
    }
    return folder;
}

} // namespace

std::string StartFolderOfLayout(const std::string& programFolder) {
    std::string folder = programFolder;
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) {
        folder.pop_back();
    }
    for (char& c : folder) {
        c = c == '/' ? '\\' : c;
    }
    size_t tail = sizeof(kToolsTail) - 1;
    if (folder.size() <= tail || lstrcmpiA(folder.c_str() + folder.size() - tail, kToolsTail) != 0) {
        return "";
    }
    return folder.substr(0, folder.size() - tail);
}

std::string StartFolderRemembered(void) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return "";
    }
    wchar_t value[MAX_PATH + 1] = L"";
    DWORD size = sizeof(value) - sizeof(wchar_t); // the last character stays the terminating zero
    DWORD type = 0;
    LONG result = RegQueryValueExW(key, kFolderValue, nullptr, &type, (BYTE*)value, &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_SZ ? Ansi(value) : std::string();
}

void StartFolderForget(void) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, kFolderValue);
        RegCloseKey(key);
    }
}

bool StartFolderRemember(const std::string& folder) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    int length = MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? (size_t)length : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    LONG result = RegSetValueExW(key, kFolderValue, 0, REG_SZ, (const BYTE*)wide.c_str(),
                                 (DWORD)((wide.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

std::string StartFolderChoose(const std::string& programFolder) {
    std::string folder = StartFolderOfLayout(programFolder);
    if (!folder.empty()) {
        return folder;
    }
    folder = StartFolderRemembered();
    if (!folder.empty() && SimIsFolder(folder)) {
        return folder;
    }
    // The person chooses; in the unpacked zip the picker starts on the example simulator
    // folder beside the program (Tools\simulator), which one click opens.
    folder = SimChildPath(programFolder, "simulator");
    return Pick(SimIsFolder(SimChildPath(folder, "Aircraft")) ? folder : std::string());
}
