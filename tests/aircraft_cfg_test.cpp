// The aircraft.cfg reader: the lenient syntax on every kind of line end, the numbered
// lists and their consecutiveness, variations and atc_model, broken and foreign input,
// the centre of gravity and the outline.
#include <windows.h>

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "simhost/lib/AircraftCfg.h"

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
    // smoke line (1, 2, 3, "fx name").
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
            EXPECT_EQ(cfg.smokes[0].lon, 1);
            EXPECT_EQ(cfg.smokes[0].lat, 2);
            EXPECT_EQ(cfg.smokes[0].vert, 3);
            EXPECT_EQ(cfg.smokes[0].effect, "fx name");
        }
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
    // A 10 MB line and 100 000 short lines, each well under a second.
    std::string longLine = "[fltsim.0]\ntitle=" + std::string(10 << 20, '7') + "\n[SMOKESYSTEM]\nsmoke.0=" +
                           std::string(10 << 20, '1') + ",0,0,x\n";
    std::string manyLines = "[fltsim.0]\ntitle=T\n[SMOKESYSTEM]\n";
    for (int k = 0; k < 100000; k++) {
        manyLines += "smoke." + std::to_string(k) + " = 1, 2, 3, fx_" + std::to_string(k) + " ; c\r\n";
    }
    for (const std::string* text : {&longLine, &manyLines}) {
        DWORD start = GetTickCount();
        AircraftCfg cfg;
        std::string error;
        ASSERT_TRUE(ParseAircraftCfg(*text, &cfg, &error)) << error;
        EXPECT_LT(GetTickCount() - start, 3000u);
        EXPECT_EQ(cfg.smokes.size(), text == &longLine ? 0u : 100000u);
    }
}

} // namespace
