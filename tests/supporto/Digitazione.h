#pragma once
// Typing into a field as a user does.

#include <QString>

class QLineEdit;

// Focus, select all, delete, then `testo` key by key.
void scrivi(QLineEdit* campo, const QString& testo);
