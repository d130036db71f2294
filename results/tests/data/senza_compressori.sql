-- The first refrigerant of table Gas has no rated compressor.
create table Compressori (CodiceProdotto text, Serie text);
create table Gas (CodiceGas text, TUEStd real);
insert into Gas values ('R507', 20);
insert into Gas values ('R404A', 20);
create table CollCompGas (IDCollCompGas integer, CodiceProdotto text, CodiceGas text);
insert into CollCompGas values (1, 'D2-51', 'R404A');
create table Lingue (Chiave text, CompPrec text);
insert into Lingue values ('it', 'Compressore precedente');
