-- A data file for the printed reports: two described compressors and sixty plain ones,
-- enough for a list over several pages.
create table Compressori (CodiceProdotto text, Serie text, Alesaggio real, Corsa real,
  Cilindri real, VolumeSpostato50hz real, VolumeSpostato60hz real, RubinettoAspiraz text,
  RubinettoScarico text, CaricaOlio real, PesoNetto real, FLA50Hz real, FLA60Hz real,
  LRA50Hz real, LRA60Hz real, TensioneStd text, CodMotore text, Ordinamento real,
  Immagine text, bk8 integer);
insert into Compressori values ('4DZ-220', 'DZ4', 70, 55, 4, 38.1, 46, '42 mm', '28 mm', 2.6,
  182, 41.5, 47.2, 190, 215, 'S400Y', 'M-4DZ-220', 1, 'DZ4.png', 0);
insert into Compressori values ('2DZ-005', 'DZ2', 40, 23, 2, 5, 6, '16 mm', '12 mm', 0.9,
  58, 4.6, 5.3, 24, 26, 'S230Y', 'M-2DZ-005', 2, 'DZ2.png', 0);
insert into Compressori (CodiceProdotto, Serie, Cilindri, Ordinamento)
  with recursive n(i) as (select 1 union all select i + 1 from n where i < 60)
  select 'LISTA-' || i, 'LX', 2, 10 + i from n;
create table CollCompGas (IDCollCompGas integer, CodiceProdotto text, CodiceGas text,
  MinTC real, MaxTC real);
insert into CollCompGas values (1, '4DZ-220', 'R404A', 30, 55);
insert into CollCompGas values (2, '4DZ-220', 'R134a', 30, 70);
create table Gas (CodiceGas text, TUEStd real);
insert into Gas values ('R404A', 20);
create table Opzioni (CodiceOpzione text, DescrizioneITA text, DescrizioneING text,
  DescrizioneFRA text, DescrizioneGER text, DescrizioneSPA text);
insert into Opzioni values ('RO', 'Resistenza olio', 'Crankcase heater', 'Résistance de carter',
  'Kurbelwannenheizung', 'Resistencia del cárter');
insert into Opzioni values ('VT', 'Ventola testata', 'Head fan', 'Ventilateur de culasse',
  'Zylinderkopflüfter', 'Ventilador de culata');
create table CollCompOpz (CodiceProdotto text, CodiceOpzione text, flStandard integer);
insert into CollCompOpz values ('4DZ-220', 'VT', 0);
insert into CollCompOpz values ('4DZ-220', 'RO', -1);
-- Labels of the five languages for the oil charge only: the others come from the
-- templates' own texts. The French one differs from the template's, to tell them apart.
create table Lingue (Chiave text, DescCarOlio text);
insert into Lingue values ('it', 'Carica Olio');
insert into Lingue values ('en', 'Oil charge');
insert into Lingue values ('fr', 'Huile, charge');
insert into Lingue values ('de', 'Ölfüllung');
insert into Lingue values ('es', 'Carga de aceite');
