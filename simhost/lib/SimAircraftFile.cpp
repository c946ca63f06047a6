#include "simhost/lib/SimAircraftFile.h"

#include <stdio.h>

#include <set>
#include <sstream>
#include <vector>

#include "simhost/lib/SimText.h"
#include "simhost/lib/SimFiles.h"
#include "simhost/lib/SimLines.h"

namespace {

bool Fail(std::string* error, int line, const std::string& what) {
    *error = SimLineError(line, what);
    return false;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> words;
    std::string word;
    while (stream >> word) {
        words.push_back(word);
    }
    return words;
}

} // namespace

bool SimParseAircraftFile(const std::string& text, SimAircraftFile* aircraft, std::string* error) {
    *aircraft = SimAircraftFile();
    aircraft->spec.stations = 0;
    aircraft->spec.onGround = true;
    aircraft->spec.parkingBrake = true;
    aircraft->centreOfGravity = 0.25;

    std::set<std::string> seen;
    SimLineReader lines(text);
    SimLine read;
    while (lines.Next(&read)) {
        const int number = read.number;
        std::string line = SimTrim(SimStripHashComment(lines.Text(read), false));
        if (line.empty()) {
            continue;
        }
        size_t equals = line.find('=');
        if (equals == std::string::npos) {
            return Fail(error, number, "expected key = value");
        }
        std::string key = SimTrim(line.substr(0, equals));
        std::string value = SimTrim(line.substr(equals + 1));
        if (key != "slot" && !seen.insert(key).second) {
            return Fail(error, number, "'" + key + "' given twice");
        }
        if (key == "title") {
            aircraft->title = value;
        } else if (key == "atc_model") {
            std::string model;
            if (!SimUtf8ToCp1251(value, &model)) {
                return Fail(error, number, "atc_model must be Windows-1251 text");
            }
            if (model.size() >= kAtcModelCapacity) {
                return Fail(error, number, "atc_model longer than " + std::to_string(kAtcModelCapacity - 1) + " bytes");
            }
            aircraft->spec.atcModel = model;
        } else if (key == "stations") {
            double count = 0;
            if (!SimParseNumber(value, &count) || count < 0 || count > 1000 || count != (double)(unsigned)count) {
                return Fail(error, number, "stations must be a whole number from 0 to 1000");
            }
            aircraft->spec.stations = (unsigned)count;
        } else if (key == "on_ground") {
            if (!SimParseFlagWord(value, &aircraft->spec.onGround)) {
                return Fail(error, number, "on_ground must be yes or no");
            }
        } else if (key == "parking_brake") {
            if (!SimParseFlagWord(value, &aircraft->spec.parkingBrake)) {
                return Fail(error, number, "parking_brake must be yes or no");
            }
        } else if (key == "cg") {
            if (!SimParseNumber(value, &aircraft->centreOfGravity)) {
                return Fail(error, number, "cg must be a number");
            }
        } else if (key == "slot") {
            std::vector<std::string> words = Words(value);
            SimSlotSpec slot;
            if (words.size() != 4 || !SimParseNumber(words[1], &slot.x) || !SimParseNumber(words[2], &slot.y) ||
                !SimParseNumber(words[3], &slot.z)) {
                return Fail(error, number, "slot must be: effect-file x y z");
            }
            if (!SimUtf8ToCp1251(words[0], &slot.effectFile)) {
                return Fail(error, number, "slot file name must be Windows-1251 text");
            }
            aircraft->spec.slots.push_back(slot);
        } else {
            return Fail(error, number, "unknown key '" + key + "'");
        }
    }
    if (!seen.count("atc_model")) {
        *error = "atc_model missing (write \"atc_model =\" for an aircraft without one)";
        return false;
    }
    return true;
}

bool SimReadAircraftFile(const std::string& path, SimAircraftFile* aircraft, std::string* error) {
    std::string text;
    if (!SimReadFile(path, &text)) {
        *error = "cannot open " + path;
        return false;
    }
    if (!SimParseAircraftFile(text, aircraft, error)) {
        *error = path + ": " + *error;
        return false;
    }
    if (aircraft->title.empty()) {
        size_t slash = path.find_last_of("\\/");
        aircraft->title = slash == std::string::npos ? path : path.substr(slash + 1);
    }
    return true;
}
