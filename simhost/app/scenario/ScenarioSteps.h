// The run functions of the scenario language's verbs (SimScriptLanguage.h), one per row,
// run on the scenario thread with the step as parsed. The acting steps are in
// ScenarioSteps.cpp and AircraftSteps.cpp, say and expect in the runner (Scenario.cpp);
// a step that cannot be carried out reports itself through ScenarioBroken.
#pragma once

#include "simhost/lib/SimScript.h"
#include "simhost/lib/SimScriptLanguage.h"

#define SCENARIO_DECLARE_RUN(Id, name, fewest, most, parse, run) void run(const SimScriptStep& step);
SIM_SCRIPT_VERBS(SCENARIO_DECLARE_RUN)
#undef SCENARIO_DECLARE_RUN

// Every verb but say and expect acts on the host.
inline bool ScenarioStepActs(const SimScriptStep& step) {
    return step.kind != kScriptSay && step.kind != kScriptExpect;
}
