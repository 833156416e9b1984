#include "view/svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace vask {

namespace {

// Plain numbers in the C locale whatever the program's locale (a decimal
// comma would break the document), two decimals, no trailing zeros.
void numero(std::string& o, double v) {
    char b[64];
    auto [fine, errore] = std::to_chars(b, b + sizeof b, v, std::chars_format::fixed, 2);
    if (errore != std::errc()) {
        o += '0';
        return;
    }
    char* p = fine;
    while (p > b && p[-1] == '0') --p;
    if (p > b && p[-1] == '.') --p;
    std::string_view t(b, size_t(p - b));
    o += t == "-0" ? std::string_view("0") : t;
}

void attributo(std::string& o, const char* nome, double v) {
    o += ' ';
    o += nome;
    o += "=\"";
    numero(o, v);
    o += '"';
}

void attributo(std::string& o, const char* nome, const std::string& v) {
    o += ' ';
    o += nome;
    o += "=\"";
    o += v;
    o += '"';
}

struct Mappa {
    double sx, sy, kx, ky;
    // The painter's pixel coordinates.
    double px(float xs) const { return (xs - sx) * kx; }
    double py(float ys) const { return (ys - sy) * ky; }
    // Pixel i covers [i, i + 1] in the document and the painter's line at i
    // covers pixel i: its centre is at i + 0.5.
    double x(float xs) const { return px(xs) + 0.5; }
    double y(float ys) const { return py(ys) + 0.5; }
};

// The first of the w pixels an aliased pen w wide covers about a: those whose
// centres lie in (a - w/2, a + w/2].
double primo(double a, int w) { return std::floor(a - w / 2.0 - 0.5) + 1; }

bool finiti(std::initializer_list<double> v) {
    return std::all_of(v.begin(), v.end(), [](double d) { return std::isfinite(d); });
}

void penna(std::string& o, uint32_t colore, int spessore) {
    attributo(o, "stroke", colorehtml(colore));
    attributo(o, "stroke-width", spessore);
}

// A list's points as "x<tra>y", the first after `primo`, the others after
// `altri`; false when one is not finite.
bool coordinate(std::string& o, const Strato& s, const Primitiva& q, const Mappa& m, const char* primo, const char* altri,
                char tra) {
    const float* xy = s.punti.data() + 2 * size_t(q.primo);
    for (uint32_t i = 0; i < q.quanti; ++i) {
        const double x = m.x(xy[2 * i]), y = m.y(xy[2 * i + 1]);
        if (!finiti({x, y})) return false;
        o += i ? altri : primo;
        numero(o, x);
        o += tra;
        numero(o, y);
    }
    return true;
}

void strato(std::string& o, const Strato& s, const Mappa& m, int scala, int w, int h) {
    const size_t npool = s.punti.size() / 2;
    std::vector<int64_t> quadri;  // the points' squares, one key per pixel
    for (const Primitiva& q : s.primitive) {
        const int spessore = std::max(1, int(q.spessore)) * scala;
        switch (q.forma) {
        case Forma::Segmento: {
            const double x1 = m.x(q.x1), y1 = m.y(q.y1), x2 = m.x(q.x2), y2 = m.y(q.y2);
            if (!finiti({x1, y1, x2, y2})) break;
            o += "<line";
            attributo(o, "x1", x1), attributo(o, "y1", y1);
            attributo(o, "x2", x2), attributo(o, "y2", y2);
            penna(o, q.colore, spessore);
            o += q.tratteggiato ? " stroke-dasharray=\"8 6\"" : " stroke-linecap=\"square\"";
            // The painter smooths only slanted lines.
            if (q.x1 == q.x2 || q.y1 == q.y2) o += " shape-rendering=\"crispEdges\"";
            o += "/>\n";
            break;
        }
        case Forma::Rettangolo: {
            const double x1 = m.x(q.x1), y1 = m.y(q.y1), x2 = m.x(q.x2), y2 = m.y(q.y2);
            if (!finiti({x1, y1, x2, y2})) break;
            o += "<rect";
            attributo(o, "x", std::min(x1, x2)), attributo(o, "y", std::min(y1, y2));
            attributo(o, "width", std::abs(x2 - x1)), attributo(o, "height", std::abs(y2 - y1));
            attributo(o, "fill", q.riempito ? colorehtml(q.riempimento) : std::string("none"));
            penna(o, q.colore, spessore);
            o += " shape-rendering=\"crispEdges\"/>\n";
            break;
        }
        case Forma::Cerchio: {
            const double cx = m.x(q.x1), cy = m.y(q.y1);
            const double rx = std::abs(q.raggio * m.kx), ry = std::abs(q.raggio * m.ky);
            if (!finiti({cx, cy, rx, ry})) break;
            o += "<ellipse";
            attributo(o, "cx", cx), attributo(o, "cy", cy);
            attributo(o, "rx", rx), attributo(o, "ry", ry);
            attributo(o, "fill", q.riempito ? colorehtml(q.riempimento) : std::string("none"));
            penna(o, q.colore, spessore);
            o += "/>\n";
            break;
        }
        case Forma::Punti: {
            if (q.quanti == 0 || size_t(q.primo) + q.quanti > npool) break;
            // Each point a square as wide as the pen on the pixels the painter
            // gives it, plain rects in one group: simple renderers draw a path
            // of many pieces wrongly. The ellipse has thousands of points, many
            // on one pixel: each pixel is written once, and none outside.
            const float* xy = s.punti.data() + 2 * size_t(q.primo);
            const int64_t riga = int64_t(w) + 2 * spessore + 1;
            quadri.clear();
            for (uint32_t i = 0; i < q.quanti; ++i) {
                const double x = primo(m.px(xy[2 * i]), spessore), y = primo(m.py(xy[2 * i + 1]), spessore);
                if (!(x > -spessore && x < w && y > -spessore && y < h)) continue;
                quadri.push_back((int64_t(y) + spessore) * riga + int64_t(x) + spessore);
            }
            std::sort(quadri.begin(), quadri.end());
            quadri.erase(std::unique(quadri.begin(), quadri.end()), quadri.end());
            if (quadri.empty()) break;
            o += "<g";
            attributo(o, "fill", colorehtml(q.colore));
            o += " shape-rendering=\"crispEdges\">\n";
            for (int64_t k : quadri) {
                o += "<rect";
                attributo(o, "x", double(k % riga - spessore));
                attributo(o, "y", double(k / riga - spessore));
                attributo(o, "width", spessore), attributo(o, "height", spessore);
                o += "/>\n";
            }
            o += "</g>\n";
            break;
        }
        case Forma::Polilinea: {
            // One path however many points: a curve, not pixels.
            std::string d;
            if (q.quanti < 2 || size_t(q.primo) + q.quanti > npool || !coordinate(d, s, q, m, "M", " L", ' ')) break;
            o += "<path";
            attributo(o, "d", d);
            o += " fill=\"none\"";
            penna(o, q.colore, spessore);
            o += " stroke-linejoin=\"round\"/>\n";
            break;
        }
        case Forma::Poligono: {
            std::string punti;
            if (q.quanti < 3 || size_t(q.primo) + q.quanti > npool || !coordinate(punti, s, q, m, "", " ", ',')) break;
            o += "<polygon";
            attributo(o, "points", punti);
            attributo(o, "fill", colorehtml(q.colore));
            o += "/>\n";
            break;
        }
        }
    }
}

}  // namespace

std::string colorehtml(uint32_t colore) {
    static const char cifre[] = "0123456789abcdef";
    std::string r = "#";
    for (int i = 0; i < 3; ++i) {  // red, green, blue: the low byte first
        const unsigned b = (colore >> (8 * i)) & 0xFF;
        r += cifre[b >> 4];
        r += cifre[b & 0xF];
    }
    return r;
}

std::string svg(const Superficie& s, int larghezza, int altezza, int scala) {
    const int w = std::max(1, larghezza), h = std::max(1, altezza);
    scala = std::max(1, scala);
    std::string o = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
    attributo(o, "width", w), attributo(o, "height", h);
    o += " viewBox=\"0 0 ";
    numero(o, w);
    o += ' ';
    numero(o, h);
    o += "\">\n<rect";
    attributo(o, "width", w), attributo(o, "height", h);
    attributo(o, "fill", colorehtml(s.sfondo));
    o += "/>\n";
    if (s.scalewidth != 0 && s.scaleheight != 0) {
        // As the painter: a device one pixel across still has a unit to scale by.
        const Mappa m{s.scaleleft, s.scaletop, (w > 1 ? w - 1 : 1) / double(s.scalewidth),
                      (h > 1 ? h - 1 : 1) / double(s.scaleheight)};
        strato(o, s.immagine, m, scala, w, h);
        strato(o, s.sovrapposto, m, scala, w, h);
        strato(o, s.segni, m, scala, w, h);
    }
    o += "</svg>\n";
    return o;
}

}  // namespace vask
