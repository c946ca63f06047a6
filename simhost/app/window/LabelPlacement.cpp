// Where the views' labels go.
#include "simhost/app/window/LabelPlacement.h"

#include <math.h>

#include <algorithm>

namespace {

// Right, left, above, below, then the corners: unit steps of the label's offset.
const int kDirections[8][2] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}};

// The label's box `distance` pixels from the anchor in direction `d`: its near edge (or
// corner) that far from the anchor, centred on the direction's axis.
RECT BoxAt(POINT anchor, SIZE size, int d, int distance) {
    int dx = kDirections[d][0], dy = kDirections[d][1];
    int left = dx > 0 ? anchor.x + distance : dx < 0 ? anchor.x - distance - size.cx : anchor.x - size.cx / 2;
    int top = dy > 0 ? anchor.y + distance : dy < 0 ? anchor.y - distance - size.cy : anchor.y - size.cy / 2;
    RECT box = {left, top, left + size.cx, top + size.cy};
    return box;
}

bool Inside(const RECT& box, const RECT& bounds) {
    return box.left >= bounds.left && box.top >= bounds.top && box.right <= bounds.right && box.bottom <= bounds.bottom;
}

// A label keeps a few pixels from everything else, so that two never read as one.
const int kLabelGap = 3;

bool Clear(const RECT& box, const std::vector<RECT>& taken) {
    RECT around = {box.left - kLabelGap, box.top - kLabelGap, box.right + kLabelGap, box.bottom + kLabelGap};
    for (const RECT& other : taken) {
        if (BoxesIntersect(around, other)) {
            return false;
        }
    }
    return true;
}

POINT Clamp(POINT p, const RECT& box) {
    POINT q = {std::min(std::max(p.x, box.left), box.right - 1), std::min(std::max(p.y, box.top), box.bottom - 1)};
    return q;
}

} // namespace

bool BoxesIntersect(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::vector<LabelPlace> PlaceLabels(const std::vector<LabelRequest>& labels, const std::vector<RECT>& marks,
                                    const RECT& bounds) {
    std::vector<RECT> taken = marks;
    std::vector<LabelPlace> places;
    int reach = std::max(bounds.right - bounds.left, bounds.bottom - bounds.top);
    for (const LabelRequest& label : labels) {
        LabelPlace place = {};
        int first = label.clearance + kLabelGap;
        for (int distance = first; !place.placed && distance <= reach; distance += 6) {
            for (int d = 0; d < 8 && !place.placed; d++) {
                RECT box = BoxAt(label.anchor, label.size, d, distance);
                if (Inside(box, bounds) && Clear(box, taken)) {
                    place.placed = true;
                    place.box = box;
                    place.leader = distance > first;
                }
            }
        }
        if (place.placed && place.leader) {
            place.to = Clamp(label.anchor, place.box);
            double dx = place.to.x - label.anchor.x, dy = place.to.y - label.anchor.y;
            double length = sqrt(dx * dx + dy * dy);
            double edge = length > 0 ? (label.clearance - 2) / length : 0;
            place.from.x = label.anchor.x + (LONG)lround(dx * edge);
            place.from.y = label.anchor.y + (LONG)lround(dy * edge);
        }
        if (place.placed) {
            taken.push_back(place.box);
        }
        places.push_back(place);
    }
    return places;
}
