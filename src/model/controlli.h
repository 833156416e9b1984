// The state of the window's controls that the program itself reads back:
// captions, tooltips, background colours, enabled flags. It is plain data, so
// the whole behaviour can be driven and checked without a window; the shell
// copies it onto the real widgets after every event.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vask {

// Colours are 0x00BBGGRR.
constexpr uint32_t FACCIA = 0x8000000F;  // the system's button face
constexpr uint32_t NERO = 0x000000;
constexpr uint32_t BIANCO = 0xFFFFFF;
constexpr uint32_t GRIGIO = 0x808080;  // entry 8 of the 16-colour palette
constexpr uint32_t ROSSO = 0x0000FF;
constexpr uint32_t VERDE = 0x00FF00;
constexpr uint32_t VERDESCURO = 0x008000;
constexpr uint32_t BLU = 0xFF0000;
constexpr uint32_t GIALLO = 0x00FFFF;
constexpr uint32_t CIANO = 0xFFFF00;
constexpr uint32_t VIOLA = 0xFF00FF;
constexpr uint32_t ARANCIONE = 0x0080FF;

enum class Puntatore { Croce, Freccia, FrecciaSu, Sposta, Divieto };

struct Controllo {
    std::string didascalia;
    std::string suggerimento;
    uint32_t sfondo = FACCIA;
    bool abilitato = true;
    bool simbolo = false;  // caption set in a symbol font (a shows as alpha)
};

class Controlli {
public:
    Controlli();

    // Unknown names are a programming error and throw std::out_of_range.
    Controllo& operator[](std::string_view nome);
    const Controllo& operator[](std::string_view nome) const;
    bool esiste(std::string_view nome) const;

    // Shorthands used everywhere.
    const std::string& testo(std::string_view nome) const { return (*this)[nome].didascalia; }
    void testo(std::string_view nome, std::string valore) { (*this)[nome].didascalia = std::move(valore); }
    uint32_t sfondo(std::string_view nome) const { return (*this)[nome].sfondo; }
    void sfondo(std::string_view nome, uint32_t colore) { (*this)[nome].sfondo = colore; }

    const std::vector<std::string>& nomi() const { return ordine_; }

private:
    std::map<std::string, Controllo, std::less<>> mappa_;
    std::vector<std::string> ordine_;
};

// Names of the fifteen value labels of the results panel, in panel order, and
// of their caption labels.
extern const char* const ETICHETTERISULTATI[15];
extern const char* const DIDASCALIERISULTATI[15];
extern const char* const ETICHETTEX[11];  // lblOriginex, lbl2x ... lbl20x
extern const char* const ETICHETTEY[7];   // lblOriginey, lbl2y ... lbl12y

}  // namespace vask
