#include "module/HostHandles.h"

HostHandles gHostHandles;
