// The plan and side views of the user aircraft in the host window: a schematic aircraft
// with its effect slots where they point now, the module's slots coloured by the load
// (green paratroopers, orange cargo, blue liquid) and lit while the emitters run.
#pragma once

#include <windows.h>

#include "simhost/app/HostView.h"

void AircraftViewsDraw(HDC dc, const RECT& planBox, const RECT& sideBox, const HostViewModel& model);
