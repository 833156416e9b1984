// What only the Qt shell does: widgets mirroring the core, keys and menu
// entries, the layout of the window and of the drawing area, message boxes,
// the start window.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <cmath>

#include "app/areagrafica.h"
#include "app/finestraprincipale.h"
#include "app/messaggiqt.h"
#include "app/splash.h"
#include "copione.h"
#include "model/numeri.h"

using namespace vask;

namespace {

QColor bottone(QWidget* w) { return w->palette().color(QPalette::Button); }

void passa(QWidget* w, QPointF p = QPointF(2, 2)) {
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Answers the next modal message box with `premi`, noting what it showed.
struct Visto {
    QString titolo, testo, si;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QMessageBox::StandardButtons pulsanti;
};
void rispondi(Visto& visto, QMessageBox::StandardButton premi) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, &visto, premi] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        timer->deleteLater();
        timer->stop();
        visto = {box->windowTitle(), box->text(), box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes)->text() : "",
                 box->icon(), box->standardButtons()};
        box->button(premi)->click();
    });
    timer->start(10);
}

QString descrivi(QWidget* w, QWidget* rif) {
    const QRect r(w->mapTo(rif, QPoint()), w->size());
    return QString("%1 %2,%3 %4x%5").arg(w->objectName()).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

class FinestraQtTest : public QObject {
    Q_OBJECT
    Copione copione;
    FinestraPrincipale* f = nullptr;
    QFont normale;

    template <class T>
    T* trova(const char* nome) {
        return f->findChild<T*>(QString::fromUtf8(nome));
    }
    void mostra() {
        f->show();
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
    }

private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        normale = QApplication::font();
    }
    void init() {
        copione.domande.clear();
        copione.risposte.clear();
        f = new FinestraPrincipale(&copione);
    }
    void cleanup() {
        delete f;
        f = nullptr;
        impostaseparatore('.');
        QApplication::setFont(normale);
    }

    void i_controlli_seguono_gli_stati_del_nucleo() {
        QCOMPARE(f->objectName(), QString("FrmVask_2"));
        auto* disegna = trova<QPushButton>("btnDisegna");
        auto* seleziona = trova<QPushButton>("btnSeleziona");
        QCOMPARE(bottone(disegna), QColor(255, 255, 0));
        QCOMPARE(bottone(trova<QPushButton>("btnPanSu")), QColor(0, 128, 0));
        QCOMPARE(bottone(trova<QPushButton>("btnPanGiu")), QColor(255, 0, 0));
        // The button face is the platform's own: no palette of ours.
        QVERIFY(!seleziona->testAttribute(Qt::WA_SetPalette));
        Controlli& c = f->nucleo().ctl;
        c.sfondo("btnDisegna", FACCIA);
        c.sfondo("btnSeleziona", GIALLO);
        c.sfondo("lblCoordinataX", CIANO);
        c.testo("lblArea", "12,5");
        c["btnEsegui"].abilitato = c["txtRaggio"].abilitato = false;
        c["lblContatore"].suggerimento = "altro";
        c["lblAngoloxc"].simbolo = true;
        c.testo("lblAngoloxc", "a");
        f->sincronizza();
        QCOMPARE(bottone(seleziona), QColor(255, 255, 0));
        QVERIFY(!disegna->testAttribute(Qt::WA_SetPalette));
        QCOMPARE(bottone(disegna), QApplication::palette(disegna).color(QPalette::Button));
        auto* x = trova<QLabel>("lblCoordinataX");
        QVERIFY(x->autoFillBackground());
        QCOMPARE(x->palette().color(QPalette::Window), QColor(0, 255, 255));
        QCOMPARE(trova<QLabel>("lblArea")->text(), QString("12,5"));
        QVERIFY(!trova<QPushButton>("btnEsegui")->isEnabled());
        QVERIFY(!trova<QLineEdit>("txtRaggio")->isEnabled());
        QCOMPARE(trova<QLabel>("lblContatore")->toolTip(), QString("altro"));
        QCOMPARE(trova<QLabel>("lblAngoloxc")->text(), QString("α"));
        QCOMPARE(FinestraPrincipale::simbolo("a°= B"), QString("α°= Β"));
        c.sfondo("lblCoordinataX", FACCIA);
        f->sincronizza();
        QVERIFY(!x->autoFillBackground());

        // The pointer of the area follows the core.
        AreaGrafica* area = f->area();
        QCOMPARE(area->cursor().shape(), Qt::CrossCursor);
        const std::pair<Puntatore, Qt::CursorShape> forme[] = {
            {Puntatore::Freccia, Qt::ArrowCursor},  {Puntatore::FrecciaSu, Qt::UpArrowCursor},
            {Puntatore::Sposta, Qt::SizeAllCursor}, {Puntatore::Divieto, Qt::ForbiddenCursor},
            {Puntatore::Croce, Qt::CrossCursor}};
        for (auto [forma, cursore] : forme) {
            f->nucleo().puntatore = forma;
            f->sincronizza();
            QCOMPARE(area->cursor().shape(), cursore);
        }
    }

    void le_caselle_arrivano_al_nucleo_e_solo_le_didascalie_y_mostrano_il_testo_come_suggerimento() {
        mostra();
        auto* raggio = trova<QLineEdit>("txtRaggio");
        raggio->setFocus();
        raggio->selectAll();
        QTest::keyClicks(raggio, "2.75");
        QCOMPARE(f->nucleo().ctl.testo("txtRaggio"), std::string("2.75"));
        // Typing in the middle: the mirrored text must not throw the cursor to the end.
        raggio->setCursorPosition(1);
        QTest::keyClick(raggio, Qt::Key_1);
        QCOMPARE(f->nucleo().ctl.testo("txtRaggio"), std::string("21.75"));
        QCOMPARE(raggio->cursorPosition(), 2);

        f->nucleo().ctl.testo("lbl12y", "12,34567");
        f->nucleo().ctl.testo("lbl20x", "20,5");
        f->sincronizza();
        auto* y = trova<QLabel>("lbl12y");
        QCOMPARE(y->toolTip(), QString());
        passa(y);
        QTRY_COMPARE(y->toolTip(), QString("12,34567"));
        auto* x = trova<QLabel>("lbl20x");
        passa(x);
        QCOMPARE(x->toolTip(), QString());
        auto* passo = trova<QLineEdit>("txtPassoGriglia");
        passa(passo);
        QCOMPARE(passo->toolTip(), QString("Passo per griglia e snap"));
        auto* densita = trova<QLineEdit>("txtDensita");
        passa(densita);
        QCOMPARE(densita->toolTip(), QString());
    }

    void i_tasti_raggiungono_le_voci_e_il_menu_modifica_segue_la_storia() {
        mostra();
        auto* annulla = trova<QAction>("mnuEditaAnnulla");
        auto* ripeti = trova<QAction>("mnuEditaRipeti");
        auto* copia = trova<QAction>("mnuEditaCopiaRisultati");
        QVERIFY(!annulla->isEnabled() && !ripeti->isEnabled() && !copia->isEnabled());
        FrmVask_2& n = f->nucleo();
        QTest::keyClick(f, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(n.costruzione.disegnocerchio);
        QTest::mouseClick(f->area(), Qt::LeftButton, {}, f->area()->rect().center());
        QVERIFY(annulla->isEnabled());
        QCOMPARE(annulla->statusTip(), QString("Annulla: disegna cerchio 1"));
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(n.sez.prossimocerchio, 1);
        QVERIFY(!annulla->isEnabled() && ripeti->isEnabled());
        QCOMPARE(ripeti->statusTip(), QString("Ripeti: disegna cerchio 1"));
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(n.sez.prossimocerchio, 2);
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(f, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(n.sez.prossimocerchio, 2);
        QTest::keyClick(f, Qt::Key_F7);
        QCOMPARE(n.pic.scalewidth, 10.f);

        // Copied as "caption value" lines, as a table and as HTML, in Italian.
        separatoredallalocale(QLocale(QLocale::Italian, QLocale::Italy));
        trova<QPushButton>("btnEsegui")->click();
        QVERIFY(copia->isEnabled());
        copia->trigger();
        const QMimeData* dati = QGuiApplication::clipboard()->mimeData();
        QVERIFY(dati->text().startsWith(QStringLiteral("A = 3,141593\nM = 3,141593\n")));
        QVERIFY(dati->text().contains(QStringLiteral("α°= 0")));
        QVERIFY(dati->data("text/tab-separated-values").startsWith("A =\t3,141593\n"));
        QVERIFY(dati->html().contains(QStringLiteral("<td>Ixc =</td><td>")));

        // In a text box Ctrl+C and Ctrl+L keep their menu meaning.
        auto* densita = trova<QLineEdit>("txtDensita");
        densita->setFocus();
        QTRY_VERIFY(densita->hasFocus());
        QTest::keyClick(densita, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(n.costruzione.disegnolinea);
        QTest::keyClick(densita, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(n.costruzione.disegnocerchio);
        copione.risposte = {Risposta::No};
        QTest::keyClick(f, Qt::Key_F2);
        QCOMPARE(QString::fromStdString(copione.domande.at(0).titolo), QString("Nuova sezione."));
    }

    void l_area_resta_20_per_12_con_le_didascalie_ai_bordi_e_il_mouse_in_unita_della_superficie() {
        mostra();
        AreaGrafica* area = f->area();
        for (QSize s : {QSize(900, 620), QSize(1000, 1000), QSize(1600, 700), QSize(1300, 800)}) {
            f->resize(s);
            QTRY_COMPARE(f->size(), s);
            QTRY_VERIFY2(std::abs(area->width() * 3 - area->height() * 5) <= 5,
                         qPrintable(QString("%1x%2 in %3x%4").arg(area->width()).arg(area->height()).arg(s.width()).arg(s.height())));
        }
        const QRect r = area->geometry();
        const auto centro = [&](const char* n) {
            QWidget* w = trova<QLabel>(n);
            return w->mapTo(area->parentWidget(), w->rect().center());
        };
        QVERIFY(std::abs(centro("lblOriginex").x() - r.left()) <= 2);
        QVERIFY(std::abs(centro("lbl10x").x() - (r.left() + r.width() / 2)) <= 2);
        QVERIFY(std::abs(centro("lbl20x").x() - (r.left() + r.width())) <= 2);
        QVERIFY(centro("lbl10x").y() > r.bottom());
        QVERIFY(std::abs(centro("lblOriginey").y() - (r.top() + r.height())) <= 2);
        QVERIFY(std::abs(centro("lbl6y").y() - (r.top() + r.height() / 2)) <= 2);
        QVERIFY(std::abs(centro("lbl12y").y() - r.top()) <= 2);
        QVERIFY(centro("lbl6y").x() < r.left());

        // The first and last pixels are the edges of the window.
        passa(area, QPointF(0, area->height() - 1));
        QCOMPARE(trova<QLabel>("lblCoordinataX")->text() + " " + trova<QLabel>("lblCoordinataY")->text(), QString("0 0"));
        passa(area, QPointF(area->width() - 1, 0));
        QCOMPARE(trova<QLabel>("lblCoordinataX")->text() + " " + trova<QLabel>("lblCoordinataY")->text(), QString("20 12"));
        f->nucleo().pic.scala(2, -3, 12, 3);  // 10 wide, 6 high, top edge at -3
        QSignalSpy mosse(area, &AreaGrafica::mossa), premute(area, &AreaGrafica::premuta), rilasci(area, &AreaGrafica::rilasciata);
        passa(area, QPointF((area->width() - 1) * 0.25, (area->height() - 1) * 0.5));
        QCOMPARE(mosse.count(), 1);
        QCOMPARE(mosse[0][0].toFloat(), 4.5f);
        QCOMPARE(mosse[0][1].toFloat(), 0.0f);
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(0, area->height() - 1));
        QCOMPARE(rilasci.count(), 1);
        QCOMPARE(premute[0][0].toFloat(), 2.0f);
        QCOMPARE(premute[0][1].toFloat(), 3.0f);
    }

    void alla_dimensione_minima_nessun_controllo_e_coperto_o_tagliato_data() {
        QTest::addColumn<double>("ingrandimento");
        QTest::newRow("carattere normale") << 1.0;
        QTest::newRow("carattere al 150 %") << 1.5;
    }
    void alla_dimensione_minima_nessun_controllo_e_coperto_o_tagliato() {
        QFETCH(double, ingrandimento);
        QFont carattere = normale;
        carattere.setPointSizeF(normale.pointSizeF() * ingrandimento);
        QApplication::setFont(carattere);
        delete f;
        f = new FinestraPrincipale(&copione);
        // The longest hint the program gives must not widen the window.
        f->nucleo().ctl.testo("lblDescrizione", "Seleziona cerchio: Selezione eseguita. Puoi cancellarlo, modificarne "
                                                "densità e raggio o spostarlo. Consiglio: disattiva snap e osnap.");
        f->sincronizza();
        mostra();
        f->resize(1, 1);  // clamped to the minimum
        QTRY_COMPARE(f->size(), f->minimumSize());
        QVERIFY2(f->minimumWidth() < 1000 * ingrandimento, qPrintable(QString::number(f->minimumWidth())));
        QApplication::processEvents();

        QWidget* centro = f->centralWidget();
        QList<QWidget*> controlli;
        for (QWidget* w : centro->findChildren<QWidget*>()) {
            const bool nostro = qobject_cast<QPushButton*>(w) || qobject_cast<QLabel*>(w) ||
                                qobject_cast<QLineEdit*>(w) || qobject_cast<AreaGrafica*>(w) ||
                                w->objectName().startsWith("Line");
            if (nostro && !w->objectName().isEmpty() && w->isVisible()) controlli.append(w);
        }
        // Every control of the core is shown, and the four separators.
        QCOMPARE(controlli.size(), int(f->nucleo().ctl.nomi().size()) + 4);
        for (QWidget* w : controlli) {
            const QRect r(w->mapTo(centro, QPoint()), w->size());
            QVERIFY2(centro->rect().contains(r), qPrintable(descrivi(w, centro)));
            // A direction the layout is told to ignore has no minimum to keep.
            const QSizePolicy p = w->sizePolicy();
            if (p.horizontalPolicy() != QSizePolicy::Ignored)
                QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(descrivi(w, centro)));
            if (p.verticalPolicy() != QSizePolicy::Ignored)
                QVERIFY2(w->height() >= w->minimumSizeHint().height(), qPrintable(descrivi(w, centro)));
            for (QWidget* b : controlli)
                if (b != w && !w->isAncestorOf(b) && !b->isAncestorOf(w))
                    QVERIFY2(!r.intersects(QRect(b->mapTo(centro, QPoint()), b->size())),
                             qPrintable(descrivi(w, centro) + " / " + descrivi(b, centro)));
        }
        // The area and its captions sit in the middle of their frame.
        QWidget* quadro = f->area()->parentWidget();
        QRect blocco;
        for (QWidget* w : quadro->findChildren<QWidget*>()) blocco |= w->geometry();
        QVERIFY(std::abs(blocco.top() - (quadro->height() - 1 - blocco.bottom())) <= 1);
        QVERIFY(std::abs(blocco.left() - (quadro->width() - 1 - blocco.right())) <= 1);

        // A hint too long for the bar stays whole in its text and its tooltip.
        auto* barra = trova<QLabel>("lblDescrizione");
        const auto suggerimento = [&] {
            QToolTip::hideText();
            const QPoint p = barra->rect().center();
            QHelpEvent e(QEvent::ToolTip, p, barra->mapToGlobal(p));
            QApplication::sendEvent(barra, &e);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        const QString lunga = QString("Seleziona cerchio: Selezione eseguita.").repeated(3);
        f->nucleo().ctl.testo("lblDescrizione", lunga.toStdString());
        f->sincronizza();
        QCOMPARE(barra->text(), lunga);
        QCOMPARE(suggerimento(), lunga);
        f->nucleo().ctl.testo("lblDescrizione", "Disegna: Premi Esegui.");  // it fits: the bar's own tooltip
        f->sincronizza();
        QCOMPARE(suggerimento(), barra->toolTip());
    }

    void le_domande_del_nucleo_sono_finestre_di_messaggio_in_italiano() {
        QWidget genitore;
        MessaggiQt m(&genitore);
        struct Caso {
            Icona icona;
            Pulsanti pulsanti;
            QMessageBox::StandardButton premi;
            Risposta risposta;
            QMessageBox::Icon vista;
            QMessageBox::StandardButtons mostrati;
        } casi[] = {
            {Icona::Esclamazione, Pulsanti::SiNo, QMessageBox::No, Risposta::No, QMessageBox::Warning,
             QMessageBox::Yes | QMessageBox::No},
            {Icona::Esclamazione, Pulsanti::SiNo, QMessageBox::Yes, Risposta::Si, QMessageBox::Warning,
             QMessageBox::Yes | QMessageBox::No},
            {Icona::Critico, Pulsanti::Ok, QMessageBox::Ok, Risposta::Ok, QMessageBox::Critical, QMessageBox::Ok},
            {Icona::Informazione, Pulsanti::Ok, QMessageBox::Ok, Risposta::Ok, QMessageBox::Information, QMessageBox::Ok},
            {Icona::Esclamazione, Pulsanti::SiNoAnnulla, QMessageBox::Cancel, Risposta::Annulla,
             QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
        };
        for (const Caso& c : casi) {
            Visto visto;
            rispondi(visto, c.premi);
            QCOMPARE(int(m.mostra("Inoltrare?", "Nuova sezione.", c.icona, c.pulsanti)), int(c.risposta));
            QCOMPARE(visto.titolo + " " + visto.testo, QString("Nuova sezione. Inoltrare?"));
            QCOMPARE(visto.icona, c.vista);
            QCOMPARE(visto.pulsanti, c.mostrati);
            if (c.pulsanti != Pulsanti::Ok) QCOMPARE(visto.si, QString("&Sì"));
        }
    }

    void la_finestra_di_avvio_si_apre_con_un_tasto_o_con_avvia_e_non_altrimenti() {
        FinestraAvvio nome;
        QCOMPARE(nome.objectName(), QString("frmSplash"));
        for (auto [etichetta, testo] : {std::pair{"lblProductName", "Vask_2 cad"}, {"lblVersion", "Versione   2 . 0"},
                                        {"lblWarning", "Software didattico."}, {"lblCompany", "Avvia Vask_2 cad"}})
            QCOMPARE(nome.findChild<QLabel*>(etichetta)->text(), QString(testo));
        QVERIFY(!nome.findChild<QLabel*>("imgLogo")->pixmap().isNull());

        for (int modo = 0; modo < 2; ++modo) {
            FinestraAvvio avvio;
            avvio.show();
            QVERIFY(QTest::qWaitForWindowExposed(&avvio));
            QTest::mouseClick(avvio.findChild<QLabel*>("lblProductName"), Qt::LeftButton);
            for (Qt::Key k : {Qt::Key_Left, Qt::Key_F1, Qt::Key_Shift}) QTest::keyClick(&avvio, k);  // they type nothing
            QVERIFY(!avvio.principale() && avvio.isVisible());
            if (modo == 0)
                QTest::keyClick(&avvio, Qt::Key_Space);
            else
                QTest::mouseClick(avvio.findChild<QLabel*>("lblCompany"), Qt::LeftButton);
            FinestraPrincipale* p = avvio.principale();
            QVERIFY(p);
            QTRY_VERIFY(p->isVisible());
            QTRY_VERIFY(!avvio.isVisible());
            QVERIFY(!p->isModal());
        }
    }

    void la_sezione_della_riga_di_comando_si_apre_dopo_l_avvio_o_lo_dice() {
        const QString percorso = QStringLiteral(VASK_ESEMPI "/sezione_a_l.vask");
        FinestraAvvio avvio;
        avvio.daaprire(percorso);
        avvio.show();
        QVERIFY(QTest::qWaitForWindowExposed(&avvio));
        QVERIFY(!avvio.principale());
        QTest::keyClick(&avvio, Qt::Key_Return);
        QTRY_VERIFY(avvio.principale() && avvio.principale()->isVisible());
        const FrmVask_2& n = avvio.principale()->nucleo();
        QCOMPARE(n.sez.l - 1, 5);
        QCOMPARE(QString::fromStdString(n.nomedocumento), percorso);
        QCOMPARE(avvio.principale()->windowTitle(), QStringLiteral("Vask_2 cad - Edizione didattica 2.0 - sezione_a_l.vask"));
        // Starting again does not open it a second time.
        avvio.principale()->nucleo().documentosalvato("altrove.vask");
        avvio.avvia();
        QCOMPARE(n.nomedocumento, std::string("altrove.vask"));

        QTemporaryDir cartella;
        const QString rotta = cartella.filePath(QStringLiteral("rotta.vask"));
        QFile file(rotta);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"versione\": 7}");
        file.close();
        FinestraAvvio altro;
        altro.daaprire(rotta);
        altro.show();
        QVERIFY(QTest::qWaitForWindowExposed(&altro));
        // The usual message box comes up over the main window.
        Visto visto;
        QWidget* sopra = nullptr;
        QTimer chiudi;
        connect(&chiudi, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                visto.testo = box->text();
                sopra = box->parentWidget();
                box->accept();
            }
        });
        chiudi.start(20);
        QTest::keyClick(&altro, Qt::Key_Space);
        chiudi.stop();
        QCOMPARE(visto.testo, QStringLiteral("Impossibile aprire «rotta.vask»: la versione 7 del formato non è conosciuta."));
        QVERIFY(altro.principale() && sopra == altro.principale());
        QVERIFY(altro.principale()->nucleo().sez.prossimorettangolo + altro.principale()->nucleo().sez.l == 2);
        QVERIFY(altro.principale()->nucleo().nomedocumento.empty());
    }
};

QTEST_MAIN(FinestraQtTest)
#include "finestraqt_test.moc"
