#include "analysis/nocciolo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "analysis/proprieta.h"
#include "model/sezione.h"
#include "sezioni.h"

using namespace vask;

namespace {

using Linee = float[MAXLINEE + 1][L::CAMPI + 1];

void linea(Linee& linee, int i, float x1, float y1, float x2, float y2) {
    linee[i][L::x1] = x1;
    linee[i][L::y1] = y1;
    linee[i][L::x2] = x2;
    linee[i][L::y2] = y2;
}

// The rectangle (0, 0)-(6, 12): G = (3, 6), rho_x^2 = 12, rho_y^2 = 3, axes horizontal.
struct Rettangolo {
    float xg, yg, alfa, rx, ry;
    Rettangolo() {
        Sezione s;
        prova::rettangolo(s, 0, 0, 6, 12, 1);
        const Proprieta p = prova::calcola(s);
        EXPECT_EQ(casoassi(p.angologradi, p.ixg, p.iyg), Assi::Orizzontale);
        xg = p.xg, yg = p.yg, alfa = 0, rx = p.raggiocentralexc, ry = p.raggiocentraleyc;
    }
};

void vertice(const Nocciolo& n, int i, double x, double y, double tol = 1e-5) {
    EXPECT_TRUE(n.valido[i]) << "line " << i;
    EXPECT_NEAR(n.verticinocciolo[i][1], x, tol) << "line " << i;
    EXPECT_NEAR(n.verticinocciolo[i][2], y, tol) << "line " << i;
}

// Every stored number of the construction.
std::vector<float> tutti(const Nocciolo& n) {
    std::vector<float> v = {n.alfa, n.beta, n.a, n.b, n.c, n.P, n.Q, n.D,
                            n.k,    n.d1,   n.d2, n.theta, n.u, n.v};
    for (int i = 0; i <= MAXLINEE; ++i) {
        v.insert(v.end(), n.lineecentrali[i], n.lineecentrali[i] + 5);
        v.insert(v.end(), n.puntitangenza[i], n.puntitangenza[i] + 5);
        v.insert(v.end(), n.tangentescelta[i], n.tangentescelta[i] + 3);
        v.insert(v.end(), n.puntiintersezione[i], n.puntiintersezione[i] + 3);
        v.insert(v.end(), n.distanzenocciolo[i], n.distanzenocciolo[i] + 4);
        v.insert(v.end(), n.verticinocciolo[i], n.verticinocciolo[i] + 3);
    }
    return v;
}

void tuttifiniti(const Nocciolo& n) {
    for (float v : tutti(n)) ASSERT_TRUE(std::isfinite(v));
}

}  // namespace

TEST(Nocciolo, rettangolo_da_il_rombo_del_terzo_medio) {
    const Rettangolo r;
    EXPECT_FLOAT_EQ(r.rx * r.rx, 12);
    EXPECT_FLOAT_EQ(r.ry * r.ry, 3);
    Linee linee = {};
    linea(linee, 1, 0, 0, 6, 0);     // bottom
    linea(linee, 2, 6, 0, 6, 12);    // right
    linea(linee, 3, 6, 12, 0, 12);   // top
    linea(linee, 4, 0, 12, 0, 0);    // left
    linea(linee, 5, 6, 9, 3, 12);    // cuts the top right corner
    linea(linee, 6, 4, 9, 4, 9);     // both ends at one point: parallel to Xc stands
    Nocciolo n;
    calcolanocciolo(n, linee, 6, r.xg, r.yg, r.alfa, r.rx, r.ry);
    vertice(n, 1, 3, 8);
    vertice(n, 2, 2, 6);
    vertice(n, 3, 3, 4);
    vertice(n, 4, 4, 6);
    vertice(n, 5, 2.5, 4);
    vertice(n, 6, 3, 2);  // antipole of y' = 3 is y' = -12 / 3
    EXPECT_EQ(n.alfa, 0);
    EXPECT_EQ(n.beta, 0);
}

TEST(Nocciolo, verso_e_ordine_delle_linee_non_cambiano_i_vertici) {
    const Rettangolo r;
    Linee rovesce = {};
    linea(rovesce, 1, 6, 0, 0, 0);
    linea(rovesce, 2, 6, 12, 6, 0);
    linea(rovesce, 3, 0, 12, 6, 12);
    linea(rovesce, 4, 0, 0, 0, 12);
    linea(rovesce, 5, 3, 12, 6, 9);
    Nocciolo n;
    calcolanocciolo(n, rovesce, 5, r.xg, r.yg, r.alfa, r.rx, r.ry);
    vertice(n, 1, 3, 8);
    vertice(n, 2, 2, 6);
    vertice(n, 3, 3, 4);
    vertice(n, 4, 4, 6);
    vertice(n, 5, 2.5, 4);

    Linee mescolate = {};
    linea(mescolate, 1, 0, 0, 6, 0);    // bottom
    linea(mescolate, 2, 6, 12, 0, 12);  // top
    linea(mescolate, 3, 6, 0, 6, 12);   // right
    linea(mescolate, 4, 0, 12, 0, 0);   // left
    Nocciolo m;
    calcolanocciolo(m, mescolate, 4, r.xg, r.yg, r.alfa, r.rx, r.ry);
    vertice(m, 1, 3, 8);
    vertice(m, 2, 3, 4);
    vertice(m, 3, 2, 6);
    vertice(m, 4, 4, 6);
}

TEST(Nocciolo, linea_quasi_parallela_a_un_asse_centrale_viene_raddrizzata) {
    const Rettangolo r;
    Linee linee = {};
    linea(linee, 1, 0, 0, 6, 0.0000005f);
    linea(linee, 2, 6, 0, 6.0000005f, 12);
    Nocciolo n;
    calcolanocciolo(n, linee, 2, r.xg, r.yg, r.alfa, r.rx, r.ry);
    EXPECT_EQ(n.lineecentrali[1][2], n.lineecentrali[1][4]);
    EXPECT_EQ(n.lineecentrali[2][1], n.lineecentrali[2][3]);
    // Treated as parallel: tangent point on the axis itself.
    EXPECT_EQ(n.tangentescelta[1][1], 0);
    EXPECT_FLOAT_EQ(n.tangentescelta[1][2], -r.rx);
    EXPECT_FLOAT_EQ(n.tangentescelta[2][1], r.ry);
    EXPECT_EQ(n.tangentescelta[2][2], 0);
    vertice(n, 1, 3, 8);
    vertice(n, 2, 2, 6);
}

// Any line against the pole-polar relation, in double: for the ellipse
// x'^2/ry^2 + y'^2/rx^2 = 1 the polar of (u, v) is u x'/ry^2 + v y'/rx^2 = 1,
// so the line a x' + b y' + c = 0 is the polar of -(ry^2 a, rx^2 b) / c and
// its antipole is (ry^2 a / c, rx^2 b / c).
TEST(Nocciolo, linee_qualsiasi_danno_l_antipolo_rispetto_all_ellisse) {
    std::mt19937 gen(4242);
    std::uniform_real_distribution<float> pos(0, 30), ang(-1.5f, 1.5f), raggio(0.3f, 4);
    int provate = 0;
    while (provate < 300) {
        const float xg = 10 + pos(gen) / 3, yg = 10 + pos(gen) / 3;
        const float alfa = provate < 20 ? 0.0f : ang(gen);
        float rx = raggio(gen), ry = raggio(gen);
        if (rx < ry) std::swap(rx, ry);
        Linee linee = {};
        const int quante = 1 + provate % MAXLINEE;
        std::vector<std::pair<double, double>> attesi(quante + 1);
        const double ca = std::cos(double(alfa)), sa = std::sin(double(alfa));
        bool buone = true;
        for (int i = 1; i <= quante; ++i) {
            const float x1 = pos(gen), y1 = pos(gen), x2 = pos(gen), y2 = pos(gen);
            linea(linee, i, x1, y1, x2, y2);
            // Central coordinates of the ends and the line through them.
            const auto centrale = [&](double x, double y) {
                return std::make_pair((x - xg) * ca + (y - yg) * sa, (y - yg) * ca - (x - xg) * sa);
            };
            const auto [p1, q1] = centrale(x1, y1);
            const auto [p2, q2] = centrale(x2, y2);
            const double a = q2 - q1, b = p1 - p2, c = p2 * q1 - p1 * q2;
            const double distanza = std::fabs(c) / std::hypot(a, b);
            // Keep clear of G (no vertex) and of the small shift of the angle
            // used near a tangent point on the central y axis.
            const double tx = double(ry) * ry * a, ty = double(rx) * rx * b;
            if (distanza < 0.5 || std::fabs(tx) < 1e-3 * std::hypot(tx, ty)) buone = false;
            const double u = double(ry) * ry * a / c, v = double(rx) * rx * b / c;
            attesi[i] = {xg + u * ca - v * sa, yg + u * sa + v * ca};
        }
        if (!buone) continue;
        ++provate;
        Nocciolo n;
        calcolanocciolo(n, linee, quante, xg, yg, alfa, rx, ry);
        for (int i = 1; i <= quante; ++i) {
            const double ux = attesi[i].first - xg, uy = attesi[i].second - yg;
            const double tol = 1e-4 * (1 + std::hypot(ux, uy));
            vertice(n, i, attesi[i].first, attesi[i].second, tol);
        }
        tuttifiniti(n);
    }
}

TEST(Nocciolo, linea_per_il_baricentro_non_da_vertice_e_un_giratore_nullo_da_un_segmento) {
    const Rettangolo r;
    Linee linee = {};
    linea(linee, 1, 0, 0, 6, 0);    // bottom, fine
    linea(linee, 2, 0, 0, 6, 12);   // the diagonal through G
    linea(linee, 3, 3, 0, 3, 12);   // the vertical through G
    linea(linee, 4, 0, 6, 6, 6);    // the horizontal through G
    linea(linee, 5, 6, 0, 6, 12);   // right, fine
    Nocciolo n;
    calcolanocciolo(n, linee, 5, r.xg, r.yg, r.alfa, r.rx, r.ry);
    vertice(n, 1, 3, 8);
    EXPECT_FALSE(n.valido[2]);
    EXPECT_FALSE(n.valido[3]);
    EXPECT_FALSE(n.valido[4]);
    vertice(n, 5, 2, 6);
    tuttifiniti(n);

    // A section with no width along Xc (rho_y = 0): the ellipse is a segment on
    // Yc and every antipole lies on Yc, from the closed form where the tangents
    // cannot be built: -rho_x^2 over where the line meets Yc.
    Linee altre = {};
    linea(altre, 1, 0, 0, 6, 0.5f);  // general, meets Yc at y' = -5.75
    linea(altre, 2, 6, 0, 6, 12);    // parallel to Yc: its antipole is G
    linea(altre, 3, 0, 0, 6, 0);     // parallel to Xc
    linea(altre, 4, 0, 0, 6, 12);    // through G: none
    calcolanocciolo(n, altre, 4, r.xg, r.yg, r.alfa, r.rx, 0);
    vertice(n, 1, 3, 6 + 12 / 5.75, 1e-4);
    vertice(n, 2, 3, 6);
    vertice(n, 3, 3, 8);
    EXPECT_FALSE(n.valido[4]);
    tuttifiniti(n);

    // Both radii zero, oblique axes: the kern shrinks to G, nothing infinite.
    Linee oblique = {};
    linea(oblique, 1, 1, 2, 9, 4);
    linea(oblique, 2, 3, 3, 3, 3);
    calcolanocciolo(n, oblique, 2, 5, 5, 0.7f, 0, 0);
    vertice(n, 1, 5, 5);
    tuttifiniti(n);
}

TEST(Nocciolo, sezione_con_fori_e_giratore_azzerato_resta_finita) {
    Sezione s;
    prova::rettangolo(s, 10, 10, 12, 12, 1);
    prova::rettangolo(s, 0, 0, 1, 1, -1);
    prova::rettangolo(s, 21, 21, 22, 22, -1);
    const Proprieta p = prova::calcola(s);
    ASSERT_TRUE(p.immaginarioxc);
    Linee linee = {};
    linea(linee, 1, 0, 0, 22, 0);
    linea(linee, 2, 22, 0, 22, 22);
    linea(linee, 3, 22, 22, 0, 22);
    linea(linee, 4, 0, 22, 0, 0);
    Nocciolo n;
    calcolanocciolo(n, linee, 4, p.xg, p.yg, p.alfa, p.raggiocentralexc, p.raggiocentraleyc);
    tuttifiniti(n);
}

TEST(Nocciolo, il_vertice_resta_opposto_alla_tangente_anche_quando_tx_e_quasi_zero) {
    // Xc vertical (alfa a float step above pi/2): long world-vertical lines are
    // almost, but not within 0.000001, parallel to the central x axis, and their
    // tangent point has |Tx| far below 0.000001, of either sign.
    const float alfa = 3.1415927f / 2, rx = std::sqrt(12.0f), ry = std::sqrt(3.0f);
    Linee linee = {};
    linea(linee, 1, 0, 0, 0, 40);
    linea(linee, 2, 0, 40, 0, 0);
    linea(linee, 3, 6, 0, 6, 40);
    linea(linee, 4, 6, 40, 6, 0);
    Nocciolo n;
    calcolanocciolo(n, linee, 4, 3, 6, alfa, rx, ry);
    bool negativo = false, positivo = false;
    for (int i = 1; i <= 4; ++i) {
        const float tx = n.tangentescelta[i][1];
        negativo |= tx < 0 && tx > -0.000001f;
        positivo |= tx > 0 && tx < 0.000001f;
    }
    EXPECT_TRUE(negativo && positivo);  // both signs of the narrow band are exercised
    // The antipole of x = 0 about G = (3, 6) with rho^2 = 12 along world x is 4 to the right.
    vertice(n, 1, 7, 6, 1e-4);
    vertice(n, 2, 7, 6, 1e-4);
    vertice(n, 3, -1, 6, 1e-4);
    vertice(n, 4, -1, 6, 1e-4);
}
