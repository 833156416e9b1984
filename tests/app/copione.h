// A scripted answerer for the core's message boxes: records every box and
// answers with the next queued answer, or Ok (to a question `altrimenti`'s
// answer, else No) when none is.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/messaggi.h"

struct Domanda {
    std::string testo, titolo;
    vask::Icona icona;
    vask::Pulsanti pulsanti;
};

class Copione : public vask::Messaggi {
public:
    std::vector<Domanda> domande;
    std::deque<vask::Risposta> risposte;
    std::function<vask::Risposta(vask::Pulsanti)> altrimenti;

    vask::Risposta mostra(const std::string& testo, const std::string& titolo, vask::Icona icona,
                          vask::Pulsanti pulsanti) override {
        domande.push_back({testo, titolo, icona, pulsanti});
        if (pulsanti != vask::Pulsanti::Ok && risposte.empty() && altrimenti) return altrimenti(pulsanti);
        if (risposte.empty()) return pulsanti == vask::Pulsanti::Ok ? vask::Risposta::Ok : vask::Risposta::No;
        const vask::Risposta r = risposte.front();
        risposte.pop_front();
        return r;
    }
};
