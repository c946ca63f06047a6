// Host faults: service tables unbound or empty, no user aircraft, no data block, no payload
// descriptor, no payload setter or one without operations, a station count that changes
// (or never stops growing) during the spread, effect-slot lists that loop back on
// themselves, a user aircraft that changes or vanishes in the middle of a drop, and a
// host main window that is gone. Under each fault every command runs (re-acquire, status
// report, dialog and menu, load, start, ticks, emergency, load and drop again): nothing
// may crash or hang, the drop state stays sound, every spread ends, and no aircraft's
// effect slots are left with anything but their own contents once the drop is over.
#include <windows.h>

#include <math.h>
#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "ReliabilitySupport.h"
#include "TestSupport.h"
#include "config/StatusReport.h"
#include "dialog/ConfigDialog.h"
#include "drop/AirdropState.h"
#include "drop/Effects.h"
#include "drop/Loading.h"
#include "drop/Unloading.h"
#include "module/HostHandles.h"
#include "module/Linkage.h"
#include "ui/MainMenu.h"

namespace {

// The most stations one spread may set, whatever the host's count says.
const size_t kStationLimit = 1024;

// ---- A host whose PayloadSetter is broken ----

unsigned char gBrokenAircraftTable[0x200];
void* gEmptyOperations[8];
struct SetterObject {
    void** operations;
} gSetterWithoutTable = {nullptr}, gSetterWithEmptyTable = {gEmptyOperations};
SetterObject* gBrokenSetter = nullptr;

void* HOST_CALL BrokenGetPayloadSetter(void) {
    return gBrokenSetter;
}

// The aircraft table of the stand-in host, except that GetPayloadSetter gives `setter`.
void UseBrokenSetter(SetterObject* setter) {
    memcpy(gBrokenAircraftTable, ImportTable[kImportAircraftServices].table, sizeof(gBrokenAircraftTable));
    WriteHostPtr(gBrokenAircraftTable, kOpGetPayloadSetter, (void*)BrokenGetPayloadSetter);
    gBrokenSetter = setter;
    ImportTable[kImportAircraftServices].table = gBrokenAircraftTable;
}

unsigned char gEmptyTable[0x200];

const char kFile[] = "[General]\r\nKFWS_Airdrop_variant=1\r\nKFWS_Airdrop_number=5\r\nKFWS_Airdrop_metod=2\r\n"
                     "KFWS_Airdrop_type=1\r\nKFWS_Airdrop_realism=0\r\nKFWS_Airdrop_visual=1\r\n"
                     "KFWS_Airdrop_down_x=2\r\nKFWS_Airdrop_down_y=-1\r\nKFWS_Airdrop_down_z=-12\r\n";

class HostFaultsTest : public HostWindowFixture {
protected:
    HostFaultsTest() : HostWindowFixture(true, false) {}
    void SetUp() override {
        HostWindowFixture::SetUp();
        WriteConfigFile("Trainer 1", kFile);
        WriteConfigFile("Other", kFile);
    }
    void TearDown() override {
        HostWindowFixture::TearDown();
        if (other_) {
            SimDestroyAircraft(other_);
            other_ = nullptr;
        }
    }

    // A fresh module and host, with the aircraft's slot list linked as `next` says
    // (next[k] is the index of the slot after slot k, -1 for the end).
    void Reset(const std::vector<int>& next) {
        DestroyConfigDialog();
        KillTimer(window_, 1);
        memset(&gAirdropState, 0, sizeof(gAirdropState));
        SimBindServices(ImportTable);
        SimSetPayloadSetterAvailable(true);
        SimSetStationWeightHook(nullptr);
        SimSetCentreOfGravity(0.253);
        if (!IsWindow(window_)) {
            window_ = SimCreateMainWindow(true);
            gHostHandles.mainWindow = window_;
            gHostHandles.previousWindowProc = (WNDPROC)GetWindowLongPtrA(window_, GWLP_WNDPROC);
        }
        SimAircraftSpec spec = DefaultSpec("Trainer 1");
        spec.slots.resize(next.size() > 5 ? 5 : next.size(), spec.slots[0]);
        UseAircraft(spec);
        for (size_t k = 0; k < next.size() && k < aircraft_->slots.size(); k++) {
            WriteHostPtr(aircraft_->slots[k].data(), kSlotNext,
                         next[k] >= 0 ? aircraft_->slots[(size_t)next[k]].data() : nullptr);
        }
        if (other_) {
            SimDestroyAircraft(other_);
        }
        other_ = SimCreateAircraft(DefaultSpec("Other"));
        SimSetUserAircraft(aircraft_);
        SimClearCalls();
    }

    static bool HoldsItsOwnSlots(const SimAircraft* aircraft) {
        for (size_t k = 0; k < aircraft->slots.size(); k++) {
            if (SimSlotName(aircraft, k) != SimHostSlotName(aircraft, k)) {
                return false;
            }
        }
        return true;
    }

    void Tick() { UnloadTick(window_, WM_TIMER, 1, GetTickCount()); }

    void DialogAndMenu() {
        MessageBoxWatcher boxes; // "Form run" when the dialog cannot be created
        OpenConfigDialog();
        HWND dialog = gAirdropState.configDialogWindow;
        if (dialog && IsWindowEnabled(GetDlgItem(dialog, IDC_SAVE))) {
            SendMessageA(GetDlgItem(dialog, IDC_SAVE), BM_CLICK, 0, 0);
        }
        DestroyConfigDialog();
        if (IsWindow(window_)) {
            MainWindowProc(window_, WM_NCPAINT, 1, 0);
            MainWindowProc(window_, WM_COMMAND, kConfiguratorCommand, 0);
        }
        DestroyConfigDialog();
    }

    // Checks what must hold after any command, whatever the host did.
    void CheckState(FaultTally& tally, const std::string& step, size_t callsBefore) {
        tally.Check(!(gAirdropState.working && !gAirdropState.loaded), step + ": working without a load");
        tally.Check(gAirdropState.dropTimer == 0 || gAirdropState.working, step + ": a drop timer without a drop");
        size_t stations = 0;
        const std::vector<HostCall>& calls = SimCalls();
        for (size_t i = callsBefore; i < calls.size(); i++) {
            if (calls[i].kind == kCallSetStationWeight) {
                stations++;
                tally.Check(calls[i].args[2] >= 1 && (size_t)calls[i].args[2] <= kStationLimit,
                            step + ": station number " + std::to_string(calls[i].args[2]));
                tally.Check(isfinite(calls[i].weight), step + ": a weight that is not a number");
            }
        }
        tally.Check(stations <= kStationLimit, step + ": " + std::to_string(stations) + " stations set in one spread");
        for (size_t i = callsBefore; i < calls.size(); i++) {
            // The longest text the module has room for is the status report's 1 003 characters.
            tally.Check(calls[i].kind != kCallShowText || calls[i].text.size() <= 1003,
                        step + ": a message of " + std::to_string(calls[i].text.size()) + " characters");
        }
        // Another aircraft's slots change only while the module has that aircraft loaded.
        tally.Check(HoldsItsOwnSlots(other_) ||
                        (gAirdropState.loaded && gAirdropState.userAircraft == other_->userAircraft.data()),
                    step + ": another aircraft's effect slots hold what was saved from this one");
    }

    void Step(FaultTally& tally, const std::string& name, const std::function<void()>& command) {
        size_t before = SimCalls().size();
        command();
        CheckState(tally, name, before);
    }

public:
    // The fault cases change these from outside the fixture.
    using HostFixture::aircraft_;
    using HostWindowFixture::window_;
    SimAircraft* other_ = nullptr;
};

struct FaultCase {
    const char* name;
    std::vector<int> slotLinks;                          // the slot list; empty: the usual five
    std::function<void(HostFaultsTest*)> before;         // the fault from the start, or null
    std::function<void(HostFaultsTest*)> afterLoad;      // the fault after the first load, or null
    bool drops;                                          // the first load and drop can succeed
};

TEST_F(HostFaultsTest, NoFaultOfTheHostCrashesHangsOrCorrupts) {
    const std::vector<int> usual = {1, 2, 3, 4, -1};
    auto unbind = [](int entry) { return [entry](HostFaultsTest*) { ImportTable[entry].table = nullptr; }; };
    auto grow = [](HostFaultsTest* test) {
        SimAircraft* aircraft = test->aircraft_;
        SimSetStationWeightHook([aircraft](int) { SimSetStationCount(aircraft, SimStationCount(aircraft) + 1); });
    };
    std::vector<FaultCase> cases = {
        {"nothing wrong", usual, nullptr, nullptr, true},
        {"every service table unbound", usual, [](HostFaultsTest*) { SimUnbindServices(ImportTable); }, nullptr, false},
        {"aircraft services unbound", usual, unbind(kImportAircraftServices), nullptr, false},
        {"text services unbound", usual, unbind(kImportTextServices), nullptr, true},
        {"event services unbound", usual, unbind(kImportEventServices), nullptr, true},
        {"service tables without operations", usual,
         [](HostFaultsTest*) {
             ImportTable[kImportAircraftServices].table = gEmptyTable;
             ImportTable[kImportTextServices].table = gEmptyTable;
             ImportTable[kImportEventServices].table = gEmptyTable;
         },
         nullptr, false},
        {"no user aircraft", usual, [](HostFaultsTest*) { SimSetUserAircraft(nullptr); }, nullptr, false},
        {"no data block", usual,
         [](HostFaultsTest* t) { WriteHostPtr(t->aircraft_->userAircraft.data(), kUserAircraftDataBlock, nullptr); },
         nullptr, false},
        {"no payload descriptor", usual,
         [](HostFaultsTest* t) { WriteHostPtr(t->aircraft_->dataBlock.data(), kDataBlockPayload, nullptr); }, nullptr,
         false},
        {"no payload setter", usual, [](HostFaultsTest*) { SimSetPayloadSetterAvailable(false); }, nullptr, false},
        {"payload setter without an operation table", usual,
         [](HostFaultsTest*) { UseBrokenSetter(&gSetterWithoutTable); }, nullptr, true},
        {"payload setter with empty operations", usual,
         [](HostFaultsTest*) { UseBrokenSetter(&gSetterWithEmptyTable); }, nullptr, true},
        {"station count grows at every station", usual, grow, nullptr, true},
        {"station count 0xFFFFFFFF", usual,
         [](HostFaultsTest* t) { SimSetStationCount(t->aircraft_, 0xFFFFFFFFu); }, nullptr, false},
        {"station count drops to 0 during the spread", usual,
         [](HostFaultsTest* t) {
             SimAircraft* aircraft = t->aircraft_;
             SimSetStationWeightHook([aircraft](int) { SimSetStationCount(aircraft, 0); });
         },
         nullptr, true},
        {"station count jumps about during the spread", usual,
         [](HostFaultsTest* t) {
             SimAircraft* aircraft = t->aircraft_;
             SimSetStationWeightHook([aircraft](int station) {
                 static const unsigned counts[] = {7, 1, 0x7FFFFFFF, 3, 2000, 4};
                 SimSetStationCount(aircraft, counts[station % 6]);
             });
         },
         nullptr, true},
        {"slot list loops to its first slot", {0}, nullptr, nullptr, true},
        {"three slots looping back to the first", {1, 2, 0}, nullptr, nullptr, true},
        {"five slots, the third linking back to the second", {1, 2, 1, 4, -1}, nullptr, nullptr, true},
        {"user aircraft changes during the drop", usual, nullptr,
         [](HostFaultsTest* t) { SimSetUserAircraft(t->other_); }, true},
        {"user aircraft vanishes during the drop", usual, nullptr, [](HostFaultsTest*) { SimSetUserAircraft(nullptr); },
         true},
        {"data block vanishes during the drop", usual, nullptr,
         [](HostFaultsTest* t) { WriteHostPtr(t->aircraft_->userAircraft.data(), kUserAircraftDataBlock, nullptr); },
         true},
        {"services unbound during the drop", usual, nullptr,
         [](HostFaultsTest*) { SimUnbindServices(ImportTable); }, true},
        {"station count grows during the drop", usual, nullptr, grow, true},
        {"centre of gravity not a number", usual, [](HostFaultsTest*) { SimSetCentreOfGravity(NAN); }, nullptr, true},
        {"centre of gravity infinite", usual, [](HostFaultsTest*) { SimSetCentreOfGravity(-INFINITY); }, nullptr, true},
        {"centre of gravity of 1e308", usual, [](HostFaultsTest*) { SimSetCentreOfGravity(1e308); }, nullptr, true},
        {"host main window gone", usual,
         [](HostFaultsTest* t) {
             SimDestroyMainWindow();
             t->window_ = nullptr;
         },
         nullptr, true},
    };

    // The commands of one sequence; a fault comes in before one of them.
    struct Command {
        const char* name;
        std::function<void()> run;
    };
    std::vector<Command> commands = {
        {"re-acquire", [] { ReacquireUserAircraft(); }},
        {"status report", [] { ShowStatusReport(); }},
        {"dialog and menu", [this] { DialogAndMenu(); }},
        {"load", [] { LoadAircraft(); }},
        {"start", [] { StartUnloading(); }},
    };
    for (int t = 0; t < 5; t++) {
        commands.push_back({"tick", [this] { Tick(); }});
    }
    commands.push_back({"emergency", [] { EmergencyUnload(); }});
    commands.push_back({"load again", [] { LoadAircraft(); }});
    commands.push_back({"start again", [] { StartUnloading(); }});
    for (int t = 0; t < 6; t++) {
        commands.push_back({"tick", [this] { Tick(); }});
    }
    commands.push_back({"emergency again", [] { EmergencyUnload(); }});
    const size_t kLoad = 3;
    const size_t kStart = 4;
    const size_t kEmergency = 10;

    // The bounded run brings each fault in where its case says (from the start, or after
    // the first load); the long run also before every other command.
    const bool everyPosition = StressScale() > 0;
    FaultTally tally("host fault");
    int commandsRun = 0;
    for (size_t i = 0; i < cases.size(); i++) {
        const FaultCase& c = cases[i];
        const std::function<void(HostFaultsTest*)>& inject = c.before ? c.before : c.afterLoad;
        const size_t natural = c.before ? 0 : kStart;
        for (size_t at = 0; at < commands.size(); at++) {
            if (at != natural && (!everyPosition || !inject)) {
                continue;
            }
            tally.Begin(std::to_string(i) + " (" + c.name + ") before command " + std::to_string(at) + " (" +
                        commands[at].name + ")");
            Reset(c.slotLinks);
            HangWatch watch(std::string("host fault \"") + c.name + "\"", 30000);
            for (size_t k = 0; k < commands.size(); k++) {
                if (k == at && inject) {
                    inject(this);
                }
                Step(tally, commands[k].name, commands[k].run);
                commandsRun++;
                if (k == kLoad && at == natural && c.drops) {
                    tally.Check(gAirdropState.loaded == 1, "the first load did not succeed");
                    // The drop's effects are in the first two slots: a list that loops back
                    // does not blank them again.
                    tally.Check(SimSlotName(aircraft_, 0) == kEffectParatroopers, "slot 0 does not show the drop's effect");
                    tally.Check(aircraft_->slots.size() < 2 || SimSlotName(aircraft_, 1) == kEffectParatroopers,
                                "slot 1 does not show the second stream's effect");
                } else if (k == kLoad && at == natural) {
                    // Refused: the aircraft is as it was.
                    tally.Check(gAirdropState.loaded == 0, "a load went ahead without what it needs from the host");
                    tally.Check(aircraft_->stationWeights.empty(), "a refused load set payload stations");
                    tally.Check(HoldsItsOwnSlots(aircraft_), "a refused load wrote effect slots");
                }
                if (k == 1 && !SimShownTexts().empty()) {
                    tally.Check(SimShownTexts().back().find(" !!! Параметры конфигурации !!!") == 0,
                                "the status report was not shown whole");
                }
                if (k == kEmergency) {
                    tally.Check(!gAirdropState.loaded && !gAirdropState.working, "the emergency left a drop state");
                }
            }
            if (at == natural && !c.afterLoad) {
                tally.Check(HoldsItsOwnSlots(aircraft_), "the aircraft's slots were not given back");
            }
            tally.Check(HoldsItsOwnSlots(other_), "another aircraft's slots hold what was saved from this one");
            tally.Check(!window_ || !KillTimer(window_, 1), "a drop timer still runs");
            tally.End();
        }
    }
    PrintFigure("host-faults", std::to_string(cases.size()) + " host faults in " + std::to_string(tally.Cases()) +
                                   " command sequences, " + std::to_string(commandsRun) + " commands under them, " +
                                   std::to_string(tally.Faults()) + " faults");
    EXPECT_EQ(tally.Faults(), 0);
}

// The host puts another aircraft in place during a drop and later gives the first one back;
// the pilot ends the drop on the other one and loads the first one again. Its slots, still
// holding the first load's writes, are not saved as its own: its own contents come back.
TEST_F(HostFaultsTest, SlotsLentOutAreNotSavedAgainAsTheAircraftsOwn) {
    Reset({1, 2, 3, 4, -1});
    LoadAircraft();
    ASSERT_EQ(gAirdropState.loaded, 1);
    ASSERT_EQ(SimSlotName(aircraft_, 0), kEffectParatroopers);
    SimSetUserAircraft(other_);
    EmergencyUnload();
    EXPECT_TRUE(HoldsItsOwnSlots(other_)) << "nothing of the first aircraft went to the other";
    EXPECT_EQ(SimSlotName(aircraft_, 0), kEffectParatroopers) << "the first aircraft's slots are still lent out";
    SimSetUserAircraft(aircraft_);
    LoadAircraft();
    ASSERT_EQ(gAirdropState.loaded, 1);
    EmergencyUnload();
    EXPECT_TRUE(HoldsItsOwnSlots(aircraft_));
    for (size_t k = 0; k < 4; k++) {
        EXPECT_EQ(SimSlotCoord(aircraft_, k, 0), DefaultSpec("").slots[k].x) << k;
    }
}

} // namespace
