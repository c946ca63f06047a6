// The library entry routine of KFWS_Airdrop.dll.
#include <windows.h>

#include "module/ModuleEntry.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        ModuleAttach(instance);
        break;
    case DLL_PROCESS_DETACH:
        // A non-null reserved argument means the process is exiting.
        ModuleDetach(reserved != NULL);
        break;
    default:
        break;
    }
    return TRUE;
}
