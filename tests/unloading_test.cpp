// The unloading cycle: the start command, the one-second tick, the emergency unload and
// the drop timer, on the module's code linked in. Ticks are driven by calling the timer
// procedure directly, except for the window-less timer, which runs through the message
// loop (the host window's timer runs a whole drop in drop_e2e_test).
#include <windows.h>

#include <limits.h>
#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "drop/AirdropState.h"
#include "drop/Effects.h"
#include "drop/Unloading.h"
#include "module/HostHandles.h"

namespace {

const unsigned kOn = 0x10201;
const unsigned kOff = 0x10202;
const char kNotLoaded[] = "Командир, давай сначала загрузимся !!!";
const char kAlreadyWorking[] = "Работает грузовой отсек !!!";
const char kWorking[] = "Командир, работаем !!!";
const char kFinished[] = "Командир, работа окончена !!!";
const char kEmergency[] = " Экстренная разгрузка произведена!!!";

std::string CountText(int left) {
    return "Количество десантников - " + std::to_string(left) + " чел.\n";
}

std::vector<HostCallKind> CallKinds() {
    std::vector<HostCallKind> kinds;
    for (const HostCall& call : SimCalls()) {
        kinds.push_back(call.kind);
    }
    return kinds;
}

class UnloadingTest : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        window_ = SimCreateMainWindow(false);
        gHostHandles.mainWindow = window_;
    }
    void TearDown() override {
        KillTimer(window_, 1);
        if (gAirdropState.dropTimer && !gHostHandles.mainWindow) {
            KillTimer(nullptr, gAirdropState.dropTimer);
        }
        gHostHandles.mainWindow = nullptr;
        SimDestroyMainWindow();
        HostFixture::TearDown();
    }

    // A loaded aircraft as the load command leaves it: slots saved, then slot 0 pointed
    // at the paratroop effect somewhere else.
    void Load(int variant, int method, int number, int visual) {
        gAirdropState.userAircraft = aircraft_->userAircraft.data();
        gAirdropState.config.variant = variant;
        gAirdropState.config.method = method;
        gAirdropState.config.number = number;
        gAirdropState.config.visual = visual;
        gAirdropState.loaded = 1;
        SaveEffectSlots();
        PlaceSomething();
        SimClearCalls();
    }
    void PlaceSomething() {
        void* slot = aircraft_->slots[0].data();
        WriteHostPtr(slot, kSlotEffectFile, kEffectParatroopers);
        WriteHostDouble(slot, kSlotX, -30.0);
    }
    // Working with `left` paratroopers aboard, as a running cycle would have it.
    void Working(int method, int left) {
        Load(1, method, left, 1);
        gAirdropState.working = 1;
        gAirdropState.paratroopersLeft = left;
        gAirdropState.remainingWeight = left * 220.0;
    }
    void Tick() { UnloadTick(window_, WM_TIMER, 1, 0); }
    void ExpectHostSlots() {
        for (size_t k = 0; k < 4; k++) {
            SCOPED_TRACE("slot " + std::to_string(k));
            EXPECT_EQ(SimSlotName(aircraft_, k), SimHostSlotName(aircraft_, k)) << "the host's own name pointer";
            EXPECT_EQ(SimSlotCoord(aircraft_, k, 0), 1.0 + 3 * k);
        }
    }
    bool TimerRuns(HWND window, UINT_PTR id) { return KillTimer(window, id) != FALSE; }

    HWND window_ = nullptr;
};

// ---- Timelines, tick by tick ----

struct StepTick {
    double remaining;
    int shownCount; // -1: no message
    std::vector<unsigned> events;
};

struct Timeline {
    const char* name;
    int variant, method, number, visual;
    double startWeight;
    std::vector<StepTick> steps;
};

TEST_F(UnloadingTest, TimelinesTickByTick) {
    const std::vector<unsigned> pulse = {kOn, kOff};
    const Timeline timelines[] = {
        {"3 paratroopers, one stream", 1, 1, 3, 1, 660.0,
         {{440.0, 2, pulse}, {220.0, 1, pulse}, {0.0, 0, pulse}}},
        {"3 paratroopers, two streams", 1, 2, 3, 1, 660.0, {{220.0, 1, pulse}, {0.0, 0, pulse}}},
        {"cargo", 2, 1, 1000, 1, 2204.62, {{0.0, -1, pulse}}},
        {"liquid", 3, 1, 1000, 1, 1800.0, {{0.0, -1, {kOn}}}},
        {"paratroopers, effects off", 1, 1, 2, 0, 440.0, {{220.0, 1, {}}, {0.0, 0, {}}}},
        {"liquid, effects off", 3, 2, 10, 0, 18.0, {{0.0, -1, {}}}},
        {"cargo, visual 2 is not on", 2, 1, 5, 2, 11.0231, {{0.0, -1, {}}}},
    };
    for (const Timeline& timeline : timelines) {
        SCOPED_TRACE(timeline.name);
        memset(&gAirdropState, 0, sizeof(gAirdropState));
        Load(timeline.variant, timeline.method, timeline.number, timeline.visual);
        StartUnloading();
        EXPECT_DOUBLE_EQ(gAirdropState.remainingWeight, timeline.startWeight);
        for (size_t t = 0; t < timeline.steps.size(); t++) {
            SCOPED_TRACE("t = " + std::to_string(t + 1));
            const StepTick& step = timeline.steps[t];
            SimClearCalls();
            Tick();
            EXPECT_DOUBLE_EQ(gAirdropState.remainingWeight, step.remaining);
            EXPECT_EQ(StationWeights(), std::vector<double>(4, step.remaining / 4));
            std::vector<std::string> shown;
            if (step.shownCount >= 0) {
                shown.push_back(CountText(step.shownCount));
            }
            EXPECT_EQ(SimShownTexts(), shown);
            EXPECT_EQ(SimEvents(), step.events);
            EXPECT_TRUE(SimCallsOf(kCallGetUserAircraft).empty()) << "ticks use the kept aircraft";
            EXPECT_EQ(gAirdropState.working, 1);
            EXPECT_EQ(gAirdropState.loaded, 1);
        }
        // The tick that finds nothing left ends the cycle.
        SimClearCalls();
        Tick();
        EXPECT_EQ(CallKinds(), (std::vector<HostCallKind>{kCallTriggerEvent, kCallClearText, kCallShowText}));
        EXPECT_EQ(SimEvents(), std::vector<unsigned>{kOff});
        EXPECT_EQ(SimScreenText(), kFinished);
        EXPECT_EQ(gAirdropState.working, 0);
        EXPECT_EQ(gAirdropState.loaded, 0);
        EXPECT_EQ(gAirdropState.dropTimer, 0u);
        EXPECT_FALSE(TimerRuns(window_, 1)) << "the end kills the timer";
        ExpectHostSlots();
        // A left-over tick after the end changes nothing.
        SimClearCalls();
        Tick();
        EXPECT_TRUE(SimCalls().empty());
    }
}

TEST_F(UnloadingTest, StepTickShowsTheCountThenSetsStationsThenPulses) {
    Working(1, 3);
    Tick();
    EXPECT_EQ(CallKinds(), (std::vector<HostCallKind>{kCallClearText, kCallShowText, kCallGetPayloadSetter,
                                                      kCallSetStationWeight, kCallSetStationWeight,
                                                      kCallSetStationWeight, kCallSetStationWeight,
                                                      kCallTriggerEvent, kCallTriggerEvent}));
    EXPECT_STREQ(gAirdropState.tickMessage, CountText(2).c_str());
}

// ---- The start command ----

TEST_F(UnloadingTest, StartWithoutLoadShowsItsMessageAndStartsNothing) {
    gAirdropState.remainingWeight = 0.0;
    StartUnloading();
    EXPECT_EQ(SimShownTexts(), std::vector<std::string>{kNotLoaded});
    EXPECT_EQ(SimCallsOf(kCallGetUserAircraft).size(), 1u);
    EXPECT_EQ(gAirdropState.userAircraft, aircraft_->userAircraft.data());
    EXPECT_EQ(gAirdropState.working, 0);
    EXPECT_FALSE(TimerRuns(window_, 1));
}

TEST_F(UnloadingTest, StartFromLoadedSetsTheRemainingLoadAndStartsTimerOne) {
    struct Case {
        int variant, number;
        int left;        // paratroopersLeft afterwards (7 before)
        double remaining; // remainingWeight afterwards (0.0 before)
    } cases[] = {
        {1, 3, 3, 660.0},      {1, 0, 0, 0.0},       {1, -3, -3, -660.0}, {1, INT_MAX, INT_MAX, INT_MAX * 220.0},
        {2, 1000, 7, 2204.62}, {2, 0, 7, 0.0},       {3, 1000, 7, 1800.0}, {3, 1, 7, 1.8},
        {4, 50, 7, 0.0},       {0, 50, 7, 0.0},      {-1, 50, 7, 0.0},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE("case " + std::to_string(i));
        memset(&gAirdropState, 0, sizeof(gAirdropState));
        Load(cases[i].variant, 1, cases[i].number, 1);
        gAirdropState.paratroopersLeft = 7;
        gAirdropState.userAircraft = nullptr;
        StartUnloading();
        EXPECT_EQ(CallKinds(), (std::vector<HostCallKind>{kCallGetUserAircraft, kCallClearText, kCallShowText}));
        EXPECT_EQ(SimScreenText(), kWorking);
        EXPECT_EQ(gAirdropState.userAircraft, aircraft_->userAircraft.data());
        EXPECT_EQ(gAirdropState.paratroopersLeft, cases[i].left);
        EXPECT_DOUBLE_EQ(gAirdropState.remainingWeight, cases[i].remaining);
        EXPECT_EQ(gAirdropState.working, 1);
        EXPECT_EQ(gAirdropState.loaded, 1);
        EXPECT_EQ(gAirdropState.dropTimer, 1u);
        EXPECT_TRUE(TimerRuns(window_, 1)) << "timer 1 of the host main window";
    }
}

TEST_F(UnloadingTest, NothingToTakeOffEndsAtTheFirstTick) {
    struct Case {
        int variant, number;
    } cases[] = {{4, 50}, {0, 50}, {1, 0}, {2, 0}, {3, 0}};
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE("case " + std::to_string(i));
        memset(&gAirdropState, 0, sizeof(gAirdropState));
        Load(cases[i].variant, 1, cases[i].number, 1);
        StartUnloading();
        SimClearCalls();
        Tick();
        EXPECT_EQ(SimEvents(), std::vector<unsigned>{kOff});
        EXPECT_EQ(SimShownTexts(), std::vector<std::string>{kFinished});
        EXPECT_EQ(gAirdropState.loaded, 0);
        EXPECT_FALSE(TimerRuns(window_, 1));
    }
}

TEST_F(UnloadingTest, SecondStartDuringTheCycleChangesNothing) {
    Load(1, 1, 3, 1);
    StartUnloading();
    Tick();
    SimClearCalls();
    StartUnloading();
    EXPECT_EQ(SimShownTexts(), std::vector<std::string>{kAlreadyWorking});
    EXPECT_EQ(gAirdropState.paratroopersLeft, 2);
    EXPECT_DOUBLE_EQ(gAirdropState.remainingWeight, 440.0);
    EXPECT_EQ(gAirdropState.working, 1);
    EXPECT_TRUE(StationWeights().empty());
}

// ---- The step of one tick ----

TEST_F(UnloadingTest, ParatroopersLeaveOneOrTwoAtATimeAndNeverBelowZeroWithTwoStreams) {
    struct Case {
        int method, before, after;
    } cases[] = {
        {2, 5, 3}, {2, 2, 0}, {2, 1, 0}, {2, -3, 0}, {2, INT_MIN, 0},
        {1, 3, 2}, {1, 1, 0}, {3, 3, 2}, {0, 1, 0}, {1, -3, -4},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE("case " + std::to_string(i));
        memset(&gAirdropState, 0, sizeof(gAirdropState));
        Working(cases[i].method, cases[i].before);
        Tick();
        EXPECT_EQ(gAirdropState.paratroopersLeft, cases[i].after);
        EXPECT_EQ(SimShownTexts(), std::vector<std::string>{CountText(cases[i].after)});
        double weight = cases[i].after > 0 ? cases[i].after * 220.0 : 0.0;
        EXPECT_DOUBLE_EQ(gAirdropState.remainingWeight, weight) << "a count at or below zero leaves no weight";
        EXPECT_EQ(StationWeights(), std::vector<double>(4, weight / 4));
    }
}

TEST_F(UnloadingTest, NegativeCountIsShownThenTheNextTickEnds) {
    for (int method : {1, 2}) {
        SCOPED_TRACE("method " + std::to_string(method));
        memset(&gAirdropState, 0, sizeof(gAirdropState));
        Load(1, method, -3, 1);
        StartUnloading();
        SimClearCalls();
        Tick();
        EXPECT_EQ(SimShownTexts(), std::vector<std::string>{CountText(method == 2 ? 0 : -4)});
        EXPECT_EQ(gAirdropState.remainingWeight, 0.0);
        EXPECT_EQ(StationWeights(), std::vector<double>(4, 0.0));
        SimClearCalls();
        Tick();
        EXPECT_EQ(SimScreenText(), kFinished);
        EXPECT_EQ(gAirdropState.working, 0);
    }
}

TEST_F(UnloadingTest, LowestCountDoesNotWrapAround) {
    Load(1, 1, INT_MIN, 0);
    StartUnloading();
    SimClearCalls();
    Tick();
    EXPECT_EQ(gAirdropState.paratroopersLeft, INT_MIN);
    EXPECT_EQ(SimShownTexts(), std::vector<std::string>{CountText(INT_MIN)});
    EXPECT_EQ(gAirdropState.remainingWeight, 0.0);
    Tick();
    EXPECT_EQ(gAirdropState.working, 0) << "the drop still ends";
}

TEST_F(UnloadingTest, ConfigurationChangedUnderARunningCycleCountsAtTheNextTick) {
    // A variant outside 1 to 3: the weight stays and is applied again every second.
    Load(1, 1, 3, 1);
    StartUnloading();
    Tick();
    gAirdropState.config.variant = 4;
    for (int t = 0; t < 3; t++) {
        SCOPED_TRACE("tick " + std::to_string(t));
        SimClearCalls();
        Tick();
        EXPECT_DOUBLE_EQ(gAirdropState.remainingWeight, 440.0);
        EXPECT_EQ(StationWeights(), std::vector<double>(4, 110.0));
        EXPECT_TRUE(SimShownTexts().empty());
        EXPECT_EQ(SimEvents(), (std::vector<unsigned>{kOn, kOff}));
    }
    EmergencyUnload();
    EXPECT_EQ(gAirdropState.working, 0);

    // Cargo: the rest leaves at once.
    memset(&gAirdropState, 0, sizeof(gAirdropState));
    Load(1, 1, 3, 1);
    StartUnloading();
    Tick();
    gAirdropState.config.variant = 2;
    SimClearCalls();
    Tick();
    EXPECT_EQ(gAirdropState.remainingWeight, 0.0);
    EXPECT_TRUE(SimShownTexts().empty());
    Tick();
    EXPECT_EQ(gAirdropState.working, 0);

    // Method and visual: two streams without effects from the next tick on.
    memset(&gAirdropState, 0, sizeof(gAirdropState));
    Load(1, 1, 5, 1);
    StartUnloading();
    Tick();
    gAirdropState.config.method = 2;
    gAirdropState.config.visual = 0;
    SimClearCalls();
    Tick();
    EXPECT_EQ(gAirdropState.paratroopersLeft, 2);
    EXPECT_TRUE(SimEvents().empty());
}

TEST_F(UnloadingTest, TicksUseTheKeptAircraftEvenWhenTheHostsChanged) {
    Load(2, 1, 100, 0);
    StartUnloading();
    SimAircraftSpec spec = DefaultSpec("Other");
    spec.stations = 2;
    SimAircraft* other = SimCreateAircraft(spec);
    SimSetUserAircraft(other);
    SimClearCalls();
    Tick();
    EXPECT_EQ(StationWeights().size(), 4u) << "the station count of the kept aircraft";
    EXPECT_TRUE(SimCallsOf(kCallGetUserAircraft).empty());
    Tick();
    ExpectHostSlots();
    SimSetUserAircraft(aircraft_);
    SimDestroyAircraft(other);
}

TEST_F(UnloadingTest, TicksOfOtherTimersOrOutsideAWorkingDropAreIgnored) {
    Load(1, 1, 3, 1);
    StartUnloading();
    SimClearCalls();
    UnloadTick(window_, WM_TIMER, 2, 0);
    UnloadTick(window_, WM_TIMER, 0, 0);
    UnloadTick(nullptr, WM_TIMER, 1, 0);
    EXPECT_TRUE(SimCalls().empty());
    EXPECT_DOUBLE_EQ(gAirdropState.remainingWeight, 660.0);

    // Loaded but not started, and idle: no tick acts.
    memset(&gAirdropState, 0, sizeof(gAirdropState));
    Load(1, 1, 3, 1);
    Tick();
    gAirdropState.loaded = 0;
    Tick();
    EXPECT_TRUE(SimCalls().empty());
    EXPECT_EQ(SimSlotName(aircraft_, 0), kEffectParatroopers) << "nothing restored";
}

// ---- The emergency unload ----

TEST_F(UnloadingTest, EmergencyInEveryStateEmptiesTheStationsWithoutEvents) {
    enum Start { kIdle, kLoaded, kWorking, kWorkingAfterLiquidTick };
    const char* names[] = {"idle after a drop", "loaded", "working", "working, liquid flowing"};
    for (int state = kIdle; state <= kWorkingAfterLiquidTick; state++) {
        SCOPED_TRACE(names[state]);
        memset(&gAirdropState, 0, sizeof(gAirdropState));
        Load(state == kWorkingAfterLiquidTick ? 3 : 1, 1, 3, 1);
        if (state == kIdle) {
            gAirdropState.loaded = 0;
        }
        if (state >= kWorking) {
            StartUnloading();
            Tick();
        }
        int left = gAirdropState.paratroopersLeft;
        gAirdropState.userAircraft = nullptr;
        SimClearCalls();
        EmergencyUnload();
        std::vector<HostCallKind> kinds = CallKinds();
        ASSERT_FALSE(kinds.empty());
        EXPECT_EQ(kinds.front(), kCallGetUserAircraft);
        EXPECT_EQ(kinds.back(), kCallShowText);
        EXPECT_EQ(SimShownTexts(), std::vector<std::string>{kEmergency});
        EXPECT_TRUE(SimEvents().empty()) << "no event, not even the stop";
        EXPECT_EQ(StationWeights(), std::vector<double>(4, 0.0));
        EXPECT_EQ(gAirdropState.working, 0);
        EXPECT_EQ(gAirdropState.loaded, 0);
        EXPECT_EQ(gAirdropState.remainingWeight, 0.0);
        EXPECT_EQ(gAirdropState.paratroopersLeft, left);
        EXPECT_EQ(gAirdropState.dropTimer, 0u);
        EXPECT_FALSE(TimerRuns(window_, 1));
        ExpectHostSlots();
        // After the emergency no tick acts.
        SimClearCalls();
        Tick();
        EXPECT_TRUE(SimCalls().empty());
    }
}

TEST_F(UnloadingTest, EmergencyBeforeAnySaveLeavesTheHostsSlotsAlone) {
    gAirdropState.loaded = 0;
    EmergencyUnload();
    EmergencyUnload();
    ExpectHostSlots();
    EXPECT_EQ(StationWeights(), std::vector<double>(8, 0.0));
    EXPECT_EQ(SimScreenText(), kEmergency);
}

TEST_F(UnloadingTest, EmergencyRestoresTheSavedSlotsAgainAndAgain) {
    Load(1, 1, 3, 1);
    EmergencyUnload();
    ExpectHostSlots();
    PlaceSomething();
    EmergencyUnload();
    ExpectHostSlots();
}

// ---- The drop timer through the message loop ----

// Runs the message loop until the end message is on the screen or `limit` ms pass.
void PumpUntilFinished(DWORD limit) {
    DWORD start = GetTickCount();
    limit = TimeBudget(limit);
    while (GetTickCount() - start < limit && SimScreenText() != kFinished) {
        SimPumpMessages(20);
    }
}

TEST_F(UnloadingTest, WithoutAHostWindowTheSystemsTimerIdIsUsed) {
    gHostHandles.mainWindow = nullptr;
    Load(2, 1, 10, 1);
    StartUnloading();
    UINT_PTR id = gAirdropState.dropTimer;
    ASSERT_NE(id, 0u);
    SimClearCalls();
    if (id != 1) {
        UnloadTick(nullptr, WM_TIMER, 1, 0);
        EXPECT_TRUE(SimCalls().empty()) << "only the system's id is the drop timer";
    }
    PumpUntilFinished(6000);
    EXPECT_EQ(SimEvents(), (std::vector<unsigned>{kOn, kOff, kOff}));
    EXPECT_EQ(SimScreenText(), kFinished);
    EXPECT_EQ(gAirdropState.dropTimer, 0u);
    EXPECT_FALSE(TimerRuns(nullptr, id)) << "the end killed the system's timer";

    // An emergency during a window-less drop kills that timer too.
    Load(2, 1, 10, 1);
    StartUnloading();
    id = gAirdropState.dropTimer;
    ASSERT_NE(id, 0u);
    EmergencyUnload();
    EXPECT_EQ(gAirdropState.dropTimer, 0u);
    EXPECT_FALSE(TimerRuns(nullptr, id));
}

TEST_F(UnloadingTest, ReleaseKillsARunningDropTimer) {
    for (bool withWindow : {true, false}) {
        SCOPED_TRACE(withWindow ? "host window" : "no host window");
        memset(&gAirdropState, 0, sizeof(gAirdropState));
        gHostHandles.mainWindow = withWindow ? window_ : nullptr;
        Load(1, 1, 3, 1);
        StartUnloading();
        UINT_PTR id = gAirdropState.dropTimer;
        ASSERT_NE(id, 0u);
        ReleaseDropTimer();
        EXPECT_EQ(gAirdropState.dropTimer, 0u);
        EXPECT_FALSE(TimerRuns(gHostHandles.mainWindow, id));
    }
    // Without a drop it touches nothing.
    SimClearCalls();
    ReleaseDropTimer();
    EXPECT_TRUE(SimCalls().empty());
}

} // namespace
