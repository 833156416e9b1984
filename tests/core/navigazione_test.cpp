// Zoom, pan, grid, snaps and guide lines through the window's handlers.
#include <string>
#include <vector>

#include "supporto.h"
#include "view/vista.h"

using namespace vask;
using prova::Finestra;

namespace {

std::string didascalie(const FrmVask_2& f, const char* const* nomi, int quanti) {
    std::string s;
    for (int i = 0; i < quanti; ++i) s += f.ctl.testo(nomi[i]) + " ";
    return s;
}
std::string assex(const FrmVask_2& f) { return didascalie(f, ETICHETTEX, 11); }
std::string assey(const FrmVask_2& f) { return didascalie(f, ETICHETTEY, 7); }

// The window's four fields agree with the surface's scale and the captions.
void concorde(const FrmVask_2& f) {
    EXPECT_EQ(f.vista.nuovooriginex, f.pic.scaleleft);
    EXPECT_EQ(f.vista.nuovooriginey, f.pic.scaletop);
    EXPECT_EQ(f.vista.nuovofinex, f.pic.scaleleft + f.pic.scalewidth);
    EXPECT_EQ(f.vista.nuovofiney, f.pic.scaletop + f.pic.scaleheight);
    EXPECT_EQ(valoredidascalia(f.ctl.testo("lblOriginex")), f.pic.scaleleft);
    EXPECT_EQ(valoredidascalia(f.ctl.testo("lblOriginey")), -f.pic.scaletop);
}

int lineedicolore(const Strato& s, uint32_t colore) {
    return int(prova::dicolore(s, Forma::Segmento, colore).size());
}

const std::string LIMITE = "Pan: Raggiungimento del limite ";
const std::string AREA = " dell'area grafica di lavoro.";

}  // namespace

TEST_F(Finestra, lo_zoom_tiene_l_angolo_in_basso_a_sinistra_e_si_ferma_ai_limiti) {
    f.btnPanSu_Click();
    f.btnPanSu_Click();
    for (int i = 0; i < 3; ++i) f.Command4_Click();
    EXPECT_EQ(assex(f), "3 5 7 9 11 13 15 17 19 21 23 ");
    f.mnuVisualizzaZoomPiu_Click();
    EXPECT_EQ(assex(f), "3 4 5 6 7 8 9 10 11 12 13 ");
    EXPECT_EQ(assey(f), "2 3 4 5 6 7 8 ");
    concorde(f);
    muovi(3, 2);  // a point keeps its place on the bottom-left corner
    EXPECT_EQ(testo("lblCoordinataX") + " " + testo("lblCoordinataY"), "3 2");

    impostaseparatore(',');
    for (int i = 0; i < 4; ++i) f.btnZoomPiu_Click();
    EXPECT_EQ(f.pic.scalewidth, 1.25f);
    EXPECT_EQ(f.pic.scaleheight, 0.75f);
    EXPECT_EQ(assex(f), "3 3,125 3,25 3,375 3,5 3,625 3,75 3,875 4 4,125 4,25 ");
    EXPECT_EQ(assey(f), "2 2,125 2,25 2,375 2,5 2,625 2,75 ");
    concorde(f);
    EXPECT_EQ(testo("lblDescrizione"), "Zoom+: Non sono ammessi ulteriori zoom+.");
    EXPECT_EQ(f.ctl.sfondo("btnZoomPiu"), ROSSO);
    f.mnuVisualizzaZoomMeno_Click();
    EXPECT_EQ(f.ctl.sfondo("btnZoomPiu"), VERDE);
    EXPECT_EQ(testo("lblDescrizione"), "Zoom-: Clicca per rimpicciolire.");
    impostaseparatore('.');

    for (int i = 0; i < 6; ++i) f.BtnZoomMeno_Click();
    EXPECT_EQ(f.pic.scalewidth, 80);
    EXPECT_EQ(f.pic.scaleheight, 48);
    EXPECT_EQ(assex(f), "3 11 19 27 35 43 51 59 67 75 83 ");
    EXPECT_EQ(f.ctl.sfondo("BtnZoomMeno"), ROSSO);
    EXPECT_EQ(testo("lblDescrizione"), "Zoom-: Non sono ammessi ulteriori zoom-.");
    f.btnZoomPiu_Click();
    EXPECT_EQ(f.ctl.sfondo("BtnZoomMeno"), VERDE);
    concorde(f);
}

TEST_F(Finestra, il_pan_statico_si_ferma_in_basso_e_a_sinistra_ma_ammette_lo_zero) {
    f.btnPanGiu_Click();
    EXPECT_EQ(testo("lblDescrizione"), LIMITE + "inferiore" + AREA);
    EXPECT_EQ(f.ctl.sfondo("btnPanGiu"), ROSSO);
    f.btnPanSu_Click();
    EXPECT_EQ(f.ctl.sfondo("btnPanGiu"), VERDESCURO);
    EXPECT_EQ(assey(f), "1 3 5 7 9 11 13 ");
    f.btnPanGiu_Click();  // lands exactly on 0: allowed
    EXPECT_EQ(assey(f), "0 2 4 6 8 10 12 ");
    f.Command4_Click();
    f.btnPanSinistra_Click();
    EXPECT_EQ(f.vista.nuovooriginex, 0);
    f.btnPanSinistra_Click();
    EXPECT_EQ(testo("lblDescrizione"), LIMITE + "sinistro" + AREA);
    EXPECT_EQ(f.ctl.sfondo("btnPanSinistra"), ROSSO);
    concorde(f);
}

TEST_F(Finestra, lontano_dall_origine_pan_e_zoom_restano_nel_mondo_e_la_griglia_disegna_solo_le_linee_visibili) {
    while (f.vista.nuovooriginex < LIMITEDESTRO) f.Command4_Click();
    while (-f.vista.nuovooriginey < LIMITESUPERIORE) f.btnPanSu_Click();
    EXPECT_EQ(f.vista.nuovooriginex, LIMITEDESTRO);
    EXPECT_EQ(-f.vista.nuovooriginey, LIMITESUPERIORE);
    f.Command4_Click();
    EXPECT_EQ(testo("lblDescrizione"), LIMITE + "destro" + AREA);
    EXPECT_EQ(f.ctl.sfondo("Command4"), ROSSO);
    f.btnPanSu_Click();
    EXPECT_EQ(testo("lblDescrizione"), LIMITE + "superiore" + AREA);
    EXPECT_EQ(f.ctl.sfondo("btnPanSu"), ROSSO);
    EXPECT_EQ(f.vista.nuovooriginex, LIMITEDESTRO);
    for (int i = 0; i < 2; ++i) f.BtnZoomMeno_Click();
    EXPECT_EQ(f.pic.scalewidth, 80);
    EXPECT_LE(f.vista.nuovofinex, LIMITEMONDO);
    EXPECT_LE(valoredidascalia(testo("lbl12y")), LIMITEMONDO);
    concorde(f);

    for (int i = 0; i < 7; ++i) f.btnZoomPiu_Click();
    EXPECT_EQ(f.pic.scalewidth, 1.25f);
    EXPECT_EQ(f.ctl.sfondo("btnZoomPiu"), ROSSO);  // the limit still fires out here
    f.testomodificato("txtPassoGriglia", "0.015625");  // ratio 80
    f.btnGriglia_Click();
    // x from 4016 to 4017.25, y from 4048 to 4048.75, every 1/64.
    EXPECT_EQ(lineedicolore(f.pic.immagine, GRIGIO), 81 + 49);
    for (const Primitiva& p : f.pic.immagine.primitive)
        if (p.colore == GRIGIO && p.x1 == p.x2) {
            EXPECT_GE(p.x1, LIMITEDESTRO);
            EXPECT_LE(p.x1, LIMITEDESTRO + 1.25f);
        }
    f.btnLineeGuida_Click();
    EXPECT_EQ(lineedicolore(f.pic.immagine, CIANO), 11 + 7);
    f.btnPanSinistra_Click();  // the right is open again
    EXPECT_EQ(f.ctl.sfondo("Command4"), VERDESCURO);
}

TEST_F(Finestra, il_pan_dinamico_trascina_arrotonda_e_si_ferma_al_limite) {
    f.btnPan_Click();  // draw mode: refused
    ASSERT_EQ(msg.domande.size(), 1u);
    EXPECT_EQ(msg.domande[0].titolo, "Pan dinamico negato.");
    EXPECT_EQ(msg.domande[0].testo, "In fase di disegno o di selezione navigare nel disegno col pan statico.");
    EXPECT_EQ(f.vista.pan, 0);

    f.btnDisegna_Click();  // the calculate state
    f.btnPan_Click();
    EXPECT_EQ(f.vista.pan, 1);
    EXPECT_EQ(f.ctl.sfondo("btnPan"), VERDE);
    EXPECT_EQ(testo("lblDescrizione"), "Pan: Cliccando nell'area grafica trascina il disegno.");
    for (int i = 0; i < 2; ++i) f.Command4_Click();  // left edge at 2

    const auto trascina = [this](float x1, float y1, float x2, float y2) {
        muovi(x1, y1);
        f.picAreagrafica_MouseDown(x1, f.pic.scaleheight - y1);
        muovi(x2, y2);
        f.picAreagrafica_MouseUp(x2, f.pic.scaleheight - y2);
    };
    // Drag the drawing 5.4 units right: a shift of -5, stopped at the left edge.
    muovi(10, 5);
    f.picAreagrafica_MouseDown(10 - 2, 12 - 5);
    EXPECT_EQ(f.vista.pan, 2);
    EXPECT_EQ(f.puntatore, Puntatore::Sposta);
    const int pause = f.pausadivieto;
    muovi(15.4f, 5);
    f.picAreagrafica_MouseUp(15.4f - 2, 12 - 5);
    EXPECT_EQ(assex(f), "0 2 4 6 8 10 12 14 16 18 20 ");
    EXPECT_EQ(testo("lblDescrizione"), LIMITE + "sinistro" + AREA);
    EXPECT_EQ(f.pausadivieto, pause + 1);
    EXPECT_EQ(f.puntatore, Puntatore::Croce);
    EXPECT_EQ(f.vista.pan, 1);
    EXPECT_EQ(f.ctl.sfondo("btnPanSinistra"), ROSSO);
    concorde(f);

    // Dragging the drawing down by 2.5 moves the window up by 2 (halves to even).
    trascina(5, 5, 5, 2.5f);
    EXPECT_EQ(assey(f), "2 4 6 8 10 12 14 ");
    EXPECT_EQ(f.pausadivieto, pause + 1);
    EXPECT_EQ(f.ctl.sfondo("btnPanGiu"), VERDESCURO);
    // A drag shorter than half a unit pans by 0 but still redraws.
    const uint64_t versione = f.pic.versione;
    trascina(5, 5, 5.4f, 5.4f);
    EXPECT_EQ(assey(f), "2 4 6 8 10 12 14 ");
    EXPECT_GT(f.pic.versione, versione);
    concorde(f);

    // Entering select mode ends the armed pan.
    f.btnSeleziona_Click();
    EXPECT_EQ(f.vista.pan, 0);
    EXPECT_EQ(f.ctl.sfondo("btnPan"), FACCIA);
}

TEST_F(Finestra, la_griglia_si_disegna_fino_al_rapporto_80_e_rifiuta_un_passo_nullo) {
    for (const char* passo : {"0", "abc", "", "1e-50", "1e39"}) {
        f.testomodificato("txtPassoGriglia", passo);
        f.btnGriglia_Click();
        ASSERT_EQ(msg.domande.size(), 1u) << passo;
        EXPECT_EQ(msg.domande[0].titolo, "Passo della griglia non valido.");
        EXPECT_EQ(msg.domande[0].testo,
                  passo[0] == '1' ? "Il passo della griglia è troppo grande o troppo piccolo per essere "
                                    "memorizzato. Reinserire il passo."
                                  : "Il passo della griglia deve essere un numero diverso da zero. "
                                    "Reinserire il passo.");
        msg.domande.clear();
        EXPECT_FALSE(f.vista.grigliaattiva);
        EXPECT_TRUE(f.ctl["txtPassoGriglia"].abilitato);
        EXPECT_EQ(f.ctl.sfondo("btnGriglia"), FACCIA);
        EXPECT_EQ(f.vista.passogriglia, 1.0f);
    }
    f.testomodificato("txtPassoGriglia", "0.25");  // ratio exactly 80
    f.btnGriglia_Click();
    EXPECT_EQ(avvisi(), "");
    EXPECT_EQ(lineedicolore(f.pic.immagine, GRIGIO), 81 + 49);
    EXPECT_FALSE(f.ctl["txtPassoGriglia"].abilitato);
    EXPECT_EQ(f.ctl.sfondo("btnGriglia"), VERDE);
    f.mnuVisualizzaRigenera_Click();
    EXPECT_EQ(lineedicolore(f.pic.immagine, GRIGIO), 81 + 49);
    f.BtnZoomMeno_Click();  // too dense now: no grid, step kept
    EXPECT_EQ(lineedicolore(f.pic.immagine, GRIGIO), 0);
    f.btnZoomPiu_Click();
    EXPECT_EQ(lineedicolore(f.pic.immagine, GRIGIO), 81 + 49);
    f.btnGriglia_Click();
    EXPECT_FALSE(f.vista.grigliaattiva);
    EXPECT_EQ(lineedicolore(f.pic.immagine, GRIGIO), 0);
    EXPECT_TRUE(f.ctl["txtPassoGriglia"].abilitato);

    f.testomodificato("txtPassoGriglia", "0.2");  // ratio 100
    f.btnGriglia_Click();
    ASSERT_EQ(msg.domande.size(), 1u);
    EXPECT_EQ(msg.domande[0].titolo, "Griglia richiesta troppo fitta");
    EXPECT_EQ(msg.domande[0].testo,
              "Il passo è toppo piccolo pertanto la griglia non verrà visualizzata.Tuttavia il "
              "passo immesso sarà valido per lo snap.");
    EXPECT_TRUE(f.vista.grigliaattiva);
    EXPECT_EQ(f.vista.passogriglia, 0.2f);
    EXPECT_EQ(lineedicolore(f.pic.immagine, GRIGIO), 0);
    f.mnuStrumentiSnapGriglia_Click();
    muovi(3.31f, 2.05f);
    EXPECT_EQ(testo("lblCoordinataX") + " " + testo("lblCoordinataY"), "3.4 2");
}

TEST_F(Finestra, le_linee_guida_passano_per_le_didascalie) {
    const auto guide = [this](bool verticali) {
        std::vector<float> v;
        for (const Primitiva& p : prova::dicolore(f.pic.immagine, Forma::Segmento, CIANO))
            if ((p.x1 == p.x2) == verticali) v.push_back(verticali ? p.x1 : 12 - p.y1);
        return v;
    };
    f.btnLineeGuida_Click();
    EXPECT_EQ(f.ctl.sfondo("btnLineeGuida"), VERDE);
    EXPECT_EQ(guide(true), (std::vector<float>{0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20}));
    EXPECT_EQ(guide(false), (std::vector<float>{0, 2, 4, 6, 8, 10, 12}));
    f.btnZoomPiu_Click();  // redrawn at the new spacing
    EXPECT_EQ(guide(true), (std::vector<float>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    f.btnLineeGuida_Click();
    EXPECT_EQ(lineedicolore(f.pic.immagine, CIANO), 0);
    EXPECT_EQ(f.ctl.sfondo("btnLineeGuida"), FACCIA);
}

TEST_F(Finestra, l_osnap_segue_l_ordine_dei_candidati_e_colora_la_lettura) {
    rettangolo(2, 2, 6, 4);
    linea(2, 2, 6, 2);
    linea(6, 2, 6, 4);
    f.mnuStrumentiSnapOggetto_Click();
    EXPECT_EQ(f.ctl.sfondo("btnOsnap"), VERDE);
    const auto lettura = [this](float x, float y) {
        muovi(x, y);
        const uint32_t c = f.ctl.sfondo("lblCoordinataX");
        EXPECT_TRUE(c == FACCIA || f.ctl.sfondo("lblCoordinataY") == c);  // a catch colours both
        return testo("lblCoordinataX") + " " + testo("lblCoordinataY") + " " +
               (c == CIANO ? "ciano" : c == GIALLO ? "giallo" : c == ROSSO ? "rosso" : c == FACCIA ? "-" : "?");
    };
    const auto puntatore = [this] { return f.puntatore; };
    // Before any computation no centroid and no kern vertex: (0, 0) is not caught.
    EXPECT_EQ(lettura(0.125f, 0.125f), "0.125 0.125 -");
    EXPECT_EQ(puntatore(), Puntatore::Croce);
    EXPECT_EQ(lettura(2.2f, 2.1f), "2 2 ciano");  // a corner
    EXPECT_EQ(puntatore(), Puntatore::Freccia);
    EXPECT_EQ(lettura(2 - 0.34f, 2), "1.66 2 -");  // within 20 / 60 of a unit only
    EXPECT_EQ(puntatore(), Puntatore::Croce);

    f.btnEsegui_Click();  // G = (4, 3)
    // Near both the centroid and the centre point: the centroid comes first.
    EXPECT_EQ(lettura(4.1f, 3.1f), "4 3 giallo");
    EXPECT_EQ(puntatore(), Puntatore::FrecciaSu);
    // The kern vertex of the bottom line, (4, 3 + 1/3), before the midpoint (4, 3.333).
    const float kx = f.copianocciolo.puntinocciolo[1][1], ky = f.copianocciolo.puntinocciolo[1][2];
    EXPECT_FLOAT_EQ(kx, 4);
    EXPECT_FLOAT_EQ(ky, 3 + 1.0f / 3);
    EXPECT_EQ(lettura(kx + 0.05f, ky + 0.3f), "4 " + testosingolo(ky) + " rosso");
    EXPECT_EQ(puntatore(), Puntatore::Freccia);

    // An element drawn since: the results and the kern are stale.
    f.btnDisegna_Click();
    f.btnRettangolo_Click();
    rettangolo(10, 8, 12, 10);
    EXPECT_TRUE(f.ris.eseguito);
    EXPECT_EQ(lettura(4.05f, 3.05f), "4 3 ciano");  // the rectangle's centre, no longer G
    const std::string l = lettura(kx + 0.05f, ky + 0.3f);
    EXPECT_EQ(l.substr(0, 5) + l.substr(l.size() - 2), "4.05  -");

    // Grid snap yields to a catch, and works alone otherwise.
    f.mnuStrumentiSnapGriglia_Click();
    EXPECT_EQ(lettura(2.1f, 2.1f), "2 2 ciano");
    EXPECT_EQ(lettura(8.4f, 7.6f), "8 8 -");

    // Switching osnap off regenerates; switching snap off does not.
    f.mnuStrumentiSnapToglisnap_Click();
    const uint64_t versione = f.pic.versione;
    f.mnuStrumentiSnapToglisnap_Click();
    EXPECT_EQ(f.pic.versione, versione);
    f.mnuStrumentiSnapTogliOsnap_Click();
    EXPECT_GT(f.pic.versione, versione);
    EXPECT_FALSE(f.vista.osnapattivo);
    EXPECT_EQ(f.ctl.sfondo("btnOsnap"), FACCIA);
}
