#include "tables/frmNoteGas.h"

#include "platform/Twips.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPushButton>

namespace {
// The entry of `cartella` named `nome` in any case (pictures come from old catalogues).
QString trovaFile(const QString& cartella, const QString& nome) {
    const QDir dir(cartella);
    if (QFileInfo::exists(dir.filePath(nome)))
        return dir.filePath(nome);
    for (const QString& voce : dir.entryList(QDir::Files))
        if (voce.compare(nome, Qt::CaseInsensitive) == 0)
            return dir.filePath(voce);
    return dir.filePath(nome);
}
} // namespace

frmNoteGas::frmNoteGas(const QString& cartella, const QString& nomeDis, QWidget* parent)
    : QWidget(parent) {
    setObjectName("frmNoteGas");
    setWindowTitle(QStringLiteral("Note Applicazione Gas"));
    setFixedSize(twipsInPixel(8505, this), twipsInPixel(7500, this));
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(twipsInPixel(45, this), twipsInPixel(45, this), twipsInPixel(8385, this),
                        twipsInPixel(7395, this));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->installEventFilter(this);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(twipsInPixel(8145, this), twipsInPixel(7110, this),
                          twipsInPixel(360, this), twipsInPixel(375, this));
    connect(OKButton, &QPushButton::clicked, this, [this] { chiudi(); });

    // Only a plain file name: a NomeDis with folders in it would reach outside.
    const QString nome = QFileInfo(QString(nomeDis).replace('\\', '/')).fileName();
    if (!nome.isEmpty()) {
        m_file = trovaFile(cartella, nome);
        QImageReader lettore(m_file);
        const QImage img = lettore.read();
        if (!img.isNull()) {
            Image1->setPixmap(QPixmap::fromImage(img));
            m_caricata = true;
        }
    }
    OKButton->raise();
}

bool frmNoteGas::eventFilter(QObject* o, QEvent* e) {
    if (o == Image1 && e->type() == QEvent::MouseButtonRelease) {
        chiudi();
        return true;
    }
    return QWidget::eventFilter(o, e);
}

void frmNoteGas::chiudi() {
    if (auto* s = qobject_cast<QMdiSubWindow*>(parentWidget()))
        s->close();
    else
        close();
}
