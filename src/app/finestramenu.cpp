// The menu bar from one table: entries, submenus and shortcuts.
#include "app/finestraprincipale.h"

#include <QAction>
#include <QCoreApplication>
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
    {0, "mnuFile", QT_TRANSLATE_NOOP("Menu", "&File"), nullptr, false},
    {1, "mnuFileNuovo", QT_TRANSLATE_NOOP("Menu", "&Nuovo..."), "F2", false},
    {1, "mnuFileApri", QT_TRANSLATE_NOOP("Menu", "&Apri..."), "Ctrl+O", false},
    // Named and shown by mostrarecenti(), as the list has them.
    {1, "mnuFileRecenti", QT_TRANSLATE_NOOP("Menu", "File &recenti"), nullptr, false},
    {2, "mnuFileRecente1", QT_TRANSLATE_NOOP("Menu", ""), nullptr, true},
    {2, "mnuFileRecente2", QT_TRANSLATE_NOOP("Menu", ""), nullptr, true},
    {2, "mnuFileRecente3", QT_TRANSLATE_NOOP("Menu", ""), nullptr, true},
    {2, "mnuFileRecente4", QT_TRANSLATE_NOOP("Menu", ""), nullptr, true},
    {2, "mnuFileRecente5", QT_TRANSLATE_NOOP("Menu", ""), nullptr, true},
    {1, "mnuFileSalva", QT_TRANSLATE_NOOP("Menu", "&Salva"), "Ctrl+S", false},
    {1, "mnuFileSalvaconnome", QT_TRANSLATE_NOOP("Menu", "Sa&lva con nome..."), "Ctrl+Shift+S", false},
    {1, "mnuFileStampa", QT_TRANSLATE_NOOP("Menu", "S&tampa..."), "Ctrl+P", false},
    {1, "mnuFileEsporta", QT_TRANSLATE_NOOP("Menu", "Es&porta immagine..."), nullptr, false},
    {1, "mnuFileEsci", QT_TRANSLATE_NOOP("Menu", "&Esci"), "Ctrl+Q", false},
    {0, "mnuEdita", QT_TRANSLATE_NOOP("Menu", "&Modifica"), nullptr, false},
    {1, "mnuEditaAnnulla", QT_TRANSLATE_NOOP("Menu", "&Annulla"), "Ctrl+Z", false},
    {1, "mnuEditaRipeti", QT_TRANSLATE_NOOP("Menu", "&Ripeti"), "Ctrl+Y;Ctrl+Shift+Z", false},
    {1, "mnuEditaCopiaRisultati", QT_TRANSLATE_NOOP("Menu", "&Copia risultati"), "Ctrl+Shift+C", false},
    {0, "mnuStrumenti", QT_TRANSLATE_NOOP("Menu", "Str&umenti"), nullptr, false},
    {1, "mnuStrumentiSnap", QT_TRANSLATE_NOOP("Menu", "&Snap"), nullptr, false},
    {2, "mnuStrumentiSnapGriglia", QT_TRANSLATE_NOOP("Menu", "&Griglia"), "F3", false},
    {2, "mnuStrumentiSnapOggetto", QT_TRANSLATE_NOOP("Menu", "&Oggetto"), "F5", false},
    {2, "mnuStrumentiSnapToglisnap", QT_TRANSLATE_NOOP("Menu", "&Togli snap"), "F4", false},
    {2, "mnuStrumentiSnapTogliOsnap", QT_TRANSLATE_NOOP("Menu", "&Togli osnap"), "F6", false},
    {1, "mnuStrumentiDisegno", QT_TRANSLATE_NOOP("Menu", "&Disegno"), nullptr, false},
    {2, "mnuStrumentiRettangolo", QT_TRANSLATE_NOOP("Menu", "&Rettangolo"), "Ctrl+R", false},
    {2, "mnuStrumentiTriangolo", QT_TRANSLATE_NOOP("Menu", "&Triangolo"), "Ctrl+T", false},
    {2, "mnuStrumentiCerchio", QT_TRANSLATE_NOOP("Menu", "&Cerchio"), "Ctrl+C", false},
    {2, "mnuStrumentiLinea", QT_TRANSLATE_NOOP("Menu", "&Linea"), "Ctrl+L", false},
    {1, "mnuStrumentiDistanza", QT_TRANSLATE_NOOP("Menu", "Distanza"), "Ctrl+D", false},
    {1, "mnuStrumentiCarico", QT_TRANSLATE_NOOP("Menu", "&Carico"), "Ctrl+K", false},
    {0, "mnuModifica", QT_TRANSLATE_NOOP("Menu", "&Seleziona"), nullptr, false},
    {1, "mnuModificaRettangolo", QT_TRANSLATE_NOOP("Menu", "&Rettangolo"), nullptr, false},
    {1, "mnuModificaTriangolo", QT_TRANSLATE_NOOP("Menu", "&Triangolo"), nullptr, false},
    {1, "mnuModificaCerchio", QT_TRANSLATE_NOOP("Menu", "&Cerchio"), nullptr, false},
    {1, "mnuModificaLinea", QT_TRANSLATE_NOOP("Menu", "&Linea"), nullptr, false},
    {0, "mnuVisualizza", QT_TRANSLATE_NOOP("Menu", "&Visualizza"), nullptr, false},
    {1, "mnuVisualizzaRigenera", QT_TRANSLATE_NOOP("Menu", "Ri&genera"), nullptr, false},
    {1, "mnuVisualizzaPan", QT_TRANSLATE_NOOP("Menu", "Pan"), nullptr, false},
    {1, "mnuVisualizzaZoom", QT_TRANSLATE_NOOP("Menu", "&Zoom"), nullptr, false},
    {2, "mnuVisualizzaZoomPiu", QT_TRANSLATE_NOOP("Menu", "&Piu +"), "F7", false},
    {2, "mnuVisualizzaZoomMeno", QT_TRANSLATE_NOOP("Menu", "&Meno -"), "F8", false},
    {2, "mnuVisualizzaZoomEstensioni", QT_TRANSLATE_NOOP("Menu", "Zoom &estensioni"), "F9", false},
    {1, "mnuVisualizzaRisultati", QT_TRANSLATE_NOOP("Menu", "&Risultati"), nullptr, false},
    {1, "mnuVisualizzaTabella", QT_TRANSLATE_NOOP("Menu", "&Tabella elementi..."), "F11", false},
    {1, "mnuVisualizzaRelazione", QT_TRANSLATE_NOOP("Menu", "Relazione di &calcolo..."), "F10", false},
    {1, "mnuVisualizzaMohr", QT_TRANSLATE_NOOP("Menu", "Cerchio di &Mohr..."), nullptr, false},
    {0, "mnuPreferenze", QT_TRANSLATE_NOOP("Menu", "&Preferenze"), nullptr, false},
    {1, "mnuPreferenzeColori", QT_TRANSLATE_NOOP("Menu", "&Colori"), nullptr, false},
    {2, "mnuPreferenzeColoriSfondo", QT_TRANSLATE_NOOP("Menu", "&Sfondo"), nullptr, false},
    {3, "mnuPreferenzeSfondoBianco", QT_TRANSLATE_NOOP("Menu", "&Bianco"), nullptr, false},
    {3, "mnuPreferenzeSfondoNero", QT_TRANSLATE_NOOP("Menu", "&Nero"), nullptr, false},
    {3, "mnuPreferenzeSfondoGrigio", QT_TRANSLATE_NOOP("Menu", "&Grigio"), nullptr, false},
    {2, "mnuPreferenzeGriglia", QT_TRANSLATE_NOOP("Menu", "&Griglia"), nullptr, false},
    {3, "mnuPreferenzeGrigliaBianco", QT_TRANSLATE_NOOP("Menu", "&Bianco"), nullptr, false},
    {3, "mnuPreferenzeGrigliaNero", QT_TRANSLATE_NOOP("Menu", "&Nero"), nullptr, false},
    {3, "mnuPreferenzeGrigliaGrigio", QT_TRANSLATE_NOOP("Menu", "&Grigio"), nullptr, false},
    {3, "mnuPreferenzeGrigliaRosso", QT_TRANSLATE_NOOP("Menu", "&Rosso"), nullptr, false},
    {3, "mnuPreferenzeGrigliaGiallo", QT_TRANSLATE_NOOP("Menu", "&Giallo"), nullptr, false},
    {2, "mnuPreferenzeColoriSezione", QT_TRANSLATE_NOOP("Menu", "&Sezione"), nullptr, false},
    {3, "mnuPreferenzeSezioneBianco", QT_TRANSLATE_NOOP("Menu", "&Bianco"), nullptr, false},
    {3, "mnuPreferenzeSezioneNero", QT_TRANSLATE_NOOP("Menu", "&Nero"), nullptr, false},
    {3, "mnuPreferenzeSezioneGrigio", QT_TRANSLATE_NOOP("Menu", "&Grigio"), nullptr, false},
    {3, "mnuPreferenzeSezioneRosso", QT_TRANSLATE_NOOP("Menu", "&Rosso"), nullptr, false},
    {3, "mnuPreferenzeSezioneGiallo", QT_TRANSLATE_NOOP("Menu", "&Giallo"), nullptr, false},
    {2, "mnuPreferenzeColoriLinea", QT_TRANSLATE_NOOP("Menu", "&Linea"), nullptr, false},
    {3, "mnuPreferenzeLineaBianco", QT_TRANSLATE_NOOP("Menu", "&Bianco"), nullptr, false},
    {3, "mnuPreferenzeLineaNero", QT_TRANSLATE_NOOP("Menu", "&Nero"), nullptr, false},
    {3, "mnuPreferenzeLineaVerde", QT_TRANSLATE_NOOP("Menu", "&Verde"), nullptr, false},
    {3, "mnuPreferenzeLineaRosso", QT_TRANSLATE_NOOP("Menu", "&Rosso"), nullptr, false},
    {3, "mnuPreferenzeLineaBlu", QT_TRANSLATE_NOOP("Menu", "&Blu"), nullptr, false},
    {1, "mnuPreferenzeSpessori", QT_TRANSLATE_NOOP("Menu", "Spessori"), nullptr, false},
    {2, "mnuPreferenzeSpessori1", QT_TRANSLATE_NOOP("Menu", "1"), nullptr, false},
    {2, "mnuPreferenzeSpessori2", QT_TRANSLATE_NOOP("Menu", "2"), nullptr, false},
    {1, "mnuPreferenzeLingua", QT_TRANSLATE_NOOP("Menu", "&Lingua"), nullptr, false},
    {2, "mnuPreferenzeLinguaItaliano", "&Italiano", nullptr, false},
    {2, "mnuPreferenzeLinguaInglese", "&English", nullptr, false},
    {0, "mnuGuida", QT_TRANSLATE_NOOP("Menu", "&Guida"), "F1", false},
    {0, "mnuInfo", QT_TRANSLATE_NOOP("Menu", "&Informazioni"), nullptr, false},
};

}  // namespace

void FinestraPrincipale::ritraducimenu() {
    for (const VoceMenu& v : MENU) {
        const QString testo = QCoreApplication::translate("Menu", v.titolo);
        if (auto* m = findChild<QMenu*>(QString::fromUtf8(v.nome)))
            m->setTitle(testo);
        else if (auto* a = findChild<QAction*>(QString::fromUtf8(v.nome)))
            a->setText(testo);
    }
}

void FinestraPrincipale::costruiscimenu() {
    std::vector<QMenu*> aperti;  // the open submenu of each level
    const int n = int(sizeof MENU / sizeof MENU[0]);
    for (int i = 0; i < n; ++i) {
        const VoceMenu& v = MENU[i];
        const QString nome = QString::fromUtf8(v.nome);
        const QString titolo = QCoreApplication::translate("Menu", v.titolo);
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
