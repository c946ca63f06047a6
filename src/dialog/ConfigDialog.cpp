#include "dialog/ConfigDialog.h"

// Built with the dialog issue.
void OpenConfigDialog(void) {}
void ToggleConfigDialog(void) {}
INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)dialog;
    (void)message;
    (void)wParam;
    (void)lParam;
    return 0;
}
void ReadFileToDialog(HWND dialog, const char* modelName) {
    (void)dialog;
    (void)modelName;
}
void WriteDialogToFile(HWND dialog, const char* modelName) {
    (void)dialog;
    (void)modelName;
}
void DestroyConfigDialog(void) {}
