// What both kinds of aircraft views draw alike: the mapping from aircraft feet to view
// pixels and back (nose to the right; the plan view from above with the right wing down,
// the side view with up upwards), the view's frame and title, the effect slots, the exit
// points, their labels placed clear of each other and of every mark (LabelPlacement.h),
// and a scale bar in feet.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "simhost/SimHost.h"
#include "simhost/app/window/ExitPoints.h"
#include "simhost/app/window/LabelPlacement.h"

struct ViewMapping {
    RECT box;
    bool plan;
    double scale;      // pixels per foot
    double midLon;     // longitudinal position drawn at the box's centre
    double midAcross;  // lateral (plan) or vertical (side) position drawn at the centre
    int cx, cy;        // the box's centre in pixels
};

ViewMapping ViewMap(const RECT& box, bool plan, double scale, double midLon, double midAcross);
// Pixels of a point in effect-slot axes (x lateral right, y up, z forward).
POINT ViewPoint(const ViewMapping& map, double x, double y, double z);
// The aircraft position under a pixel: z, and x (plan view) or y (side view), in feet.
void ViewPosition(const ViewMapping& map, POINT pixel, double* z, double* across);

// The labels of one view, gathered while its marks are drawn and placed once all are in.
struct ViewLabel {
    LabelRequest request;
    std::wstring text;
    COLORREF colour;
    HFONT font;
};
struct ViewLabels {
    std::vector<ViewLabel> labels; // the most important first
    std::vector<RECT> marks;       // every mark's box
    void Mark(POINT at, int radius);
    void Add(HDC dc, POINT at, int radius, const std::wstring& text, COLORREF colour, HFONT font);
};
// Places the labels clear of each other and of the marks, inside the view's drawing area,
// and draws them (with a leader line where one is needed).
void ViewDrawLabels(HDC dc, const ViewMapping& map, const ViewLabels& labels);
// What the last ViewDrawLabels of the plan or the side view placed: the labels' boxes,
// the marks' boxes and how many labels found no room (for tests).
struct ViewLabelRecord {
    std::vector<RECT> labels;
    std::vector<RECT> marks;
    int left = 0;
};
const ViewLabelRecord& ViewLastLabels(bool plan);
// The part of a view that labels may use: below the title, above the legend lines.
RECT ViewLabelBounds(const ViewMapping& map);

// The view's background, frame and title.
void ViewDrawFrame(HDC dc, const ViewMapping& map, const std::wstring& title);

struct SlotMark {
    std::string name; // Windows-1251; "" for a blanked slot
    double x, y, z;
};
std::vector<SlotMark> ViewSlotMarks(SimAircraft* aircraft);
// The slots as rings numbered by list position, the module's effects coloured by load
// (paratroopers green, cargo orange, liquid blue) and glowing with a stream while lit.
void ViewDrawSlots(HDC dc, const ViewMapping& map, const std::vector<SlotMark>& slots, bool lit, ViewLabels* labels);
// Colour of a slot by its effect file; `moduleEffect` tells whether it is one of the module's.
COLORREF ViewEffectColour(const std::string& name, bool* moduleEffect);

// The exit points as labelled diamonds (bright where an effect goes, dim otherwise);
// those flagged in `outside` red, still marked where they are (at the view's edge when
// beyond it), with a note along the view's bottom edge.
void ViewDrawExits(HDC dc, const ViewMapping& map, const std::vector<ExitPoint>& exits,
                   const std::vector<bool>& outside, ViewLabels* labels);
// A bar of a round number of feet in the view's lower right corner.
void ViewDrawScaleBar(HDC dc, const ViewMapping& map);
