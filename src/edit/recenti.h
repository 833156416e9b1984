// File > File recenti: the sections opened or saved last, most recent first.
// The shell keeps the list between runs; here only its rules.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vask {

class Recenti {
public:
    static constexpr size_t MASSIMO = 5;

    // A list read back from the settings, which anyone may have edited:
    // empty names and repeats dropped, the first five kept.
    void imposta(const std::vector<std::string>& elenco);
    // A section opened or saved goes to the top, once.
    void aggiungi(const std::string& percorso);
    // False when it was not listed.
    bool togli(const std::string& percorso);

    const std::vector<std::string>& elenco() const { return elenco_; }
    // The menu's texts, "&1 trave.vask": the name alone, with its folder when
    // two share a name; an "&" in a name doubled, so it is no mnemonic.
    std::vector<std::string> voci() const;

private:
    std::vector<std::string> elenco_;
};

}  // namespace vask
