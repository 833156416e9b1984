#include "app/pittore.h"

#include <QLineF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace vask {

namespace {

// The painter's pen, brush and antialiasing change only when they must:
// a regeneration holds thousands of strokes of one colour, and every QPen
// built costs an allocation.
class Stato {
public:
    // The painter's own default pen is a black line: start from no pen at all,
    // or a polygon painted first would get an outline.
    explicit Stato(QPainter& p) : p_(p) {
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setBrush(Qt::NoBrush);
        p_.setPen(Qt::NoPen);
    }

    void penna(uint32_t colore, int spessore, bool tratteggio = false) {
        if (conpenna_ && colore == colore_ && spessore == spessore_ && tratteggio == tratteggio_) return;
        QPen pen(colorerg(colore), spessore < 1 ? 1 : spessore, tratteggio ? Qt::DashLine : Qt::SolidLine,
                 tratteggio ? Qt::FlatCap : Qt::SquareCap, Qt::MiterJoin);
        p_.setPen(pen);
        conpenna_ = true;
        colore_ = colore;
        spessore_ = spessore;
        tratteggio_ = tratteggio;
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
    bool tratteggio_ = false;
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
    std::vector<QRect> tratti;
    std::vector<QPointF> punti;
};

// The pixels an aliased pen of width w covers along one axis from a to b
// (a <= b), square caps included: those whose centre lies in (a - w/2, b + w/2].
// Axis-parallel strokes go out as filled pixel rectangles: the same pixels as
// the painter's own line, without its per-pixel path (a full grid of long
// vertical lines costs milliseconds that way).
inline int primo(double a, int w) { return int(std::floor(a - w / 2.0 - 0.5)) + 1; }
inline int ultimo(double b, int w) { return int(std::floor(b + w / 2.0 - 0.5)); }

QRect tratto(const QLineF& l, int spessore) {
    const int w = spessore < 1 ? 1 : spessore;
    const double xa = std::min(l.x1(), l.x2()), xb = std::max(l.x1(), l.x2());
    const double ya = std::min(l.y1(), l.y2()), yb = std::max(l.y1(), l.y2());
    // Far outside the device the coordinates no longer fit an int.
    const double limite = 1e8;
    return QRect(QPoint(primo(std::clamp(xa, -limite, limite), w), primo(std::clamp(ya, -limite, limite), w)),
                 QPoint(ultimo(std::clamp(xb, -limite, limite), w), ultimo(std::clamp(yb, -limite, limite), w)));
}

// Consecutive segments of one colour and width go out together: slanted ones
// smoothed by the painter, axis-parallel ones written straight into the
// image's pixels, clipped to the zone being painted.
class Lotto {
public:
    Lotto(QPainter& p, Stato& stato, Memoria& m, QImage& img, const QRect& zona)
        : p_(p), stato_(stato), m_(m), pixel_(img.bits()), riga_(img.bytesPerLine()), zona_(zona) {
        m_.linee.clear();
        m_.tratti.clear();
    }

    void aggiungi(const QLineF& l, uint32_t colore, int spessore, bool obliquo) {
        if ((!m_.linee.empty() || !m_.tratti.empty()) && (colore != colore_ || spessore != spessore_))
            svuota();
        colore_ = colore;
        spessore_ = spessore;
        if (obliquo) {
            m_.linee.push_back(l);
            return;
        }
        // Same colour as anything pending: the order does not show.
        const QRect r = tratto(l, spessore) & zona_;
        if (!r.isEmpty()) m_.tratti.push_back(r);
    }

    void svuota() {
        scrivitratti();
        std::vector<QLineF>& v = m_.linee;
        if (v.empty()) return;
        stato_.smussato(true);
        stato_.penna(colore_, spessore_);
        p_.drawLines(v.data(), static_cast<int>(v.size()));
        v.clear();
    }

private:
    QPainter& p_;
    Stato& stato_;
    Memoria& m_;
    uchar* pixel_;  // taken once: every scanLine() call would check for sharing
    qsizetype riga_;
    QRect zona_;
    uint32_t colore_ = 0;
    int spessore_ = 1;

    // Row by row, every pending stroke that crosses the row: a grid's long
    // vertical lines written one after the other would each fetch every row
    // of the picture from memory again.
    void scrivitratti() {
        std::vector<QRect>& t = m_.tratti;
        if (t.empty()) return;
        const QRgb pixel = colorerg(colore_).rgb();
        int alto = t[0].top(), basso = t[0].bottom();
        for (const QRect& r : t) alto = std::min(alto, r.top()), basso = std::max(basso, r.bottom());
        for (int y = alto; y <= basso; ++y) {
            QRgb* riga = reinterpret_cast<QRgb*>(pixel_ + size_t(y) * riga_);
            for (const QRect& r : t)
                if (r.top() <= y && y <= r.bottom()) std::fill(riga + r.left(), riga + r.right() + 1, pixel);
        }
        t.clear();
    }
};

QRect ingombro(const Primitiva& q, const Strato& s, const Mappa& m, int scala);

// A huge circle: nothing when the zone lies wholly outside it, a plain fill
// when wholly inside, else a polygon fine enough to stay within a quarter of
// a pixel of the curve (its vertex count grows with the root of the radius).
void cerchiogrande(QPainter& p, Stato& stato, const Primitiva& q, QPointF c, double rx, double ry,
                   int spessore, const QRect& zona, std::vector<QPointF>& punti) {
    const auto dentro = [&](double x, double y, double margine) {
        const double u = (x - c.x()) / (rx - margine), v = (y - c.y()) / (ry - margine);
        return rx > margine && ry > margine && u * u + v * v < 1;
    };
    const double bordo = spessore + 2;
    const QRectF z(zona);
    if (dentro(z.left(), z.top(), bordo) && dentro(z.right(), z.top(), bordo) &&
        dentro(z.left(), z.bottom(), bordo) && dentro(z.right(), z.bottom(), bordo)) {
        if (q.riempito) p.fillRect(zona, colorerg(q.riempimento));
        return;
    }
    const double vx = std::clamp(c.x(), z.left(), z.right()), vy = std::clamp(c.y(), z.top(), z.bottom());
    const double u = (vx - c.x()) / (rx + bordo), v = (vy - c.y()) / (ry + bordo);
    if (u * u + v * v > 1) return;  // the nearest point of the zone is outside
    const int lati = int(std::clamp(4.5 * std::sqrt(std::max(rx, ry)), 64.0, 20000.0));
    punti.resize(size_t(lati));
    for (int k = 0; k < lati; ++k) {
        const double a = 2 * 3.14159265358979323846 * k / lati;
        punti[size_t(k)] = QPointF(c.x() + rx * std::cos(a), c.y() + ry * std::sin(a));
    }
    stato.smussato(true);
    stato.penna(q.colore, spessore);
    stato.riempimento(q.riempito, q.riempimento);
    p.drawPolygon(punti.data(), lati);
}

void strato(QPainter& p, Stato& stato, const Strato& s, const Mappa& m, Memoria& mem,
            QImage& img, const QRect& zona, int scala) {
    Lotto lotto(p, stato, mem, img, zona);
    std::vector<QPointF>& punti = mem.punti;
    const size_t npool = s.punti.size() / 2;
    for (const Primitiva& q : s.primitive) {
        // Whatever lies outside the zone costs nothing, however it is drawn.
        if (!ingombro(q, s, m, scala).intersects(zona)) continue;
        const int spessore = std::max(1, int(q.spessore)) * scala;
        if (q.forma == Forma::Segmento && !q.tratteggiato) {
            const QLineF l(m.x(q.x1), m.y(q.y1), m.x(q.x2), m.y(q.y2));
            // Only slanted lines are smoothed: axis-parallel strokes (the triangle
            // fill, the grid, the axes) stay crisp and take the fast path.
            const bool obliquo = q.x1 != q.x2 && q.y1 != q.y2;
            lotto.aggiungi(l, q.colore, spessore, obliquo);
            continue;
        }
        lotto.svuota();
        // A list's points mapped to the device; false when too few or outside the pool.
        const auto mappati = [&](uint32_t minimo) {
            if (q.quanti < minimo || size_t(q.primo) + q.quanti > npool) return false;
            punti.resize(q.quanti);
            const float* xy = s.punti.data() + 2 * size_t(q.primo);
            for (uint32_t i = 0; i < q.quanti; ++i) punti[i] = QPointF(m.x(xy[2 * i]), m.y(xy[2 * i + 1]));
            return true;
        };
        switch (q.forma) {
        case Forma::Rettangolo: {
            stato.smussato(false);
            stato.penna(q.colore, spessore);
            stato.riempimento(q.riempito, q.riempimento);
            QRectF r(QPointF(m.x(q.x1), m.y(q.y1)), QPointF(m.x(q.x2), m.y(q.y2)));
            p.drawRect(r.normalized());
            break;
        }
        case Forma::Cerchio: {
            const QPointF c(m.x(q.x1), m.y(q.y1));
            const double rx = std::abs(q.raggio * m.kx), ry = std::abs(q.raggio * m.ky);
            // A circle far larger than the device (zoomed in on a big one):
            // the painter's own curve costs time in proportion to its size.
            if (std::max(rx, ry) > 2000) {
                cerchiogrande(p, stato, q, c, rx, ry, spessore, zona, punti);
                break;
            }
            stato.smussato(true);
            stato.penna(q.colore, spessore);
            stato.riempimento(q.riempito, q.riempimento);
            p.drawEllipse(c, rx, ry);
            break;
        }
        case Forma::Punti: {
            if (!mappati(1)) break;
            stato.smussato(false);
            stato.penna(q.colore, spessore);
            p.drawPoints(punti.data(), static_cast<int>(q.quanti));
            break;
        }
        case Forma::Polilinea: {
            if (!mappati(2)) break;
            stato.smussato(true);
            stato.penna(q.colore, spessore);
            stato.riempimento(false, 0);
            p.drawPolyline(punti.data(), static_cast<int>(q.quanti));
            break;
        }
        case Forma::Poligono: {
            if (!mappati(3)) break;
            stato.smussato(false);
            stato.senzapenna();
            stato.riempimento(true, q.colore);
            p.drawPolygon(punti.data(), static_cast<int>(q.quanti));
            break;
        }
        case Forma::Segmento:
            stato.smussato(true);
            stato.penna(q.colore, spessore, true);
            p.drawLine(QLineF(m.x(q.x1), m.y(q.y1), m.x(q.x2), m.y(q.y2)));
            break;
        }
    }
    lotto.svuota();
}

// The first and the last pixel of a row stand on the window's edges, so that
// the cursor reads 0 and 20 there and lines on the edges stay visible.
double campo(int pixel) { return pixel > 1 ? pixel - 1 : 1; }

Mappa mappa(const Superficie& s, QSize pixel) {
    return Mappa{s.scaleleft, s.scaletop, campo(pixel.width()) / double(s.scalewidth),
                 campo(pixel.height()) / double(s.scaleheight)};
}

bool uguali(const Primitiva& a, const Strato& sa, const Primitiva& b, const Strato& sb) {
    if (a.forma != b.forma || a.spessore != b.spessore || a.riempito != b.riempito || a.tratteggiato != b.tratteggiato ||
        a.x1 != b.x1 || a.y1 != b.y1 || a.x2 != b.x2 || a.y2 != b.y2 || a.raggio != b.raggio ||
        a.colore != b.colore || a.riempimento != b.riempimento || a.quanti != b.quanti)
        return false;
    if (a.forma != Forma::Punti && a.forma != Forma::Poligono && a.forma != Forma::Polilinea) return true;
    const size_t n = 2 * size_t(a.quanti);
    if (2 * size_t(a.primo) + n > sa.punti.size() || 2 * size_t(b.primo) + n > sb.punti.size())
        return false;
    return std::equal(sa.punti.begin() + 2 * a.primo, sa.punti.begin() + 2 * a.primo + n,
                      sb.punti.begin() + 2 * b.primo);
}

// The device pixels a primitive may touch, with a margin for pen and smoothing.
QRect ingombro(const Primitiva& q, const Strato& s, const Mappa& m, int scala) {
    double x1, y1, x2, y2;
    switch (q.forma) {
    case Forma::Cerchio: {
        const double rx = std::abs(q.raggio * m.kx), ry = std::abs(q.raggio * m.ky);
        x1 = m.x(q.x1) - rx, x2 = m.x(q.x1) + rx, y1 = m.y(q.y1) - ry, y2 = m.y(q.y1) + ry;
        break;
    }
    case Forma::Punti:
    case Forma::Polilinea:
    case Forma::Poligono: {
        if (q.quanti == 0 || 2 * (size_t(q.primo) + q.quanti) > s.punti.size()) return QRect();
        const float* xy = s.punti.data() + 2 * size_t(q.primo);
        x1 = x2 = m.x(xy[0]), y1 = y2 = m.y(xy[1]);
        for (uint32_t i = 1; i < q.quanti; ++i) {
            const double x = m.x(xy[2 * i]), y = m.y(xy[2 * i + 1]);
            x1 = std::min(x1, x), x2 = std::max(x2, x), y1 = std::min(y1, y), y2 = std::max(y2, y);
        }
        break;
    }
    default:
        x1 = std::min(m.x(q.x1), m.x(q.x2)), x2 = std::max(m.x(q.x1), m.x(q.x2));
        y1 = std::min(m.y(q.y1), m.y(q.y2)), y2 = std::max(m.y(q.y1), m.y(q.y2));
    }
    const double margine = std::max(1, int(q.spessore)) * scala + 2, limite = 1e8;
    if (!(x1 <= x2 && y1 <= y2)) return QRect();
    return QRect(QPoint(int(std::floor(std::clamp(x1 - margine, -limite, limite))),
                        int(std::floor(std::clamp(y1 - margine, -limite, limite)))),
                 QPoint(int(std::ceil(std::clamp(x2 + margine, -limite, limite))),
                        int(std::ceil(std::clamp(y2 + margine, -limite, limite)))));
}

// A filled box that only moved or grew: its fill is uniform, so only the
// pixels that change side and the two outlines need painting again, not the
// whole box (the rubber band of a rectangle grows this way at every move).
bool scatola(const Primitiva& a, const Primitiva& b) {
    return a.forma == Forma::Rettangolo && b.forma == Forma::Rettangolo && a.riempito &&
           b.riempito && a.colore == b.colore && a.riempimento == b.riempimento &&
           a.spessore == b.spessore;
}

QRegion cambioscatola(const Primitiva& a, const Primitiva& b, const Mappa& m, int scala) {
    const int bordo = std::max(1, int(a.spessore)) * scala + 2;
    QRegion r;
    for (const Primitiva* q : {&a, &b}) {
        const QRect fuori = ingombro(*q, Strato{}, m, scala);
        r += QRegion(fuori).subtracted(QRegion(fuori.adjusted(2 * bordo, 2 * bordo, -2 * bordo, -2 * bordo)));
    }
    const QRect ia = ingombro(a, Strato{}, m, scala), ib = ingombro(b, Strato{}, m, scala);
    return r + QRegion(ia).xored(QRegion(ib));
}

// What differs between two lists: everything between their common head and
// their common tail, in either of them.
QRegion differenza(const Strato& prima, const Strato& dopo, const Mappa& m, int scala) {
    const auto& a = prima.primitive;
    const auto& b = dopo.primitive;
    size_t testa = 0;
    while (testa < a.size() && testa < b.size() && uguali(a[testa], prima, b[testa], dopo)) ++testa;
    size_t coda = 0;
    while (coda < a.size() - testa && coda < b.size() - testa &&
           uguali(a[a.size() - 1 - coda], prima, b[b.size() - 1 - coda], dopo))
        ++coda;
    QRegion zona;
    const size_t na = a.size() - coda - testa, nb = b.size() - coda - testa;
    if (na == 1 && nb == 1 && scatola(a[testa], b[testa]))
        return cambioscatola(a[testa], b[testa], m, scala);
    QRect r;
    for (size_t i = testa; i + coda < a.size(); ++i) r |= ingombro(a[i], prima, m, scala);
    for (size_t i = testa; i + coda < b.size(); ++i) r |= ingombro(b[i], dopo, m, scala);
    return QRegion(r);
}

// A tool mark changed: the pixels its old and new forms may touch, a long
// segment as strips along it, so that a slanted line across the area
// repaints a narrow band rather than its whole box.
QRegion differenzasegni(const Strato& prima, const Strato& dopo, const Mappa& m, int scala) {
    if (prima.primitive.size() == dopo.primitive.size() &&
        std::equal(prima.primitive.begin(), prima.primitive.end(), dopo.primitive.begin(),
                   [&](const Primitiva& a, const Primitiva& b) { return uguali(a, prima, b, dopo); }))
        return QRegion();
    QRegion r;
    for (const Strato* st : {&prima, &dopo})
        for (const Primitiva& q : st->primitive) {
            if (q.forma != Forma::Segmento) {
                r += ingombro(q, *st, m, scala);
                continue;
            }
            const double limite = 1e6, margine = std::max(1, int(q.spessore)) * scala + 2;
            const double x1 = std::clamp(m.x(q.x1), -limite, limite), y1 = std::clamp(m.y(q.y1), -limite, limite);
            const double x2 = std::clamp(m.x(q.x2), -limite, limite), y2 = std::clamp(m.y(q.y2), -limite, limite);
            const int n = int(std::clamp(std::max(std::fabs(x2 - x1), std::fabs(y2 - y1)) / 64, 1.0, 128.0));
            for (int k = 0; k < n; ++k) {
                const double a = double(k) / n, b = double(k + 1) / n;
                const double xa = x1 + a * (x2 - x1), xb = x1 + b * (x2 - x1), ya = y1 + a * (y2 - y1), yb = y1 + b * (y2 - y1);
                r += QRect(QPoint(int(std::floor(std::min(xa, xb) - margine)), int(std::floor(std::min(ya, yb) - margine))),
                           QPoint(int(std::ceil(std::max(xa, xb) + margine)), int(std::ceil(std::max(ya, yb) + margine))));
            }
        }
    return r;
}

// The layers below the tool marks (background, picture, overlay) and the
// marks themselves, each on request.
void dipingipixel(QImage& immagine, const Superficie& s, const QRect& z, int scala, bool sotto = true, bool segni = true) {
    QPainter p(&immagine);
    const bool vuota = s.scalewidth == 0 || s.scaleheight == 0;

    // Kept between calls so that a regeneration allocates nothing.
    static thread_local Memoria memoria;

    const Mappa m = vuota ? Mappa{} : mappa(s, immagine.size());
    // A large zone in bands of rows that stay in the cache, a small one in
    // one pass.
    const bool grande = qint64(z.width()) * z.height() > (1 << 18);
    const int banda = grande ? 128 : z.height();
    for (int y = z.top(); y <= z.bottom(); y += banda) {
        const QRect parte(z.left(), y, z.width(), std::min(banda, z.bottom() + 1 - y));
        p.setClipRect(parte);
        if (sotto) p.fillRect(parte, colorerg(s.sfondo));
        if (vuota) continue;
        Stato stato(p);
        if (sotto) {
            strato(p, stato, s.immagine, m, memoria, immagine, parte, std::max(1, scala));
            strato(p, stato, s.sovrapposto, m, memoria, immagine, parte, std::max(1, scala));
        }
        if (segni) strato(p, stato, s.segni, m, memoria, immagine, parte, std::max(1, scala));
    }
}

}  // namespace

void dipingi(QImage& immagine, const Superficie& s, const QRect& zona, int scala, bool sotto, bool segni) {
    const QRect z = zona & immagine.rect();
    if (z.isEmpty()) return;
    immagine.detach();  // the pixels written below and the painter's are the same
    // Everything is mapped to device pixels already: a painter on an image of
    // a scaled screen would scale it all a second time.
    const qreal rapporto = immagine.devicePixelRatio();
    immagine.setDevicePixelRatio(1);
    dipingipixel(immagine, s, z, scala, sotto, segni);
    immagine.setDevicePixelRatio(rapporto);
}

namespace {

// The pixels of a zone copied from one image to another of the same size and format.
void copia(const QImage& da, QImage& a, const QRect& zona) {
    const QRect z = zona & a.rect();
    if (z.isEmpty()) return;
    const size_t byte = size_t(z.width()) * 4;
    for (int y = z.top(); y <= z.bottom(); ++y)
        std::memcpy(a.scanLine(y) + size_t(z.left()) * 4, da.constScanLine(y) + size_t(z.left()) * 4, byte);
}

}  // namespace

QPointF puntosuperficie(const Superficie& s, QSize pixel, QPointF posizione) {
    const double w = campo(pixel.width()), h = campo(pixel.height());
    return QPointF(s.scaleleft + posizione.x() / w * s.scalewidth,
                   s.scaletop + posizione.y() / h * s.scaleheight);
}

QRegion Tela::aggiorna(const Superficie& s, QSize pixel, qreal rapporto) {
    const int scala = std::max(1, int(std::lround(rapporto)));
    const QRect tutto(QPoint(0, 0), pixel);
    if (pixel.isEmpty()) return QRegion();
    QRegion zona;
    if (!valida_ || immagine_.size() != pixel || scala != scala_ || s.sfondo != dipinta_.sfondo ||
        s.scaleleft != dipinta_.scaleleft || s.scaletop != dipinta_.scaletop ||
        s.scalewidth != dipinta_.scalewidth || s.scaleheight != dipinta_.scaleheight) {
        if (immagine_.size() != pixel) immagine_ = QImage(pixel, QImage::Format_RGB32);
        zona = tutto;
    } else if (s.scalewidth != 0 && s.scaleheight != 0) {
        const Mappa m = mappa(s, pixel);
        zona = (differenza(dipinta_.immagine, s.immagine, m, scala) |
                differenza(dipinta_.sovrapposto, s.sovrapposto, m, scala)) &
               tutto;
    }
    immagine_.setDevicePixelRatio(rapporto);
    if (s.segni.primitive.empty() && dipinta_.segni.primitive.empty()) {
        sotto_ = QImage();
        // Rectangle by rectangle: a painter clipped to a region is many times slower.
        for (const QRect& r : zona) dipingi(immagine_, s, r, scala);
    } else {
        // While a tool shows its marks, what lies below them is kept apart:
        // a moving mark only copies back the pixels it leaves.
        if (sotto_.size() != pixel) sotto_ = QImage(pixel, QImage::Format_RGB32), zona = tutto;
        for (const QRect& r : zona) dipingi(sotto_, s, r, scala, true, false);
        if (zona != QRegion(tutto)) zona = (zona | differenzasegni(dipinta_.segni, s.segni, mappa(s, pixel), scala)) & tutto;
        immagine_.detach();
        for (const QRect& r : zona) {
            copia(sotto_, immagine_, r);
            dipingi(immagine_, s, r, scala, false, true);
        }
    }
    dipinta_.scaleleft = s.scaleleft, dipinta_.scaletop = s.scaletop;
    dipinta_.scalewidth = s.scalewidth, dipinta_.scaleheight = s.scaleheight;
    dipinta_.sfondo = s.sfondo;
    dipinta_.immagine = s.immagine;
    dipinta_.sovrapposto = s.sovrapposto;
    dipinta_.segni = s.segni;
    scala_ = scala;
    valida_ = true;
    return zona;
}

}  // namespace vask
