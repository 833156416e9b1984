#include "app/esportazione.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QImageWriter>
#include <QSpinBox>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#include "app/archivio.h"
#include "app/pittore.h"
#include "view/carta.h"
#include "view/svg.h"

namespace vask {

namespace {
// One pixel of pen for every thousand pixels of width.
int scalaesportazione(int larghezza) { return std::max(1, int(std::lround(larghezza / 1000.0))); }
}  // namespace

int altezzaesportazione(int larghezza) { return std::max(1, int(std::lround(larghezza * 3.0 / 5.0))); }

QImage immagineesportazione(const Superficie& s, int larghezza) {
    QImage img(larghezza, altezzaesportazione(larghezza), QImage::Format_RGB32);
    if (!img.isNull()) dipingi(img, s, img.rect(), scalaesportazione(larghezza));
    return img;
}

Superficie disegnosucarta(const FrmVask_2& n, bool schermo) {
    return schermo ? n.pic : sucarta(n.pic, n.colori.coloresfondo, n.colori.coloresezione, n.colori.coloregriglia);
}

Esportazione::Esportazione(const FrmVask_2& nucleo, Messaggi& messaggi, QWidget* genitore,
                           const QWidget* area)
    : n_(nucleo), m_(messaggi), genitore_(genitore), area_(area) {
    sceglifile = [this] {
        // A name typed without extension takes the one of the chosen type.
        return dialogosalva(genitore_, QCoreApplication::translate("Finestre", "Esporta immagine"), QString(),
                            {QCoreApplication::translate("Finestre", "Immagine PNG (*.png)"),
                             QCoreApplication::translate("Finestre", "Disegno SVG (*.svg)")},
                            {QStringLiteral("png"), QStringLiteral("svg")});
    };
    sceglilarghezza = [this](int proposta) {
        QDialog d(genitore_);
        d.setWindowTitle(QCoreApplication::translate("Finestre", "Esporta immagine"));
        auto* modulo = new QFormLayout(&d);
        auto* larghezza = new QSpinBox(&d);
        larghezza->setRange(ESPORTAZIONEMINIMA, ESPORTAZIONEMASSIMA);
        larghezza->setValue(proposta);
        modulo->addRow(QCoreApplication::translate("Finestre", "Larghezza in pixel (da %1 a %2; l'altezza segue la proporzione 20:12):")
                           .arg(ESPORTAZIONEMINIMA)
                           .arg(ESPORTAZIONEMASSIMA),
                       larghezza);
        auto* schermo = new QCheckBox(QCoreApplication::translate("Finestre", "Colori dello schermo"), &d);
        schermo->setChecked(coloridelloschermo);
        modulo->addRow(schermo);
        auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
        QObject::connect(pulsanti, &QDialogButtonBox::accepted, &d, &QDialog::accept);
        QObject::connect(pulsanti, &QDialogButtonBox::rejected, &d, &QDialog::reject);
        modulo->addRow(pulsanti);
        if (d.exec() != QDialog::Accepted) return 0;
        coloridelloschermo = schermo->isChecked();
        return larghezza->value();
    };
}

void Esportazione::mnuFileEsporta_Click() {
    const QString percorso = sceglifile();
    if (percorso.isEmpty()) return;
    // The area as the screen shows it, in device pixels.
    const int attuale =
        area_ ? int(std::lround(area_->width() * area_->devicePixelRatioF())) : 1000;
    const int larghezza = sceglilarghezza(std::clamp(attuale, ESPORTAZIONEMINIMA, ESPORTAZIONEMASSIMA));
    if (larghezza <= 0) return;
    esporta(percorso, larghezza);
}

bool Esportazione::esporta(QString percorso, int larghezza) {
    larghezza = std::clamp(larghezza, ESPORTAZIONEMINIMA, ESPORTAZIONEMASSIMA);
    QString suffisso = QFileInfo(percorso).suffix().toLower();
    if (suffisso.isEmpty()) {
        percorso += QStringLiteral(".png");
        suffisso = QStringLiteral("png");
    }
    QString problema;
    // Atomic: a failed export leaves any earlier file as it was.
    QSaveFile f(percorso);
    if (!f.open(QIODevice::WriteOnly)) {
        problema = f.errorString();
    } else if (suffisso == QLatin1String("svg")) {
        const std::string testo = svg(disegnosucarta(n_, coloridelloschermo), larghezza, altezzaesportazione(larghezza),
                                      scalaesportazione(larghezza));
        if (f.write(testo.data(), qint64(testo.size())) != qint64(testo.size()))
            problema = f.errorString();
    } else {
        const QImage img = immagineesportazione(disegnosucarta(n_, coloridelloschermo), larghezza);
        QImageWriter w(&f, suffisso.toLatin1());
        if (img.isNull())
            problema = QCoreApplication::translate("Finestre", "memoria insufficiente per un'immagine così grande");
        else if (!w.write(img))
            problema = w.error() == QImageWriter::UnsupportedFormatError
                           ? QCoreApplication::translate("Finestre", "formato «%1» non previsto").arg(suffisso)
                           : w.errorString();
    }
    if (problema.isEmpty() && f.commit()) return true;
    if (problema.isEmpty()) problema = f.errorString();
    f.cancelWriting();
    m_.mostra(QCoreApplication::translate("Finestre", "Impossibile esportare «%1»: %2.")
                  .arg(QFileInfo(percorso).fileName(), problema)
                  .toStdString(),
              QCoreApplication::translate("Finestre", "Esportazione non riuscita.").toStdString(), Icona::Esclamazione,
              Pulsanti::Ok);
    return false;
}

}  // namespace vask
