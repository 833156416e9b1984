// A scripted answerer for the core's message boxes: records every question and
// returns the answers queued by the test (Ok when none is queued).
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
        if (risposte.empty()) return vask::Risposta::Ok;
        vask::Risposta r = risposte.front();
        risposte.pop_front();
        return r;
    }
};
