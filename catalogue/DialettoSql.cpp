#include "catalogue/DialettoSql.h"

namespace {

bool inizioNome(QChar c) {
    return c.isLetter() || c == u'_';
}
bool corpoNome(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

QString literale(const QString& testo) {
    QString t = testo;
    t.replace(u'\'', QStringLiteral("''"));
    return u'\'' + t + u'\'';
}

// Reads a quoted text starting at s[i] (the quote), doubled quotes inside; returns its
// content and leaves i after the closing quote.
QString leggiQuotato(const QString& s, int& i) {
    const QChar q = s[i++];
    QString out;
    while (i < s.size()) {
        if (s[i] == q) {
            if (i + 1 < s.size() && s[i + 1] == q) {
                out += q;
                i += 2;
                continue;
            }
            ++i;
            return out;
        }
        out += s[i++];
    }
    return out;
}

} // namespace

QString modelloLike(const QString& jet) {
    QString out;
    for (int i = 0; i < jet.size(); ++i) {
        const QChar c = jet[i];
        if (c == u'*')
            out += u'%';
        else if (c == u'?' || c == u'#')
            out += u'_';
        else if (c == u'%' || c == u'_' || c == u'\\')
            out += u'\\' + QString(c);
        else if (c == u'[' && i + 2 < jet.size() && jet[i + 2] == u']') {
            // [*] [?] [#] stand for the character itself
            const QChar x = jet[i + 1];
            out += (x == u'%' || x == u'_' || x == u'\\') ? u'\\' + QString(x) : QString(x);
            i += 2;
        } else
            out += c;
    }
    return out;
}

SqlTradotto traduciSql(const QString& s) {
    SqlTradotto r;
    QString& out = r.testo;
    bool dopoLike = false;  // the previous word was Like, its operand not yet seen
    int parentesiLike = 0;  // parentheses opened between Like and its operand
    int chiusureAttese = 0; // of those, still to be closed before ESCAPE goes in
    const QString escape = QStringLiteral(" ESCAPE '\\'");
    auto operandoLike = [&](const QString& operando) {
        out += operando;
        dopoLike = false;
        chiusureAttese = parentesiLike;
        parentesiLike = 0;
        if (chiusureAttese == 0)
            out += escape;
    };
    int i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        if (c == u'\'' || c == u'"') {
            const QString t = leggiQuotato(s, i);
            if (dopoLike)
                operandoLike(literale(modelloLike(t)));
            else
                out += literale(t);
            continue;
        }
        if (c == u'[') {
            const int fine = s.indexOf(u']', i + 1);
            const QString nome = fine < 0 ? s.mid(i + 1) : s.mid(i + 1, fine - i - 1);
            out += u'"' + QString(nome).replace(u'"', QStringLiteral("\"\"")) + u'"';
            i = fine < 0 ? int(s.size()) : fine + 1;
            continue;
        }
        if (c == u'?') {
            if (dopoLike) {
                r.parametriLike.append(r.numeroParametri);
                operandoLike(QStringLiteral("?"));
            } else
                out += c;
            ++r.numeroParametri;
            ++i;
            continue;
        }
        if (inizioNome(c)) {
            int j = i;
            while (j < s.size() && corpoNome(s[j]))
                ++j;
            // the later parts of a qualified name are names, never keywords
            const bool qualificato = i > 0 && s[i - 1] == u'.';
            const QString parola = s.mid(i, j - i);
            const QString p = parola.toLower();
            i = j;
            dopoLike = false;
            if (!qualificato && p == u"distinctrow") {
                while (i < s.size() && s[i].isSpace())
                    ++i;
                continue;
            }
            if (!qualificato && p == u"true") {
                out += QStringLiteral("-1");
                continue;
            }
            if (!qualificato && p == u"false") {
                out += QStringLiteral("0");
                continue;
            }
            out += parola;
            if (!qualificato && p == u"like") {
                dopoLike = true;
                parentesiLike = 0;
            }
            continue;
        }
        if (c == u'(' && dopoLike)
            ++parentesiLike;
        else if (c == u')' && chiusureAttese > 0) {
            out += c;
            ++i;
            if (--chiusureAttese == 0)
                out += escape;
            continue;
        } else if (!c.isSpace())
            dopoLike = false; // another operand: left as written
        out += c;
        ++i;
    }
    return r;
}
