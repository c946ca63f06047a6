// What both kinds of aircraft views draw alike.
#include "simhost/app/window/ViewMarks.h"

#include <math.h>
#include <wchar.h>

#include <algorithm>

#include "simhost/app/window/ViewPaint.h"
#include "simhost/lib/SimText.h"

namespace {

const COLORREF kExitUsed = RGB(255, 230, 90);
const COLORREF kExitUnused = RGB(150, 140, 90);
const COLORREF kExitOutside = RGB(255, 60, 60);

void Diamond(HDC dc, POINT at, int radius, COLORREF colour, bool filled) {
    HPEN pen = CreatePen(PS_SOLID, 2, colour);
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, filled ? (HGDIOBJ)brush : GetStockObject(NULL_BRUSH));
    POINT corners[4] = {{at.x, at.y - radius}, {at.x + radius, at.y}, {at.x, at.y + radius}, {at.x - radius, at.y}};
    Polygon(dc, corners, 4);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

} // namespace

ViewMapping ViewMap(const RECT& box, bool plan, double scale, double midLon, double midAcross) {
    ViewMapping map;
    map.box = box;
    map.plan = plan;
    map.scale = scale;
    map.midLon = midLon;
    map.midAcross = midAcross;
    map.cx = (box.left + box.right) / 2;
    map.cy = (box.top + box.bottom) / 2 + 8;
    return map;
}

void ViewPosition(const ViewMapping& map, POINT pixel, double* z, double* across) {
    *z = (pixel.x - map.cx) / map.scale + map.midLon;
    double value = (map.cy - pixel.y) / map.scale + map.midAcross;
    *across = map.plan ? -value : value;
}

void ViewLabels::Mark(POINT at, int radius) {
    RECT box = {at.x - radius, at.y - radius, at.x + radius + 1, at.y + radius + 1};
    marks.push_back(box);
}

void ViewLabels::Add(HDC dc, POINT at, int radius, const std::wstring& text, COLORREF colour, HFONT font) {
    Mark(at, radius);
    ViewLabel label = {{at, radius + 3, ViewTextSize(dc, text, font)}, text, colour, font};
    labels.push_back(label);
}

RECT ViewLabelBounds(const ViewMapping& map) {
    RECT bounds = {map.box.left + 2, map.box.top + 20, map.box.right - 2, map.box.bottom - 38};
    return bounds;
}

static ViewLabelRecord& LastLabels(bool plan) {
    static ViewLabelRecord records[2];
    return records[plan ? 1 : 0];
}

const ViewLabelRecord& ViewLastLabels(bool plan) {
    return LastLabels(plan);
}

void ViewDrawLabels(HDC dc, const ViewMapping& map, const ViewLabels& labels) {
    std::vector<LabelRequest> requests;
    for (const ViewLabel& label : labels.labels) {
        requests.push_back(label.request);
    }
    std::vector<LabelPlace> places = PlaceLabels(requests, labels.marks, ViewLabelBounds(map));
    ViewLabelRecord& record = LastLabels(map.plan);
    record = ViewLabelRecord();
    record.marks = labels.marks;
    for (size_t i = 0; i < places.size(); i++) {
        const LabelPlace& place = places[i];
        if (!place.placed) {
            record.left++;
            continue;
        }
        record.labels.push_back(place.box);
        if (place.leader) {
            HPEN pen = CreatePen(PS_SOLID, 1, labels.labels[i].colour);
            HGDIOBJ old = SelectObject(dc, pen);
            MoveToEx(dc, place.from.x, place.from.y, nullptr);
            LineTo(dc, place.to.x, place.to.y);
            SelectObject(dc, old);
            DeleteObject(pen);
        }
        ViewText(dc, place.box.left, place.box.top, labels.labels[i].text, labels.labels[i].colour,
                 labels.labels[i].font);
    }
}

POINT ViewPoint(const ViewMapping& map, double x, double y, double z) {
    double across = map.plan ? -x : y;
    POINT point;
    point.x = map.cx + (int)lround((z - map.midLon) * map.scale);
    point.y = map.cy - (int)lround((across - map.midAcross) * map.scale);
    return point;
}

void ViewDrawFrame(HDC dc, const ViewMapping& map, const std::wstring& title) {
    ViewFillBox(dc, map.box, kPanel);
    ViewFrame(dc, map.box, RGB(70, 80, 95));
    ViewText(dc, map.box.left + 8, map.box.top + 4, title, kDim, ViewGetFonts().small);
    std::wstring forward = ViewSay(kTextViewForward);
    SIZE size = ViewTextSize(dc, forward, ViewGetFonts().small);
    ViewText(dc, map.box.right - 8 - size.cx, map.box.top + 4, forward, kDim, ViewGetFonts().small);
}

COLORREF ViewEffectColour(const std::string& name, bool* moduleEffect) {
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

std::vector<SlotMark> ViewSlotMarks(SimAircraft* aircraft) {
    std::vector<SlotMark> marks;
    for (size_t k = 0; aircraft && k < aircraft->slots.size(); k++) {
        const char* name = SimSlotName(aircraft, k);
        marks.push_back({name ? name : "", SimSlotCoord(aircraft, k, 0), SimSlotCoord(aircraft, k, 1),
                         SimSlotCoord(aircraft, k, 2)});
    }
    return marks;
}

void ViewDrawSlots(HDC dc, const ViewMapping& map, const std::vector<SlotMark>& slots, bool lit, ViewLabels* labels) {
    // Slots on one spot of the view share one label, "0/1".
    std::vector<POINT> spots;
    std::vector<std::wstring> numbers;
    std::vector<int> radii;
    for (size_t k = 0; k < slots.size(); k++) {
        const SlotMark& slot = slots[k];
        POINT at = ViewPoint(map, slot.x, slot.y, slot.z);
        bool moduleEffect = false;
        COLORREF colour = ViewEffectColour(slot.name, &moduleEffect);
        bool glowing = lit && moduleEffect;
        if (glowing) {
            // The emitters run: a halo and a stream leaving the aircraft.
            HPEN rays = CreatePen(PS_SOLID, 2, colour);
            HGDIOBJ previous = SelectObject(dc, rays);
            for (int i = 0; i < 8; i++) {
                double angle = i * 3.14159265 / 4;
                MoveToEx(dc, at.x + (int)(9 * cos(angle)), at.y + (int)(9 * sin(angle)), nullptr);
                LineTo(dc, at.x + (int)(16 * cos(angle)), at.y + (int)(16 * sin(angle)));
            }
            for (int i = 1; i <= 4; i++) {
                int tx = at.x - i * 12;
                int ty = map.plan ? at.y : at.y + i * 9;
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
        Ellipse(dc, at.x - radius, at.y - radius, at.x + radius + 1, at.y + radius + 1);
        SelectObject(dc, previousBrush);
        SelectObject(dc, previousPen);
        DeleteObject(fill);
        DeleteObject(ring);
        size_t spot = 0;
        while (spot < spots.size() && (spots[spot].x != at.x || spots[spot].y != at.y)) {
            spot++;
        }
        if (spot == spots.size()) {
            spots.push_back(at);
            numbers.push_back(std::to_wstring(k));
            radii.push_back(glowing ? 16 : radius); // a glowing slot's rays are part of its mark
        } else {
            numbers[spot] += L"/" + std::to_wstring(k);
            radii[spot] = std::max(radii[spot], glowing ? 16 : radius);
        }
    }
    for (size_t i = 0; i < spots.size(); i++) {
        labels->Add(dc, spots[i], radii[i] + 1, numbers[i], kText, ViewGetFonts().small);
    }
}

void ViewDrawExits(HDC dc, const ViewMapping& map, const std::vector<ExitPoint>& exits,
                   const std::vector<bool>& outside, ViewLabels* labels) {
    // Points that fall on one spot of this view (a point on the centre line and its mirror;
    // a point and its mirror in the side view) share one mark, labelled "S/S'".
    struct Mark {
        POINT at;
        std::wstring label;
        bool used, out;
    };
    std::vector<Mark> marks;
    std::wstring note;
    int outsideCount = 0;
    for (size_t i = 0; i < exits.size(); i++) {
        bool out = i < outside.size() && outside[i];
        std::wstring label = SimWideFromUtf8(exits[i].label);
        if (out) {
            note += (note.empty() ? L"" : L", ") + label;
            outsideCount++;
        }
        POINT at = ViewPoint(map, exits[i].x, exits[i].y, exits[i].z);
        // A point beyond the view is marked on its edge.
        at.x = std::min(std::max(at.x, map.box.left + 6), map.box.right - 7);
        at.y = std::min(std::max(at.y, map.box.top + 6), map.box.bottom - 7);
        Mark* same = nullptr;
        for (Mark& mark : marks) {
            same = mark.at.x == at.x && mark.at.y == at.y ? &mark : same;
        }
        if (same) {
            same->label += L"/" + label;
            same->used = same->used || exits[i].used;
            same->out = same->out || out;
        } else {
            marks.push_back({at, label, exits[i].used, out});
        }
    }
    for (const Mark& mark : marks) {
        COLORREF colour = mark.out ? kExitOutside : mark.used ? kExitUsed : kExitUnused;
        Diamond(dc, mark.at, mark.used ? 6 : 4, colour, mark.used);
        labels->Add(dc, mark.at, 7, mark.label, colour, ViewGetFonts().bold);
    }
    if (!note.empty()) {
        ViewText(dc, map.box.left + 8, map.box.bottom - 34,
                 ViewSay(outsideCount > 1 ? kTextViewOutsideMany : kTextViewOutsideOne, {note}), kExitOutside,
                 ViewGetFonts().bold);
    }
}

void ViewDrawScaleBar(HDC dc, const ViewMapping& map) {
    static const double kSteps[] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 500};
    double feet = kSteps[0];
    for (double step : kSteps) {
        if (step * map.scale <= 160) {
            feet = step;
        }
    }
    int length = (int)lround(feet * map.scale);
    int right = map.box.right - 16;
    int y = map.box.bottom - 14;
    HPEN pen = CreatePen(PS_SOLID, 2, kText);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, right - length, y - 5, nullptr);
    LineTo(dc, right - length, y);
    LineTo(dc, right, y);
    LineTo(dc, right, y - 6);
    SelectObject(dc, old);
    DeleteObject(pen);
    ViewText(dc, right - length, y - 20, ViewSay(kTextViewFeet, {ViewNumber(feet)}), kText, ViewGetFonts().small);
}
