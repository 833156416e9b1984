// The sample sections of esempi/, opened in the real window and computed
// with "Eseg": the panel agrees with the parts worked out by hand, every
// closure line is tangent to the section and gives its kern vertex.
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyleFactory>
#include <QtTest>
#include <cmath>

#include "app/finestraprincipale.h"
#include "copione.h"
#include "esempi.h"
#include "model/numeri.h"

using namespace vask;

class EsempiTest : public QObject {
    Q_OBJECT

    static QString testo(FinestraPrincipale& f, const char* nome) {
        QLabel* l = f.findChild<QLabel*>(nome);
        return l ? l->text() : QStringLiteral("<manca %1>").arg(nome);
    }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }
    void cleanup() { impostaseparatore('.'); }

    void ogni_esempio_si_apre_e_si_calcola_come_a_mano_data() {
        QTest::addColumn<int>("numero");
        const auto tutti = esempi::tutti();
        for (int i = 0; i < int(tutti.size()); ++i) QTest::newRow(tutti[size_t(i)].file) << i;
    }

    void ogni_esempio_si_apre_e_si_calcola_come_a_mano() {
        QFETCH(int, numero);
        const esempi::Esempio e = esempi::tutti()[size_t(numero)];
        separatoredallalocale(QLocale(QLocale::Italian, QLocale::Italy));
        Copione copione;
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(f.apri(esempi::percorso(e)));
        QVERIFY(f.windowTitle().contains(QString::fromLatin1(e.file)));
        QVERIFY(!f.nucleo().modificata());

        // Everything within the start view, 20 x 12 from the origin.
        const FrmVask_2& n = f.nucleo();
        QCOMPARE(n.pic.scaleleft, 0.f);
        QCOMPARE(n.pic.scalewidth, 20.f);
        QCOMPARE(n.pic.scaleheight, 12.f);
        for (const esempi::Parte& p : e.parti) {
            QVERIFY(p.x > 0 && p.x < 20);
            QVERIFY(p.y > 0 && p.y < 12);
        }
        QCOMPARE(n.sez.l - 1, int(e.linee.size()));

        QTest::mouseClick(f.findChild<QPushButton*>("btnEsegui"), Qt::LeftButton);
        QVERIFY2(copione.domande.empty(),
                 copione.domande.empty() ? "" : copione.domande.front().testo.c_str());

        const esempi::Attese attese = esempi::attese(e.parti);
        for (int i = 0; i < 15; ++i) {
            const QString mostrato = testo(f, ETICHETTERISULTATI[i]);
            // The Italian separator: never a point in the panel.
            QVERIFY2(!mostrato.contains(QLatin1Char('.')), qPrintable(mostrato));
            bool valido = false;
            const double v = valoredidascalia(mostrato.toStdString(), &valido);
            QVERIFY2(valido, qPrintable(mostrato));
            const double scarto = i == esempi::ALFA ? esempi::differenzaangoli(v, attese.valori[i])
                                                    : std::fabs(v - attese.valori[i]);
            QVERIFY2(scarto <= attese.tolleranza[i],
                     qPrintable(QStringLiteral("%1 %2: atteso %3, scarto %4 oltre %5")
                                    .arg(QString::fromUtf8(DIDASCALIERISULTATI[i]), mostrato)
                                    .arg(attese.valori[i], 0, 'g', 10)
                                    .arg(scarto)
                                    .arg(attese.tolleranza[i])));
        }

        for (size_t k = 0; k < e.linee.size(); ++k) {
            const auto [p1, p2] = e.linee[k];
            // Tangent to the section: every part's extreme points on one side.
            const double nx = -(p2.y - p1.y), ny = p2.x - p1.x;
            const double lunghezza = std::hypot(nx, ny);
            double minimo = 1e300, massimo = -1e300;
            for (int r = 1; r < n.sez.prossimorettangolo; ++r)
                for (int cx : {R::x1, R::x2})
                    for (int cy : {R::y1, R::y2}) {
                        const double d = (nx * (n.sez.rettangoli[r][cx] - p1.x) +
                                          ny * (n.sez.rettangoli[r][cy] - p1.y)) / lunghezza;
                        minimo = std::min(minimo, d), massimo = std::max(massimo, d);
                    }
            for (int t = 1; t < n.sez.prossimotriangolo; ++t)
                for (auto [cx, cy] : {std::pair{T::x1, T::y1}, {T::x2, T::y2}, {T::x3, T::y3}}) {
                    const double d = (nx * (n.sez.triangoli[t][cx] - p1.x) +
                                      ny * (n.sez.triangoli[t][cy] - p1.y)) / lunghezza;
                    minimo = std::min(minimo, d), massimo = std::max(massimo, d);
                }
            for (int c = 1; c < n.sez.prossimocerchio; ++c) {
                const double d = (nx * (n.sez.cerchi[c][C::xc] - p1.x) +
                                  ny * (n.sez.cerchi[c][C::yc] - p1.y)) / lunghezza;
                const double raggio = n.sez.cerchi[c][C::raggio];
                minimo = std::min(minimo, d - raggio), massimo = std::max(massimo, d + raggio);
            }
            QVERIFY2(minimo >= -1e-9 || massimo <= 1e-9, qPrintable(QStringLiteral("linea %1").arg(k + 1)));

            // The kern vertex is there, at the antipole of the line.
            const int riga = int(k) + 1;
            QVERIFY(n.nocciolo.valido[riga]);
            const esempi::Punto atteso = esempi::antipolo(attese, p1, p2);
            const float* vertice = n.nocciolo.verticinocciolo[riga];
            QVERIFY2(std::hypot(vertice[1] - atteso.x, vertice[2] - atteso.y) < 2e-5,
                     qPrintable(QStringLiteral("linea %1: (%2 ; %3) invece di (%4 ; %5)")
                                    .arg(riga)
                                    .arg(vertice[1])
                                    .arg(vertice[2])
                                    .arg(atteso.x)
                                    .arg(atteso.y)));
        }
    }

    // The hand computation itself, on a case with a known answer: the rectangle
    // of the guide, (0 ; 0) to (2 ; 6), and its kern, the middle third.
    void il_calcolo_a_mano_ritrova_il_rettangolo_della_guida() {
        const esempi::Attese a = esempi::attese({esempi::rettangolo(0, 0, 2, 6)});
        const double valori[15] = {12, 12, 1, 3, 144, 16, 36, 4, 36, 0, 36, 4,
                                   std::sqrt(3.0), std::sqrt(1 / 3.0), 0};
        for (int i = 0; i < 15; ++i) QVERIFY(std::fabs(a.valori[i] - valori[i]) < 1e-12);
        const esempi::Punto sopra = esempi::antipolo(a, {0, 6}, {2, 6});
        QVERIFY(std::fabs(sopra.x - 1) < 1e-12 && std::fabs(sopra.y - 2) < 1e-12);
        const esempi::Punto destra = esempi::antipolo(a, {2, 0}, {2, 6});
        QVERIFY(std::fabs(destra.x - 2.0 / 3) < 1e-12 && std::fabs(destra.y - 3) < 1e-12);
        // A right triangle, legs 3 and 6 along the axes: A = 9, Ixy about
        // the origin = b²h²/24 = 13.5 (the textbook integral of xy).
        const esempi::Attese t = esempi::attese({esempi::triangolorettangolo(0, 0, 3, 6)});
        QVERIFY(std::fabs(t.valori[esempi::IXY] - 13.5) < 1e-12);
        QVERIFY(std::fabs(t.valori[esempi::IX] - 3.0 * 216 / 12) < 1e-12);
    }
};

QTEST_MAIN(EsempiTest)
#include "esempi_test.moc"
