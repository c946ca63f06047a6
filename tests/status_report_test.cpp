// The status report: one on-screen message built from the aircraft's model, the load
// state, the centre of gravity and the configuration file as it is on disk now.
#include <windows.h>

#include <stdio.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "config/StatusReport.h"
#include "drop/AirdropState.h"

namespace {

const std::string kHeading = " !!! Параметры конфигурации !!!\n\n";
const std::string kLoaded = "  Состояние загрузки:  Загружен \n";
const std::string kNotLoaded = "  Состояние загрузки:  Незагружен \n";
const std::string kSimple = "  Уровень сложности: Простой \n";
const std::string kSimulator = "  Уровень сложности: Симулятор\n";
const std::string kEffectsOff = "  Визуальные ефекты: Отключены\n";
const std::string kEffectsOn = "  Визуальные ефекты: Включены\n";

std::string ModelRow(const std::string& model) {
    return "  Модель:  " + model + " \n";
}

std::string CentreRow(const std::string& value) {
    return "    САХ = " + value + " \n";
}

class StatusReportTest : public HostFixture {
protected:
    // Runs the report and returns the one message it showed.
    std::string Report() {
        SimClearCalls();
        ShowStatusReport();
        std::vector<std::string> shown = SimShownTexts();
        EXPECT_EQ(shown.size(), 1u) << "the whole report is one message";
        return shown.empty() ? "" : shown.back();
    }
};

TEST_F(StatusReportTest, LoadedParatroopAircraft) {
    WriteConfigFile("Trainer 1",
                    "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_number=12\nKFWS_Airdrop_metod=2\n"
                    "KFWS_Airdrop_type=3\nKFWS_Airdrop_realism=1\nKFWS_Airdrop_visual=1\n");
    gAirdropState.loaded = 1;
    SimSetCentreOfGravity(0.253);
    std::string expected = kHeading + ModelRow("Trainer 1") + kLoaded + CentreRow("25.3") +
                           "  Вариант: Десантный \n" + "    -= Количество десантников: 12\n" +
                           "  Метод: 2-потока\n" + "  Тип: Боковая + Задняя\n" + kSimulator + kEffectsOn;
    std::string shown = Report();
    EXPECT_EQ(shown, expected) << Utf8(shown);
    std::vector<HostCallKind> kinds;
    for (const HostCall& call : SimCalls()) {
        kinds.push_back(call.kind);
    }
    EXPECT_EQ(kinds, (std::vector<HostCallKind>{kCallGetUserAircraft, kCallReadAircraftValue, kCallClearText,
                                                kCallShowText}));
    EXPECT_EQ(SimCallsOf(kCallReadAircraftValue)[0].id, 158u);
}

TEST_F(StatusReportTest, UnloadedAircraftWithoutAFile) {
    std::string expected =
        kHeading + ModelRow("Trainer 1") + kNotLoaded + CentreRow("0.0") + kSimple + kEffectsOff;
    std::string shown = Report();
    EXPECT_EQ(shown, expected) << Utf8(shown);
}

TEST_F(StatusReportTest, EachGroupShowsOnlyTheValuesItKnows) {
    struct Case {
        const char* file;
        std::string rows; // everything after the centre-of-gravity row
    } cases[] = {
        {"KFWS_Airdrop_variant=4\nKFWS_Airdrop_number=9\nKFWS_Airdrop_metod=1\nKFWS_Airdrop_type=2\n"
         "KFWS_Airdrop_realism=0\nKFWS_Airdrop_visual=1\n",
         "  Метод: 1-поток\n  Тип: Боковая\n" + kSimple + kEffectsOn},
        {"KFWS_Airdrop_variant=2\n", "  Вариант: Грузовой \n    Вес груза: \n" + kSimple + kEffectsOff},
        {"KFWS_Airdrop_variant=3\nKFWS_Airdrop_number=0.0\nKFWS_Airdrop_metod=3\nKFWS_Airdrop_type=4\n"
         "KFWS_Airdrop_realism=2\nKFWS_Airdrop_visual=7\n",
         "  Вариант: Пожарный \n    Объем жидкости: 0.0\n"},
        {"KFWS_Airdrop_variant=2abc\nKFWS_Airdrop_number=1500 kg\nKFWS_Airdrop_metod=2.0\nKFWS_Airdrop_type=1\n"
         "KFWS_Airdrop_realism=+1\nKFWS_Airdrop_visual=0\n",
         "  Вариант: Грузовой \n    Вес груза: 1500 kg\n  Метод: 2-потока\n  Тип: Задняя \n" + kSimulator +
             kEffectsOff},
        {"KFWS_Airdrop_variant=-1\nKFWS_Airdrop_metod=0\nKFWS_Airdrop_type=0\nKFWS_Airdrop_realism=-1\n"
         "KFWS_Airdrop_visual=99999999999\n",
         ""},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE("case " + std::to_string(i));
        WriteConfigFile("Trainer 1", std::string("[General]\n") + cases[i].file);
        std::string shown = Report();
        EXPECT_EQ(shown, kHeading + ModelRow("Trainer 1") + kNotLoaded + CentreRow("0.0") + cases[i].rows)
            << Utf8(shown);
    }
}

TEST_F(StatusReportTest, CentreOfGravityInPercentWithOneDecimal) {
    struct Case {
        double fraction;
        const char* text;
    } cases[] = {{0.253, "25.3"}, {-0.05, "-5.0"}, {0.0, "0.0"}, {1.0, "100.0"}, {0.12345, "12.3"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SimSetCentreOfGravity(c.fraction);
        EXPECT_EQ(Report(), kHeading + ModelRow("Trainer 1") + kNotLoaded + CentreRow(c.text) + kSimple + kEffectsOff);
    }
}

TEST_F(StatusReportTest, ReadsTheFileAfreshNotTheLoadedConfiguration) {
    gAirdropState.loaded = 2;
    gAirdropState.config.variant = 1;
    gAirdropState.config.number = 12;
    gAirdropState.config.visual = 1;
    WriteConfigFile("Trainer 1", "[General]\nKFWS_Airdrop_variant=2\nKFWS_Airdrop_number=800\n");
    std::string first = Report();
    EXPECT_EQ(first, kHeading + ModelRow("Trainer 1") + kLoaded + CentreRow("0.0") +
                         "  Вариант: Грузовой \n    Вес груза: 800\n" + kSimple + kEffectsOff)
        << Utf8(first);
    WriteConfigFile("Trainer 1", "[General]\nKFWS_Airdrop_variant=3\nKFWS_Airdrop_number=50\n");
    std::string second = Report();
    EXPECT_NE(second.find("  Вариант: Пожарный \n    Объем жидкости: 50\n"), std::string::npos) << Utf8(second);
    EXPECT_EQ(gAirdropState.config.variant, 1) << "the report does not load the file";
    EXPECT_EQ(gAirdropState.loaded, 2);
}

TEST_F(StatusReportTest, EmptyOrMissingModelReadsTheFileOfTheEmptyName) {
    WriteConfigFile("", "[General]\nKFWS_Airdrop_variant=2\nKFWS_Airdrop_number=7\n");
    std::string rows = "  Вариант: Грузовой \n    Вес груза: 7\n" + kSimple + kEffectsOff;
    UseAircraft(DefaultSpec(""));
    EXPECT_EQ(Report(), kHeading + ModelRow("") + kNotLoaded + CentreRow("0.0") + rows);
    SimSetUserAircraft(nullptr);
    EXPECT_EQ(Report(), kHeading + ModelRow("") + kNotLoaded + CentreRow("0.0") + rows);
    SimSetUserAircraft(aircraft_);
}

TEST_F(StatusReportTest, PercentSignsAreShownLiterally) {
    std::string model = "C-47 %s %n 100%";
    UseAircraft(DefaultSpec(model));
    WriteConfigFile(model, "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_number=5%d%s%n\n");
    std::string shown = Report();
    EXPECT_EQ(shown, kHeading + ModelRow(model) + kNotLoaded + CentreRow("0.0") + "  Вариант: Десантный \n" +
                         "    -= Количество десантников: 5%d%s%n\n" + kSimple + kEffectsOff)
        << Utf8(shown);
}

// The root of drive C: of the test prefix as the simulator folder: the profile functions
// work on the full path (at most 259 characters), so only there does a file with a
// model name of 213 characters stay readable.
class DriveRoot {
public:
    explicit DriveRoot(const std::string& model) : model_(model) {
        char buffer[MAX_PATH];
        GetCurrentDirectoryA(sizeof(buffer), buffer);
        previous_ = buffer;
        SetCurrentDirectoryA("C:\\");
    }
    ~DriveRoot() {
        DeleteFileA(ConfigPathOf(model_).c_str());
        RemoveDirectoryA("Modules/KestrelFieldWorks/KFWS_Airdrop");
        RemoveDirectoryA("Modules/KestrelFieldWorks");
        RemoveDirectoryA("Modules");
        SetCurrentDirectoryA(previous_.c_str());
    }

private:
    std::string model_, previous_;
};

TEST_F(StatusReportTest, ReportIsCutAtTheEndOfItsBuffer) {
    // A long model name, the longest amount text and a huge value: more than the buffer
    // holds, cut inside the realism row, so the row of the visual effects is left out.
    std::string model(213, 'M');
    std::string amount(259, '7');
    DriveRoot root(model);
    UseAircraft(DefaultSpec(model));
    WriteConfigFile(model, "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_number=" + amount +
                               "\nKFWS_Airdrop_metod=2\nKFWS_Airdrop_type=3\nKFWS_Airdrop_realism=1\n"
                               "KFWS_Airdrop_visual=1\n");
    SimSetCentreOfGravity(-1.7e306);
    char centre[400];
    snprintf(centre, sizeof(centre), "%.1f", -1.7e306 * 100.0);
    std::string rows = "  Метод: 2-потока\n  Тип: Боковая + Задняя\n" + kSimulator + kEffectsOn;
    std::string full = kHeading + ModelRow(model) + kNotLoaded + CentreRow(centre) + "  Вариант: Десантный \n" +
                       "    -= Количество десантников: " + amount + "\n" + rows;
    ASSERT_GT(full.size() - kEffectsOn.size(), (size_t)kStatusReportSize - 1);
    std::string shown = Report();
    EXPECT_EQ(shown.size(), (size_t)kStatusReportSize - 1);
    EXPECT_EQ(shown, full.substr(0, kStatusReportSize - 1)) << Utf8(shown);

    // A value that fits leaves the report whole.
    SimSetCentreOfGravity(-12345.678);
    std::string whole = Report();
    EXPECT_NE(whole.find(CentreRow("-1234567.8")), std::string::npos);
    EXPECT_EQ(whole.substr(whole.size() - rows.size()), rows) << Utf8(whole);
}

TEST_F(StatusReportTest, ModelNameTooLongForAFileIsShownAndReadsAsNoFile) {
    std::string model(250, 'L');
    UseAircraft(DefaultSpec(model));
    EXPECT_EQ(Report(), kHeading + ModelRow(model) + kNotLoaded + CentreRow("0.0") + kSimple + kEffectsOff);
}

} // namespace
