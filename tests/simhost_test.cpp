// The stand-in host program's own pieces: aircraft files, scenario scripts, key chords,
// text conversion and the PNG pictures.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image.h>
#pragma GCC diagnostic pop

#include "simhost/lib/SimAircraftFile.h"
#include "simhost/lib/SimFiles.h"
#include "simhost/lib/SimPicture.h"
#include "simhost/lib/SimScript.h"
#include "simhost/lib/SimText.h"

namespace {

// ---- Aircraft files ----

TEST(AircraftFile, ReadsEveryKeyAndConvertsTheModelName) {
    const std::string text =
        "\xEF\xBB\xBF# a transport\n"
        "title = Transport # comment after a value\n"
        "atc_model = \xD0\x90\xD0\xBD-12\r\n" // "Ан-12" in UTF-8
        "stations = 4\n"
        "on_ground = no\n"
        "parking_brake = off\n"
        "cg = 0.253\n"
        "slot = fx_a#1.fx -19 1.5 0\n"
        "slot = fx_b.fx 19 1.5 -2.25\n";
    SimAircraftFile file;
    std::string error;
    ASSERT_TRUE(SimParseAircraftFile(text, &file, &error)) << error;
    EXPECT_EQ(file.title, "Transport");
    EXPECT_EQ(file.spec.atcModel, "\xC0\xED-12") << "Windows-1251 bytes, as the host's record holds them";
    EXPECT_EQ(file.spec.stations, 4u);
    EXPECT_FALSE(file.spec.onGround);
    EXPECT_FALSE(file.spec.parkingBrake);
    EXPECT_DOUBLE_EQ(file.centreOfGravity, 0.253);
    ASSERT_EQ(file.spec.slots.size(), 2u);
    EXPECT_EQ(file.spec.slots[0].effectFile, "fx_a#1.fx") << "a '#' inside a word is no comment";
    EXPECT_DOUBLE_EQ(file.spec.slots[0].x, -19.0);
    EXPECT_DOUBLE_EQ(file.spec.slots[1].y, 1.5);
    EXPECT_DOUBLE_EQ(file.spec.slots[1].z, -2.25);
}

TEST(AircraftFile, DefaultsAndAnEmptyModelName) {
    SimAircraftFile file;
    std::string error;
    ASSERT_TRUE(SimParseAircraftFile("atc_model =\n", &file, &error)) << error;
    EXPECT_EQ(file.spec.atcModel, "");
    EXPECT_EQ(file.spec.stations, 0u);
    EXPECT_TRUE(file.spec.onGround);
    EXPECT_TRUE(file.spec.parkingBrake);
    EXPECT_TRUE(file.spec.slots.empty());
    EXPECT_DOUBLE_EQ(file.centreOfGravity, 0.25);
}

TEST(AircraftFile, FaultsNameTheirLine) {
    struct Case {
        const char* text;
        const char* expected; // part of the error
    };
    const std::string tooLong = "atc_model = " + std::string(260, 'A') + "\n";
    const Case cases[] = {
        {"stations = 2\n", "atc_model missing"},
        {"atc_model = A\natc_model = B\n", "line 2"},
        {"atc_model = A\nwings = 2\n", "unknown key 'wings'"},
        {"atc_model = A\non_ground = maybe\n", "on_ground"},
        {"atc_model = A\nparking_brake = 2\n", "parking_brake"},
        {"atc_model = A\nstations = -1\n", "stations"},
        {"atc_model = A\nstations = 1.5\n", "stations"},
        {"atc_model = A\ncg = heavy\n", "cg"},
        {"atc_model = A\n\nslot = fx.fx 1 2\n", "line 3: slot"},
        {"atc_model = A\nslot = fx.fx 1 2 z\n", "slot"},
        {"atc_model A\n", "line 1: expected key = value"},
        {tooLong.c_str(), "longer than 259"},
        {"atc_model = \xE2\x9C\x97\n", "Windows-1251"},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE("case " + std::to_string(i));
        SimAircraftFile file;
        std::string error;
        EXPECT_FALSE(SimParseAircraftFile(cases[i].text, &file, &error));
        EXPECT_NE(error.find(cases[i].expected), std::string::npos) << error;
    }
}

TEST(AircraftFile, ShippedExamplesParse) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof(self));
    std::string folder = self;
    // The test programs lie in the build folder, one level below the sources.
    folder = folder.substr(0, folder.find_last_of("\\/"));
    folder = folder.substr(0, folder.find_last_of("\\/")) + "\\examples\\aircraft\\";
    const char* names[] = {"transport.aircraft", "light.aircraft", "no-model.aircraft"};
    const size_t slots[] = {4, 2, 0};
    for (size_t i = 0; i < 3; i++) {
        SCOPED_TRACE(names[i]);
        SimAircraftFile file;
        std::string error;
        ASSERT_TRUE(SimReadAircraftFile(folder + names[i], &file, &error)) << error;
        EXPECT_EQ(file.spec.slots.size(), slots[i]);
        EXPECT_FALSE(file.title.empty());
    }
}

TEST(AircraftFile, TitleDefaultsToTheFileName) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    std::string path = std::string(temp) + "simhost-test-plain.aircraft";
    FILE* out = fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    fputs("atc_model = X\n", out);
    fclose(out);
    SimAircraftFile file;
    std::string error;
    ASSERT_TRUE(SimReadAircraftFile(path, &file, &error)) << error;
    EXPECT_EQ(file.title, "simhost-test-plain.aircraft");
    DeleteFileA(path.c_str());
    EXPECT_FALSE(SimReadAircraftFile(path, &file, &error));
    EXPECT_NE(error.find("cannot open"), std::string::npos);
}

// ---- Key chords and words ----

TEST(Chord, NamesOfKeysAndHands) {
    struct Case {
        const char* text;
        std::vector<WORD> modifiers;
        WORD key;
    };
    const Case cases[] = {
        {"Ctrl+Shift+1", {VK_LCONTROL, VK_LSHIFT}, '1'},
        {"RCtrl+RShift+RAlt+0", {VK_RCONTROL, VK_RSHIFT, VK_RMENU}, '0'},
        {"ctrl+shift+space", {VK_LCONTROL, VK_LSHIFT}, VK_SPACE},
        {"Shift+LCtrl+LAlt+9", {VK_LSHIFT, VK_LCONTROL, VK_LMENU}, '9'},
        {"Ctrl+Shift+Num1", {VK_LCONTROL, VK_LSHIFT}, VK_NUMPAD1},
        {"a", {}, 'A'},
        {"F12", {}, VK_F12},
        {"Minus", {}, VK_OEM_MINUS},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE(cases[i].text);
        SimChord chord;
        std::string error;
        ASSERT_TRUE(SimParseChord(cases[i].text, &chord, &error)) << error;
        EXPECT_EQ(chord.modifiers, cases[i].modifiers);
        EXPECT_EQ(chord.key, cases[i].key);
    }
}

TEST(Chord, RefusesWhatCannotBeTyped) {
    const char* cases[] = {"Ctrl+", "Ctrl++1", "Ctrl+Ctrl+1", "Hyper+1", "Ctrl+Shift+Foo", "F13", "F0", "Num", "1+Ctrl", ""};
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        SimChord chord;
        std::string error;
        EXPECT_FALSE(SimParseChord(text, &chord, &error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(Words, QuotesAndEscapes) {
    std::vector<std::string> words;
    std::string error;
    ASSERT_TRUE(SimSplitWords("expect screen \"a \\\"b\\\"\\n\\tc\\\\\" \"\"  x", &words, &error)) << error;
    ASSERT_EQ(words.size(), 5u);
    EXPECT_EQ(words[2], "a \"b\"\n\tc\\");
    EXPECT_EQ(words[3], "");
    EXPECT_EQ(words[4], "x");
    const char* faults[] = {"say \"open", "say \"bad \\q\"", "say \"glued\"word", "say \"ends with\\"};
    for (const char* line : faults) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(SimSplitWords(line, &words, &error));
    }
}

TEST(Words, MenuPaths) {
    std::vector<std::string> words = {"menu", "KestrelFieldWorks", ">", "Two", "words", ">", "Item"};
    std::vector<std::string> path = SimSplitMenuPath(words, 1);
    ASSERT_EQ(path.size(), 3u);
    EXPECT_EQ(path[0], "KestrelFieldWorks");
    EXPECT_EQ(path[1], "Two words");
    EXPECT_EQ(path[2], "Item");
}

// ---- Scripts ----

TEST(Script, StepsKeepTheirLines) {
    const std::string text =
        "# heading\n"
        "\n"
        "key Ctrl+Shift+1   # load\n"
        "wait 1.5\n"
        "expect screen \"a # not a comment\"\n"
        "key Ctrl+Shift+0 repeat 2\n"
        "menu KestrelFieldWorks > Десантирование > Конфигуратор\n";
    std::vector<SimScriptStep> steps;
    std::string error;
    ASSERT_TRUE(SimParseScript(text, &steps, &error)) << error;
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[0].line, 3);
    EXPECT_EQ(steps[0].verb, "key");
    EXPECT_EQ(steps[0].text, "key Ctrl+Shift+1");
    EXPECT_EQ(steps[2].line, 5);
    ASSERT_EQ(steps[2].args.size(), 2u);
    EXPECT_EQ(steps[2].args[1], "a # not a comment");
    EXPECT_EQ(steps[3].args.size(), 3u);
    EXPECT_EQ(steps[4].args.size(), 5u);
}

TEST(Script, FaultsAreFoundBeforeAnythingRuns) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"press\njump\n", "line 2: unknown step 'jump'"},
        {"wait\n", "wrong number"},
        {"wait soon\n", "seconds"},
        {"wait -1\n", "seconds"},
        {"wait 601\n", "seconds"},
        {"key Ctrl+Shift+Foo\n", "unknown key"},
        {"key Ctrl+Shift+0 repeat 0\n", "repeat N"},
        {"key Ctrl+Shift+0 twice 2\n", "repeat N"},
        {"press now\n", "wrong number"},
        {"set altitude 3\n", "set on_ground"},
        {"expect weather fine\n", "unknown expectation"},
        {"expect screen\n", "wrong number"},
        {"expect no-message now\n", "wrong number"},
        {"say \"open\n", "unterminated"},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE(cases[i].text);
        std::vector<SimScriptStep> steps;
        std::string error;
        EXPECT_FALSE(SimParseScript(cases[i].text, &steps, &error));
        EXPECT_NE(error.find(cases[i].expected), std::string::npos) << error;
    }
}

// ---- Text ----

TEST(Text, Windows1251AndUtf8) {
    std::string cp1251;
    // Narrow literals of the tests are Windows-1251, so the UTF-8 text is spelled in bytes.
    const std::string commander = "\xD0\x9A\xD0\xBE\xD0\xBC\xD0\xB0\xD0\xBD\xD0\xB4\xD0\xB8\xD1\x80";
    ASSERT_TRUE(SimUtf8ToCp1251(commander + " \xC2\xAB!\xC2\xBB", &cp1251));
    EXPECT_EQ(cp1251, "\xCA\xEE\xEC\xE0\xED\xE4\xE8\xF0 \xAB!\xBB");
    EXPECT_EQ(SimCp1251ToUtf8(cp1251), commander + " \xC2\xAB!\xC2\xBB");
    EXPECT_FALSE(SimUtf8ToCp1251("\xE2\x9C\x97", &cp1251)) << "a character 1251 cannot hold";
    EXPECT_FALSE(SimUtf8ToCp1251("\xD0", &cp1251)) << "broken UTF-8";
    EXPECT_TRUE(SimUtf8ToCp1251("", &cp1251));
    EXPECT_EQ(cp1251, "");
}

TEST(Text, Numbers) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {{550.0, "550"},  {551.155, "551.155"}, {2204.62 / 4, "551.155"}, {-3.0, "-3"},
                          {0.1 + 0.2, "0.3"}, {-0.0001, "0"},       {1.5, "1.5"},             {0.0, "0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SimFormatNumber(c.value), c.text);
    }
    double value = 0;
    EXPECT_TRUE(SimParseNumber("-2.5", &value));
    EXPECT_DOUBLE_EQ(value, -2.5);
    const char* faults[] = {"", "1x", "nan", "inf", " 1", "1 "};
    for (const char* text : faults) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(SimParseNumber(text, &value));
    }
    EXPECT_EQ(SimTrim(" \t a b \r\n"), "a b");
    EXPECT_EQ(SimTrim("   "), "");
}

// ---- Pictures ----

// Reads a PNG back into RGB pixels with the library's own reader.
bool DecodePng(const std::string& png, int* width, int* height, std::vector<unsigned char>* rgb) {
    int components = 0;
    unsigned char* pixels = stbi_load_from_memory((const unsigned char*)png.data(), (int)png.size(), width, height,
                                                  &components, 3);
    if (!pixels) {
        return false;
    }
    rgb->assign(pixels, pixels + (size_t)*width * *height * 3);
    stbi_image_free(pixels);
    return components == 3;
}

TEST(Picture, EncodedImageReadsBackPixelForPixel) {
    struct Case {
        int width, height;
    };
    const Case cases[] = {{3, 2}, {200, 120}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        std::vector<unsigned char> rgb((size_t)c.width * c.height * 3);
        for (size_t i = 0; i < rgb.size(); i++) {
            rgb[i] = (unsigned char)(i * 7 + 3);
        }
        std::string png = SimEncodePng(c.width, c.height, rgb);
        ASSERT_EQ(png.compare(0, 8, std::string("\x89PNG\r\n\x1A\n", 8)), 0);
        int width = 0, height = 0;
        std::vector<unsigned char> back;
        ASSERT_TRUE(DecodePng(png, &width, &height, &back));
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(height, c.height);
        EXPECT_TRUE(back == rgb);
    }
    // Too few pixels for the size, or no size at all: no picture.
    EXPECT_EQ(SimEncodePng(4, 4, std::vector<unsigned char>(10)), "");
    EXPECT_EQ(SimEncodePng(0, 4, std::vector<unsigned char>()), "");
}

LRESULT CALLBACK PaintGreen(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH green = CreateSolidBrush(RGB(0, 200, 0));
        FillRect(dc, &paint.rcPaint, green);
        DeleteObject(green);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(Picture, WindowIsReadFromTheScreen) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = PaintGreen;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SimPictureTest";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "SimPictureTest", "", WS_POPUP | WS_VISIBLE, 40, 40, 60, 30, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    for (int i = 0; i < 20; i++) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
    RECT area = {40, 40, 100, 70};
    std::vector<unsigned char> rgb;
    ASSERT_TRUE(SimCaptureScreen(area, &rgb));
    ASSERT_EQ(rgb.size(), 60u * 30u * 3u);
    size_t centre = ((size_t)15 * 60 + 30) * 3;
    EXPECT_EQ(rgb[centre], 0);
    EXPECT_EQ(rgb[centre + 1], 200);
    EXPECT_EQ(rgb[centre + 2], 0);

    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    std::string path = std::string(temp) + "simhost-picture-test.png";
    ASSERT_TRUE(SimSaveWindowPicture(window, path));
    std::string png;
    ASSERT_TRUE(SimReadFile(path, &png));
    DeleteFileA(path.c_str());
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;
    ASSERT_TRUE(DecodePng(png, &width, &height, &pixels));
    EXPECT_EQ(width, 60);
    EXPECT_EQ(height, 30);
    EXPECT_EQ(pixels[centre + 1], 200);
    EXPECT_FALSE(SimSaveWindowPicture(nullptr, path));
    DestroyWindow(window);

    RECT empty = {10, 10, 10, 20};
    EXPECT_FALSE(SimCaptureScreen(empty, &rgb));
}

} // namespace
