// The host's log: what it saw happen, as lines for the transcript, each with the time
// since the step began once that is half a second. Interactive, each line is printed as
// it comes. Called on the user-interface thread.
#pragma once

#include <string>
#include <vector>

void HostLogSetInteractive(bool interactive);
// Adds a line (with the time since the step began, once it is half a second).
void HostLog(const std::string& line);
// Adds a line as it is, without a time.
void HostLogPlain(const std::string& line);
// Takes the lines gathered since the last call.
std::vector<std::string> HostTakeObservations(void);
// Times count from now (a new step begins).
void HostLogRestart(void);
