// simhost's table of texts: every text in both languages, each row at its own id, and the
// language chosen on the command line.
#include <gtest/gtest.h>

#include <string.h>

#include "simhost/lib/SimTexts.h"

TEST(SimTexts, EveryTextHasBothLanguages) {
    for (int id = 0; id < kSimTextCount; ++id) {
        SCOPED_TRACE(id);
        const char* russian = SimTextIn(kSimRussian, static_cast<SimTextId>(id));
        const char* english = SimTextIn(kSimEnglish, static_cast<SimTextId>(id));
        EXPECT_GT(strlen(russian), 0u);
        EXPECT_GT(strlen(english), 0u);
    }
}

TEST(SimTexts, LanguageNamesAndSwitch) {
    struct Case { const char* name; bool ok; SimLanguage language; } cases[] = {
        {"ru", true, kSimRussian}, {"EN", true, kSimEnglish}, {"de", false, kSimRussian},
        {"", false, kSimRussian}, {"russian", false, kSimRussian},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i) {
        SCOPED_TRACE(i);
        SimLanguage language = kSimRussian;
        EXPECT_EQ(cases[i].ok, SimParseLanguage(cases[i].name, &language));
        if (cases[i].ok) {
            EXPECT_EQ(cases[i].language, language);
        }
    }
    SimSetLanguage(kSimEnglish);
    EXPECT_STREQ(SimTextIn(kSimEnglish, kTextProgramName), SimText(kTextProgramName));
    SimSetLanguage(kSimRussian);
    EXPECT_STREQ(SimTextIn(kSimRussian, kTextProgramName), SimText(kTextProgramName));
}

#include <windows.h>

#include "simhost/lib/SimConsole.h"

// Texts with values, the centre of gravity as the module's report writes it, and the
// host's own menus named by a script in either language.
TEST(SimTexts, ValuesCentreOfGravityAndEitherLanguage) {
    SimSetLanguage(kSimEnglish);
    EXPECT_EQ(SimTextWith(kTextCannotRead, {"a.script"}), "cannot read a.script");
    EXPECT_EQ(SimCentreOfGravityText(0.25203), "25.2 % MAC");
    EXPECT_EQ(SimCentreOfGravityText(-0.05), "-5.0 % MAC");
    EXPECT_EQ(SimTextInCurrentLanguage("Самолёт"), "Aircraft");
    EXPECT_EQ(SimTextInCurrentLanguage("Конфигуратор"), "Конфигуратор");
    SimSetLanguage(kSimRussian);
    EXPECT_EQ(SimCentreOfGravityText(0.303), "30.3 % САХ");
    EXPECT_EQ(SimTextInCurrentLanguage("Aircraft"), "Самолёт");
    char lang[] = "--lang", en[] = "en", de[] = "de", self[] = "simhost";
    char* good[] = {self, lang, en};
    char* bad[] = {self, lang, de};
    EXPECT_FALSE(SimTakeLanguageOption(3, bad));
    EXPECT_EQ(SimCurrentLanguage(), kSimRussian);
    EXPECT_TRUE(SimTakeLanguageOption(3, good));
    EXPECT_EQ(SimCurrentLanguage(), kSimEnglish);
}

// A Russian console (code page 866) shows Russian text as written: it gets wide
// characters, not UTF-8 bytes.
TEST(SimConsole, RussianConsoleShowsRussianText) {
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    SetConsoleOutputCP(866);
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(console, INVALID_HANDLE_VALUE);
    CONSOLE_SCREEN_BUFFER_INFO info;
    ASSERT_TRUE(GetConsoleScreenBufferInfo(console, &info));
    EXPECT_TRUE(SimWriteText(console, "Готово: 25,2 % САХ"));
    wchar_t shown[32] = L"";
    DWORD read = 0;
    ASSERT_TRUE(ReadConsoleOutputCharacterW(console, shown, 18, info.dwCursorPosition, &read));
    EXPECT_EQ(std::wstring(shown, read), L"Готово: 25,2 % САХ");
    CloseHandle(console);
    FreeConsole();
}
