// Composing a section with the mouse: the readout, the drawing commands with
// their checks and messages, and the live preview.
#include <cstring>

#include "supporto.h"

using namespace vask;
using prova::Finestra;

TEST_F(Finestra, la_lettura_mostra_le_coordinate_del_mondo_e_perde_il_colore_quando_cambia) {
    f.picAreagrafica_MouseMove(0, 12);
    EXPECT_EQ(testo("lblCoordinataX"), "0");
    EXPECT_EQ(testo("lblCoordinataY"), "0");
    f.picAreagrafica_MouseMove(20, 0);
    EXPECT_EQ(testo("lblCoordinataX"), "20");
    EXPECT_EQ(testo("lblCoordinataY"), "12");
    f.picAreagrafica_MouseMove(3.123456789f, 12 - 0.375f);
    EXPECT_EQ(testo("lblCoordinataX"), "3.123457");  // seven significant digits
    EXPECT_EQ(testo("lblCoordinataY"), "0.375");

    f.ctl.sfondo("lblCoordinataX", CIANO);
    f.ctl.sfondo("lblCoordinataY", CIANO);
    f.picAreagrafica_MouseMove(5, 12 - 0.375f);  // only x changes
    EXPECT_EQ(f.ctl.sfondo("lblCoordinataX"), FACCIA);
    EXPECT_EQ(f.ctl.sfondo("lblCoordinataY"), CIANO);

    f.assey_MouseMove("lbl12y");
    EXPECT_EQ(f.ctl["lbl12y"].suggerimento, "12");
}

TEST_F(Finestra, un_clic_senza_movimento_prende_il_punto_dal_clic) {
    f.mnuStrumentiRettangolo_Click();
    f.picAreagrafica_MouseDown(2, 12 - 3);  // no move before: the readout is empty
    EXPECT_EQ(f.costruzione.puntorettangolo, 1);
    EXPECT_EQ(f.sez.rettangoli[1][R::x1], 2);
    EXPECT_EQ(f.sez.rettangoli[1][R::y1], 3);
    f.picAreagrafica_MouseDown(5, 12 - 7);  // a touch somewhere else
    EXPECT_EQ(f.sez.rettangoli[1][R::x2], 5);
    EXPECT_EQ(f.sez.rettangoli[1][R::y2], 7);
    EXPECT_TRUE(msg.chieste.empty());
}

TEST_F(Finestra, un_rettangolo_si_disegna_con_due_clic_e_registra_tutti_i_suoi_campi) {
    f.btnRettangolo_Click();
    EXPECT_EQ(testo("lblContatore"), "0");
    densita("2");
    clicca(4, 6);
    EXPECT_EQ(testo("lblPrimoPuntoX"), "4");
    EXPECT_EQ(testo("lblSecondoPuntoX"), "x2");
    EXPECT_EQ(testo("lblDescrizione"), "Disegna rettangolo: Inserisci le coordinate dell'angolo opposto.");
    clicca(1, 2);
    const float* r = f.sez.rettangoli[1];
    EXPECT_EQ(r[R::x1], 4);
    EXPECT_EQ(r[R::y1], 6);
    EXPECT_EQ(r[R::x2], 1);
    EXPECT_EQ(r[R::y2], 2);
    EXPECT_EQ(r[R::xg], 2.5f);
    EXPECT_EQ(r[R::yg], 4);
    EXPECT_EQ(r[R::densita], 2);
    EXPECT_EQ(r[R::area], 12);
    EXPECT_EQ(r[R::massa], 24);
    EXPECT_EQ(f.sez.puntirettangoli[1][9], 2.5f);
    EXPECT_EQ(f.sez.prossimorettangolo, 2);
    EXPECT_EQ(f.costruzione.puntorettangolo, 0);
    EXPECT_EQ(testo("lblContatore"), "1");
    EXPECT_EQ(testo("lblSecondoPuntoY"), "2");
    EXPECT_EQ(testo("lblDescrizione"),
              "Disegna rettangolo: Inserisci le coordinate di un angolo e la densità.");

    densita("-2");
    clicca(5, 5);
    clicca(7, 8);
    EXPECT_EQ(f.sez.rettangoli[2][R::area], -6);
    EXPECT_EQ(f.sez.rettangoli[2][R::massa], -12);
    // Degenerate: the second corner shares its y with the first.
    clicca(8, 1);
    clicca(9, 1);
    ASSERT_EQ(msg.chieste.size(), 1u);
    EXPECT_EQ(msg.chieste[0].titolo, "Rettangolo degenere.");
    EXPECT_EQ(msg.chieste[0].testo, "Il rettangolo inserito è degenere. Reinserire il secondo punto.");
    EXPECT_EQ(msg.chieste[0].icona, Icona::Esclamazione);
    EXPECT_EQ(f.costruzione.puntorettangolo, 1);
    EXPECT_EQ(f.sez.prossimorettangolo, 3);
    clicca(9, 3);
    EXPECT_EQ(f.sez.prossimorettangolo, 4);
    EXPECT_EQ(f.sez.rettangoli[3][R::x1], 8);
}

TEST_F(Finestra, il_sesto_rettangolo_e_l_undicesima_linea_sono_rifiutati_senza_modifiche) {
    for (int i = 0; i < 5; ++i) rettangolo(i, 0, i + 1, 1);
    const Sezione prima = f.sez;
    clicca(10, 10);
    ASSERT_EQ(msg.chieste.size(), 1u);
    EXPECT_EQ(msg.chieste[0].titolo, "Rettangoli esauriti.");
    EXPECT_EQ(msg.chieste[0].testo, "Non puoi usare più di 5 rettangoli.");
    EXPECT_EQ(f.costruzione.puntorettangolo, 0);
    EXPECT_EQ(f.sez.prossimorettangolo, 6);
    EXPECT_EQ(0, std::memcmp(&prima, &f.sez, sizeof prima));

    for (int i = 0; i < 10; ++i) linea(i, 2, i + 1, 3);
    EXPECT_EQ(f.sez.l, 11);
    msg.chieste.clear();
    const Sezione piena = f.sez;
    clicca(1, 9);
    EXPECT_EQ(0, std::memcmp(&piena, &f.sez, sizeof piena));
    ASSERT_EQ(msg.chieste.size(), 1u);
    EXPECT_EQ(msg.chieste[0].titolo, "Linee esaurite.");
    EXPECT_EQ(msg.chieste[0].testo, "Non puoi usare più di 10 linee.");
    EXPECT_EQ(f.costruzione.puntolinea, 0);

    for (int i = 0; i < 5; ++i) triangolo(i, 4, i + 1, 4, i, 5);
    msg.chieste.clear();
    clicca(1, 9);
    EXPECT_EQ(msg.chieste.at(0).testo, "Non puoi usare più di 5 triangoli.");
    EXPECT_EQ(msg.chieste.at(0).titolo, "Triangoli esauriti.");
    for (int i = 0; i < 5; ++i) cerchio(2 + 2 * i, 8, "1");
    msg.chieste.clear();
    clicca(3, 10);
    EXPECT_EQ(msg.chieste.at(0).testo, "Non puoi usare più di 5 Cerchi.");
    EXPECT_EQ(msg.chieste.at(0).titolo, "cerchi esauriti.");
    EXPECT_EQ(f.sez.prossimocerchio, 6);
}

TEST_F(Finestra, i_triangoli_degeneri_sono_rifiutati_nell_ordine_delle_regole) {
    struct Caso {
        float p[6];
        int puntoalrifiuto;  // construction counter after the refusal, 0: accepted
    } casi[] = {
        {{0, 0, 2, 2, 4, 4}, 2},  // same slope
        {{1, 0, 1, 5, 1, 9}, 2},  // one vertical
        {{0, 3, 4, 3, 9, 3}, 2},  // one horizontal
        {{0, 0, 3, 1, 0, 0}, 2},  // third equals the first
        {{0, 0, 3, 1, 3, 1}, 2},  // third equals the second
        {{0, 0, 0, 3, 5, 3}, 0},  // accepted: no slope test, not on one vertical
        {{2, 2, 2, 2, 0, 0}, 1},  // second vertex equals the first
    };
    for (const Caso& c : casi) {
        f.mnuStrumentiTriangolo_Click();
        msg.chieste.clear();
        const int prima = f.sez.prossimotriangolo;
        clicca(c.p[0], c.p[1]);
        clicca(c.p[2], c.p[3]);
        if (c.puntoalrifiuto != 1) clicca(c.p[4], c.p[5]);
        if (c.puntoalrifiuto == 0) {
            EXPECT_TRUE(msg.chieste.empty());
            EXPECT_EQ(f.sez.prossimotriangolo, prima + 1);
            continue;
        }
        ASSERT_EQ(msg.chieste.size(), 1u) << c.p[4];
        EXPECT_EQ(msg.chieste[0].titolo, "Triangolo degenere.");
        EXPECT_EQ(msg.chieste[0].testo,
                  c.puntoalrifiuto == 2 ? "Il triangolo inserito è degenere. Reinserire il terzo punto."
                                        : "Il lato inserito è degenere. Reinserire il secondo punto.");
        EXPECT_EQ(f.costruzione.puntotriangolo, c.puntoalrifiuto);
        EXPECT_EQ(f.sez.prossimotriangolo, prima);
        f.costruzione.puntotriangolo = 0;  // start the next case afresh
    }
    // The accepted triangle keeps its click order and its signed area.
    const float* t = f.sez.triangoli[1];
    EXPECT_EQ(t[T::x3], 5);
    EXPECT_EQ(t[T::area], 7.5f);
    EXPECT_EQ(t[T::xg], 5.0f / 3);
    EXPECT_EQ(t[T::yg], 2);
}

TEST_F(Finestra, il_cerchio_deve_restare_nella_zona_positiva) {
    cerchio(3, 5, "3");
    EXPECT_TRUE(msg.chieste.empty());
    EXPECT_EQ(f.sez.cerchi[1][C::raggio], 3);
    EXPECT_FLOAT_EQ(f.sez.cerchi[1][C::area], 3.1415927f * 9);
    EXPECT_EQ(f.sez.punticerchi[1][9], 3);  // (xc, yc - r)
    EXPECT_EQ(f.sez.punticerchi[1][10], 2);
    EXPECT_EQ(testo("lblContatore"), "1");

    impostaseparatore(',');
    cerchio(3, 5, "3.5");
    ASSERT_EQ(msg.chieste.size(), 1u);
    EXPECT_EQ(msg.chieste[0].titolo, "Cerchio fuori dei limiti dell'area grafica.");
    EXPECT_EQ(msg.chieste[0].testo,
              "Il cerchio inserito deve rimanere nella zona positiva dell'area grafica. Reinserire "
              "il raggio oppure spostare il centro almeno nel punto di coordinate ( 3,5 ; 3,5 ) .");
    EXPECT_EQ(f.costruzione.puntocerchio, 0);
    EXPECT_EQ(f.sez.prossimocerchio, 2);

    // A radius typed as 0.1 is proposed as 0.1, not as its float neighbour.
    cerchio(0.05f, 5, "0.1");
    EXPECT_NE(msg.chieste.back().testo.find("( 0,1 ; 0,1 )"), std::string::npos);
    impostaseparatore('.');

    for (const char* r : {"0", "abc", "-1", ""}) {
        msg.chieste.clear();
        cerchio(8, 8, r);
        ASSERT_EQ(msg.chieste.size(), 1u) << r;
        EXPECT_EQ(msg.chieste[0].titolo, "Cerchio degenere.");
        EXPECT_EQ(msg.chieste[0].testo,
                  "Il cerchio inserito è degenere. Reinserire il raggio che deve essere maggiore di zero.");
    }
    EXPECT_EQ(f.sez.prossimocerchio, 2);
}

TEST_F(Finestra, una_densita_non_numerica_vale_zero_e_una_enorme_e_rifiutata) {
    rettangolo(1, 1, 3, 4, "abc");
    EXPECT_EQ(f.sez.prossimorettangolo, 2);
    EXPECT_EQ(f.sez.rettangoli[1][R::densita], 0);
    EXPECT_EQ(f.sez.rettangoli[1][R::area], 0);
    EXPECT_EQ(f.sez.rettangoli[1][R::massa], 0);
    for (const Primitiva& p : f.pic.immagine.primitive) EXPECT_NE(p.forma, Forma::Rettangolo);

    // |density| x area would overflow a float: refused, nothing stored.
    rettangolo(5, 5, 15, 10, "3e38");
    ASSERT_EQ(msg.chieste.size(), 1u);
    EXPECT_EQ(msg.chieste[0].titolo, "Densità fuori dei limiti.");
    EXPECT_EQ(f.sez.prossimorettangolo, 2);
    EXPECT_EQ(f.sez.rettangoli[2][R::x2], 0);
    EXPECT_EQ(f.costruzione.puntorettangolo, 1);  // still waiting for the opposite corner
    densita("2");
    clicca(15, 10);
    EXPECT_EQ(f.sez.prossimorettangolo, 3);
    EXPECT_EQ(f.sez.rettangoli[2][R::massa], 100);
}

TEST_F(Finestra, una_costruzione_in_sospeso_riprende_dopo_un_cambio_di_tipo) {
    f.mnuStrumentiRettangolo_Click();
    clicca(1, 1);
    f.btnCerchio_Click();
    raggio("1");
    clicca(5, 5);  // a circle meanwhile
    EXPECT_EQ(f.sez.prossimocerchio, 2);
    EXPECT_EQ(f.costruzione.puntorettangolo, 1);
    f.btnDisegna_Click();  // calculate state
    f.btnRettangolo_Click();
    f.btnDisegna_Click();  // back to drawing with the rectangle kind
    EXPECT_TRUE(f.costruzione.disegnorettangolo);
    clicca(3, 4);  // the opposite corner of the pending rectangle
    EXPECT_EQ(f.sez.prossimorettangolo, 2);
    EXPECT_EQ(f.sez.rettangoli[1][R::x1], 1);
    EXPECT_EQ(f.sez.rettangoli[1][R::x2], 3);
    EXPECT_EQ(f.costruzione.puntorettangolo, 0);
}

TEST_F(Finestra, le_linee_di_chiusura_hanno_due_estremi_diversi) {
    linea(1, 1, 1, 1);
    ASSERT_EQ(msg.chieste.size(), 1u);
    EXPECT_EQ(msg.chieste[0].titolo, "Linea degenere.");
    EXPECT_EQ(msg.chieste[0].testo, "La linea inserita è degenere. Reinserire il secondo punto.");
    EXPECT_EQ(f.costruzione.puntolinea, 1);
    clicca(4, 1);
    EXPECT_EQ(f.sez.l, 2);
    EXPECT_EQ(f.sez.puntilinee[1][3], 4);
    EXPECT_EQ(testo("lblContatore"), "1");
    EXPECT_EQ(testo("lblDescrizione"),
              "Disegna linea: Inserisci le coordinate del primo estremo del segmento.");
}

TEST_F(Finestra, l_anteprima_segue_il_punto_della_mossa_precedente) {
    f.mnuStrumentiRettangolo_Click();
    clicca(1, 1);
    muovi(4, 3);  // the preview uses the readout as the previous move left it: (1, 1)
    muovi(6, 5);  // now the box reaches (4, 3)
    const Primitiva& box = f.pic.immagine.primitive.back();
    ASSERT_EQ(box.forma, Forma::Rettangolo);
    EXPECT_EQ(box.x1, 1);
    EXPECT_EQ(box.y1, 11);
    EXPECT_EQ(box.x2, 4);
    EXPECT_EQ(box.y2, 9);
    EXPECT_EQ(box.riempimento, f.colori.coloresezione);

    densita("-1");
    muovi(6, 6);
    EXPECT_EQ(f.pic.immagine.primitive.back().riempimento, f.colori.coloresfondo);
    EXPECT_EQ(f.pic.immagine.primitive.back().colore, f.colori.coloresezione);
    densita("0");
    muovi(6, 7);
    for (const Primitiva& p : f.pic.immagine.primitive) EXPECT_NE(p.forma, Forma::Rettangolo);
    // Without a construction nothing but the picture itself is drawn.
    densita("1");
    clicca(6, 7);
    const size_t n = f.pic.immagine.primitive.size();
    const uint64_t versione = f.pic.versione;
    muovi(9, 9);
    EXPECT_EQ(f.pic.immagine.primitive.size(), n);
    EXPECT_EQ(f.pic.versione, versione);  // the shell has nothing to repaint

    f.mnuStrumentiTriangolo_Click();
    clicca(10, 1);
    clicca(14, 1);
    muovi(12, 5);
    muovi(12, 6);
    const auto& p = f.pic.immagine.primitive;
    ASSERT_GE(p.size(), 2u);
    EXPECT_EQ(p[p.size() - 2].x1, 10);  // side 1-2
    EXPECT_EQ(p[p.size() - 2].x2, 14);
    EXPECT_EQ(p.back().x1, 14);  // side 2-cursor
    EXPECT_EQ(p.back().x2, 12);
    EXPECT_EQ(p.back().y2, 12 - 5);

    f.mnuStrumentiLinea_Click();
    densita("0");  // the line preview does not care
    clicca(2, 10);
    muovi(5, 10);
    muovi(5, 11);
    EXPECT_EQ(f.pic.immagine.primitive.back().colore, f.colori.colorelinea);
    EXPECT_EQ(f.pic.immagine.primitive.back().x2, 5);
}

TEST_F(Finestra, a_tabella_piena_nessuna_anteprima) {
    for (int i = 0; i < 5; ++i) rettangolo(i, 0, i + 1, 1);
    f.costruzione.puntorettangolo = 1;  // as if a first corner were pending
    f.pic.immagine.svuota();
    muovi(10, 10);
    muovi(11, 11);
    EXPECT_TRUE(f.pic.immagine.primitive.empty());
}

TEST_F(Finestra, triangolo_e_cerchio_mostrano_punti_contatore_e_indicazioni_a_ogni_clic) {
    f.ctl.testo("lblSecondoPuntoX", "vecchio");
    f.mnuStrumentiTriangolo_Click();
    const auto punti = [this] {
        std::string s;
        for (const char* n : {"lblPrimoPuntoX", "lblPrimoPuntoY", "lblSecondoPuntoX",
                              "lblSecondoPuntoY", "lblTerzoPuntoX", "lblTerzoPuntoY"})
            s += testo(n) + " ";
        return s;
    };
    clicca(1.5f, 2);
    EXPECT_EQ(punti(), "1.5 2 x2 y2 x3 y3 ");
    EXPECT_EQ(testo("lblDescrizione"), "Disegna triangolo: Inserisci le coordinate del secondo vertice.");
    f.ctl.testo("lblTerzoPuntoX", "vecchio");
    clicca(6, 2);
    EXPECT_EQ(punti(), "1.5 2 6 2 x3 y3 ");
    EXPECT_EQ(testo("lblDescrizione"), "Disegna triangolo: Inserisci le coordinate del terzo vertice.");
    EXPECT_EQ(testo("lblContatore"), "0");
    clicca(3, 7.25f);
    EXPECT_EQ(punti(), "1.5 2 6 2 3 7.25 ");
    EXPECT_EQ(testo("lblDescrizione"),
              "Disegna triangolo: Inserisci le coordinate del primo vertice e la densità.");
    EXPECT_EQ(testo("lblContatore"), "1");
    EXPECT_EQ(f.sez.puntitriangoli[1][7], 3.5f);  // centroid
    EXPECT_EQ(f.sez.triangoli[1][T::xg], 3.5f);

    cerchio(4, 5, "1");
    cerchio(9, 5, "2");
    EXPECT_EQ(punti(), "9 5 x2 y2 x3 y3 ");
    EXPECT_EQ(testo("lblContatore"), "2");
    // The circle leaves the hint bar to the next mouse move.
    EXPECT_EQ(testo("lblDescrizione"),
              "Disegna cerchio: Inserisci le coordinate del centro, la lunghezza del raggio e la "
              "densità.");
}

TEST_F(Finestra, densita_e_raggio_si_giudicano_come_saranno_memorizzati) {
    struct Caso {
        const char* densita;
        const char* raggio;
        const char* titolo;  // nullptr: accepted
    } casi[] = {
        {"1e39", "1", "Densità fuori dei limiti."},      // beyond a float
        {"1e38", "2", "Densità fuori dei limiti."},      // its mass is
        {"1e-50", "1", "Densità fuori dei limiti."},     // zero as a float
        {"1e-44", "0.1", "Densità fuori dei limiti."},   // a subnormal whose mass is zero
        {"1", "1e-50", "Raggio fuori dei limiti."},
        {"1", "1e-40", "Raggio fuori dei limiti."},      // its area is zero
        {"1", "1e39", "Raggio fuori dei limiti."},
        {"1", "1e20", "Raggio fuori dei limiti."},       // its area is infinite
        {"1", "0", "Cerchio degenere."},
        {"0", "1", nullptr},                             // density 0 is allowed
        {"-1e-30", "1", nullptr},
    };
    for (const Caso& c : casi) {
        msg.chieste.clear();
        const Sezione prima = f.sez;
        cerchio(3, 3, c.raggio, c.densita);
        if (!c.titolo) {
            EXPECT_TRUE(msg.chieste.empty()) << c.densita;
            EXPECT_EQ(f.sez.prossimocerchio, prima.prossimocerchio + 1);
            continue;
        }
        ASSERT_EQ(msg.chieste.size(), 1u) << c.densita << " " << c.raggio;
        EXPECT_EQ(msg.chieste[0].titolo, c.titolo) << c.densita << " " << c.raggio;
        EXPECT_EQ(0, std::memcmp(&prima, &f.sez, sizeof prima)) << c.densita << " " << c.raggio;
        EXPECT_EQ(f.costruzione.puntocerchio, 0);
    }
    // A rectangle refused for its density keeps waiting for its second corner.
    msg.chieste.clear();
    rettangolo(1, 1, 4, 4, "1e-60");
    ASSERT_EQ(msg.chieste.size(), 1u);
    EXPECT_EQ(msg.chieste[0].testo,
              "La densità inserita è troppo piccola per essere memorizzata. Reinserire la densità.");
    EXPECT_EQ(f.costruzione.puntorettangolo, 1);
    densita("2");
    clicca(4, 4);
    EXPECT_EQ(f.sez.rettangoli[1][R::massa], 18);
}
