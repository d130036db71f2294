-- Written by selcomp-costruttore from gamma.txt: refrigerants with the picture of their
-- application range, rated suction gas temperature, azeotropic flag, standard superheat base,
-- standard subcooling, offered for selection, evaporating and condensing limits of the selection.
INSERT INTO Gas VALUES ('R-22', 'R22.png', 20, -1, 20, 0, -1, -40, 12.5, 30, 60);
INSERT INTO Gas VALUES ('R134a', 'R134a.png', 20, -1, 20, 0, -1, -30, 15, 30, 70);
INSERT INTO Gas VALUES ('R404A', 'R404A.png', 20, 0, 20, 0, -1, -45, 7.5, 30, 55);
INSERT INTO Gas VALUES ('R407C', 'R407C.png', 20, 0, 20, 0, -1, -25, 12.5, 30, 60);
INSERT INTO Gas VALUES ('R507A', 'R507A.png', 20, -1, 20, 0, -1, -45, 7.5, 30, 55);
INSERT INTO Gas VALUES ('R410A', 'R410A.png', 20, -1, 20, 0, -1, -25, 10, 30, 55);
INSERT INTO Gas VALUES ('R448A', 'R448A.png', 20, 0, 20, 0, -1, -40, 10, 30, 60);
INSERT INTO Gas VALUES ('R449A', 'R449A.png', 20, 0, 20, 0, -1, -40, 10, 30, 60);
INSERT INTO Gas VALUES ('R407F', 'R407F.png', 20, 0, 20, 0, -1, -40, 10, 30, 60);
INSERT INTO Gas VALUES ('R452A', 'R452A.png', 20, 0, 20, 0, -1, -45, 7.5, 30, 55);
INSERT INTO Gas VALUES ('R454C', 'R454C.png', 20, 0, 20, 0, -1, -40, 10, 30, 60);
INSERT INTO Gas VALUES ('R455A', 'R455A.png', 20, 0, 20, 0, -1, -40, 10, 30, 60);
INSERT INTO Gas VALUES ('R513A', 'R513A.png', 20, -1, 20, 0, -1, -30, 15, 30, 70);
INSERT INTO Gas VALUES ('R450A', 'R450A.png', 20, 0, 20, 0, -1, -30, 15, 30, 70);
INSERT INTO Gas VALUES ('R1234yf', 'R1234yf.png', 20, -1, 20, 0, -1, -30, 15, 30, 70);
INSERT INTO Gas VALUES ('R290', 'R290.png', 20, -1, 20, 0, -1, -40, 12.5, 30, 60);
