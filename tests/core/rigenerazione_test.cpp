// What a regeneration paints, read from the display list: layer order,
// colours, holes over solids, invisible density-0 elements, triangle fill.
#include "supporto.h"

using namespace vask;
using prova::Finestra;

namespace {

// One token per primitive: kind, then + for the section colour, - for the
// background colour, L for the line colour.
std::string firma(const FrmVask_2& f, const Strato& s) {
    std::string out;
    for (const Primitiva& p : s.primitive) {
        auto tono = [&f](uint32_t c) {
            return c == f.colori.colorelinea ? "L" : c == f.colori.coloresezione ? "+" : c == f.colori.coloresfondo ? "-" : "?";
        };
        switch (p.forma) {
        case Forma::Segmento: out += std::string("S") + tono(p.colore); break;
        case Forma::Rettangolo: out += std::string("R") + tono(p.riempimento); break;
        case Forma::Cerchio: out += std::string("C") + tono(p.riempimento); break;
        case Forma::Poligono: out += std::string("P") + tono(p.colore); break;
        case Forma::Punti: out += "."; break;
        }
        out += ' ';
    }
    return out;
}

}  // namespace

TEST_F(Finestra, la_rigenerazione_dipinge_i_fori_sopra_i_pieni_e_le_linee_in_cima) {
    f.mnuPreferenzeSezioneGiallo_Click();  // outline of the solids is the foreground, not the section
    // Holes are drawn first on purpose: the order of creation must not matter.
    rettangolo(2, 2, 4, 4, "-2");
    rettangolo(0, 0, 10, 10, "1");
    rettangolo(11, 1, 12, 2, "0");
    triangolo(12, 0, 16, 0, 12, 4, "-1");
    triangolo(12, 5, 16, 5, 12, 9, "3");
    triangolo(16, 6, 18, 6, 16, 8, "0");
    cerchio(5, 7, "1", "-1");
    cerchio(15, 10, "1", "2");
    cerchio(18, 10, "1", "0");
    linea(0, 0, 10, 0);
    f.mnuVisualizzaRigenera_Click();

    EXPECT_EQ(firma(f, f.pic.immagine),
              "R+ S+ S+ S+ P- P+ C+ SL S+ S+ S+ P- P+ R- C- SL SL ");
    EXPECT_TRUE(f.pic.sovrapposto.primitive.empty());

    const auto& p = f.pic.immagine.primitive;
    EXPECT_EQ(p[0].colore, f.pic.primopiano);  // solid box: foreground outline
    EXPECT_TRUE(p[0].riempito);
    EXPECT_EQ(p[13].colore, f.colori.coloresezione);  // hole: section-coloured outline
    EXPECT_TRUE(p[13].riempito);
    EXPECT_EQ(p[14].colore, f.colori.coloresezione);
    // World (x, y) lands on the surface at (x, 12 - y).
    EXPECT_EQ(p[0].x1, 0);
    EXPECT_EQ(p[0].y1, 12);
    EXPECT_EQ(p[0].x2, 10);
    EXPECT_EQ(p[0].y2, 2);
}

TEST_F(Finestra, il_triangolo_e_un_solo_poligono_pieno_ma_non_durante_una_costruzione) {
    triangolo(1, 1, 7, 2, 3, 6, "2");
    f.mnuVisualizzaRigenera_Click();
    int poligoni = 0;
    for (const Primitiva& p : f.pic.immagine.primitive)
        if (p.forma == Forma::Poligono) {
            ++poligoni;
            ASSERT_EQ(p.quanti, 3u);
            // Vertices sorted by x, mapped to the surface.
            const float* xy = &f.pic.immagine.punti[2 * p.primo];
            EXPECT_EQ(xy[0], 1);
            EXPECT_EQ(xy[1], 11);
            EXPECT_EQ(xy[2], 3);
            EXPECT_EQ(xy[3], 6);
            EXPECT_EQ(xy[4], 7);
            EXPECT_EQ(xy[5], 10);
            EXPECT_EQ(p.colore, f.colori.coloresezione);
        }
    EXPECT_EQ(poligoni, 2);  // solids' pass and holes' pass

    auto poligonidisegnati = [this] {
        int n = 0;
        for (const Primitiva& p : f.pic.immagine.primitive) n += p.forma == Forma::Poligono;
        return n;
    };
    // First corner of a rectangle taken: outlines only.
    f.mnuStrumentiRettangolo_Click();
    clicca(10, 10);
    EXPECT_EQ(f.costruzione.puntorettangolo, 1);
    EXPECT_EQ(poligonidisegnati(), 0);
    clicca(12, 11);
    EXPECT_EQ(poligonidisegnati(), 2);
    // A line end being moved: outlines only.
    f.cambioestremo.disegnodinamicosottomodifica = true;
    f.mnuVisualizzaRigenera_Click();
    EXPECT_EQ(poligonidisegnati(), 0);
}

TEST_F(Finestra, una_sezione_vuota_rigenera_al_solo_sfondo_e_il_riempimento_persiste) {
    f.mnuVisualizzaRigenera_Click();
    EXPECT_TRUE(f.pic.immagine.primitive.empty());
    EXPECT_FALSE(f.pic.riempimentopieno);
    cerchio(5, 5, "1", "-1");
    // After a pass with a hole the fill colour left behind is the background.
    EXPECT_TRUE(f.pic.riempimentopieno);
    EXPECT_EQ(f.pic.coloreriempimento, f.colori.coloresfondo);
    f.btnRigenera_Click();
    EXPECT_EQ(firma(f, f.pic.immagine), "C- ");
    f.Form_Resize();
    EXPECT_EQ(firma(f, f.pic.immagine), "C- ");
}
