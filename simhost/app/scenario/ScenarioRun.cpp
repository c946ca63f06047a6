// What a running scenario's steps share.
#include "simhost/app/scenario/ScenarioRun.h"

#include "simhost/app/scenario/Transcript.h"

namespace {

struct RunState {
    ScenarioOptions options;
    ScenarioLastStep last = {0, 0, 0};
    bool broken = false;
};

RunState& State() {
    static RunState state;
    return state;
}

} // namespace

void ScenarioSetOptions(const ScenarioOptions& options) {
    State().options = options;
}

const ScenarioOptions& ScenarioGetOptions(void) {
    return State().options;
}

ScenarioLastStep& ScenarioLast(void) {
    return State().last;
}

void ScenarioBroken(const std::string& why) {
    TranscriptEmit("  ERROR: " + why);
    State().broken = true;
}

bool ScenarioIsBroken(void) {
    return State().broken;
}
