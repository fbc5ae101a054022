#pragma once

#include <string>

// Connects to the device on a port, identifies it and prints what it holds
// as JSON; exit status 0, or 3 with the code on stderr.
int Sonde(const std::string& chemin, bool satelite);
