#pragma once

#include "model/CQ52.h"
#include "model/TypeListeSatelites.h"

#include <functional>
#include <string>

namespace Zent::Fichier {

// What the writer takes from a document.
struct DocumentAEcrire {
    std::string Titre, NumeroSerie, Version;
    const CQ52* Modele = nullptr;
    // Description of shot i as the time table shows it.
    std::function<std::string(std::int32_t)> Description;
    const Sate::TypeListeSatelites* Satelites = nullptr;
    char SeparateurDecimal = ',';
};

// The bytes of the program file: version 4 when there are satellites, else 3.
std::string ContenuProgramme(const DocumentAEcrire& document);

// Name of the backup kept when a file is saved over: the extension becomes
// "Bak" (a name without extension gets ".Bak" appended).
std::string NomSauvegarde(const std::string& chemin);

// Saves to `chemin`, first renaming an existing file to its backup name. A
// failed write removes the partial file; the backup stays.
bool EcritFichierProgramme(const std::string& chemin, const DocumentAEcrire& document);

} // namespace Zent::Fichier
