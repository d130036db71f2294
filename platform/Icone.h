#pragma once
// Icons the style does not offer.

#include <QIcon>

// A printer, for the buttons that print: the desktop theme's when it has one, else our
// own drawing (the style's icons have none, and a floppy disk means "save").
QIcon iconaStampante();
