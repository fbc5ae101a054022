// Speed goals of the editor core: loading, saving and verifying a full
// program (600 shots, 10 satellites) under 5 ms each; a full rebuild of the
// time table under 1 ms.
#include "ui/core/TFenetreEnfant.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include <unistd.h>

using namespace Zent;

namespace {

class Silence : public Messages {
public:
    Reponse Affiche(GenreMessage, const std::string&, Boutons) override { return Reponse::Ok; }
};
class Muet : public Sons {
public:
    void Joue(Son) override {}
};

Silence silence;
Muet muet;

void Remplit(TFenetreEnfant& doc)
{
    doc.StringTitreChange("Grande finale");
    CQ52& m = doc.Modele();
    for (std::int32_t i = 1; i < NbTirMax; ++i) {
        m.CreerTirComplet(i, i % 596, i % 50 == 0, false);
        m.SetRetard(i, 0.5 + (i % 7) * 0.1, false);
        m.SetDescription(i, "Bombe \xE9toil\xE9" "e 75 mm, tir " + std::to_string(i));
    }
    for (int s = 0; s < 10; ++s) {
        doc.AjoutSatelite("Satellite " + std::to_string(s), 400000000u + s, s);
        for (std::uint32_t k = 0; k < 60; ++k)
            doc.RechSatelite("Satellite " + std::to_string(s))->SetDescriptionSortie(k, "Caisson " + std::to_string(k));
    }
    doc.TableTemps().ActulaiserAffichage();
}

std::string CheminTemporaire()
{
    return "/tmp/zentora-bench-" + std::to_string(getpid()) + ".tir";
}

void Enregistrement(benchmark::State& etat)
{
    TFenetreEnfant doc(silence, muet, ',');
    Remplit(doc);
    const std::string chemin = CheminTemporaire();
    for (auto _ : etat) {
        doc.SetNomFichier(chemin);
        benchmark::DoNotOptimize(doc.EcritureFichier());
    }
    std::remove(chemin.c_str());
    std::remove((chemin.substr(0, chemin.size() - 3) + "Bak").c_str());
}
BENCHMARK(Enregistrement)->Unit(benchmark::kMillisecond);

void Chargement(benchmark::State& etat)
{
    TFenetreEnfant source(silence, muet, ',');
    Remplit(source);
    const std::string chemin = CheminTemporaire();
    source.SetNomFichier(chemin);
    source.EcritureFichier();
    for (auto _ : etat) {
        TFenetreEnfant doc(silence, muet, ',');
        benchmark::DoNotOptimize(doc.LectureFichier(chemin));
    }
    std::remove(chemin.c_str());
}
BENCHMARK(Chargement)->Unit(benchmark::kMillisecond);

void Verification(benchmark::State& etat)
{
    TFenetreEnfant doc(silence, muet, ',');
    Remplit(doc);
    for (auto _ : etat) {
        doc.VerificationProgramme();
        benchmark::DoNotOptimize(doc.ListeAvertissements().size());
    }
}
BENCHMARK(Verification)->Unit(benchmark::kMillisecond);

void ReconstructionTable(benchmark::State& etat)
{
    TFenetreEnfant doc(silence, muet, ',');
    Remplit(doc);
    for (auto _ : etat)
        doc.TableTemps().ActulaiserAffichage();
}
BENCHMARK(ReconstructionTable)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
