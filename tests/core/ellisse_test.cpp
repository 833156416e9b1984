#include "analysis/ellisse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analysis/proprieta.h"
#include "sezioni.h"

using namespace vask;

namespace {

struct Estremi {
    float xmin = INFINITY, xmax = -INFINITY, ymin = INFINITY, ymax = -INFINITY;
};

Estremi estremi(const Ellisse& e) {
    Estremi r;
    for (size_t i = 0; i + 1 < e.punti.size(); i += 2) {
        r.xmin = std::min(r.xmin, e.punti[i]);
        r.xmax = std::max(r.xmax, e.punti[i]);
        r.ymin = std::min(r.ymin, e.punti[i + 1]);
        r.ymax = std::max(r.ymax, e.punti[i + 1]);
    }
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

TEST(Ellisse, rettangolo_da_fuochi_ed_estremi_del_manuale) {
    Sezione s;
    prova::rettangolo(s, 0, 0, 2, 6, 1);
    const Proprieta p = prova::calcola(s);
    Ellisse e;
    tracciaellisse(p.xg, p.yg, 0, p.raggiocentralexc, p.raggiocentraleyc, 0, 100, e);
    const double f = std::sqrt(8.0 / 3);
    EXPECT_NEAR(e.fuoco1x, 1, 1e-6);
    EXPECT_NEAR(e.fuoco1y, 3 + f, 1e-5);
    EXPECT_NEAR(e.fuoco2x, 1, 1e-6);
    EXPECT_NEAR(e.fuoco2y, 3 - f, 1e-5);
    ASSERT_FALSE(e.punti.empty());
    const Estremi r = estremi(e);
    EXPECT_NEAR(r.xmin, 1 - std::sqrt(1.0 / 3), 0.0011);
    EXPECT_NEAR(r.xmax, 1 + std::sqrt(1.0 / 3), 0.0011);
    EXPECT_NEAR(r.ymin, 3 - std::sqrt(3.0), 1e-4);
    EXPECT_NEAR(r.ymax, 3 + std::sqrt(3.0), 1e-4);
    EXPECT_LT(scarto(e, 1, 3, 0, std::sqrt(3.0), std::sqrt(1.0 / 3)), 1e-4);
    // Two points per abscissa, one every 0.001 across the width 2 ry.
    EXPECT_NEAR(e.punti.size() / 4.0, 2 * std::sqrt(1.0 / 3) / 0.001, 2);
    // The sweep runs on to xg + rx.
    EXPECT_NEAR(e.iii, 1 + std::sqrt(3.0), 0.0011);
    EXPECT_FLOAT_EQ(e.ellisseparte1y + e.ellisseparte2y, 6);
}

TEST(Ellisse, ellisse_inclinata_soddisfa_l_equazione_centrale) {
    const float angoli[] = {0.3f, -1.1f, 3.1415927f / 4, 1.5707964f};
    for (float alfa : angoli) {
        Ellisse e;
        tracciaellisse(7, 5, alfa, 2.5f, 1.2f, 0, 100, e);
        ASSERT_FALSE(e.punti.empty()) << alfa;
        EXPECT_LT(scarto(e, 7, 5, alfa, 2.5, 1.2), 1e-4) << alfa;
        // Foci on Yc, symmetric about G, at sqrt(rx^2 - ry^2).
        const double f = std::sqrt(2.5 * 2.5 - 1.2 * 1.2);
        EXPECT_NEAR(e.fuoco1x, 7 - f * std::sin(alfa), 1e-5);
        EXPECT_NEAR(e.fuoco1y, 5 + f * std::cos(alfa), 1e-5);
        EXPECT_NEAR(e.fuoco2x, 7 + f * std::sin(alfa), 1e-5);
        EXPECT_NEAR(e.fuoco2y, 5 - f * std::cos(alfa), 1e-5);
        // The trace is as wide as the ellipse's horizontal extent.
        const double semilarghezza =
            std::sqrt(std::pow(1.2 * std::cos(alfa), 2) + std::pow(2.5 * std::sin(alfa), 2));
        const Estremi r = estremi(e);
        EXPECT_NEAR(r.xmin, 7 - semilarghezza, 0.0011) << alfa;
        EXPECT_NEAR(r.xmax, 7 + semilarghezza, 0.0011) << alfa;
    }
}

TEST(Ellisse, cerchio_ha_i_fuochi_nel_baricentro) {
    Ellisse e;
    tracciaellisse(4, 6, 0, 1.5f, 1.5f, 0, 100, e);
    EXPECT_EQ(e.fuoco1x, 4);
    EXPECT_EQ(e.fuoco1y, 6);
    EXPECT_EQ(e.fuoco2x, 4);
    EXPECT_EQ(e.fuoco2y, 6);
    ASSERT_FALSE(e.punti.empty());
    for (size_t i = 0; i + 1 < e.punti.size(); i += 2)
        EXPECT_NEAR(std::hypot(e.punti[i] - 4.0, e.punti[i + 1] - 6.0), 1.5, 1e-4);
}

TEST(Ellisse, lontano_dall_origine_la_scansione_finisce_e_traccia) {
    Ellisse e;
    tracciaellisse(40000, 300, 0.2f, 2, 1, 39990, 40010, e);
    ASSERT_FALSE(e.punti.empty());
    // Float abscissas near 40000 are 0.004 apart: judge the points at that scale.
    EXPECT_LT(scarto(e, 40000, 300, 0.2, 2, 1), 0.02);
    const Estremi r = estremi(e);
    EXPECT_GT(r.xmin, 39998);
    EXPECT_LT(r.xmax, 40002);
    EXPECT_NEAR(r.ymax - r.ymin,
                2 * std::sqrt(std::pow(1 * std::sin(0.2), 2) + std::pow(2 * std::cos(0.2), 2)),
                1e-3);
}

TEST(Ellisse, solo_le_ascisse_della_finestra_sono_calcolate) {
    Ellisse tutta, meta, fuori;
    tracciaellisse(5, 5, 0.4f, 3, 2, 0, 100, tutta);
    tracciaellisse(5, 5, 0.4f, 3, 2, 5, 100, meta);
    tracciaellisse(5, 5, 0.4f, 3, 2, 20, 30, fuori);
    ASSERT_FALSE(meta.punti.empty());
    for (size_t i = 0; i < meta.punti.size(); i += 2) EXPECT_GE(meta.punti[i], 5);
    // The right half of the full trace, point for point.
    std::vector<float> destra;
    for (size_t i = 0; i < tutta.punti.size(); i += 2)
        if (tutta.punti[i] >= 5) destra.insert(destra.end(), {tutta.punti[i], tutta.punti[i + 1]});
    ASSERT_EQ(meta.punti.size(), destra.size());
    for (size_t i = 0; i < destra.size(); ++i) EXPECT_NEAR(meta.punti[i], destra[i], 1e-5);
    EXPECT_TRUE(fuori.punti.empty());

    // A huge ellipse seen through a small window: bounded work, finite points.
    Ellisse grande;
    tracciaellisse(50, 50, 0.3f, 1e7f, 1e6f, 40, 60, grande);
    EXPECT_FALSE(grande.punti.empty());
    EXPECT_LE(grande.punti.size(), 4u * 20001u);
    for (float v : grande.punti) EXPECT_TRUE(std::isfinite(v));
}

TEST(Ellisse, giratore_minimo_nullo_con_xc_orizzontale_non_traccia_punti) {
    Ellisse e;
    tracciaellisse(3, 4, 0, 2, 0, 0, 100, e);
    EXPECT_TRUE(e.punti.empty());
    EXPECT_FLOAT_EQ(e.fuoco1y, 6);
    EXPECT_FLOAT_EQ(e.fuoco2y, 2);
    // With Xc vertical the degenerate ellipse is a horizontal segment.
    Ellisse v;
    tracciaellisse(3, 4, 1.5707964f, 2, 0, 0, 100, v);
    for (float c : v.punti) EXPECT_TRUE(std::isfinite(c));
    for (size_t i = 0; i + 1 < v.punti.size(); i += 2) {
        EXPECT_NEAR(v.punti[i + 1], 4, 1e-3);
        EXPECT_LE(std::fabs(v.punti[i] - 3), 2.001);
    }
}
