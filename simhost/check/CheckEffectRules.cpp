// The readiness check's rules about the exit-point effects: whether the placement places
// any, whether the aircraft has the smoke.N emitters they go into (the most the placement
// can use when there is no configuration file yet), whether the effect files are
// installed, and so whether the drop will be visible at all.
#include <string.h>

#include "drop/AirdropState.h"
#include "drop/Effects.h"
#include "simhost/check/CheckRules.h"
#include "simhost/check/PlacedExits.h"
#include "simhost/lib/SimFiles.h"
#include "simhost/lib/SimText.h"

namespace {

// The release's effect files: the three the module places and the one `simhost --prepare`
// gives the emitters it adds, which shows nothing.
const char* const kReleaseEffects[] = {kEffectParatroopers, kEffectCargo, kEffectFire, "fx_KFWS_Idle.fx"};

// Whether Effects\NAME is there, looked at once per name.
bool EffectFilePresent(CheckContext* context, const std::string& name) {
    auto known = context->effectFiles.find(name);
    if (known == context->effectFiles.end()) {
        bool exists = SimIsFile(context->simulatorFolder + "\\Effects\\" + name);
        known = context->effectFiles.emplace(name, exists).first;
    }
    return known->second;
}

std::string PrepareFix(SimLanguage language, const CheckSubject& subject, int slots) {
    return CheckSay(language, "добавьте строки smoke.N: simhost --prepare \"{}\" --slots {}",
                    "add smoke.N lines: simhost --prepare \"{}\" --slots {}",
                    {subject.aircraftFolder, std::to_string(slots)});
}

std::string InstallFix(SimLanguage language) {
    return CheckSay(language, "установите файлы эффектов модуля в Effects\\ (их кладёт туда программа установки)",
                    "install the module's effect files into Effects\\ (its setup program puts them there)");
}

// Smoke lines that name a release effect whose file is missing.
void CheckSmokeEffects(const CheckSubject& subject, CheckRow* row) {
    SimLanguage language = subject.context->language;
    if (subject.context->simulatorFolder.empty()) {
        return;
    }
    for (size_t k = 0; k < subject.cfg->smokes.size(); k++) {
        std::string name = subject.cfg->smokes[k].effect;
        if (name.size() < 3 || _stricmp(name.c_str() + name.size() - 3, ".fx") != 0) {
            name += ".fx";
        }
        for (const char* release : kReleaseEffects) {
            if (_stricmp(name.c_str(), release) == 0 && !EffectFilePresent(subject.context, release)) {
                AddFinding(row, "warning", "effect-file-missing",
                           CheckSay(language, "smoke.{} называет {}, а файла Effects\\{} нет",
                                    "smoke.{} names {}, and there is no file Effects\\{}",
                                    {std::to_string(k), CheckShown(language, subject.cfg->smokes[k].effect), release}),
                           InstallFix(language));
                return; // said once per file's row
            }
        }
    }
}

} // namespace

// Which stream and exit slot k of the placement carries.
std::string CheckStreamName(SimLanguage language, const AircraftConfig& c, int k) {
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

void CheckEffects(const CheckSubject& subject, CheckRow* row) {
    CheckContext* context = subject.context;
    SimLanguage language = context->language;
    const AircraftConfig& c = row->config;
    int present = (int)subject.cfg->smokes.size();
    bool known = row->hasConfig; // without a configuration: the most the placement can use
    static const int kMost = MostPlacedEffects();
    int placed = known ? PlacedEffectCount(c) : kMost;
    auto assumed = [&]() {
        return known ? std::string()
                     : CheckSay(language, "; файла конфигурации нет, принято наибольшее, что использует размещение",
                                "; with no configuration file, the most the placement can use is assumed");
    };
    if (known && placed == 0) {
        if (c.variant == kVariantParatroopers) {
            AddFinding(row, "warning", "unplaced-exit",
                       CheckSay(language,
                                "метод {} с типом выхода {} не размещает эффекты: слоты остаются как есть, "
                                "выброска не будет видна",
                                "method {} with exit type {} places no effect: the effect slots stay as they are, "
                                "the drop will not be visible",
                                {std::to_string(c.method), std::to_string(c.exitType)}),
                       CheckSay(language, "выберите в конфигураторе два потока или задний либо боковой выход",
                                "choose two streams, or the rear or the side exit, in the configuration dialog"));
        }
        CheckSmokeEffects(subject, row);
        return;
    }
    if (present == 0) {
        AddFinding(row, "warning", "no-effect-slots",
                   CheckSay(language, "нет строк smoke.N: выброска не будет видна (нужно {}{})",
                            "no smoke.N lines: the drop will not be visible ({} needed{})",
                            {std::to_string(placed), assumed()}),
                   PrepareFix(language, subject, placed));
    } else if (present < placed) {
        std::string lost;
        for (int k = present; k < placed; k++) {
            lost += (lost.empty() ? "" : ", ") +
                    (known ? CheckStreamName(language, c, k) : CheckSay(language, "поток {}", "stream {}", {std::to_string(k + 1)}));
        }
        AddFinding(row, "warning", "too-few-effect-slots",
                   CheckSay(language, "строк smoke.N {}, размещение пишет {}{}: не виден {}",
                            "{} smoke.N lines where the placement writes {}{}: {} is lost",
                            {std::to_string(present), std::to_string(placed), assumed(), lost}),
                   PrepareFix(language, subject, placed));
    }
    CheckSmokeEffects(subject, row);
    if (!known) {
        return;
    }
    EffectPlacement slots[kSavedSlotCount];
    ChoosePlacements(c, slots);
    bool shown = false;
    for (int k = 0; k < placed && k < present; k++) {
        std::string name = slots[k].effectFile;
        bool file = context->simulatorFolder.empty() || EffectFilePresent(context, name);
        shown = shown || file;
        if (!file && (k == 0 || name != slots[0].effectFile)) { // one file, said once
            AddFinding(row, "warning", "effect-file-missing",
                       CheckSay(language, "нет файла эффекта Effects\\{}: {} без эффекта",
                                "no effect file Effects\\{}: {} shows nothing", {name, CheckStreamName(language, c, k)}),
                       InstallFix(language));
        }
    }
    if (shown && c.visual != 1) {
        AddFinding(row, "warning", "visual-off",
                   CheckSay(language, "визуальные эффекты выключены (KFWS_Airdrop_visual={}): выброска не будет видна",
                            "visual effects are off (KFWS_Airdrop_visual={}): the drop will not be visible",
                            {std::to_string(c.visual)}),
                   CheckSay(language, "включите визуальные эффекты в конфигураторе (Ctrl+Shift+0)",
                            "tick the visual effects in the configuration dialog (Ctrl+Shift+0)"));
    }
    row->visible = shown && c.visual == 1;
}
