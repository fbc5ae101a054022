#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Sate {

inline constexpr std::uint32_t NbLigneSatelite = 60;
inline constexpr std::int32_t NumVoieMax = 599;
inline constexpr int SoixantaineAucune = 10;
inline constexpr const char* TypeAppareilSatelite = "Q31";
inline constexpr const char* LibelleTypeSatelite = "Satellite de la Halvex SII";
inline constexpr const char* ModeleSatelite = "Halvex SII";

struct TypeUneLigne {
    std::int32_t NumVoie = -1; // console channel, -1 when none
    std::string Description;
};

using TypeTabLigne = std::vector<TypeUneLigne>;
using TypeListeLignes = std::vector<std::uint32_t>;

struct TypeUnSatelite {
    std::string NomSatelite;
    std::uint32_t NumSerieSat = 0; // 0: none recorded
    TypeTabLigne TabLigne;
};

// One satellite module, data side: its identity and its 60 outputs, each
// bound to at most one console channel; a channel is carried by at most one
// output of the same satellite.
class CQ31 {
public:
    CQ31(std::string_view nom, std::uint32_t numSerie, int soixantaine);

    void InitialisationSorties(int soixantaine);

    std::int32_t GetVoieSortie(std::uint32_t sortie) const;
    bool VoieAffectable(std::int32_t voie) const;
    bool SetVoieSortie(std::uint32_t sortie, std::int32_t voie);
    std::int32_t RechSortieDeLaVoie(std::int32_t voie) const;
    // Moves channel `voie` onto `sortie` (or frees it when sortie < 0):
    // freeing first lets a channel change outputs in one step.
    void AffecteVoieSortie(std::int32_t voie, std::int32_t sortie);

    std::string GetDescriptionSortie(std::uint32_t sortie) const;
    void SetDescriptionSortie(std::uint32_t sortie, std::string_view texte);

    const std::string& GetNomSatelite() const { return Satelite.NomSatelite; }
    std::uint32_t GetNumSerie() const { return Satelite.NumSerieSat; }
    void SetNumSerie(std::uint32_t numSerie) { Satelite.NumSerieSat = numSerie; }
    bool EstNumSerie(std::uint32_t numSerie) const { return numSerie == Satelite.NumSerieSat; }

    bool ListeSortiesLibres(TypeListeLignes& liste);
    bool TexteUneSortie(std::uint32_t sortie, std::vector<std::string>& textes) const;

private:
    TypeUnSatelite Satelite;
};

} // namespace Sate
