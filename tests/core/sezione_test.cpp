#include <gtest/gtest.h>

#include "model/sezione.h"

using namespace vask;

namespace {

void rettangolo(Sezione& s, float x1, float y1, float x2, float y2, float d) {
    const int n = s.prossimorettangolo++;
    float* r = s.rettangoli[n];
    r[R::x1] = x1, r[R::y1] = y1, r[R::x2] = x2, r[R::y2] = y2, r[R::densita] = d;
    r[R::area] = arearettangolo(x1, y1, x2, y2, d);
    s.puntidirettangolo(n);
}

}  // namespace

TEST(Sezione, i_punti_di_snap_seguono_l_ordine_dei_campi) {
    Sezione s;
    rettangolo(s, 4, 6, 1, 2, 2);
    const float attesi[] = {0, 4, 6, 1, 2, 4, 2, 1, 6, 2.5f, 4, 4, 4, 2.5f, 6, 1, 4, 2.5f, 2};
    for (int k = 1; k <= 18; ++k) EXPECT_EQ(s.puntirettangoli[1][k], attesi[k]) << k;

    s.triangoli[1][T::x1] = 0, s.triangoli[1][T::y1] = 0;
    s.triangoli[1][T::x2] = 6, s.triangoli[1][T::y2] = 0;
    s.triangoli[1][T::x3] = 0, s.triangoli[1][T::y3] = 3;
    s.puntiditriangolo(1);
    const float t[] = {0, 0, 0, 6, 0, 0, 3, 2, 1, 3, 0, 0, 1.5f, 3, 1.5f};
    for (int k = 1; k <= 14; ++k) EXPECT_EQ(s.puntitriangoli[1][k], t[k]) << k;

    s.cerchi[2][C::xc] = 5, s.cerchi[2][C::yc] = 4, s.cerchi[2][C::raggio] = 1.5f;
    s.puntidicerchio(2);
    const float c[] = {0, 5, 4, 6.5f, 4, 5, 5.5f, 3.5f, 4, 5, 2.5f};
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(s.punticerchi[2][k], c[k]) << k;
}

TEST(Sezione, l_area_porta_il_segno_della_densita) {
    EXPECT_EQ(arearettangolo(4, 6, 1, 2, 2), 12);
    EXPECT_EQ(arearettangolo(4, 6, 1, 2, -2), -12);
    EXPECT_EQ(arearettangolo(4, 6, 1, 2, 0), 0);
    EXPECT_EQ(areatriangolo(0, 0, 3, 0, 0, 3, 1), 4.5f);
    EXPECT_EQ(areatriangolo(0, 0, 0, 3, 3, 0, -5), -4.5f);
    EXPECT_FLOAT_EQ(areacerchio(2, -1, 3.1415927f), -4 * 3.1415927f);
}

TEST(Sezione, cancellare_compatta_la_tabella_e_i_suoi_punti) {
    Sezione s;
    for (int i = 1; i <= 4; ++i) rettangolo(s, i, i, i + 1, i + 2, i);
    s.cancellarettangolo(2);
    EXPECT_EQ(s.prossimorettangolo, 4);
    EXPECT_EQ(s.rettangoli[2][R::x1], 3);  // former element 3
    EXPECT_EQ(s.rettangoli[3][R::densita], 4);
    EXPECT_EQ(s.puntirettangoli[2][1], 3);
    EXPECT_EQ(s.puntirettangoli[3][9], 4.5f);
    for (int n : {4, 5}) {
        for (int c = 1; c <= R::CAMPI; ++c) EXPECT_EQ(s.rettangoli[n][c], 0) << n << ' ' << c;
        for (int c = 1; c <= 18; ++c) EXPECT_EQ(s.puntirettangoli[n][c], 0) << n << ' ' << c;
    }

    // The last of ten lines: nothing moves, row 10 is cleared.
    for (int i = 1; i <= 10; ++i) {
        s.linee[i][L::x1] = i;
        s.linee[i][L::x2] = i + 1;
        s.puntidilinea(i);
    }
    s.l = 11;
    s.cancellalinea(10);
    EXPECT_EQ(s.l, 10);
    EXPECT_EQ(s.linee[9][L::x1], 9);
    EXPECT_EQ(s.linee[10][L::x1], 0);
    EXPECT_EQ(s.puntilinee[10][3], 0);

    s.cerchi[1][C::raggio] = 1;
    s.prossimocerchio = 2;
    s.cancellacerchio(1);
    EXPECT_EQ(s.prossimocerchio, 1);
    EXPECT_EQ(s.cerchi[1][C::raggio], 0);
}
