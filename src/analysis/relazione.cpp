#include "analysis/relazione.h"

#include <algorithm>
#include <cmath>

#include "analysis/inerzia.h"
#include "model/numeri.h"

namespace vask {

namespace {

// A value as the panel prints it, read back: what a student copies.
double stampato(double v) { return valoredidascalia(testosingolo(float(v))); }

}  // namespace

namespace {

// Straight axes exactly: a line parallel to one has an intercept at infinity,
// not at 1E+08 from the rounding of pi / 2.
void direzione(const Relazione& r, double& c, double& s) {
    c = r.assi == Assi::Obliqui ? std::cos(r.alfa) : r.assi == Assi::Orizzontale ? 1 : 0;
    s = r.assi == Assi::Obliqui ? std::sin(r.alfa) : r.assi == Assi::Orizzontale ? 0 : 1;
}

}  // namespace

void centrali(const Relazione& r, double x, double y, double& xi, double& eta) {
    double c, s;
    direzione(r, c, s);
    const double dx = x - r.xg, dy = y - r.yg;
    xi = dx * c + dy * s;
    eta = dy * c - dx * s;
}

void mondo(const Relazione& r, double xi, double eta, double& x, double& y) {
    double c, s;
    direzione(r, c, s);
    x = r.xg + xi * c - eta * s;
    y = r.yg + xi * s + eta * c;
}

Relazione calcolarelazione(const Sezione& s, const Sezione& linee, float pigreco) {
    Relazione r;
    r.p = calcolaproprieta(s, pigreco);
    const auto aggiungi = [&](int tipo, int n, float rho, const Propria& e) {
        PassoElemento q;
        q.tipo = tipo, q.numero = n, q.rho = rho;
        q.area = e.geometrica;
        q.massa = e.massa, q.xg = e.xg, q.yg = e.yg;
        q.sx = e.massa * e.yg, q.sy = e.massa * e.xg;
        q.ixp = e.ix, q.iyp = e.iy, q.ixyp = e.ixy;
        q.ix = e.ix + e.massa * e.yg * e.yg;
        q.iy = e.iy + e.massa * e.xg * e.xg;
        q.ixy = e.ixy + e.massa * e.xg * e.yg;
        r.elementi.push_back(q);
    };
    for (int i = 1; i <= s.numerorettangoli(); ++i) aggiungi(0, i, s.rettangoli[i][R::densita], propriarettangolo(s.rettangoli[i]));
    for (int i = 1; i <= s.numerotriangoli(); ++i) aggiungi(1, i, s.triangoli[i][T::densita], propriatriangolo(s.triangoli[i]));
    for (int i = 1; i <= s.numerocerchi(); ++i) aggiungi(2, i, s.cerchi[i][C::densita], propriacerchio(s.cerchi[i], pigreco));
    for (const PassoElemento& q : r.elementi) {
        r.massa += q.massa, r.sx += q.sx, r.sy += q.sy;
        r.ix += q.ix, r.iy += q.iy, r.ixy += q.ixy;
    }
    if (!(r.massa > 0)) return r;
    r.xg = r.sy / r.massa;
    r.yg = r.sx / r.massa;
    for (PassoElemento& q : r.elementi) {
        const double dx = q.xg - r.xg, dy = q.yg - r.yg;
        q.ixg = q.ixp + q.massa * dy * dy;
        q.iyg = q.iyp + q.massa * dx * dx;
        q.ixgyg = q.ixyp + q.massa * dx * dy;
    }
    const double M = stampato(r.p.massatotale), X = stampato(r.p.xg), Y = stampato(r.p.yg);
    r.ixgstampato = stampato(r.p.ixtotale) - M * Y * Y;
    r.iygstampato = stampato(r.p.iytotale) - M * X * X;
    r.ixgygstampato = stampato(r.p.ixytotale) - M * X * Y;

    // The axes as drawn.
    r.assi = casoassi(r.p.angologradi, float(r.p.ixgvero), float(r.p.iygvero));
    r.alfa = r.assi == Assi::Obliqui ? double(r.p.alfa) : r.assi == Assi::Verticale ? double(pigreco / 2) : 0.0;
    {
        double c, s;
        direzione(r, c, s);
        const double ixg = r.p.ixgvero / r.massa, iyg = r.p.iygvero / r.massa, pxy = r.p.ixgygvero / r.massa;
        r.ry2 = c * c * iyg + 2 * c * s * pxy + s * s * ixg;
        r.rx2 = c * c * ixg - 2 * c * s * pxy + s * s * iyg;
        r.rxy = c * s * (ixg - iyg) + (c * c - s * s) * pxy;
    }

    // Section moduli over the solid elements' extreme points.
    std::vector<std::array<double, 3>> punti;  // x, y and a circle's radius
    for (int i = 1; i <= s.numerorettangoli(); ++i) {
        const float* q = s.rettangoli[i];
        if (q[R::densita] > 0)
            for (int c : {R::x1, R::x2})
                for (int d : {R::y1, R::y2}) punti.push_back({q[c], q[d], 0});
    }
    for (int i = 1; i <= s.numerotriangoli(); ++i) {
        const float* q = s.triangoli[i];
        if (q[T::densita] > 0)
            for (int c : {T::x1, T::x2, T::x3}) punti.push_back({q[c], q[c + 1], 0});
    }
    for (int i = 1; i <= s.numerocerchi(); ++i) {
        const float* q = s.cerchi[i];
        if (q[C::densita] > 0) punti.push_back({q[C::xc], q[C::yc], q[C::raggio]});
    }
    const auto modulo = [&](double momento, bool suxc) {
        Modulo m;
        m.momento = momento;
        for (const auto& [x, y, raggio] : punti) {
            double xi, eta;
            centrali(r, x, y, xi, eta);
            // About Xc the distance is eta, about Yc it is xi.
            const double d = suxc ? eta : xi;
            if (d + raggio > 0) m.piu = true, m.dpiu = std::max(m.dpiu, d + raggio);
            if (d - raggio < 0) m.meno = true, m.dmeno = std::max(m.dmeno, raggio - d);
        }
        if (m.piu) m.wpiu = momento / m.dpiu;
        if (m.meno) m.wmeno = momento / m.dmeno;
        return m;
    };
    r.moduloxc = modulo(r.p.ixc, true);
    r.moduloyc = modulo(r.p.iyc, false);

    // The antipole of each closure line: the line xi / xi0 + eta / eta0 = 1
    // has it at (-Ryc^2 / xi0, -Rxc^2 / eta0).
    for (int i = 1; i <= linee.numerolinee(); ++i) {
        const float* l = linee.linee[i];
        PassoNocciolo k;
        k.x1 = l[L::x1], k.y1 = l[L::y1], k.x2 = l[L::x2], k.y2 = l[L::y2];
        double a1, b1, a2, b2;
        centrali(r, k.x1, k.y1, a1, b1);
        centrali(r, k.x2, k.y2, a2, b2);
        // a xi + b eta = c through both ends.
        const double a = b2 - b1, b = a1 - a2, c = a * a1 + b * b1;
        const double scala = std::hypot(a, b) * std::max({std::fabs(a1), std::fabs(a2), std::fabs(b1), std::fabs(b2), 1e-30});
        if (std::fabs(c) <= 1e-12 * scala) {
            k.perbaricentro = true;
        } else {
            k.xiinfinito = std::fabs(a) <= 1e-12 * std::hypot(a, b);
            k.etainfinito = std::fabs(b) <= 1e-12 * std::hypot(a, b);
            if (!k.xiinfinito) k.xi0 = c / a;
            if (!k.etainfinito) k.eta0 = c / b;
            // The antipole: minus the inertia over M times (1 / xi0, 1 / eta0);
            // a radius that holes make imaginary counts as 0, as in the drawing.
            const double p = k.xiinfinito ? 0 : 1 / k.xi0, q = k.etainfinito ? 0 : 1 / k.eta0;
            k.u = -(std::max(0.0, r.ry2) * p + r.rxy * q);
            k.v = -(r.rxy * p + std::max(0.0, r.rx2) * q);
            mondo(r, k.u, k.v, k.x, k.y);
        }
        r.nocciolo.push_back(k);
    }

    Mohr& m = r.mohr;
    m.ixg = r.p.ixgvero, m.iyg = r.p.iygvero, m.ixgyg = r.p.ixgygvero;
    m.centro = (m.ixg + m.iyg) / 2;
    m.raggio = std::hypot((m.ixg - m.iyg) / 2, m.ixgyg);
    m.imax = m.centro + m.raggio, m.imin = m.centro - m.raggio;
    m.dueangolo = 2 * r.alfa;
    return r;
}

}  // namespace vask
