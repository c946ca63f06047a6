// File-system helpers shared by the stand-in host, its tests and the benchmark.
#pragma once

#include <string>
#include <vector>

// Reads a whole file as bytes; false when it cannot be opened.
bool SimReadFile(const std::string& path, std::string* content);

// Removes a folder with everything below it (read-only files included).
void SimRemoveTree(const std::string& path);

bool SimIsFolder(const std::string& path);
bool SimIsFile(const std::string& path); // a file, not a folder (links followed)
// `folder` and `name` joined by one separator.
std::string SimChildPath(const std::string& folder, const std::string& name);
// The names of the folders inside `folder` ("." and ".." left out), in letter order
// regardless of case; none when it cannot be listed.
std::vector<std::string> SimSubfolders(const std::string& folder);
