// Zoom, pan, grid, snaps and guide lines through the window's handlers.
#include "supporto.h"
#include "view/vista.h"

using namespace vask;
using prova::Finestra;

TEST(Navigazione, zoom_pan_griglia_e_snap_danno_le_didascalie_e_i_pulsanti_dei_dati) {
    prova::recita("core_navigazione.tsv");
}

// The arrows stop at the far right and top limits and say so.
TEST_F(Finestra, il_pan_statico_si_ferma_ai_limiti_lontani) {
    for (int i = 0; i < 10000 && f.vista.nuovooriginex < LIMITEDESTRO; ++i) f.Command4_Click();
    for (int i = 0; i < 10000 && -f.vista.nuovooriginey < LIMITESUPERIORE; ++i) f.btnPanSu_Click();
    EXPECT_EQ(fa("Command4", "lblDescrizione ^Command4"), "Pan: Raggiungimento del limite destro dell'area grafica di lavoro. R");
    EXPECT_EQ(fa("btnPanSu", "^btnPanSu lblOriginex lblOriginey"), "R 4016 4048");
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
