#include "PortScripte.h"

#include "device/Liaison.h"
#include "device/RegistrePorts.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace Zent;
using namespace ZentTest;

namespace {

class Lien : public ::testing::TestWithParam<Variante> {
protected:
    void SetUp() override
    {
        auto p = std::make_unique<PortScripte>(horloge);
        port = p.get();
        liaison = std::make_unique<Liaison>(GetParam(), std::move(p), horloge);
        liaison->SetNumeroPort(RegistrePorts::Global().NumeroDe("/dev/ttyTEST0"));
    }
    void Connecte()
    {
        port->reponses.push_back(OctetAccepte);
        ASSERT_EQ(liaison->Connecte(1), 0u);
        port->ecrits.clear();
    }
    HorlogeFactice horloge;
    PortScripte* port = nullptr;
    std::unique_ptr<Liaison> liaison;
};

} // namespace

TEST_P(Lien, DefaultPortNumbers)
{
    liaison->SetNumeroPort(0);
    EXPECT_EQ(liaison->GetNumeroPort(), GetParam() == Variante::Console ? 2 : 1);
    liaison->SetNumeroPort(-4);
    EXPECT_EQ(liaison->GetNumeroPort(), GetParam() == Variante::Console ? 2 : 1);
    liaison->SetNumeroPort(12);
    EXPECT_EQ(liaison->GetNumeroPort(), 12);
    EXPECT_EQ(liaison->OuvrePort(), static_cast<std::uint32_t>(ENOENT)); // no device known under 12
}

TEST_P(Lien, HandshakeAcceptedRefusedOrSilent)
{
    Connecte();
    EXPECT_TRUE(liaison->ConnexionEtablie);
    liaison->FermePort();

    port->reponses = {OctetRefus};
    EXPECT_EQ(liaison->Connecte(1), ErrPortFerme);
    EXPECT_FALSE(port->ouvert);
    port->reponses = {0x33, OctetAccepte}; // other answers are ignored
    EXPECT_EQ(liaison->Connecte(0), 0u);
    EXPECT_EQ(port->ouvertures, 3);
    liaison->FermePort();

    port->reponses.clear();
    const auto debut = horloge.maintenant;
    EXPECT_EQ(liaison->Connecte(1), ErrSilence);
    EXPECT_EQ(horloge.maintenant - debut, 1000 + 1100); // the purge pause, then one read time-out
    EXPECT_FALSE(liaison->ConnexionEtablie);
}

TEST_P(Lien, HexDecodingAndAcknowledgements)
{
    int v = 0;
    EXPECT_EQ(liaison->LitHexa(v, true), liaison->GetVariante() == Variante::Console ? ErrPasDeConnexion : ErrPortFerme);
    Connecte();
    port->reponses = {'3', 'F', 'a', '0'};
    ASSERT_EQ(liaison->LitHexa(v, true), 0u);
    EXPECT_EQ(v, 0x3F);
    EXPECT_EQ(port->ecrits, (std::vector<std::uint8_t>{Ack, Ack}));
    ASSERT_EQ(liaison->LitHexa(v, false), 0u);
    EXPECT_EQ(v, 0x2A0); // lower case is not hexadecimal for the device
    v = 7;
    EXPECT_EQ(liaison->LitHexa(v, true), ErrSilence);
    EXPECT_EQ(v, 7);
    port->ecrits.clear();
    EXPECT_EQ(liaison->EcritHexa(0x5A), 0u);
    EXPECT_EQ(port->EcritsTexte(), "5A");
}

TEST_P(Lien, SpeedChangeDivisors)
{
    const bool console = GetParam() == Variante::Console;
    const struct {
        int baud;
        const char* console;
        const char* satelite;
        int resultat;
    } cas[] = {
        {2400, "0340", "81", 9600}, {4800, "0681", "FF", 4800},   {9600, "0340", "81", 9600},
        {14400, "022A", "56", 14400}, {56000, "008E", "15", 56000}, {115200, "0044", "0A", 115200},
        {128000, "003D", "09", 128000}, {256000, "001E", "04", 256000},
    };
    Connecte();
    for (const auto& c : cas) {
        port->ecrits.clear();
        port->reponses = {Ack, 0x00};
        ASSERT_EQ(liaison->ChangeVitesse(c.baud), 0u) << c.baud;
        EXPECT_EQ(port->EcritsTexte(), std::string("\x9E") + (console ? c.console : c.satelite)) << c.baud;
        EXPECT_EQ(liaison->Vitesse(), c.resultat);
        EXPECT_EQ(port->vitesse, c.resultat);
    }
    port->reponses = {0x55};
    EXPECT_EQ(liaison->ChangeVitesse(19200), ErrPasAck);
    EXPECT_EQ(liaison->SetVitesseLocale(1234), 0u);
    EXPECT_EQ(liaison->Vitesse(), 9600);
}

TEST_P(Lien, EndOfConnectionWithoutAnswer)
{
    Connecte();
    port->reponses = {Ack, 0x00}; // the speed change, then silence after the end byte
    const std::uint32_t code = liaison->Deconnecte();
    EXPECT_EQ(port->ecrits.back(), OctetFin);
    if (GetParam() == Variante::Console) {
        EXPECT_EQ(code, 0u);
        EXPECT_FALSE(port->ouvert);
    } else {
        EXPECT_EQ(code, ErrSilence);
        EXPECT_TRUE(port->ouvert);
        EXPECT_TRUE(liaison->ConnexionEtablie);
    }
}

TEST_P(Lien, AHangUpIsNotSilence)
{
    Connecte();
    port->raccroche = true;
    std::uint8_t o = 0;
    EXPECT_EQ(liaison->LitOctet(o), static_cast<std::uint32_t>(EIO));
}

INSTANTIATE_TEST_SUITE_P(ConsoleEtSatellite, Lien, ::testing::Values(Variante::Console, Variante::Satellite),
                         [](const auto& p) { return p.param == Variante::Console ? "Console" : "Satellite"; });

TEST(LienSatellite, ClosingTheProgrammingModeFirst)
{
    HorlogeFactice horloge;
    auto p = std::make_unique<PortScripte>(horloge);
    PortScripte* port = p.get();
    Liaison liaison(Variante::Satellite, std::move(p), horloge);
    liaison.SetNumeroPort(RegistrePorts::Global().NumeroDe("/dev/ttyTEST2"));
    port->reponses = {OctetAccepte};
    ASSERT_EQ(liaison.Connecte(1), 0u);
    port->ecrits.clear();
    liaison.ModeProgrammation = true;
    port->reponses = {Ack, Ack, Ack, 0x00, 0x84};
    EXPECT_EQ(liaison.Deconnecte(), 0u);
    EXPECT_EQ(port->EcritsTexte().substr(0, 2), "\x9B\x99");
    EXPECT_FALSE(port->ouvert);
    EXPECT_FALSE(liaison.ModeProgrammation);
}
