#include "catalogue/RigheCatalogo.h"

namespace {

// A number cell; a text counts by its leading number (a text with none counts as 0).
std::optional<double> numero(const Istantanea& r, int riga, const QString& colonna) {
    const QVariant v = r.valore(riga, colonna);
    if (v.isNull())
        return std::nullopt;
    if (v.typeId() != QMetaType::QString)
        return v.toDouble();
    const QString t = v.toString().trimmed();
    int n = 0;
    while (n < t.size() &&
           (t[n].isDigit() || t[n] == u'.' || ((t[n] == u'-' || t[n] == u'+') && n == 0)))
        ++n;
    bool ok = false;
    const double x = t.left(n).toDouble(&ok);
    return ok ? x : 0.0;
}

const char* const Bande[] = {"30", "35", "40", "45", "50", "55", "60", "65", "70"};

} // namespace

RigaCompressore rigaCompressore(const Istantanea& r, int riga) {
    RigaCompressore c;
    c.IDCollCompGas = int32_t(r.numero(riga, "IDCollCompGas"));
    c.CodiceProdotto = r.testo(riga, "CodiceProdotto").toStdString();
    c.CodiceGas = r.testo(riga, "CodiceGas").toStdString();
    for (int i = 0; i < 10; ++i) {
        c.WR[i] = numero(r, riga, QStringLiteral("WR%1").arg(i));
        c.WA[i] = numero(r, riga, QStringLiteral("WA%1").arg(i));
        c.PM[i] = numero(r, riga, QStringLiteral("PM%1").arg(i + 1));
    }
    for (int i = 0; i < 22; ++i) {
        c.W[i] = numero(r, riga, QStringLiteral("W%1").arg(i + 1));
        c.A[i] = numero(r, riga, QStringLiteral("A%1").arg(i + 1));
    }
    c.WMAX = numero(r, riga, "WMAX");
    c.MinTC = numero(r, riga, "MinTC");
    c.MaxTC = numero(r, riga, "MaxTC");
    c.bk8 = r.vero(riga, "bk8");
    for (int b = 0; b < 9; ++b) {
        c.inviluppo.TEMin[b] = numero(r, riga, QStringLiteral("TEMin") + Bande[b]);
        c.inviluppo.TEMax[b] = numero(r, riga, QStringLiteral("TEMax") + Bande[b]);
    }
    return c;
}
