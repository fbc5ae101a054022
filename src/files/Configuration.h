#pragma once

#include <optional>
#include <string>

namespace Zent {

// The one-line configuration file that remembers the language.
inline constexpr const char* NomConfiguration = "ZentoraV1.CFG";

// $ZENTORA_CONFIG_DIR, else $XDG_CONFIG_HOME, else ~/.config.
std::string DossierConfiguration();
std::string CheminConfiguration();

// The stored language (0 when the file holds no readable number); creates
// the file with language 0 when it is missing. None when it cannot be created.
std::optional<int> LitLangue(const std::string& chemin);
// Replaces the content by the line for `langue`; false when it cannot be written.
bool EcritLangue(const std::string& chemin, int langue);
// The bytes written for a language: "Langue=1;" then LF CR.
std::string ContenuConfiguration(int langue);

} // namespace Zent
