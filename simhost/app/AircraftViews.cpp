// The plan and side views of the user aircraft.
#include "simhost/app/AircraftViews.h"

#include "simhost/app/ScaleViews.h"
#include "simhost/app/SchematicViews.h"

void AircraftViewsDraw(HDC dc, const RECT& planBox, const RECT& sideBox, const HostViewModel& model) {
    if (model.file && model.file->spec.cfg) {
        ScaleViewsDraw(dc, planBox, sideBox, model);
    } else {
        SchematicViewsDraw(dc, planBox, sideBox, model);
    }
}
