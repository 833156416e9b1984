// The element table: every number of the section in rows and columns, each
// cell editable as if the element were drawn with it, copied and pasted as
// tab-separated text.
#include <cfloat>
#include <cmath>
#include <cstring>

#include "edit/frmvask2.h"
#include "edit/tipi.h"
#include "model/geometria.h"
#include "model/puntodigitato.h"

namespace vask {

const char* const FrmVask_2::COLONNETABELLA[COLONNE] = {
    QT_TRANSLATE_NOOP("Vask", "Elemento"), "x1", "y1", "x2", "y2", "x3", "y3", "xc", "yc",
    QT_TRANSLATE_NOOP("Vask", "raggio"),   QT_TRANSLATE_NOOP("Vask", "densità"),
    QT_TRANSLATE_NOOP("Vask", "area"),     QT_TRANSLATE_NOOP("Vask", "massa")};

namespace {

// The field of each column for each kind, 0 where the kind has none.
const int CAMPO[4][FrmVask_2::COLONNE] = {
    {0, R::x1, R::y1, R::x2, R::y2, 0, 0, 0, 0, 0, R::densita, R::area, R::massa},
    {0, T::x1, T::y1, T::x2, T::y2, T::x3, T::y3, 0, 0, 0, T::densita, T::area, T::massa},
    {0, 0, 0, 0, 0, 0, 0, C::xc, C::yc, C::raggio, C::densita, C::area, C::massa},
    {0, L::x1, L::y1, L::x2, L::y2, 0, 0, 0, 0, 0, 0, 0, 0},
};
constexpr int DERIVATE = 11;  // area and mass are computed, not typed
const int CAPIENZA[4] = {MAXRETTANGOLI, MAXTRIANGOLI, MAXCERCHI, MAXLINEE};
const char* const NOMI[4] = {QT_TRANSLATE_NOOP("Vask", "Rettangolo"), QT_TRANSLATE_NOOP("Vask", "Triangolo"),
                             QT_TRANSLATE_NOOP("Vask", "Cerchio"), QT_TRANSLATE_NOOP("Vask", "Linea")};
// A row's name, one sentence in each language.
const char* const NOMIRIGA[4] = {QT_TRANSLATE_NOOP("Vask", "Rettangolo %1"), QT_TRANSLATE_NOOP("Vask", "Triangolo %1"),
                                 QT_TRANSLATE_NOOP("Vask", "Cerchio %1"), QT_TRANSLATE_NOOP("Vask", "Linea %1")};

// The whole cell is one number, as a typed point takes it; `portata` says
// whether a float holds it.
bool numerocella(const std::string& testo, float& valore, Portata& portata) {
    double d = 0;
    if (!legginumero(testo, d)) return false;
    portata = std::fabs(d) > FLT_MAX ? Portata::Troppogrande : (d != 0 && float(d) == 0 ? Portata::Troppopiccolo : Portata::Ammesso);
    valore = portata == Portata::Ammesso ? float(d) + 0.0f : 0.0f;
    return true;
}

}  // namespace

std::vector<FrmVask_2::RigaTabella> FrmVask_2::tabella() const {
    std::vector<RigaTabella> righe;
    const int conteggi[4] = {sez.numerorettangoli(), sez.numerotriangoli(), sez.numerocerchi(), sez.numerolinee()};
    for (int k = RETTANGOLO; k <= LINEA; ++k)
        for (int n = 1; n <= conteggi[k]; ++n) {
            const float* r = k == RETTANGOLO ? sez.rettangoli[n]
                             : k == TRIANGOLO ? sez.triangoli[n]
                             : k == CERCHIO   ? sez.cerchi[n]
                                              : sez.linee[n];
            RigaTabella t;
            t.tipo = k;
            t.numero = n;
            t.celle[0] = componi(NOMIRIGA[k], {testointero(n)});
            for (int c = 1; c < COLONNE; ++c)
                if (CAMPO[k][c]) {
                    t.celle[c] = testosingolo(r[CAMPO[k][c]]);
                    t.modificabile[c] = c < DERIVATE;
                }
            righe.push_back(t);
        }
    return righe;
}

bool FrmVask_2::elementoammesso(int k, const float* r, Portata densita, Portata raggio) {
    const auto fuori = [](std::initializer_list<float> valori) {
        for (float v : valori)
            if (!(v >= 0 && v <= LIMITEMONDO)) return true;
        return false;
    };
    static const char* const LIMITI[4] = {
        QT_TRANSLATE_NOOP("Vask", "Il rettangolo deve rimanere nella zona positiva dell'area grafica, entro le "
                                  "coordinate %1. Reinserire il valore."),
        QT_TRANSLATE_NOOP("Vask", "Il triangolo deve rimanere nella zona positiva dell'area grafica, entro le "
                                  "coordinate %1. Reinserire il valore."),
        nullptr,
        QT_TRANSLATE_NOOP("Vask", "La linea deve rimanere nella zona positiva dell'area grafica, entro le coordinate "
                                  "%1. Reinserire il valore.")};
    const auto limiti = [k] { return componi(LIMITI[k], {testosingolo(LIMITEMONDO)}); };
    switch (k) {
    case RETTANGOLO:
        if (fuori({r[R::x1], r[R::y1], r[R::x2], r[R::y2]})) {
            avviso(limiti(), QT_TRANSLATE_NOOP("Vask", "Rettangolo fuori dai limiti dell'area grafica."));
            return false;
        }
        if (r[R::x1] == r[R::x2] || r[R::y1] == r[R::y2]) {
            avviso(QT_TRANSLATE_NOOP("Vask", "Il rettangolo inserito è degenere. Reinserire il secondo punto."), QT_TRANSLATE_NOOP("Vask", "Rettangolo degenere."));
            return false;
        }
        return densitaammessa(densita, r[R::densita],
                              arearettangolo(r[R::x1], r[R::y1], r[R::x2], r[R::y2], r[R::densita]));
    case TRIANGOLO:
        if (fuori({r[T::x1], r[T::y1], r[T::x2], r[T::y2], r[T::x3], r[T::y3]})) {
            avviso(limiti(), QT_TRANSLATE_NOOP("Vask", "Triangolo fuori dai limiti dell'area grafica."));
            return false;
        }
        if (r[T::x1] == r[T::x2] && r[T::y1] == r[T::y2]) {
            avviso(QT_TRANSLATE_NOOP("Vask", "Il lato inserito è degenere. Reinserire il secondo punto."), QT_TRANSLATE_NOOP("Vask", "Triangolo degenere."));
            return false;
        }
        if (terzoverticedegenere(r[T::x1], r[T::y1], r[T::x2], r[T::y2], r[T::x3], r[T::y3])) {
            avviso(QT_TRANSLATE_NOOP("Vask", "Il triangolo inserito è degenere. Reinserire il terzo punto."), QT_TRANSLATE_NOOP("Vask", "Triangolo degenere."));
            return false;
        }
        return densitaammessa(densita, r[T::densita],
                              areatriangolo(r[T::x1], r[T::y1], r[T::x2], r[T::y2], r[T::x3], r[T::y3], r[T::densita]));
    case CERCHIO: {
        const float g = r[C::raggio];
        if (!(g > 0) && raggio == Portata::Ammesso) {
            avviso(QT_TRANSLATE_NOOP("Vask", "Il cerchio inserito è degenere. Reinserire il raggio che deve essere maggiore di zero."), QT_TRANSLATE_NOOP("Vask", "Cerchio degenere."));
            return false;
        }
        if (!raggioammesso(raggio, g)) return false;
        if (r[C::xc] < g || r[C::yc] < g) {
            avviso(componi(QT_TRANSLATE_NOOP("Vask", "Il cerchio inserito deve rimanere nella zona positiva dell'area "
                                                     "grafica. Reinserire il raggio oppure spostare il centro almeno "
                                                     "nel punto di coordinate ( %1 ; %1 ) ."),
                           {testosingolo(g)}),
                   QT_TRANSLATE_NOOP("Vask", "Cerchio fuori dei limiti dell'area grafica."));
            return false;
        }
        if (cerchiooltreilmondo(r[C::xc], r[C::yc], g)) {
            avviso(componi(QT_TRANSLATE_NOOP("Vask", "Il cerchio inserito deve rimanere entro le coordinate %1 dell'area "
                                                     "grafica. Reinserire il raggio oppure spostare il centro."),
                           {testosingolo(LIMITEMONDO)}),
                   QT_TRANSLATE_NOOP("Vask", "Cerchio fuori dei limiti dell'area grafica."));
            return false;
        }
        return densitaammessa(densita, r[C::densita], areacerchio(g, r[C::densita], pigreco));
    }
    default:
        if (fuori({r[L::x1], r[L::y1], r[L::x2], r[L::y2]})) {
            avviso(limiti(), QT_TRANSLATE_NOOP("Vask", "Linea fuori dai limiti dell'area grafica."));
            return false;
        }
        if (r[L::x1] == r[L::x2] && r[L::y1] == r[L::y2]) {
            avviso(QT_TRANSLATE_NOOP("Vask", "La linea inserita è degenere. Reinserire il secondo punto."), QT_TRANSLATE_NOOP("Vask", "Linea degenere."));
            return false;
        }
        return true;
    }
}

bool FrmVask_2::valorecella(const std::string& testo, int colonna, float& valore, Portata& portata,
                            const std::string& dove) {
    if (!numerocella(testo, valore, portata)) {
        avviso(componi(QT_TRANSLATE_NOOP("Vask", "%1: il valore di %2 non è un numero. Scrivere un numero con il punto "
                                                 "o la virgola come separatore decimale."),
                       {dove, COLONNETABELLA[colonna]}),
               QT_TRANSLATE_NOOP("Vask", "Valore non valido."));
        return false;
    }
    // Density and radius are judged with the messages of drawing.
    if (colonna == 9 || colonna == 10 || portata == Portata::Ammesso) return true;
    avviso(componi(portata == Portata::Troppogrande
                       ? QT_TRANSLATE_NOOP("Vask", "%1: il valore di %2 è troppo grande per essere memorizzato.")
                       : QT_TRANSLATE_NOOP("Vask", "%1: il valore di %2 è troppo piccolo per essere memorizzato."),
                   {dove, COLONNETABELLA[colonna]}),
           QT_TRANSLATE_NOOP("Vask", "Valore non valido."));
    return false;
}

namespace {

// The row of element n of kind k in a section's tables.
float* rigadi(Sezione& s, int k, int n) {
    return k == RETTANGOLO ? s.rettangoli[n] : k == TRIANGOLO ? s.triangoli[n] : k == CERCHIO ? s.cerchi[n] : s.linee[n];
}

// Derived fields of element n, as drawing computes them.
void completa(Sezione& s, int k, int n, float pigreco) {
    switch (k) {
    case RETTANGOLO: s.completarettangolo(n); break;
    case TRIANGOLO: s.completatriangolo(n); break;
    case CERCHIO: s.completacerchio(n, pigreco); break;
    default: s.puntidilinea(n); break;
    }
}

}  // namespace

bool FrmVask_2::modificacella(int i, int colonna, const std::string& testo) {
    const std::vector<RigaTabella> righe = tabella();
    if (i < 0 || i >= int(righe.size()) || colonna < 1 || colonna >= COLONNE) return false;
    const int k = righe[size_t(i)].tipo, n = righe[size_t(i)].numero, campo = CAMPO[k][colonna];
    if (!righe[size_t(i)].modificabile[colonna]) return false;
    // The row as stored but for the cell typed.
    float nuova[16] = {};
    const int campi[4] = {R::CAMPI, T::CAMPI, C::CAMPI, L::CAMPI};
    std::memcpy(nuova, rigadi(sez, k, n), sizeof(float) * size_t(campi[k] + 1));
    Portata portata = Portata::Ammesso;
    if (!valorecella(testo, colonna, nuova[campo], portata, righe[size_t(i)].celle[0])) return false;
    if (!elementoammesso(k, nuova, colonna == 10 ? portata : Portata::Ammesso, colonna == 9 ? portata : Portata::Ammesso))
        return false;
    registra(componi(k == LINEA ? QT_TRANSLATE_NOOP("Vask", "%1 della %2 %3") : QT_TRANSLATE_NOOP("Vask", "%1 del %2 %3"),
                     {COLONNETABELLA[colonna], nometipo(k), testointero(n)}));
    rigadi(sez, k, n)[campo] = nuova[campo];
    completa(sez, k, n, pigreco);
    // As a move: the elements' results and the kern's snap points are no longer current.
    if (k != LINEA) ris.attuali = false;
    noccioloscaduto();
    mnuVisualizzaRigenera_Click();
    if (modo.seleziono && selezionevalida(k) && riga(k) == n) seleziona(k, n);
    return true;
}

int FrmVask_2::rigaselezionata() const {
    const bool scelti[4] = {selezione.hoselezionatounrettangolo, selezione.hoselezionatountriangolo,
                            selezione.hoselezionatouncerchio, selezione.hoselezionatounalinea};
    const int numeri[4] = {selezione.rigarettangoloselezionato, selezione.rigatriangoloselezionato,
                           selezione.rigacerchioselezionato, selezione.rigalineaselezionata};
    const int conteggi[4] = {sez.numerorettangoli(), sez.numerotriangoli(), sez.numerocerchi(), sez.numerolinee()};
    int prima = 0;
    for (int k = RETTANGOLO; k <= LINEA; ++k) {
        if (scelti[k] && numeri[k] >= 1 && numeri[k] <= conteggi[k]) return prima + numeri[k] - 1;
        prima += conteggi[k];
    }
    return -1;
}

void FrmVask_2::selezionariga(int i) {
    const std::vector<RigaTabella> righe = tabella();
    if (i < 0 || i >= int(righe.size())) return;
    const int k = righe[size_t(i)].tipo;
    sceltaselezione(k);
    seleziona(k, righe[size_t(i)].numero);
}

std::string FrmVask_2::testotabella(const std::vector<int>& scelte, const Traduttore& traduci) const {
    const std::vector<RigaTabella> righe = tabella();
    std::string t;
    const auto aggiungi = [&t](const std::string* celle) {
        for (int c = 0; c < COLONNE; ++c) t += (c ? "\t" : "") + celle[c];
        t += "\n";
    };
    std::string intestazione[COLONNE];
    for (int c = 0; c < COLONNE; ++c) intestazione[c] = traduci(COLONNETABELLA[c]);
    aggiungi(intestazione);
    for (size_t i = 0; i < righe.size(); ++i) {
        bool scelta = scelte.empty();
        for (int s : scelte) scelta |= s == int(i);
        std::string celle[COLONNE];
        std::copy(std::begin(righe[i].celle), std::end(righe[i].celle), celle);
        celle[0] = traduci(celle[0].c_str());
        if (scelta) aggiungi(celle);
    }
    return t;
}

void FrmVask_2::incollatabella(const std::string& testo, const Traduttore& traduci) {
    // The rows being drawn would be overwritten by the pasted ones.
    if (costruzione.puntorettangolo || costruzione.puntotriangolo || costruzione.puntolinea) abbandonacomando();
    Sezione nuova = sez;
    int accettate = 0, numeroriga = 0;
    bool elementi = false;
    size_t inizio = 0;
    while (inizio < testo.size()) {
        size_t fine = testo.find('\n', inizio);
        if (fine == std::string::npos) fine = testo.size();
        // A spreadsheet on another system ends its lines with CR LF.
        const size_t cr = fine > inizio && testo[fine - 1] == '\r';
        const std::string riga = testo.substr(inizio, fine - inizio - cr);
        inizio = fine + 1;
        ++numeroriga;
        std::string celle[COLONNE];
        size_t p = 0;
        for (int c = 0; c < COLONNE && p <= riga.size(); ++c) {
            const size_t q = std::min(riga.find('\t', p), riga.size());
            celle[c] = riga.substr(p, q - p);
            p = q + 1;
        }
        if (riga.find_first_not_of(" \t") == std::string::npos) continue;
        // The column names, as copied in either language.
        if (celle[0] == COLONNETABELLA[0] || celle[0] == traduci(COLONNETABELLA[0])) continue;
        const std::string dove = componi(QT_TRANSLATE_NOOP("Vask", "Riga %1"), {testointero(numeroriga)});
        int k = -1;
        for (int j = RETTANGOLO; j <= LINEA; ++j)
            for (const char* nome : {NOMI[j], nometipo(j)})
                if (celle[0].rfind(nome, 0) == 0 || celle[0].rfind(traduci(nome), 0) == 0) k = j;
        if (k < 0) {
            avviso(componi(QT_TRANSLATE_NOOP("Vask", "%1: la prima colonna deve dire Rettangolo, Triangolo, Cerchio o "
                                                     "Linea."),
                           {dove}), QT_TRANSLATE_NOOP("Vask", "Incolla interrotto."));
            break;
        }
        const int prossimi[4] = {nuova.prossimorettangolo, nuova.prossimotriangolo, nuova.prossimocerchio, nuova.l};
        const int n = prossimi[k];
        if (n > CAPIENZA[k]) {
            // The texts of drawing, as they are.
            static const char* const TITOLI[4] = {QT_TRANSLATE_NOOP("Vask", "Rettangoli esauriti."),
                                                  QT_TRANSLATE_NOOP("Vask", "Triangoli esauriti."),
                                                  QT_TRANSLATE_NOOP("Vask", "cerchi esauriti."),
                                                  QT_TRANSLATE_NOOP("Vask", "Linee esaurite.")};
            static const char* const MODELLI[4] = {QT_TRANSLATE_NOOP("Vask", "Non puoi usare più di %1 rettangoli."),
                                                   QT_TRANSLATE_NOOP("Vask", "Non puoi usare più di %1 triangoli."),
                                                   QT_TRANSLATE_NOOP("Vask", "Non puoi usare più di %1 Cerchi."),
                                                   QT_TRANSLATE_NOOP("Vask", "Non puoi usare più di %1 linee.")};
            avviso(componi(MODELLI[k], {testointero(CAPIENZA[k])}), TITOLI[k]);
            break;
        }
        float r[16] = {};
        Portata portate[COLONNE] = {};
        bool letta = true;
        for (int c = 1; c < DERIVATE && letta; ++c)
            if (CAMPO[k][c]) letta = valorecella(celle[c], c, r[CAMPO[k][c]], portate[c], dove);
        if (!letta || !elementoammesso(k, r, portate[10], portate[9])) break;
        float* dest = rigadi(nuova, k, n);
        for (int c = 1; c < DERIVATE; ++c)
            if (CAMPO[k][c]) dest[CAMPO[k][c]] = r[CAMPO[k][c]];
        int* contatori[4] = {&nuova.prossimorettangolo, &nuova.prossimotriangolo, &nuova.prossimocerchio, &nuova.l};
        ++*contatori[k];
        completa(nuova, k, n, pigreco);
        elementi |= k != LINEA;
        ++accettate;
    }
    if (!accettate) return;
    // The rows taken so far are one step.
    registra(componi(accettate == 1 ? QT_TRANSLATE_NOOP("Vask", "incolla %1 riga") : QT_TRANSLATE_NOOP("Vask", "incolla %1 righe"),
                     {testointero(accettate)}));
    sez = nuova;
    if (elementi) ris.attuali = false;
    noccioloscaduto();
    mnuVisualizzaRigenera_Click();
}

}  // namespace vask
