#include "app/pittore.h"

#include <QLineF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <vector>

namespace vask {

namespace {

// The painter's pen, brush and antialiasing change only when they must:
// a regeneration holds thousands of strokes of one colour, and every QPen
// built costs an allocation.
class Stato {
public:
    explicit Stato(QPainter& p) : p_(p) {
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setBrush(Qt::NoBrush);
    }

    void penna(uint32_t colore, int spessore) {
        if (conpenna_ && colore == colore_ && spessore == spessore_) return;
        QPen pen(colorerg(colore), spessore < 1 ? 1 : spessore, Qt::SolidLine, Qt::SquareCap,
                 Qt::MiterJoin);
        p_.setPen(pen);
        conpenna_ = true;
        colore_ = colore;
        spessore_ = spessore;
    }
    void senzapenna() {
        if (!conpenna_) return;
        p_.setPen(Qt::NoPen);
        conpenna_ = false;
    }
    void riempimento(bool pieno, uint32_t colore) {
        if (pieno == pieno_ && (!pieno || colore == riempimento_)) return;
        if (pieno)
            p_.setBrush(colorerg(colore));
        else
            p_.setBrush(Qt::NoBrush);
        pieno_ = pieno;
        riempimento_ = colore;
    }
    void smussato(bool si) {
        if (si == smussato_) return;
        p_.setRenderHint(QPainter::Antialiasing, si);
        smussato_ = si;
    }

private:
    QPainter& p_;
    bool conpenna_ = false;
    uint32_t colore_ = 0;
    int spessore_ = 0;
    bool pieno_ = false;
    uint32_t riempimento_ = 0;
    bool smussato_ = false;
};

struct Mappa {
    double sx, sy, kx, ky;
    double x(float xs) const { return (xs - sx) * kx; }
    double y(float ys) const { return (ys - sy) * ky; }
};

// Scratch space kept between calls, so that painting allocates nothing once warm.
struct Memoria {
    std::vector<QLineF> linee;
    std::vector<QPointF> punti;
};

// Consecutive segments of one colour, width and smoothing go out together.
class Lotto {
public:
    Lotto(QPainter& p, Stato& stato, Memoria& m) : p_(p), stato_(stato), m_(m) { m_.linee.clear(); }

    void aggiungi(const QLineF& l, uint32_t colore, int spessore, bool smussato) {
        if (!m_.linee.empty() &&
            (colore != colore_ || spessore != spessore_ || smussato != smussato_))
            svuota();
        colore_ = colore;
        spessore_ = spessore;
        smussato_ = smussato;
        m_.linee.push_back(l);
    }

    void svuota() {
        std::vector<QLineF>& v = m_.linee;
        if (v.empty()) return;
        stato_.smussato(smussato_);
        stato_.penna(colore_, spessore_);
        p_.drawLines(v.data(), static_cast<int>(v.size()));
        v.clear();
    }

private:
    QPainter& p_;
    Stato& stato_;
    Memoria& m_;
    uint32_t colore_ = 0;
    int spessore_ = 1;
    bool smussato_ = false;
};

void strato(QPainter& p, Stato& stato, const Strato& s, const Mappa& m, Memoria& mem) {
    Lotto lotto(p, stato, mem);
    std::vector<QPointF>& punti = mem.punti;
    const size_t npool = s.punti.size() / 2;
    for (const Primitiva& q : s.primitive) {
        if (q.forma == Forma::Segmento) {
            const QLineF l(m.x(q.x1), m.y(q.y1), m.x(q.x2), m.y(q.y2));
            // Only slanted lines are smoothed: axis-parallel strokes (the triangle
            // fill, the grid, the axes) stay crisp and take the fast path.
            const bool obliquo = q.x1 != q.x2 && q.y1 != q.y2;
            lotto.aggiungi(l, q.colore, q.spessore, obliquo);
            continue;
        }
        lotto.svuota();
        switch (q.forma) {
        case Forma::Rettangolo: {
            stato.smussato(false);
            stato.penna(q.colore, q.spessore);
            stato.riempimento(q.riempito, q.riempimento);
            QRectF r(QPointF(m.x(q.x1), m.y(q.y1)), QPointF(m.x(q.x2), m.y(q.y2)));
            p.drawRect(r.normalized());
            break;
        }
        case Forma::Cerchio: {
            stato.smussato(true);
            stato.penna(q.colore, q.spessore);
            stato.riempimento(q.riempito, q.riempimento);
            p.drawEllipse(QPointF(m.x(q.x1), m.y(q.y1)), std::abs(q.raggio * m.kx),
                          std::abs(q.raggio * m.ky));
            break;
        }
        case Forma::Punti: {
            if (q.quanti == 0 || size_t(q.primo) + q.quanti > npool) break;
            punti.resize(q.quanti);
            const float* xy = s.punti.data() + 2 * size_t(q.primo);
            for (uint32_t i = 0; i < q.quanti; ++i)
                punti[i] = QPointF(m.x(xy[2 * i]), m.y(xy[2 * i + 1]));
            stato.smussato(false);
            stato.penna(q.colore, q.spessore);
            p.drawPoints(punti.data(), static_cast<int>(q.quanti));
            break;
        }
        case Forma::Poligono: {
            if (q.quanti < 3 || size_t(q.primo) + q.quanti > npool) break;
            punti.resize(q.quanti);
            const float* xy = s.punti.data() + 2 * size_t(q.primo);
            for (uint32_t i = 0; i < q.quanti; ++i)
                punti[i] = QPointF(m.x(xy[2 * i]), m.y(xy[2 * i + 1]));
            stato.smussato(false);
            stato.senzapenna();
            stato.riempimento(true, q.colore);
            p.drawPolygon(punti.data(), static_cast<int>(q.quanti));
            break;
        }
        case Forma::Segmento:
            break;
        }
    }
    lotto.svuota();
}

// The first and the last pixel of a row stand on the window's edges, so that
// the cursor reads 0 and 20 there and lines on the edges stay visible.
double campo(int pixel) { return pixel > 1 ? pixel - 1 : 1; }

}  // namespace

void dipingi(QPainter& p, const Superficie& s, QSize pixel) {
    p.fillRect(QRect(QPoint(0, 0), pixel), colorerg(s.sfondo));
    if (s.scalewidth == 0 || s.scaleheight == 0 || pixel.isEmpty()) return;

    // Kept between calls so that a regeneration allocates nothing.
    static thread_local Memoria memoria;

    const Mappa m{s.scaleleft, s.scaletop, campo(pixel.width()) / double(s.scalewidth),
                  campo(pixel.height()) / double(s.scaleheight)};
    p.save();
    Stato stato(p);
    strato(p, stato, s.immagine, m, memoria);
    strato(p, stato, s.sovrapposto, m, memoria);
    p.restore();
}

QPointF puntosuperficie(const Superficie& s, QSize pixel, QPointF posizione) {
    const double w = campo(pixel.width()), h = campo(pixel.height());
    return QPointF(s.scaleleft + posizione.x() / w * s.scalewidth,
                   s.scaletop + posizione.y() / h * s.scaleheight);
}

}  // namespace vask
