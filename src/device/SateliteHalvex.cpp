#include "device/SateliteHalvex.h"

#include <cstring>

namespace Zent {

SateliteHalvex::SateliteHalvex(Sate::CQ31& satelite, std::unique_ptr<PortSerie> port, Horloge& horloge)
    : LeSatelite(satelite), LaLiaison(Variante::Satellite, std::move(port), horloge)
{
}

std::uint32_t SateliteHalvex::Verifie() { return LaLiaison.VerifieConnexion(); }

std::uint32_t SateliteHalvex::EntreModeProgrammation()
{
    if (std::uint32_t c = Verifie(); c != 0)
        return c;
    if (std::uint32_t c = LaLiaison.CommandeAck(0x82); c != 0)
        return c;
    LaLiaison.ModeProgrammation = true;
    return 0;
}

std::uint32_t SateliteHalvex::LitTypeAppareil(std::array<char, 4>& type)
{
    type = {0, 0, 0, 0};
    if (std::uint32_t c = Verifie(); c != 0)
        return c;
    if (std::uint32_t c = LaLiaison.EcritOctet(0x86); c != 0)
        return c;
    for (std::size_t i = 0; i < 3; ++i) {
        int v = 0;
        if (std::uint32_t c = LaLiaison.LitHexa(v, true); c != 0)
            return c;
        type[i] = static_cast<char>(v & 0xFF);
    }
    return 0;
}

std::uint32_t SateliteHalvex::VerifieTypeAppareil()
{
    std::array<char, 4> type{};
    if (std::uint32_t c = LitTypeAppareil(type); c != 0)
        return c;
    return LaLiaison.SetErreur(std::memcmp(type.data(), Sate::TypeAppareilSatelite, 3) == 0 ? 0 : ErrTypeAppareil);
}

std::uint32_t SateliteHalvex::LitVersionCarte(int& version)
{
    if (std::uint32_t c = Verifie(); c != 0)
        return c;
    if (std::uint32_t c = LaLiaison.EcritOctet(0x87); c != 0)
        return c;
    return LaLiaison.LitHexa(version, true);
}

std::uint32_t SateliteHalvex::LitOctetMemoire(std::uint8_t adresse, std::uint8_t& valeur)
{
    if (std::uint32_t c = Verifie(); c != 0)
        return c;
    if (std::uint32_t c = LaLiaison.EcritOctet(0x89); c != 0)
        return c;
    if (std::uint32_t c = LaLiaison.EcritHexa(adresse); c != 0)
        return c;
    int v = 0;
    if (std::uint32_t c = LaLiaison.LitHexa(v, true); c != 0)
        return c;
    valeur = static_cast<std::uint8_t>(v & 0xFF);
    return 0;
}

std::uint32_t SateliteHalvex::EcritOctetMemoire(std::uint8_t adresse, std::uint8_t valeur)
{
    if (std::uint32_t c = Verifie(); c != 0)
        return c;
    if (std::uint32_t c = LaLiaison.EcritOctet(0x8B); c != 0)
        return c;
    if (std::uint32_t c = LaLiaison.EcritHexa(adresse); c != 0)
        return c;
    if (std::uint32_t c = LaLiaison.EcritHexa(valeur); c != 0)
        return c;
    const auto debut = LaLiaison.GetHorloge().Tic();
    while (LaLiaison.GetHorloge().Tic() - debut < 10)
        LaLiaison.GetHorloge().Dort(1);
    std::uint8_t reponse = 0;
    if (std::uint32_t c = LaLiaison.LitOctet(reponse); c != 0)
        return c;
    return LaLiaison.SetErreur(reponse == Ack ? 0 : ErrPasAck);
}

std::uint32_t SateliteHalvex::LitMotMemoire(std::uint8_t adresse, std::uint16_t& mot)
{
    std::uint8_t bas = 0, haut = 0;
    if (std::uint32_t c = LitOctetMemoire(adresse, bas); c != 0)
        return c;
    if (std::uint32_t c = LitOctetMemoire(static_cast<std::uint8_t>(adresse + 1), haut); c != 0)
        return c;
    mot = static_cast<std::uint16_t>(bas | (haut << 8));
    return 0;
}

std::uint32_t SateliteHalvex::EcritMotMemoire(std::uint8_t adresse, std::uint16_t mot)
{
    if (std::uint32_t c = EcritOctetMemoire(adresse, static_cast<std::uint8_t>(mot & 0xFF)); c != 0)
        return c;
    return EcritOctetMemoire(static_cast<std::uint8_t>(adresse + 1), static_cast<std::uint8_t>(mot >> 8));
}

std::uint32_t SateliteHalvex::LitNumeroSerie(std::uint32_t& numero)
{
    std::uint16_t bas = 0, haut = 0;
    if (std::uint32_t c = LitMotMemoire(AdresseNumSerieSat, bas); c != 0)
        return c;
    numero = bas;
    if (std::uint32_t c = LitMotMemoire(static_cast<std::uint8_t>(AdresseNumSerieSat + 2), haut); c != 0)
        return c;
    numero = bas + 65536u * haut;
    return 0;
}

std::uint32_t SateliteHalvex::LitVersionLogiciel(int& majeure, int& mineure)
{
    std::uint8_t a = 0, b = 0;
    if (std::uint32_t c = LitOctetMemoire(AdresseVersionMajeure, a); c != 0)
        return c;
    majeure = a;
    if (std::uint32_t c = LitOctetMemoire(AdresseVersionMineure, b); c != 0)
        return c;
    mineure = b;
    return 0;
}

void SateliteHalvex::DebutEcritureTableVoies()
{
    Sortie = 0;
    Adresse = AdresseTableVoies;
}

std::uint32_t SateliteHalvex::SuiteEcritureTableVoies()
{
    if (TableVoiesEcrite())
        return LaLiaison.SetErreur(ErrTableVoiesFinie);
    const std::int32_t voie = LeSatelite.GetVoieSortie(Sortie);
    const auto mot = static_cast<std::uint16_t>(voie < 0 ? VoieAucune : voie);
    if (std::uint32_t c = EcritMotMemoire(static_cast<std::uint8_t>(Adresse), mot); c != 0)
        return c;
    ++Sortie;
    Adresse += 2;
    return 0;
}

} // namespace Zent
