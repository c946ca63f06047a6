// A whole drop typed into the real DLL in the stand-in host: load, start, the real timer
// ticking through the host's message loop to the end, the status report, and an
// emergency unload in the middle of a second drop.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

const unsigned kOn = 0x10201;
const unsigned kOff = 0x10202;
const std::string kNotLoaded = "Командир, давай сначала загрузимся !!!";
const std::string kAboard = "Командир одуванчики на борту !!!";
const std::string kPacked = "Командир, мы упакованы !!!";
const std::string kWorking = "Командир, работаем !!!";
const std::string kAlreadyWorking = "Работает грузовой отсек !!!";
const std::string kFinished = "Командир, работа окончена !!!";
const std::string kEmergency = " Экстренная разгрузка произведена!!!";

std::string CountText(int left) {
    return "Количество десантников - " + std::to_string(left) + " чел.\n";
}

size_t IndexOf(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) - texts.begin();
}

class DropEndToEndTest : public LoadedModuleFixture {
protected:
    void Type(const std::vector<WORD>& modifiers, WORD key) {
        SimTypeChord(modifiers, key);
        SimPumpMessages(200);
    }
    void Load() { Type({VK_LCONTROL, VK_LSHIFT}, '1'); }
    void Start() { Type({VK_LCONTROL, VK_LSHIFT}, VK_SPACE); }
    void Emergency() { Type({VK_LCONTROL, VK_LSHIFT, VK_LMENU}, '1'); }
    void Report() { Type({VK_RCONTROL, VK_RSHIFT}, '9'); }
    // Runs the message loop until `done` holds or `limit` ms pass; returns the time taken.
    DWORD PumpUntil(const std::function<bool()>& done, DWORD limit) {
        DWORD start = GetTickCount();
        limit = TimeBudget(limit);
        while (!done() && GetTickCount() - start < limit) {
            SimPumpMessages(20);
        }
        return GetTickCount() - start;
    }
    bool Shown(const std::string& text) {
        std::vector<std::string> texts = SimShownTexts();
        return IndexOf(texts, text) < texts.size();
    }
    void ExpectHostSlots() {
        for (size_t k = 0; k < 5; k++) {
            SCOPED_TRACE("slot " + std::to_string(k));
            EXPECT_EQ(SimSlotName(aircraft_, k), SimHostSlotName(aircraft_, k));
            EXPECT_EQ(SimSlotCoord(aircraft_, k, 2), 3.0 + 3 * k);
        }
    }
};

TEST_F(DropEndToEndTest, WholeDropReportAndEmergency) {
    ASSERT_EQ(GetForegroundWindow(), window_);
    WriteConfigFile("Trainer 1",
                    "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_number=3\nKFWS_Airdrop_metod=2\n"
                    "KFWS_Airdrop_type=1\nKFWS_Airdrop_realism=1\nKFWS_Airdrop_visual=1\n"
                    "KFWS_Airdrop_down_x=0\nKFWS_Airdrop_down_y=-1\nKFWS_Airdrop_down_z=-12\n");
    SimSetCentreOfGravity(0.253);

    // A start before the load: refused, and no timer ticks.
    Start();
    EXPECT_EQ(SimShownTexts(), std::vector<std::string>{kNotLoaded});
    SimClearCalls();
    SimPumpMessages(1300);
    EXPECT_TRUE(SimCalls().empty());

    Load();
    EXPECT_EQ(SimScreenText(), kAboard);
    EXPECT_EQ(aircraft_->stationWeights, std::vector<double>(4, 165.0));
    EXPECT_STREQ(SimSlotName(aircraft_, 0), "fx_KFWS_Desant.fx");

    // The drop: two paratroopers a second, the end one tick after the last has left.
    SimClearCalls();
    DWORD startedAt = GetTickCount();
    Start();
    EXPECT_EQ(SimScreenText(), kWorking);
    PumpUntil([&] { return Shown(CountText(1)); }, 3000);
    DWORD firstTick = GetTickCount() - startedAt;
    EXPECT_GE(firstTick, 800u) << "one tick a second";
    EXPECT_LT(firstTick, TimeBudget(2500));
    // Load and start while the drop works are refused.
    Load();
    Start();
    PumpUntil([&] { return SimScreenText() == kFinished; }, 5000);
    DWORD took = GetTickCount() - startedAt;
    std::vector<std::string> texts = SimShownTexts();
    std::vector<std::string> ticks;
    for (const std::string& text : texts) {
        if (text != kPacked && text != kAlreadyWorking) {
            ticks.push_back(text);
        }
    }
    EXPECT_EQ(ticks, (std::vector<std::string>{kWorking, CountText(1), CountText(0), kFinished}));
    EXPECT_LT(IndexOf(texts, kPacked), IndexOf(texts, kFinished));
    EXPECT_LT(IndexOf(texts, kAlreadyWorking), IndexOf(texts, kFinished));
    EXPECT_GE(took, 2700u);
    EXPECT_EQ(SimEvents(), (std::vector<unsigned>{kOn, kOff, kOn, kOff, kOff}));
    EXPECT_EQ(StationWeights(), (std::vector<double>{55.0, 55.0, 55.0, 55.0, 0.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(aircraft_->stationWeights, std::vector<double>(4, 0.0));
    ExpectHostSlots();
    SimClearCalls();
    SimPumpMessages(1300);
    EXPECT_TRUE(SimCalls().empty()) << "the timer is gone";

    // The status report after the drop.
    Report();
    std::string report = " !!! Параметры конфигурации !!!\n\n"
                         "  Модель:  Trainer 1 \n"
                         "  Состояние загрузки:  Незагружен \n"
                         "    САХ = 25.3 \n"
                         "  Вариант: Десантный \n"
                         "    -= Количество десантников: 3\n"
                         "  Метод: 2-потока\n"
                         "  Тип: Задняя \n"
                         "  Уровень сложности: Симулятор\n"
                         "  Визуальные ефекты: Включены\n";
    EXPECT_EQ(SimShownTexts(), std::vector<std::string>{report}) << Utf8(SimScreenText());

    // A second drop, stopped by the emergency unload after its first tick.
    Load();
    Report();
    EXPECT_NE(SimScreenText().find("  Состояние загрузки:  Загружен \n"), std::string::npos);
    Start();
    PumpUntil([&] { return Shown(CountText(1)); }, 3000);
    SimClearCalls();
    Emergency();
    EXPECT_EQ(SimShownTexts(), std::vector<std::string>{kEmergency});
    EXPECT_TRUE(SimEvents().empty());
    EXPECT_EQ(aircraft_->stationWeights, std::vector<double>(4, 0.0));
    ExpectHostSlots();
    SimClearCalls();
    SimPumpMessages(1500);
    EXPECT_TRUE(SimCalls().empty()) << "no tick after the emergency";

    // In idle the emergency still empties the stations and restores the slots.
    Emergency();
    EXPECT_EQ(SimScreenText(), kEmergency);
    EXPECT_EQ(StationWeights(), std::vector<double>(4, 0.0));
    ExpectHostSlots();
    Start();
    EXPECT_EQ(SimScreenText(), kNotLoaded);
}

TEST_F(DropEndToEndTest, FreeingTheModuleDuringADropStopsItsTimer) {
    WriteConfigFile("Trainer 1", "[General]\nKFWS_Airdrop_variant=2\nKFWS_Airdrop_number=500\n");
    Load();
    Start();
    EXPECT_EQ(SimScreenText(), kWorking);
    SimUnloadModule(&module_);
    SimClearCalls();
    // A tick into the freed library would fault; the test's handler fails the run then.
    SimPumpMessages(1500);
    EXPECT_TRUE(SimCalls().empty());
    EXPECT_FALSE(KillTimer(window_, 1));
}

} // namespace
