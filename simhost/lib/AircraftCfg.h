// The simulator's own aircraft description, aircraft.cfg, read as leniently as the
// simulator reads it: section and key names in any letter case, blanks and tabs around
// names and values, whole-line and trailing comments (';' or '//'), values in double
// quotes, trailing commas, CRLF, LF, CR or mixed line ends, ANSI text kept as its bytes.
// Numbered lists (smoke.N, station_load.N, point.N, [fltsim.N]) start at 0 and are read
// while their numbers are consecutive. Of a repeated key the first counts; repeated
// sections add up (the line rules are CfgScanner.h's).
//
// Numbers are read as strtod reads a field's start ("41ft" is 41). A scalar key whose
// field holds no finite number counts as absent; a list entry with such a field or too
// few fields ends its list like a gap, so entry k is always the file's number k, and a
// [fltsim.N] without a title ends the variations. Each such line leaves a note.
//
// Positions are feet. Those of [WEIGHT_AND_BALANCE], [SMOKESYSTEM], [GeneralEngineData]
// and [contact_points] are from the reference datum, those of [airplane_geometry] from the simulator's
// reference point; `datumLon` (reference_datum_position) is the datum's distance from
// the reference point, so a datum position p lies at p + datumLon from the reference point.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct CfgVariation {
    int index;             // N of [fltsim.N]
    int line;              // line of its section header
    std::string title;     // file bytes
    std::string atcModel;  // file bytes; empty when the key is absent or empty
    bool hasAtcModel;      // the key is present in this section
};

struct CfgStation {
    double weight, lon, lat, vert; // pounds; feet from the datum
    std::string name;              // fifth field or station_name.N; file bytes, may be empty
};

// smoke.N = vert, lon, lat, effect name: this simulator's files give the VERTICAL
// position first, unlike every other position list of the file (files written for the
// 2006 successor give lon, lat, vert; see CfgSuccessorOrderEngine).
struct CfgSmoke {
    double lon, lat, vert; // feet from the datum: fields 2, 3 and 1 of the line
    std::string effect;    // as written (usually without .fx); file bytes
};

// engine.N = lon, lat, vert of [GeneralEngineData].
struct CfgEngine {
    double lon, lat, vert; // feet from the datum
};

struct CfgContactPoint {
    int pointClass;        // 1 wheel, 2 scrape, 3 skid, 4 float, 5 water rudder, 0 none
    double lon, lat, vert; // feet from the datum
};

// A line the reader passed over (a list entry without its numbers, say), for readiness reports.
struct CfgNote {
    int line;
    std::string what;
};

struct AircraftCfg {
    std::string path;
    int lines = 0;               // lines in the file
    std::vector<CfgNote> notes;  // at most kCfgMaxNotes, in line order
    std::vector<CfgVariation> variations;

    std::string generalAtcModel; // [General] atc_model, file bytes
    bool hasGeneralAtcModel = false;

    // [WEIGHT_AND_BALANCE]
    std::optional<double> maxGrossWeight, emptyWeight;
    double datumLon = 0, datumLat = 0, datumVert = 0;          // reference_datum_position
    std::optional<double> emptyCgLon, emptyCgLat, emptyCgVert; // empty_weight_CG_position
    std::optional<double> cgForwardLimit, cgAftLimit;          // fractions of the MAC
    std::vector<CfgStation> stations;

    // [SMOKESYSTEM]
    std::vector<CfgSmoke> smokes;

    // [GeneralEngineData]
    std::vector<CfgEngine> engines;

    // [contact_points]
    std::vector<CfgContactPoint> contactPoints;

    // [airplane_geometry]; positions from the reference point
    std::optional<double> wingArea, wingSpan, wingRootChord, wingSweep, wingApexLon;
    std::optional<double> htailLon, vtailLon;
};

const size_t kCfgMaxNotes = 100;

// Parses the text of an aircraft.cfg; any bytes are safe. False, with `error` as
// "line N: what", for a text that is not an aircraft.cfg: no [fltsim.0] section (N is the
// last line), a [fltsim.0] without a title (N is its header), or UTF-16 text (line 1).
bool ParseAircraftCfg(const std::string& text, AircraftCfg* cfg, std::string* error);
// Reads and parses a file; `error` then starts with the file's path.
bool ReadAircraftCfg(const std::string& path, AircraftCfg* cfg, std::string* error);

// The atc_model the stand-in host gives variation `v`: its own when not empty, else [General]'s.
std::string CfgAtcModel(const AircraftCfg& cfg, const CfgVariation& v);

// A smoke line written in the successor's order lon, lat, vert: the engine.N it lies at
// (within kCfgEngineTolerance feet) when its fields are read in that order, while read in
// this simulator's order vert, lon, lat it lies at no engine; -1 otherwise.
const double kCfgEngineTolerance = 1.0;
int CfgSuccessorOrderEngine(const AircraftCfg& cfg, const CfgSmoke& smoke);

// The mean aerodynamic chord and the longitudinal position of its leading edge (from the
// reference point), reconstructed from [airplane_geometry]; false when the geometry lacks
// span, area or root chord.
bool CfgMeanAerodynamicChord(const AircraftCfg& cfg, double* mac, double* lemacLon);
// The centre of gravity as a fraction of the MAC with the given station weights (index 0
// is station_load.0; missing entries count as 0 lb): the weight-averaged longitudinal
// position of the empty aircraft and the stations, fuel left out. False without the
// empty weight, its CG position or the MAC.
bool CfgCentreOfGravity(const AircraftCfg& cfg, const std::vector<double>& stationWeights, double* fraction);

// The aircraft's outline as the file gives it: the box around its wheels and scrape points
// of [contact_points] (datum feet), widened to +-wing_span/2 laterally. The contact points
// rarely reach the top of the aircraft, so the box reaches at least as far above the datum
// as its lowest point lies below it. `known` is false without any wheel or scrape point.
struct CfgOutline {
    double minLon, maxLon, minLat, maxLat, minVert, maxVert;
    bool known;
};
bool CfgAircraftOutline(const AircraftCfg& cfg, CfgOutline* outline);
// Whether a point in the effect-slot axes (x lateral right, y vertical up, z longitudinal
// forward, feet from the datum) lies outside the outline by more than kCfgOutlineTolerance
// feet on any axis (an exit point may sit on the skin), or is not finite. False for an
// unknown outline.
const double kCfgOutlineTolerance = 1.0;
bool CfgPointOutside(const CfgOutline& outline, double x, double y, double z);
