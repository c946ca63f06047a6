// The exit-point effects: the placement table, mirror points and blanked slots, short
// slot lists, and the save and restore of the host's own slot contents.
#include <windows.h>

#include <string.h>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "drop/AirdropState.h"
#include "drop/Effects.h"
#include "drop/Loading.h"
#include "module/HostServices.h"

namespace {

class EffectsTest : public HostFixture {
protected:
    // A fresh aircraft with `slots` effect slots; side point (-3, 1, -10), rear point (2, -1, -12).
    void Reset(size_t slots, int variant, int method, int exitType) {
        memset(&gAirdropState, 0, sizeof(gAirdropState));
        SimAircraftSpec spec = DefaultSpec("Trainer 1");
        spec.slots.resize(slots);
        UseAircraft(spec);
        AcquireUserAircraft();
        AircraftConfig& config = gAirdropState.config;
        config.variant = variant;
        config.method = method;
        config.exitType = exitType;
        config.leftX = -3.0;
        config.leftY = 1.0;
        config.leftZ = -10.0;
        config.downX = 2.0;
        config.downY = -1.0;
        config.downZ = -12.0;
    }
    // Slot k holds `name` (the module's own text) at (x, y, z).
    void ExpectSlot(size_t k, const char* name, double x, double y, double z) {
        SCOPED_TRACE("slot " + std::to_string(k));
        EXPECT_EQ(SimSlotName(aircraft_, k), name);
        EXPECT_EQ(SimSlotCoord(aircraft_, k, 0), x);
        EXPECT_EQ(SimSlotCoord(aircraft_, k, 1), y);
        EXPECT_EQ(SimSlotCoord(aircraft_, k, 2), z);
    }
    // Slot k holds what the host put there: its own name pointer and position.
    void ExpectHostSlot(size_t k) {
        SimSlotSpec host = DefaultSpec("").slots[k];
        ExpectSlot(k, SimHostSlotName(aircraft_, k), host.x, host.y, host.z);
    }
};

TEST_F(EffectsTest, PlacementTable) {
    // Slot codes: R rear point, r its mirror, S side point, s its mirror, - blank, = unchanged.
    struct Row {
        int variant, method, exitType;
        const char* effect;
        const char* slots;
    } rows[] = {
        {1, 1, 1, kEffectParatroopers, "R---"},
        {1, 1, 2, kEffectParatroopers, "S---"},
        {1, 1, 3, nullptr, "===="},
        {1, 1, 0, nullptr, "===="},
        {1, 2, 1, kEffectParatroopers, "Rr--"},
        {1, 2, 2, kEffectParatroopers, "Ss--"},
        {1, 2, 3, kEffectParatroopers, "RS--"},
        {1, 2, 4, nullptr, "===="},
        {1, 0, 1, nullptr, "===="},
        {1, 3, 2, nullptr, "===="},
        {2, 1, 1, kEffectCargo, "R---"},
        {2, 2, 2, kEffectCargo, "R---"},
        {2, 0, 0, kEffectCargo, "R---"},
        {3, 2, 3, kEffectFire, "R---"},
        {3, 9, -1, kEffectFire, "R---"},
        {0, 1, 1, nullptr, "===="},
        {4, 2, 2, nullptr, "===="},
    };
    for (size_t i = 0; i < sizeof(rows) / sizeof(rows[0]); i++) {
        const Row& row = rows[i];
        SCOPED_TRACE("row " + std::to_string(i) + ": variant " + std::to_string(row.variant) + ", method " +
                     std::to_string(row.method) + ", exit " + std::to_string(row.exitType));
        Reset(5, row.variant, row.method, row.exitType);
        PlaceEffects();
        for (size_t k = 0; k < 4; k++) {
            switch (row.slots[k]) {
            case 'R': ExpectSlot(k, row.effect, 2.0, -1.0, -12.0); break;
            case 'r': ExpectSlot(k, row.effect, -2.0, -1.0, -12.0); break;
            case 'S': ExpectSlot(k, row.effect, -3.0, 1.0, -10.0); break;
            case 's': ExpectSlot(k, row.effect, 3.0, 1.0, -10.0); break;
            case '-': ExpectSlot(k, kEffectBlank, 0.0, 0.0, 0.0); break;
            default: ExpectHostSlot(k); break;
            }
        }
        ExpectHostSlot(4); // only the first four slots are borrowed
    }
    EXPECT_STREQ(kEffectParatroopers, "fx_KFWS_Desant.fx");
    EXPECT_STREQ(kEffectCargo, "fx_KFWS_Cargo.fx");
    EXPECT_STREQ(kEffectFire, "fx_KFWS_Fire.fx");
    EXPECT_STREQ(kEffectBlank, "");
}

TEST_F(EffectsTest, ShortListsAreWrittenToTheirEnd) {
    Reset(1, 1, 2, 2);
    PlaceEffects();
    ExpectSlot(0, kEffectParatroopers, -3.0, 1.0, -10.0);

    Reset(0, 2, 1, 1);
    SaveEffectSlots();
    PlaceEffects();
    RestoreEffectSlots();
    EXPECT_EQ(gAirdropState.savedSlots[0].effectFile, nullptr);
    EXPECT_EQ(AircraftFirstEffectSlot(gAirdropState.userAircraft), nullptr);

    // With no aircraft at all, nothing is reached and nothing fails.
    Reset(5, 2, 1, 1);
    gAirdropState.userAircraft = nullptr;
    SaveEffectSlots();
    PlaceEffects();
    gAirdropState.userAircraft = aircraft_->userAircraft.data();
    ExpectHostSlot(0);
}

TEST_F(EffectsTest, RestoreGivesBackTheHostsOwnNames) {
    Reset(2, 2, 1, 1);
    // What an earlier save of a longer list left in the last two entries stays there.
    SavedEffectSlot earlier = {7.0, 7.0, 7.0, "earlier.fx"};
    gAirdropState.savedSlots[2] = earlier;
    gAirdropState.savedSlots[3] = earlier;
    SaveEffectSlots();
    EXPECT_EQ(gAirdropState.savedSlots[0].effectFile, SimHostSlotName(aircraft_, 0)) << "the pointer, not a copy";
    EXPECT_EQ(gAirdropState.savedSlots[1].effectFile, SimHostSlotName(aircraft_, 1));
    EXPECT_EQ(gAirdropState.savedSlots[1].z, 6.0);
    EXPECT_EQ(gAirdropState.savedSlots[3].effectFile, earlier.effectFile);

    PlaceEffects();
    ExpectSlot(0, kEffectCargo, 2.0, -1.0, -12.0);
    ExpectSlot(1, kEffectBlank, 0.0, 0.0, 0.0);
    RestoreEffectSlots();
    ExpectHostSlot(0);
    ExpectHostSlot(1);

    // A later restore without a new save writes the same contents again.
    PlaceEffects();
    RestoreEffectSlots();
    ExpectHostSlot(0);
    ExpectHostSlot(1);
}

TEST_F(EffectsTest, RestoreBeforeAnySaveLeavesTheSlots) {
    Reset(5, 1, 1, 1);
    RestoreEffectSlots();
    for (size_t k = 0; k < 5; k++) {
        ExpectHostSlot(k);
    }
}

} // namespace
