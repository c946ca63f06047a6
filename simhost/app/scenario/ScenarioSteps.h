// The acting steps of a scenario (every verb but say and expect), run on the scenario
// thread; a step that cannot be carried out reports itself through ScenarioBroken.
#pragma once

#include "simhost/lib/SimScript.h"

void ScenarioRunStep(const SimScriptStep& step);
