// The view's arithmetic: captions, grid nodes, snapping, the pan's rounding.
#include "view/vista.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/numeri.h"

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
