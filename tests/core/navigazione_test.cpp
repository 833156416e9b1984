// Zoom, pan, grid, snaps and guide lines through the window's handlers.
#include <algorithm>
#include <cmath>
#include <vector>

#include "supporto.h"
#include "view/vista.h"

using namespace vask;
using prova::Finestra;

namespace {

const std::string LIMITE = "Pan: Raggiungimento del limite ", AREA = " dell'area grafica di lavoro.";

class Navigazione : public Finestra {
protected:
    std::string assex() const { return didascalie(ETICHETTEX, 11); }
    std::string assey() const { return didascalie(ETICHETTEY, 7); }
    std::string didascalie(const char* const* nomi, int quanti) const {
        std::string s;
        for (int i = 0; i < quanti; ++i) s += (i ? " " : "") + f.ctl.testo(nomi[i]);
        return s;
    }
    // The hint and the faces of Zoom+, Zoom-, the four arrows and Pan.
    std::string stato() const {
        return testo("lblDescrizione") + " | " +
               facce({"btnZoomPiu", "BtnZoomMeno", "btnPanSu", "btnPanGiu", "btnPanSinistra", "Command4", "btnPan"});
    }
    int linee(uint32_t colore) const { return int(prova::dicolore(f.pic.immagine, Forma::Segmento, colore).size()); }
    // Some segments of `colore`, each across the whole window: across from edge
    // to edge, upwards from y = 0 (at or below the bottom edge) to the top edge.
    bool copre(uint32_t colore) const {
        const auto v = prova::dicolore(f.pic.immagine, Forma::Segmento, colore);
        const float l = f.pic.scaleleft, r = l + f.pic.scalewidth, t = f.pic.scaletop, b = t + f.pic.scaleheight;
        for (const Primitiva& p : v)
            if (p.x1 == p.x2 ? std::min(p.y1, p.y2) != t || std::max(p.y1, p.y2) < b
                             : std::min(p.x1, p.x2) != l || std::max(p.x1, p.x2) != r)
                return false;
        return !v.empty();
    }
};

}  // namespace

TEST_F(Navigazione, lo_zoom_tiene_l_angolo_in_basso_a_sinistra_e_si_ferma_ai_limiti) {
    for (int i = 0; i < 2; ++i) f.btnPanSu_Click();
    for (int i = 0; i < 3; ++i) f.Command4_Click();
    EXPECT_EQ(assex(), "3 5 7 9 11 13 15 17 19 21 23");
    f.mnuVisualizzaZoomPiu_Click();
    EXPECT_EQ(assex() + " | " + assey(), "3 4 5 6 7 8 9 10 11 12 13 | 2 3 4 5 6 7 8");
    muovi(3, 2);  // a point keeps its place on the bottom-left corner
    EXPECT_EQ(testi({"lblCoordinataX", "lblCoordinataY"}), "3 2");
    const auto dopo = [this] {  // the arrows after a zoom keep its window, bottom edge not 0
        f.btnPanSu_Click();
        f.Command4_Click();
        return std::make_pair(f.pic.scalewidth, f.pic.scaleheight);
    };
    EXPECT_EQ(dopo(), std::make_pair(10.f, 6.f));
    f.btnPanGiu_Click();
    f.btnPanSinistra_Click();

    impostaseparatore(',');
    for (int i = 0; i < 4; ++i) f.btnZoomPiu_Click();
    EXPECT_EQ(std::make_pair(f.pic.scalewidth, f.pic.scaleheight), std::make_pair(1.25f, 0.75f));
    EXPECT_EQ(assex() + " | " + assey(), "3 3,125 3,25 3,375 3,5 3,625 3,75 3,875 4 4,125 4,25 | 2 2,125 2,25 2,375 2,5 2,625 2,75");
    EXPECT_EQ(stato(), "Zoom+: Non sono ammessi ulteriori zoom+. | RVDDDD-");
    f.mnuVisualizzaZoomMeno_Click();
    EXPECT_EQ(stato(), "Zoom-: Clicca per rimpicciolire. | VVDDDD-");
    impostaseparatore('.');
    for (int i = 0; i < 6; ++i) f.BtnZoomMeno_Click();
    EXPECT_EQ(std::make_pair(f.pic.scalewidth, f.pic.scaleheight), std::make_pair(80.f, 48.f));
    EXPECT_EQ(assex(), "3 11 19 27 35 43 51 59 67 75 83");
    EXPECT_EQ(stato(), "Zoom-: Non sono ammessi ulteriori zoom-. | VRDDDD-");
    f.btnZoomPiu_Click();
    EXPECT_EQ(facce({"BtnZoomMeno"}), "V");
    f.BtnZoomMeno_Click();
    EXPECT_EQ(dopo(), std::make_pair(80.f, 48.f));
    f.btnZoomPiu_Click();
    EXPECT_EQ(dopo(), std::make_pair(40.f, 24.f));
}

TEST_F(Navigazione, il_pan_statico_si_ferma_ai_quattro_limiti_ma_ammette_lo_zero) {
    f.btnPanGiu_Click();
    EXPECT_EQ(stato(), LIMITE + "inferiore" + AREA + " | VVDRRD-");
    f.btnPanSu_Click();
    EXPECT_EQ(assey() + facce({"btnPanGiu"}), "1 3 5 7 9 11 13D");
    f.btnPanGiu_Click();  // lands exactly on 0: allowed
    EXPECT_EQ(assey(), "0 2 4 6 8 10 12");
    f.Command4_Click();
    f.btnPanSinistra_Click();
    EXPECT_EQ(f.vista.nuovooriginex, 0);
    f.btnPanSinistra_Click();
    EXPECT_EQ(stato(), LIMITE + "sinistro" + AREA + " | VVDDRD-");

    // Far out: the widest window still ends inside the world, and the limits
    // and the grid work there as near the origin.
    while (f.vista.nuovooriginex < LIMITEDESTRO) f.Command4_Click();
    while (-f.vista.nuovooriginey < LIMITESUPERIORE) f.btnPanSu_Click();
    EXPECT_EQ(std::make_pair(f.vista.nuovooriginex, -f.vista.nuovooriginey), std::make_pair(LIMITEDESTRO, LIMITESUPERIORE));
    f.Command4_Click();
    EXPECT_EQ(stato(), LIMITE + "destro" + AREA + " | VVDDDR-");
    f.btnPanSu_Click();
    EXPECT_EQ(stato(), LIMITE + "superiore" + AREA + " | VVRDDR-");
    EXPECT_EQ(f.vista.nuovooriginex, LIMITEDESTRO);
    for (int i = 0; i < 2; ++i) f.BtnZoomMeno_Click();
    EXPECT_EQ(f.pic.scalewidth, 80);
    EXPECT_LE(f.vista.nuovofinex, LIMITEMONDO);
    EXPECT_LE(valoredidascalia(testo("lbl12y")), LIMITEMONDO);
    for (int i = 0; i < 7; ++i) f.btnZoomPiu_Click();
    EXPECT_EQ(f.pic.scalewidth, 1.25f);
    EXPECT_EQ(facce({"btnZoomPiu"}), "R");
    f.testomodificato("txtPassoGriglia", "0.015625");  // ratio 80
    f.btnGriglia_Click();
    EXPECT_EQ(linee(GRIGIO), 81 + 49);  // x from 4016 to 4017.25, y from 4048 to 4048.75, every 1/64
    for (const Primitiva& p : prova::dicolore(f.pic.immagine, Forma::Segmento, GRIGIO))
        EXPECT_TRUE(p.x1 != p.x2 || (p.x1 >= LIMITEDESTRO && p.x1 <= LIMITEDESTRO + 1.25f)) << p.x1;
    f.btnLineeGuida_Click();  // one on each caption
    EXPECT_EQ(linee(CIANO), 11 + 7);
    EXPECT_EQ(facce({"btnLineeGuida"}), "V");
    for (const Primitiva& p : prova::dicolore(f.pic.immagine, Forma::Segmento, CIANO))
        EXPECT_TRUE(p.x1 != p.x2 || std::fmod(p.x1 - LIMITEDESTRO, 0.125f) == 0) << p.x1;
    f.btnPanSinistra_Click();  // the right is open again
    EXPECT_EQ(facce({"Command4"}), "D");
}

TEST_F(Navigazione, il_pan_dinamico_trascina_arrotonda_e_si_ferma_al_limite) {
    f.btnPan_Click();  // draw mode: refused
    EXPECT_EQ(avvisi(true), "Pan dinamico negato. In fase di disegno o di selezione navigare nel disegno col pan statico.");
    EXPECT_EQ(f.vista.pan, 0);
    f.btnDisegna_Click();  // the calculate state
    f.btnPan_Click();
    EXPECT_EQ(f.vista.pan, 1);
    EXPECT_EQ(stato(), "Pan: Cliccando nell'area grafica trascina il disegno. | VVDRRDV");
    for (int i = 0; i < 2; ++i) f.Command4_Click();  // left edge at 2

    // Drag the drawing 5.4 units right: a shift of -5, stopped at the left edge.
    muovi(10, 5);
    f.picAreagrafica_MouseDown(10 - 2, 12 - 5);
    EXPECT_EQ(f.vista.pan, 2);
    EXPECT_EQ(f.puntatore, Puntatore::Sposta);
    const int pause = f.pausadivieto;
    muovi(15.4f, 5);
    f.picAreagrafica_MouseUp(15.4f - 2, 12 - 5);
    EXPECT_EQ(assex(), "0 2 4 6 8 10 12 14 16 18 20");
    EXPECT_EQ(stato(), LIMITE + "sinistro" + AREA + " | VVDRRDV");
    EXPECT_EQ(std::make_tuple(f.pausadivieto, f.puntatore, f.vista.pan, f.vista.nuovofinex, f.pic.scalewidth),
              std::make_tuple(pause + 1, Puntatore::Croce, 1, 20.f, 20.f));

    const auto trascina = [this](float x1, float y1, float x2, float y2) {
        muovi(x1, y1);
        f.picAreagrafica_MouseDown(x1, f.pic.scaleheight - y1);
        muovi(x2, y2);
        f.picAreagrafica_MouseUp(x2, f.pic.scaleheight - y2);
    };
    trascina(5, 5, 5, 2.5f);  // the drawing down by 2.5: the window up by 2 (halves to even)
    EXPECT_EQ(assey() + facce({"btnPanGiu"}), "2 4 6 8 10 12 14D");
    EXPECT_EQ(f.pausadivieto, pause + 1);
    // Stopped at the bottom, and far out at the right and top at once: the
    // window keeps its size, the captions their step; the arrows turn red.
    trascina(5, 3, 5, 8);
    EXPECT_EQ(assey() + " " + stato(), "0 2 4 6 8 10 12 " + LIMITE + "inferiore" + AREA + " | VVDRRDV");
    while (f.vista.nuovooriginex < LIMITEDESTRO - 2) f.Command4_Click();
    while (-f.vista.nuovooriginey < LIMITESUPERIORE - 2) f.btnPanSu_Click();
    float x0 = f.vista.nuovooriginex, y0 = -f.vista.nuovooriginey;
    trascina(x0 + 10, y0 + 10, x0 + 5, y0 + 5);
    EXPECT_EQ(assex(), "4016 4018 4020 4022 4024 4026 4028 4030 4032 4034 4036");
    EXPECT_EQ(assey() + " " + stato(), "4048 4050 4052 4054 4056 4058 4060 " + LIMITE + "superiore" + AREA + " | VVRDDRV");
    EXPECT_EQ(std::make_tuple(f.pic.scalewidth, f.pic.scaleheight, f.pausadivieto), std::make_tuple(20.f, 12.f, pause + 3));
    x0 = f.vista.nuovooriginex, y0 = -f.vista.nuovooriginey;
    trascina(x0 + 5, y0 + 5, x0 + 6, y0 + 6);  // open again
    EXPECT_EQ(facce({"btnPanSu", "Command4"}), "DD");
    // Pan switched off, or select mode entered, during a press: the drag pointer goes.
    for (void (FrmVask_2::*fine)() : {&FrmVask_2::btnPan_Click, &FrmVask_2::btnSeleziona_Click}) {
        if (!f.vista.pan) f.btnPan_Click();
        muovi(x0 + 5, y0 + 5);
        f.picAreagrafica_MouseDown(x0 + 5, f.pic.scaleheight - y0 - 5);
        EXPECT_EQ(f.puntatore, Puntatore::Sposta);
        (f.*fine)();
        EXPECT_EQ(std::make_pair(f.vista.pan, f.puntatore), std::make_pair(0, Puntatore::Croce));
    }
    EXPECT_EQ(facce({"btnPan"}), "-");
}

TEST_F(Navigazione, la_griglia_si_disegna_fino_al_rapporto_80_e_rifiuta_un_passo_nullo) {
    const std::string NULLO = "Passo della griglia non valido. Il passo della griglia deve essere un numero diverso da zero. "
                              "Reinserire il passo.";
    const std::string FUORI = "Passo della griglia non valido. Il passo della griglia è troppo grande o troppo piccolo per "
                              "essere memorizzato. Reinserire il passo.";
    for (const char* passo : {"0", "abc", "", "1e-50", "1e39"}) {
        f.testomodificato("txtPassoGriglia", passo);
        f.btnGriglia_Click();
        EXPECT_EQ(avvisi(true), passo[0] == '1' ? FUORI : NULLO) << passo;
        EXPECT_TRUE(!f.vista.grigliaattiva && f.ctl["txtPassoGriglia"].abilitato && f.vista.passogriglia == 1.0f);
        EXPECT_EQ(facce({"btnGriglia"}), "-");
    }
    f.testomodificato("txtPassoGriglia", "0.25");  // ratio exactly 80
    f.btnGriglia_Click();
    EXPECT_EQ(avvisi(), "");
    EXPECT_EQ(linee(GRIGIO), 81 + 49);
    EXPECT_FALSE(f.ctl["txtPassoGriglia"].abilitato);
    EXPECT_EQ(facce({"btnGriglia"}), "V");
    f.mnuVisualizzaRigenera_Click();
    EXPECT_EQ(linee(GRIGIO), 81 + 49);
    f.BtnZoomMeno_Click();  // too dense now: no grid, step kept
    EXPECT_EQ(linee(GRIGIO), 0);
    f.btnZoomPiu_Click();
    EXPECT_EQ(linee(GRIGIO), 81 + 49);
    f.btnGriglia_Click();
    EXPECT_EQ(linee(GRIGIO), 0);
    EXPECT_TRUE(!f.vista.grigliaattiva && f.ctl["txtPassoGriglia"].abilitato);

    for (const char* passo : {"0.2484472", "0.2"}) {  // ratios 80.5 and 100
        if (f.vista.grigliaattiva) f.btnGriglia_Click();
        f.testomodificato("txtPassoGriglia", passo);
        f.btnGriglia_Click();
        EXPECT_EQ(avvisi(true), "Griglia richiesta troppo fitta Il passo è toppo piccolo pertanto la griglia non verrà "
                                "visualizzata.Tuttavia il passo immesso sarà valido per lo snap.") << passo;
        f.mnuVisualizzaRigenera_Click();
        EXPECT_EQ(linee(GRIGIO), 0) << passo;
        EXPECT_TRUE(f.vista.grigliaattiva && !f.ctl["txtPassoGriglia"].abilitato) << passo;
        EXPECT_EQ(facce({"btnGriglia"}), "V") << passo;
    }
    EXPECT_EQ(f.vista.passogriglia, 0.2f);
    f.mnuStrumentiSnapGriglia_Click();
    muovi(3.31f, 2.05f);
    EXPECT_EQ(testi({"lblCoordinataX", "lblCoordinataY"}), "3.4 2");
}

TEST_F(Navigazione, l_osnap_segue_l_ordine_dei_candidati_e_colora_la_lettura) {
    rettangolo(2, 2, 6, 4);
    linea(2, 2, 6, 2);
    linea(6, 2, 6, 4);
    f.mnuStrumentiSnapOggetto_Click();
    EXPECT_EQ(facce({"btnOsnap"}), "V");
    // The readout, its colour (a catch colours both captions) and the pointer.
    const auto lettura = [this](float x, float y) {
        muovi(x, y);
        const uint32_t c = f.ctl.sfondo("lblCoordinataX");
        EXPECT_TRUE(c == FACCIA || f.ctl.sfondo("lblCoordinataY") == c);
        const char* p[] = {"croce", "freccia", "frecciasu", "sposta", "divieto"};
        return testi({"lblCoordinataX", "lblCoordinataY"}) + " " +
               (c == CIANO ? "ciano " : c == GIALLO ? "giallo " : c == ROSSO ? "rosso " : c == FACCIA ? "- " : "? ") +
               p[int(f.puntatore)];
    };
    // Before any computation no centroid and no kern vertex: (0, 0) is not caught.
    EXPECT_EQ(lettura(0.125f, 0.125f), "0.125 0.125 - croce");
    EXPECT_EQ(lettura(2.2f, 2.1f), "2 2 ciano freccia");    // a corner
    EXPECT_EQ(lettura(2 - 0.34f, 2), "1.66 2 - croce");    // within 20 / 60 of a unit only
    f.btnEsegui_Click();  // G = (4, 3)
    EXPECT_EQ(lettura(4.1f, 3.1f), "4 3 giallo frecciasu");  // G comes before the centre point
    // The kern vertex of the bottom line, (4, 3 + 1/3), before the midpoint (4, 3.333).
    const float kx = f.copianocciolo.puntinocciolo[1][1], ky = f.copianocciolo.puntinocciolo[1][2];
    EXPECT_FLOAT_EQ(kx, 4);
    EXPECT_FLOAT_EQ(ky, 3 + 1.0f / 3);
    EXPECT_EQ(lettura(kx + 0.05f, ky + 0.3f), "4 " + testosingolo(ky) + " rosso freccia");
    f.copianocciolo.puntinoccioloattivo[1] = false;  // a vertex the kern could not place is not offered
    const std::string senza = lettura(kx + 0.05f, ky + 0.3f);
    EXPECT_EQ(senza.substr(0, 5) + senza.substr(senza.size() - 8), "4.05  - croce");
    f.copianocciolo.puntinoccioloattivo[1] = true;

    // An element drawn since: the results and the kern are stale.
    f.btnDisegna_Click();
    f.btnRettangolo_Click();
    rettangolo(10, 8, 12, 10);
    EXPECT_TRUE(f.ris.eseguito);
    EXPECT_EQ(lettura(4.05f, 3.05f), "4 3 ciano freccia");  // the rectangle's centre, no longer G
    const std::string l = lettura(kx + 0.05f, ky + 0.3f);
    EXPECT_EQ(l.substr(0, 5) + l.substr(l.size() - 8), "4.05  - croce");
    // Grid snap yields to a catch, and works alone otherwise.
    f.mnuStrumentiSnapGriglia_Click();
    EXPECT_EQ(lettura(2.1f, 2.1f), "2 2 ciano freccia");
    EXPECT_EQ(lettura(8.4f, 7.6f), "8 8 - croce");
    // Switching osnap off regenerates; switching snap off does not.
    f.mnuStrumentiSnapToglisnap_Click();
    const uint64_t versione = f.pic.versione;
    f.mnuStrumentiSnapToglisnap_Click();
    EXPECT_EQ(f.pic.versione, versione);
    f.mnuStrumentiSnapTogliOsnap_Click();
    EXPECT_GT(f.pic.versione, versione);
    EXPECT_FALSE(f.vista.osnapattivo);
    EXPECT_EQ(facce({"btnOsnap"}), "-");
}

TEST_F(Navigazione, l_osnap_offre_fino_all_ultimo_punto_dell_ultimo_elemento_e_i_pulsanti_commutano) {
    rettangolo(2, 2, 6, 4);
    triangolo(10, 2, 14, 2, 10, 6);
    linea(2, 8, 6, 9);
    cerchio(15, 8, "1");
    f.btnOsnap_Click();
    // The last point of a rectangle and of a triangle; the only line and circle, first and last point.
    const float punti[][2] = {{4, 4}, {12, 4}, {2, 8}, {6, 9}, {15, 8}, {15, 7}};
    for (const auto& [x, y] : punti) {
        muovi(x + 0.1f, y + 0.1f);
        EXPECT_EQ(testi({"lblCoordinataX", "lblCoordinataY"}), testosingolo(x) + " " + testosingolo(y));
        EXPECT_EQ(std::make_pair(f.ctl.sfondo("lblCoordinataX"), f.puntatore), std::make_pair(CIANO, Puntatore::Freccia));
    }
    f.btnOsnap_Click();  // off: nothing is signalled any more
    EXPECT_EQ(std::make_pair(f.vista.osnapattivo, f.puntatore), std::make_pair(false, Puntatore::Croce));
    f.btnSnap_Click();
    EXPECT_EQ(std::to_string(f.vista.snapattivo) + facce({"btnSnap"}), "1V");
    f.btnSnap_Click();
    EXPECT_EQ(std::to_string(f.vista.snapattivo) + facce({"btnSnap"}), "0-");
}

TEST_F(Navigazione, griglia_e_linee_guida_coprono_la_finestra_spostata_e_si_spengono_ciascuna_da_sola) {
    for (int i = 0; i < 3; ++i) f.Command4_Click();
    f.btnPanSu_Click();  // x 3 to 23, y 1 to 13
    f.testomodificato("txtPassoGriglia", "1");
    f.btnGriglia_Click();
    f.btnLineeGuida_Click();
    EXPECT_TRUE(copre(GRIGIO) && copre(CIANO));
    f.Command4_Click();  // the arrow regenerates both on the new window
    EXPECT_TRUE(copre(GRIGIO) && copre(CIANO));
    EXPECT_EQ(linee(GRIGIO), 21 + 13);
    f.btnGriglia_Click();  // the grid off keeps the guide lines
    EXPECT_EQ(std::make_pair(linee(GRIGIO), linee(CIANO)), std::make_pair(0, 11 + 7));
    f.btnLineeGuida_Click();
    f.btnGriglia_Click();
    f.btnGriglia_Click();  // and draws none of its own
    EXPECT_EQ(std::make_pair(linee(GRIGIO), linee(CIANO)), std::make_pair(0, 0));
}
