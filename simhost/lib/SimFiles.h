// File-system helpers shared by the stand-in host, its tests and the benchmark.
#pragma once

#include <string>

// Removes a folder with everything below it (read-only files included).
void SimRemoveTree(const std::string& path);
