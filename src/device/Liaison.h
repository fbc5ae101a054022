#pragma once

#include "device/Horloge.h"
#include "device/PortSerie.h"

#include <array>
#include <cstdint>
#include <memory>

namespace Zent {

// Codes of the link and the protocols.
inline constexpr std::uint32_t ErrBlocVide = 232;
inline constexpr std::uint32_t ErrPasDeConnexion = 100001;
inline constexpr std::uint32_t ErrSilence = 100002;
inline constexpr std::uint32_t ErrPasAck = 100003;
inline constexpr std::uint32_t ErrHorsModeProgrammation = 100005;
inline constexpr std::uint32_t ErrTableVoiesFinie = 100007;
inline constexpr std::uint32_t ErrRelecture = 100008;
inline constexpr std::uint32_t ErrPortFerme = 100020;
inline constexpr std::uint32_t ErrTypeAppareil = 100024;
inline constexpr std::uint32_t ErrIndexEmplacement = 100026;
inline constexpr std::uint32_t ErrListePleine = 100029;
inline constexpr std::uint32_t ErrNumSerieDansListe = 100030;
inline constexpr std::uint32_t ErrListeConsoleTropLongue = 100031;

inline constexpr std::uint8_t OctetConnexion = 0x80;
inline constexpr std::uint8_t OctetAccepte = 0x81;
inline constexpr std::uint8_t OctetRefus = 0x85;
inline constexpr std::uint8_t Ack = 0x84;
inline constexpr std::uint8_t OctetFin = 0x04;
inline constexpr std::uint8_t CommandeVitesse = 0x9E;

enum class Variante { Console, Satellite };

// The serial link carried by a console or a satellite object: one port,
// fixed line settings and time-outs, the connection handshake, raw bytes
// and hex parameters, speed changes. Every operation returns its code and
// leaves it in DerniereErreur.
class Liaison {
public:
    Liaison(Variante variante, std::unique_ptr<PortSerie> port, Horloge& horloge);
    // Ends the connection and closes the port.
    ~Liaison();
    Liaison(const Liaison&) = delete;
    Liaison& operator=(const Liaison&) = delete;

    void SetNumeroPort(std::int32_t numero);
    std::int32_t GetNumeroPort() const { return NumeroPort; }
    std::uint32_t OuvrePort();
    std::uint32_t FermePort();
    std::uint32_t SetVitesseLocale(int baud);
    std::uint32_t VideLigne();
    std::uint32_t Connecte(int secondes);
    std::uint32_t Deconnecte();
    std::uint32_t EcritOctet(std::uint8_t octet);
    std::uint32_t EcritOctets(const std::uint8_t* octets, std::size_t nombre);
    std::uint32_t LitOctet(std::uint8_t& octet);
    std::uint32_t EcritHexa(std::uint8_t octet);
    std::uint32_t LitHexa(int& valeur, bool acquitte);
    std::uint32_t ChangeVitesse(int baud);
    // A command byte answered by ACK (satellite programming mode and its end).
    std::uint32_t CommandeAck(std::uint8_t commande);

    // Identification and byte memory, the same on both devices but for the
    // address width (console 16 bits, high byte first; satellite 8 bits) and
    // the pause before a write's acknowledgement.
    std::uint32_t LitTypeAppareil(std::array<char, 4>& type);
    std::uint32_t VerifieTypeAppareil(const char* attendu);
    std::uint32_t LitOctetMemoire(std::uint16_t adresse, std::uint8_t& valeur);
    std::uint32_t EcritOctetMemoire(std::uint16_t adresse, std::uint8_t valeur);
    std::uint32_t LitMotMemoire(std::uint16_t adresse, std::uint16_t& mot);
    std::uint32_t EcritMotMemoire(std::uint16_t adresse, std::uint16_t mot);
    // Two little-endian words from the address; the low word is kept when the high one fails.
    std::uint32_t LitNumeroSerie(std::uint16_t adresse, std::uint32_t& numero);
    std::uint32_t GetDerniereErreur() const { return DerniereErreur; }
    std::uint32_t SetErreur(std::uint32_t code) { return DerniereErreur = code; }

    bool PortOuvert() const { return Port->Ouvert(); }
    bool ConnexionEtablie = false;
    bool ModeProgrammation = false;
    int Vitesse() const { return VitesseLigne; }
    Variante GetVariante() const { return Type; }
    Horloge& GetHorloge() { return LHorloge; }
    // No connection: 100001 (a satellite with its port closed: 100020); else 0.
    std::uint32_t VerifieConnexion();

    static int DiviseurConsole(int baud);
    static int DiviseurSatelite(int baud);

private:
    void Pause(int millisecondes);
    // The console sleeps, the satellite busy-waits: each its own duration.
    void Attend(int console, int satelite);
    std::uint32_t EcritAdresse(std::uint16_t adresse);

    Variante Type;
    std::unique_ptr<PortSerie> Port;
    Horloge& LHorloge;
    std::int32_t NumeroPort;
    int VitesseLigne = 9600;
    std::uint32_t DerniereErreur = 0;
};

} // namespace Zent
