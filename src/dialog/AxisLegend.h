// The axis legends (IDC_AXIS_X/Y/Z_LABEL) are one string each: blanks, the axis name,
// blanks, the sign legend. Centred and word-wrapped in their width they read as the axis
// name over the sign legend, provided the blanks at a line break hang past the margin.
// Some platforms count those blanks as part of the next word and wrap the legend onto
// three lines; the legends therefore paint their text themselves with that rule.
#pragma once

#include <windows.h>

const int kMaxLegendLines = 8;

struct LegendLine {
    int start;  // first character of the line
    int length; // characters on the line, without the blanks at its break
};

// Breaks `text` into lines no wider than `width` pixels in the font selected into `dc`.
// A line ends after the last whole word that fits; the blanks at the break belong to no
// line. The first line keeps its leading blanks. A word wider than a line gets a line of
// its own. Returns the number of lines (at most maxLines).
int WrapLegendText(HDC dc, const wchar_t* text, int width, LegendLine* lines, int maxLines);

// Makes the dialog's three axis legends paint themselves by WrapLegendText.
void InstallAxisLegendPainting(HWND dialog);
