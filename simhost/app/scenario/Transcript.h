// The scenario's transcript: lines to the console and the transcript file, what the host
// observed during a step, and the configuration dialog and the current aircraft's
// configuration file whenever they changed. Called on the scenario thread.
#pragma once

#include <stdio.h>

#include <string>

// Also write the transcript to `file` (null: the console only).
void TranscriptSetFile(FILE* file);
// Writes one line (UTF-8) to the console and the transcript file.
void TranscriptEmit(const std::string& line);
// Writes the lines the host observed since the last call, indented.
void TranscriptFlushObservations(void);
// Prints the current aircraft's configuration file when it differs from what was printed
// for it (or is there for the first time); always with `always`.
void TranscriptReportConfig(bool always);
// Prints the configuration dialog's controls when they changed.
void TranscriptReportDialog(void);
// A whole file by its Windows-1251 path; `exists` tells whether it could be opened.
std::string TranscriptReadFile(const std::string& path, bool* exists);
