#include "tests/supporto/Digitazione.h"

#include <QLineEdit>
#include <QTest>

void scrivi(QLineEdit* campo, const QString& testo) {
    campo->setFocus();
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Delete);
    QTest::keyClicks(campo, testo);
}
