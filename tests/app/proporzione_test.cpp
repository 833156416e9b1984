// The drawing area keeps 20:12 as the window changes size, its captions stay at
// its edges, and mouse positions become surface coordinates.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QtTest>
#include <cmath>

#include "app/areagrafica.h"
#include "app/finestraprincipale.h"
#include "copione.h"

using namespace vask;

class ProporzioneTest : public QObject {
    Q_OBJECT
    Copione copione;

    // Centre of a widget in the coordinates of the area's parent.
    static QPoint centro(QWidget* w, QWidget* riferimento) {
        return w->mapTo(riferimento, w->rect().center());
    }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

    void l_area_resta_cinque_per_tre_a_ogni_dimensione_della_finestra() {
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        AreaGrafica* area = f.area();
        int precedente = 0;
        for (QSize s : {QSize(900, 620), QSize(1100, 720), QSize(1000, 1000), QSize(1600, 700),
                        QSize(1700, 1100)}) {
            f.resize(s);
            QTRY_COMPARE(f.size(), s);
            QTRY_VERIFY2(std::abs(area->width() * 3 - area->height() * 5) <= 5,
                         qPrintable(QString("%1x%2 in %3x%4")
                                        .arg(area->width())
                                        .arg(area->height())
                                        .arg(s.width())
                                        .arg(s.height())));
            QVERIFY(area->width() > 300);
            if (s == QSize(1700, 1100)) QVERIFY(area->width() > precedente);
            precedente = area->width();
        }
    }

    void le_didascalie_degli_assi_stanno_ai_bordi_dell_area() {
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.resize(1300, 800);
        QWidget* area = f.area();
        QWidget* quadro = area->parentWidget();
        QTRY_COMPARE(f.size(), QSize(1300, 800));
        const QRect r = area->geometry();
        auto x = [&](const char* n) { return centro(f.findChild<QLabel*>(n), quadro); };
        QVERIFY(std::abs(x("lblOriginex").x() - r.left()) <= 2);
        QVERIFY(std::abs(x("lbl10x").x() - (r.left() + r.width() / 2)) <= 2);
        QVERIFY(std::abs(x("lbl20x").x() - (r.left() + r.width())) <= 2);
        for (const char* n : {"lblOriginex", "lbl10x", "lbl20x"}) QVERIFY(x(n).y() > r.bottom());
        QVERIFY(std::abs(x("lblOriginey").y() - (r.top() + r.height())) <= 2);
        QVERIFY(std::abs(x("lbl6y").y() - (r.top() + r.height() / 2)) <= 2);
        QVERIFY(std::abs(x("lbl12y").y() - r.top()) <= 2);
        for (const char* n : {"lblOriginey", "lbl6y", "lbl12y"}) QVERIFY(x(n).x() < r.left());
    }

    void il_mouse_sull_area_arriva_in_unita_della_superficie() {
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        AreaGrafica* area = f.area();
        Superficie& s = f.nucleo().pic;
        s.scala(2, -3, 12, 3);  // 10 wide, 6 high, top edge at -3
        QSignalSpy mosse(area, &AreaGrafica::mossa);
        QSignalSpy premute(area, &AreaGrafica::premuta);
        QSignalSpy rilasci(area, &AreaGrafica::rilasciata);
        const QPointF punto((area->width() - 1) * 0.25, (area->height() - 1) * 0.5);
        QMouseEvent mossa(QEvent::MouseMove, punto, area->mapToGlobal(punto), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(area, &mossa);
        QCOMPARE(mosse.count(), 1);
        QCOMPARE(mosse[0][0].toFloat(), 4.5f);
        QCOMPARE(mosse[0][1].toFloat(), 0.0f);
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(0, area->height() - 1));
        QCOMPARE(premute.count(), 1);
        QCOMPARE(rilasci.count(), 1);
        QCOMPARE(premute[0][0].toFloat(), 2.0f);
        QCOMPARE(premute[0][1].toFloat(), 3.0f);
    }

    void gli_angoli_dell_area_si_leggono_zero_zero_e_venti_dodici() {
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        AreaGrafica* area = f.area();
        auto muovi = [&](QPointF punto) {
            QMouseEvent e(QEvent::MouseMove, punto, area->mapToGlobal(punto), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(area, &e);
        };
        auto x = f.findChild<QLabel*>("lblCoordinataX");
        auto y = f.findChild<QLabel*>("lblCoordinataY");
        // The first and last pixels are the edges of the window.
        muovi(QPointF(0, area->height() - 1));
        QCOMPARE(x->text(), QString("0"));
        QCOMPARE(y->text(), QString("0"));
        muovi(QPointF(area->width() - 1, 0));
        QCOMPARE(x->text(), QString("20"));
        QCOMPARE(y->text(), QString("12"));
    }

    void ridimensionare_la_finestra_rigenera_il_disegno() {
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        Superficie& s = f.nucleo().pic;
        // A rectangle in the tables, a picture emptied behind the program's back.
        f.nucleo().clic("mnuStrumentiRettangolo");
        f.nucleo().testomodificato("txtDensita", "1");
        for (QPointF p : {QPointF(2, 10), QPointF(6, 6)}) {  // surface units: world (2, 2), (6, 6)
            f.nucleo().picAreagrafica_MouseMove(float(p.x()), float(p.y()));
            f.nucleo().picAreagrafica_MouseDown(float(p.x()), float(p.y()));
        }
        QCOMPARE(f.nucleo().sez.prossimorettangolo, 2);
        s.pulisci();
        f.resize(f.width() + 120, f.height() + 60);
        QTRY_VERIFY(!s.immagine.primitive.empty());
    }
};

QTEST_MAIN(ProporzioneTest)
#include "proporzione_test.moc"
