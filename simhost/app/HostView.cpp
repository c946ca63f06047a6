// The host window's panel: the host screen, the aircraft and the hotkeys, its flags and stations.
#include "simhost/app/HostView.h"

#include <algorithm>

#include "simhost/app/AircraftViews.h"
#include "simhost/app/ViewPaint.h"
#include "simhost/app/host/AircraftSource.h"
#include "simhost/app/host/EffectFiles.h"
#include "simhost/lib/SimText.h"

namespace {

// The left column keeps clear of the configuration dialog, which opens at the client
// area's top-left corner.
const int kLeftWidth = 350;
const int kDialogHeight = 420;

void DrawScreen(HDC dc, const RECT& box, const std::string& screenText) {
    ViewFillBox(dc, box, RGB(8, 10, 14));
    ViewFrame(dc, box, RGB(70, 80, 95));
    ViewText(dc, box.left + 8, box.top + 4, L"Host screen (last on-screen message)", kDim, ViewGetFonts().small);
    RECT textBox = {box.left + 10, box.top + 22, box.right - 10, box.bottom - 6};
    std::wstring text = SimCp1251ToWide(screenText);
    // A long text (the status report) gets the smaller font so that all of it shows.
    bool longText = std::count(text.begin(), text.end(), L'\n') > 5;
    SelectObject(dc, longText ? ViewGetFonts().bold : ViewGetFonts().screen);
    SetTextColor(dc, kScreenText);
    DrawTextW(dc, text.c_str(), (int)text.size(), &textBox, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK);
}

void DrawAircraft(HDC dc, const RECT& box, const HostViewModel& model) {
    int x = box.left + 12;
    int y = box.top + 10;
    ViewText(dc, x, y, L"Aircraft", kDim, ViewGetFonts().small);
    y += 16;
    if (!model.file) {
        return;
    }
    ViewText(dc, x, y, ViewWide(model.file->title), kText, ViewGetFonts().bold);
    y += 20;
    std::wstring model_name = SimCp1251ToWide(model.file->spec.atcModel);
    ViewText(dc, x, y, L"atc_model: " + (model_name.empty() ? std::wstring(L"(empty)") : L"\"" + model_name + L"\""), kText,
         ViewGetFonts().normal);
    y += 18;
    ViewText(dc, x, y, L"Centre of gravity: " + ViewNumber(model.centreOfGravity * 100.0) + L" % MAC", kText,
         ViewGetFonts().normal);
    y += 18;
    unsigned stations = model.aircraft ? SimStationCount(model.aircraft) : 0;
    size_t slots = model.aircraft ? model.aircraft->slots.size() : 0;
    ViewText(dc, x, y, L"Payload stations: " + std::to_wstring(stations) + L"    effect slots: " + std::to_wstring(slots),
         kText, ViewGetFonts().normal);
    y += 30;
    static const wchar_t* kHotkeys[] = {
        L"Ctrl+Shift+1            load",
        L"Ctrl+Shift+Space      start unloading",
        L"Ctrl+Shift+Alt+1      emergency unload",
        L"Ctrl+Shift+9            status report",
        L"Ctrl+Shift+0            configuration dialog",
        L"Ctrl+Shift+Alt+0      re-read the user aircraft",
        L"Menu KestrelFieldWorks > \x0414\x0435\x0441\x0430\x043D\x0442\x0438\x0440\x043E\x0432\x0430\x043D\x0438\x0435",
    };
    ViewText(dc, x, y, L"Hotkeys (one hand)", kDim, ViewGetFonts().small);
    y += 16;
    for (const wchar_t* line : kHotkeys) {
        ViewText(dc, x, y, line, kText, ViewGetFonts().normal);
        y += 17;
    }
    if (!AircraftSourceCatalogue().empty()) {
        ViewText(dc, x, y, L"Menu \x0421\x0430\x043C\x043E\x043B\x0451\x0442: the simulator folder's aircraft", kText,
                 ViewGetFonts().normal);
    }
}

void DrawStations(HDC dc, const RECT& box, const HostViewModel& model) {
    int x = box.left + 12;
    int y = box.top + 4;
    ViewText(dc, x, y, L"Payload stations (lb)", kDim, ViewGetFonts().small);
    y += 18;
    SimAircraft* aircraft = model.aircraft;
    unsigned count = aircraft ? SimStationCount(aircraft) : 0;
    if (count == 0) {
        ViewText(dc, x, y, L"none", kText, ViewGetFonts().normal);
        return;
    }
    // Named stations (an aircraft.cfg) get a column each the width of two.
    bool named = model.file && !model.file->stationNames.empty();
    int columns = named ? 2 : 3;
    int columnWidth = (box.right - box.left - 12) / columns;
    double total = 0;
    int rowHeight = 17;
    int rows = std::max(1, (int)((box.bottom - y - 22) / rowHeight));
    for (unsigned i = 0; i < count; i++) {
        double weight = i < aircraft->stationWeights.size() ? aircraft->stationWeights[i] : 0.0;
        total += weight;
        int column = (int)i / rows;
        if (column >= columns) {
            continue;
        }
        int row = (int)i % rows;
        std::wstring name;
        if (named && i < model.file->stationNames.size() && !model.file->stationNames[i].empty()) {
            name = L" " + ViewWide(model.file->stationNames[i]);
        }
        ViewText(dc, x + column * columnWidth, y + row * rowHeight,
                 std::to_wstring(i + 1) + name + L": " + ViewNumber(weight), kText, ViewGetFonts().normal);
    }
    ViewText(dc, x, box.bottom - 20, L"total " + ViewNumber(total) + L" lb", kText, ViewGetFonts().bold);
}

// The effect files the module's slots name, as found in the simulator folder.
void DrawEffectFiles(HDC dc, const RECT& box, const HostViewModel& model) {
    int x = box.left + 12;
    int y = box.top + 4;
    ViewText(dc, x, y, L"Effect files of the module's slots (simulator's Effects folder)", kDim, ViewGetFonts().small);
    y += 18;
    std::vector<ModuleSlotEffect> effects = EffectFilesOfModuleSlots(model.aircraft, model.simulatorFolder);
    if (effects.empty()) {
        ViewText(dc, x, y, L"none: the module fills no slot now", kText, ViewGetFonts().normal);
    }
    for (const ModuleSlotEffect& effect : effects) {
        if (y > box.bottom - 16) {
            break;
        }
        COLORREF colour = effect.file.exists ? kText : RGB(255, 60, 60);
        std::string line = EffectFileDescribe(effect.file, effect.name);
        line = line.substr(line.find('\\') + 1); // the heading names the folder
        ViewText(dc, x, y, std::to_wstring(effect.slot) + L"  " + ViewWide(line), colour, ViewGetFonts().small);
        y += 17;
    }
}

} // namespace

void HostViewCreateControls(HWND window) {
    // The host's painting must not cover its own controls.
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_CLIPCHILDREN);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND ground = CreateWindowExW(0, L"BUTTON", L"On the ground", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 0, 150,
                                  20, window, (HMENU)(INT_PTR)kHostViewOnGroundId, instance, nullptr);
    HWND brake = CreateWindowExW(0, L"BUTTON", L"Parking brake set", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 0,
                                 150, 20, window, (HMENU)(INT_PTR)kHostViewParkingBrakeId, instance, nullptr);
    SendMessageW(ground, WM_SETFONT, (WPARAM)ViewGetFonts().normal, 0);
    SendMessageW(brake, WM_SETFONT, (WPARAM)ViewGetFonts().normal, 0);
    HostViewLayout(window);
}

void HostViewLayout(HWND window) {
    MoveWindow(GetDlgItem(window, kHostViewOnGroundId), 16, kDialogHeight + 14, 150, 20, TRUE);
    MoveWindow(GetDlgItem(window, kHostViewParkingBrakeId), 176, kDialogHeight + 14, 160, 20, TRUE);
}

void HostViewSetFlags(HWND window, bool onGround, bool parkingBrake) {
    SendMessageW(GetDlgItem(window, kHostViewOnGroundId), BM_SETCHECK, onGround ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(GetDlgItem(window, kHostViewParkingBrakeId), BM_SETCHECK, parkingBrake ? BST_CHECKED : BST_UNCHECKED,
                 0);
}

HBRUSH HostViewControlColours(HDC dc) {
    static HBRUSH background = CreateSolidBrush(kBackground);
    SetTextColor(dc, kText);
    SetBkColor(dc, kBackground);
    return background;
}

void HostViewInvalidate(HWND window) {
    if (window) {
        InvalidateRect(window, nullptr, FALSE);
    }
}

void HostViewPaint(HWND window, const HostViewModel& model) {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    int width = client.right;
    int height = client.bottom;
    HDC dc = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    SetBkMode(dc, TRANSPARENT);
    ViewFillBox(dc, client, kBackground);

    RECT aircraftBox = {0, 0, kLeftWidth, kDialogHeight};
    DrawAircraft(dc, aircraftBox, model);
    ViewText(dc, 16, kDialogHeight - 4, L"Aircraft flags (click to change)", kDim, ViewGetFonts().small);
    bool effects = !model.simulatorFolder.empty();
    RECT stationsBox = {0, kDialogHeight + 44, kLeftWidth, height - (effects ? 110 : 8)};
    DrawStations(dc, stationsBox, model);
    if (effects) {
        RECT effectsBox = {0, height - 104, kLeftWidth, height - 8};
        DrawEffectFiles(dc, effectsBox, model);
    }

    int right = kLeftWidth + 10;
    RECT screenBox = {right, 8, width - 8, 212};
    DrawScreen(dc, screenBox, model.screenText);
    // An aircraft drawn to scale is wider than it is high: the plan view gets more room.
    bool toScale = model.file && model.file->spec.cfg;
    int planHeight = (height - 228) * (toScale ? 68 : 60) / 100;
    RECT planBox = {right, 220, width - 8, 220 + planHeight};
    RECT sideBox = {right, planBox.bottom + 8, width - 8, height - 8};
    AircraftViewsDraw(dc, planBox, sideBox, model);

    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EndPaint(window, &paint);
}
