#include "view/vista.h"

#include <algorithm>
#include <cmath>

#include "model/numeri.h"

namespace vask {

void didascaliesuccessive(const std::string& primo, double passo, int quante,
                          std::string* uscita) {
    const std::string* precedente = &primo;
    for (int i = 0; i < quante; ++i) {
        uscita[i] = testodoppio(valoredidascalia(*precedente) + passo);
        precedente = &uscita[i];
    }
}

std::string didascaliaspostata(const std::string& didascalia, double passo) {
    return testodoppio(valoredidascalia(didascalia) + passo);
}

Nodi nodigriglia(double da, double a, double passo, int massimo) {
    Nodi n;
    if (!(passo > 0) || !std::isfinite(passo) || !std::isfinite(da) || !std::isfinite(a))
        return n;
    const double primo = std::max(0.0, std::ceil(std::max(da, 0.0) / passo));
    const double ultimo = std::floor(a / passo);
    if (!(ultimo >= primo) || primo > 1e15) return n;
    n.primo = static_cast<long long>(primo);
    n.quanti = static_cast<int>(std::min(ultimo - primo + 1, double(massimo)));
    return n;
}

double arrotondapari(double v) {
    // The default rounding mode sends halves to the even neighbour.
    return std::nearbyint(v);
}

float agriglia(float v, float passo) {
    const double quoziente = double(v) / passo;
    if (passo == 0 || !std::isfinite(quoziente)) return v;
    const float risultato = float(arrotondapari(quoziente)) * passo;
    return std::isfinite(risultato) ? risultato : v;
}

int primocatturato(const float* xy, int quanti, float x, float y, float tolleranza) {
    for (int i = 0; i < quanti; ++i) {
        const double dx = double(x) - xy[2 * i], dy = double(y) - xy[2 * i + 1];
        const float d = float(std::sqrt(dx * dx + dy * dy));
        if (tolleranza > d) return i;
    }
    return -1;
}

int passopan(double spostamento) {
    if (!std::isfinite(spostamento)) return 0;
    return static_cast<int>(std::clamp(arrotondapari(spostamento), -32768.0, 32767.0));
}

}  // namespace vask
