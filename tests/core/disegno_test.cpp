// Composing a section with the mouse: the readout, the drawing commands with
// their checks and messages, the live preview, and what a regeneration paints.
#include "supporto.h"
#include <set>

#include "view/carta.h"

using namespace vask;
using prova::Finestra;

TEST(Disegno, i_clic_di_disegno_danno_punti_indicazioni_tabelle_e_rifiuti_dei_dati) { prova::recita("core_disegno.tsv"); }

TEST_F(Finestra, i_triangoli_degeneri_sono_rifiutati_nell_ordine_delle_regole) {
    f.mnuStrumentiTriangolo_Click();
    for (const prova::Riga& r : prova::dati("core_triangoli.tsv")) {
        const int prima = f.sez.prossimotriangolo, rifiuto = std::stoi(r[1]);
        fai(r[0]);
        EXPECT_EQ(f.sez.prossimotriangolo, prima + (rifiuto == 0)) << r.dove;
        EXPECT_EQ(avvisi(true), r.opzionale(2)) << r.dove;
        EXPECT_EQ(f.costruzione.puntotriangolo, rifiuto) << r.dove;
        f.costruzione.puntotriangolo = 0;  // start the next case afresh
    }
    // The accepted triangle keeps its click order and its signed area.
    EXPECT_EQ(leggi("T1"), "0 0 0 3 5 3 1 7.5 0 0 1.666667 2 0 7.5");
    // Slopes 3 and 3.0000002 in float, yet an area that rounds to 0: the
    // points exactly as written, from a grid of 0.1 in a window 5 wide.
    fai("btnZoomPiu btnZoomPiu txtPassoGriglia=0.1 btnGriglia mnuStrumentiSnapGriglia mnuStrumentiTriangolo 0,0 0.1,0.3 1,3");
    EXPECT_EQ(f.sez.triangoli[2][T::y2], 0.3f);
    EXPECT_EQ(avvisi(true), "Triangolo degenere. Il triangolo inserito è degenere. Reinserire il terzo punto.");
    EXPECT_EQ(f.sez.prossimotriangolo, 2);
}

TEST_F(Finestra, densita_e_raggio_si_giudicano_come_saranno_memorizzati) {
    for (const prova::Riga& r : prova::dati("core_densita.tsv")) {
        const Sezione prima = f.sez;
        fai("C 3 3 " + r[1] + " " + r[0]);
        EXPECT_EQ(avvisi(), r.opzionale(2)) << r.dove;
        EXPECT_EQ(prova::uguali(prima, f.sez), !r.opzionale(2).empty()) << r.dove;
    }
    EXPECT_EQ(leggi("#C C2"), "3 3 3 1 0 0 0 0 0 0");  // no mass, no signed area
}

// Holes are drawn first on purpose: the order of creation must not matter.
// One token per primitive after a regeneration: kind, then + for the section
// colour, - for the background, L for the line colour (fill colour for boxes
// and circles). Solids, then each fill pass paints every triangle in table
// order, holes, lines.
TEST_F(Finestra, la_rigenerazione_dipinge_i_fori_sopra_i_pieni_nei_colori_scelti_e_le_linee_in_cima) {
    fai("mnuPreferenzeSfondoBianco mnuPreferenzeSezioneGiallo R 2 2 4 4 -2 R 0 0 10 10 1 R 11 1 12 2 0 "
        "T 12 0 16 0 12 4 -1 T 12 5 16 5 12 9 3 T 16 6 18 6 16 8 0 txtRaggio=1 C 5 7 1 -1 C 15 10 1 2 C 18 10 1 0 "
        "L 0 0 10 0 mnuVisualizzaRigenera");
    std::string firma;
    for (const Primitiva& p : f.pic.immagine.primitive) {
        const uint32_t c = p.forma == Forma::Rettangolo || p.forma == Forma::Cerchio ? p.riempimento : p.colore;
        firma += std::string(1, "SRC.P"[int(p.forma)]) +
                 (c == f.colori.colorelinea ? "L " : c == f.colori.coloresezione ? "+ " : c == f.colori.coloresfondo ? "- " : "? ");
    }
    EXPECT_EQ(firma, "R+ S+ S+ S+ P- P+ C+ SL S+ S+ S+ P- P+ R- C- SL SL ");
    EXPECT_TRUE(f.pic.sovrapposto.primitive.empty());
    EXPECT_EQ(f.pic.sfondo, BIANCO);
    const auto& p = f.pic.immagine.primitive;
    EXPECT_EQ(p[0].colore, f.pic.primopiano);  // solid box: foreground outline
    EXPECT_TRUE(p[0].riempito && p[13].riempito);
    EXPECT_EQ(std::make_pair(p[13].colore, p[14].colore), std::make_pair(GIALLO, GIALLO));  // holes: section outline
    EXPECT_EQ(std::make_tuple(p[0].x1, p[0].y1, p[0].x2, p[0].y2), std::make_tuple(0.f, 12.f, 10.f, 2.f));
    fai("mnuPreferenzeLineaRosso mnuPreferenzeSpessori2");
    EXPECT_EQ(std::make_pair(p.back().colore, f.pic.spessore), std::make_pair(ROSSO, 2));
    for (const Primitiva& q : p) EXPECT_EQ(q.spessore, 2);
    fai("mnuPreferenzeSpessori1");
    for (const Primitiva& q : p) EXPECT_EQ(q.spessore, 1);
}

// On paper: the section grey with black outlines, holes white, the rest
// darkened to a luminance that reads on white, hue kept.
TEST_F(Finestra, su_carta_la_sezione_e_grigia_i_fori_bianchi_il_resto_scurito) {
    const std::pair<uint32_t, uint32_t> scuri[] = {{VERDE, 0x009900}, {CIANO, 0x808000}, {GIALLO, 0x006666},
                                                   {BIANCO, 0x5A5A5A}, {ROSSO, ROSSO}, {BLU, BLU}, {NERO, NERO}};
    for (const auto& [colore, atteso] : scuri) EXPECT_EQ(scurito(colore), atteso) << colore;
    fai("R 2 2 8 8 1 R 4 4 6 6 -1 T 9 2 12 2 9 6 1 L 2 2 12 2 L 12 2 9 6 L 9 6 2 8 L 2 8 2 2 btnGriglia btnEsegui btnEllisseCentrale");
    const Superficie c = sucarta(f.pic, f.colori.coloresfondo, f.colori.coloresezione, f.colori.coloregriglia);
    EXPECT_EQ(c.sfondo, BIANCO);
    std::set<std::string> visti;
    for (const Strato* st : {&c.immagine, &c.sovrapposto})
        for (const Primitiva& q : st->primitive) {
            const uint32_t r = q.colore & 0xFF, g = q.colore >> 8 & 0xFF, b = q.colore >> 16 & 0xFF;
            if (q.forma == Forma::Segmento && q.colore == GRIGLIACARTA) visti.insert("griglia");
            else if (q.forma != Forma::Poligono) EXPECT_LE(0.299 * r + 0.587 * g + 0.114 * b, 90.5) << int(q.forma) << " " << q.colore;
            if (q.forma == Forma::Rettangolo && q.riempito)
                visti.insert(q.riempimento == GRIGIOCARTA ? "pieno" : q.riempimento == BIANCO ? "foro" : "?");
            if (q.forma == Forma::Poligono) visti.insert(q.colore == GRIGIOCARTA ? "triangolo" : "?");
            if (q.forma == Forma::Segmento && q.colore == 0x009900) visti.insert("linea");
            if (q.forma == Forma::Polilinea && q.colore == BLU) visti.insert("ellisse");
        }
    EXPECT_EQ(visti, (std::set<std::string>{"ellisse", "foro", "griglia", "linea", "pieno", "triangolo"}));
}
