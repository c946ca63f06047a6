#include "simhost/app/HostView.h"

#include <math.h>
#include <stdio.h>

#include <algorithm>
#include <vector>

#include "simhost/lib/SimText.h"

namespace {

// The left column keeps clear of the configuration dialog, which opens at the client
// area's top-left corner.
const int kLeftWidth = 350;
const int kDialogHeight = 420;

const COLORREF kBackground = RGB(32, 40, 52);
const COLORREF kPanel = RGB(20, 26, 34);
const COLORREF kText = RGB(220, 226, 235);
const COLORREF kDim = RGB(140, 150, 165);
const COLORREF kScreenText = RGB(255, 214, 64);

struct Fonts {
    HFONT normal;
    HFONT bold;
    HFONT small;
    HFONT screen;
};

Fonts& GetFonts() {
    static Fonts fonts = {};
    if (!fonts.normal) {
        fonts.normal = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
        fonts.bold = CreateFontW(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
        fonts.small = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
        fonts.screen = CreateFontW(-15, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    }
    return fonts;
}

std::wstring Wide(const std::string& utf8) {
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), nullptr, 0);
    std::wstring wide((size_t)length, L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &wide[0], length);
    }
    return wide;
}

void Text(HDC dc, int x, int y, const std::wstring& text, COLORREF color, HFONT font) {
    SelectObject(dc, font);
    SetTextColor(dc, color);
    TextOutW(dc, x, y, text.c_str(), (int)text.size());
}

void FillBox(HDC dc, const RECT& box, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

void Frame(HDC dc, const RECT& box, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FrameRect(dc, &box, brush);
    DeleteObject(brush);
}

// Colour of a slot by the effect file it points at.
COLORREF EffectColour(const std::string& name, bool* moduleEffect) {
    *moduleEffect = true;
    if (name == "fx_KFWS_Desant.fx") {
        return RGB(90, 220, 110);
    }
    if (name == "fx_KFWS_Cargo.fx") {
        return RGB(240, 160, 60);
    }
    if (name == "fx_KFWS_Fire.fx") {
        return RGB(80, 170, 255);
    }
    *moduleEffect = false;
    return name.empty() ? RGB(110, 110, 120) : RGB(235, 235, 235);
}

struct SlotPoint {
    std::string name;
    double x, y, z;
};

std::vector<SlotPoint> Slots(SimAircraft* aircraft) {
    std::vector<SlotPoint> points;
    if (!aircraft) {
        return points;
    }
    for (size_t k = 0; k < aircraft->slots.size(); k++) {
        const char* name = SimSlotName(aircraft, k);
        points.push_back({name ? name : "", SimSlotCoord(aircraft, k, 0), SimSlotCoord(aircraft, k, 1),
                          SimSlotCoord(aircraft, k, 2)});
    }
    return points;
}

// One view of the aircraft: nose to the right; plan view from above (right wing down),
// side view with up upwards.
// One scale for both views, fitted to the aircraft's own slots and the current ones, so
// that it stays put while the module moves slots about.
struct ViewScale {
    double scale;  // pixels per unit
    double length; // half the drawn fuselage length, in units
    double span;   // half the drawn wing span, in units
};

ViewScale FitScale(const RECT& planBox, const RECT& sideBox, const std::vector<SlotPoint>& slots,
                   const std::vector<SlotPoint>& ownSlots) {
    double span = 0.0;
    for (const SlotPoint& slot : ownSlots) {
        span = std::max(span, fabs(slot.x));
    }
    double along = std::max(12.0, span * 0.95);
    double acrossPlan = std::max(4.0, span * 1.1);
    double acrossSide = 4.0;
    for (const std::vector<SlotPoint>* list : {&slots, &ownSlots}) {
        for (const SlotPoint& slot : *list) {
            along = std::max(along, fabs(slot.z) * 1.25);
            acrossPlan = std::max(acrossPlan, fabs(slot.x) * 1.15);
            acrossSide = std::max(acrossSide, fabs(slot.y) * 1.15);
        }
    }
    ViewScale fit;
    fit.scale = std::min({(planBox.right - planBox.left - 60) / (2.0 * along),
                          (planBox.bottom - planBox.top - 50) / (2.0 * acrossPlan),
                          (sideBox.bottom - sideBox.top - 50) / (2.0 * acrossSide)});
    fit.length = along * 0.85;
    fit.span = span > 0 ? span * 1.05 : fit.length * 0.9;
    return fit;
}

void DrawView(HDC dc, const RECT& box, bool plan, const std::vector<SlotPoint>& slots, const ViewScale& fit,
              bool lit) {
    FillBox(dc, box, kPanel);
    Frame(dc, box, RGB(70, 80, 95));
    Text(dc, box.left + 8, box.top + 4, plan ? L"Plan view (from above, nose right)" : L"Side view (nose right)",
         kDim, GetFonts().small);

    int width = box.right - box.left;
    int height = box.bottom - box.top;
    int cx = box.left + width / 2;
    int cy = box.top + height / 2 + 8;
    double scale = fit.scale;
    auto px = [&](double z) { return cx + (int)lround(z * scale); };
    auto py = [&](double v) { return cy - (int)lround(v * scale); };

    // A schematic aircraft: its length from the slots' spread, its span reaching the
    // aircraft's own outermost slots (wing-tip lights) and never beyond the view.
    double length = fit.length;
    double maxSpan = (height / 2 - 24) / scale;
    double span = std::min(fit.span, maxSpan);
    HPEN outline = CreatePen(PS_SOLID, 1, RGB(120, 135, 155));
    HBRUSH body = CreateSolidBrush(RGB(55, 65, 80));
    HGDIOBJ oldPen = SelectObject(dc, outline);
    HGDIOBJ oldBrush = SelectObject(dc, body);
    int half = std::max(6, (int)(length * scale * 0.09));
    if (plan) {
        for (int side = -1; side <= 1; side += 2) {
            POINT wing[4] = {{px(length * 0.15), cy}, {px(-length * 0.02), py(side * span)},
                             {px(-length * 0.14), py(side * span)}, {px(-length * 0.18), cy}};
            Polygon(dc, wing, 4);
            POINT tail[4] = {{px(-length * 0.74), cy}, {px(-length * 0.86), py(side * span * 0.35)},
                             {px(-length * 0.95), py(side * span * 0.35)}, {px(-length * 0.93), cy}};
            Polygon(dc, tail, 4);
        }
        Ellipse(dc, px(-length), cy - half, px(length), cy + half);
    } else {
        double finHeight = std::min(length * 0.3, maxSpan);
        POINT fin[4] = {{px(-length * 0.75), cy}, {px(-length * 0.9), py(finHeight)},
                        {px(-length * 0.98), py(finHeight)}, {px(-length * 0.97), cy}};
        Polygon(dc, fin, 4);
        Ellipse(dc, px(-length), cy - half, px(length), cy + half);
        MoveToEx(dc, px(-length * 0.2), cy - half, nullptr);
        LineTo(dc, px(length * 0.15), cy - half);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(outline);
    DeleteObject(body);

    // Axis hints.
    Text(dc, box.right - 70, cy - 8, L"forward ->", kDim, GetFonts().small);
    Text(dc, box.left + 8, box.bottom - 18, plan ? L"up: left (x < 0), down: right (x > 0)" : L"up: y > 0",
         kDim, GetFonts().small);

    for (size_t k = 0; k < slots.size(); k++) {
        const SlotPoint& slot = slots[k];
        int sx = px(slot.z);
        int sy = py(plan ? -slot.x : slot.y);
        bool moduleEffect = false;
        COLORREF colour = EffectColour(slot.name, &moduleEffect);
        bool glowing = lit && moduleEffect;
        if (glowing) {
            // The emitters run: a halo and a stream leaving the aircraft.
            HPEN rays = CreatePen(PS_SOLID, 2, colour);
            HGDIOBJ previous = SelectObject(dc, rays);
            for (int i = 0; i < 8; i++) {
                double angle = i * 3.14159265 / 4;
                MoveToEx(dc, sx + (int)(9 * cos(angle)), sy + (int)(9 * sin(angle)), nullptr);
                LineTo(dc, sx + (int)(16 * cos(angle)), sy + (int)(16 * sin(angle)));
            }
            for (int i = 1; i <= 4; i++) {
                int tx = sx - i * 12;
                int ty = plan ? sy : sy + i * 9;
                Ellipse(dc, tx - 3, ty - 3, tx + 3, ty + 3);
            }
            SelectObject(dc, previous);
            DeleteObject(rays);
        }
        HBRUSH fill = CreateSolidBrush(glowing ? RGB(255, 255, 200) : colour);
        HPEN ring = CreatePen(PS_SOLID, 2, colour);
        HGDIOBJ previousBrush = SelectObject(dc, slot.name.empty() ? GetStockObject(NULL_BRUSH) : fill);
        HGDIOBJ previousPen = SelectObject(dc, ring);
        int radius = glowing ? 7 : 5;
        Ellipse(dc, sx - radius, sy - radius, sx + radius + 1, sy + radius + 1);
        SelectObject(dc, previousBrush);
        SelectObject(dc, previousPen);
        DeleteObject(fill);
        DeleteObject(ring);
        wchar_t label[16];
        swprintf(label, 16, L"%u", (unsigned)k);
        Text(dc, sx + 8, sy - 16, label, kText, GetFonts().small);
    }
}

std::wstring Number(double value) {
    return Wide(SimFormatNumber(value));
}

void DrawScreen(HDC dc, const RECT& box, const std::string& screenText) {
    FillBox(dc, box, RGB(8, 10, 14));
    Frame(dc, box, RGB(70, 80, 95));
    Text(dc, box.left + 8, box.top + 4, L"Host screen (last on-screen message)", kDim, GetFonts().small);
    RECT textBox = {box.left + 10, box.top + 22, box.right - 10, box.bottom - 6};
    std::wstring text = SimCp1251ToWide(screenText);
    // A long text (the status report) gets the smaller font so that all of it shows.
    bool longText = std::count(text.begin(), text.end(), L'\n') > 5;
    SelectObject(dc, longText ? GetFonts().bold : GetFonts().screen);
    SetTextColor(dc, kScreenText);
    DrawTextW(dc, text.c_str(), (int)text.size(), &textBox, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK);
}

void DrawAircraft(HDC dc, const RECT& box, const HostViewModel& model) {
    int x = box.left + 12;
    int y = box.top + 10;
    Text(dc, x, y, L"Aircraft", kDim, GetFonts().small);
    y += 16;
    if (!model.file) {
        return;
    }
    Text(dc, x, y, Wide(model.file->title), kText, GetFonts().bold);
    y += 20;
    std::wstring model_name = SimCp1251ToWide(model.file->spec.atcModel);
    Text(dc, x, y, L"atc_model: " + (model_name.empty() ? std::wstring(L"(empty)") : L"\"" + model_name + L"\""), kText,
         GetFonts().normal);
    y += 18;
    Text(dc, x, y, L"Centre of gravity: " + Number(model.file->centreOfGravity * 100.0) + L" % MAC", kText,
         GetFonts().normal);
    y += 18;
    unsigned stations = model.aircraft ? SimStationCount(model.aircraft) : 0;
    size_t slots = model.aircraft ? model.aircraft->slots.size() : 0;
    Text(dc, x, y, L"Payload stations: " + std::to_wstring(stations) + L"    effect slots: " + std::to_wstring(slots),
         kText, GetFonts().normal);
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
    Text(dc, x, y, L"Hotkeys (one hand)", kDim, GetFonts().small);
    y += 16;
    for (const wchar_t* line : kHotkeys) {
        Text(dc, x, y, line, kText, GetFonts().normal);
        y += 17;
    }
}

void DrawStations(HDC dc, const RECT& box, SimAircraft* aircraft) {
    int x = box.left + 12;
    int y = box.top + 4;
    Text(dc, x, y, L"Payload stations (lb)", kDim, GetFonts().small);
    y += 18;
    unsigned count = aircraft ? SimStationCount(aircraft) : 0;
    if (count == 0) {
        Text(dc, x, y, L"none", kText, GetFonts().normal);
        return;
    }
    double total = 0;
    int rowHeight = 17;
    int rows = std::max(1, (int)((box.bottom - y - 22) / rowHeight));
    for (unsigned i = 0; i < count; i++) {
        double weight = i < aircraft->stationWeights.size() ? aircraft->stationWeights[i] : 0.0;
        total += weight;
        int column = (int)i / rows;
        if (column > 2) {
            continue;
        }
        int row = (int)i % rows;
        Text(dc, x + column * 110, y + row * rowHeight, std::to_wstring(i + 1) + L": " + Number(weight), kText,
             GetFonts().normal);
    }
    Text(dc, x, box.bottom - 20, L"total " + Number(total) + L" lb", kText, GetFonts().bold);
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
    SendMessageW(ground, WM_SETFONT, (WPARAM)GetFonts().normal, 0);
    SendMessageW(brake, WM_SETFONT, (WPARAM)GetFonts().normal, 0);
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
    FillBox(dc, client, kBackground);

    RECT aircraftBox = {0, 0, kLeftWidth, kDialogHeight};
    DrawAircraft(dc, aircraftBox, model);
    RECT flagsLabel = {0, kDialogHeight, kLeftWidth, kDialogHeight + 12};
    (void)flagsLabel;
    Text(dc, 16, kDialogHeight - 4, L"Aircraft flags (click to change)", kDim, GetFonts().small);
    RECT stationsBox = {0, kDialogHeight + 44, kLeftWidth, height - 8};
    DrawStations(dc, stationsBox, model.aircraft);

    int right = kLeftWidth + 10;
    RECT screenBox = {right, 8, width - 8, 212};
    DrawScreen(dc, screenBox, model.screenText);
    std::vector<SlotPoint> slots = Slots(model.aircraft);
    std::vector<SlotPoint> ownSlots;
    if (model.file) {
        for (const SimSlotSpec& spec : model.file->spec.slots) {
            ownSlots.push_back({spec.effectFile, spec.x, spec.y, spec.z});
        }
    }
    int planHeight = (height - 228) * 3 / 5;
    RECT planBox = {right, 220, width - 8, 220 + planHeight};
    RECT sideBox = {right, planBox.bottom + 8, width - 8, height - 8};
    ViewScale fit = FitScale(planBox, sideBox, slots, ownSlots);
    DrawView(dc, planBox, true, slots, fit, model.lit);
    DrawView(dc, sideBox, false, slots, fit, model.lit);

    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EndPaint(window, &paint);
}
