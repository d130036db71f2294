#include "app/AperturaCatalogo.h"

#include "app/MDIUser.h"
#include "browse/cfrmDatiDiTarga.h"
#include "browse/cfrmTabella.h"

void registraCatalogo(MDIUser& principale) {
    principale.registraSchermo(VoceMenu::Caratteristiche, [](MDIUser& m) -> QWidget* {
        return new cfrmDatiDiTarga(m.stato());
    });
    principale.registraSchermo(VoceMenu::ElencoCompressori,
                               [](MDIUser& m) -> QWidget* { return new cfrmTabella(m.stato()); });
}
