#include "analysis/inerzia.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "model/sezione.h"
#include "sezioni.h"

using namespace vask;
using prova::pigreco;

TEST(Inerzia, rettangolo_pieno_e_foro_danno_i_valori_del_manuale) {
    Sezione s;
    prova::rettangolo(s, 0, 0, 2, 6, 1);
    prova::rettangolo(s, 0, 0, 2, 6, -1);
    prova::rettangolo(s, 2, 6, 0, 0, 1);  // corners clicked the other way round
    const Inerzia pieno = inerziarettangolo(s.rettangoli[1]);
    EXPECT_FLOAT_EQ(pieno.ix, 144);
    EXPECT_FLOAT_EQ(pieno.iy, 16);
    EXPECT_FLOAT_EQ(pieno.ixy, 36);
    const Inerzia foro = inerziarettangolo(s.rettangoli[2]);
    EXPECT_FLOAT_EQ(foro.ix, -144);
    EXPECT_FLOAT_EQ(foro.iy, -16);
    EXPECT_FLOAT_EQ(foro.ixy, -36);
    const Inerzia rovescio = inerziarettangolo(s.rettangoli[3]);
    EXPECT_FLOAT_EQ(rovescio.ix, 144);
    EXPECT_FLOAT_EQ(rovescio.iy, 16);
    EXPECT_FLOAT_EQ(rovescio.ixy, 36);
}

TEST(Inerzia, cerchio_somma_momento_proprio_e_trasporto) {
    Sezione s;
    prova::cerchio(s, 3, 4, 1, 1);
    prova::cerchio(s, 3, 4, 2, -0.5f);
    const Inerzia in = inerziacerchio(s.cerchi[1], pigreco);
    EXPECT_FLOAT_EQ(in.ix, pigreco / 4 + pigreco * 16);
    EXPECT_FLOAT_EQ(in.iy, pigreco / 4 + pigreco * 9);
    EXPECT_FLOAT_EQ(in.ixy, 12 * pigreco);
    // A hole of radius 2 and density -0.5: own moment -0.5 * 16/4 * pi, mass -2 pi.
    const Inerzia foro = inerziacerchio(s.cerchi[2], pigreco);
    EXPECT_FLOAT_EQ(foro.ix, -2 * pigreco - 2 * pigreco * 16);
    EXPECT_FLOAT_EQ(foro.iy, -2 * pigreco - 2 * pigreco * 9);
    EXPECT_FLOAT_EQ(foro.ixy, -2 * pigreco * 12);
}

TEST(Inerzia, triangolo_in_ogni_ordine_di_clic_da_gli_stessi_momenti) {
    const float vx[3] = {0, 3, 0}, vy[3] = {0, 0, 3};
    int ordini[3] = {0, 1, 2};
    int provati = 0;
    do {
        Sezione s;
        const int a = ordini[0], b = ordini[1], c = ordini[2];
        prova::triangolo(s, vx[a], vy[a], vx[b], vy[b], vx[c], vy[c], 1);
        const float* t = s.triangoli[1];
        EXPECT_FLOAT_EQ(momentoxtriangolo(t), 6.75f) << a << b << c;
        EXPECT_FLOAT_EQ(momentoytriangolo(t), 6.75f) << a << b << c;
        EXPECT_FLOAT_EQ(prodottoxytriangolo(t), 3.375f) << a << b << c;
        ++provati;
    } while (std::next_permutation(ordini, ordini + 3));
    EXPECT_EQ(provati, 6);
}

TEST(Inerzia, triangolo_degenere_non_ha_inerzia) {
    Sezione s;
    prova::triangolo(s, 1, 2, 5, 2, 3, 2, 1);  // three equal y
    prova::triangolo(s, 4, 1, 4, 7, 4, 3, 1);  // three equal x
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(momentoxtriangolo(s.triangoli[i]), 0);
        EXPECT_EQ(momentoytriangolo(s.triangoli[i]), 0);
        EXPECT_EQ(prodottoxytriangolo(s.triangoli[i]), 0);
    }
}

// Every element against Green's theorem in double: the cut of the triangle at
// its middle vertex, the two pieces and their absolute values must add up to
// the integrals over the whole triangle, whatever its shape and click order.
TEST(Inerzia, elementi_a_caso_concordano_con_gli_integrali_di_contorno) {
    std::mt19937 gen(20240611);
    std::uniform_int_distribution<int> griglia(0, 80);  // steps of 0.25 up to 20
    std::uniform_int_distribution<int> scelta(0, 3);
    const float densita[4] = {1, 2.5f, -1, -0.75f};
    const auto coord = [&] { return griglia(gen) * 0.25f; };
    int triangoli = 0, conlatoorizzontale = 0;
    while (triangoli < 400) {
        Sezione s;
        const float x1 = coord(), y1 = coord(), x2 = coord(), y2 = coord(), x3 = coord(),
                    y3 = coord();
        const float rho = densita[scelta(gen)];
        prova::triangolo(s, x1, y1, x2, y2, x3, y3, rho);
        if (std::fabs(s.triangoli[1][T::area]) < 0.5f) continue;
        ++triangoli;
        if (y1 == y2 || y2 == y3 || y1 == y3) ++conlatoorizzontale;
        const prova::Integrali g = prova::poligono({x1, x2, x3}, {y1, y2, y3});
        // Scale of the integrands: the largest value the moments could reach.
        const double scala = std::fabs(rho) * g.area * 400;
        const float* t = s.triangoli[1];
        EXPECT_NEAR(momentoxtriangolo(t), rho * g.ixx, 1e-5 * scala);
        EXPECT_NEAR(momentoytriangolo(t), rho * g.iyy, 1e-5 * scala);
        EXPECT_NEAR(prodottoxytriangolo(t), rho * g.ixy, 1e-5 * scala);
    }
    EXPECT_GT(conlatoorizzontale, 3);  // the one-piece case was exercised

    for (int i = 0; i < 100; ++i) {
        Sezione s;
        const float x1 = coord(), y1 = coord(), x2 = coord(), y2 = coord();
        const float rho = densita[scelta(gen)];
        prova::rettangolo(s, x1, y1, x2, y2, rho);
        const double X1 = x1, Y1 = y1, X2 = x2, Y2 = y2;
        const prova::Integrali g = prova::poligono({X1, X2, X2, X1}, {Y1, Y1, Y2, Y2});
        const double scala = std::fabs(rho) * std::max(g.area, 1.0) * 400;
        const Inerzia in = inerziarettangolo(s.rettangoli[1]);
        EXPECT_NEAR(in.ix, rho * g.ixx, 1e-6 * scala);
        EXPECT_NEAR(in.iy, rho * g.iyy, 1e-6 * scala);
        EXPECT_NEAR(in.ixy, rho * g.ixy, 1e-6 * scala);
    }
}

// Two vertices at the same height up to rounding: a piece a float step thick,
// whose slopes are near 1e7. Green's theorem on the stored floats is the judge.
TEST(Inerzia, triangoli_quasi_piatti_da_un_lato_concordano_con_gli_integrali_di_contorno) {
    Sezione esempio;
    prova::triangolo(esempio, 2, 9.72f, 12, 9.720001f, 5, 3, 1);
    EXPECT_NEAR(prodottoxytriangolo(esempio.triangoli[1]), 1616.832, 0.01);

    std::mt19937 gen(99);
    std::uniform_real_distribution<float> pos(0.5f, 19.5f);
    std::uniform_int_distribution<int> passi(1, 3);
    for (int i = 0; i < 400; ++i) {
        float v[6];
        for (float& c : v) c = pos(gen);
        // Vertex 2 shares vertex 1's y (or x) but for a few float steps.
        const int k = i % 2 == 0 ? 1 : 0;
        v[2 + k] = v[k];
        for (int p = passi(gen); p > 0; --p) v[2 + k] = std::nextafter(v[2 + k], 100.0f);
        Sezione s;
        prova::triangolo(s, v[0], v[1], v[2], v[3], v[4], v[5], 1);
        const prova::Integrali g = prova::poligono({v[0], v[2], v[4]}, {v[1], v[3], v[5]});
        const float* t = s.triangoli[1];
        const double scala = g.area * 400 + 1;
        SCOPED_TRACE(i);
        EXPECT_NEAR(momentoxtriangolo(t), g.ixx, 2e-6 * scala);
        EXPECT_NEAR(momentoytriangolo(t), g.iyy, 2e-6 * scala);
        EXPECT_NEAR(prodottoxytriangolo(t), g.ixy, 2e-6 * scala);
    }
}
