#include "ui/KeyState.h"

SHORT ReadKeyState(int virtualKey) {
    return GetKeyState(virtualKey);
}
