// The per-aircraft configuration file
//   Modules/KestrelFieldWorks/KFWS_Airdrop/<atc_model>.cfg
// an INI file with one section, General, of twelve keys. Nothing of it is cached:
// every operation forms the path again and reads or writes key by key.
#pragma once

#include <windows.h>

const int kConfigPathSize = 260;  // path buffer, terminating zero included
const int kConfigValueSize = 260; // value buffer: at most 259 characters come back
const int kMaxModelNameLength = 216;

enum DropVariant { kVariantParatroopers = 1, kVariantCargo = 2, kVariantFire = 3 };
enum DropMethod { kMethodOneStream = 1, kMethodTwoStreams = 2 };
enum ExitType { kExitRear = 1, kExitSide = 2, kExitSideAndRear = 3 };
enum RealismLevel { kRealismSimple = 0, kRealismSimulator = 1 };

// The values of the current aircraft's file as last read. Values outside the lists
// above are kept unchanged; each user says what it does with them.
struct AircraftConfig {
    int variant;
    int method;
    int exitType;
    int visual;
    int realism;
    int number;
    double leftX, leftY, leftZ; // side exit point
    double downX, downY, downZ; // rear exit point
};

// The result of the last presence check.
struct ConfigFileState {
    HANDLE handle; // of the last attempt to open the file; closed at once
    int state;     // -1 no model name, 0 no file, 1 file present
};

// The file's one section and its twelve keys; what each key holds, how the dialog shows it
// and how the status report shows it are tabled in config/ConfigKeys.h.
extern const char kConfigSection[];
extern const char kKeyVariant[];
extern const char kKeyNumber[];
extern const char kKeyMethod[];
extern const char kKeyType[];
extern const char kKeyRealism[];
extern const char kKeyVisual[];
extern const char kKeyLeftX[];
extern const char kKeyLeftY[];
extern const char kKeyLeftZ[];
extern const char kKeyDownX[];
extern const char kKeyDownY[];
extern const char kKeyDownZ[];

// The folders that lie on the path below Modules, as they are created.
extern const char kMakerFolder[];   // Modules/KestrelFieldWorks
extern const char kProductFolder[]; // Modules/KestrelFieldWorks/KFWS_Airdrop

// Why a model name cannot name a file inside the product folder, checked in this order.
enum ModelNameFault {
    kNameUsable = 0,
    kNameTooLong,   // more than 216 characters
    kNameSeparator, // holds '/', '\' or ':'
    kNameDotDot,    // the ".." path part
    kNameDevice,    // a device name (CON, NUL, COM1...), with or without an extension
};
int CheckModelName(const char* modelName);

// True when CheckModelName finds no fault. Other names are used verbatim.
bool IsUsableModelName(const char* modelName);

// Forms the file's path into `path` (kConfigPathSize bytes). False, with an empty path,
// for a model name that is not usable.
bool ConfigFilePath(const char* modelName, char* path);

// True when the platform's profile functions can reach `path`: the full path, the current
// folder in front, fits in 260 characters.
bool IsReachableConfigPath(const char* path);

// -1 empty model name (with its message), 0 no file, 1 file present; also kept in `fileState`.
// A path that does not fit in 260 characters with the current folder in front counts as no file.
int CheckConfigFile(const char* modelName, ConfigFileState* fileState);

// Creates the maker and product folders as needed and the empty file; 1 when the file
// now exists (state becomes 1), 0 on failure (also for a name or full path that cannot
// name the file). Shows its own messages.
int CreateConfigFile(const char* modelName, ConfigFileState* fileState);

// Reads a key of section General into `value` (kConfigValueSize bytes); empty when missing.
void ReadConfigValue(const char* path, const char* key, char* value);
// Sets a key of section General and puts the file on disk at once; false when the value
// could not be written (the file held by another program, a full disk, a refused path).
bool WriteConfigValue(const char* path, const char* key, const char* text);

// Base 10, leading white space skipped, one optional sign, digits up to the first
// non-digit; no digits gives 0; clamped to the signed 32-bit range.
int ParseConfigInt(const char* text);

// Reads a key as a whole number: ReadConfigValue, then ParseConfigInt. With `value`
// (kConfigValueSize bytes) the text read is kept there too.
int ReadConfigInt(const char* path, const char* key);
int ReadConfigInt(const char* path, const char* key, char* value);

// Reads all twelve keys of the file at `path` into `config`; a missing key gives 0.
void ReadConfigFile(const char* path, AircraftConfig* config);
// The same for the model's file.
void ReadAircraftConfig(const char* modelName, AircraftConfig* config);
