// zentora-sim: a console or a satellite module on a pseudo-terminal.
//   zentora-sim console|satellite [options]
// Prints the slave path on the first line, then answers the device protocol
// with memories held in the process until SIGTERM/SIGINT or a hang-up fault.
// Shares no code with the editor's protocol implementation on purpose.
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

std::atomic<bool> Arret{false};
void SurSignal(int) { Arret = true; }

struct Options {
    bool console = true;
    std::uint32_t serie = 400000001;
    std::string type;
    int carte = 2, majeure = 3, mineure = 6;
    bool silence = false, refus = false;
    int pageCorrompue = -1;     // 128-byte page whose next read-back is corrupted (once)
    int ackPerdu = -1;          // the N-th acknowledgement is not sent
    long raccroche = -1;        // hang up after this many bytes received
    std::string dump;
    std::vector<std::pair<int, std::string>> emplacements;
    std::vector<std::uint32_t> liste;
    std::uint16_t motPasse = 0;
};

class Simulateur {
public:
    explicit Simulateur(const Options& o) : Opt(o)
    {
        if (Opt.type.empty())
            Opt.type = Opt.console ? "Q52" : "Q31";
        if (Opt.console) {
            Configuration.assign(1024, 0);
            Programme.assign(0x3000, 0);
            Ecrit32(Configuration, 0x3F8, Opt.serie);
            Configuration[2] = static_cast<std::uint8_t>(Opt.motPasse & 0xFF);
            Configuration[3] = static_cast<std::uint8_t>(Opt.motPasse >> 8);
            for (const auto& [slot, nom] : Opt.emplacements) {
                const std::size_t base = 0x80 + 0xA00 * static_cast<std::size_t>(slot);
                Programme[base] = Programme[base + 1] = Programme[base + 2] = 1;
                std::memcpy(&Programme[base + 3], nom.data(), std::min<std::size_t>(nom.size(), 24));
            }
            Programme[0x2804] = static_cast<std::uint8_t>(Opt.liste.size());
            for (std::size_t i = 0; i < Opt.liste.size(); ++i)
                Ecrit32(Programme, 0x2805 + 4 * i, Opt.liste[i]);
        } else {
            Memoire.assign(256, 0);
            Ecrit32(Memoire, 120, Opt.serie);
            Memoire[126] = static_cast<std::uint8_t>(Opt.majeure);
            Memoire[127] = static_cast<std::uint8_t>(Opt.mineure);
        }
    }

    bool Ouvre()
    {
        Maitre = posix_openpt(O_RDWR | O_NOCTTY);
        if (Maitre < 0 || grantpt(Maitre) != 0 || unlockpt(Maitre) != 0)
            return false;
        const char* chemin = ptsname(Maitre);
        if (!chemin)
            return false;
        Chemin = chemin;
        // Kept open so that the master never sees the host's closes as a hang-up.
        Esclave = open(chemin, O_RDWR | O_NOCTTY);
        termios t{};
        if (Esclave < 0 || tcgetattr(Esclave, &t) != 0)
            return false;
        cfmakeraw(&t);
        tcsetattr(Esclave, TCSANOW, &t);
        return true;
    }

    const std::string& CheminEsclave() const { return Chemin; }

    void Boucle()
    {
        std::uint8_t octet = 0;
        while (Lit(octet))
            Commande(octet);
    }

    void Sauve() const
    {
        if (Opt.dump.empty())
            return;
        std::FILE* f = std::fopen(Opt.dump.c_str(), "wb");
        if (!f)
            return;
        if (Opt.console) {
            std::fwrite(Programme.data(), 1, Programme.size(), f);
            std::fwrite(Configuration.data(), 1, Configuration.size(), f);
        } else {
            std::fwrite(Memoire.data(), 1, Memoire.size(), f);
        }
        std::fclose(f);
    }

private:
    static void Ecrit32(std::vector<std::uint8_t>& m, std::size_t a, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            m[a + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }

    bool Lit(std::uint8_t& octet)
    {
        while (!Arret) {
            pollfd p{Maitre, POLLIN, 0};
            const int r = poll(&p, 1, 100);
            if (r <= 0)
                continue;
            const ssize_t n = read(Maitre, &octet, 1);
            if (n == 1) {
                if (Opt.raccroche >= 0 && ++Recus > Opt.raccroche) {
                    close(Esclave);
                    close(Maitre); // the host sees a hang-up
                    Esclave = Maitre = -1;
                    return false;
                }
                return true;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR && errno != EIO)
                return false;
        }
        return false;
    }

    void Envoie(std::uint8_t octet)
    {
        if (Maitre >= 0)
            (void)!write(Maitre, &octet, 1);
    }

    void Acquitte()
    {
        ++Acquittements;
        Envoie(Acquittements == Opt.ackPerdu ? 0x00 : 0x84);
    }

    static int Chiffre(std::uint8_t c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    bool LitHexa(int& valeur)
    {
        std::uint8_t a = 0, b = 0;
        if (!Lit(a) || !Lit(b))
            return false;
        valeur = Chiffre(a) * 16 + Chiffre(b);
        return Chiffre(a) >= 0 && Chiffre(b) >= 0;
    }

    // Device to host: two characters, each acknowledged by the host.
    bool EnvoieHexa(std::uint8_t valeur)
    {
        static const char chiffres[] = "0123456789ABCDEF";
        for (char c : {chiffres[valeur >> 4], chiffres[valeur & 0xF]}) {
            Envoie(static_cast<std::uint8_t>(c));
            std::uint8_t ack = 0;
            if (!Lit(ack))
                return false;
        }
        return true;
    }

    void Commande(std::uint8_t c)
    {
        if (c == 0x80) {
            if (Opt.silence)
                return;
            Envoie(Opt.refus ? 0x85 : 0x81);
            Connecte = !Opt.refus;
            return;
        }
        if (!Connecte)
            return;
        if (c == 0x04) {
            Envoie(0x84);
            Connecte = false;
            ModeProgrammation = false;
            return;
        }
        if (c == 0x86) {
            for (char t : Opt.type.substr(0, 3))
                if (!EnvoieHexa(static_cast<std::uint8_t>(t)))
                    return;
            return;
        }
        if (c == 0x9E) {
            int d = 0, d2 = 0;
            if (!LitHexa(d) || (Opt.console && !LitHexa(d2)))
                return;
            Acquitte();
            Envoie(0x00);
            return;
        }
        Opt.console ? CommandeConsole(c) : CommandeSatelite(c);
    }

    void CommandeConsole(std::uint8_t c)
    {
        int a = 0, b = 0, n = 0, v = 0;
        switch (c) {
        case 0x89:
            if (LitHexa(a) && LitHexa(b))
                EnvoieHexa(Configuration[static_cast<std::size_t>((a << 8 | b) & 0x3FF)]);
            break;
        case 0x8B:
            if (LitHexa(a) && LitHexa(b) && LitHexa(v)) {
                Configuration[static_cast<std::size_t>((a << 8 | b) & 0x3FF)] = static_cast<std::uint8_t>(v);
                Acquitte();
            }
            break;
        case 0x98:
            if (LitHexa(n) && LitHexa(a) && LitHexa(b)) {
                const int adresse = a | (b << 8);
                const bool corrompre = adresse / 128 == Opt.pageCorrompue;
                if (corrompre)
                    Opt.pageCorrompue = -1; // once
                for (int i = 0; i < n; ++i) {
                    std::uint8_t o = Programme[static_cast<std::size_t>((adresse + i) % 0x3000)];
                    if (corrompre && i == n - 4)
                        o ^= 0x01;
                    if (!EnvoieHexa(o))
                        return;
                }
            }
            break;
        case 0x99:
            if (LitHexa(n) && LitHexa(a) && LitHexa(b)) {
                const int adresse = a | (b << 8);
                std::vector<std::uint8_t> donnees;
                for (int i = 0; i < n; ++i) {
                    if (!LitHexa(v))
                        return;
                    donnees.push_back(static_cast<std::uint8_t>(v));
                }
                for (int i = 0; i < n; ++i)
                    Programme[static_cast<std::size_t>((adresse + i) % 0x3000)] = donnees[static_cast<std::size_t>(i)];
                Acquitte();
            }
            break;
        default:
            break; // stray bytes (late acknowledgements) are ignored
        }
    }

    void CommandeSatelite(std::uint8_t c)
    {
        int a = 0, v = 0;
        switch (c) {
        case 0x82:
            ModeProgrammation = true;
            Acquitte();
            break;
        case 0x87:
            EnvoieHexa(static_cast<std::uint8_t>(Opt.carte));
            break;
        case 0x89:
            if (LitHexa(a))
                EnvoieHexa(Memoire[static_cast<std::size_t>(a & 0xFF)]);
            break;
        case 0x8B:
            if (LitHexa(a) && LitHexa(v)) {
                Memoire[static_cast<std::size_t>(a & 0xFF)] = static_cast<std::uint8_t>(v);
                Acquitte();
            }
            break;
        case 0x9B:
        case 0x99:
            if (ModeProgrammation)
                Acquitte();
            break;
        default:
            break;
        }
    }

    Options Opt;
    int Maitre = -1, Esclave = -1;
    std::string Chemin;
    bool Connecte = false, ModeProgrammation = false;
    long Recus = 0;
    int Acquittements = 0;
    std::vector<std::uint8_t> Configuration, Programme, Memoire;
};

int Usage()
{
    std::fprintf(stderr,
                 "usage: zentora-sim console|satellite [--serial N] [--type XYZ] [--version MAJ.MIN] [--board N]\n"
                 "       [--slot K=NAME]... [--list N,N,...] [--password N] [--silent] [--refuse]\n"
                 "       [--corrupt-page N] [--drop-ack N] [--hangup-after N] [--dump FILE]\n");
    return 64;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    Options o;
    const std::string mode = argv[1];
    if (mode != "console" && mode != "satellite")
        return Usage();
    o.console = mode == "console";
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        const auto valeur = [&]() -> std::string { return i + 1 < argc ? argv[++i] : std::string(); };
        if (a == "--serial") o.serie = static_cast<std::uint32_t>(std::strtoul(valeur().c_str(), nullptr, 10));
        else if (a == "--type") o.type = valeur();
        else if (a == "--board") o.carte = std::atoi(valeur().c_str());
        else if (a == "--version") { const std::string v = valeur(); o.majeure = std::atoi(v.c_str()); const auto p = v.find('.'); o.mineure = p == std::string::npos ? 0 : std::atoi(v.c_str() + p + 1); }
        else if (a == "--slot") { const std::string v = valeur(); const auto p = v.find('='); if (p == std::string::npos) return Usage(); o.emplacements.emplace_back(std::atoi(v.c_str()) & 3, v.substr(p + 1)); }
        else if (a == "--list") { const std::string v = valeur(); for (std::size_t p = 0; p < v.size();) { o.liste.push_back(static_cast<std::uint32_t>(std::strtoul(v.c_str() + p, nullptr, 10))); const auto q = v.find(',', p); if (q == std::string::npos) break; p = q + 1; } }
        else if (a == "--password") o.motPasse = static_cast<std::uint16_t>(std::atoi(valeur().c_str()));
        else if (a == "--silent") o.silence = true;
        else if (a == "--refuse") o.refus = true;
        else if (a == "--corrupt-page") o.pageCorrompue = std::atoi(valeur().c_str());
        else if (a == "--drop-ack") o.ackPerdu = std::atoi(valeur().c_str());
        else if (a == "--hangup-after") o.raccroche = std::atol(valeur().c_str());
        else if (a == "--dump") o.dump = valeur();
        else return Usage();
    }
    std::signal(SIGTERM, SurSignal);
    std::signal(SIGINT, SurSignal);
    Simulateur sim(o);
    if (!sim.Ouvre()) {
        std::perror("zentora-sim: pseudo-terminal");
        return 1;
    }
    std::printf("%s\n", sim.CheminEsclave().c_str());
    std::fflush(stdout);
    sim.Boucle();
    sim.Sauve();
    return 0;
}
