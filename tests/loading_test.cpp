// The load command: its refusals, the load weight of each variant, the spread over the
// payload stations, the re-acquire command, and a load typed into the real DLL.
#include <windows.h>

#include <functional>
#include <limits.h>
#include <stdio.h>
#include <string.h>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "drop/AirdropState.h"
#include "drop/Effects.h"
#include "drop/Loading.h"
#include "module/HostServices.h"

namespace {

const char kMsgPacked[] = "Командир, мы упакованы !!!";
const char kMsgNoAtcModel[] = "Не указан параметр atc_model!";
const char kMsgNoAtcModelLong[] = "Не указан параметр atc_model в файле aircraft.cfg!\n";
const char kMsgNoFile[] = "Не существует файла конфигурации!";
const char kMsgInTheAir[] = "Командир, мы же в воздухе !!!";
const char kMsgParkingBrake[] = "Командир, поставь на стояночный !!!";
const char kMsgParatroopers[] = "Командир одуванчики на борту !!!";
const char kMsgCargo[] = "Командир груз закреплен !!!";
const char kMsgTanks[] = "Командир баки полные !!!";

struct FileValues {
    int variant = 1;
    long long number = 10;
    int method = 1;
    int exitType = 1;
    int realism = 0;
    int visual = 1;
};

// A file as the dialog writes it; the rear point is (2, -1, -12), the side point (-3, 1, -10).
std::string FileText(const FileValues& v) {
    char text[1024];
    snprintf(text, sizeof(text),
             "[General]\r\nKFWS_Airdrop_variant=%d\r\nKFWS_Airdrop_metod=%d\r\nKFWS_Airdrop_type=%d\r\n"
             "KFWS_Airdrop_realism=%d\r\nKFWS_Airdrop_visual=%d\r\nKFWS_Airdrop_number=%lld\r\n"
             "KFWS_Airdrop_left_x=-3\r\nKFWS_Airdrop_left_y=1.0\r\nKFWS_Airdrop_left_z=-10\r\n"
             "KFWS_Airdrop_down_x=2\r\nKFWS_Airdrop_down_y=-1\r\nKFWS_Airdrop_down_z=-12\r\n",
             v.variant, v.method, v.exitType, v.realism, v.visual, v.number);
    return text;
}

class LoadTest : public HostFixture {
protected:
    // A fresh aircraft on the ground with its brake set, a file for it, a quiet host record.
    void Reset(const FileValues& values) {
        memset(&gAirdropState, 0, sizeof(gAirdropState));
        gAirdropState.totalLoadWeight = 123.0;
        UseAircraft(DefaultSpec("Trainer 1"));
        SimSetPayloadSetterAvailable(true);
        WriteConfigFile("Trainer 1", FileText(values));
        SimClearCalls();
    }
    // The host's slots hold what the host put there.
    void ExpectHostSlots() {
        SimAircraftSpec spec = DefaultSpec("");
        for (size_t k = 0; k < spec.slots.size(); k++) {
            SCOPED_TRACE("slot " + std::to_string(k));
            EXPECT_EQ(SimSlotName(aircraft_, k), SimHostSlotName(aircraft_, k));
            EXPECT_EQ(SimSlotCoord(aircraft_, k, 0), spec.slots[k].x);
            EXPECT_EQ(SimSlotCoord(aircraft_, k, 1), spec.slots[k].y);
            EXPECT_EQ(SimSlotCoord(aircraft_, k, 2), spec.slots[k].z);
        }
    }
};

TEST_F(LoadTest, RefusalsShowTheirMessageAndChangeNothing) {
    FileValues simple;
    FileValues realistic;
    realistic.realism = 1;
    FileValues realismTwo;
    realismTwo.realism = 2;
    struct Case {
        const char* name;
        FileValues file;
        std::function<void(SimAircraft*)> setup;
        const char* message; // what is left on screen; "" for none, when the host's answer is missing
    } cases[] = {
        {"already loaded", simple, [](SimAircraft*) { gAirdropState.loaded = 1; }, kMsgPacked},
        {"during unloading", simple, [](SimAircraft*) { gAirdropState.loaded = gAirdropState.working = 1; }, kMsgPacked},
        {"empty atc_model", simple, [](SimAircraft* a) { SimSetAtcModel(a, ""); }, kMsgNoAtcModel},
        {"no file", simple, [](SimAircraft*) { DeleteFileA(ConfigPathOf("Trainer 1").c_str()); }, kMsgNoFile},
        {"model name with a path", simple,
         [](SimAircraft* a) {
             SimSetAtcModel(a, "../Trainer 1");
             WriteWholeFile("Modules/KestrelFieldWorks/Trainer 1.cfg", FileText(FileValues()));
         },
         kMsgNoFile},
        {"in the air", realistic, [](SimAircraft* a) { SimSetOnGround(a, false); }, kMsgInTheAir},
        {"in the air, brake off", realistic,
         [](SimAircraft* a) {
             SimSetOnGround(a, false);
             SimSetParkingBrake(a, false);
         },
         kMsgInTheAir},
        {"brake off, realism 2", realismTwo, [](SimAircraft* a) { SimSetParkingBrake(a, false); },
         kMsgParkingBrake},
        {"no user aircraft", simple, [](SimAircraft*) { SimSetUserAircraft(nullptr); }, ""},
        {"no data block", simple,
         [](SimAircraft* a) { WriteHostPtr(a->userAircraft.data(), kUserAircraftDataBlock, nullptr); }, ""},
        {"no payload setter", simple, [](SimAircraft*) { SimSetPayloadSetterAvailable(false); }, ""},
        {"no payload descriptor", simple,
         [](SimAircraft* a) { WriteHostPtr(a->dataBlock.data(), kDataBlockPayload, nullptr); }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset(c.file);
        c.setup(aircraft_);
        int loadedBefore = gAirdropState.loaded;
        LoadAircraft();
        if (c.message[0] == '\0') {
            EXPECT_TRUE(SimShownTexts().empty());
        } else {
            EXPECT_EQ(Utf8(SimScreenText()), Utf8(c.message));
            EXPECT_LE(SimShownTexts().size(), 2u);
        }
        EXPECT_EQ(gAirdropState.loaded, loadedBefore);
        EXPECT_EQ(gAirdropState.totalLoadWeight, 123.0);
        EXPECT_TRUE(SimCallsOf(kCallSetStationWeight).empty());
        EXPECT_TRUE(aircraft_->stationWeights.empty());
        EXPECT_EQ(gAirdropState.slotsSaved, 0);
        ExpectHostSlots();
    }
}

TEST_F(LoadTest, EmptyAtcModelReplacesTheLongerMessage) {
    Reset(FileValues());
    WriteConfigFile("", FileText(FileValues())); // where an empty name's path would lead
    SimSetAtcModel(aircraft_, "");
    LoadAircraft();
    EXPECT_EQ(SimShownTexts(), (std::vector<std::string>{kMsgNoAtcModelLong, kMsgNoAtcModel}));
    EXPECT_EQ(gAirdropState.configFileState.state, -1);
    EXPECT_EQ(gAirdropState.loaded, 0);
}

TEST_F(LoadTest, LoadSpreadsTheWeightOfEachVariant) {
    struct Case {
        int variant;
        long long number;
        unsigned stations;
        double total;
        const char* message; // null: none
    } cases[] = {
        {1, 10, 4, 2200.0, kMsgParatroopers},
        {2, 1000, 4, 2204.62, kMsgCargo},
        {3, 1000, 4, 1800.0, kMsgTanks},
        {1, 10, 0, 2200.0, kMsgParatroopers},
        {1, 3, 1, 660.0, kMsgParatroopers},
        {0, 10, 4, 123.0, nullptr}, // no variant: the previous weight is spread again
        {4, 10, 2, 123.0, nullptr},
        {1, 99999999999LL, 2, 2147483647.0 * 220.0, kMsgParatroopers}, // clamped count, no overflow
        {1, -5, 1, -1100.0, kMsgParatroopers},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        const Case& c = cases[i];
        SCOPED_TRACE("case " + std::to_string(i));
        FileValues values;
        values.variant = c.variant;
        values.number = c.number;
        Reset(values);
        SimSetStationCount(aircraft_, c.stations);
        LoadAircraft();
        EXPECT_EQ(gAirdropState.loaded, 1);
        EXPECT_EQ(gAirdropState.working, 0);
        EXPECT_DOUBLE_EQ(gAirdropState.totalLoadWeight, c.total);
        EXPECT_EQ(SimShownTexts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(SimCallsOf(kCallGetPayloadSetter).size(), 1u);
        std::vector<HostCall> weights = SimCallsOf(kCallSetStationWeight);
        ASSERT_EQ(weights.size(), c.stations);
        for (unsigned s = 0; s < c.stations; s++) {
            EXPECT_EQ(weights[s].args[0], 164);
            EXPECT_EQ(weights[s].args[1], 124);
            EXPECT_EQ(weights[s].args[2], (int)s + 1);
            EXPECT_DOUBLE_EQ(weights[s].weight, c.total / c.stations);
        }
        EXPECT_EQ(gAirdropState.slotsSaved, 1) << "slots are saved for every load";
        EXPECT_EQ(gAirdropState.savedSlots[0].effectFile, SimHostSlotName(aircraft_, 0));
    }
}

TEST_F(LoadTest, LoadPlacesTheEffectsAndOnlySimulatorRealismChecksTheGround) {
    FileValues values;
    values.method = 2;
    values.exitType = 2;
    values.visual = 0; // the slots are placed even with visual effects off
    Reset(values);
    SimSetOnGround(aircraft_, false);
    SimSetParkingBrake(aircraft_, false);
    LoadAircraft();
    EXPECT_EQ(gAirdropState.loaded, 1);
    EXPECT_EQ(gAirdropState.config.leftY, 1.0);
    EXPECT_EQ(SimSlotName(aircraft_, 0), kEffectParatroopers);
    EXPECT_EQ(SimSlotCoord(aircraft_, 0, 0), -3.0);
    EXPECT_EQ(SimSlotCoord(aircraft_, 1, 0), 3.0);
    EXPECT_EQ(SimSlotName(aircraft_, 2), kEffectBlank);
    EXPECT_EQ(SimSlotName(aircraft_, 4), SimHostSlotName(aircraft_, 4));
    EXPECT_TRUE(SimEvents().empty()) << "loading switches no effect";

    // One stream through both exits places nothing, yet the load succeeds.
    values.method = 1;
    values.exitType = 3;
    Reset(values);
    LoadAircraft();
    EXPECT_EQ(gAirdropState.loaded, 1);
    ExpectHostSlots();
}

TEST_F(LoadTest, StationCountIsReadAgainAfterEachStation) {
    struct Case {
        const char* name;
        unsigned before, after; // the count, changed by the host after station 1
        std::vector<double> weights;
    } cases[] = {
        {"fewer", 4, 2, {550.0, 1100.0}},
        {"more", 2, 3, {1100.0, 2200.0 / 3, 2200.0 / 3}},
        {"none left", 3, 0, {2200.0 / 3}},
        {"unchanged", 2, 2, {1100.0, 1100.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset(FileValues());
        SimSetStationCount(aircraft_, c.before);
        SimAircraft* aircraft = aircraft_;
        unsigned after = c.after;
        SimSetStationWeightHook([aircraft, after](int station) {
            if (station == 1) {
                SimSetStationCount(aircraft, after);
            }
        });
        AcquireUserAircraft();
        ApplyPayload(2200.0);
        SimSetStationWeightHook(nullptr);
        std::vector<HostCall> calls = SimCallsOf(kCallSetStationWeight);
        ASSERT_EQ(calls.size(), c.weights.size());
        for (size_t s = 0; s < calls.size(); s++) {
            EXPECT_EQ(calls[s].args[2], (int)s + 1);
            EXPECT_DOUBLE_EQ(calls[s].weight, c.weights[s]);
        }
    }
}

TEST(LoadWeightTest, FloatingPointProductMatchesTheIntegerOneWhereItFits) {
    const int counts[] = {0, 1, 10, -7, 9761289, -9761289, 9761290, INT_MAX, INT_MIN};
    for (int number : counts) {
        SCOPED_TRACE(number);
        AircraftConfig config = {};
        config.variant = 1;
        config.number = number;
        double weight = -1.0;
        ASSERT_TRUE(LoadWeight(config, &weight));
        long long exact = (long long)number * 220;
        EXPECT_EQ(weight, (double)exact);
        if (exact >= INT_MIN && exact <= INT_MAX) {
            EXPECT_EQ(weight, (double)(int)exact);
        }
        EXPECT_EQ(weight < 0, number < 0) << "no sign flip from overflow";
    }
    AircraftConfig other = {};
    double untouched = 42.0;
    EXPECT_FALSE(LoadWeight(other, &untouched));
    EXPECT_EQ(untouched, 42.0);
}

TEST_F(LoadTest, ReacquireOnlyAsksTheHost) {
    Reset(FileValues());
    gAirdropState.loaded = 1;
    SimAircraft* other = UseAircraft(DefaultSpec("Other"));
    ReacquireUserAircraft();
    EXPECT_EQ(gAirdropState.userAircraft, other->userAircraft.data());
    EXPECT_EQ(SimCalls().size(), 1u);
    EXPECT_EQ(SimCalls()[0].kind, kCallGetUserAircraft);
    EXPECT_EQ(gAirdropState.loaded, 1);
}

// ---- The real DLL in the stand-in host, loaded by a typed Ctrl+Shift+1 ----

class TypedLoadTest : public LoadedModuleFixture {};

TEST_F(TypedLoadTest, CtrlShiftOneLoadsTheAircraft) {
    FileValues values;
    values.method = 2;
    values.exitType = 2;
    values.realism = 1;
    WriteConfigFile("Trainer 1", FileText(values));

    SimTypeChord({VK_LCONTROL, VK_LSHIFT}, '1');
    SimPumpMessages(200);
    EXPECT_EQ(Utf8(SimScreenText()), Utf8(kMsgParatroopers));
    EXPECT_EQ(aircraft_->stationWeights, std::vector<double>(4, 550.0));
    const double expected[4][3] = {{-3.0, 1.0, -10.0}, {3.0, 1.0, -10.0}, {0, 0, 0}, {0, 0, 0}};
    const char* names[4] = {"fx_KFWS_Desant.fx", "fx_KFWS_Desant.fx", "", ""};
    for (size_t k = 0; k < 4; k++) {
        SCOPED_TRACE("slot " + std::to_string(k));
        EXPECT_STREQ(SimSlotName(aircraft_, k), names[k]);
        for (int axis = 0; axis < 3; axis++) {
            EXPECT_EQ(SimSlotCoord(aircraft_, k, axis), expected[k][axis]);
        }
    }
    EXPECT_EQ(SimSlotName(aircraft_, 4), SimHostSlotName(aircraft_, 4));

    // A second load is refused.
    SimClearCalls();
    SimTypeChord({VK_RCONTROL, VK_RSHIFT}, '1');
    SimPumpMessages(200);
    EXPECT_EQ(SimShownTexts(), std::vector<std::string>{kMsgPacked});
    EXPECT_TRUE(SimCallsOf(kCallSetStationWeight).empty());
}

} // namespace
