// The exit points as the window holds them: read from the aircraft's configuration file
// with the module's reading rule, moved with the mouse in whole feet (the module reads
// whole numbers), written back on Save with the module's own file functions, dropped on
// Cancel. Without a file they stand where the configuration dialog's creating mode puts
// them, and Save creates the file as that mode does. Called on the user-interface thread.
#pragma once

#include <string>
#include <vector>

#include "config/ConfigFile.h"
#include "simhost/app/window/ExitPoints.h"

struct ExitEdit {
    std::string modelName;   // Windows-1251, as the host gives it to the module
    std::string path;        // the configuration file; "" when the name cannot name one
    bool known = false;      // a model has been followed
    bool fileExists = false;
    AircraftConfig config = {}; // what the window shows: the file's values and the moves
    AircraftConfig saved = {};  // what the file holds (or a new file would hold)
};

// Follows the user aircraft's model name: another model starts afresh from its file (any
// unsaved moves of the previous one are dropped); the same model reads its file again
// while nothing is moved, so that the dialog's saves show.
void ExitEditFollow(ExitEdit* edit, const std::string& modelName);
bool ExitEditCanSave(const ExitEdit& edit);
bool ExitEditDirty(const ExitEdit& edit);
// Moves point `which` (0 S, 1 S', 2 R, 3 R', the order of ExitPointsOf) so that it stands
// at the whole feet nearest to (x, y, z); moving a mirror moves its point, x negated.
void ExitEditMoveTo(ExitEdit* edit, int which, double x, double y, double z);
// Writes the six coordinate keys (with no file: creates it and writes every key the
// creating dialog writes). False when the file could not be created or does not read
// back what was written.
bool ExitEditSave(ExitEdit* edit);
// Drops the unsaved moves.
void ExitEditCancel(ExitEdit* edit);
std::vector<ExitPoint> ExitEditPoints(const ExitEdit& edit);
