// The section as a document and its history: a broken document changes
// nothing, undo brings back the results that went with the section, the
// unsaved mark follows the section.
#include <sstream>

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
    fai("L 0.5 10 1 11.5 L 2 10 2.5 11.5 L 3.5 10 4 11.5 L 5 10 5.5 11.5 L 6.5 10 7 11.5 L 8 10 8.5 11.5 "
        "L 9.5 10 10 11.5 L 11 10 11.5 11.5 L 12.5 10 13 11.5 L 14 10 14.5 11.5");
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

TEST(Documento, il_primo_annulla_abbandona_il_comando_in_corso) { prova::recita("core_sospesi.tsv"); }

TEST(Documento, la_barra_di_stato_e_i_contatori_dopo_annulla) { prova::recita("core_stato.tsv"); }

TEST(Documento, il_segno_di_non_salvato_segue_la_sezione_e_la_storia_non_il_calcolo_ne_la_vista) {
    prova::recita("core_segni.tsv");
}
