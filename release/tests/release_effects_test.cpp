// The effect files and bitmaps of the release, read back as the simulator would meet
// them and held to the conventions every real effect file keeps: the keys each section
// carries and the form of each value, the particle types and shares of life real files
// use, no drag that speeds a particle up, no ';' comments; each effect designed for the
// way the module switches it (a pulse, on until the end, or nothing to show); and bitmaps
// with power-of-two sides, the FS70 block and the whole mip chain it announces.
#include <windows.h>

#include <ctype.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "drop/Effects.h"

namespace {

std::string StageMain() {
    std::string dll = ModuleDllPath();
    return dll.substr(0, dll.find_last_of('\\') + 1) + "release\\stage\\main\\";
}

// How a value is written: a "min, max" pair of two-decimal numbers, one such number, an
// integer, three integers, four integers 0..255, or text.
enum Form { kPair, kDecimal, kInteger, kIntegers3, kColor, kText };
struct Key {
    const char* section;  // "Emitter" stands for every [Emitter.N], and so on
    const char* name;     // "* Offset" stands for X, Y and Z Offset
    Form form;
    const char* value;    // the one value the release writes, or null
};

const Key kKeys[] = {
    {"Library Effect", "Lifetime", kInteger, "5"}, {"Library Effect", "Version", kDecimal, "2.00"},
    {"Library Effect", "Radius", kInteger, "-1"}, {"Library Effect", "Priority", kInteger, "0"},
    {"Library Effect", "Display Name", kText, nullptr},
    {"Properties", "Cockpit", kInteger, "1"}, {"Properties", "VirtualCockpit", kInteger, "1"},
    {"Properties", "Spot", kInteger, "1"}, {"Properties", "Tower", kInteger, "1"},
    {"Properties", "Map", kInteger, "1"},
    {"Emitter", "Lifetime", kPair, nullptr}, {"Emitter", "Delay", kPair, nullptr},
    {"Emitter", "Bounce", kDecimal, "0.00"}, {"Emitter", "Rate", kPair, nullptr},
    {"Emitter", "* Emitter Velocity", kPair, nullptr}, {"Emitter", "Drag", kPair, nullptr},
    {"Emitter", "* Particle Velocity", kPair, nullptr}, {"Emitter", "* Offset", kPair, nullptr},
    {"Emitter", "* Rotation", kPair, nullptr}, {"Emitter", "Pitch", kPair, nullptr},
    {"Emitter", "Bank", kPair, nullptr}, {"Emitter", "Heading", kPair, nullptr},
    {"Particle", "Lifetime", kPair, nullptr}, {"Particle", "Type", kInteger, nullptr},
    {"Particle", "Rotation", kPair, nullptr}, {"Particle", "* Scale", kPair, nullptr},
    {"Particle", "* Scale Rate", kPair, nullptr}, {"Particle", "Drag", kPair, nullptr},
    {"Particle", "Color Rate", kPair, nullptr}, {"Particle", "* Offset", kPair, nullptr},
    {"Particle", "Fade In", kPair, nullptr}, {"Particle", "Fade Out", kPair, nullptr},
    {"Particle", "Face", kIntegers3, nullptr},
    {"ParticleAttributes", "Blend Mode", kInteger, nullptr},
    {"ParticleAttributes", "Texture", kText, nullptr},
    {"ParticleAttributes", "Color Start", kColor, nullptr},
    {"ParticleAttributes", "Color End", kColor, nullptr},
    {"ParticleAttributes", "Bounce", kDecimal, "0.00"},
    {"ParticleAttributes", "* Scale Goal", kDecimal, nullptr},
    {"ParticleAttributes", "Jitter Distance", kDecimal, "0.00"},
    {"ParticleAttributes", "Jitter Time", kDecimal, "0.00"},
    {"ParticleAttributes", "Extrude Length", kDecimal, "0.00"},
    {"ParticleAttributes", "Extrude Pitch Max", kDecimal, "0.00"},
    {"ParticleAttributes", "Extrude Heading Max", kDecimal, "0.00"},
    {"ParticleAttributes", "uv1", kPair, "0.00, 0.00"}, {"ParticleAttributes", "uv2", kPair, "0.50, 0.50"},
};
const int kParticleTypes[] = {19, 21, 25, 27, 28};
const double kLongestFade = 0.90;
const char* const kStockTextures[] = {"fx_2.bmp"};

// How the module switches an effect, and so what each of its emitters must do.
enum Use {
    kPulse,    // on and off within one one-second tick: one particle per emitter
    kEndless,  // on until the end of the drop: emitters that run until switched off
    kNothing,  // shows nothing: no particle, and any particle of no size and clear
};
struct Effect { const char* name; Use use; };
const Effect kEffects[] = {{kEffectParatroopers, kPulse}, {kEffectCargo, kPulse},
                           {kEffectFire, kEndless}, {"fx_KFWS_Idle.fx", kNothing}};

// Splits "a, b, c" into numbers; true when each is written in `form`.
bool Numbers(const std::string& text, Form form, std::vector<double>* out) {
    size_t count = form == kPair ? 2 : form == kIntegers3 ? 3 : form == kColor ? 4 : 1;
    bool decimals = form == kPair || form == kDecimal;
    out->clear();
    const char* p = text.c_str();
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && strncmp(p, ", ", 2) != 0) return false;
        if (i > 0) p += 2;
        const char* start = p + (*p == '-');
        const char* digits = start;
        while (*digits >= '0' && *digits <= '9') ++digits;
        if (digits == start) return false;
        const char* end = digits;
        if (decimals) {
            if (end[0] != '.' || !isdigit((unsigned char)end[1]) || !isdigit((unsigned char)end[2])) return false;
            end += 3;
        }
        out->push_back(strtod(p, nullptr));
        p = end;
    }
    return *p == '\0';
}

// One effect file: its sections in order, each with its keys and values as written.
struct Section { std::string name; std::map<std::string, std::string> keys; };

std::vector<Section> ReadEffect(const std::string& path) {
    std::vector<Section> sections;
    std::string text = ReadWholeFile(path);
    size_t at = 0;
    int number = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        SCOPED_TRACE("line " + std::to_string(number) + ": " + line);
        EXPECT_EQ(line.find_first_of("\r;"), std::string::npos) << "a ';' or a lone CR";
        size_t equals = line.find('=');
        if (line.empty()) continue;
        if (line.compare(0, 2, "//") == 0) {
            EXPECT_EQ(equals, std::string::npos) << "a comment a reader may take for a key";
        } else if (line[0] == '[') {
            EXPECT_EQ(line.back(), ']');
            sections.push_back({line.substr(1, line.size() - 2), {}});
        } else if (equals != std::string::npos && !sections.empty()) {
            std::string key = line.substr(0, equals);
            EXPECT_TRUE(sections.back().keys.emplace(key, line.substr(equals + 1)).second) << "twice";
        } else {
            ADD_FAILURE() << "neither section, key nor comment";
        }
    }
    return sections;
}

// The kind of a section ("Emitter" for "Emitter.3") and what it must hold.
std::map<std::string, const Key*> KeysOf(const std::string& kind) {
    std::map<std::string, const Key*> keys;
    for (const Key& key : kKeys) {
        if (kind != key.section) continue;
        if (key.name[0] != '*') keys[key.name] = &key;
        else for (const char* axis : {"X", "Y", "Z"}) keys[axis + std::string(key.name + 1)] = &key;
    }
    return keys;
}

// The section holds every key of its kind, each in its form, and no other; the numbers
// of `numbers` are returned by key.
void CheckKeys(const Section& section, const std::string& kind,
               std::map<std::string, std::vector<double>>* numbers) {
    std::map<std::string, const Key*> expected = KeysOf(kind);
    for (const auto& written : section.keys)
        EXPECT_TRUE(expected.count(written.first)) << "[" << section.name << "] " << written.first << ": unknown";
    for (const auto& entry : expected) {
        SCOPED_TRACE("[" + section.name + "] " + entry.first);
        auto written = section.keys.find(entry.first);
        if (written == section.keys.end()) {
            ADD_FAILURE() << "missing";
            continue;
        }
        const Key& key = *entry.second;
        if (key.value) {
            EXPECT_EQ(written->second, key.value);
        }
        if (key.form == kText) {
            EXPECT_FALSE(written->second.empty());
        } else {
            std::vector<double>& n = (*numbers)[entry.first];
            EXPECT_TRUE(Numbers(written->second, key.form, &n)) << written->second;
            if (key.form == kPair && n.size() == 2) {
                EXPECT_LE(n[0], n[1]) << "min above max";
            }
            if (key.form == kColor) {
                for (double c : n) {
                    EXPECT_TRUE(c >= 0 && c <= 255);
                }
            }
            if (key.form == kIntegers3) {
                for (double c : n) {
                    EXPECT_TRUE(c == 0 || c == 1);
                }
            }
        }
    }
}

// The bitmap at `path` in the form real effect bitmaps take, its top image an atlas of
// four equal quarters with an alpha channel that is neither all clear nor all opaque.
void CheckBitmap(const std::string& path) {
    SCOPED_TRACE(path);
    std::string bytes = ReadWholeFile(path);
    const size_t header = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + 20;
    ASSERT_GE(bytes.size(), header) << "missing or too short";
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    memcpy(&file, bytes.data(), sizeof(file));
    memcpy(&info, bytes.data() + sizeof(file), sizeof(info));
    DWORD fs70[5];
    memcpy(fs70, bytes.data() + sizeof(file) + sizeof(info), sizeof(fs70));
    EXPECT_EQ(file.bfType, 0x4D42);
    EXPECT_EQ(file.bfSize, bytes.size());
    EXPECT_EQ(file.bfOffBits, header);
    EXPECT_EQ(info.biSize, 40u);
    EXPECT_EQ(info.biPlanes, 1);
    ASSERT_EQ(info.biBitCount, 32);
    EXPECT_EQ(info.biCompression, (DWORD)BI_RGB);
    LONG w = info.biWidth, h = info.biHeight;
    for (LONG side : {w, h}) ASSERT_TRUE(side >= 32 && side <= 512 && (side & (side - 1)) == 0) << side;
    EXPECT_EQ(memcmp(fs70, "FS70", 4), 0);
    EXPECT_EQ(fs70[1], 20u);
    DWORD levels = 0;
    size_t size = header;
    for (LONG lw = w, lh = h;; lw = lw > 1 ? lw / 2 : 1, lh = lh > 1 ? lh / 2 : 1, ++levels) {
        size += (size_t)lw * lh * 4;
        if (lw == 1 && lh == 1) break;
    }
    EXPECT_EQ(fs70[4], levels) << "mip levels announced";
    ASSERT_EQ(bytes.size(), size) << "the whole mip chain";
    const char* top = bytes.data() + header;
    size_t clear = 0, opaque = 0, pixels = (size_t)w * h;
    for (size_t i = 0; i < pixels; ++i) {
        unsigned char a = (unsigned char)top[i * 4 + 3];
        clear += a == 0;
        opaque += a == 255;
    }
    EXPECT_LT(clear, pixels) << "every pixel transparent";
    EXPECT_LT(opaque, pixels) << "no transparency";
    size_t half = (size_t)w * 2;  // bytes of half a row
    for (LONG y = 0; y < h; ++y) {
        const char* row = top + (size_t)y * w * 4;
        const char* same = top + (size_t)(y % (h / 2)) * w * 4;
        ASSERT_EQ(memcmp(row, same, half), 0) << "row " << y;
        ASSERT_EQ(memcmp(row, row + half, half), 0) << "row " << y;
    }
}

std::set<std::string> FilesIn(const std::string& pattern) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(pattern.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do names.insert(found.cFileName); while (FindNextFileA(find, &found));
    FindClose(find);
    return names;
}

TEST(ReleaseEffects, EachEffectIsWrittenAsRealOnesAreAndDoesWhatItsUseNeeds) {
    std::string folder = StageMain() + "Effects\\";
    std::set<std::string> shipped = FilesIn(folder + "*.fx"), named;
    EXPECT_EQ(shipped.size(), sizeof(kEffects) / sizeof(kEffects[0])) << "an effect of no known use";
    for (const Effect& effect : kEffects) {
        SCOPED_TRACE(effect.name);
        ASSERT_TRUE(shipped.count(effect.name)) << "not shipped";
        std::vector<Section> sections = ReadEffect(folder + effect.name);
        ASSERT_GE(sections.size(), 5u);
        ASSERT_EQ(sections.size() % 3, 2u) << "[Emitter.N], [Particle.N], [ParticleAttributes.N] come in threes";
        for (size_t i = 0; i < sections.size(); ++i) {
            std::string kind = i == 0 ? "Library Effect" : i == 1 ? "Properties"
                : i % 3 == 2 ? "Emitter" : i % 3 == 0 ? "Particle" : "ParticleAttributes";
            std::string name = i < 2 ? kind : kind + "." + std::to_string((i - 2) / 3);
            ASSERT_EQ(sections[i].name, name) << "section order";
            SCOPED_TRACE(name);
            std::map<std::string, std::vector<double>> numbers;
            CheckKeys(sections[i], kind, &numbers);
            auto n = [&numbers](const char* key, size_t at) {  // NaN, failing every test, when unread
                const std::vector<double>& v = numbers[key];
                return at < v.size() ? v[at] : NAN;
            };
            if (kind == "Particle") {
                bool known = false;
                for (int type : kParticleTypes) known = known || n("Type", 0) == type;
                EXPECT_TRUE(known) << "a particle type real files do not use";
                for (const char* fade : {"Fade In", "Fade Out"})
                    EXPECT_TRUE(n(fade, 0) >= 0 && n(fade, 1) <= kLongestFade) << fade;
                EXPECT_LE(n("Drag", 1), 0.0) << "a drag real files never give";
                if (effect.use == kNothing) {
                    EXPECT_TRUE(n("X Scale", 1) == 0 && n("Y Scale", 1) == 0);
                }
            }
            if (kind == "Emitter") {
                double life = n("Lifetime", 1), rate = n("Rate", 1);
                if (effect.use == kPulse) {
                        EXPECT_TRUE(life > 0 && life <= 1.0 && rate * life > 0 && rate * life <= 1.0)
                            << "one particle a pulse: lifetime " << life << ", rate " << rate;
                }
                if (effect.use == kEndless) {
                    EXPECT_TRUE(n("Lifetime", 0) == 0 && life == 0 && rate > 0);
                }
                if (effect.use == kNothing) {
                    EXPECT_TRUE(life > 0 && rate == 0);
                }
            }
            if (kind == "ParticleAttributes") {
                if (effect.use == kNothing) {
                    EXPECT_TRUE(n("Color Start", 3) == 0 && n("Color End", 3) == 0);
                }
                named.insert(sections[i].keys["Texture"]);
            }
        }
    }
    std::set<std::string> bitmaps = FilesIn(folder + "Texture\\*.bmp");
    for (const char* stock : kStockTextures) named.erase(stock);
    EXPECT_EQ(named, bitmaps) << "bitmaps named and bitmaps shipped";
    for (const std::string& bitmap : bitmaps) CheckBitmap(folder + "Texture\\" + bitmap);
}

}  // namespace

namespace {

// The guides as the release ships them: HTML pages declaring UTF-8, their tables turned
// into HTML, and every picture they show shipped beside them.
TEST(ReleaseGuides, HtmlPagesWithTheirPictures) {
    for (const char* lang : {"ru", "en"}) {
        std::string docs = StageMain() + "Modules\\KestrelFieldWorks\\Docs\\";
        std::string html = ReadWholeFile(docs + "user-guide." + lang + ".html");
        SCOPED_TRACE(lang);
        ASSERT_EQ(html.compare(0, 15, "<!DOCTYPE html>"), 0);
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
        EXPECT_NE(html.find("<table>"), std::string::npos);
        EXPECT_EQ(html.find("|---|"), std::string::npos) << "a table left as text";
        for (size_t at = html.find("<img src=\""); at != std::string::npos;
             at = html.find("<img src=\"", at + 1)) {
            size_t start = at + 10;
            std::string picture = html.substr(start, html.find('"', start) - start);
            for (char& c : picture) if (c == '/') c = '\\';
            EXPECT_TRUE(FileExists(docs + picture)) << picture;
        }
    }
}

}  // namespace
