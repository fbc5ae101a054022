#pragma once

#include "model/CQ52.h"
#include "model/Textes.h"

#include <functional>
#include <string>
#include <vector>

namespace Zent::Fichier {

// What verification reads of a document besides its model.
struct DocumentAVerifier {
    CQ52* Modele = nullptr;
    // Text of the time table cell (column, row).
    std::function<std::string(int, int)> Cellule;
    std::string Titre;
    char SeparateurDecimal = ',';
};

// Fills the two lists (emptied first) with one text per problem, in shot
// order; the show-name error comes last. Only the model's last error changes.
void VerificationProgramme(const DocumentAVerifier& document, Langue langue, std::vector<std::string>& erreurs,
                           std::vector<std::string>& avertissements);

} // namespace Zent::Fichier
