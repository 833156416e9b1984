// Zoom, pan, grid, snaps and guide lines through the window's handlers.
#include <cmath>

#include "supporto.h"
#include "view/vista.h"

using namespace vask;
using prova::Finestra;

namespace {
const std::string STATO = "lblDescrizione ^btnZoomPiu,BtnZoomMeno,btnPanSu,btnPanGiu,btnPanSinistra,Command4,btnPan";
const std::string LIMITE = "Pan: Raggiungimento del limite ", AREA = " dell'area grafica di lavoro. ";
}  // namespace

TEST(Navigazione, zoom_pan_griglia_e_snap_danno_le_didascalie_e_i_pulsanti_dei_dati) {
    prova::recita("core_navigazione.tsv");
}

// Far out: the widest window still ends inside the world, and the limits
// and the grid work there as near the origin.
TEST_F(Finestra, lontano_il_pan_si_ferma_ai_limiti_e_la_griglia_resta_nel_mondo) {
    for (int i = 0; i < 10000 && f.vista.nuovooriginex < LIMITEDESTRO; ++i) f.Command4_Click();
    for (int i = 0; i < 10000 && -f.vista.nuovooriginey < LIMITESUPERIORE; ++i) f.btnPanSu_Click();
    EXPECT_EQ(std::make_pair(f.vista.nuovooriginex, -f.vista.nuovooriginey), std::make_pair(LIMITEDESTRO, LIMITESUPERIORE));
    EXPECT_EQ(fa("Command4", STATO), LIMITE + "destro" + AREA + "VVDDDR-");
    EXPECT_EQ(fa("btnPanSu", STATO), LIMITE + "superiore" + AREA + "VVRDDR-");
    EXPECT_EQ(f.vista.nuovooriginex, LIMITEDESTRO);
    EXPECT_EQ(fa("BtnZoomMeno BtnZoomMeno", "scala"), "80 48");
    EXPECT_LE(f.vista.nuovofinex, LIMITEMONDO);
    EXPECT_LE(valoredidascalia(testo("lbl12y")), LIMITEMONDO);
    // Ratio 80: x from 4016 to 4017.25, y from 4048 to 4048.75, every 1/64; guide lines on each caption.
    EXPECT_EQ(fa("btnZoomPiu btnZoomPiu btnZoomPiu btnZoomPiu btnZoomPiu btnZoomPiu btnZoomPiu txtPassoGriglia=0.015625 "
                 "btnGriglia btnLineeGuida", "scala ^btnZoomPiu,btnLineeGuida griglia guide"), "1.25 0.75 RV 130 18");
    for (const Primitiva& p : prova::dicolore(f.pic.immagine, Forma::Segmento, GRIGIO))
        EXPECT_TRUE(p.x1 != p.x2 || (p.x1 >= LIMITEDESTRO && p.x1 <= LIMITEDESTRO + 1.25f)) << p.x1;
    for (const Primitiva& p : prova::dicolore(f.pic.immagine, Forma::Segmento, CIANO))
        EXPECT_TRUE(p.x1 != p.x2 || std::fmod(p.x1 - LIMITEDESTRO, 0.125f) == 0) << p.x1;
    EXPECT_EQ(fa("btnPanSinistra", "^Command4"), "D");  // the right is open again
}

TEST_F(Finestra, il_pan_dinamico_trascina_arrotonda_e_si_ferma_al_limite) {
    EXPECT_EQ(fa("btnPan", "!!"), "Pan dinamico negato. In fase di disegno o di selezione navigare nel disegno col pan statico.");
    EXPECT_EQ(f.vista.pan, 0);
    EXPECT_EQ(fa("btnDisegna btnPan", STATO), "Pan: Cliccando nell'area grafica trascina il disegno. VVDRRDV");
    EXPECT_EQ(f.vista.pan, 1);
    // Drag the drawing 5.4 units right from a left edge at 2: a shift of -5, stopped at the left edge.
    fai("Command4 Command4 ~10,5");
    f.picAreagrafica_MouseDown(10 - 2, 12 - 5);
    EXPECT_EQ(std::make_pair(f.vista.pan, f.puntatore), std::make_pair(2, Puntatore::Sposta));
    const int pause = f.pausadivieto;
    muovi(15.4f, 5);
    f.picAreagrafica_MouseUp(15.4f - 2, 12 - 5);
    EXPECT_EQ(leggi("X " + STATO), "0 2 4 6 8 10 12 14 16 18 20 " + LIMITE + "sinistro" + AREA + "VVDRRDV");
    EXPECT_EQ(std::make_tuple(f.pausadivieto, f.puntatore, f.vista.pan, f.vista.nuovofinex, f.pic.scalewidth),
              std::make_tuple(pause + 1, Puntatore::Croce, 1, 20.f, 20.f));

    const auto trascina = [this](float x1, float y1, float x2, float y2) {
        muovi(x1, y1);
        f.picAreagrafica_MouseDown(x1, f.pic.scaleheight - y1);
        muovi(x2, y2);
        f.picAreagrafica_MouseUp(x2, f.pic.scaleheight - y2);
    };
    trascina(5, 5, 5, 2.5f);  // the drawing down by 2.5: the window up by 2 (halves to even)
    EXPECT_EQ(leggi("Y ^btnPanGiu"), "2 4 6 8 10 12 14 D");
    EXPECT_EQ(f.pausadivieto, pause + 1);
    // Stopped at the bottom, and far out at the right and top at once: the
    // window keeps its size, the captions their step; the arrows turn red.
    trascina(5, 3, 5, 8);
    EXPECT_EQ(leggi("Y " + STATO), "0 2 4 6 8 10 12 " + LIMITE + "inferiore" + AREA + "VVDRRDV");
    for (int i = 0; i < 10000 && f.vista.nuovooriginex < LIMITEDESTRO - 2; ++i) f.Command4_Click();
    for (int i = 0; i < 10000 && -f.vista.nuovooriginey < LIMITESUPERIORE - 2; ++i) f.btnPanSu_Click();
    float x0 = f.vista.nuovooriginex, y0 = -f.vista.nuovooriginey;
    trascina(x0 + 10, y0 + 10, x0 + 5, y0 + 5);
    EXPECT_EQ(leggi("X Y scala " + STATO), "4016 4018 4020 4022 4024 4026 4028 4030 4032 4034 4036 4048 4050 4052 4054 4056 "
                                           "4058 4060 20 12 " + LIMITE + "superiore" + AREA + "VVRDDRV");
    EXPECT_EQ(f.pausadivieto, pause + 3);
    x0 = f.vista.nuovooriginex, y0 = -f.vista.nuovooriginey;
    trascina(x0 + 5, y0 + 5, x0 + 6, y0 + 6);  // open again
    EXPECT_EQ(leggi("^btnPanSu,Command4"), "DD");
    // Pan switched off, or select mode entered, during a press: the drag pointer goes.
    for (const char* fine : {"btnPan", "btnSeleziona"}) {
        if (!f.vista.pan) f.btnPan_Click();
        muovi(x0 + 5, y0 + 5);
        f.picAreagrafica_MouseDown(x0 + 5, f.pic.scaleheight - y0 - 5);
        EXPECT_EQ(f.puntatore, Puntatore::Sposta);
        fai(fine);
        EXPECT_EQ(std::make_pair(f.vista.pan, f.puntatore), std::make_pair(0, Puntatore::Croce));
    }
    EXPECT_EQ(leggi("^btnPan"), "-");
}

// The readout, its colours (a catch colours both captions) and the pointer.
TEST_F(Finestra, l_osnap_segue_l_ordine_dei_candidati_e_colora_la_lettura) {
    const std::string LETTURA = "lblCoordinataX lblCoordinataY ^lblCoordinataX puntatore", PRESO = LETTURA + " ^lblCoordinataY";
    EXPECT_EQ(fa("R 2 2 6 4 1 L 2 2 6 2 L 6 2 6 4 mnuStrumentiSnapOggetto", "^btnOsnap"), "V");
    // Before any computation no centroid and no kern vertex: (0, 0) is not caught.
    EXPECT_EQ(fa("~0.125,0.125", LETTURA), "0.125 0.125 - croce");
    EXPECT_EQ(fa("~2.2,2.1", PRESO), "2 2 C freccia C");  // a corner
    EXPECT_EQ(fa("~1.66,2", LETTURA), "1.66 2 - croce");  // within 20 / 60 of a unit only
    EXPECT_EQ(fa("btnEsegui ~4.1,3.1", PRESO), "4 3 G frecciasu G");  // G comes before the centre point
    // The kern vertex of the bottom line, (4, 3 + 1/3), before the midpoint (4, 3.333).
    const float kx = f.copianocciolo.puntinocciolo[1][1], ky = f.copianocciolo.puntinocciolo[1][2];
    EXPECT_EQ(std::make_pair(kx, ky), std::make_pair(4.f, 3 + 1.0f / 3));
    EXPECT_EQ(fa("~4.05,3.6333334", PRESO), "4 3.333333 R freccia R");
    f.copianocciolo.puntinoccioloattivo[1] = false;  // a vertex the kern could not place is not offered
    EXPECT_EQ(fa("~4.05,3.6333334", "lblCoordinataX ^lblCoordinataX puntatore"), "4.05 - croce");
    f.copianocciolo.puntinoccioloattivo[1] = true;
    // An element drawn since: the results and the kern are stale; the rectangle's centre, no longer G.
    EXPECT_EQ(fa("btnDisegna btnRettangolo R 10 8 12 10 1 ~4.05,3.05", PRESO), "4 3 C freccia C");
    EXPECT_TRUE(f.ris.eseguito);
    EXPECT_EQ(fa("~4.05,3.6333334", "lblCoordinataX ^lblCoordinataX puntatore"), "4.05 - croce");
    // Grid snap yields to a catch, and works alone otherwise.
    EXPECT_EQ(fa("mnuStrumentiSnapGriglia ~2.1,2.1", PRESO), "2 2 C freccia C");
    EXPECT_EQ(fa("~8.4,7.6", LETTURA), "8 8 - croce");
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
