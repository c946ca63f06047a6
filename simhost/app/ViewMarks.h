// What both kinds of aircraft views draw alike: the mapping from aircraft feet to view
// pixels (nose to the right; the plan view from above with the right wing down, the side
// view with up upwards), the view's frame and title, the effect slots, the exit points
// and a scale bar in feet.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "simhost/SimHost.h"
#include "simhost/app/ExitPoints.h"

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

// The view's background, frame and title.
void ViewDrawFrame(HDC dc, const ViewMapping& map, const wchar_t* title);

struct SlotMark {
    std::string name; // Windows-1251; "" for a blanked slot
    double x, y, z;
};
std::vector<SlotMark> ViewSlotMarks(SimAircraft* aircraft);
// The slots as rings numbered by list position, the module's effects coloured by load
// (paratroopers green, cargo orange, liquid blue) and glowing with a stream while lit.
void ViewDrawSlots(HDC dc, const ViewMapping& map, const std::vector<SlotMark>& slots, bool lit);
// Colour of a slot by its effect file; `moduleEffect` tells whether it is one of the module's.
COLORREF ViewEffectColour(const std::string& name, bool* moduleEffect);

// The exit points as labelled diamonds (bright where an effect goes, dim otherwise);
// those flagged in `outside` red, with a note along the view's bottom edge.
void ViewDrawExits(HDC dc, const ViewMapping& map, const std::vector<ExitPoint>& exits,
                   const std::vector<bool>& outside);
// A bar of a round number of feet in the view's lower right corner.
void ViewDrawScaleBar(HDC dc, const ViewMapping& map);
