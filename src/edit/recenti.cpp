#include "edit/recenti.h"

#include <algorithm>

namespace vask {

namespace {

std::string nome(const std::string& percorso) { return percorso.substr(percorso.find_last_of('/') + 1); }

std::string cartella(const std::string& percorso) {
    const size_t barra = percorso.find_last_of('/');
    return barra == std::string::npos ? std::string() : barra == 0 ? "/" : percorso.substr(0, barra);
}

std::string senzamnemonico(std::string testo) {
    for (size_t i = testo.find('&'); i != std::string::npos; i = testo.find('&', i + 2)) testo.insert(i, 1, '&');
    return testo;
}

}  // namespace

void Recenti::imposta(const std::vector<std::string>& elenco) {
    elenco_.clear();
    for (const std::string& p : elenco)
        if (!p.empty() && elenco_.size() < MASSIMO && std::find(elenco_.begin(), elenco_.end(), p) == elenco_.end())
            elenco_.push_back(p);
}

void Recenti::aggiungi(const std::string& percorso) {
    if (percorso.empty()) return;
    togli(percorso);
    elenco_.insert(elenco_.begin(), percorso);
    if (elenco_.size() > MASSIMO) elenco_.resize(MASSIMO);
}

bool Recenti::togli(const std::string& percorso) {
    const auto i = std::find(elenco_.begin(), elenco_.end(), percorso);
    if (i == elenco_.end()) return false;
    elenco_.erase(i);
    return true;
}

std::vector<std::string> Recenti::voci() const {
    std::vector<std::string> v;
    for (size_t i = 0; i < elenco_.size(); ++i) {
        const std::string n = nome(elenco_[i]);
        const bool omonimo = std::count_if(elenco_.begin(), elenco_.end(),
                                           [&n](const std::string& p) { return nome(p) == n; }) > 1;
        std::string testo = n;
        if (omonimo && !cartella(elenco_[i]).empty()) testo += " (" + cartella(elenco_[i]) + ")";
        v.push_back("&" + std::to_string(i + 1) + " " + senzamnemonico(testo));
    }
    return v;
}

}  // namespace vask
