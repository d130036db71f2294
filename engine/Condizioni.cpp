#include "engine/Condizioni.h"

int BandaTc(double TC) {
    if (!(TC >= 30 && TC <= 75))
        return -1;
    if (TC >= 70)
        return 8;
    return static_cast<int>((TC - 30) / 5);
}

int SuffissoBanda(int banda) {
    return 30 + 5 * banda;
}

bool LimitiTePerTc(CondFunz& cf, const InviluppoCompressore& inviluppo) {
    const int b = BandaTc(cf.TC);
    if (b < 0)
        return false;
    cf.TeMin = inviluppo.TEMin[b].value_or(0);
    cf.TeMax = inviluppo.TEMax[b].value_or(0);
    return true;
}

void LimitiTcDaInviluppo(CondFunz& cf, const InviluppoCompressore& inviluppo) {
    for (int b = 0; b < NumeroBande; ++b)
        if (inviluppo.TEMin[b]) {
            cf.TcMin = SuffissoBanda(b);
            break;
        }
    for (int b = NumeroBande - 1; b >= 0; --b)
        if (inviluppo.TEMax[b]) {
            cf.TcMax = SuffissoBanda(b);
            break;
        }
}

static bool rifiuta(CondFunz& cf, int16_t codice) {
    cf.CodiceErrore = codice;
    return false;
}

bool CompletaCondizioni(CondFunz& cf) {
    cf.TuttiNonDati = cf.TU == NonDato && cf.TL == NonDato && cf.TA == NonDato;
    if (cf.TU == NonDato)
        cf.TU = cf.TE;
    if (cf.TL == NonDato)
        cf.TL = cf.TC - SottoraffreddamentoDefault;
    if (cf.TA == NonDato)
        cf.TA = cf.TE + SurriscaldamentoDefault;
    if (!cf.TuttiNonDati) {
        if (cf.TU <= cf.TE || cf.TU > cf.TA)
            return rifiuta(cf, 3);
        if (cf.TL <= cf.TE || cf.TL > cf.TC)
            return rifiuta(cf, 4);
        if (cf.TA >= cf.TC)
            return rifiuta(cf, 5);
    }
    cf.CodiceErrore = 0;
    return true;
}

// A TC inside the limits but outside the bands has no envelope: refused like one
// outside the limits.
static bool tcFuoriLimiti(const CondFunz& cf) {
    return cf.TC > cf.TcMax || cf.TC < cf.TcMin || BandaTc(cf.TC) < 0;
}

bool VerificaCondizioni(CondFunz& cf, const InviluppoCompressore& inviluppo) {
    if (tcFuoriLimiti(cf))
        return rifiuta(cf, 2);
    LimitiTePerTc(cf, inviluppo);
    if (cf.TE > cf.TeMax || cf.TE < cf.TeMin)
        return rifiuta(cf, 1);
    return CompletaCondizioni(cf);
}

bool VerificaCondizioniSelezione(CondFunz& cf) {
    if (tcFuoriLimiti(cf))
        return rifiuta(cf, 2);
    if (cf.TE > cf.TeMax || cf.TE < cf.TeMin)
        return rifiuta(cf, 1);
    return CompletaCondizioni(cf);
}
