// The host's own aircraft selection menu.
#include "simhost/app/host/AircraftMenu.h"

#include "simhost/app/host/AircraftSource.h"
#include "simhost/app/host/HostAircraft.h"
#include "simhost/app/host/HostDescription.h"
#include "simhost/app/host/HostLog.h"
#include "simhost/lib/SimText.h"
#include "simhost/lib/SimTexts.h"

namespace {

const UINT kFirstId = 41000;

HMENU& Popup() {
    static HMENU popup = nullptr;
    return popup;
}

UINT& PrepareCommand() {
    static UINT command = 0;
    return command;
}

void MarkUserAircraft(HostAircraftChange change) {
    if (change == kAircraftSwitched) {
        const SimAircraftFile& file = HostAircraftFile();
        AircraftMenuMark(AircraftSourceIndexOf(file.cfgPath, file.fltsim));
    }
}

} // namespace

void AircraftMenuCreate(HWND window, UINT prepareCommand) {
    const std::vector<SimListedAircraft>& catalogue = AircraftSourceCatalogue();
    HMENU bar = GetMenu(window);
    if (catalogue.empty() || !bar) {
        return;
    }
    HMENU popup = CreatePopupMenu();
    for (size_t i = 0; i < catalogue.size(); i++) {
        AppendMenuW(popup, MF_STRING, kFirstId + i, SimWideFromUtf8(catalogue[i].title).c_str());
    }
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup, MF_STRING, prepareCommand, SimWideFromUtf8(SimText(kTextMenuPrepare)).c_str());
    AppendMenuW(bar, MF_POPUP, (UINT_PTR)popup, SimWideFromUtf8(SimText(kTextMenuAircraft)).c_str());
    Popup() = popup;
    PrepareCommand() = prepareCommand;
    HostAircraftListen(MarkUserAircraft);
    DrawMenuBar(window);
}

bool AircraftMenuCommand(WPARAM wParam) {
    UINT id = LOWORD(wParam);
    size_t count = AircraftSourceCatalogue().size();
    if (!Popup() || id < kFirstId || id >= kFirstId + count) {
        return false;
    }
    std::string error;
    if (!HostUseListedAircraft((int)(id - kFirstId), &error)) {
        HostLog("cannot switch the aircraft: " + error);
    }
    return true;
}

void AircraftMenuMark(int index) {
    HMENU popup = Popup();
    if (!popup) {
        return;
    }
    int count = (int)AircraftSourceCatalogue().size();
    for (int i = 0; i < count; i++) {
        CheckMenuItem(popup, (UINT)i, MF_BYPOSITION | (i == index ? MF_CHECKED : MF_UNCHECKED));
    }
    bool fromCfg = HostHasAircraft() && HostAircraftFile().spec.cfg && !HostAircraftFile().cfgPath.empty();
    EnableMenuItem(popup, PrepareCommand(), MF_BYCOMMAND | (fromCfg ? MF_ENABLED : MF_GRAYED));
}

bool HostUseListedAircraft(int index, std::string* error) {
    const SimListedAircraft& listed = AircraftSourceCatalogue()[(size_t)index];
    if (!HostUseAircraft(listed.path, listed.fltsim, error)) {
        return false;
    }
    for (const std::string& line : HostDescribeSwitch()) {
        HostLog(line);
    }
    return true;
}
