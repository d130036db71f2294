// The picture windows: the refrigerant's application picture (found, missing, unreadable,
// reused while open), the R407C window, the capacity chart, the bundled pictures, and
// the openings the calculation screen's buttons use.

#include "app/FinestreTabelle.h"
#include "app/MDIUser.h"
#include "calculation/cfrmCalcoli.h"
#include "catalogue/Catalogo.h"
#include "catalogue/RigheCatalogo.h"
#include "dati/SorgenteDati.h"
#include "engine/Prestazioni.h"
#include "platform/ArchivioImpostazioni.h"
#include "tables/Form1.h"
#include "tables/GrigliaResa.h"
#include "tables/InfoRefrigerante.h"
#include "tables/cFrmCaricam.h"
#include "tables/cFrmDatiComp.h"
#include "tables/frmNoteGas.h"
#include "tables/frmResa.h"
#include "tests/supporto/CalcoliFinti.h"
#include "tests/supporto/MessaggiDiProva.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

#include <cmath>
#include <functional>
#include <vector>

namespace {
// A calculation screen that is also an object, as the real one is.
class SchermoFinto : public QObject, public CalcoliFinti {
public:
    explicit SchermoFinto(Catalogo* cat) : CalcoliFinti(cat, "R404A", "TAB-1") {}
};

// A blend whose glide grows with temperature: the bubble point lies 4 K + 5 % of the
// distance from 263.15 K below the dew point of the same pressure, so the glide is 3.8 K at
// a -10 degC dew point and 6.2 K at 40 degC. "RX" is a refrigerant the library lacks.
int16_t pRugiada(const char*, double T, double* p) {
    *p = std::exp(20 - 2500 / T);
    return 0;
}
int16_t pBolla(const char* gas, double T, double* p) {
    if (QByteArray(gas) == "RX")
        return 1;
    return pRugiada(gas, T + 4 + 0.05 * (T - 263.15), p);
}

bool haColore(const QImage& img, int y0, int y1) {
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) != Qt::white)
                return true;
    return false;
}
} // namespace

// Hands every event of the objects it filters to a function (looks, never eats).
class FiltroEventi : public QObject {
public:
    explicit FiltroEventi(std::function<void(QObject*, QEvent*)> f) : f(std::move(f)) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        f(o, e);
        return false;
    }

private:
    std::function<void(QObject*, QEvent*)> f;
};

class TestFinestre : public QObject {
    Q_OBJECT
    std::unique_ptr<Catalogo> cat;

private slots:
    void initTestCase() {
        cat = Catalogo::apri(SELCOMP_CATALOGO_TABELLE);
        QVERIFY(cat);
    }

    // The picture of NomeDis; opening again while open keeps the window and its picture
    // and sets the caption again; a missing or unreadable file leaves the area empty.
    void noteGas() {
        QTemporaryDir dir;
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(dir.filePath("R404A.png")));
        QFile rotto(dir.filePath("rotto.png"));
        QVERIFY(rotto.open(QIODevice::WriteOnly));
        rotto.write("not a picture");
        rotto.close();

        QTemporaryDir cfg;
        ArchivioImpostazioni archivio("selcomp", cfg.path());
        StatoApplicazione stato;
        stato.cartellaProgramma = dir.path();
        MDIUser w(stato, archivio);
        stato.schermi.NomeDis = "r404a.PNG"; // old catalogues do not mind the case
        QPointer<frmNoteGas> n = mostraNoteGas(w, "Note uno");
        QVERIFY(n->immagineCaricata());
        QCOMPARE(n->Image1->pixmap().size(), QSize(40, 30));
        QCOMPARE(n->windowTitle(), QString("Note uno"));
        stato.schermi.NomeDis = "rotto.png";
        QCOMPARE(mostraNoteGas(w, "Note due"), n.data());
        QCOMPARE(n->windowTitle(), QString("Note due"));
        QVERIFY(n->immagineCaricata());
        QTest::mouseClick(n->OKButton, Qt::LeftButton);
        QTRY_VERIFY(n.isNull());

        for (const QString nome : {"rotto.png", "assente.png", "", "..\\R404A.png\\"}) {
            stato.schermi.NomeDis = nome;
            QPointer<frmNoteGas> v = mostraNoteGas(w, "x");
            QVERIFY2(!v->immagineCaricata(), qPrintable(nome));
            QVERIFY(v->Image1->pixmap().isNull());
            QTest::mouseClick(v->Image1, Qt::LeftButton); // a click on the picture closes
            QTRY_VERIFY(v.isNull());
        }
    }

    void finestraR407C() {
        Form1 f;
        QCOMPARE(Form1::TestoR407C.size(), 255);
        QCOMPARE(f.Text1->toPlainText(), Form1::TestoR407C);
        QVERIFY(Form1::TestoR407C.startsWith(QString::fromUtf8(
            "Il refrigerante R407C è una miscela zeotropica, composta da R32, R125 e R134a")));
        QVERIFY(Form1::TestoR407C.contains("glide"));
        QVERIFY(Form1::TestoR407C.back().isLetter()); // cut inside a word
        const QImage d = Form1::disegno();
        QCOMPARE(d.size(), QSize(444, 538));
        QVERIFY(haColore(d, 0, 269));
        QVERIFY(haColore(d, 269, 538));
        QCOMPARE(f.windowTitle(), QString("Form1"));
        QCOMPARE(f.Picture1->pixmap().toImage(), QPixmap::fromImage(d).toImage());

        // Shown for a refrigerant, the drawing speaks the user's language too.
        InfoRefrigerante info;
        info.codice = "R448A";
        f.mostra(info, 3);
        const QImage tedesco = f.Picture1->pixmap().toImage();
        QCOMPARE(tedesco, QPixmap::fromImage(Form1::disegno(Form1::testiDisegno(3))).toImage());
        QVERIFY(tedesco != QPixmap::fromImage(d).toImage());
        QCOMPARE(Form1::testiDisegno(3).isoterme, QString("Isothermen"));
    }

    // The information window of the current blend: its components and its glide from the
    // library at -10 and 40 degC, in the user's language; what the library cannot give is "–".
    void informazioniDellaMiscela() {
        LibreriaProprieta lib;
        lib.p_D = pRugiada;
        lib.p_B = pBolla;
        const struct {
            int lingua;
            const char* gas;
            const char* titolo;
            std::vector<const char*> attesi;
        } casi[] = {
            {0,
             "R448A",
             "Informazioni su R448A",
             {"Il refrigerante R448A è una miscela zeotropica, composta da R32, R125, R1234yf, "
              "R134a e "
              "R1234ze(E) (26/26/20/21/7 %)",
              "di -10 °C: 3.8 K; di 40 °C: 6.2 K", "temperature di rugiada"}},
            {1,
             "R-407C",
             "About R-407C",
             {"The refrigerant R-407C is a zeotropic blend of R32, R125 and R134a (23/25/52 %)",
              "-10 °C: 3.8 K; of 40 °C: 6.2 K", "dew-point temperatures"}},
            {3,
             "RX",
             "Informationen zu RX",
             {"Das Kältemittel RX ist ein zeotropes Gemisch. ", "-10 °C: – K"}},
        };
        const QLocale prima;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        for (const auto& c : casi) {
            const QString t = testoInfo(infoRefrigerante(lib, c.gas, c.lingua), c.lingua);
            QCOMPARE(titoloInfo(c.gas, c.lingua), QString::fromUtf8(c.titolo));
            for (const char* a : c.attesi)
                QVERIFY2(t.contains(QString::fromUtf8(a)), qPrintable(t));
        }
        QLocale::setDefault(prima);
    }

    // One curve per condensing temperature of the envelope, over the whole envelope (here
    // down to -40 °C); capacity in W rising with Te and falling with Tc; points 4 K apart
    // from the envelope minimum, the last one at the envelope maximum.
    void graficoResa() {
        const Istantanea righe = cat->interroga(
            "select * from CollCompGasQry where CodiceProdotto = 'TAB-1' and CodiceGas = 'R404A'");
        QCOMPARE(righe.numeroRighe(), 1);
        const RigaCompressore riga = rigaCompressore(righe, 0);
        const auto curve = grigliaResa(riga);
        QCOMPARE(int(curve.size()), 9);
        for (size_t i = 0; i < curve.size(); ++i) {
            const CurvaResa& c = curve[i];
            QCOMPARE(c.Tc, 30 + 5 * int(i));
            QCOMPARE(c.punti.front().Te, *riga.inviluppo.TEMin[i]);
            QCOMPARE(c.punti.back().Te, *riga.inviluppo.TEMax[i]);
            for (size_t p = 1; p < c.punti.size(); ++p) {
                const double passo = c.punti[p].Te - c.punti[p - 1].Te;
                QVERIFY(passo > 0 && passo <= 4.0);
                if (p + 1 < c.punti.size())
                    QCOMPARE(passo, 4.0);
                QVERIFY(c.punti[p].resa > c.punti[p - 1].resa);
            }
        }
        QCOMPARE(curve[0].punti.front().Te, -40.0);
        QCOMPARE(curve[2].punti.back().Te, 12.5); // off the 4 K grid: still drawn
        // at Te -10 capacity falls from Tc 30 to Tc 70 (10000 + 300 Te - 100 Tc)
        QCOMPARE(curve[8].punti.front().resa, 10000 + 300 * -10.0 - 100 * 70);

        QTemporaryDir cfg;
        ArchivioImpostazioni archivio("selcomp", cfg.path());
        StatoApplicazione stato;
        MDIUser w(stato, archivio);
        CalcoliFinti calc(cat.get(), "R404A", "TAB-1");
        QPointer<frmResa> f = mostraGrafico(w, calc);
        const auto serie = f->Picture1->chart()->series();
        QCOMPARE(serie.size(), 9);
        QCOMPARE(serie.first()->name(), QString::fromUtf8("Tc 30 °C"));
        // The horizontal axis spans the whole envelope.
        const auto* asseTe =
            qobject_cast<QValueAxis*>(f->Picture1->chart()->axes(Qt::Horizontal).first());
        QVERIFY(asseTe->min() <= -40 && asseTe->max() >= 15);
        QCOMPARE(f->Label3[0]->text(), QString("Watt"));
        QCOMPARE(f->Label2->text(), QString("Evap"));
        QCOMPARE(f->Label3[1]->text(), QString::fromUtf8("°C"));
        QTest::mouseClick(f->Command1, Qt::LeftButton);
        QTRY_VERIFY(f.isNull());
    }

    // The tables screen opens once per calculation screen and is brought forward again.
    void aperturaTabelle() {
        MessaggiDiProva messaggi;
        QTemporaryDir cfg;
        ArchivioImpostazioni archivio("selcomp", cfg.path());
        StatoApplicazione stato;
        stato.catalogo = cat.get();
        stato.motore.fattoriTensione = InizializzaFattori();
        MDIUser w(stato, archivio);
        CalcoliFinti calc(cat.get(), "R404A", "TAB-1");
        AgganciCalcoli a;
        agganciaFinestreTabelle(a, w);
        QVERIFY(a.apriTabelle && a.apriGrafico && a.apriNoteGas && a.apriInfo407C);
        a.apriTabelle(calc);
        QPointer<cFrmDatiComp> t = mostraTabelle(w, calc);
        QCOMPARE(t->Data1(1).numeroRecord(), 12);
        int quante = 0;
        for (QWidget* f : w.findChildren<cFrmDatiComp*>())
            quante += f != nullptr;
        QCOMPARE(quante, 1);
        QTest::mouseClick(t->cm3Naviga, Qt::LeftButton);
        QTRY_VERIFY(t.isNull());
        QVERIFY(messaggi.messaggi.isEmpty());

        // The loading window comes up centred over the main window, wherever that is.
        w.show();
        w.move(170, 90);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QRect caricamento;
        FiltroEventi filtro([&](QObject* o, QEvent* e) {
            if (e->type() == QEvent::Show && qobject_cast<cFrmCaricam*>(o))
                caricamento = static_cast<QWidget*>(o)->frameGeometry();
        });
        qApp->installEventFilter(&filtro);
        t = mostraTabelle(w, calc);
        qApp->removeEventFilter(&filtro);
        QVERIFY(!caricamento.isNull());
        QVERIFY2((caricamento.center() - w.frameGeometry().center()).manhattanLength() <= 2,
                 qPrintable(
                     QString("%1,%2").arg(caricamento.center().x()).arg(caricamento.center().y())));
        QTest::mouseClick(t->cm3Naviga, Qt::LeftButton);
        QTRY_VERIFY(t.isNull());

        // it reads the calculation screen, so it closes with it
        auto* schermo = new SchermoFinto(cat.get());
        t = mostraTabelle(w, *schermo);
        QVERIFY(!t.isNull());
        delete schermo;
        QTRY_VERIFY(t.isNull());
    }

    // Every refrigerant of the bundled catalogue has its picture in the program's folder.
    void immaginiDelCatalogo() {
        const QString file = QDir(SELCOMP_RUNTIME_DIR).filePath("zodirara.mdb");
        QVERIFY2(QFile::exists(file), "the build puts the bundled catalogue in bin/");
        auto demo = Catalogo::apri(file);
        QVERIFY(demo);
        const Istantanea gas = demo->interroga("select * from Gas");
        QVERIFY(gas.numeroRighe() > 0);
        for (int i = 0; i < gas.numeroRighe(); ++i) {
            const QString nome = gas.testo(i, "NomeDis");
            const QImage img(QDir(SELCOMP_RUNTIME_DIR).filePath(nome));
            QVERIFY2(!img.isNull(), qPrintable(nome));
            QVERIFY(img.width() > 300 && img.height() > 300);
        }
    }
};

QTEST_MAIN(TestFinestre)
#include "TestFinestre.moc"
