// The readiness check's rules about the model name, the configuration file and the
// exit-point effects, each taken from the module's own code.
#include <windows.h>

#include <string.h>

#include "drop/AirdropState.h"
#include "drop/Effects.h"
#include "simhost/check/CheckRules.h"
#include "simhost/check/PlacedExits.h"
#include "simhost/check/CheckTargets.h"
#include "simhost/lib/SimFiles.h"
#include "simhost/lib/SimText.h"

namespace {

std::string NameFaultText(CheckLanguage language, const CheckModelState& state, const std::string& model) {
    switch (state.nameFault) {
    case kNameTooLong:
        return CheckSay(language, "длиннее 216 символов ({})", "longer than 216 characters ({})",
                        {std::to_string(model.size())});
    case kNameSeparator:
        return CheckSay(language, "содержит разделитель пути («/», «\\» или «:»)",
                        "holds a path separator ('/', '\\' or ':')");
    case kNameDotDot:
        return CheckSay(language, "это часть пути «..»", "is the '..' path part");
    case kNameDevice:
        return CheckSay(language, "это имя устройства (CON, NUL, COM1…)", "is a device name (CON, NUL, COM1...)");
    default:
        return CheckSay(language, "полный путь к файлу, с папкой симулятора впереди, длиннее 259 символов",
                        "the full path of its file, the simulator folder in front, passes 259 characters");
    }
}

// What the module learns of a model: its name's fault, whether its file is reachable and
// present, and the file's values, read once per model with the module's own functions.
const CheckModelState& ModelState(CheckContext* context, const std::string& model) {
    auto known = context->models.find(model);
    if (known != context->models.end()) {
        return known->second;
    }
    CheckModelState state = {};
    state.nameFault = CheckModelName(model.c_str());
    char path[kConfigPathSize];
    if (ConfigFilePath(model.c_str(), path)) {
        state.reachable = IsReachableConfigPath(path);
        ConfigFileState fileState = {};
        state.fileState = state.reachable ? CheckConfigFile(model.c_str(), &fileState) : 0;
        if (state.fileState == 1) {
            ReadAircraftConfig(model.c_str(), &state.config);
        }
    }
    return context->models.emplace(model, state).first->second;
}

std::string Point(double x, double y, double z) {
    return "(" + CheckNumber(x) + ", " + CheckNumber(y) + ", " + CheckNumber(z) + ")";
}

// A value with its meaning in brackets, "3 (side and rear)"; the bare number when it has none.
std::string Meaning(CheckLanguage language, int value, int first, const char* const* russian,
                    const char* const* english, int count) {
    std::string text = std::to_string(value);
    if (value >= first && value < first + count) {
        text += " (" + std::string((language == kCheckRussian ? russian : english)[value - first]) + ")";
    }
    return text;
}

std::string ConfigText(CheckLanguage language, const AircraftConfig& c) {
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
        amount += std::string(" ") + (language == kCheckRussian ? kUnitsRu : kUnitsEn)[c.variant - 1];
    }
    std::string realism = std::to_string(c.realism) +
                          (c.realism == kRealismSimple ? CheckSay(language, " (простой)", " (simple)")
                                                       : CheckSay(language, " (симулятор)", " (simulator)"));
    std::string visual = std::to_string(c.visual) +
                         (c.visual == 1 ? CheckSay(language, " (включены)", " (on)") : CheckSay(language, " (выключены)", " (off)"));
    return CheckSay(language,
                    "вариант {}, количество {}, метод {}, тип {}, реализм {}, визуальные эффекты {}, "
                    "боковой выход {}, задний выход {}",
                    "variant {}, amount {}, method {}, exit type {}, realism {}, visual {}, side exit {}, rear exit {}",
                    {Meaning(language, c.variant, 1, kVariantRu, kVariantEn, 3), amount,
                     Meaning(language, c.method, 1, kMethodRu, kMethodEn, 2),
                     Meaning(language, c.exitType, 1, kExitRu, kExitEn, 3), realism, visual,
                     Point(c.leftX, c.leftY, c.leftZ), Point(c.downX, c.downY, c.downZ)});
}

} // namespace

// Which stream and exit slot k of the placement carries.
std::string CheckStreamName(CheckLanguage language, const AircraftConfig& c, int k) {
    int exits[kSavedSlotCount];
    PlacedExits(c, exits);
    int exit = k >= 0 && k < kSavedSlotCount ? exits[k] : kPlacedNone;
    bool side = exit == kPlacedSide || exit == kPlacedSideMirror;
    bool mirrored = exit == kPlacedSideMirror || exit == kPlacedRearMirror;
    std::string name = side ? CheckSay(language, "боковой выход", "side exit")
                            : CheckSay(language, "задний выход", "rear exit");
    if (mirrored) {
        name = CheckSay(language, "{}, зеркально", "{}, mirrored", {name});
    }
    return CheckSay(language, "поток {} ({})", "stream {} ({})", {std::to_string(k + 1), name});
}

bool CheckConfiguration(CheckContext* context, CheckRow* row) {
    CheckLanguage language = context->language;
    // The host hands the module a C string: a NUL byte in the file's value ends the name.
    std::string model = row->atcModel.c_str();
    if (model.empty()) {
        row->configFile = "no-model";
        AddFinding(row, "error", "no-atc-model",
                   CheckSay(language, "нет atc_model: модуль отказывается загружать («Не указан параметр atc_model!»)",
                            "no atc_model: the module refuses to load"));
        return false;
    }
    const CheckModelState& state = ModelState(context, model);
    std::string shown = CheckQuoted(SimCp1251ToUtf8(model));
    if (state.nameFault != kNameUsable || !state.reachable) {
        row->configFile = "unusable-name";
        AddFinding(row, "error", "unusable-name",
                   CheckSay(language, "atc_model {} не может быть именем файла конфигурации: {}",
                            "atc_model {} cannot name a configuration file: {}",
                            {shown, NameFaultText(language, state, model)}));
        return false;
    }
    char path[kConfigPathSize];
    ConfigFilePath(model.c_str(), path);
    row->configPath = SimCp1251ToUtf8(path);
    if (state.fileState != 1) {
        row->configFile = "absent";
        AddFinding(row, "error", "no-config-file",
                   CheckSay(language, "нет файла конфигурации {}: модуль отказывается загружать",
                            "no configuration file {}: the module refuses to load", {row->configPath}));
        return false;
    }
    row->configFile = "present";
    row->hasConfig = true;
    row->config = state.config;
    AddFinding(row, "info", "config-values",
               CheckSay(language, "{}: {}", "{}: {}", {row->configPath, ConfigText(language, state.config)}));
    if (state.config.variant < kVariantParatroopers || state.config.variant > kVariantFire) {
        AddFinding(row, "error", "bad-variant",
                   CheckSay(language,
                            "вариант {} вне 1..3: загрузка ничего не берёт на борт (станции получают вес "
                            "прошлой загрузки, если она была) и не размещает эффекты",
                            "variant {} is outside 1..3: the load puts nothing aboard (the stations get the "
                            "weight of the previous load, if any) and places no effect",
                            {std::to_string(state.config.variant)}));
    }
    return true;
}

void CheckEffects(CheckContext* context, const AircraftCfg& cfg, CheckRow* row) {
    CheckLanguage language = context->language;
    const AircraftConfig& c = row->config;
    EffectPlacement slots[kSavedSlotCount];
    if (!ChoosePlacements(c, slots)) {
        if (c.variant == kVariantParatroopers) {
            AddFinding(row, "warning", "unplaced-exit",
                       CheckSay(language,
                                "метод {} с типом выхода {} не размещает эффекты: слоты остаются как есть",
                                "method {} with exit type {} places no effect: the effect slots stay as they are",
                                {std::to_string(c.method), std::to_string(c.exitType)}));
        }
        return;
    }
    int placed = 0;
    while (placed < kSavedSlotCount && slots[placed].effectFile[0] != '\0') {
        placed++;
    }
    int present = (int)cfg.smokes.size();
    if (present == 0) {
        AddFinding(row, "warning", "no-effect-slots",
                   CheckSay(language, "нет строк smoke.N: выброс не виден совсем (нужно {})",
                            "no smoke.N lines: the drop is wholly invisible ({} needed)", {std::to_string(placed)}));
    } else if (present < placed) {
        std::string lost;
        for (int k = present; k < placed; k++) {
            lost += (lost.empty() ? "" : ", ") + CheckStreamName(language, c, k);
        }
        AddFinding(row, "warning", "too-few-effect-slots",
                   CheckSay(language, "строк smoke.N {}, размещение пишет {}: не виден {}",
                            "{} smoke.N lines where the placement writes {}: {} is lost",
                            {std::to_string(present), std::to_string(placed), lost}));
    }
    if (context->simulatorFolder.empty()) {
        return;
    }
    for (int k = 0; k < placed && k < present; k++) {
        std::string name = slots[k].effectFile;
        if (k > 0 && name == slots[0].effectFile) {
            continue; // one file, said once
        }
        auto known = context->effectFiles.find(name);
        if (known == context->effectFiles.end()) {
            bool exists = SimIsFile(context->simulatorFolder + "\\Effects\\" + name);
            known = context->effectFiles.emplace(name, exists).first;
        }
        if (!known->second) {
            AddFinding(row, "warning", "effect-file-missing",
                       CheckSay(language, "нет файла эффекта Effects\\{}: {} без эффекта",
                                "no effect file Effects\\{}: {} shows nothing",
                                {name, CheckStreamName(language, c, k)}));
        }
    }
}
