#include "device/TConfPort.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace Zent {

namespace {

namespace fs = std::filesystem;

// A legacy 8250 port that answers with an unknown UART is not really there.
bool Port8250Present(const std::string& chemin)
{
    const int fd = ::open(chemin.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    serial_struct infos{};
    const bool present = ::ioctl(fd, TIOCGSERIAL, &infos) == 0 && infos.type != PORT_UNKNOWN;
    ::close(fd);
    return present;
}

} // namespace

std::optional<std::vector<PortTrouve>> SourcePortsSysteme::Ports()
{
    std::vector<PortTrouve> ports;
    std::error_code ec;
    const fs::path classe = fs::path(Racine) / "class" / "tty";
    if (fs::exists(classe, ec)) {
        for (const auto& entree : fs::directory_iterator(classe, ec)) {
            const fs::path appareil = entree.path() / "device";
            if (!fs::exists(appareil, ec))
                continue;
            const std::string cible = fs::canonical(appareil, ec).string();
            if (ec || cible.find("/virtual/") != std::string::npos)
                continue;
            const std::string pilote = fs::canonical(appareil / "driver", ec).filename().string();
            const std::string chemin = "/dev/" + entree.path().filename().string();
            if (pilote == "serial8250" && !Port8250Present(chemin))
                continue;
            ports.push_back({chemin, pilote == "cp210x"});
        }
    }
    if (const char* liste = std::getenv(Variable.c_str()); liste && *liste) {
        std::string texte = liste;
        for (std::size_t debut = 0; debut <= texte.size();) {
            const std::size_t fin = std::min(texte.find(':', debut), texte.size());
            std::string morceau = texte.substr(debut, fin - debut);
            debut = fin + 1;
            if (morceau.empty())
                continue;
            const bool pont = morceau.size() > 7 && morceau.compare(morceau.size() - 7, 7, "=bridge") == 0;
            if (pont)
                morceau.resize(morceau.size() - 7);
            ports.push_back({morceau, pont});
        }
    }
    return ports;
}

bool TConfPort::RecherchePorts()
{
    const std::int32_t precedent = NumeroPortChoisi;
    Labels.clear();
    Index = -1;
    const auto ports = Source.Ports();
    if (!ports) {
        NumeroPortChoisi = 0;
        return false;
    }
    for (const PortTrouve& p : *ports) {
        std::string label = "COM" + std::to_string(Registre.NumeroDe(p.Chemin)) + " (" + p.Chemin + ")";
        if (p.Fabricant)
            label += std::string(" : ") + MarqueFabricant;
        if (std::find(Labels.begin(), Labels.end(), label) == Labels.end())
            Labels.push_back(label);
    }
    std::sort(Labels.begin(), Labels.end());
    if (Labels.empty()) {
        NumeroPortChoisi = 0;
        return true;
    }
    int retenu = -1;
    for (std::size_t i = 0; i < Labels.size(); ++i) {
        if (Labels[i].find(MarqueFabricant) != std::string::npos) {
            Index = static_cast<int>(i);
            break;
        }
        if (retenu < 0 && NumeroPortDeTexte(Labels[i]) == precedent)
            retenu = static_cast<int>(i);
    }
    if (Index < 0)
        Index = retenu >= 0 ? retenu : 0;
    NumeroPortChoisi = NumeroPortDeTexte(Labels[static_cast<std::size_t>(Index)]);
    return true;
}

std::int32_t TConfPort::GetNumeroPortChoisi()
{
    if (NumeroPortChoisi <= 0)
        RecherchePorts();
    return NumeroPortChoisi;
}

bool TConfPort::PortModifie()
{
    const std::int32_t precedent = NumeroPortChoisi;
    return RecherchePorts() && NumeroPortChoisi != precedent;
}

bool TConfPort::PortFabricant()
{
    if (NumeroPortChoisi <= 0)
        RecherchePorts();
    if (NumeroPortChoisi == 0 || Index < 0)
        return false;
    return Labels[static_cast<std::size_t>(Index)].find(MarqueFabricant) != std::string::npos;
}

std::int32_t TConfPort::NumeroPortDeTexte(const std::string& label)
{
    std::string t = label;
    const auto debut = t.find_first_not_of(' ');
    t = debut == std::string::npos ? std::string() : t.substr(debut);
    for (char& c : t)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::size_t com = t.find("COM");
    std::size_t i = com == std::string::npos ? 2 : com + 3;
    long long n = 0;
    bool chiffre = false;
    for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])) && n < 100000000; ++i) {
        n = n * 10 + (t[i] - '0');
        chiffre = true;
    }
    return chiffre ? static_cast<std::int32_t>(n) : 0;
}

void TConfPort::SetLangue(Langue langue)
{
    if (LangueValide(langue))
        LangueCourante = langue;
}

void TConfPort::ValidationClick(int index)
{
    if (index < 0 || index >= static_cast<int>(Labels.size()))
        return; // nothing listed, nothing chosen
    Index = index;
    NumeroPortChoisi = NumeroPortDeTexte(Labels[static_cast<std::size_t>(index)]);
}

TConfPort::Textes TConfPort::LesTextes() const
{
    const Langue l = LangueCourante;
    return {TexteBilingue{"Configuration du port série", "Serial port settings"}.Selon(l),
            TexteBilingue{"Port série", "Serial port"}.Selon(l), TexteBilingue{"Valider", "Valid"}.Selon(l),
            TexteBilingue{"Recherche des Ports", "Ports searching (in progress)"}.Selon(l),
            TexteBilingue{" Pas de port serie", " Pas de port serie"}.Selon(l)};
}

} // namespace Zent
