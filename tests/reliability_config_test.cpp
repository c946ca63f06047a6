// Configuration files of every quality: generated files (sections and keys missing,
// repeated or misspelt, blanks and quotes around values, signed and huge numbers, very
// long values, NULs, CR/LF mixes), mutations of them, random bytes and a few extremes.
// For each file the status report, the dialog's set-up and the load run, and every value
// they use is compared with what the platform's own GetPrivateProfileStringA and the
// integer reading rule give; none of them may change the file. Every fourth file is also
// saved from the dialog: the keys written read back as the dialog showed them, and
// everything else the platform reads from the file stays as it was.
#include <windows.h>

#include <string.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "ReliabilitySupport.h"
#include "TestSupport.h"
#include "config/ConfigFile.h"
#include "config/StatusReport.h"
#include "dialog/ConfigDialog.h"
#include "drop/AirdropState.h"
#include "drop/Loading.h"
#include "module/HostHandles.h"
#include "resource.h"

namespace {

const char kModel[] = "Trainer 1";

enum KeyIndex { kVariant, kNumber, kMethod, kType, kRealism, kVisual, kLeftX, kLeftY, kLeftZ, kDownX, kDownY, kDownZ, kKeyCount };
const char* const kKeys[kKeyCount] = {
    "KFWS_Airdrop_variant", "KFWS_Airdrop_number", "KFWS_Airdrop_metod",  "KFWS_Airdrop_type",
    "KFWS_Airdrop_realism", "KFWS_Airdrop_visual", "KFWS_Airdrop_left_x", "KFWS_Airdrop_left_y",
    "KFWS_Airdrop_left_z",  "KFWS_Airdrop_down_x", "KFWS_Airdrop_down_y", "KFWS_Airdrop_down_z"};
// The dialog field of each key from the amount on (the first six keys are choices).
const int kFieldOf[kKeyCount] = {0, IDC_NUMBER, 0, 0, 0, 0, IDC_SIDE_X, IDC_SIDE_Y, IDC_SIDE_Z,
                                 IDC_REAR_X, IDC_REAR_Y, IDC_REAR_Z};

// ---- Files of every quality ----

class FileMaker {
public:
    explicit FileMaker(uint32_t seed) : random_(seed) {}

    // The kind of the last file: 0 generated, 1 mutated, 2 random bytes, 3 extreme.
    int kind = 0;

    std::string Make() {
        int roll = Pick(0, 99);
        kind = roll < 50 ? 0 : roll < 80 ? 1 : roll < 92 ? 2 : 3;
        switch (kind) {
        case 0:
            return Generated();
        case 1:
            return Mutated(Generated());
        case 2:
            return RandomBytes(Pick(0, 2000));
        default:
            return Extreme();
        }
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool Chance(int percent) { return Pick(0, 99) < percent; }

    std::string RandomBytes(int count) {
        std::string bytes;
        for (int i = 0; i < count; i++) {
            bytes += (char)Pick(0, 255);
        }
        return bytes;
    }
    std::string Digits(int count) {
        std::string digits;
        for (int i = 0; i < count; i++) {
            digits += (char)('0' + Pick(0, 9));
        }
        return digits;
    }
    std::string Value() {
        switch (Pick(0, 15)) {
        case 0:
        case 1:
        case 2:
            return std::to_string(Pick(-1, 4)); // the choices and their neighbours
        case 3:
            return std::to_string(Pick(-50000, 50000));
        case 4: {
            static const char* const kTexts[] = {"0.0", "1.5", "-2.7", "12abc", "-0.5", "1e5", "0x10", "+7", "--3", "+-4", ".5", ""};
            return kTexts[Pick(0, 11)];
        }
        case 5:
            return (Chance(50) ? "-" : "") + Digits(Pick(10, 40)); // beyond 32 bits
        case 6: {
            static const char* const kPads[] = {" ", "  ", "\t", " \t "};
            return kPads[Pick(0, 3)] + std::to_string(Pick(-5, 5)) + kPads[Pick(0, 3)];
        }
        case 7: {
            static const char* const kQuotes[] = {"\"", "'"};
            const char* quote = kQuotes[Pick(0, 1)];
            std::string inner = (Chance(50) ? " " : "") + std::to_string(Pick(-5, 5)) + (Chance(50) ? " " : "");
            switch (Pick(0, 3)) {
            case 0:
                return quote + inner + quote;
            case 1:
                return quote + inner;
            case 2:
                return inner + quote;
            default:
                return std::string("\"") + quote + inner + quote + "\"";
            }
        }
        case 8:
            return Digits(Pick(250, 270)); // around the 259 characters read back
        case 9:
            return std::string(Pick(1000, 5000), (char)('0' + Pick(0, 9)));
        case 10:
            return std::to_string(Pick(0, 4)) + std::string(1, '\0') + std::to_string(Pick(0, 9));
        case 11:
            return RandomBytes(Pick(1, 20));
        case 12: // Windows-1251 letters
            return "\xC4\xE5\xF1\xE0\xED\xF2 " + std::to_string(Pick(0, 3));
        case 13:
            return std::to_string(Pick(0, 3)) + " ; comment";
        default:
            return std::to_string(Pick(0, 3));
        }
    }
    std::string KeyName() {
        int roll = Pick(0, 99);
        if (roll < 80) {
            return kKeys[Pick(0, kKeyCount - 1)];
        }
        std::string key = kKeys[Pick(0, kKeyCount - 1)];
        switch (Pick(0, 5)) {
        case 0: // another case: the platform's keys ignore case
            for (char& c : key) {
                if (Chance(30) && c >= 'a' && c <= 'z') c = (char)(c - 'a' + 'A');
            }
            return key;
        case 1:
            return " " + key + " ";
        case 2:
            return key.substr(0, key.size() - 1);
        case 3:
            return key + "x";
        case 4:
            return "KFWS_Airdrop_method";
        default:
            return RandomBytes(Pick(1, 12));
        }
    }
    std::string SectionLine() {
        static const char* const kNames[] = {"General", "General", "General", "general", "GENERAL", " General ",
                                             "Other",   "",        "Gen eral", "General2", "[General]"};
        std::string name = kNames[Pick(0, 10)];
        switch (Pick(0, 9)) {
        case 0:
            return "[" + name; // no closing bracket
        case 1:
            return "  [" + name + "]  ";
        case 2:
            return "[" + name + "] trailing";
        default:
            return "[" + name + "]";
        }
    }
    std::string LineEnd(int style) {
        static const char* const kEnds[] = {"\n", "\r\n", "\r", "\n\r"};
        return kEnds[style >= 0 ? style : Pick(0, 3)];
    }
    std::string Generated() {
        int endStyle = Chance(60) ? Pick(0, 2) : -1; // one style for the file, or a mix
        std::string text;
        if (Chance(3)) {
            text += "\xEF\xBB\xBF"; // a byte-order mark
        }
        if (Chance(10)) {
            text += "; " + RandomBytes(Pick(0, 10)) + LineEnd(endStyle);
        }
        if (Chance(10)) {
            text += std::string(kKeys[Pick(0, kKeyCount - 1)]) + "=" + Value() + LineEnd(endStyle); // before any section
        }
        int sections = Chance(10) ? 0 : Pick(1, 3);
        for (int s = 0; s < sections; s++) {
            text += s == 0 && Chance(85) ? std::string("[General]") : SectionLine();
            text += LineEnd(endStyle);
            int lines = Pick(0, 16);
            for (int l = 0; l < lines; l++) {
                int roll = Pick(0, 99);
                if (roll < 85) {
                    static const char* const kSeparators[] = {"=", "=", "=", " = ", "= ", " =", "==", ":"};
                    text += KeyName() + kSeparators[Pick(0, 7)] + Value();
                } else if (roll < 90) {
                    text += "; " + Value();
                } else if (roll < 95) {
                    text += KeyName(); // a key without "="
                } else {
                    text += std::string(Pick(0, 3), ' ');
                }
                text += LineEnd(endStyle);
            }
        }
        if (Chance(20) && !text.empty()) {
            text.resize(text.size() - 1); // no line end after the last line
        }
        return text;
    }
    std::string Mutated(std::string text) {
        int edits = Pick(1, 6);
        for (int e = 0; e < edits; e++) {
            size_t at = text.empty() ? 0 : (size_t)Pick(0, (int)text.size());
            static const char kSpecial[] = {'\0', '\r', '\n', '[', ']', '=', ';', '"', ' ', '\t', '-', '9'};
            switch (Pick(0, 5)) {
            case 0:
                if (at < text.size()) text[at] = (char)Pick(0, 255);
                break;
            case 1:
                text.insert(at, 1, kSpecial[Pick(0, sizeof(kSpecial) - 1)]);
                break;
            case 2:
                text.erase(at, (size_t)Pick(1, 20));
                break;
            case 3: {
                size_t length = (size_t)Pick(1, 60);
                text.insert(at, text.substr(at, length)); // a repeated piece
                break;
            }
            case 4:
                text.resize(at);
                break;
            default:
                text.insert(at, RandomBytes(Pick(1, 8)));
                break;
            }
        }
        return text;
    }
    std::string Extreme() {
        switch (Pick(0, 6)) {
        case 0: // one line of 100 000 characters
            return "[General]\nKFWS_Airdrop_variant=" + std::string(100000, (char)('0' + Pick(0, 9))) + "\n";
        case 1: { // two thousand sections with every key
            std::string text;
            for (int s = 0; s < 2000; s++) {
                text += "[General]\r\n";
                text += std::string(kKeys[s % kKeyCount]) + "=" + std::to_string(s) + "\r\n";
            }
            return text;
        }
        case 2: // a key of 70 000 characters
            return "[General]\n" + std::string(70000, 'K') + "=1\nKFWS_Airdrop_type=2\n";
        case 3:
            return std::string(Pick(1, 5000), '\0');
        case 4:
            return std::string(Pick(1, 5000), '\r');
        case 5: // little-endian UTF-16 with a byte-order mark
        {
            std::string ascii = Generated();
            std::string wide = "\xFF\xFE";
            for (char c : ascii) {
                wide += c;
                wide += '\0';
            }
            return wide;
        }
        default: // every key many times, with values from the generator
        {
            std::string text = "[General]\n";
            for (int i = 0; i < 500; i++) {
                text += std::string(kKeys[Pick(0, kKeyCount - 1)]) + "=" + Value() + "\n";
            }
            return text;
        }
        }
    }

    std::mt19937 random_;
};

// ---- The oracle: the platform's own reading ----

std::string Path() {
    return ConfigPathOf(kModel);
}

std::string ProfileText(const std::string& path, const char* section, const char* key) {
    char value[kConfigValueSize];
    GetPrivateProfileStringA(section, key, "", value, sizeof(value), path.c_str());
    return value;
}

struct OracleValues {
    std::string text[kKeyCount];
    int value[kKeyCount];
};

OracleValues ReadOracle() {
    OracleValues oracle;
    for (int k = 0; k < kKeyCount; k++) {
        oracle.text[k] = ProfileText(Path(), "General", kKeys[k]);
        oracle.value[k] = OracleInt(oracle.text[k]);
    }
    return oracle;
}

std::string Show(const std::string& text) {
    return "\"" + Escaped(text, 60) + (text.size() > 60 ? "\" (" + std::to_string(text.size()) + " bytes)" : "\"");
}

void CheckConfig(FaultTally& tally, const char* who, const AircraftConfig& config, const OracleValues& oracle) {
    const int ints[6] = {config.variant, config.number, config.method, config.exitType, config.realism, config.visual};
    for (int k = 0; k < 6; k++) {
        tally.Check(ints[k] == oracle.value[k], std::string(who) + ": " + kKeys[k] + " is " + std::to_string(ints[k]) +
                                                    ", the file gives " + std::to_string(oracle.value[k]));
    }
    const double points[6] = {config.leftX, config.leftY, config.leftZ, config.downX, config.downY, config.downZ};
    for (int k = 0; k < 6; k++) {
        tally.Check(points[k] == (double)oracle.value[kLeftX + k],
                    std::string(who) + ": " + kKeys[kLeftX + k] + " is " + std::to_string(points[k]) +
                        ", the file gives " + std::to_string(oracle.value[kLeftX + k]));
    }
}

// The status report the file calls for, built from the oracle's values.
std::string ExpectedReport(const OracleValues& oracle) {
    std::string report = " !!! Параметры конфигурации !!!\n\n";
    report += std::string("  Модель:  ") + kModel + " \n";
    report += "  Состояние загрузки:  Незагружен \n";
    report += "    САХ = 25.3 \n";
    const char* const variants[] = {"  Вариант: Десантный \n    -= Количество десантников: ",
                                    "  Вариант: Грузовой \n    Вес груза: ", "  Вариант: Пожарный \n    Объем жидкости: "};
    int variant = oracle.value[kVariant];
    if (variant >= 1 && variant <= 3) {
        report += variants[variant - 1] + oracle.text[kNumber] + "\n";
    }
    const char* const methods[] = {"  Метод: 1-поток\n", "  Метод: 2-потока\n"};
    if (oracle.value[kMethod] == 1 || oracle.value[kMethod] == 2) {
        report += methods[oracle.value[kMethod] - 1];
    }
    const char* const types[] = {"  Тип: Задняя \n", "  Тип: Боковая\n", "  Тип: Боковая + Задняя\n"};
    if (oracle.value[kType] >= 1 && oracle.value[kType] <= 3) {
        report += types[oracle.value[kType] - 1];
    }
    const char* const realism[] = {"  Уровень сложности: Простой \n", "  Уровень сложности: Симулятор\n"};
    if (oracle.value[kRealism] == 0 || oracle.value[kRealism] == 1) {
        report += realism[oracle.value[kRealism]];
    }
    const char* const visual[] = {"  Визуальные ефекты: Отключены\n", "  Визуальные ефекты: Включены\n"};
    if (oracle.value[kVisual] == 0 || oracle.value[kVisual] == 1) {
        report += visual[oracle.value[kVisual]];
    }
    return report;
}

// What the platform reads from the file apart from the twelve keys of section General:
// every other section's lines, and the other keys of General with their values.
std::map<std::string, std::string> PlatformView(const std::string& path) {
    std::map<std::string, std::string> view;
    std::vector<char> buffer(1 << 20);
    DWORD length = GetPrivateProfileSectionNamesA(buffer.data(), (DWORD)buffer.size(), path.c_str());
    std::vector<std::string> sections;
    for (DWORD i = 0; i < length && buffer[i] != '\0'; i += (DWORD)strlen(&buffer[i]) + 1) {
        sections.push_back(&buffer[i]);
    }
    for (const std::string& section : sections) {
        if (_stricmp(section.c_str(), "General") == 0) {
            continue;
        }
        DWORD got = GetPrivateProfileSectionA(section.c_str(), buffer.data(), (DWORD)buffer.size(), path.c_str());
        view["[" + section + "]"] = std::string(buffer.data(), got);
    }
    length = GetPrivateProfileStringA("General", nullptr, "", buffer.data(), (DWORD)buffer.size(), path.c_str());
    std::vector<std::string> keys;
    for (DWORD i = 0; i < length && buffer[i] != '\0'; i += (DWORD)strlen(&buffer[i]) + 1) {
        keys.push_back(&buffer[i]);
    }
    for (const std::string& key : keys) {
        bool ours = false;
        for (const char* known : kKeys) {
            ours = ours || _stricmp(key.c_str(), known) == 0;
        }
        if (!ours) {
            view["General/" + key] = ProfileText(path, "General", key.c_str());
        }
    }
    return view;
}

// How the platform stores a text and reads it back (blanks and a pair of quotes go).
std::string StoredAs(const std::string& text) {
    const char path[] = "./oracle.ini";
    WritePrivateProfileStringA("General", "value", text.c_str(), path);
    std::string back = ProfileText(path, "General", "value");
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
    return back;
}

class ConfigFilesTest : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        gHostHandles.moduleInstance = GetModuleHandleA(nullptr);
        gHostHandles.mainWindow = SimCreateMainWindow(false);
        SimSetCentreOfGravity(0.253);
    }
    void TearDown() override {
        DestroyConfigDialog();
        SimDestroyMainWindow();
        memset(&gHostHandles, 0, sizeof(gHostHandles));
        HostFixture::TearDown();
    }

    void ResetModule() {
        DestroyConfigDialog();
        memset(&gAirdropState, 0, sizeof(gAirdropState));
        UseAircraft(DefaultSpec(kModel));
        SimClearCalls();
    }

    void CheckReport(FaultTally& tally, const OracleValues& oracle) {
        ResetModule();
        ShowStatusReport();
        std::string expected = ExpectedReport(oracle);
        tally.Check(SimScreenText() == expected,
                    "status report " + Show(SimScreenText()) + ", the file calls for " + Show(expected));
    }

    void CheckDialog(FaultTally& tally, const OracleValues& oracle) {
        ResetModule();
        OpenConfigDialog();
        HWND dialog = gAirdropState.configDialogWindow;
        tally.Check(dialog != nullptr, "the dialog did not open");
        if (!dialog) {
            return;
        }
        tally.Check(gAirdropState.configFileState.state == 1, "the dialog did not find the file");
        CheckConfig(tally, "dialog", gAirdropState.config, oracle);
        const int variantIds[3] = {IDC_VARIANT_PARATROOPERS, IDC_VARIANT_CARGO, IDC_VARIANT_FIRE};
        for (int v = 1; v <= 3; v++) {
            tally.Check(Checked(dialog, variantIds[v - 1]) == (oracle.value[kVariant] == v),
                        "variant button " + std::to_string(v) + " for variant " + std::to_string(oracle.value[kVariant]));
        }
        tally.Check(Checked(dialog, IDC_METHOD_ONE) == (oracle.value[kMethod] == 1), "one-stream button");
        tally.Check(Checked(dialog, IDC_METHOD_TWO) == (oracle.value[kMethod] == 2), "two-stream button");
        int type = oracle.value[kType];
        tally.Check(Checked(dialog, IDC_TYPE_REAR) == (type == 1 || type == 3), "rear box for type " + std::to_string(type));
        tally.Check(Checked(dialog, IDC_TYPE_SIDE) == (type == 2 || type == 3), "side box for type " + std::to_string(type));
        tally.Check(Checked(dialog, IDC_REALISM) == (oracle.value[kRealism] == 1), "realism box");
        tally.Check(Checked(dialog, IDC_VISUAL) == (oracle.value[kVisual] == 1), "visual box");
        for (int k = kNumber; k < kKeyCount; k++) {
            if (kFieldOf[k]) {
                std::string shown = TextOf(dialog, kFieldOf[k]);
                tally.Check(shown == oracle.text[k], std::string("field of ") + kKeys[k] + " shows " + Show(shown) +
                                                         ", the file holds " + Show(oracle.text[k]));
            }
        }
        tally.Check(!Enabled(dialog, IDC_SAVE), "the button is enabled after set-up");
        ToggleConfigDialog();
        tally.Check(gAirdropState.configDialogWindow == nullptr, "the dialog did not close");
    }

    void CheckLoad(FaultTally& tally, const OracleValues& oracle) {
        ResetModule();
        const double kUnchanged = 77.0;
        gAirdropState.totalLoadWeight = kUnchanged;
        LoadAircraft();
        CheckConfig(tally, "load", gAirdropState.config, oracle);
        tally.Check(gAirdropState.loaded == 1, "the aircraft was not loaded");
        double number = oracle.value[kNumber];
        double weight = kUnchanged;
        const char* message = nullptr;
        switch (oracle.value[kVariant]) {
        case 1:
            weight = number * 220.0;
            message = "Командир одуванчики на борту !!!";
            break;
        case 2:
            weight = number * 2.20462;
            message = "Командир груз закреплен !!!";
            break;
        case 3:
            weight = number * 0.9 * 2.0;
            message = "Командир баки полные !!!";
            break;
        }
        std::vector<std::string> shown = SimShownTexts();
        tally.Check(message ? shown == std::vector<std::string>{message} : shown.empty(),
                    "load messages for variant " + std::to_string(oracle.value[kVariant]));
        std::vector<double> stations = aircraft_->stationWeights;
        tally.Check(stations.size() == 4, "stations set: " + std::to_string(stations.size()));
        for (double station : stations) {
            tally.Check(station == weight / 4.0,
                        "station weight " + std::to_string(station) + ", expected " + std::to_string(weight / 4.0));
        }
    }

    // Saves from the dialog after a pilot's edit that changes nothing, and compares.
    void CheckSave(FaultTally& tally) {
        ResetModule();
        std::string before = ReadWholeFile(Path());
        std::map<std::string, std::string> viewBefore = PlatformView(Path());
        std::string keyBefore[kKeyCount];
        for (int k = 0; k < kKeyCount; k++) {
            keyBefore[k] = ProfileText(Path(), "General", kKeys[k]);
        }
        OpenConfigDialog();
        HWND dialog = gAirdropState.configDialogWindow;
        if (!dialog) {
            tally.Check(false, "the dialog did not open for the save");
            return;
        }
        Click(dialog, IDC_VISUAL);
        Click(dialog, IDC_VISUAL);
        // What the press is to write, read from the controls.
        std::string expected[kKeyCount];
        bool written[kKeyCount] = {};
        const int variantIds[3] = {IDC_VARIANT_PARATROOPERS, IDC_VARIANT_CARGO, IDC_VARIANT_FIRE};
        for (int v = 0; v < 3; v++) {
            if (Checked(dialog, variantIds[v])) {
                expected[kVariant] = std::to_string(v + 1);
                written[kVariant] = true;
            }
        }
        if (Checked(dialog, IDC_METHOD_ONE) || Checked(dialog, IDC_METHOD_TWO)) {
            expected[kMethod] = Checked(dialog, IDC_METHOD_TWO) ? "2" : "1";
            written[kMethod] = true;
        }
        bool rear = Checked(dialog, IDC_TYPE_REAR);
        bool side = Checked(dialog, IDC_TYPE_SIDE);
        expected[kType] = rear && side ? "3" : rear ? "1" : "2";
        expected[kRealism] = Checked(dialog, IDC_REALISM) ? "1" : "0";
        expected[kVisual] = Checked(dialog, IDC_VISUAL) ? "1" : "0";
        for (int k = kNumber; k < kKeyCount; k++) {
            if (kFieldOf[k]) {
                std::string text = TextOf(dialog, kFieldOf[k]);
                expected[k] = text.empty() ? "0.0" : text;
            }
        }
        written[kType] = written[kRealism] = written[kVisual] = true;
        for (int k = kNumber; k < kKeyCount; k++) {
            written[k] = written[k] || kFieldOf[k] != 0;
        }
        MessageBoxWatcher boxes;
        Click(dialog, IDC_SAVE);
        if (!rear && !side) {
            tally.Check(boxes.Seen().size() == 1, "no exit type: the pilot was not told");
            tally.Check(ReadWholeFile(Path()) == before, "no exit type: the file changed");
            return;
        }
        tally.Check(boxes.Seen().empty(), "a message box at a save with an exit type");
        tally.Check(SimScreenText() == "Настройки сохранены!\n", "no saved message: " + Show(SimScreenText()));
        FlushProfileCache(Path());
        for (int k = 0; k < kKeyCount; k++) {
            std::string now = ProfileText(Path(), "General", kKeys[k]);
            std::string want = written[k] ? StoredAs(expected[k]) : keyBefore[k];
            tally.Check(now == want, std::string("after the save ") + kKeys[k] + " reads " + Show(now) + ", expected " +
                                         Show(want));
        }
        std::map<std::string, std::string> viewAfter = PlatformView(Path());
        for (const auto& entry : viewBefore) {
            auto now = viewAfter.find(entry.first);
            tally.Check(now != viewAfter.end() && now->second == entry.second,
                        "the save changed " + Show(entry.first) + ": " + Show(entry.second) + " -> " +
                            (now == viewAfter.end() ? std::string("gone") : Show(now->second)));
        }
        DestroyConfigDialog();
    }
};

TEST_F(ConfigFilesTest, EveryFileIsReadAsThePlatformReadsIt) {
    const int count = RunSize(200, 5000);
    const uint32_t seed = RunSeed(7002);
    FileMaker maker(seed);
    FaultTally tally("config file");
    int kinds[4] = {0, 0, 0, 0};
    int saves = 0;
    for (int i = 0; i < count; i++) {
        std::string content = maker.Make();
        kinds[maker.kind]++;
        WriteConfigFile(kModel, content);
        tally.Begin("file " + std::to_string(i) + " (seed " + std::to_string(seed) + ", " +
                    std::to_string(content.size()) + " bytes: " + Show(content) + ")");
        {
            HangWatch watch("file " + std::to_string(i), 60000);
            OracleValues oracle = ReadOracle();
            CheckReport(tally, oracle);
            CheckDialog(tally, oracle);
            CheckLoad(tally, oracle);
            tally.Check(ReadWholeFile(Path()) == content, "reading the file changed it");
            if (i % 4 == 0) {
                CheckSave(tally);
                saves++;
            }
        }
        tally.End();
    }
    PrintFigure("config-files", std::to_string(count) + " files (" + std::to_string(kinds[0]) + " generated, " +
                                    std::to_string(kinds[1]) + " mutated, " + std::to_string(kinds[2]) +
                                    " random bytes, " + std::to_string(kinds[3]) + " extreme; " +
                                    std::to_string(saves) + " saved from the dialog), " +
                                    std::to_string(tally.Faults()) + " faults, seed " + std::to_string(seed));
    EXPECT_EQ(tally.Faults(), 0);
}

} // namespace
