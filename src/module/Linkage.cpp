#include "module/Linkage.h"

extern "C" {

LinkageRecord Linkage = {0, LinkageNoop, LinkageNoop, 0, 0, kLinkageVersion, NULL};

// The ids stand in the table from load on; the host fills each `table` after loading.
ImportEntry ImportTable[kImportEntryCount] = {
    {0x00000001, NULL}, {0x00000017, NULL}, {0x00000012, NULL}, {0x0000002C, NULL},
    {0x80000000, NULL}, {0x0000000D, NULL}, {0x00000002, NULL}, {0x00000003, NULL},
    {0x00000023, NULL}, {kServiceEvents, NULL}, {kServiceAircraft, NULL}, {0x00000027, NULL},
    {0x00000014, NULL}, {0x0000001C, NULL}, {kServiceText, NULL}, {0x00000000, NULL},
};

}

void HOST_CALL LinkageNoop(void) {}
