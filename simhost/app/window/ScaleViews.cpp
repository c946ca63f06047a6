// The plan and side views of an aircraft built from an aircraft.cfg, drawn to scale.
#include "simhost/app/window/ScaleViews.h"

#include <math.h>

#include <algorithm>
#include <vector>

#include "simhost/app/window/ViewMarks.h"
#include "simhost/app/window/ViewPaint.h"
#include "simhost/lib/AircraftCfg.h"

namespace {

const double kPi = 3.14159265358979323846;
const COLORREF kBody = RGB(55, 65, 80);
const COLORREF kBodyEdge = RGB(120, 135, 155);
const COLORREF kOutline = RGB(95, 110, 130);
const COLORREF kStation = RGB(200, 150, 90);

// Effect-slot axes: x lateral, y vertical, z longitudinal (datum feet).
struct Point3 {
    double x, y, z;
};

// Half of the wing's planform (right side), datum feet: root leading and trailing edge,
// tip trailing and leading edge.
bool WingPlanform(const AircraftCfg& cfg, Point3 corners[4]) {
    if (!cfg.wingSpan || !cfg.wingRootChord || !(*cfg.wingSpan > 0) || !(*cfg.wingRootChord > 0)) {
        return false;
    }
    double span = *cfg.wingSpan, root = *cfg.wingRootChord;
    double taper = cfg.wingArea ? 2 * *cfg.wingArea / (span * root) - 1 : 1.0;
    taper = std::min(1.5, std::max(0.05, taper));
    // Without an apex position the reference point, a quarter root chord behind the
    // leading edge, places the wing.
    double apex = cfg.wingApexLon.value_or(root / 4) - cfg.datumLon;
    double tipLead = apex - span / 2 * tan(cfg.wingSweep.value_or(0) * kPi / 180);
    corners[0] = {0, 0, apex};
    corners[1] = {0, 0, apex - root};
    corners[2] = {span / 2, 0, tipLead - taper * root};
    corners[3] = {span / 2, 0, tipLead};
    return true;
}

struct Extent {
    double lo = 1e300, hi = -1e300;
    void Add(double v) {
        if (isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    double Size() const { return hi > lo ? hi - lo : 1.0; }
    double Mid() const { return hi >= lo ? (lo + hi) / 2 : 0.0; }
};

std::vector<Point3> Stations(const AircraftCfg& cfg) {
    std::vector<Point3> points;
    for (const CfgStation& station : cfg.stations) {
        points.push_back({station.lat, station.vert, station.lon});
    }
    return points;
}

void Box(HDC dc, POINT a, POINT b, COLORREF edge, int style) {
    HPEN pen = CreatePen(style, 1, edge);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
}

void DrawAirframe(HDC dc, const ViewMapping& map, const AircraftCfg& cfg, const CfgOutline& outline) {
    HPEN pen = CreatePen(PS_SOLID, 1, kBodyEdge);
    HBRUSH brush = CreateSolidBrush(kBody);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    double length = outline.maxLon - outline.minLon;
    double half = std::max(1.5, length * 0.05); // the file gives no fuselage width
    Point3 wing[4];
    if (map.plan && WingPlanform(cfg, wing)) {
        for (int side = -1; side <= 1; side += 2) {
            POINT corners[4];
            for (int i = 0; i < 4; i++) {
                corners[i] = ViewPoint(map, side * wing[i].x, 0, wing[i].z);
            }
            Polygon(dc, corners, 4);
        }
    }
    double midVert = (outline.minVert + outline.maxVert) / 2;
    double halfHeight = (outline.maxVert - outline.minVert) * 0.3;
    POINT a = map.plan ? ViewPoint(map, -half, 0, outline.maxLon) : ViewPoint(map, 0, midVert + halfHeight, outline.maxLon);
    POINT b = map.plan ? ViewPoint(map, half, 0, outline.minLon) : ViewPoint(map, 0, midVert - halfHeight, outline.minLon);
    int round = std::abs(a.y - b.y);
    RoundRect(dc, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y), round, round);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
    // The outline the exit points are checked against.
    POINT low = ViewPoint(map, outline.minLat, outline.minVert, outline.minLon);
    POINT high = ViewPoint(map, outline.maxLat, outline.maxVert, outline.maxLon);
    Box(dc, low, high, kOutline, PS_DOT);
}

void DrawContactPoints(HDC dc, const ViewMapping& map, const AircraftCfg& cfg, ViewLabels* labels) {
    HPEN pen = CreatePen(PS_SOLID, 2, kText);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(GRAY_BRUSH));
    for (const CfgContactPoint& point : cfg.contactPoints) {
        POINT at = ViewPoint(map, point.lat, point.vert, point.lon);
        if (point.pointClass != 0) {
            labels->Mark(at, 5);
        }
        if (point.pointClass == 1) { // wheel
            Ellipse(dc, at.x - 4, at.y - 4, at.x + 5, at.y + 5);
        } else if (point.pointClass == 2) { // scrape point
            MoveToEx(dc, at.x - 4, at.y - 4, nullptr);
            LineTo(dc, at.x + 5, at.y + 5);
            MoveToEx(dc, at.x + 4, at.y - 4, nullptr);
            LineTo(dc, at.x - 5, at.y + 5);
        } else if (point.pointClass != 0) {
            Rectangle(dc, at.x - 3, at.y - 3, at.x + 4, at.y + 4);
        }
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
}

void DrawStations(HDC dc, const ViewMapping& map, const AircraftCfg& cfg, const SimAircraft* aircraft,
                  ViewLabels* labels) {
    HBRUSH brush = CreateSolidBrush(kStation);
    std::vector<Point3> stations = Stations(cfg);
    for (size_t i = 0; i < stations.size(); i++) {
        POINT at = ViewPoint(map, stations[i].x, stations[i].y, stations[i].z);
        RECT mark = {at.x - 4, at.y - 4, at.x + 4, at.y + 4};
        FillRect(dc, &mark, brush);
        double weight = aircraft && i < aircraft->stationWeights.size() ? aircraft->stationWeights[i] : 0.0;
        std::wstring label = std::to_wstring(i + 1) + (map.plan ? L":" + ViewNumber(weight) : L"");
        labels->Add(dc, at, 4, label, kStation, ViewGetFonts().small);
    }
    DeleteObject(brush);
}

void DrawView(HDC dc, const ViewMapping& map, const AircraftScene& scene, const std::vector<bool>& outside) {
    const HostViewModel& model = *scene.model;
    const AircraftCfg& cfg = *model.file->spec.cfg;
    ViewDrawFrame(dc, map, ViewSay(map.plan ? kTextViewPlanToScale : kTextViewSideToScale));
    if (model.file->outline.known) {
        DrawAirframe(dc, map, cfg, model.file->outline);
    }
    // Labels in the order of their importance: exit points, slots, stations.
    ViewLabels labels;
    ViewDrawExits(dc, map, scene.exits, outside, &labels);
    ViewDrawSlots(dc, map, ViewSlotMarks(model.aircraft), model.lit, &labels);
    DrawContactPoints(dc, map, cfg, &labels);
    DrawStations(dc, map, cfg, model.aircraft, &labels);
    ViewDrawLabels(dc, map, labels);
    ViewDrawScaleBar(dc, map);
    ViewTextIn(dc, {map.box.left + 8, map.box.bottom - 18, map.box.right - 8, map.box.bottom - 2}, ViewSay(kTextViewLegend),
               kDim, ViewGetFonts().small);
}

} // namespace

void ScaleViewsDraw(HDC dc, const RECT& planBox, const RECT& sideBox, const AircraftScene& scene,
                    ViewMapping* plan, ViewMapping* side) {
    const HostViewModel& model = *scene.model;
    const AircraftCfg& cfg = *model.file->spec.cfg;
    const CfgOutline& outline = model.file->outline;
    std::vector<Point3> points = Stations(cfg);
    for (const CfgContactPoint& point : cfg.contactPoints) {
        points.push_back({point.lat, point.vert, point.lon});
    }
    for (const SlotMark& slot : ViewSlotMarks(model.aircraft)) {
        points.push_back({slot.x, slot.y, slot.z});
    }
    for (const ExitPoint& exit : scene.fitExits) {
        points.push_back({exit.x, exit.y, exit.z});
    }
    Point3 wing[4];
    if (WingPlanform(cfg, wing)) {
        for (const Point3& corner : wing) {
            points.push_back(corner);
            points.push_back({-corner.x, corner.y, corner.z});
        }
    }
    if (outline.known) {
        points.push_back({outline.minLat, outline.minVert, outline.minLon});
        points.push_back({outline.maxLat, outline.maxVert, outline.maxLon});
    }
    Extent lon, lat, vert;
    for (const Point3& point : points) {
        lon.Add(point.z);
        lat.Add(point.x);
        vert.Add(point.y);
    }
    // One scale for both views, so that they line up along the aircraft.
    double scale = std::min({(planBox.right - planBox.left - 80) / lon.Size(),
                             (planBox.bottom - planBox.top - 90) / lat.Size(),
                             (sideBox.bottom - sideBox.top - 90) / vert.Size()});
    std::vector<bool> outside;
    for (const ExitPoint& exit : scene.exits) {
        outside.push_back(outline.known && CfgPointOutside(outline, exit.x, exit.y, exit.z));
    }
    *plan = ViewMap(planBox, true, scale, lon.Mid(), -lat.Mid());
    *side = ViewMap(sideBox, false, scale, lon.Mid(), vert.Mid());
    DrawView(dc, *plan, scene, outside);
    DrawView(dc, *side, scene, outside);
}
