// Seeded random user actions on the real main window, and the invariants kept
// after each. Shared by the random test and the benchmarks.
#pragma once

#include <QtWidgets>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/archivio.h"
#include "app/areagrafica.h"
#include "app/esportazione.h"
#include "app/finestraprincipale.h"
#include "app/stampa.h"
#include "model/numeri.h"
#include "view/vista.h"

namespace scimmia {

using namespace vask;

enum class Tipo { Pulsante, Voce, Tasto, Scrivi, Muovi, Premi, Rilascia, Clic, Trascina,
                  Dimensiona, Riduci, Ripristina, Rispondi };

// Positions are fractions of the area's size: the same place whatever the window's size.
struct Azione {
    Tipo tipo = Tipo::Muovi;
    std::string nome;   // control, menu entry, key or text box
    std::string testo;  // what is typed
    double a = 0, b = 0, c = 0, d = 0;
};

const char* const NOMITIPO[] = {"pulsante", "voce",     "tasto",      "scrivi", "muovi",      "premi",   "rilascia",
                                "clic",     "trascina", "dimensiona", "riduci", "ripristina", "rispondi"};
// A name goes with the controls, keys, text boxes and answers; numbers with the rest.
inline bool connome(Tipo t) {
    return t == Tipo::Pulsante || t == Tipo::Voce || t == Tipo::Tasto || t == Tipo::Scrivi || t == Tipo::Rispondi;
}
inline int numeri(Tipo t) {
    return t == Tipo::Trascina ? 4 : connome(t) || t == Tipo::Riduci || t == Tipo::Ripristina ? 0 : 2;
}

inline std::string descrivi(const Azione& z) {
    std::ostringstream s;
    s << NOMITIPO[int(z.tipo)];
    if (connome(z.tipo)) s << " " << z.nome;
    if (z.tipo == Tipo::Scrivi) s << " " << z.testo;
    const double v[4] = {z.a, z.b, z.c, z.d};
    for (int i = 0; i < numeri(z.tipo); ++i) s << " " << v[i];
    return s.str();
}

// The inverse of descrivi, one action per line.
inline Azione leggi(const std::string& riga) {
    std::istringstream s(riga);
    std::string parola;
    s >> parola;
    Azione z;
    for (int t = 0; t < int(std::size(NOMITIPO)); ++t) z.tipo = parola == NOMITIPO[t] ? Tipo(t) : z.tipo;
    if (connome(z.tipo)) s >> z.nome;
    if (z.tipo == Tipo::Scrivi) s.get(), std::getline(s, z.testo);
    double* v[4] = {&z.a, &z.b, &z.c, &z.d};
    for (int i = 0; i < numeri(z.tipo); ++i) s >> *v[i];
    return z;
}

inline std::vector<Azione> leggitutte(const std::string& testo) {
    std::vector<Azione> v;
    std::istringstream s(testo);
    for (std::string riga; std::getline(s, riga);) if (!riga.empty()) v.push_back(leggi(riga));
    return v;
}

// Message boxes answered at random; a sequence may fix the next answer ("rispondi si").
class Risponditore : public Messaggi {
public:
    explicit Risponditore(unsigned seme) : gen_(seme) {}
    std::optional<Risposta> prossima;
    Risposta mostra(const std::string&, const std::string&, Icona, Pulsanti pulsanti) override {
        if (pulsanti == Pulsanti::Ok) return Risposta::Ok;
        const Risposta r[3] = {Risposta::Si, Risposta::No, Risposta::Annulla};
        const Risposta scelta = prossima ? *prossima : r[std::uniform_int_distribution<int>(0, pulsanti == Pulsanti::SiNoAnnulla ? 2 : 1)(gen_)];
        prossima.reset();
        return scelta;
    }

private:
    std::mt19937 gen_;
};

class Banco {
public:
    explicit Banco(unsigned seme) : risposte_(seme ^ 0x5eed) {
        f_ = std::make_unique<FinestraPrincipale>(&risposte_);
        // Files, exports (small) and prints go to a folder of this window's own.
        const QString file = cartella_.filePath(QStringLiteral("casuale.vask"));
        f_->archivio().sceglidasalvare = [file](const QString&) { return file; };
        f_->archivio().sceglidaaprire = [file] { return QFile::exists(file) ? file : QString(); };
        f_->esportazione().sceglifile = [this] { return cartella_.filePath(++uscite_ % 2 ? "casuale.png" : "casuale.svg"); };
        f_->esportazione().sceglilarghezza = [](int) { return ESPORTAZIONEMINIMA; };
        f_->stampa().sceglidispositivo = [this] {
            pdf_ = std::make_unique<QPdfWriter>(cartella_.filePath(QStringLiteral("casuale.pdf")));
            pdf_->setResolution(72);
            return pdf_.get();
        };
        f_->show();
        QApplication::setActiveWindow(f_.get());
        // Replayable names, in a fixed order.
        for (QPushButton* b : f_->findChildren<QPushButton*>())
            if (!b->objectName().isEmpty()) pulsanti_.push_back(b->objectName().toStdString());
        for (QAction* a : f_->findChildren<QAction*>())
            if (a->objectName().startsWith("mnu") && !a->menu()) voci_.push_back(a->objectName().toStdString());
        std::sort(pulsanti_.begin(), pulsanti_.end()), std::sort(voci_.begin(), voci_.end());
    }

    FrmVask_2& nucleo() { return f_->nucleo(); }
    const std::vector<std::string>& pulsanti() const { return pulsanti_; }
    const std::vector<std::string>& voci() const { return voci_; }

    // One action through the real widgets; one that does not apply now does nothing.
    void esegui(const Azione& z) {
        AreaGrafica* area = f_->area();
        const auto punto = [area](double x, double y) {
            return QPoint(int(std::lround(x * (area->width() - 1))), int(std::lround(y * (area->height() - 1))));
        };
        switch (z.tipo) {
        case Tipo::Pulsante:
            if (auto* b = f_->findChild<QPushButton*>(QString::fromStdString(z.nome)); b && b->isEnabled() && b->isVisible())
                b->click();
            break;
        case Tipo::Voce:
            if (auto* a = f_->findChild<QAction*>(QString::fromStdString(z.nome)); a && a->isEnabled()) a->trigger();
            break;
        case Tipo::Tasto: {
            const QKeySequence k(QString::fromStdString(z.nome));
            if (!k.isEmpty() && f_->isVisible() && !f_->isMinimized())
                QTest::keyClick(f_.get(), k[0].key(), k[0].keyboardModifiers());
            break;
        }
        case Tipo::Scrivi:
            if (auto* t = f_->findChild<QLineEdit*>(QString::fromStdString(z.nome)); t && t->isEnabled()) {
                t->selectAll();
                z.testo.empty() ? QTest::keyClick(t, Qt::Key_Backspace) : QTest::keyClicks(t, QString::fromStdString(z.testo));
            }
            break;
        case Tipo::Muovi: QTest::mouseMove(area, punto(z.a, z.b)); break;
        case Tipo::Premi: QTest::mousePress(area, Qt::LeftButton, {}, punto(z.a, z.b)); break;
        case Tipo::Rilascia: QTest::mouseRelease(area, Qt::LeftButton, {}, punto(z.a, z.b)); break;
        case Tipo::Clic:
            QTest::mouseMove(area, punto(z.a, z.b));
            QTest::mouseClick(area, Qt::LeftButton, {}, punto(z.a, z.b));
            break;
        case Tipo::Trascina:
            QTest::mouseMove(area, punto(z.a, z.b));
            QTest::mousePress(area, Qt::LeftButton, {}, punto(z.a, z.b));
            QTest::mouseMove(area, punto((z.a + z.c) / 2, (z.b + z.d) / 2));
            QTest::mouseMove(area, punto(z.c, z.d));
            QTest::mouseRelease(area, Qt::LeftButton, {}, punto(z.c, z.d));
            break;
        case Tipo::Dimensiona: f_->resize(int(z.a), int(z.b)); break;
        case Tipo::Riduci: f_->showMinimized(); break;
        case Tipo::Ripristina: f_->showNormal(); break;
        case Tipo::Rispondi: risposte_.prossima = z.nome == "si" ? Risposta::Si : Risposta::No; break;
        }
        QCoreApplication::processEvents();
    }

private:
    Risponditore risposte_;
    QTemporaryDir cartella_;
    std::unique_ptr<QPdfWriter> pdf_;
    int uscite_ = 0;
    std::unique_ptr<FinestraPrincipale> f_;
    std::vector<std::string> pulsanti_, voci_;
};

class Generatore {
public:
    // Window sizes up to `massimo` pixels wide (the height in proportion).
    explicit Generatore(unsigned seme, int massimo = 2600) : gen_(seme), massimo_(massimo) {}

    Azione prossima(const Banco& banco) {
        Azione z;
        const int p = intero(0, 999);
        if (p < 385) {  // positions drawn in this order: a, b, then c, d for a drag
            z.tipo = p < 200 ? Tipo::Muovi : p < 330 ? Tipo::Clic : p < 370 ? Tipo::Trascina
                                                                   : intero(0, 1) ? Tipo::Premi : Tipo::Rilascia;
            z.a = posizione(), z.b = posizione();
            if (z.tipo == Tipo::Trascina) z.c = posizione(), z.d = posizione();
        } else if (p < 640) {
            z.tipo = Tipo::Pulsante, z.nome = scegli(banco.pulsanti());
        } else if (p < 800) {
            z.tipo = Tipo::Voce, z.nome = scegli(banco.voci());
        } else if (p < 850) {
            static const std::vector<std::string> tasti = {
                "F2", "F3", "F4", "F5", "F6", "F7", "F8", "Ctrl+R", "Ctrl+T", "Ctrl+C", "Ctrl+L", "Ctrl+D",
                "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z", "Ctrl+Shift+C", "Ctrl+S", "Ctrl+O", "Ctrl+P"};
            z.tipo = Tipo::Tasto, z.nome = scegli(tasti);
        } else if (p < 975) {
            static const std::vector<std::string> caselle = {"txtDensita", "txtDensita", "txtRaggio", "txtPassoGriglia"};
            z.tipo = Tipo::Scrivi, z.nome = scegli(caselle), z.testo = testo();
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

inline bool finito(float v) { return std::isfinite(v); }

// The snap points of each element, recomputed here from the element's fields.
inline std::string puntigiusti(const Sezione& s) {
    const auto uguale = [](const float* p, std::initializer_list<float> attesi) {
        int k = 1;
        for (float v : attesi) if (p[k++] != v) return false;
        return true;
    };
    for (int i = 1; i < s.prossimorettangolo; ++i) {
        const float* r = s.rettangoli[i];
        const float mx = (r[R::x1] + r[R::x2]) / 2, my = (r[R::y1] + r[R::y2]) / 2;
        if (!uguale(s.puntirettangoli[i], {r[R::x1], r[R::y1], r[R::x2], r[R::y2], r[R::x1], r[R::y2],
                                           r[R::x2], r[R::y1], mx, my, r[R::x1], my, mx, r[R::y1],
                                           r[R::x2], my, mx, r[R::y2]}) ||
            r[R::xg] != mx || r[R::yg] != my)
            return "punti del rettangolo " + std::to_string(i);
    }
    for (int i = 1; i < s.prossimotriangolo; ++i) {
        const float* t = s.triangoli[i];
        const float gx = (t[T::x1] + t[T::x2] + t[T::x3]) / 3, gy = (t[T::y1] + t[T::y2] + t[T::y3]) / 3;
        if (!uguale(s.puntitriangoli[i],
                    {t[T::x1], t[T::y1], t[T::x2], t[T::y2], t[T::x3], t[T::y3], gx, gy,
                     (t[T::x1] + t[T::x2]) / 2, (t[T::y1] + t[T::y2]) / 2, (t[T::x1] + t[T::x3]) / 2,
                     (t[T::y1] + t[T::y3]) / 2, (t[T::x2] + t[T::x3]) / 2, (t[T::y2] + t[T::y3]) / 2}) ||
            t[T::xg] != gx || t[T::yg] != gy)
            return "punti del triangolo " + std::to_string(i);
    }
    for (int i = 1; i < s.prossimocerchio; ++i)
        if (const float x = s.cerchi[i][C::xc], y = s.cerchi[i][C::yc], r = s.cerchi[i][C::raggio];
            !uguale(s.punticerchi[i], {x, y, x + r, y, x, y + r, x - r, y, x, y - r}))
            return "punti del cerchio " + std::to_string(i);
    for (int i = 1; i < s.l; ++i)
        if (const float* l = s.linee[i]; !uguale(s.puntilinee[i], {l[L::x1], l[L::y1], l[L::x2], l[L::y2]}))
            return "punti della linea " + std::to_string(i);
    return {};
}

// Rows past the counter empty; the counter's row holds only an element under construction.
template <int RIGHE, int CAMPI>
std::string densa(const float (&t)[RIGHE][CAMPI], int prossimo, int punti, int campicostruzione, const char* nome) {
    for (int i = 0; i < RIGHE; ++i)
        for (int c = 0; c < CAMPI; ++c) {
            const bool costruzione = i == prossimo && punti > 0 && c >= 1 && c <= campicostruzione;
            if ((i == 0 || c == 0 || i >= prossimo) && !costruzione && t[i][c] != 0)
                return std::string(nome) + " riga " + std::to_string(i) + " campo " + std::to_string(c);
        }
    return {};
}

inline std::string numeriinetichette(const FrmVask_2& f) {
    static const QRegularExpression malato("\\b(nan|inf)\\b", QRegularExpression::CaseInsensitiveOption);
    for (const std::string& n : f.ctl.nomi())
        if (malato.match(QString::fromStdString(f.ctl.testo(n))).hasMatch())
            return n + " mostra " + f.ctl.testo(n);
    const auto numero = [&](const char* n, bool vuoto) {
        const std::string& t = f.ctl.testo(n);
        if (t.empty()) return vuoto;
        bool valido = false;
        valoredidascalia(t, &valido);
        return valido;
    };
    std::vector<std::pair<const char*, bool>> nomi;  // and whether it may be empty
    for (const char* n : ETICHETTEX) nomi.push_back({n, false});
    for (const char* n : ETICHETTEY) nomi.push_back({n, false});
    for (const char* n : ETICHETTERISULTATI) nomi.push_back({n, true});
    for (const char* n : {"lblCoordinataX", "lblCoordinataY", "lblDensitàAttuale", "lblRaggioAttuale"}) nomi.push_back({n, true});
    for (auto [n, vuoto] : nomi) if (!numero(n, vuoto)) return std::string(n) + " non è un numero";
    const char* punti[6][2] = {{"lblPrimoPuntoX", "x1"}, {"lblPrimoPuntoY", "y1"}, {"lblSecondoPuntoX", "x2"},
                               {"lblSecondoPuntoY", "y2"}, {"lblTerzoPuntoX", "x3"}, {"lblTerzoPuntoY", "y3"}};
    for (auto& p : punti)
        if (f.ctl.testo(p[0]) != p[1] && !numero(p[0], false)) return std::string(p[0]) + " non è un numero";
    const std::string& c = f.ctl.testo("lblContatore");
    if (!c.empty() && c.find_first_not_of("0123456789") != std::string::npos) return "lblContatore mostra " + c;
    return {};
}

inline std::string controlla(FrmVask_2& f) {
    const Sezione& s = f.sez;
    const auto& k = f.costruzione;
    if (s.prossimorettangolo < 1 || s.prossimorettangolo > 6 || s.prossimotriangolo < 1 || s.prossimotriangolo > 6 ||
        s.prossimocerchio < 1 || s.prossimocerchio > 6 || s.l < 1 || s.l > 11)
        return "contatore fuori dei limiti";
    for (std::string e : {densa(s.rettangoli, s.prossimorettangolo, k.puntorettangolo, 2, "rettangoli"),
                          densa(s.triangoli, s.prossimotriangolo, k.puntotriangolo, 4, "triangoli"),
                          densa(s.cerchi, s.prossimocerchio, 0, 0, "cerchi"),
                          densa(s.linee, s.l, k.puntolinea, 2, "linee"),
                          densa(s.puntirettangoli, s.prossimorettangolo, 0, 0, "puntirettangoli"),
                          densa(s.puntitriangoli, s.prossimotriangolo, 0, 0, "puntitriangoli"),
                          densa(s.punticerchi, s.prossimocerchio, 0, 0, "punticerchi"),
                          densa(s.puntilinee, s.l, 0, 0, "puntilinee"), puntigiusti(s)})
        if (!e.empty()) return e;

    // Whatever the section holds, a file of it opens again.
    if (std::string e = problemadocumento(f.documento()); !e.empty()) return "non si riaprirebbe: " + e;

    // Nothing stored is NaN or infinite: tables, results, kern, view.
    const auto tutti = [](const void* p, size_t byte) {
        return std::all_of(static_cast<const float*>(p), static_cast<const float*>(p) + byte / sizeof(float), finito);
    };
    if (!tutti(&s, offsetof(Sezione, prossimorettangolo))) return "un numero non finito nelle tabelle";
    const auto& r = f.ris;
    for (float v : {r.xg, r.yg, r.inclinazioneassicentraliradianti, r.raggiocentralexc, r.raggiocentraleyc, r.ixtotale,
                    r.iytotale, r.ixytotale, r.massatotale, r.ixg, r.iyg, r.ixgyg, r.angologradi})
        if (!finito(v)) return "un risultato non finito";
    if (!tutti(r.risultati, sizeof r.risultati)) return "un risultato non finito";
    if (!tutti(&f.nocciolo.verticinocciolo, sizeof f.nocciolo.verticinocciolo) ||
        !tutti(&f.copianocciolo.puntinocciolo, sizeof f.copianocciolo.puntinocciolo))
        return "un vertice del nocciolo non finito";
    const auto& v = f.vista;
    for (float x : {v.nuovooriginex, v.nuovofinex, v.nuovooriginey, v.nuovofiney, v.panx1, v.pany1, v.passogriglia})
        if (!finito(x)) return "la vista non è finita";

    if (std::string e = numeriinetichette(f); !e.empty()) return e;

    // The window within its limits, its two forms in agreement.
    const Superficie& p = f.pic;
    bool larghezza = false;
    for (float w : {1.25f, 2.5f, 5.f, 10.f, 20.f, 40.f, 80.f}) larghezza |= p.scalewidth == w;
    if (!larghezza || p.scaleheight != p.scalewidth * 0.6f) return "dimensioni della finestra";
    if (p.scaleleft < 0 || p.scaleleft > LIMITEDESTRO || -p.scaletop < 0 || -p.scaletop > LIMITESUPERIORE)
        return "finestra oltre i limiti";
    if (v.nuovooriginex != p.scaleleft || v.nuovooriginey != p.scaletop ||
        v.nuovofinex != p.scaleleft + p.scalewidth || v.nuovofiney != p.scaletop + p.scaleheight)
        return "i campi della finestra non concordano con la scala";
    if (valoredidascalia(f.ctl.testo("lblOriginex")) != p.scaleleft ||
        valoredidascalia(f.ctl.testo("lblOriginey")) != -p.scaletop)
        return "le didascalie non concordano con la finestra";

    // The display list grows with the section, not with the actions.
    if (p.immagine.primitive.size() > 1000 || p.sovrapposto.primitive.size() > 4 ||
        p.sovrapposto.punti.size() > 400000 || p.immagine.punti.size() > 1000)
        return "lista di disegno troppo grande: " + std::to_string(p.immagine.primitive.size());
    for (const Strato* st : {&p.immagine, &p.sovrapposto})
        for (const Primitiva& q : st->primitive)
            for (float x : {q.x1, q.y1, q.x2, q.y2, q.raggio}) if (!finito(x)) return "una primitiva non finita";

    // The modes that exclude each other.
    const auto& m = f.modo;
    if (int(m.disegno) + int(m.seleziono) + int(m.eseguo) != 1) return "modi di comando";
    const auto almassimouno = [](bool a, bool b, bool c, bool d) { return int(a) + b + c + d <= 1; };
    if (!almassimouno(m.rettangolopremuto, m.triangolopremuto, m.cerchiopremuto, m.lineapremuto) ||
        !almassimouno(k.disegnorettangolo, k.disegnotriangolo, k.disegnocerchio, k.disegnolinea) ||
        !almassimouno(f.selezione.selezionorettangolo, f.selezione.selezionotriangolo,
                      f.selezione.selezionocerchio, f.selezione.selezionolinea) ||
        !almassimouno(f.spostamento.spostorettangolo, f.spostamento.spostotriangolo,
                      f.spostamento.spostocerchio, f.spostamento.spostolinea))
        return "più di un tipo nello stesso gruppo";
    if (f.cambioestremo.cambioestremodellalinea &&
        (f.selezione.rigalineaselezionata < 1 || f.selezione.rigalineaselezionata >= s.l))
        return "cambio di estremo su una linea che non c'è";
    return {};
}

}  // namespace scimmia
