#pragma once

#include "device/Horloge.h"
#include "device/PortSerie.h"

#include <deque>
#include <vector>

namespace ZentTest {

// Milliseconds that pass only when the code under test waits.
class HorlogeFactice : public Zent::Horloge {
public:
    std::int64_t maintenant = 0;
    void Dort(int ms) override { maintenant += ms; }
    std::int64_t Tic() const override { return maintenant; }
};

// A port whose device answers from a script: written bytes are recorded,
// reads take the next scripted byte or wait out their time-out on the fake
// clock.
class PortScripte : public Zent::PortSerie {
public:
    explicit PortScripte(HorlogeFactice& horloge) : Horloge(horloge) {}
    std::vector<std::uint8_t> ecrits;
    std::deque<std::uint8_t> reponses;
    bool ouvert = false;
    int ouvertures = 0;
    int vitesse = 0;
    bool raccroche = false; // after the script: the device went away

    int Ouvre(const std::string&) override
    {
        ouvert = true;
        ++ouvertures;
        return 0;
    }
    int Ferme(bool) override
    {
        ouvert = false;
        return 0;
    }
    bool Ouvert() const override { return ouvert; }
    int SetVitesse(int baud) override
    {
        vitesse = baud;
        return 0;
    }
    int Purge() override { return 0; }
    int Ecrit(const std::uint8_t* o, std::size_t n, int) override
    {
        ecrits.insert(ecrits.end(), o, o + n);
        return 0;
    }
    Zent::Lecture Lit(std::uint8_t& octet, int delaiMs, int&) override
    {
        if (reponses.empty()) {
            if (raccroche)
                return Zent::Lecture::Raccroche;
            Horloge.maintenant += delaiMs;
            return Zent::Lecture::Silence;
        }
        octet = reponses.front();
        reponses.pop_front();
        return Zent::Lecture::Octet;
    }
    // The device sends a value as two hex characters (the host acknowledges each).
    void RepondHexa(std::uint8_t v)
    {
        static const char h[] = "0123456789ABCDEF";
        reponses.push_back(static_cast<std::uint8_t>(h[v >> 4]));
        reponses.push_back(static_cast<std::uint8_t>(h[v & 0xF]));
    }
    std::string EcritsTexte() const { return std::string(ecrits.begin(), ecrits.end()); }

private:
    HorlogeFactice& Horloge;
};

} // namespace ZentTest
