// The random user of the window tests and the benchmarks: seeded actions,
// positions mostly inside the drawing area, texts good and bad.
#pragma once

#include "scimmia.h"

namespace scimmia {

class Generatore {
public:
    // Window sizes up to `massimo` pixels wide (the height in proportion).
    explicit Generatore(unsigned seme, int massimo = 2600) : gen_(seme), massimo_(massimo) {}

    Azione prossima(const Banco& banco) {
        Azione z;
        const int p = intero(0, 999);
        if (p < 385) {  // positions drawn in this order: a, b, then c, d for a drag
            z.tipo = p < 180 ? Tipo::Muovi : p < 200 ? Tipo::Rotella : p < 330 ? Tipo::Clic : p < 370 ? Tipo::Trascina
                                                                   : intero(0, 1) ? Tipo::Premi : Tipo::Rilascia;
            z.a = posizione(), z.b = posizione();
            if (z.tipo == Tipo::Trascina) z.c = posizione(), z.d = posizione();
            if (z.tipo == Tipo::Rotella) z.c = (intero(0, 1) ? 120 : -120) / (intero(0, 3) ? 1 : 2);  // now and then half a notch
        } else if (p < 640) {
            z.tipo = Tipo::Pulsante, z.nome = scegli(banco.pulsanti());
        } else if (p < 800) {
            z.tipo = Tipo::Voce, z.nome = scegli(banco.voci());
        } else if (p < 850) {
            const int k = intero(0, int(banco.tasti().size()));
            z.tipo = Tipo::Tasto, z.nome = k == 0 ? "Esc" : std::next(banco.tasti().begin(), k - 1)->first;
        } else if (p < 975) {
            static const std::vector<std::string> caselle = {"txtDensita", "txtDensita", "txtRaggio", "txtPassoGriglia"};
            z.tipo = Tipo::Scrivi, z.nome = scegli(caselle), z.testo = testo();
            if (intero(0, 3) == 0) z.tipo = Tipo::Punto, z.nome = "txtPunto", z.testo = punto();
        } else if (p < 995) {
            static const int lati[][2] = {{5, 5}, {200, 150}, {731, 505}, {1000, 700}, {1240, 590}, {1600, 1000}, {2600, 1600}};
            const auto& l = lati[intero(0, 6)];
            z.tipo = Tipo::Dimensiona, z.a = std::min(l[0], massimo_), z.b = std::min(l[1], massimo_ * 5 / 8);
        } else {
            z.tipo = intero(0, 1) ? Tipo::Riduci : Tipo::Ripristina;
        }
        return z;
    }

private:
    std::mt19937 gen_;
    int massimo_;
    int intero(int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen_); }
    const std::string& scegli(const std::vector<std::string>& v) { return v[size_t(intero(0, int(v.size()) - 1))]; }
    // Mostly inside, often on an edge or a corner, now and then outside.
    double posizione() {
        const int p = intero(0, 99);
        if (p < 8) return 0;
        if (p < 16) return 1;
        if (p < 20) return intero(0, 1) ? -0.05 : 1.05;
        if (p < 60) return intero(0, 40) / 40.0;  // on half units of the start view
        return std::uniform_real_distribution<double>(0, 1)(gen_);
    }
    // A point typed in the box: on the start view's quarter units, relative, far out, or any text.
    std::string punto() {
        const auto n = [this](int da, int a) { return testosingolo(float(intero(da * 4, a * 4)) / 4); };
        switch (intero(0, 4)) {
        case 0: return n(0, 20) + ";" + n(0, 12);
        case 1: return "@" + n(-3, 3) + ";" + n(-3, 3);
        case 2: return n(0, 20) + " " + n(0, 12);
        case 3: return n(0, 4200) + ";" + n(0, 4200);
        default: return testo();
        }
    }
    std::string testo() {
        static const std::vector<std::string> fissi = {
            "", "1", "2", "0.5", "-1", "-0", "0", "3.5", "1,5", "1e39", "1e38", "1e-50",
            "1e-40", "abc", "  2.5kg", "&H1F", "&O17", "1 5", "-2.25", "1e3", "1D2", ".",
            "-", "+4", "0.25", "0.2", "0.015625", "100", "1e-30", "7", "-.5", "&HFFFFFFFFFFFFFFFFFFFF"};
        const int p = intero(0, 9);
        if (p < 7) return scegli(fissi);
        if (p < 8) return std::string(size_t(intero(20, 120)), char('0' + intero(0, 9)));
        std::string s;
        const char* alfabeto = "0123456789.,eE+-dD &HOabc";
        for (int i = intero(1, 12); i > 0; --i) s += alfabeto[intero(0, 24)];
        return s;
    }
};

}  // namespace scimmia
