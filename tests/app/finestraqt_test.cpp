// The Qt shell: painter and canvas, captions and ticks, message boxes, start
// window, and the real window driven through its drawing area. What holds
// after every action of a user is the random test's (scimmia.h).
#include <QtWidgets>
#include <QtTest>

#include "app/guida.h"
#include "app/lingua.h"
#include "app/messaggiqt.h"
#include "app/relazione.h"
#include "app/pittore.h"
#include "app/splash.h"
#include "analysis/ellisse.h"
#include "view/svg.h"
#include "scimmia.h"

using namespace vask;

namespace {

QImage dipinto(const Superficie& s, QSize dimensione) {
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    dipingi(img, s, img.rect());
    return img;
}

// Equal but for the last bits of smoothing; a missing primitive differs by far more.
bool quasiuguali(const QImage& p, const QImage& q, int tolleranza = 8) {
    for (int y = 0; p.size() == q.size() && y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            for (int c : {16, 8, 0})
                if (std::abs(int(p.pixel(x, y) >> c & 0xFF) - int(q.pixel(x, y) >> c & 0xFF)) > tolleranza) return false;
    return p.size() == q.size();
}

// A copy of the guide at `dove` under `radice`, its folders made.
void copiaguida(const QString& radice, const QString& dove) {
    QVERIFY(QDir(radice).mkpath(QFileInfo(radice + "/" + dove).path()));
    QVERIFY(QFile::copy(VASK_GUIDA, radice + "/" + dove));
}

void passa(QWidget* w, QPointF p = QPointF(2, 2)) {
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

}  // namespace

class FinestraQtTest : public QObject, scimmia::Mano {
    Q_OBJECT
private slots:
    void initTestCase() { prepara(); }
    void init() { apri(); }
    void cleanup() { chiudi(); }

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
        QCOMPARE(dipinto(s, QSize(50, 30)).pixelColor(25, 15), QColor(0x56, 0x34, 0x12));

        Superficie t;
        t.scala(10, -6, 30, 6);         // left 10, top -6
        t.linea(15, 9, 25, 9, BIANCO);  // surface y 3, pixel row 90
        const QImage spostata = dipinto(t, QSize(201, 121));
        QCOMPARE(spostata.pixelColor(100, 90).name() + spostata.pixelColor(40, 90).name(), QString("#ffffff#000000"));
        for (auto [px, atteso] : {std::pair{QPointF(100, 60), QPointF(20, 0)}, {QPointF(0, 120), QPointF(10, 6)},
                                  {QPointF(200, 0), QPointF(30, -6)}})
            QCOMPARE(puntosuperficie(t, QSize(201, 121), px), atteso);
    }

    // The ellipse, flat and round, tilted and straight, at the narrowest and the widest view, and cut by
    // the window: every pixel column and row between its extremes holds one of its pixels, with no
    // stroke along the window's edge; in SVG it is one path.
    void l_ellisse_e_una_curva_continua_a_ogni_scala() {
        // View width, Rxc (along Yc), Ryc, alfa, xg; yg in the middle of the view.
        const float casi[][5] = {{1.25f, 0.35f, 0.1f, 0.3f, 0.625f}, {1.25f, 0.3f, 0.3f, 0, 0.625f},
                                 {1.25f, 0.5f, 0.05f, 1.5707964f, 0.625f}, {80, 30, 5, -0.7f, 40},
                                 {80, 20, 20, 0, 40}, {80, 35, 0.5f, 1.5707964f, 40}, {20, 5, 2, 0.4f, 2},
                                 {20, 5, 2, -0.4f, 18}, {20, 5, 2, 0, 16.5f}};  // the last: the sweep cut, not the curve
        for (const auto& [w, rx, ry, alfa, xg] : casi) {
            Superficie s;
            s.scala(0, 0, w, w * 0.6f);
            Ellisse e;
            tracciaellisse(xg, w * 0.3f, alfa, rx, ry, 0, w, e);
            const std::vector<float> l = lineaellisse(e, 0, w, w, w / 4000);
            s.polilinea(l.data(), uint32_t(l.size() / 2), BLU);
            const QImage img = dipinto(s, QSize(1920, 1152));
            std::vector<int> colonne(1920), righe(1152);
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (QColor c = img.pixelColor(x, y); c.blue() > 40 && c.red() < 60 && c.green() < 60)
                        ++colonne[size_t(x)], ++righe[size_t(y)];
            const QString caso = QString("%1 %2 %3 %4").arg(w).arg(rx).arg(ry).arg(alfa);
            // Its extremes from the radii along Yc (rx) and Xc (ry), in pixels, within the image.
            const double hx = std::hypot(rx * std::sin(alfa), ry * std::cos(alfa));
            const double hy = std::hypot(rx * std::cos(alfa), ry * std::sin(alfa));
            const double estremi[2][2] = {{(xg - hx) / w * 1919, (xg + hx) / w * 1919},
                                          {(0.3 * w - hy) / w * 1919, (0.3 * w + hy) / w * 1919}};
            for (int k = 0; k < 2; ++k) {
                std::vector<int>& v = k ? righe : colonne;
                const auto primo = std::find_if(v.begin(), v.end(), [](int n) { return n > 0; });
                const auto ultimo = std::find_if(v.rbegin(), v.rend(), [](int n) { return n > 0; }).base();
                QVERIFY2(primo < ultimo && std::find(primo, ultimo, 0) == ultimo, qPrintable(caso));
                const double limite = double(v.size() - 1);
                QVERIFY2(std::abs(double(primo - v.begin()) - std::clamp(estremi[k][0], 0.0, limite)) <= 3 &&
                             std::abs(double(ultimo - v.begin() - 1) - std::clamp(estremi[k][1], 0.0, limite)) <= 3,
                         qPrintable(caso));
            }
            QVERIFY2(colonne[0] <= 12 && colonne[1919] <= 12, qPrintable(caso));  // cut: only where the curve crosses the edge
            const QString documento = QString::fromStdString(svg(s, 1920, 1152));
            const QString d = documento.section("d=\"", 1).section('"', 0, 0);
            QVERIFY(documento.count("<path") == 1 && d.startsWith('M') && d.count(" L") == int(l.size() / 2) - 1);
        }
    }

    void la_tela_ridipinge_solo_cio_che_cambia_e_resta_uguale_a_una_pittura_intera() {
        // After each random edit the canvas equals the list painted from scratch.
        std::mt19937 gen(7);
        std::uniform_real_distribution<float> x(-2, 22), y(-2, 14), r(0.05f, 3);
        std::uniform_int_distribution<int> scelta(0, 9), tono(0, 5);
        const uint32_t colori[] = {BIANCO, ROSSO, VERDE, BLU, GIALLO, CIANO};
        const auto colore = [&] { return colori[tono(gen)]; };
        Superficie s;
        Tela tela, doppia;  // on a screen at 100 % and at 200 % (same pixels, pens twice as wide)
        const QSize d(241, 145);
        int parziali = 0;
        for (int passo = 0; passo < 300; ++passo) {
            const int c = scelta(gen);
            s.coloreriempimento = colore();
            s.riempimentopieno = passo % 7 != 3;
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
                // Lists of points of one length: only their places differ.
                if (passo / 100 == 0) s.punti(t, 2, BLU);
                else if (passo / 100 == 1) s.polilinea(t, 3, BLU);
                else s.poligono(t, 3, BLU);
                s.persistente = true;
            }
            if (passo % 50 == 49) s.immagine.svuota();
            // Tool marks come, move and go, over whatever changed below them.
            if (passo % 3 == 0 || passo % 40 == 39) s.svuotasegni();
            if (passo % 3 == 0 && passo % 120 < 80) {
                s.strumento = true;
                s.lineatratteggiata(t[4], t[5], t[0], t[1], ROSSO);
                s.linea(t[2], t[3], t[5], t[4], colore());
                s.rettangolo(t[0] - 0.2f, t[1] - 0.2f, t[0] + 0.2f, t[1] + 0.2f, BLU);
                s.strumento = false;
            }
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
        s.riempimentopieno = true;                 // a fill that changes alone is painted again
        s.rettangolo(5, 3, 15, 9, BIANCO);
        tela.aggiorna(s, d);
        s.immagine.primitive.back().riempimento ^= 0xFFFFFF;
        tela.aggiorna(s, d);
        QCOMPARE(tela.immagine().pixel(120, 72), dipinto(s, d).pixel(120, 72));
        s.sfondo = ROSSO;
        QCOMPARE(tela.aggiorna(s, d), QRegion(QRect(QPoint(0, 0), d)));
    }

    // Radius 3000 px and more on 201 x 121 (10 px per unit): red inside, black outside, two pixels away from
    // the curve. Centre off to the left, below the left corner; wholly inside, wholly outside.
    void un_cerchio_enorme_e_rosso_dentro_e_nero_fuori_fin_presso_la_curva() {
        Superficie s;
        s.riempimentopieno = true;
        s.coloreriempimento = ROSSO;
        for (auto [xc, yc, r] : {std::tuple{-290.f, 6.f, 300.f}, {-200.f, -200.f, 290.f}, {10.f, 6.f, 5000.f}, {-6000.f, 6.f, 5000.f}}) {
            s.immagine.svuota();
            s.cerchio(xc, yc, r, BIANCO);
            const QImage img = dipinto(s, QSize(201, 121));
            int sbagliati = 0;
            for (int y = 0; y < 121; ++y)
                for (int x = 0; x < 201; ++x)
                    if (const double d = std::hypot(x + 0.5 - xc * 10, y + 0.5 - (12 - yc) * 10) - r * 10; std::fabs(d) > 2)
                        sbagliati += img.pixelColor(x, y) != QColor(d < 0 ? Qt::red : Qt::black);
            QVERIFY2(sbagliati == 0, qPrintable(QString("centro %1 %2: %3 pixel").arg(xc).arg(yc).arg(sbagliati)));
        }
    }

    void solo_le_didascalie_y_mostrano_il_testo_come_suggerimento_e_i_simboli_sono_greci() {
        f->nucleo().ctl.testo("lbl12y", "12,34567"), f->nucleo().ctl.testo("lbl20x", "20,5");
        f->sincronizza();
        auto* y = trova<QLabel>("lbl12y");
        QCOMPARE(y->toolTip(), QString());  // until the pointer passes
        passa(y);
        QTRY_COMPARE(y->toolTip(), QString("12,34567"));
        for (const char* nome : {"lbl20x", "txtPassoGriglia", "txtDensita"}) passa(trova<QWidget>(nome));
        QCOMPARE(trova<QWidget>("lbl20x")->toolTip() + "|" + trova<QWidget>("txtPassoGriglia")->toolTip() + "|" +
                     trova<QWidget>("txtDensita")->toolTip(), QString("|Passo per griglia e snap|"));
        QCOMPARE(FinestraPrincipale::simbolo("a°= B, wz"), QString("α°= Β, ωζ"));
    }

    void i_risultati_si_copiano_come_testo_tabella_e_html_in_italiano() {
        separatoredallalocale(QLocale(QLocale::Italian, QLocale::Italy));
        f->nucleo().mnuStrumentiCerchio_Click();
        f->nucleo().picAreagrafica_MouseDown(10, 6);
        clicca("btnEsegui");
        trova<QAction>("mnuEditaCopiaRisultati")->trigger();
        const QMimeData* dati = QGuiApplication::clipboard()->mimeData();
        QVERIFY(dati->text().startsWith(QStringLiteral("A = 3,141593\nM = 3,141593\n")) &&
                dati->text().contains(QStringLiteral("\nα°= 0\n")));
        QCOMPARE(dati->text().count('\n'), 15);
        QVERIFY(dati->data("text/tab-separated-values").startsWith("A =\t3,141593\n"));
        QVERIFY(dati->html().contains(QStringLiteral("<td>Ixc =</td><td>")));
    }

    // Each caption at its tenth (x) or sixth (y) of the edge, by a tick of the frame's dark pen. Then,
    // dragged from x = 2 to x = 9 at y = 6, the view would leave the origin: a no-entry sign for a moment.
    void didascalie_e_tacche_ai_bordi_il_mouse_in_unita_e_il_pan_fermato_mostra_il_divieto() {
        mostra();
        AreaGrafica* area = f->area();
        QWidget* quadro = area->parentWidget();
        const QRect r = area->geometry();
        const QImage img = quadro->grab().toImage();
        const QRgb scuro = quadro->palette().color(QPalette::Dark).rgb();
        for (int i = 0; i < 11; ++i) {
            const int x = r.left() + int(std::lround(r.width() * i / 10.0)), y = r.bottom() - int(std::lround(r.height() * i / 6.0));
            const QPoint c = quadro->findChild<QLabel*>(ETICHETTEX[i])->geometry().center();
            QVERIFY2(std::abs(c.x() - x) <= 2 && c.y() > r.bottom() && img.pixel(x, r.bottom() + 3) == scuro, ETICHETTEX[i]);
            const QLabel* e = i < 7 ? quadro->findChild<QLabel*>(ETICHETTEY[i]) : nullptr;
            QVERIFY2(!e || (std::abs(e->geometry().center().y() - y) <= 2 && e->x() < r.left() && img.pixel(r.left() - 4, y) == scuro),
                     ETICHETTEY[i % 7]);
        }
        passa(area, QPointF(0, area->height() - 1));  // edge pixels are the window's edges
        QCOMPARE(testo("lblCoordinataX") + " " + testo("lblCoordinataY"), QString("0 0"));
        passa(area, QPointF(area->width() - 1, 0));
        QCOMPARE(testo("lblCoordinataX") + " " + testo("lblCoordinataY"), QString("20 12"));

        const QPoint da(area->width() / 10, area->height() / 2), a(area->width() * 9 / 20, area->height() / 2);
        clicca("btnDisegna");
        clicca("btnPan");
        QTest::mouseMove(area, da);
        QTest::mousePress(area, Qt::LeftButton, {}, da);
        QCOMPARE(area->cursor().shape(), Qt::SizeAllCursor);
        QTest::mouseMove(area, a);
        QTest::mouseRelease(area, Qt::LeftButton, {}, a);
        QCOMPARE(area->cursor().shape(), Qt::ForbiddenCursor);
        QCOMPARE(testo("lblOriginex"), QStringLiteral("0"));
        QTRY_COMPARE(area->cursor().shape(), Qt::CrossCursor);
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
            modo == 0 ? QTest::keyClick(&avvio, Qt::Key_Space) : QTest::mouseClick(avvio.findChild<QLabel*>("lblCompany"), Qt::LeftButton);
            QTRY_VERIFY(avvio.principale() && avvio.principale()->isVisible() && !avvio.isVisible() && !avvio.principale()->isModal());
            const FrmVask_2& n = avvio.principale()->nucleo();
            QCOMPARE(QString::fromStdString(n.nomedocumento) + " " + QString::number(n.sez.l - 1), modo ? percorso + " 5" : " 0");
        }
        FinestraAvvio avvio;
        avvio.daaprire(percorso);
        avvio.avvia();
        QCOMPARE(avvio.principale()->windowTitle(), QStringLiteral("Vask_2 cad - Edizione didattica 2.0 - sezione_a_l.vask"));
        avvio.principale()->nucleo().documentosalvato("altrove.vask");
        avvio.avvia();
        QCOMPARE(avvio.principale()->nucleo().nomedocumento, std::string("altrove.vask"));
    }
    // The point box, Esc and F9 through the keyboard; a wheel notch made of two halves.
    void punti_digitati_esc_f9_e_rotella_dalla_tastiera_e_dal_mouse() {
        mostra();
        auto* punto = trova<QLineEdit>("txtPunto");
        QCOMPARE(testo("lblPunto") + " " + punto->toolTip(), QStringLiteral("Punto: Coordinate del punto: x;y oppure @dx;dy, poi Invio"));
        clicca("btnTriangolo");
        for (const char* p : {"2;3", "3,5", "@4,5 2"}) digita(p);
        QCOMPARE(copione.domande.size(), size_t(1));
        QCOMPARE(testo("lblCoordinataX") + " " + testo("lblCoordinataY") + " [" + punto->text() + "]", QStringLiteral("6.5 5 []"));
        QTest::keyClick(punto, Qt::Key_Up);
        QCOMPARE(punto->text(), QStringLiteral("@4,5 2"));
        QTest::keyClick(punto, Qt::Key_Escape);
        QVERIFY(!f->nucleo().comandoinsospeso());
        digita("100;100");
        f->area()->setFocus();
        QTest::keyClick(f->area(), Qt::Key_Escape);
        QVERIFY(!f->nucleo().comandoinsospeso());
        for (const char* p : {"100;100", "@5;0", "@0;5"}) digita(p);
        // (100, 100) to (105, 105) with its margins needs 5.5 of height on whole units: 10 x 6 cannot.
        QTest::keyClick(f, Qt::Key_F9);
        QCOMPARE(testo("lblOriginex") + " " + testo("lblOriginey") + " " + testo("lbl20x"), QStringLiteral("93 97 113"));
        AreaGrafica* a = f->area();
        const QPoint centro(a->width() / 2, a->height() / 2);
        for (const char* attesa : {"93 113", "98 108"}) {
            QWheelEvent e(centro, a->mapToGlobal(centro), {}, {0, 60}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(a, &e);
            QCOMPARE(testo("lblOriginex") + " " + testo("lbl20x"), QString(attesa));
        }
    }

    // F11 opens the table; a typed cell reaches the core, a refused one shows the old value again.
    void la_tabella_degli_elementi_segue_la_sezione_e_corregge_le_celle() {
        mostra();
        clicca("btnRettangolo");
        for (const char* p : {"1;1", "4;3"}) digita(p);
        QTest::keyClick(f, Qt::Key_F11);
        auto* finestra = f->findChild<QWidget*>("frmTabella");
        auto* griglia = f->findChild<QTableWidget*>("grdElementi");
        QVERIFY(finestra && griglia && finestra->isVisible());
        QCOMPARE(finestra->windowTitle() + " " + QString::number(griglia->rowCount()), QStringLiteral("Elementi della sezione 1"));
        griglia->item(0, 3)->setText(QStringLiteral("6,5"));
        QCOMPARE(f->nucleo().sez.rettangoli[1][R::x2], 6.5f);
        QCOMPARE(griglia->item(0, 11)->text() + " " + f->findChild<QAction*>("mnuEditaAnnulla")->statusTip(),
                 QStringLiteral("11 Annulla: x2 del rettangolo 1"));
        griglia->item(0, 3)->setText(QStringLiteral("1"));
        QCOMPARE(copione.domande.back().titolo, std::string("Rettangolo degenere."));
        QCOMPARE(griglia->item(0, 3)->text(), QStringLiteral("6.5"));
        f->findChild<QAction*>("mnuEditaAnnulla")->trigger();
        QCOMPARE(griglia->item(0, 3)->text(), QStringLiteral("4"));
        griglia->selectRow(0);
        QApplication::clipboard()->clear();
        QApplication::setActiveWindow(finestra);
        griglia->setFocus();
        QTest::keyClick(griglia, Qt::Key_C, Qt::ControlModifier);  // whole rows, not the text of a cell
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Elemento\t")));
    }

    // F10 after Esegui: the steps, the stale line, a copy for a spreadsheet, a PDF; Mohr painted.
    void la_relazione_e_il_cerchio_di_mohr_seguono_il_calcolo() {
        mostra();
        QVERIFY(!trova<QAction>("mnuVisualizzaRelazione")->isEnabled());
        clicca("btnRettangolo");
        for (const char* p : {"1;1", "@4;6"}) digita(p);
        clicca("btnEsegui");
        QTest::keyClick(f, Qt::Key_F10);
        auto* relazione = qobject_cast<FinestraRelazione*>(f->findChild<QWidget*>("frmRelazione"));
        auto* testo = trova<QTextBrowser>("txtRelazione");
        QVERIFY(relazione && relazione->isVisible() && relazione->windowTitle() == "Relazione di calcolo");
        QVERIFY(testo->toPlainText().contains(QStringLiteral("Ixg = Ix − M·Yg² = 456 − 24·4² = 72")));
        relazione->findChild<QPushButton*>("btnRelazioneCopia")->click();
        const QMimeData* copiati = QApplication::clipboard()->mimeData();
        QVERIFY(copiati->hasHtml() && copiati->text().contains(QStringLiteral("Rettangolo 1\t1\t24\t24\t3\t4\t96\t72\t")));
        QVERIFY(copiati->html().contains(QStringLiteral("<td>Rettangolo 1</td>")) && testo->toPlainText().contains("Rettangolo 1"));
        clicca("btnDisegna");
        clicca("btnRettangolo");
        for (const char* p : {"10;1", "@1;1"}) digita(p);
        QCOMPARE(testo->toPlainText().section('\n', 1, 1), QStringLiteral("La sezione è cambiata dopo l'ultimo calcolo: premi Esegui."));
        QTemporaryDir cartella;
        relazione->sceglifile = [&cartella] { return cartella.filePath("r.pdf"); };
        relazione->findChild<QPushButton*>("btnRelazioneSalva")->click();
        QFile pdf(cartella.filePath("r.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
        trova<QAction>("mnuVisualizzaMohr")->trigger();
        const QImage mohr = f->findChild<QWidget*>("frmMohr")->grab().toImage();
        QSet<QRgb> colori;
        for (int y = 0; y < mohr.height(); y += 3)
            for (int x = 0; x < mohr.width(); x += 3) colori.insert(mohr.pixel(x, y));
        QVERIFY(mohr.width() > 100 && colori.size() > 3);
        // Another language: both open windows follow at once, and come back to today's Italian.
        const QString italiano = testo->toPlainText();
        const auto finestre = [&] {
            return QStringList{relazione->windowTitle(), relazione->findChild<QPushButton*>("btnRelazioneCopia")->text(),
                               testo->toPlainText().section('\n', 0, 2), f->findChild<QWidget*>("frmMohr")->windowTitle(),
                               trova<QLabel>("lblConvenzioneMohr")->text().section(';', 0, 0)};
        };
        trova<QAction>("mnuPreferenzeLinguaInglese")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(finestre(), QStringList({"Calculation report", "Copy", "Calculation report\nThe section has changed since the last "
                                          "calculation: press Run.\n1. Elements", "Mohr's circle", "Abscissas: moments of inertia"}));
        trova<QAction>("mnuPreferenzeLinguaItaliano")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(testo->toPlainText(), italiano);
        QCOMPARE(finestre().at(4), QStringLiteral("Ascisse: momenti di inerzia"));
    }

    // The places of app_guida.tsv: the first that holds a readable file wins, the places listed all the same; F1
    // opens the guide found, or gives the old advice and where it was sought, one place a line.
    void la_guida_si_trova_accanto_al_programma_o_dove_e_installata_o_si_dice_dove_manca() {
        for (const QStringList& r : scimmia::righe("app_guida.tsv")) {
            QTemporaryDir radice;
            for (const QString& f : r[0].split(' ', Qt::SkipEmptyParts)) {
                if (f.endsWith('/')) QVERIFY(QDir(radice.path()).mkpath(f));
                else copiaguida(radice.path(), f);
            }
            QStringList cercati, luoghi;
            for (QString l : {r[1] + "/GUIDA.txt", QString("share/doc/vask2cad/GUIDA.txt"),
                              QString("share/vask2cad/GUIDA.txt"), QString("GUIDA.txt")})
                luoghi << radice.filePath(l);
            const QString trovato = trovaguida(radice.filePath(r[1]), &cercati);
            QCOMPARE(trovato, r[2].isEmpty() ? QString() : radice.filePath(r[2]));
            QCOMPARE(cercati, luoghi);
            copione.domande.clear();
            FinestraPrincipale g(&copione);
            g.cartellaprogramma = radice.filePath(r[1]);
            g.findChild<QAction*>("mnuGuida")->trigger();
            QCOMPARE(g.guida() ? g.guida()->percorso() : QString(), trovato);
            QCOMPARE(copione.domande.size(), size_t(trovato.isEmpty()));
            if (const Domanda* d = copione.domande.empty() ? nullptr : &copione.domande[0]) {
                QCOMPARE(QString::fromStdString(d->titolo + "|" + d->testo),
                         "Guida.|Consulta il file di testo allegato al programma.\n\nGUIDA.txt non si trova in:\n" +
                             luoghi.join('\n'));
                QVERIFY(d->icona == Icona::Informazione && d->pulsanti == Pulsanti::Ok);
                QVERIFY(!g.guida() && !g.findChild<QWidget*>("frmGuida"));
            }
        }
    }

    // F1 with the guide installed: one non-modal window, its chapters those of the file, each brought to the top.
    // Typed, the first match from the chapter on; Enter and the button the next ones, then the first again.
    void la_guida_ha_i_capitoli_del_file_e_la_ricerca_va_avanti_ricomincia_e_dice_quando_non_trova() {
        QTemporaryDir radice;
        copiaguida(radice.path(), "share/doc/vask2cad/GUIDA.txt");
        f->cartellaprogramma = radice.filePath("bin");
        mostra();
        QTest::keyClick(f, Qt::Key_F1);
        FinestraGuida* guida = f->guida();
        QVERIFY(guida && guida->isVisible() && !guida->isModal() && copione.domande.empty());
        trova<QAction>("mnuGuida")->trigger();
        QVERIFY(f->findChildren<FinestraGuida*>().size() == 1 && f->guida() == guida && guida->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(guida));
        QCOMPARE(guida->objectName() + " " + guida->windowTitle(), QStringLiteral("frmGuida Guida - Vask_2 cad"));
        auto* testo = guida->findChild<QPlainTextEdit*>("txtGuida");
        auto* elenco = guida->findChild<QListWidget*>("lstCapitoli");
        QFile file(VASK_GUIDA);
        QVERIFY(file.open(QIODevice::ReadOnly) && testo->isReadOnly());
        QCOMPARE(testo->toPlainText(), QString::fromUtf8(file.readAll()));
        const std::vector<CapitoloGuida> capitoli = capitoliguida(testo->toPlainText().toStdString());
        QCOMPARE(elenco->count(), int(capitoli.size()));
        for (int i = 0; i < elenco->count(); ++i) QCOMPARE(elenco->item(i)->text().toStdString(), capitoli[size_t(i)].titolo);
        for (int i : {6, 0, 14, 1}) {
            elenco->setCurrentRow(i);
            QCOMPARE(testo->cursorForPosition(QPoint(0, 0)).blockNumber(), capitoli[size_t(i)].riga - 1);
        }

        auto* cerca = guida->findChild<QLineEdit*>("txtCerca");
        auto* esito = guida->findChild<QLabel*>("lblEsitoRicerca");
        QCOMPARE(guida->findChild<QLabel*>("lblCerca")->text(), QStringLiteral("Cerca:"));
        const QColor normale = cerca->palette().color(QPalette::Base);
        const std::string utf8 = testo->toPlainText().toStdString();
        const auto dove = [&](size_t byte) { return int(QString::fromUtf8(utf8.data(), qsizetype(byte)).size()); };
        elenco->setCurrentRow(5);  // chapter 6, the kern: the matches above it come after the last
        QTest::keyClicks(cerca, QStringLiteral("ELLISSE centrale"));
        std::vector<int> attese;
        for (Corrispondenza c = cercanellaguida(utf8, "ellisse centrale", 0); !c.ricominciata && attese.size() < utf8.size();
             c = cercanellaguida(utf8, "ellisse centrale", c.inizio + 1))
            attese.push_back(dove(c.inizio));
        QVERIFY(attese.size() > 3);
        const size_t primo = size_t(std::find_if(attese.begin(), attese.end(), [&](int p) {
            return testo->document()->findBlock(p).blockNumber() >= guida->capitoli()[5].riga;
        }) - attese.begin());
        for (size_t k = 0; k <= attese.size(); ++k) {
            const size_t atteso = (primo + k) % attese.size();
            QCOMPARE(testo->textCursor().selectionStart(), attese[atteso]);
            QCOMPARE(testo->textCursor().selectedText().toLower(), QStringLiteral("ellisse centrale"));
            QCOMPARE(esito->text(), QString(k > 0 && atteso == 0 ? "Ricerca ripresa dall'inizio." : ""));
            QCOMPARE(elenco->currentRow(), capitolodiriga(guida->capitoli(), testo->textCursor().blockNumber()));
            k % 2 ? QTest::keyClick(cerca, Qt::Key_Return) : guida->findChild<QPushButton*>("btnTrovaSuccessivo")->click();
        }
        QTest::keyClicks(cerca, QStringLiteral("zzq"));
        QCOMPARE(esito->text(), QStringLiteral("Nessuna corrispondenza."));
        QVERIFY(cerca->palette().color(QPalette::Base) != normale);
        cerca->clear();
        QCOMPARE(esito->text() + cerca->palette().color(QPalette::Base).name(), normale.name());
    }
};

QTEST_MAIN(FinestraQtTest)
#include "finestraqt_test.moc"
