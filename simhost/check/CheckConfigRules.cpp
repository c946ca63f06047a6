// The readiness check's rules about the model name and the configuration file: whether
// the module finds the file, the values it reads from it (its own functions and integer
// rule), and values written with a fraction that the module cuts to a whole number.
#include <windows.h>

#include <math.h>
#include <stdlib.h>
#include <string.h>

#include "config/ConfigKeys.h"
#include "simhost/check/CheckRules.h"
#include "simhost/check/ModelNameRule.h"
#include "simhost/check/PlainConfigText.h"
#include "simhost/lib/SimText.h"

static_assert(kCheckConfigKeys == kConfigKeyCount, "one text for each configuration key");

namespace {

std::string Upper(std::string text) {
    if (!text.empty()) {
        CharUpperBuffA(&text[0], (DWORD)text.size());
    }
    return text;
}

// The product folder listed once. A folder that is not there holds no file; one that
// cannot be listed leaves every look-up to the module's own function.
void ListProductFolder(CheckContext* context) {
    context->productListed = true;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Modules\\KestrelFieldWorks\\KFWS_Airdrop\\*", &found);
    if (search == INVALID_HANDLE_VALUE) {
        DWORD why = GetLastError();
        context->productListed = why == ERROR_PATH_NOT_FOUND || why == ERROR_FILE_NOT_FOUND;
        return;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            context->productFiles.insert(Upper(found.cFileName));
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// The twelve texts as ReadConfigValue gives them, from one read of the whole section
// (each ReadConfigValue opens the file again): the first line of each key in any letter
// case, one pair of enclosing quotes taken off, cut to 259 characters. False when the
// section does not fit the buffer; the caller then reads key by key.
bool ReadSectionTexts(const char* path, std::string* texts) {
    static char buffer[1 << 16];
    DWORD length = GetPrivateProfileSectionA(kConfigSection, buffer, sizeof(buffer), path);
    if (length >= sizeof(buffer) - 2) {
        return false;
    }
    bool found[kCheckConfigKeys] = {};
    for (const char* line = buffer; *line != '\0'; line += strlen(line) + 1) {
        const char* equals = strchr(line, '='); // a key without a value reads as empty
        std::string key = SimTrim(equals ? std::string(line, equals) : std::string(line));
        for (int k = 0; k < kCheckConfigKeys; k++) {
            if (!found[k] && lstrcmpiA(key.c_str(), kConfigKeys[k].name) == 0) {
                std::string value = equals ? SimTrim(equals + 1) : std::string();
                if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
                    value = value.substr(1, value.size() - 2);
                }
                texts[k] = value.substr(0, kConfigValueSize - 1);
                found[k] = true;
            }
        }
    }
    return true;
}

// The presence check of the module's CheckConfigFile (the same open, with the same access
// and sharing): 1 when the file opens, else 0. The file's bytes are read through the same
// handle, and when they are in the plain form the twelve texts come from them (`*whole`);
// otherwise the profile functions read them after.
int OpenConfigFile(const char* path, std::string* texts, bool* whole) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    static char buffer[kPlainConfigMaxBytes + 1];
    DWORD got = 0;
    size_t size = 0;
    // A read of a file that gives less than was asked for has reached its end.
    DWORD asked = sizeof(buffer);
    while (asked > 0 && ReadFile(file, buffer + size, asked, &got, nullptr) && got > 0) {
        size += got;
        asked = got < asked ? 0 : (DWORD)(sizeof(buffer) - size);
    }
    CloseHandle(file);
    *whole = ReadPlainConfigTexts(buffer, size, texts);
    return 1;
}

// What the module learns of a usable model: whether its file is reachable and present,
// and the file's twelve texts and values, read once per model as ReadAircraftConfig reads
// them (the texts from the file's bytes when they are plain, else with the profile
// functions; the values with the module's ParseConfigInt).
const CheckModelState& ModelState(CheckContext* context, const std::string& model) {
    auto known = context->models.find(model);
    if (known != context->models.end()) {
        return known->second;
    }
    if (!context->productListed) {
        ListProductFolder(context);
    }
    CheckModelState state;
    state.nameFault = CheckModelName(model.c_str());
    char path[kConfigPathSize];
    if (ConfigFilePath(model.c_str(), path)) {
        state.configPath = SimCp1251ToUtf8(path);
        state.reachable = IsReachableConfigPath(path);
        bool listed = !context->productListed || context->productFiles.count(Upper(model + ".cfg")) > 0;
        bool whole = false;
        state.fileState = state.reachable && listed ? OpenConfigFile(path, state.texts, &whole) : 0;
        whole = whole || (state.fileState == 1 && ReadSectionTexts(path, state.texts));
        for (int k = 0; state.fileState == 1 && k < kCheckConfigKeys; k++) {
            char value[kConfigValueSize];
            if (!whole) {
                ReadConfigValue(path, kConfigKeys[k].name, value);
                state.texts[k] = value;
            }
            StoreConfigKey(kConfigKeys[k], ParseConfigInt(state.texts[k].c_str()), &state.config);
        }
    }
    return context->models.emplace(model, std::move(state)).first->second;
}

std::string Point(double x, double y, double z) {
    return "(" + CheckNumber(x) + ", " + CheckNumber(y) + ", " + CheckNumber(z) + ")";
}

// A value with its meaning in brackets, "3 (side and rear)"; the bare number when it has none.
std::string Meaning(SimLanguage language, int value, int first, const char* const* russian,
                    const char* const* english, int count) {
    std::string text = std::to_string(value);
    if (value >= first && value < first + count) {
        text += " (" + std::string((language == kSimRussian ? russian : english)[value - first]) + ")";
    }
    return text;
}

std::string ConfigText(SimLanguage language, const AircraftConfig& c) {
    static const char* const kVariantRu[] = {"десант", "груз", "жидкость"};
    static const char* const kVariantEn[] = {"paratroopers", "cargo", "liquid"};
    static const char* const kUnitsRu[] = {"чел.", "кг", "л"};
    static const char* const kUnitsEn[] = {"persons", "kg", "litres"};
    static const char* const kMethodRu[] = {"один поток", "два потока"};
    static const char* const kMethodEn[] = {"one stream", "two streams"};
    static const char* const kExitRu[] = {"задний", "боковой", "боковой и задний"};
    static const char* const kExitEn[] = {"rear", "side", "side and rear"};
    std::string amount = std::to_string(c.number);
    if (c.variant >= kVariantParatroopers && c.variant <= kVariantFire) {
        amount += std::string(" ") + (language == kSimRussian ? kUnitsRu : kUnitsEn)[c.variant - 1];
    }
    std::string realism = std::to_string(c.realism) +
                          (c.realism == kRealismSimple ? CheckSay(language, " (простой)", " (simple)")
                                                       : CheckSay(language, " (симулятор)", " (simulator)"));
    std::string visual = std::to_string(c.visual) +
                         (c.visual == 1 ? CheckSay(language, " (включены)", " (on)") : CheckSay(language, " (выключены)", " (off)"));
    return CheckSay(language,
                    "вариант загрузки {}, количество {}, метод {}, тип {}, реализм {}, визуальные эффекты {}, "
                    "боковой выход {}, задний выход {}",
                    "load variant {}, amount {}, method {}, exit type {}, realism {}, visual {}, side exit {}, rear exit {}",
                    {Meaning(language, c.variant, 1, kVariantRu, kVariantEn, 3), amount,
                     Meaning(language, c.method, 1, kMethodRu, kMethodEn, 2),
                     Meaning(language, c.exitType, 1, kExitRu, kExitEn, 3), realism, visual,
                     Point(c.leftX, c.leftY, c.leftZ), Point(c.downX, c.downY, c.downZ)});
}

// True when `text` holds, after the part the module reads, a fraction with a digit other
// than 0 ("-4.7", "-20,5", ".5"); `value` is then the number as written.
bool HasCutFraction(const std::string& text, double* value) {
    size_t p = text.find_first_not_of(" \t\n\v\f\r");
    if (p == std::string::npos) {
        return false;
    }
    size_t start = p;
    if (text[p] == '+' || text[p] == '-') {
        p++;
    }
    while (p < text.size() && text[p] >= '0' && text[p] <= '9') {
        p++;
    }
    if (p >= text.size() || (text[p] != '.' && text[p] != ',')) {
        return false;
    }
    bool cut = false;
    size_t q = p + 1;
    for (; q < text.size() && text[q] >= '0' && text[q] <= '9'; q++) {
        cut = cut || text[q] != '0';
    }
    std::string written = text.substr(start, q - start);
    written[p - start] = '.';
    *value = strtod(written.c_str(), nullptr);
    return cut;
}

void CheckFractions(SimLanguage language, const CheckModelState& state, CheckRow* row) {
    for (int k = 0; k < kCheckConfigKeys; k++) {
        double written;
        if (!HasCutFraction(state.texts[k], &written)) {
            continue;
        }
        int used = ParseConfigInt(state.texts[k].c_str());
        double nearest = floor(written + 0.5);
        AddFinding(row, "warning", "fraction-cut",
                   CheckSay(language, "{} записан как {}, а модуль читает только целое: {}",
                            "{} is written {}, and the module reads the whole number only: {}",
                            {kConfigKeys[k].name, CheckQuoted(CheckShown(language, state.texts[k])), std::to_string(used)}),
                   CheckSay(language, "запишите целое число, например {} (ближайшее), конфигуратором или в файле",
                            "write a whole number, {} say (the nearest), with the configuration dialog or in the file",
                            {CheckNumber(nearest)}));
    }
}

} // namespace

void CheckModelOf(CheckContext* context, const std::string& model) {
    if (!model.empty() && model.size() <= (size_t)kMaxModelNameLength) {
        ModelState(context, model);
    }
}

bool CheckConfiguration(const CheckSubject& subject, const std::string& model, CheckRow* row) {
    CheckContext* context = subject.context;
    SimLanguage language = context->language;
    auto section = [&]() { return "[fltsim." + std::to_string(subject.variation->index) + "]"; }; // for a finding only
    if (model.empty()) {
        row->configFile = "no-model";
        AddFinding(row, "error", "no-atc-model",
                   CheckSay(language, "нет atc_model: модуль отказывается загружать («Не указан параметр atc_model!»)",
                            "no atc_model: the module refuses to load"),
                   CheckSay(language, "добавьте строку atc_model=ИМЯ в {} или в [General]",
                            "add a line atc_model=NAME to {} or to [General]", {section()}));
        return false;
    }
    // A name longer than the module takes is refused for its length alone: it is never
    // looked up or kept, whatever its length.
    int fault = model.size() > (size_t)kMaxModelNameLength ? (int)kNameTooLong : kNameUsable;
    const CheckModelState* state = nullptr;
    if (fault == kNameUsable) {
        state = &ModelState(context, model);
        fault = state->nameFault;
    }
    if (fault != kNameUsable || !state->reachable) {
        row->configFile = "unusable-name";
        AddFinding(row, "error", "unusable-name",
                   CheckSay(language, "atc_model {} не может быть именем файла конфигурации: {}",
                            "atc_model {} cannot name a configuration file: {}",
                            {CheckShownQuoted(language, model), ModelNameFaultText(language, fault, model.size())}),
                   fault == kNameUsable
                       ? CheckSay(language, "перенесите симулятор в папку с путём покороче или сократите atc_model",
                                  "move the simulator to a folder with a shorter path, or shorten the atc_model")
                       : CheckSay(language,
                                  "измените atc_model в {}: до 216 символов, без «/», «\\», «:», не «..» и не имя устройства",
                                  "change the atc_model in {}: up to 216 characters, no '/', '\\' or ':', not '..' "
                                  "and no device name", {section()}));
        return false;
    }
    row->configPath = state->configPath;
    if (state->fileState != 1) {
        row->configFile = "absent";
        if (state->absentText.empty()) {
            CheckRow made;
            AddFinding(&made, "error", "no-config-file",
                       CheckSay(language, "нет файла конфигурации {}: модуль отказывается загружать",
                                "no configuration file {}: the module refuses to load", {row->configPath}),
                       CheckSay(language, "создайте файл конфигуратором: Ctrl+Shift+0 в симуляторе или в simhost",
                                "make the file with the configuration dialog: Ctrl+Shift+0 in the simulator or in simhost"));
            context->models[model].absentText = made.findings[0].text;
        }
        row->findings.push_back(CheckFinding{"error", "no-config-file", state->absentText});
        return false;
    }
    row->configFile = "present";
    row->hasConfig = true;
    row->config = state->config;
    if (state->valuesText.empty()) {
        CheckRow made;
        AddFinding(&made, "info", "config-values",
                   CheckSay(language, "{}: {}", "{}: {}", {row->configPath, ConfigText(language, state->config)}),
                   CheckSay(language, "изменить их можно конфигуратором: Ctrl+Shift+0",
                            "change them with the configuration dialog: Ctrl+Shift+0"));
        context->models[model].valuesText = made.findings[0].text;
    }
    row->findings.push_back(CheckFinding{"info", "config-values", state->valuesText});
    if (state->config.variant < kVariantParatroopers || state->config.variant > kVariantFire) {
        AddFinding(row, "error", "bad-variant",
                   CheckSay(language,
                            "вариант загрузки {} вне 1..3: загрузка ничего не берёт на борт (станции получают вес "
                            "прошлой загрузки, если она была) и не размещает эффекты",
                            "load variant {} is outside 1..3: the load puts nothing aboard (the stations get the "
                            "weight of the previous load, if any) and places no effect",
                            {std::to_string(state->config.variant)}),
                   CheckSay(language, "выберите десант, груз или жидкость в конфигураторе (Ctrl+Shift+0) и сохраните",
                            "choose paratroopers, cargo or liquid in the configuration dialog (Ctrl+Shift+0) and save"));
    }
    CheckFractions(language, *state, row);
    return true;
}
