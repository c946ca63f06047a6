#include "config/StatusReport.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "config/ConfigFile.h"
#include "drop/AirdropState.h"
#include "drop/Loading.h"
#include "module/HostAbi.h"
#include "module/HostServices.h"

static const char kRowHeading[] = " !!! Параметры конфигурации !!!\n\n";
static const char kRowModel[] = "  Модель:  %s \n";
static const char kRowLoaded[] = "  Состояние загрузки:  Загружен \n";
static const char kRowNotLoaded[] = "  Состояние загрузки:  Незагружен \n";
static const char kRowCentreOfGravity[] = "    САХ = %.1f \n";
static const char kRowParatroopers[] = "  Вариант: Десантный \n    -= Количество десантников: %s\n";
static const char kRowCargo[] = "  Вариант: Грузовой \n    Вес груза: %s\n";
static const char kRowFire[] = "  Вариант: Пожарный \n    Объем жидкости: %s\n";
static const char kRowOneStream[] = "  Метод: 1-поток\n";
static const char kRowTwoStreams[] = "  Метод: 2-потока\n";
static const char kRowRear[] = "  Тип: Задняя \n";
static const char kRowSide[] = "  Тип: Боковая\n";
static const char kRowSideAndRear[] = "  Тип: Боковая + Задняя\n";
static const char kRowSimple[] = "  Уровень сложности: Простой \n";
static const char kRowSimulator[] = "  Уровень сложности: Симулятор\n";
static const char kRowEffectsOff[] = "  Визуальные ефекты: Отключены\n";
static const char kRowEffectsOn[] = "  Визуальные ефекты: Включены\n";

// The report text. Rows are appended at its end; whatever does not fit in the buffer is
// cut off, so no model name, amount text or value can write past it.
struct ReportText {
    char text[kStatusReportSize];
    size_t length;
};

static void AppendRow(ReportText* report, const char* format, ...) {
    size_t room = sizeof(report->text) - report->length;
    if (room <= 1) {
        return;
    }
    va_list args;
    va_start(args, format);
    int written = vsnprintf(report->text + report->length, room, format, args);
    va_end(args);
    if (written < 0 || (size_t)written >= room) {
        report->length = sizeof(report->text) - 1; // cut at the end of the buffer
    } else {
        report->length += (size_t)written;
    }
    report->text[report->length] = '\0';
}

static int ReadReportInt(const char* path, const char* key) {
    char value[kConfigValueSize];
    ReadConfigValue(path, key, value);
    return ParseConfigInt(value);
}

// One row of a group picked by the integer a key reads as; no row for other values.
static void AppendChoice(ReportText* report, int value, const char* const rows[], int rowCount, int first) {
    if (value >= first && value < first + rowCount) {
        AppendRow(report, "%s", rows[value - first]);
    }
}

void ShowStatusReport(void) {
    void* aircraft = AcquireUserAircraft();
    const char* model = AircraftModelName(aircraft);
    if (!model) {
        model = "";
    }
    char path[kConfigPathSize];
    ConfigFilePath(model, path);

    ReportText report;
    report.length = 0;
    report.text[0] = '\0';
    AppendRow(&report, "%s", kRowHeading);
    AppendRow(&report, kRowModel, model);
    AppendRow(&report, "%s", gAirdropState.loaded ? kRowLoaded : kRowNotLoaded);
    AppendRow(&report, kRowCentreOfGravity, ReadAircraftValue(kCentreOfGravityVariable) * 100.0);

    // The file is read afresh: settings saved since the last load show at once.
    static const char* const kVariantRows[] = {kRowParatroopers, kRowCargo, kRowFire};
    int variant = ReadReportInt(path, kKeyVariant);
    if (variant >= kVariantParatroopers && variant <= kVariantFire) {
        char amount[kConfigValueSize]; // shown as stored, not parsed
        ReadConfigValue(path, kKeyNumber, amount);
        AppendRow(&report, kVariantRows[variant - kVariantParatroopers], amount);
    }
    static const char* const kMethodRows[] = {kRowOneStream, kRowTwoStreams};
    AppendChoice(&report, ReadReportInt(path, kKeyMethod), kMethodRows, 2, kMethodOneStream);
    static const char* const kTypeRows[] = {kRowRear, kRowSide, kRowSideAndRear};
    AppendChoice(&report, ReadReportInt(path, kKeyType), kTypeRows, 3, kExitRear);
    static const char* const kRealismRows[] = {kRowSimple, kRowSimulator};
    AppendChoice(&report, ReadReportInt(path, kKeyRealism), kRealismRows, 2, kRealismSimple);
    static const char* const kVisualRows[] = {kRowEffectsOff, kRowEffectsOn};
    AppendChoice(&report, ReadReportInt(path, kKeyVisual), kVisualRows, 2, 0);

    ShowMessage(report.text);
}
