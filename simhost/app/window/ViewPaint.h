// Drawing helpers shared by the host window's views: its colours and fonts, text in
// UTF-8, filled and framed boxes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "simhost/lib/SimTexts.h"

constexpr COLORREF kBackground = RGB(32, 40, 52);
constexpr COLORREF kPanel = RGB(20, 26, 34);
constexpr COLORREF kText = RGB(220, 226, 235);
constexpr COLORREF kDim = RGB(140, 150, 165);
constexpr COLORREF kScreenText = RGB(255, 214, 64);


struct ViewFonts {
    HFONT normal;
    HFONT bold;
    HFONT small;
    HFONT screen;
};

ViewFonts& ViewGetFonts(void);
void ViewText(HDC dc, int x, int y, const std::wstring& text, COLORREF color, HFONT font);
// One line of text inside a box, cut with an ellipsis where it does not fit.
void ViewTextIn(HDC dc, RECT box, const std::wstring& text, COLORREF color, HFONT font);
void ViewFillBox(HDC dc, const RECT& box, COLORREF color);
void ViewFrame(HDC dc, const RECT& box, COLORREF color);
// One of the window's texts in the current language, each "{}" replaced by the next argument.
std::wstring ViewSay(SimTextId id, const std::vector<std::wstring>& args = {});
// The extent of a text in a font.
SIZE ViewTextSize(HDC dc, const std::wstring& text, HFONT font);
// A number as the host shows it ("550", "551.155").
std::wstring ViewNumber(double value);
