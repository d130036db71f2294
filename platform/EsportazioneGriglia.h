#pragma once
// Grids on screen to the clipboard (Ctrl+C, tab-separated with headers), to CSV and to an
// .xlsx workbook, through the widget-free writer. The save dialog goes through a service
// like the message boxes, so tests answer it and nothing modal blocks them.

#include "platform/Esportazione.h"

#include <QString>
#include <QStringList>
#include <functional>

class QAbstractItemModel;
class QWidget;

class ServizioFile {
public:
    virtual ~ServizioFile() = default;
    // The file to save to, or empty when the user gave up.
    virtual QString nomeSalvataggio(QWidget* genitore, const QString& titolo,
                                    const QString& filtro) = 0;

    static ServizioFile& corrente();
    static void installa(ServizioFile* servizio);
};

// The real save dialog.
class FileQt : public ServizioFile {
public:
    QString nomeSalvataggio(QWidget* genitore, const QString& titolo,
                            const QString& filtro) override;
};

// Test double for a scope: answers with the queued names (empty once they run out) and
// records what was asked.
class FileDiProva : public ServizioFile {
public:
    FileDiProva();
    ~FileDiProva() override;
    QString nomeSalvataggio(QWidget*, const QString& titolo, const QString& filtro) override;

    QStringList risposte;
    QStringList richieste; // the filters asked with

private:
    ServizioFile* precedente;
};

// A grid model as a table to export: with `conTitoliRighe` the vertical header's captions
// become the first column. A cell whose edit value is a number, or whose text reads as
// one in the user's locale, is a number; the rest are texts. `schemi` per column as in
// TabellaEsportazione (the screen's picture patterns).
TabellaEsportazione tabellaDaModello(const QAbstractItemModel& modello, const QString& titolo,
                                     const QStringList& intestazione, bool conTitoliRighe,
                                     const QStringList& schemi = {});

enum class FormatoFile { CsvPunto, CsvLocale, Xlsx };

// Ctrl+C: the tables onto the clipboard as tab-separated text.
void copiaTabelle(const QVector<TabellaEsportazione>& tabelle);
// Asks for the file name and writes it; a failure reaches the user as a message in the
// language `lingua`. False when nothing was written.
bool salvaTabelle(const QVector<TabellaEsportazione>& tabelle, FormatoFile formato,
                  QWidget* genitore, int lingua);

using FonteTabelle = std::function<QVector<TabellaEsportazione>()>;
// Ctrl+C on `vista` (and on its children) and a context menu with copy and the three saves;
// the files take `perFile` when given (a screen with several grids saves them together).
void agganciaEsportazione(QWidget* vista, FonteTabelle tabelle, int lingua,
                          FonteTabelle perFile = {});
