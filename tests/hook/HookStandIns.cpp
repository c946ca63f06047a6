#include "HookStandIns.h"

#include "config/StatusReport.h"
#include "dialog/ConfigDialog.h"
#include "drop/Loading.h"
#include "drop/Unloading.h"
#include "ui/KeyState.h"

std::vector<std::string>& CommandsRun() {
    static std::vector<std::string> names;
    return names;
}

std::vector<int>& KeyStatesRead() {
    static std::vector<int> keys;
    return keys;
}

void ReacquireUserAircraft(void) { CommandsRun().push_back("Reacquire"); }
void EmergencyUnload(void) { CommandsRun().push_back("EmergencyUnload"); }
void StartUnloading(void) { CommandsRun().push_back("StartUnloading"); }
void ToggleConfigDialog(void) { CommandsRun().push_back("ToggleConfigDialog"); }
void LoadAircraft(void) { CommandsRun().push_back("LoadAircraft"); }
void ShowStatusReport(void) { CommandsRun().push_back("ShowStatusReport"); }

SHORT ReadKeyState(int virtualKey) {
    KeyStatesRead().push_back(virtualKey);
    return GetKeyState(virtualKey);
}
