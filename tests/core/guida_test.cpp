// The guide as its window reads it: its chapters in the real GUIDA.txt and
// in small texts, and the search that wraps around. Where its file is, and
// the search through the whole guide, are the window's test's.
#include <fstream>
#include <sstream>
#include <tuple>

#include "edit/guida.h"
#include "supporto.h"

using namespace vask;

namespace {

// The Italian guide, or the English one that stands beside it.
std::string guida(const char* nome = FILEGUIDA) {
    std::string percorso = VASK_GUIDA;
    percorso.replace(percorso.rfind(FILEGUIDA), std::string(FILEGUIDA).size(), nome);
    std::ifstream in(percorso, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string descrivi(const std::vector<CapitoloGuida>& capitoli) {
    std::string s;
    for (const CapitoloGuida& c : capitoli) s += (s.empty() ? "" : " ") + c.titolo + "@" + std::to_string(c.riga);
    return s;
}

}  // namespace

// Every "N." from 1 on, in order, on the line that holds it between two rules, in the Italian guide and in
// the English one, its twin with the same chapters; the numbered steps inside chapter 14 are no chapters.
TEST(Guida, i_capitoli_delle_due_guide_sono_numerati_in_ordine) {
    const size_t italiani = capitoliguida(guida()).size();
    for (const auto& [nome, primo, quindicesimo] :
         {std::tuple{FILEGUIDA, "1. A COSA SERVE", "15. IL CARICO: CENTRO DI SOLLECITAZIONE E ASSE NEUTRO"},
          {FILEGUIDE, "1. WHAT IT IS FOR", "15. THE LOAD: LOAD POINT AND NEUTRAL AXIS"}}) {
        const std::string testo = guida(nome);
        std::vector<std::string> linee;
        std::istringstream in(testo);
        for (std::string l; std::getline(in, l);) linee.push_back(l);
        const std::vector<CapitoloGuida> capitoli = capitoliguida(testo);
        ASSERT_GE(capitoli.size(), 15u) << nome;
        EXPECT_EQ(capitoli.size(), italiani);
        EXPECT_EQ(capitoli.front().titolo + " | " + capitoli[14].titolo, std::string(primo) + " | " + quindicesimo);
        size_t intestazioni = 0;
        const auto righello = [&](size_t i) { return linee[i].rfind("=====", 0) == 0; };
        for (size_t i = 1; i + 1 < linee.size(); ++i) intestazioni += righello(i - 1) && righello(i + 1);
        EXPECT_EQ(capitoli.size(), intestazioni);
        for (size_t i = 0; i < capitoli.size(); ++i) {
            const CapitoloGuida& c = capitoli[i];
            EXPECT_EQ(c.titolo.rfind(std::to_string(i + 1) + ". ", 0), 0u) << c.titolo;
            ASSERT_LT(size_t(c.riga) + 1, linee.size());
            EXPECT_EQ(linee[size_t(c.riga)], c.titolo);
            EXPECT_TRUE(i == 0 || capitoli[i - 1].riga < c.riga) << c.titolo;
        }
    }
}

// The rows of core_guida.tsv: headings, the chapter of a line, lower case, the search that starts again.
TEST(Guida, intestazioni_capitoli_minuscole_e_ricerca_dei_dati) {
    const std::vector<CapitoloGuida> tre = {{"1. A", 1}, {"2. B", 5}, {"3. C", 9}};
    for (const prova::Riga& r : prova::dati("core_guida.tsv")) {
        std::string visto;
        if (r[0] == "capitoli") visto = descrivi(capitoliguida(r[1]));
        if (r[0] == "riga") visto = std::to_string(capitolodiriga(tre, std::stoi(r[1])));
        if (r[0] == "minuscole") visto = minuscoleguida(r[1]);
        if (r[0] == "cerca") {
            const Corrispondenza c = cercanellaguida(r[1], r[2], std::stoul(r[3]));
            visto = c.inizio == std::string::npos ? "-1" : std::to_string(c.inizio);
            visto += c.ricominciata ? " sì" : " no";
        }
        EXPECT_EQ(visto, r.campi.back()) << r.dove;
    }
    EXPECT_EQ(capitolodiriga({}, 3), -1);
    EXPECT_EQ(minuscoleguida("\xC3"), "\xC3");  // half a character stays as it is
}
