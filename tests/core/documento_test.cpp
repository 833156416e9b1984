// The section as a document and its history: a broken document changes
// nothing, undo brings back the results that went with the section, the
// unsaved mark follows the section.
#include <cctype>
#include <cmath>
#include <functional>
#include <sstream>

#include "edit/storia.h"
#include "supporto.h"
#include "view/vista.h"

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
        {"rettangolo 1: esce", [](Documento& d) { d.rettangoli[0][R::y2] = 4097; }},
        {"rettangolo 1: rettangolo degenere", [](Documento& d) { d.rettangoli[0][R::y2] = 2; }},
        {"cerchio 1: esce", [](Documento& d) { d.cerchi.push_back({0, 5, 1, 2, 1}); }},  // across the x axis
        {"cerchio 1: esce", [](Documento& d) { d.cerchi.push_back({0, 3, 5, 4, 1}); }},
        {"cerchio 1: esce", [](Documento& d) { d.cerchi.push_back({0, 4095, 100, 1.5f, 1}); }},  // past 4096
        {"cerchio 1: cerchio degenere", [](Documento& d) { d.cerchi.push_back({0, 3, 5, 0, 1}); }},
        {"triangolo 1: triangolo degenere", [](Documento& d) { d.triangoli.push_back({0, 0, 0, 2, 2, 4, 4, 1}); }},
        {"triangolo 1: triangolo degenere", [](Documento& d) { d.triangoli.push_back({0, 0, 0, 0.1f, 0.3f, 1, 3, 1}); }},
        {"linea 1: linea degenere", [](Documento& d) { d.linee[0][L::x2] = 1, d.linee[0][L::y2] = 1; }},
        {"densità", [](Documento& d) { d.rettangoli[0][R::densita] = 1e38f; }},
        {"larghezza", [](Documento& d) { d.larghezza = 30; }},
        {"limiti", [](Documento& d) { d.sinistra = 5000; }},
        {"limiti", [](Documento& d) { d.basso = LIMITESUPERIORE + 1; }},
        {"passo dello snap", [](Documento& d) { d.griglia = true, d.passo = 0; }},
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
    Documento zero = buono;  // elements without mass are drawn too
    zero.rettangoli[0][R::densita] = 0;
    zero.cerchi.push_back({0, 5, 5, 2, 0});
    EXPECT_EQ(f.apridocumento(zero, "zero.vask"), "");
}

// Every setting away from its default and the tables of rectangles and lines
// full: a second window opening the document shows the same section and view.
TEST_F(Finestra, un_documento_riaperto_in_un_altra_finestra_ripresenta_sezione_vista_e_preferenze) {
    rettangolo(1, 1, 9, 5, "2");
    rettangolo(2, 2, 3, 3, "-2");  // holes
    rettangolo(4, 2, 5, 3, "-1");
    rettangolo(10, 1, 12, 3);
    rettangolo(13, 1, 14, 2, "0.5");
    triangolo(1, 6, 4, 6, 1, 9, "1.5");
    triangolo(1.5f, 6.5f, 2.5f, 6.5f, 1.5f, 7.5f, "-1.5");
    cerchio(17, 8, "2");
    cerchio(17, 8, "1", "-1");
    for (int i = 0; i < 10; ++i) linea(0.5f + 1.5f * i, 10, 1 + 1.5f * i, 11.5f);
    for (int i = 0; i < 4; ++i) f.btnZoomPiu_Click();
    f.btnPanSu_Click();
    f.Command4_Click();
    f.testomodificato("txtPassoGriglia", "0.5");
    for (auto voce : {&FrmVask_2::btnGriglia_Click, &FrmVask_2::btnSnap_Click, &FrmVask_2::btnOsnap_Click,
                      &FrmVask_2::btnLineeGuida_Click, &FrmVask_2::mnuPreferenzeSfondoBianco_Click,
                      &FrmVask_2::mnuPreferenzeGrigliaRosso_Click, &FrmVask_2::mnuPreferenzeSezioneGiallo_Click,
                      &FrmVask_2::mnuPreferenzeLineaBlu_Click, &FrmVask_2::mnuPreferenzeSpessori2_Click})
        (f.*voce)();
    ASSERT_EQ(f.pic.scalewidth, 1.25f);
    const Documento d = f.documento();
    Copione m;
    FrmVask_2 g(m);
    g.Form_Load();
    ASSERT_EQ(g.apridocumento(d, "x.vask"), "");
    EXPECT_TRUE(prova::uguali(f.sez, g.sez));  // the snap points with the rows
    EXPECT_EQ(std::tie(g.pic.scaleleft, g.pic.scaletop, g.pic.scalewidth, g.pic.scaleheight),
              std::tie(f.pic.scaleleft, f.pic.scaletop, f.pic.scalewidth, f.pic.scaleheight));
    std::vector<const char*> nomi(std::begin(ETICHETTEX), std::end(ETICHETTEX));
    nomi.insert(nomi.end(), std::begin(ETICHETTEY), std::end(ETICHETTEY));
    for (const char* n : {"btnGriglia", "btnSnap", "btnOsnap", "btnLineeGuida", "btnPanSu", "btnPanGiu",
                          "btnPanSinistra", "Command4", "txtPassoGriglia"})
        nomi.push_back(n);
    for (const char* n : nomi) {
        const Controllo &a = f.ctl[n], &b = g.ctl[n];
        EXPECT_EQ(std::tie(b.didascalia, b.sfondo, b.abilitato), std::tie(a.didascalia, a.sfondo, a.abilitato)) << n;
    }
    EXPECT_EQ(std::tie(g.vista.grigliaattiva, g.vista.snapattivo, g.vista.osnapattivo, g.vista.lineeguidaattive,
                       g.vista.passogriglia, g.pic.spessore, g.pic.sfondo),
              std::tie(f.vista.grigliaattiva, f.vista.snapattivo, f.vista.osnapattivo, f.vista.lineeguidaattive,
                       f.vista.passogriglia, f.pic.spessore, f.pic.sfondo));
    EXPECT_EQ(std::tie(g.colori.coloresfondo, g.colori.coloregriglia, g.colori.coloresezione, g.colori.colorelinea),
              std::tie(f.colori.coloresfondo, f.colori.coloregriglia, f.colori.coloresezione, f.colori.colorelinea));
    f.mnuVisualizzaRigenera_Click();  // the picture as a regeneration draws it
    EXPECT_TRUE(prova::uguali(f.pic.immagine, g.pic.immagine));

    Documento spenta = d;  // the step box is not read while the grid is off; the snap keeps its step
    spenta.griglia = false, spenta.testopasso = "passo";
    EXPECT_EQ(g.apridocumento(spenta, "y.vask"), "");
    EXPECT_EQ(g.ctl.testo("txtPassoGriglia") + " " + testosingolo(g.vista.passogriglia), "passo 0.5");
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
    f.mnuEditaAnnulla_Click();  // the redone step is undone with its file again
    EXPECT_EQ(f.titolo(), titolo + " - x.vask");
    f.mnuEditaRipeti_Click();
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
        EXPECT_EQ(f.descrizioneannulla(), "Annulla: comando in corso") << nome;
        f.mnuEditaAnnulla_Click();
        EXPECT_TRUE(!f.comandoinsospeso() && prova::uguali(fatta, f.sez) && f.storia.passi() == passi) << nome;
        EXPECT_EQ(f.descrizioneannulla(), "Annulla: disegna linea 1") << nome;
    }
    f.mnuEditaAnnulla_Click();  // then undo goes on with the history
    EXPECT_EQ(f.sez.l, 1);

    // Redo abandons the command in course too: the next undo is a step again.
    const auto dallorigine = [this] {
        for (const Strato* s : {&f.pic.immagine, &f.pic.sovrapposto})
            for (const Primitiva& p : s->primitive)
                if ((p.x1 == 0 && p.y1 == f.pic.scaleheight) || (p.x2 == 0 && p.y2 == f.pic.scaleheight)) return true;
        return false;
    };
    f.mnuEditaRipeti_Click();
    // Commands, and whether a click on the rectangle then selects it.
    const std::pair<const char*, bool> sospesi[] = {
        {"mnuStrumentiRettangolo 10 10", false}, {"mnuModificaRettangolo 3 3 btnSposta 3 3", false},
        {"mnuModificaRettangolo 3 3 btnSposta", true}, {"mnuModificaLinea 4 1 btnModifica 1 1", false}};
    for (const auto& [script, selezionato] : sospesi) {
        linea(1, 5, 7, 5);
        f.mnuEditaAnnulla_Click();  // a step to redo
        std::istringstream s(script);
        for (std::string t, y; s >> t;)
            if (std::isalpha(t[0])) ASSERT_TRUE(f.clic(t)) << t;
            else s >> y, clicca(std::stof(t), std::stof(y));
        f.mnuEditaRipeti_Click();
        f.indicazioni();
        EXPECT_TRUE(!f.comandoinsospeso() && f.sez.l == 3) << script;
        EXPECT_EQ(testo("lblDescrizione").find("punto finale"), std::string::npos) << script;
        muovi(9, 9);
        EXPECT_FALSE(dallorigine()) << script;  // no rectangle or line end drawn from the origin
        clicca(3, 3);
        EXPECT_TRUE(f.sez.prossimorettangolo == 2 && f.selezione.hoselezionatounrettangolo == selezionato) << script;
        while (f.sez.l > 2) f.mnuEditaAnnulla_Click();
    }
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

// One element of each kind, so that the one changed is the last of its table.
TEST_F(Finestra, ogni_cambio_di_un_elemento_mette_il_segno_e_annullarlo_lo_toglie) {
    rettangolo(1, 1, 3, 3);
    triangolo(4, 1, 6, 1, 4, 3);
    cerchio(10, 5, "1");
    linea(1, 8, 5, 8);
    const auto modifica = [this](int tipo, float x, float y) {
        seleziona(tipo, x, y);
        raggio("2"), densita("3");
        f.btnModifica_Click();
    };
    const auto cancella = [this](int tipo, float x, float y) {
        seleziona(tipo, x, y);
        msg.risposte = {Risposta::Si};
        f.btnCancella_Click();
    };
    const std::pair<const char*, std::function<void()>> passi[] = {
        {"densità rettangolo", [&] { modifica(RETTANGOLO, 2, 2); }},
        {"densità triangolo", [&] { modifica(TRIANGOLO, 4.5f, 1.5f); }},
        {"cerchio", [&] { modifica(CERCHIO, 10, 5); }},
        {"estremo linea", [&] { modifica(LINEA, 3, 8), clicca(5, 8), clicca(6, 9); }},
        {"sposta rettangolo", [&] { seleziona(RETTANGOLO, 2, 2), sposta(2, 2, 2, 4); }},
        {"sposta triangolo", [&] { seleziona(TRIANGOLO, 4.5f, 1.5f), sposta(4, 1, 5, 2); }},
        {"sposta cerchio in orizzontale", [&] { seleziona(CERCHIO, 10, 5), sposta(10, 5, 12, 5); }},
        {"sposta linea", [&] { seleziona(LINEA, 3, 8), sposta(3, 8, 3, 9); }},
        {"cancella rettangolo", [&] { cancella(RETTANGOLO, 2, 2); }},
        {"cancella triangolo", [&] { cancella(TRIANGOLO, 4.5f, 1.5f); }},
        {"cancella cerchio", [&] { cancella(CERCHIO, 10, 5); }},
        {"cancella linea", [&] { cancella(LINEA, 3, 8); }},
    };
    for (const auto& [nome, passo] : passi) {
        f.documentosalvato("x.vask");
        const Sezione salvata = f.sez;
        passo();
        EXPECT_FALSE(prova::uguali(salvata, f.sez)) << nome;  // the step did happen
        EXPECT_TRUE(f.modificata()) << nome;
        f.mnuEditaAnnulla_Click();
        EXPECT_FALSE(f.modificata()) << nome;
    }
}

// The whole panel, the kern offered by object snap and the picture come back.
TEST_F(Finestra, annullare_riporta_tutti_i_risultati_il_nocciolo_e_il_disegno) {
    rettangolo(2, 2, 6, 4);
    triangolo(6, 2, 9, 2, 6, 6);
    linea(1, 1, 9, 1);
    linea(1, 7, 9, 7);
    f.btnEsegui_Click();
    f.mnuVisualizzaRigenera_Click();
    const std::string pannello = risultati(), alfa = testo("lblAngoloxc");
    const float kx = f.copianocciolo.puntinocciolo[1][1], ky = f.copianocciolo.puntinocciolo[1][2];
    f.mnuStrumentiSnapOggetto_Click();
    f.mnuModificaLinea_Click();
    f.mnuVisualizzaRigenera_Click();  // the picture of the select mode, nothing selected
    const Strato disegno = f.pic.immagine;
    clicca(5, 1);
    sposta(5, 1, 5, 0.5f);
    f.mnuEditaAnnulla_Click();
    EXPECT_TRUE(prova::uguali(disegno, f.pic.immagine));
    muovi(kx + 0.1f, ky + 0.1f);
    EXPECT_EQ(f.ctl.sfondo("lblCoordinataY"), ROSSO);
    EXPECT_EQ(testi({"lblCoordinataX", "lblCoordinataY"}), testosingolo(kx) + " " + testosingolo(ky));

    seleziona(RETTANGOLO, 3, 3);
    sposta(3, 3, 3, 6);
    EXPECT_EQ(f.descrizioneannulla(), "Annulla: sposta rettangolo 1");
    muovi(kx + 0.1f, ky + 0.1f);  // the kern of the unmoved section is no longer offered
    EXPECT_EQ(f.ctl.sfondo("lblCoordinataY"), FACCIA);
    f.btnEsegui_Click();
    EXPECT_NE(testo("lblAngoloxc"), alfa);  // the last label changes too
    f.mnuEditaAnnulla_Click();
    EXPECT_EQ(risultati(), pannello);
    EXPECT_TRUE(f.ris.eseguito && f.ris.attuali);
    EXPECT_EQ(f.descrizioneripeti(), "Ripeti: sposta rettangolo 1");
    muovi(kx + 0.1f, ky + 0.1f);  // the kern comes back with the results
    EXPECT_EQ(f.ctl.sfondo("lblCoordinataY"), ROSSO);
}
