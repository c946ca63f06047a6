#include "drop/Effects.h"

#include "drop/AirdropState.h"
#include "module/HostServices.h"

const char kEffectParatroopers[] = "fx_KFWS_Desant.fx";
const char kEffectCargo[] = "fx_KFWS_Cargo.fx";
const char kEffectFire[] = "fx_KFWS_Fire.fx";
const char kEffectBlank[] = "";

enum CopyDirection { kSlotsToSaved, kSavedToSlots };

// One walk over the first four slots; the direction of the copy is the only difference.
static void CopyEffectSlots(CopyDirection direction) {
    void* slot = AircraftFirstEffectSlot(gAirdropState.userAircraft);
    for (int k = 0; k < kSavedSlotCount && slot; k++) {
        SavedEffectSlot& saved = gAirdropState.savedSlots[k];
        if (direction == kSlotsToSaved) {
            saved.effectFile = (const char*)ReadHostPtr(slot, kSlotEffectFile);
            saved.x = ReadHostDouble(slot, kSlotX);
            saved.y = ReadHostDouble(slot, kSlotY);
            saved.z = ReadHostDouble(slot, kSlotZ);
        } else {
            WriteHostPtr(slot, kSlotEffectFile, saved.effectFile);
            WriteHostDouble(slot, kSlotX, saved.x);
            WriteHostDouble(slot, kSlotY, saved.y);
            WriteHostDouble(slot, kSlotZ, saved.z);
        }
        slot = ReadHostPtr(slot, kSlotNext);
    }
}

void SaveEffectSlots(void) {
    CopyEffectSlots(kSlotsToSaved);
    gAirdropState.slotsSaved = 1;
}

void RestoreEffectSlots(void) {
    // Before the first save there is nothing of the host's to give back.
    if (gAirdropState.slotsSaved) {
        CopyEffectSlots(kSavedToSlots);
    }
}

void PlaceEffects(void) {
    // Built with the loading issue.
}
