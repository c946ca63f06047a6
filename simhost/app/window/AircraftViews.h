// The plan and side views of the user aircraft in the host window: to scale for an
// aircraft.cfg aircraft (ScaleViews.h), a schematic for an aircraft file, which knows
// only its effect slots (SchematicViews.h). Both show the effect slots where they point
// now and the exit points, and give back how each maps feet to pixels.
#pragma once

#include <windows.h>

#include "simhost/app/window/AircraftScene.h"
#include "simhost/app/window/ViewMarks.h"

void AircraftViewsDraw(HDC dc, const RECT& planBox, const RECT& sideBox, const AircraftScene& scene,
                       ViewMapping* plan, ViewMapping* side);
