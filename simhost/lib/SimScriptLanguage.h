// The scenario language in one place: every verb and every kind of expectation is one
// row of these tables,
//     X(Id, "name", fewest words, most words, parse, run or check)
// SimParseScript (SimScript.h) reads each line's words once with the row's parse
// function (SimScriptLanguage.cpp) into the step's typed fields; the runner in
// simhost/app/scenario runs each step with the row's run function (ScenarioSteps.h) and
// checks each expectation with the row's check function (Expectations.h). The words are
// counted after the verb, and for an expectation after its kind.
#pragma once

#include <string>
#include <vector>

#include "simhost/lib/SimChord.h"

#define SIM_SCRIPT_VERBS(X)                                                                      \
    X(Key, "key", 1, 3, ParseKey, RunKey)                    /* key CHORD [repeat N] */          \
    X(Wait, "wait", 1, 1, ParseWait, RunWait)                /* wait SECONDS */                  \
    X(Menu, "menu", 1, 99, ParsePath, RunMenu)               /* menu A > B > C */                \
    X(Click, "click", 1, 1, ParseName, RunClick)             /* click CONTROL */                 \
    X(Type, "type", 2, 2, ParseNameValue, RunType)           /* type CONTROL TEXT */             \
    X(Press, "press", 0, 0, ParseNothing, RunPress)          /* the dialog's button */           \
    X(CloseDialog, "close-dialog", 0, 0, ParseNothing, RunCloseDialog) /* its close box */       \
    X(Ok, "ok", 0, 0, ParseNothing, RunOk)                   /* OK of the open message box */    \
    X(Set, "set", 2, 2, ParseSet, RunSet)                    /* set on_ground|parking_brake|cg V */ \
    X(LiftOff, "lift-off", 0, 0, ParseNothing, RunLiftOff)                                       \
    X(Land, "land", 0, 0, ParseNothing, RunLand)                                                 \
    X(ReleaseBrake, "release-brake", 0, 0, ParseNothing, RunReleaseBrake)                        \
    X(SetBrake, "set-brake", 0, 0, ParseNothing, RunSetBrake)                                    \
    X(Aircraft, "aircraft", 1, 1, ParseName, RunAircraft)    /* aircraft TITLE|FILE */           \
    X(Picture, "picture", 1, 1, ParseName, RunPicture)       /* picture NAME (host window) */    \
    X(PictureDialog, "picture-dialog", 1, 1, ParseName, RunPictureDialog)                        \
    X(Show, "show", 0, 0, ParseNothing, RunShow)                                                 \
    X(Config, "config", 0, 0, ParseNothing, RunConfig)                                           \
    X(EditConfig, "edit-config", 2, 2, ParseNameValue, RunEditConfig) /* edit-config KEY V */    \
    X(RemoveConfig, "remove-config", 0, 0, ParseNothing, RunRemoveConfig)                        \
    X(Say, "say", 1, 99, ParseSay, RunSay)                   /* a line of commentary */          \
    X(Expect, "expect", 1, 99, ParseExpect, RunExpect)       /* expect KIND ..., below */

#define SIM_SCRIPT_EXPECTATIONS(X)                                                               \
    X(Screen, "screen", 1, 1, ParseValue, ExpectScreen)      /* screen TEXT */                   \
    X(Shown, "shown", 1, 1, ParseValue, ExpectShown)         /* shown TEXT (during the step) */  \
    X(NoMessage, "no-message", 0, 0, ParseNothing, ExpectNoMessage)                              \
    X(Stations, "stations", 0, 99, ParseNumbers, ExpectStations) /* stations LB ... */           \
    X(Events, "events", 1, 99, ParseEvents, ExpectEvents)    /* events ID ...|none */            \
    X(Slot, "slot", 2, 5, ParseSlot, ExpectSlot)             /* slot K own|NAME X Y Z */         \
    X(Dialog, "dialog", 1, 1, ParseOpenClosed, ExpectDialog) /* dialog open|closed */            \
    X(Control, "control", 2, 3, ParseControl, ExpectControl) /* control NAME STATE [TEXT] */     \
    X(ConfigKey, "config", 2, 2, ParseNameValue, ExpectConfigKey) /* config KEY VALUE */         \
    X(NoConfigKey, "no-config", 1, 1, ParseName, ExpectNoConfigKey) /* no-config KEY */          \
    X(ConfigFile, "config-file", 1, 1, ParsePresentAbsent, ExpectConfigFile)                     \
    X(MessageBox, "messagebox", 1, 1, ParseValue, ExpectMessageBox) /* messagebox TEXT */        \
    X(MenuEntry, "menu", 1, 99, ParsePath, ExpectMenuEntry)  /* menu A > B > C */                \
    X(Swallowed, "swallowed", 0, 0, ParseNothing, ExpectSwallowed)                               \
    X(PassedOn, "passed-on", 0, 0, ParseNothing, ExpectPassedOn)                                 \
    X(Exit, "exit", 2, 2, ParseExit, ExpectExit)             /* exit S|S'|R|R' inside|outside */ \
    X(EffectFile, "effect-file", 2, 3, ParseEffectFile, ExpectEffectFile) /* K present|missing [NAME] */

#define SIM_SCRIPT_ID(Id, name, fewest, most, parse, act) kScript##Id,
enum SimScriptVerb { SIM_SCRIPT_VERBS(SIM_SCRIPT_ID) kScriptVerbCount };
enum SimScriptExpectation { SIM_SCRIPT_EXPECTATIONS(SIM_SCRIPT_ID) kScriptExpectationCount };
#undef SIM_SCRIPT_ID

// How a control of the dialog is expected to be (expect control NAME STATE [TEXT]).
enum SimControlState { kControlChecked, kControlUnchecked, kControlEnabled, kControlDisabled, kControlText };

struct SimScriptStep {
    int line;                      // 1-based line in the script
    std::string text;              // the line as written, without comment
    std::string verb;
    std::vector<std::string> args; // UTF-8
    // What the words say, read once by the verb's row of the language above;
    // each row says which of these it fills.
    int kind = -1;                 // SimScriptVerb
    int expectation = -1;          // SimScriptExpectation of an expect step
    std::string name;              // a control, key, aircraft, picture, exit point ...
    std::string value;             // a text to type, expect or write (UTF-8)
    bool hasValue = false;         // a value that may be left out was given
    std::vector<std::string> path; // menu captions
    std::vector<double> numbers;   // seconds, weights, event ids, coordinates
    SimChord chord = {{}, 0};
    int count = 0;                 // key repeats, a slot's number, a control's SimControlState
    bool flag = false;             // yes/no, open, present, outside, own
};

// "A > B > C" as the words of a menu or expectation argument list.
std::vector<std::string> SimSplitMenuPath(const std::vector<std::string>& words, size_t first);

// Reads the words of one line (verb first) into `step` by the verb's row (and, for an
// expectation, its kind's row). False, with what is wrong, when the line is none of the
// language's.
bool SimParseStepWords(const std::vector<std::string>& words, SimScriptStep* step, std::string* error);
