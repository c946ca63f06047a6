#include "drop/Loading.h"

#include "drop/AirdropState.h"
#include "drop/Effects.h"
#include "module/HostServices.h"

static const char kMsgAlreadyLoaded[] = "Командир, мы упакованы !!!";
static const char kMsgNoAtcModel[] = "Не указан параметр atc_model!";
static const char kMsgNoConfigFile[] = "Не существует файла конфигурации!";
static const char kMsgInTheAir[] = "Командир, мы же в воздухе !!!";
static const char kMsgSetParkingBrake[] = "Командир, поставь на стояночный !!!";
static const char kMsgParatroopersAboard[] = "Командир одуванчики на борту !!!";
static const char kMsgCargoSecured[] = "Командир груз закреплен !!!";
static const char kMsgTanksFull[] = "Командир баки полные !!!";

void* AcquireUserAircraft(void) {
    gAirdropState.userAircraft = GetUserAircraft();
    return gAirdropState.userAircraft;
}

void ReacquireUserAircraft(void) {
    AcquireUserAircraft();
}

bool LoadWeight(const AircraftConfig& config, double* weight) {
    switch (config.variant) {
    case kVariantParatroopers:
        // In floating point: a count whose integer product would overflow still gives
        // its true weight, and every product that fits in 32 bits comes out the same.
        *weight = (double)config.number * kPoundsPerParatrooper;
        return true;
    case kVariantCargo:
        *weight = (double)config.number * kPoundsPerKilogram;
        return true;
    case kVariantFire:
        *weight = (double)config.number * kPoundsPerLitreHalf * 2.0;
        return true;
    default:
        return false;
    }
}

// What the pilot is told when the load goes aboard; null for a variant without a load.
static const char* LoadMessage(int variant) {
    switch (variant) {
    case kVariantParatroopers:
        return kMsgParatroopersAboard;
    case kVariantCargo:
        return kMsgCargoSecured;
    case kVariantFire:
        return kMsgTanksFull;
    default:
        return NULL;
    }
}

// False when there is no station list or its count is beyond kMaxPayloadStations.
static bool ReadStationCount(unsigned* count) {
    void* payload = AircraftPayloadDescriptor(gAirdropState.userAircraft);
    if (!payload) {
        return false;
    }
    *count = ReadHostU32(payload, kPayloadStationCount);
    return *count <= kMaxPayloadStations;
}

// Gives every station of the kept aircraft the same share of `totalWeight`.
static void SpreadPayload(void* setter, double totalWeight) {
    unsigned count;
    if (!setter || !ReadStationCount(&count)) {
        return;
    }
    // The count is read again after each station; the next division uses the new count,
    // and a count beyond kMaxPayloadStations ends the spread.
    for (unsigned station = 1; station <= count; station++) {
        SetStationWeight(setter, totalWeight / (double)count, (int)station);
        if (!ReadStationCount(&count)) {
            return;
        }
    }
}

void ApplyPayload(double totalWeight) {
    SpreadPayload(GetPayloadSetter(), totalWeight);
}

void LoadAircraft(void) {
    void* aircraft = AcquireUserAircraft();
    if (gAirdropState.loaded == 1) {
        ShowMessage(kMsgAlreadyLoaded);
        return;
    }
    // No aircraft or no data block: there is no model to load, and nothing is touched.
    const char* modelName = AircraftModelName(aircraft);
    if (!modelName) {
        return;
    }
    switch (CheckConfigFile(modelName, &gAirdropState.configFileState)) {
    case -1:
        ShowMessage(kMsgNoAtcModel); // replaces the check's longer message
        return;
    case 1:
        break;
    default:
        ShowMessage(kMsgNoConfigFile);
        return;
    }

    ReadAircraftConfig(modelName, &gAirdropState.config);
    const AircraftConfig& config = gAirdropState.config;
    if (config.realism != kRealismSimple) {
        if (ReadHostU8(aircraft, kUserAircraftOnGround) == 0) {
            ShowMessage(kMsgInTheAir);
            return;
        }
        if (ReadHostU32(aircraft, kUserAircraftParkingBrake) == 0) {
            ShowMessage(kMsgSetParkingBrake);
            return;
        }
    }

    // Everything the payload spread needs is asked for before the first change, so that
    // a host without a payload setter or a usable station list leaves the aircraft as it was.
    void* setter = GetPayloadSetter();
    unsigned stations;
    if (!setter || !ReadStationCount(&stations)) {
        return;
    }

    const char* message = LoadMessage(config.variant);
    if (message) {
        ShowMessage(message);
    }
    double weight;
    if (LoadWeight(config, &weight)) {
        gAirdropState.totalLoadWeight = weight;
    }
    SpreadPayload(setter, gAirdropState.totalLoadWeight);
    gAirdropState.loaded = 1;

    // The slots are borrowed whether or not visual effects are on.
    SaveEffectSlots();
    PlaceEffects();
}
