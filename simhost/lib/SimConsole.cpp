#include "simhost/lib/SimConsole.h"

#include <stdio.h>

namespace {

bool WriteWide(HANDLE console, const std::string& utf8) {
    // Converted in bounded pieces that never split a UTF-8 sequence.
    const size_t kPiece = 8192;
    size_t at = 0;
    while (at < utf8.size()) {
        size_t end = at + kPiece < utf8.size() ? at + kPiece : utf8.size();
        while (end < utf8.size() && end > at && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) {
            --end;
        }
        int bytes = static_cast<int>(end - at);
        int count = MultiByteToWideChar(CP_UTF8, 0, utf8.data() + at, bytes, nullptr, 0);
        if (count <= 0) return false;
        std::wstring wide(static_cast<size_t>(count), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, utf8.data() + at, bytes, &wide[0], count);
        DWORD written = 0;
        if (!WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr)) {
            return false;
        }
        at = end;
    }
    return true;
}

bool WriteBytes(HANDLE handle, const std::string& utf8) {
    size_t at = 0;
    while (at < utf8.size()) {
        DWORD written = 0;
        DWORD piece = static_cast<DWORD>(utf8.size() - at > 65536 ? 65536 : utf8.size() - at);
        if (!WriteFile(handle, utf8.data() + at, piece, &written, nullptr) || written == 0) return false;
        at += written;
    }
    return true;
}

}  // namespace

bool SimWriteText(HANDLE handle, const std::string& utf8) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) return WriteWide(handle, utf8);
    return WriteBytes(handle, utf8);
}

bool SimPrintOut(const std::string& utf8) {
    fflush(stdout);
    return SimWriteText(GetStdHandle(STD_OUTPUT_HANDLE), utf8);
}

bool SimPrintError(const std::string& utf8) {
    fflush(stderr);
    return SimWriteText(GetStdHandle(STD_ERROR_HANDLE), utf8);
}

namespace {

bool IsSet(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

bool SimAttachParentConsole(void) {
    bool outSet = IsSet(GetStdHandle(STD_OUTPUT_HANDLE));
    bool errorSet = IsSet(GetStdHandle(STD_ERROR_HANDLE));
    if ((outSet && errorSet) || !AttachConsole(ATTACH_PARENT_PROCESS)) return false;
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    if (!outSet) {
        SetStdHandle(STD_OUTPUT_HANDLE, console);
        freopen("CONOUT$", "w", stdout);
    }
    if (!errorSet) {
        SetStdHandle(STD_ERROR_HANDLE, console);
        freopen("CONOUT$", "w", stderr);
    }
    return true;
}
