#pragma once
// Typing into a field as a user does: focus, select all, delete, then key by key.

#include <QLineEdit>
#include <QTest>

inline void scrivi(QLineEdit* campo, const QString& testo) {
    campo->setFocus();
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Delete);
    QTest::keyClicks(campo, testo);
}
