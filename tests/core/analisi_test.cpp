// The analysis: element inertia, section properties, central kern and
// ellipse, each against integrals and formulas computed here in double.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <tuple>
#include <vector>

#include "analysis/ellisse.h"
#include "analysis/nocciolo.h"
#include "sezioni.h"

using namespace vask;
using prova::pigreco;

// ---- Element inertia ---------------------------------------------------------

// Two vertices at the same height (or abscissa) but for a few float steps: a
// piece a rounding step thick, whose slopes are near 1e7.
TEST(Inerzia, triangoli_quasi_piatti_da_un_lato_concordano_con_gli_integrali_di_contorno) {
    Sezione esempio;
    prova::triangolo(esempio, 2, 9.72f, 12, 9.720001f, 5, 3, 1);
    EXPECT_NEAR(prodottoxytriangolo(esempio.triangoli[1]), 1616.832, 0.01);

    std::mt19937 gen(99);
    std::uniform_real_distribution<float> pos(0.5f, 19.5f);
    for (int i = 0; i < 400; ++i) {
        float v[6];
        for (float& c : v) c = pos(gen);
        const int k = i % 2 == 0 ? 1 : 0;
        v[2 + k] = v[k];
        for (int p = 1 + i % 3; p > 0; --p) v[2 + k] = std::nextafter(v[2 + k], 100.0f);
        Sezione s;
        prova::triangolo(s, v[0], v[1], v[2], v[3], v[4], v[5], 1);
        const prova::Integrali g = prova::poligono({v[0], v[2], v[4]}, {v[1], v[3], v[5]});
        const float* t = s.triangoli[1];
        SCOPED_TRACE(i);
        const double tol = 2e-6 * (g.area * 400 + 1);
        EXPECT_NEAR(momentoxtriangolo(t), g.ixx, tol);
        EXPECT_NEAR(momentoytriangolo(t), g.iyy, tol);
        EXPECT_NEAR(prodottoxytriangolo(t), g.ixy, tol);
    }
}

// ---- Section properties ---------------------------------------------------------

namespace {

// Double-precision reference: centroidal values by the parallel-axis theorem,
// principal moments by Mohr's circle.
struct Atteso {
    double area, massa, xg, yg, ix, iy, ixy, ixg = 0, iyg = 0, ixgyg = 0, imax = 0, imin = 0;
};

Atteso atteso(const Sezione& s) {
    const prova::Integrali g = prova::riferimento(s);
    Atteso e{prova::riferimento(s, true).area, g.area, g.sy / g.area, g.sx / g.area, g.ixx, g.iyy, g.ixy};
    e.ixg = g.ixx - g.area * e.yg * e.yg;
    e.iyg = g.iyy - g.area * e.xg * e.xg;
    e.ixgyg = g.ixy - g.area * e.xg * e.yg;
    const double centro = (e.ixg + e.iyg) / 2, raggio = std::hypot((e.ixg - e.iyg) / 2, e.ixgyg);
    e.imax = centro + raggio, e.imin = centro - raggio;
    return e;
}

// The axes are checked by rotating the inertia tensor to the computed angle.
void confronta(const Proprieta& p, const Atteso& e, double dimensione) {
    const double tm = 1e-5 * (std::fabs(e.massa) + std::fabs(e.area) + 1), tc = 1e-5 * dimensione;
    const double ti = 1e-5 * (std::fabs(e.ix) + std::fabs(e.iy) + 1);
    const double valori[][3] = {{p.area, e.area, tm},  {p.massatotale, e.massa, tm}, {p.xg, e.xg, tc},
                                {p.yg, e.yg, tc},       {p.ixtotale, e.ix, ti},       {p.iytotale, e.iy, ti},
                                {p.ixytotale, e.ixy, ti}, {p.ixg, e.ixg, ti},          {p.iyg, e.iyg, ti},
                                {p.ixgyg, e.ixgyg, ti}, {p.ixc, e.imax, ti},          {p.iyc, e.imin, ti}};
    for (const auto& v : valori) EXPECT_NEAR(v[0], v[1], v[2]);
    const auto momento = [&](double alfa) {
        const double c = std::cos(alfa), sn = std::sin(alfa);
        return e.ixg * c * c + e.iyg * sn * sn - 2 * e.ixgyg * sn * c;
    };
    // The one exception of the angle rule: a zero product with Ixg < Iyg
    // (angle 0), which the axes rule then turns vertical.
    if (!(p.ixgyg == 0 && p.ixg < p.iyg)) {
        const double c = std::cos(p.alfa), sn = std::sin(p.alfa);
        EXPECT_NEAR(momento(p.alfa), e.imax, ti);
        EXPECT_NEAR((e.ixg - e.iyg) * sn * c + e.ixgyg * (c * c - sn * sn), 0, ti);  // no product
    }
    const Assi caso = casoassi(p.angologradi, p.ixg, p.iyg);
    const double disegnato =
        caso == Assi::Verticale ? prova::PI / 2 : (caso == Assi::Orizzontale ? 0 : p.alfa);
    // Within 0.35 degrees the moment differs by (Imax - Imin) sin^2(0.35 deg).
    EXPECT_NEAR(momento(disegnato), e.imax, ti + 4e-5 * (e.imax - e.imin));
    EXPECT_LT(std::fabs(p.alfa), pigreco / 2 + 1e-6);
    EXPECT_NEAR(p.angologradi, p.alfa * 180 / prova::PI, 1e-4);
    if (e.imin > 0) {
        EXPECT_NEAR(double(p.raggiocentralexc) * p.raggiocentralexc * e.massa, e.imax, 2 * ti);
        EXPECT_NEAR(double(p.raggiocentraleyc) * p.raggiocentraleyc * e.massa, e.imin, 2 * ti);
    }
    EXPECT_TRUE(finite(p));
}

}  // namespace

TEST(Proprieta, sezioni_a_caso_con_fori_concordano_col_calcolo_in_doppia_precisione_anche_spostate) {
    std::mt19937 gen(7031);
    std::uniform_int_distribution<int> griglia(4, 76);  // 1 .. 19 in steps of 0.25
    std::uniform_int_distribution<int> quanti(0, 5), tipo(0, 2);
    const float pieni[3] = {1, 2, 0.5f}, vuoti[2] = {-1, -0.5f};
    const auto coord = [&] { return griglia(gen) * 0.25f; };
    int provate = 0, conforo = 0;
    while (provate < 300) {
        Sezione s;
        const int n = 1 + quanti(gen), fori = quanti(gen) % 3;
        double lorda = 0;
        for (int k = 0; k < n + fori; ++k) {
            const float rho = k < n ? pieni[k % 3] : vuoti[k % 2];
            const int t = tipo(gen);
            if (t == 0 && s.numerorettangoli() < MAXRETTANGOLI) prova::rettangolo(s, coord(), coord(), coord(), coord(), rho);
            if (t == 1 && s.numerotriangoli() < MAXTRIANGOLI)
                prova::triangolo(s, coord(), coord(), coord(), coord(), coord(), coord(), rho);
            if (t == 2 && s.numerocerchi() < MAXCERCHI) prova::cerchio(s, coord(), coord(), 0.25f + quanti(gen) * 0.5f, rho);
        }
        for (int i = 1; i < s.prossimorettangolo; ++i) lorda += std::fabs(s.rettangoli[i][R::massa]);
        for (int i = 1; i < s.prossimotriangolo; ++i) lorda += std::fabs(s.triangoli[i][T::massa]);
        for (int i = 1; i < s.prossimocerchio; ++i) lorda += std::fabs(s.cerchi[i][C::massa]);
        const Atteso e = atteso(s);
        // Away from the clamps of the centroidal moments and a vanishing mass;
        // circles alone use a tolerance that may equalise the moments.
        if (e.massa < 0.2 * lorda || e.ixg < 1e-3 * e.ix || e.iyg < 1e-3 * e.iy ||
            s.numerorettangoli() + s.numerotriangoli() == 0)
            continue;
        ++provate;
        conforo += fori > 0;
        SCOPED_TRACE(provate);
        const Proprieta p = prova::calcola(s);
        confronta(p, e, 20);
        if (provate % 3) continue;

        // The same section moved elsewhere keeps its centroidal values.
        Sezione m = s;
        const float dx = 37.5f, dy = 12.25f;
        for (int i = 1; i < m.prossimorettangolo; ++i)
            for (int c : {R::x1, R::x2, R::xg}) m.rettangoli[i][c] += dx, m.rettangoli[i][c + 1] += dy;
        for (int i = 1; i < m.prossimotriangolo; ++i)
            for (int c : {T::x1, T::x2, T::x3, T::xg}) m.triangoli[i][c] += dx, m.triangoli[i][c + 1] += dy;
        for (int i = 1; i < m.prossimocerchio; ++i) m.cerchi[i][C::xc] += dx, m.cerchi[i][C::yc] += dy;
        const Proprieta q = prova::calcola(m);
        confronta(q, atteso(m), 60);
        EXPECT_NEAR(q.xg, p.xg + dx, 1e-4);
        EXPECT_NEAR(q.yg, p.yg + dy, 1e-4);
    }
    EXPECT_GT(conforo, 50);
}

TEST(Proprieta, assi_diritti_se_simmetriche_anche_lontano_e_obliqui_se_quasi_simmetriche) {
    const auto diritti = [](Sezione& s, Assi caso) {
        const Proprieta p = prova::calcola(s);
        EXPECT_EQ(p.ixgyg, 0);
        EXPECT_EQ(casoassi(p.angologradi, p.ixg, p.iyg), caso);
        EXPECT_TRUE(caso != Assi::Orizzontale || p.alfa == 0);
        return p;
    };
    // A square, alone and with a centred hole: every direction is central.
    Sezione pieno, forato;
    prova::rettangolo(pieno, 2, 4, 8, 10, 1);
    prova::rettangolo(forato, 2, 4, 8, 10, 1);
    prova::rettangolo(forato, 3.5f, 5.5f, 6.5f, 8.5f, -1);
    for (Sezione* s : {&pieno, &forato}) {
        const Proprieta p = diritti(*s, Assi::Orizzontale);
        EXPECT_TRUE(p.ixg == p.iyg && p.ixc == p.iyc);
    }
    // Coordinates floats cannot hold: product and difference of the moments
    // are zero only up to the rounding of the totals, of either sign.
    const float scarti[] = {0.1f, 0.3f, 0.7f, 1.3f, 2.9f, 7.7f, 93.1f};
    for (float a : scarti)
        for (float b : scarti) {
            SCOPED_TRACE(testing::Message() << a << " " << b);
            Sezione alto, basso, quadrato;
            prova::rettangolo(alto, a, b, a + 2.2f, b + 6.6f, 1.3f);
            prova::rettangolo(basso, a, b, a + 6.6f, b + 2.2f, 1.3f);
            prova::rettangolo(quadrato, a, b, a + 3, b + 3, 1);
            diritti(alto, Assi::Orizzontale);
            diritti(basso, Assi::Verticale);
            const Proprieta r = diritti(quadrato, Assi::Orizzontale);
            EXPECT_EQ(r.ixg, r.iyg);
        }
    // Circles alone: the rounding of pi and of the sums is absorbed by the tolerance.
    const float cerchi[][3] = {{2, 2, 1}, {1, 3, 1}, {3, 1.5f, 0.5f}, {15.3f, 7.7f, 4.4f}};
    for (const auto& c : cerchi) {
        Sezione s;
        prova::cerchio(s, c[0], c[1], c[2], 1);
        const Proprieta p = diritti(s, Assi::Orizzontale);
        EXPECT_EQ(p.ixg - p.iyg, 0);
        EXPECT_NEAR(p.ixg, pigreco * std::pow(c[2], 4) / 4, 1e-5 * std::pow(c[2], 4));
        EXPECT_NEAR(p.raggiocentralexc, c[2] / 2, 1e-6 * c[2]);
    }
    // Far from the origin a real moment below the totals' rounding is kept, not wiped out to 0.
    Sezione quadrato, rettangolo, cerchio;
    prova::rettangolo(quadrato, 4000, 4000, 4010, 4010, 1);
    prova::rettangolo(rettangolo, 3000, 3000, 3020, 3010, 1);
    prova::cerchio(cerchio, 3000, 3000, 3, 1);
    const Proprieta q = prova::calcola(quadrato), r = prova::calcola(rettangolo), c = prova::calcola(cerchio);
    EXPECT_EQ(q.ixg, q.iyg);
    EXPECT_NEAR(q.ixg, 10000.0 / 12, 0.02 * 10000 / 12);
    EXPECT_NEAR(r.ixg, 20 * 1000.0 / 12, 0.02 * 20000 / 12);
    EXPECT_NEAR(r.iyg, 8000 * 10.0 / 12, 0.02 * 80000 / 12);
    EXPECT_GT(c.raggiocentralexc * c.raggiocentraleyc, 0);
    // A square with a small square at one corner: nearly symmetric, but a real product, far above the rounding.
    for (float lato : {0.05f, 0.2f, 0.5f}) {
        Sezione s;
        prova::rettangolo(s, 2.1f, 3.3f, 5.1f, 6.3f, 1);
        prova::rettangolo(s, 5.1f, 5.5f, 5.1f + lato, 5.5f + lato, 1);
        const Proprieta p = prova::calcola(s);
        const Atteso e = atteso(s);
        const double alfa = 0.5 * std::atan2(-2 * e.ixgyg, e.ixg - e.iyg);
        // As good as the float totals allow, no worse.
        const double errore = arrotondamentocentrale(p) / std::hypot(e.ixg - e.iyg, 2 * e.ixgyg);
        EXPECT_NEAR(p.alfa, alfa, errore) << lato;
        EXPECT_EQ(casoassi(p.angologradi, p.ixg, p.iyg), Assi::Obliqui) << lato;
    }
}

TEST(Proprieta, momento_centrale_negativo_azzera_il_giratore_senza_nan) {
    // A solid square between two diagonal holes: positive mass, but the holes'
    // transport terms make the centroidal inertia indefinite.
    Sezione s;
    prova::rettangolo(s, 10, 10, 12, 12, 1);
    prova::rettangolo(s, 0, 0, 1, 1, -1);
    prova::rettangolo(s, 21, 21, 22, 22, -1);
    const Proprieta p = prova::calcola(s);
    // Ixg and Iyg negative, clamped to 0.
    EXPECT_EQ(std::make_tuple(p.massatotale, p.ixg, p.iyg, p.ixgyg, p.ixc, p.iyc, p.raggiocentraleyc),
              std::make_tuple(2.f, 0.f, 0.f, -220.5f, 220.5f, -220.5f, 0.f));
    EXPECT_FLOAT_EQ(p.raggiocentralexc, std::sqrt(220.5f / 2));
    EXPECT_TRUE(p.immaginarioxc && !p.immaginarioyc && finite(p));
    EXPECT_FLOAT_EQ(p.alfa, pigreco / 4);
    // A sliver without holes rounds below 0 too: radius 0, no talk of holes.
    Sezione scheggia;
    prova::triangolo(scheggia, 1, 1, 50, 50, 50.01f, 50, 1);
    const Proprieta t = prova::calcola(scheggia);
    EXPECT_TRUE(!t.immaginarioxc && !t.immaginarioyc && finite(t));

    Sezione nulla;  // a hole exactly as heavy as the solid: no division by the mass
    prova::rettangolo(nulla, 0, 0, 4, 4, 1);
    prova::rettangolo(nulla, 5, 5, 7, 9, -2);
    const Proprieta q = prova::calcola(nulla);
    EXPECT_EQ(std::make_tuple(q.massatotale, q.area, q.xg), std::make_tuple(0.f, 8.f, 0.f));
    EXPECT_TRUE(finite(q));
}

TEST(Proprieta, casi_degli_assi_secondo_l_angolo) {
    const Assi O = Assi::Orizzontale, V = Assi::Verticale, X = Assi::Obliqui;
    const std::tuple<float, float, float, Assi> casi[] = {
        {0, 5, 1, O},   {0, 1, 5, V},     {0.35f, 5, 1, O}, {-0.35f, 1, 5, V}, {0.36f, 5, 1, X},
        {-0.36f, 5, 1, X}, {45, 2, 2, X}, {89.6f, 1, 5, X}, {-89.6f, 1, 5, X}, {89.65f, 1, 5, V},
        {-89.65f, 1, 5, V}, {90, 5, 1, V}, {-90, 5, 1, V},  {135, 5, 1, V}};
    for (const auto& [g, ixg, iyg, atteso] : casi) EXPECT_EQ(casoassi(g, ixg, iyg), atteso) << g;
}

TEST(Proprieta, a_momenti_uguali_l_angolo_segue_il_segno_del_prodotto_e_la_tolleranza_dei_cerchi) {
    // Ixg = Iyg: the product's sign alone gives +-45 degrees.
    Sezione sinistro, destro;
    prova::triangolo(sinistro, 0, 0, 3, 0, 0, 3, 1);  // Ixgyg = -1.125
    prova::triangolo(destro, 0, 0, 3, 0, 3, 3, 1);    // Ixgyg = +1.125
    const Proprieta ps = prova::calcola(sinistro), pd = prova::calcola(destro);
    EXPECT_EQ(std::make_tuple(ps.ixgyg, ps.ixg - ps.iyg, pd.ixgyg, pd.ixg - pd.iyg), std::make_tuple(-1.125f, 0.f, 1.125f, 0.f));
    EXPECT_FLOAT_EQ(ps.alfa, pigreco / 4);
    EXPECT_FLOAT_EQ(pd.alfa, -pigreco / 4);

    // Two small circles side by side: Iyg exceeds Ixg by 5e-6, within the
    // fixed tolerance of sections made of circles only. Ixg takes Iyg's value.
    Sezione cerchi;
    prova::cerchio(cerchi, 1, 1, 0.1f, 1);
    prova::cerchio(cerchi, 1.018f, 1, 0.1f, 1);
    const Atteso e = atteso(cerchi);
    ASSERT_GT(e.iyg - e.ixg, 4e-6);
    const Proprieta pc = prova::calcola(cerchi);
    EXPECT_EQ(std::make_pair(pc.ixg - pc.iyg, casoassi(pc.angologradi, pc.ixg, pc.iyg)), std::make_pair(0.f, Assi::Orizzontale));
    EXPECT_NEAR(pc.iyg, e.iyg, 1e-7);
    // A weightless rectangle beside them: no longer circles only, the
    // difference stands and Xc turns vertical.
    prova::rettangolo(cerchi, 5, 5, 6, 6, 0);
    const Proprieta pr = prova::calcola(cerchi);
    EXPECT_NEAR(pr.ixg, e.ixg, 1e-7);
    EXPECT_EQ(casoassi(pr.angologradi, pr.ixg, pr.iyg), Assi::Verticale);
}

// ---- Central kern ------------------------------------------------------------------

namespace {

using Linee = float[MAXLINEE + 1][L::CAMPI + 1];

// Lines 1.. from rows of x1 y1 x2 y2.
void linee(Linee& l, std::initializer_list<std::array<float, 4>> righe) {
    int i = 1;
    for (const auto& r : righe) std::copy(r.begin(), r.end(), &l[i++][L::x1]);
}

void vertice(const Nocciolo& n, int i, double x, double y, double tol = 1e-5) {
    EXPECT_TRUE(n.valido[i]) << "line " << i;
    EXPECT_NEAR(n.verticinocciolo[i][1], x, tol) << "line " << i;
    EXPECT_NEAR(n.verticinocciolo[i][2], y, tol) << "line " << i;
}
// The vertices of lines 1, 2, ...
void vertici(const Nocciolo& n, std::initializer_list<std::pair<double, double>> attesi, double tol = 1e-5) {
    int i = 1;
    for (auto [x, y] : attesi) vertice(n, i++, x, y, tol);
}

// Every stored number of the construction.
void tuttifiniti(const Nocciolo& n) {
    for (float v : {n.alfa, n.beta, n.a, n.b, n.c, n.P, n.Q, n.D, n.k, n.d1, n.d2, n.theta, n.u, n.v})
        ASSERT_TRUE(std::isfinite(v));
    const auto finita = [](const auto& tabella) {
        for (const auto& riga : tabella) for (float v : riga) ASSERT_TRUE(std::isfinite(v));
    };
    finita(n.lineecentrali), finita(n.puntitangenza), finita(n.tangentescelta);
    finita(n.puntiintersezione), finita(n.distanzenocciolo), finita(n.verticinocciolo);
}

// The rectangle (0, 0)-(6, 12): G = (3, 6), rho_x^2 = 12, rho_y^2 = 3, axes horizontal.
const float XG = 3, YG = 6;
const float RX = std::sqrt(12.0f), RY = std::sqrt(3.0f);

}  // namespace

TEST(Nocciolo, rettangolo_da_il_rombo_del_terzo_medio_anche_con_linee_quasi_parallele_agli_assi) {
    Linee l = {};
    linee(l, {{0, 0, 6, 0}, {6, 0, 6, 12}, {6, 12, 0, 12}, {0, 12, 0, 0},
              {6, 9, 3, 12},                                // cuts the top right corner
              {4, 9, 4, 9},                                 // both ends at one point: parallel to Xc stands
              {0, 0, 6, 0.0000005f}, {6, 0, 6.0000005f, 12}});  // nearly parallel to an axis: straightened
    Nocciolo n;
    calcolanocciolo(n, l, 8, XG, YG, 0, RX, RY);
    vertici(n, {{3, 8}, {2, 6}, {3, 4}, {4, 6}, {2.5, 4}, {3, 2}, {3, 8}, {2, 6}});  // y' = 3 gives y' = -12 / 3
    EXPECT_EQ(n.lineecentrali[7][2], n.lineecentrali[7][4]);
    EXPECT_EQ(n.lineecentrali[8][1], n.lineecentrali[8][3]);
    // Treated as parallel: tangent point on the axis itself.
    EXPECT_EQ(std::make_tuple(n.tangentescelta[7][1], n.tangentescelta[7][2], n.tangentescelta[8][1], n.tangentescelta[8][2]),
              std::make_tuple(0.f, -RX, RY, 0.f));
}

// Any line against the pole-polar relation, in double: for the ellipse
// x'^2/ry^2 + y'^2/rx^2 = 1 the line a x' + b y' + c = 0 has its antipole at
// (ry^2 a / c, rx^2 b / c).
TEST(Nocciolo, linee_qualsiasi_danno_l_antipolo_rispetto_all_ellisse) {
    std::mt19937 gen(4242);
    std::uniform_real_distribution<float> pos(0, 30), ang(-1.5f, 1.5f), raggio(0.3f, 4);
    int provate = 0;
    while (provate < 300) {
        const float xg = 10 + pos(gen) / 3, yg = 10 + pos(gen) / 3;
        const float alfa = provate < 20 ? 0.0f : ang(gen);
        float rx = raggio(gen), ry = raggio(gen);
        if (rx < ry) std::swap(rx, ry);
        Linee l = {};
        const int quante = 1 + provate % MAXLINEE;
        std::vector<std::pair<double, double>> attesi(quante + 1);
        const double ca = std::cos(double(alfa)), sa = std::sin(double(alfa));
        bool buone = true;
        for (int i = 1; i <= quante; ++i) {
            const float x1 = pos(gen), y1 = pos(gen), x2 = pos(gen), y2 = pos(gen);
            l[i][L::x1] = x1, l[i][L::y1] = y1, l[i][L::x2] = x2, l[i][L::y2] = y2;
            const auto centrale = [&](double x, double y) {
                return std::make_pair((x - xg) * ca + (y - yg) * sa, (y - yg) * ca - (x - xg) * sa);
            };
            const auto [p1, q1] = centrale(x1, y1);
            const auto [p2, q2] = centrale(x2, y2);
            const double a = q2 - q1, b = p1 - p2, c = p2 * q1 - p1 * q2;
            // Clear of G (no vertex) and of the small shift of the angle used
            // near a tangent point on the central y axis.
            const double tx = double(ry) * ry * a, ty = double(rx) * rx * b;
            if (std::fabs(c) / std::hypot(a, b) < 0.5 || std::fabs(tx) < 1e-3 * std::hypot(tx, ty)) buone = false;
            const double u = tx / c, v = ty / c;
            attesi[i] = {xg + u * ca - v * sa, yg + u * sa + v * ca};
        }
        if (!buone) continue;
        ++provate;
        Nocciolo n;
        calcolanocciolo(n, l, quante, xg, yg, alfa, rx, ry);
        for (int i = 1; i <= quante; ++i) {
            const double tol = 1e-4 * (1 + std::hypot(attesi[i].first - xg, attesi[i].second - yg));
            vertice(n, i, attesi[i].first, attesi[i].second, tol);
        }
        tuttifiniti(n);
    }
}

TEST(Nocciolo, casi_limite_baricentro_giratori_nulli_e_tangente_quasi_sull_asse) {
    Linee l = {};
    linee(l, {{0, 0, 6, 0}, {0, 0, 6, 12}, {3, 0, 3, 12}, {0, 6, 6, 6}, {6, 0, 6, 12}});
    Nocciolo n;
    calcolanocciolo(n, l, 5, XG, YG, 0, RX, RY);
    vertice(n, 1, 3, 8);
    for (int i : {2, 3, 4}) EXPECT_FALSE(n.valido[i]) << i;  // diagonal, vertical, horizontal through G
    vertice(n, 5, 2, 6);
    tuttifiniti(n);

    // No width along Xc (rho_y = 0): the ellipse is a segment on Yc and every
    // antipole lies on Yc, at -rho_x^2 over where the line meets Yc.
    Linee altre = {};
    linee(altre, {{0, 0, 6, 0.5f},    // meets Yc at y' = -5.75
                  {6, 0, 6, 12},      // parallel to Yc: its antipole is G
                  {0, 0, 6, 0},       // parallel to Xc
                  {0, 0, 6, 12}});    // through G: none
    calcolanocciolo(n, altre, 4, XG, YG, 0, RX, 0);
    vertici(n, {{3, 6 + 12 / 5.75}, {3, 6}, {3, 8}}, 1e-4);
    EXPECT_FALSE(n.valido[4]);
    tuttifiniti(n);

    // Both radii zero, oblique axes: the kern shrinks to G, nothing infinite.
    Linee oblique = {};
    linee(oblique, {{1, 2, 9, 4}, {3, 3, 3, 3}});
    calcolanocciolo(n, oblique, 2, 5, 5, 0.7f, 0, 0);
    vertice(n, 1, 5, 5);
    tuttifiniti(n);

    // Xc vertical (alfa a float step above pi/2): long vertical lines are nearly,
    // not within 0.000001, parallel to Xc; |Tx| is far below 0.000001, of either sign.
    Linee verticali = {};
    linee(verticali, {{0, 0, 0, 40}, {0, 40, 0, 0}, {6, 0, 6, 40}, {6, 40, 6, 0}});
    calcolanocciolo(n, verticali, 4, XG, YG, 3.1415927f / 2, RX, RY);
    int segni = 0;
    for (int i = 1; i <= 4; ++i) {
        const float tx = n.tangentescelta[i][1];
        segni |= tx != 0 && std::fabs(tx) < 0.000001f ? 1 << (tx > 0) : 4;
    }
    EXPECT_EQ(segni, 3);  // both signs of the narrow band, never outside it
    // The antipole of x = 0 about G with rho^2 = 12 along world x is 4 to the right.
    vertici(n, {{7, 6}, {7, 6}, {-1, 6}, {-1, 6}}, 1e-4);
}

// ---- Central ellipse ----------------------------------------------------------------

namespace {

// The smallest and largest x and y of the trace.
std::array<float, 4> estremi(const Ellisse& e) {
    std::array<float, 4> r = {INFINITY, -INFINITY, INFINITY, -INFINITY};
    for (size_t i = 0; i + 1 < e.punti.size(); ++i)
        r[2 * (i % 2)] = std::min(r[2 * (i % 2)], e.punti[i]), r[2 * (i % 2) + 1] = std::max(r[2 * (i % 2) + 1], e.punti[i]);
    return r;
}

// Largest departure from x'^2/ry^2 + y'^2/rx^2 = 1 in the central frame.
double scarto(const Ellisse& e, double xg, double yg, double alfa, double rx, double ry) {
    double peggiore = 0;
    const double c = std::cos(alfa), s = std::sin(alfa);
    for (size_t i = 0; i + 1 < e.punti.size(); i += 2) {
        const double dx = e.punti[i] - xg, dy = e.punti[i + 1] - yg;
        const double u = dx * c + dy * s, v = dy * c - dx * s;
        peggiore = std::max(peggiore, std::fabs(u * u / (ry * ry) + v * v / (rx * rx) - 1));
    }
    return peggiore;
}

}  // namespace

// Foci on Yc, symmetric about G, at sqrt(rx^2 - ry^2); the trace as wide and
// as high as the ellipse. First the 2 x 6 rectangle from its own properties.
TEST(Ellisse, i_fuochi_e_gli_estremi_sono_quelli_dell_ellisse_anche_inclinata) {
    Sezione s;
    prova::rettangolo(s, 0, 0, 2, 6, 1);
    const Proprieta p = prova::calcola(s);
    const float casi[][5] = {{p.xg, p.yg, 0, p.raggiocentralexc, p.raggiocentraleyc}, {7, 5, 0.3f, 2.5f, 1.2f},
                             {7, 5, -1.1f, 2.5f, 1.2f}, {7, 5, 3.1415927f / 4, 2.5f, 1.2f},
                             {7, 5, 1.5707964f, 2.5f, 1.2f}, {7, 5, 0, 1.5f, 1.5f}};
    for (const auto& [xg, yg, alfa, rx, ry] : casi) {
        SCOPED_TRACE(alfa);
        Ellisse e;
        tracciaellisse(xg, yg, alfa, rx, ry, 0, 100, e);
        ASSERT_FALSE(e.punti.empty());
        EXPECT_LT(scarto(e, xg, yg, alfa, rx, ry), 1e-4);
        const double f = std::sqrt(double(rx) * rx - double(ry) * ry), sn = std::sin(alfa), cs = std::cos(alfa);
        const double larghezza = std::hypot(ry * cs, rx * sn), altezza = std::hypot(ry * sn, rx * cs);
        const auto r = estremi(e);
        const double attesi[][3] = {{e.fuoco1x, xg - f * sn, 1e-5}, {e.fuoco1y, yg + f * cs, 1e-5}, {e.fuoco2x, xg + f * sn, 1e-5},
                                    {e.fuoco2y, yg - f * cs, 1e-5}, {r[0], xg - larghezza, 0.0011}, {r[1], xg + larghezza, 0.0011},
                                    {r[2], yg - altezza, 1e-4},     {r[3], yg + altezza, 1e-4}};
        for (const auto& [v, atteso, tol] : attesi) EXPECT_NEAR(v, atteso, tol);
    }
    EXPECT_NEAR(p.raggiocentralexc * p.raggiocentraleyc, 1, 1e-6);  // sqrt(3) and sqrt(1 / 3)
    Ellisse e;
    tracciaellisse(p.xg, p.yg, 0, p.raggiocentralexc, p.raggiocentraleyc, 0, 100, e);
    // Two points per abscissa, one every 0.001 across the width 2 ry; the sweep runs on to xg + rx.
    EXPECT_NEAR(e.punti.size() / 4.0, 2 * std::sqrt(1.0 / 3) / 0.001, 2);
    EXPECT_NEAR(e.iii, 1 + std::sqrt(3.0), 0.0011);
}

TEST(Ellisse, la_scansione_resta_limitata_alla_finestra_anche_lontano_dall_origine) {
    Ellisse e;
    tracciaellisse(40000, 300, 0.2f, 2, 1, 39990, 40010, e);
    ASSERT_FALSE(e.punti.empty());
    // Float abscissas near 40000 are 0.004 apart: judge the points at that scale.
    EXPECT_LT(scarto(e, 40000, 300, 0.2, 2, 1), 0.02);
    const auto r = estremi(e);
    EXPECT_TRUE(r[0] > 39998 && r[1] < 40002);
    EXPECT_NEAR(r[3] - r[2], 2 * std::hypot(std::sin(0.2), 2 * std::cos(0.2)), 1e-3);
    Ellisse fuori;  // only the abscissas of the window are swept
    tracciaellisse(5, 5, 0.4f, 3, 2, 20, 30, fuori);
    EXPECT_TRUE(fuori.punti.empty());
    Ellisse grande;  // a huge ellipse through a small window: bounded work, finite points
    tracciaellisse(50, 50, 0.3f, 1e7f, 1e6f, 40, 60, grande);
    EXPECT_TRUE(!grande.punti.empty() && grande.punti.size() <= 4u * 20001u);
    for (float v : grande.punti) EXPECT_TRUE(std::isfinite(v));
    Ellisse piatta;  // a zero radius with Xc vertical: a horizontal segment, nothing infinite
    tracciaellisse(3, 4, 1.5707964f, 2, 0, 0, 100, piatta);
    for (size_t i = 0; i + 1 < piatta.punti.size(); i += 2) EXPECT_NEAR(piatta.punti[i + 1], 4, 1e-3);
    // Tilted, the segment F1 F2 of half-length rx along Yc, and not the rest of its line.
    Ellisse inclinata;
    tracciaellisse(5, 5, 0.3f, 2, 0, 0, 100, inclinata);
    ASSERT_FALSE(inclinata.punti.empty());
    double lontano = 0;
    for (size_t i = 0; i + 1 < inclinata.punti.size(); i += 2) {
        const double X = inclinata.punti[i] - 5, Y = inclinata.punti[i + 1] - 5;
        lontano = std::max(lontano, std::hypot(X, Y));
        EXPECT_NEAR(X * std::cos(0.3) + Y * std::sin(0.3), 0, 1e-5);  // on Yc
    }
    EXPECT_NEAR(lontano, 2, 0.005);
}
