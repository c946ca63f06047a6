#include "dialog/DialogControls.h"

#include "dialog/resource.h"

const char kLabelParatroopers[] = "Количество парашутистов (чел.)";
const char kLabelCargo[] = "Вес груза в кг.";
const char kLabelFire[] = "Объем жидкости в литрах.";
const char kLabelNoAtcModel[] = "Не указан параметр atc_model!";
const char kCaptionSave[] = "Сохранить";
const char kCaptionCreate[] = "Создать";
const char kCaptionClose[] = "Закрыть";

void CheckControl(HWND dialog, int id, bool checked) {
    SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsControlChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void EnableControl(HWND dialog, int id, bool enabled) {
    EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

void EnableControlRange(HWND dialog, int first, int last, bool enabled) {
    for (int id = first; id <= last; id++) {
        EnableControl(dialog, id, enabled);
    }
}

void SetControlText(HWND dialog, int id, const char* text) {
    SetWindowTextA(GetDlgItem(dialog, id), text);
}

void SetAmountLabel(HWND dialog, const char* text) {
    SetControlText(dialog, IDC_NUMBER_LABEL, text);
}

void SetButtonCaption(HWND dialog, const char* text) {
    SetDlgItemTextA(dialog, IDC_SAVE, text);
}

void MarkEdited(HWND dialog) {
    SetButtonCaption(dialog, kCaptionSave);
    EnableControl(dialog, IDC_SAVE, true);
}

void LockToRearExit(HWND dialog) {
    EnableControl(dialog, IDC_METHOD_ONE, false);
    EnableControl(dialog, IDC_METHOD_TWO, false);
    EnableControl(dialog, IDC_TYPE_REAR, false);
    EnableControl(dialog, IDC_TYPE_SIDE, false);
    EnableControlRange(dialog, IDC_SIDE_X, IDC_SIDE_Z, false);
    EnableControlRange(dialog, IDC_REAR_X, IDC_REAR_Z, true);
}
