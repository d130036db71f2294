#pragma once
// Window sizes and positions of the screens are given in twips (1/1440 inch).

class QWidget;

// Pixels for a length in twips at the logical resolution of the screen that shows
// `riferimento` (the primary screen when null).
int twipsInPixel(int twips, QWidget* riferimento = nullptr);
