#include "drop/AirdropState.h"

AirdropState gAirdropState;
