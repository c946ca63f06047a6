// simhost's own texts, Russian and English, in one table (the module's own texts are the
// module's and never pass through here). One language at a time: Russian when the user's
// interface language is Russian, else English; the command line may choose.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include <initializer_list>
#include <string>

enum SimLanguage { kSimRussian, kSimEnglish };

// Russian when the user's interface language (GetUserDefaultUILanguage) is Russian.
SimLanguage SimUserLanguage();
// "ru" or "en" (any case); false for anything else.
bool SimParseLanguage(const char* name, SimLanguage* language);
void SimSetLanguage(SimLanguage language);
SimLanguage SimCurrentLanguage();

// One id per text. Blocks keep each part of the program's texts together.
enum SimTextId {
    // The program: usage, options, errors of the command line.
    kTextProgramName,
    kTextUsage,
    kTextBadFltsim,
    kTextUnknownOption,
    kTextBadLanguage,
    kTextNeedAircraft,
    kTextSimulatorIsRoot,
    kTextCannotRead,
    kTextCannotWrite,
    kTextCannotUseFolder,
    kTextCannotLoadModule,
    kTextNoAircraftFolder,
    kTextCannotCopySimulator,
    kTextWindowOpen,
    kTextPicturesGoTo,
    // The host window: panels, menus, message boxes.
    kTextWindowTitle,
    kTextMenuFlight,
    kTextMenuExit,
    kTextMenuAircraft,
    kTextMenuPrepare,
    kTextPickSimulatorFolder,
    kTextCannotStart,
    kTextCentreOfGravity,
    // The views: labels, read-outs, tooltips.
    kTextViewScreenTitle,
    kTextViewAircraftTitle,
    kTextViewEmptyModel,
    kTextViewCentreOfGravity,
    kTextViewCounts,
    kTextViewHotkeysTitle,
    kTextViewKeyLoad,
    kTextViewKeyStart,
    kTextViewKeyEmergency,
    kTextViewKeyReport,
    kTextViewKeyDialog,
    kTextViewKeyReacquire,
    kTextViewModuleMenu,
    kTextViewAircraftMenu,
    kTextViewFlagsTitle,
    kTextViewOnGround,
    kTextViewParkingBrake,
    kTextViewStationsTitle,
    kTextViewNone,
    kTextViewTotal,
    kTextViewEffectsTitle,
    kTextViewNoModuleEffects,
    kTextViewPlanToScale,
    kTextViewSideToScale,
    kTextViewPlanSchematic,
    kTextViewSideSchematic,
    kTextViewForward,
    kTextViewLegend,
    kTextViewPlanAxes,
    kTextViewSideAxes,
    kTextViewFeet,
    kTextViewOutsideOne,
    kTextViewOutsideMany,
    kTextViewSave,
    kTextViewCancel,
    kTextViewSaveTip,
    kTextViewCancelTip,
    kTextViewReadoutPlan,
    kTextViewReadoutSide,
    kTextViewDragHint,
    kTextViewUnsaved,
    kTextViewSaved,
    kTextViewNoFileYet,
    kTextViewNoModel,
    kTextViewSaveFailed,
    kTextViewAskLeave,
    kTextViewAskCaption,
    kTextViewCheckTitle,
    kTextViewCheckReady,
    kTextViewCheckNotReady,
    kTextViewCheckNoCfg,
    kTextViewCheckFailed,
    kTextViewCheckFix,
    kTextViewFixConfigurator,
    kTextViewFixInside,
    kTextViewFixCaption,
    kTextViewPrepareQuestion, // the aircraft.cfg, the copy kept beside it
    kTextViewPrepareCaption,
    // Preparing aircraft (simhost --prepare): usage, one line per file ("{}" takes the
    // arguments in order: the file first).
    kTextPrepareUsage,
    kTextPrepareAdded,       // file, lines added, lines needed, assumption, the copy
    kTextPrepareAlready,     // file, lines present, lines needed, assumption
    kTextPrepareRestored,    // file, the copy
    kTextPrepareNoBackup,    // file, the copy
    kTextPrepareReadOnly,    // file
    kTextPrepareInUse,       // file
    kTextPrepareBrokenLine,  // file, N of the broken smoke.N
    kTextPrepareUnreadable,  // file, reason
    kTextPrepareFailed,      // file, reason
    kTextPrepareAssumed,     // the assumption when a variation has no configuration file
    kTextPrepareNothingFound, // PATH
    kTextPrepareBadOption,   // the option
    // The readiness check (simhost --check): usage, headings, verdicts, errors. "{}" stands
    // for a value the check puts in.
    kTextCheckUsage,
    kTextCheckBadOption,      // {} the option
    kTextCheckNeedsPath,
    kTextCheckNoSuchPath,     // {} the path
    kTextCheckCannotUseFolder, // {} the folder
    kTextCheckNothingRead,
    kTextCheckSimulatorFolder,   // {} the folder
    kTextCheckNoSimulatorFolder, // {} the current folder
    kTextCheckRowPlace,          // {} file, {} N of [fltsim.N], {} stations, {} smoke lines
    kTextCheckSeverityError,
    kTextCheckSeverityWarning,
    kTextCheckSeverityInfo,
    kTextCheckReadyVisible,
    kTextCheckReadyInvisible,
    kTextCheckNotReady,
    kTextCheckSummary, // {} liveries, {} ready, {} visible, {} files read, {} unreadable
    kSimTextCount
};

// The text in the current language, UTF-8.
const char* SimText(SimTextId id);
// The text in the given language, UTF-8.
const char* SimTextIn(SimLanguage language, SimTextId id);
// The text in the current language with each "{}" replaced by the next of `values`.
std::string SimTextWith(SimTextId id, std::initializer_list<std::string> values);
// `pattern` with each "{}" replaced by the next of `values` (by nothing once they run out).
std::string SimFillText(const char* pattern, const std::vector<std::string>& values);
// A text of the table in either language (a script may name simhost's own menus in
// either) as the current language has it; any other text unchanged.
std::string SimTextInCurrentLanguage(const std::string& utf8);
// The centre of gravity as the module's status report gives it, in percent of the mean
// aerodynamic chord with one decimal: "25.2 % САХ" (Russian), "25.2 % MAC" (English).
std::string SimCentreOfGravityText(double fractionOfMac);
std::string SimCentreOfGravityTextIn(SimLanguage language, double fractionOfMac);
// Takes "--lang ru|en" from the command line (anywhere in it) and sets the language;
// false, with the language unchanged, when --lang is followed by anything else.
bool SimTakeLanguageOption(int argc, char** argv);
