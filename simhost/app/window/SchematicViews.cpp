// The views of an aircraft known only by its effect slots (an aircraft file): a
// schematic aircraft sized to the slots' spread, with the slots and exit points on it.
#include "simhost/app/window/SchematicViews.h"

#include <math.h>

#include <algorithm>
#include <vector>

#include "simhost/app/window/ViewMarks.h"
#include "simhost/app/window/ViewPaint.h"

namespace {

// One scale for both views, fitted to the aircraft's own slots and the current ones, so
// that it stays put while the module moves slots about.
struct ViewScale {
    double scale;  // pixels per unit
    double length; // half the drawn fuselage length, in units
    double span;   // half the drawn wing span, in units
};

ViewScale FitScale(const RECT& planBox, const RECT& sideBox, const std::vector<SlotMark>& slots,
                   const std::vector<SlotMark>& ownSlots) {
    double span = 0.0;
    for (const SlotMark& slot : ownSlots) {
        span = std::max(span, fabs(slot.x));
    }
    double along = std::max(12.0, span * 0.95);
    double acrossPlan = std::max(4.0, span * 1.1);
    double acrossSide = 4.0;
    for (const std::vector<SlotMark>* list : {&slots, &ownSlots}) {
        for (const SlotMark& slot : *list) {
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

// A schematic aircraft: its length from the slots' spread, its span reaching the
// aircraft's own outermost slots (wing-tip lights) and never beyond the view.
void DrawSchematic(HDC dc, const RECT& box, bool plan, const ViewScale& fit) {
    int width = box.right - box.left;
    int height = box.bottom - box.top;
    int cx = box.left + width / 2;
    int cy = box.top + height / 2 + 8;
    double scale = fit.scale;
    auto px = [&](double z) { return cx + (int)lround(z * scale); };
    auto py = [&](double v) { return cy - (int)lround(v * scale); };

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
}

ViewMapping DrawView(HDC dc, const RECT& box, bool plan, const ViewScale& fit, const AircraftScene& scene) {
    const HostViewModel& model = *scene.model;
    ViewMapping map = ViewMap(box, plan, fit.scale, 0, 0);
    ViewDrawFrame(dc, map, ViewSay(plan ? kTextViewPlanSchematic : kTextViewSideSchematic));
    DrawSchematic(dc, box, plan, fit);
    ViewText(dc, box.left + 8, box.bottom - 18, ViewSay(plan ? kTextViewPlanAxes : kTextViewSideAxes), kDim,
             ViewGetFonts().small);
    ViewLabels labels;
    ViewDrawExits(dc, map, scene.exits, std::vector<bool>(), &labels);
    ViewDrawSlots(dc, map, ViewSlotMarks(model.aircraft), model.lit, &labels);
    ViewDrawLabels(dc, map, labels);
    ViewDrawScaleBar(dc, map);
    return map;
}

} // namespace

void SchematicViewsDraw(HDC dc, const RECT& planBox, const RECT& sideBox, const AircraftScene& scene,
                        ViewMapping* plan, ViewMapping* side) {
    const HostViewModel& model = *scene.model;
    std::vector<SlotMark> slots = ViewSlotMarks(model.aircraft);
    std::vector<SlotMark> ownSlots;
    if (model.file) {
        for (const SimSlotSpec& spec : model.file->spec.slots) {
            ownSlots.push_back({spec.effectFile, spec.x, spec.y, spec.z});
        }
    }
    for (const ExitPoint& exit : scene.fitExits) {
        slots.push_back({"", exit.x, exit.y, exit.z}); // the exits are fitted in too
    }
    ViewScale fit = FitScale(planBox, sideBox, slots, ownSlots);
    *plan = DrawView(dc, planBox, true, fit, scene);
    *side = DrawView(dc, sideBox, false, fit, scene);
}
