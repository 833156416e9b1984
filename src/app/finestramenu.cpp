// The menu bar from one table: entries, submenus and shortcuts.
#include "app/finestraprincipale.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/archivio.h"

namespace vask {

namespace {

// The menu tree, depth first; an entry followed by a deeper one is a submenu.
struct VoceMenu {
    int livello;
    const char* nome;
    const char* titolo;
    const char* scorciatoia;
    bool disabilitata;
};

const VoceMenu MENU[] = {
    {0, "mnuFile", "&File", nullptr, false},
    {1, "mnuFileNuovo", "&Nuovo...", "F2", false},
    {1, "mnuFileApri", "&Apri...", "Ctrl+O", false},
    // Named and shown by mostrarecenti(), as the list has them.
    {1, "mnuFileRecenti", "File &recenti", nullptr, false},
    {2, "mnuFileRecente1", "", nullptr, true},
    {2, "mnuFileRecente2", "", nullptr, true},
    {2, "mnuFileRecente3", "", nullptr, true},
    {2, "mnuFileRecente4", "", nullptr, true},
    {2, "mnuFileRecente5", "", nullptr, true},
    {1, "mnuFileSalva", "&Salva", "Ctrl+S", false},
    {1, "mnuFileSalvaconnome", "Sa&lva con nome...", "Ctrl+Shift+S", false},
    {1, "mnuFileStampa", "S&tampa...", "Ctrl+P", false},
    {1, "mnuFileEsporta", "Es&porta immagine...", nullptr, false},
    {1, "mnuFileEsci", "&Esci", "Ctrl+Q", false},
    {0, "mnuEdita", "&Modifica", nullptr, false},
    {1, "mnuEditaAnnulla", "&Annulla", "Ctrl+Z", false},
    {1, "mnuEditaRipeti", "&Ripeti", "Ctrl+Y;Ctrl+Shift+Z", false},
    {1, "mnuEditaCopiaRisultati", "&Copia risultati", "Ctrl+Shift+C", false},
    {0, "mnuStrumenti", "Str&umenti", nullptr, false},
    {1, "mnuStrumentiSnap", "&Snap", nullptr, false},
    {2, "mnuStrumentiSnapGriglia", "&Griglia", "F3", false},
    {2, "mnuStrumentiSnapOggetto", "&Oggetto", "F5", false},
    {2, "mnuStrumentiSnapToglisnap", "&Togli snap", "F4", false},
    {2, "mnuStrumentiSnapTogliOsnap", "&Togli osnap", "F6", false},
    {1, "mnuStrumentiDisegno", "&Disegno", nullptr, false},
    {2, "mnuStrumentiRettangolo", "&Rettangolo", "Ctrl+R", false},
    {2, "mnuStrumentiTriangolo", "&Triangolo", "Ctrl+T", false},
    {2, "mnuStrumentiCerchio", "&Cerchio", "Ctrl+C", false},
    {2, "mnuStrumentiLinea", "&Linea", "Ctrl+L", false},
    {1, "mnuStrumentiDistanza", "Distanza", "Ctrl+D", false},
    {1, "mnuStrumentiCarico", "&Carico", "Ctrl+K", false},
    {0, "mnuModifica", "&Seleziona", nullptr, false},
    {1, "mnuModificaRettangolo", "&Rettangolo", nullptr, false},
    {1, "mnuModificaTriangolo", "&Triangolo", nullptr, false},
    {1, "mnuModificaCerchio", "&Cerchio", nullptr, false},
    {1, "mnuModificaLinea", "&Linea", nullptr, false},
    {0, "mnuVisualizza", "&Visualizza", nullptr, false},
    {1, "mnuVisualizzaRigenera", "Ri&genera", nullptr, false},
    {1, "mnuVisualizzaPan", "Pan", nullptr, false},
    {1, "mnuVisualizzaZoom", "&Zoom", nullptr, false},
    {2, "mnuVisualizzaZoomPiu", "&Piu +", "F7", false},
    {2, "mnuVisualizzaZoomMeno", "&Meno -", "F8", false},
    {2, "mnuVisualizzaZoomEstensioni", "Zoom &estensioni", "F9", false},
    {1, "mnuVisualizzaRisultati", "&Risultati", nullptr, false},
    {1, "mnuVisualizzaTabella", "&Tabella elementi...", "F11", false},
    {1, "mnuVisualizzaRelazione", "Relazione di &calcolo...", "F10", false},
    {1, "mnuVisualizzaMohr", "Cerchio di &Mohr...", nullptr, false},
    {0, "mnuPreferenze", "&Preferenze", nullptr, false},
    {1, "mnuPreferenzeColori", "&Colori", nullptr, false},
    {2, "mnuPreferenzeColoriSfondo", "&Sfondo", nullptr, false},
    {3, "mnuPreferenzeSfondoBianco", "&Bianco", nullptr, false},
    {3, "mnuPreferenzeSfondoNero", "&Nero", nullptr, false},
    {3, "mnuPreferenzeSfondoGrigio", "&Grigio", nullptr, false},
    {2, "mnuPreferenzeGriglia", "&Griglia", nullptr, false},
    {3, "mnuPreferenzeGrigliaBianco", "&Bianco", nullptr, false},
    {3, "mnuPreferenzeGrigliaNero", "&Nero", nullptr, false},
    {3, "mnuPreferenzeGrigliaGrigio", "&Grigio", nullptr, false},
    {3, "mnuPreferenzeGrigliaRosso", "&Rosso", nullptr, false},
    {3, "mnuPreferenzeGrigliaGiallo", "&Giallo", nullptr, false},
    {2, "mnuPreferenzeColoriSezione", "&Sezione", nullptr, false},
    {3, "mnuPreferenzeSezioneBianco", "&Bianco", nullptr, false},
    {3, "mnuPreferenzeSezioneNero", "&Nero", nullptr, false},
    {3, "mnuPreferenzeSezioneGrigio", "&Grigio", nullptr, false},
    {3, "mnuPreferenzeSezioneRosso", "&Rosso", nullptr, false},
    {3, "mnuPreferenzeSezioneGiallo", "&Giallo", nullptr, false},
    {2, "mnuPreferenzeColoriLinea", "&Linea", nullptr, false},
    {3, "mnuPreferenzeLineaBianco", "&Bianco", nullptr, false},
    {3, "mnuPreferenzeLineaNero", "&Nero", nullptr, false},
    {3, "mnuPreferenzeLineaVerde", "&Verde", nullptr, false},
    {3, "mnuPreferenzeLineaRosso", "&Rosso", nullptr, false},
    {3, "mnuPreferenzeLineaBlu", "&Blu", nullptr, false},
    {1, "mnuPreferenzeSpessori", "Spessori", nullptr, false},
    {2, "mnuPreferenzeSpessori1", "1", nullptr, false},
    {2, "mnuPreferenzeSpessori2", "2", nullptr, false},
    {0, "mnuGuida", "&Guida", "F1", false},
    {0, "mnuInfo", "&Informazioni", nullptr, false},
};

}  // namespace

void FinestraPrincipale::costruiscimenu() {
    std::vector<QMenu*> aperti;  // the open submenu of each level
    const int n = int(sizeof MENU / sizeof MENU[0]);
    for (int i = 0; i < n; ++i) {
        const VoceMenu& v = MENU[i];
        const QString nome = QString::fromUtf8(v.nome);
        const QString titolo = QString::fromUtf8(v.titolo);
        aperti.resize(v.livello);
        const bool sottomenu = i + 1 < n && MENU[i + 1].livello > v.livello;
        if (sottomenu) {
            QMenu* m = v.livello == 0 ? menuBar()->addMenu(titolo) : aperti.back()->addMenu(titolo);
            m->setObjectName(nome);
            m->menuAction()->setObjectName(nome);
            aperti.push_back(m);
            continue;
        }
        auto* a = new QAction(titolo, this);
        a->setObjectName(nome);
        if (v.scorciatoia) {
            QList<QKeySequence> tasti;
            for (const QString& t : QString::fromUtf8(v.scorciatoia).split(QLatin1Char(';')))
                tasti.push_back(QKeySequence(t));
            a->setShortcuts(tasti);
            for (const QKeySequence& k : tasti) scorciatoie_.push_back(k);
        }
        a->setEnabled(!v.disabilitata);
        connect(a, &QAction::triggered, this, [this, nome] { clic(nome); });
        if (v.livello == 0)
            menuBar()->addAction(a);
        else
            aperti.back()->addAction(a);
    }
}

// An empty list disables the submenu rather than showing an entry that says so.
void FinestraPrincipale::mostrarecenti() {
    const std::vector<std::string>& elenco = archivio_->recenti().elenco();
    const std::vector<std::string> voci = archivio_->recenti().voci();
    for (size_t i = 0; i < Recenti::MASSIMO; ++i) {
        QAction* a = findChild<QAction*>(QStringLiteral("mnuFileRecente%1").arg(i + 1));
        const bool c = i < voci.size();
        a->setText(c ? QString::fromStdString(voci[i]) : QString());
        a->setToolTip(c ? QString::fromStdString(elenco[i]) : QString());
        a->setStatusTip(a->toolTip());
        a->setVisible(c);
        a->setEnabled(c);
    }
    auto* menu = findChild<QMenu*>(QStringLiteral("mnuFileRecenti"));
    menu->setToolTipsVisible(true);  // the whole path of each
    menu->menuAction()->setEnabled(!voci.empty());
}

}  // namespace vask
