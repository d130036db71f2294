// One full fill of the four performance tables on the bundled catalogue: the screen's
// way (one transaction, one refresh per grid) against one statement and one refresh
// per cell, both writing into grids' data sources with their models attached. The
// opening of the whole screen (open to filled) is measured too.
//
//     build/bin/bench_tabelle [--benchmark_filter=...]

#include "calculation/cfrmCalcoli.h"
#include "catalogue/Catalogo.h"
#include "catalogue/RigheCatalogo.h"
#include "dati/SorgenteDati.h"
#include "engine/Prestazioni.h"
#include "tables/ModelloTabella.h"
#include "tables/RiempimentoTabelle.h"
#include "tables/cFrmDatiComp.h"
#include "tests/supporto/CalcoliFinti.h"
#include "tests/supporto/MessaggiDiProva.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

const char* const Gas = "R-22";
const char* const Modello = "2DZ-005";

struct Ambiente {
    std::unique_ptr<Catalogo> cat;
    SorgenteDati compressori;
    RigaCompressore riga;
    DatiCompressore dati;
    FattoriTensione F = InizializzaFattori();
    std::array<SorgenteDati*, 4> sorgenti{};
    std::array<std::unique_ptr<ModelloTabella>, 4> modelli;

    bool prepara() {
        cat = Catalogo::apri(QDir(SELCOMP_RUNTIME_DIR).filePath("zodirara.mdb"));
        if (!cat)
            return false;
        compressori.impostaCatalogo(cat.get());
        compressori.impostaOrigineRecord("select * from CollCompGasQry where CodiceGas = ?", {Gas});
        compressori.aggiorna();
        if (!compressori.trovaPrimo("CodiceProdotto", Modello))
            return false;
        riga = rigaCompressore(compressori.righe(), compressori.posizione());
        CaricaDatiCompressore(dati, riga);
        for (int k = 0; k < 4; ++k) {
            sorgenti[size_t(k)] = new SorgenteDati;
            sorgenti[size_t(k)]->impostaCatalogo(cat.get());
            sorgenti[size_t(k)]->impostaOrigineRecord(TabelleLavoro[size_t(k)]);
            modelli[size_t(k)] = std::make_unique<ModelloTabella>(sorgenti[size_t(k)]);
        }
        return true;
    }
};

Ambiente* ambiente = nullptr;

void BM_RiempimentoInBlocco(benchmark::State& st) {
    auto& a = *ambiente;
    for (auto _ : st) {
        TabellePrestazioni t;
        CalcolaTabelle(a.dati, a.riga.inviluppo, a.F, 0, true, t);
        if (!scriviTabelle(*a.cat, t, a.sorgenti))
            st.SkipWithError("write failed");
    }
    st.counters["righe"] = a.sorgenti[0]->numeroRecord();
}
BENCHMARK(BM_RiempimentoInBlocco)->Unit(benchmark::kMillisecond);

void BM_RiempimentoPerCella(benchmark::State& st) {
    auto& a = *ambiente;
    for (auto _ : st)
        if (!scriviPerCella(*a.cat, a.dati, a.riga.inviluppo, a.F, 0, true, a.sorgenti))
            st.SkipWithError("write failed");
    st.counters["righe"] = a.sorgenti[0]->numeroRecord();
}
BENCHMARK(BM_RiempimentoPerCella)->Unit(benchmark::kMillisecond);

// The screen from its creation to its four filled grids.
void BM_AperturaSchermo(benchmark::State& st) {
    StatoApplicazione stato;
    stato.catalogo = ambiente->cat.get();
    stato.motore.fattoriTensione = ambiente->F;
    CalcoliFinti calcoli(ambiente->cat.get(), Gas, Modello);
    for (auto _ : st) {
        cFrmDatiComp s(stato, calcoli);
        benchmark::DoNotOptimize(s.Data1(1).numeroRecord());
    }
}
BENCHMARK(BM_AperturaSchermo)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MessaggiRegistrati messaggi;
    ServizioMessaggi::installa(&messaggi);
    Ambiente a;
    if (!a.prepara()) {
        std::fprintf(stderr, "bench_tabelle: the bundled catalogue or %s/%s is missing\n", Gas,
                     Modello);
        return 1;
    }
    ambiente = &a;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (SorgenteDati* s : a.sorgenti)
        delete s;
    return 0;
}
