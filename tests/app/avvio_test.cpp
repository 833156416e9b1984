// The start window: a key or a click on "Avvia Vask_2 cad" opens the main window.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
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

    void la_sezione_della_riga_di_comando_si_apre_dopo_l_avvio() {
        const QString percorso = QStringLiteral(VASK_ESEMPI "/sezione_a_l.vask");
        FinestraAvvio avvio;
        avvio.daaprire(percorso);
        avvio.show();
        QVERIFY(QTest::qWaitForWindowExposed(&avvio));
        QVERIFY(!avvio.principale());
        QTest::keyClick(&avvio, Qt::Key_Return);
        FinestraPrincipale* f = avvio.principale();
        QVERIFY(f);
        QTRY_VERIFY(f->isVisible());
        QTRY_VERIFY(!avvio.isVisible());
        const FrmVask_2& n = f->nucleo();
        QCOMPARE(n.sez.prossimorettangolo - 1, 2);
        QCOMPARE(n.sez.prossimotriangolo - 1, 1);
        QCOMPARE(n.sez.l - 1, 5);
        QCOMPARE(QString::fromStdString(n.nomedocumento), percorso);
        QCOMPARE(f->windowTitle(), QStringLiteral("Vask_2 cad - Edizione didattica 2.0 - sezione_a_l.vask"));
        // Starting again does not open it a second time (the section is
        // saved elsewhere meanwhile).
        f->nucleo().documentosalvato("altrove.vask");
        avvio.avvia();
        QCOMPARE(n.nomedocumento, std::string("altrove.vask"));
    }

    void una_sezione_illeggibile_dalla_riga_di_comando_lascia_la_sezione_vuota() {
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        const QString percorso = cartella.filePath(QStringLiteral("rotta.vask"));
        QFile file(percorso);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"versione\": 7}");
        file.close();

        FinestraAvvio avvio;
        avvio.daaprire(percorso);
        avvio.show();
        QVERIFY(QTest::qWaitForWindowExposed(&avvio));
        // The usual message box comes up over the main window: read and close it.
        QString messaggio;
        QWidget* sopra = nullptr;
        QTimer chiudi;
        connect(&chiudi, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messaggio = box->text();
                sopra = box->parentWidget();
                box->accept();
            }
        });
        chiudi.start(20);
        QTest::keyClick(&avvio, Qt::Key_Space);
        chiudi.stop();
        QCOMPARE(messaggio, QStringLiteral("Impossibile aprire «rotta.vask»: la versione 7 del formato non è conosciuta."));
        FinestraPrincipale* f = avvio.principale();
        QVERIFY(f);
        QCOMPARE(sopra, static_cast<QWidget*>(f));
        QVERIFY(f->isVisible());
        const FrmVask_2& n = f->nucleo();
        QCOMPARE(n.sez.prossimorettangolo, 1);
        QCOMPARE(n.sez.prossimotriangolo, 1);
        QCOMPARE(n.sez.prossimocerchio, 1);
        QCOMPARE(n.sez.l, 1);
        QVERIFY(n.nomedocumento.empty());
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
