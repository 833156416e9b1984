// Zoom, pan, grid, snaps and guide lines through the window's handlers.
#include <cmath>

#include "supporto.h"
#include "view/vista.h"

using namespace vask;
using prova::Finestra;

TEST(Navigazione, zoom_pan_griglia_e_snap_danno_le_didascalie_e_i_pulsanti_dei_dati) {
    prova::recita("core_navigazione.tsv");
}

TEST_F(Finestra, il_pan_dinamico_trascina_arrotonda_e_si_ferma_al_limite) {
    recita("core_pan.tsv");
    for (int i = 0; i < 10000 && f.vista.nuovooriginex < LIMITEDESTRO - 2; ++i) f.Command4_Click();
    for (int i = 0; i < 10000 && -f.vista.nuovooriginey < LIMITESUPERIORE - 2; ++i) f.btnPanSu_Click();
    ASSERT_EQ(std::make_pair(f.vista.nuovooriginex, -f.vista.nuovooriginey), std::make_pair(4014.f, 4046.f));
    recita("core_pan_lontano.tsv");
}

TEST_F(Finestra, l_osnap_segue_l_ordine_dei_candidati_e_colora_la_lettura) {
    recita("core_osnap.tsv");
    // A vertex the kern could not place is not offered.
    f.copianocciolo.puntinoccioloattivo[1] = false;
    EXPECT_EQ(fa("~4.05,3.6333334", "lblCoordinataX ^lblCoordinataX puntatore"), "4.05 - croce");
    f.copianocciolo.puntinoccioloattivo[1] = true;
    recita("core_osnap_scaduto.tsv");
    // Switching osnap off regenerates; switching snap off does not.
    fai("mnuStrumentiSnapToglisnap");
    const uint64_t versione = f.pic.versione;
    fai("mnuStrumentiSnapToglisnap");
    EXPECT_EQ(f.pic.versione, versione);
    EXPECT_EQ(fa("mnuStrumentiSnapTogliOsnap", "^btnOsnap"), "-");
    EXPECT_TRUE(f.pic.versione > versione && !f.vista.osnapattivo);
}

TEST_F(Finestra, griglia_e_linee_guida_coprono_la_finestra_spostata) {
    // x 3 to 23, y 1 to 13; the arrow regenerates both on the new window.
    fai("Command4 Command4 Command4 btnPanSu txtPassoGriglia=1 btnGriglia btnLineeGuida");
    for (int passo = 0; passo < 2; ++passo, fai("Command4"))
        for (uint32_t colore : {GRIGIO, CIANO}) {
            // Each segment across the whole window: from edge to edge, upwards
            // from y = 0 (at or below the bottom edge) to the top edge.
            const auto v = prova::dicolore(f.pic.immagine, Forma::Segmento, colore);
            const float l = f.pic.scaleleft, r = l + f.pic.scalewidth, t = f.pic.scaletop, b = t + f.pic.scaleheight;
            EXPECT_FALSE(v.empty());
            for (const Primitiva& p : v)
                EXPECT_TRUE(p.x1 == p.x2 ? std::min(p.y1, p.y2) == t && std::max(p.y1, p.y2) >= b
                                         : std::min(p.x1, p.x2) == l && std::max(p.x1, p.x2) == r) << passo << " " << colore;
        }
}
