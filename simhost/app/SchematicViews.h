// The plan and side views of an aircraft known only by its effect slots (an aircraft
// file): a schematic aircraft sized to the slots' spread.
#pragma once

#include <windows.h>

#include "simhost/app/HostView.h"

void SchematicViewsDraw(HDC dc, const RECT& planBox, const RECT& sideBox, const HostViewModel& model);
