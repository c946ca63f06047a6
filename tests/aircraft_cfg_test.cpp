// The aircraft.cfg reader: the lenient syntax on every kind of line end, the numbered
// lists and their consecutiveness, variations and atc_model, broken and foreign input,
// the centre of gravity and the outline.
#include <windows.h>

#include <math.h>
#include <stdio.h>
#include <string.h>

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "simhost/lib/AircraftCfg.h"
#include "simhost/lib/CfgScanner.h"
#include "simhost/lib/SimAircraftFile.h"
#include "simhost/lib/SimScript.h"

namespace {

// The text with each "\n" replaced by `eol`.
std::string WithLineEnds(const std::string& text, const std::string& eol) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += eol;
        } else {
            out += c;
        }
    }
    return out;
}

const char* const kLineEnds[] = {"\n", "\r\n", "\r"};

TEST(AircraftCfgReader, SyntaxOnEveryLineEnd) {
    // Each text must give title "T", atc_model "Ан-12" (CP1251 bytes) and exactly one
    // smoke line (1, 2, 3, "fx name"): vertical 1, longitudinal 2, lateral 3.
    struct Row {
        const char* what;
        const char* text;
    } rows[] = {
        {"plain", "[fltsim.0]\ntitle=T\natc_model=Ан-12\n[SMOKESYSTEM]\nsmoke.0=1,2,3,fx name\n"},
        {"letter case", "[FltSim.0]\nTITLE=T\nAtc_Model=Ан-12\n[smokesystem]\nSMOKE.0=1,2,3,fx name"},
        {"blanks and tabs", "  [ fltsim.0 ]  \n\t title \t=\t T \t\n atc_model = Ан-12\n[SmokeSystem]\n"
                            " smoke.0 = 1 ,\t2 , 3 , fx name \t\n"},
        {"comments", ";/ header\n// note\n[fltsim.0] ; c\ntitle=T ; trailing\natc_model=Ан-12// c\n"
                     "[SMOKESYSTEM]\n;smoke.0=9,9,9,x\nsmoke.0=1,2,3,fx name // trailing\n"},
        {"quotes", "[fltsim.0]\ntitle=\"T\" ; c\natc_model=\"Ан-12\"\n[SMOKESYSTEM]\nsmoke.0=\"1, 2, 3, fx name\"\n"},
        {"trailing commas", "[fltsim.0]\ntitle=T,\natc_model=Ан-12 ,\n[SMOKESYSTEM]\nsmoke.0=1,2,3,fx name,, \n"},
        {"first key wins", "[fltsim.0]\ntitle=T\ntitle=U\natc_model=Ан-12\n[SMOKESYSTEM]\nsmoke.0=1,2,3,fx name\n"
                           "smoke.0=7,7,7,other\n"},
        {"repeated section adds", "[fltsim.0]\ntitle=T\n[SMOKESYSTEM]\nsmoke.0=1,2,3,fx name\n[fltsim.0]\n"
                                  "title=U\natc_model=Ан-12\n"},
        {"byte-order mark, broken lines", "\xEF\xBB\xBF[fltsim.0]\ntitle=T\njunk line\n[unclosed\n"
                                          "atc_model=Ан-12\n=lost\n[SMOKESYSTEM]\nsmoke.0=1,2,3,fx name\n"},
        {"strtod leniency", "[fltsim.0]\ntitle=T\natc_model=Ан-12\n[SMOKESYSTEM]\nsmoke.0=1ft,+2.,3e0,\"fx name\"\n"},
    };
    for (const Row& row : rows) {
        for (const char* eol : kLineEnds) {
            SCOPED_TRACE(std::string(row.what) + (eol[0] == '\r' ? (eol[1] ? " CRLF" : " CR") : " LF"));
            AircraftCfg cfg;
            std::string error;
            ASSERT_TRUE(ParseAircraftCfg(WithLineEnds(row.text, eol), &cfg, &error)) << error;
            ASSERT_EQ(cfg.variations.size(), 1u);
            EXPECT_EQ(cfg.variations[0].title, "T");
            EXPECT_EQ(CfgAtcModel(cfg, cfg.variations[0]), "\xC0\xED-12");
            ASSERT_EQ(cfg.smokes.size(), 1u);
            EXPECT_EQ(cfg.smokes[0].vert, 1);
            EXPECT_EQ(cfg.smokes[0].lon, 2);
            EXPECT_EQ(cfg.smokes[0].lat, 3);
            EXPECT_EQ(cfg.smokes[0].effect, "fx name");
        }
    }
}

// The one line reader behind aircraft.cfg, .aircraft files and scripts: after a byte-order
// mark, comments and a blank line, each names its fault on line 4 on every line end.
TEST(AircraftCfgReader, OneLineReaderForEveryFile) {
    for (const char* eol : kLineEnds) {
        SCOPED_TRACE(eol[0] == '\r' ? (eol[1] ? "CRLF" : "CR") : "LF");
        std::string error;
        AircraftCfg cfg;
        EXPECT_FALSE(ParseAircraftCfg(WithLineEnds("\xEF\xBB\xBF[General]\n;c\n\natc_model=X\n", eol), &cfg, &error));
        EXPECT_EQ(error, "line 4: not an aircraft.cfg: no [fltsim.0] section");
        SimAircraftFile file;
        EXPECT_FALSE(SimParseAircraftFile(WithLineEnds("\xEF\xBB\xBF# c\natc_model = X # c\n\nbogus line\n", eol), &file, &error));
        EXPECT_EQ(error, "line 4: expected key = value");
        std::vector<SimScriptStep> steps;
        EXPECT_FALSE(SimParseScript(WithLineEnds("\xEF\xBB\xBF# c\nsay \"# kept\"\n\njump\n", eol), &steps, &error));
        EXPECT_EQ(error, "line 4: unknown step 'jump'");
        ASSERT_TRUE(SimParseScript(WithLineEnds("say \"# kept\" # c\n", eol), &steps, &error)) << error;
        ASSERT_EQ(steps.size(), 1u);
        EXPECT_EQ(steps[0].args, std::vector<std::string>{"# kept"});
    }
}

TEST(AircraftCfgReader, ListsAreReadWhileConsecutive) {
    struct Row {
        const char* what;
        const char* body; // after a [fltsim.0] with a title
        size_t smokes, stations, points;
        const char* lastStationName;
    } rows[] = {
        {"none", "", 0, 0, 0, ""},
        {"gap ends the list", "[SMOKESYSTEM]\nsmoke.0=0,0,0,a\nsmoke.1=0,0,0,b\nsmoke.3=0,0,0,d\n", 2, 0, 0, ""},
        {"not from 0", "[SMOKESYSTEM]\nsmoke.1=0,0,0,b\n", 0, 0, 0, ""},
        {"broken entry ends the list", "[SMOKESYSTEM]\nsmoke.0=0,0,0,a\nsmoke.1=0,zero,0,b\nsmoke.2=0,0,0,c\n", 1, 0, 0, ""},
        {"too few numbers", "[SMOKESYSTEM]\nsmoke.0=0,0\n", 0, 0, 0, ""},
        {"out of order in the file", "[SMOKESYSTEM]\nsmoke.1=0,0,0,b\nsmoke.0=0,0,0,a\n", 2, 0, 0, ""},
        {"station names: fifth field", "[WEIGHT_AND_BALANCE]\nstation_load.0=170,41,-1.5,0,Pilot\n"
                                       "station_load.1=\"100, 0, 0, 0, Cargo hold\"\n", 0, 2, 0, "Cargo hold"},
        {"station names: station_name.N", "[WEIGHT_AND_BALANCE]\nstation_load.0=170,41,-1.5,0\n"
                                          "station_name.0=Pilot seat\n", 0, 1, 0, "Pilot seat"},
        {"nan weight", "[WEIGHT_AND_BALANCE]\nstation_load.0=nan,0,0,0\n", 0, 0, 0, ""},
        {"contact points", "[contact_points]\npoint.0=1,-20,0,-8,1500\npoint.1=2,0,60,0\npoint.3=1,0,0,0\n", 0, 0, 2, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        AircraftCfg cfg;
        std::string error;
        ASSERT_TRUE(ParseAircraftCfg(std::string("[fltsim.0]\ntitle=T\n") + row.body, &cfg, &error)) << error;
        EXPECT_EQ(cfg.smokes.size(), row.smokes);
        EXPECT_EQ(cfg.stations.size(), row.stations);
        EXPECT_EQ(cfg.contactPoints.size(), row.points);
        if (row.stations) {
            EXPECT_EQ(cfg.stations.back().name, row.lastStationName);
        }
        for (size_t k = 0; k < cfg.smokes.size(); k++) {
            EXPECT_EQ(cfg.smokes[k].effect, std::string(1, (char)('a' + k)));
        }
    }
}

// smoke.N = vert, lon, lat: each slot's x is the line's third field, y its first, z its
// second; a line written in the successor's lon, lat, vert is known by the engine it then
// lies at. The engines of every row are a mirrored pair, as the file gives them.
TEST(AircraftCfgReader, SmokeLinesVerticalFirst) {
    const std::string engines = "[GeneralEngineData]\nEngine.0 = -42.0, -8.0, -1.6\nengine.1=-42.0, 8.0, -1.6\n";
    struct Slot {
        double x, y, z;
        int successorEngine;
    };
    struct Row {
        const char* what;
        std::string body;
        std::vector<Slot> slots;
    } rows[] = {
        {"this simulator's order, a mirrored pair",
         "[SMOKESYSTEM]\nSmoke.0=-1.500, -41.90, -7.80, fx_l\nsmoke.1=-1.500, -41.90, 7.80, fx_r\n" + engines,
         {{-7.8, -1.5, -41.9, -1}, {7.8, -1.5, -41.9, -1}}},
        {"the successor's order", "[SMOKESYSTEM]\nsmoke.0=-41.90, -7.80, -1.500, fx_l\nsmoke.1=-41.9, 7.8, -1.5\n" + engines,
         {{-1.5, -41.9, -7.8, 0}, {-1.5, -41.9, 7.8, 1}}},
        {"successor's order beyond a foot", "[SMOKESYSTEM]\nsmoke.0=-41.90, -7.80, -0.5, fx_l\n" + engines,
         {{-0.5, -41.9, -7.8, -1}}},
        {"no engines to tell by", "[SMOKESYSTEM]\nsmoke.0=-41.90, -7.80, -1.500, fx_l\n", {{-1.5, -41.9, -7.8, -1}}},
        {"at an engine either way", "[SMOKESYSTEM]\nsmoke.0=0, 0, 0, fx\n[GeneralEngineData]\nengine.0=0.5,0,0\n",
         {{0, 0, 0, -1}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        AircraftCfg cfg;
        SimAircraftFile file;
        std::string error;
        ASSERT_TRUE(ParseAircraftCfg("[fltsim.0]\ntitle=T\n" + row.body, &cfg, &error)) << error;
        ASSERT_TRUE(SimAircraftFromCfg(cfg, 0, &file, &error)) << error;
        ASSERT_EQ(file.spec.slots.size(), row.slots.size());
        for (size_t k = 0; k < row.slots.size(); k++) {
            EXPECT_EQ(file.spec.slots[k].x, row.slots[k].x) << k;
            EXPECT_EQ(file.spec.slots[k].y, row.slots[k].y) << k;
            EXPECT_EQ(file.spec.slots[k].z, row.slots[k].z) << k;
            EXPECT_EQ(CfgSuccessorOrderEngine(cfg, cfg.smokes[k]), row.slots[k].successorEngine) << k;
        }
    }
}

TEST(AircraftCfgReader, VariationsAndAtcModel) {
    struct Row {
        const char* text;
        size_t variations;
        const char* modelOfLast;
    } rows[] = {
        {"[General]\natc_model=G\n[fltsim.0]\ntitle=A\n", 1, "G"},
        {"[fltsim.0]\ntitle=A\natc_model=V\n", 1, "V"},
        {"[GENERAL]\natc_model=G\n[fltsim.0]\ntitle=A\n[fltsim.1]\ntitle=B\natc_model=V\n", 2, "V"},
        {"[general]\natc_model=G\n[fltsim.0]\ntitle=A\n[fltsim.1]\ntitle=B\natc_model=\n", 2, "G"},
        {"[fltsim.0]\ntitle=A\n[fltsim.1]\ntitle=B\n[fltsim.2]\natc_model=X\n[fltsim.3]\ntitle=D\n", 2, ""},
        {"[fltsim.1]\ntitle=B\n[fltsim.0]\ntitle=A\n[fltsim.3]\ntitle=D\n", 2, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        AircraftCfg cfg;
        std::string error;
        ASSERT_TRUE(ParseAircraftCfg(row.text, &cfg, &error)) << error;
        ASSERT_EQ(cfg.variations.size(), row.variations);
        for (size_t n = 0; n < cfg.variations.size(); n++) {
            EXPECT_EQ(cfg.variations[n].index, (int)n);
            EXPECT_EQ(cfg.variations[n].title, std::string(1, (char)('A' + n)));
        }
        EXPECT_EQ(CfgAtcModel(cfg, cfg.variations.back()), row.modelOfLast);
    }
}

TEST(AircraftCfgReader, NotAnAircraftCfg) {
    struct Row {
        std::string text;
        const char* error;
    } rows[] = {
        {"", "line 1: not an aircraft.cfg: no [fltsim.0] section"},
        {"[General]\natc_model=X\n[fltsim.1]\ntitle=B\n", "line 4: not an aircraft.cfg: no [fltsim.0] section"},
        {"[General]\n\n[fltsim.0]\natc_model=X\n", "line 3: not an aircraft.cfg: [fltsim.0] has no title"},
        {std::string("\xFF\xFE[\0f\0", 6), "line 1: UTF-16 text; an aircraft.cfg is ANSI text"},
    };
    for (const Row& row : rows) {
        AircraftCfg cfg;
        std::string error;
        EXPECT_FALSE(ParseAircraftCfg(row.text, &cfg, &error));
        EXPECT_EQ(error, row.error);
    }
}

TEST(AircraftCfgReader, ScalarNumbers) {
    AircraftCfg cfg;
    std::string error;
    ASSERT_TRUE(ParseAircraftCfg("[fltsim.0]\ntitle=T\n[WEIGHT_AND_BALANCE]\nempty_weight=abc\nmax_gross_weight=12abc\n"
                                 "reference_datum_position=-2, 0.5\nCG_forward_limit=inf\ncg_aft_limit=0x10\n"
                                 "empty_weight_cg_position=" + std::string(1000, '1') + "\n",
                                 &cfg, &error));
    EXPECT_FALSE(cfg.emptyWeight);
    ASSERT_TRUE(cfg.maxGrossWeight);
    EXPECT_EQ(*cfg.maxGrossWeight, 12);
    EXPECT_EQ(cfg.datumLon, -2);
    EXPECT_EQ(cfg.datumLat, 0.5);
    EXPECT_EQ(cfg.datumVert, 0);
    EXPECT_FALSE(cfg.cgForwardLimit);
    EXPECT_FALSE(cfg.cgAftLimit);
    EXPECT_FALSE(cfg.emptyCgLon);
    EXPECT_EQ(cfg.notes.size(), 4u); // one per field that is there but no number; missing fields are absent
}

// Every field reads as the C library's strtod reads its start, bit for bit: edge forms, and
// plain decimals of every length and point position (read without strtod).
TEST(AircraftCfgReader, NumbersAsStrtodReadsThem) {
    const struct {
        const char* field;
        bool number;
        double value;
    } cases[] = {{"-0", true, -0.0},  {"+.5", true, 0.5},       {"5.", true, 5},        {"007", true, 7},
                 {"1e3", true, 1000}, {"12abc", true, 12},      {"1.2.3", true, 1.2},   {"0x10", false, 0},
                 {".", false, 0},     {"-", false, 0},          {"nan", false, 0},      {"1e999", false, 0},
                 {"1234567890123456", true, 1234567890123456.0}, {"-4.7", true, -4.7}};
    for (const auto& c : cases) {
        double value = 12345;
        EXPECT_EQ(CfgNumber(c.field, &value), c.number) << c.field;
        if (c.number) {
            EXPECT_EQ(memcmp(&value, &c.value, sizeof(value)), 0) << c.field << " read as " << value;
        }
    }
    std::mt19937 random(7);
    for (int i = 0; i < 20000; i++) {
        std::string field = random() % 2 ? "-" : "";
        int digits = 1 + (int)(random() % 15), point = (int)(random() % (digits + 1));
        for (int d = 0; d < digits; d++) {
            field += (d == point && d > 0 ? "." : "") + std::string(1, (char)('0' + random() % 10));
        }
        double value = 0, expected = strtod(field.c_str(), nullptr);
        ASSERT_TRUE(CfgNumber(field, &value)) << field;
        ASSERT_EQ(memcmp(&value, &expected, sizeof(value)), 0) << field << ": " << value << " against " << expected;
    }
}

TEST(AircraftCfgReader, AnyBytesAndHugeInputStayLinear) {
    std::mt19937 random(9001);
    for (int i = 0; i < 3000; i++) {
        std::string text(random() % 400, '\0');
        for (char& c : text) {
            c = "[]=;/,\"\r\n \tfltsim.0title"[random() % 23];
            if (random() % 8 == 0) {
                c = (char)random();
            }
        }
        AircraftCfg cfg;
        std::string error;
        if (!ParseAircraftCfg(text, &cfg, &error)) {
            EXPECT_EQ(error.compare(0, 5, "line "), 0) << error;
        }
    }
    // A 10 MB line and 100 000 short lines: linear, so ten times the input takes about ten
    // times as long (a quadratic reading would take a hundred); timed against a tenth of
    // each so that a slow or busy machine does not decide.
    auto longLine = [](size_t bytes) {
        return "[fltsim.0]\ntitle=" + std::string(bytes, '7') + "\n[SMOKESYSTEM]\nsmoke.0=" + std::string(bytes, '1') +
               ",0,0,x\n";
    };
    auto manyLines = [](int count) {
        std::string text = "[fltsim.0]\ntitle=T\n[SMOKESYSTEM]\n";
        for (int k = 0; k < count; k++) {
            text += "smoke." + std::to_string(k) + " = 1, 2, 3, fx_" + std::to_string(k) + " ; c\r\n";
        }
        return text;
    };
    struct Row {
        std::string small, large;
        size_t smokes;
    } rows[] = {{longLine(1 << 20), longLine(10 << 20), 0}, {manyLines(10000), manyLines(100000), 100000}};
    for (const Row& row : rows) {
        DWORD ms[2];
        for (int i = 0; i < 2; i++) {
            DWORD start = GetTickCount();
            AircraftCfg cfg;
            std::string error;
            ASSERT_TRUE(ParseAircraftCfg(i ? row.large : row.small, &cfg, &error)) << error;
            ms[i] = GetTickCount() - start;
            if (i) {
                EXPECT_EQ(cfg.smokes.size(), row.smokes);
            }
        }
        EXPECT_LT(ms[1], 30 * ms[0] + TimeBudget(100)) << ms[0] << " ms for a tenth";
    }
}

// A small transport: two stations, three smoke lines, a swept wing. atc_model Ан-12 (CP1251).
const char kTransportCfg[] =
    "[General]\r\natc_model=Old name\r\n"
    "[fltsim.0]\r\ntitle=Transport Ан-12 grey\r\natc_model=Ан-12\r\n"
    "[fltsim.1]\r\ntitle=Transport white\r\n"
    "[WEIGHT_AND_BALANCE]\r\nempty_weight=60000\r\nreference_datum_position=-2,0,0\r\n"
    "empty_weight_CG_position=1,0,0\r\nstation_load.0=200,20,0,0,Экипаж\r\nstation_load.1=1000,-10,0,0\r\n"
    "[SMOKESYSTEM]\r\nsmoke.0=1,-30,2,fx_a\r\nsmoke.1=4,-31,-2,fx_b\r\nsmoke.2=7,5,6,fx c\r\n"
    "[airplane_geometry]\r\nwing_area=1000\r\nwing_span=100\r\nwing_root_chord=15\r\nwing_sweep=30\r\n"
    "wing_pos_apex_lon=5\r\n"
    "[contact_points]\r\npoint.0=1,20,0,-8\r\npoint.1=1,-5,10,-8\r\npoint.2=2,-40,0,3\r\npoint.3=3,60,0,-20\r\n";

// The centre of gravity by hand for kTransportCfg: taper 2*1000/(100*15)-1 = 1/3, so
// MAC = 2/3*15*(1+1/3+1/9)/(4/3) = 130/12 and LEMAC = 5 - 100/6*(5/3)/(4/3)*tan 30deg;
// the weight-averaged position is from the datum, which lies 2 ft aft of the reference point.
double HandCentreOfGravity(double w0, double w1) {
    double mac = 130.0 / 12.0;
    double lemac = 5.0 - 100.0 / 6.0 * (5.0 / 3.0) / (4.0 / 3.0) * tan(30.0 * 3.14159265358979323846 / 180.0);
    double cg = (60000.0 * 1.0 + w0 * 20.0 + w1 * -10.0) / (60000.0 + w0 + w1) - 2.0;
    return (lemac - cg) / mac;
}

TEST(AircraftCfgGeometry, OutlineAndPointsOutside) {
    AircraftCfg cfg;
    std::string error;
    ASSERT_TRUE(ParseAircraftCfg(kTransportCfg, &cfg, &error)) << error;
    CfgOutline outline;
    ASSERT_TRUE(CfgAircraftOutline(cfg, &outline));
    // The skid at lon 60 is no outline point; the span widens it to +-50; the top is at +8.
    EXPECT_EQ(outline.minLon, -40);
    EXPECT_EQ(outline.maxLon, 20);
    EXPECT_EQ(outline.minLat, -50);
    EXPECT_EQ(outline.maxLat, 50);
    EXPECT_EQ(outline.minVert, -8);
    EXPECT_EQ(outline.maxVert, 8);
    struct Row {
        double x, y, z;
        bool outside;
    } rows[] = {{0, 0, 0, false},    {-50.9, 0, 0, false}, {51.1, 0, 0, true}, {0, -9.1, 0, true},
                {0, 8.9, 0, false},  {0, 0, -41.5, true},  {0, 0, 20.5, false}, {0, 0, 21.5, true},
                {NAN, 0, 0, true}};
    for (const Row& row : rows) {
        EXPECT_EQ(CfgPointOutside(outline, row.x, row.y, row.z), row.outside) << row.x << " " << row.y << " " << row.z;
    }
    AircraftCfg bare;
    ASSERT_TRUE(ParseAircraftCfg("[fltsim.0]\ntitle=T\n[airplane_geometry]\nwing_span=30\n", &bare, &error));
    EXPECT_FALSE(CfgAircraftOutline(bare, &outline));
    EXPECT_FALSE(CfgPointOutside(outline, 1e6, 0, 0));
    double fraction;
    EXPECT_FALSE(CfgCentreOfGravity(bare, {}, &fraction)) << "no MAC without area and root chord";
}

TEST(AircraftCfgSource, FoldersFilesVariationsAndTheSimulatorList) {
    ScratchRoot root;
    CreateDirectoryA("Aircraft", nullptr);
    CreateDirectoryA("Aircraft\\Transport", nullptr);
    CreateDirectoryA("Aircraft\\broken", nullptr);
    CreateDirectoryA("Aircraft\\empty", nullptr);
    WriteWholeFile("Aircraft\\Transport\\AIRCRAFT.CFG", kTransportCfg);
    WriteWholeFile("Aircraft\\broken\\aircraft.cfg", "[General]\natc_model=X\n");
    WriteWholeFile("plain.aircraft", "atc_model = Glider\n");

    SimAircraftFile file;
    std::string error;
    ASSERT_TRUE(SimReadAircraftSource("Aircraft\\Transport", 1, &file, &error)) << error;
    EXPECT_EQ(file.title, "Transport white");
    EXPECT_EQ(file.spec.atcModel, "Old name") << "[General]'s, the variation has none";
    ASSERT_TRUE(SimReadAircraftSource("Aircraft\\Transport\\aircraft.cfg", 0, &file, &error)) << error;
    EXPECT_EQ(file.title, u8"Transport Ан-12 grey");
    EXPECT_EQ(file.titleBytes, "Transport \xC0\xED-12 grey");
    EXPECT_EQ(file.spec.atcModel, "\xC0\xED-12");
    EXPECT_TRUE(file.spec.onGround && file.spec.parkingBrake);
    EXPECT_EQ(file.spec.stations, 2u);
    EXPECT_EQ(file.spec.stationWeights, (std::vector<double>{200, 1000}));
    EXPECT_EQ(file.stationNames, (std::vector<std::string>{u8"Экипаж", ""}));
    ASSERT_EQ(file.spec.slots.size(), 3u);
    EXPECT_EQ(file.spec.slots[2].effectFile, "fx c");
    EXPECT_TRUE(file.liveCentreOfGravity);
    EXPECT_NEAR(file.centreOfGravity, HandCentreOfGravity(200, 1000), 1e-12);
    EXPECT_TRUE(file.outline.known);
    ASSERT_TRUE(SimReadAircraftSource("plain.aircraft", 0, &file, &error)) << error;
    EXPECT_EQ(file.spec.atcModel, "Glider");
    EXPECT_FALSE(file.spec.cfg);

    struct Refusal {
        const char* path;
        int fltsim;
        const char* error;
    } refusals[] = {
        {"Aircraft\\Transport", 2, "Aircraft\\Transport\\AIRCRAFT.CFG: no variation [fltsim.2] (the file has [fltsim.0] to [fltsim.1])"},
        {"Aircraft\\empty", 0, "Aircraft\\empty: no aircraft.cfg in this folder"},
        {"Aircraft\\broken", 0, "Aircraft\\broken\\aircraft.cfg: line 2: not an aircraft.cfg: no [fltsim.0] section"},
        {"plain.aircraft", 1, "plain.aircraft: a variation can be chosen only in an aircraft.cfg"},
        {"missing.cfg", 0, "missing.cfg: cannot open"},
    };
    for (const Refusal& r : refusals) {
        EXPECT_FALSE(SimReadAircraftSource(r.path, r.fltsim, &file, &error));
        EXPECT_EQ(error, r.error);
    }

    std::vector<std::string> problems;
    std::vector<SimListedAircraft> listed = SimListSimulatorAircraft(".", &problems);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[1].fltsim, 1);
    EXPECT_EQ(listed[1].title, "Transport white");
    EXPECT_EQ(listed[1].path, ".\\Aircraft\\Transport\\AIRCRAFT.CFG");
    EXPECT_EQ(problems.size(), 2u) << "broken and empty";
}

// The real DLL in the stand-in host on an aircraft built from kTransportCfg: its smoke
// lines are the slots the module moves, and the live centre of gravity follows the load.
class AircraftCfgInHostTest : public LoadedModuleFixture {};

TEST_F(AircraftCfgInHostTest, SlotsAxesAndLiveCentreOfGravity) {
    AircraftCfg cfg;
    SimAircraftFile file;
    std::string error;
    ASSERT_TRUE(ParseAircraftCfg(kTransportCfg, &cfg, &error)) << error;
    ASSERT_TRUE(SimAircraftFromCfg(cfg, 0, &file, &error)) << error;
    UseAircraft(file.spec);
    const double own[3][3] = {{2, 1, -30}, {-2, 4, -31}, {6, 7, 5}}; // x = lat, y = vert, z = lon
    auto expectOwnSlots = [&] {
        for (size_t k = 0; k < 3; k++) {
            SCOPED_TRACE("slot " + std::to_string(k));
            EXPECT_EQ(SimSlotName(aircraft_, k), SimHostSlotName(aircraft_, k));
            for (int axis = 0; axis < 3; axis++) {
                EXPECT_EQ(SimSlotCoord(aircraft_, k, axis), own[k][axis]);
            }
        }
    };
    expectOwnSlots();
    EXPECT_EQ(aircraft_->stationWeights, (std::vector<double>{200, 1000}));
    EXPECT_NEAR(SimCentreOfGravity(), HandCentreOfGravity(200, 1000), 1e-12);

    // Ten paratroopers, two streams from the side point, in simulator realism.
    WriteConfigFile("\xC0\xED-12", "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_number=10\nKFWS_Airdrop_metod=2\n"
                                   "KFWS_Airdrop_type=2\nKFWS_Airdrop_realism=1\nKFWS_Airdrop_left_x=-3\n"
                                   "KFWS_Airdrop_left_y=1\nKFWS_Airdrop_left_z=-10\n");
    SimTypeChord({VK_LCONTROL, VK_LSHIFT}, '1');
    SimPumpMessages(200);
    EXPECT_EQ(SimScreenText(), "Командир одуванчики на борту !!!") << Utf8(SimScreenText());
    EXPECT_EQ(aircraft_->stationWeights, (std::vector<double>{1100, 1100}));
    const double placed[3][3] = {{-3, 1, -10}, {3, 1, -10}, {0, 0, 0}};
    const char* names[3] = {"fx_KFWS_Desant.fx", "fx_KFWS_Desant.fx", ""};
    for (size_t k = 0; k < 3; k++) {
        SCOPED_TRACE("placed slot " + std::to_string(k));
        EXPECT_STREQ(SimSlotName(aircraft_, k), names[k]);
        for (int axis = 0; axis < 3; axis++) {
            EXPECT_EQ(SimSlotCoord(aircraft_, k, axis), placed[k][axis]);
        }
    }
    // The module's status report reads the moved centre of gravity.
    SimTypeChord({VK_LCONTROL, VK_LSHIFT}, '9');
    SimPumpMessages(200);
    char row[64];
    snprintf(row, sizeof(row), "    САХ = %.1f \n", HandCentreOfGravity(1100, 1100) * 100.0);
    EXPECT_NE(SimScreenText().find(row), std::string::npos) << Utf8(SimScreenText()) << " lacks " << Utf8(row);
    EXPECT_NE(HandCentreOfGravity(1100, 1100), HandCentreOfGravity(200, 1000));

    // The emergency unload gives the slots back; a fixed value then overrides the live one.
    SimTypeChord({VK_LCONTROL, VK_LSHIFT, VK_LMENU}, '1');
    SimPumpMessages(200);
    expectOwnSlots();
    EXPECT_NEAR(SimCentreOfGravity(), HandCentreOfGravity(0, 0), 1e-12);
    SimSetCentreOfGravity(0.3);
    EXPECT_EQ(SimCentreOfGravity(), 0.3);
}

// The example simulator folder: every variation listed, and the untidy file read as meant.
TEST(AircraftCfgSource, ExampleSimulatorFolder) {
    std::vector<std::string> problems;
    std::vector<SimListedAircraft> listed = SimListSimulatorAircraft(KFWS_EXAMPLE_SIMULATOR, &problems);
    EXPECT_TRUE(problems.empty()) << problems[0];
    std::string titles;
    for (const SimListedAircraft& a : listed) {
        titles += a.title + "|";
    }
    EXPECT_EQ(titles, u8"Tanker, yellow|Tanker, red|Trainer 1, red and white|Trainer 1, blue|"
                      u8"Ан-12 военно-транспортный, серый|Ан-12 Полярная авиация|Ан-12 грузовой, белый|");
    struct Row {
        const char* folder;
        int fltsim;
        const char* model;
        size_t stations, slots;
        const char* lastSlotEffect;
        const char* lastStationName;
    } rows[] = {
        {"Tanker", 0, "Tanker 2", 3, 3, "fx_engine smoke", "Water tank aft"},
        {"Tanker", 1, "Tanker", 3, 3, "fx_engine smoke", "Water tank aft"},
        {"Trainer", 1, "Trainer 1", 2, 0, "", "Passenger"},
        {"Transport", 2, "\xC0\xED-12", 4, 4, "fx_engine_smoke", "Cargo hold aft and ramp"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.folder) + " " + std::to_string(row.fltsim));
        SimAircraftFile file;
        std::string error;
        ASSERT_TRUE(SimReadAircraftSource(std::string(KFWS_EXAMPLE_SIMULATOR) + "/Aircraft/" + row.folder, row.fltsim,
                                          &file, &error)) << error;
        EXPECT_EQ(file.spec.atcModel, row.model);
        EXPECT_EQ(file.spec.stations, row.stations);
        ASSERT_EQ(file.spec.slots.size(), row.slots);
        if (row.slots) {
            EXPECT_EQ(file.spec.slots.back().effectFile, row.lastSlotEffect);
        }
        EXPECT_EQ(file.stationNames.back(), row.lastStationName);
        EXPECT_TRUE(file.liveCentreOfGravity);
        EXPECT_TRUE(file.outline.known);
        EXPECT_GT(file.centreOfGravity, 0.1) << "a realistic loading";
        EXPECT_LT(file.centreOfGravity, 0.4);
        EXPECT_TRUE(file.spec.cfg->notes.empty()) << file.spec.cfg->notes[0].line << ": " << file.spec.cfg->notes[0].what;
    }
}

} // namespace
