#include "config/ConfigKeys.h"

#include "dialog/resource.h"

const char kKeyVariant[] = "KFWS_Airdrop_variant";
const char kKeyNumber[] = "KFWS_Airdrop_number";
const char kKeyMethod[] = "KFWS_Airdrop_metod"; // spelled so in every file already written
const char kKeyType[] = "KFWS_Airdrop_type";
const char kKeyRealism[] = "KFWS_Airdrop_realism";
const char kKeyVisual[] = "KFWS_Airdrop_visual";
const char kKeyLeftX[] = "KFWS_Airdrop_left_x";
const char kKeyLeftY[] = "KFWS_Airdrop_left_y";
const char kKeyLeftZ[] = "KFWS_Airdrop_left_z";
const char kKeyDownX[] = "KFWS_Airdrop_down_x";
const char kKeyDownY[] = "KFWS_Airdrop_down_y";
const char kKeyDownZ[] = "KFWS_Airdrop_down_z";

// Status report rows. The variant's rows show the amount's stored text, unparsed.
static const char kRowParatroopers[] = "  Вариант: Десантный \n    -= Количество десантников: %s\n";
static const char kRowCargo[] = "  Вариант: Грузовой \n    Вес груза: %s\n";
static const char kRowFire[] = "  Вариант: Пожарный \n    Объем жидкости: %s\n";
static const char kRowOneStream[] = "  Метод: 1-поток\n";
static const char kRowTwoStreams[] = "  Метод: 2-потока\n";
static const char kRowRear[] = "  Тип: Задняя \n";
static const char kRowSide[] = "  Тип: Боковая\n";
static const char kRowSideAndRear[] = "  Тип: Боковая + Задняя\n";
static const char kRowSimple[] = "  Уровень сложности: Простой \n";
static const char kRowSimulator[] = "  Уровень сложности: Симулятор\n";
static const char kRowEffectsOff[] = "  Визуальные ефекты: Отключены\n";
static const char kRowEffectsOn[] = "  Визуальные ефекты: Включены\n";

static const char* const kVariantRows[] = {kRowParatroopers, kRowCargo, kRowFire};
static const char* const kMethodRows[] = {kRowOneStream, kRowTwoStreams};
static const char* const kTypeRows[] = {kRowRear, kRowSide, kRowSideAndRear};
static const char* const kRealismRows[] = {kRowSimple, kRowSimulator};
static const char* const kVisualRows[] = {kRowEffectsOff, kRowEffectsOn};

const ConfigKey kConfigKeys[kConfigKeyCount] = {
    {kKeyVariant, &AircraftConfig::variant, nullptr, kControlChoice, 3,
     {IDC_VARIANT_PARATROOPERS, IDC_VARIANT_CARGO, IDC_VARIANT_FIRE}, kVariantRows, kVariantParatroopers, 3},
    {kKeyMethod, &AircraftConfig::method, nullptr, kControlChoice, 2,
     {IDC_METHOD_ONE, IDC_METHOD_TWO}, kMethodRows, kMethodOneStream, 2},
    {kKeyType, &AircraftConfig::exitType, nullptr, kControlExitBoxes, 2,
     {IDC_TYPE_REAR, IDC_TYPE_SIDE}, kTypeRows, kExitRear, 3},
    {kKeyRealism, &AircraftConfig::realism, nullptr, kControlCheckBox, 1, {IDC_REALISM}, kRealismRows, kRealismSimple, 2},
    {kKeyVisual, &AircraftConfig::visual, nullptr, kControlCheckBox, 1, {IDC_VISUAL}, kVisualRows, 0, 2},
    {kKeyNumber, &AircraftConfig::number, nullptr, kControlText, 1, {IDC_NUMBER}, nullptr, 0, 0},
    {kKeyLeftX, nullptr, &AircraftConfig::leftX, kControlText, 1, {IDC_SIDE_X}, nullptr, 0, 0},
    {kKeyLeftY, nullptr, &AircraftConfig::leftY, kControlText, 1, {IDC_SIDE_Y}, nullptr, 0, 0},
    {kKeyLeftZ, nullptr, &AircraftConfig::leftZ, kControlText, 1, {IDC_SIDE_Z}, nullptr, 0, 0},
    {kKeyDownX, nullptr, &AircraftConfig::downX, kControlText, 1, {IDC_REAR_X}, nullptr, 0, 0},
    {kKeyDownY, nullptr, &AircraftConfig::downY, kControlText, 1, {IDC_REAR_Y}, nullptr, 0, 0},
    {kKeyDownZ, nullptr, &AircraftConfig::downZ, kControlText, 1, {IDC_REAR_Z}, nullptr, 0, 0},
};

void StoreConfigKey(const ConfigKey& key, int value, AircraftConfig* config) {
    if (key.whole) {
        config->*key.whole = value;
    } else {
        config->*key.coordinate = value;
    }
}

// Reading a whole file goes through the table (declared with the file's other helpers in
// config/ConfigFile.h).
static void ReadKeyInto(const char* path, const ConfigKey& key, AircraftConfig* config) {
    StoreConfigKey(key, ReadConfigInt(path, key.name), config);
}

void ReadConfigFile(const char* path, AircraftConfig* config) {
    // In the table's order, but the amount is read right after the variant it belongs to.
    for (int i = 0; i < kConfigKeyCount; i++) {
        if (i == kKeyIndexNumber) {
            continue;
        }
        ReadKeyInto(path, kConfigKeys[i], config);
        if (i == kKeyIndexVariant) {
            ReadKeyInto(path, kConfigKeys[kKeyIndexNumber], config);
        }
    }
}

void ReadAircraftConfig(const char* modelName, AircraftConfig* config) {
    char path[kConfigPathSize];
    ConfigFilePath(modelName, path);
    ReadConfigFile(path, config);
}
