// Numbers as text and text as numbers, the view's arithmetic, the drawing as
// SVG text: cases from tests/dati.
#include <cmath>
#include <cstdlib>
#include <locale>

#include "supporto.h"
#include "view/svg.h"
#include "view/vista.h"

using namespace vask;

TEST(Numeri, letture_scritture_e_aritmetica_della_vista_danno_i_valori_dei_dati) {
    const float candidati[] = {10, 10, 5, 5, 5.2f, 5, 6, 5};
    for (const prova::Riga& r : prova::dati("core_numeri.tsv")) {
        SCOPED_TRACE(r.dove);
        const auto n = [&r](size_t i) { return std::strtod(r[i].c_str(), nullptr); };
        const auto f = [&r](size_t i) { return std::strtof(r[i].c_str(), nullptr); };
        const std::string& k = r[0];
        if (k == "iniziale") {
            EXPECT_DOUBLE_EQ(valoreiniziale(r[1]), n(2));
            EXPECT_EQ(std::isinf(valoreiniziale(r[1])), std::isinf(n(2)));  // not merely the largest double
        } else if (k == "singolo") {
            float v = -1;
            EXPECT_EQ("AGP"[int(leggisingolo(r[1], v))], r[2][0]);
            EXPECT_EQ(std::make_pair(v, valoresingolo(r[1])), std::make_pair(f(3), f(3)));
            EXPECT_FALSE(v == 0 && (std::signbit(v) || std::signbit(valoresingolo(r[1]))));
        } else if (k == "forma") {
            EXPECT_EQ(testosingolo(f(1)), r[2]);
        } else if (k == "doppio") {
            EXPECT_EQ(testodoppio(n(1)), r[2]);
        } else if (k == "nodi") {
            const Nodi d = nodigriglia(n(1), n(2), n(3), 100);
            EXPECT_EQ(std::make_pair(d.quanti, d.quanti ? d.primo : 0), std::make_pair(int(n(5)), (long long)n(4)));
        } else if (k == "griglia") {
            EXPECT_EQ(agriglia(f(1), f(2)), f(3));
        } else if (k == "pan") {
            EXPECT_EQ(passopan(n(1)), int(n(2)));
        } else {
            EXPECT_EQ(primocatturato(candidati, 4, f(1), f(2), f(3)), int(n(4)));
        }
    }
    EXPECT_EQ(testointero(-10) + " " + std::to_string(primocatturato(candidati, 0, 5, 5, 1)), "-10 -1");
    EXPECT_NEAR(agriglia(4000.37f, 0.001f), 4000.37f, 0.001f);
}

namespace {
struct Virgola : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};
}  // namespace

// A 20 x 12 scale on 201 x 121 pixels, ten pixels a unit, under a locale with
// a decimal comma: each row a size, a pen and a piece of the text.
TEST(Svg, mappa_colori_e_scala_come_il_pittore) {
    Superficie s;
    s.scala(0, 0, 20, 12);
    s.sfondo = 0x332211;
    s.riempimentopieno = true;
    s.coloreriempimento = 0xFFFFFF;
    s.rettangolo(5, 3, 10, 9, 0x00FF00);
    s.linea(0.25f, 0, 20, 12, 0x0000FF);
    s.linea(0, 6, 20, 6, 0xFFFF00);  // axis-parallel lines are not smoothed
    s.linea(4, 0, 4, 12, 0x00FFFF);
    s.cerchio(10, 6, 2, 0xFF00FF);
    s.persistente = false;
    // The second point on the first one's pixels, the last outside, the one before on the left column.
    const float punti[12] = {1, 1, 1.02f, 1, 2, 2, 3.25f, 3, 0, 1, 30, 3};
    s.punti(punti, 6, 0xFF0000);
    const std::locale prima = std::locale::global(std::locale(std::locale::classic(), new Virgola));
    for (const prova::Riga& r : prova::dati("core_svg.tsv")) {
        const std::string t = svg(s, std::stoi(r[0]), std::stoi(r[1]), std::stoi(r[2]));
        EXPECT_NE(t.find(r[3]), std::string::npos) << r.dove << "\n" << t;
    }
    std::locale::global(prima);
}
