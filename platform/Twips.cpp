#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

int twipsInPixel(int twips, QWidget* riferimento) {
    const QScreen* schermo = riferimento && riferimento->screen()
                                 ? riferimento->screen()
                                 : QGuiApplication::primaryScreen();
    const double dpi = schermo ? schermo->logicalDotsPerInchY() : 96.0;
    return int(twips * dpi / 1440.0 + 0.5);
}
