// The scenario runner's thread: steps in order, expectations counted, the verdict.
#include "simhost/app/scenario/Scenario.h"

#include "simhost/SimHost.h"
#include "simhost/app/host/HostAircraft.h"
#include "simhost/app/host/HostDescription.h"
#include "simhost/app/host/HostObserver.h"
#include "simhost/app/host/HostThread.h"
#include "simhost/app/host/ModuleWindows.h"
#include "simhost/app/host/SyntheticInput.h"
#include "simhost/app/scenario/Expectations.h"
#include "simhost/app/scenario/ScenarioSteps.h"
#include "simhost/app/scenario/Transcript.h"
#include "simhost/lib/SimText.h"
#include "simhost/lib/SimTexts.h"

namespace {

struct RunnerState {
    int failures = 0;
    int expectations = 0;
};

RunnerState& Runner() {
    static RunnerState state;
    return state;
}

void Fail(const std::string& why) {
    TranscriptEmit("  FAILED: " + why);
    Runner().failures++;
}

void ReportStart() {
    std::vector<std::string> lines;
    HostRunOnUi([&] {
        lines.push_back("user aircraft: " + HostAircraftFile().title + ", " + HostDescribeFlags() +
                        ", centre of gravity " + SimCentreOfGravityTextIn(kSimEnglish, SimCentreOfGravity()));
        for (const std::string& line : HostDescribeStations()) {
            lines.push_back(line);
        }
        for (const std::string& line : HostDescribeSlots()) {
            lines.push_back(line);
        }
    });
    for (const std::string& line : lines) {
        TranscriptEmit(line);
    }
    TranscriptFlushObservations();
    TranscriptReportConfig(false);
}

#define SCENARIO_RUN(Id, name, fewest, most, parse, run) run,
void (*const kRun[])(const SimScriptStep&) = {SIM_SCRIPT_VERBS(SCENARIO_RUN)};
#undef SCENARIO_RUN
static_assert(sizeof(kRun) / sizeof(kRun[0]) == kScriptVerbCount, "one run function per verb");

} // namespace

void RunSay(const SimScriptStep& step) {
    TranscriptEmit("");
    TranscriptEmit("# " + step.value);
}

void RunExpect(const SimScriptStep& step) {
    RunnerState& r = Runner();
    std::string found;
    r.expectations++;
    HostRunOnUi([&] { found = ExpectationCheck(step); });
    if (found.empty()) {
        TranscriptEmit("  ok: " + step.text);
    } else {
        Fail("line " + std::to_string(step.line) + ": " + step.text + " (" + found + ")");
    }
}

namespace {

void RunActingStep(const SimScriptStep& step) {
    TranscriptFlushObservations();
    TranscriptEmit("> " + step.text);
    HostRunOnUi([&] { HostBeginStep(); });
    kRun[step.kind](step);
    InputSettle();
    HostRunOnUi([&] {
        ScenarioLast().firstCall = HostStepFirstCall();
        ScenarioLast().endCall = SimCalls().size();
    });
    TranscriptFlushObservations();
    TranscriptReportDialog();
    TranscriptReportConfig(false);
}

DWORD WINAPI RunnerThread(LPVOID) {
    RunnerState& r = Runner();
    ReportStart();
    for (const SimScriptStep& step : ScenarioGetOptions().steps) {
        if (ScenarioIsBroken()) {
            break;
        }
        if (ScenarioStepActs(step)) {
            RunActingStep(step);
        } else {
            kRun[step.kind](step);
        }
    }
    // A message box left open would hold the host's loop; close it as its OK button does.
    bool boxOpen = false;
    HostRunOnUi([&] { boxOpen = HostMessageBox() != nullptr; });
    if (boxOpen && !ScenarioIsBroken()) {
        TranscriptEmit("> ok (a message box was still open at the end)");
        std::string why;
        if (!InputClick("OK", true, &why)) {
            ScenarioBroken(why);
        }
        TranscriptFlushObservations();
    }
    TranscriptEmit("");
    bool broken = ScenarioIsBroken();
    if (broken) {
        TranscriptEmit("scenario stopped: a step could not be carried out");
    }
    if (r.failures == 0 && !broken) {
        TranscriptEmit("scenario passed: " + std::to_string(r.expectations) + " expectations held");
    } else {
        TranscriptEmit("scenario FAILED: " + std::to_string(r.failures) + " of " + std::to_string(r.expectations) +
                       " expectations failed");
    }
    HostQuit(broken ? 2 : r.failures ? 1 : 0);
    return 0;
}

} // namespace

void ScenarioStart(const ScenarioOptions& options) {
    ScenarioSetOptions(options);
    TranscriptSetFile(options.transcript);
    HANDLE thread = CreateThread(nullptr, 0, RunnerThread, nullptr, 0, nullptr);
    CloseHandle(thread);
}
