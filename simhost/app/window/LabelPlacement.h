// Where the views' labels go, so that no label covers another or any mark. The rule, for
// each label in the order given (the most important first):
//   1. offset: the label sits beside its mark, `clearance` pixels from the mark's centre,
//      trying right, left, above, below and the four corners in turn; the first spot that
//      lies inside the bounds and is clear (by a few pixels) of every mark and every label
//      placed so far wins;
//   2. leader: otherwise the same eight directions are tried at growing distances, and the
//      first clear spot gets the label with a leader line from the mark to the label;
//   3. a label for which no clear spot exists within the bounds is left out.
// Pure geometry: nothing is drawn here.
#pragma once

#include <windows.h>

#include <vector>

struct LabelRequest {
    POINT anchor;  // the mark's centre
    int clearance; // the mark's radius plus a small gap
    SIZE size;     // of the label's text
};

struct LabelPlace {
    bool placed;
    RECT box;
    bool leader;    // a line from `from` (on the mark's edge) to `to` (on the label's box)
    POINT from, to;
};

// `marks` are the boxes of every mark in the view (rings, diamonds, squares).
std::vector<LabelPlace> PlaceLabels(const std::vector<LabelRequest>& labels, const std::vector<RECT>& marks,
                                    const RECT& bounds);

bool BoxesIntersect(const RECT& a, const RECT& b);
