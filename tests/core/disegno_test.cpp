// Composing a section with the mouse: the readout, the drawing commands with
// their checks and messages, the live preview, and what a regeneration paints.
#include <array>
#include <tuple>

#include "supporto.h"

using namespace vask;
using prova::Finestra;

TEST_F(Finestra, ogni_clic_di_disegno_mostra_punti_indicazione_e_contatore) {
    // A kind button to press first, or "", the click, the point labels, the hint, the counter.
    const std::tuple<const char*, float, float, const char*, const char*, const char*> passi[] = {
        {"btnRettangolo", 4, 6, "4 6 x2 y2 x3 y3", "Disegna rettangolo: Inserisci le coordinate dell'angolo opposto.", "0"},
        {"", 1, 2, "4 6 1 2 x3 y3", "Disegna rettangolo: Inserisci le coordinate di un angolo e la densità.", "1"},
        {"btnTriangolo", 1.5f, 2, "1.5 2 x2 y2 x3 y3", "Disegna triangolo: Inserisci le coordinate del secondo vertice.", "0"},
        {"", 6, 2, "1.5 2 6 2 x3 y3", "Disegna triangolo: Inserisci le coordinate del terzo vertice.", "0"},
        {"", 3, 7.25f, "1.5 2 6 2 3 7.25", "Disegna triangolo: Inserisci le coordinate del primo vertice e la densità.", "1"},
        {"btnLinea", 1, 9, "1 9 x2 y2 x3 y3", "Disegna linea: Inserisci le coordinate del secondo estremo del segmento.", "0"},
        {"", 1, 9, "1 9 x2 y2 x3 y3", "Disegna linea: Inserisci le coordinate del secondo estremo del segmento.", "0"},
        {"", 4, 9, "1 9 4 9 x3 y3", "Disegna linea: Inserisci le coordinate del primo estremo del segmento.", "1"},
        // The circle leaves the hint bar to the mouse move before the click.
        {"btnCerchio", 9, 5, "9 5 x2 y2 x3 y3", "Disegna cerchio: Inserisci le coordinate del centro, la lunghezza del raggio e la densità.", "1"},
        {"", 15, 5, "15 5 x2 y2 x3 y3", "Disegna cerchio: Inserisci le coordinate del centro, la lunghezza del raggio e la densità.", "2"},
    };
    densita("2");
    raggio("2");
    for (const auto& [tipo, x, y, punti, indicazione, contatore] : passi) {
        if (*tipo) f.clic(tipo);
        clicca(x, y);
        EXPECT_EQ(testi({"lblPrimoPuntoX", "lblPrimoPuntoY", "lblSecondoPuntoX", "lblSecondoPuntoY", "lblTerzoPuntoX",
                         "lblTerzoPuntoY"}) + " | " + testo("lblDescrizione") + " | " + testo("lblContatore"),
                  std::string(punti) + " | " + indicazione + " | " + contatore);
    }
    // The line's second click on its first end: refused.
    EXPECT_EQ(avvisi(true), "Linea degenere. La linea inserita è degenere. Reinserire il secondo punto.");
    // Every field, from corners clicked the "wrong" way round.
    EXPECT_EQ(campi(f.sez.rettangoli[1], 1, R::CAMPI), "4 6 1 2 2 24 0 0 2.5 4 0 12");
    EXPECT_EQ(f.sez.puntirettangoli[1][9], 2.5f);
    EXPECT_EQ(campi(f.sez.triangoli[1], T::densita, T::CAMPI), "2 23.625 0 0 3.5 3.75 0 11.8125");
    EXPECT_EQ(f.sez.puntilinee[1][3], 4);
    EXPECT_EQ(campi(f.sez.cerchi[2], 1, C::CAMPI), "15 5 2 2 25.13274 0 0 0 12.56637");
    EXPECT_EQ(f.sez.punticerchi[2][10], 3);  // (xc, yc - r)

    // Negative density: negative area and mass. A degenerate rectangle waits
    // for another second corner.
    f.clic("btnRettangolo");
    densita("-2");
    clicca(5, 5);
    clicca(7, 8);
    EXPECT_EQ(campi(f.sez.rettangoli[2], R::densita, R::massa) + " " + testo("lblContatore"), "-2 -12 2");
    EXPECT_EQ(f.sez.rettangoli[2][R::area], -6);
    clicca(8, 1);
    clicca(9, 1);
    EXPECT_EQ(avvisi(true), "Rettangolo degenere. Il rettangolo inserito è degenere. Reinserire il secondo punto.");
    EXPECT_EQ(f.costruzione.puntorettangolo, 1);
    clicca(9, 3);
    EXPECT_EQ(campi(f.sez.rettangoli[3], R::x1, R::y2), "8 1 9 3");
}

TEST_F(Finestra, a_tabella_piena_il_clic_e_rifiutato_senza_memorizzare_nulla) {
    for (int i = 0; i < 5; ++i) rettangolo(i, 0, i + 1, 1);
    for (int i = 0; i < 5; ++i) triangolo(i, 4, i + 1, 4, i, 5);
    for (int i = 0; i < 5; ++i) cerchio(2 + 2 * i, 8, "1");
    for (int i = 0; i < 10; ++i) linea(i, 2, i + 1, 3);
    ASSERT_EQ(avvisi(), "");
    const Sezione piena = f.sez;
    using K = FrmVask_2::Costruzione;
    const std::tuple<void (FrmVask_2::*)(), int K::*, const char*> casi[] = {
        {&FrmVask_2::mnuStrumentiRettangolo_Click, &K::puntorettangolo, "Rettangoli esauriti. Non puoi usare più di 5 rettangoli."},
        {&FrmVask_2::mnuStrumentiTriangolo_Click, &K::puntotriangolo, "Triangoli esauriti. Non puoi usare più di 5 triangoli."},
        {&FrmVask_2::mnuStrumentiCerchio_Click, &K::puntocerchio, "cerchi esauriti. Non puoi usare più di 5 Cerchi."},
        {&FrmVask_2::mnuStrumentiLinea_Click, &K::puntolinea, "Linee esaurite. Non puoi usare più di 10 linee."},
    };
    for (const auto& [voce, punto, avviso] : casi) {
        (f.*voce)();
        f.costruzione.*punto = 1;  // as if a first point were pending: no preview either
        f.pic.immagine.svuota();
        muovi(10, 10);
        muovi(11, 11);
        EXPECT_TRUE(f.pic.immagine.primitive.empty()) << avviso;
        clicca(11, 11);
        EXPECT_EQ(avvisi(true), avviso);
        EXPECT_EQ(f.costruzione.*punto, 0);
        EXPECT_TRUE(prova::uguali(piena, f.sez)) << avviso;
    }
}

TEST_F(Finestra, i_triangoli_degeneri_sono_rifiutati_nell_ordine_delle_regole) {
    // The vertices, and the construction counter after the refusal (0: accepted).
    const std::pair<std::array<float, 6>, int> casi[] = {
        {{0, 0, 2, 2, 4, 4}, 2},  // same slope
        {{1, 0, 1, 5, 1, 9}, 2},  // one vertical
        {{0, 3, 4, 3, 9, 3}, 2},  // one horizontal
        {{0, 0, 3, 1, 0, 0}, 2},  // third equals the first
        {{0, 0, 3, 1, 3, 1}, 2},  // third equals the second
        {{0, 0, 0, 3, 5, 3}, 0},  // accepted: no slope test, not on one vertical
        {{2, 2, 2, 2, 0, 0}, 1},  // second vertex equals the first
    };
    f.mnuStrumentiTriangolo_Click();
    for (const auto& [p, rifiuto] : casi) {
        const int prima = f.sez.prossimotriangolo;
        clicca(p[0], p[1]);
        clicca(p[2], p[3]);
        if (rifiuto != 1) clicca(p[4], p[5]);
        EXPECT_EQ(f.sez.prossimotriangolo, prima + (rifiuto == 0)) << p[4];
        EXPECT_EQ(avvisi(true), rifiuto == 0   ? ""
                                : rifiuto == 2 ? "Triangolo degenere. Il triangolo inserito è degenere. Reinserire il terzo punto."
                                               : "Triangolo degenere. Il lato inserito è degenere. Reinserire il secondo punto.");
        EXPECT_EQ(f.costruzione.puntotriangolo, rifiuto);
        f.costruzione.puntotriangolo = 0;  // start the next case afresh
    }
    // The accepted triangle keeps its click order and its signed area.
    EXPECT_EQ(campi(f.sez.triangoli[1], T::x1, T::y3) + " " + campi(f.sez.triangoli[1], T::area, T::area), "0 0 0 3 5 3 7.5");
    // Slopes 3 and 3.0000002 in float, yet an area that rounds to 0: the
    // points exactly as written, from a grid of 0.1 in a window 5 wide.
    f.btnZoomPiu_Click();
    f.btnZoomPiu_Click();
    f.testomodificato("txtPassoGriglia", "0.1");
    f.btnGriglia_Click();
    f.mnuStrumentiSnapGriglia_Click();
    f.mnuStrumentiTriangolo_Click();
    clicca(0, 0);
    clicca(0.1f, 0.3f);
    clicca(1, 3);
    EXPECT_EQ(f.sez.triangoli[2][T::y2], 0.3f);
    EXPECT_EQ(avvisi(true), "Triangolo degenere. Il triangolo inserito è degenere. Reinserire il terzo punto.");
    EXPECT_EQ(f.sez.prossimotriangolo, 2);
}

TEST_F(Finestra, il_cerchio_deve_restare_nella_zona_positiva_e_avere_un_raggio) {
    impostaseparatore(',');
    cerchio(3, 5, "3");
    cerchio(3, 5, "3.5");
    EXPECT_EQ(avvisi(true),
              "Cerchio fuori dei limiti dell'area grafica. Il cerchio inserito deve rimanere nella zona positiva "
              "dell'area grafica. Reinserire il raggio oppure spostare il centro almeno nel punto di coordinate ( 3,5 ; 3,5 ) .");
    cerchio(0.05f, 5, "0.1");  // proposed as typed, not as its float neighbour
    EXPECT_NE(avvisi(true).find("( 0,1 ; 0,1 )"), std::string::npos);
    impostaseparatore('.');
    for (const char* r : {"0", "abc", "-1", ""}) {
        cerchio(8, 8, r);
        EXPECT_EQ(avvisi(true),
                  "Cerchio degenere. Il cerchio inserito è degenere. Reinserire il raggio che deve essere maggiore di zero.");
    }
    EXPECT_EQ(std::make_pair(f.sez.prossimocerchio, f.costruzione.puntocerchio), std::make_pair(2, 0));
}

TEST_F(Finestra, densita_e_raggio_si_giudicano_come_saranno_memorizzati) {
    const char* const D = "Densità fuori dei limiti.", *const G = "Raggio fuori dei limiti.";
    const char* casi[][3] = {
        {"1e39", "1", D},  {"1e38", "2", D},     // beyond a float; its mass is
        {"1e-50", "1", D}, {"1e-44", "0.1", D},  // zero as a float; a subnormal whose mass is zero
        {"1", "1e-50", G}, {"1", "1e-40", G},    // its area is zero
        {"1", "1e39", G},  {"1", "1e20", G},     // its area is infinite
        {"0", "1", ""},    {"abc", "1", ""},     // density 0 is allowed, and so is no number
        {"-1e-30", "1", ""},
    };
    for (const auto& [d, r, titolo] : casi) {
        const Sezione prima = f.sez;
        cerchio(3, 3, r, d);
        EXPECT_EQ(avvisi(), titolo) << d << " " << r;
        EXPECT_EQ(prova::uguali(prima, f.sez), *titolo != 0) << d << " " << r;
    }
    EXPECT_EQ(f.sez.prossimocerchio, 4);
    EXPECT_EQ(campi(f.sez.cerchi[2], C::densita, C::massa), "0 0");

    // A rectangle or triangle refused for its density keeps waiting for its last point.
    rettangolo(1, 1, 4, 4, "1e-60");
    densita("3e38");  // |density| x area overflows
    clicca(15, 10);
    EXPECT_EQ(avvisi(true), std::string(D) + " La densità inserita è troppo piccola per essere memorizzata. Reinserire la densità. | " +
                                D + " La densità inserita è troppo grande per il calcolo. Reinserire la densità.");
    densita("2");
    clicca(15, 10);
    EXPECT_EQ(f.sez.rettangoli[1][R::massa], 252);
    triangolo(1, 1, 5, 1, 1, 5, "1e39");
    EXPECT_EQ(std::make_pair(f.costruzione.puntotriangolo, f.sez.prossimotriangolo), std::make_pair(2, 1));
    EXPECT_EQ(avvisi(), D);
    cerchio(5, 5, "1e-50");
    cerchio(5, 5, "1e39");
    EXPECT_EQ(avvisi(true), std::string(G) + " Il raggio inserito è troppo piccolo per essere memorizzato. Reinserire il "
                                "raggio. | " + G + " Il raggio inserito è troppo grande per essere memorizzato. Reinserire il raggio.");
}

TEST_F(Finestra, l_anteprima_segue_il_punto_della_mossa_precedente) {
    const auto ultima = [this] {
        const Primitiva& p = f.pic.immagine.primitive.back();
        return std::make_tuple(p.forma, p.x1, p.y1, p.x2, p.y2, p.colore, p.forma == Forma::Rettangolo ? p.riempimento : 0);
    };
    f.mnuStrumentiRettangolo_Click();
    f.picAreagrafica_MouseDown(1, 12 - 1);  // no move before: the point comes from the click itself
    EXPECT_EQ(campi(f.sez.rettangoli[1], R::x1, R::y1), "1 1");
    muovi(4, 3);  // the preview uses the readout as the previous move left it: (1, 1)
    muovi(6, 5);  // now the box reaches (4, 3)
    EXPECT_EQ(ultima(), std::make_tuple(Forma::Rettangolo, 1.f, 11.f, 4.f, 9.f, f.pic.primopiano, f.colori.coloresezione));
    densita("-1");
    muovi(6, 6);
    EXPECT_EQ(ultima(), std::make_tuple(Forma::Rettangolo, 1.f, 11.f, 6.f, 7.f, f.colori.coloresezione, f.colori.coloresfondo));
    densita("0");
    muovi(6, 7);
    EXPECT_TRUE(prova::dicolore(f.pic.immagine, Forma::Rettangolo, f.colori.coloresezione).empty());
    // Without a construction nothing is drawn: the shell has nothing to repaint.
    densita("1");
    clicca(6, 7);
    const uint64_t versione = f.pic.versione;
    muovi(9, 9);
    EXPECT_EQ(f.pic.versione, versione);

    f.mnuStrumentiTriangolo_Click();
    clicca(10, 1);
    clicca(14, 1);
    muovi(12, 5);
    muovi(12, 6);
    const Primitiva& lato = f.pic.immagine.primitive[f.pic.immagine.primitive.size() - 2];  // side 1-2
    EXPECT_EQ(std::make_tuple(lato.x1, lato.x2, lato.colore), std::make_tuple(10.f, 14.f, f.colori.coloresezione));
    EXPECT_EQ(ultima(), std::make_tuple(Forma::Segmento, 14.f, 11.f, 12.f, 7.f, f.colori.coloresezione, 0u));

    f.mnuStrumentiLinea_Click();
    densita("0");  // the line preview does not care
    clicca(2, 10);
    muovi(5, 10);
    muovi(5, 11);
    EXPECT_EQ(ultima(), std::make_tuple(Forma::Segmento, 2.f, 2.f, 5.f, 2.f, f.colori.colorelinea, 0u));
}

namespace {

// One token per primitive: kind, then + for the section colour, - for the
// background colour, L for the line colour (fill colour for boxes and circles).
std::string firma(const FrmVask_2& f) {
    std::string out;
    for (const Primitiva& p : f.pic.immagine.primitive) {
        const bool pieno = p.forma == Forma::Rettangolo || p.forma == Forma::Cerchio;
        const uint32_t c = pieno ? p.riempimento : p.colore;
        out += std::string(1, "SRC.P"[int(p.forma)]) +
               (c == f.colori.colorelinea ? "L " : c == f.colori.coloresezione ? "+ " : c == f.colori.coloresfondo ? "- " : "? ");
    }
    return out;
}

}  // namespace

TEST_F(Finestra, la_rigenerazione_dipinge_i_fori_sopra_i_pieni_nei_colori_scelti_e_le_linee_in_cima) {
    f.mnuPreferenzeSfondoBianco_Click();
    f.mnuPreferenzeSezioneGiallo_Click();
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
    // Solids, then each fill pass paints every triangle in table order, holes, lines.
    EXPECT_EQ(firma(f), "R+ S+ S+ S+ P- P+ C+ SL S+ S+ S+ P- P+ R- C- SL SL ");
    EXPECT_TRUE(f.pic.sovrapposto.primitive.empty());
    EXPECT_EQ(f.pic.sfondo, BIANCO);
    const auto& p = f.pic.immagine.primitive;
    EXPECT_EQ(p[0].colore, f.pic.primopiano);  // solid box: foreground outline
    EXPECT_TRUE(p[0].riempito && p[13].riempito);
    EXPECT_EQ(std::make_pair(p[13].colore, p[14].colore), std::make_pair(GIALLO, GIALLO));  // holes: section outline
    EXPECT_EQ(std::make_tuple(p[0].x1, p[0].y1, p[0].x2, p[0].y2), std::make_tuple(0.f, 12.f, 10.f, 2.f));

    f.mnuPreferenzeLineaRosso_Click();
    f.mnuPreferenzeSpessori2_Click();
    EXPECT_EQ(p.back().colore, ROSSO);
    EXPECT_EQ(f.pic.spessore, 2);
    for (const Primitiva& q : p) EXPECT_EQ(q.spessore, 2);
    f.mnuPreferenzeSpessori1_Click();
    for (const Primitiva& q : p) EXPECT_EQ(q.spessore, 1);
}
