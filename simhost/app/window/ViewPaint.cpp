// Drawing helpers shared by the host window's views.
#include "simhost/app/window/ViewPaint.h"

#include "simhost/lib/SimText.h"

ViewFonts& ViewGetFonts() {
    static ViewFonts fonts = {};
    if (!fonts.normal) {
        fonts.normal = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
        fonts.bold = CreateFontW(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
        fonts.small = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
        fonts.screen = CreateFontW(-15, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    }
    return fonts;
}

void ViewText(HDC dc, int x, int y, const std::wstring& text, COLORREF color, HFONT font) {
    SelectObject(dc, font);
    SetTextColor(dc, color);
    TextOutW(dc, x, y, text.c_str(), (int)text.size());
}

void ViewTextIn(HDC dc, RECT box, const std::wstring& text, COLORREF color, HFONT font) {
    SelectObject(dc, font);
    SetTextColor(dc, color);
    DrawTextW(dc, text.c_str(), (int)text.size(), &box, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void ViewFillBox(HDC dc, const RECT& box, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

void ViewFrame(HDC dc, const RECT& box, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FrameRect(dc, &box, brush);
    DeleteObject(brush);
}

std::wstring ViewNumber(double value) {
    return SimWideFromUtf8(SimFormatNumber(value));
}


std::wstring ViewSay(SimTextId id, const std::vector<std::wstring>& args) {
    std::wstring text = SimWideFromUtf8(SimText(id));
    size_t from = 0;
    for (const std::wstring& arg : args) {
        size_t at = text.find(L"{}", from);
        if (at == std::wstring::npos) {
            break;
        }
        text.replace(at, 2, arg);
        from = at + arg.size();
    }
    return text;
}

SIZE ViewTextSize(HDC dc, const std::wstring& text, HFONT font) {
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), (int)text.size(), &size);
    SelectObject(dc, old);
    return size;
}
