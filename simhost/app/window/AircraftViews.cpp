// The plan and side views of the user aircraft.
#include "simhost/app/window/AircraftViews.h"

#include "simhost/app/window/ScaleViews.h"
#include "simhost/app/window/SchematicViews.h"

void AircraftViewsDraw(HDC dc, const RECT& planBox, const RECT& sideBox, const AircraftScene& scene,
                       ViewMapping* plan, ViewMapping* side) {
    if (scene.model->file && scene.model->file->spec.cfg) {
        ScaleViewsDraw(dc, planBox, sideBox, scene, plan, side);
    } else {
        SchematicViewsDraw(dc, planBox, sideBox, scene, plan, side);
    }
}
