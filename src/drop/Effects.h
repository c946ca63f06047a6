// Exit-point effects: the aircraft's first four effect slots are borrowed for one load.
#pragma once

#include "config/ConfigFile.h"

extern const char kEffectParatroopers[]; // "fx_KFWS_Desant.fx"
extern const char kEffectCargo[];        // "fx_KFWS_Cargo.fx"
extern const char kEffectFire[];         // "fx_KFWS_Fire.fx"
extern const char kEffectBlank[];        // ""

// Copies the first four slots (position and name pointer) into savedSlots.
void SaveEffectSlots(void);
// Writes savedSlots back into the first four slots; nothing before the first save.
void RestoreEffectSlots(void);
// Points the slots at the drop effects at the configured exit points.
void PlaceEffects(void);

// What one slot is to hold: an effect file name and the emitter's position.
struct EffectPlacement {
    const char* effectFile; // kEffectBlank for a blanked slot
    double x, y, z;
};

// The placement table: fills the new contents of the first four slots (kSavedSlotCount)
// from the configuration; false when the configuration leaves the slots unchanged.
// Slots without an effect are blanked.
bool ChoosePlacements(const AircraftConfig& config, EffectPlacement* slots);
