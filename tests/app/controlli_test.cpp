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

    void le_scorciatoie_e_le_voci_spente_sono_quelle_del_progetto() {
        const std::pair<const char*, const char*> scorciatoie[] = {
            {"mnuFileNuovo", "F2"},           {"mnuStrumentiSnapGriglia", "F3"},
            {"mnuStrumentiSnapToglisnap", "F4"}, {"mnuStrumentiSnapOggetto", "F5"},
            {"mnuStrumentiSnapTogliOsnap", "F6"}, {"mnuVisualizzaZoomPiu", "F7"},
            {"mnuVisualizzaZoomMeno", "F8"},  {"mnuStrumentiRettangolo", "Ctrl+R"},
            {"mnuStrumentiTriangolo", "Ctrl+T"}, {"mnuStrumentiCerchio", "Ctrl+C"},
            {"mnuStrumentiLinea", "Ctrl+L"},  {"mnuStrumentiDistanza", "Ctrl+D"},
        };
        for (auto [voce, tasto] : scorciatoie)
            QCOMPARE(trova<QAction>(voce)->shortcut(), QKeySequence(QString::fromUtf8(tasto)));
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
        const auto sopra = [](QWidget* w) {
            QMouseEvent mossa(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &mossa);
        };
        sopra(l);
        QTRY_COMPARE(l->toolTip(), QString("12,34567"));
        // The x captions and the text boxes keep their own tooltips.
        f->nucleo().ctl.testo("lbl20x", "20,5");
        f->sincronizza();
        auto* x = trova<QLabel>("lbl20x");
        sopra(x);
        QCOMPARE(x->toolTip(), QString());
        auto* passo = trova<QLineEdit>("txtPassoGriglia");
        QTest::keyClicks(passo, "5");
        sopra(passo);
        QCOMPARE(passo->toolTip(), QString("Passo per griglia e snap"));
        auto* densita = trova<QLineEdit>("txtDensita");
        QTest::keyClicks(densita, "7");
        sopra(densita);
        QCOMPARE(densita->toolTip(), QString());
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
