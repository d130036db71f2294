-- Three models (catalogue order differs from the alphabet), their options in two languages.
create table Compressori (CodiceProdotto text, Serie text, Alesaggio real, Corsa real,
  Cilindri real, VolumeSpostato50hz real, VolumeSpostato60hz real, RubinettoAspiraz text,
  RubinettoScarico text, CaricaOlio real, PesoNetto real, FLA50Hz real, FLA60Hz real,
  LRA50Hz real, LRA60Hz real, TensioneStd text, CodMotore text, Ordinamento real,
  Immagine text, bk8 integer);
insert into Compressori values ('B-20', 'B', 50, 40, 2, 10.5, 12.6, '22 mm', '16 mm', 1.5, 80,
  9.5, 10.9, 48, 55, 'S400Y', null, 1, 'B.png', 0);
insert into Compressori values ('A-10', 'A', 40, 30, 2, 5.25, 6.3, '16 mm', '12 mm', 0.9, 58,
  4.6, 5.3, 24, 26, 'S230Y', null, 2, null, 0);
insert into Compressori values ('C-40', 'C', 70, 55, 4, 38.1, 46, '42 mm', '28 mm', 2.6, 182,
  41.5, 47.2, 190, 215, 'S400Y', null, 3, 'manca.png', 0);
create table Opzioni (CodiceOpzione text, DescrizioneITA text, DescrizioneING text,
  DescrizioneFRA text, DescrizioneGER text, DescrizioneSPA text);
insert into Opzioni values ('S400Y', '400 V stella', '400 V star', 'f', 'g', 's');
insert into Opzioni values ('S230Y', '230 V stella', '230 V star', 'f', 'g', 's');
insert into Opzioni values ('N2', 'Nota due', 'Note two', 'f', 'g', 's');
insert into Opzioni values ('N1', 'Nota uno', 'Note one', 'f', 'g', 's');
insert into Opzioni values ('V1', '460 V 60 Hz', '460 V 60 Hz', 'f', 'g', 's');
insert into Opzioni values ('A1', 'Resistenza olio', 'Crankcase heater', 'f', 'g', 's');
insert into Opzioni values ('A2', 'Ventola', 'Fan', 'f', 'g', 's');
create table CollCompOpz (CodiceProdotto text, CodiceOpzione text, flStandard integer);
insert into CollCompOpz values ('B-20', 'N2', 0);
insert into CollCompOpz values ('B-20', 'N1', 0);
insert into CollCompOpz values ('B-20', 'V1', 0);
insert into CollCompOpz values ('B-20', 'A1', 0);
insert into CollCompOpz values ('B-20', 'A2', -1);
insert into CollCompOpz values ('A-10', 'N1', 0);
create table Gas (CodiceGas text, TUEStd real);
create table CollCompGas (IDCollCompGas integer, CodiceProdotto text, CodiceGas text);
-- Positions 1 to 10 hold the list headers.
create table Lingue (Chiave text, DescModello text, DescSerie text, DescCil text, DescAle text,
  DescCorsa text, DescVolSP text, DescRubAsp text, DescRubSca text, DescCarOlio text,
  DescPesoN text, Fornitura text, Arichiesta text);
insert into Lingue values ('it', 'Modello', 'Famiglia', 'Cilindri', 'Alesaggio', 'Corsa',
  'Volume spostato', 'Rub. aspirazione', 'Rub. scarico', 'Carica olio', 'Peso netto',
  'Fornitura', 'su Richiesta');
insert into Lingue values ('en', 'Model', 'Series', 'Cylinders', 'Bore', 'Stroke',
  'Displacement', 'Suction valve', 'Discharge valve', 'Oil charge', 'Net weight',
  'Supply', 'on request');
