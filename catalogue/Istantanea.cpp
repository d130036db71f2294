#include "catalogue/Istantanea.h"

int Istantanea::indiceColonna(const QString& nome) const {
    for (int i = 0; i < colonne.size(); ++i)
        if (colonne[i].compare(nome, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Istantanea::valore(int riga, int colonna) const {
    if (riga < 0 || riga >= righe.size())
        return {};
    const auto& r = righe[riga];
    if (colonna < 0 || colonna >= r.size())
        return {};
    return r[colonna];
}

QVariant Istantanea::valore(int riga, const QString& colonna) const {
    return valore(riga, indiceColonna(colonna));
}

QString Istantanea::testo(int riga, const QString& colonna) const {
    const QVariant v = valore(riga, colonna);
    return v.isNull() ? QString() : v.toString();
}

double Istantanea::numero(int riga, const QString& colonna) const {
    const QVariant v = valore(riga, colonna);
    return v.isNull() ? 0.0 : v.toDouble();
}

bool Istantanea::vero(int riga, const QString& colonna) const {
    const QVariant v = valore(riga, colonna);
    return !v.isNull() && v.toDouble() != 0.0;
}
