// Exit-point effects: the aircraft's first four effect slots are borrowed for one load.
#pragma once

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
