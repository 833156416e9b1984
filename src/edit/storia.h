// The history of the changes to the section: for each step what the section
// was before it and a description, so that it can be undone and redone. At
// most a fixed number of steps; the oldest go first.
#pragma once

#include <deque>
#include <string>
#include <utility>

namespace vask {

template <class Stato>
class Storia {
public:
    explicit Storia(size_t massimo = 200) : massimo_(massimo) {}

    // A change is about to be made to `prima`: what can be redone is lost.
    void registra(std::string descrizione, Stato prima) {
        passato_.push_back({std::move(descrizione), std::move(prima)});
        if (passato_.size() > massimo_) passato_.pop_front();
        futuro_.clear();
    }

    bool puoiannullare() const { return !passato_.empty(); }
    bool puoiripetere() const { return !futuro_.empty(); }
    const std::string& daannullare() const { return passato_.back().descrizione; }
    const std::string& daripetere() const { return futuro_.back().descrizione; }
    // The states an undo and a redo would go to.
    const Stato& daannullarestato() const { return passato_.back().stato; }
    const Stato& daripeterestato() const { return futuro_.back().stato; }

    // The state to go back to; `ora` is kept for redoing.
    Stato annulla(Stato ora) {
        Voce v = std::move(passato_.back());
        passato_.pop_back();
        futuro_.push_back({v.descrizione, std::move(ora)});
        return std::move(v.stato);
    }
    // The state to go forward to; `ora` is kept for undoing again.
    Stato ripeti(Stato ora) {
        Voce v = std::move(futuro_.back());
        futuro_.pop_back();
        passato_.push_back({v.descrizione, std::move(ora)});
        return std::move(v.stato);
    }

    size_t passi() const { return passato_.size(); }
    size_t daripetereancora() const { return futuro_.size(); }

private:
    struct Voce {
        std::string descrizione;
        Stato stato;
    };
    size_t massimo_;
    std::deque<Voce> passato_, futuro_;
};

}  // namespace vask
