// The user guide as the Guida window reads it: where its file may be, its
// chapters, and the search through its text. Plain UTF-8, no toolkit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vask {

extern const char* const FILEGUIDA;  // "GUIDA.txt"
extern const char* const FILEGUIDE;  // "GUIDE.txt", the English one

// Where the guide `nome` may be, in the order tried, for a program in
// `cartella`: beside it, the installed places under its prefix (bin/..
// /share), and the folder above (the sources, when the build folder lies
// inside them).
std::vector<std::string> percorsiguida(const std::string& cartella, const std::string& nome = FILEGUIDA);

// A chapter: its heading "N. TITOLO", the line of that heading (from 0).
struct CapitoloGuida {
    std::string titolo;
    int riga = 0;
};

// The chapters in text order: a heading is a line that starts with a number,
// a point and a blank, between two lines made of "=" only.
std::vector<CapitoloGuida> capitoliguida(std::string_view testo);

// The chapter a line belongs to: the last one starting at or before it, or -1.
int capitolodiriga(const std::vector<CapitoloGuida>& capitoli, int riga);

// The text with capitals as small letters (ASCII, Latin-1 and Greek), each
// character keeping its length in bytes, so positions stay those of `testo`.
std::string minuscoleguida(std::string_view testo);

struct Corrispondenza {
    size_t inizio = std::string::npos;  // in bytes; npos for none
    bool ricominciata = false;          // found only past the end, from the top
};

// The first match of `cercato` at or after `da`, else the first from the top;
// capitals and small letters alike, accents as they are. None for "".
Corrispondenza cercanellaguida(std::string_view testo, std::string_view cercato, size_t da);

}  // namespace vask
