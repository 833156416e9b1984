// The main window as the user meets it: every control and menu entry by its
// name, caption, tooltip and shortcut, and the control states mirrored from the core.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleFactory>
#include <QtTest>

#include "app/areagrafica.h"
#include "app/finestraprincipale.h"
#include "copione.h"

using namespace vask;

namespace {

struct Atteso {
    const char* nome;
    const char* tipo;  // "btn", "lbl", "txt"
    const char* didascalia;
    const char* suggerimento;
};

// The window as designed, written out independently of the program's tables.
const Atteso CONTROLLI[] = {
    {"btnDisegna", "btn", "Diseg", "Modalità disegno"},
    {"btnSeleziona", "btn", "Selez", "Modalità seleziona"},
    {"btnRettangolo", "btn", "Rett.", "Rettangolo"},
    {"btnTriangolo", "btn", "Trian.", "Triangolo"},
    {"btnCerchio", "btn", "Cerch.", "Cerchio"},
    {"btnLinea", "btn", "Linea", "Linea per la chiusura"},
    {"btnSposta", "btn", "Sposta", "Sposta"},
    {"btnCancella", "btn", "Canc.", "Cancella"},
    {"btnModifica", "btn", "Modif.", "Modifica alcune proprietà"},
    {"btnEsegui", "btn", "Eseg", "Calcolo della sezione"},
    {"btnNoccioloCentrale", "btn", "Vask.", "Nocciolo centrale di inerzia"},
    {"btnEllisseCentrale", "btn", "Ellisse", "Ellisse centrale di inerzia"},
    {"btnRigenera", "btn", "Rigen.", "Rigenera il disegno"},
    {"btnZoomPiu", "btn", "Zoom+", "Zoom in"},
    {"BtnZoomMeno", "btn", "Zoom-", "Zoom out"},
    {"btnPan", "btn", "Pan", "Pan dinamico"},
    {"btnPanSu", "btn", "", "Pan Statico"},
    {"btnPanGiu", "btn", "", ""},
    {"btnPanSinistra", "btn", "", ""},
    {"Command4", "btn", "", ""},
    {"btnGriglia", "btn", "Griglia", "Griglia"},
    {"btnSnap", "btn", "Snap", "Snap a griglia"},
    {"btnOsnap", "btn", "Osnap", "Snap ad oggetto"},
    {"btnLineeGuida", "btn", "Guide", "Linee guida"},
    {"txtPassoGriglia", "txt", "1", "Passo per griglia e snap"},
    {"lblDensita", "lbl", "Densità =", "Peso relativo di un elemento rispetto agli altri"},
    {"txtDensita", "txt", "1", ""},
    {"lblRaggio", "lbl", "Raggio =", "Raggio dell' elemento cerchio"},
    {"txtRaggio", "txt", "1", ""},
    {"lblDensitàAttuale", "lbl", "", "Densità dell' ultimo elemento selezionato"},
    {"lblRaggioAttuale", "lbl", "", "Raggio dell' ultimo cerchio selezionato"},
    {"lblContatore", "lbl", "0", "Contatore e indice di elemento"},
    {"lblPrimoPuntoX", "lbl", "x1", "Ascissa del primo punto"},
    {"lblPrimoPuntoY", "lbl", "y1", "Ordinata del primo punto"},
    {"lblSecondoPuntoX", "lbl", "x2", "Ascissa del secondo punto"},
    {"lblSecondoPuntoY", "lbl", "y2", "Ordinata del secondo punto"},
    {"lblTerzoPuntoX", "lbl", "x3", "Ascissa del terzo punto"},
    {"lblTerzoPuntoY", "lbl", "y3", "Ordinata del terzo punto"},
    {"lblOriginex", "lbl", "0", ""},
    {"lbl2x", "lbl", "2", ""},
    {"lbl4x", "lbl", "4", ""},
    {"lbl6x", "lbl", "6", ""},
    {"lbl8x", "lbl", "8", ""},
    {"lbl10x", "lbl", "10", ""},
    {"lbl12x", "lbl", "12", ""},
    {"lbl14x", "lbl", "14", ""},
    {"lbl16x", "lbl", "16", ""},
    {"lbl18x", "lbl", "18", ""},
    {"lbl20x", "lbl", "20", ""},
    {"lblOriginey", "lbl", "0", ""},
    {"lbl2y", "lbl", "2", ""},
    {"lbl4y", "lbl", "4", ""},
    {"lbl6y", "lbl", "6", ""},
    {"lbl8y", "lbl", "8", ""},
    {"lbl10y", "lbl", "10", ""},
    {"lbl12y", "lbl", "12", ""},
    {"lblAsseX", "lbl", "X", "Asse X"},
    {"lblAssey", "lbl", "Y", "Asse Y"},
    {"lblX", "lbl", "X =", "Coordinata X"},
    {"lblCoordinataX", "lbl", "", ""},
    {"lblY", "lbl", "Y =", "Coordinata Y"},
    {"lblCoordinataY", "lbl", "", ""},
    {"LabelArea", "lbl", "A =", "Area geometrica della sezione"},
    {"LabelMassa", "lbl", "M =", "Massa della sezione"},
    {"LabelXg", "lbl", "Xg =", "Ascissa del baricentro in OXY"},
    {"LabelYg", "lbl", "Yg =", "Ordinata del baricentro in OXY"},
    {"LabelIx", "lbl", "Ix =", "Momento di inerzia rispetto all'asse X"},
    {"LabelIy", "lbl", "Iy =", "Momento di inerzia rispetto all'asse Y"},
    {"LabelIxg", "lbl", "Ixg =",
     "Momento di inerzia rispetto all'asse Xg baricentrico parallelo ad X"},
    {"LabelIyg", "lbl", "Iyg =",
     "Momento di inerzia rispetto all'asse Yg baricentrico parallelo ad Y"},
    {"LabelIxy", "lbl", "Ixy =", "Prodotto di inerzia rispetto ad X ed Y"},
    {"LabelIxgyg", "lbl", "Ixgyg =",
     "Prodotto di inerzia rispetto ad Xg ed Yg baricentrici paralleli ad X e Y"},
    {"LabelIxc", "lbl", "Ixc =", "Massimo momento di inerzia centrale"},
    {"LabelIyc", "lbl", "Iyc =", "Minimo momento di inerzia centrale"},
    {"LabelRxc", "lbl", "Rxc =", "Giratore massimo centrale di inerzia (giace su Yc)"},
    {"LabelRyc", "lbl", "Ryc =", "Giratore minimo centrale di inerzia (giace su Xc)"},
    {"LabelAngoloxc", "lbl", "α°=", "Angolo in gradi, > 0 se antiorario, tra gli assi Xc e X"},
    {"lblArea", "lbl", "", ""},
    {"lblMassa", "lbl", "", ""},
    {"lblXg", "lbl", "", ""},
    {"lblYg", "lbl", "", ""},
    {"lblIx", "lbl", "", ""},
    {"lblIy", "lbl", "", ""},
    {"lblIxg", "lbl", "", ""},
    {"lblIyg", "lbl", "", ""},
    {"lblIxy", "lbl", "", ""},
    {"lblIxgyg", "lbl", "", ""},
    {"lblIxc", "lbl", "", ""},
    {"lblIyc", "lbl", "", ""},
    {"lblRxc", "lbl", "", ""},
    {"lblRyc", "lbl", "", ""},
    {"lblAngoloxc", "lbl", "", ""},
    {"lblDescrizione", "lbl",
     "Disegna: Premi i pulsanti rettangolo, triangolo o cerchio per comporre la sezione.",
     "Barra delle indicazioni"},
};

struct MenuAtteso {
    const char* nome;
    const char* didascalia;
    bool sottomenu;
    const char* scorciatoia;  // "" for none
    bool abilitato;
};

const MenuAtteso MENU[] = {
    {"mnuFile", "&File", true, "", true},
    {"mnuFileNuovo", "&Nuovo...", false, "F2", true},
    {"mnuFileApri", "&Apri...", false, "", false},
    {"mnuFileSalva", "&Salva", false, "", false},
    {"mnuFileSalvaconnome", "Sa&lva con nome...", false, "", false},
    {"mnuFileStampa", "S&tampa...", false, "", false},
    {"mnuStrumenti", "Str&umenti", true, "", true},
    {"mnuStrumentiSnap", "&Snap", true, "", true},
    {"mnuStrumentiSnapGriglia", "&Griglia", false, "F3", true},
    {"mnuStrumentiSnapOggetto", "&Oggetto", false, "F5", true},
    {"mnuStrumentiSnapToglisnap", "&Togli snap", false, "F4", true},
    {"mnuStrumentiSnapTogliOsnap", "&Togli osnap", false, "F6", true},
    {"mnuStrumentiDisegno", "&Disegno", true, "", true},
    {"mnuStrumentiRettangolo", "&Rettangolo", false, "Ctrl+R", true},
    {"mnuStrumentiTriangolo", "&Triangolo", false, "Ctrl+T", true},
    {"mnuStrumentiCerchio", "&Cerchio", false, "Ctrl+C", true},
    {"mnuStrumentiLinea", "&Linea", false, "Ctrl+L", true},
    {"mnuStrumentiDistanza", "Distanza", false, "Ctrl+D", true},
    {"mnuModifica", "&Seleziona", true, "", true},
    {"mnuModificaRettangolo", "&Rettangolo", false, "", true},
    {"mnuModificaTriangolo", "&Triangolo", false, "", true},
    {"mnuModificaCerchio", "&Cerchio", false, "", true},
    {"mnuModificaLinea", "&Linea", false, "", true},
    {"mnuVisualizza", "&Visualizza", true, "", true},
    {"mnuVisualizzaRigenera", "Ri&genera", false, "", true},
    {"mnuVisualizzaPan", "Pan", false, "", true},
    {"mnuVisualizzaZoom", "&Zoom", true, "", true},
    {"mnuVisualizzaZoomPiu", "&Piu +", false, "F7", true},
    {"mnuVisualizzaZoomMeno", "&Meno -", false, "F8", true},
    {"mnuVisualizzaRisultati", "&Risultati", false, "", true},
    {"mnuPreferenze", "&Preferenze", true, "", true},
    {"mnuPreferenzeColori", "&Colori", true, "", true},
    {"mnuPreferenzeColoriSfondo", "&Sfondo", true, "", true},
    {"mnuPreferenzeSfondoBianco", "&Bianco", false, "", true},
    {"mnuPreferenzeSfondoNero", "&Nero", false, "", true},
    {"mnuPreferenzeSfondoGrigio", "&Grigio", false, "", true},
    {"mnuPreferenzeGriglia", "&Griglia", true, "", true},
    {"mnuPreferenzeGrigliaBianco", "&Bianco", false, "", true},
    {"mnuPreferenzeGrigliaNero", "&Nero", false, "", true},
    {"mnuPreferenzeGrigliaGrigio", "&Grigio", false, "", true},
    {"mnuPreferenzeGrigliaRosso", "&Rosso", false, "", true},
    {"mnuPreferenzeGrigliaGiallo", "&Giallo", false, "", true},
    {"mnuPreferenzeColoriSezione", "&Sezione", true, "", true},
    {"mnuPreferenzeSezioneBianco", "&Bianco", false, "", true},
    {"mnuPreferenzeSezioneNero", "&Nero", false, "", true},
    {"mnuPreferenzeSezioneGrigio", "&Grigio", false, "", true},
    {"mnuPreferenzeSezioneRosso", "&Rosso", false, "", true},
    {"mnuPreferenzeSezioneGiallo", "&Giallo", false, "", true},
    {"mnuPreferenzeColoriLinea", "&Linea", true, "", true},
    {"mnuPreferenzeLineaBianco", "&Bianco", false, "", true},
    {"mnuPreferenzeLineaNero", "&Nero", false, "", true},
    {"mnuPreferenzeLineaVerde", "&Verde", false, "", true},
    {"mnuPreferenzeLineaRosso", "&Rosso", false, "", true},
    {"mnuPreferenzeLineaBlu", "&Blu", false, "", true},
    {"mnuPreferenzeSpessori", "Spessori", true, "", true},
    {"mnuPreferenzeSpessori1", "1", false, "", true},
    {"mnuPreferenzeSpessori2", "2", false, "", true},
    {"mnuGuida", "&Guida", false, "", true},
    {"mnuInfo", "&Informazioni", false, "", true},
};

// Where a menu or entry hangs: the title path from the menu bar.
QStringList percorso(QAction* a, QMenuBar* barra) {
    QStringList p;
    for (QObject* o = a; o;) {
        QAction* corrente = qobject_cast<QAction*>(o);
        if (!corrente) break;
        p.prepend(corrente->text());
        QObject* su = nullptr;
        for (QObject* w : corrente->associatedObjects()) {
            if (auto* m = qobject_cast<QMenu*>(w)) {
                su = m->menuAction();
                break;
            }
            if (w == barra) return p;
        }
        o = su;
    }
    return p;
}

QColor bottone(QWidget* w) { return w->palette().color(QPalette::Button); }

}  // namespace

class ControlliTest : public QObject {
    Q_OBJECT
    Copione copione;
    FinestraPrincipale* f = nullptr;

    template <class T>
    T* trova(const char* nome) {
        return f->findChild<T*>(QString::fromUtf8(nome));
    }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }
    void init() { f = new FinestraPrincipale(&copione); }
    void cleanup() {
        delete f;
        f = nullptr;
        copione.domande.clear();
    }

    void la_finestra_si_chiama_FrmVask_2_e_porta_il_titolo_del_programma() {
        QCOMPARE(f->objectName(), QString("FrmVask_2"));
        QVERIFY(f->windowTitle().startsWith("Vask_2 cad"));
    }

    void ogni_controllo_ha_il_suo_widget_con_didascalia_e_suggerimento() {
        for (const Atteso& a : CONTROLLI) {
            const QString nome = QString::fromUtf8(a.nome);
            QWidget* w = trova<QWidget>(a.nome);
            QVERIFY2(w, qPrintable("manca " + nome));
            QString testo;
            if (!strcmp(a.tipo, "btn")) {
                auto* b = qobject_cast<QPushButton*>(w);
                QVERIFY2(b, qPrintable(nome + " non è un pulsante"));
                testo = b->text();
            } else if (!strcmp(a.tipo, "txt")) {
                auto* t = qobject_cast<QLineEdit*>(w);
                QVERIFY2(t, qPrintable(nome + " non è una casella di testo"));
                testo = t->text();
            } else {
                auto* l = qobject_cast<QLabel*>(w);
                QVERIFY2(l, qPrintable(nome + " non è un'etichetta"));
                testo = l->text();
            }
            QCOMPARE(testo, QString::fromUtf8(a.didascalia));
            QCOMPARE(w->toolTip(), QString::fromUtf8(a.suggerimento));
            QVERIFY2(w->isEnabled(), qPrintable(nome));
        }
        QVERIFY(trova<AreaGrafica>("picAreagrafica"));
        for (const char* l : {"Line1", "Line3", "Line4", "Line5"}) {
            auto* linea = trova<QFrame>(l);
            QVERIFY2(linea, l);
            QCOMPARE(linea->frameShape(), QFrame::HLine);
        }
    }

    void ogni_controllo_del_nucleo_ha_un_widget_con_il_suo_nome() {
        for (const std::string& nome : f->nucleo().ctl.nomi())
            QVERIFY2(f->findChild<QWidget*>(QString::fromStdString(nome)), nome.c_str());
    }

    void ogni_voce_di_menu_ha_nome_didascalia_posto_e_scorciatoia() {
        QMenuBar* barra = f->menuBar();
        // Parent chain expected from the levels of the designed tree.
        QStringList aperti;
        const QStringList livelli = {"mnuFile", "mnuStrumenti", "mnuModifica", "mnuVisualizza",
                                     "mnuPreferenze", "mnuGuida", "mnuInfo"};
        for (const MenuAtteso& m : MENU) {
            const QString nome = QString::fromUtf8(m.nome);
            QAction* a = nullptr;
            if (m.sottomenu) {
                QMenu* menu = trova<QMenu>(m.nome);
                QVERIFY2(menu, qPrintable("manca il menu " + nome));
                QCOMPARE(menu->title(), QString::fromUtf8(m.didascalia));
                a = menu->menuAction();
            } else {
                a = trova<QAction>(m.nome);
                QVERIFY2(a, qPrintable("manca la voce " + nome));
                QCOMPARE(a->text(), QString::fromUtf8(m.didascalia));
                QVERIFY2(!a->menu(), qPrintable(nome));
            }
            QCOMPARE(a->shortcut(), QKeySequence(QString::fromUtf8(m.scorciatoia)));
            QCOMPARE(a->isEnabled(), m.abilitato);
            // Top-level entries sit in the menu bar itself.
            if (livelli.contains(nome))
                QVERIFY2(barra->actions().contains(a), qPrintable(nome + " non è nella barra"));
        }
    }

    void le_voci_stanno_sotto_i_menu_giusti() {
        QMenuBar* barra = f->menuBar();
        auto sotto = [&](const char* voce) {
            return percorso(trova<QAction>(voce), barra).join(" > ");
        };
        QCOMPARE(sotto("mnuFileNuovo"), QString("&File > &Nuovo..."));
        QCOMPARE(sotto("mnuStrumentiSnapTogliOsnap"), QString("Str&umenti > &Snap > &Togli osnap"));
        QCOMPARE(sotto("mnuStrumentiCerchio"), QString("Str&umenti > &Disegno > &Cerchio"));
        QCOMPARE(sotto("mnuStrumentiDistanza"), QString("Str&umenti > Distanza"));
        QCOMPARE(sotto("mnuModificaLinea"), QString("&Seleziona > &Linea"));
        QCOMPARE(sotto("mnuVisualizzaZoomMeno"), QString("&Visualizza > &Zoom > &Meno -"));
        QCOMPARE(sotto("mnuPreferenzeGrigliaGiallo"),
                 QString("&Preferenze > &Colori > &Griglia > &Giallo"));
        QCOMPARE(sotto("mnuPreferenzeLineaBlu"), QString("&Preferenze > &Colori > &Linea > &Blu"));
        QCOMPARE(sotto("mnuPreferenzeSpessori2"), QString("&Preferenze > Spessori > 2"));
        QCOMPARE(sotto("mnuGuida"), QString("&Guida"));
        QCOMPARE(sotto("mnuInfo"), QString("&Informazioni"));
    }

    void le_facce_dei_pulsanti_seguono_i_colori_del_nucleo() {
        auto* disegna = trova<QPushButton>("btnDisegna");
        auto* seleziona = trova<QPushButton>("btnSeleziona");
        QCOMPARE(bottone(disegna), QColor(255, 255, 0));
        QCOMPARE(bottone(trova<QPushButton>("btnZoomPiu")), QColor(0, 255, 0));
        QCOMPARE(bottone(trova<QPushButton>("btnPanSu")), QColor(0, 128, 0));
        QCOMPARE(bottone(trova<QPushButton>("btnPanGiu")), QColor(255, 0, 0));
        // The button face is the platform's own: no palette of ours.
        QVERIFY(!seleziona->testAttribute(Qt::WA_SetPalette));
        QCOMPARE(bottone(seleziona), QApplication::palette(seleziona).color(QPalette::Button));

        f->nucleo().ctl.sfondo("btnDisegna", FACCIA);
        f->nucleo().ctl.sfondo("btnSeleziona", GIALLO);
        f->sincronizza();
        QCOMPARE(bottone(seleziona), QColor(255, 255, 0));
        QVERIFY(!disegna->testAttribute(Qt::WA_SetPalette));
        QCOMPARE(bottone(disegna), QApplication::palette(disegna).color(QPalette::Button));
    }

    void la_lettura_si_colora_sul_bersaglio_dello_snap_e_torna_normale() {
        auto* x = trova<QLabel>("lblCoordinataX");
        auto* y = trova<QLabel>("lblCoordinataY");
        f->nucleo().ctl.sfondo("lblCoordinataX", CIANO);
        f->nucleo().ctl.sfondo("lblCoordinataY", ROSSO);
        f->sincronizza();
        QVERIFY(x->autoFillBackground());
        QCOMPARE(x->palette().color(QPalette::Window), QColor(0, 255, 255));
        QCOMPARE(y->palette().color(QPalette::Window), QColor(255, 0, 0));
        f->nucleo().ctl.sfondo("lblCoordinataX", FACCIA);
        f->nucleo().ctl.sfondo("lblCoordinataY", FACCIA);
        f->sincronizza();
        QVERIFY(!x->autoFillBackground());
        QVERIFY(!y->autoFillBackground());
    }

    void didascalie_suggerimenti_e_abilitazione_seguono_il_nucleo() {
        Controlli& c = f->nucleo().ctl;
        c.testo("lblArea", "12,5");
        c["btnEsegui"].abilitato = false;
        c["txtRaggio"].abilitato = false;
        c["lblContatore"].suggerimento = "altro";
        f->sincronizza();
        QCOMPARE(trova<QLabel>("lblArea")->text(), QString("12,5"));
        QVERIFY(!trova<QPushButton>("btnEsegui")->isEnabled());
        QVERIFY(!trova<QLineEdit>("txtRaggio")->isEnabled());
        QCOMPARE(trova<QLabel>("lblContatore")->toolTip(), QString("altro"));
    }

    void una_didascalia_in_simboli_mostra_le_lettere_greche() {
        QCOMPARE(FinestraPrincipale::simbolo("a°="), QString("α°="));
        QCOMPARE(FinestraPrincipale::simbolo("b 12"), QString("β 12"));
        f->nucleo().ctl["lblAngoloxc"].simbolo = true;
        f->nucleo().ctl.testo("lblAngoloxc", "a");
        f->sincronizza();
        QCOMPARE(trova<QLabel>("lblAngoloxc")->text(), QString("α"));
    }

    void scrivere_in_una_casella_arriva_al_nucleo_senza_spostare_il_cursore() {
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        auto* raggio = trova<QLineEdit>("txtRaggio");
        raggio->setFocus();
        raggio->selectAll();
        QTest::keyClicks(raggio, "2.75");
        QCOMPARE(f->nucleo().ctl.testo("txtRaggio"), std::string("2.75"));
        // Typing in the middle: the mirrored text must not throw the cursor to the end.
        raggio->setCursorPosition(1);
        QTest::keyClick(raggio, Qt::Key_1);
        QCOMPARE(f->nucleo().ctl.testo("txtRaggio"), std::string("21.75"));
        QCOMPARE(raggio->text(), QString("21.75"));
        QCOMPARE(raggio->cursorPosition(), 2);
    }

    void passare_su_una_didascalia_y_ne_mostra_il_testo_come_suggerimento() {
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        f->nucleo().ctl.testo("lbl12y", "12,34567");
        f->sincronizza();
        auto* l = trova<QLabel>("lbl12y");
        QCOMPARE(l->toolTip(), QString());
        QMouseEvent mossa(QEvent::MouseMove, QPointF(2, 2), l->mapToGlobal(QPointF(2, 2)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(l, &mossa);
        QTRY_COMPARE(l->toolTip(), QString("12,34567"));
        // The x captions have no such behaviour.
        f->nucleo().ctl.testo("lbl20x", "20,5");
        f->sincronizza();
        auto* x = trova<QLabel>("lbl20x");
        QMouseEvent sux(QEvent::MouseMove, QPointF(2, 2), x->mapToGlobal(QPointF(2, 2)),
                        Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(x, &sux);
        QCOMPARE(x->toolTip(), QString());
    }

    void il_puntatore_dell_area_segue_la_forma_chiesta_dal_nucleo() {
        AreaGrafica* area = f->area();
        QCOMPARE(area->cursor().shape(), Qt::CrossCursor);
        const std::pair<Puntatore, Qt::CursorShape> forme[] = {
            {Puntatore::Freccia, Qt::ArrowCursor},  {Puntatore::FrecciaSu, Qt::UpArrowCursor},
            {Puntatore::Sposta, Qt::SizeAllCursor}, {Puntatore::Divieto, Qt::ForbiddenCursor},
            {Puntatore::Croce, Qt::CrossCursor},
        };
        for (auto [forma, cursore] : forme) {
            f->nucleo().puntatore = forma;
            f->sincronizza();
            QCOMPARE(area->cursor().shape(), cursore);
        }
    }
};

QTEST_MAIN(ControlliTest)
#include "controlli_test.moc"
