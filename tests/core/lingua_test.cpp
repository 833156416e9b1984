// The interface language read from the environment and from --lingua.
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/lingua.h"
#include "model/testi.h"
#include "supporto.h"

using namespace vask;

// The "sistema" rows of core_lingua.tsv: the first variable not empty decides.
TEST(Lingua, la_prima_variabile_non_vuota_decide) {
    for (const prova::Riga& r : prova::dati("core_lingua.tsv")) {
        if (r[0] != "sistema") continue;
        std::map<std::string, std::string> v;
        std::istringstream in(r[1]);
        for (std::string w; in >> w;) v[w.substr(0, w.find('='))] = w.substr(w.find('=') + 1);
        const auto leggi = [&v](const char* nome) -> const char* {
            const auto it = v.find(nome);
            return it == v.end() ? nullptr : it->second.c_str();
        };
        EXPECT_EQ(linguadisistema(leggi) == Lingua::Inglese ? "en" : "it", r[2]) << r.dove;
    }
}

// The "opzione" rows: --lingua wants it or en; anything else leaves the language as it was.
TEST(Lingua, l_opzione_vuole_it_o_en) {
    Lingua l = Lingua::Italiano;
    for (const prova::Riga& r : prova::dati("core_lingua.tsv")) {
        if (r[0] != "opzione") continue;
        const Lingua prima = l;
        const bool letta = leggilingua(r[1], l);
        EXPECT_EQ(letta ? (l == Lingua::Inglese ? "en" : "it") : l == prima ? "-" : "cambiata", r[2]) << r.dove;
    }
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

// The "frase" rows: a sentence with its parts filled in, and back to its model and parts; filled in alone
// (riempi), the same sentence and nothing remembered.
TEST(Lingua, una_frase_composta_si_ritrova_col_suo_modello) {
    for (const prova::Riga& r : prova::dati("core_lingua.tsv")) {
        if (r[0] != "frase") continue;
        std::vector<std::string> parti, p;
        std::istringstream in(r[2]);
        for (std::string w; !r[2].empty() && std::getline(in, w, '|');) parti.push_back(w);
        const std::string t = componi(r[1].c_str(), parti);
        EXPECT_EQ(t, r[3]) << r.dove;
        EXPECT_EQ(riempi(r[1], parti), r[3]) << r.dove;
        std::string m;
        EXPECT_TRUE(scomponi(t, m, p) && m == r[1] && p == parti) << r.dove;
    }
    std::string m;
    std::vector<std::string> p;
    EXPECT_FALSE(scomponi("mai composta", m, p));
    EXPECT_FALSE(scomponi(riempi("solo %1", {"riempita"}), m, p));  // riempi remembers nothing
    // The least recently composed go first: one composed again is kept.
    for (int i = 0; i < 2000; ++i) componi("%1", {std::to_string(i % 1500 == 0 ? 0 : i)});
    EXPECT_TRUE(scomponi("1999", m, p) && scomponi("0", m, p) && scomponi("977", m, p) && !scomponi("975", m, p));
}
