// The lines an aircraft.cfg needs and where they go: the section and key rules are the
// aircraft.cfg reader's own (CfgScanner), so a line counts as there exactly when the
// reader sees it.
#include "simhost/prepare/Prepare.h"

#include "drop/AirdropState.h"
#include "simhost/check/PlacedExits.h"
#include "simhost/lib/CfgScanner.h"
#include "simhost/lib/SimLines.h"

const char kPrepareIdleEffect[] = "fx_KFWS_Idle";

namespace {

bool KeepSmokeSystem(const std::string& name) {
    return name == "smokesystem";
}

// The line end of `line`, or of the text's first line that has one; CRLF for a text of
// one line without any.
std::string LineEndOf(const std::string& text, const SimLine& line) {
    if (line.next > line.end) {
        return text.substr(line.end, line.next - line.end);
    }
    SimLineReader reader(text);
    SimLine other;
    while (reader.Next(&other)) {
        if (other.next > other.end) {
            return text.substr(other.end, other.next - other.end);
        }
    }
    return "\r\n";
}

// Slots the placement writes an effect into for one configuration.
int PlacedSlots(const AircraftConfig& config) {
    int exits[kSavedSlotCount];
    if (!PlacedExits(config, exits)) {
        return 0;
    }
    int count = 0;
    for (int k = 0; k < kSavedSlotCount; k++) {
        if (exits[k] != kPlacedNone) {
            count = k + 1;
        }
    }
    return count;
}

} // namespace

int PrepareSlotsNeeded(const AircraftCfg& cfg, bool* assumed) {
    *assumed = false;
    int needed = 0;
    for (const CfgVariation& v : cfg.variations) {
        // The host hands the module a C string: a NUL byte in the value ends the name.
        std::string model = CfgAtcModel(cfg, v).c_str();
        char path[kConfigPathSize];
        ConfigFileState state = {};
        if (model.empty() || !ConfigFilePath(model.c_str(), path) || !IsReachableConfigPath(path) ||
            CheckConfigFile(model.c_str(), &state) != 1) {
            *assumed = true;
            return kPrepareMostSlots;
        }
        AircraftConfig config = {};
        ReadAircraftConfig(model.c_str(), &config);
        int placed = PlacedSlots(config);
        needed = placed > needed ? placed : needed;
    }
    return needed;
}

std::string PrepareText(const std::string& text, int needed, std::vector<int>* added) {
    added->clear();
    CfgDocument document;
    CfgScan(text, KeepSmokeSystem, &document);
    auto found = document.sections.find("smokesystem");
    const CfgSection* section = found == document.sections.end() ? nullptr : &found->second;
    for (int k = 0; k < needed; k++) {
        if (!section || !section->keys.count("smoke." + std::to_string(k))) {
            added->push_back(k);
        }
    }
    if (added->empty()) {
        return text;
    }
    // The line the new lines follow: the section's last key line, else its header, else
    // the file's last line.
    int after = section ? (section->lastKeyLine ? section->lastKeyLine : section->line) : document.lines;
    SimLineReader reader(text);
    SimLine line = SimLine{0, 0, 0, 0};
    SimLine read;
    while (reader.Next(&read) && read.number <= after) {
        line = read;
    }
    std::string eol = LineEndOf(text, line);
    std::string block;
    if (!section) {
        bool lastBlank = line.number == 0 || line.end == line.begin;
        block += lastBlank ? "" : eol;
        block += "[SMOKESYSTEM]";
    }
    for (int k : *added) {
        block += (block.empty() ? "" : eol) + "smoke." + std::to_string(k) + "=0.00, 0.00, 0.00, " + kPrepareIdleEffect;
    }
    // Whole lines: after a line that has its line end the block brings its own; after the
    // file's last line without one, the block starts with one and ends without.
    size_t at = line.next;
    if (line.next > line.end) {
        block += eol;
    } else {
        block = eol + block;
    }
    return text.substr(0, at) + block + text.substr(at);
}
