// The point box, Esc, F9 and the wheel in the real window, through the
// keyboard and the mouse as a user gives them.
#include <QtWidgets>
#include <QtTest>

#include "app/areagrafica.h"
#include "app/finestraprincipale.h"
#include "copione.h"

using namespace vask;

class PuntiQtTest : public QObject {
    Q_OBJECT
    Copione copione;
    FinestraPrincipale* f = nullptr;
    QLineEdit* punto = nullptr;

    QString testo(const char* nome) { return f->findChild<QLabel*>(nome)->text(); }
    void digita(const QString& t) {
        punto->setFocus();
        punto->selectAll();
        QTest::keyClicks(punto, t);
        QTest::keyClick(punto, Qt::Key_Return);
    }
    // A wheel turn of `gradi` eighths of a degree at a pixel of the drawing area.
    void rotella(QPoint p, int gradi) {
        QWheelEvent e(p, f->area()->mapToGlobal(p), {}, {0, gradi}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f->area(), &e);
    }

private slots:
    void init() {
        copione.domande.clear();
        f = new FinestraPrincipale(&copione);
        f->show();
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
        punto = f->findChild<QLineEdit*>("txtPunto");
        QVERIFY(punto && f->findChild<QLabel*>("lblPunto")->text() == "Punto:");
    }
    void cleanup() { delete f; }

    // Typed with Enter; a refusal keeps the text; Up recalls; the readout shows the point.
    void il_punto_digitato_disegna_e_il_rifiuto_resta_nella_casella() {
        QCOMPARE(punto->toolTip(), QStringLiteral("Coordinate del punto: x;y oppure @dx;dy, poi Invio"));
        f->findChild<QPushButton*>("btnRettangolo")->click();
        digita("2;3");
        QCOMPARE(testo("lblCoordinataX") + " " + testo("lblCoordinataY") + " [" + punto->text() + "]", QStringLiteral("2 3 []"));
        digita("3,5");
        QCOMPARE(copione.domande.size(), size_t(1));
        QCOMPARE(copione.domande[0].titolo, std::string("Punto non valido."));
        QCOMPARE(copione.domande[0].icona, Icona::Esclamazione);
        QCOMPARE(punto->text(), QStringLiteral("3,5"));
        digita("@4,5 2");
        QCOMPARE(f->nucleo().sez.numerorettangoli(), 1);
        QCOMPARE(f->nucleo().sez.rettangoli[1][R::x2], 6.5f);
        QCOMPARE(testo("lblContatore"), QStringLiteral("1"));
        QTest::keyClick(punto, Qt::Key_Up);
        QCOMPARE(punto->text(), QStringLiteral("@4,5 2"));
        QTest::keyClick(punto, Qt::Key_Up);
        QCOMPARE(punto->text(), QStringLiteral("2;3"));
    }

    // Esc from the point box and from the drawing area; F9 fits the section.
    void esc_abbandona_e_f9_mostra_tutta_la_sezione() {
        f->findChild<QPushButton*>("btnTriangolo")->click();
        digita("100;100");
        QVERIFY(f->nucleo().comandoinsospeso());
        QTest::keyClick(punto, Qt::Key_Escape);
        QVERIFY(!f->nucleo().comandoinsospeso());
        digita("100;100");
        digita("@5;0");
        f->area()->setFocus();
        QTest::keyClick(f->area(), Qt::Key_Escape);
        QVERIFY(!f->nucleo().comandoinsospeso());
        for (const char* p : {"100;100", "@5;0", "@0;5"}) digita(p);
        QCOMPARE(f->nucleo().sez.numerotriangoli(), 1);
        // 5 x 5 with its margins needs 5.5 of height on whole units: 10 x 6 cannot, 20 x 12 can.
        QTest::keyClick(f, Qt::Key_F9);
        QCOMPARE(testo("lblOriginex") + " " + testo("lblOriginey") + " " + testo("lbl20x"), QStringLiteral("93 97 113"));
        QVERIFY(f->findChild<QPushButton*>("btnZoomEstensioni")->text() == "Tutto");
    }

    // Two half notches make one; the point under the cursor stays within a unit.
    void la_rotella_ingrandisce_intorno_al_cursore() {
        AreaGrafica* a = f->area();
        const QPoint centro(a->width() / 2, a->height() / 2);
        rotella(centro, 60);
        QCOMPARE(testo("lbl20x"), QStringLiteral("20"));
        rotella(centro, 60);
        QCOMPARE(testo("lblOriginex") + " " + testo("lbl20x"), QStringLiteral("5 15"));
        for (int i = 0; i < 4; ++i) rotella(centro, -120);
        QCOMPARE(testo("lblOriginex") + " " + testo("lbl20x") + " " + testo("lblDescrizione"),
                 QStringLiteral("0 80 Zoom-: Non sono ammessi ulteriori zoom-."));
    }
};

QTEST_MAIN(PuntiQtTest)
#include "puntiqt_test.moc"
