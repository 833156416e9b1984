// Numbers as text and text as numbers: text boxes, captions, separators; the
// view's arithmetic: captions, grid nodes, snapping, the pan's rounding; the
// drawing as SVG text.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <tuple>
#include <locale>
#include <string>

#include "model/numeri.h"
#include "view/svg.h"
#include "view/vista.h"

using namespace vask;

// Long mantissas and huge or tiny exponents are judged by the real magnitude.
TEST(Numeri, il_numero_iniziale_di_una_casella_segue_le_regole_della_lettura) {
    const std::string zeri(400, '0');
    const std::pair<std::string, double> casi[] = {
        {"1", 1},          {"", 0},          {"abc", 0},        {"1,5", 1},
        {" 2.5kg", 2.5},   {"1 5", 15},      {"\t1\n2", 12},    {"-3.25", -3.25},
        {"+4", 4},         {".5", 0.5},      {"-.5", -0.5},     {"5.", 5},
        {".", 0},          {"-", 0},         {"--5", 0},        {"1e3", 1000},
        {"1E-2", 0.01},    {"2D2", 200},     {"1e", 1},         {"1e+", 1},
        {"1.5.5", 1.5},    {"&H1F", 31},     {"&h1f", 31},      {"&O17", 15},
        {"&H", 0},         {"&X12", 0},      {"&O19", 1},       {"1 2 . 5 e 1", 125},
        {"\r5", 0},        {"7x8", 7},       {"0.000001", 1e-6}, {"12345678901", 12345678901.0},
        {"0." + zeri + "1", 0}, {"1" + zeri + "e-10", INFINITY}, {"-1" + zeri, -INFINITY}, {"1e-400", 0},
        {"0.0001e-320", 0}, {"0.0001e400", INFINITY}, {"1" + zeri + "e-800", 0}, {"1e-99999999999999999999", 0},
        {"1" + zeri + "e-395", 1e5},
    };
    for (const auto& [testo, atteso] : casi) {
        EXPECT_DOUBLE_EQ(valoreiniziale(testo), atteso) << testo;
        EXPECT_EQ(std::isinf(valoreiniziale(testo)), std::isinf(atteso)) << testo;  // not merely the largest double
    }
}

// The float it would be stored as decides, rounding included, also beyond the
// double range; the live preview reads the same text as 0 when refused.
TEST(Numeri, un_numero_si_giudica_come_il_float_in_cui_sara_memorizzato) {
    const Portata A = Portata::Ammesso, G = Portata::Troppogrande, P = Portata::Troppopiccolo;
    const std::tuple<std::string, Portata, float> casi[] = {
        {"2.5", A, 2.5f},  {"abc", A, 0},   {"-0", A, 0},      {"3e38", A, 3e38f},   {"1e-40", A, 1e-40f},
        {"1e39", G, 0},    {"-1e999", G, 0}, {"1e-50", P, 0},  {"-1e-46", P, 0},     {"-2.5", A, -2.5f},
        {"3.4028235e38", A, FLT_MAX},  // just above the largest float, rounding to it
        {"-3.4028235e38", A, -FLT_MAX}, {"3.4028236e38", G, 0}, {"3.5e38", G, 0},
        {"&HFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", G, 0}, {"1e-99999", P, 0}, {"-1e-400", P, 0},
        {"0." + std::string(400, '0') + "1", P, 0}, {"0e-99999", A, 0}, {"0.000e99999", A, 0},
    };
    for (const auto& [testo, portata, valore] : casi) {
        float v = -1;
        EXPECT_EQ(leggisingolo(testo, v), portata) << testo;
        EXPECT_EQ(std::make_pair(v, valoresingolo(testo)), std::make_pair(valore, valore)) << testo;
        if (valore == 0) {
            EXPECT_FALSE(std::signbit(v) || std::signbit(valoresingolo(testo))) << testo;
        }
    }
}

TEST(Numeri, la_forma_generale_non_ha_zeri_finali_e_passa_all_esponente_agli_estremi) {
    const std::pair<float, const char*> casi[] = {
        {0.0f, "0"},          {-0.0f, "0"},         {2.5f, "2.5"},          {-2.5f, "-2.5"},
        {12.0f, "12"},        {1.0f / 3, "0.3333333"}, {1414213.6f, "1414214"}, {1234567.0f, "1234567"},
        {1e7f, "1E+07"},      {12345678.0f, "1.234568E+07"}, {0.0001f, "0.0001"}, {0.00001f, "1E-05"},
        {1.5e-7f, "1.5E-07"}, {3e38f, "3E+38"},     {0.1f, "0.1"},          {std::sqrt(2.0f), "1.414214"},
    };
    for (const auto& [v, atteso] : casi) EXPECT_EQ(testosingolo(v), atteso) << v;
    EXPECT_EQ(testodoppio(0.1) + " " + testodoppio(1.0 / 3) + " " + testodoppio(1e15) + " " + testodoppio(123456789012345.0) +
                  " " + testointero(-10), "0.1 0.333333333333333 1E+15 123456789012345 -10");
}

TEST(Numeri, col_separatore_italiano_le_didascalie_usano_la_virgola_e_si_rileggono) {
    impostaseparatore(',');
    EXPECT_EQ(testosingolo(12345678.0f) + " " + testodoppio(3.5), "1,234568E+07 3,5");
    EXPECT_DOUBLE_EQ(valoredidascalia("1,234568E+07"), 12345680.0);
    EXPECT_DOUBLE_EQ(valoredidascalia("-0,125"), -0.125);
    // The text boxes keep "." as their only separator whatever the locale.
    EXPECT_DOUBLE_EQ(valoreiniziale("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(valoreiniziale("1.5"), 1.5);
    impostaseparatore('.');

    bool valido = true;
    for (const char* t : {"", "x1", "1E+39"}) {
        EXPECT_EQ(valoredidascaliasingolo(t, &valido), 0.0f) << t;
        EXPECT_FALSE(valido) << t;
    }
    EXPECT_EQ(valoredidascalia("2.5 ", &valido), 2.5);
    EXPECT_TRUE(valido);
    // Every float written and read back comes home (seven digits).
    for (float v : {0.1f, 2.5f, 1.0f / 3, 19.99999f, 1e-5f, 7.123457e9f})
        EXPECT_FLOAT_EQ(valoredidascaliasingolo(testosingolo(v)), v);
}

TEST(Vista, le_didascalie_si_costruiscono_ciascuna_dal_testo_della_precedente) {
    std::string x[10];
    didascaliesuccessive("0", 0.125, 10, x);  // a tenth of 1.25: each caption exact to the digit
    EXPECT_EQ(x[0] + " " + x[9], "0.125 1.25");
    didascaliesuccessive("0", 1.0 / 3, 3, x);  // each read back from the one before: the rounding accumulates
    EXPECT_EQ(x[2], "0.999999999999999");
    impostaseparatore(',');
    didascaliesuccessive("2", 0.125, 10, x);
    EXPECT_EQ(x[3] + " " + didascaliaspostata("2,5", -1), "2,5 1,5");
    impostaseparatore('.');
}

TEST(Vista, la_griglia_lo_snap_e_il_pan_arrotondano_al_pari_senza_traboccare) {
    const double infinito = INFINITY, nodi[][5] = {  // from, to, step: first node and how many, at most 100
        {0, 20, 0.25, 0, 81}, {3, 4.25, 0.5, 6, 3}, {-5, 2, 1, 0, 3},  // never below the origin
        {4016, 4096, 0.25, 16064, 100}, {0, 20, 0, 0, 0}, {0, 20, -1, 0, 0}, {0, 20, infinito, 0, 0}, {5.1, 5.9, 1, 0, 0},
        {5.1, 6.5, 1, 6, 1}};  // a single node
    for (const auto& c : nodi) {
        const Nodi n = nodigriglia(c[0], c[1], c[2], 100);
        EXPECT_EQ(std::make_pair(n.quanti, n.quanti ? n.primo : 0), std::make_pair(int(c[4]), (long long)c[3])) << c[0] << " " << c[2];
    }
    const float snap[][3] = {{2.5f, 1, 2}, {3.5f, 1, 4}, {-2.5f, 1, -2}, {0.3f, 0.25f, 0.25f}, {0.375f, 0.25f, 0.5f},
                             {2.6f, -1, 3},                     // a negative step: multiples of its size
                             {40000.4f, 1, 40000},              // beyond 32767 steps, where 16 bits overflow
                             {7.3f, 0, 7.3f}, {3e38f, 1e-30f, 3e38f}};  // no step, or a quotient beyond a float: raw
    for (const auto& [v, passo, atteso] : snap) EXPECT_EQ(agriglia(v, passo), atteso) << v << " " << passo;
    EXPECT_NEAR(agriglia(4000.37f, 0.001f), 4000.37f, 0.001f);
    const double pan[][2] = {{0.4, 0}, {0.5, 0}, {1.5, 2}, {-2.5, -2}, {-5.4, -5}, {1e9, 32767}, {std::nan(""), 0}};
    for (const auto& [spostamento, atteso] : pan) EXPECT_EQ(passopan(spostamento), atteso) << spostamento;
}

TEST(Vista, l_osnap_prende_il_primo_candidato_strettamente_entro_la_tolleranza) {
    const float xy[] = {10, 10, 5, 5, 5.2f, 5, 6, 5};
    EXPECT_EQ(primocatturato(xy, 4, 5.1f, 5, 0.5f), 1);   // first, not nearest
    EXPECT_EQ(primocatturato(xy, 4, 6.5f, 5, 0.5f), -1);  // exactly at the tolerance
    EXPECT_EQ(primocatturato(xy, 4, 6.49f, 5, 0.5f), 3);
    EXPECT_EQ(primocatturato(xy, 0, 5, 5, 1), -1);
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
    s.linea(0, 6, 20, 6, 0xFFFF00);  // axis-parallel lines are not smoothed
    s.linea(4, 0, 4, 12, 0x00FFFF);
    s.cerchio(10, 6, 2, 0xFF00FF);
    s.persistente = false;
    // The second point falls on the first one's pixels, the last outside, the one before on the left column.
    const float punti[12] = {1, 1, 1.02f, 1, 2, 2, 3.25f, 3, 0, 1, 30, 3};
    s.punti(punti, 6, 0xFF0000);

    const std::locale prima = std::locale::global(std::locale(std::locale::classic(), new Virgola));
    const std::string t = svg(s, 201, 121);
    std::locale::global(prima);
    EXPECT_TRUE(ha(t, "<rect width=\"201\" height=\"121\" fill=\"#112233\"/>")) << t;
    EXPECT_TRUE(ha(t, "<rect x=\"50.5\" y=\"30.5\" width=\"50\" height=\"60\" fill=\"#ffffff\" "
                      "stroke=\"#00ff00\" stroke-width=\"1\"")) << t;
    // From the bottom-left to the top-right pixel, pixel centres at +0.5.
    EXPECT_TRUE(ha(t, "<line x1=\"3\" y1=\"120.5\" x2=\"200.5\" y2=\"0.5\" stroke=\"#ff0000\" stroke-width=\"1\" "
                      "stroke-linecap=\"square\"/>")) << t;
    EXPECT_TRUE(ha(t, "stroke=\"#00ffff\" stroke-width=\"1\" stroke-linecap=\"square\" shape-rendering=\"crispEdges\"/>")) << t;
    EXPECT_TRUE(ha(t, "stroke=\"#ffff00\" stroke-width=\"1\" stroke-linecap=\"square\" shape-rendering=\"crispEdges\"/>")) << t;
    EXPECT_TRUE(ha(t, "rx=\"20\" ry=\"20\"")) << t;
    EXPECT_TRUE(ha(svg(s, 201, 61), "rx=\"20\" ry=\"10\"")) << svg(s, 201, 61);  // half as many pixels a unit upwards
    // The overlay last, one square a pixel.
    EXPECT_TRUE(ha(t, "<g fill=\"#0000ff\" shape-rendering=\"crispEdges\">\n"
                      "<rect x=\"32\" y=\"90\" width=\"1\" height=\"1\"/>\n"
                      "<rect x=\"20\" y=\"100\" width=\"1\" height=\"1\"/>\n"
                      "<rect x=\"0\" y=\"110\" width=\"1\" height=\"1\"/>\n"
                      "<rect x=\"10\" y=\"110\" width=\"1\" height=\"1\"/>\n</g>\n</svg>\n")) << t;

    // Three times the pen: lines three pixels wide, points three pixels square.
    const std::string t3 = svg(s, 201, 121, 3);
    EXPECT_TRUE(ha(t3, "stroke=\"#ff0000\" stroke-width=\"3\"")) << t3;
    EXPECT_TRUE(ha(t3, "<rect x=\"9\" y=\"109\" width=\"3\" height=\"3\"/>")) << t3;
}
