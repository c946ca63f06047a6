// How the configuration dialog renders: the Cyrillic captions have glyphs in the dialog's
// font, the axis legends wrap onto two lines, and no caption is cut off. With
// KFWS_DIALOG_PICTURES set to a folder, the dialog is also captured in each mode as
// dialog-creating.bmp, dialog-editing.bmp and dialog-locked.bmp there (tools/dialog-pictures.sh).
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "TestSupport.h"
#include "dialog/AxisLegend.h"
#include "dialog/ConfigDialog.h"
#include "drop/AirdropState.h"
#include "module/HostHandles.h"
#include "resource.h"

namespace {

const char kModel[] = "Trainer 1";
const char kEditingFile[] =
    "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_number=12\nKFWS_Airdrop_metod=2\nKFWS_Airdrop_type=3\n"
    "KFWS_Airdrop_realism=1\nKFWS_Airdrop_visual=1\nKFWS_Airdrop_left_x=-1.2\nKFWS_Airdrop_left_y=0.5\n"
    "KFWS_Airdrop_left_z=3.0\nKFWS_Airdrop_down_x=0.0\nKFWS_Airdrop_down_y=-0.8\nKFWS_Airdrop_down_z=-7.5\n";

std::wstring WideTextOf(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

// Measures text in a control's own font.
class ControlText {
public:
    explicit ControlText(HWND control) : control_(control), dc_(GetDC(control)) {
        previous_ = SelectObject(dc_, (HFONT)SendMessageA(control, WM_GETFONT, 0, 0));
        GetTextMetricsW(dc_, &metrics_);
    }
    ~ControlText() {
        SelectObject(dc_, previous_);
        ReleaseDC(control_, dc_);
    }
    int Width(const std::wstring& text) {
        SIZE size = {};
        GetTextExtentPoint32W(dc_, text.c_str(), (int)text.size(), &size);
        return size.cx;
    }
    // Lines the text takes when centred and word-wrapped in `width` pixels.
    int WrappedLines(const std::wstring& text, int width) {
        RECT rect = {0, 0, width, 0};
        DrawTextW(dc_, text.c_str(), -1, &rect, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT);
        return (rect.bottom + metrics_.tmHeight / 2) / metrics_.tmHeight;
    }
    int LineHeight() const { return metrics_.tmHeight; }
    HDC Dc() const { return dc_; }
    // Characters of `text` that the font has no glyph for.
    int MissingGlyphs(const std::wstring& text) {
        std::vector<WORD> glyphs(text.size());
        GetGlyphIndicesW(dc_, text.c_str(), (int)text.size(), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
        int missing = 0;
        for (WORD glyph : glyphs) missing += glyph == 0xFFFF;
        return missing;
    }

private:
    HWND control_;
    HDC dc_;
    HGDIOBJ previous_;
    TEXTMETRICW metrics_;
};

class DialogPictureTest : public DialogFixture {
protected:
    DialogPictureTest() : DialogFixture(true) {}
    HWND Open() {
        OpenConfigDialog();
        HWND dialog = gAirdropState.configDialogWindow;
        SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        SimPumpMessages(300);
        return dialog;
    }
};

TEST_F(DialogPictureTest, CyrillicCaptionsHaveGlyphs) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    ControlText text(GetDlgItem(dialog, IDC_POINTS_GROUP));
    EXPECT_EQ(text.MissingGlyphs(L"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя"), 0);
}

TEST_F(DialogPictureTest, AxisLegendsWrapOntoTwoLines) {
    HWND dialog = Open();
    struct Legend {
        int id;
        const wchar_t* first;
        const wchar_t* second;
    } legends[] = {{IDC_AXIS_X_LABEL, L"               Ось X", L"- Влево\\Вправо +"},
                   {IDC_AXIS_Y_LABEL, L"               Ось Y", L"- Вниз\\Вверх +"},
                   {IDC_AXIS_Z_LABEL, L"               Ось Z", L"- Назад\\Вперед +"}};
    for (const Legend& expected : legends) {
        SCOPED_TRACE(expected.id);
        HWND legend = GetDlgItem(dialog, expected.id);
        RECT client;
        GetClientRect(legend, &client);
        ControlText text(legend);
        std::wstring caption = WideTextOf(legend);
        LegendLine lines[kMaxLegendLines];
        ASSERT_EQ(WrapLegendText(text.Dc(), caption.c_str(), client.right, lines, kMaxLegendLines), 2);
        EXPECT_EQ(caption.substr(lines[0].start, lines[0].length), expected.first);
        EXPECT_EQ(caption.substr(lines[1].start, lines[1].length), expected.second);
        EXPECT_LE(2 * text.LineHeight(), client.bottom) << "both lines show";
        EXPECT_LE(text.Width(expected.second), client.right);
    }
}

TEST_F(DialogPictureTest, LegendWrappingRules) {
    HWND dialog = Open();
    ControlText text(GetDlgItem(dialog, IDC_AXIS_X_LABEL));
    int blank = text.Width(L" ");
    int word = text.Width(L"abc");
    LegendLine lines[kMaxLegendLines];
    EXPECT_EQ(WrapLegendText(text.Dc(), L"", 100, lines, kMaxLegendLines), 0);
    // Everything fits: one line, blanks kept.
    ASSERT_EQ(WrapLegendText(text.Dc(), L"  abc abc", 1000, lines, kMaxLegendLines), 1);
    EXPECT_EQ(lines[0].start, 0);
    EXPECT_EQ(lines[0].length, 9);
    // The blanks at a break belong to no line, however many there are.
    const wchar_t* spaced = L"abc          abc";
    ASSERT_EQ(WrapLegendText(text.Dc(), spaced, word + blank, lines, kMaxLegendLines), 2);
    EXPECT_EQ(lines[0].start, 0);
    EXPECT_EQ(lines[0].length, 3);
    EXPECT_EQ(lines[1].start, 13);
    EXPECT_EQ(lines[1].length, 3);
    // A word wider than the line stands alone; trailing blanks make no extra line.
    ASSERT_EQ(WrapLegendText(text.Dc(), L"abcabcabc abc   ", word, lines, kMaxLegendLines), 2);
    EXPECT_EQ(lines[0].length, 9);
    EXPECT_EQ(lines[1].start, 10);
    EXPECT_EQ(lines[1].length, 3);
    // No more lines than asked for.
    EXPECT_EQ(WrapLegendText(text.Dc(), L"a b c d e f g h i j", 1, lines, 3), 3);
}

TEST_F(DialogPictureTest, NoCaptionIsCutOff) {
    HWND dialog = Open();
    // Check boxes and radio buttons: the mark, a gap, then the caption.
    const int boxes[] = {IDC_VARIANT_PARATROOPERS, IDC_VARIANT_CARGO, IDC_VARIANT_FIRE, IDC_TYPE_SIDE, IDC_TYPE_REAR,
                         IDC_METHOD_ONE, IDC_METHOD_TWO, IDC_VISUAL, IDC_REALISM};
    for (int id : boxes) {
        SCOPED_TRACE(id);
        HWND box = GetDlgItem(dialog, id);
        RECT client;
        GetClientRect(box, &client);
        ControlText text(box);
        EXPECT_LE(text.Width(WideTextOf(box)) + GetSystemMetrics(SM_CXMENUCHECK), client.right);
    }
    const int groups[] = {IDC_VARIANT_GROUP, IDC_TYPE_GROUP, IDC_METHOD_GROUP, IDC_POINTS_GROUP,
                          IDC_SIDE_POINT_GROUP, IDC_REAR_POINT_GROUP, IDC_LOAD_GROUP, IDC_SAVE};
    for (int id : groups) {
        SCOPED_TRACE(id);
        HWND control = GetDlgItem(dialog, id);
        RECT client;
        GetClientRect(control, &client);
        ControlText text(control);
        EXPECT_LT(text.Width(WideTextOf(control)), client.right - 8);
    }
    // Each amount label fits on the one line of the label.
    HWND label = GetDlgItem(dialog, IDC_NUMBER_LABEL);
    RECT client;
    GetClientRect(label, &client);
    ControlText text(label);
    const wchar_t* amounts[] = {L"Количество парашутистов (чел.)", L"Вес груза в кг.", L"Объем жидкости в литрах.",
                                L"Не указан параметр atc_model!"};
    for (const wchar_t* amount : amounts) {
        EXPECT_EQ(text.WrappedLines(amount, client.right), 1) << Utf8(TextOf(dialog, IDC_NUMBER_LABEL));
        EXPECT_LE(text.LineHeight(), client.bottom);
    }
}

// ---- Pictures ----

bool SaveWindowPicture(HWND window, const std::string& path) {
    RECT rect;
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    int stride = (width * 3 + 3) & ~3;
    std::vector<BYTE> pixels((size_t)stride * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), (BITMAPINFO*)&info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(header) + sizeof(info);
    header.bfSize = header.bfOffBits + (DWORD)pixels.size();
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    fwrite(&header, sizeof(header), 1, file);
    fwrite(&info, sizeof(info), 1, file);
    fwrite(pixels.data(), 1, pixels.size(), file);
    fclose(file);
    return true;
}

TEST_F(DialogPictureTest, PicturesOfTheThreeModes) {
    char folder[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("KFWS_DIALOG_PICTURES", folder, sizeof(folder))) {
        GTEST_SKIP() << "KFWS_DIALOG_PICTURES is not set";
    }
    struct Mode {
        const char* name;
        const char* model;
        const char* file; // null: no file
    } modes[] = {{"creating", kModel, nullptr}, {"editing", kModel, kEditingFile}, {"locked", "", nullptr}};
    for (const Mode& mode : modes) {
        SCOPED_TRACE(mode.name);
        UseAircraft(DefaultSpec(mode.model));
        DeleteFileA(ConfigPathOf(kModel).c_str());
        if (mode.file) {
            WriteConfigFile(kModel, mode.file);
        }
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        std::string path = std::string(folder) + "/dialog-" + mode.name + ".bmp";
        EXPECT_TRUE(SaveWindowPicture(dialog, path)) << path;
        ToggleConfigDialog();
        SimPumpMessages(100);
    }
}

} // namespace
