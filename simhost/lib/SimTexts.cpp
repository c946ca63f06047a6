#include "simhost/lib/SimTexts.h"

#include <windows.h>

#include <stdio.h>
#include <string.h>

namespace {

struct SimTextRow {
    SimTextId id;
    const char* russian;
    const char* english;
};

// One row per SimTextId, in any order; a test holds every id to a row with both texts.
const SimTextRow kTexts[] = {
    {kTextProgramName, "simhost — имитатор симулятора для модуля KFWS_Airdrop",
     "simhost — the stand-in simulator for the KFWS_Airdrop module"},
    {kTextUsage,
     "использование: simhost.exe --aircraft ПУТЬ [--fltsim N] [--script ФАЙЛ] [ключи]\n"
     "               simhost.exe --simulator ПАПКА [--aircraft ПУТЬ [--fltsim N]] [--script ФАЙЛ] [ключи]\n"
     "               simhost.exe --check ПУТЬ [--root ПАПКА] [--json] [--lang ru|en]   (проверка готовности)\n"
     "               simhost.exe --prepare ПУТЬ [--slots N] [--undo] [--lang ru|en]   (строки smoke.N)\n"
     "\n"
     "Загружает KFWS_Airdrop.dll в окно заменителя симулятора. Запуск двойным щелчком\n"
     "открывает окно на папке симулятора, в которой лежит программа (Modules\\KestrelFieldWorks\\Tools),\n"
     "иначе на выбранной в прошлый раз папке, иначе на папке, выбранной в окне выбора\n"
     "(выбор запоминается; в папке Tools архива окно начинает с папки-примера simulator).\n"
     "С --script сценарий проигрывается на временной копии папки симулятора, протокол\n"
     "печатается по-английски (код выхода 0 — все ожидания выполнены, 1 — какое-то не\n"
     "выполнено, 2 — шаг не удалось выполнить); без него окно остаётся открытым, пока его\n"
     "не закроют.\n"
     "\n"
     "  --aircraft ПУТЬ     самолёт пользователя: файл самолёта (см. examples/aircraft),\n"
     "                      aircraft.cfg (в любом регистре) или папка с ним\n"
     "  --fltsim N          раскраска [fltsim.N] из aircraft.cfg (по умолчанию 0)\n"
     "  --simulator ПАПКА   папка симулятора: корень (как --root); самолёты — все раскраски\n"
     "                      ПАПКА/Aircraft/*/aircraft.cfg в меню окна; первый — самолёт\n"
     "                      пользователя, если не задан --aircraft\n"
     "  --script ФАЙЛ       проиграть сценарий\n"
     "  --in-place          со --script: работать в самой папке симулятора, а не в копии\n"
     "  --dll ПУТЬ          модуль (по умолчанию Modules\\KFWS_Airdrop.dll папки симулятора,\n"
     "                      в которой лежит программа; иначе ..\\Modules\\KFWS_Airdrop.dll —\n"
     "                      модуль из архива; иначе KFWS_Airdrop.dll рядом с simhost.exe)\n"
     "  --root ПАПКА        папка симулятора с Modules/ (по умолчанию текущая; со --script —\n"
     "                      новая временная)\n"
     "  --out ПАПКА         куда писать снимки (по умолчанию со --script — временная папка)\n"
     "  --transcript ФАЙЛ   также записать протокол в ФАЙЛ\n"
     "  --verbose           записывать каждый вызов симулятора\n"
     "  --lang ru|en        язык программы (по умолчанию — язык интерфейса Windows)\n",
     "usage: simhost.exe --aircraft PATH [--fltsim N] [--script FILE] [options]\n"
     "       simhost.exe --simulator DIR [--aircraft PATH [--fltsim N]] [--script FILE] [options]\n"
     "       simhost.exe --check PATH [--root DIR] [--json] [--lang ru|en]   (readiness check)\n"
     "       simhost.exe --prepare PATH [--slots N] [--undo] [--lang ru|en]   (smoke.N lines)\n"
     "\n"
     "Loads KFWS_Airdrop.dll into a stand-in simulator window. Started with a double click it\n"
     "opens the window on the simulator folder it lies in (Modules\\KestrelFieldWorks\\Tools),\n"
     "else on the folder chosen the last time, else on a folder you choose (remembered; in\n"
     "the zip's Tools the choice starts on the example folder simulator). With --script\n"
     "the scenario runs on a scratch copy of the simulator folder and its transcript is\n"
     "printed in English (exit code 0 when every expectation held, 1 when one failed, 2 when\n"
     "a step could not be carried out); without it the window stays open for a person until\n"
     "it is closed.\n"
     "\n"
     "  --aircraft PATH     the user aircraft: an aircraft file (see examples/aircraft), an\n"
     "                      aircraft.cfg (any letter case) or a folder holding one\n"
     "  --fltsim N          the variation [fltsim.N] of an aircraft.cfg (default 0)\n"
     "  --simulator DIR     a simulator folder: the root (as --root), its aircraft are every\n"
     "                      variation of DIR/Aircraft/*/aircraft.cfg, listed in the window's\n"
     "                      menu; the first is the user aircraft unless --aircraft is given\n"
     "  --script FILE       a scenario to run\n"
     "  --in-place          with --script: fly the simulator folder itself, not a copy\n"
     "  --dll PATH          the module (default: Modules\\KFWS_Airdrop.dll of the simulator\n"
     "                      folder simhost lies in; else ..\\Modules\\KFWS_Airdrop.dll, the\n"
     "                      zip's module; else KFWS_Airdrop.dll beside simhost.exe)\n"
     "  --root DIR          the simulator folder holding Modules/ (default: the current\n"
     "                      folder; with --script a fresh temporary folder)\n"
     "  --out DIR           where pictures go (default with --script: a temporary folder)\n"
     "  --transcript FILE   also write the transcript to FILE\n"
     "  --verbose           log every host call\n"
     "  --lang ru|en        the program's language (default: that of Windows' interface)\n"},
    {kTextBadFltsim, "--fltsim ждёт номер раскраски, а не «{}»", "--fltsim takes a variation number, not '{}'"},
    {kTextUnknownOption, "неизвестный или неполный ключ «{}»", "unknown or incomplete option '{}'"},
    {kTextBadLanguage, "--lang ждёт ru или en", "--lang takes ru or en"},
    {kTextNeedAircraft, "нужен --aircraft или --simulator", "--aircraft or --simulator is required"},
    {kTextSimulatorIsRoot, "--simulator уже задаёт корень: дайте --root или --simulator",
     "--simulator is the root already; give --root or --simulator"},
    {kTextCannotRead, "не удаётся прочесть {}", "cannot read {}"},
    {kTextCannotWrite, "не удаётся записать {}", "cannot write {}"},
    {kTextCannotUseFolder, "не удаётся работать в папке {}", "cannot use the folder {}"},
    {kTextCannotLoadModule, "не удаётся загрузить модуль {}", "cannot load the module {}"},
    {kTextNoAircraftFolder, "{}\\Aircraft: ни в одной папке нет aircraft.cfg", "{}\\Aircraft: no aircraft.cfg in any folder"},
    {kTextCannotCopySimulator, "не удаётся скопировать папку симулятора {} во временную папку",
     "cannot copy the simulator folder {} to a temporary folder"},
    {kTextWindowOpen, "simhost: окно симулятора открыто; закройте его, чтобы закончить. Клавиши и меню работают, как в симуляторе.",
     "simhost: the host window is open; close it to end. Hotkeys and the menu work as in the simulator."},
    {kTextPicturesGoTo, "снимки: {}", "pictures: {}"},
    {kTextWindowTitle, "simhost — заменитель симулятора", "simhost — stand-in simulator"},
    {kTextMenuFlight, "Полёт", "Flight"},
    {kTextMenuExit, "Выход", "Exit"},
    {kTextMenuAircraft, "Самолёт", "Aircraft"},
    {kTextMenuPrepare, "Подготовить к выброске (строки smoke.N)…", "Prepare for the drop (smoke.N lines)…"},
    {kTextPickSimulatorFolder, "Выберите папку симулятора (в ней лежат Aircraft и Modules)",
     "Choose the simulator folder (the one holding Aircraft and Modules)"},
    {kTextCannotStart, "simhost не может начать работу", "simhost cannot start"},
    {kTextCentreOfGravity, "{} % САХ", "{} % MAC"},
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
    // The views.
    {kTextViewScreenTitle, "Экран симулятора (последнее сообщение)",
     "Host screen (last on-screen message)"},
    {kTextViewAircraftTitle, "Самолёт",
     "Aircraft"},
    {kTextViewEmptyModel, "(пусто)",
     "(empty)"},
    {kTextViewCentreOfGravity, "Центровка: САХ = {} %",
     "Centre of gravity: MAC = {} %"},
    {kTextViewCounts, "Грузовых станций: {}    слотов эффектов: {}",
     "Payload stations: {}    effect slots: {}"},
    {kTextViewHotkeysTitle, "Горячие клавиши (одной рукой)",
     "Hotkeys (one hand)"},
    {kTextViewKeyLoad, "загрузить",
     "load"},
    {kTextViewKeyStart, "начать выброску",
     "start the drop"},
    {kTextViewKeyEmergency, "экстренная разгрузка",
     "emergency unload"},
    {kTextViewKeyReport, "отчёт о состоянии",
     "status report"},
    {kTextViewKeyDialog, "конфигуратор",
     "configuration dialog"},
    {kTextViewKeyReacquire, "перечитать самолёт пользователя",
     "re-read the user aircraft"},
    {kTextViewModuleMenu, "Меню модуля: KestrelFieldWorks > Десантирование",
     "The module's menu: KestrelFieldWorks > Десантирование"},
    {kTextViewAircraftMenu, "Самолёты папки симулятора: в строке меню",
     "The simulator folder's aircraft: in the menu bar"},
    {kTextViewFlagsTitle, "Состояние самолёта (щёлкните, чтобы изменить)",
     "Aircraft flags (click to change)"},
    {kTextViewOnGround, "На земле",
     "On the ground"},
    {kTextViewParkingBrake, "Стояночный тормоз",
     "Parking brake set"},
    {kTextViewStationsTitle, "Грузовые станции (фунты)",
     "Payload stations (lb)"},
    {kTextViewNone, "нет",
     "none"},
    {kTextViewTotal, "всего {} фунтов",
     "total {} lb"},
    {kTextViewEffectsTitle, "Файлы эффектов в слотах модуля (папка Effects симулятора)",
     "Effect files of the module's slots (simulator's Effects folder)"},
    {kTextViewNoModuleEffects, "нет: модуль сейчас не занимает слотов",
     "none: the module fills no slot now"},
    {kTextViewPlanToScale, "Вид сверху в масштабе (нос вправо, правое крыло внизу)",
     "Plan view to scale (from above, nose right, right wing down)"},
    {kTextViewSideToScale, "Вид сбоку в масштабе (нос вправо)",
     "Side view to scale (nose right)"},
    {kTextViewPlanSchematic, "Вид сверху (нос вправо)",
     "Plan view (from above, nose right)"},
    {kTextViewSideSchematic, "Вид сбоку (нос вправо)",
     "Side view (nose right)"},
    {kTextViewForward, "вперёд ->",
     "forward ->"},
    {kTextViewLegend, "o колесо   x точка касания   квадраты: станции (N:фунты)   ромбы: точки выхода   кольца: слоты эффектов   пунктир: контур",
     "o wheel   x scrape point   squares: stations (N:lb)   diamonds: exit points   rings: effect slots   dotted: outline"},
    {kTextViewPlanAxes, "вверх: левее (x < 0), вниз: правее (x > 0)",
     "up: left (x < 0), down: right (x > 0)"},
    {kTextViewSideAxes, "вверх: выше (y > 0)",
     "up: higher (y > 0)"},
    {kTextViewFeet, "{} фт",
     "{} ft"},
    {kTextViewOutsideOne, "Точка выхода {} вне контура самолёта",
     "Exit point {} lies outside the aircraft's outline"},
    {kTextViewOutsideMany, "Точки выхода {} вне контура самолёта",
     "Exit points {} lie outside the aircraft's outline"},
    {kTextViewSave, "Сохранить",
     "Save"},
    {kTextViewCancel, "Отменить",
     "Cancel"},
    {kTextViewSaveTip, "Записать шесть координат точек выхода в файл конфигурации (Ctrl+S)",
     "Write the exit points' six coordinates into the configuration file (Ctrl+S)"},
    {kTextViewCancelTip, "Вернуть точки выхода, как они записаны в файле",
     "Put the exit points back as the file has them"},
    {kTextViewReadoutPlan, "x = {}, z = {} фт",
     "x = {}, z = {} ft"},
    {kTextViewReadoutSide, "y = {}, z = {} фт",
     "y = {}, z = {} ft"},
    {kTextViewDragHint, "Перетащите S или R мышью: сверху x и z, сбоку y и z",
     "Drag S or R with the mouse: x and z from above, y and z from the side"},
    {kTextViewUnsaved, "Не сохранено: S ({}, {}, {}), R ({}, {}, {})",
     "Unsaved: S ({}, {}, {}), R ({}, {}, {})"},
    {kTextViewSaved, "Сохранено: {}",
     "Saved: {}"},
    {kTextViewNoFileYet, "Файла конфигурации нет: «Сохранить» создаст его, как конфигуратор",
     "No configuration file: Save creates it as the configuration dialog does"},
    {kTextViewNoModel, "Модель (atc_model) не годится для файла конфигурации: точки не сохранить",
     "The model (atc_model) cannot name a configuration file: nothing to save"},
    {kTextViewSaveFailed, "Не удалось записать {}",
     "Could not write {}"},
    {kTextViewAskLeave, "Точки выхода перемещены и не сохранены. Сохранить их?",
     "The exit points were moved and not saved. Save them?"},
    {kTextViewAskCaption, "simhost — точки выхода",
     "simhost — exit points"},
    {kTextViewCheckTitle, "Проверка готовности, раскраска [fltsim.{}]",
     "Readiness check, livery [fltsim.{}]"},
    {kTextViewCheckReady, "готов к выброске",
     "ready for the drop"},
    {kTextViewCheckNotReady, "не готов к выброске",
     "not ready for the drop"},
    {kTextViewCheckNoCfg, "Проверка читает aircraft.cfg; у этого самолёта его нет",
     "The check reads aircraft.cfg; this aircraft has none"},
    {kTextViewCheckFailed, "Проверка не выполнена: {}",
     "The check could not run: {}"},
    {kTextViewCheckFix, "[исправить]",
     "[fix]"},
    {kTextViewFixConfigurator, "Открыть конфигуратор модуля, чтобы создать файл конфигурации?",
     "Open the module's configuration dialog to create the configuration file?"},
    {kTextViewFixInside, "Перенести точки выхода на ближайшие места внутри контура самолёта? Они останутся несохранёнными до «Сохранить».",
     "Move the exit points to the nearest places inside the aircraft's outline? They stay unsaved until Save."},
    {kTextViewFixCaption, "simhost — исправление",
     "simhost — fix"},
    {kTextViewPrepareQuestion,
     "В файл\n{}\nбудут добавлены строки smoke.N, которыми модуль показывает выброску. Остальное в файле не меняется.\n"
     "Прежний файл сохраняется рядом как\n{}\n(simhost --prepare --undo возвращает его).\n\nПодготовить самолёт?",
     "The smoke.N lines the module shows the drop with will be added to\n{}\nNothing else in the file changes.\n"
     "The file as it is now is kept beside it as\n{}\n(simhost --prepare --undo puts it back).\n\nPrepare the aircraft?"},
    {kTextViewPrepareCaption, "simhost — подготовка самолёта",
     "simhost — preparing the aircraft"},
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
    // The rows by id, found once (each part of the program keeps its rows together).
    static const SimTextRow* byId[kSimTextCount] = {};
    static bool indexed = false;
    if (!indexed) {
        for (const SimTextRow& row : kTexts) {
            if (row.id >= 0 && row.id < kSimTextCount) byId[row.id] = &row;
        }
        indexed = true;
    }
    if (id < 0 || id >= kSimTextCount || byId[id] == nullptr) return "";
    const char* text = language == kSimRussian ? byId[id]->russian : byId[id]->english;
    return text != nullptr ? text : "";
}

const char* SimText(SimTextId id) { return SimTextIn(g_language, id); }

std::string SimFillText(const char* pattern, const std::vector<std::string>& values) {
    std::string text;
    size_t next = 0;
    for (const char* c = pattern; *c != '\0'; c++) {
        if (c[0] == '{' && c[1] == '}') {
            text += next < values.size() ? values[next] : std::string();
            next++;
            c++;
        } else {
            text += *c;
        }
    }
    return text;
}

std::string SimTextWith(SimTextId id, std::initializer_list<std::string> values) {
    return SimFillText(SimText(id), std::vector<std::string>(values));
}

std::string SimTextInCurrentLanguage(const std::string& utf8) {
    for (const SimTextRow& row : kTexts) {
        if (utf8 == row.russian || utf8 == row.english) return SimText(row.id);
    }
    return utf8;
}

std::string SimCentreOfGravityTextIn(SimLanguage language, double fractionOfMac) {
    char number[64];
    snprintf(number, sizeof(number), "%.1f", fractionOfMac * 100.0);
    std::string text = SimTextIn(language, kTextCentreOfGravity);
    return text.replace(text.find("{}"), 2, number);
}

std::string SimCentreOfGravityText(double fractionOfMac) {
    return SimCentreOfGravityTextIn(g_language, fractionOfMac);
}

bool SimTakeLanguageOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--lang") != 0) continue;
        SimLanguage language;
        if (i + 1 >= argc || !SimParseLanguage(argv[i + 1], &language)) return false;
        SimSetLanguage(language);
    }
    return true;
}
