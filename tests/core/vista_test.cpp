// The view's arithmetic: captions, grid nodes, snapping, the pan's rounding;
// the drawing as SVG text.
#include "view/vista.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <locale>

#include "model/numeri.h"
#include "view/svg.h"

using namespace vask;

TEST(Vista, le_didascalie_si_costruiscono_ciascuna_dal_testo_della_precedente) {
    std::string x[10];
    didascaliesuccessive("3", 1, 10, x);
    EXPECT_EQ(x[0], "4");
    EXPECT_EQ(x[9], "13");
    // A tenth of 1.25: each caption exact to the digit, no drift.
    didascaliesuccessive("0", 0.125, 10, x);
    EXPECT_EQ(x[0], "0.125");
    EXPECT_EQ(x[9], "1.25");
    impostaseparatore(',');
    didascaliesuccessive("2", 0.125, 10, x);
    EXPECT_EQ(x[3], "2,5");
    EXPECT_EQ(didascaliaspostata("2,5", -1), "1,5");
    impostaseparatore('.');
    // Each is read back from the text before it: the rounding of the text
    // accumulates.
    didascaliesuccessive("0", 1.0 / 3, 3, x);
    EXPECT_EQ(x[2], "0.999999999999999");
}

TEST(Vista, i_nodi_della_griglia_sono_solo_quelli_nella_finestra) {
    struct Caso {
        double da, a, passo;
        long long primo;
        int quanti;
    } casi[] = {
        {0, 20, 0.25, 0, 81},          // ratio 80: every line
        {3, 4.25, 0.5, 6, 3},          // 3, 3.5, 4
        {-5, 2, 1, 0, 3},              // never below the origin
        {4016, 4096, 0.25, 16064, 100},  // far out: bounded by the maximum
        {0, 20, 0, 0, 0},              // no step
        {0, 20, -1, 0, 0},             // a negative step draws nothing
        {0, 20, std::numeric_limits<double>::infinity(), 0, 0},
        {5.1, 5.9, 1, 0, 0},           // no node inside
    };
    for (const Caso& c : casi) {
        const Nodi n = nodigriglia(c.da, c.a, c.passo, 100);
        EXPECT_EQ(n.quanti, c.quanti) << c.da << " " << c.passo;
        if (c.quanti) {
            EXPECT_EQ(n.primo, c.primo) << c.da << " " << c.passo;
        }
    }
}

TEST(Vista, lo_snap_a_griglia_arrotonda_le_meta_al_pari_e_non_trabocca) {
    EXPECT_EQ(agriglia(2.5f, 1), 2);
    EXPECT_EQ(agriglia(3.5f, 1), 4);
    EXPECT_EQ(agriglia(-2.5f, 1), -2);
    EXPECT_EQ(agriglia(0.3f, 0.25f), 0.25f);
    EXPECT_EQ(agriglia(0.375f, 0.25f), 0.5f);  // 1.5 steps: to 2
    EXPECT_EQ(agriglia(2.6f, -1), 3);          // a negative step: multiples of its size
    // Beyond 32767 steps: a 16-bit rounding would overflow here.
    EXPECT_EQ(agriglia(40000.4f, 1), 40000);
    EXPECT_NEAR(agriglia(4000.37f, 0.001f), 4000.37f, 0.001f);
    EXPECT_EQ(agriglia(7.3f, 0), 7.3f);
    EXPECT_EQ(agriglia(3e38f, 1e-30f), 3e38f);  // quotient beyond a float: left raw
}

TEST(Vista, l_osnap_prende_il_primo_candidato_strettamente_entro_la_tolleranza) {
    const float xy[] = {10, 10, 5, 5, 5.2f, 5, 6, 5};
    EXPECT_EQ(primocatturato(xy, 4, 5.1f, 5, 0.5f), 1);  // first, not nearest
    EXPECT_EQ(primocatturato(xy, 4, 6.5f, 5, 0.5f), -1); // exactly at the tolerance
    EXPECT_EQ(primocatturato(xy, 4, 6.49f, 5, 0.5f), 3);
    EXPECT_EQ(primocatturato(xy, 0, 5, 5, 1), -1);
}

TEST(Vista, lo_spostamento_del_pan_arrotonda_al_pari) {
    EXPECT_EQ(passopan(0.4), 0);
    EXPECT_EQ(passopan(0.5), 0);
    EXPECT_EQ(passopan(1.5), 2);
    EXPECT_EQ(passopan(-2.5), -2);
    EXPECT_EQ(passopan(-5.4), -5);
    EXPECT_EQ(passopan(1e9), 32767);
    EXPECT_EQ(passopan(std::nan("")), 0);
}

namespace {
struct Virgola : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};
bool ha(const std::string& t, const char* pezzo) { return t.find(pezzo) != std::string::npos; }
}  // namespace

// A 20 x 12 scale on 201 x 121 pixels: ten pixels a unit.
TEST(Svg, mappa_colori_e_scala_come_il_pittore) {
    Superficie s;
    s.scala(0, 0, 20, 12);
    s.sfondo = 0x332211;
    s.riempimentopieno = true;
    s.coloreriempimento = 0xFFFFFF;
    s.rettangolo(5, 3, 10, 9, 0x00FF00);  // world y 3..9 is surface y 9..3
    s.linea(0.25f, 0, 20, 12, 0x0000FF);
    s.persistente = false;
    // The second point falls on the first one's pixels, the last outside.
    const float punti[10] = {1, 1, 1.02f, 1, 2, 2, 3.25f, 3, 30, 3};
    s.punti(punti, 5, 0xFF0000);

    const std::locale prima = std::locale::global(std::locale(std::locale::classic(), new Virgola));
    const std::string t = svg(s, 201, 121);
    std::locale::global(prima);
    EXPECT_TRUE(ha(t, "<rect width=\"201\" height=\"121\" fill=\"#112233\"/>")) << t;
    EXPECT_TRUE(ha(t, "<rect x=\"50.5\" y=\"30.5\" width=\"50\" height=\"60\" fill=\"#ffffff\" "
                      "stroke=\"#00ff00\" stroke-width=\"1\"")) << t;
    // From the bottom-left to the top-right pixel, pixel centres at +0.5.
    EXPECT_TRUE(ha(t, "<line x1=\"3\" y1=\"120.5\" x2=\"200.5\" y2=\"0.5\" stroke=\"#ff0000\"")) << t;
    // The overlay last, one square a pixel.
    EXPECT_TRUE(ha(t, "<g fill=\"#0000ff\" shape-rendering=\"crispEdges\">\n"
                      "<rect x=\"32\" y=\"90\" width=\"1\" height=\"1\"/>\n"
                      "<rect x=\"20\" y=\"100\" width=\"1\" height=\"1\"/>\n"
                      "<rect x=\"10\" y=\"110\" width=\"1\" height=\"1\"/>\n</g>\n</svg>\n")) << t;

    // Three times the pen: lines three pixels wide, points three pixels square.
    const std::string t3 = svg(s, 201, 121, 3);
    EXPECT_TRUE(ha(t3, "stroke=\"#ff0000\" stroke-width=\"3\"")) << t3;
    EXPECT_TRUE(ha(t3, "<rect x=\"9\" y=\"109\" width=\"3\" height=\"3\"/>")) << t3;
}
