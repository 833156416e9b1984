// File > File recenti: the rows of core_recenti.tsv played on one list.
#include "edit/recenti.h"
#include "supporto.h"

namespace {

std::vector<std::string> dividi(const std::string& testo) {
    std::vector<std::string> parti;
    if (testo.empty()) return parti;
    for (size_t inizio = 0;;) {
        const size_t fine = testo.find('|', inizio);
        parti.push_back(testo.substr(inizio, fine - inizio));
        if (fine == std::string::npos) return parti;
        inizio = fine + 1;
    }
}

}  // namespace

TEST(Recenti, il_piu_recente_in_cima_una_volta_sola_al_massimo_cinque) {
    vask::Recenti r;
    for (const prova::Riga& riga : prova::dati("core_recenti.tsv")) {
        if (riga[0] == "imposta") r.imposta(dividi(riga[1]));
        if (riga[0] == "aggiungi") r.aggiungi(riga[1]);
        if (riga[0] == "togli") {
            EXPECT_EQ(r.togli(riga[1]) ? "sì" : "no", riga[3]) << riga.dove;
        }
        EXPECT_EQ(r.voci(), dividi(riga.opzionale(2))) << riga.dove;
        EXPECT_LE(r.elenco().size(), vask::Recenti::MASSIMO) << riga.dove;
    }
}
