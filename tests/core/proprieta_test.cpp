#include "analysis/proprieta.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "model/sezione.h"
#include "sezioni.h"

using namespace vask;
using prova::pigreco;

TEST(Proprieta, massa_non_positiva_lascia_solo_area_e_massa) {
    Sezione s;
    prova::rettangolo(s, 0, 0, 2, 6, -1);
    Proprieta p = prova::calcola(s);
    EXPECT_FLOAT_EQ(s.rettangoli[1][R::ix], -144);
    EXPECT_FLOAT_EQ(s.rettangoli[1][R::iy], -16);
    EXPECT_FLOAT_EQ(s.rettangoli[1][R::ixy], -36);
    EXPECT_FLOAT_EQ(p.area, -12);
    EXPECT_FLOAT_EQ(p.massatotale, -12);
    EXPECT_EQ(p.xg, 0);
    EXPECT_EQ(p.raggiocentralexc, 0);

    // A hole exactly as heavy as the solid: zero mass, no division by it.
    Sezione t;
    prova::rettangolo(t, 0, 0, 4, 4, 1);
    prova::rettangolo(t, 5, 5, 7, 9, -2);
    p = prova::calcola(t);
    EXPECT_EQ(p.massatotale, 0);
    EXPECT_TRUE(finite(p));
}

TEST(Proprieta, cerchio_solo_ha_assi_orizzontali) {
    Sezione s;
    prova::cerchio(s, 2, 2, 1, 1);
    const Proprieta p = prova::calcola(s);
    EXPECT_NEAR(p.ixg, pigreco / 4, 1e-6);
    EXPECT_EQ(p.ixg, p.iyg);
    EXPECT_EQ(p.ixgyg, 0);
    EXPECT_EQ(p.alfa, 0);
    EXPECT_EQ(casoassi(p.angologradi, p.ixg, p.iyg), Assi::Orizzontale);
    EXPECT_FLOAT_EQ(p.raggiocentralexc, 0.5f);  // sqrt(r^2 / 4)
    EXPECT_FLOAT_EQ(p.raggiocentraleyc, 0.5f);
}

// Double-precision reference: integrals over each element by Green's theorem
// or the disc formulas, centroidal values by the parallel-axis theorem, and the
// principal axes checked by rotating the inertia tensor to the computed angle.
struct Atteso {
    double area, massa, xg, yg, ix, iy, ixy, ixg, iyg, ixgyg, imax, imin;
};

static Atteso atteso(const Sezione& s) {
    const prova::Integrali g = prova::riferimento(s);
    const prova::Integrali a = prova::riferimento(s, true);
    Atteso e{};
    e.area = a.area;
    e.massa = g.area;
    e.xg = g.sy / g.area;
    e.yg = g.sx / g.area;
    e.ix = g.ixx;
    e.iy = g.iyy;
    e.ixy = g.ixy;
    e.ixg = g.ixx - g.area * e.yg * e.yg;
    e.iyg = g.iyy - g.area * e.xg * e.xg;
    e.ixgyg = g.ixy - g.area * e.xg * e.yg;
    const double centro = (e.ixg + e.iyg) / 2;
    const double raggio = std::hypot((e.ixg - e.iyg) / 2, e.ixgyg);
    e.imax = centro + raggio;
    e.imin = centro - raggio;
    return e;
}

static void confronta(const Proprieta& p, const Atteso& e, double dimensione) {
    const double tm = 1e-5 * (std::fabs(e.massa) + std::fabs(e.area) + 1);
    EXPECT_NEAR(p.area, e.area, tm);
    EXPECT_NEAR(p.massatotale, e.massa, tm);
    EXPECT_NEAR(p.xg, e.xg, 1e-5 * dimensione);
    EXPECT_NEAR(p.yg, e.yg, 1e-5 * dimensione);
    // Float sums of moments about the far origin: relative 1e-5 of their size.
    const double ti = 1e-5 * (std::fabs(e.ix) + std::fabs(e.iy) + 1);
    EXPECT_NEAR(p.ixtotale, e.ix, ti);
    EXPECT_NEAR(p.iytotale, e.iy, ti);
    EXPECT_NEAR(p.ixytotale, e.ixy, ti);
    EXPECT_NEAR(p.ixg, e.ixg, ti);
    EXPECT_NEAR(p.iyg, e.iyg, ti);
    EXPECT_NEAR(p.ixgyg, e.ixgyg, ti);
    EXPECT_NEAR(p.ixc, e.imax, ti);
    EXPECT_NEAR(p.iyc, e.imin, ti);
    // Xc at the computed angle carries the maximum moment and no product;
    // the one exception the angle rule makes is a zero product with Ixg < Iyg
    // (angle 0), which the axes rule then turns vertical.
    const auto momento = [&](double alfa) {
        const double c = std::cos(alfa), sn = std::sin(alfa);
        return e.ixg * c * c + e.iyg * sn * sn - 2 * e.ixgyg * sn * c;
    };
    const auto prodotto = [&](double alfa) {
        const double c = std::cos(alfa), sn = std::sin(alfa);
        return (e.ixg - e.iyg) * sn * c + e.ixgyg * (c * c - sn * sn);
    };
    if (!(p.ixgyg == 0 && p.ixg < p.iyg)) {
        EXPECT_NEAR(momento(p.alfa), e.imax, ti);
        EXPECT_NEAR(prodotto(p.alfa), 0, ti);
    }
    const Assi caso = casoassi(p.angologradi, p.ixg, p.iyg);
    const double disegnato =
        caso == Assi::Verticale ? prova::PI / 2 : (caso == Assi::Orizzontale ? 0 : p.alfa);
    // Within 0.35 degrees the moment differs by (Imax - Imin) sin^2(0.35 deg).
    EXPECT_NEAR(momento(disegnato), e.imax, ti + 4e-5 * (e.imax - e.imin));
    EXPECT_GT(p.alfa, -pigreco / 2 - 1e-6);
    EXPECT_LT(p.alfa, pigreco / 2 + 1e-6);
    EXPECT_NEAR(p.angologradi, p.alfa * 180 / prova::PI, 1e-4);
    if (e.imin > 0) {
        const double r1 = p.raggiocentralexc, r2 = p.raggiocentraleyc;
        EXPECT_NEAR(r1 * r1 * e.massa, e.imax, 2 * ti);
        EXPECT_NEAR(r2 * r2 * e.massa, e.imin, 2 * ti);
    }
    EXPECT_TRUE(finite(p));
}

TEST(Proprieta, sezioni_a_caso_con_fori_concordano_col_calcolo_in_doppia_precisione) {
    std::mt19937 gen(7031);
    std::uniform_int_distribution<int> griglia(4, 76);  // 1 .. 19 in steps of 0.25
    std::uniform_int_distribution<int> quanti(0, 5);
    std::uniform_int_distribution<int> tipo(0, 2);
    const float pieni[3] = {1, 2, 0.5f}, vuoti[2] = {-1, -0.5f};
    const auto coord = [&] { return griglia(gen) * 0.25f; };
    int provate = 0, conforo = 0, traslate = 0;
    while (provate < 300) {
        Sezione s;
        const int n = 1 + quanti(gen);
        const int fori = quanti(gen) % 3;
        for (int k = 0; k < n + fori; ++k) {
            const float rho = k < n ? pieni[k % 3] : vuoti[k % 2];
            switch (tipo(gen)) {
                case 0:
                    if (s.numerorettangoli() < MAXRETTANGOLI)
                        prova::rettangolo(s, coord(), coord(), coord(), coord(), rho);
                    break;
                case 1:
                    if (s.numerotriangoli() < MAXTRIANGOLI)
                        prova::triangolo(s, coord(), coord(), coord(), coord(), coord(), coord(),
                                         rho);
                    break;
                default:
                    if (s.numerocerchi() < MAXCERCHI)
                        prova::cerchio(s, coord(), coord(), 0.25f + quanti(gen) * 0.5f, rho);
            }
        }
        const Atteso e = atteso(s);
        // Well away from the clamps of the centroidal moments and a vanishing mass.
        double lorda = 0;
        for (int i = 1; i < s.prossimorettangolo; ++i)
            lorda += std::fabs(s.rettangoli[i][R::massa]);
        for (int i = 1; i < s.prossimotriangolo; ++i) lorda += std::fabs(s.triangoli[i][T::massa]);
        for (int i = 1; i < s.prossimocerchio; ++i) lorda += std::fabs(s.cerchi[i][C::massa]);
        if (e.massa < 0.2 * lorda || e.ixg < 1e-3 * e.ix || e.iyg < 1e-3 * e.iy) continue;
        // Circles alone use a tolerance that may equalise the moments.
        if (s.numerorettangoli() + s.numerotriangoli() == 0) continue;
        ++provate;
        if (fori > 0) ++conforo;
        SCOPED_TRACE(provate);
        const Proprieta p = prova::calcola(s);
        confronta(p, e, 20);

        // The same section moved elsewhere keeps its centroidal values.
        if (provate % 3 == 0) {
            Sezione m = s;
            const float dx = 37.5f, dy = 12.25f;
            for (int i = 1; i < m.prossimorettangolo; ++i) {
                float* r = m.rettangoli[i];
                r[R::x1] += dx, r[R::x2] += dx, r[R::xg] += dx;
                r[R::y1] += dy, r[R::y2] += dy, r[R::yg] += dy;
            }
            for (int i = 1; i < m.prossimotriangolo; ++i) {
                float* t = m.triangoli[i];
                t[T::x1] += dx, t[T::x2] += dx, t[T::x3] += dx, t[T::xg] += dx;
                t[T::y1] += dy, t[T::y2] += dy, t[T::y3] += dy, t[T::yg] += dy;
            }
            for (int i = 1; i < m.prossimocerchio; ++i) {
                m.cerchi[i][C::xc] += dx;
                m.cerchi[i][C::yc] += dy;
            }
            const Proprieta q = prova::calcola(m);
            confronta(q, atteso(m), 60);
            const double tol = 2e-5 * (std::fabs(q.ixtotale) + std::fabs(q.iytotale));
            EXPECT_NEAR(q.xg, p.xg + dx, 1e-4);
            EXPECT_NEAR(q.yg, p.yg + dy, 1e-4);
            EXPECT_NEAR(q.ixg, p.ixg, tol);
            EXPECT_NEAR(q.iyg, p.iyg, tol);
            EXPECT_NEAR(q.ixgyg, p.ixgyg, tol);
            EXPECT_NEAR(q.ixc, p.ixc, tol);
            EXPECT_NEAR(q.iyc, p.iyc, tol);
            ++traslate;
        }
    }
    EXPECT_GT(conforo, 50);
    EXPECT_GT(traslate, 50);
}

TEST(Proprieta, momenti_centrali_uguali_o_prodotto_nullo_danno_un_angolo_stabile) {
    // A square, alone and with a centred square hole (sizes whose moments
    // floats hold exactly): every direction is central, the axes stay horizontal.
    for (int variante = 0; variante < 2; ++variante) {
        Sezione s;
        prova::rettangolo(s, 2, 4, 8, 10, 1);
        if (variante == 1) prova::rettangolo(s, 3.5f, 5.5f, 6.5f, 8.5f, -1);
        const Proprieta p = prova::calcola(s);
        EXPECT_EQ(p.ixg, p.iyg) << variante;
        EXPECT_EQ(p.ixgyg, 0) << variante;
        EXPECT_EQ(p.alfa, 0) << variante;
        EXPECT_EQ(p.ixc, p.iyc) << variante;
        EXPECT_EQ(casoassi(p.angologradi, p.ixg, p.iyg), Assi::Orizzontale) << variante;
    }
    // Circles alone: the rounding of pi and of the float sums is absorbed by
    // the tolerance, the moments come out equal and the product zero.
    const float cerchi[][3] = {{2, 2, 1}, {1, 3, 1}, {3, 1.5f, 0.5f}, {0.75f, 2.25f, 0.5f}};
    for (const auto& c : cerchi) {
        Sezione s;
        prova::cerchio(s, c[0], c[1], c[2], 1);
        const Proprieta p = prova::calcola(s);
        EXPECT_EQ(p.ixg, p.iyg) << c[0] << " " << c[1];
        EXPECT_EQ(p.ixgyg, 0) << c[0] << " " << c[1];
        EXPECT_EQ(p.alfa, 0) << c[0] << " " << c[1];
        EXPECT_NEAR(p.ixg, pigreco * std::pow(c[2], 4) / 4, 1e-5);
    }
    // Rectangles at coordinates that floats cannot hold: the product and the
    // difference of the moments are zero only up to the rounding of the totals.
    // It must not tilt the axes, whatever its sign.
    const float scarti[] = {0.1f, 0.3f, 0.7f, 1.3f, 2.9f, 7.7f, 93.1f};
    for (float a : scarti)
        for (float b : scarti) {
            Sezione alto, basso, quadrato;
            prova::rettangolo(alto, a, b, a + 2.2f, b + 6.6f, 1.3f);
            prova::rettangolo(basso, a, b, a + 6.6f, b + 2.2f, 1.3f);
            prova::rettangolo(quadrato, a, b, a + 3, b + 3, 1);
            const Proprieta p = prova::calcola(alto), q = prova::calcola(basso),
                            r = prova::calcola(quadrato);
            SCOPED_TRACE(testing::Message() << a << " " << b);
            EXPECT_EQ(p.ixgyg, 0);
            EXPECT_EQ(q.ixgyg, 0);
            EXPECT_EQ(casoassi(p.angologradi, p.ixg, p.iyg), Assi::Orizzontale);
            EXPECT_EQ(casoassi(q.angologradi, q.ixg, q.iyg), Assi::Verticale);
            EXPECT_EQ(r.ixg, r.iyg);
            EXPECT_EQ(r.ixgyg, 0);
            EXPECT_EQ(r.alfa, 0);
        }
    // The cases a student met: a square and a single circle off the diagonal.
    Sezione quadrato, cerchio;
    prova::rettangolo(quadrato, 2.1f, 3.3f, 5.1f, 6.3f, 1);
    prova::cerchio(cerchio, 15.3f, 7.7f, 4.4f, 1);
    for (Sezione* s : {&quadrato, &cerchio}) {
        const Proprieta p = prova::calcola(*s);
        EXPECT_EQ(p.ixgyg, 0);
        EXPECT_EQ(p.ixg, p.iyg);
        EXPECT_EQ(p.angologradi, 0);
    }
}

TEST(Proprieta, una_sezione_davvero_obliqua_tiene_il_suo_angolo) {
    // A square with a small square added at one corner: nearly symmetric, but
    // its product is real, far above the rounding, and the axes are oblique.
    for (float lato : {0.05f, 0.2f, 0.5f}) {
        Sezione s;
        prova::rettangolo(s, 2.1f, 3.3f, 5.1f, 6.3f, 1);
        prova::rettangolo(s, 5.1f, 5.5f, 5.1f + lato, 5.5f + lato, 1);
        const Proprieta p = prova::calcola(s);
        const Atteso e = atteso(s);
        const double alfa = 0.5 * std::atan2(-2 * e.ixgyg, e.ixg - e.iyg);
        // The angle is as good as the float totals allow, no worse.
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
    EXPECT_FLOAT_EQ(p.massatotale, 2);
    EXPECT_FLOAT_EQ(p.xg, 11);
    EXPECT_FLOAT_EQ(p.yg, 11);
    EXPECT_EQ(p.ixg, 0);  // negative, clamped
    EXPECT_EQ(p.iyg, 0);
    EXPECT_FLOAT_EQ(p.ixgyg, -2 * 10.5f * 10.5f);
    EXPECT_FLOAT_EQ(p.ixc, 220.5f);
    EXPECT_FLOAT_EQ(p.iyc, -220.5f);
    EXPECT_FLOAT_EQ(p.raggiocentralexc, std::sqrt(220.5f / 2));
    EXPECT_EQ(p.raggiocentraleyc, 0);
    EXPECT_TRUE(p.immaginarioxc);
    EXPECT_FALSE(p.immaginarioyc);
    EXPECT_FLOAT_EQ(p.alfa, pigreco / 4);
    EXPECT_TRUE(finite(p));
}

TEST(Proprieta, casi_degli_assi_secondo_l_angolo) {
    struct Caso {
        float g, ixg, iyg;
        Assi atteso;
    } casi[] = {
        {0, 5, 1, Assi::Orizzontale},     {0, 1, 5, Assi::Verticale},
        {0.35f, 5, 1, Assi::Orizzontale}, {-0.35f, 1, 5, Assi::Verticale},
        {0.36f, 5, 1, Assi::Obliqui},     {-0.36f, 5, 1, Assi::Obliqui},
        {45, 2, 2, Assi::Obliqui},        {89.6f, 1, 5, Assi::Obliqui},
        {-89.6f, 1, 5, Assi::Obliqui},    {89.65f, 1, 5, Assi::Verticale},
        {-89.65f, 1, 5, Assi::Verticale}, {90, 5, 1, Assi::Verticale},
        {-90, 5, 1, Assi::Verticale},     {135, 5, 1, Assi::Verticale},
    };
    for (const Caso& c : casi) EXPECT_EQ(casoassi(c.g, c.ixg, c.iyg), c.atteso) << c.g;
}

TEST(Proprieta, a_momenti_uguali_l_angolo_segue_il_segno_del_prodotto_e_la_tolleranza_dei_cerchi) {
    // Ixg = Iyg: the product's sign alone gives +-45 degrees.
    Sezione sinistro, destro;
    prova::triangolo(sinistro, 0, 0, 3, 0, 0, 3, 1);  // Ixgyg = -1.125
    prova::triangolo(destro, 0, 0, 3, 0, 3, 3, 1);    // Ixgyg = +1.125
    const Proprieta ps = prova::calcola(sinistro), pd = prova::calcola(destro);
    EXPECT_FLOAT_EQ(ps.ixgyg, -1.125f);
    EXPECT_FLOAT_EQ(pd.ixgyg, 1.125f);
    EXPECT_EQ(ps.ixg, ps.iyg);
    EXPECT_EQ(pd.ixg, pd.iyg);
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
    EXPECT_EQ(pc.ixg, pc.iyg);
    EXPECT_NEAR(pc.iyg, e.iyg, 1e-7);
    EXPECT_EQ(casoassi(pc.angologradi, pc.ixg, pc.iyg), Assi::Orizzontale);
    // A weightless rectangle beside them: no longer circles only, the
    // difference stands and Xc turns vertical.
    prova::rettangolo(cerchi, 5, 5, 6, 6, 0);
    const Proprieta pr = prova::calcola(cerchi);
    EXPECT_LT(pr.ixg, pr.iyg);
    EXPECT_NEAR(pr.ixg, e.ixg, 1e-7);
    EXPECT_EQ(casoassi(pr.angologradi, pr.ixg, pr.iyg), Assi::Verticale);
}
