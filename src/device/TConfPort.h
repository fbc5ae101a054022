#pragma once

#include "device/RegistrePorts.h"
#include "model/Textes.h"

#include <optional>
#include <string>
#include <vector>

namespace Zent {

// A serial port found on the machine.
struct PortTrouve {
    std::string Chemin;
    bool Fabricant = false; // served by the maker's USB bridge
};

// Where ports are found: sysfs (real, non-virtual ttys; phantom 8250 ports
// dropped; the bridge by its cp210x driver) and ZENTORA_PORTS
// ("path:path=bridge:..."). None when the port list cannot be read at all.
class SourcePorts {
public:
    virtual ~SourcePorts() = default;
    virtual std::optional<std::vector<PortTrouve>> Ports() = 0;
};

class SourcePortsSysteme : public SourcePorts {
public:
    explicit SourcePortsSysteme(std::string racineSys = "/sys", std::string variable = "ZENTORA_PORTS")
        : Racine(std::move(racineSys)), Variable(std::move(variable))
    {
    }
    std::optional<std::vector<PortTrouve>> Ports() override;

private:
    std::string Racine;
    std::string Variable;
};

inline constexpr const char* MarqueFabricant = "TOVAREX";

// The serial port selector: sorted labels "COMn (path)", the maker's
// bridge marked and preselected, the previous choice kept while it exists.
class TConfPort {
public:
    explicit TConfPort(SourcePorts& source, RegistrePorts& registre = RegistrePorts::Global())
        : Source(source), Registre(registre)
    {
    }

    bool RecherchePorts();
    std::int32_t GetNumeroPortChoisi();
    bool PortModifie();
    bool PortFabricant();
    bool PortPresent() const { return NumeroPortChoisi != 0; }
    static std::int32_t NumeroPortDeTexte(const std::string& label);
    void SetLangue(Langue langue);
    Langue GetLangue() const { return LangueCourante; }

    const std::vector<std::string>& ListePorts() const { return Labels; }
    int IndexPortChoisi() const { return Index; }
    // The dialog's choice.
    void ValidationClick(int index);

    struct Textes {
        std::string Titre, Groupe, Valider, Recherche, PasDePort;
    };
    Textes LesTextes() const;

private:
    SourcePorts& Source;
    RegistrePorts& Registre;
    Langue LangueCourante = Francais;
    std::vector<std::string> Labels;
    int Index = -1;
    std::int32_t NumeroPortChoisi = 0;
};

} // namespace Zent
