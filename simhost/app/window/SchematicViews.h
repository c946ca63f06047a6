// The plan and side views of an aircraft known only by its effect slots (an aircraft
// file): a schematic aircraft sized to the slots' spread.
#pragma once

#include <windows.h>

#include "simhost/app/window/AircraftScene.h"
#include "simhost/app/window/ViewMarks.h"

void SchematicViewsDraw(HDC dc, const RECT& planBox, const RECT& sideBox, const AircraftScene& scene,
                        ViewMapping* plan, ViewMapping* side);
