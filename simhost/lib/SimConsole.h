// Text output of simhost's console commands. A Windows console shows UTF-8 bytes as
// mojibake under a Russian code page (866), so text going to a console is written as wide
// characters; text going to a file or a pipe is written as UTF-8 bytes, unchanged.
#pragma once

#include <windows.h>

#include <string>

// Writes UTF-8 text to the handle: WriteConsoleW when it is a console, the bytes otherwise.
// Returns false when the handle is missing or a write failed.
bool SimWriteText(HANDLE handle, const std::string& utf8);
// The same to standard output / standard error (after the C runtime's buffers are flushed,
// so that text printed by stdio before keeps its place).
bool SimPrintOut(const std::string& utf8);
bool SimPrintError(const std::string& utf8);

// A program of the GUI subsystem (no console of its own) started from a command prompt:
// the standard handles that are not set are given the prompt's console, so that what the
// program prints reaches it; redirected ones (files, pipes) are kept. True when a console
// was attached.
bool SimAttachParentConsole(void);
