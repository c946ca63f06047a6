// Random interleavings of every command and event the drop meets: load, start, timer
// ticks, emergency unload, re-acquire, status report, the dialog opened and closed by
// hotkey and menu, and the host's own changes (the user aircraft switched between two
// aircraft or gone, the ground and parking-brake flags, the configuration files edited or
// deleted). After every step the module is compared with a model of the drop state table:
// the two flags, the aircraft kept, the messages shown, the payload stations set, the host
// events, the drop timer, and which aircraft's effect slots may hold the module's writes.
#include <windows.h>

#include <string.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ReliabilitySupport.h"
#include "TestSupport.h"
#include "config/StatusReport.h"
#include "dialog/ConfigDialog.h"
#include "drop/AirdropState.h"
#include "drop/Loading.h"
#include "drop/Unloading.h"
#include "module/HostHandles.h"
#include "ui/MainMenu.h"

namespace {

const char kPacked[] = "Командир, мы упакованы !!!";
const char kNoFile[] = "Не существует файла конфигурации!";
const char kInTheAir[] = "Командир, мы же в воздухе !!!";
const char kParkingBrake[] = "Командир, поставь на стояночный !!!";
const char* const kLoadMessages[] = {"Командир одуванчики на борту !!!", "Командир груз закреплен !!!",
                                     "Командир баки полные !!!"};
const char kNotLoaded[] = "Командир, давай сначала загрузимся !!!";
const char kAlreadyWorking[] = "Работает грузовой отсек !!!";
const char kWorking[] = "Командир, работаем !!!";
const char kFinished[] = "Командир, работа окончена !!!";
const char kEmergencyDone[] = " Экстренная разгрузка произведена!!!";
const char kNoAtcModel[] = "Не указан параметр atc_model в файле aircraft.cfg!\n";
const unsigned kOn = 0x10201;
const unsigned kOff = 0x10202;

// A configuration file as the storm writes it: plain integers, so that the values are known.
struct FileValues {
    bool present;
    int variant, number, method, type, realism, visual;
    int point[6]; // left x, y, z, down x, y, z
};

std::string FileText(const FileValues& v) {
    const char* const names[6] = {"left_x", "left_y", "left_z", "down_x", "down_y", "down_z"};
    std::string text = "[General]\r\n";
    text += "KFWS_Airdrop_variant=" + std::to_string(v.variant) + "\r\n";
    text += "KFWS_Airdrop_number=" + std::to_string(v.number) + "\r\n";
    text += "KFWS_Airdrop_metod=" + std::to_string(v.method) + "\r\n";
    text += "KFWS_Airdrop_type=" + std::to_string(v.type) + "\r\n";
    text += "KFWS_Airdrop_realism=" + std::to_string(v.realism) + "\r\n";
    text += "KFWS_Airdrop_visual=" + std::to_string(v.visual) + "\r\n";
    for (int k = 0; k < 6; k++) {
        text += std::string("KFWS_Airdrop_") + names[k] + "=" + std::to_string(v.point[k]) + "\r\n";
    }
    return text;
}

AircraftConfig ConfigOf(const FileValues& v) {
    AircraftConfig config = {v.variant, v.method, v.type, v.visual, v.realism, v.number,
                             (double)v.point[0], (double)v.point[1], (double)v.point[2],
                             (double)v.point[3], (double)v.point[4], (double)v.point[5]};
    return config;
}

bool SameConfig(const AircraftConfig& a, const AircraftConfig& b) {
    return a.variant == b.variant && a.method == b.method && a.exitType == b.exitType && a.visual == b.visual &&
           a.realism == b.realism && a.number == b.number && a.leftX == b.leftX && a.leftY == b.leftY &&
           a.leftZ == b.leftZ && a.downX == b.downX && a.downY == b.downY && a.downZ == b.downZ;
}

// One aircraft of the host, with what the model knows of it.
struct Plane {
    std::string model;
    unsigned stations;
    SimAircraft* sim;
    FileValues file;
};

// What the drop state table says, and what the last step must have shown and set.
struct Model {
    int loaded = 0;
    int working = 0;
    int left = 0;
    double remaining = 0.0;
    double total = 0.0;
    AircraftConfig config = {};
    int kept = -1; // the aircraft the module keeps (-1: none)
    int host = 0;  // the host's user aircraft (-1: none)
    bool dialogOpen = false;
    bool slotsSaved = false;
    int savedFrom = -1;
    std::set<int> borrowed; // aircraft whose slots may hold the module's writes until a restore
    std::set<int> tainted;  // aircraft whose own slot contents were saved over (see docs/reliability.md)

    std::vector<std::string> texts;
    std::vector<std::pair<int, double>> stations;
    std::vector<unsigned> events;
};

enum Action {
    kLoad, kStart, kTick, kEmergency, kReacquire, kStatus, kDialogHotkey, kMenuCommand,
    kSwitchAircraft, kEditFile, kGroundAndBrake, kActionCount
};
const char* const kActionNames[kActionCount] = {"load",   "start",  "tick",   "emergency", "re-acquire", "status",
                                                "dialog", "menu",   "switch", "edit file", "ground/brake"};
const int kActionWeights[kActionCount] = {14, 12, 26, 6, 5, 5, 6, 3, 5, 8, 5};

class DropStormTest : public HostWindowFixture {
protected:
    DropStormTest() : HostWindowFixture(true, false) {}
    void TearDown() override {
        HostWindowFixture::TearDown();
        for (Plane& plane : planes_) {
            SimDestroyAircraft(plane.sim);
        }
        planes_.clear();
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    FileValues RandomFile() {
        FileValues v;
        v.present = Pick(0, 9) != 0;
        v.variant = Pick(0, 9) == 0 ? Pick(-1, 5) : Pick(1, 3);
        v.number = Pick(0, 9) == 0 ? Pick(-3, 0) : Pick(1, 9);
        v.method = Pick(0, 9) == 0 ? Pick(0, 3) : Pick(1, 2);
        v.type = Pick(0, 9) == 0 ? Pick(0, 4) : Pick(1, 3);
        v.realism = Pick(0, 3) == 0 ? Pick(1, 2) : 0;
        v.visual = Pick(0, 9) == 0 ? 2 : Pick(0, 1);
        for (int& point : v.point) {
            point = Pick(-20, 20);
        }
        return v;
    }

    void WriteFile(Plane& plane) {
        std::string path = ConfigPathOf(plane.model);
        if (plane.file.present) {
            WriteConfigFile(plane.model, FileText(plane.file));
        } else {
            DeleteFileA(path.c_str());
            FlushProfileCache(path);
        }
    }

    void NewSequence() {
        DestroyConfigDialog();
        KillTimer(window_, 1);
        memset(&gAirdropState, 0, sizeof(gAirdropState));
        SimSetUserAircraft(nullptr);
        for (Plane& plane : planes_) {
            SimDestroyAircraft(plane.sim);
        }
        planes_.clear();
        const char* const models[2] = {"Trainer 1", "Other"};
        const unsigned stations[2] = {4, 2};
        for (int p = 0; p < 2; p++) {
            Plane plane;
            plane.model = models[p];
            plane.stations = stations[p];
            SimAircraftSpec spec = DefaultSpec(plane.model);
            spec.stations = plane.stations;
            spec.slots.resize(p == 0 ? 5 : 3, spec.slots[0]);
            for (size_t k = 0; k < spec.slots.size(); k++) {
                spec.slots[k].effectFile = "fx_" + plane.model + "_" + std::to_string(k) + ".fx";
            }
            plane.sim = SimCreateAircraft(spec);
            plane.file = RandomFile();
            WriteFile(plane);
            planes_.push_back(plane);
        }
        model_ = Model();
        SimSetUserAircraft(planes_[0].sim);
        SimClearCalls();
    }

    void* SimRecord(int plane) { return plane < 0 ? nullptr : planes_[(size_t)plane].sim->userAircraft.data(); }

    // ---- The model's side of each step ----

    void Acquire() { model_.kept = model_.host; }

    void Spread(double weight) {
        if (model_.kept < 0) {
            return;
        }
        unsigned n = planes_[(size_t)model_.kept].stations;
        for (unsigned s = 1; s <= n; s++) {
            model_.stations.push_back({(int)s, weight / (double)n});
        }
    }

    void Restore() {
        if (model_.slotsSaved && model_.kept >= 0 && model_.kept == model_.savedFrom) {
            model_.borrowed.erase(model_.kept);
        }
    }

    static bool LoadWeight(const AircraftConfig& config, double* weight) {
        switch (config.variant) {
        case 1:
            *weight = (double)config.number * 220.0;
            return true;
        case 2:
            *weight = (double)config.number * 2.20462;
            return true;
        case 3:
            *weight = (double)config.number * 0.9 * 2.0;
            return true;
        default:
            return false;
        }
    }

    void ModelLoad() {
        Acquire();
        if (model_.loaded) {
            model_.texts.push_back(kPacked);
            return;
        }
        if (model_.kept < 0) {
            return; // no aircraft: nothing to load, nothing said
        }
        Plane& plane = planes_[(size_t)model_.kept];
        if (!plane.file.present) {
            model_.texts.push_back(kNoFile);
            return;
        }
        model_.config = ConfigOf(plane.file);
        if (model_.config.realism != 0) {
            if (!planes_[(size_t)model_.kept].sim->userAircraft[kUserAircraftOnGround]) {
                model_.texts.push_back(kInTheAir);
                return;
            }
            if (!ReadHostU32(plane.sim->userAircraft.data(), kUserAircraftParkingBrake)) {
                model_.texts.push_back(kParkingBrake);
                return;
            }
        }
        if (model_.config.variant >= 1 && model_.config.variant <= 3) {
            model_.texts.push_back(kLoadMessages[model_.config.variant - 1]);
        }
        double weight;
        if (LoadWeight(model_.config, &weight)) {
            model_.total = weight;
        }
        Spread(model_.total);
        model_.loaded = 1;
        if (model_.borrowed.count(model_.kept) && model_.kept != model_.savedFrom) {
            // Its slots still hold the writes of a load whose saved contents a load of the
            // other aircraft has replaced since: its own contents cannot come back.
            model_.tainted.insert(model_.kept);
        }
        model_.borrowed.insert(model_.kept);
        model_.slotsSaved = true;
        model_.savedFrom = model_.kept;
    }

    void ModelStart() {
        Acquire();
        if (!model_.loaded) {
            model_.texts.push_back(kNotLoaded);
            return;
        }
        if (model_.working) {
            model_.texts.push_back(kAlreadyWorking);
            return;
        }
        model_.texts.push_back(kWorking);
        double weight;
        if (LoadWeight(model_.config, &weight)) {
            if (model_.config.variant == 1) {
                model_.left = model_.config.number;
            }
            model_.remaining = weight;
        }
        model_.working = 1;
    }

    void ModelTick() {
        if (!model_.working) {
            return;
        }
        if (model_.remaining == 0.0) {
            model_.events.push_back(kOff);
            model_.working = 0;
            model_.loaded = 0;
            Restore();
            model_.texts.push_back(kFinished);
            return;
        }
        switch (model_.config.variant) {
        case 1:
            if (model_.config.method == 2) {
                model_.left = model_.left >= 2 ? model_.left - 2 : 0;
            } else {
                model_.left -= 1;
            }
            model_.remaining = model_.left * 220.0;
            model_.texts.push_back("Количество десантников - " + std::to_string(model_.left) + " чел.\n");
            break;
        case 2:
        case 3:
            model_.remaining = 0.0;
            break;
        default:
            break;
        }
        if (model_.remaining <= 0.0) {
            model_.remaining = 0.0;
        }
        Spread(model_.remaining);
        if (model_.config.visual == 1) {
            model_.events.push_back(kOn);
            if (model_.config.variant != 3) {
                model_.events.push_back(kOff);
            }
        }
    }

    void ModelEmergency() {
        Acquire();
        model_.working = 0;
        model_.loaded = 0;
        model_.remaining = 0.0;
        Spread(0.0);
        Restore();
        model_.texts.push_back(kEmergencyDone);
    }

    void ModelOpenDialog() {
        Acquire();
        model_.dialogOpen = true;
        if (model_.kept < 0) {
            model_.texts.push_back(kNoAtcModel); // locked mode
            return;
        }
        const Plane& plane = planes_[(size_t)model_.kept];
        if (plane.file.present) {
            model_.config = ConfigOf(plane.file);
        }
    }

    // ---- One step: the action on the module and on the model, then the comparison ----

    void Run(Action action) {
        model_.texts.clear();
        model_.stations.clear();
        model_.events.clear();
        SimClearCalls();
        switch (action) {
        case kLoad:
            ModelLoad();
            LoadAircraft();
            break;
        case kStart:
            ModelStart();
            StartUnloading();
            break;
        case kTick:
            ModelTick();
            UnloadTick(window_, WM_TIMER, 1, GetTickCount());
            break;
        case kEmergency:
            ModelEmergency();
            EmergencyUnload();
            break;
        case kReacquire:
            Acquire();
            ReacquireUserAircraft();
            break;
        case kStatus:
            Acquire();
            ShowStatusReport();
            break;
        case kDialogHotkey:
            if (model_.dialogOpen) {
                model_.dialogOpen = false;
            } else {
                ModelOpenDialog();
            }
            ToggleConfigDialog();
            break;
        case kMenuCommand:
            if (!model_.dialogOpen) {
                ModelOpenDialog();
            }
            MainWindowProc(window_, WM_COMMAND, kConfiguratorCommand, 0);
            break;
        case kSwitchAircraft:
            model_.host = Pick(0, 9) == 0 ? -1 : (model_.host == 0 ? 1 : 0);
            SimSetUserAircraft(model_.host < 0 ? nullptr : planes_[(size_t)model_.host].sim);
            break;
        case kEditFile: {
            Plane& plane = planes_[(size_t)Pick(0, 1)];
            plane.file = RandomFile();
            WriteFile(plane);
            break;
        }
        case kGroundAndBrake: {
            Plane& plane = planes_[(size_t)Pick(0, 1)];
            SimSetOnGround(plane.sim, Pick(0, 3) != 0);
            SimSetParkingBrake(plane.sim, Pick(0, 3) != 0);
            break;
        }
        default:
            break;
        }
    }

    void Compare(FaultTally& tally, Action action, const std::string& step) {
        std::string at = step + " " + kActionNames[action] + ": ";
        tally.Check(gAirdropState.loaded == model_.loaded && gAirdropState.working == model_.working,
                    at + "flags " + std::to_string(gAirdropState.loaded) + "/" + std::to_string(gAirdropState.working) +
                        ", the table says " + std::to_string(model_.loaded) + "/" + std::to_string(model_.working));
        tally.Check(gAirdropState.userAircraft == SimRecord(model_.kept), at + "not the aircraft the model keeps");
        tally.Check((gAirdropState.configDialogWindow != nullptr) == model_.dialogOpen, at + "dialog open or closed");
        tally.Check(gAirdropState.dropTimer == (model_.working ? 1u : 0u), at + "drop timer " +
                                                                              std::to_string(gAirdropState.dropTimer));
        tally.Check(SameConfig(gAirdropState.config, model_.config), at + "the configuration in use");
        if (model_.working) {
            tally.Check(gAirdropState.remainingWeight == model_.remaining,
                        at + "remaining " + std::to_string(gAirdropState.remainingWeight) + ", the table says " +
                            std::to_string(model_.remaining));
        }
        std::vector<std::string> shown = SimShownTexts();
        if (action == kStatus) {
            const char* row = model_.loaded ? "  Состояние загрузки:  Загружен \n" : "  Состояние загрузки:  Незагружен \n";
            tally.Check(shown.size() == 1 && shown[0].find(" !!! Параметры конфигурации !!!") == 0 &&
                            shown[0].find(row) != std::string::npos,
                        at + "the status report");
        } else {
            std::string got;
            std::string want;
            for (const std::string& text : shown) got += "[" + Utf8(text) + "]";
            for (const std::string& text : model_.texts) want += "[" + Utf8(text) + "]";
            tally.Check(got == want, at + "messages " + got + ", the table says " + want);
        }
        std::vector<HostCall> weights = SimCallsOf(kCallSetStationWeight);
        bool sameStations = weights.size() == model_.stations.size();
        for (size_t s = 0; sameStations && s < weights.size(); s++) {
            sameStations = weights[s].args[2] == model_.stations[s].first && weights[s].weight == model_.stations[s].second;
        }
        tally.Check(sameStations, at + std::to_string(weights.size()) + " stations set, the table says " +
                                      std::to_string(model_.stations.size()));
        tally.Check(SimEvents() == model_.events, at + "host events");
        for (int p = 0; p < (int)planes_.size(); p++) {
            if (model_.borrowed.count(p) || model_.tainted.count(p)) {
                continue;
            }
            const SimAircraft* sim = planes_[(size_t)p].sim;
            for (size_t k = 0; k < sim->slots.size(); k++) {
                tally.Check(SimSlotName(sim, k) == SimHostSlotName(sim, k),
                            at + planes_[(size_t)p].model + " slot " + std::to_string(k) +
                                " holds something not its own outside a drop");
            }
        }
    }

    std::vector<Plane> planes_;
    Model model_;
    std::mt19937 random_;
};

TEST_F(DropStormTest, RandomInterleavingsFollowTheDropStateTable) {
    const int sequences = RunSize(80, 2000);
    const uint32_t seed = RunSeed(7004);
    random_.seed(seed);
    std::discrete_distribution<int> actions(kActionWeights, kActionWeights + kActionCount);
    FaultTally tally("drop storm");
    int steps = 0;
    int byAction[kActionCount] = {};
    int drops = 0;
    int tainted = 0;
    for (int sequence = 0; sequence < sequences; sequence++) {
        NewSequence();
        tally.Begin("sequence " + std::to_string(sequence) + " (seed " + std::to_string(seed) + ")");
        HangWatch watch("sequence " + std::to_string(sequence), 60000);
        int length = Pick(10, 120);
        for (int s = 0; s < length; s++) {
            Action action = (Action)actions(random_);
            bool wasWorking = model_.working != 0;
            Run(action);
            Compare(tally, action, "step " + std::to_string(s));
            steps++;
            byAction[action]++;
            drops += wasWorking && !model_.working;
        }
        // The timer runs exactly while a drop works.
        tally.Check(KillTimer(window_, 1) == (model_.working ? TRUE : FALSE), "the drop timer at the end");
        tally.End();
        tainted += !model_.tainted.empty();
    }
    std::string mix;
    for (int a = 0; a < kActionCount; a++) {
        mix += std::string(a ? ", " : "") + kActionNames[a] + " " + std::to_string(byAction[a]);
    }
    PrintFigure("drop-storm", std::to_string(sequences) + " random sequences, " + std::to_string(steps) + " steps (" +
                                  mix + "; " + std::to_string(drops) + " drops ended; " + std::to_string(tainted) +
                                  " sequences loaded an aircraft again after the other one's load had replaced its saved slots), " +
                                  std::to_string(tally.Faults()) + " faults, seed " + std::to_string(seed));
    EXPECT_EQ(tally.Faults(), 0);
}

} // namespace
