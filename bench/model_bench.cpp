// Speed goals of the model: each operation under 1 ms on a full program.
#include "model/CQ52.h"

#include <benchmark/benchmark.h>

using namespace Zent;

namespace {

void Manuels(CQ52& p, std::int32_t n)
{
    for (std::int32_t i = 1; i < n; ++i)
        p.CreerTir(i);
}

void InsertionAuMilieu(benchmark::State& etat)
{
    CQ52 source;
    Manuels(source, 598);
    CQ52 p;
    for (auto _ : etat) {
        etat.PauseTiming();
        p.Copie(source);
        etat.ResumeTiming();
        benchmark::DoNotOptimize(p.InsertTirs(299, 1, false, true, false));
    }
}
BENCHMARK(InsertionAuMilieu)->Unit(benchmark::kMicrosecond);

void SuppressionDuPremier(benchmark::State& etat)
{
    CQ52 source;
    Manuels(source, 600);
    CQ52 p;
    for (auto _ : etat) {
        etat.PauseTiming();
        p.Copie(source);
        etat.ResumeTiming();
        benchmark::DoNotOptimize(p.SupprTir(1));
    }
}
BENCHMARK(SuppressionDuPremier)->Unit(benchmark::kMicrosecond);

// One automatic sequence of 599 shots 0.1 s apart: lengthening the first
// delay pushes every following shot.
void PousseeDeToutLaSequence(benchmark::State& etat)
{
    CQ52 source;
    for (std::int32_t i = 1; i < NbTirMax; ++i)
        source.CreerTirComplet(i, i % 596, false, false); // avoid the backup channels
    CQ52 p;
    for (auto _ : etat) {
        etat.PauseTiming();
        p.Copie(source);
        etat.ResumeTiming();
        benchmark::DoNotOptimize(p.SetRetard(1, 5.0, true));
    }
}
BENCHMARK(PousseeDeToutLaSequence)->Unit(benchmark::kMicrosecond);

void VerificationDeTousLesTirs(benchmark::State& etat)
{
    CQ52 p;
    for (std::int32_t i = 1; i < NbTirMax; ++i)
        p.CreerTirComplet(i, i % 500, i % 7 == 0, false);
    for (auto _ : etat) {
        std::int32_t concerne = 0;
        for (std::int32_t i = 0; i < NbTirMax; ++i)
            benchmark::DoNotOptimize(p.VerifTir(i, concerne));
    }
}
BENCHMARK(VerificationDeTousLesTirs)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
