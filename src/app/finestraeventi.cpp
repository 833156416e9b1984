// Events forwarded to the core: clicks, menu entries, text boxes, keys,
// resizing and closing.
#include "app/finestraprincipale.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>

#include "app/archivio.h"
#include "app/esportazione.h"
#include "app/lingua.h"
#include "app/guida.h"
#include "app/stampa.h"
#include "app/mohr.h"
#include "app/relazione.h"
#include "app/tabella.h"

namespace vask {

void FinestraPrincipale::esegui(const std::function<void()>& gestore) {
    // A modal message box inside a handler runs a nested event loop: only
    // repaints and resizes get through it, and a resize waits for the handler.
    if (occupato_) return;
    struct Guardia {
        bool& b;
        ~Guardia() { b = false; }
    } guardia{occupato_};
    occupato_ = true;
    gestore();
    while (ridimensionare_) {
        ridimensionare_ = false;
        nucleo_->Form_Resize();
    }
    sincronizza();
}

void FinestraPrincipale::clic(const QString& nome) {
    const std::string n = nome.toStdString();
    // Outside esegui(): the close event runs its own, with the question.
    if (n == "mnuFileEsci") {
        close();
        return;
    }
    esegui([&] {
        if (n == "mnuFileApri")
            archivio_->mnuFileApri_Click();
        else if (n.rfind("mnuFileRecente", 0) == 0)
            archivio_->apririecente(size_t(n.back() - '1'));
        else if (n == "mnuFileSalva")
            archivio_->mnuFileSalva_Click();
        else if (n == "mnuFileSalvaconnome")
            archivio_->mnuFileSalvaconnome_Click();
        else if (n == "mnuFileStampa")
            stampa_->mnuFileStampa_Click();
        else if (n == "mnuFileEsporta")
            esportazione_->mnuFileEsporta_Click();
        else if (n == "mnuEditaCopiaRisultati")
            copiarisultati();
        else if (n == "mnuVisualizzaTabella")
            mostratabella();
        else if (n == "mnuVisualizzaRelazione")
            mostra(relazione_);
        else if (n == "mnuVisualizzaMohr")
            mostra(mohr_);
        else if (n == "mnuGuida")
            mostraguida();
        else if (n == "mnuPreferenzeLinguaItaliano" || n == "mnuPreferenzeLinguaInglese") {
            const Lingua l = n == "mnuPreferenzeLinguaInglese" ? Lingua::Inglese : Lingua::Italiano;
            salvalingua(l);
            impostalingua(l);
        }
        else
            nucleo_->clic(n);
    });
}

template <typename Finestra>
void FinestraPrincipale::mostra(Finestra*& finestra) {
    if (!finestra) {
        if constexpr (std::is_same_v<Finestra, FinestraMohr>)
            finestra = new FinestraMohr(*nucleo_, this);
        else
            finestra = new FinestraRelazione(*nucleo_, *messaggi_, this);
    }
    finestra->aggiorna();
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}

void FinestraPrincipale::mostratabella() {
    if (!tabella_)
        tabella_ = new FinestraTabella(*nucleo_, [this](const std::function<void()>& g) { esegui(g); }, this);
    tabella_->aggiorna();
    tabella_->show();
    tabella_->raise();
    tabella_->activateWindow();
}

// Read once, then the same window shown again; without a file, the core's message.
void FinestraPrincipale::mostraguida() {
    if (!guida_) {
        // The English guide for the English interface, else the Italian one.
        QStringList cercati;
        QString percorso;
        if (linguaattuale() == Lingua::Inglese) percorso = trovaguida(cartellaprogramma, &cercati, FILEGUIDE);
        if (percorso.isEmpty()) percorso = trovaguida(cartellaprogramma, &cercati);
        auto* guida = new FinestraGuida(this);
        if (percorso.isEmpty() || !guida->carica(percorso)) {
            delete guida;
            std::vector<std::string> luoghi;
            for (const QString& c : cercati) luoghi.push_back(c.toStdString());
            nucleo_->guidanontrovata(luoghi);
            return;
        }
        guida_ = guida;
    }
    guida_->show();
    guida_->raise();
    guida_->activateWindow();
}

bool FinestraPrincipale::apri(const QString& percorso) {
    bool aperto = false;
    esegui([&] { aperto = archivio_->apri(percorso); });
    return aperto;
}

// As text, one "caption value" a line; as a table a spreadsheet pastes into
// two columns.
void FinestraPrincipale::copiarisultati() {
    const std::string testo = nucleo_->testorisultati(false);
    if (testo.empty()) return;
    auto* dati = new QMimeData;
    dati->setText(QString::fromStdString(testo));
    const QString tabella = QString::fromStdString(nucleo_->testorisultati(true));
    dati->setData(QStringLiteral("text/tab-separated-values"), tabella.toUtf8());
    QString html = QStringLiteral("<table>");
    for (const QString& riga : tabella.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList celle = riga.split(QLatin1Char('\t'));
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(celle.value(0).toHtmlEscaped(), celle.value(1).toHtmlEscaped());
    }
    dati->setHtml(html + QStringLiteral("</table>"));
    QGuiApplication::clipboard()->setMimeData(dati);
}

void FinestraPrincipale::closeEvent(QCloseEvent* evento) {
    // The question is asked only while unsaved changes exist.
    bool chiudere = false;
    esegui([&] {
        chiudere = archivio_->salvaremodifiche(
            QCoreApplication::translate("Finestre",
                                        "La sezione è stata modificata. Salvare le modifiche prima di chiudere?")
                .toStdString());
    });
    if (chiudere)
        evento->accept();
    else
        evento->ignore();
}

void FinestraPrincipale::resizeEvent(QResizeEvent* evento) {
    QMainWindow::resizeEvent(evento);
    ridimensionata();
}

void FinestraPrincipale::changeEvent(QEvent* evento) {
    QMainWindow::changeEvent(evento);
    if (evento->type() == QEvent::LanguageChange && caricato_) ritraduci();
    // Restored from the task bar: the area is painted anew by the system.
    if (evento->type() == QEvent::WindowStateChange && caricato_ &&
        (static_cast<QWindowStateChangeEvent*>(evento)->oldState() & Qt::WindowMinimized) &&
        !(windowState() & Qt::WindowMinimized))
        esegui([this] { nucleo_->picAreagrafica_Paint(); });
}

void FinestraPrincipale::ritraduci() {
    ritraducimenu();
    // The guide of the other language, in the same place if it was open.
    if (guida_) {
        const bool aperta = guida_->isVisible();
        delete guida_;
        guida_ = nullptr;
        if (aperta) mostraguida();
    }
    for (Voce& v : voci_) v.nuovo = true;  // every caption and tooltip set again
    mostrati_ = {};
    sincronizza();
}

void FinestraPrincipale::ridimensionata() {
    if (!caricato_) return;
    if (occupato_) {
        ridimensionare_ = true;
        return;
    }
    esegui([this] { nucleo_->Form_Resize(); });
}

bool FinestraPrincipale::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress && oggetto->objectName() == QLatin1String("txtPunto")) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        if (tasto == Qt::Key_Up || tasto == Qt::Key_Down) {
            esegui([&] { tasto == Qt::Key_Up ? nucleo_->txtPunto_Su() : nucleo_->txtPunto_Giu(); });
            return true;
        }
    }
    if (evento->type() == QEvent::ShortcutOverride && qobject_cast<QLineEdit*>(oggetto)) {
        // A text box would keep Ctrl+C for copying: the menu's Cerchio has it.
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        const QKeySequence premuta(tasto->keyCombination());
        for (const QKeySequence& s : scorciatoie_)
            if (s == premuta) return true;
        return QMainWindow::eventFilter(oggetto, evento);
    }
    // Only the y captions show their own text as tooltip; the text boxes pass
    // through this filter too and keep theirs.
    if ((evento->type() == QEvent::MouseMove || evento->type() == QEvent::Enter) &&
        qobject_cast<QLabel*>(oggetto)) {
        const std::string nome = oggetto->objectName().toStdString();
        for (const char* y : ETICHETTEY)
            if (nome == y) esegui([&] { nucleo_->assey_MouseMove(nome); });
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

}  // namespace vask
