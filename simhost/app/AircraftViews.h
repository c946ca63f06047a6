// The plan and side views of the user aircraft in the host window: to scale for an
// aircraft.cfg aircraft (ScaleViews.h), a schematic for an aircraft file, which knows
// only its effect slots (SchematicViews.h). Both show the effect slots where they point
// now and the exit points of the configuration file.
#pragma once

#include <windows.h>

#include "simhost/app/HostView.h"

void AircraftViewsDraw(HDC dc, const RECT& planBox, const RECT& sideBox, const HostViewModel& model);
