// The section as a document and its history: a broken document changes
// nothing, undo brings back the results that went with the section, the
// unsaved mark follows the section.
#include <sstream>

#include "edit/storia.h"
#include "supporto.h"
#include "view/vista.h"

using namespace vask;
using prova::Finestra;

namespace {

// A document changed as a row of core_documenti.tsv says.
void guasta(Documento& d, const std::string& modifiche) {
    std::istringstream in(modifiche);
    for (std::string w; in >> w;) {
        const size_t uguale = w.find('=');
        const std::string nome = w.substr(0, uguale);
        const float v = uguale == std::string::npos ? 0 : std::stof(w.substr(uguale + 1));
        float* campo = nome == "larghezza" ? &d.larghezza : nome == "sinistra" ? &d.sinistra : nome == "basso" ? &d.basso
                                                                                             : nome == "passo" ? &d.passo : nullptr;
        if (campo) *campo = v;
        if (nome == "versione") d.versione = int(v);
        if (nome == "griglia") d.griglia = v != 0;
        if (nome == "testopasso") d.testopasso = w.substr(uguale + 1);
        if (nome == "spessore") d.spessore = int(v);
        if (nome == "coloresfondo") d.coloresfondo = uint32_t(v);
        if (w == "R*6") d.rettangoli.resize(6, d.rettangoli[0]);
        if (w == "L*11") d.linee.resize(11, d.linee[0]);
        if (w[0] == 'R' && w[1] == '1') d.rettangoli[0][std::stoi(w.substr(3))] = v;
        if (w[0] == 'L' && w[1] == '1') d.linee[0][std::stoi(w.substr(3))] = v;
        if (w == "C+") in >> d.cerchi.emplace_back()[C::xc] >> d.cerchi.back()[C::yc] >> d.cerchi.back()[C::raggio] >>
                          d.cerchi.back()[C::densita];
        if (w == "T+")
            for (int k = T::x1; k <= T::densita; ++k) in >> (k == T::x1 ? d.triangoli.emplace_back() : d.triangoli.back())[k];
    }
}

}  // namespace

TEST_F(Finestra, un_documento_sbagliato_e_rifiutato_e_non_cambia_nulla) {
    fai("R 2 2 6 4 1 L 1 1 7 1 btnZoomPiu");
    const Documento buono = f.documento();
    const Sezione prima = f.sez;
    for (const prova::Riga& r : prova::dati("core_documenti.tsv")) {
        Documento d = buono;
        guasta(d, r[1]);
        const std::string problema = f.apridocumento(d, "rotto.vask");
        EXPECT_NE(problema.find(r[0]), std::string::npos) << r.dove << ": " << problema;
        EXPECT_TRUE(prova::uguali(prima, f.sez) && f.pic.scalewidth == 10 && f.nomedocumento.empty()) << r.dove;
    }
    EXPECT_EQ(f.apridocumento(buono, "buono.vask"), "");
    Documento zero = buono;  // elements without mass are drawn too
    guasta(zero, "R1.5=0 C+ 5 5 2 0");
    EXPECT_EQ(f.apridocumento(zero, "zero.vask"), "");
}

// Every setting away from its default and the tables of rectangles and lines
// full: a second window opening the document shows the same section and view.
TEST_F(Finestra, un_documento_riaperto_in_un_altra_finestra_ripresenta_sezione_vista_e_preferenze) {
    fai("R 1 1 9 5 2 R 2 2 3 3 -2 R 4 2 5 3 -1 R 10 1 12 3 1 R 13 1 14 2 0.5 T 1 6 4 6 1 9 1.5 T 1.5 6.5 2.5 6.5 1.5 7.5 -1.5 "
        "txtRaggio=2 C 17 8 2 1 txtRaggio=1 C 17 8 1 -1");
    for (int i = 0; i < 10; ++i) elemento(LINEA, {0.5f + 1.5f * i, 10, 1 + 1.5f * i, 11.5f});
    fai("btnZoomPiu btnZoomPiu btnZoomPiu btnZoomPiu btnPanSu Command4 txtPassoGriglia=0.5 btnGriglia btnSnap btnOsnap "
        "btnLineeGuida mnuPreferenzeSfondoBianco mnuPreferenzeGrigliaRosso mnuPreferenzeSezioneGiallo mnuPreferenzeLineaBlu "
        "mnuPreferenzeSpessori2");
    ASSERT_EQ(f.pic.scalewidth, 1.25f);
    const Documento d = f.documento();
    prova::Banco altra;
    FrmVask_2& g = altra.f;
    ASSERT_EQ(g.apridocumento(d, "x.vask"), "");
    EXPECT_TRUE(prova::uguali(f.sez, g.sez));  // the snap points with the rows
    EXPECT_EQ(std::tie(g.pic.scaleleft, g.pic.scaletop, g.pic.scalewidth, g.pic.scaleheight),
              std::tie(f.pic.scaleleft, f.pic.scaletop, f.pic.scalewidth, f.pic.scaleheight));
    const std::string controlli = "X Y ^btnGriglia,btnSnap,btnOsnap,btnLineeGuida,btnPanSu,btnPanGiu,btnPanSinistra,Command4 "
                                  "txtPassoGriglia +txtPassoGriglia vista colori";
    EXPECT_EQ(altra.leggi(controlli), leggi(controlli));
    fai("mnuVisualizzaRigenera");  // the picture as a regeneration draws it
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
    EXPECT_EQ(std::make_pair(stato, s.daripetereancora()), std::make_pair(2, size_t(199)));
    s.registra("altro", stato);
    EXPECT_FALSE(s.puoiripetere());
}

TEST_F(Finestra, annullare_riporta_il_pannello_dei_risultati_e_il_file_della_sezione) {
    const std::string area = fa("R 2 2 6 4 1 R 7 2 9 3 1 btnEsegui", "lblArea");
    EXPECT_EQ(fa("mnuModificaRettangolo 3,3", "lblArea lblDensitàAttuale"), "8 1");  // the panel shows rectangle 1 meanwhile
    EXPECT_EQ(fa("btnSposta 3,3 4,5 mnuEditaAnnulla", "lblArea lblDensitàAttuale"), area + " ");
    // Opening a file and starting anew are undone with the file they name.
    const std::string titolo = FrmVask_2::TITOLO;
    f.documentosalvato("/c/x.vask");
    Documento d = f.documento();
    d.rettangoli.pop_back();
    ASSERT_EQ(f.apridocumento(d, "/c/y.vask"), "");
    std::string titoli;
    for (const char* passo : {"mnuEditaAnnulla", "mnuEditaRipeti", "mnuEditaAnnulla",
                              "mnuEditaRipeti Si mnuFileNuovo mnuEditaAnnulla", "mnuEditaRipeti"}) {
        fai(passo);
        titoli += f.titolo() + " | ";
    }
    EXPECT_EQ(titoli, titolo + " - x.vask | " + titolo + " - y.vask | " + titolo + " - x.vask | " + titolo + " - y.vask | " +
                          titolo + " | ");
}

TEST_F(Finestra, il_primo_annulla_abbandona_il_comando_in_corso_e_non_tocca_le_tabelle) {
    recita("core_sospesi.tsv");
}

TEST(Documento, il_segno_di_non_salvato_segue_la_sezione_e_la_storia_non_il_calcolo_ne_la_vista) {
    prova::recita("core_segni.tsv");
}

// The whole panel, the kern offered by object snap and the picture come back.
TEST_F(Finestra, annullare_riporta_tutti_i_risultati_il_nocciolo_e_il_disegno) {
    const std::string pannello = fa("R 2 2 6 4 1 T 6 2 9 2 6 6 1 L 1 1 9 1 L 1 7 9 7 btnEsegui mnuVisualizzaRigenera", "risultati");
    const std::string alfa = testo("lblAngoloxc");
    const float kx = f.copianocciolo.puntinocciolo[1][1], ky = f.copianocciolo.puntinocciolo[1][2];
    const std::string vertice = "~" + testosingolo(kx + 0.1f) + "," + testosingolo(ky + 0.1f);
    // The picture of the select mode, nothing selected.
    fai("mnuStrumentiSnapOggetto mnuModificaLinea mnuVisualizzaRigenera");
    const Strato disegno = f.pic.immagine;
    fai("5,1 btnSposta 5,1 5,0.5 mnuEditaAnnulla");
    EXPECT_TRUE(prova::uguali(disegno, f.pic.immagine));
    EXPECT_EQ(fa(vertice, "^lblCoordinataY lblCoordinataX lblCoordinataY"), "R " + testosingolo(kx) + " " + testosingolo(ky));
    fai("mnuModificaRettangolo 3,3 btnSposta 3,3 3,6");
    EXPECT_EQ(f.descrizioneannulla(), "Annulla: sposta rettangolo 1");
    EXPECT_EQ(fa(vertice, "^lblCoordinataY"), "-");  // the kern of the unmoved section is no longer offered
    EXPECT_NE(fa("btnEsegui", "lblAngoloxc"), alfa);      // the last label changes too
    EXPECT_EQ(fa("mnuEditaAnnulla", "risultati"), pannello);
    EXPECT_TRUE(f.ris.eseguito && f.ris.attuali);
    EXPECT_EQ(f.descrizioneripeti(), "Ripeti: sposta rettangolo 1");
    EXPECT_EQ(fa(vertice, "^lblCoordinataY"), "R");  // the kern comes back with the results
}
