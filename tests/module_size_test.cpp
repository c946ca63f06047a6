// The built DLL stays small: under 64 KiB, with no symbol table and no debugging data
// (a build that keeps them is several times larger).
#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

const size_t kSizeLimit = 64 * 1024;

// The DLL's section names and COFF symbol count, read from its PE headers.
struct PeFacts {
    bool valid = false;
    uint32_t symbolCount = 0;
    uint32_t symbolTable = 0;
    std::vector<std::string> sections;
};

PeFacts ReadPeFacts(const std::string& image) {
    PeFacts facts;
    if (image.size() < sizeof(IMAGE_DOS_HEADER)) {
        return facts;
    }
    IMAGE_DOS_HEADER dos;
    memcpy(&dos, image.data(), sizeof(dos));
    size_t peOffset = (size_t)dos.e_lfanew;
    if (dos.e_magic != IMAGE_DOS_SIGNATURE || peOffset + 4 + sizeof(IMAGE_FILE_HEADER) > image.size() ||
        memcmp(image.data() + peOffset, "PE\0\0", 4) != 0) {
        return facts;
    }
    IMAGE_FILE_HEADER file;
    memcpy(&file, image.data() + peOffset + 4, sizeof(file));
    facts.symbolCount = file.NumberOfSymbols;
    facts.symbolTable = file.PointerToSymbolTable;
    size_t sectionOffset = peOffset + 4 + sizeof(IMAGE_FILE_HEADER) + file.SizeOfOptionalHeader;
    for (unsigned i = 0; i < file.NumberOfSections; i++) {
        size_t at = sectionOffset + i * sizeof(IMAGE_SECTION_HEADER);
        if (at + sizeof(IMAGE_SECTION_HEADER) > image.size()) {
            return facts;
        }
        IMAGE_SECTION_HEADER section;
        memcpy(&section, image.data() + at, sizeof(section));
        facts.sections.push_back(std::string((const char*)section.Name, strnlen((const char*)section.Name, 8)));
    }
    facts.valid = true;
    return facts;
}

TEST(ModuleSize, UnderSixtyFourKibibytes) {
    std::string image = ReadWholeFile(ModuleDllPath());
    ASSERT_FALSE(image.empty()) << ModuleDllPath();
    EXPECT_LT(image.size(), kSizeLimit) << "KFWS_Airdrop.dll is " << image.size() << " bytes";
}

TEST(ModuleSize, CarriesNoSymbolsOrDebuggingData) {
    PeFacts facts = ReadPeFacts(ReadWholeFile(ModuleDllPath()));
    ASSERT_TRUE(facts.valid);
    EXPECT_EQ(facts.symbolCount, 0u);
    EXPECT_EQ(facts.symbolTable, 0u);
    ASSERT_FALSE(facts.sections.empty());
    bool hasCode = false;
    for (const std::string& name : facts.sections) {
        SCOPED_TRACE(name);
        // Debugging sections have long names, which the headers give as "/offset".
        EXPECT_NE(name.compare(0, 6, ".debug"), 0);
        EXPECT_NE(name[0], '/');
        hasCode = hasCode || name == ".text";
    }
    EXPECT_TRUE(hasCode);
}

} // namespace
