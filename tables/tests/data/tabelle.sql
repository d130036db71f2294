-- Compressors for the performance tables tests: TAB-1 has the example envelope,
-- TAB-2 bands 40..60 only with a Null coefficient and no WMAX, TAB-0 no envelope,
-- TAB-9 TAB-1's ratings without a motor row (motor code M-NESSUNO).
-- The motor table bends, so the number of segments searched shows in the current.
-- The demo's R407C stays a zeotropic blend (flAZ 0); R404A is taken as azeotropic here.
UPDATE Gas SET flAZ = -1 WHERE CodiceGas = 'R404A';
INSERT INTO Motori VALUES ('M-T', 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500, 5000, 5500, 6000, 6500, 7000, 7500, 8000, 8500, 9000, 9500, 10000, 10500, 11000, 0.5, 1.32, 2.18, 3.08, 4.02, 5.0, 6.02, 7.08, 8.18, 9.32, 10.5, 11.72, 12.98, 14.28, 15.62, 17.0, 18.42, 19.88, 21.38, 22.92, 24.5, 26.12);
INSERT INTO Compressori VALUES ('TAB-1', 'T', 40, 30, 2, 10, 12, '16 mm', '12 mm', 1, 50, 5, 6, 20, 22, 'S', 'M-T', 1, 'T.png', 0);
INSERT INTO Compressori VALUES ('TAB-9', 'T', 40, 30, 2, 10, 12, '16 mm', '12 mm', 1, 50, 5, 6, 20, 22, 'S', 'M-NESSUNO', 9, 'T.png', 0);
INSERT INTO Compressori VALUES ('TAB-2', 'T', 40, 30, 2, 10, 12, '16 mm', '12 mm', 1, 50, 5, 6, 20, 22, 'S', 'M-T', 2, 'T.png', -1);
INSERT INTO Compressori VALUES ('TAB-0', 'T', 40, 30, 2, 10, 12, '16 mm', '12 mm', 1, 50, 5, 6, 20, 22, 'S', 'M-T', 0, 'T.png', 0);
INSERT INTO CollCompGas VALUES (1, 'TAB-1', 'R404A', -40, 10, -40, 10, -35, 12.5, -30, 12.5, -25, 15, -20, 15, -15, 15, -10, 15, -10, 15, 10000, 300, -100, 0, 0, 0, 0, 0, 0, 0, 3000, 20, 50, 0, 0, 0, 0, 0, 0, 0, 0.05, 0.001, -0.0003, 0, 0, 0, 0, 0, 0, 0, 30, 70, 1, 0, 0, 21);
INSERT INTO CollCompGas VALUES (9, 'TAB-9', 'R404A', -40, 10, -40, 10, -35, 12.5, -30, 12.5, -25, 15, -20, 15, -15, 15, -10, 15, -10, 15, 10000, 300, -100, 0, 0, 0, 0, 0, 0, 0, 3000, 20, 50, 0, 0, 0, 0, 0, 0, 0, 0.05, 0.001, -0.0003, 0, 0, 0, 0, 0, 0, 0, 30, 70, 1, 0, 0, 21);
INSERT INTO CollCompGas VALUES (2, 'TAB-1', 'R407C', -40, 10, -40, 10, -35, 12.5, -30, 12.5, -25, 15, -20, 15, -15, 15, -10, 15, -10, 15, 10000, 300, -100, 0, 0, 0, 0, 0, 0, 0, 3000, 20, 50, 0, 0, 0, 0, 0, 0, 0, 0.05, 0.001, -0.0003, 0, 0, 0, 0, 0, 0, 0, 30, 70, 1, 0, 0, 21);
INSERT INTO CollCompGas VALUES (3, 'TAB-2', 'R404A', NULL, NULL, NULL, NULL, -30, 5, -30, 5, -25, 5, -20, 5, -20, 0, NULL, NULL, NULL, NULL, 10000, 300, -100, NULL, 0, 0, 0, 0, 0, 0, 3000, 20, 50, 0, 0, 0, 0, 0, 0, 0, 0.05, 0.001, -0.0003, 0, 0, 0, 0, 0, 0, 0, 30, 70, 1, 0, 0, NULL);
INSERT INTO CollCompGas VALUES (4, 'TAB-0', 'R404A', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 10000, 300, -100, 0, 0, 0, 0, 0, 0, 0, 3000, 20, 50, 0, 0, 0, 0, 0, 0, 0, 0.05, 0.001, -0.0003, 0, 0, 0, 0, 0, 0, 0, 30, 70, 1, 0, 0, 21);
