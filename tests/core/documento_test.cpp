// The section as a document and its history: a broken document changes
// nothing, undo brings back the results that went with the section, the
// unsaved mark follows the section.
#include <cctype>
#include <cmath>
#include <sstream>

#include "edit/storia.h"
#include "supporto.h"

using namespace vask;
using prova::Finestra;

TEST_F(Finestra, un_documento_sbagliato_e_rifiutato_e_non_cambia_nulla) {
    rettangolo(2, 2, 6, 4);
    linea(1, 1, 7, 1);
    f.btnZoomPiu_Click();
    const Documento buono = f.documento();
    // A piece of the message, and the fault.
    const std::pair<const char*, void (*)(Documento&)> casi[] = {
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
        {"triangolo 1: triangolo degenere", [](Documento& d) { d.triangoli.push_back({0, 0, 0, 0.1f, 0.3f, 1, 3, 1}); }},
        {"linea 1: linea degenere", [](Documento& d) { d.linee[0][L::x2] = 1, d.linee[0][L::y2] = 1; }},
        {"densità", [](Documento& d) { d.rettangoli[0][R::densita] = 1e38f; }},
        {"larghezza", [](Documento& d) { d.larghezza = 30; }},
        {"limiti", [](Documento& d) { d.sinistra = 5000; }},
        {"passo", [](Documento& d) { d.griglia = true, d.testopasso = "0"; }},
        {"spessore", [](Documento& d) { d.spessore = 3; }},
        {"colore", [](Documento& d) { d.coloresfondo = 0x1000000; }},
    };
    const Sezione prima = f.sez;
    for (const auto& [atteso, guasta] : casi) {
        Documento d = buono;
        guasta(d);
        const std::string problema = f.apridocumento(d, "rotto.vask");
        EXPECT_NE(problema.find(atteso), std::string::npos) << atteso << " / " << problema;
        EXPECT_TRUE(prova::uguali(prima, f.sez) && f.pic.scalewidth == 10 && f.nomedocumento.empty()) << atteso;
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

TEST_F(Finestra, annullare_riporta_il_pannello_dei_risultati_e_il_file_della_sezione) {
    rettangolo(2, 2, 6, 4);
    rettangolo(7, 2, 9, 3);
    f.btnEsegui_Click();
    const std::string area = testo("lblArea");
    seleziona(RETTANGOLO, 3, 3);  // the panel shows rectangle 1 meanwhile
    EXPECT_EQ(testo("lblArea") + " " + testo("lblDensitàAttuale"), "8 1");
    sposta(3, 3, 4, 5);
    f.mnuEditaAnnulla_Click();
    EXPECT_EQ(testo("lblArea") + " " + testo("lblDensitàAttuale"), area + " ");

    // Opening a file and starting anew are undone with the file they name.
    const std::string titolo = FrmVask_2::TITOLO;
    f.documentosalvato("/c/x.vask");
    Documento d = f.documento();
    d.rettangoli.pop_back();
    ASSERT_EQ(f.apridocumento(d, "/c/y.vask"), "");
    f.mnuEditaAnnulla_Click();
    EXPECT_EQ(f.titolo(), titolo + " - x.vask");
    f.mnuEditaRipeti_Click();
    EXPECT_EQ(f.titolo(), titolo + " - y.vask");
    nuovo();
    f.mnuEditaAnnulla_Click();
    EXPECT_EQ(f.titolo(), titolo + " - y.vask");
    f.mnuEditaRipeti_Click();
    EXPECT_EQ(f.titolo(), titolo);
}

TEST_F(Finestra, il_primo_annulla_abbandona_il_comando_in_corso_e_non_tocca_le_tabelle) {
    rettangolo(2, 2, 6, 4);
    linea(1, 1, 7, 1);
    const Sezione fatta = f.sez;
    const size_t passi = f.storia.passi();
    // Commands and world points, each command left half done.
    const std::pair<const char*, const char*> comandi[] = {
        {"rettangolo", "mnuStrumentiRettangolo 10 10"},     {"triangolo", "mnuStrumentiTriangolo 10 10 12 10"},
        {"linea", "mnuStrumentiLinea 10 10"},               {"spostamento", "mnuModificaRettangolo 3 3 btnSposta 3 3"},
        // A kind button and Selez. off take Sposta back to the face: the move waits still.
        {"spostamento, altro tipo", "mnuModificaRettangolo 3 3 btnSposta 3 3 btnTriangolo"},
        {"spostamento, Selez. spento", "mnuModificaRettangolo 3 3 btnSposta 3 3 btnSeleziona"},
        {"estremo di linea", "mnuModificaLinea 4 1 btnModifica 1 1"},
        {"distanza", "btnSeleziona mnuStrumentiDistanza 1 1"},  // from the calculate state
    };
    for (const auto& [nome, script] : comandi) {
        std::istringstream s(script);
        for (std::string t, y; s >> t;)
            if (std::isalpha(t[0])) ASSERT_TRUE(f.clic(t)) << t;
            else s >> y, clicca(std::stof(t), std::stof(y));
        EXPECT_TRUE(f.comandoinsospeso() && f.puoiannullare()) << nome;
        f.mnuEditaAnnulla_Click();
        EXPECT_TRUE(!f.comandoinsospeso() && prova::uguali(fatta, f.sez) && f.storia.passi() == passi) << nome;
    }
    f.mnuEditaAnnulla_Click();  // then undo goes on with the history
    EXPECT_EQ(f.sez.l, 1);
}

TEST_F(Finestra, il_segno_di_non_salvato_segue_la_sezione_e_la_storia_non_il_calcolo_ne_la_vista) {
    std::string segni;  // after each step: * changed since saved, - not
    const auto segna = [&] { segni += f.modificata() ? '*' : '-'; };
    segna();
    EXPECT_EQ(f.titolo(), FrmVask_2::TITOLO);
    rettangolo(2, 2, 6, 4);
    segna();
    EXPECT_EQ(f.titolo(), std::string(FrmVask_2::TITOLO) + " *");
    f.documentosalvato("/una/cartella/trave.vask");
    segna();
    EXPECT_EQ(f.titolo(), std::string(FrmVask_2::TITOLO) + " - trave.vask");
    f.btnEsegui_Click();  // the inertia fields change, the section does not
    f.btnZoomPiu_Click();
    f.mnuPreferenzeSfondoBianco_Click();
    segna();
    f.mnuStrumentiRettangolo_Click();
    clicca(8, 8);  // a first corner is not yet an element
    segna();
    clicca(9, 9);
    segna();
    for (void (FrmVask_2::*voce)() : {&FrmVask_2::mnuEditaAnnulla_Click, &FrmVask_2::mnuEditaAnnulla_Click,
                                      &FrmVask_2::mnuEditaRipeti_Click, &FrmVask_2::mnuEditaRipeti_Click})
        (f.*voce)(), segna();
    seleziona(RETTANGOLO, 8.5f, 8.5f);
    msg.risposte = {Risposta::Si};
    f.btnCancella_Click();  // back to what was saved
    segna();
    nuovo();  // a new section: no file, nothing to save
    segna();
    EXPECT_EQ(segni, "-*---*-*-*--");
    EXPECT_EQ(f.nomedocumento, "");
}
