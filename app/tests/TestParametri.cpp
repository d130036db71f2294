// Settings of section ParametriGenerali: defaults, write-backs, parsing and failures.

#include "app/Parametri.h"
#include "platform/ArchivioImpostazioni.h"
#include "tests/supporto/MessaggiDiProva.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestParametri : public QObject {
    Q_OBJECT

    QString leggiGrezzo(const QTemporaryDir& dir, const QString& chiave) {
        QSettings s(QDir(dir.path()).filePath("selcomp.ini"), QSettings::IniFormat);
        return s.value("ParametriGenerali/" + chiave).toString();
    }
    void scriviGrezzo(const QTemporaryDir& dir, const QString& chiave, const QString& valore) {
        QSettings s(QDir(dir.path()).filePath("selcomp.ini"), QSettings::IniFormat);
        s.setValue("ParametriGenerali/" + chiave, valore);
    }

private slots:
    void primoAvvioSuArchivioVuoto() {
        QTemporaryDir dir;
        ArchivioImpostazioni archivio("selcomp", dir.path());
        MessaggiRegistrati messaggi;
        StatoApplicazione stato;
        stato.cartellaProgramma = "/opt/selcomp";
        LeggiParametri(stato, archivio, messaggi);

        QCOMPARE(stato.impostazioni.PercorsoDatabase, QString("/opt/selcomp"));
        QCOMPARE(stato.lingua.IndiceLingua, int16_t(0));
        QCOMPARE(stato.impostazioni.ModoCondizionamento, int16_t(0));
        QCOMPARE(stato.impostazioni.LimiteMinTC, int16_t(30));
        QCOMPARE(stato.impostazioni.LimiteMaxTC, int16_t(70));
        QCOMPARE(stato.impostazioni.LimiteMinTE, int16_t(-40));
        QCOMPARE(stato.impostazioni.LimiteMaxTE, int16_t(20));
        QCOMPARE(stato.impostazioni.Debug, int16_t(0));
        QVERIFY(messaggi.messaggi.isEmpty());

        QCOMPARE(leggiGrezzo(dir, "DatabasePath"), QString("/opt/selcomp"));
        QCOMPARE(leggiGrezzo(dir, "LinguaSelezionata"), QString("0"));
        QCOMPARE(leggiGrezzo(dir, "AirCondition"), QString("0"));
        QCOMPARE(leggiGrezzo(dir, "MinTE"), QString("-40"));
        QSettings s(QDir(dir.path()).filePath("selcomp.ini"), QSettings::IniFormat);
        QVERIFY(!s.contains("ParametriGenerali/Debug")); // not written back
    }

    void valoriLetti_data() {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("atteso");
        QTest::addColumn<bool>("messaggio");
        QTest::newRow("German language") << "LinguaSelezionata"
                                         << "3" << 3 << false;
        QTest::newRow("MinTC edited by hand") << "MinTC"
                                              << "25" << 25 << false;
        QTest::newRow("leading number") << "MaxTE"
                                        << "12abc" << 12 << false;
        QTest::newRow("no leading number") << "MaxTE"
                                           << "abc" << 0 << false;
        QTest::newRow("rounded") << "MinTE"
                                 << "-7.6" << -8 << false;
        QTest::newRow("out of 16 bits") << "MaxTC"
                                        << "40000" << 70 << true;
        QTest::newRow("air conditioning") << "AirCondition"
                                          << "1" << 1 << false;
        QTest::newRow("debug") << "Debug"
                               << "2" << 2 << false;
    }
    void valoriLetti() {
        QFETCH(QString, chiave);
        QFETCH(QString, testo);
        QFETCH(int, atteso);
        QFETCH(bool, messaggio);
        QTemporaryDir dir;
        scriviGrezzo(dir, chiave, testo);
        ArchivioImpostazioni archivio("selcomp", dir.path());
        MessaggiRegistrati messaggi;
        StatoApplicazione stato;
        LeggiParametri(stato, archivio, messaggi);
        const Impostazioni& i = stato.impostazioni;
        const QMap<QString, int> letti = {{"LinguaSelezionata", stato.lingua.IndiceLingua},
                                          {"MinTC", i.LimiteMinTC},
                                          {"MaxTC", i.LimiteMaxTC},
                                          {"MinTE", i.LimiteMinTE},
                                          {"MaxTE", i.LimiteMaxTE},
                                          {"AirCondition", i.ModoCondizionamento},
                                          {"Debug", i.Debug}};
        QCOMPARE(letti.value(chiave), atteso);
        QCOMPARE(messaggi.messaggi.size(), messaggio ? 1 : 0);
        if (messaggio)
            QCOMPARE(messaggi.messaggi[0].testo, MessaggioParametri);
    }

    void limitiRiscrittiComeCostanti() {
        QTemporaryDir dir;
        scriviGrezzo(dir, "MinTC", "25");
        ArchivioImpostazioni archivio("selcomp", dir.path());
        MessaggiRegistrati messaggi;
        StatoApplicazione stato;
        LeggiParametri(stato, archivio, messaggi);
        QCOMPARE(stato.impostazioni.LimiteMinTC, int16_t(25)); // used for this run
        QVERIFY(SalvaParametri(stato, archivio));
        QCOMPARE(leggiGrezzo(dir, "MinTC"), QString("30")); // and replaced afterwards
    }

    void archivioNonScrivibile() {
        QTemporaryDir dir;
        // A folder where the settings file should be: neither readable nor writable as a file.
        QVERIFY(QDir(dir.path()).mkdir("selcomp.ini"));
        ArchivioImpostazioni archivio("selcomp", dir.path());
        MessaggiRegistrati messaggi;
        StatoApplicazione stato;
        stato.cartellaProgramma = "/opt/selcomp";
        LeggiParametri(stato, archivio, messaggi);
        QCOMPARE(messaggi.messaggi.size(), 1); // once, not once per key
        QCOMPARE(messaggi.messaggi[0].testo, MessaggioParametri);
        QCOMPARE(stato.impostazioni.PercorsoDatabase, QString("/opt/selcomp"));
        QCOMPARE(stato.impostazioni.LimiteMaxTC, int16_t(70));
        QVERIFY(!SalvaParametri(stato, archivio));
    }
};

QTEST_GUILESS_MAIN(TestParametri)
#include "TestParametri.moc"
