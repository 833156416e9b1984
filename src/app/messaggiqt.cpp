#include "app/messaggiqt.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

#include "app/lingua.h"

namespace vask {

Risposta MessaggiQt::mostra(const std::string& testo, const std::string& titolo, Icona icona,
                            Pulsanti pulsanti) {
    if (primadimostrare_) primadimostrare_();
    QMessageBox::Icon i = QMessageBox::Warning;
    switch (icona) {
    case Icona::Esclamazione: i = QMessageBox::Warning; break;
    case Icona::Critico: i = QMessageBox::Critical; break;
    case Icona::Informazione: i = QMessageBox::Information; break;
    }
    const bool sino = pulsanti != Pulsanti::Ok;
    const bool annulla = pulsanti == Pulsanti::SiNoAnnulla;
    QMessageBox::StandardButtons tasti = QMessageBox::Ok;
    if (sino) tasti = QMessageBox::Yes | QMessageBox::No;
    if (annulla) tasti |= QMessageBox::Cancel;
    // Fixed texts of the core come out in the interface's language.
    QMessageBox box(i, tradotto(titolo), tradotto(testo), tasti, genitore_);
    box.setDefaultButton(sino ? QMessageBox::Yes : QMessageBox::Ok);
    if (sino) {
        // In the interface's language whatever translations of Qt the system has.
        box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("Finestre", "&Sì"));
        box.button(QMessageBox::No)->setText(QCoreApplication::translate("Finestre", "&No"));
        box.setEscapeButton(annulla ? QMessageBox::Cancel : QMessageBox::No);
    }
    if (annulla) box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("Finestre", "&Annulla"));
    const int scelta = box.exec();
    if (!sino) return Risposta::Ok;
    if (scelta == QMessageBox::Yes) return Risposta::Si;
    return scelta == QMessageBox::Cancel ? Risposta::Annulla : Risposta::No;
}

}  // namespace vask
