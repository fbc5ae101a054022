#include "device/Liaison.h"

#include "device/RegistrePorts.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Zent {

namespace {

constexpr int DelaiLectureOctet = 100 + 1000; // per byte plus the constant part

int DelaiEcriture(std::size_t nombre) { return static_cast<int>(100 * nombre + 1000); }

const struct {
    int baud, console, satelite;
} Diviseurs[] = {
    {4800, 1665, 255}, {9600, 832, 129}, {14400, 554, 86}, {19200, 416, 64},  {38400, 207, 32},
    {56000, 142, 21},  {57600, 138, 20}, {115200, 68, 10}, {128000, 61, 9},   {256000, 30, 4},
};

int VitesseConnue(int baud)
{
    for (const auto& d : Diviseurs)
        if (d.baud == baud)
            return baud;
    return 9600;
}

} // namespace

int Liaison::DiviseurConsole(int baud)
{
    for (const auto& d : Diviseurs)
        if (d.baud == baud)
            return d.console;
    return 832;
}

int Liaison::DiviseurSatelite(int baud)
{
    for (const auto& d : Diviseurs)
        if (d.baud == baud)
            return d.satelite;
    return 129;
}

Liaison::Liaison(Variante variante, std::unique_ptr<PortSerie> port, Horloge& horloge)
    : Type(variante), Port(std::move(port)), LHorloge(horloge), NumeroPort(variante == Variante::Console ? 2 : 1)
{
}

Liaison::~Liaison()
{
    if (Port->Ouvert()) {
        if (ConnexionEtablie)
            Deconnecte();
        FermePort();
    }
}

void Liaison::Pause(int millisecondes) { LHorloge.Dort(millisecondes); }

void Liaison::Attend(int console, int satelite)
{
    if (Type == Variante::Console) {
        Pause(console);
        return;
    }
    // The satellite link waits on the tick rather than sleeping.
    const auto debut = LHorloge.Tic();
    while (LHorloge.Tic() - debut < satelite)
        LHorloge.Dort(1);
}

void Liaison::SetNumeroPort(std::int32_t numero)
{
    NumeroPort = numero > 0 ? numero : (Type == Variante::Console ? 2 : 1);
}

std::uint32_t Liaison::OuvrePort()
{
    if (const std::uint32_t code = FermePort(); code != 0)
        return code;
    const std::string chemin = RegistrePorts::Global().CheminDe(NumeroPort);
    if (chemin.empty())
        return SetErreur(ENOENT);
    if (const int e = Port->Ouvre(chemin); e != 0)
        return SetErreur(static_cast<std::uint32_t>(e));
    return SetVitesseLocale(9600);
}

std::uint32_t Liaison::FermePort()
{
    if (!Port->Ouvert())
        return SetErreur(0);
    if (ConnexionEtablie)
        Deconnecte();
    std::uint32_t code = 0;
    if (Port->Ouvert()) {
        // The console link never restores the settings found at opening.
        if (const int e = Port->Ferme(Type == Variante::Satellite); e != 0)
            code = static_cast<std::uint32_t>(e);
    }
    ConnexionEtablie = false;
    ModeProgrammation = false;
    return SetErreur(code);
}

std::uint32_t Liaison::SetVitesseLocale(int baud)
{
    static const int admises[] = {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};
    SetErreur(0);
    VitesseLigne = 9600;
    for (int v : admises)
        if (v == baud)
            VitesseLigne = baud;
    if (Port->Ouvert())
        if (const int e = Port->SetVitesse(VitesseLigne); e != 0)
            return SetErreur(static_cast<std::uint32_t>(e));
    return 0;
}

std::uint32_t Liaison::VideLigne()
{
    if (!Port->Ouvert())
        return SetErreur(ErrPortFerme);
    Attend(1000, 1000);
    const int e = Port->Purge();
    return SetErreur(static_cast<std::uint32_t>(e));
}

std::uint32_t Liaison::Connecte(int secondes)
{
    if (!Port->Ouvert())
        if (const std::uint32_t code = OuvrePort(); code != 0)
            return code;
    const bool echeance = secondes != 0;
    const auto limite = LHorloge.Tic() + static_cast<std::int64_t>(secondes) * 1000;
    VideLigne();
    SetErreur(0);
    std::uint8_t reponse = 0;
    bool expire = false;
    // A refusal or a broken line closes the port: that is said as such
    // (100020, or the line's error), even when the deadline passed meanwhile.
    std::uint32_t fermeture = 0;
    do {
        if (EcritOctet(OctetConnexion) != 0)
            break;
        const std::uint32_t lu = LitOctet(reponse);
        if (lu == 0) {
            if (reponse == OctetRefus) {
                VideLigne();
                Deconnecte();
                FermePort();
                fermeture = ErrPortFerme;
            }
        } else if (lu == ErrSilence) {
            SetErreur(0);
        } else {
            VideLigne();
            Deconnecte();
            FermePort();
            fermeture = lu;
        }
        if (fermeture != 0)
            break;
        if (echeance && LHorloge.Tic() >= limite)
            expire = true;
    } while (!expire && DerniereErreur == 0 && reponse != OctetAccepte);

    if (DerniereErreur == 0 && reponse == OctetAccepte) {
        ConnexionEtablie = true;
        return SetErreur(0);
    }
    ConnexionEtablie = false;
    if (fermeture != 0)
        return SetErreur(fermeture);
    if (DerniereErreur == 0 && expire)
        return SetErreur(ErrSilence);
    return DerniereErreur;
}

std::uint32_t Liaison::Deconnecte()
{
    if (!Port->Ouvert())
        return SetErreur(ErrPortFerme);
    if (!ConnexionEtablie) {
        FermePort();
        return SetErreur(0);
    }
    if (Type == Variante::Satellite && ModeProgrammation) {
        CommandeAck(0x9B);
        Pause(200);
        CommandeAck(0x99);
        Pause(100);
    }
    ChangeVitesse(9600);
    Pause(Type == Variante::Console ? 500 : 200);
    std::uint32_t code = EcritOctet(OctetFin);
    if (code == 0) {
        std::uint8_t ignore = 0;
        code = LitOctet(ignore);
    }
    if (Type == Variante::Console) {
        ConnexionEtablie = false;
        return FermePort();
    }
    if (code != 0)
        return SetErreur(code); // the satellite keeps its port open
    ConnexionEtablie = false;
    ModeProgrammation = false;
    return FermePort();
}

std::uint32_t Liaison::EcritOctet(std::uint8_t octet) { return EcritOctets(&octet, 1); }

std::uint32_t Liaison::EcritOctets(const std::uint8_t* octets, std::size_t nombre)
{
    if (!Port->Ouvert())
        return SetErreur(ErrPortFerme);
    return SetErreur(static_cast<std::uint32_t>(Port->Ecrit(octets, nombre, DelaiEcriture(nombre))));
}

std::uint32_t Liaison::LitOctet(std::uint8_t& octet)
{
    if (!Port->Ouvert())
        return SetErreur(ErrPortFerme);
    int erreur = 0;
    std::uint8_t lu = 0;
    switch (Port->Lit(lu, DelaiLectureOctet, erreur)) {
    case Lecture::Octet:
        octet = lu;
        return SetErreur(0);
    case Lecture::Silence:
        return SetErreur(ErrSilence);
    case Lecture::Raccroche:
        return SetErreur(EIO); // the device went away: a platform error, not silence
    case Lecture::Erreur:
        break;
    }
    return SetErreur(static_cast<std::uint32_t>(erreur != 0 ? erreur : EIO));
}

std::uint32_t Liaison::EcritHexa(std::uint8_t octet)
{
    char texte[3];
    std::snprintf(texte, sizeof texte, "%02X", octet);
    const auto* c = reinterpret_cast<const std::uint8_t*>(texte);
    if (Type == Variante::Console)
        return EcritOctets(c, 2);
    if (const std::uint32_t code = EcritOctet(c[0]); code != 0)
        return code;
    return EcritOctet(c[1]);
}

std::uint32_t Liaison::VerifieConnexion()
{
    if (Type == Variante::Satellite && !Port->Ouvert())
        return SetErreur(ErrPortFerme);
    if (!ConnexionEtablie)
        return SetErreur(ErrPasDeConnexion);
    return 0;
}

std::uint32_t Liaison::LitHexa(int& valeur, bool acquitte)
{
    if (const std::uint32_t code = VerifieConnexion(); code != 0)
        return code;
    std::uint8_t c[2];
    for (std::uint8_t& caractere : c) {
        if (const std::uint32_t code = LitOctet(caractere); code != 0)
            return code;
        if (acquitte)
            if (const std::uint32_t code = EcritOctet(Ack); code != 0)
                return code;
    }
    // The device's own decoder: anything above '9' counts from 'A'.
    const auto chiffre = [](std::uint8_t x) { return x <= 0x39 ? x - 0x30 : x - 0x37; };
    valeur = 16 * chiffre(c[0]) + chiffre(c[1]);
    return SetErreur(0);
}

std::uint32_t Liaison::ChangeVitesse(int baud)
{
    if (const std::uint32_t code = VerifieConnexion(); code != 0)
        return code;
    SetErreur(0);
    const int cible = VitesseConnue(baud);
    if (const std::uint32_t code = EcritOctet(CommandeVitesse); code != 0)
        return code;
    if (Type == Variante::Console) {
        const int d = DiviseurConsole(cible);
        if (const std::uint32_t code = EcritHexa(static_cast<std::uint8_t>(d >> 8)); code != 0)
            return code;
        if (const std::uint32_t code = EcritHexa(static_cast<std::uint8_t>(d & 0xFF)); code != 0)
            return code;
    } else if (const std::uint32_t code = EcritHexa(static_cast<std::uint8_t>(DiviseurSatelite(cible))); code != 0) {
        return code;
    }
    std::uint8_t reponse = 0;
    if (const std::uint32_t code = LitOctet(reponse); code != 0)
        return code;
    if (reponse != Ack)
        return SetErreur(ErrPasAck);
    std::uint8_t ignore = 0;
    LitOctet(ignore);
    VitesseLigne = cible;
    if (Port->Ouvert())
        Port->SetVitesse(cible);
    return SetErreur(0);
}

std::uint32_t Liaison::CommandeAck(std::uint8_t commande)
{
    if (EcritOctet(commande) != 0)
        return SetErreur(ErrPasAck);
    std::uint8_t reponse = 0;
    if (const std::uint32_t code = LitOctet(reponse); code != 0)
        return code;
    return SetErreur(reponse == Ack ? 0 : ErrPasAck);
}

std::uint32_t Liaison::LitTypeAppareil(std::array<char, 4>& type)
{
    type = {0, 0, 0, 0};
    if (const std::uint32_t code = VerifieConnexion(); code != 0)
        return code;
    if (const std::uint32_t code = EcritOctet(0x86); code != 0)
        return code;
    for (std::size_t i = 0; i < 3; ++i) {
        int v = 0;
        if (const std::uint32_t code = LitHexa(v, true); code != 0)
            return code;
        type[i] = static_cast<char>(v & 0xFF);
    }
    return SetErreur(0);
}

std::uint32_t Liaison::VerifieTypeAppareil(const char* attendu)
{
    std::array<char, 4> type{};
    if (const std::uint32_t code = LitTypeAppareil(type); code != 0)
        return code;
    return SetErreur(std::memcmp(type.data(), attendu, 3) == 0 ? 0 : ErrTypeAppareil);
}

std::uint32_t Liaison::EcritAdresse(std::uint16_t adresse)
{
    if (Type == Variante::Console)
        if (const std::uint32_t code = EcritHexa(static_cast<std::uint8_t>(adresse >> 8)); code != 0)
            return code;
    return EcritHexa(static_cast<std::uint8_t>(adresse & 0xFF));
}

std::uint32_t Liaison::LitOctetMemoire(std::uint16_t adresse, std::uint8_t& valeur)
{
    if (const std::uint32_t code = VerifieConnexion(); code != 0)
        return code;
    if (const std::uint32_t code = EcritOctet(0x89); code != 0)
        return code;
    if (const std::uint32_t code = EcritAdresse(adresse); code != 0)
        return code;
    int v = 0;
    if (const std::uint32_t code = LitHexa(v, true); code != 0)
        return code;
    valeur = static_cast<std::uint8_t>(v & 0xFF);
    return 0;
}

std::uint32_t Liaison::EcritOctetMemoire(std::uint16_t adresse, std::uint8_t valeur)
{
    if (const std::uint32_t code = VerifieConnexion(); code != 0)
        return code;
    if (const std::uint32_t code = EcritOctet(0x8B); code != 0)
        return code;
    if (const std::uint32_t code = EcritAdresse(adresse); code != 0)
        return code;
    if (const std::uint32_t code = EcritHexa(valeur); code != 0)
        return code;
    Attend(300, 10);
    std::uint8_t reponse = 0;
    if (const std::uint32_t code = LitOctet(reponse); code != 0)
        return code;
    return SetErreur(reponse == Ack ? 0 : ErrPasAck);
}

std::uint32_t Liaison::LitMotMemoire(std::uint16_t adresse, std::uint16_t& mot)
{
    std::uint8_t bas = 0, haut = 0;
    if (const std::uint32_t code = LitOctetMemoire(adresse, bas); code != 0)
        return code;
    if (const std::uint32_t code = LitOctetMemoire(static_cast<std::uint16_t>(adresse + 1), haut); code != 0)
        return code;
    mot = static_cast<std::uint16_t>(bas | (haut << 8));
    return 0;
}

std::uint32_t Liaison::EcritMotMemoire(std::uint16_t adresse, std::uint16_t mot)
{
    if (const std::uint32_t code = EcritOctetMemoire(adresse, static_cast<std::uint8_t>(mot & 0xFF)); code != 0)
        return code;
    return EcritOctetMemoire(static_cast<std::uint16_t>(adresse + 1), static_cast<std::uint8_t>(mot >> 8));
}

std::uint32_t Liaison::LitNumeroSerie(std::uint16_t adresse, std::uint32_t& numero)
{
    std::uint16_t bas = 0, haut = 0;
    if (const std::uint32_t code = LitMotMemoire(adresse, bas); code != 0)
        return code;
    numero = bas;
    if (const std::uint32_t code = LitMotMemoire(static_cast<std::uint16_t>(adresse + 2), haut); code != 0)
        return code;
    numero = bas + 65536u * haut;
    return 0;
}

} // namespace Zent
