// A scripted answerer for the core's message boxes: records every box and
// answers with the next queued answer, or Ok (No to a question) when none is.
#pragma once

#include <deque>
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

    vask::Risposta mostra(const std::string& testo, const std::string& titolo, vask::Icona icona,
                          vask::Pulsanti pulsanti) override {
        domande.push_back({testo, titolo, icona, pulsanti});
        if (risposte.empty()) return pulsanti == vask::Pulsanti::Ok ? vask::Risposta::Ok : vask::Risposta::No;
        const vask::Risposta r = risposte.front();
        risposte.pop_front();
        return r;
    }
};
