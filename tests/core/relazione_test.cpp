// The calculation report: each step against closed forms and boundary
// integrals computed here (its totals against the panel are file_test's).
#include <random>

#include "analysis/relazione.h"
#include "edit/relazionetesto.h"
#include "sezioni.h"
#include "supporto.h"

using namespace vask;

using prova::relazione;

// Random elements, thin triangles among them, near the origin and far out:
// area, mass, centroid, static, own and reference moments and the transport
// to the section's centroid, each within 1e-9 of the boundary integrals.
TEST(Relazione, i_passi_di_ogni_elemento_sono_gli_integrali_di_contorno) {
    std::mt19937 gen(20);
    std::uniform_int_distribution<int> quarti(4, 76), lontano(0, 3900);
    for (int prova = 0; prova < 60; ++prova) {
        const float dx = prova % 2 ? float(lontano(gen)) : 0, dy = prova % 3 ? float(lontano(gen)) : 0;
        const auto c = [&](float d) { return d + quarti(gen) * 0.25f; };
        Sezione s = prova::componi("R 1 1 19 11 1");
        prova::rettangolo(s, c(dx), c(dy), c(dx), c(dy), -0.5f);
        const float x = c(dx), y = c(dy);  // now and then a sliver
        prova::triangolo(s, x, y, c(dx), c(dy), prova % 4 ? c(dx) : x + 18, prova % 4 ? c(dy) : y + 0.25f, 2);
        prova::cerchio(s, c(dx + 2), c(dy + 2), 0.5f, -1);
        if (s.rettangoli[2][R::x1] == s.rettangoli[2][R::x2] || s.rettangoli[2][R::y1] == s.rettangoli[2][R::y2] ||
            prova::atteso(s).massa <= 0 || s.triangoli[1][T::area] == 0)
            continue;
        const Relazione r = relazione(s);
        ASSERT_EQ(r.elementi.size(), 4u);
        for (const PassoElemento& q : r.elementi) {
            SCOPED_TRACE(testing::Message() << prova << " tipo " << q.tipo);
            // The element alone, unweighted, about the origin, its centroid and the section's.
            const auto integrali = [&](double ox, double oy) {
                return prova::riferimento(prova::solo(s, q.tipo, q.numero), ox, oy, prova::Peso::Modulo);
            };
            const prova::Integrali o = integrali(0, 0);
            const double xg = o.sy / o.area, yg = o.sx / o.area;
            const prova::Integrali g = integrali(xg, yg), h = integrali(r.xg, r.yg);
            const double m = q.rho * o.area, tol = 1e-9;
            const std::pair<double, double> coppie[] = {
                {q.area, o.area}, {q.massa, m}, {q.xg, xg}, {q.yg, yg}, {q.sx, m * yg}, {q.sy, m * xg},
                {q.ixp, q.rho * g.ixx}, {q.iyp, q.rho * g.iyy}, {q.ixyp, q.rho * g.ixy}, {q.ix, q.rho * o.ixx},
                {q.iy, q.rho * o.iyy}, {q.ixy, q.rho * o.ixy}, {q.ixg, q.rho * h.ixx}, {q.iyg, q.rho * h.iyy},
                {q.ixgyg, q.rho * h.ixy}};
            double scala = 0;
            for (const auto& [a, b] : coppie) scala = std::max(scala, std::fabs(b));
            for (const auto& [a, b] : coppie) EXPECT_NEAR(a, b, tol * scala) << &a - &coppie[0].first;
        }
    }
}

// A rectangle: W = b h^2 / 6 and the middle-third rhombus; a circle: pi r^3 / 4;
// the T of a flange 12 x 2 over a web 1 x 10, worked by hand. Mohr's invariants.
TEST(Relazione, moduli_antipoli_e_cerchio_di_mohr_delle_sezioni_note) {
    // Moduli and antipoles come from the panel's float moments: 1e-6.
    // b 4, h 6, G (5, 5), Xc horizontal.
    const Relazione r = relazione(prova::componi("R 3 2 7 8 1"), {3, 2, 7, 2, 7, 8, 3, 8});
    EXPECT_NEAR(r.moduloxc.wpiu, 4 * 36 / 6.0, 1e-6 * 24);
    EXPECT_NEAR(r.moduloyc.wmeno, 6 * 16 / 6.0, 1e-6 * 16);
    const double rombo[4][2] = {{5, 5 + 1}, {5 - 4 / 6.0, 5}, {5, 5 - 1}, {5 + 4 / 6.0, 5}};  // opposite each side
    ASSERT_EQ(r.nocciolo.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(std::hypot(r.nocciolo[i].x - rombo[i][0], r.nocciolo[i].y - rombo[i][1]) < 1e-6) << i;
    EXPECT_TRUE(r.nocciolo[0].xiinfinito && !r.nocciolo[0].etainfinito && r.nocciolo[0].eta0 == -3);
    // Turned on its side Xc is vertical: the bottom side is parallel to Yc, exactly.
    const PassoNocciolo k = relazione(prova::componi("R 3 2 9 6 1"), {3, 2, 9, 2}).nocciolo.at(0);
    EXPECT_TRUE(k.etainfinito && !k.xiinfinito && k.xi0 == -2 && k.v == 0) << k.xi0 << " " << k.v;

    // A weightless triangle is no material. Near the origin the printed numbers
    // subtract exactly: no transport table; far out they do not.
    EXPECT_EQ(relazione(prova::componi("R 3 2 7 8 1 T 30 30 31 30 30 31 0")).moduloxc.dpiu, r.moduloxc.dpiu);
    const auto testo = [](const char* s) { return relazionetesto(blocchirelazione(relazione(prova::componi(s)), false)); };
    EXPECT_EQ(testo("R 3 2 7 8 1").find("Trasporto al baricentro"), std::string::npos);
    EXPECT_NE(testo("R 2503 3502 2507 3508 1 T 2500 3500 2510 3501 2502 3509 1").find("Trasporto al baricentro"), std::string::npos);

    const Relazione c = relazione(prova::componi("C 10 10 3 1"));
    EXPECT_NEAR(c.moduloxc.wpiu, prova::pigreco * 27 / 4, 1e-4);
    EXPECT_NEAR(c.moduloyc.wmeno, prova::pigreco * 27 / 4, 1e-4);

    const Relazione t = relazione(prova::componi("R 0.5 10 12.5 12 1 R 6 0 7 10 1"));
    const double yg = (24 * 11 + 10 * 5) / 34.0;
    const double ixg = 12 * 8 / 12.0 + 24 * (11 - yg) * (11 - yg) + 1000 / 12.0 + 10 * (5 - yg) * (5 - yg);
    const double iyg = 2 * 1728 / 12.0 + 10 / 12.0;
    EXPECT_NEAR(t.moduloxc.dpiu, 12 - yg, 1e-9);
    EXPECT_NEAR(t.moduloxc.wmeno, ixg / yg, 1e-6 * ixg);
    EXPECT_NEAR(t.moduloyc.wpiu, iyg / 6, 1e-6 * iyg);

    for (const char* sezione : {"R 0 0 4 2 1 T 4 0 8 0 4 5 1", "T 1 1 9 2 3 7 1 C 5 4 1 -1", "R 2 2 6 4 1"}) {
        const Mohr m = relazione(prova::componi(sezione)).mohr;
        EXPECT_NEAR(m.imax + m.imin, m.ixg + m.iyg, 1e-9 * m.imax) << sezione;
        EXPECT_NEAR(m.imax * m.imin, m.ixg * m.iyg - m.ixgyg * m.ixgyg, 1e-9 * m.imax * m.imax) << sezione;
        EXPECT_NEAR(m.raggio, std::hypot((m.ixg - m.iyg) / 2, m.ixgyg), 1e-9 * m.imax) << sezione;
        // From CX, turning by 2 alfa (anticlockwise when positive) reaches Ixc on the axis.
        EXPECT_NEAR(std::remainder(std::atan2(m.ixgyg, m.ixg - m.centro) + m.dueangolo, 2 * prova::PI), 0, 1e-6) << sezione;
    }
}
