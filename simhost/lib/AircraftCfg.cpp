// The aircraft-specific reading of aircraft.cfg: variations, [General], weights and
// stations, smoke emitters, engine positions, contact points and wing geometry, with the centre of gravity
// and the outline computed from them. The line and section syntax is CfgScanner's.
//
// Numbers: each field is read as strtod reads its start. A scalar key whose first field
// holds no finite number counts as absent. A list entry (station_load.N, smoke.N,
// point.N) whose numbers are missing or not numbers is broken: it ends its list, as a gap
// in the numbering does, so entry k is always the file's number k. A [fltsim.N] section
// without a title ends the list of variations the same way.
#include "simhost/lib/AircraftCfg.h"

#include <math.h>

#include <algorithm>

#include "simhost/lib/CfgScanner.h"
#include "simhost/lib/SimFiles.h"
#include "simhost/lib/SimLines.h"

namespace {

bool KeepSection(const std::string& name) {
    return name == "general" || name == "weight_and_balance" || name == "smokesystem" ||
           name == "contact_points" || name == "airplane_geometry" || name == "generalenginedata" || name.compare(0, 7, "fltsim.") == 0;
}

void Note(AircraftCfg* cfg, int line, const std::string& what) {
    if (cfg->notes.size() < kCfgMaxNotes) {
        cfg->notes.push_back(CfgNote{line, what});
    }
}

const CfgValue* Find(const CfgSection* section, const std::string& key) {
    if (!section) {
        return nullptr;
    }
    auto found = section->keys.find(key);
    return found == section->keys.end() ? nullptr : &found->second;
}

const CfgSection* Section(const CfgDocument& document, const std::string& name) {
    auto found = document.sections.find(name);
    return found == document.sections.end() ? nullptr : &found->second;
}

// Fields 0 to count - 1 of a key's value as numbers, each absent when it is missing or
// not a number (a note for each of those), the value split once.
void Numbers(const CfgSection* section, const char* key, size_t count, std::optional<double>* numbers,
             AircraftCfg* cfg) {
    const CfgValue* value = Find(section, key);
    std::vector<std::string> fields;
    if (value) {
        fields = CfgFields(value->text, count);
    }
    for (size_t index = 0; index < count; index++) {
        double number;
        numbers[index] = std::nullopt;
        if (!value || index >= fields.size()) {
            continue;
        }
        if (!CfgNumber(fields[index], &number)) {
            Note(cfg, value->line, std::string(key) + ": not a number, ignored");
            continue;
        }
        numbers[index] = number;
    }
}

// Field 0 of a key's value as a number.
std::optional<double> Number(const CfgSection* section, const char* key, AircraftCfg* cfg) {
    std::optional<double> number;
    Numbers(section, key, 1, &number, cfg);
    return number;
}

// The first `count` fields of a list entry as numbers; false (with a note) when broken.
// `fields` holds the entry's fields up to the one after them (the name, where there is one).
bool EntryNumbers(const CfgValue& value, const std::string& key, size_t first, size_t count,
                  std::vector<std::string>* fields, double* numbers, AircraftCfg* cfg) {
    *fields = CfgFields(value.text, first + count + 1);
    for (size_t i = 0; i < count; i++) {
        if (first + i >= fields->size() || !CfgNumber((*fields)[first + i], &numbers[i])) {
            Note(cfg, value.line, key + ": missing or broken number; the list ends here");
            return false;
        }
    }
    return true;
}

// Reads the numbered list prefix.0, prefix.1, ... of a section while the numbers are
// consecutive and each entry starts with `count` numbers; `add` takes entry k.
template <class Add>
void ReadList(const CfgSection* section, const char* prefix, size_t count, AircraftCfg* cfg, Add add) {
    for (size_t k = 0;; k++) {
        std::string key = prefix + std::to_string(k);
        const CfgValue* value = Find(section, key);
        std::vector<std::string> fields;
        double numbers[4];
        if (!value || !EntryNumbers(*value, key, 0, count, &fields, numbers, cfg)) {
            return;
        }
        add(k, fields, numbers);
    }
}

void ReadVariations(const CfgDocument& document, AircraftCfg* cfg) {
    for (int n = 0;; n++) {
        const CfgSection* section = Section(document, "fltsim." + std::to_string(n));
        if (!section) {
            return;
        }
        const CfgValue* title = Find(section, "title");
        if (!title || title->text.empty()) {
            Note(cfg, section->line, "[fltsim." + std::to_string(n) + "] has no title; the variations end here");
            return;
        }
        const CfgValue* model = Find(section, "atc_model");
        cfg->variations.push_back(CfgVariation{n, section->line, title->text, model ? model->text : "", model != nullptr});
    }
}

void ReadWeights(const CfgDocument& document, AircraftCfg* cfg) {
    const CfgSection* section = Section(document, "weight_and_balance");
    cfg->maxGrossWeight = Number(section, "max_gross_weight", cfg);
    cfg->emptyWeight = Number(section, "empty_weight", cfg);
    std::optional<double> datum[3], emptyCg[3];
    Numbers(section, "reference_datum_position", 3, datum, cfg);
    cfg->datumLon = datum[0].value_or(0);
    cfg->datumLat = datum[1].value_or(0);
    cfg->datumVert = datum[2].value_or(0);
    Numbers(section, "empty_weight_cg_position", 3, emptyCg, cfg);
    cfg->emptyCgLon = emptyCg[0];
    cfg->emptyCgLat = emptyCg[1];
    cfg->emptyCgVert = emptyCg[2];
    cfg->cgForwardLimit = Number(section, "cg_forward_limit", cfg);
    cfg->cgAftLimit = Number(section, "cg_aft_limit", cfg);
    ReadList(section, "station_load.", 4, cfg, [&](size_t k, const std::vector<std::string>& fields, const double* n) {
        CfgStation station{n[0], n[1], n[2], n[3], fields.size() > 4 ? fields[4] : ""};
        if (const CfgValue* name = Find(section, "station_name." + std::to_string(k))) {
            if (station.name.empty()) {
                station.name = name->text;
            }
        }
        cfg->stations.push_back(station);
    });
}

void ReadSmokes(const CfgDocument& document, AircraftCfg* cfg) {
    const CfgSection* section = Section(document, "smokesystem");
    // vert, lon, lat: the vertical position first.
    ReadList(section, "smoke.", 3, cfg, [&](size_t, const std::vector<std::string>& fields, const double* n) {
        cfg->smokes.push_back(CfgSmoke{n[1], n[2], n[0], fields.size() > 3 ? fields[3] : ""});
    });
}

void ReadEngines(const CfgDocument& document, AircraftCfg* cfg) {
    const CfgSection* section = Section(document, "generalenginedata");
    ReadList(section, "engine.", 3, cfg, [&](size_t, const std::vector<std::string>&, const double* n) {
        cfg->engines.push_back(CfgEngine{n[0], n[1], n[2]});
    });
}

void ReadContactPoints(const CfgDocument& document, AircraftCfg* cfg) {
    const CfgSection* section = Section(document, "contact_points");
    ReadList(section, "point.", 4, cfg, [&](size_t, const std::vector<std::string>&, const double* n) {
        cfg->contactPoints.push_back(CfgContactPoint{(int)n[0], n[1], n[2], n[3]});
    });
}

void ReadGeometry(const CfgDocument& document, AircraftCfg* cfg) {
    const CfgSection* section = Section(document, "airplane_geometry");
    cfg->wingArea = Number(section, "wing_area", cfg);
    cfg->wingSpan = Number(section, "wing_span", cfg);
    cfg->wingRootChord = Number(section, "wing_root_chord", cfg);
    cfg->wingSweep = Number(section, "wing_sweep", cfg);
    cfg->wingApexLon = Number(section, "wing_pos_apex_lon", cfg);
    cfg->htailLon = Number(section, "htail_pos_lon", cfg);
    cfg->vtailLon = Number(section, "vtail_pos_lon", cfg);
}

bool Fail(std::string* error, int line, const std::string& what) {
    *error = SimLineError(line < 1 ? 1 : line, what);
    return false;
}

} // namespace

bool ParseAircraftCfg(const std::string& text, AircraftCfg* cfg, std::string* error) {
    std::string path = cfg->path;
    *cfg = AircraftCfg();
    cfg->path = path;
    if (text.compare(0, 2, "\xFF\xFE") == 0 || text.compare(0, 2, "\xFE\xFF") == 0) {
        return Fail(error, 1, "UTF-16 text; an aircraft.cfg is ANSI text");
    }
    CfgDocument document;
    CfgScan(text, KeepSection, &document);
    cfg->lines = document.lines;
    const CfgSection* first = Section(document, "fltsim.0");
    if (!first) {
        return Fail(error, document.lines, "not an aircraft.cfg: no [fltsim.0] section");
    }
    ReadVariations(document, cfg);
    if (cfg->variations.empty()) {
        return Fail(error, first->line, "not an aircraft.cfg: [fltsim.0] has no title");
    }
    const CfgValue* model = Find(Section(document, "general"), "atc_model");
    cfg->hasGeneralAtcModel = model != nullptr;
    cfg->generalAtcModel = model ? model->text : "";
    ReadWeights(document, cfg);
    ReadSmokes(document, cfg);
    ReadEngines(document, cfg);
    ReadContactPoints(document, cfg);
    ReadGeometry(document, cfg);
    std::sort(cfg->notes.begin(), cfg->notes.end(), [](const CfgNote& a, const CfgNote& b) { return a.line < b.line; });
    return true;
}

bool ReadAircraftCfg(const std::string& path, AircraftCfg* cfg, std::string* error) {
    std::string text;
    if (!SimReadFile(path, &text)) {
        *error = path + ": cannot open";
        return false;
    }
    cfg->path = path;
    if (!ParseAircraftCfg(text, cfg, error)) {
        *error = path + ": " + *error;
        return false;
    }
    return true;
}

std::string CfgAtcModel(const AircraftCfg& cfg, const CfgVariation& v) {
    return v.atcModel.empty() ? cfg.generalAtcModel : v.atcModel;
}
