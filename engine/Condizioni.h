#pragma once
// Checks of the operating point: condensing and evaporating limits, defaults of the
// optional temperatures and the order the temperatures must keep.

#include "engine/Stato.h"

#include <array>
#include <optional>

inline constexpr double SottoraffreddamentoDefault = 8.3; // K, when TL is not given
inline constexpr double SurriscaldamentoDefault = 11.1;   // K, when TA is not given

// The application envelope of one compressor with one refrigerant: for each condensing
// band 30, 35, ... 70 the lowest and highest evaporating temperature (nothing = Null).
struct InviluppoCompressore {
    std::array<std::optional<double>, 9> TEMin{}, TEMax{};
};

inline constexpr int NumeroBande = 9;
// Index 0..8 of the band of `TC` (30 <= TC < 35 is 0, ..., 70 <= TC <= 75 is 8),
// or -1 when no band exists for it.
int BandaTc(double TC);
// The band's name suffix "30" .. "70".
int SuffissoBanda(int banda);

// TeMin/TeMax from the band of TC. False (and limits untouched) when TC has no band.
bool LimitiTePerTc(CondFunz& cf, const InviluppoCompressore& inviluppo);

// TcMin/TcMax of the calculation screen: the first and last band whose envelope
// column is not Null. Each is left as it was when every column is Null.
void LimitiTcDaInviluppo(CondFunz& cf, const InviluppoCompressore& inviluppo);

// Defaults of TU, TL, TA and the order checks (codes 3, 4, 5).
bool CompletaCondizioni(CondFunz& cf);

// The check of the calculation screen: condensing range, envelope band, defaults.
bool VerificaCondizioni(CondFunz& cf, const InviluppoCompressore& inviluppo);

// The check of the selection screen, which has set TeMin..TcMax itself.
bool VerificaCondizioniSelezione(CondFunz& cf);
