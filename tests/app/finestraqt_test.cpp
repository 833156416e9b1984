// The Qt shell: painter, widgets mirroring the core, keys, layout, message
// boxes, start window, and the real window driven through its drawing area.
#include <QtWidgets>
#include <QtTest>
#include <cmath>
#include <random>

#include "app/areagrafica.h"
#include "app/finestraprincipale.h"
#include "app/messaggiqt.h"
#include "app/pittore.h"
#include "app/splash.h"
#include "copione.h"
#include "esempi.h"
#include "model/numeri.h"

using namespace vask;

namespace {

QImage dipinto(const Superficie& s, QSize dimensione) {
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    dipingi(img, s, img.rect());
    return img;
}

QColor a(const QImage& img, int x, int y) { return img.pixelColor(x, y); }

// Equal but for the last bits of smoothing; a missing primitive differs by far more.
bool quasiuguali(const QImage& p, const QImage& q, int tolleranza = 8) {
    for (int y = 0; p.size() == q.size() && y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            for (int c : {16, 8, 0})
                if (std::abs(int(p.pixel(x, y) >> c & 0xFF) - int(q.pixel(x, y) >> c & 0xFF)) > tolleranza) return false;
    return p.size() == q.size();
}

QColor bottone(QWidget* w) { return w->palette().color(QPalette::Button); }
void passa(QWidget* w, QPointF p = QPointF(2, 2)) {
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Presses `premi` on the next modal message box, noting in `visto` what it showed.
void rispondi(QString& visto, QMessageBox::StandardButton premi) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, &visto, premi] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        timer->stop(), timer->deleteLater();
        QStringList pulsanti;
        for (QAbstractButton* b : box->buttons()) pulsanti << b->text();
        pulsanti.sort();
        visto = QString("%1|%2|%3| %4").arg(box->windowTitle(), box->text(),
                                            QStringList{"", "informazione", "avviso", "critico"}.value(box->icon()), pulsanti.join(' '));
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

    template <class T> T* trova(const char* nome) { return f->findChild<T*>(QString::fromUtf8(nome)); }
    QString testo(const char* nome) { return trova<QLabel>(nome)->text(); }
    QString coordinate() { return testo("lblCoordinataX") + " " + testo("lblCoordinataY"); }
    void mostra() {
        f->show();
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
    }
    void clicca(const char* pulsante) { QTest::mouseClick(trova<QPushButton>(pulsante), Qt::LeftButton); }

    // Resized until every half unit of the area falls on a pixel.
    void misuraesatta() {
        mostra();
        for (int w = 1100; w < 1600; ++w) {
            f->resize(w, 800);
            QCoreApplication::processEvents();
            const QSize a = f->area()->size();
            if ((a.width() - 1) % 40 == 0 && (a.height() - 1) % 12 == 0) return;
        }
        QFAIL("no window width gives an exact drawing area");
    }
    QPoint pixel(double x, double y) {
        const QSize a = f->area()->size();
        return QPoint(int(std::lround(x / 20 * (a.width() - 1))), int(std::lround((12 - y) / 12 * (a.height() - 1))));
    }
    void punta(double x, double y) {
        QTest::mouseMove(f->area(), pixel(x, y));
        QTest::mouseClick(f->area(), Qt::LeftButton, {}, pixel(x, y));
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
        impostaseparatore('.');
        QApplication::setFont(normale);
    }

    // 20 x 12 units on 201 x 121 px: 10 px per unit. Colours 0x00BBGGRR, layer order.
    void colori_scala_e_ordine_degli_strati() {
        Superficie s;
        s.sfondo = 0x123456;
        s.riempimentopieno = true;
        s.coloreriempimento = VERDE;
        s.rettangolo(5, 3, 15, 9, BLU);  // surface y 9..3 becomes 3..9
        s.linea(0, 6, 20, 6, ROSSO);     // lines stay in the order drawn
        s.linea(10, 0, 10, 12, VERDE);
        s.linea(0, 6, 20, 6, BLU);
        s.persistente = false;
        s.coloreriempimento = ROSSO;
        s.rettangolo(12, 4, 14, 8, ROSSO);  // the overlay over the picture
        const QImage img = dipinto(s, QSize(201, 121));
        const std::pair<QPoint, QColor> attesi[] = {
            {{0, 0}, QColor(0x56, 0x34, 0x12)}, {{70, 40}, Qt::green}, {{50, 40}, Qt::blue},  // left edge x = 50
            {{70, 30}, Qt::blue},  {{45, 40}, QColor(0x56, 0x34, 0x12)}, {{30, 60}, Qt::blue},  // top edge y = 30
            {{100, 20}, Qt::green}, {{130, 50}, Qt::red}};
        for (const auto& [p, c] : attesi) QCOMPARE(img.pixelColor(p), c);
        s.scalewidth = 0;  // a null scale leaves only the background
        QCOMPARE(a(dipinto(s, QSize(50, 30)), 25, 15), QColor(0x56, 0x34, 0x12));

        Superficie t;
        t.scala(10, -6, 30, 6);         // left 10, top -6
        t.linea(15, 9, 25, 9, BIANCO);  // surface y 3, pixel row 90
        const QImage spostata = dipinto(t, QSize(201, 121));
        QCOMPARE(a(spostata, 100, 90).name() + a(spostata, 40, 90).name(), QString("#ffffff#000000"));
        for (auto [px, atteso] : {std::pair{QPointF(100, 60), QPointF(20, 0)}, {QPointF(0, 120), QPointF(10, 6)}, {QPointF(200, 0), QPointF(30, -6)}})
            QCOMPARE(puntosuperficie(t, QSize(201, 121), px), atteso);
    }

    void la_tela_ridipinge_solo_cio_che_cambia_e_resta_uguale_a_una_pittura_intera() {
        // After each random edit the canvas equals the list painted from scratch.
        std::mt19937 gen(7);
        std::uniform_real_distribution<float> x(-2, 22), y(-2, 14), r(0.05f, 3);
        std::uniform_int_distribution<int> scelta(0, 9), tono(0, 5);
        const uint32_t colori[] = {BIANCO, ROSSO, VERDE, BLU, GIALLO, CIANO};
        const auto colore = [&] { return colori[tono(gen)]; };
        Superficie s;
        s.riempimentopieno = true;
        Tela tela, doppia;  // on a screen at 100 % and at 200 % (same pixels, pens twice as wide)
        const QSize d(241, 145);
        tela.aggiorna(s, d), doppia.aggiorna(s, d, 2);
        int parziali = 0;
        for (int passo = 0; passo < 300; ++passo) {
            const int c = scelta(gen);
            s.coloreriempimento = colore();
            s.spessore = 1 + passo % 2;
            const float t[6] = {x(gen), y(gen), x(gen), y(gen), x(gen), y(gen)};
            if (c < 3) s.linea(t[0], t[1], t[2], t[3], colore());
            else if (c < 4) s.linea(t[0], t[1], t[0], t[3], colore());
            else if (c < 5) s.rettangolo(t[0], t[1], t[2], t[3], colore());
            else if (c < 6) s.cerchio(t[0], t[1], r(gen), colore());
            else if (c < 7) s.poligono(t, 3, colore());
            else if (c < 8 && !s.immagine.primitive.empty())  // a box that grows, as the rubber band does
                s.immagine.primitive.back().x2 += 0.3f, s.immagine.primitive.back().y2 -= 0.2f;
            else if (c < 9 && !s.immagine.primitive.empty())
                s.immagine.primitive.erase(s.immagine.primitive.begin() + passo % s.immagine.primitive.size());
            else {
                s.persistente = false;
                s.svuotasovrapposto();
                s.punti(t, 2, BLU);
                s.persistente = true;
            }
            if (passo % 50 == 49) s.immagine.svuota();
            for (auto [t, scala] : {std::pair{&tela, 1}, {&doppia, 2}}) {
                const QRegion zona = t->aggiorna(s, d, scala);
                parziali += scala == 1 && !zona.isEmpty() && zona.boundingRect() != QRect(QPoint(0, 0), d);
                QImage intera(d, QImage::Format_RGB32);
                dipingi(intera, s, intera.rect(), scala);
                QVERIFY2(quasiuguali(t->immagine(), intera), qPrintable(QString("passo %1 a %2x").arg(passo).arg(scala)));
            }
        }
        QVERIFY(parziali > 100);                   // most edits repainted a part only
        QVERIFY(tela.aggiorna(s, d).isEmpty());  // nothing changed: nothing painted
        s.sfondo = ROSSO;
        QCOMPARE(tela.aggiorna(s, d), QRegion(QRect(QPoint(0, 0), d)));
    }

    void un_cerchio_enorme_si_dipinge_presto_e_come_il_cerchio_del_pittore() {
        // Radius 3000 px on 201 x 121, centre off to the left.
        Superficie s;
        s.riempimentopieno = true;
        s.coloreriempimento = ROSSO;
        s.cerchio(-290, 6, 300, BIANCO);  // 10 px per unit
        const QImage nostro = dipinto(s, QSize(201, 121));
        QImage suo(QSize(201, 121), QImage::Format_RGB32);
        suo.fill(Qt::black);
        QPainter p(&suo);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::red);
        p.drawEllipse(QPointF(-2900, 60), 3000, 3000);
        p.end();
        QVERIFY(quasiuguali(nostro, suo, 40));
        QCOMPARE(a(nostro, 50, 60).name() + a(nostro, 150, 60).name(), QString("#ff0000#000000"));  // inside, outside
        for (auto [xc, dentro] : {std::pair{10.f, true}, {-6000.f, false}}) {  // wholly inside or outside: no curve
            s.immagine.svuota();
            s.cerchio(xc, 6, 5000, BIANCO);
            QCOMPARE(a(dipinto(s, QSize(201, 121)), 100, 60), QColor(dentro ? Qt::red : Qt::black));
        }
    }
    void i_controlli_seguono_gli_stati_del_nucleo() {
        auto* disegna = trova<QPushButton>("btnDisegna");
        auto* seleziona = trova<QPushButton>("btnSeleziona");
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
        QVERIFY(bottone(seleziona) == QColor(255, 255, 0) && !disegna->testAttribute(Qt::WA_SetPalette));  // FACCIA: the platform's own
        auto* x = trova<QLabel>("lblCoordinataX");
        QVERIFY(x->autoFillBackground());
        QCOMPARE(x->palette().color(QPalette::Window), QColor(0, 255, 255));
        QCOMPARE(testo("lblArea") + " " + testo("lblAngoloxc") + " " + FinestraPrincipale::simbolo("a°= B"),
                 QString("12,5 α α°= Β"));
        QVERIFY(!trova<QPushButton>("btnEsegui")->isEnabled() && !trova<QLineEdit>("txtRaggio")->isEnabled());
        QCOMPARE(trova<QLabel>("lblContatore")->toolTip(), QString("altro"));
        c.sfondo("lblCoordinataX", FACCIA);
        f->sincronizza();
        QVERIFY(!x->autoFillBackground());

        // The pointer of the area follows the core.
        for (auto [forma, cursore] : {std::pair{Puntatore::Freccia, Qt::ArrowCursor}, {Puntatore::FrecciaSu, Qt::UpArrowCursor},
                                      {Puntatore::Sposta, Qt::SizeAllCursor}, {Puntatore::Divieto, Qt::ForbiddenCursor},
                                      {Puntatore::Croce, Qt::CrossCursor}}) {
            f->nucleo().puntatore = forma;
            f->sincronizza();
            QCOMPARE(f->area()->cursor().shape(), cursore);
        }
    }

    void le_caselle_arrivano_al_nucleo_e_solo_le_didascalie_y_mostrano_il_testo_come_suggerimento() {
        mostra();
        auto* raggio = trova<QLineEdit>("txtRaggio");
        raggio->setFocus();
        raggio->selectAll();
        QTest::keyClicks(raggio, "2.75");
        QCOMPARE(f->nucleo().ctl.testo("txtRaggio"), std::string("2.75"));

        f->nucleo().ctl.testo("lbl12y", "12,34567"), f->nucleo().ctl.testo("lbl20x", "20,5");
        f->sincronizza();
        auto* y = trova<QLabel>("lbl12y");
        QCOMPARE(y->toolTip(), QString());  // until the pointer passes
        passa(y);
        QTRY_COMPARE(y->toolTip(), QString("12,34567"));
        for (const char* nome : {"lbl20x", "txtPassoGriglia", "txtDensita"}) passa(trova<QWidget>(nome));
        QCOMPARE(trova<QWidget>("lbl20x")->toolTip() + "|" + trova<QWidget>("txtPassoGriglia")->toolTip() + "|" +
                     trova<QWidget>("txtDensita")->toolTip(), QString("|Passo per griglia e snap|"));
    }

    void i_tasti_raggiungono_le_voci_e_il_menu_modifica_segue_la_storia() {
        mostra();
        auto* annulla = trova<QAction>("mnuEditaAnnulla");
        auto* ripeti = trova<QAction>("mnuEditaRipeti");
        auto* copia = trova<QAction>("mnuEditaCopiaRisultati");
        QVERIFY(!annulla->isEnabled() && !ripeti->isEnabled() && !copia->isEnabled());
        FrmVask_2& n = f->nucleo();
        QTest::keyClick(f, Qt::Key_C, Qt::ControlModifier);
        QTest::mouseClick(f->area(), Qt::LeftButton, {}, f->area()->rect().center());
        QCOMPARE(n.sez.prossimocerchio, 2);
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

        // Copied as text, table and HTML, in Italian.
        separatoredallalocale(QLocale(QLocale::Italian, QLocale::Italy));
        clicca("btnEsegui");
        QVERIFY(copia->isEnabled());
        copia->trigger();
        const QMimeData* dati = QGuiApplication::clipboard()->mimeData();
        QVERIFY(dati->text().startsWith(QStringLiteral("A = 3,141593\nM = 3,141593\n")) && dati->text().contains(QStringLiteral("\nα°= 0\n")));
        QCOMPARE(dati->text().count('\n'), 15);
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
        QTest::keyClick(f, Qt::Key_F2);
        QCOMPARE(QString::fromStdString(copione.domande.at(0).titolo), QString("Nuova sezione."));
    }

    void l_area_resta_20_per_12_con_le_didascalie_ai_bordi_e_il_mouse_in_unita_della_superficie() {
        mostra();
        AreaGrafica* area = f->area();
        for (QSize s : {QSize(1000, 1000), QSize(1600, 700), QSize(1300, 800)}) {
            f->resize(s);
            QTRY_COMPARE(f->size(), s);
            QTRY_VERIFY2(std::abs(area->width() * 3 - area->height() * 5) <= 5,
                         qPrintable(QString("%1x%2 in %3x%4").arg(area->width()).arg(area->height()).arg(s.width()).arg(s.height())));
        }
        const QRect r = area->geometry();
        const auto centro = [&](const char* n) { QWidget* w = trova<QLabel>(n); return w->mapTo(area->parentWidget(), w->rect().center()); };
        QVERIFY(std::abs(centro("lblOriginex").x() - r.left()) <= 2 && std::abs(centro("lbl20x").x() - r.right()) <= 3);
        QVERIFY(std::abs(centro("lbl10x").x() - (r.left() + r.width() / 2)) <= 2 && centro("lbl10x").y() > r.bottom());
        QVERIFY(std::abs(centro("lblOriginey").y() - r.bottom()) <= 3 && std::abs(centro("lbl12y").y() - r.top()) <= 2);
        QVERIFY(std::abs(centro("lbl6y").y() - (r.top() + r.height() / 2)) <= 2 && centro("lbl6y").x() < r.left());

        passa(area, QPointF(0, area->height() - 1));  // edge pixels are the window's edges
        QCOMPARE(coordinate(), QString("0 0"));
        passa(area, QPointF(area->width() - 1, 0));
        QCOMPARE(coordinate(), QString("20 12"));
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
        // The longest hint, density and radius must not widen the window.
        f->nucleo().ctl.testo("lblDescrizione", "Seleziona cerchio: Selezione eseguita. Puoi cancellarlo, modificarne "
                                                "densità e raggio o spostarlo. Consiglio: disattiva snap e osnap.");
        for (const char* n : {"lblDensitàAttuale", "lblRaggioAttuale"}) f->nucleo().ctl.testo(n, "-3.402823E+38");
        f->sincronizza();
        mostra();
        f->resize(1, 1);  // clamped to the minimum
        QTRY_COMPARE(f->size(), f->minimumSize());
        QVERIFY2(f->minimumWidth() < 1000 * ingrandimento, qPrintable(QString::number(f->minimumWidth())));
        QApplication::processEvents();

        QWidget* centro = f->centralWidget();
        QList<QWidget*> controlli;
        for (QWidget* w : centro->findChildren<QWidget*>())
            if ((qobject_cast<QPushButton*>(w) || qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) ||
                 qobject_cast<AreaGrafica*>(w) || w->objectName().startsWith("Line")) && !w->objectName().isEmpty() && w->isVisible())
                controlli.append(w);
        // Every control of the core is shown, and the four separators.
        QCOMPARE(controlli.size(), int(f->nucleo().ctl.nomi().size()) + 4);
        for (QWidget* w : controlli) {
            const QRect r(w->mapTo(centro, QPoint()), w->size());
            QVERIFY2(centro->rect().contains(r), qPrintable(descrivi(w, centro)));
            // A direction the layout is told to ignore has no minimum to keep.
            const QSizePolicy p = w->sizePolicy();
            QVERIFY2((p.horizontalPolicy() == QSizePolicy::Ignored || w->width() >= w->minimumSizeHint().width()) &&
                         (p.verticalPolicy() == QSizePolicy::Ignored || w->height() >= w->minimumSizeHint().height()),
                     qPrintable(descrivi(w, centro)));
            for (QWidget* b : controlli)
                if (b != w && !w->isAncestorOf(b) && !b->isAncestorOf(w))
                    QVERIFY2(!r.intersects(QRect(b->mapTo(centro, QPoint()), b->size())),
                             qPrintable(descrivi(w, centro) + " / " + descrivi(b, centro)));
        }
        // The area and its captions sit in the middle of their frame.
        QWidget* quadro = f->area()->parentWidget();
        QRect blocco;
        for (QWidget* w : quadro->findChildren<QWidget*>()) blocco |= w->geometry();
        QVERIFY(std::abs(blocco.top() - (quadro->height() - 1 - blocco.bottom())) <= 1 &&
                std::abs(blocco.left() - (quadro->width() - 1 - blocco.right())) <= 1);

        // The longest captions (finest zoom, a thousand units out) read whole, even at the minimum.
        FrmVask_2& n = f->nucleo();
        while (n.vista.nuovooriginex < 1000) n.Command4_Click();
        while (-n.vista.nuovooriginey < 1000) n.btnPanSu_Click();
        for (int i = 0; i < 4; ++i) n.btnZoomPiu_Click();
        f->sincronizza();
        QCOMPARE(f->findChild<QLabel*>("lbl2y")->text(), QString("1000.125"));
        for (int volta : {0, 1}) {
            f->resize(volta ? QSize(1, 1) : QSize(1400, 900));
            QApplication::processEvents();
            QTRY_COMPARE(f->size(), volta ? f->minimumSize() : f->size());
            const char* const valori[] = {"lblDensitàAttuale", "lblRaggioAttuale"};
            for (const char* const* nomi : {ETICHETTEX, ETICHETTEY, valori})
                for (int i = 0; i < (nomi == ETICHETTEX ? 11 : nomi == ETICHETTEY ? 7 : 2); ++i) {
                    auto* l = f->findChild<QLabel*>(QString::fromUtf8(nomi[i]));
                    QTRY_VERIFY2(l->contentsRect().width() >= l->fontMetrics().horizontalAdvance(l->text()),
                                 qPrintable(descrivi(l, centro) + " " + l->text()));
                }
        }
    }

    void le_domande_del_nucleo_sono_finestre_di_messaggio_in_italiano() {
        MessaggiQt m(f);
        const auto chiedi = [&](Icona icona, Pulsanti pulsanti, QMessageBox::StandardButton premi, Risposta attesa) {
            QString visto;
            rispondi(visto, premi);
            return m.mostra("Inoltrare?", "Nuova sezione.", icona, pulsanti) == attesa ? visto : "risposta sbagliata";
        };
        QCOMPARE(chiedi(Icona::Critico, Pulsanti::Ok, QMessageBox::Ok, Risposta::Ok), QString("Nuova sezione.|Inoltrare?|critico| OK"));
        QCOMPARE(chiedi(Icona::Informazione, Pulsanti::SiNoAnnulla, QMessageBox::Cancel, Risposta::Annulla),
                 QString("Nuova sezione.|Inoltrare?|informazione| &Annulla &No &Sì"));
    }

    // A key or "Avvia" opens the main window, other clicks and keys do not;
    // the command line's section is opened once, and only once.
    void la_finestra_di_avvio_si_apre_con_un_tasto_o_con_avvia_e_non_altrimenti() {
        const QString percorso = QStringLiteral(VASK_ESEMPI "/sezione_a_l.vask");
        for (int modo = 0; modo < 2; ++modo) {
            FinestraAvvio avvio;
            if (modo == 1) avvio.daaprire(percorso);
            avvio.show();
            QVERIFY(QTest::qWaitForWindowExposed(&avvio));
            QTest::mouseClick(avvio.findChild<QLabel*>("lblProductName"), Qt::LeftButton);
            for (Qt::Key k : {Qt::Key_Left, Qt::Key_F1, Qt::Key_Shift}) QTest::keyClick(&avvio, k);
            QVERIFY(!avvio.principale() && avvio.isVisible());
            modo == 0 ? QTest::keyClick(&avvio, Qt::Key_Space)
                      : QTest::mouseClick(avvio.findChild<QLabel*>("lblCompany"), Qt::LeftButton);
            QVERIFY(avvio.principale());
            QTRY_VERIFY(avvio.principale()->isVisible() && !avvio.isVisible());
            QVERIFY(!avvio.principale()->isModal());
            FrmVask_2& n = avvio.principale()->nucleo();
            QCOMPARE(QString::fromStdString(n.nomedocumento), modo ? percorso : QString());
            QCOMPARE(n.sez.l - 1, modo ? 5 : 0);
        }
        FinestraAvvio avvio;
        avvio.daaprire(percorso);
        avvio.avvia();
        QCOMPARE(avvio.principale()->windowTitle(), QStringLiteral("Vask_2 cad - Edizione didattica 2.0 - sezione_a_l.vask"));
        avvio.principale()->nucleo().documentosalvato("altrove.vask");
        avvio.avvia();
        QCOMPARE(avvio.principale()->nucleo().nomedocumento, std::string("altrove.vask"));
    }

    void disegno_calcolo_selezione_e_spostamento_col_mouse_danno_i_valori_della_sezione_spostata() {
        misuraesatta();
        separatoredallalocale(QLocale(QLocale::Italian, QLocale::Italy));
        clicca("btnRettangolo");
        QTest::mouseMove(f->area(), pixel(2.5, 1));
        QTRY_COMPARE(coordinate(), QStringLiteral("2,5 1"));
        QTest::mouseClick(f->area(), Qt::LeftButton, {}, pixel(2.5, 1));
        QCOMPARE(testo("lblPrimoPuntoX"), QStringLiteral("2,5"));
        punta(6.5, 3);
        clicca("btnTriangolo");
        punta(2.5, 3);
        punta(6.5, 3);
        punta(2.5, 7);
        clicca("btnEsegui");
        QCOMPARE(testo("lblArea"), QStringLiteral("16"));
        QCOMPARE(bottone(trova<QPushButton>("btnEsegui")), QColor(0, 255, 0));
        // Select the triangle near its centroid and move it by (7, 2).
        clicca("btnSeleziona");
        clicca("btnTriangolo");
        punta(4, 4.5);
        QCOMPARE(testo("lblContatore"), QStringLiteral("1"));
        clicca("btnSposta");
        punta(4, 4.5);
        punta(11, 6.5);
        QVERIFY(copione.domande.empty());
        clicca("btnEsegui");

        const esempi::Attese attese =
            esempi::attese({esempi::rettangolo(2.5, 1, 6.5, 3), esempi::triangolorettangolo(9.5, 5, 4, 4)});
        for (int i = 0; i < 15; ++i) {
            const double v = valoredidascalia(testo(ETICHETTERISULTATI[i]).toStdString());
            QVERIFY2(std::abs(v - attese.valori[i]) <= attese.tolleranza[i],
                     qPrintable(QString("%1 = %2, atteso %3").arg(ETICHETTERISULTATI[i]).arg(v).arg(attese.valori[i])));
        }
    }

    void l_osnap_porta_il_clic_sul_vertice_e_il_pan_fermato_mostra_il_divieto() {
        misuraesatta();
        AreaGrafica* area = f->area();
        clicca("btnRettangolo");
        punta(2, 2);
        punta(6, 5);
        // Near (6, 5) with object snap: the readout jumps onto it, in cyan, and the click takes it.
        clicca("btnOsnap");
        QTest::mouseMove(area, pixel(6.2, 5.2));
        QTRY_COMPARE(coordinate(), QStringLiteral("6 5"));
        QCOMPARE(trova<QLabel>("lblCoordinataX")->palette().color(QPalette::Window), QColor(0, 255, 255));
        QCOMPARE(area->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(area, Qt::LeftButton, {}, pixel(6.2, 5.2));
        punta(9.5, 8);
        QVERIFY(f->nucleo().sez.rettangoli[2][R::x1] == 6.0f && f->nucleo().sez.rettangoli[2][R::y1] == 5.0f);
        clicca("btnOsnap");
        // A drag past the left edge: stopped there, no-drop pointer for a moment.
        clicca("btnDisegna");
        clicca("btnPan");
        QTest::mouseMove(area, pixel(2, 6));
        QTest::mousePress(area, Qt::LeftButton, {}, pixel(2, 6));
        QCOMPARE(area->cursor().shape(), Qt::SizeAllCursor);
        QTest::mouseMove(area, pixel(9, 6));
        QTest::mouseRelease(area, Qt::LeftButton, {}, pixel(9, 6));
        QCOMPARE(area->cursor().shape(), Qt::ForbiddenCursor);
        QCOMPARE(testo("lblOriginex"), QStringLiteral("0"));
        QTRY_COMPARE(area->cursor().shape(), Qt::CrossCursor);
    }

    void gli_assi_e_l_ellisse_arrivano_sui_pixel_e_l_ellisse_sparisce_col_ridimensionamento() {
        misuraesatta();
        FrmVask_2& n = f->nucleo();
        n.mnuStrumentiCerchio_Click();
        n.picAreagrafica_MouseDown(5, 12 - 5);
        clicca("btnEsegui");
        // Xc right of the circle, Yc above it, the circle's fill, the ellipse's points.
        const QImage img = f->area()->grab().toImage();
        QCOMPARE(img.pixelColor(pixel(15, 5)).name() + img.pixelColor(pixel(5, 11)).name() + img.pixelColor(pixel(5.75, 5.25)).name(),
                 QString("#ff00ff#ff0000#ffffff"));
        int blu = 0;
        for (int i = 0; i < img.width() * img.height(); ++i) blu += img.pixelColor(i % img.width(), i / img.width()) == QColor(0, 0, 255);
        QVERIFY2(blu > 100, qPrintable(QString::number(blu)));
        QVERIFY(!n.pic.sovrapposto.primitive.empty());
        // Wider only: the area keeps its size, the window still regenerates.
        f->resize(1500, 600);
        QTRY_COMPARE(f->size(), QSize(1500, 600));
        const QSize dimensione = f->area()->size();
        clicca("btnEllisseCentrale");
        n.pic.immagine.svuota();  // a picture emptied behind the program's back comes back
        f->resize(1600, 600);
        QTRY_COMPARE(f->size(), QSize(1600, 600));
        QCOMPARE(f->area()->size(), dimensione);
        QVERIFY(n.pic.sovrapposto.primitive.empty() && !n.pic.immagine.primitive.empty());
        clicca("btnEllisseCentrale");
        QVERIFY(!n.pic.sovrapposto.primitive.empty());
        const size_t disegnate = n.pic.immagine.primitive.size();
        f->setWindowState(Qt::WindowMinimized);
        f->setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(n.pic.sovrapposto.primitive.empty());
        QCOMPARE(n.pic.immagine.primitive.size(), disegnate);  // the picture stays
    }
};

QTEST_MAIN(FinestraQtTest)
#include "finestraqt_test.moc"
