// The host window: its controls, its layout and its painting.
#include "simhost/app/window/HostView.h"

#include <commctrl.h>
#include <math.h>

#include <algorithm>

#include "simhost/app/window/AircraftViews.h"
#include "simhost/app/window/HostPanels.h"
#include "simhost/app/window/HostWindowState.h"
#include "simhost/app/window/ViewPaint.h"

namespace {

const COLORREF kUnsaved = RGB(255, 214, 64);
const COLORREF kFailed = RGB(255, 90, 80);

HWND Control(HWND window, int id, const wchar_t* className, SimTextId text, DWORD style) {
    HWND control = CreateWindowExW(0, className, ViewSay(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10,
                                   window, (HMENU)(INT_PTR)id, GetModuleHandleA(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, (WPARAM)ViewGetFonts().normal, 0);
    return control;
}

void AddTip(HWND tooltip, HWND window, int id, SimTextId text) {
    std::wstring tip = ViewSay(text);
    TTTOOLINFOW info = {};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = window;
    info.uId = (UINT_PTR)GetDlgItem(window, id);
    info.lpszText = &tip[0];
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, (LPARAM)&info);
}

std::wstring Whole(double value) {
    return std::to_wstring((long)value);
}

// The bar's text: what is unsaved, or what the last save did, or how to move the points;
// on the right, where the cursor is in the configuration file's axes.
void DrawBar(HDC dc, const RECT& bar) {
    HostWindowState& s = HostWindow();
    int y = bar.top + 7;
    RECT text = {bar.left + 220, y, bar.right - 8, bar.bottom};
    if (s.cursorIn) {
        std::wstring where = ViewSay(s.cursorPlan ? kTextViewReadoutPlan : kTextViewReadoutSide,
                                     {std::to_wstring(lround(s.cursorAcross)), std::to_wstring(lround(s.cursorZ))});
        SIZE size = ViewTextSize(dc, where, ViewGetFonts().bold);
        ViewText(dc, bar.right - 8 - size.cx, y, where, kText, ViewGetFonts().bold);
        text.right = bar.right - 24 - size.cx;
    }
    const AircraftConfig& c = s.edit.config;
    if (!ExitEditCanSave(s.edit)) {
        ViewTextIn(dc, text, ViewSay(kTextViewNoModel), kDim, ViewGetFonts().normal);
    } else if (ExitEditDirty(s.edit)) {
        ViewTextIn(dc, text,
                   ViewSay(kTextViewUnsaved, {Whole(c.leftX), Whole(c.leftY), Whole(c.leftZ), Whole(c.downX),
                                              Whole(c.downY), Whole(c.downZ)}),
                   kUnsaved, ViewGetFonts().bold);
    } else if (!s.status.empty()) {
        ViewTextIn(dc, text, s.status, s.statusFailed ? kFailed : kText, ViewGetFonts().normal);
    } else {
        ViewTextIn(dc, text, ViewSay(s.edit.fileExists ? kTextViewDragHint : kTextViewNoFileYet), kDim,
                   ViewGetFonts().normal);
    }
}

} // namespace

void HostViewCreateControls(HWND window) {
    HostWindowState& s = HostWindow();
    s.window = window;
    // The host's painting must not cover its own controls.
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_CLIPCHILDREN);
    Control(window, kHostViewOnGroundId, L"BUTTON", kTextViewOnGround, BS_AUTOCHECKBOX);
    Control(window, kHostViewParkingBrakeId, L"BUTTON", kTextViewParkingBrake, BS_AUTOCHECKBOX);
    Control(window, kHostViewSaveId, L"BUTTON", kTextViewSave, BS_PUSHBUTTON | WS_DISABLED);
    Control(window, kHostViewCancelId, L"BUTTON", kTextViewCancel, BS_PUSHBUTTON | WS_DISABLED);
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    s.tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, GetModuleHandleA(nullptr), nullptr);
    AddTip(s.tooltip, window, kHostViewSaveId, kTextViewSaveTip);
    AddTip(s.tooltip, window, kHostViewCancelId, kTextViewCancelTip);
    // The window opens at its usual size, made smaller where the screen's work area is.
    RECT work = {0, 0, 1280, 1024};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT frame;
    GetWindowRect(window, &frame);
    int width = std::min<int>(frame.right - frame.left, work.right - work.left);
    int height = std::min<int>(frame.bottom - frame.top, work.bottom - work.top);
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    HostViewLayout(window);
}

void HostViewLayout(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    ViewLayout layout = ViewLayoutFor(client.right, client.bottom, true, true);
    int y = layout.flags.top + 18;
    MoveWindow(GetDlgItem(window, kHostViewOnGroundId), 16, y, 150, 20, TRUE);
    MoveWindow(GetDlgItem(window, kHostViewParkingBrakeId), 176, y, 160, 20, TRUE);
    MoveWindow(GetDlgItem(window, kHostViewSaveId), layout.bar.left, layout.bar.top + 2, 100, 26, TRUE);
    MoveWindow(GetDlgItem(window, kHostViewCancelId), layout.bar.left + 106, layout.bar.top + 2, 100, 26, TRUE);
    InvalidateRect(window, nullptr, FALSE);
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
    HostWindowState& s = HostWindow();
    s.window = window;
    ExitEditFollow(&s.edit, model.file ? model.file->spec.atcModel : std::string());
    CheckPanelFollow(&s.check, model, s.edit.path, s.checkDue);
    s.checkDue = false;
    s.outline = model.file ? model.file->outline : CfgOutline{0, 0, 0, 0, 0, 0, false};
    bool dirty = ExitEditDirty(s.edit);
    EnableWindow(GetDlgItem(window, kHostViewSaveId), dirty);
    EnableWindow(GetDlgItem(window, kHostViewCancelId), dirty);

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

    bool toScale = model.file && model.file->spec.cfg;
    bool effects = !model.simulatorFolder.empty();
    s.layout = ViewLayoutFor(width, height, toScale, effects);
    const ViewLayout& layout = s.layout;
    HostPanelAircraft(dc, layout.aircraft, model);
    ViewText(dc, 16, layout.flags.top, ViewSay(kTextViewFlagsTitle), kDim, ViewGetFonts().small);
    HostPanelStations(dc, layout.stations, model);
    if (layout.effects.bottom > layout.effects.top) {
        HostPanelEffectFiles(dc, layout.effects, model);
    }
    HostPanelScreen(dc, layout.screen, model);
    CheckPanelDraw(dc, layout.check, &s.check);
    DrawBar(dc, layout.bar);

    AircraftScene scene;
    scene.model = &model;
    scene.exits = ExitEditPoints(s.edit);
    scene.fitExits = s.dragging >= 0 ? s.fitExits : scene.exits;
    AircraftViewsDraw(dc, layout.plan, layout.side, scene, &s.plan, &s.side);
    s.mapped = true;

    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EndPaint(window, &paint);
}
