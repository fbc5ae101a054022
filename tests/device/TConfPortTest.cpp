#include "device/RegistrePorts.h"
#include "device/TConfPort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <unistd.h>

using namespace Zent;

namespace {

class SourceScriptee : public SourcePorts {
public:
    std::optional<std::vector<PortTrouve>> ports = std::vector<PortTrouve>{};
    std::optional<std::vector<PortTrouve>> Ports() override { return ports; }
};

// Paths numbered 1 to n in a registry of the test's own.
std::vector<std::string> Chemins(RegistrePorts& registre, int n)
{
    std::vector<std::string> chemins;
    for (int i = 1; i <= n; ++i) {
        chemins.push_back("/dev/ttyFAUX" + std::to_string(i));
        EXPECT_EQ(registre.NumeroDe(chemins.back()), i);
    }
    return chemins;
}

} // namespace

TEST(TConfPort, TheBridgeWinsAndLabelsSortAsText)
{
    RegistrePorts registre;
    const auto c = Chemins(registre, 10);
    SourceScriptee source;
    source.ports = std::vector<PortTrouve>{{c[0], false}, {c[1], false}, {c[9], true}};
    TConfPort selecteur(source, registre);
    EXPECT_FALSE(selecteur.PortPresent());
    EXPECT_EQ(selecteur.GetNumeroPortChoisi(), 10); // the first use searches
    EXPECT_EQ(selecteur.ListePorts(), (std::vector<std::string>{"COM1 (/dev/ttyFAUX1)",
                                                                "COM10 (/dev/ttyFAUX10) : TOVAREX",
                                                                "COM2 (/dev/ttyFAUX2)"}));
    EXPECT_TRUE(selecteur.PortFabricant());

    // Without the bridge, a port the user chose stays chosen while it exists.
    selecteur.ValidationClick(2);
    source.ports = std::vector<PortTrouve>{{c[0], false}, {c[1], false}};
    EXPECT_FALSE(selecteur.PortModifie());
    EXPECT_EQ(selecteur.GetNumeroPortChoisi(), 2);
    EXPECT_FALSE(selecteur.PortFabricant());
    source.ports = std::vector<PortTrouve>{{c[0], false}};
    EXPECT_TRUE(selecteur.PortModifie());
    EXPECT_EQ(selecteur.GetNumeroPortChoisi(), 1);

    source.ports = std::vector<PortTrouve>{{c[6], true}, {c[2], true}};
    EXPECT_TRUE(selecteur.RecherchePorts());
    EXPECT_EQ(selecteur.GetNumeroPortChoisi(), 3);

    source.ports = std::vector<PortTrouve>{};
    EXPECT_TRUE(selecteur.RecherchePorts());
    EXPECT_FALSE(selecteur.PortPresent());
    selecteur.ValidationClick(0); // nothing listed: nothing chosen
    EXPECT_FALSE(selecteur.PortPresent());
    source.ports.reset();
    EXPECT_FALSE(selecteur.RecherchePorts());
}

TEST(TConfPort, NumeroPortDeTexte)
{
    const struct {
        const char* label;
        int numero;
    } cas[] = {{"COM3 (/dev/ttyUSB0) : TOVAREX", 3}, {"  com12", 12}, {"COM", 0}, {"COMx2", 0}, {"xx7", 7}, {"", 0}};
    for (const auto& c : cas)
        EXPECT_EQ(TConfPort::NumeroPortDeTexte(c.label), c.numero) << c.label;
}

TEST(SourcePortsSysteme, SysfsAndTheEnvironment)
{
    namespace fs = std::filesystem;
    char modele[] = "/tmp/zentora-sys-XXXXXX";
    ASSERT_NE(mkdtemp(modele), nullptr);
    const fs::path racine = modele;
    const auto appareil = [&](const std::string& tty, const std::string& cible, const std::string& pilote) {
        fs::create_directories(racine / "class" / "tty" / tty);
        fs::create_directories(racine / "devices" / cible);
        fs::create_directories(racine / "bus" / "drivers" / pilote);
        fs::create_directory_symlink(racine / "devices" / cible, racine / "class" / "tty" / tty / "device");
        fs::create_directory_symlink(racine / "bus" / "drivers" / pilote, racine / "devices" / cible / "driver");
    };
    appareil("ttyUSB0", "pci0/usb1/1-1:1.0/ttyUSB0", "cp210x");
    appareil("ttyACM0", "pci0/usb1/1-2:1.0", "cdc_acm");
    appareil("ttyS9", "platform/serial8250/tty/ttyS9", "serial8250"); // no such device: a phantom
    appareil("ttyV0", "virtual/tty/ttyV0", "none");
    fs::create_directories(racine / "class" / "tty" / "tty1"); // no device link
    setenv("ZENTORA_PORTS_TEST", "/dev/pts/7:/dev/pts/8=bridge", 1);

    SourcePortsSysteme source(racine.string(), "ZENTORA_PORTS_TEST");
    auto ports = source.Ports();
    ASSERT_TRUE(ports.has_value());
    std::sort(ports->begin(), ports->end(), [](const PortTrouve& a, const PortTrouve& b) { return a.Chemin < b.Chemin; });
    ASSERT_EQ(ports->size(), 4u);
    EXPECT_EQ((*ports)[0].Chemin, "/dev/pts/7");
    EXPECT_FALSE((*ports)[0].Fabricant);
    EXPECT_TRUE((*ports)[1].Fabricant); // /dev/pts/8=bridge
    EXPECT_EQ((*ports)[2].Chemin, "/dev/ttyACM0");
    EXPECT_FALSE((*ports)[2].Fabricant);
    EXPECT_EQ((*ports)[3].Chemin, "/dev/ttyUSB0");
    EXPECT_TRUE((*ports)[3].Fabricant);
    unsetenv("ZENTORA_PORTS_TEST");
    fs::remove_all(racine);
}
