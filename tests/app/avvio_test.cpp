// The start window: a key or a click on "Avvia Vask_2 cad" opens the main window.
#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <QtTest>

#include "app/finestraprincipale.h"
#include "app/splash.h"

using namespace vask;

class AvvioTest : public QObject {
    Q_OBJECT

    static QString testo(QWidget& w, const char* nome) {
        auto* l = w.findChild<QLabel*>(nome);
        return l ? l->text() : QString("<manca %1>").arg(nome);
    }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

    void la_finestra_di_avvio_mostra_nome_versione_e_avvio() {
        FinestraAvvio avvio;
        QCOMPARE(avvio.objectName(), QString("frmSplash"));
        QCOMPARE(testo(avvio, "lblProductName"), QString("Vask_2 cad"));
        QCOMPARE(testo(avvio, "lblVersion"), QString("Versione   2 . 0"));
        QCOMPARE(testo(avvio, "lblWarning"), QString("Software didattico."));
        QCOMPARE(testo(avvio, "lblCompany"), QString("Avvia Vask_2 cad"));
        auto* logo = avvio.findChild<QLabel*>("imgLogo");
        QVERIFY(logo);
        QVERIFY(!logo->pixmap().isNull());
        QVERIFY(!avvio.principale());
    }

    void un_tasto_sulla_finestra_di_avvio_apre_la_principale_e_la_chiude() {
        FinestraAvvio avvio;
        avvio.show();
        QVERIFY(QTest::qWaitForWindowExposed(&avvio));
        QTest::keyClick(&avvio, Qt::Key_Space);
        FinestraPrincipale* f = avvio.principale();
        QVERIFY(f);
        QCOMPARE(f->objectName(), QString("FrmVask_2"));
        QTRY_VERIFY(f->isVisible());
        QTRY_VERIFY(!avvio.isVisible());
        QVERIFY(!f->isModal());
        // The core's start values are in place.
        QCOMPARE(f->findChild<QLabel*>("lblDescrizione")->text(),
                 QString("Disegna: Premi i pulsanti rettangolo, triangolo o cerchio per comporre "
                         "la sezione."));
    }

    void un_clic_su_avvia_apre_la_principale_e_chiude_l_avvio() {
        FinestraAvvio avvio;
        avvio.show();
        QVERIFY(QTest::qWaitForWindowExposed(&avvio));
        auto* avvia = avvio.findChild<QLabel*>("lblCompany");
        QVERIFY(avvia);
        QTest::mouseClick(avvia, Qt::LeftButton);
        QVERIFY(avvio.principale());
        QTRY_VERIFY(avvio.principale()->isVisible());
        QTRY_VERIFY(!avvio.isVisible());
    }

    void un_clic_altrove_non_avvia() {
        FinestraAvvio avvio;
        avvio.show();
        QVERIFY(QTest::qWaitForWindowExposed(&avvio));
        QTest::mouseClick(avvio.findChild<QLabel*>("lblProductName"), Qt::LeftButton);
        // Keys that type nothing are not a key press.
        QTest::keyClick(&avvio, Qt::Key_Left);
        QTest::keyClick(&avvio, Qt::Key_F1);
        QTest::keyClick(&avvio, Qt::Key_Shift);
        QVERIFY(!avvio.principale());
        QVERIFY(avvio.isVisible());
    }
};

QTEST_MAIN(AvvioTest)
#include "avvio_test.moc"
