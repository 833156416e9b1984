// The real window, offscreen: a section drawn with the mouse on the drawing
// area and computed with "Eseg"; a section built through the core and shown
// with its fifteen values, axes, ellipse and kern.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyleFactory>
#include <QtTest>
#include <cmath>

#include "app/areagrafica.h"
#include "app/finestraprincipale.h"
#include "copione.h"
#include "model/numeri.h"

using namespace vask;

class SezioneTest : public QObject {
    Q_OBJECT

    // Resize the window until the area spans a multiple of 40 px across and of
    // 12 px down (edge pixel to edge pixel), so that every half unit of x and
    // every unit of y falls on a whole pixel.
    static void misuraesatta(FinestraPrincipale& f) {
        for (int w = 1100; w < 1600; ++w) {
            f.resize(w, 800);
            QCoreApplication::processEvents();
            const QSize a = f.area()->size();
            if ((a.width() - 1) % 40 == 0 && (a.height() - 1) % 12 == 0) return;
        }
        QFAIL("no window width gives an exact drawing area");
    }

    static QPoint pixel(const AreaGrafica* area, double x, double y) {
        return QPoint(int(std::lround(x / 20 * (area->width() - 1))),
                      int(std::lround((12 - y) / 12 * (area->height() - 1))));
    }

    static QString testo(FinestraPrincipale& f, const char* nome) {
        QLabel* l = f.findChild<QLabel*>(nome);
        return l ? l->text() : QStringLiteral("<manca %1>").arg(nome);
    }

    static void clicca(FinestraPrincipale& f, const char* pulsante) {
        QPushButton* b = f.findChild<QPushButton*>(pulsante);
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
    }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }
    void cleanup() { impostaseparatore('.'); }

    void un_rettangolo_disegnato_col_mouse_si_calcola_con_eseg() {
        separatoredallalocale(QLocale(QLocale::Italian, QLocale::Italy));
        Copione copione;
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        misuraesatta(f);
        AreaGrafica* area = f.area();

        clicca(f, "btnRettangolo");
        QTest::mouseMove(area, pixel(area, 2.5, 1));
        QTRY_COMPARE(testo(f, "lblCoordinataX"), QStringLiteral("2,5"));
        QCOMPARE(testo(f, "lblCoordinataY"), QStringLiteral("1"));
        QTest::mousePress(area, Qt::LeftButton, {}, pixel(area, 2.5, 1));
        QTest::mouseRelease(area, Qt::LeftButton, {}, pixel(area, 2.5, 1));
        QCOMPARE(testo(f, "lblPrimoPuntoX"), QStringLiteral("2,5"));
        QTest::mouseMove(area, pixel(area, 7.5, 5));
        QTest::mousePress(area, Qt::LeftButton, {}, pixel(area, 7.5, 5));
        QTest::mouseRelease(area, Qt::LeftButton, {}, pixel(area, 7.5, 5));
        QCOMPARE(f.nucleo().sez.prossimorettangolo, 2);
        QCOMPARE(f.nucleo().sez.rettangoli[1][R::x1], 2.5f);
        QCOMPARE(testo(f, "lblContatore"), QStringLiteral("1"));

        clicca(f, "btnEsegui");
        QVERIFY(copione.domande.empty());
        // 5 x 4 rectangle, density 1, corner at (2.5, 1): G = (5, 3).
        QCOMPARE(testo(f, "lblArea"), QStringLiteral("20"));
        QCOMPARE(testo(f, "lblXg"), QStringLiteral("5"));
        QCOMPARE(testo(f, "lblYg"), QStringLiteral("3"));
        QCOMPARE(testo(f, "lblIx"), QStringLiteral("206,6667"));  // 5*4^3/12 + 20*3^2
        QCOMPARE(testo(f, "lblIxg"), QStringLiteral("26,66667"));
        QCOMPARE(testo(f, "lblAngoloxc"), QStringLiteral("90"));  // Ixg < Iyg
        QCOMPARE(f.findChild<QPushButton*>("btnEsegui")->palette().color(QPalette::Button),
                 QColor(0, 255, 0));
    }

    void eseg_mostra_valori_assi_ellisse_e_nocciolo_nella_finestra() {
        Copione copione;
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        misuraesatta(f);
        FrmVask_2& n = f.nucleo();
        // The section through the core: a 2 x 6 rectangle and its four sides.
        auto punto = [&n](float x, float y) {
            n.picAreagrafica_MouseMove(x, n.pic.scaleheight - y);
            n.picAreagrafica_MouseDown(x, n.pic.scaleheight - y);
        };
        n.mnuStrumentiRettangolo_Click();
        punto(4, 3);
        punto(6, 9);
        n.mnuStrumentiLinea_Click();
        const float lati[4][4] = {{4, 3, 6, 3}, {6, 3, 6, 9}, {6, 9, 4, 9}, {4, 9, 4, 3}};
        for (auto& l : lati) {
            punto(l[0], l[1]);
            punto(l[2], l[3]);
        }
        f.sincronizza();

        clicca(f, "btnEsegui");
        const char* attesi[15][2] = {
            {"lblArea", "12"},      {"lblMassa", "12"},      {"lblXg", "5"},    {"lblYg", "6"},
            {"lblIx", "468"},       {"lblIy", "304"},        {"lblIxg", "36"},  {"lblIyg", "4"},
            {"lblIxy", "360"},      {"lblIxgyg", "0"},       {"lblIxc", "36"},  {"lblIyc", "4"},
            {"lblRxc", "1.732051"}, {"lblRyc", "0.5773503"}, {"lblAngoloxc", "0"},
        };
        for (auto& a : attesi) QCOMPARE(testo(f, a[0]), QString::fromUtf8(a[1]));
        QCOMPARE(n.copianocciolo.vask, 4);

        // On the pixels: violet Xc, red Yc, the blue ellipse and kern, the cyan markers.
        AreaGrafica* area = f.area();
        const QImage img = area->grab().toImage();
        auto colore = [&img](int x, int y) { return img.pixelColor(x, y); };
        const QPoint sux = pixel(area, 15, 6);  // on Xc, right of the section
        QCOMPARE(colore(sux.x(), sux.y()), QColor(255, 0, 255));
        const QPoint suy = pixel(area, 5, 11);  // on Yc, above the section
        QCOMPARE(colore(suy.x(), suy.y()), QColor(255, 0, 0));
        int blu = 0, ciano = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = colore(x, y);
                blu += c == QColor(0, 0, 255);
                // Small smoothed circles: cyan blended at the edge.
                ciano += c.red() < 80 && c.green() > 180 && c.blue() > 180;
            }
        QVERIFY2(blu > 200, qPrintable(QString::number(blu)));
        QVERIFY2(ciano > 8, qPrintable(QString::number(ciano)));

        // A regeneration keeps the kern and drops the ellipse.
        clicca(f, "btnRigenera");
        QVERIFY(n.pic.sovrapposto.primitive.empty());
        QCOMPARE(n.copianocciolo.vask, 4);
    }

    void l_osnap_porta_il_clic_sul_vertice_e_il_pan_fermato_mostra_il_divieto() {
        Copione copione;
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        misuraesatta(f);
        AreaGrafica* area = f.area();
        clicca(f, "btnRettangolo");
        for (QPoint p : {pixel(area, 2, 2), pixel(area, 6, 5)}) {
            QTest::mouseMove(area, p);
            QTest::mouseClick(area, Qt::LeftButton, {}, p);
        }
        QCOMPARE(f.nucleo().sez.prossimorettangolo, 2);

        // Near the corner (6, 5) with object snap on: the readout jumps onto it,
        // in cyan, and the click takes it.
        clicca(f, "btnOsnap");
        const QPoint vicino = pixel(area, 6.2, 5.2);
        QTest::mouseMove(area, vicino);
        QTRY_COMPARE(testo(f, "lblCoordinataX"), QStringLiteral("6"));
        QCOMPARE(testo(f, "lblCoordinataY"), QStringLiteral("5"));
        QCOMPARE(f.findChild<QLabel*>("lblCoordinataX")->palette().color(QPalette::Window),
                 QColor(0, 255, 255));
        QCOMPARE(area->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(area, Qt::LeftButton, {}, vicino);
        QTest::mouseMove(area, pixel(area, 9.5, 8));
        QTest::mouseClick(area, Qt::LeftButton, {}, pixel(area, 9.5, 8));
        QCOMPARE(f.nucleo().sez.prossimorettangolo, 3);
        QCOMPARE(f.nucleo().sez.rettangoli[2][R::x1], 6.0f);
        QCOMPARE(f.nucleo().sez.rettangoli[2][R::y1], 5.0f);
        clicca(f, "btnOsnap");

        // A drag that would pass the left edge: stopped there, no-drop pointer
        // for a moment, the window alive meanwhile.
        clicca(f, "btnDisegna");
        clicca(f, "btnPan");
        QTest::mouseMove(area, pixel(area, 2, 6));
        QTest::mousePress(area, Qt::LeftButton, {}, pixel(area, 2, 6));
        QCOMPARE(area->cursor().shape(), Qt::SizeAllCursor);
        QTest::mouseMove(area, pixel(area, 9, 6));
        QTest::mouseRelease(area, Qt::LeftButton, {}, pixel(area, 9, 6));
        QCOMPARE(area->cursor().shape(), Qt::ForbiddenCursor);
        QCOMPARE(testo(f, "lblOriginex"), QStringLiteral("0"));
        QTRY_COMPARE(area->cursor().shape(), Qt::CrossCursor);
    }

    void disegno_calcolo_selezione_e_spostamento_col_mouse_danno_i_valori_della_sezione_spostata() {
        Copione copione;
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        misuraesatta(f);
        AreaGrafica* area = f.area();
        const auto punta = [&](double x, double y) {
            QTest::mouseMove(area, pixel(area, x, y));
            QTest::mouseClick(area, Qt::LeftButton, {}, pixel(area, x, y));
        };
        clicca(f, "btnRettangolo");
        punta(2, 1);
        punta(6, 3);
        clicca(f, "btnTriangolo");
        punta(2, 3);
        punta(6, 3);
        punta(2, 7);
        clicca(f, "btnEsegui");
        QCOMPARE(testo(f, "lblArea"), QStringLiteral("16"));

        // Select the triangle near its centroid and move it by (7, 2).
        clicca(f, "btnSeleziona");
        clicca(f, "btnTriangolo");
        punta(3.5, 4.5);
        QCOMPARE(testo(f, "lblContatore"), QStringLiteral("1"));
        clicca(f, "btnSposta");
        punta(3.5, 4.5);
        punta(10.5, 6.5);
        QVERIFY(copione.domande.empty());
        clicca(f, "btnEsegui");

        // Independent values: a 4 x 2 box and a right triangle with legs 4,
        // by their own centroidal moments and the parallel-axis theorem.
        struct Parte {
            double a, x, y, ix, iy, ixy;
        } parti[] = {{8, 4, 2, 4 * 8 / 12.0, 2 * 64 / 12.0, 0},
                     {8, 9 + 4 / 3.0, 5 + 4 / 3.0, 4 * 64 / 36.0, 4 * 64 / 36.0, -256 / 72.0}};
        double A = 0, Sx = 0, Sy = 0, Ix = 0, Iy = 0, Ixy = 0;
        for (const Parte& p : parti) {
            A += p.a, Sy += p.a * p.x, Sx += p.a * p.y;
            Ix += p.ix + p.a * p.y * p.y, Iy += p.iy + p.a * p.x * p.x;
            Ixy += p.ixy + p.a * p.x * p.y;
        }
        const double xg = Sy / A, yg = Sx / A;
        const double ixg = Ix - A * yg * yg, iyg = Iy - A * xg * xg, ixgyg = Ixy - A * xg * yg;
        const double m = (ixg + iyg) / 2, r = std::sqrt((ixg - iyg) * (ixg - iyg) / 4 + ixgyg * ixgyg);
        const double attesi[15] = {A, A, xg, yg, Ix, Iy, ixg, iyg, Ixy, ixgyg, m + r, m - r,
                                   std::sqrt((m + r) / A), std::sqrt((m - r) / A),
                                   0.5 * std::atan2(-2 * ixgyg, ixg - iyg) * 180 / 3.141592653589793};
        for (int i = 0; i < 15; ++i) {
            const double v = valoredidascalia(testo(f, ETICHETTERISULTATI[i]).toStdString());
            QVERIFY2(std::abs(v - attesi[i]) <= 2e-5 * std::max(1.0, std::abs(attesi[i])),
                     qPrintable(QString("%1 = %2, atteso %3").arg(ETICHETTERISULTATI[i]).arg(v).arg(attesi[i])));
        }
    }

    void ctrl_c_in_una_casella_sceglie_il_cerchio() {
        Copione copione;
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QLineEdit* densita = f.findChild<QLineEdit*>("txtDensita");
        densita->setFocus();
        QTRY_VERIFY(densita->hasFocus());
        QTest::keyClick(densita, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(f.nucleo().costruzione.disegnocerchio);
        QTest::keyClick(densita, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(f.nucleo().costruzione.disegnolinea);
    }

    void l_ellisse_sparisce_quando_la_finestra_si_ridimensiona_o_torna_dalla_barra() {
        Copione copione;
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        FrmVask_2& n = f.nucleo();
        n.mnuStrumentiCerchio_Click();
        n.picAreagrafica_MouseDown(5, 12 - 5);
        clicca(f, "btnEsegui");
        QVERIFY(!n.pic.sovrapposto.primitive.empty());
        // Wider only: the area keeps its size, the window still regenerates.
        f.resize(1500, 600);
        QTRY_COMPARE(f.size(), QSize(1500, 600));
        const QSize area = f.area()->size();
        clicca(f, "btnEllisseCentrale");
        QVERIFY(!n.pic.sovrapposto.primitive.empty());
        f.resize(1600, 600);
        QTRY_COMPARE(f.size(), QSize(1600, 600));
        QCOMPARE(f.area()->size(), area);
        QVERIFY(n.pic.sovrapposto.primitive.empty());

        clicca(f, "btnEllisseCentrale");
        QVERIFY(!n.pic.sovrapposto.primitive.empty());
        const size_t disegnate = n.pic.immagine.primitive.size();
        f.setWindowState(Qt::WindowMinimized);
        f.setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(n.pic.sovrapposto.primitive.empty());
        QCOMPARE(n.pic.immagine.primitive.size(), disegnate);  // the picture stays
    }
};

QTEST_MAIN(SezioneTest)
#include "sezione_test.moc"
