// What the host window keeps between its messages.
#include "simhost/app/window/HostWindowState.h"

HostWindowState& HostWindow(void) {
    static HostWindowState state;
    return state;
}
