// The load point: the middle-third rule, the antipolar relation, C at G.
#include "analysis/carico.h"
#include "sezioni.h"
#include "supporto.h"

using namespace vask;

namespace {

Relazione relazione(Sezione s) {
    prova::calcola(s);
    return calcolarelazione(s, s, prova::pigreco);
}

}  // namespace

// A 6 x 3 rectangle at (2, 1): the kern is the rhombus of half-diagonals 1
// and 0.5 about G (5, 2.5). On it the least stress is 0; inside, positive;
// outside, negative, in every direction.
TEST(Carico, la_regola_del_terzo_medio_del_rettangolo) {
    const Sezione s = prova::componi("R 2 1 8 4 1");
    const Relazione r = relazione(s);
    for (int k = 0; k < 16; ++k) {
        const double t = k * prova::PI / 8, dx = std::cos(t), dy = std::sin(t);
        const double bordo = 1 / (std::fabs(dx) / 1 + std::fabs(dy) / 0.5);  // the rhombus along (dx, dy)
        for (const auto& [f, segno] : {std::pair{1.0, 0}, {0.9, 1}, {1.1, -1}}) {
            const Carico c = calcolacarico(r, s, 5 + f * bordo * dx, 2.5 + f * bordo * dy, {});
            SCOPED_TRACE(testing::Message() << k << " " << f);
            if (segno == 0) EXPECT_NEAR(c.smin, 0, 1e-9);
            else EXPECT_EQ(c.smin > 1e-9 ? 1 : c.smin < -1e-9 ? -1 : 0, segno);
            EXPECT_NEAR(c.smax, 1 + f * 1, 1e-9);  // the farthest corner across sees 1 + 1
        }
    }
    const Carico g = calcolacarico(r, s, 5, 2.5, {});
    EXPECT_TRUE(g.baricentro && g.smin == 1 && g.smax == 1);
}
