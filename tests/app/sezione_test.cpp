// The real window, offscreen, driven through its drawing area: sections drawn,
// computed, selected and moved with the mouse; what reaches the pixels; the
// snap and the pan as the user feels them; the ellipse lost on a repaint.
#include <QApplication>
#include <QLabel>
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
    Copione copione;
    FinestraPrincipale* f = nullptr;
    AreaGrafica* area = nullptr;

    // Resize the window until the area spans a multiple of 40 px across and of
    // 12 px down (edge pixel to edge pixel): every half unit falls on a pixel.
    void misuraesatta() {
        for (int w = 1100; w < 1600; ++w) {
            f->resize(w, 800);
            QCoreApplication::processEvents();
            const QSize a = area->size();
            if ((a.width() - 1) % 40 == 0 && (a.height() - 1) % 12 == 0) return;
        }
        QFAIL("no window width gives an exact drawing area");
    }
    QPoint pixel(double x, double y) const {
        return QPoint(int(std::lround(x / 20 * (area->width() - 1))), int(std::lround((12 - y) / 12 * (area->height() - 1))));
    }
    void punta(double x, double y) {
        QTest::mouseMove(area, pixel(x, y));
        QTest::mouseClick(area, Qt::LeftButton, {}, pixel(x, y));
    }
    QString testo(const char* nome) { return f->findChild<QLabel*>(nome)->text(); }
    void clicca(const char* pulsante) { QTest::mouseClick(f->findChild<QPushButton*>(pulsante), Qt::LeftButton); }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }
    void init() {
        copione.domande.clear();
        f = new FinestraPrincipale(&copione);
        area = f->area();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        misuraesatta();
    }
    void cleanup() {
        delete f;
        impostaseparatore('.');
    }

    void disegno_calcolo_selezione_e_spostamento_col_mouse_danno_i_valori_della_sezione_spostata() {
        separatoredallalocale(QLocale(QLocale::Italian, QLocale::Italy));
        clicca("btnRettangolo");
        QTest::mouseMove(area, pixel(2.5, 1));
        QTRY_COMPARE(testo("lblCoordinataX") + " " + testo("lblCoordinataY"), QStringLiteral("2,5 1"));
        QTest::mouseClick(area, Qt::LeftButton, {}, pixel(2.5, 1));
        QCOMPARE(testo("lblPrimoPuntoX"), QStringLiteral("2,5"));
        punta(6.5, 3);
        clicca("btnTriangolo");
        punta(2.5, 3);
        punta(6.5, 3);
        punta(2.5, 7);
        clicca("btnEsegui");
        QCOMPARE(testo("lblArea"), QStringLiteral("16"));
        QCOMPARE(f->findChild<QPushButton*>("btnEsegui")->palette().color(QPalette::Button), QColor(0, 255, 0));

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

        // Independent values: a 4 x 2 box and a right triangle with legs 4,
        // by their own centroidal moments and the parallel-axis theorem.
        struct Parte {
            double a, x, y, ix, iy, ixy;
        } parti[] = {{8, 4.5, 2, 4 * 8 / 12.0, 2 * 64 / 12.0, 0},
                     {8, 9.5 + 4 / 3.0, 5 + 4 / 3.0, 4 * 64 / 36.0, 4 * 64 / 36.0, -256 / 72.0}};
        double A = 0, Sx = 0, Sy = 0, Ix = 0, Iy = 0, Ixy = 0;
        for (const Parte& p : parti) {
            A += p.a, Sy += p.a * p.x, Sx += p.a * p.y;
            Ix += p.ix + p.a * p.y * p.y, Iy += p.iy + p.a * p.x * p.x;
            Ixy += p.ixy + p.a * p.x * p.y;
        }
        const double xg = Sy / A, yg = Sx / A;
        const double ixg = Ix - A * yg * yg, iyg = Iy - A * xg * xg, ixgyg = Ixy - A * xg * yg;
        const double m = (ixg + iyg) / 2, r = std::hypot((ixg - iyg) / 2, ixgyg);
        const double attesi[15] = {A, A, xg, yg, Ix, Iy, ixg, iyg, Ixy, ixgyg, m + r, m - r,
                                   std::sqrt((m + r) / A), std::sqrt((m - r) / A),
                                   0.5 * std::atan2(-2 * ixgyg, ixg - iyg) * 180 / 3.141592653589793};
        for (int i = 0; i < 15; ++i) {
            const double v = valoredidascalia(testo(ETICHETTERISULTATI[i]).toStdString());
            QVERIFY2(std::abs(v - attesi[i]) <= 2e-5 * std::max(1.0, std::abs(attesi[i])),
                     qPrintable(QString("%1 = %2, atteso %3").arg(ETICHETTERISULTATI[i]).arg(v).arg(attesi[i])));
        }
    }

    void eseg_porta_assi_ellisse_e_nocciolo_sui_pixel() {
        FrmVask_2& n = f->nucleo();
        // A 2 x 6 rectangle and its four sides, through the core.
        const float p[10][2] = {{4, 3}, {6, 9}, {4, 3}, {6, 3}, {6, 3}, {6, 9}, {6, 9}, {4, 9}, {4, 9}, {4, 3}};
        n.mnuStrumentiRettangolo_Click();
        for (int i = 0; i < 10; ++i) {
            if (i == 2) n.mnuStrumentiLinea_Click();
            n.picAreagrafica_MouseMove(p[i][0], 12 - p[i][1]);
            n.picAreagrafica_MouseDown(p[i][0], 12 - p[i][1]);
        }
        clicca("btnEsegui");
        QCOMPARE(n.copianocciolo.vask, 4);
        QImage img = area->grab().toImage();
        QCOMPARE(img.pixelColor(pixel(15, 6)), QColor(255, 0, 255));  // Xc, right of the section
        QCOMPARE(img.pixelColor(pixel(5, 11)), QColor(255, 0, 0));    // Yc, above it
        QCOMPARE(img.pixelColor(pixel(4.5, 3.5)), QColor(255, 255, 255));
        const auto conta = [&img](auto&& colore) {
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) n += colore(img.pixelColor(x, y));
            return n;
        };
        const auto blu = [](QColor c) { return c == QColor(0, 0, 255); };
        const auto ciano = [](QColor c) { return c.red() < 80 && c.green() > 180 && c.blue() > 180; };  // smoothed
        QVERIFY2(conta(blu) > 200, qPrintable(QString::number(conta(blu))));
        QVERIFY2(conta(ciano) > 8, qPrintable(QString::number(conta(ciano))));
        // A regeneration keeps the kern and drops the ellipse.
        clicca("btnRigenera");
        QVERIFY(n.pic.sovrapposto.primitive.empty());
        img = area->grab().toImage();
        QVERIFY(conta(ciano) > 8);
        QVERIFY(conta(blu) < 20);  // the ellipse points are gone
    }

    void l_osnap_porta_il_clic_sul_vertice_e_il_pan_fermato_mostra_il_divieto() {
        clicca("btnRettangolo");
        punta(2, 2);
        punta(6, 5);
        // Near the corner (6, 5) with object snap on: the readout jumps onto it,
        // in cyan, and the click takes it.
        clicca("btnOsnap");
        const QPoint vicino = pixel(6.2, 5.2);
        QTest::mouseMove(area, vicino);
        QTRY_COMPARE(testo("lblCoordinataX") + " " + testo("lblCoordinataY"), QStringLiteral("6 5"));
        QCOMPARE(f->findChild<QLabel*>("lblCoordinataX")->palette().color(QPalette::Window), QColor(0, 255, 255));
        QCOMPARE(area->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(area, Qt::LeftButton, {}, vicino);
        punta(9.5, 8);
        QCOMPARE(f->nucleo().sez.rettangoli[2][R::x1], 6.0f);
        QCOMPARE(f->nucleo().sez.rettangoli[2][R::y1], 5.0f);
        clicca("btnOsnap");

        // A drag that would pass the left edge: stopped there, no-drop pointer
        // for a moment, the window alive meanwhile.
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

    void l_ellisse_sparisce_quando_la_finestra_si_ridimensiona_o_torna_dalla_barra() {
        FrmVask_2& n = f->nucleo();
        n.mnuStrumentiCerchio_Click();
        n.picAreagrafica_MouseDown(5, 12 - 5);
        clicca("btnEsegui");
        QVERIFY(!n.pic.sovrapposto.primitive.empty());
        // Wider only: the area keeps its size, the window still regenerates.
        f->resize(1500, 600);
        QTRY_COMPARE(f->size(), QSize(1500, 600));
        const QSize dimensione = area->size();
        clicca("btnEllisseCentrale");
        n.pic.immagine.svuota();  // a picture emptied behind the program's back comes back
        f->resize(1600, 600);
        QTRY_COMPARE(f->size(), QSize(1600, 600));
        QCOMPARE(area->size(), dimensione);
        QVERIFY(n.pic.sovrapposto.primitive.empty());
        QVERIFY(!n.pic.immagine.primitive.empty());

        clicca("btnEllisseCentrale");
        QVERIFY(!n.pic.sovrapposto.primitive.empty());
        const size_t disegnate = n.pic.immagine.primitive.size();
        f->setWindowState(Qt::WindowMinimized);
        f->setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(n.pic.sovrapposto.primitive.empty());
        QCOMPARE(n.pic.immagine.primitive.size(), disegnate);  // the picture stays
    }
};

QTEST_MAIN(SezioneTest)
#include "sezione_test.moc"
