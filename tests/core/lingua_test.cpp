// The interface language read from the environment and from --lingua.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "model/lingua.h"
#include "model/testi.h"

using namespace vask;

// Each row: the variables set ("NAME=value" separated by blanks; "NAME=" is
// set and empty) and the language expected.
TEST(Lingua, la_prima_variabile_non_vuota_decide) {
    const std::pair<const char*, Lingua> righe[] = {
        {"", Lingua::Italiano},
        {"LANG=en_US.UTF-8", Lingua::Inglese},
        {"LANG=C", Lingua::Italiano},
        {"LANG=POSIX", Lingua::Italiano},
        {"LANG=it_IT.UTF-8", Lingua::Italiano},
        {"LANG=de_DE.UTF-8", Lingua::Italiano},
        {"LANG=en", Lingua::Inglese},
        {"LC_MESSAGES=en_GB.UTF-8 LANG=it_IT.UTF-8", Lingua::Inglese},
        {"LC_ALL=it_IT.UTF-8 LC_MESSAGES=en_GB.UTF-8", Lingua::Italiano},
        {"LC_ALL=C LANG=en_US.UTF-8", Lingua::Italiano},
        {"LANGUAGE=en_GB:it LC_ALL=it_IT.UTF-8", Lingua::Inglese},
        {"LANGUAGE=it:en LANG=en_US.UTF-8", Lingua::Italiano},
        {"LANGUAGE= LANG=en_US.UTF-8", Lingua::Inglese},
        {"LANGUAGE=:en LANG=it_IT.UTF-8", Lingua::Italiano},
        {"LC_ALL= LC_MESSAGES= LANG=en_AU.UTF-8", Lingua::Inglese},
        {"LANG=EN_US", Lingua::Italiano},
        {"LANG=e", Lingua::Italiano},
    };
    for (const auto& [ambiente, attesa] : righe) {
        std::map<std::string, std::string> v;
        std::istringstream in(ambiente);
        for (std::string w; in >> w;) v[w.substr(0, w.find('='))] = w.substr(w.find('=') + 1);
        const auto leggi = [&v](const char* nome) -> const char* {
            const auto it = v.find(nome);
            return it == v.end() ? nullptr : it->second.c_str();
        };
        EXPECT_EQ(linguadisistema(leggi), attesa) << ambiente;
    }
}

TEST(Lingua, l_opzione_vuole_it_o_en) {
    Lingua l = Lingua::Italiano;
    EXPECT_TRUE(leggilingua("en", l) && l == Lingua::Inglese);
    EXPECT_TRUE(leggilingua("it", l) && l == Lingua::Italiano);
    for (const char* t : {"", "EN", "english", "en_US", "i"}) EXPECT_FALSE(leggilingua(t, l)) << t;
    EXPECT_EQ(l, Lingua::Italiano);
}

// Every text marked for translation has its English, and keeps the
// placeholders of its source (%1, %2...).
TEST(Lingua, ogni_testo_ha_la_sua_traduzione_inglese_con_i_segnaposto) {
    std::ifstream in(VASK_TRADUZIONI);
    std::ostringstream s;
    s << in.rdbuf();
    const std::string ts = s.str();
    ASSERT_NE(ts.find("language=\"en\""), std::string::npos);
    const std::regex messaggio(R"(<source>([^<]*)</source>\s*<translation([^>]*)>([^<]*)</translation>)");
    const std::regex segnaposto(R"(%[1-9])");
    int quanti = 0;
    for (auto it = std::sregex_iterator(ts.begin(), ts.end(), messaggio); it != std::sregex_iterator(); ++it, ++quanti) {
        const std::string sorgente = (*it)[1], attributi = (*it)[2], inglese = (*it)[3];
        // An entry lupdate left unfinished is only allowed when the text is the same in English.
        EXPECT_TRUE(attributi.find("unfinished") == std::string::npos || inglese == sorgente) << sorgente;
        EXPECT_TRUE(attributi.find("vanished") == std::string::npos && attributi.find("obsolete") == std::string::npos)
            << sorgente;
        EXPECT_FALSE(inglese.empty()) << sorgente;
        std::multiset<std::string> a, b;
        for (auto p = std::sregex_iterator(sorgente.begin(), sorgente.end(), segnaposto); p != std::sregex_iterator(); ++p)
            a.insert(p->str());
        for (auto p = std::sregex_iterator(inglese.begin(), inglese.end(), segnaposto); p != std::sregex_iterator(); ++p)
            b.insert(p->str());
        EXPECT_EQ(a, b) << sorgente;
    }
    EXPECT_GT(quanti, 150);
}

// A sentence with its parts filled in, and back to its model and parts;
// filled in alone (riempi), the same sentence and nothing remembered.
TEST(Lingua, una_frase_composta_si_ritrova_col_suo_modello) {
    const std::tuple<const char*, std::vector<std::string>, const char*> righe[] = {
        {"Distanza: %1 (Δx = %2; Δy = %3)", {"10", "6", "8"}, "Distanza: 10 (Δx = 6; Δy = 8)"},
        {"%2 prima di %1", {"a", "b"}, "b prima di a"},
        {"100% pieno, %1", {"x"}, "100% pieno, x"},
        {"manca %3", {"a"}, "manca %3"},
        {"%1 e %2", {"%2", "b"}, "%2 e b"},  // a part is never read again
        {"( %1 ; %1 )%", {"3"}, "( 3 ; 3 )%"},
        {"", {}, ""},
    };
    for (const auto& [modello, parti, atteso] : righe) {
        const std::string t = componi(modello, parti);
        EXPECT_EQ(t, atteso) << modello;
        EXPECT_EQ(riempi(modello, parti), atteso) << modello;
        std::string m;
        std::vector<std::string> p;
        EXPECT_TRUE(scomponi(t, m, p) && m == modello && p == parti) << modello;
    }
    std::string m;
    std::vector<std::string> p;
    EXPECT_FALSE(scomponi("mai composta", m, p));
    EXPECT_FALSE(scomponi(riempi("solo %1", {"riempita"}), m, p));  // riempi remembers nothing
    // The least recently composed go first: one composed again is kept.
    for (int i = 0; i < 2000; ++i) componi("%1", {std::to_string(i % 1500 == 0 ? 0 : i)});
    EXPECT_TRUE(scomponi("1999", m, p) && scomponi("0", m, p) && scomponi("977", m, p) && !scomponi("975", m, p));
}
