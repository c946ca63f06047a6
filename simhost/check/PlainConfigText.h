// The texts of a configuration file's keys from the file's bytes, for files in the plain
// form the configuration dialog writes, so that the readiness check reads each file once
// instead of opening it again for the profile functions. Only where every profile reader
// gives the same: printable ASCII lines, ended by LF or CRLF, no quote, no ';', each line
// a [section] or key=value; the check's section once and each of its keys at most once.
// Anything else is refused, and the caller asks the profile functions.
#pragma once

#include <stddef.h>

#include <string>

const size_t kPlainConfigMaxBytes = 32u << 10; // larger files go to the profile functions

// texts[k] is kConfigKeys[k]'s value in the file's configuration section, blanks around it
// taken off, "" when the key is missing (as GetPrivateProfileStringA gives it with "" as
// its default). False when the bytes are not in the plain form.
bool ReadPlainConfigTexts(const char* bytes, size_t size, std::string* texts);
