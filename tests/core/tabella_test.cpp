// The element table: cells edited as if drawn, refusals, undo, selection,
// copy and paste.
#include "sezioni.h"
#include "supporto.h"

using namespace vask;
using prova::Finestra;

TEST(Tabella, le_celle_dei_dati_sono_rifiutate_o_accettate_come_il_disegno) { prova::recita("tabella_celle.tsv"); }

// Edited in the table, then computed: the same tables, snap points and results as the section drawn with the
// new numbers (tabella_uguali.tsv).
TEST(Tabella, una_cella_modificata_da_l_elemento_disegnato_con_quel_numero) {
    for (const prova::Riga& r : prova::dati("tabella_uguali.tsv")) {
        prova::Banco a, b;
        a.fai(r[0] + " btnEsegui");
        b.fai(r[1] + " btnEsegui");
        EXPECT_EQ(a.avvisi(), "") << r.dove;
        EXPECT_TRUE(prova::uguali(a.f.sez, b.f.sez)) << r.dove;
        EXPECT_EQ(a.leggi("risultati"), b.leggi("risultati")) << r.dove;
    }
}

// A T section and its outline pasted from a spreadsheet, then copied back.
TEST_F(Finestra, un_esercizio_incollato_da_i_risultati_dell_integrazione_e_si_ricopia) {
    const std::string righe = "Elemento\tx1\ty1\tx2\ty2\n"
                              "Rettangolo\t0,5\t10\t12,5\t12\t\t\t\t\t\t1\n"
                              "Rettangolo\t6\t0\t7\t10\t\t\t\t\t\t1\n"
                              "Linea\t0.5\t12\t12.5\t12\nLinea\t6\t0\t7\t0\nLinea\t0.5\t12\t6\t0\nLinea\t12.5\t12\t7\t0\n";
    f.incollatabella(righe);
    EXPECT_EQ(leggi("! #R #L annulla"), " 2 4 Annulla: incolla 6 righe");
    fai("btnEsegui");
    EXPECT_EQ(prova::giudica(f.ris.risultati + 1, true, prova::atteso(f.sez)), "");
    EXPECT_EQ(leggi("lblAngoloxc"), "0");  // symmetric about x = 6.5
    EXPECT_EQ(f.testotabella({1, 5}), "Elemento\tx1\ty1\tx2\ty2\tx3\ty3\txc\tyc\traggio\tdensità\tarea\tmassa\n"
                                      "Rettangolo 2\t6\t0\t7\t10\t\t\t\t\t\t1\t10\t10\nLinea 4\t12.5\t12\t7\t0\t\t\t\t\t\t\t\t\n");
    // A refused row stops the paste; the rows before it are one step.
    fai("Si mnuFileNuovo");
    avvisi();
    // Lines ending in CR LF, as a spreadsheet on another system copies them.
    f.incollatabella("Cerchio\t\t\t\t\t\t\t5\t5\t2\t1\r\nCerchio\t\t\t\t\t\t\t1\t1\t2\t1\r\nLinea\t0\t0\t1\t1\r\n");
    EXPECT_EQ(leggi("! #C #L annulla"), "Cerchio fuori dei limiti dell'area grafica. 1 0 Annulla: incolla 1 riga");
}
