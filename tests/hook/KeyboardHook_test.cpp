// The hotkey decoding, driven by the thread's real key state (SetKeyboardState) and
// direct calls of the hook procedure.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HookStandIns.h"
#include "module/HostHandles.h"
#include "ui/KeyboardHook.h"

namespace {

const LPARAM kRelease = (LPARAM)0xC0000001; // bits 30 and 31 set
const LPARAM kRepeat = (LPARAM)0x40000001;  // bit 30 set, key still down
const LPARAM kFirstDown = 0x00000001;       // bit 30 clear

// Sets the thread's key state so that exactly `held` keys are down.
void HoldKeys(const std::vector<int>& held) {
    BYTE state[256] = {};
    for (int key : held) {
        state[key] = 0x80;
    }
    ASSERT_TRUE(SetKeyboardState(state));
}

// Calls the hook and returns the command it ran ("" when none), checking the result.
std::string Press(int code, WPARAM key, LPARAM flags) {
    CommandsRun().clear();
    LRESULT result = KeyboardHookProc(code, key, flags);
    std::string ran = CommandsRun().empty() ? "" : CommandsRun()[0];
    EXPECT_LE(CommandsRun().size(), 1u);
    EXPECT_EQ(result, ran.empty() ? 0 : 1) << "a command swallows its keystroke, others pass on";
    return ran;
}

struct DecodeCase {
    std::vector<int> held;
    WPARAM key;
    LPARAM flags;
    const char* command; // "" when nothing runs
};

const std::vector<int> kLeftPair = {VK_LSHIFT, VK_LCONTROL, VK_SHIFT, VK_CONTROL};
const std::vector<int> kRightPair = {VK_RSHIFT, VK_RCONTROL, VK_SHIFT, VK_CONTROL};

std::vector<int> With(std::vector<int> keys, std::vector<int> more) {
    keys.insert(keys.end(), more.begin(), more.end());
    return keys;
}

class KeyboardHookTest : public testing::Test {
protected:
    void SetUp() override {
        gHostHandles.keyboardHook = nullptr;
        HoldKeys({});
    }
    void TearDown() override { HoldKeys({}); }
};

TEST_F(KeyboardHookTest, DecodingTable) {
    const std::vector<int> leftTriple = With(kLeftPair, {VK_LMENU, VK_MENU});
    const std::vector<int> rightTriple = With(kRightPair, {VK_RMENU, VK_MENU});
    const DecodeCase cases[] = {
        // The six rows, left hand, on release.
        {leftTriple, '0', kRelease, "Reacquire"},
        {leftTriple, '1', kRelease, "EmergencyUnload"},
        {kLeftPair, VK_SPACE, kRelease, "StartUnloading"},
        {kLeftPair, '0', kRelease, "ToggleConfigDialog"},
        {kLeftPair, '1', kRelease, "LoadAircraft"},
        {kLeftPair, '9', kRelease, "ShowStatusReport"},
        // The same with the right hand, on auto-repeat.
        {rightTriple, '0', kRepeat, "Reacquire"},
        {rightTriple, '1', kRepeat, "EmergencyUnload"},
        {kRightPair, VK_SPACE, kRepeat, "StartUnloading"},
        {kRightPair, '0', kRepeat, "ToggleConfigDialog"},
        {kRightPair, '1', kRepeat, "LoadAircraft"},
        {kRightPair, '9', kRepeat, "ShowStatusReport"},
        // The first key-down never runs a command.
        {kLeftPair, '1', kFirstDown, ""},
        {leftTriple, '0', kFirstDown, ""},
        // Mixed hands satisfy neither pair nor triple.
        {{VK_LCONTROL, VK_RSHIFT}, '1', kRelease, ""},
        {{VK_RCONTROL, VK_LSHIFT}, '9', kRelease, ""},
        // A pair with the other hand's Alt: no triple, the pair's own row runs.
        {With(kLeftPair, {VK_RMENU}), '1', kRelease, "LoadAircraft"},
        {With(kRightPair, {VK_LMENU}), '0', kRelease, "ToggleConfigDialog"},
        // Alt does not stop Ctrl+Shift from holding.
        {leftTriple, VK_SPACE, kRelease, "StartUnloading"},
        {rightTriple, '9', kRelease, "ShowStatusReport"},
        // Incomplete chords.
        {{VK_LCONTROL}, '1', kRelease, ""},
        {{VK_LSHIFT}, '1', kRelease, ""},
        {{VK_LCONTROL, VK_LMENU}, '1', kRelease, ""},
        {{}, '1', kRelease, ""},
        // The generic modifier codes alone are not looked at.
        {{VK_SHIFT, VK_CONTROL, VK_MENU}, '1', kRelease, ""},
        // Keypad digits and other keys are not commands.
        {kLeftPair, VK_NUMPAD0, kRelease, ""},
        {kLeftPair, VK_NUMPAD1, kRelease, ""},
        {kLeftPair, VK_NUMPAD9, kRelease, ""},
        {kLeftPair, '2', kRelease, ""},
        {kLeftPair, 'A', kRelease, ""},
        {kLeftPair, VK_RETURN, kRelease, ""},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE("case " + std::to_string(i));
        HoldKeys(cases[i].held);
        EXPECT_EQ(Press(HC_ACTION, cases[i].key, cases[i].flags), cases[i].command);
    }
}

TEST_F(KeyboardHookTest, NoRemoveCodeIsExaminedLikeAction) {
    HoldKeys(kLeftPair);
    EXPECT_EQ(Press(HC_NOREMOVE, '1', kRelease), "LoadAircraft");
}

TEST_F(KeyboardHookTest, NegativeCodePassesOnWithoutReadingKeyState) {
    HoldKeys(kLeftPair);
    KeyStatesRead().clear();
    EXPECT_EQ(Press(-1, '1', kRelease), "");
    EXPECT_TRUE(KeyStatesRead().empty());
}

TEST_F(KeyboardHookTest, CommandKeysReadSixStatesInOrder) {
    HoldKeys(kLeftPair);
    KeyStatesRead().clear();
    Press(HC_ACTION, '9', kRelease);
    const std::vector<int> expected = {VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU};
    EXPECT_EQ(KeyStatesRead(), expected);
}

TEST_F(KeyboardHookTest, KeystrokesThatCannotBeCommandsReadNoState) {
    HoldKeys(kLeftPair);
    KeyStatesRead().clear();
    Press(HC_ACTION, 'A', kRelease);
    Press(HC_ACTION, '1', kFirstDown);
    EXPECT_TRUE(KeyStatesRead().empty());
}

TEST_F(KeyboardHookTest, HeldKeyCountsByHighByteOnly) {
    // A toggled (low bit) key is not held.
    BYTE state[256] = {};
    state[VK_LSHIFT] = 0x01;
    state[VK_LCONTROL] = 0x80;
    ASSERT_TRUE(SetKeyboardState(state));
    EXPECT_EQ(Press(HC_ACTION, '1', kRelease), "");
    state[VK_LSHIFT] = 0x81;
    ASSERT_TRUE(SetKeyboardState(state));
    EXPECT_EQ(Press(HC_ACTION, '1', kRelease), "LoadAircraft");
}

// Holding Ctrl+Shift+0: each auto-repeat and the release toggle the dialog.
TEST_F(KeyboardHookTest, HeldHotkeyRunsAtEveryRepeatAndRelease) {
    HoldKeys(kLeftPair);
    int toggles = 0;
    const LPARAM sequence[] = {kFirstDown, kRepeat, kRepeat, kRepeat, kRelease};
    for (LPARAM flags : sequence) {
        toggles += Press(HC_ACTION, '0', flags) == "ToggleConfigDialog";
    }
    EXPECT_EQ(toggles, 4);
}

} // namespace
