// The plan and side views of the user aircraft.
#include "simhost/app/AircraftViews.h"

#include <math.h>
#include <wchar.h>

#include <algorithm>
#include <vector>

#include "simhost/app/ViewPaint.h"

namespace {

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
    ViewFillBox(dc, box, kPanel);
    ViewFrame(dc, box, RGB(70, 80, 95));
    ViewText(dc, box.left + 8, box.top + 4, plan ? L"Plan view (from above, nose right)" : L"Side view (nose right)",
         kDim, ViewGetFonts().small);

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
    ViewText(dc, box.right - 70, cy - 8, L"forward ->", kDim, ViewGetFonts().small);
    ViewText(dc, box.left + 8, box.bottom - 18, plan ? L"up: left (x < 0), down: right (x > 0)" : L"up: y > 0",
         kDim, ViewGetFonts().small);

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
        ViewText(dc, sx + 8, sy - 16, label, kText, ViewGetFonts().small);
    }
}

} // namespace

void AircraftViewsDraw(HDC dc, const RECT& planBox, const RECT& sideBox, const HostViewModel& model) {
    std::vector<SlotPoint> slots = Slots(model.aircraft);
    std::vector<SlotPoint> ownSlots;
    if (model.file) {
        for (const SimSlotSpec& spec : model.file->spec.slots) {
            ownSlots.push_back({spec.effectFile, spec.x, spec.y, spec.z});
        }
    }
    ViewScale fit = FitScale(planBox, sideBox, slots, ownSlots);
    DrawView(dc, planBox, true, slots, fit, model.lit);
    DrawView(dc, sideBox, false, slots, fit, model.lit);
}
