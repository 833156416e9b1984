// The section as a document: what a file keeps comes back bit for bit, a
// broken document changes nothing, the unsaved mark follows the section.
#include <cstring>
#include <random>

#include "supporto.h"

using namespace vask;
using prova::Finestra;

// A section drawn, moved and changed by hand, at random.
class Documenti : public Finestra {
protected:
    void sezionecasuale(std::mt19937& gen) {
        std::uniform_int_distribution<int> mezzi(2, 36);  // half units
        const auto c = [&] { return mezzi(gen) / 2.0f; };
        for (int i = 0; i < 3; ++i) {
            const float x = c(), y = c() / 2;
            rettangolo(x, y, x + 1.5f, y + 2.5f, i == 1 ? "-0.5" : "1.25");
        }
        triangolo(1, 1, 5, 1.5f, 2.5f, 4);
        cerchio(9, 6, "1.5", "2");
        linea(0, 0, 20, 0.5f);
        linea(20, 0.5f, 19.5f, 12);
        f.mnuModificaRettangolo_Click();
        clicca(f.sez.rettangoli[2][R::x1] + 0.5f, f.sez.rettangoli[2][R::y1] + 0.5f);
        f.btnSposta_Click();
        clicca(1, 1);
        clicca(1.25f, 1.75f);
    }
};

TEST_F(Documenti, un_documento_riporta_la_sezione_bit_per_bit_e_gli_stessi_risultati) {
    std::mt19937 gen(5);
    for (int giro = 0; giro < 5; ++giro) {
        prova::MessaggiCopione m;
        FrmVask_2 g(m);
        g.Form_Load();
        msg.risposte = {Risposta::Si};
        f.mnuFileNuovo_Click();
        sezionecasuale(gen);
        f.btnZoomPiu_Click();
        f.btnPanSu_Click();
        f.mnuPreferenzeSezioneRosso_Click();
        f.btnEsegui_Click();  // the inertia of the last computation goes along

        ASSERT_EQ(g.apridocumento(f.documento(), "/tmp/prova.vask"), "");
        EXPECT_EQ(0, std::memcmp(&f.sez, &g.sez, sizeof f.sez)) << giro;
        EXPECT_EQ(g.pic.scalewidth, f.pic.scalewidth);
        EXPECT_EQ(g.pic.scaletop, f.pic.scaletop);
        EXPECT_EQ(g.colori.coloresezione, ROSSO);
        for (const char* n : ETICHETTEX) EXPECT_EQ(g.ctl.testo(n), f.ctl.testo(n));
        EXPECT_FALSE(g.modificata());
        g.btnEsegui_Click();
        for (const char* n : ETICHETTERISULTATI) EXPECT_EQ(g.ctl.testo(n), f.ctl.testo(n)) << n;
    }
}

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
        {"triangolo 1: triangolo degenere",
         [](Documento& d) { d.triangoli.push_back({0, 0, 0, 2, 2, 4, 4, 1}); }},
        {"linea 1: linea degenere", [](Documento& d) { d.linee[0][L::x2] = 1, d.linee[0][L::y2] = 1; }},
        {"densità", [](Documento& d) { d.rettangoli[0][R::densita] = 1e38f; }},
        {"larghezza", [](Documento& d) { d.larghezza = 30; }},
        {"limiti", [](Documento& d) { d.sinistra = 5000; }},
        {"passo", [](Documento& d) { d.griglia = true, d.testopasso = "0"; }},
        {"spessore", [](Documento& d) { d.spessore = 3; }},
        {"colore", [](Documento& d) { d.coloresfondo = 0x1000000; }},
    };
    const Sezione prima = f.sez;
    const float larghezza = f.pic.scalewidth;
    for (const Caso& c : casi) {
        Documento d = buono;
        c.guasta(d);
        const std::string problema = f.apridocumento(d, "rotto.vask");
        EXPECT_NE(problema.find(c.atteso), std::string::npos) << c.atteso << " / " << problema;
        EXPECT_EQ(0, std::memcmp(&prima, &f.sez, sizeof prima)) << c.atteso;
        EXPECT_EQ(f.pic.scalewidth, larghezza);
        EXPECT_EQ(f.nomedocumento, "");
    }
    EXPECT_EQ(f.apridocumento(buono, "buono.vask"), "");
}

TEST_F(Finestra, il_segno_delle_modifiche_segue_la_sezione_non_il_calcolo_ne_la_vista) {
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
    densita("2");
    clicca(9, 9);
    EXPECT_TRUE(f.modificata());
    f.mnuModificaRettangolo_Click();
    clicca(8.5f, 8.5f);
    msg.risposte = {Risposta::Si};
    f.btnCancella_Click();  // back to what was saved
    EXPECT_FALSE(f.modificata());
    msg.risposte = {Risposta::Si};
    f.mnuFileNuovo_Click();  // a new section: no file, nothing to save
    EXPECT_FALSE(f.modificata());
    EXPECT_EQ(f.nomedocumento, "");
}
