// What the configuration dialog's procedure shares between its files: the texts it
// puts on screen, small helpers over the dialog's controls, and its inner steps.
#pragma once

#include <windows.h>

// Amount label, by variant, and the locked-mode label.
extern const char kLabelParatroopers[];
extern const char kLabelCargo[];
extern const char kLabelFire[];
extern const char kLabelNoAtcModel[];
// Captions of the button.
extern const char kCaptionSave[];
extern const char kCaptionCreate[];
extern const char kCaptionClose[];

// Check marks: BM_SETCHECK sends no command back to the dialog.
void CheckControl(HWND dialog, int id, bool checked);
bool IsControlChecked(HWND dialog, int id);
void EnableControl(HWND dialog, int id, bool enabled);
// Enables or disables the controls with ids first..last (inclusive), in id order.
void EnableControlRange(HWND dialog, int first, int last, bool enabled);
// Sets a control's text; for an edit field the change notification arrives before return.
void SetControlText(HWND dialog, int id, const char* text);
void SetAmountLabel(HWND dialog, const char* text);
void SetButtonCaption(HWND dialog, const char* text);
// The button reads "Сохранить" and is enabled: there are changes to write.
void MarkEdited(HWND dialog);
// Cargo and liquid leave by one stream through the rear exit only: the method and exit-type
// choices and the side fields are disabled, the rear fields enabled.
void LockToRearExit(HWND dialog);

// Set-up on the dialog's initialisation message (locked, creating or editing mode).
void SetUpConfigDialog(HWND dialog);
// Runs the command row of control `id`; false when the id has no row.
bool RunDialogCommand(HWND dialog, int id);
// Clears configDialogWindow, then destroys the dialog (a closed dialog is never shown again).
void CloseConfigDialog(HWND dialog);
