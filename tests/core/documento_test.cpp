// The section as a document and its history: a broken document changes
// nothing, undo brings back the results that went with the section, the
// unsaved mark follows the section.
#include <cmath>

#include "edit/storia.h"
#include "supporto.h"

using namespace vask;
using prova::Finestra;

TEST_F(Finestra, un_documento_sbagliato_e_rifiutato_e_non_cambia_nulla) {
    rettangolo(2, 2, 6, 4);
    linea(1, 1, 7, 1);
    f.btnZoomPiu_Click();
    const Documento buono = f.documento();
    struct Caso {
        const char* atteso;  // a piece of the message
        void (*guasta)(Documento&);
    } casi[] = {
        {"versione", [](Documento& d) { d.versione = 2; }},
        {"più di 5 rettangoli", [](Documento& d) { d.rettangoli.resize(6, d.rettangoli[0]); }},
        {"più di 10 linee", [](Documento& d) { d.linee.resize(11, d.linee[0]); }},
        {"non è finito", [](Documento& d) { d.rettangoli[0][R::densita] = std::nanf(""); }},
        {"rettangolo 1: rettangolo degenere", [](Documento& d) { d.rettangoli[0][R::x2] = 2; }},
        {"zona positiva", [](Documento& d) { d.rettangoli[0][R::y1] = -1; }},
        {"zona positiva", [](Documento& d) { d.linee[0][L::x2] = 5000; }},
        {"cerchio 1: esce", [](Documento& d) { d.cerchi.push_back({0, 3, 5, 4, 1}); }},
        {"cerchio 1: cerchio degenere", [](Documento& d) { d.cerchi.push_back({0, 3, 5, 0, 1}); }},
        {"triangolo 1: triangolo degenere", [](Documento& d) { d.triangoli.push_back({0, 0, 0, 2, 2, 4, 4, 1}); }},
        {"linea 1: linea degenere", [](Documento& d) { d.linee[0][L::x2] = 1, d.linee[0][L::y2] = 1; }},
        {"densità", [](Documento& d) { d.rettangoli[0][R::densita] = 1e38f; }},
        {"larghezza", [](Documento& d) { d.larghezza = 30; }},
        {"limiti", [](Documento& d) { d.sinistra = 5000; }},
        {"passo", [](Documento& d) { d.griglia = true, d.testopasso = "0"; }},
        {"spessore", [](Documento& d) { d.spessore = 3; }},
        {"colore", [](Documento& d) { d.coloresfondo = 0x1000000; }},
    };
    const Sezione prima = f.sez;
    for (const Caso& c : casi) {
        Documento d = buono;
        c.guasta(d);
        const std::string problema = f.apridocumento(d, "rotto.vask");
        EXPECT_NE(problema.find(c.atteso), std::string::npos) << c.atteso << " / " << problema;
        EXPECT_TRUE(prova::uguali(prima, f.sez)) << c.atteso;
        EXPECT_EQ(f.pic.scalewidth, 10);
        EXPECT_EQ(f.nomedocumento, "");
    }
    EXPECT_EQ(f.apridocumento(buono, "buono.vask"), "");
}

TEST(Storia, tiene_al_massimo_i_passi_piu_recenti_e_un_nuovo_passo_toglie_il_futuro) {
    Storia<int> s(200);
    for (int i = 0; i < 201; ++i) s.registra("passo " + std::to_string(i), i);
    EXPECT_EQ(s.passi(), 200u);
    int stato = 201;
    for (int i = 200; i >= 1; --i) {
        EXPECT_EQ(s.daannullare(), "passo " + std::to_string(i));
        stato = s.annulla(stato);
        EXPECT_EQ(stato, i);
    }
    EXPECT_FALSE(s.puoiannullare());  // step 0 was dropped
    stato = s.ripeti(stato);
    EXPECT_EQ(stato, 2);
    EXPECT_EQ(s.daripetereancora(), 199u);
    s.registra("altro", stato);
    EXPECT_FALSE(s.puoiripetere());
}

TEST_F(Finestra, annullare_uno_spostamento_riporta_anche_i_risultati_della_sezione_ferma) {
    rettangolo(2, 2, 6, 4);
    linea(2, 2, 6, 2);
    f.btnEsegui_Click();
    const std::string xg = testo("lblXg");
    const float ky = f.copianocciolo.puntinocciolo[1][2];
    seleziona(RETTANGOLO, 3, 3);
    sposta(3, 3, 8, 5);
    EXPECT_EQ(f.descrizioneannulla(), "Annulla: sposta rettangolo 1");
    f.mnuStrumentiSnapOggetto_Click();  // the kern of the unmoved section is no longer offered
    muovi(4.1f, ky + 0.1f);
    EXPECT_EQ(f.ctl.sfondo("lblCoordinataY"), FACCIA);
    f.btnEsegui_Click();
    EXPECT_NE(testo("lblXg"), xg);
    f.mnuEditaAnnulla_Click();
    EXPECT_EQ(f.sez.rettangoli[1][R::x1], 2);
    EXPECT_EQ(testo("lblXg"), xg);
    EXPECT_TRUE(f.ris.eseguito && f.ris.attuali);
    EXPECT_EQ(f.descrizioneripeti(), "Ripeti: sposta rettangolo 1");
    // The kern goes back with the results: object snap offers it again.
    muovi(4.1f, ky + 0.1f);
    EXPECT_EQ(f.ctl.sfondo("lblCoordinataY"), ROSSO);
}

TEST_F(Finestra, il_primo_annulla_abbandona_il_comando_in_corso_e_non_tocca_le_tabelle) {
    rettangolo(2, 2, 6, 4);
    linea(1, 1, 7, 1);
    const Sezione fatta = f.sez;
    const size_t passi = f.storia.passi();
    const auto abbandonato = [&](const char* comando) {
        EXPECT_TRUE(f.comandoinsospeso() && f.puoiannullare()) << comando;
        f.mnuEditaAnnulla_Click();
        EXPECT_FALSE(f.comandoinsospeso()) << comando;
        EXPECT_TRUE(prova::uguali(fatta, f.sez)) << comando;
        EXPECT_EQ(f.storia.passi(), passi) << comando;
    };
    f.mnuStrumentiRettangolo_Click();
    clicca(10, 10);
    abbandonato("rettangolo");
    f.mnuStrumentiTriangolo_Click();
    clicca(10, 10);
    clicca(12, 10);
    abbandonato("triangolo");
    f.mnuStrumentiLinea_Click();
    clicca(10, 10);
    abbandonato("linea");
    seleziona(RETTANGOLO, 3, 3);
    f.btnSposta_Click();
    clicca(3, 3);
    abbandonato("spostamento");
    seleziona(LINEA, 4, 1);
    f.btnModifica_Click();
    clicca(1, 1);
    abbandonato("estremo di linea");
    f.btnSeleziona_Click();  // the calculate state
    f.mnuStrumentiDistanza_Click();
    clicca(1, 1);
    abbandonato("distanza");
    f.mnuEditaAnnulla_Click();  // then undo goes on with the history
    EXPECT_EQ(f.sez.l, 1);
}

TEST_F(Finestra, il_segno_di_non_salvato_segue_la_sezione_e_la_storia_non_il_calcolo_ne_la_vista) {
    EXPECT_FALSE(f.modificata());
    EXPECT_EQ(f.titolo(), FrmVask_2::TITOLO);
    rettangolo(2, 2, 6, 4);
    EXPECT_TRUE(f.modificata());
    EXPECT_EQ(f.titolo(), std::string(FrmVask_2::TITOLO) + " *");
    f.documentosalvato("/una/cartella/trave.vask");
    EXPECT_FALSE(f.modificata());
    EXPECT_EQ(f.titolo(), std::string(FrmVask_2::TITOLO) + " - trave.vask");
    f.btnEsegui_Click();  // the inertia fields change, the section does not
    f.btnZoomPiu_Click();
    f.mnuPreferenzeSfondoBianco_Click();
    EXPECT_FALSE(f.modificata());
    f.mnuStrumentiRettangolo_Click();
    clicca(8, 8);  // a first corner is not yet an element
    EXPECT_FALSE(f.modificata());
    clicca(9, 9);
    EXPECT_TRUE(f.modificata());
    f.mnuEditaAnnulla_Click();
    EXPECT_FALSE(f.modificata());
    f.mnuEditaAnnulla_Click();
    EXPECT_TRUE(f.modificata());
    f.mnuEditaRipeti_Click();
    EXPECT_FALSE(f.modificata());
    f.mnuEditaRipeti_Click();
    seleziona(RETTANGOLO, 8.5f, 8.5f);
    msg.risposte = {Risposta::Si};
    f.btnCancella_Click();  // back to what was saved
    EXPECT_FALSE(f.modificata());
    nuovo();  // a new section: no file, nothing to save
    EXPECT_FALSE(f.modificata());
    EXPECT_EQ(f.nomedocumento, "");
}
