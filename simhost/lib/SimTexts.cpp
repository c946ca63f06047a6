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
    // The readiness check.
    {kTextCheckUsage,
     "использование: simhost.exe --check ПУТЬ [--root ПАПКА] [--json] [--lang ru|en]\n"
     "\n"
     "Проверяет, готовы ли самолёты к выброске модулем KFWS_Airdrop. ПУТЬ — файл aircraft.cfg,\n"
     "папка самолёта, папка Aircraft или папка симулятора; --root называет папку симулятора,\n"
     "если ПУТЬ лежит не в ней. Код выхода: 0 — все раскраски готовы, 1 — какая-то не готова,\n"
     "2 — ничего не прочитано или неверный параметр.\n",
     "usage: simhost.exe --check PATH [--root DIR] [--json] [--lang ru|en]\n"
     "\n"
     "Checks whether aircraft are ready for the drop with the KFWS_Airdrop module. PATH is an\n"
     "aircraft.cfg, an aircraft folder, an Aircraft folder or a simulator folder; --root names\n"
     "the simulator folder when PATH is not inside one. Exit code 0 every livery ready, 1 some\n"
     "not ready, 2 nothing could be read or a bad option.\n"},
    {kTextCheckBadOption, "неизвестный или неполный параметр «{}»", "unknown or incomplete option '{}'"},
    {kTextCheckNeedsPath, "после --check нужен ПУТЬ", "--check needs a PATH"},
    {kTextCheckNoSuchPath, "нет такого файла или папки: {}", "no such file or folder: {}"},
    {kTextCheckCannotUseFolder, "папка недоступна: {}", "cannot use the folder {}"},
    {kTextCheckNothingRead, "ни один файл aircraft.cfg не прочитан", "no aircraft.cfg could be read"},
    {kTextCheckSimulatorFolder, "Папка симулятора: {}\n", "Simulator folder: {}\n"},
    {kTextCheckNoSimulatorFolder,
     "Папка симулятора не найдена: файлы конфигурации ищутся от текущей папки {}, файлы эффектов "
     "не проверяются\n",
     "Simulator folder not found: configuration files are looked for from the current folder {}, "
     "effect files are not checked\n"},
    {kTextCheckRowPlace, "  {}, [fltsim.{}]; station_load: {}, smoke: {}\n",
     "  {}, [fltsim.{}]; station_load: {}, smoke: {}\n"},
    {kTextCheckSeverityError, "ошибка", "error"},
    {kTextCheckSeverityWarning, "предупреждение", "warning"},
    {kTextCheckSeverityInfo, "сведения", "info"},
    {kTextCheckReadyVisible, "  => готов, выброска будет видна\n", "  => ready, the drop will be visible\n"},
    {kTextCheckReadyInvisible, "  => готов, но выброска не будет видна\n",
     "  => ready, but the drop will not be visible\n"},
    {kTextCheckNotReady, "  => не готов, выброска не будет видна\n",
     "  => not ready, the drop will not be visible\n"},
    {kTextCheckSummary,
     "\nРаскрасок: {}, готовы: {}, выброска видна: {}; файлов прочитано: {}, не читается: {}\n",
     "\nLiveries: {}, ready: {}, drop visible: {}; files read: {}, unreadable: {}\n"},
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
