// Recording stand-ins for what the keyboard hook calls: the six commands and the key-state read.
#pragma once

#include <string>
#include <vector>

std::vector<std::string>& CommandsRun();
std::vector<int>& KeyStatesRead();
