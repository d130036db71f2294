// Names, failure statuses and the remembered states of the C interface.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include "reflib/ILK.h"
#include "reflib/LetturaFluido.h"
#include "reflib/Stato.h"

namespace {

const std::string Reflibs = std::string(SELCOMP_SOURCE_DIR) + "/reflib/data/Reflibs";
const std::string Dati = SELCOMP_TEST_DATA;

class Esiti : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ILK_Set_Fluids(Reflibs.c_str()), ILK_OK) << ILK_Ultimo_Errore();
    }
};

// Every spelling a catalogue uses names the same fluid.
TEST_F(Esiti, NomiDeiCataloghi) {
    const char* gruppi[][5] = {
        {"R407C", "R-407C", "r407c", "R 407 C", "r-407c"},
        {"R22", "R-22", "r22", "HCFC22", "R22"},
        {"R290", "r-290", "PROPANE", "R290", "R290"},
        {"R600a", "R600A", "r600a", "R-600a", "ISOBUTANE"},
        {"R744", "CO2", "r744", "R-744", "co2"},
        {"R1234ze(E)", "R1234ZE", "r1234zeE", "R-1234ze(E)", "R1234ze(E)"},
    };
    for (const auto& g : gruppi) {
        double atteso = 0;
        ASSERT_EQ(ILK_p_D(g[0], 263.15, &atteso), ILK_OK) << g[0] << ": " << ILK_Ultimo_Errore();
        for (const char* nome : g) {
            double p = 0;
            EXPECT_EQ(ILK_p_D(nome, 263.15, &p), ILK_OK) << nome;
            EXPECT_EQ(p, atteso) << nome;
        }
    }
}

TEST_F(Esiti, RefrigeranteSconosciuto) {
    double x = 7;
    for (const char* nome : {"R999", "R40", "R407", "XYZ"}) {
        EXPECT_EQ(ILK_p_D(nome, 263.15, &x), ILK_ERR_REFRIGERANTE_SCONOSCIUTO) << nome;
        EXPECT_EQ(ILK_h_V(nome, 263.15, 1e5, &x), ILK_ERR_REFRIGERANTE_SCONOSCIUTO) << nome;
        EXPECT_NE(std::string(ILK_Ultimo_Errore()).find(nome), std::string::npos);
    }
    EXPECT_EQ(x, 7); // untouched on failure
}

TEST_F(Esiti, FuoriCampo) {
    double x = 0, p = 0;
    EXPECT_EQ(ILK_p_D("R744", 305.0, &x), ILK_ERR_FUORI_CAMPO); // above the critical point
    EXPECT_EQ(ILK_h_L("R407C", 400.0, &x), ILK_ERR_FUORI_CAMPO);
    EXPECT_EQ(ILK_p_D("R134a", 150.0, &x), ILK_ERR_FUORI_CAMPO);      // below the triple point
    EXPECT_EQ(ILK_h_V("R134a", 600.0, 1e5, &x), ILK_ERR_FUORI_CAMPO); // above the equation's range
    // Vapour asked where the refrigerant is liquid: the dew pressure of 40 degC at 0 degC.
    ASSERT_EQ(ILK_p_D("R22", 313.15, &p), ILK_OK);
    EXPECT_EQ(ILK_h_V("R22", 273.15, p, &x), ILK_ERR_FUORI_CAMPO);
    ASSERT_EQ(ILK_p_D("R407C", 313.15, &p), ILK_OK);
    EXPECT_EQ(ILK_V_V("R407C", 313.15 - 0.01, p, &x), ILK_ERR_FUORI_CAMPO);
    // Above the critical temperature any pressure is the one fluid phase.
    EXPECT_EQ(ILK_V_V("R744", 320.0, 9e6, &x), ILK_OK) << ILK_Ultimo_Errore();
}

// Saturation converges over the whole range, up to a hair below the critical point, and
// the saturated vapour is found at every dew point; past the critical point it is out of range.
TEST_F(Esiti, SaturazioneFinoAlCritico) {
    for (const char* gas : {"R22", "R134a", "R404A", "R407C", "R410A", "R507A", "R32", "R290",
                            "R1234yf", "R1234ze(E)", "R744", "R600a"}) {
        const reflib::Fluido* f = reflib::libreriaProcesso().trovaFluido(gas);
        ASSERT_NE(f, nullptr) << gas;
        double pPrima = 0;
        for (double T = f->Tmin + 0.01; T < f->Tcrit; T += 0.5) {
            const double Ts[] = {T, std::max(T, f->Tcrit - 1e-3)}; // also the top of the range
            for (double t : Ts) {
                double p = 0, v = 0, h = 0;
                ASSERT_EQ(ILK_p_D(gas, t, &p), ILK_OK)
                    << gas << " T " << t << ": " << ILK_Ultimo_Errore();
                ASSERT_EQ(ILK_h_L(gas, t, &h), ILK_OK)
                    << gas << " T " << t << ": " << ILK_Ultimo_Errore();
                ASSERT_EQ(ILK_V_V(gas, t, p, &v), ILK_OK)
                    << gas << " T " << t << ": " << ILK_Ultimo_Errore();
                if (&t == &Ts[0]) {
                    EXPECT_GT(p, pPrima) << gas << " T " << t;
                    pPrima = p;
                }
            }
        }
        double p = 0;
        EXPECT_EQ(ILK_p_D(gas, f->Tcrit + 1e-3, &p), ILK_ERR_FUORI_CAMPO) << gas;
    }
}

TEST_F(Esiti, ArgomentiNonValidi) {
    double x = 0;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(ILK_p_D("R22", 263.15, nullptr), ILK_ERR_ARGOMENTO);
    EXPECT_EQ(ILK_p_D(nullptr, 263.15, &x), ILK_ERR_ARGOMENTO);
    EXPECT_EQ(ILK_p_D("", 263.15, &x), ILK_ERR_ARGOMENTO);
    EXPECT_EQ(ILK_h_L("R22", nan, &x), ILK_ERR_ARGOMENTO);
    EXPECT_EQ(ILK_h_V("R22", 283.15, 0, &x), ILK_ERR_ARGOMENTO);
    EXPECT_EQ(ILK_V_V("R22", 283.15, -1e5, &x), ILK_ERR_ARGOMENTO);
    EXPECT_EQ(ILK_V_V("R22", -5, 1e5, &x), ILK_ERR_ARGOMENTO);
}

// At the dew pressure of T and exactly at T the vapour functions give the saturated
// vapour: for the blends too, whose own equation puts the dew point a little off its
// phase equilibrium.
TEST_F(Esiti, VaporeSaturoAllaRugiada) {
    for (const char* gas : {"R22", "R134a", "R404A", "R407C", "R410A", "R507A", "R744"}) {
        for (double T : {233.15, 263.15, 283.15}) {
            double p = 0, v = 0, vVicino = 0, hL = 0, hV = 0;
            ASSERT_EQ(ILK_p_D(gas, T, &p), ILK_OK) << gas;
            ASSERT_EQ(ILK_V_V(gas, T, p, &v), ILK_OK) << gas << " " << ILK_Ultimo_Errore();
            ASSERT_EQ(ILK_V_V(gas, T + 1e-3, p, &vVicino), ILK_OK) << gas;
            ASSERT_EQ(ILK_h_V(gas, T, p, &hV), ILK_OK) << gas;
            ASSERT_EQ(ILK_h_L(gas, T, &hL), ILK_OK) << gas;
            EXPECT_NEAR(v / vVicino, 1, 1e-4) << gas << " T " << T; // the vapour root, continuous
            EXPECT_GT(hV - hL, 1e5) << gas << " T " << T;           // a latent heat away
        }
    }
}

// Remembered states never change a result: each call gives what it gives from scratch.
TEST_F(Esiti, MemoriaNonCambiaIRisultati) {
    const double TE = 263.15, TC = 313.15;
    const double T[] = {TC, TC - 8.3, TE, 293.15, TE + 11.1};
    for (const char* gas : {"R22", "R407C"}) {
        double p = 0;
        ASSERT_EQ(ILK_p_D(gas, TE, &p), ILK_OK);
        for (int giro = 0; giro < 2; ++giro)
            for (double t : T) {
                double h = 0, v = 0, hFresco = 0, vFresco = 0, hL = 0, hLFresco = 0;
                ILK_h_V(gas, t, p, &h);
                ILK_V_V(gas, t, p, &v);
                if (t > TE + 20)
                    ILK_h_L(gas, t, &hL);
                reflib::libreriaProcesso().dimentica();
                ILK_h_V(gas, t, p, &hFresco);
                reflib::libreriaProcesso().dimentica();
                ILK_V_V(gas, t, p, &vFresco);
                EXPECT_EQ(h, hFresco) << gas << " " << t;
                EXPECT_EQ(v, vFresco) << gas << " " << t;
                if (t > TE + 20) {
                    reflib::libreriaProcesso().dimentica();
                    ILK_h_L(gas, t, &hLFresco);
                    EXPECT_EQ(hL, hLFresco) << gas << " " << t;
                }
            }
    }
}

TEST(EsitiCartella, NonInizializzata) {
    double x = 0;
    EXPECT_EQ(ILK_Set_Fluids((Dati + "/non_esiste").c_str()), ILK_ERR_NON_INIZIALIZZATA);
    EXPECT_EQ(ILK_p_D("R22", 263.15, &x), ILK_ERR_NON_INIZIALIZZATA);
    EXPECT_EQ(ILK_h_V("R22", 263.15, 1e5, &x), ILK_ERR_NON_INIZIALIZZATA);
    EXPECT_EQ(ILK_Set_Fluids(nullptr), ILK_ERR_ARGOMENTO);
    EXPECT_EQ(ILK_h_L("R22", 263.15, &x), ILK_ERR_NON_INIZIALIZZATA);

    // A folder without data files is as good as none.
    const auto vuota = std::filesystem::temp_directory_path() / "reflib_vuota";
    std::filesystem::create_directories(vuota);
    EXPECT_EQ(ILK_Set_Fluids(vuota.string().c_str()), ILK_ERR_NON_INIZIALIZZATA);
    std::filesystem::remove_all(vuota);
}

// The folder the build fills beside the program loads in full, also named the Windows way.
TEST(EsitiCartella, CartellaDelProgramma) {
    const std::string cartella = std::string(SELCOMP_RUNTIME_DIR) + "/Reflibs";
    ASSERT_EQ(ILK_Set_Fluids(cartella.c_str()), ILK_OK) << ILK_Ultimo_Errore();
    for (const char* gas : {"R22", "R134a", "R404A", "R407C", "R410A", "R507A", "R32", "R290",
                            "R1234yf", "R1234ze(E)", "R744", "R600a"}) {
        double p = 0;
        EXPECT_EQ(ILK_p_D(gas, 253.15, &p), ILK_OK) << gas;
    }
    std::string windows = cartella;
    windows.replace(windows.rfind('/'), 1, "\\");
    EXPECT_EQ(ILK_Set_Fluids(windows.c_str()), ILK_OK) << ILK_Ultimo_Errore();
}

// A malformed file gives its name and line; the well-formed files beside it still load.
TEST(EsitiCartella, FileMalformato) {
    EXPECT_EQ(ILK_Set_Fluids((Dati + "/misto").c_str()), ILK_ERR_FILE_DATI);
    const std::string errore = ILK_Ultimo_Errore();
    EXPECT_NE(errore.find("rotto.txt:6:"), std::string::npos) << errore;
    EXPECT_NE(errore.find("massa_molare"), std::string::npos) << errore;
    double x = 0;
    EXPECT_EQ(ILK_p_D("RROTTO", 250, &x), ILK_ERR_REFRIGERANTE_SCONOSCIUTO);
    // The fixture beside it is an ideal gas: no phase equilibrium to converge to.
    EXPECT_EQ(ILK_p_D("RTEST", 250, &x), ILK_ERR_NON_CONVERGE);
    EXPECT_EQ(ILK_V_V("RTEST", 250, 1e5, &x), ILK_OK) << ILK_Ultimo_Errore();
    EXPECT_NEAR(x, 8.314462618 * 250 / 1e5 / 0.1, 1e-12); // and its volume is RT/p

    const struct {
        const char* cartella;
        const char* riga;
        const char* motivo;
    } casi[] = {
        {"chiave", "x.txt:14:", "logaritmo"},
        {"numero", "x.txt:15:", "residuo poli"},
        {"coeff", "x.txt:16:", "coeff"},
        {"manca", "x.txt:", "massa_molare"},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(ILK_Set_Fluids((Dati + "/malformati/" + c.cartella).c_str()), ILK_ERR_FILE_DATI)
            << c.cartella;
        const std::string e = ILK_Ultimo_Errore();
        EXPECT_NE(e.find(c.riga), std::string::npos) << e;
        EXPECT_NE(e.find(c.motivo), std::string::npos) << e;
        EXPECT_EQ(ILK_p_D("RX", 250, &x), ILK_ERR_NON_INIZIALIZZATA) << c.cartella;
    }
}

// A well-formed file whose coefficients overflow (found by fuzzing: tau^3212) reads, but
// no state of it is a success with an infinite figure.
TEST(EsitiFluido, CoefficientiCheTraboccano) {
    std::ifstream in(Reflibs + "/R134a.txt");
    std::stringstream testo;
    testo << in.rdbuf();
    std::string dati = testo.str();
    const std::pair<std::string, std::string> mutazioni[] = {
        {"residuo poli 0.498223 1 0.0", "residuo poli 0.498 0 3212.0"},
        {"residuo poli 0.02458698 3 0.0", "residuo poli 0.02985648 3 0.0"},
    };
    for (const auto& [prima, dopo] : mutazioni) {
        const size_t dove = dati.find(prima);
        ASSERT_NE(dove, std::string::npos) << prima;
        dati.replace(dove, prima.size(), dopo);
    }
    const auto file = std::filesystem::temp_directory_path() / "selcomp-trabocca-R134a.txt";
    std::ofstream(file) << dati;
    std::string errore;
    auto f = reflib::leggiFluido(file.string(), errore);
    std::filesystem::remove(file);
    ASSERT_TRUE(f) << errore;
    for (double T : {250.0, 300.0}) {
        double p = 0, h = 0, v = 0;
        errore.clear();
        EXPECT_EQ(f->pressioneRugiada(T, p, errore), reflib::NonConverge) << T;
        EXPECT_EQ(f->entalpiaLiquido(T, h, errore), reflib::NonConverge) << T;
        const int e = f->vapore(T, 2e5, h, v, errore);
        EXPECT_TRUE(e != reflib::Ok || (std::isfinite(h) && std::isfinite(v))) << T;
    }
    // At 300 K the phase equilibrium converges, only the liquid enthalpy overflows.
    EXPECT_NE(errore.find("numero finito"), std::string::npos) << errore;
}

} // namespace
