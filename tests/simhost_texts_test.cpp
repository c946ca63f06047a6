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
        if (cases[i].ok) EXPECT_EQ(cases[i].language, language);
    }
    SimSetLanguage(kSimEnglish);
    EXPECT_STREQ(SimTextIn(kSimEnglish, kTextProgramName), SimText(kTextProgramName));
    SimSetLanguage(kSimRussian);
    EXPECT_STREQ(SimTextIn(kSimRussian, kTextProgramName), SimText(kTextProgramName));
}
