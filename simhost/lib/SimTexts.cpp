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
    // Preparing aircraft.
    {kTextPrepareUsage,
     "использование: simhost.exe --prepare PATH [--slots N] [--undo] [--root DIR] [--lang ru|en]\n"
     "\n"
     "Добавляет в aircraft.cfg строки smoke.N, без которых выброска не видна:\n"
     "smoke.K=0.00, 0.00, 0.00, fx_KFWS_Idle (эффект, который ничего не показывает; во время\n"
     "выброски модуль ставит их в точки выхода). PATH — aircraft.cfg, папка самолёта, папка\n"
     "Aircraft или папка симулятора; --root — папка симулятора, если PATH не внутри неё.\n"
     "Строк нужно --slots N (1..4), иначе столько, сколько размещает файл конфигурации любой\n"
     "раскраски, или 4, если у раскраски его нет. Остальное в файле не меняется. Перед первым\n"
     "изменением рядом сохраняется копия aircraft.cfg.KFWS_Airdrop.bak; --undo возвращает её.\n"
     "Код выхода: 0 — все файлы подготовлены или уже были готовы, 1 — какой-то файл\n"
     "подготовить не удалось, 2 — ничего не найдено или неверный параметр.\n",
     "usage: simhost.exe --prepare PATH [--slots N] [--undo] [--root DIR] [--lang ru|en]\n"
     "\n"
     "Adds to aircraft.cfg the smoke.N lines without which the drop is not seen:\n"
     "smoke.K=0.00, 0.00, 0.00, fx_KFWS_Idle (an effect that shows nothing; during a drop the\n"
     "module moves them to the exit points). PATH is an aircraft.cfg, an aircraft folder, an\n"
     "Aircraft folder or a simulator folder; --root names the simulator folder when PATH is\n"
     "not inside one. The lines needed are --slots N (1..4), else as many as any livery's\n"
     "configuration file places, or 4 when a livery has none. Nothing else in the file\n"
     "changes. Before the first change a copy is kept beside it as\n"
     "aircraft.cfg.KFWS_Airdrop.bak; --undo puts it back. Exit code 0 every file prepared or\n"
     "ready already, 1 some file could not be prepared, 2 nothing found or a bad option.\n"},
    {kTextPrepareAdded, "{}: добавлены строки {} (нужно строк smoke.N: {}{}); копия: {}",
     "{}: added {} ({} smoke.N lines needed{}); the copy: {}"},
    {kTextPrepareAlready, "{}: уже готов, строк smoke.N {} при нужных {}{}; ничего не изменено",
     "{}: ready already, {} smoke.N lines where {} are needed{}; nothing changed"},
    {kTextPrepareRestored, "{}: возвращён из копии {}; копия удалена", "{}: put back from the copy {}; the copy removed"},
    {kTextPrepareNoBackup, "{}: копии {} нет, возвращать нечего", "{}: no copy {}, nothing to put back"},
    {kTextPrepareReadOnly,
     "{}: файл только для чтения, не изменён: снимите атрибут «только чтение» и повторите",
     "{}: the file is read-only and was not changed: clear its read-only attribute and run again"},
    {kTextPrepareInUse,
     "{}: файл открыт другой программой, не изменён: закройте её и повторите",
     "{}: another program holds the file open; not changed: close it and run again"},
    {kTextPrepareBrokenLine,
     "{}: строка smoke.{} есть, но в ней нет трёх чисел; файл не изменён: исправьте её "
     "(высота, продольная, поперечная координата, эффект) и повторите",
     "{}: the line smoke.{} is there but does not start with three numbers; the file was not changed: "
     "mend it (vertical, longitudinal, lateral position, effect) and run again"},
    {kTextPrepareUnreadable, "{}: не читается ({}); не изменён", "{}: cannot be read ({}); not changed"},
    {kTextPrepareFailed, "{}: записать не удалось ({}); файл остался прежним",
     "{}: could not be written ({}); the file is as it was"},
    {kTextPrepareAssumed, ", наибольшее: у раскраски нет файла конфигурации",
     ", the most, as a livery has no configuration file"},
    {kTextPrepareNothingFound, "simhost --prepare: aircraft.cfg не найден: {}", "simhost --prepare: no aircraft.cfg found: {}"},
    {kTextPrepareBadOption, "simhost --prepare: неизвестный или неполный параметр «{}»",
     "simhost --prepare: unknown or incomplete option '{}'"},
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
