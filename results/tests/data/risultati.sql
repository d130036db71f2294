-- Two languages, two refrigerants; the first refrigerant has one rated compressor.
create table Compressori (CodiceProdotto text, Serie text, VolumeSpostato50hz real,
  VolumeSpostato60hz real, TensioneStd text, Ordinamento real);
insert into Compressori values ('D3-80', 'D3', 21.25, 25.5, null, 1);
insert into Compressori values ('D4-110', 'D4', 32.5, 39, null, 2);
create table Opzioni (CodiceOpzione text, DescrizioneITA text, DescrizioneING text);
create table CollCompOpz (CodiceProdotto text, CodiceOpzione text, flStandard integer);
create table Gas (CodiceGas text, TUEStd real, NomeDis text, flAZ integer);
insert into Gas values ('R404A', 20, 'r404a.bmp', -1);
insert into Gas values ('R134a', 20, 'r134a.bmp', -1);
insert into Gas values ('R407C', 20, 'r407c.bmp', 0);
create table CollCompGas (IDCollCompGas integer, CodiceProdotto text, CodiceGas text);
insert into CollCompGas values (1, 'D2-51', 'R404A');
insert into CollCompGas values (2, 'D3-80', 'R134a');
create table Lingue (Chiave text, DescResult1 text, DescResult2 text, DescResult3 text,
  DescResult4 text, DescResult5 text, DescResult6 text, DescResult7 text, DescResult8 text,
  DescResult9 text, CompPrec text, descvaldif text, DescCondStd text, DescCondFunz text,
  DesccampoApp text, DescTFF text, DescCalc10 text, DescCalc11 text, DescCalc16b text,
  DescGas text, DescModello text);
insert into Lingue values ('it', 'Resa frigorifera', 'Potenza assorbita', 'Corrente assorbita',
  'Portata in massa', 'COP', 'Calore al condensatore', 'Standard condiz.', 'all''evaporatore',
  'al compressore', 'Compressore precedente', 'Valori Differenziali', 'Condizioni  Standard',
  ' Condizioni di funzionamento ', 'Campo applicazione', ' Tensione / fasi / frequenza ',
  'T. evaporazione', 'T. condensazione', 'Potenza Richiesta', 'Refrigerante', 'Modello');
insert into Lingue values ('en', 'Cooling capacity', 'Power input', 'Current', 'Mass flow',
  'COP', 'Heat rejection', 'Rating cond.', 'at evaporator', 'at compressor',
  'Next smaller compressor', 'Differential values', 'Standard conditions',
  ' Operating conditions ', 'Application notes', ' Voltage / phases / frequency ',
  'Evaporating temp.', 'Condensing temp.', 'Required capacity', 'Refrigerant', 'Model');
