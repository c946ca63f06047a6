// What the stand-in host computes from an aircraft.cfg: the mean aerodynamic chord, the
// centre of gravity as a fraction of it, the outline of the aircraft, and whether a smoke
// line was written in the successor's order.
//
// The chord is the textbook one of a straight-tapered wing: taper
// l = 2*area/(span*rootChord) - 1, MAC = 2/3*rootChord*(1+l+l*l)/(1+l), its leading edge
// LEMAC = apexLon - span/6*(1+2l)/(1+l)*tan(sweep), from the reference point. The centre
// of gravity is the weight-averaged longitudinal position of the empty aircraft and the
// stations (datum feet, moved to the reference point by datumLon), as (LEMAC - cg)/MAC.
#include "simhost/lib/AircraftCfg.h"

#include <math.h>

namespace {

const double kPi = 3.14159265358979323846;

} // namespace

bool CfgMeanAerodynamicChord(const AircraftCfg& cfg, double* mac, double* lemacLon) {
    if (!cfg.wingSpan || !cfg.wingArea || !cfg.wingRootChord) {
        return false;
    }
    double span = *cfg.wingSpan, area = *cfg.wingArea, root = *cfg.wingRootChord;
    if (!(span > 0) || !(area > 0) || !(root > 0)) {
        return false;
    }
    double taper = 2 * area / (span * root) - 1;
    double sweep = cfg.wingSweep.value_or(0) * kPi / 180;
    double chord = 2.0 / 3.0 * root * (1 + taper + taper * taper) / (1 + taper);
    double leadingEdge = cfg.wingApexLon.value_or(0) - span / 6 * (1 + 2 * taper) / (1 + taper) * tan(sweep);
    if (!isfinite(chord) || !(chord > 0) || !isfinite(leadingEdge)) {
        return false;
    }
    *mac = chord;
    *lemacLon = leadingEdge;
    return true;
}

bool CfgCentreOfGravity(const AircraftCfg& cfg, const std::vector<double>& stationWeights, double* fraction) {
    double mac, lemac;
    if (!cfg.emptyWeight || !cfg.emptyCgLon || !CfgMeanAerodynamicChord(cfg, &mac, &lemac)) {
        return false;
    }
    double weight = *cfg.emptyWeight;
    double moment = *cfg.emptyWeight * *cfg.emptyCgLon;
    for (size_t i = 0; i < cfg.stations.size(); i++) {
        double w = i < stationWeights.size() ? stationWeights[i] : 0.0;
        weight += w;
        moment += w * cfg.stations[i].lon;
    }
    if (!(weight > 0)) {
        return false;
    }
    double cgLon = moment / weight + cfg.datumLon;
    double result = (lemac - cgLon) / mac;
    if (!isfinite(result)) {
        return false;
    }
    *fraction = result;
    return true;
}

bool CfgAircraftOutline(const AircraftCfg& cfg, CfgOutline* outline) {
    *outline = CfgOutline{0, 0, 0, 0, 0, 0, false};
    for (const CfgContactPoint& point : cfg.contactPoints) {
        if (point.pointClass != 1 && point.pointClass != 2) {
            continue;
        }
        if (!outline->known) {
            *outline = CfgOutline{point.lon, point.lon, point.lat, point.lat, point.vert, point.vert, true};
            continue;
        }
        outline->minLon = fmin(outline->minLon, point.lon);
        outline->maxLon = fmax(outline->maxLon, point.lon);
        outline->minLat = fmin(outline->minLat, point.lat);
        outline->maxLat = fmax(outline->maxLat, point.lat);
        outline->minVert = fmin(outline->minVert, point.vert);
        outline->maxVert = fmax(outline->maxVert, point.vert);
    }
    if (!outline->known) {
        return false;
    }
    if (cfg.wingSpan && *cfg.wingSpan > 0) {
        outline->minLat = fmin(outline->minLat, -*cfg.wingSpan / 2);
        outline->maxLat = fmax(outline->maxLat, *cfg.wingSpan / 2);
    }
    outline->maxVert = fmax(outline->maxVert, -outline->minVert);
    return true;
}

bool CfgPointOutside(const CfgOutline& outline, double x, double y, double z) {
    if (!outline.known) {
        return false;
    }
    if (!isfinite(x) || !isfinite(y) || !isfinite(z)) {
        return true;
    }
    const double t = kCfgOutlineTolerance;
    return x < outline.minLat - t || x > outline.maxLat + t || y < outline.minVert - t || y > outline.maxVert + t ||
           z < outline.minLon - t || z > outline.maxLon + t;
}

namespace {

// The first of the first kEnginesLooked engines within the tolerance of a point; -1 for none.
// Real aircraft have up to eight engines, so a file of thousands of engine lines costs no
// more than one of sixteen.
const size_t kEnginesLooked = 16;

int EngineAt(const AircraftCfg& cfg, double lon, double lat, double vert) {
    for (size_t e = 0; e < cfg.engines.size() && e < kEnginesLooked; e++) {
        const CfgEngine& engine = cfg.engines[e];
        double dLon = engine.lon - lon, dLat = engine.lat - lat, dVert = engine.vert - vert;
        if (dLon * dLon + dLat * dLat + dVert * dVert <= kCfgEngineTolerance * kCfgEngineTolerance) {
            return (int)e;
        }
    }
    return -1;
}

} // namespace

int CfgSuccessorOrderEngine(const AircraftCfg& cfg, const CfgSmoke& smoke) {
    if (EngineAt(cfg, smoke.lon, smoke.lat, smoke.vert) >= 0) {
        return -1;
    }
    // The line's fields in the file's order are vert, lon, lat; the successor reads them
    // as lon, lat, vert.
    return EngineAt(cfg, smoke.vert, smoke.lon, smoke.lat);
}
