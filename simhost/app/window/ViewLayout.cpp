// Where the host window's panels go.
#include "simhost/app/window/ViewLayout.h"

#include <algorithm>

namespace {

// The configuration dialog opens at the client area's top-left corner: the host's own
// controls keep below it.
const int kDialogHeight = 420;
const int kGap = 8;

RECT Box(int left, int top, int right, int bottom) {
    RECT box = {left, top, right, std::max(top, bottom)};
    return box;
}

} // namespace

ViewLayout ViewLayoutFor(int width, int height, bool toScale, bool effects) {
    width = std::max(width, kViewMinClientWidth);
    height = std::max(height, kViewMinClientHeight);
    ViewLayout layout = {};
    int leftWidth = std::min(400, std::max(340, width * 27 / 100));
    layout.aircraft = Box(0, 0, leftWidth, kDialogHeight);
    layout.flags = Box(0, kDialogHeight - 4, leftWidth, kDialogHeight + 40);
    int stationsBottom = height - kGap;
    // The effect files get their box only where the stations keep a useful height.
    if (effects && height - 104 - (kDialogHeight + 44) >= 80) {
        layout.effects = Box(0, height - 104, leftWidth, height - kGap);
        stationsBottom = height - 110;
    }
    layout.stations = Box(0, kDialogHeight + 44, leftWidth, stationsBottom);

    int left = leftWidth + 10;
    int right = width - kGap;
    int topHeight = std::min(212, std::max(130, height * 24 / 100));
    int split = left + (right - left) * 55 / 100;
    layout.screen = Box(left, kGap, split - 4, kGap + topHeight);
    layout.check = Box(split + 4, kGap, right, kGap + topHeight);
    layout.bar = Box(left, layout.screen.bottom + 6, right, layout.screen.bottom + 36);
    int viewsTop = layout.bar.bottom + 6;
    int viewsHeight = height - kGap - viewsTop - kGap;
    int planHeight = viewsHeight * (toScale ? 64 : 58) / 100;
    layout.plan = Box(left, viewsTop, right, viewsTop + planHeight);
    layout.side = Box(left, layout.plan.bottom + kGap, right, height - kGap);
    return layout;
}
