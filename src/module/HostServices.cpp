#include "module/HostServices.h"

#include "module/Linkage.h"

static void* ServiceOperation(int entry, size_t offset) {
    return HostOperation(ImportTable[entry].table, offset);
}

void* GetUserAircraft(void) {
    GetUserAircraftFn op = (GetUserAircraftFn)ServiceOperation(kImportAircraftServices, kOpGetUserAircraft);
    return op ? op() : NULL;
}

void* GetPayloadSetter(void) {
    GetPayloadSetterFn op = (GetPayloadSetterFn)ServiceOperation(kImportAircraftServices, kOpGetPayloadSetter);
    return op ? op() : NULL;
}

void ClearText(void) {
    ClearTextFn op = (ClearTextFn)ServiceOperation(kImportTextServices, kOpClearText);
    if (op) {
        op();
    }
}

void ShowText(const char* text) {
    ShowTextFn op = (ShowTextFn)ServiceOperation(kImportTextServices, kOpShowText);
    if (op) {
        op(text, kShowTextArg1, kShowTextArg2, kShowTextArg3);
    }
}

void TriggerEvent(unsigned eventId) {
    TriggerEventFn op = (TriggerEventFn)ServiceOperation(kImportEventServices, kOpTriggerEvent);
    if (op) {
        op(eventId, kTriggerEventValue);
    }
}

double ReadAircraftValue(int variable) {
    ReadAircraftValueFn op = (ReadAircraftValueFn)ServiceOperation(kImportEventServices, kOpReadAircraftValue);
    return op ? op(variable, 0, 0) : 0.0;
}

void SetStationWeight(void* payloadSetter, double weight, int station) {
    if (!payloadSetter) {
        return;
    }
    SetStationWeightFn op = (SetStationWeightFn)HostOperation(ReadHostPtr(payloadSetter, 0), kOpSetStationWeight);
    if (op) {
        op(payloadSetter, kStationWeightArg1, kStationWeightArg2, weight, station);
    }
}

void ShowMessage(const char* text) {
    ClearText();
    ShowText(text);
}

void* AircraftDataBlock(void* userAircraft) {
    return userAircraft ? ReadHostPtr(userAircraft, kUserAircraftDataBlock) : NULL;
}

void* AircraftPayloadDescriptor(void* userAircraft) {
    void* dataBlock = AircraftDataBlock(userAircraft);
    return dataBlock ? ReadHostPtr(dataBlock, kDataBlockPayload) : NULL;
}

void* AircraftFirstEffectSlot(void* userAircraft) {
    void* dataBlock = AircraftDataBlock(userAircraft);
    return dataBlock ? ReadHostPtr(dataBlock, kDataBlockFirstSlot) : NULL;
}

const char* AircraftModelName(void* userAircraft) {
    void* dataBlock = AircraftDataBlock(userAircraft);
    return dataBlock ? (const char*)dataBlock + kDataBlockAtcModel : NULL;
}
