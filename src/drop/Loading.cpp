#include "drop/Loading.h"

#include "drop/AirdropState.h"
#include "module/HostServices.h"

void* AcquireUserAircraft(void) {
    gAirdropState.userAircraft = GetUserAircraft();
    return gAirdropState.userAircraft;
}

void ReacquireUserAircraft(void) {
    AcquireUserAircraft();
}

void LoadAircraft(void) {
    // Built with the loading issue.
}

bool LoadWeight(const AircraftConfig& config, double* weight) {
    (void)config;
    (void)weight;
    return false;
}

static bool ReadStationCount(unsigned* count) {
    void* payload = AircraftPayloadDescriptor(gAirdropState.userAircraft);
    if (!payload) {
        return false;
    }
    *count = ReadHostU32(payload, kPayloadStationCount);
    return true;
}

void ApplyPayload(double totalWeight) {
    void* setter = GetPayloadSetter();
    unsigned count;
    if (!setter || !ReadStationCount(&count)) {
        return;
    }
    // The count is read again after each station; the next division uses the new count.
    for (unsigned station = 1; station <= count; station++) {
        SetStationWeight(setter, totalWeight / (double)count, (int)station);
        if (!ReadStationCount(&count)) {
            return;
        }
    }
}
