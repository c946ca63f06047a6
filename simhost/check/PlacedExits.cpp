// The module's own placement table, asked with the configuration's variant, method and
// exit type but with exit points that cannot coincide, tells which point each slot gets.
#include "simhost/check/PlacedExits.h"

#include "drop/AirdropState.h"
#include "drop/Effects.h"

static_assert(kSavedSlotCount == 4, "four borrowed effect slots");

bool PlacedExits(const AircraftConfig& config, int exits[4]) {
    AircraftConfig probe = config;
    probe.leftX = 1, probe.leftY = 0, probe.leftZ = 0;
    probe.downX = 2, probe.downY = 0, probe.downZ = 0;
    EffectPlacement placements[kSavedSlotCount];
    bool placed = ChoosePlacements(probe, placements);
    for (int k = 0; k < kSavedSlotCount; k++) {
        const EffectPlacement& p = placements[k];
        exits[k] = kPlacedNone;
        if (placed && p.effectFile[0] != '\0') {
            exits[k] = p.x == 1 ? kPlacedSide : p.x == -1 ? kPlacedSideMirror : p.x == 2 ? kPlacedRear : kPlacedRearMirror;
        }
    }
    return placed;
}

int PlacedEffectCount(const AircraftConfig& config) {
    int exits[kSavedSlotCount];
    PlacedExits(config, exits);
    int count = 0;
    while (count < kSavedSlotCount && exits[count] != kPlacedNone) {
        count++;
    }
    return count;
}

int MostPlacedEffects() {
    int most = 0;
    AircraftConfig config = {};
    for (config.variant = kVariantParatroopers; config.variant <= kVariantFire; config.variant++) {
        for (config.method = kMethodOneStream; config.method <= kMethodTwoStreams; config.method++) {
            for (config.exitType = kExitRear; config.exitType <= kExitSideAndRear; config.exitType++) {
                int count = PlacedEffectCount(config);
                most = count > most ? count : most;
            }
        }
    }
    return most;
}
