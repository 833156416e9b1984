// Points typed on the keyboard, Esc and Zoom estensioni.
#include "model/puntodigitato.h"
#include "sezioni.h"
#include "supporto.h"

using namespace vask;
using prova::Finestra;

TEST(PuntoDigitato, le_forme_ammesse_e_quelle_rifiutate) {
    const char* const esiti[] = {"Ammesso", "Forma", "Numero"};
    for (const prova::Riga& r : prova::dati("punti_digitati.tsv")) {
        PuntoDigitato p;
        const EsitoPunto e = leggipunto(r[0], p);
        EXPECT_EQ(esiti[int(e)], r[1]) << r.dove;
        if (e == EsitoPunto::Ammesso) {
            EXPECT_EQ(std::make_tuple(p.x, p.y, p.relativo), std::make_tuple(std::stod(r[2]), std::stod(r[3]), r.opzionale(4) == "@"))
                << r.dove;
        }
    }
}

// A flange 12 x 2 over a web 1 x 10 and its outline typed, snap on, some points
// relative, both separators: the results of the independent integration.
TEST_F(Finestra, un_esercizio_digitato_da_i_risultati_dell_integrazione) {
    fai("btnSnap mnuStrumentiRettangolo txtPunto=0,5;10 Invio txtPunto=@12;2 Invio txtPunto=6.5;0 Invio txtPunto=5,5;10 Invio "
        "mnuStrumentiLinea txtPunto=0.5;12 Invio txtPunto=12.5;12 Invio txtPunto=@0;0 Invio txtPunto=6.5;0 Invio "
        "txtPunto=6.5;0 Invio txtPunto=5.5;0 Invio txtPunto=@0;0 Invio txtPunto=0.5;12 Invio");
    EXPECT_EQ(leggi("! R1 R2 #L"), " 0.5 10 12.5 12 1 24 0 0 6.5 11 0 24 6.5 0 5.5 10 1 10 0 0 6 5 0 10 4");
    fai("btnEsegui");
    EXPECT_EQ(prova::giudica(f.ris.risultati + 1, true, prova::atteso(f.sez)), "");  // symmetric about x = 6.5
    EXPECT_EQ(f.copianocciolo.vask, 4);
}

// Relative points, refusals, the box's history, Esc at each half-done command, Zoom estensioni.
TEST(PuntiComandi, i_comandi_prendono_i_punti_digitati_ed_esc_li_abbandona) { prova::recita("punti_comandi.tsv"); }

// A file whose saved view misses its section keeps the view and says how to find it.
TEST_F(Finestra, un_file_con_la_vista_lontano_dalla_sezione_suggerisce_lo_zoom_estensioni) {
    Documento lontano;
    lontano.rettangoli.push_back({0, 500, 500, 510, 505, 1});
    ASSERT_EQ(f.apridocumento(lontano, "lontano.vask"), "");
    EXPECT_NE(testo("lblDescrizione").find("Zoom estensioni (F9)"), std::string::npos);
    EXPECT_EQ(leggi("lblOriginex lblOriginey lbl20x"), "0 0 20");
}
