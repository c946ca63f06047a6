// The configuration dialog's template: the resource as compiled, and the dialog the
// platform builds from it (geometry in dialog units, styles, captions, tab order,
// radio groups, what the fields accept).
#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "resource.h"

namespace {

enum ControlKind { kButton = 0x80, kEdit = 0x81, kStatic = 0x82 };

struct ControlSpec {
    int id;
    ControlKind kind;
    const wchar_t* caption;
    int x, y, cx, cy;
    DWORD style;   // besides WS_CHILD | WS_VISIBLE
    DWORD exStyle;
};

const DWORD kEditStyle = ES_CENTER | WS_BORDER | WS_TABSTOP;

// Template order; 15 blanks before and 17 after each axis name.
const ControlSpec kControls[] = {
    {IDC_SAVE, kButton, L"Сохранить", 159, 222, 50, 14, BS_PUSHBUTTON | WS_DISABLED | WS_TABSTOP, 0},
    {IDC_VARIANT_GROUP, kButton, L"Вариант", 7, 7, 76, 52, BS_GROUPBOX, WS_EX_CLIENTEDGE},
    {IDC_VARIANT_PARATROOPERS, kButton, L"Парашютисты", 14, 18, 65, 10, BS_AUTORADIOBUTTON | WS_GROUP, WS_EX_CLIENTEDGE},
    {IDC_VARIANT_CARGO, kButton, L"Грузовой", 14, 31, 63, 10, BS_AUTORADIOBUTTON, WS_EX_CLIENTEDGE},
    {IDC_VARIANT_FIRE, kButton, L"Пожарный", 14, 43, 63, 10, BS_AUTORADIOBUTTON, WS_EX_CLIENTEDGE},
    {IDC_TYPE_GROUP, kButton, L"Тип", 151, 7, 67, 52, BS_GROUPBOX, WS_EX_CLIENTEDGE},
    {IDC_TYPE_SIDE, kButton, L"Боковая", 155, 20, 57, 10, BS_AUTOCHECKBOX | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {IDC_TYPE_REAR, kButton, L"Задняя", 155, 39, 57, 10, BS_AUTOCHECKBOX | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {IDC_METHOD_GROUP, kButton, L"Метод", 87, 7, 63, 52, BS_GROUPBOX, WS_EX_CLIENTEDGE},
    {IDC_METHOD_ONE, kButton, L"1 - поток", 92, 21, 51, 10, BS_AUTORADIOBUTTON | WS_GROUP, WS_EX_CLIENTEDGE},
    {IDC_METHOD_TWO, kButton, L"2 - потока", 92, 39, 51, 10, BS_AUTORADIOBUTTON, WS_EX_CLIENTEDGE},
    {IDC_POINTS_GROUP, kButton, L"Координаты точек", 7, 63, 211, 116, BS_GROUPBOX, WS_EX_CLIENTEDGE},
    {IDC_SIDE_POINT_GROUP, kButton, L"Боковая", 99, 76, 55, 97, BS_GROUPBOX, WS_EX_CLIENTEDGE},
    {IDC_REAR_POINT_GROUP, kButton, L"Задняя", 159, 76, 55, 97, BS_GROUPBOX, WS_EX_CLIENTEDGE},
    {IDC_AXIS_X_LABEL, kStatic, L"               Ось X                 - Влево\\Вправо +", 15, 90, 80, 20,
     SS_CENTER | WS_BORDER | WS_GROUP, 0},
    {IDC_AXIS_Y_LABEL, kStatic, L"               Ось Y                 - Вниз\\Вверх +", 15, 114, 80, 20,
     SS_CENTER | WS_BORDER | WS_GROUP, 0},
    {IDC_AXIS_Z_LABEL, kStatic, L"               Ось Z                 - Назад\\Вперед +", 15, 140, 80, 20,
     SS_CENTER | WS_BORDER | WS_GROUP, 0},
    {IDC_SIDE_X, kEdit, L"", 105, 93, 41, 14, kEditStyle, WS_EX_STATICEDGE},
    {IDC_SIDE_Y, kEdit, L"", 105, 116, 41, 14, kEditStyle, WS_EX_STATICEDGE},
    {IDC_SIDE_Z, kEdit, L"", 105, 142, 41, 14, kEditStyle, WS_EX_STATICEDGE},
    {IDC_REAR_X, kEdit, L"", 166, 93, 41, 14, kEditStyle, WS_EX_STATICEDGE},
    {IDC_REAR_Y, kEdit, L"", 166, 116, 41, 14, kEditStyle, WS_EX_STATICEDGE},
    {IDC_REAR_Z, kEdit, L"", 166, 142, 41, 14, kEditStyle, WS_EX_STATICEDGE},
    {IDC_LOAD_GROUP, kButton, L"Данные для загрузки", 7, 183, 211, 35, BS_GROUPBOX, WS_EX_CLIENTEDGE},
    {IDC_NUMBER_LABEL, kStatic, L"", 14, 195, 141, 15, SS_CENTER | WS_BORDER | WS_GROUP, 0},
    {IDC_NUMBER, kEdit, L"", 167, 195, 40, 14, kEditStyle | ES_NUMBER, WS_EX_STATICEDGE},
    {IDC_VISUAL, kButton, L"Визуализация", 15, 222, 62, 15, BS_AUTOCHECKBOX | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {IDC_REALISM, kButton, L"Реализм", 83, 223, 61, 15, BS_AUTOCHECKBOX | WS_TABSTOP, WS_EX_CLIENTEDGE},
};
const size_t kControlCount = sizeof(kControls) / sizeof(kControls[0]);

std::string Trace(size_t index) {
    return "control #" + std::to_string(index + 1) + " id " + std::to_string(kControls[index].id);
}

// ---- The compiled resource, read field by field ----

class TemplateReader {
public:
    TemplateReader(const BYTE* data, size_t size) : data_(data), size_(size) {}
    WORD Word() { return Take<WORD>(); }
    DWORD Dword() { return Take<DWORD>(); }
    short Short() { return Take<short>(); }
    BYTE Byte() { return Take<BYTE>(); }
    // A string or, after 0xFFFF, an ordinal (returned as "#n").
    std::wstring SzOrOrd() {
        if (Peek() == 0xFFFF) {
            Word();
            return L"#" + std::to_wstring(Word());
        }
        return Sz();
    }
    std::wstring Sz() {
        std::wstring text;
        for (WORD c = Word(); c != 0 && !failed_; c = Word()) {
            text += (wchar_t)c;
        }
        return text;
    }
    void AlignDword() { offset_ = (offset_ + 3) & ~(size_t)3; }
    bool Failed() const { return failed_; }
    size_t Offset() const { return offset_; }

private:
    WORD Peek() {
        size_t saved = offset_;
        WORD value = Word();
        offset_ = saved;
        return value;
    }
    template <typename T> T Take() {
        T value = 0;
        if (offset_ + sizeof(T) > size_) {
            failed_ = true;
            return value;
        }
        memcpy(&value, data_ + offset_, sizeof(T));
        offset_ += sizeof(T);
        return value;
    }
    const BYTE* data_;
    size_t size_;
    size_t offset_ = 0;
    bool failed_ = false;
};

std::wstring ClassOf(ControlKind kind) {
    return L"#" + std::to_wstring((int)kind);
}

// windres stores the standard classes as ordinals; a name is accepted as the same class.
std::wstring NormalisedClass(const std::wstring& name) {
    if (_wcsicmp(name.c_str(), L"Button") == 0) return ClassOf(kButton);
    if (_wcsicmp(name.c_str(), L"Edit") == 0) return ClassOf(kEdit);
    if (_wcsicmp(name.c_str(), L"Static") == 0) return ClassOf(kStatic);
    return name;
}

TEST(DialogResource, ExtendedRussianTemplateWithEveryControl) {
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceExA(self, (LPCSTR)RT_DIALOG, MAKEINTRESOURCEA(101),
                                  MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
    ASSERT_NE(found, nullptr) << "dialog 101 in Russian (0x0419)";
    const BYTE* data = (const BYTE*)LockResource(LoadResource(self, found));
    TemplateReader reader(data, SizeofResource(self, found));

    EXPECT_EQ(reader.Word(), 1) << "extended template version";
    EXPECT_EQ(reader.Word(), 0xFFFF) << "extended template signature";
    EXPECT_EQ(reader.Dword(), 0u) << "help id";
    EXPECT_EQ(reader.Dword(), 0u) << "no extended window styles";
    EXPECT_EQ(reader.Dword(), (DWORD)(DS_SETFONT | DS_FIXEDSYS | DS_MODALFRAME | WS_POPUP | WS_VISIBLE |
                                      WS_CAPTION | WS_SYSMENU));
    ASSERT_EQ(reader.Word(), kControlCount);
    EXPECT_EQ(reader.Short(), 0);
    EXPECT_EQ(reader.Short(), 0);
    EXPECT_EQ(reader.Short(), 225);
    EXPECT_EQ(reader.Short(), 252);
    EXPECT_EQ(reader.SzOrOrd(), L"") << "no menu";
    EXPECT_EQ(reader.SzOrOrd(), L"") << "no private class";
    EXPECT_EQ(reader.Sz(), L"Конфигуратор");
    EXPECT_EQ(reader.Word(), 8) << "points";
    EXPECT_EQ(reader.Word(), 400) << "weight";
    EXPECT_EQ(reader.Byte(), 0) << "not italic";
    EXPECT_EQ(reader.Byte(), DEFAULT_CHARSET);
    EXPECT_EQ(reader.Sz(), L"MS Shell Dlg");

    for (size_t i = 0; i < kControlCount; i++) {
        SCOPED_TRACE(Trace(i));
        const ControlSpec& spec = kControls[i];
        reader.AlignDword();
        EXPECT_EQ(reader.Dword(), 0u) << "help id";
        EXPECT_EQ(reader.Dword(), spec.exStyle);
        EXPECT_EQ(reader.Dword(), WS_CHILD | WS_VISIBLE | spec.style);
        EXPECT_EQ(reader.Short(), spec.x);
        EXPECT_EQ(reader.Short(), spec.y);
        EXPECT_EQ(reader.Short(), spec.cx);
        EXPECT_EQ(reader.Short(), spec.cy);
        EXPECT_EQ(reader.Dword(), (DWORD)spec.id);
        EXPECT_EQ(NormalisedClass(reader.SzOrOrd()), ClassOf(spec.kind));
        EXPECT_EQ(reader.SzOrOrd(), spec.caption);
        EXPECT_EQ(reader.Word(), 0) << "no creation data";
        ASSERT_FALSE(reader.Failed());
    }
}

// ---- The dialog the platform builds from the template ----

INT_PTR CALLBACK BareDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

class DialogTemplateTest : public testing::Test {
protected:
    void SetUp() override {
        owner_ = SimCreateMainWindow(true);
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CONFIGURATOR), owner_,
                                     BareDialogProc, 0);
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(dialog_);
        SimDestroyMainWindow();
    }
    HWND Item(int id) { return GetDlgItem(dialog_, id); }
    // The dialog manager converts position and size separately, as here.
    RECT DialogUnits(int x, int y, int cx, int cy) {
        RECT units = {x, y, cx, cy};
        MapDialogRect(dialog_, &units);
        RECT rect = {units.left, units.top, units.left + units.right, units.top + units.bottom};
        return rect;
    }
    std::wstring TextOf(HWND window) {
        wchar_t text[256] = L"";
        GetWindowTextW(window, text, 256);
        return text;
    }
    // Types characters into a field as the keyboard would.
    void Type(int id, const char* characters) {
        for (const char* c = characters; *c; c++) {
            SendMessageA(Item(id), WM_CHAR, (WPARAM)(unsigned char)*c, 1);
        }
    }
    HWND owner_ = nullptr;
    HWND dialog_ = nullptr;
};

TEST_F(DialogTemplateTest, OpensVisibleAtTheOwnersClientOrigin) {
    EXPECT_TRUE(IsWindowVisible(dialog_)) << "shown without a separate show step";
    EXPECT_EQ(GetWindow(dialog_, GW_OWNER), owner_);
    POINT dialogOrigin = {0, 0};
    POINT ownerOrigin = {0, 0};
    ClientToScreen(dialog_, &dialogOrigin);
    ClientToScreen(owner_, &ownerOrigin);
    EXPECT_EQ(dialogOrigin.x, ownerOrigin.x);
    EXPECT_EQ(dialogOrigin.y, ownerOrigin.y);
    RECT client;
    GetClientRect(dialog_, &client);
    RECT expected = DialogUnits(0, 0, 225, 252);
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
    wchar_t caption[64] = L"";
    GetWindowTextW(dialog_, caption, 64);
    EXPECT_STREQ(caption, L"Конфигуратор");
    LONG style = GetWindowLongA(dialog_, GWL_STYLE);
    const LONG wanted = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(style & wanted, wanted);
    EXPECT_EQ(style & (DS_CENTER | WS_CHILD | WS_THICKFRAME), 0);
}

TEST_F(DialogTemplateTest, UsesTheShellDialogFont) {
    HFONT font = (HFONT)SendMessageA(dialog_, WM_GETFONT, 0, 0);
    ASSERT_NE(font, nullptr);
    LOGFONTA logFont = {};
    ASSERT_TRUE(GetObjectA(font, sizeof(logFont), &logFont));
    EXPECT_EQ(std::string(logFont.lfFaceName).rfind("MS Shell Dlg", 0), 0u) << logFont.lfFaceName;
    EXPECT_EQ(logFont.lfWeight, 400);
    EXPECT_FALSE(logFont.lfItalic);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(-logFont.lfHeight, MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
}

TEST_F(DialogTemplateTest, EveryControlAsLaidOut) {
    int children = 0;
    for (HWND child = GetWindow(dialog_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SCOPED_TRACE("position " + std::to_string(children));
        ASSERT_LT((size_t)children, kControlCount);
        EXPECT_EQ(GetDlgCtrlID(child), kControls[children].id) << "z order follows template order";
        children++;
    }
    EXPECT_EQ((size_t)children, kControlCount);
    EXPECT_EQ(Item(1024), nullptr);
    EXPECT_EQ(Item(IDOK), nullptr);
    EXPECT_EQ(Item(IDCANCEL), nullptr);

    for (size_t i = 0; i < kControlCount; i++) {
        SCOPED_TRACE(Trace(i));
        const ControlSpec& spec = kControls[i];
        HWND item = Item(spec.id);
        ASSERT_NE(item, nullptr);
        RECT rect;
        GetWindowRect(item, &rect);
        MapWindowPoints(nullptr, dialog_, (POINT*)&rect, 2);
        RECT expected = DialogUnits(spec.x, spec.y, spec.cx, spec.cy);
        EXPECT_EQ(rect.left, expected.left);
        EXPECT_EQ(rect.top, expected.top);
        EXPECT_EQ(rect.right, expected.right);
        EXPECT_EQ(rect.bottom, expected.bottom);

        char className[32] = "";
        GetClassNameA(item, className, sizeof(className));
        const char* expectedClass = spec.kind == kButton ? "Button" : spec.kind == kEdit ? "Edit" : "Static";
        EXPECT_STREQ(className, expectedClass);
        EXPECT_EQ(TextOf(item), spec.caption);
        EXPECT_TRUE(IsWindowVisible(item));
        EXPECT_EQ(IsWindowEnabled(item) != FALSE, spec.id != IDC_SAVE) << "only the button starts disabled";
        if (spec.kind == kButton) {
            EXPECT_EQ(SendMessageA(item, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        }
        LONG style = GetWindowLongA(item, GWL_STYLE);
        LONG exStyle = GetWindowLongA(item, GWL_EXSTYLE);
        const LONG compared = WS_TABSTOP | WS_GROUP | WS_DISABLED | 0xFFFF;
        EXPECT_EQ(style & compared, (LONG)(spec.style & compared));
        EXPECT_EQ(exStyle & (LONG)spec.exStyle, (LONG)spec.exStyle);
        if (spec.style & WS_BORDER) {
            // The platform draws the thin border of edit and static controls as a client edge.
            EXPECT_TRUE((style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE));
        } else {
            EXPECT_EQ(exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), (LONG)spec.exStyle);
        }
        if (spec.kind == kEdit) {
            EXPECT_EQ(style & (ES_AUTOHSCROLL | ES_MULTILINE), 0) << "single line, no scrolling";
        }
        if (spec.kind == kStatic) {
            EXPECT_EQ(style & SS_NOTIFY, 0);
        }
    }
}

TEST_F(DialogTemplateTest, TabOrderFollowsTheTemplate) {
    // The button is a tab stop, but disabled at creation, so the walk passes it by.
    const int order[] = {IDC_TYPE_SIDE, IDC_TYPE_REAR, IDC_SIDE_X, IDC_SIDE_Y, IDC_SIDE_Z, IDC_REAR_X,
                         IDC_REAR_Y,    IDC_REAR_Z,    IDC_NUMBER, IDC_VISUAL, IDC_REALISM, IDC_TYPE_SIDE};
    for (size_t i = 0; i + 1 < sizeof(order) / sizeof(order[0]); i++) {
        SCOPED_TRACE("after " + std::to_string(order[i]));
        EXPECT_EQ(GetDlgCtrlID(GetNextDlgTabItem(dialog_, Item(order[i]), FALSE)), order[i + 1]);
    }
    EnableWindow(Item(IDC_SAVE), TRUE);
    EXPECT_EQ(GetDlgCtrlID(GetNextDlgTabItem(dialog_, Item(IDC_REALISM), FALSE)), IDC_SAVE);
    EXPECT_EQ(GetDlgCtrlID(GetNextDlgTabItem(dialog_, Item(IDC_SAVE), FALSE)), IDC_TYPE_SIDE);
}

TEST_F(DialogTemplateTest, RadioGroupsAndIndependentCheckBoxes) {
    // The variant group runs from the paratroopers button up to the method buttons.
    EXPECT_EQ(GetDlgCtrlID(GetNextDlgGroupItem(dialog_, Item(IDC_METHOD_GROUP), FALSE)), IDC_VARIANT_PARATROOPERS);
    // The method group runs up to the axis legends, the coordinate group boxes included.
    EXPECT_EQ(GetDlgCtrlID(GetNextDlgGroupItem(dialog_, Item(IDC_METHOD_TWO), FALSE)), IDC_POINTS_GROUP);
    EXPECT_EQ(GetDlgCtrlID(GetNextDlgGroupItem(dialog_, Item(IDC_REAR_POINT_GROUP), FALSE)), IDC_METHOD_ONE);
    EXPECT_EQ(GetDlgCtrlID(GetNextDlgGroupItem(dialog_, Item(IDC_AXIS_X_LABEL), FALSE)), IDC_AXIS_X_LABEL);

    struct Step {
        int click;
        std::vector<int> checked; // every checked control afterwards
    } steps[] = {
        {IDC_VARIANT_CARGO, {IDC_VARIANT_CARGO}},
        {IDC_METHOD_ONE, {IDC_VARIANT_CARGO, IDC_METHOD_ONE}},
        {IDC_VARIANT_FIRE, {IDC_VARIANT_FIRE, IDC_METHOD_ONE}},
        {IDC_METHOD_TWO, {IDC_VARIANT_FIRE, IDC_METHOD_TWO}},
        {IDC_VARIANT_PARATROOPERS, {IDC_VARIANT_PARATROOPERS, IDC_METHOD_TWO}},
        {IDC_TYPE_SIDE, {IDC_VARIANT_PARATROOPERS, IDC_METHOD_TWO, IDC_TYPE_SIDE}},
        {IDC_TYPE_REAR, {IDC_VARIANT_PARATROOPERS, IDC_METHOD_TWO, IDC_TYPE_SIDE, IDC_TYPE_REAR}},
        {IDC_VISUAL, {IDC_VARIANT_PARATROOPERS, IDC_METHOD_TWO, IDC_TYPE_SIDE, IDC_TYPE_REAR, IDC_VISUAL}},
        {IDC_TYPE_SIDE, {IDC_VARIANT_PARATROOPERS, IDC_METHOD_TWO, IDC_TYPE_REAR, IDC_VISUAL}},
        {IDC_REALISM, {IDC_VARIANT_PARATROOPERS, IDC_METHOD_TWO, IDC_TYPE_REAR, IDC_VISUAL, IDC_REALISM}},
    };
    const int buttons[] = {IDC_VARIANT_PARATROOPERS, IDC_VARIANT_CARGO, IDC_VARIANT_FIRE, IDC_METHOD_ONE,
                           IDC_METHOD_TWO, IDC_TYPE_SIDE, IDC_TYPE_REAR, IDC_VISUAL, IDC_REALISM};
    for (size_t s = 0; s < sizeof(steps) / sizeof(steps[0]); s++) {
        SCOPED_TRACE("step " + std::to_string(s));
        SendMessageA(Item(steps[s].click), BM_CLICK, 0, 0);
        for (int id : buttons) {
            bool expected = false;
            for (int c : steps[s].checked) expected = expected || c == id;
            EXPECT_EQ(IsDlgButtonChecked(dialog_, id) == BST_CHECKED, expected) << "id " << id;
        }
    }
}

TEST_F(DialogTemplateTest, AmountTakesDigitsAndCoordinatesOnlyWhatFits) {
    Type(IDC_NUMBER, "1a2-b3");
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), L"123");
    Type(IDC_SIDE_X, "-1.5abc");
    EXPECT_EQ(TextOf(Item(IDC_SIDE_X)), L"-1.5abc") << "any characters";
    Type(IDC_REAR_Z, std::string(60, 'W').c_str());
    size_t length = TextOf(Item(IDC_REAR_Z)).size();
    EXPECT_GT(length, 0u);
    EXPECT_LT(length, 60u) << "no more than the visible width takes";
}

} // namespace
