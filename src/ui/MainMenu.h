// The window procedure put in front of the host main window's own: it adds the module's
// menu "KestrelFieldWorks" > "Десантирование" > "Конфигуратор" to the host's menu bar
// at each non-client paint and opens the configuration dialog from its command.
// Every message then goes on to the host's own procedure.
#pragma once

#include <windows.h>

const UINT kConfiguratorCommand = 65500;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
