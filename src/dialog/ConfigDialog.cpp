// Opening, toggling and closing the configuration dialog, and its dialog procedure.
#include "dialog/ConfigDialog.h"

#include <stdint.h>
#include <stdio.h>

#include "dialog/AxisLegend.h"
#include "dialog/DialogControls.h"
#include "dialog/resource.h"
#include "drop/AirdropState.h"
#include "module/HostHandles.h"

static const char kFormRunCaption[] = "Form run";

// Tells what the failed creation was given: the module instance, the template, the owner
// and the dialog procedure (handles and addresses in hexadecimal).
static void ShowCreationFailure(void) {
    char text[256];
    snprintf(text, sizeof(text),
             "hInst : 0x%08lX\nfrmMain : %d\nsimHWND : 0x%08lX\nfrm_Main : 0x%08lX",
             (unsigned long)(uintptr_t)gHostHandles.moduleInstance, IDD_CONFIGURATOR,
             (unsigned long)(uintptr_t)gHostHandles.mainWindow,
             (unsigned long)(uintptr_t)&ConfigDialogProc);
    MessageBoxA(NULL, text, kFormRunCaption, MB_OK | MB_ICONWARNING);
}

void OpenConfigDialog(void) {
    if (gAirdropState.configDialogWindow) {
        return;
    }
    // The set-up runs inside this call, on the dialog's initialisation message.
    gAirdropState.configDialogWindow =
        CreateDialogParamA(gHostHandles.moduleInstance, MAKEINTRESOURCEA(IDD_CONFIGURATOR),
                           gHostHandles.mainWindow, ConfigDialogProc, 0);
    if (!gAirdropState.configDialogWindow) {
        ShowCreationFailure();
    }
}

void ToggleConfigDialog(void) {
    if (gAirdropState.configDialogWindow) {
        CloseConfigDialog(gAirdropState.configDialogWindow);
    } else {
        OpenConfigDialog();
    }
}

void CloseConfigDialog(HWND dialog) {
    gAirdropState.configDialogWindow = NULL;
    DestroyWindow(dialog);
}

void DestroyConfigDialog(void) {
    HWND dialog = gAirdropState.configDialogWindow;
    if (dialog && IsWindow(dialog)) {
        CloseConfigDialog(dialog);
    }
    gAirdropState.configDialogWindow = NULL;
}

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        InstallAxisLegendPainting(dialog);
        SetUpConfigDialog(dialog);
        return TRUE; // the platform sets the default keyboard focus
    case WM_COMMAND:
        // Every notification of a control runs its row: the code is not looked at.
        return RunDialogCommand(dialog, LOWORD(wParam)) ? TRUE : FALSE;
    case WM_DESTROY:
        // Destroyed by someone else (e.g. with its owner): forget the handle.
        if (gAirdropState.configDialogWindow == dialog) {
            gAirdropState.configDialogWindow = NULL;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
