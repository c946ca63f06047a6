#include "dialog/AxisLegend.h"

#include "dialog/resource.h"

static const wchar_t kBlank = L' ';
static const char kLegendProcProperty[] = "KFWS_LegendProc";

static int TextWidth(HDC dc, const wchar_t* text, int length) {
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, text, length, &size);
    return size.cx;
}

int WrapLegendText(HDC dc, const wchar_t* text, int width, LegendLine* lines, int maxLines) {
    int length = lstrlenW(text);
    int count = 0;
    int position = 0;
    while (position < length && count < maxLines) {
        if (count > 0) {
            while (position < length && text[position] == kBlank) {
                position++; // the blanks at a break hang past the margin
            }
            if (position == length) {
                break;
            }
        }
        // Take whole words (blanks, then non-blanks) while they fit.
        int end = position;
        for (;;) {
            int next = end;
            while (next < length && text[next] == kBlank) next++;
            while (next < length && text[next] != kBlank) next++;
            if (next == end) {
                break;
            }
            if (end > position && TextWidth(dc, text + position, next - position) > width) {
                break;
            }
            end = next;
            if (TextWidth(dc, text + position, end - position) > width) {
                break; // a word wider than the line stands alone
            }
        }
        lines[count].start = position;
        lines[count].length = end - position;
        count++;
        position = end;
    }
    return count;
}

static void PaintLegend(HWND legend) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(legend, &paint);
    RECT client;
    GetClientRect(legend, &client);
    HWND parent = GetParent(legend);
    HBRUSH brush = (HBRUSH)SendMessageW(parent, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)legend);
    if (!brush) {
        brush = GetSysColorBrush(COLOR_BTNFACE);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    }
    FillRect(dc, &client, brush);
    HGDIOBJ previousFont = NULL;
    HFONT font = (HFONT)SendMessageW(legend, WM_GETFONT, 0, 0);
    if (font) {
        previousFont = SelectObject(dc, font);
    }
    wchar_t text[128];
    GetWindowTextW(legend, text, (int)(sizeof(text) / sizeof(text[0])));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    LegendLine lines[kMaxLegendLines];
    int count = WrapLegendText(dc, text, client.right, lines, kMaxLegendLines);
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < count; i++) {
        RECT line = {0, i * metrics.tmHeight, client.right, (i + 1) * metrics.tmHeight};
        DrawTextW(dc, text + lines[i].start, lines[i].length, &line,
                  DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }
    if (previousFont) {
        SelectObject(dc, previousFont);
    }
    EndPaint(legend, &paint);
}

static LRESULT CALLBACK LegendProc(HWND legend, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC original = (WNDPROC)GetPropA(legend, kLegendProcProperty);
    switch (message) {
    case WM_PAINT:
        PaintLegend(legend);
        return 0;
    case WM_SETTEXT:
        InvalidateRect(legend, NULL, TRUE);
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(legend, GWLP_WNDPROC, (LONG_PTR)original);
        RemovePropA(legend, kLegendProcProperty);
        break;
    default:
        break;
    }
    return CallWindowProcA(original, legend, message, wParam, lParam);
}

void InstallAxisLegendPainting(HWND dialog) {
    const int legends[] = {IDC_AXIS_X_LABEL, IDC_AXIS_Y_LABEL, IDC_AXIS_Z_LABEL};
    for (int id : legends) {
        HWND legend = GetDlgItem(dialog, id);
        if (!legend || GetPropA(legend, kLegendProcProperty)) {
            continue;
        }
        WNDPROC original = (WNDPROC)GetWindowLongPtrA(legend, GWLP_WNDPROC);
        SetPropA(legend, kLegendProcProperty, (HANDLE)original);
        SetWindowLongPtrA(legend, GWLP_WNDPROC, (LONG_PTR)LegendProc);
    }
}
