// The host simulator's module interface: the exported linkage records, the ids and
// byte offsets of the host service tables, the calling convention of their operations
// and the byte layouts of the host records. The module and every stand-in host use
// this one header so that both sides agree on the binary interface.
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#if defined(_MSC_VER) || defined(__MINGW32__)
#define HOST_CALL __stdcall
#else
#define HOST_CALL
#endif

// ---- Exported records ------------------------------------------------------

typedef void(HOST_CALL* LinkageRoutine)(void);

// Seven 32-bit fields that describe the module to the host.
struct LinkageRecord {
    uint32_t moduleId;
    LinkageRoutine init;
    LinkageRoutine deinit;
    uint32_t flags;
    uint32_t priority;
    uint32_t version;
    void* table;
};

// One service table the module asks for; the host stores the table's address in `table`.
struct ImportEntry {
    uint32_t serviceId;
    void* table;
};

const int kImportEntryCount = 16;
const uint32_t kLinkageVersion = 0x00000900;

// Positions (0-based) of the entries the module uses.
const int kImportEventServices = 9;     // id 0x0F
const int kImportAircraftServices = 10; // id 0x19
const int kImportTextServices = 14;     // id 0x0A

const uint32_t kServiceEvents = 0x0F;
const uint32_t kServiceAircraft = 0x19;
const uint32_t kServiceText = 0x0A;

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(LinkageRecord) == 28, "Linkage is seven 32-bit fields");
static_assert(sizeof(ImportEntry) == 8, "ImportEntry is an id and a pointer");
static_assert(sizeof(ImportEntry[kImportEntryCount]) == 128, "ImportTable is sixteen entries");
#endif

// ---- Host operations: byte offsets in their service tables -----------------

// Table 0x19, aircraft services.
const size_t kOpGetUserAircraft = 0x18;
const size_t kOpGetPayloadSetter = 0x70;
// Table 0x0A, on-screen text services.
const size_t kOpShowText = 0xC8;
const size_t kOpClearText = 0xD0;
// Table 0x0F, event and variable services.
const size_t kOpReadAircraftValue = 0x12C;
const size_t kOpTriggerEvent = 0x13C;
// Operation table of a PayloadSetter object.
const size_t kOpSetStationWeight = 0x18;

typedef void*(HOST_CALL* GetUserAircraftFn)(void);
typedef void*(HOST_CALL* GetPayloadSetterFn)(void);
typedef int(HOST_CALL* ClearTextFn)(void);
typedef int(HOST_CALL* ShowTextFn)(const char* text, int a, int b, int c);
typedef int(HOST_CALL* TriggerEventFn)(unsigned eventId, unsigned value);
typedef double(HOST_CALL* ReadAircraftValueFn)(int variable, int a, int b);
typedef int(HOST_CALL* SetStationWeightFn)(void* setter, int a, int b, double weight, int station);

// Arguments the module passes unchanged; their meaning is the host's.
const int kShowTextArg1 = 5;
const int kShowTextArg2 = 60;
const int kShowTextArg3 = 0;
const unsigned kTriggerEventValue = 1;
const int kCentreOfGravityVariable = 158;
const int kStationWeightArg1 = 164;
const int kStationWeightArg2 = 124;

const unsigned kEventEffectsOn = 0x10201;
const unsigned kEventEffectsOff = 0x10202;

// ---- Host records: byte offsets (fields may be unaligned) ------------------

// UserAircraft
const size_t kUserAircraftDataBlock = 0x00;   // pointer to AircraftDataBlock
const size_t kUserAircraftOnGround = 0x7F;    // 8-bit flag
const size_t kUserAircraftParkingBrake = 0xFE; // 32-bit flag
const size_t kUserAircraftSize = 0x102;
// AircraftDataBlock
const size_t kDataBlockPayload = 0xCD;    // pointer to PayloadDescriptor
const size_t kDataBlockFirstSlot = 0x418E; // pointer to the first EffectSlot
const size_t kDataBlockAtcModel = 0x4208;  // NUL-terminated text
const size_t kAtcModelCapacity = 260;
const size_t kDataBlockSize = kDataBlockAtcModel + kAtcModelCapacity;
// PayloadDescriptor
const size_t kPayloadStationCount = 0x34; // 32-bit unsigned
const size_t kPayloadDescriptorSize = 0x38;
// EffectSlot
const size_t kSlotX = 0x00;
const size_t kSlotY = 0x08;
const size_t kSlotZ = 0x10;
const size_t kSlotEffectFile = 0x18; // pointer to NUL-terminated text
const size_t kSlotNext = 0x20;       // pointer to the next slot
const size_t kEffectSlotSize = 0x24;

// Unaligned field access. Host records are byte layouts, not C++ structs.
inline void* ReadHostPtr(const void* record, size_t offset) {
    void* value;
    memcpy(&value, (const char*)record + offset, sizeof(value));
    return value;
}

inline void WriteHostPtr(void* record, size_t offset, const void* value) {
    memcpy((char*)record + offset, &value, sizeof(value));
}

inline uint32_t ReadHostU32(const void* record, size_t offset) {
    uint32_t value;
    memcpy(&value, (const char*)record + offset, sizeof(value));
    return value;
}

inline void WriteHostU32(void* record, size_t offset, uint32_t value) {
    memcpy((char*)record + offset, &value, sizeof(value));
}

inline uint8_t ReadHostU8(const void* record, size_t offset) {
    return *((const uint8_t*)record + offset);
}

inline double ReadHostDouble(const void* record, size_t offset) {
    double value;
    memcpy(&value, (const char*)record + offset, sizeof(value));
    return value;
}

inline void WriteHostDouble(void* record, size_t offset, double value) {
    memcpy((char*)record + offset, &value, sizeof(value));
}

// The operation at `offset` of a service table, or null when the table is unbound.
inline void* HostOperation(const void* table, size_t offset) {
    return table ? ReadHostPtr(table, offset) : NULL;
}
