// The guide as its window reads it: its chapters in the real GUIDA.txt and
// in small texts, and the search that wraps around. Where its file is, and
// the search through the whole guide, are the window's test's.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "edit/guida.h"

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

// Every "N." from 1 on, in order, on the line that holds it between two rules; the numbered
// steps inside chapter 14 are no chapters.
TEST(Guida, i_capitoli_della_guida_vera_sono_numerati_in_ordine) {
    const std::string testo = guida();
    ASSERT_FALSE(testo.empty()) << VASK_GUIDA;
    std::vector<std::string> linee;
    std::istringstream in(testo);
    for (std::string l; std::getline(in, l);) linee.push_back(l);
    const std::vector<CapitoloGuida> capitoli = capitoliguida(testo);
    ASSERT_GE(capitoli.size(), 15u);
    EXPECT_EQ(capitoli.front().titolo, "1. A COSA SERVE");
    EXPECT_EQ(capitoli[14].titolo, "15. IL CARICO: CENTRO DI SOLLECITAZIONE E ASSE NEUTRO");
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

// The English guide is the Italian one's twin: the same chapters, numbered alike.
TEST(Guida, la_guida_inglese_ha_i_capitoli_di_quella_italiana) {
    const std::vector<CapitoloGuida> italiani = capitoliguida(guida()), inglesi = capitoliguida(guida(FILEGUIDE));
    ASSERT_EQ(inglesi.size(), italiani.size());
    EXPECT_EQ(inglesi.front().titolo, "1. WHAT IT IS FOR");
    EXPECT_EQ(inglesi[14].titolo, "15. THE LOAD: LOAD POINT AND NEUTRAL AXIS");
    for (size_t i = 0; i < inglesi.size(); ++i)
        EXPECT_EQ(inglesi[i].titolo.rfind(std::to_string(i + 1) + ". ", 0), 0u) << inglesi[i].titolo;
}

TEST(Guida, un_intestazione_e_un_numero_col_punto_tra_due_righelli) {
    const std::pair<const char*, const char*> righe[] = {
        {"===\n1. UNO\n===\nx\n===\n2. DUE\n===\n", "1. UNO@1 2. DUE@5"},
        {"Titolo\n\n==\r\n3. TRE \t\r\n==\r\n", "3. TRE@3"},
        {"===\n12. DODICI\n=\n", "12. DODICI@1"},
        {"===\n1. A\n===\n1. Elementi\n2. Baricentro\n", "1. A@1"},
        {"1. UNO\n===\n", ""},
        {"===\n1. UNO", ""},
        {"===\n1. UNO\n", ""},
        {"=-=\n1. UNO\n===\n", ""},
        {"===\n1.UNO\n===\n", ""},
        {"===\n1.  UNO\n===\n", ""},
        {"===\n. UNO\n===\n", ""},
        {"===\nA. UNO\n===\n", ""},
        {"=== \n1. UNO\n===\n", ""},
        {"", ""},
        {"\n\n\n", ""},
    };
    for (const auto& [testo, attesi] : righe) EXPECT_EQ(descrivi(capitoliguida(testo)), attesi) << testo;
}

TEST(Guida, una_riga_appartiene_all_ultimo_capitolo_cominciato) {
    const std::vector<CapitoloGuida> capitoli = {{"1. A", 1}, {"2. B", 5}, {"3. C", 9}};
    const std::pair<int, int> righe[] = {{-1, -1}, {0, -1}, {1, 0}, {4, 0}, {5, 1}, {8, 1}, {9, 2}, {1000, 2}};
    for (auto [riga, capitolo] : righe) EXPECT_EQ(capitolodiriga(capitoli, riga), capitolo) << riga;
    EXPECT_EQ(capitolodiriga({}, 3), -1);
}

TEST(Guida, le_maiuscole_diventano_minuscole_della_stessa_lunghezza) {
    const std::pair<const char*, const char*> righe[] = {
        {"AbC xyZ 09@[`{", "abc xyz 09@[`{"}, {"ÀÈÉÌÒÙ Ç Þ", "àèéìòù ç þ"}, {"× ÷ ß ÿ", "× ÷ ß ÿ"},
        {"ΑΒΓΞΟΠΡΣΤΩ", "αβγξοπρστω"}, {"αξω ·²∞", "αξω ·²∞"}, {"Ã", "ã"}, {"\xC3", "\xC3"},
    };
    for (const auto& [testo, atteso] : righe) EXPECT_EQ(minuscoleguida(testo), atteso) << testo;
}

TEST(Guida, la_ricerca_trova_il_seguente_e_ricomincia_dall_inizio) {
    struct Riga {
        const char *testo, *cercato;
        size_t da;
        long inizio;  // -1 for none
        bool ricominciata;
    };
    const Riga righe[] = {
        {"Uno due UNO", "uno", 0, 0, false}, {"Uno due UNO", "uno", 1, 8, false}, {"Uno due UNO", "UNO", 8, 8, false},
        {"Uno due UNO", "uno", 9, 0, true},  {"Uno due", "tre", 0, -1, false},    {"città CITTÀ", "città", 1, 7, false},
        {"perché", "perche", 0, -1, false},  {"abc", "", 0, -1, false},          {"abc", "abc", 99, 0, true},
        {"abc", "abcd", 0, -1, false},       {"", "a", 0, -1, false},            {"ΣΩ σω", "σω", 1, 5, false},
        {"ab ab", "ab", 4, 0, true},          {"aaa", "aa", 1, 1, false},         {"aaa", "aa", 2, 0, true},
    };
    for (const Riga& r : righe) {
        const Corrispondenza c = cercanellaguida(r.testo, r.cercato, r.da);
        EXPECT_EQ(c.inizio == std::string::npos ? -1L : long(c.inizio), r.inizio) << r.testo << " / " << r.cercato << " da " << r.da;
        EXPECT_EQ(c.ricominciata, r.ricominciata) << r.testo << " / " << r.cercato << " da " << r.da;
    }
}
