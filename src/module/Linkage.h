// The two records the host reads from the module by name.
#pragma once

#include "module/HostAbi.h"

extern "C" {
extern LinkageRecord Linkage;
extern ImportEntry ImportTable[kImportEntryCount];
}

// Both routine fields of Linkage point here; the host calls it at init and deinit.
void HOST_CALL LinkageNoop(void);
