// The real POSIX port against zentora-sim over pseudo-terminals.
#include "Simulateur.h"

#include "device/ConsoleZent.h"
#include "device/PortPosix.h"
#include "device/RegistrePorts.h"
#include "device/SateliteHalvex.h"

#include <chrono>
#include <cerrno>
#include <cstring>

using namespace Zent;
using namespace ZentTest;

namespace {

struct Console {
    explicit Console(Simulateur& sim)
    {
        programme.SetNumeroPort(RegistrePorts::Global().NumeroDe(sim.CheminEsclave()));
        appareil = std::make_unique<ConsoleZent>(programme, std::make_unique<PortPosix>(), horloge);
    }
    HorlogeSysteme horloge;
    CQ52 programme;
    std::unique_ptr<ConsoleZent> appareil;
};

long long Millisecondes(const std::function<void()>& f)
{
    const auto debut = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - debut).count();
}

} // namespace

TEST(Simulateur, AFullSlotWrittenAndReadBackLeavesExactlyTheProgramBytes)
{
    Simulateur sim({"console", "--serial", "412345678"});
    ASSERT_FALSE(sim.CheminEsclave().empty());
    Console c(sim);
    CQ52& p = c.programme;
    for (std::int32_t i = 1; i <= 40; ++i) {
        p.CreerTirComplet(i, (i * 7) % 590, i % 9 == 0, false);
        p.SetRetard(i, 0.1 * (i % 13 + 1), false);
    }
    p.SetVoieSecours(2, 590);
    ConsoleZent& z = *c.appareil;
    ASSERT_EQ(z.Connecte(1), 0u);
    EXPECT_EQ(z.VerifieTypeAppareil(), 0u);
    std::uint32_t numero = 0;
    EXPECT_EQ(z.LitNumeroSerie(numero), 0u);
    EXPECT_EQ(numero, 412345678u);
    EXPECT_EQ(z.Lien().ChangeVitesse(115200), 0u);
    EXPECT_EQ(z.EcritNomEmplacement(1, "Feu du port"), 0u);
    EXPECT_EQ(z.EcritVoiesSecoursEmplacement(1), 0u);
    EXPECT_EQ(z.VerifieVoiesSecoursEmplacement(1), 0u);
    for (std::int32_t debut = 0; debut < NbTirMax; ++debut) {
        std::int32_t verifie = debut;
        ASSERT_EQ(z.EcritPageTirs(1, debut), 0u);
        ASSERT_EQ(z.VerifiePageTirs(1, verifie), 0u);
    }
    EXPECT_EQ(z.EcritMarqueEmplacement(1, 1), 0u);
    EXPECT_TRUE(z.EmplacementProgramme(1));
    EXPECT_FALSE(z.EmplacementProgramme(0));
    EXPECT_EQ(z.Deconnecte(), 0u);
    EXPECT_FALSE(z.Lien().PortOuvert());

    const std::vector<std::uint8_t> memoire = sim.Memoires();
    ASSERT_GE(memoire.size(), 0x3000u);
    const std::size_t base = BaseEmplacement(1);
    EXPECT_EQ(std::vector<std::uint8_t>(memoire.begin() + base, memoire.begin() + base + 3),
              (std::vector<std::uint8_t>{1, 1, 1}));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&memoire[base + 3])), "Feu du port");
    EXPECT_EQ(memoire[base + 27], 0);
    EXPECT_EQ(memoire[base + 28 + 4], 590 & 0xFF);
    EXPECT_EQ(memoire[base + 28 + 5], 590 >> 8);
    for (std::int32_t i = 0; i < NbTirMax; ++i) {
        const auto attendu = z.CodeEntreeTir(i);
        ASSERT_TRUE(std::equal(attendu.begin(), attendu.end(), memoire.begin() + base + 36 + 4 * i)) << "entry " << i;
    }
    // Nothing outside the slot was touched.
    EXPECT_TRUE(std::all_of(memoire.begin(), memoire.begin() + base, [](std::uint8_t o) { return o == 0; }));
}

TEST(Simulateur, EachInjectedFaultEndsInItsCode)
{
    {
        Simulateur sim({"console", "--silent"});
        Console c(sim);
        std::uint32_t code = 0;
        const auto duree = Millisecondes([&] { code = c.appareil->Connecte(1); });
        EXPECT_EQ(code, ErrSilence);
        EXPECT_LT(duree, 3000); // the purge pause plus one read time-out
        EXPECT_GE(duree, 2000);
    }
    {
        Simulateur sim({"console", "--refuse"});
        Console c(sim);
        EXPECT_EQ(c.appareil->Connecte(1), ErrPortFerme);
        EXPECT_FALSE(c.appareil->Lien().PortOuvert());
    }
    {
        Simulateur sim({"console", "--type", "Q53"});
        Console c(sim);
        ASSERT_EQ(c.appareil->Connecte(1), 0u);
        EXPECT_EQ(c.appareil->VerifieTypeAppareil(), ErrTypeAppareil);
        c.appareil->Deconnecte();
        EXPECT_FALSE(c.appareil->Lien().PortOuvert());
    }
    {
        Simulateur sim({"console", "--corrupt-page", "1"});
        Console c(sim);
        c.programme.CreerTirComplet(1, 9, false, false);
        ASSERT_EQ(c.appareil->Connecte(1), 0u);
        std::int32_t debut = 0;
        ASSERT_EQ(c.appareil->EcritPageTirs(0, debut), 0u);
        std::int32_t verifie = 0;
        EXPECT_EQ(c.appareil->VerifiePageTirs(0, verifie), ErrRelecture);
        EXPECT_EQ(verifie, 22); // the first entry that differs
        verifie = 0;
        EXPECT_EQ(c.appareil->VerifiePageTirs(0, verifie), 0u);
    }
    {
        Simulateur sim({"console", "--drop-ack", "1"});
        Console c(sim);
        ASSERT_EQ(c.appareil->Connecte(1), 0u);
        EXPECT_EQ(c.appareil->EcritNomEmplacement(0, "Bal"), ErrPasAck);
    }
    {
        Simulateur sim({"console", "--hangup-after", "1"});
        Console c(sim);
        ASSERT_EQ(c.appareil->Connecte(1), 0u);
        std::array<char, 4> type{};
        EXPECT_EQ(c.appareil->LitTypeAppareil(type), static_cast<std::uint32_t>(EIO));
        c.appareil->Deconnecte();
        EXPECT_FALSE(c.appareil->Lien().PortOuvert());
    }
}

TEST(Simulateur, ASecondProgramCannotShareThePort)
{
    Simulateur sim({"console"});
    PortPosix premier, second;
    ASSERT_EQ(premier.Ouvre(sim.CheminEsclave()), 0);
    EXPECT_EQ(second.Ouvre(sim.CheminEsclave()), EBUSY);
    EXPECT_EQ(premier.VitesseLue() == 0 || premier.VitesseLue() == 9600, true);
}

TEST(Simulateur, SatelliteChannelTable)
{
    Simulateur sim({"satellite", "--serial", "412345678", "--version", "3.6"});
    Sate::CQ31 donnees("Nord", 412345678, 2);
    donnees.SetVoieSortie(5, -1);
    HorlogeSysteme horloge;
    SateliteHalvex s(donnees, std::make_unique<PortPosix>(), horloge);
    s.Lien().SetNumeroPort(RegistrePorts::Global().NumeroDe(sim.CheminEsclave()));
    ASSERT_EQ(s.Lien().Connecte(1), 0u);
    EXPECT_EQ(s.VerifieTypeAppareil(), 0u);
    std::uint32_t numero = 0;
    ASSERT_EQ(s.LitNumeroSerie(numero), 0u);
    EXPECT_TRUE(donnees.EstNumSerie(numero));
    int majeure = 0, mineure = 0;
    ASSERT_EQ(s.LitVersionLogiciel(majeure, mineure), 0u);
    EXPECT_EQ(majeure * 10 + mineure, 36);
    ASSERT_EQ(s.EntreModeProgrammation(), 0u);
    s.DebutEcritureTableVoies();
    while (!s.TableVoiesEcrite())
        ASSERT_EQ(s.SuiteEcritureTableVoies(), 0u);
    EXPECT_EQ(s.SuiteEcritureTableVoies(), ErrTableVoiesFinie);
    EXPECT_EQ(s.Lien().Deconnecte(), 0u);
    EXPECT_FALSE(s.Lien().PortOuvert());

    const auto memoire = sim.Memoires();
    ASSERT_EQ(memoire.size(), 256u);
    for (int n = 0; n < 60; ++n) {
        const int attendu = n == 5 ? 610 : 120 + n;
        EXPECT_EQ(memoire[static_cast<std::size_t>(135 + 2 * n)] | (memoire[static_cast<std::size_t>(136 + 2 * n)] << 8), attendu) << n;
    }
}

TEST(Simulateur, SpeedsAreReadBackAndTheTraceHexDumpsTransfers)
{
    Simulateur sim({"console"});
    char modele[] = "/tmp/zentora-trace-XXXXXX";
    const int fd = mkstemp(modele);
    close(fd);
    setenv("ZENTORA_TRACE", modele, 1);
    {
        PortPosix port;
        ASSERT_EQ(port.Ouvre(sim.CheminEsclave()), 0);
        for (int baud : {56000, 128000, 9600}) {
            ASSERT_EQ(port.SetVitesse(baud), 0);
            EXPECT_EQ(port.VitesseLue(), baud);
        }
        const std::uint8_t connexion = 0x80;
        ASSERT_EQ(port.Ecrit(&connexion, 1, 1000), 0);
        std::uint8_t reponse = 0;
        int erreur = 0;
        EXPECT_EQ(port.Lit(reponse, 1100, erreur), Lecture::Octet);
        EXPECT_EQ(reponse, 0x81);
    }
    unsetenv("ZENTORA_TRACE");
    std::ifstream trace(modele);
    const std::string texte((std::istreambuf_iterator<char>(trace)), {});
    EXPECT_NE(texte.find("> 80"), std::string::npos) << texte;
    EXPECT_NE(texte.find("< 81"), std::string::npos) << texte;
    std::remove(modele);
}
