// The host window's text panels.
#include "simhost/app/window/HostPanels.h"

#include <stdio.h>

#include <algorithm>

#include "simhost/app/host/AircraftSource.h"
#include "simhost/app/host/EffectFiles.h"
#include "simhost/app/window/ViewPaint.h"
#include "simhost/lib/SimText.h"

void HostPanelScreen(HDC dc, const RECT& box, const HostViewModel& model) {
    ViewFillBox(dc, box, RGB(8, 10, 14));
    ViewFrame(dc, box, RGB(70, 80, 95));
    ViewText(dc, box.left + 8, box.top + 4, ViewSay(kTextViewScreenTitle), kDim, ViewGetFonts().small);
    RECT textBox = {box.left + 10, box.top + 22, box.right - 10, box.bottom - 6};
    std::wstring text = SimCp1251ToWide(model.screenText);
    // A long text (the status report) gets the smaller font so that all of it shows.
    bool longText = std::count(text.begin(), text.end(), L'\n') > 5;
    SelectObject(dc, longText ? ViewGetFonts().bold : ViewGetFonts().screen);
    SetTextColor(dc, kScreenText);
    DrawTextW(dc, text.c_str(), (int)text.size(), &textBox, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK);
}

void HostPanelAircraft(HDC dc, const RECT& box, const HostViewModel& model) {
    int x = box.left + 12;
    int y = box.top + 10;
    ViewText(dc, x, y, ViewSay(kTextViewAircraftTitle), kDim, ViewGetFonts().small);
    y += 16;
    if (!model.file) {
        return;
    }
    ViewText(dc, x, y, SimWideFromUtf8(model.file->title), kText, ViewGetFonts().bold);
    y += 20;
    std::wstring modelName = SimCp1251ToWide(model.file->spec.atcModel);
    ViewText(dc, x, y, L"atc_model: " + (modelName.empty() ? ViewSay(kTextViewEmptyModel) : L"\"" + modelName + L"\""),
             kText, ViewGetFonts().normal);
    y += 18;
    // As the module's status report writes it: percent of the MAC, one decimal.
    wchar_t percent[32];
    swprintf(percent, 32, L"%.1f", model.centreOfGravity * 100.0);
    ViewText(dc, x, y, ViewSay(kTextViewCentreOfGravity, {percent}), kText, ViewGetFonts().normal);
    y += 18;
    unsigned stations = model.aircraft ? SimStationCount(model.aircraft) : 0;
    size_t slots = model.aircraft ? model.aircraft->slots.size() : 0;
    ViewText(dc, x, y, ViewSay(kTextViewCounts, {std::to_wstring(stations), std::to_wstring(slots)}), kText,
             ViewGetFonts().normal);
    y += 30;
    static const struct {
        const wchar_t* keys;
        SimTextId what;
    } kHotkeys[] = {
        {L"Ctrl+Shift+1", kTextViewKeyLoad},        {L"Ctrl+Shift+Space", kTextViewKeyStart},
        {L"Ctrl+Shift+Alt+1", kTextViewKeyEmergency}, {L"Ctrl+Shift+9", kTextViewKeyReport},
        {L"Ctrl+Shift+0", kTextViewKeyDialog},      {L"Ctrl+Shift+Alt+0", kTextViewKeyReacquire},
    };
    ViewText(dc, x, y, ViewSay(kTextViewHotkeysTitle), kDim, ViewGetFonts().small);
    y += 16;
    for (const auto& hotkey : kHotkeys) {
        ViewText(dc, x, y, hotkey.keys, kText, ViewGetFonts().normal);
        ViewTextIn(dc, {x + 120, y, box.right - 4, y + 17}, ViewSay(hotkey.what), kText, ViewGetFonts().normal);
        y += 17;
    }
    ViewText(dc, x, y, ViewSay(kTextViewModuleMenu), kText, ViewGetFonts().normal);
    y += 17;
    if (!AircraftSourceCatalogue().empty()) {
        ViewText(dc, x, y, ViewSay(kTextViewAircraftMenu), kText, ViewGetFonts().normal);
    }
}

void HostPanelStations(HDC dc, const RECT& box, const HostViewModel& model) {
    int x = box.left + 12;
    int y = box.top + 4;
    ViewText(dc, x, y, ViewSay(kTextViewStationsTitle), kDim, ViewGetFonts().small);
    y += 18;
    SimAircraft* aircraft = model.aircraft;
    unsigned count = aircraft ? SimStationCount(aircraft) : 0;
    if (count == 0) {
        ViewText(dc, x, y, ViewSay(kTextViewNone), kText, ViewGetFonts().normal);
        return;
    }
    // Named stations (an aircraft.cfg) get a column each the width of two.
    bool named = model.file && !model.file->stationNames.empty();
    int rowHeight = 17;
    int rows = std::max(1, (int)((box.bottom - y - 22) / rowHeight));
    // As few columns as the rows allow, the names getting the width.
    int columns = std::max(1, std::min(named ? 2 : 3, ((int)count + rows - 1) / rows));
    int columnWidth = (box.right - box.left - 12) / columns;
    double total = 0;
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
            name = L" " + SimWideFromUtf8(model.file->stationNames[i]);
        }
        int left = x + column * columnWidth;
        ViewTextIn(dc, {left, y + row * rowHeight, left + columnWidth - 6, y + (row + 1) * rowHeight},
                   std::to_wstring(i + 1) + name + L": " + ViewNumber(weight), kText, ViewGetFonts().normal);
    }
    ViewText(dc, x, box.bottom - 20, ViewSay(kTextViewTotal, {ViewNumber(total)}), kText, ViewGetFonts().bold);
}

// The effect files the module's slots name, as found in the simulator folder.
void HostPanelEffectFiles(HDC dc, const RECT& box, const HostViewModel& model) {
    int x = box.left + 12;
    int y = box.top + 4;
    ViewText(dc, x, y, ViewSay(kTextViewEffectsTitle), kDim, ViewGetFonts().small);
    y += 18;
    std::vector<ModuleSlotEffect> effects = EffectFilesOfModuleSlots(model.aircraft, model.simulatorFolder);
    if (effects.empty()) {
        ViewText(dc, x, y, ViewSay(kTextViewNoModuleEffects), kText, ViewGetFonts().normal);
    }
    for (const ModuleSlotEffect& effect : effects) {
        if (y > box.bottom - 16) {
            break;
        }
        COLORREF colour = effect.file.exists ? kText : RGB(255, 60, 60);
        std::string line = EffectFileDescribe(effect.file, effect.name);
        line = line.substr(line.find('\\') + 1); // the heading names the folder
        ViewTextIn(dc, {x, y, box.right - 4, y + 17}, std::to_wstring(effect.slot) + L"  " + SimWideFromUtf8(line), colour,
                   ViewGetFonts().small);
        y += 17;
    }
}
