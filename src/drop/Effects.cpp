#include "drop/Effects.h"

#include "drop/AirdropState.h"
#include "module/HostServices.h"

const char kEffectParatroopers[] = "fx_KFWS_Desant.fx";
const char kEffectCargo[] = "fx_KFWS_Cargo.fx";
const char kEffectFire[] = "fx_KFWS_Fire.fx";
const char kEffectBlank[] = "";

enum CopyDirection { kSlotsToSaved, kSavedToSlots };

// The slot after `slot` in a walk over the first four slots: null at the end of the list,
// and where the list links back to a slot already walked, so that a list that loops back
// on itself is taken as the slots it really has, each once.
static void* NextEffectSlot(void* slot, void* const walked[], int walkedCount) {
    void* next = ReadHostPtr(slot, kSlotNext);
    for (int k = 0; k < walkedCount; k++) {
        if (walked[k] == next) {
            return NULL;
        }
    }
    return next;
}

// One walk over the first four slots; the direction of the copy is the only difference.
static void CopyEffectSlots(CopyDirection direction) {
    void* walked[kSavedSlotCount];
    void* slot = AircraftFirstEffectSlot(gAirdropState.userAircraft);
    for (int k = 0; k < kSavedSlotCount && slot; k++) {
        walked[k] = slot;
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
        slot = NextEffectSlot(slot, walked, k + 1);
    }
}

void SaveEffectSlots(void) {
    void* list = AircraftFirstEffectSlot(gAirdropState.userAircraft);
    // Slots still lent out to an earlier load (its drop ended while the host had another
    // aircraft in place) hold the module's own writes: the saved contents, not yet given
    // back, are the aircraft's own and are kept.
    if (!(gAirdropState.slotsLent && list == gAirdropState.savedSlotList)) {
        CopyEffectSlots(kSlotsToSaved);
    }
    gAirdropState.slotsSaved = 1;
    gAirdropState.savedSlotList = list;
    gAirdropState.slotsLent = 1;
}

void RestoreEffectSlots(void) {
    // Before the first save there is nothing of the host's to give back. The saved contents
    // go back only to the slot list they came from: written into the slots of an aircraft
    // the host has put in its place, they would point that aircraft's emitters at another
    // aircraft's names, which the host may have freed.
    if (gAirdropState.slotsSaved &&
        AircraftFirstEffectSlot(gAirdropState.userAircraft) == gAirdropState.savedSlotList) {
        CopyEffectSlots(kSavedToSlots);
        gAirdropState.slotsLent = 0;
    }
}

static EffectPlacement PlaceAt(const char* effectFile, double x, double y, double z) {
    EffectPlacement placement = {effectFile, x, y, z};
    return placement;
}

// The matching point on the other side of the centre line.
static EffectPlacement Mirrored(const EffectPlacement& placement) {
    return PlaceAt(placement.effectFile, placement.x * -1.0, placement.y, placement.z);
}

static bool ChooseParatrooperPlacements(const AircraftConfig& config, EffectPlacement* slots) {
    EffectPlacement rear = PlaceAt(kEffectParatroopers, config.downX, config.downY, config.downZ);
    EffectPlacement side = PlaceAt(kEffectParatroopers, config.leftX, config.leftY, config.leftZ);
    if (config.method == kMethodOneStream) {
        switch (config.exitType) {
        case kExitRear:
            slots[0] = rear;
            return true;
        case kExitSide:
            slots[0] = side;
            return true;
        default: // one stream cannot use both exits: the slots stay as they are
            return false;
        }
    }
    if (config.method == kMethodTwoStreams) {
        switch (config.exitType) {
        case kExitRear:
            slots[0] = rear;
            slots[1] = Mirrored(rear);
            return true;
        case kExitSide:
            slots[0] = side;
            slots[1] = Mirrored(side);
            return true;
        case kExitSideAndRear:
            slots[0] = rear;
            slots[1] = side;
            return true;
        default:
            return false;
        }
    }
    return false;
}

bool ChoosePlacements(const AircraftConfig& config, EffectPlacement* slots) {
    for (int k = 0; k < kSavedSlotCount; k++) {
        slots[k] = PlaceAt(kEffectBlank, 0.0, 0.0, 0.0);
    }
    // Cargo and liquid always leave through the rear point, in one stream.
    switch (config.variant) {
    case kVariantParatroopers:
        return ChooseParatrooperPlacements(config, slots);
    case kVariantCargo:
        slots[0] = PlaceAt(kEffectCargo, config.downX, config.downY, config.downZ);
        return true;
    case kVariantFire:
        slots[0] = PlaceAt(kEffectFire, config.downX, config.downY, config.downZ);
        return true;
    default:
        return false;
    }
}

void PlaceEffects(void) {
    EffectPlacement placements[kSavedSlotCount];
    if (!ChoosePlacements(gAirdropState.config, placements)) {
        return;
    }
    // In list order, name first; a shorter list keeps what was written up to its end.
    void* walked[kSavedSlotCount];
    void* slot = AircraftFirstEffectSlot(gAirdropState.userAircraft);
    for (int k = 0; k < kSavedSlotCount && slot; k++) {
        walked[k] = slot;
        WriteHostPtr(slot, kSlotEffectFile, placements[k].effectFile);
        WriteHostDouble(slot, kSlotX, placements[k].x);
        WriteHostDouble(slot, kSlotY, placements[k].y);
        WriteHostDouble(slot, kSlotZ, placements[k].z);
        slot = NextEffectSlot(slot, walked, k + 1);
    }
}
