#include "simhost/lib/SimTexts.h"

#include <windows.h>

#include <string.h>

namespace {

struct SimTextRow {
    SimTextId id;
    const char* russian;
    const char* english;
};

// In the order of SimTextId; a test holds every row to its id and both texts to being there.
const SimTextRow kTexts[] = {
    {kTextProgramName, "simhost — имитатор симулятора для модуля KFWS_Airdrop",
     "simhost — the stand-in simulator for the KFWS_Airdrop module"},
};
static_assert(sizeof(kTexts) / sizeof(kTexts[0]) == kSimTextCount, "one row per text id");

SimLanguage g_language = SimUserLanguage();

}  // namespace

SimLanguage SimUserLanguage() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN ? kSimRussian : kSimEnglish;
}

bool SimParseLanguage(const char* name, SimLanguage* language) {
    if (name == nullptr) return false;
    if (_stricmp(name, "ru") == 0) {
        *language = kSimRussian;
        return true;
    }
    if (_stricmp(name, "en") == 0) {
        *language = kSimEnglish;
        return true;
    }
    return false;
}

void SimSetLanguage(SimLanguage language) { g_language = language; }

SimLanguage SimCurrentLanguage() { return g_language; }

const char* SimTextIn(SimLanguage language, SimTextId id) {
    if (id < 0 || id >= kSimTextCount || kTexts[id].id != id) return "";
    return language == kSimRussian ? kTexts[id].russian : kTexts[id].english;
}

const char* SimText(SimTextId id) { return SimTextIn(g_language, id); }
