// The module's refusal of a model name, for every tool of simhost: the configuration
// file's path by the module's own rule (CheckModelName, ConfigFilePath and the reach of
// the full path from the current folder), or the reason the module would not use it.
#pragma once

#include <string>

#include "simhost/lib/SimTexts.h"

// Why a model name names no configuration file, in `language` (UTF-8): the name's fault
// (a ModelNameFault other than kNameUsable) or, for kNameUsable, the path past 259
// characters; `length` is the name's length in characters.
std::string ModelNameFaultText(SimLanguage language, int fault, size_t length);

// `model` is the atc_model as the host gives it (Windows-1251, ended by its first NUL).
// True with the path relative to the current folder; false with `reason` for an empty
// name, a name the module refuses or a path the profile functions cannot reach.
bool ModelConfigPath(const std::string& model, SimLanguage language, std::string* path, std::string* reason);
