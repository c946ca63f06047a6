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
