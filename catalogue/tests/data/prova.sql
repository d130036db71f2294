-- Small catalogue for the tests, on the demo schema. What it shows:
--  * 4TX-O'40: a model code with an apostrophe (notes, accessories, ratings);
--  * 2TX-20 has motor code MOT-NONE, which has no Motori row;
--  * rating 4 (2TX-10/R134a) leaves the 45 band (TEMin45/TEMax45) Null;
--  * R448A has no compressors; R-22 has flAZ Null; only R404A and R134a are offered
--    for selection;
--  * Ordinamento is stored out of physical order.
BEGIN;
INSERT INTO Compressori VALUES ('4TX-O''40', 'TX4', 40, 30, 4, 20.0, 24.0, '1 1/8"', '7/8"', 1.5, 60, 5.2, 6, 27, 33, 'S400', 'MOT-B', 40.0, 'TX4.png', -1);
INSERT INTO Compressori VALUES ('2TX-10', 'TX2', 40, 30, 2, 5.0, 6.0, '1 1/8"', '7/8"', 1.5, 60, 5.2, 6, 27, 33, 'S400', 'MOT-A', 10.0, 'TX2.png', 0);
INSERT INTO Compressori VALUES ('2TX-20', 'TX2', 40, 30, 2, 10.0, 12.0, '1 1/8"', '7/8"', 1.5, 60, 5.2, 6, 27, 33, 'S400', 'MOT-NONE', 20.0, NULL, 0);
INSERT INTO Compressori VALUES ('6TX-60', 'TX6', 40, 30, 6, 30.0, 36.0, '1 1/8"', '7/8"', 1.5, 60, 5.2, 6, 27, 33, 'S400', 'MOT-B', 60.0, 'TX6.png', -1);
INSERT INTO Motori VALUES ('MOT-A', 250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2250, 2500, 2750, 3000, 3250, 3500, 3750, 4000, 4250, 4500, 4750, 5000, 5250, 5500, 1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 4.5, 5.0, 5.5, 6.0, 6.5, 7.0, 7.5, 8.0, 8.5, 9.0, 9.5, 10.0, 10.5, 11.0, 11.5);
INSERT INTO Motori VALUES ('MOT-B', 400, 800, 1200, 1600, 2000, 2400, 2800, 3200, 3600, 4000, 4400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1.4, 2.0, 2.6, 3.2, 3.8, 4.4, 5.0, 5.6, 6.2, 6.8, 7.4, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO Gas VALUES ('R404A', 'R404A.png', 20, 0, 20, 0, -1, -40, 10, 30, 60);
INSERT INTO Gas VALUES ('R134a', 'R134a.png', 20, -1, 20, 0, -1, -40, 10, 30, 60);
INSERT INTO Gas VALUES ('R-22', 'R22.png', 20, NULL, 20, 0, 0, -40, 10, 30, 60);
INSERT INTO Gas VALUES ('R448A', 'R448A.png', 20, 0, 20, 0, 0, -40, 10, 30, 60);
INSERT INTO CollCompGas VALUES (1, '4TX-O''40', 'R404A', -40, 10, -35, 10, -30, 10, -25, 10, -20, 5, -15, 5, -10, 5, -5, 5, 0, 5, 4000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.04, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 70, 1.25, 0, 0, 21);
INSERT INTO CollCompGas VALUES (2, '4TX-O''40', 'R134a', -40, 10, -35, 10, -30, 10, -25, 10, -20, 5, -15, 5, -10, 5, -5, 5, 0, 5, 4000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.04, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 70, 1.25, 0, 0, 21);
INSERT INTO CollCompGas VALUES (3, '2TX-10', 'R404A', -40, 10, -35, 10, -30, 10, -25, 10, -20, 5, -15, 5, -10, 5, -5, 5, 0, 5, 1000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 70, 1.25, 0, 0, 21);
INSERT INTO CollCompGas VALUES (4, '2TX-10', 'R134a', -40, 10, -35, 10, -30, 10, NULL, NULL, -20, 5, -15, 5, -10, 5, -5, 5, 0, 5, 1000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 70, 1.25, 0, 0, 21);
INSERT INTO CollCompGas VALUES (5, '2TX-20', 'R404A', -40, 10, -35, 10, -30, 10, -25, 10, -20, 5, -15, 5, -10, 5, -5, 5, 0, 5, 2000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 600, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 70, 1.25, 0, 0, 21);
INSERT INTO CollCompGas VALUES (6, '2TX-20', 'R134a', -40, 10, -35, 10, -30, 10, -25, 10, -20, 5, -15, 5, -10, 5, -5, 5, 0, 5, 2000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 600, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 70, 1.25, 0, 0, 21);
INSERT INTO CollCompGas VALUES (7, '6TX-60', 'R404A', -40, 10, -35, 10, -30, 10, -25, 10, -20, 5, -15, 5, -10, 5, -5, 5, 0, 5, 6000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1800, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.06, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 70, 1.25, 0, 0, 21);
INSERT INTO CollCompGas VALUES (8, '6TX-60', 'R134a', -40, 10, -35, 10, -30, 10, -25, 10, -20, 5, -15, 5, -10, 5, -5, 5, 0, 5, 6000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1800, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.06, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 70, 1.25, 0, 0, 21);
INSERT INTO Opzioni VALUES ('N01', 'Nota uno', 'Note one', 'Note un', 'Hinweis eins', 'Nota uno');
INSERT INTO Opzioni VALUES ('N02', 'Nota due', 'Note two', 'Note deux', 'Hinweis zwei', 'Nota dos');
INSERT INTO Opzioni VALUES ('V01', '440-480V/3/60Hz', '440-480V/3/60Hz', '440-480V/3/60Hz', '440-480V/3/60Hz', '440-480V/3/60Hz');
INSERT INTO Opzioni VALUES ('S400', '400V/3/50Hz', '400V/3/50Hz', '400V/3/50Hz', '400V/3/50Hz', '400V/3/50Hz');
INSERT INTO Opzioni VALUES ('A01', 'Resistenza carter', 'Crankcase heater', 'Résistance de carter', 'Kurbelwannenheizung', 'Resistencia del cárter');
INSERT INTO Opzioni VALUES ('A02', 'Pressostato olio', 'Oil pressure switch', 'Pressostat d''huile', 'Öldruckschalter', 'Presostato de aceite');
INSERT INTO Opzioni VALUES ('A_V', 'Accessorio con trattino basso', 'Accessory with underscore', 'Accessoire', 'Zubehör', 'Accesorio');
INSERT INTO CollCompOpz VALUES ('4TX-O''40', 'A01', 0);
INSERT INTO CollCompOpz VALUES ('4TX-O''40', 'A02', -1);
INSERT INTO CollCompOpz VALUES ('4TX-O''40', 'N01', 0);
INSERT INTO CollCompOpz VALUES ('4TX-O''40', 'V01', 0);
INSERT INTO CollCompOpz VALUES ('2TX-10', 'A01', -1);
INSERT INTO CollCompOpz VALUES ('2TX-10', 'N02', 0);
INSERT INTO CollCompOpz VALUES ('2TX-10', 'A_V', 0);
CREATE TABLE Lingue (IDLingua INTEGER PRIMARY KEY, DescModello TEXT, DescSerie TEXT, DescCil TEXT,
  DescAle TEXT, DescCorsa TEXT, DescVolSP TEXT, DescRubAsp TEXT, DescRubSca TEXT, DescCarOlio TEXT,
  DescPesoN TEXT, DescGas TEXT, CompPrec TEXT, Err6 TEXT);
INSERT INTO Lingue VALUES (1, 'Modello', 'Famiglia', 'N°Cilindri', 'Alesaggio', 'Corsa', 'Volume Spostato', 'Rubinetto Aspirazione', 'Rubinetto Scarico', 'Carica Olio', 'Peso Netto', 'Refrigerante', 'Compressore inferiore', 'Nessun compressore');
INSERT INTO Lingue VALUES (2, 'Model', 'Series', 'Cylinders', 'Bore', 'Stroke', 'Displacement', 'Suction valve', 'Discharge valve', 'Oil charge', 'Net weight', 'Refrigerant', 'Next smaller compressor', 'No compressor');
INSERT INTO Lingue VALUES (3, 'Modèle', 'Série', 'Cylindres', 'Alésage', 'Course', 'Volume balayé', 'Vanne d''aspiration', 'Vanne de refoulement', 'Charge d''huile', 'Poids net', 'Réfrigérant', 'Compresseur inférieur', 'Aucun compresseur');
INSERT INTO Lingue VALUES (4, 'Modell', 'Baureihe', 'Zylinder', 'Bohrung', 'Hub', 'Fördervolumen', 'Saugventil', 'Druckventil', 'Ölfüllung', 'Nettogewicht', 'Kältemittel', NULL, 'Kein Verdichter');
INSERT INTO Lingue VALUES (5, 'Modelo', 'Serie', 'Cilindros', 'Diámetro', 'Carrera', 'Volumen desplazado', 'Válvula de aspiración', 'Válvula de descarga', 'Carga de aceite', 'Peso neto', 'Refrigerante', 'Compresor inferior', 'Ningún compresor');
-- a leftover row in the file's own working table: the program must never touch it
INSERT INTO tmpWR VALUES (-10, 1, 2, 3, 4, 5, 6, 7, NULL, NULL);
COMMIT;
