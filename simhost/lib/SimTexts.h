// simhost's own texts, Russian and English, in one table (the module's own texts are the
// module's and never pass through here). One language at a time: Russian when the user's
// interface language is Russian, else English; the command line may choose.
#pragma once

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
    // The host window: panels, menus, message boxes.
    // The views: labels, read-outs, tooltips.
    // The scenario runner: the transcript's own words, step errors.
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
