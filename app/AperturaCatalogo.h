#pragma once
// Menu entries of the catalogue screens: "Caratteristiche tecniche" and "Elenco compressori".

class MDIUser;

void registraCatalogo(MDIUser& principale);
