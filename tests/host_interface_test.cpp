// The host's binary interface stated on its own: every service id, table position,
// operation offset and record offset the module relies on, written out here as literal
// numbers. They are checked against the shared interface header, and the built DLL is
// driven through a host whose tables and records are laid out by these literals alone,
// so a wrong offset cannot hide behind a stand-in host that shares the module's header.
#include <windows.h>

#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "module/HostAbi.h"

namespace {

TEST(HostInterface, TheHeaderHoldsTheLiteralLayout) {
    struct Literal {
        const char* what;
        uint64_t header;
        uint64_t literal;
    };
    const Literal literals[] = {
        {"ImportTable entries", (uint64_t)kImportEntryCount, 16},
        {"Linkage version", kLinkageVersion, 0x900},
        {"position of the event services", (uint64_t)kImportEventServices, 9},
        {"position of the aircraft services", (uint64_t)kImportAircraftServices, 10},
        {"position of the text services", (uint64_t)kImportTextServices, 14},
        {"event services id", kServiceEvents, 0x0F},
        {"aircraft services id", kServiceAircraft, 0x19},
        {"text services id", kServiceText, 0x0A},
        {"GetUserAircraft", kOpGetUserAircraft, 0x18},
        {"GetPayloadSetter", kOpGetPayloadSetter, 0x70},
        {"ClearText", kOpClearText, 0xD0},
        {"ShowText", kOpShowText, 0xC8},
        {"TriggerEvent", kOpTriggerEvent, 0x13C},
        {"ReadAircraftValue", kOpReadAircraftValue, 0x12C},
        {"SetStationWeight", kOpSetStationWeight, 0x18},
        {"ShowText argument 2", (uint64_t)kShowTextArg1, 5},
        {"ShowText argument 3", (uint64_t)kShowTextArg2, 60},
        {"ShowText argument 4", (uint64_t)kShowTextArg3, 0},
        {"TriggerEvent value", kTriggerEventValue, 1},
        {"centre-of-gravity variable", (uint64_t)kCentreOfGravityVariable, 158},
        {"SetStationWeight argument 2", (uint64_t)kStationWeightArg1, 164},
        {"SetStationWeight argument 3", (uint64_t)kStationWeightArg2, 124},
        {"effects on", kEventEffectsOn, 0x10201},
        {"effects off", kEventEffectsOff, 0x10202},
        {"UserAircraft data block", kUserAircraftDataBlock, 0x00},
        {"UserAircraft on ground", kUserAircraftOnGround, 0x7F},
        {"UserAircraft parking brake", kUserAircraftParkingBrake, 0xFE},
        {"AircraftDataBlock payload", kDataBlockPayload, 0xCD},
        {"AircraftDataBlock first slot", kDataBlockFirstSlot, 0x418E},
        {"AircraftDataBlock atc_model", kDataBlockAtcModel, 0x4208},
        {"PayloadDescriptor station count", kPayloadStationCount, 0x34},
        {"EffectSlot x", kSlotX, 0x00},
        {"EffectSlot y", kSlotY, 0x08},
        {"EffectSlot z", kSlotZ, 0x10},
        {"EffectSlot effect file", kSlotEffectFile, 0x18},
        {"EffectSlot next", kSlotNext, 0x20},
    };
    for (const Literal& entry : literals) {
        EXPECT_EQ(entry.header, entry.literal) << entry.what;
    }
}

// ---- A host laid out by the literals alone ----

std::vector<std::string> gCalls; // every host call, as "Name arguments"
unsigned char gAircraftServices[0x74], gTextServices[0xD4], gEventServices[0x140];
unsigned char gAircraft[0x102], gDataBlock[0x4208 + 260], gPayload[0x38], gSlots[2][0x24];
void* gSetterOperations[7];
void* gSetter[1] = {gSetterOperations};
const char kHostEffectA[] = "fx_host_a.fx";
const char kHostEffectB[] = "fx_host_b.fx";

template <typename T>
void Put(void* record, size_t offset, T value) {
    memcpy((unsigned char*)record + offset, &value, sizeof(value));
}

template <typename T>
T Get(const void* record, size_t offset) {
    T value;
    memcpy(&value, (const unsigned char*)record + offset, sizeof(value));
    return value;
}

std::string Format(const char* format, ...) {
    char text[600];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    return text;
}

void* __stdcall LiteralGetUserAircraft() {
    gCalls.push_back("GetUserAircraft");
    return gAircraft;
}
void* __stdcall LiteralGetPayloadSetter() {
    gCalls.push_back("GetPayloadSetter");
    return gSetter;
}
int __stdcall LiteralClearText() {
    gCalls.push_back("ClearText");
    return 0;
}
int __stdcall LiteralShowText(const char* text, int a, int b, int c) {
    gCalls.push_back(Format("ShowText %s|%d %d %d", text, a, b, c));
    return 0;
}
int __stdcall LiteralTriggerEvent(unsigned eventId, unsigned value) {
    gCalls.push_back(Format("TriggerEvent %#x %u", eventId, value));
    return 0;
}
double __stdcall LiteralReadAircraftValue(int variable, int a, int b) {
    gCalls.push_back(Format("ReadAircraftValue %d %d %d", variable, a, b));
    return 0.253;
}
int __stdcall LiteralSetStationWeight(void* setter, int a, int b, double weight, int station) {
    gCalls.push_back(Format("SetStationWeight %s %d %d %g %d", setter == gSetter ? "setter" : "other", a, b, weight,
                            station));
    return 0;
}

void LayOutHost() {
    memset(gAircraftServices, 0, sizeof(gAircraftServices));
    memset(gTextServices, 0, sizeof(gTextServices));
    memset(gEventServices, 0, sizeof(gEventServices));
    Put(gAircraftServices, 0x18, (void*)LiteralGetUserAircraft);
    Put(gAircraftServices, 0x70, (void*)LiteralGetPayloadSetter);
    Put(gTextServices, 0xD0, (void*)LiteralClearText);
    Put(gTextServices, 0xC8, (void*)LiteralShowText);
    Put(gEventServices, 0x13C, (void*)LiteralTriggerEvent);
    Put(gEventServices, 0x12C, (void*)LiteralReadAircraftValue);
    memset(gSetterOperations, 0, sizeof(gSetterOperations));
    gSetterOperations[6] = (void*)LiteralSetStationWeight; // byte offset 0x18

    // Every byte the module must not read is a pattern, so that a read at a wrong offset
    // finds nothing usable.
    memset(gAircraft, 0xA5, sizeof(gAircraft));
    memset(gDataBlock, 0xA5, sizeof(gDataBlock));
    memset(gPayload, 0xA5, sizeof(gPayload));
    memset(gSlots, 0xA5, sizeof(gSlots));
    Put(gAircraft, 0x00, (void*)gDataBlock);
    Put(gAircraft, 0x7F, (uint8_t)1);
    Put(gAircraft, 0xFE, (uint32_t)1);
    Put(gDataBlock, 0xCD, (void*)gPayload);
    Put(gDataBlock, 0x418E, (void*)gSlots[0]);
    strcpy((char*)gDataBlock + 0x4208, "Probe 7");
    Put(gPayload, 0x34, (uint32_t)2);
    const char* names[2] = {kHostEffectA, kHostEffectB};
    for (int k = 0; k < 2; k++) {
        Put(gSlots[k], 0x00, 1.0 + k);
        Put(gSlots[k], 0x08, 2.0 + k);
        Put(gSlots[k], 0x10, 3.0 + k);
        Put(gSlots[k], 0x18, names[k]);
        Put(gSlots[k], 0x20, k == 0 ? (void*)gSlots[1] : nullptr);
    }
}

class LiteralHostTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = new ScratchRoot;
        LayOutHost();
        window_ = SimCreateMainWindow(false);
        SetForegroundWindow(window_);
        library_ = LoadLibraryA(ModuleDllPath().c_str());
        ASSERT_NE(library_, nullptr);
        unsigned char* table = (unsigned char*)GetProcAddress(library_, "ImportTable");
        ASSERT_NE(table, nullptr);
        // Entries 10, 11 and 15 of the table ask for services 0x0F, 0x19 and 0x0A; the
        // host stores each table's address in the entry's second field.
        const struct {
            int position;
            uint32_t id;
            void* services;
        } bindings[] = {{9, 0x0F, gEventServices}, {10, 0x19, gAircraftServices}, {14, 0x0A, gTextServices}};
        for (const auto& binding : bindings) {
            ASSERT_EQ(Get<uint32_t>(table, 8 * binding.position), binding.id);
            Put(table, 8 * binding.position + 4, binding.services);
        }
        SimPumpMessages(50);
        gCalls.clear();
    }
    void TearDown() override {
        if (library_) {
            FreeLibrary(library_);
        }
        SimDestroyMainWindow();
        delete root_;
    }
    std::vector<std::string> Type(const std::vector<WORD>& modifiers, WORD key, DWORD wait = 200) {
        gCalls.clear();
        SimTypeChord(modifiers, key);
        SimPumpMessages(wait);
        return gCalls;
    }
    static bool Has(const std::vector<std::string>& calls, const std::string& call) {
        for (const std::string& seen : calls) {
            if (seen == call) {
                return true;
            }
        }
        return false;
    }
    static std::string Shown(const std::vector<std::string>& calls) {
        std::string shown;
        for (const std::string& call : calls) {
            if (call.compare(0, 9, "ShowText ") == 0) {
                shown += call.substr(9) + "\n";
            }
        }
        return shown;
    }

    ScratchRoot* root_ = nullptr;
    HWND window_ = nullptr;
    HMODULE library_ = nullptr;
};

TEST_F(LiteralHostTest, TheDllUsesTheLiteralLayout) {
    WriteConfigFile("Probe 7", "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_number=3\nKFWS_Airdrop_metod=2\n"
                               "KFWS_Airdrop_type=2\nKFWS_Airdrop_realism=1\nKFWS_Airdrop_visual=1\n"
                               "KFWS_Airdrop_left_x=-3\nKFWS_Airdrop_left_y=1\nKFWS_Airdrop_left_z=-10\n");
    const std::vector<WORD> ctrlShift = {VK_LCONTROL, VK_LSHIFT};

    // The on-ground byte at 0x7F and the parking-brake word at 0xFE, each on its own.
    Put(gAircraft, 0x7F, (uint8_t)0);
    EXPECT_EQ(Utf8(Shown(Type(ctrlShift, '1'))), Utf8("Командир, мы же в воздухе !!!|5 60 0\n"));
    Put(gAircraft, 0x7F, (uint8_t)1);
    Put(gAircraft, 0xFE, (uint32_t)0);
    EXPECT_EQ(Utf8(Shown(Type(ctrlShift, '1'))), Utf8("Командир, поставь на стояночный !!!|5 60 0\n"));
    Put(gAircraft, 0xFE, (uint32_t)1);

    // The load: the model name read at 0x4208 found the file; two stations from 0x34.
    std::vector<std::string> calls = Type(ctrlShift, '1');
    EXPECT_TRUE(Has(calls, "GetUserAircraft"));
    EXPECT_TRUE(Has(calls, "GetPayloadSetter"));
    EXPECT_TRUE(Has(calls, "ClearText"));
    EXPECT_EQ(Utf8(Shown(calls)), Utf8("Командир одуванчики на борту !!!|5 60 0\n"));
    EXPECT_TRUE(Has(calls, "SetStationWeight setter 164 124 330 1"));
    EXPECT_TRUE(Has(calls, "SetStationWeight setter 164 124 330 2"));
    // Two streams by the side exit: the side point and its mirror, through the first-slot
    // pointer at 0x418E and the next pointer at 0x20.
    for (int k = 0; k < 2; k++) {
        SCOPED_TRACE(k);
        EXPECT_STREQ(Get<const char*>(gSlots[k], 0x18), "fx_KFWS_Desant.fx");
        EXPECT_EQ(Get<double>(gSlots[k], 0x00), k == 0 ? -3.0 : 3.0);
        EXPECT_EQ(Get<double>(gSlots[k], 0x08), 1.0);
        EXPECT_EQ(Get<double>(gSlots[k], 0x10), -10.0);
    }

    // The status report: the centre of gravity by variable 158, the model name.
    calls = Type(ctrlShift, '9');
    EXPECT_TRUE(Has(calls, "ReadAircraftValue 158 0 0"));
    std::string report = Shown(calls);
    EXPECT_NE(report.find("  Модель:  Probe 7 \n"), std::string::npos) << Utf8(report);
    EXPECT_NE(report.find("САХ = 25.3"), std::string::npos) << Utf8(report);

    // One tick of the drop: two paratroopers off, then the effect pulse.
    Type(ctrlShift, VK_SPACE);
    gCalls.clear();
    SimPumpMessages(1300);
    calls = gCalls;
    EXPECT_NE(Shown(calls).find("Количество десантников - 1 чел.\n|5 60 0"), std::string::npos) << Utf8(Shown(calls));
    EXPECT_TRUE(Has(calls, "SetStationWeight setter 164 124 110 1"));
    EXPECT_TRUE(Has(calls, "TriggerEvent 0x10201 1"));
    EXPECT_TRUE(Has(calls, "TriggerEvent 0x10202 1"));

    // The emergency unload gives the slots their own contents back.
    calls = Type({VK_LCONTROL, VK_LSHIFT, VK_LMENU}, '1');
    EXPECT_TRUE(Has(calls, "SetStationWeight setter 164 124 0 2"));
    EXPECT_EQ(Get<const char*>(gSlots[0], 0x18), kHostEffectA);
    EXPECT_EQ(Get<const char*>(gSlots[1], 0x18), kHostEffectB);
    EXPECT_EQ(Get<double>(gSlots[1], 0x00), 2.0);
}

} // namespace
