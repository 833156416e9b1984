// Numbers as text and text as numbers: text boxes, captions, separators.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "model/numeri.h"

using namespace vask;

TEST(Numeri, il_numero_iniziale_di_una_casella_segue_le_regole_della_lettura) {
    struct Caso {
        const char* testo;
        double atteso;
    } casi[] = {
        {"1", 1},          {"", 0},          {"abc", 0},        {"1,5", 1},
        {" 2.5kg", 2.5},   {"1 5", 15},      {"\t1\n2", 12},    {"-3.25", -3.25},
        {"+4", 4},         {".5", 0.5},      {"-.5", -0.5},     {"5.", 5},
        {".", 0},          {"-", 0},         {"--5", 0},        {"1e3", 1000},
        {"1E-2", 0.01},    {"2D2", 200},     {"1e", 1},         {"1e+", 1},
        {"1.5.5", 1.5},    {"&H1F", 31},     {"&h1f", 31},      {"&O17", 15},
        {"&H", 0},         {"&X12", 0},      {"&O19", 1},       {"1 2 . 5 e 1", 125},
        {"\r5", 0},        {"7x8", 7},       {"0.000001", 1e-6}, {"12345678901", 12345678901.0},
    };
    for (const Caso& c : casi) EXPECT_DOUBLE_EQ(valoreiniziale(c.testo), c.atteso) << c.testo;
}

TEST(Numeri, la_grandezza_di_un_numero_lungo_si_giudica_dal_suo_valore_non_dalle_cifre) {
    const std::string zeri(400, '0');
    EXPECT_EQ(valoreiniziale("0." + zeri + "1"), 0.0);
    EXPECT_TRUE(std::isinf(valoreiniziale("1" + zeri + "e-10")));
    EXPECT_TRUE(std::isinf(valoreiniziale("-1" + zeri)));
    EXPECT_EQ(valoreiniziale("1e-400"), 0.0);
    EXPECT_EQ(valoreiniziale("0.0001e-320"), 0.0);
    EXPECT_TRUE(std::isinf(valoreiniziale("0.0001e400")));
    EXPECT_EQ(valoreiniziale("1" + zeri + "e-800"), 0.0);
    EXPECT_EQ(valoreiniziale("1e-99999999999999999999"), 0.0);
    EXPECT_DOUBLE_EQ(valoreiniziale("1" + zeri + "e-395"), 1e5);
}

// The float it would be stored as decides, rounding included, also beyond the
// double range; the live preview reads the same text as 0 when refused.
TEST(Numeri, un_numero_si_giudica_come_il_float_in_cui_sara_memorizzato) {
    struct Caso {
        std::string testo;
        Portata portata;
        float valore;
    } casi[] = {
        {"2.5", Portata::Ammesso, 2.5f},      {"abc", Portata::Ammesso, 0},
        {"-0", Portata::Ammesso, 0},          {"3e38", Portata::Ammesso, 3e38f},
        {"1e-40", Portata::Ammesso, 1e-40f},  {"1e39", Portata::Troppogrande, 0},
        {"-1e999", Portata::Troppogrande, 0}, {"1e-50", Portata::Troppopiccolo, 0},
        {"-1e-46", Portata::Troppopiccolo, 0}, {"-2.5", Portata::Ammesso, -2.5f},
        {"3.4028235e38", Portata::Ammesso, FLT_MAX},  // just above the largest float, rounding to it
        {"-3.4028235e38", Portata::Ammesso, -FLT_MAX},
        {"3.4028236e38", Portata::Troppogrande, 0},
        {"3.5e38", Portata::Troppogrande, 0},
        {"&HFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", Portata::Troppogrande, 0},
        {"1e-99999", Portata::Troppopiccolo, 0},
        {"-1e-400", Portata::Troppopiccolo, 0},
        {"0." + std::string(400, '0') + "1", Portata::Troppopiccolo, 0},
        {"0e-99999", Portata::Ammesso, 0},
        {"0.000e99999", Portata::Ammesso, 0},
    };
    for (const Caso& c : casi) {
        float v = -1;
        EXPECT_EQ(leggisingolo(c.testo, v), c.portata) << c.testo;
        EXPECT_EQ(v, c.valore) << c.testo;
        EXPECT_EQ(valoresingolo(c.testo), c.valore) << c.testo;
    }
}

TEST(Numeri, la_forma_generale_non_ha_zeri_finali_e_passa_all_esponente_agli_estremi) {
    struct Caso {
        float v;
        const char* atteso;
    } casi[] = {
        {0.0f, "0"},          {-0.0f, "0"},         {2.5f, "2.5"},          {-2.5f, "-2.5"},
        {12.0f, "12"},        {1.0f / 3, "0.3333333"}, {1414213.6f, "1414214"}, {1234567.0f, "1234567"},
        {1e7f, "1E+07"},      {12345678.0f, "1.234568E+07"}, {0.0001f, "0.0001"}, {0.00001f, "1E-05"},
        {1.5e-7f, "1.5E-07"}, {3e38f, "3E+38"},     {0.1f, "0.1"},          {std::sqrt(2.0f), "1.414214"},
    };
    for (const Caso& c : casi) EXPECT_EQ(testosingolo(c.v), c.atteso) << c.v;

    EXPECT_EQ(testodoppio(0.1), "0.1");
    EXPECT_EQ(testodoppio(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(testodoppio(1e15), "1E+15");
    EXPECT_EQ(testodoppio(123456789012345.0), "123456789012345");
    EXPECT_EQ(testointero(-10), "-10");
}

TEST(Numeri, col_separatore_italiano_le_didascalie_usano_la_virgola_e_si_rileggono) {
    impostaseparatore(',');
    EXPECT_EQ(testosingolo(12345678.0f), "1,234568E+07");
    EXPECT_EQ(testodoppio(3.5), "3,5");
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
