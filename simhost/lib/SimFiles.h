// File-system helpers shared by the stand-in host, its tests and the benchmark.
#pragma once

#include <string>

// Reads a whole file as bytes; false when it cannot be opened.
bool SimReadFile(const std::string& path, std::string* content);

// Removes a folder with everything below it (read-only files included).
void SimRemoveTree(const std::string& path);
