// The control states of the core mirrored onto the widgets after each event.
#include "app/finestraprincipale.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstring>
#include <utility>

#include "app/areagrafica.h"
#include "app/lingua.h"
#include "app/pittore.h"
#include "app/mohr.h"
#include "app/relazione.h"
#include "app/tabella.h"

namespace vask {

namespace {

// Readable text on a coloured face.
QColor testosu(const QColor& c) {
    return c.red() * 299 + c.green() * 587 + c.blue() * 114 < 140000 ? QColor(Qt::white)
                                                                       : QColor(Qt::black);
}

}  // namespace

QString FinestraPrincipale::simbolo(const QString& testo) {
    // The Latin keys of the classic symbol font and the Greek letters they carry.
    static const char16_t minuscole[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";
    static const char16_t maiuscole[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
    QString r = testo;
    for (QChar& c : r) {
        const char16_t u = c.unicode();
        if (u >= 'a' && u <= 'z')
            c = QChar(minuscole[u - 'a']);
        else if (u >= 'A' && u <= 'Z')
            c = QChar(maiuscole[u - 'A']);
    }
    return r;
}

void FinestraPrincipale::applica(Voce& v) {
    const Controllo& c = *v.stato;
    Controllo& a = v.applicato;
    QWidget* w = v.widget;

    if (v.tipo != Tipo::Area &&
        (v.nuovo || c.didascalia != a.didascalia || c.simbolo != a.simbolo)) {
        // A box shows what was typed; a caption or a button its text in the
        // language of the interface (numbers and data pass through unchanged).
        QString testo = v.tipo == Tipo::Casella ? QString::fromStdString(c.didascalia) : tradotto(c.didascalia);
        if (c.simbolo) testo = simbolo(testo);
        switch (v.tipo) {
        case Tipo::Pulsante: static_cast<QPushButton*>(w)->setText(testo); break;
        case Tipo::Etichetta: static_cast<QLabel*>(w)->setText(testo); break;
        case Tipo::Casella: {
            // Only a real change: setText would move the user's cursor.
            auto* t = static_cast<QLineEdit*>(w);
            if (t->text() != testo) t->setText(testo);
            break;
        }
        case Tipo::Area: break;
        }
        a.didascalia = c.didascalia;
        a.simbolo = c.simbolo;
    }
    if (v.nuovo || c.suggerimento != a.suggerimento) {
        w->setToolTip(tradotto(c.suggerimento));
        a.suggerimento = c.suggerimento;
    }
    if (v.nuovo || c.abilitato != a.abilitato) {
        w->setEnabled(c.abilitato);
        a.abilitato = c.abilitato;
    }
    if (v.tipo != Tipo::Area && (v.nuovo || c.sfondo != a.sfondo)) {
        if (c.sfondo == FACCIA) {
            // The platform's own look: drop any palette of ours.
            w->setPalette(QPalette());
            if (v.tipo == Tipo::Etichetta) w->setAutoFillBackground(false);
        } else {
            const QColor colore = colorerg(c.sfondo);
            QPalette p = w->palette();
            switch (v.tipo) {
            case Tipo::Pulsante:
                p.setColor(QPalette::Button, colore);
                p.setColor(QPalette::ButtonText, testosu(colore));
                break;
            case Tipo::Etichetta:
                p.setColor(QPalette::Window, colore);
                p.setColor(QPalette::WindowText, testosu(colore));
                w->setAutoFillBackground(true);
                break;
            case Tipo::Casella:
                p.setColor(QPalette::Base, colore);
                p.setColor(QPalette::Text, testosu(colore));
                break;
            case Tipo::Area: break;
            }
            w->setPalette(p);
        }
        a.sfondo = c.sfondo;
    }
    v.nuovo = false;
}

bool FinestraPrincipale::improntacambiata() {
    const FrmVask_2& n = *nucleo_;
    const int riga = n.rigaselezionata();
    if (std::memcmp(&impronta_.sez, &n.sez, sizeof n.sez) == 0 &&
        std::memcmp(&impronta_.calcolata, &n.ris.calcolata, sizeof n.sez) == 0 && impronta_.calcolo == n.ris.calcolo &&
        impronta_.attuali == n.ris.attuali && impronta_.riga == riga && impronta_.carico == n.sollecitazione.fissato &&
        impronta_.caricox == n.sollecitazione.carico.x && impronta_.caricoy == n.sollecitazione.carico.y)
        return false;
    impronta_.sez = n.sez, impronta_.calcolata = n.ris.calcolata;
    impronta_.calcolo = n.ris.calcolo, impronta_.attuali = n.ris.attuali, impronta_.riga = riga;
    impronta_.carico = n.sollecitazione.fissato;
    impronta_.caricox = n.sollecitazione.carico.x, impronta_.caricoy = n.sollecitazione.carico.y;
    return true;
}

void FinestraPrincipale::sincronizza() {
    for (Voce& v : voci_) applica(v);
    const auto cambiato = [](std::string& mostrato, std::string attuale) {
        if (mostrato == attuale) return false;
        mostrato = std::move(attuale);
        return true;
    };
    Mostrati& m = mostrati_;
    if (cambiato(m.titolo, nucleo_->titolo())) setWindowTitle(tradotto(m.titolo));
    // The Modifica menu: what can be undone, redone, copied now.
    const auto voce = [this, &cambiato](const char* nome, bool attiva, std::string* mostrato = nullptr,
                                        std::string attuale = {}) {
        if (auto* a = findChild<QAction*>(QString::fromUtf8(nome))) {
            a->setEnabled(attiva);
            if (mostrato && cambiato(*mostrato, std::move(attuale))) a->setStatusTip(tradotto(*mostrato));
        }
    };
    voce("mnuEditaAnnulla", nucleo_->puoiannullare(), &m.annulla, nucleo_->descrizioneannulla());
    voce("mnuEditaRipeti", nucleo_->puoiripetere(), &m.ripeti, nucleo_->descrizioneripeti());
    voce("mnuEditaCopiaRisultati", nucleo_->ris.eseguito);
    voce("mnuVisualizzaRelazione", nucleo_->relazionedisponibile());
    voce("mnuVisualizzaMohr", nucleo_->relazionedisponibile());
    static const char* const FISSI[3][2] = {
        {"mnuEditaCopiaRisultati", QT_TRANSLATE_NOOP("Finestre", "Copia i quindici risultati")},
        {"mnuVisualizzaRelazione", QT_TRANSLATE_NOOP("Finestre", "I passi dell'ultimo calcolo")},
        {"mnuVisualizzaMohr", QT_TRANSLATE_NOOP("Finestre", "Il cerchio di Mohr dei momenti centrali")}};
    if (!std::exchange(m.tradotti, true))
        for (const auto& [nome, testo] : FISSI)
            if (auto* a = findChild<QAction*>(QString::fromUtf8(nome)))
                a->setStatusTip(QCoreApplication::translate("Finestre", testo));
    if (improntacambiata()) {
        if (tabella_ && tabella_->isVisible()) tabella_->aggiorna();
        if (relazione_ && relazione_->isVisible()) relazione_->aggiorna();
        if (mohr_ && mohr_->isVisible()) mohr_->aggiorna();
    }
    if (cambiato(m.stato, nucleo_->statobarra)) statoBarra_->setText(tradotto(m.stato));
    area_->puntatore(nucleo_->puntatore);
    if (nucleo_->pausadivieto != pausavista_) {
        pausavista_ = nucleo_->pausadivieto;
        area_->divieto(300);
    }
    // Most mouse moves draw nothing: repaint only a picture that changed.
    if (nucleo_->pic.versione != versionedipinta_ || nucleo_->pic.sfondo != sfondodipinto_) {
        versionedipinta_ = nucleo_->pic.versione;
        sfondodipinto_ = nucleo_->pic.sfondo;
        area_->aggiorna();
    }
}

}  // namespace vask
