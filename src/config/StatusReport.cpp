#include "config/StatusReport.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"
#include "drop/AirdropState.h"
#include "drop/Loading.h"
#include "module/HostAbi.h"
#include "module/HostServices.h"

static const char kRowHeading[] = " !!! Параметры конфигурации !!!\n\n";
static const char kRowModel[] = "  Модель:  %s \n";
static const char kRowLoaded[] = "  Состояние загрузки:  Загружен \n";
static const char kRowNotLoaded[] = "  Состояние загрузки:  Незагружен \n";
static const char kRowCentreOfGravity[] = "    САХ = %.1f \n";

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

// The rows of one key, in the table's order: the row its value picks, none for other values.
static void AppendKeyRow(ReportText* report, const char* path, const ConfigKey& key) {
    int value = ReadConfigInt(path, key.name);
    if (value < key.reportFirst || value >= key.reportFirst + key.reportRowCount) {
        return;
    }
    const char* row = key.reportRows[value - key.reportFirst];
    if (&key == &kConfigKeys[kKeyIndexVariant]) {
        char amount[kConfigValueSize]; // shown as stored, not parsed
        ReadConfigValue(path, kConfigKeys[kKeyIndexNumber].name, amount);
        AppendRow(report, row, amount);
    } else {
        AppendRow(report, "%s", row);
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
    for (int i = 0; i < kConfigKeyCount; i++) {
        if (kConfigKeys[i].reportRows) {
            AppendKeyRow(&report, path, kConfigKeys[i]);
        }
    }

    ShowMessage(report.text);
}
