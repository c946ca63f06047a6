// The host window's text panels: the host screen (the last on-screen message), the
// aircraft with its hotkeys, the payload stations and the effect files of the module's slots.
#pragma once

#include <windows.h>

#include "simhost/app/window/HostViewModel.h"

void HostPanelScreen(HDC dc, const RECT& box, const HostViewModel& model);
void HostPanelAircraft(HDC dc, const RECT& box, const HostViewModel& model);
void HostPanelStations(HDC dc, const RECT& box, const HostViewModel& model);
void HostPanelEffectFiles(HDC dc, const RECT& box, const HostViewModel& model);
