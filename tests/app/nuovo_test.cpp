// "Nuovo" through the real menu and key: the boxes and labels follow the core.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <QtTest>

#include "app/finestraprincipale.h"
#include "copione.h"

using namespace vask;

class NuovoTest : public QObject {
    Q_OBJECT
    Copione copione;
    FinestraPrincipale* f = nullptr;

    QLineEdit* densita() { return f->findChild<QLineEdit*>("txtDensita"); }
    QAction* voce(const char* nome) { return f->findChild<QAction*>(nome); }

    void scrividensita(const char* testo) {
        densita()->setFocus();
        densita()->selectAll();
        QTest::keyClicks(densita(), testo);
    }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }
    void init() {
        copione.domande.clear();
        copione.risposte.clear();
        f = new FinestraPrincipale(&copione);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
    }
    void cleanup() {
        delete f;
        f = nullptr;
    }

    void nuovo_con_risposta_no_non_cambia_nulla() {
        scrividensita("5");
        QCOMPARE(densita()->text(), QString("5"));
        f->nucleo().ctl.testo("lblArea", "7");
        f->sincronizza();
        copione.risposte.push_back(Risposta::No);
        voce("mnuFileNuovo")->trigger();
        QCOMPARE(int(copione.domande.size()), 1);
        QCOMPARE(densita()->text(), QString("5"));
        QCOMPARE(f->nucleo().ctl.testo("txtDensita"), std::string("5"));
        QCOMPARE(f->findChild<QLabel*>("lblArea")->text(), QString("7"));
    }

    void nuovo_con_risposta_si_riporta_le_caselle_e_i_risultati_all_inizio() {
        scrividensita("5");
        f->nucleo().ctl.testo("lblArea", "7");
        f->nucleo().ctl.testo("lblPrimoPuntoX", "3");
        f->sincronizza();
        copione.risposte.push_back(Risposta::Si);
        voce("mnuFileNuovo")->trigger();

        QCOMPARE(int(copione.domande.size()), 1);
        const Domanda& d = copione.domande[0];
        QCOMPARE(QString::fromStdString(d.titolo), QString("Nuova sezione."));
        QCOMPARE(int(d.pulsanti), int(Pulsanti::SiNo));
        QCOMPARE(int(d.icona), int(Icona::Esclamazione));
        QCOMPARE(densita()->text(), QString("1"));
        QCOMPARE(f->findChild<QLabel*>("lblArea")->text(), QString());
        QCOMPARE(f->findChild<QLabel*>("lblPrimoPuntoX")->text(), QString("x1"));
    }

    void il_tasto_F2_chiede_una_nuova_sezione() {
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
        copione.risposte.push_back(Risposta::No);
        QTest::keyClick(f, Qt::Key_F2);
        QTRY_COMPARE(int(copione.domande.size()), 1);
        QCOMPARE(QString::fromStdString(copione.domande[0].titolo), QString("Nuova sezione."));
    }

};

QTEST_MAIN(NuovoTest)
#include "nuovo_test.moc"
