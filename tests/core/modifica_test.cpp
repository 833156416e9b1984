// Editing the section: select, move, delete, modify, distance.
#include "model/geometria.h"
#include "supporto.h"

using namespace vask;
using prova::Finestra;

TEST(Modifica, cancellazione_modifica_e_distanza_danno_le_tabelle_e_i_messaggi_dei_dati) {
    prova::recita("core_modifica.tsv");
}

TEST_F(Finestra, lo_spostamento_resta_nel_quadrante_per_ogni_tipo_e_aggiorna_tutto_l_elemento) {
    recita("core_spostamenti.tsv");
    EXPECT_EQ(f.sez.puntirettangoli[1][17], 1.5f);  // midpoint of the side y = y2
    EXPECT_EQ(prova::campi(f.sez.punticerchi[1], 7, 8), "0 2");
}

// Every defining point counts, alone: each in turn the lowest (then the
// highest) of its element, moved exactly onto the limit and a little past it.
TEST(Geometria, lo_spostamento_guarda_ogni_vertice_ed_estremo) {
    using Prova = bool (*)(const float*, float, float);
    const std::tuple<Prova, Prova, std::vector<std::pair<int, int>>> tipi[] = {
        {rettangoloinquadrante, rettangolooltre, {{R::x1, R::y1}, {R::x2, R::y2}}},
        {triangoloinquadrante, triangolooltre, {{T::x1, T::y1}, {T::x2, T::y2}, {T::x3, T::y3}}},
        {cerchioinquadrante, cerchiooltre, {{C::xc, C::yc}}},
        {lineainquadrante, lineaoltre, {{L::x1, L::y1}, {L::x2, L::y2}}},
    };
    for (const auto& [dentro, oltre, punti] : tipi)
        for (size_t p = 0; p < punti.size(); ++p) {
            SCOPED_TRACE(std::to_string(&punti - &std::get<2>(tipi[0])) + " punto " + std::to_string(p + 1));
            float riga[16] = {};
            const auto metti = [&](float basso, float alto) {
                for (size_t q = 0; q < punti.size(); ++q) {
                    riga[punti[q].first] = q == p ? basso : alto;
                    riga[punti[q].second] = q == p ? basso + 1 : alto;
                }
            };
            // The point p lowest, at (1, 2); a circle of radius 1 centred at (2, 3).
            const bool cerchio = dentro == cerchioinquadrante;
            riga[C::raggio] = cerchio ? 1 : riga[C::raggio];
            metti(cerchio ? 2 : 1, 50);
            EXPECT_TRUE(dentro(riga, -1, -2) && !oltre(riga, -1, -2));  // onto the axes
            EXPECT_FALSE(dentro(riga, -1.5f, 0) || dentro(riga, 0, -2.5f));
            metti(cerchio ? 3999 : 4000, 10);  // the point p highest: (4000, 4001), or a circle reaching there
            EXPECT_TRUE(!oltre(riga, 96, 95) && dentro(riga, 96, 95));
            EXPECT_TRUE(oltre(riga, 96.5f, 0) && oltre(riga, 0, 95.5f));
        }
}

// A modified radius reaches the picture.
TEST_F(Finestra, il_raggio_modificato_si_ridisegna) {
    fai("txtRaggio=1 C 3 5 1 1 mnuModificaCerchio 3,5 txtRaggio=3 btnModifica");
    EXPECT_EQ(f.pic.immagine.primitive.back().raggio, 3);
}

// A density or radius changed gives the element that drawing it so would give.
// Drawn as they should become, then the ones to change: the last one hit is
// selected. After each change the results belong to the section as it was.
TEST_F(Finestra, modificare_da_l_elemento_come_disegnato_con_i_nuovi_valori) {
    fai("R 1 1 4 3 -0.5 R 1 1 4 3 1 T 5 1 9 2 6 5 -0.5 T 5 1 9 2 6 5 1 txtRaggio=2.5 C 14 3 2.5 -0.5 txtRaggio=1 "
        "C 14 3 1 1 R 1 6 12 11 1");  // the last for enough mass for every computation
    const std::pair<const char*, const char*> modifiche[] = {
        {"txtDensita=-0.5 mnuModificaRettangolo 2,2 btnModifica", "R"},
        {"mnuModificaTriangolo 5.3,1.2 btnModifica", "T"},
        {"txtRaggio=2.5 mnuModificaCerchio 14,3.5 btnModifica", "C"}};
    for (const auto& [passo, tipo] : modifiche) {
        fai(std::string("btnEsegui ") + passo);
        EXPECT_FALSE(f.ris.attuali) << tipo;
        const float* riga[3][3] = {{f.sez.rettangoli[1], f.sez.rettangoli[2]}, {f.sez.triangoli[1], f.sez.triangoli[2]},
                                   {f.sez.cerchi[1], f.sez.cerchi[2]}};
        const std::vector<int> campi[3] = {{R::densita, R::area, R::massa, R::xg, R::yg},
                                           {T::densita, T::area, T::massa, T::xg, T::yg},
                                           {C::densita, C::raggio, C::area, C::massa}};
        const int k = int(std::string("RTC").find(tipo));
        for (int c : campi[k]) EXPECT_EQ(riga[k][0][c], riga[k][1][c]) << tipo << " campo " << c;
    }
    EXPECT_EQ(std::memcmp(f.sez.punticerchi[1], f.sez.punticerchi[2], sizeof f.sez.punticerchi[1]), 0);
    // The bound is the nearer axis, here the x axis: yc = 3.
    EXPECT_EQ(fa("txtRaggio=3.1 btnModifica", "!").find("Cerchio fuori dei limiti"), 0u);
    EXPECT_EQ(f.sez.cerchi[2][C::raggio], 2.5f);
    // Selected after "Esegui": the element's own values, mass with its density;
    // b h^3 / 12 + A yg^2 and its kin, times the density: 5 x 4 at (12.5, 8).
    EXPECT_EQ(fa("btnEsegui mnuModificaRettangolo 2,2 mnuModificaRettangolo 2,2 R 10 6 15 10 2 btnEsegui "
                 "mnuModificaRettangolo 12,8",
                 "lblArea lblMassa lblXg lblYg lblIx lblIy lblIxy"), "20 40 12.5 8 2613.333 6333.333 4000");
}

TEST_F(Finestra, il_cambio_di_un_estremo_sceglie_l_estremo_e_lascia_senza_selezione) { recita("core_estremi.tsv"); }
