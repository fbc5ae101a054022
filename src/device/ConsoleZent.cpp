#include "device/ConsoleZent.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace Zent {

namespace {
constexpr int TaillePage = 128;
constexpr int OffsetNom = 3;
constexpr int OffsetSecours = 28;
constexpr int OffsetTirs = 36;
} // namespace

std::uint16_t BaseEmplacement(int emplacement) { return static_cast<std::uint16_t>(0x0080 + 0x0A00 * emplacement); }

ConsoleZent::ConsoleZent(CQ52& programme, std::unique_ptr<PortSerie> port, Horloge& horloge)
    : LeProgramme(programme), LaLiaison(Variante::Console, std::move(port), horloge)
{
}

std::uint32_t ConsoleZent::Connecte(int secondes)
{
    LaLiaison.SetNumeroPort(LeProgramme.GetNumeroPort());
    return LaLiaison.Connecte(secondes);
}

std::uint32_t ConsoleZent::LitBloc(std::uint16_t adresse, std::uint8_t* tampon, int nombre)
{
    Liaison& l = LaLiaison;
    if (!l.ConnexionEtablie)
        return l.SetErreur(ErrPasDeConnexion);
    if (!tampon || nombre <= 0)
        return l.SetErreur(ErrBlocVide);
    nombre = std::min(nombre, 255);
    char entete[8];
    std::snprintf(entete, sizeof entete, "%c%02X%02X%02X", 0x98, nombre, adresse & 0xFF, adresse >> 8);
    l.EcritOctets(reinterpret_cast<const std::uint8_t*>(entete), 7);
    l.GetHorloge().Dort(40);
    for (int i = 0; i < nombre; ++i) {
        int v = 0;
        if (std::uint32_t c = l.LitHexa(v, true); c != 0)
            return c;
        tampon[i] = static_cast<std::uint8_t>(v & 0xFF);
    }
    return l.SetErreur(0);
}

std::uint32_t ConsoleZent::EcritBloc(std::uint16_t adresse, const std::uint8_t* tampon, int nombre)
{
    Liaison& l = LaLiaison;
    if (!l.ConnexionEtablie)
        return l.SetErreur(ErrPasDeConnexion);
    if (!tampon || nombre <= 0)
        return l.SetErreur(ErrBlocVide);
    // One block never crosses a 128-byte page.
    nombre = std::min(nombre, TaillePage - adresse % TaillePage);
    char entete[8];
    std::snprintf(entete, sizeof entete, "%c%02X%02X%02X", 0x99, nombre, adresse & 0xFF, adresse >> 8);
    l.EcritOctets(reinterpret_cast<const std::uint8_t*>(entete), 7);
    l.GetHorloge().Dort(40);
    std::string donnees;
    for (int i = 0; i < nombre; ++i) {
        char h[3];
        std::snprintf(h, sizeof h, "%02X", tampon[i]);
        donnees += h;
    }
    if (std::uint32_t c = l.EcritOctets(reinterpret_cast<const std::uint8_t*>(donnees.data()), donnees.size()); c != 0)
        return c;
    std::uint8_t reponse = 0;
    if (std::uint32_t c = l.LitOctet(reponse); c != 0)
        return c;
    return l.SetErreur(reponse == Ack ? 0 : ErrPasAck);
}

std::uint32_t ConsoleZent::EcritMotPasseTir(std::uint16_t motPasse) { return EcritMotMemoire(AdresseMotPasse, motPasse); }

bool ConsoleZent::IndexEmplacementValide(int emplacement)
{
    const bool valide = emplacement >= 0 && emplacement < NbEmplacements;
    LaLiaison.SetErreur(valide ? 0 : ErrIndexEmplacement);
    return valide;
}

bool ConsoleZent::EmplacementProgramme(int emplacement)
{
    if (!IndexEmplacementValide(emplacement))
        return false;
    std::uint8_t marque[3] = {};
    return LitBloc(BaseEmplacement(emplacement), marque, 3) == 0 && marque[0] >= 1 && marque[0] <= 3;
}

std::uint32_t ConsoleZent::EcritMarqueEmplacement(int emplacement, std::uint8_t valeur)
{
    if (!IndexEmplacementValide(emplacement))
        return ErrIndexEmplacement;
    const std::uint8_t marque[3] = {valeur, valeur, valeur};
    return EcritBloc(BaseEmplacement(emplacement), marque, 3);
}

std::uint32_t ConsoleZent::LitNomEmplacement(int emplacement, std::array<char, LgNomEmplacement>& nom)
{
    if (!IndexEmplacementValide(emplacement))
        return ErrIndexEmplacement;
    std::array<std::uint8_t, LgNomEmplacement> lu{};
    if (std::uint32_t c = LitBloc(static_cast<std::uint16_t>(BaseEmplacement(emplacement) + OffsetNom), lu.data(),
                                  static_cast<int>(LgNomEmplacement));
        c != 0)
        return c;
    auto& cache = Noms[static_cast<std::size_t>(emplacement)];
    std::memcpy(cache.data(), lu.data(), LgNomEmplacement);
    cache[LgNomEmplacement - 1] = 0;
    nom = cache;
    return 0;
}

std::uint32_t ConsoleZent::EcritNomEmplacement(int emplacement, const std::string& texte)
{
    if (!IndexEmplacementValide(emplacement))
        return ErrIndexEmplacement;
    auto& cache = Noms[static_cast<std::size_t>(emplacement)];
    cache.fill(0);
    const std::size_t longueur = std::min({texte.find('\0'), texte.size(), LgNomEmplacement - 1});
    std::memcpy(cache.data(), texte.data(), longueur);
    return EcritBloc(static_cast<std::uint16_t>(BaseEmplacement(emplacement) + OffsetNom),
                     reinterpret_cast<const std::uint8_t*>(cache.data()), static_cast<int>(LgNomEmplacement));
}

std::uint32_t ConsoleZent::EcritVoiesSecoursEmplacement(int emplacement)
{
    if (!IndexEmplacementValide(emplacement))
        return ErrIndexEmplacement;
    std::uint8_t octets[8];
    for (int k = 0; k < NbVoieSecours; ++k) {
        const auto voie = static_cast<std::uint16_t>(LeProgramme.VoiesDeSecours()[static_cast<std::size_t>(k)]);
        octets[2 * k] = static_cast<std::uint8_t>(voie & 0xFF);
        octets[2 * k + 1] = static_cast<std::uint8_t>(voie >> 8);
    }
    return EcritBloc(static_cast<std::uint16_t>(BaseEmplacement(emplacement) + OffsetSecours), octets, 8);
}

std::uint32_t ConsoleZent::VerifieVoiesSecoursEmplacement(int emplacement)
{
    if (!IndexEmplacementValide(emplacement))
        return ErrIndexEmplacement;
    std::uint8_t octets[8] = {};
    if (std::uint32_t c = LitBloc(static_cast<std::uint16_t>(BaseEmplacement(emplacement) + OffsetSecours), octets, 8); c != 0)
        return c;
    for (int k = 0; k < NbVoieSecours; ++k) {
        const int lu = octets[2 * k] | (octets[2 * k + 1] << 8);
        if (lu != LeProgramme.VoiesDeSecours()[static_cast<std::size_t>(k)])
            return LaLiaison.SetErreur(ErrRelecture);
    }
    return 0;
}

std::array<std::uint8_t, 4> ConsoleZent::CodeEntreeTir(std::int32_t index) const
{
    const UnTir& tir = LeProgramme.Tir(index);
    if (tir.Inactif) {
        std::uint8_t haut = static_cast<std::uint8_t>(((index >> 8) & 0x03) | 0x80);
        if (LeProgramme.EstVoieSecours(index))
            haut |= 0x10;
        return {0, 0, static_cast<std::uint8_t>(index & 0xFF), haut};
    }
    const auto dixiemes = static_cast<std::uint16_t>(std::nearbyint(tir.Retard * 10));
    std::uint8_t haut = static_cast<std::uint8_t>((tir.Voie >> 8) & 0x03);
    if (LeProgramme.EstVoieSecours(tir.Voie))
        haut |= 0x10;
    if (tir.DernierTir)
        haut |= 0x40;
    if (tir.Manuel)
        haut |= 0x80;
    return {static_cast<std::uint8_t>(dixiemes & 0xFF), static_cast<std::uint8_t>(dixiemes >> 8),
            static_cast<std::uint8_t>(tir.Voie & 0xFF), haut};
}

std::uint16_t ConsoleZent::AdresseTirs(int emplacement, std::int32_t debut) const
{
    return static_cast<std::uint16_t>(BaseEmplacement(emplacement) + OffsetTirs + 4 * debut);
}

int ConsoleZent::EntreesDansPage(std::uint16_t adresse) const { return (TaillePage - adresse % TaillePage) / 4; }

std::uint32_t ConsoleZent::VerifiePage(int emplacement, std::int32_t debut)
{
    if (!IndexEmplacementValide(emplacement))
        return ErrIndexEmplacement;
    return LaLiaison.SetErreur(debut < 0 || debut >= NbTirMax ? ErrIndexHorsTable : 0);
}

std::uint32_t ConsoleZent::EcritPageTirs(int emplacement, std::int32_t& debut)
{
    if (const std::uint32_t code = VerifiePage(emplacement, debut); code != 0)
        return code;
    const std::uint16_t adresse = AdresseTirs(emplacement, debut);
    const int place = EntreesDansPage(adresse);
    std::vector<std::uint8_t> entrees;
    std::int32_t i = debut;
    for (; static_cast<int>(entrees.size() / 4) < place && i < NbTirMax; ++i) {
        const auto e = CodeEntreeTir(i);
        entrees.insert(entrees.end(), e.begin(), e.end());
    }
    const std::uint32_t code = EcritBloc(adresse, entrees.data(), static_cast<int>(entrees.size()));
    debut = i - 1;
    return code;
}

std::uint32_t ConsoleZent::VerifiePageTirs(int emplacement, std::int32_t& debut)
{
    if (const std::uint32_t code = VerifiePage(emplacement, debut); code != 0)
        return code;
    const std::uint16_t adresse = AdresseTirs(emplacement, debut);
    const int octets = TaillePage - adresse % TaillePage;
    std::vector<std::uint8_t> lu(static_cast<std::size_t>(octets));
    if (std::uint32_t c = LitBloc(adresse, lu.data(), octets); c != 0)
        return c;
    // Every entry of the page is compared with what the program encodes: an
    // upload must never call a corrupted page good.
    for (int k = 0; k < octets / 4 && debut + k < NbTirMax; ++k) {
        const auto attendu = CodeEntreeTir(debut + k);
        if (!std::equal(attendu.begin(), attendu.end(), lu.begin() + 4 * k)) {
            debut += k;
            return LaLiaison.SetErreur(ErrRelecture);
        }
    }
    return LaLiaison.SetErreur(0);
}

std::uint32_t ConsoleZent::DebutLectureListe()
{
    std::uint8_t nombre = 0;
    if (std::uint32_t c = LitBloc(AdresseNombreListe, &nombre, 1); c != 0)
        return c;
    if (nombre > NbNumSerieMax)
        return LaLiaison.SetErreur(ErrListeConsoleTropLongue);
    NombreListeConsole = nombre;
    EntreesLues = 0;
    return 0;
}

bool ConsoleZent::SuiteLectureListe()
{
    const int restant = NombreListeConsole - EntreesLues;
    const int k = restant <= 63 ? restant : 63;
    std::vector<std::uint8_t> octets(static_cast<std::size_t>(4 * k));
    if (LitBloc(static_cast<std::uint16_t>(AdresseListe + 4 * EntreesLues), octets.data(), 4 * k) == 0) {
        for (int n = 0; n < k; ++n) {
            const std::uint8_t* b = &octets[static_cast<std::size_t>(4 * n)];
            LeProgramme.ListeRecherche.AjouteNumSerie(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
        }
        EntreesLues += k;
    }
    return restant >= 64;
}

std::uint32_t ConsoleZent::DebutEcritureListe()
{
    const std::uint8_t zero = 0;
    if (std::uint32_t c = EcritBloc(AdresseNombreListe, &zero, 1); c != 0)
        return c;
    TamponListe.clear();
    const TypeTableauNumSerie& liste = LeProgramme.ListeRecherche;
    for (std::size_t i = 0; i < liste.Nombre(); ++i) {
        const std::uint32_t n = liste.GetNumSerie(i);
        for (int b = 0; b < 4; ++b)
            TamponListe.push_back(static_cast<std::uint8_t>(n >> (8 * b)));
    }
    OctetsEcrits = 0;
    return 0;
}

bool ConsoleZent::SuiteEcritureListe()
{
    const auto adresse = static_cast<std::uint16_t>(AdresseListe + OctetsEcrits);
    const std::size_t page = static_cast<std::size_t>(TaillePage - adresse % TaillePage);
    const std::size_t reste = TamponListe.size() - OctetsEcrits;
    const std::size_t morceau = std::min(page, reste);
    if (EcritBloc(adresse, TamponListe.data() + OctetsEcrits, static_cast<int>(morceau)) != 0) {
        TamponListe.clear();
        return true;
    }
    OctetsEcrits += morceau;
    if (OctetsEcrits < TamponListe.size())
        return true;
    const auto nombre = static_cast<std::uint8_t>(LeProgramme.ListeRecherche.Nombre());
    EcritBloc(AdresseNombreListe, &nombre, 1);
    TamponListe.clear();
    return false;
}

} // namespace Zent
