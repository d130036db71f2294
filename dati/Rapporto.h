#pragma once
// The report engine. A report is a template file (text, our own format, below) run
// against a data file (a catalogue) and the values the printing screen hands over:
// the model in view, the figures and captions on screen. The result is a paginated
// document with a header (maker, document, date) and page numbers, written to a PDF
// or shown in a print preview from which the user prints or saves it.
//
// Template format, one directive a line, "#" starts a comment line:
//
//     rapporto 1                           first directive: the format and its version
//     documento Scheda tecnica            name shown in the page header
//     pagina orizzontale                   (or verticale, the default)
//     query comp select * from Compressori where CodiceProdotto = ?modello
//     richiede comp                        the query must have found a row, else one message
//     titolo {comp.CodiceProdotto}         a heading; sottotitolo a smaller one
//     testo Serie {comp.Serie}             a paragraph
//     campi                                label | value pairs, up to "fine"
//       Alesaggio (mm) | {comp.Alesaggio|#,##0.0}
//     fine
//     tabella elenco                       one row per row of query "elenco"
//       Modello | {CodiceProdotto}         heading | cell [| sinistra, centro, destra]
//     fine
//     griglia                              a fixed table: the first line is the heading
//       | {et.DescResult9} | {et.DescResult7}
//       {et.DescResult1} | {ResaCompressore} | {ResaStd}
//     fine
//     se selezione ... fine                lines kept only when the value is not empty
//     senza modello ... fine               lines kept only when it is empty
//     spazio / salto                       a blank line / a page break
//     immagine diagramma                   a picture handed over by the screen (none: nothing)
//     testi Serie | Serie | Series | Série | Baureihe | Serie
//                                          a text of the template in the five languages
//
// Placeholders: {name} is a value handed over by the screen; {q.Colonna} a column of
// the first row of query q; inside a tabella {Colonna} a column of the current row.
// "|pattern" lays a number out with a picture pattern ("#,##0.00"). In a query,
// ?name is bound to the handed-over value `name` (never spliced into the text); ?lingua
// is the report's language index.
// {L:key} is a label in the report's language: the column `key` of the data file's
// Lingue row of that language (as the screens read it), else the template's "testi"
// line of that name. {LE:key} is the same followed by " / " and the English label, for
// the bilingual sheets; in English, or where both read the same, the label once.

#include <QDate>
#include <QImage>
#include <QLocale>
#include <QMap>
#include <QString>

#include <QPageLayout>

class QPagedPaintDevice;

struct ParametriRapporto {
    QString fileModello;            // the template, e.g. <catalogue folder>/Dav01.rpt
    QString fileDati;               // the data file, e.g. <catalogue folder>/ZODIRARA.MDB
    QMap<QString, QString> valori;  // what the screen shows: "modello" the model in view, ...
    QMap<QString, QImage> immagini; // pictures for "immagine": the envelope diagram, ...
    QString produttore = QStringLiteral("Didaz");
    QString programma = QStringLiteral("selcomp");
    QDate data = QDate::currentDate();
    QLocale locale;       // grouping and decimal characters of number patterns
    int indiceLingua = 0; // language of the labels: 0 Italian, 1 English, 2 French,
                          // 3 German, 4 Spanish
};

// The report laid out, before pagination.
struct DocumentoRapporto {
    QString documento; // name in the page header
    bool orizzontale = false;
    QString html; // the body
};

// Reads the template, runs its queries and lays out the body. False with one clear
// message when the template or the data file is missing, or the template is broken.
bool componiRapporto(const ParametriRapporto& p, DocumentoRapporto& esito, QString* errore);

// Paints the pages (header, body, page numbers) on a printer or PDF writer that has no
// painter yet. Returns the number of pages.
int disegnaRapporto(const DocumentoRapporto& d, const ParametriRapporto& p,
                    QPagedPaintDevice& dispositivo);

// A4 with the report's margins, upright or landscape.
QPageLayout impaginazioneRapporto(bool orizzontale);

// Headless run: the report written as a PDF file. Needs a QGuiApplication (the
// command-line tool makes one on the offscreen platform); no widgets.
bool eseguiRapporto(const ParametriRapporto& p, const QString& pdf, QString* errore);
