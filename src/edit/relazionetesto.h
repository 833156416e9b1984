// The calculation report as text: blocks of sentences and tables, laid out
// as HTML for the window, the printer and the file, and as plain lines with
// tab-separated tables for the command line and the clipboard.
#pragma once

#include <string>
#include <vector>

#include "analysis/carico.h"
#include "analysis/relazione.h"
#include "model/testi.h"

namespace vask {

struct TabellaRelazione {
    std::string titolo;
    std::vector<std::string> colonne;
    std::vector<std::vector<std::string>> righe;
};

struct BloccoRelazione {
    std::string titolo;
    std::vector<std::string> frasi;
    std::vector<TabellaRelazione> tabelle;
    bool mohr = false;  // the circle's picture goes here
};

// The blocks of the report, numbers in the panel's form; `cambiata` puts the
// warning that the section changed since at the top; a load point adds its
// section at the end. Words go through `traduci` (context "Relazione"; the load's
// verdict is the hint bar's, "Vask"); symbols, formulas and numbers do not.
std::vector<BloccoRelazione> blocchirelazione(const Relazione& r, bool cambiata, const Carico* carico = nullptr,
                                              const Traduttore& traduci = italiano);

// HTML of the blocks; `mohr` is put where the circle goes (an <img> tag).
std::string relazionehtml(const std::vector<BloccoRelazione>& blocchi, const std::string& mohr,
                          const Traduttore& traduci = italiano);
// Plain UTF-8 text: titles, sentences, each table as its title line, a line
// of column names and one line per row, fields separated by tabs.
std::string relazionetesto(const std::vector<BloccoRelazione>& blocchi, const Traduttore& traduci = italiano);

extern const char* const SEZIONECAMBIATA;
extern const char* const INFINITO;  // an intercept at infinity

}  // namespace vask
