// The effect files and bitmaps of the release, read back as the simulator would meet
// them: each file the module names in the effect slots is shipped, read through the
// platform's profile functions, holds every section and key of the effect format with
// values that parse, and names bitmaps the release ships as 32-bit BMP with alpha.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "drop/Effects.h"

namespace {

std::string StageMain() {
    std::string dll = ModuleDllPath();
    return dll.substr(0, dll.find_last_of('\\') + 1) + "release\\stage\\main\\";
}

// How a key's value must read.
enum Form { kNumber, kPair, kFlag, kColor, kText };
struct Key { const char* name; Form form; };

const Key kLibraryKeys[] = {{"Lifetime", kNumber}, {"Version", kNumber},
    {"Display Name", kText}, {"Priority", kNumber}, {"Radius", kNumber}};
const Key kPropertyKeys[] = {{"Cockpit", kFlag}, {"VirtualCockpit", kFlag}, {"Spot", kFlag},
    {"Tower", kFlag}, {"Map", kFlag}};
const Key kEmitterKeys[] = {{"Lifetime", kPair}, {"Delay", kPair}, {"Bounce", kNumber},
    {"Rate", kPair}, {"X Emitter Velocity", kPair}, {"Y Emitter Velocity", kPair},
    {"Z Emitter Velocity", kPair}, {"Drag", kPair}, {"X Particle Velocity", kPair},
    {"Y Particle Velocity", kPair}, {"Z Particle Velocity", kPair}, {"X Rotation", kPair},
    {"Y Rotation", kPair}, {"Z Rotation", kPair}, {"X Offset", kPair}, {"Y Offset", kPair},
    {"Z Offset", kPair}};
const Key kParticleKeys[] = {{"Lifetime", kPair}, {"Type", kNumber}, {"X Scale", kPair},
    {"Y Scale", kPair}, {"Z Scale", kPair}, {"X Scale Rate", kPair}, {"Y Scale Rate", kPair},
    {"Z Scale Rate", kPair}, {"Drag", kPair}, {"Color Rate", kPair}, {"X Offset", kPair},
    {"Y Offset", kPair}, {"Z Offset", kPair}, {"Fade In", kPair}, {"Fade Out", kPair},
    {"Shade", kNumber}, {"Face", kNumber}};
const Key kAttributeKeys[] = {{"Blend Mode", kNumber}, {"Texture", kText},
    {"Color Start", kColor}, {"Color End", kColor}, {"Jitter Distance", kPair},
    {"Jitter Time", kPair}, {"uv1", kPair}, {"uv2", kPair}, {"X Scale Goal", kPair},
    {"Y Scale Goal", kPair}, {"Z Scale Goal", kPair}, {"Extrude Length", kPair}};

// Reads numbers separated by commas; true when there are exactly `count` and nothing else.
bool ParseNumbers(const std::string& text, int count, double* out) {
    const char* p = text.c_str();
    for (int i = 0; i < count; ++i) {
        char* end = nullptr;
        out[i] = strtod(p, &end);
        if (end == p) return false;
        p = end;
        while (*p == ' ' || *p == '\t') ++p;
        if (i + 1 < count) {
            if (*p != ',') return false;
            ++p;
        }
    }
    return *p == '\0';
}

std::string Value(const std::string& file, const std::string& section, const char* key) {
    char buffer[512];
    GetPrivateProfileStringA(section.c_str(), key, "\x01", buffer, sizeof(buffer), file.c_str());
    return buffer;
}

// Checks every key of `keys` in `section`; collects the textures named.
template <size_t N>
void CheckSection(const std::string& file, const std::string& section, const Key (&keys)[N],
                  std::vector<std::string>* textures) {
    for (const Key& key : keys) {
        std::string v = Value(file, section, key.name);
        SCOPED_TRACE("[" + section + "] " + key.name + "=" + v);
        ASSERT_NE(v, "\x01") << "missing";
        double n[4];
        switch (key.form) {
        case kNumber: EXPECT_TRUE(ParseNumbers(v, 1, n)); break;
        case kFlag: EXPECT_TRUE(v == "0" || v == "1"); break;
        case kPair:
            ASSERT_TRUE(ParseNumbers(v, 2, n));
            EXPECT_LE(n[0], n[1]) << "min above max";
            break;
        case kColor:
            ASSERT_TRUE(ParseNumbers(v, 4, n));
            for (double c : n) EXPECT_TRUE(c >= 0 && c <= 255 && c == (int)c);
            break;
        case kText:
            EXPECT_FALSE(v.empty());
            if (strcmp(key.name, "Texture") == 0) textures->push_back(v);
            break;
        }
    }
}

bool HasSection(const std::string& file, const std::string& section) {
    char buffer[8192];
    DWORD n = GetPrivateProfileSectionNamesA(buffer, sizeof(buffer), file.c_str());
    for (const char* p = buffer; p < buffer + n && *p; p += strlen(p) + 1)
        if (_stricmp(p, section.c_str()) == 0) return true;
    return false;
}

// The BMP at `path` is whole: its header's size and depth match the file, 32 bits per
// pixel uncompressed, with an alpha channel that is neither all clear nor all opaque.
void CheckBitmap(const std::string& path) {
    SCOPED_TRACE(path);
    std::string bytes = ReadWholeFile(path);
    ASSERT_GE(bytes.size(), 54u) << "missing or too short";
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    memcpy(&file, bytes.data(), sizeof(file));
    memcpy(&info, bytes.data() + sizeof(file), sizeof(info));
    EXPECT_EQ(file.bfType, 0x4D42);
    EXPECT_EQ(file.bfSize, bytes.size());
    EXPECT_GE(info.biSize, 40u);
    EXPECT_EQ(info.biPlanes, 1);
    ASSERT_EQ(info.biBitCount, 32);
    EXPECT_EQ(info.biCompression, (DWORD)BI_RGB);
    ASSERT_GT(info.biWidth, 0);
    ASSERT_GT(info.biHeight, 0);
    size_t pixels = (size_t)info.biWidth * (size_t)info.biHeight;
    ASSERT_EQ(bytes.size(), file.bfOffBits + pixels * 4);
    size_t clear = 0, opaque = 0;
    for (size_t i = 0; i < pixels; ++i) {
        unsigned char a = (unsigned char)bytes[file.bfOffBits + i * 4 + 3];
        clear += a == 0;
        opaque += a == 255;
    }
    EXPECT_LT(clear, pixels) << "every pixel transparent";
    EXPECT_LT(opaque, pixels) << "no transparency";
}

TEST(ReleaseEffects, EachFileTheModuleNamesIsCompleteAndItsBitmapsAreShipped) {
    for (const char* name : {kEffectParatroopers, kEffectCargo, kEffectFire}) {
        std::string file = StageMain() + "Effects\\" + name;
        SCOPED_TRACE(file);
        ASSERT_TRUE(FileExists(file));
        std::vector<std::string> textures;
        ASSERT_TRUE(HasSection(file, "Library Effect"));
        CheckSection(file, "Library Effect", kLibraryKeys, &textures);
        CheckSection(file, "Properties", kPropertyKeys, &textures);
        int emitters = 0;
        while (HasSection(file, "Emitter." + std::to_string(emitters))) ++emitters;
        EXPECT_GE(emitters, 1);
        for (int i = 0; i < emitters; ++i) {
            std::string n = std::to_string(i);
            CheckSection(file, "Emitter." + n, kEmitterKeys, &textures);
            CheckSection(file, "Particle." + n, kParticleKeys, &textures);
            CheckSection(file, "ParticleAttributes." + n, kAttributeKeys, &textures);
        }
        EXPECT_EQ(textures.size(), (size_t)emitters);
        for (const std::string& texture : textures) CheckBitmap(StageMain() + "Effects\\Texture\\" + texture);
    }
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
