// A storm of random keystrokes through the module's keyboard hook, with random hook codes,
// keystroke flags and states of every modifier key (left and right, held or only toggled,
// and the side-neutral Shift, Ctrl and Alt as well), checked one by one against a model of
// the decoding table: the command that runs must be the table's, and a keystroke that
// runs none must go on down the hook chain. The six commands are the module's own, run in
// the stand-in host, and are told apart by what they do there.
#include <windows.h>

#include <string.h>

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "ReliabilitySupport.h"
#include "TestSupport.h"
#include "dialog/ConfigDialog.h"
#include "drop/AirdropState.h"
#include "module/HostHandles.h"
#include "ui/KeyboardHook.h"

namespace {

enum Command { kNone, kReacquire, kEmergency, kStart, kToggleDialog, kLoad, kStatus, kUnknown, kCommandCount };
const char* const kCommandNames[kCommandCount] = {"nothing", "re-acquire", "emergency", "start",
                                                  "dialog",  "load",       "status",    "something unknown"};

const LPARAM kPreviousState = 0x40000000;

struct Keystroke {
    int code;
    WPARAM key;
    LPARAM flags;
    BYTE state[256];
};

bool Held(const Keystroke& k, int key) {
    return (k.state[key] & 0x80) != 0;
}

// The decoding table: Ctrl and Shift (and Alt) of one hand; the key's release or repeat.
Command Expected(const Keystroke& k) {
    if (k.code < 0 || !(k.flags & kPreviousState)) {
        return kNone;
    }
    bool leftPair = Held(k, VK_LSHIFT) && Held(k, VK_LCONTROL);
    bool rightPair = Held(k, VK_RSHIFT) && Held(k, VK_RCONTROL);
    bool triple = (leftPair && Held(k, VK_LMENU)) || (rightPair && Held(k, VK_RMENU));
    bool pair = leftPair || rightPair;
    if (triple && k.key == '0') return kReacquire;
    if (triple && k.key == '1') return kEmergency;
    if (pair && k.key == VK_SPACE) return kStart;
    if (pair && k.key == '0') return kToggleDialog;
    if (pair && k.key == '1') return kLoad;
    if (pair && k.key == '9') return kStatus;
    return kNone;
}

class KeystrokeMaker {
public:
    explicit KeystrokeMaker(uint32_t seed) : random_(seed) {}
    Keystroke Make() {
        Keystroke k;
        memset(k.state, 0, sizeof(k.state));
        static const BYTE kStates[] = {0x00, 0x01, 0x80, 0x81}; // up, toggled, held, held and toggled
        static const int kModifiers[] = {VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU,
                                         VK_SHIFT,  VK_CONTROL, VK_MENU};
        for (int key : kModifiers) {
            k.state[key] = kStates[Pick(0, 3)];
        }
        for (int extra = Pick(0, 3); extra > 0; extra--) {
            k.state[Pick(1, 255)] |= 0x80;
        }
        int roll = Pick(0, 99);
        if (roll < 60) {
            static const WPARAM kCommandKeys[] = {'0', '1', '9', VK_SPACE};
            k.key = kCommandKeys[Pick(0, 3)];
        } else if (roll < 75) {
            static const WPARAM kLookAlikes[] = {VK_NUMPAD0, VK_NUMPAD1, VK_NUMPAD9, VK_INSERT, VK_END,
                                                 VK_PRIOR,   '2',        '8',        VK_RETURN, 0x130};
            k.key = kLookAlikes[Pick(0, 9)];
        } else if (roll < 90) {
            k.key = (WPARAM)kModifiers[Pick(0, 8)];
        } else {
            k.key = (WPARAM)Pick(0, 255);
        }
        k.flags = (LPARAM)(((uint32_t)Pick(0, 0xFFFF) << 16 | (uint32_t)Pick(0, 0xFFFF)) & ~0x40000000u);
        if (Pick(0, 99) < 60) {
            k.flags |= kPreviousState;
        }
        roll = Pick(0, 99);
        k.code = roll < 70 ? HC_ACTION : roll < 85 ? HC_NOREMOVE : roll < 95 ? -Pick(1, 1000) : Pick(1, 5);
        return k;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::mt19937 random_;
};

class KeystrokeStormTest : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        gHostHandles.moduleInstance = GetModuleHandleA(nullptr);
        gHostHandles.mainWindow = SimCreateMainWindow(false);
        gHostHandles.keyboardHook = nullptr;
    }
    void TearDown() override {
        DestroyConfigDialog();
        BYTE none[256] = {};
        SetKeyboardState(none);
        SimDestroyMainWindow();
        memset(&gHostHandles, 0, sizeof(gHostHandles));
        HostFixture::TearDown();
    }

    // Which command ran, told by what it did in the host: the dialog opened or closed, the
    // message it left, or only the question for the user aircraft.
    static Command Observed(HWND dialogBefore) {
        if (gAirdropState.configDialogWindow != dialogBefore) {
            return kToggleDialog;
        }
        const std::vector<HostCall>& calls = SimCalls();
        if (calls.empty()) {
            return kNone;
        }
        std::vector<std::string> shown = SimShownTexts();
        if (shown.empty()) {
            return calls.size() == 1 && calls[0].kind == kCallGetUserAircraft ? kReacquire : kUnknown;
        }
        const std::string& last = shown.back();
        if (last == " Экстренная разгрузка произведена!!!") return kEmergency;
        if (last == "Командир, давай сначала загрузимся !!!") return kStart;
        if (last == "Не существует файла конфигурации!") return kLoad;
        if (last.find(" !!! Параметры конфигурации !!!") == 0) return kStatus;
        return kUnknown;
    }
};

std::string Describe(const Keystroke& k) {
    static const int kModifiers[] = {VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU};
    static const char* const kNames[] = {"LShift", "RShift", "LCtrl", "RCtrl", "LAlt", "RAlt"};
    char text[160];
    snprintf(text, sizeof(text), "code %d, key 0x%02X, flags 0x%08lX, held:", k.code, (unsigned)k.key,
             (unsigned long)k.flags);
    std::string held = text;
    for (int m = 0; m < 6; m++) {
        if (Held(k, kModifiers[m])) {
            held += std::string(" ") + kNames[m];
        }
    }
    return held;
}

TEST_F(KeystrokeStormTest, EveryKeystrokeIsDecodedAsTheTableSays) {
    const int count = RunSize(15000, 100000);
    const uint32_t seed = RunSeed(7003);
    KeystrokeMaker maker(seed);
    FaultTally tally("keystroke");
    int ran[kCommandCount] = {};
    int passedOn = 0;
    for (int i = 0; i < count; i++) {
        Keystroke k = maker.Make();
        ASSERT_TRUE(SetKeyboardState(k.state));
        SimClearCalls();
        HWND dialogBefore = gAirdropState.configDialogWindow;
        LRESULT result = KeyboardHookProc(k.code, k.key, k.flags);
        Command expected = Expected(k);
        Command observed = Observed(dialogBefore);
        ran[observed]++;
        passedOn += result == 0;
        if (observed != expected || result != (expected == kNone ? 0 : 1)) {
            tally.Begin("keystroke " + std::to_string(i) + " (seed " + std::to_string(seed) + ")");
            tally.Check(false, Describe(k) + ": ran " + kCommandNames[observed] + ", the table says " +
                                   kCommandNames[expected] + "; result " + std::to_string((long)result));
            tally.End();
        }
    }
    std::string commands;
    for (int c = kReacquire; c <= kStatus; c++) {
        commands += std::string(c == kReacquire ? "" : ", ") + kCommandNames[c] + " " + std::to_string(ran[c]);
    }
    PrintFigure("keystrokes", std::to_string(count) + " random keystrokes (" + commands + "; " +
                                  std::to_string(passedOn) + " passed on), " + std::to_string(tally.Faults()) +
                                  " faults, seed " + std::to_string(seed));
    EXPECT_EQ(tally.Faults(), 0);
}

} // namespace
