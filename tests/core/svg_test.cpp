// The drawing as SVG text: the painter's mapping with y downwards, colours
// as #rrggbb, points on whole pixels, pens scaled, numbers with a point
// whatever the locale.
#include <gtest/gtest.h>

#include <locale>
#include <string>

#include "view/svg.h"

using namespace vask;

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
