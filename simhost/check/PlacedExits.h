// Which exit point the module's placement table puts each of the aircraft's first four
// effect slots at, as the readiness check names the streams and the simhost views mark
// the points that get an effect.
#pragma once

#include "config/ConfigFile.h"

enum PlacedExit {
    kPlacedNone = -1,   // the slot is blanked
    kPlacedSide = 0,    // the side exit point
    kPlacedSideMirror,  // its mirror (x negated)
    kPlacedRear,        // the rear exit point
    kPlacedRearMirror,  // its mirror
};

// Fills `exits` (one PlacedExit per slot, four slots); false, with every slot
// kPlacedNone, when the configuration leaves the slots as they are.
bool PlacedExits(const AircraftConfig& config, int exits[4]);

// How many of the four slots the placement puts an effect into for this configuration
// (0 when it leaves the slots as they are).
int PlacedEffectCount(const AircraftConfig& config);
// The most any configuration gets an effect placed: what an aircraft needs when its
// configuration is not known yet.
int MostPlacedEffects();
