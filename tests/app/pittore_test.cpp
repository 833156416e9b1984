// What the painter puts on the pixels: colours in 0x00BBGGRR, the mapping of
// the user scale, layer order; the canvas repainted in parts; huge circles.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <random>

#include "app/pittore.h"
#include "model/controlli.h"

using namespace vask;

namespace {

QImage dipinto(const Superficie& s, QSize dimensione) {
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    dipingi(img, s, img.rect());
    return img;
}

QColor a(const QImage& img, int x, int y) { return img.pixelColor(x, y); }

// Equal but for the last bits of smoothing, which depend on where the
// painter's clip starts; a primitive missing or misplaced differs by far more.
bool quasiuguali(const QImage& p, const QImage& q, int tolleranza = 8) {
    if (p.size() != q.size()) return false;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const QRgb a = p.pixel(x, y), b = q.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > tolleranza || std::abs(qGreen(a) - qGreen(b)) > tolleranza ||
                std::abs(qBlue(a) - qBlue(b)) > tolleranza)
                return false;
        }
    return true;
}

}  // namespace

class PittoreTest : public QObject {
    Q_OBJECT
private slots:
    // 20 x 12 units on 201 x 121 px: 10 px per unit, edges on pixels.
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
        QCOMPARE(a(dipinto(s, QSize(50, 30)), 25, 15), QColor(0x56, 0x34, 0x12));

        Superficie t;
        t.scala(10, -6, 30, 6);         // left 10, top -6, 20 x 12 units
        t.linea(15, 9, 25, 9, BIANCO);  // surface y = 12 - 9 = 3, pixel (3 + 6) * 10 = 90
        const QImage spostata = dipinto(t, QSize(201, 121));
        QCOMPARE(a(spostata, 100, 90), QColor(Qt::white));
        QCOMPARE(a(spostata, 40, 90), QColor(Qt::black));  // x 14, left of the line
        QCOMPARE(puntosuperficie(t, QSize(201, 121), QPointF(100, 60)), QPointF(20, 0));
        QCOMPARE(puntosuperficie(t, QSize(201, 121), QPointF(0, 120)), QPointF(10, 6));
        QCOMPARE(puntosuperficie(t, QSize(201, 121), QPointF(200, 0)), QPointF(30, -6));
    }

    // Points as large as the draw width; a polygon solid, without outline.
    void punti_e_poligoni() {
        Superficie p;
        p.spessore = 2;
        const float xy[] = {2, 10, 4, 10, 6, 10};
        p.punti(xy, 3, GRIGIO);
        const float quadro[] = {5, 2, 15, 2, 15, 6, 5, 6};
        p.poligono(quadro, 4, VIOLA);
        const QImage img = dipinto(p, QSize(201, 121));
        for (int x : {20, 40, 60}) {
            int accesi = 0;
            for (int dx = -2; dx <= 2; ++dx)
                for (int dy = -2; dy <= 2; ++dy) accesi += a(img, x + dx, 20 + dy) == QColor(128, 128, 128);
            QVERIFY2(accesi >= 3 && accesi <= 9, qPrintable(QString::number(accesi)));
        }
        QCOMPARE(a(img, 30, 20), QColor(0, 0, 0));
        QCOMPARE(a(img, 100, 80), QColor(255, 0, 255));
        QCOMPARE(a(img, 40, 80), QColor(0, 0, 0));
    }

    void la_tela_ridipinge_solo_cio_che_cambia_e_resta_uguale_a_una_pittura_intera() {
        // Random edits of a display list: after each, the picture kept by the
        // canvas equals the same list painted from scratch.
        std::mt19937 gen(7);
        std::uniform_real_distribution<float> x(-2, 22), y(-2, 14), r(0.05f, 3);
        std::uniform_int_distribution<int> scelta(0, 9);
        const uint32_t colori[] = {BIANCO, ROSSO, VERDE, BLU, GIALLO, CIANO};
        std::uniform_int_distribution<int> colore(0, 5);
        Superficie s;
        s.riempimentopieno = true;
        Tela tela;
        const QSize d(241, 145);
        tela.aggiorna(s, d);
        int parziali = 0;
        for (int passo = 0; passo < 300; ++passo) {
            const int c = scelta(gen);
            s.coloreriempimento = colori[colore(gen)];
            s.spessore = 1 + passo % 2;
            if (c < 3) s.linea(x(gen), y(gen), x(gen), y(gen), colori[colore(gen)]);
            else if (c < 4) { const float a = x(gen); s.linea(a, y(gen), a, y(gen), colori[colore(gen)]); }
            else if (c < 5) s.rettangolo(x(gen), y(gen), x(gen), y(gen), colori[colore(gen)]);
            else if (c < 6) s.cerchio(x(gen), y(gen), r(gen), colori[colore(gen)]);
            else if (c < 7) {
                const float t[6] = {x(gen), y(gen), x(gen), y(gen), x(gen), y(gen)};
                s.poligono(t, 3, colori[colore(gen)]);
            } else if (c < 8 && !s.immagine.primitive.empty()) {
                // A box that grows, as the rubber band does.
                Primitiva& q = s.immagine.primitive.back();
                q.x2 += 0.3f;
                q.y2 -= 0.2f;
            } else if (c < 9 && !s.immagine.primitive.empty()) {
                s.immagine.primitive.erase(s.immagine.primitive.begin() +
                                           passo % s.immagine.primitive.size());
            } else {
                s.persistente = false;
                const float p[4] = {x(gen), y(gen), x(gen), y(gen)};
                s.svuotasovrapposto();
                s.punti(p, 2, BLU);
                s.persistente = true;
            }
            if (passo % 50 == 49) s.immagine.svuota();
            const QRegion zona = tela.aggiorna(s, d);
            parziali += !zona.isEmpty() && zona.boundingRect() != QRect(QPoint(0, 0), d);
            QImage intera(d, QImage::Format_RGB32);
            dipingi(intera, s, intera.rect());
            QVERIFY2(quasiuguali(tela.immagine(), intera), qPrintable(QString("passo %1").arg(passo)));
        }
        QVERIFY(parziali > 100);  // most edits repainted a part only
        // Nothing changed: nothing painted.
        QVERIFY(tela.aggiorna(s, d).isEmpty());
        s.sfondo = ROSSO;
        QCOMPARE(tela.aggiorna(s, d), QRegion(QRect(QPoint(0, 0), d)));
    }

    void un_cerchio_enorme_si_dipinge_presto_e_come_il_cerchio_del_pittore() {
        // Radius 3000 px on a 201 x 121 image: centre off to the left, the
        // circumference crossing the image.
        Superficie s;
        s.riempimentopieno = true;
        s.coloreriempimento = ROSSO;
        s.cerchio(-290, 6, 300, BIANCO);  // 10 px per unit
        const QImage nostro = dipinto(s, QSize(201, 121));
        QImage suo(QSize(201, 121), QImage::Format_RGB32);
        suo.fill(Qt::black);
        QPainter p(&suo);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::red);
        p.drawEllipse(QPointF(-2900, 60), 3000, 3000);
        p.end();
        // The polygon stays within a quarter pixel of the curve: only the
        // smoothing of the edge differs.
        QVERIFY(quasiuguali(nostro, suo, 40));
        QCOMPARE(a(nostro, 50, 60), QColor(255, 0, 0));    // inside
        QCOMPARE(a(nostro, 150, 60), QColor(0, 0, 0));     // outside
        // Wholly inside or wholly outside: no curve at all.
        s.immagine.svuota();
        s.cerchio(10, 6, 5000, BIANCO);
        QCOMPARE(a(dipinto(s, QSize(201, 121)), 100, 60), QColor(255, 0, 0));
        s.immagine.svuota();
        s.cerchio(-6000, 6, 5000, BIANCO);
        QCOMPARE(a(dipinto(s, QSize(201, 121)), 100, 60), QColor(0, 0, 0));
    }
};

QTEST_MAIN(PittoreTest)
#include "pittore_test.moc"
