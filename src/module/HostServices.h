// The host's services as the module uses them. Every call reads the service table
// afresh from ImportTable; an operation whose table (or entry) the host never bound
// is skipped, and reads from the host records tolerate null records.
#pragma once

#include "module/HostAbi.h"

// Table 0x19.
void* GetUserAircraft(void);
void* GetPayloadSetter(void);
// Table 0x0A.
void ClearText(void);
void ShowText(const char* text);
// Table 0x0F.
void TriggerEvent(unsigned eventId);
double ReadAircraftValue(int variable);
// PayloadSetter: sets one station's weight (stations count from 1). A null setter is skipped.
void SetStationWeight(void* payloadSetter, double weight, int station);

// Clears the host screen's text and shows `text`: the one way to talk to the pilot.
void ShowMessage(const char* text);

// Fields of the host records reached from a UserAircraft; null when a record is missing.
void* AircraftDataBlock(void* userAircraft);
void* AircraftPayloadDescriptor(void* userAircraft);
void* AircraftFirstEffectSlot(void* userAircraft);
const char* AircraftModelName(void* userAircraft); // null when there is no data block
