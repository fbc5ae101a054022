#include "PortScripte.h"

#include "device/ConsoleZent.h"
#include "device/RegistrePorts.h"

#include <gtest/gtest.h>

using namespace Zent;
using namespace ZentTest;

namespace {

class Console : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto p = std::make_unique<PortScripte>(horloge);
        port = p.get();
        programme.SetNumeroPort(RegistrePorts::Global().NumeroDe("/dev/ttyTEST1"));
        console = std::make_unique<ConsoleZent>(programme, std::move(p), horloge);
    }
    void Connecte()
    {
        port->reponses.push_back(OctetAccepte);
        ASSERT_EQ(console->Connecte(1), 0u);
        port->ecrits.clear();
    }
    HorlogeFactice horloge;
    PortScripte* port = nullptr;
    CQ52 programme;
    std::unique_ptr<ConsoleZent> console;
};

} // namespace

TEST_F(Console, ShotEntryEncoding)
{
    programme.CreerTirComplet(1, 300, false, false);
    programme.SetRetard(1, 2.5, false);
    programme.CreerTirVoie(2, 5);
    const struct {
        std::int32_t index;
        std::array<std::uint8_t, 4> entree;
    } cas[] = {
        {1, {0x19, 0x00, 0x2C, 0x01}}, // automatic, channel 300, 2.5 s
        {2, {0x00, 0x00, 0x05, 0xC0}}, // manual, last shot, channel 5
        {42, {0x00, 0x00, 0x2A, 0x80}}, // inactive record
        {598, {0x00, 0x00, 0x56, 0x92}}, // inactive, its number is the F7 channel
        {0, {0x00, 0x00, 0x00, 0x80}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(console->CodeEntreeTir(c.index), c.entree) << c.index;

    programme.SetVoieSecours(0, 5); // a shot on a backup channel carries the flag
    EXPECT_EQ(console->CodeEntreeTir(2), (std::array<std::uint8_t, 4>{0x00, 0x00, 0x05, 0xD0}));
    programme.SetRetard(1, 6553.5, false);
    EXPECT_EQ(console->CodeEntreeTir(1)[0], 0xFF);
    EXPECT_EQ(console->CodeEntreeTir(1)[1], 0xFF);
}

TEST_F(Console, BlockCommandsAndThePageRule)
{
    std::uint8_t tampon[300] = {};
    EXPECT_EQ(console->LitBloc(0x100, tampon, 4), ErrPasDeConnexion);
    Connecte();
    EXPECT_EQ(console->LitBloc(0x100, tampon, 0), ErrBlocVide);
    EXPECT_EQ(console->EcritBloc(0x100, nullptr, 3), ErrBlocVide);
    EXPECT_TRUE(port->ecrits.empty());

    port->reponses = {Ack};
    EXPECT_EQ(console->EcritBloc(0x2805, tampon, 200), 0u);
    EXPECT_EQ(port->EcritsTexte().substr(0, 7), "\x99" "7B0528");
    EXPECT_EQ(port->ecrits.size(), 7u + 2 * 123);

    port->ecrits.clear();
    for (int i = 0; i < 255; ++i)
        port->RepondHexa(static_cast<std::uint8_t>(i));
    EXPECT_EQ(console->LitBloc(0x0080, tampon, 300), 0u);
    EXPECT_EQ(port->EcritsTexte().substr(0, 7), "\x98" "FF8000");
    EXPECT_EQ(tampon[254], 254);
    EXPECT_EQ(port->ecrits.size(), 7u + 2 * 255); // one acknowledgement per character
}

TEST_F(Console, IdentityNamesAndSerialNumber)
{
    Connecte();
    for (char c : {'Q', '5', '2'})
        port->RepondHexa(static_cast<std::uint8_t>(c));
    EXPECT_EQ(console->VerifieTypeAppareil(), 0u);
    for (char c : {'Q', '3', '1'})
        port->RepondHexa(static_cast<std::uint8_t>(c));
    EXPECT_EQ(console->VerifieTypeAppareil(), ErrTypeAppareil);

    port->ecrits.clear();
    for (int o : {0x01, 0x84, 0xD7, 0x17}) // 400000001 = 0x17D78401
        port->RepondHexa(static_cast<std::uint8_t>(o));
    std::uint32_t numero = 0;
    EXPECT_EQ(console->LitNumeroSerie(numero), 0u);
    EXPECT_EQ(numero, 400000001u);
    EXPECT_EQ(port->EcritsTexte().substr(0, 5), "\x89" "03F8"); // byte commands: high byte first

    port->ecrits.clear();
    port->reponses = {Ack};
    EXPECT_EQ(console->EcritNomEmplacement(2, std::string(30, 'N')), 0u);
    const std::string ecrit = port->EcritsTexte();
    EXPECT_EQ(ecrit.substr(0, 7), "\x99" "198314"); // 25 bytes at 0x1483
    std::string nom;
    for (int i = 0; i < 24; ++i)
        nom += "4E";
    EXPECT_EQ(ecrit.substr(7), nom + "00"); // 24 characters, then the terminating zero
    EXPECT_EQ(console->NomEnCache(2)[23], 'N');
    EXPECT_EQ(console->NomEnCache(2)[24], 0);
    EXPECT_EQ(console->EcritNomEmplacement(4, "x"), ErrIndexEmplacement);
}

TEST_F(Console, ShotPagesCoverTheSlotAndTheReadBackIsJudged)
{
    programme.CreerTirComplet(1, 7, false, false);
    Connecte();
    std::vector<std::int32_t> debuts;
    for (std::int32_t debut = 0; debut < NbTirMax; ++debut) {
        debuts.push_back(debut);
        port->reponses = {Ack};
        ASSERT_EQ(console->EcritPageTirs(0, debut), 0u);
    }
    ASSERT_EQ(debuts.size(), 20u);
    EXPECT_EQ(debuts[1], 23);
    EXPECT_EQ(debuts[2], 55);
    EXPECT_EQ(debuts.back(), 599);

    // The read-back of the first page: 23 entries, the second one corrupted.
    port->reponses.clear();
    for (std::int32_t i = 0; i < 23; ++i)
        for (std::uint8_t o : console->CodeEntreeTir(i))
            port->RepondHexa(i == 1 && o == 7 ? 8 : o);
    std::int32_t debut = 0;
    EXPECT_EQ(console->VerifiePageTirs(0, debut), ErrRelecture);
    EXPECT_EQ(debut, 1);
    std::int32_t horsTable = 600;
    EXPECT_EQ(console->EcritPageTirs(0, horsTable), ErrIndexHorsTable);
}

TEST_F(Console, SearchListRulesAndChunks)
{
    TypeTableauNumSerie& liste = programme.ListeRecherche;
    EXPECT_EQ(liste.AjouteNumSerie(400000000), 0u);
    EXPECT_EQ(liste.AjouteNumSerie(899999999), 0u);
    EXPECT_EQ(liste.AjouteNumSerie(500000000), ErrTypeAppareil);
    EXPECT_EQ(liste.AjouteNumSerie(900000000), ErrTypeAppareil);
    EXPECT_EQ(liste.AjouteNumSerie(400000000), ErrNumSerieDansListe);
    for (std::uint32_t n = 1; liste.Nombre() < NbNumSerieMax; ++n)
        liste.AjouteNumSerie(600000000 + n);
    EXPECT_TRUE(liste.ListeRecherchePleine());
    EXPECT_EQ(liste.AjouteNumSerie(699999999), ErrListePleine);

    Connecte();
    port->RepondHexa(0xFF);
    EXPECT_EQ(console->DebutLectureListe(), ErrListeConsoleTropLongue);

    // Writing 100 numbers: the count is zeroed first and written last.
    port->reponses = {Ack};
    ASSERT_EQ(console->DebutEcritureListe(), 0u);
    std::vector<std::size_t> morceaux;
    bool suite = true;
    while (suite) {
        port->ecrits.clear();
        port->reponses = {Ack, Ack};
        suite = console->SuiteEcritureListe();
        ASSERT_EQ(console->GetDerniereErreur(), 0u);
        morceaux.push_back(std::stoul(port->EcritsTexte().substr(1, 2), nullptr, 16));
    }
    EXPECT_EQ(morceaux, (std::vector<std::size_t>{123, 128, 128, 21}));
    const std::string fin = port->EcritsTexte();
    EXPECT_EQ(fin.substr(fin.size() - 9), "\x99" "010428" "64"); // the count, 100, at 0x2804

    CQ52 vide;
    ConsoleZent autre(vide, std::make_unique<PortScripte>(horloge), horloge);
    EXPECT_EQ(autre.DebutEcritureListe(), ErrPasDeConnexion);
}
