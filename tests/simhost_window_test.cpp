// simhost's window: the rule that places the views' labels, and the exit points moved
// with real mouse input (SendInput), saved with Ctrl+S and dropped with Отменить, in a
// host window drawn by the window's own code; the prepare command offered as a fix.
#include <windows.h>

#include <math.h>

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "MessageBoxWatcher.h"
#include "TestSupport.h"
#include "simhost/app/window/HostView.h"
#include "simhost/app/window/HostWindowState.h"
#include "simhost/app/window/LabelPlacement.h"
#include "simhost/app/window/PrepareOffer.h"
#include "simhost/app/window/ViewLayout.h"
#include "simhost/app/window/ViewMarks.h"
#include "simhost/lib/SimAircraftFile.h"
#include "simhost/lib/SimLines.h"
#include "simhost/lib/SimTexts.h"
#include "simhost/prepare/Prepare.h"

namespace {

// No label covers another label or any mark, and each lies inside the bounds.
void ExpectApart(const std::vector<RECT>& labels, const std::vector<RECT>& marks, const RECT& bounds) {
    for (size_t i = 0; i < labels.size(); i++) {
        EXPECT_TRUE(labels[i].left >= bounds.left && labels[i].right <= bounds.right && labels[i].top >= bounds.top &&
                    labels[i].bottom <= bounds.bottom)
            << "label " << i;
        for (size_t j = i + 1; j < labels.size(); j++) {
            EXPECT_FALSE(BoxesIntersect(labels[i], labels[j])) << "labels " << i << " and " << j;
        }
        for (size_t j = 0; j < marks.size(); j++) {
            EXPECT_FALSE(BoxesIntersect(labels[i], marks[j])) << "label " << i << " and mark " << j;
        }
    }
}

// A crowd: twelve marks within 20 pixels, each with a label wider than the crowd.
TEST(LabelPlacement, OffsetFirstThenLeaderLinesAndNeverAnOverlap) {
    RECT bounds = {0, 0, 500, 240};
    std::vector<LabelRequest> requests;
    std::vector<RECT> marks;
    for (int i = 0; i < 12; i++) {
        POINT at = {240 + (i % 4) * 6, 110 + (i / 4) * 6};
        requests.push_back({at, 8, {60, 13}});
        marks.push_back({at.x - 5, at.y - 5, at.x + 6, at.y + 6});
    }
    std::vector<LabelPlace> places = PlaceLabels(requests, marks, bounds);
    ASSERT_EQ(12u, places.size());
    std::vector<RECT> boxes;
    int leaders = 0;
    for (const LabelPlace& place : places) {
        ASSERT_TRUE(place.placed);
        boxes.push_back(place.box);
        leaders += place.leader;
    }
    ExpectApart(boxes, marks, bounds);
    // The first label sits beside its mark (the crowd is to its right, so on the left);
    // the crowd needs leader lines.
    EXPECT_FALSE(places[0].leader);
    EXPECT_NEAR(240 - 8, places[0].box.right, 3);
    EXPECT_GT(leaders, 0);
    // A label with no room anywhere is left out rather than laid over another.
    RECT tiny = {0, 0, 64, 28};
    std::vector<LabelPlace> two = PlaceLabels({{{32, 8}, 2, {60, 13}}, {{32, 8}, 2, {60, 13}}}, {}, tiny);
    EXPECT_TRUE(two[0].placed);
    EXPECT_FALSE(two[1].placed);
}

// From the smallest window to a large screen: every panel inside the client area, none over
// another, and views that keep a useful height.
TEST(ViewLayout, PanelsFitAndNeverOverlap) {
    const SIZE sizes[] = {{kViewMinClientWidth, kViewMinClientHeight}, {1350, 660}, {1164, 920}, {1900, 1000}};
    for (const SIZE& size : sizes) {
        for (bool effects : {false, true}) {
            ViewLayout l = ViewLayoutFor(size.cx, size.cy, true, effects);
            const RECT boxes[] = {l.aircraft, l.flags, l.stations, l.effects, l.screen, l.check, l.bar, l.plan, l.side};
            RECT client = {0, 0, size.cx, size.cy};
            for (size_t i = 0; i < sizeof(boxes) / sizeof(boxes[0]); i++) {
                SCOPED_TRACE(std::to_string(size.cx) + "x" + std::to_string(size.cy) + " box " + std::to_string(i));
                RECT inside;
                if (IsRectEmpty(&boxes[i])) {
                    continue;
                }
                EXPECT_TRUE(IntersectRect(&inside, &boxes[i], &client) && EqualRect(&inside, &boxes[i]));
                for (size_t j = i + 1; j < sizeof(boxes) / sizeof(boxes[0]); j++) {
                    // The flags' caption sits on the aircraft panel's last line.
                    EXPECT_TRUE(j == 1 && i == 0 ? true : !BoxesIntersect(boxes[i], boxes[j])) << j;
                }
            }
            EXPECT_GE(l.side.bottom - l.side.top, 120);
            EXPECT_GE(l.stations.bottom - l.stations.top, 80);
        }
    }
}

class WindowTest : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        SimSetLanguage(kSimRussian);
        static bool registered = false;
        if (!registered) {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = Proc;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
            windowClass.lpszClassName = "SimhostWindowTest";
            RegisterClassA(&windowClass);
            registered = true;
        }
    }
    void TearDown() override {
        if (window_) {
            DestroyWindow(window_);
        }
        HostFixture::TearDown();
    }
    void Open(const std::string& aircraftSource) {
        std::string error;
        ASSERT_TRUE(SimReadAircraftSource(aircraftSource, 0, &file_, &error)) << error;
        UseAircraft(file_.spec);
        model_.file = &file_;
        model_.aircraft = aircraft_;
        current_ = this;
        window_ = CreateWindowExA(0, "SimhostWindowTest", "simhost", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  kHostViewWidth, kHostViewHeight, nullptr, nullptr, GetModuleHandleA(nullptr),
                                  nullptr);
        HostViewCreateControls(window_);
        SetForegroundWindow(window_);
        SetFocus(window_);
        Paint();
    }
    void Paint() {
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        SimPumpMessages(100);
    }
    static void MouseTo(HWND window, POINT client) {
        ClientToScreen(window, &client);
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = client.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = client.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof(input));
        SimPumpMessages(30);
    }
    static void Button(bool down) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
        SendInput(1, &input, sizeof(input));
        SimPumpMessages(30);
    }
    // Drags exit point `which` in a view by whole feet: right is forward (z) in both views,
    // down is right (x) in the plan view and down (-y) in the side view.
    void Drag(int which, bool plan, int forwardFeet, int downFeet) {
        Paint();
        POINT at;
        double scale = 0;
        ASSERT_TRUE(HostViewExitAt(which, plan, &at, &scale));
        MouseTo(window_, at);
        Button(true);
        POINT to = {at.x + (LONG)lround(forwardFeet * scale), at.y + (LONG)lround(downFeet * scale)};
        MouseTo(window_, {(at.x + to.x) / 2, (at.y + to.y) / 2});
        MouseTo(window_, to);
        Button(false);
        Paint();
    }
    void Click(int control) {
        RECT box;
        GetWindowRect(GetDlgItem(window_, control), &box);
        POINT centre = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        ScreenToClient(window_, &centre);
        MouseTo(window_, centre);
        Button(true);
        Button(false);
        Paint();
    }
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        LRESULT result = 0;
        if (message == WM_PAINT && current_) {
            HostViewPaint(window, current_->model_);
            return 0;
        }
        if (current_ && HostViewMessage(window, message, wParam, lParam, &result)) {
            return result;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    static WindowTest* current_;
    SimAircraftFile file_;
    HostViewModel model_;
    HWND window_ = nullptr;
};
WindowTest* WindowTest::current_ = nullptr;

const std::string kTransport = std::string(KFWS_EXAMPLE_SIMULATOR) + "/Aircraft/Transport";
const std::string kModel = "\xC0\xED-12"; // Ан-12, as the module gets it

// The file's keys and values, in order, for comparing what a save changed.
std::map<std::string, std::string> Keys(const std::string& path) {
    std::map<std::string, std::string> keys;
    std::string text = ReadWholeFile(path);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        size_t equals = line.find('=');
        if (equals != std::string::npos) {
            keys[line.substr(0, equals)] = line.substr(equals + 1);
        }
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return keys;
}

TEST_F(WindowTest, LabelsOfTheExampleAircraftAndACrowdedOneStayApart) {
    WriteConfigFile(kModel, "[General]\r\nKFWS_Airdrop_variant=1\r\nKFWS_Airdrop_metod=2\r\nKFWS_Airdrop_type=3\r\n"
                            "KFWS_Airdrop_left_x=-5\r\nKFWS_Airdrop_left_y=0\r\nKFWS_Airdrop_left_z=-8\r\n"
                            "KFWS_Airdrop_down_x=0\r\nKFWS_Airdrop_down_y=-2\r\nKFWS_Airdrop_down_z=-21\r\n");
    Open(kTransport);
    for (bool plan : {true, false}) {
        const ViewLabelRecord& record = ViewLastLabels(plan);
        // Four stations, the slots, the exit points (S/S' share a spot in the side view,
        // R/R' in both).
        EXPECT_GE(record.labels.size(), plan ? 11u : 8u);
        EXPECT_EQ(0, record.left);
        RECT everywhere = {-10000, -10000, 10000, 10000};
        ExpectApart(record.labels, record.marks, everywhere);
    }
    // Eight slots a few pixels apart around the four exit points, all at the origin.
    std::string crowded = "title = Crowded\natc_model = Crowd\nstations = 2\n";
    for (int k = 0; k < 8; k++) {
        crowded += "slot = fx_smoke.fx " + std::to_string((k % 2) * 0.2) + " 0 " + std::to_string((k / 2) * 0.2) + "\n";
    }
    WriteWholeFile("crowded.aircraft", crowded);
    WriteConfigFile("Crowd", "[General]\r\nKFWS_Airdrop_variant=1\r\nKFWS_Airdrop_metod=2\r\nKFWS_Airdrop_type=3\r\n");
    DestroyWindow(window_);
    Open("crowded.aircraft");
    for (bool plan : {true, false}) {
        const ViewLabelRecord& record = ViewLastLabels(plan);
        EXPECT_GE(record.labels.size(), plan ? 6u : 3u);
        EXPECT_EQ(0, record.left);
        RECT everywhere = {-10000, -10000, 10000, 10000};
        ExpectApart(record.labels, record.marks, everywhere);
    }
}

TEST_F(WindowTest, DragsMoveTheRightCoordinatesAndCtrlSWritesExactlyTheSixKeys) {
    const std::string before =
        "; kept as it is\r\n[General]\r\nKFWS_Airdrop_variant=1\r\nKFWS_Airdrop_number=12\r\nKFWS_Airdrop_metod=2\r\n"
        "KFWS_Airdrop_type=3\r\nKFWS_Airdrop_realism=1\r\nKFWS_Airdrop_visual=1\r\nKFWS_Airdrop_left_x=-5.7\r\n"
        "KFWS_Airdrop_left_y=0\r\nKFWS_Airdrop_left_z=-8\r\nKFWS_Airdrop_down_x=3\r\nKFWS_Airdrop_down_y=-2\r\n"
        "KFWS_Airdrop_down_z=-21\r\nMaker_note=kept\r\n";
    WriteConfigFile(kModel, before);
    Open(kTransport);
    // S in the plan view: 3 ft forward, 2 ft to the right; R in the side view: 4 ft aft,
    // 1 ft up; R' (the mirror, at x = -3) in the plan view 2 ft down moves R 2 ft to the left.
    Drag(0, true, 3, 2);
    Drag(2, false, -4, -1);
    Drag(3, true, 0, 2);
    EXPECT_TRUE(HostViewUnsaved());
    EXPECT_EQ(before, ReadWholeFile(ConfigPathOf(kModel))); // nothing written before the save
    std::map<std::string, std::string> old = Keys(ConfigPathOf(kModel));
    SimTypeChord({VK_LCONTROL}, 'S');
    SimPumpMessages(200);
    EXPECT_FALSE(HostViewUnsaved());
    std::map<std::string, std::string> saved = Keys(ConfigPathOf(kModel));
    std::map<std::string, std::string> expected = old;
    expected["KFWS_Airdrop_left_x"] = "-3"; // -5.7 reads as -5
    expected["KFWS_Airdrop_left_y"] = "0";
    expected["KFWS_Airdrop_left_z"] = "-5";
    expected["KFWS_Airdrop_down_x"] = "1";
    expected["KFWS_Airdrop_down_y"] = "-1";
    expected["KFWS_Airdrop_down_z"] = "-25";
    EXPECT_EQ(expected, saved);
    EXPECT_EQ(0u, ReadWholeFile(ConfigPathOf(kModel)).find("; kept as it is\r\n[General]\r\n"));
}

TEST_F(WindowTest, CancelDropsTheMovesAndASaveWithoutAFileCreatesIt) {
    Open(kTransport);
    ASSERT_FALSE(FileExists(ConfigPathOf(kModel)));
    Drag(2, false, 2, 0);
    EXPECT_TRUE(HostViewUnsaved());
    Click(kHostViewCancelId);
    EXPECT_FALSE(HostViewUnsaved());
    EXPECT_FALSE(FileExists(ConfigPathOf(kModel)));
    // The dialog's creating mode: every key, in its order, the moved point's as moved.
    Drag(2, false, -6, 3);
    Click(kHostViewSaveId);
    EXPECT_EQ("[General]\r\nKFWS_Airdrop_variant=1\r\nKFWS_Airdrop_metod=1\r\nKFWS_Airdrop_type=1\r\n"
              "KFWS_Airdrop_realism=0\r\nKFWS_Airdrop_visual=0\r\nKFWS_Airdrop_number=0\r\n"
              "KFWS_Airdrop_left_x=0\r\nKFWS_Airdrop_left_y=0\r\nKFWS_Airdrop_left_z=0\r\n"
              "KFWS_Airdrop_down_x=0\r\nKFWS_Airdrop_down_y=-3\r\nKFWS_Airdrop_down_z=-6\r\n",
              ReadWholeFile(ConfigPathOf(kModel)));
}

// An aircraft without smoke lines: the window's check offers the prepare command as the
// fix; agreed to, the question named the file and the copy, the lines are there, the copy
// is the old file and the check, run again by itself, misses no slot.
TEST_F(WindowTest, ThePrepareFixAddsTheSmokeLinesAndTheCheckThenMissesNone) {
    std::string folder = root_->Path() + "\\Aircraft\\NoSmoke";
    CreateDirectoryA((root_->Path() + "\\Aircraft").c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string cfg = folder + "\\aircraft.cfg";
    std::string transport = ReadWholeFile(kTransport + "/aircraft.cfg"), original;
    SimLineReader lines(transport);
    for (SimLine line; lines.Next(&line);) {
        if (transport.compare(line.begin, 6, "smoke.") != 0) {
            original += transport.substr(line.begin, line.end - line.begin) + "\r\n";
        }
    }
    WriteWholeFile(cfg, original);
    Open(cfg);
    auto fixOf = [](const char* code) {
        for (const WindowFinding& finding : HostWindow().check.check.findings) {
            if (finding.code == code) return (int)finding.fix;
        }
        return -1;
    };
    ASSERT_EQ(kFixPrepare, fixOf("no-effect-slots"));
    MessageBoxWatcher boxes;
    EXPECT_TRUE(PrepareOffer(window_, cfg));
    ASSERT_EQ(2u, boxes.Seen().size());
    EXPECT_NE(std::string::npos, boxes.Seen()[0].text.find(PrepareBackupPath(cfg)));
    EXPECT_EQ(original, ReadWholeFile(PrepareBackupPath(cfg)));
    EXPECT_NE(std::string::npos, ReadWholeFile(cfg).find("smoke.0="));
    Paint();
    EXPECT_EQ(-1, fixOf("no-effect-slots"));
    EXPECT_EQ(-1, fixOf("too-few-effect-slots"));
}

} // namespace
