// The Modifica menu in the real window: its entries follow what can be
// undone, redone and copied; the keys reach them; the copy reaches the clipboard.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStyleFactory>
#include <QtTest>

#include "app/finestraprincipale.h"
#include "copione.h"
#include "model/numeri.h"

using namespace vask;

class AnnullaQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }
    void cleanup() { impostaseparatore('.'); }

    void le_voci_seguono_la_storia_e_i_tasti_le_raggiungono() {
        Copione c;
        FinestraPrincipale f(&c);
        f.show();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto* annulla = f.findChild<QAction*>("mnuEditaAnnulla");
        auto* ripeti = f.findChild<QAction*>("mnuEditaRipeti");
        auto* copia = f.findChild<QAction*>("mnuEditaCopiaRisultati");
        QVERIFY(annulla && ripeti && copia);
        QVERIFY(!annulla->isEnabled() && !ripeti->isEnabled() && !copia->isEnabled());
        QCOMPARE(ripeti->shortcuts().size(), 2);

        FrmVask_2& n = f.nucleo();
        n.mnuStrumentiCerchio_Click();
        n.picAreagrafica_MouseMove(5, n.pic.scaleheight - 5);
        n.picAreagrafica_MouseDown(5, n.pic.scaleheight - 5);
        f.sincronizza();
        QVERIFY(annulla->isEnabled());
        QCOMPARE(annulla->statusTip(), QString("Annulla: disegna cerchio 1"));

        QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(n.sez.prossimocerchio, 1);
        QVERIFY(!annulla->isEnabled());
        QVERIFY(ripeti->isEnabled());
        QCOMPARE(ripeti->statusTip(), QString("Ripeti: disegna cerchio 1"));
        QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(n.sez.prossimocerchio, 2);
        QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&f, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(n.sez.prossimocerchio, 2);

        // Copy: as "caption value" lines and as a two-column table.
        separatoredallalocale(QLocale(QLocale::Italian, QLocale::Italy));
        n.btnEsegui_Click();
        f.sincronizza();
        QVERIFY(copia->isEnabled());
        copia->trigger();
        const QMimeData* dati = QGuiApplication::clipboard()->mimeData();
        QVERIFY(dati);
        QVERIFY(dati->text().startsWith(QStringLiteral("A = 3,141593\nM = 3,141593\nXg = 5\n")));
        QVERIFY(dati->text().contains(QStringLiteral("α°= 0")));
        QVERIFY(dati->data("text/tab-separated-values").startsWith("A =\t3,141593\n"));
        QVERIFY(dati->html().contains(QStringLiteral("<td>Ixc =</td><td>")));
        // Ctrl+C keeps its meaning: the circle command.
        n.btnDisegna_Click();
        QTest::keyClick(&f, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(n.costruzione.disegnocerchio);
    }
};

QTEST_MAIN(AnnullaQtTest)
#include "annullaqt_test.moc"
