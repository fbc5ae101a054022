#pragma once

#include <string>
#include <vector>

namespace ZentTest {

// Joins lines with the line feeds a program file uses.
inline std::string Texte(const std::vector<std::string>& lignes, const char* fin = "\n")
{
    std::string s;
    for (const auto& l : lignes)
        s += l + fin;
    return s;
}

// The worked example: version 4, three shots and the satellite "Nord",
// written under French settings.
inline std::vector<std::string> LignesExemple()
{
    std::vector<std::string> l = {
        "VersionFichier ; 4", "TypeAppareil ; Zentora", "TitreListeTir ; Feu du port", "NumeroSerie ; 1234",
        "Version ; 2", "NbSatelite ; 1", "#Debut du tableau des tirs", "NbVoieSecours ; 4", "NbTir ; 3",
        "# Commande; Num\xE9ro du tir de secours; Num\xE9ro de voie de secours", "VoieSecour ; 0 ; 596",
        "VoieSecour ; 1 ; 597", "VoieSecour ; 2 ; 598", "VoieSecour ; 3 ; 599",
        "#N\xB0 de la ligne; Type de la voie; Retard de la voie; Description",
        "NumVoie ; TypeVoie ; Retard ; Description", "0 ; 0 ; 0 ; ", "1 ; 1 ; 1,5 ; Ouverture",
        "2 ; 1 ; 3 ; Bouquet final", "FinTir", "# Debut du tableau du sat\xE9lite Nord", "NomSatelite ;Nord",
        "NumSerieSat ;400000000", "TypeSAt ;Q31", "NombreLigneSat ;60", "NumSortie ; NumVoie ; Description ; ",
        "0 ; 1 ; ", "1 ; 2 ; "};
    for (int k = 2; k < 60; ++k)
        l.push_back(std::to_string(k) + " ; -1 ; ");
    l.push_back("FinSat");
    return l;
}

} // namespace ZentTest
