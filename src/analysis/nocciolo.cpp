#include "analysis/nocciolo.h"

#include <cfloat>
#include <algorithm>
#include <cmath>
#include <limits>

namespace vask {

namespace {

constexpr double NONCALCOLABILE = std::numeric_limits<double>::quiet_NaN();

double dividi(double n, double d) { return d == 0 ? NONCALCOLABILE : n / d; }
double radice(double x) { return x < 0 ? NONCALCOLABILE : std::sqrt(x); }

// The steps of one line. A step whose result cannot be computed, or does not
// fit a float, leaves its field as it was and marks the line as not valid.
// The value returned is the one the field now stands for, kept in double so
// that the next steps lose nothing to the float storage.
struct Passi {
    bool saltato = false;

    double poni(float& campo, double valore) {
        if (std::isfinite(valore) && std::fabs(valore) <= FLT_MAX) {
            campo = float(valore);
            return valore;
        }
        saltato = true;
        return campo;
    }
};

}  // namespace

void calcolanocciolo(Nocciolo& n, const float (*linee)[L::CAMPI + 1], int numerolinee, float xg,
                     float yg, float alfa, float rx, float ry) {
    n.alfa = alfa;
    n.beta = -alfa;
    const double ca = std::cos(double(n.alfa)), sa = std::sin(double(n.alfa));
    const double cb = std::cos(double(n.beta)), sb = std::sin(double(n.beta));
    const double rx2 = double(rx) * rx, ry2 = double(ry) * ry;

    for (int i = 1; i <= numerolinee && i <= MAXLINEE; ++i) {
        Passi p;
        const float* linea = linee[i];

        // 1. Ends in the frame of the central axes.
        float* lc = n.lineecentrali[i];
        const auto centrale = [&](float x, float y, float& xc, float& yc) {
            const double dx = double(x) - xg, dy = double(y) - yg;
            p.poni(xc, dx * ca + dy * sa);
            p.poni(yc, dy * ca - dx * sa);
        };
        centrale(linea[L::x1], linea[L::y1], lc[1], lc[2]);
        centrale(linea[L::x2], linea[L::y2], lc[3], lc[4]);

        // 2. A line parallel to a central axis within rounding becomes exactly so.
        if (std::fabs(double(lc[1]) - lc[3]) < 0.000001) lc[1] = lc[3];
        if (std::fabs(double(lc[2]) - lc[4]) < 0.000001) lc[2] = lc[4];
        const double x1 = lc[1], y1 = lc[2], x2 = lc[3], y2 = lc[4];

        // 3. Classify; the two parallel cases are tested separately, the second
        // standing when both hold (both ends at the same point).
        const bool parallelaay = x2 - x1 == 0;
        const bool parallelaax = y2 - y1 == 0;

        float* T = n.tangentescelta[i];
        float* R = n.puntiintersezione[i];
        double tx = T[1], ty = T[2], rxi = R[1], ryi = R[2];
        double a = 0, b = 0, c = 0;

        if (!parallelaay && !parallelaax) {
            // 4. General line a x' + b y' + c = 0 and its two parallel tangents.
            a = p.poni(n.a, dividi(1, x2 - x1));
            b = p.poni(n.b, dividi(-1, y2 - y1));
            c = p.poni(n.c, dividi(y1, y2 - y1) - dividi(x1, x2 - x1));
            const double P = p.poni(n.P, 4 * rx2 * rx2 * ry2 * a * a * b * b +
                                             4 * rx2 * ry2 * ry2 * a * a * a * a);
            const double Q = p.poni(n.Q, 4 * ry2 * rx2 * a * a);
            const double D = p.poni(n.D, rx2 * b * b + ry2 * a * a);
            const double k = p.poni(n.k, radice(dividi(P, Q)));
            float* pt = n.puntitangenza[i];
            const double t1y = p.poni(pt[2], dividi(-rx2 * b * k, D));
            const double t1x = p.poni(pt[1], dividi(-k - b * t1y, a));
            const double t2y = p.poni(pt[4], dividi(rx2 * b * k, D));
            const double t2x = p.poni(pt[3], dividi(k - b * t2y, a));
            const double norma = radice(a * a + b * b);
            const double d1 = p.poni(n.d1, dividi(std::fabs(a * t1x + b * t1y + c), norma));
            const double d2 = p.poni(n.d2, dividi(std::fabs(a * t2x + b * t2y + c), norma));
            // The tangent on the same side of G as the line; T2 on a tie.
            if (d1 < d2) {
                tx = p.poni(T[1], t1x);
                ty = p.poni(T[2], t1y);
            } else {
                tx = p.poni(T[1], t2x);
                ty = p.poni(T[2], t2y);
            }
            // Where the line meets the diameter through T.
            rxi = p.poni(R[1], dividi(-c * tx * ty, ty * ty * b + a * tx * ty));
            ryi = p.poni(R[2], dividi(-c * ty, a * tx + b * ty));
        }
        if (parallelaay) {
            // 5. Parallel to the central y axis.
            rxi = p.poni(R[1], x1);
            ryi = p.poni(R[2], 0);
            tx = p.poni(T[1], x1 > 0 ? double(ry) : -double(ry));
            ty = p.poni(T[2], 0);
        }
        if (parallelaax) {
            // 6. Parallel to the central x axis.
            rxi = p.poni(R[1], 0);
            ryi = p.poni(R[2], y1);
            tx = p.poni(T[1], 0);
            ty = p.poni(T[2], y1 > 0 ? double(rx) : -double(rx));
        }

        // 7. Distances from G; a line through G has no vertex.
        float* dist = n.distanzenocciolo[i];
        const double gr = p.poni(dist[1], radice(rxi * rxi + ryi * ryi));
        const double gt = p.poni(dist[2], radice(tx * tx + ty * ty));
        const double d = p.poni(dist[3], dividi(gt * gt, gr));

        // 8. The vertex, opposite T across G, at distance d.
        const double theta = p.poni(n.theta, std::atan(dividi(ty, tx + 0.000001)));
        const float Tx = T[1], Ty = T[2];
        // For -0.000001 < Tx < 0 the shift flips the sign of theta's
        // denominator; the row follows that sign so that the vertex still
        // lies opposite T instead of on T's side of G.
        const bool spostato = Tx < 0 && tx + 0.000001 > 0;
        double u = n.u, v = n.v;
        if (Tx < 0 && Ty != 0 && !spostato) {
            u = p.poni(n.u, d * std::cos(theta));
            v = p.poni(n.v, d * std::sin(theta));
        } else if ((Tx > 0 || spostato) && Ty != 0) {
            u = p.poni(n.u, -d * std::cos(theta));
            v = p.poni(n.v, -d * std::sin(theta));
        } else if (Tx == 0 && Ty > 0) {
            u = p.poni(n.u, 0);
            v = p.poni(n.v, -d);
        } else if (Tx > 0 && Ty == 0) {
            u = p.poni(n.u, -d);
            v = p.poni(n.v, 0);
        } else if (Tx == 0 && Ty < 0) {
            u = p.poni(n.u, 0);
            v = p.poni(n.v, d);
        } else if (Tx < 0 && Ty == 0) {
            u = p.poni(n.u, d);
            v = p.poni(n.v, 0);
        } else {
            // T = (0, 0): no direction for the vertex.
            p.saltato = true;
        }

        // A zero radius flattens the ellipse into a segment: the tangents divide
        // by zero, yet the antipole is finite and lies on the other central axis,
        // so the kern becomes a segment too. Taken from the closed form.
        if (p.saltato && (rx2 == 0 || ry2 == 0)) {
            Passi q;
            double ua = 0, va = 0;
            if (parallelaax) {
                va = -dividi(rx2, y1);
            } else if (parallelaay) {
                ua = -dividi(ry2, x1);
            } else {
                ua = dividi(ry2 * a, c);
                va = dividi(rx2 * b, c);
            }
            u = q.poni(n.u, ua);
            v = q.poni(n.v, va);
            p.saltato = q.saltato;
        }

        // 9. Back to world coordinates.
        float* K = n.verticinocciolo[i];
        p.poni(K[1], u * cb + v * sb + xg);
        p.poni(K[2], v * cb - u * sb + yg);

        n.valido[i] = !p.saltato;
    }
}

int ordineattorno(const Nocciolo& n, int numerolinee, float xg, float yg, int (&ordine)[MAXLINEE]) {
    double angolo[MAXLINEE + 1] = {};
    int m = 0;
    for (int i = 1; i <= numerolinee && i <= MAXLINEE; ++i) {
        if (!n.valido[i]) continue;
        angolo[i] = std::atan2(double(n.verticinocciolo[i][2]) - yg,
                               double(n.verticinocciolo[i][1]) - xg);
        ordine[m++] = i;
    }
    if (m == 0) return 0;
    // Angles measured from the first vertex, so that it leads.
    const double inizio = angolo[ordine[0]];
    const auto relativo = [&](int i) {
        double a = angolo[i] - inizio;
        if (a < 0) a += 2 * 3.14159265358979323846;
        return a;
    };
    std::stable_sort(ordine, ordine + m, [&](int i, int j) { return relativo(i) < relativo(j); });
    return m;
}

}  // namespace vask
