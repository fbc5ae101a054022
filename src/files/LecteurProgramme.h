#pragma once

#include "model/CQ31.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace Zent::Fichier {

enum class ErreurLecture { Aucune, NonAccessible, DonneesInvalides, Appareil, NombreTirs };

struct SecoursLu {
    int Touche = 0;
    std::int32_t Voie = 0;
};

struct TirLu {
    std::int32_t Voie = 0;
    bool Manuel = true;
    double Temps = 0.0; // already rounded to the tenth
    std::string Description;
};

// Everything a program file holds, checked line by line; the document
// applies it to its model and views.
struct ProgrammeLu {
    long long Version = 0;
    std::string Titre, NumeroSerie, VersionProgramme;
    std::vector<SecoursLu> Secours;
    std::vector<TirLu> Tirs;
    std::vector<std::unique_ptr<Sate::CQ31>> Satelites;
};

ErreurLecture LitProgramme(std::istream& flux, ProgrammeLu& programme);
ErreurLecture LitFichierProgramme(const std::string& chemin, ProgrammeLu& programme);

} // namespace Zent::Fichier
