#include "device/SateliteHalvex.h"


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

std::uint32_t SateliteHalvex::LitVersionCarte(int& version)
{
    if (std::uint32_t c = Verifie(); c != 0)
        return c;
    if (std::uint32_t c = LaLiaison.EcritOctet(0x87); c != 0)
        return c;
    return LaLiaison.LitHexa(version, true);
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
