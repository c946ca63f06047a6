// The plan and side views of an aircraft built from an aircraft.cfg, drawn to scale in
// feet from the reference datum: the outline (the box of the wheels, scrape points and
// span), the fuselage between the foremost and the aftmost contact point, the wing from
// span, root chord, area and sweep, the contact points (wheels and scrape points marked),
// the payload stations with their current weights, every effect slot, and the exit
// points with their mirrors, those outside the outline in red.
#pragma once

#include <windows.h>

#include "simhost/app/window/AircraftScene.h"
#include "simhost/app/window/ViewMarks.h"

void ScaleViewsDraw(HDC dc, const RECT& planBox, const RECT& sideBox, const AircraftScene& scene,
                    ViewMapping* plan, ViewMapping* side);
