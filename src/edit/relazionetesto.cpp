#include "edit/relazionetesto.h"

#include <cmath>

#include "model/numeri.h"

namespace vask {

const char* const SEZIONECAMBIATA =
    QT_TRANSLATE_NOOP("Relazione", "La sezione è cambiata dopo l'ultimo calcolo: premi Esegui.");
const char* const INFINITO = "∞";

namespace {

std::string n(double v) { return testosingolo(float(v)); }
const char* const NESSUNO = "—";
const char* const TITOLO = QT_TRANSLATE_NOOP("Relazione", "Relazione di calcolo");
const char* const NOMI[3] = {QT_TRANSLATE_NOOP("Relazione", "Rettangolo %1"),
                             QT_TRANSLATE_NOOP("Relazione", "Triangolo %1"),
                             QT_TRANSLATE_NOOP("Relazione", "Cerchio %1")};
const char* const TOTALE = QT_TRANSLATE_NOOP("Relazione", "Totale");
const char* const ELEMENTO = QT_TRANSLATE_NOOP("Relazione", "Elemento");

std::string escape(const std::string& s) {
    std::string o;
    for (char c : s) o += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    return o;
}

BloccoRelazione bloccocarico(const Relazione& r, const Carico& c, const Traduttore& traduci) {
    const auto punto = [](double x, double y) { return "(" + n(x) + "; " + n(y) + ")"; };
    BloccoRelazione b{traduci(QT_TRANSLATE_NOOP("Relazione", "8. Carico")), {}, {}, false};
    b.frasi.push_back(riempi(traduci(QT_TRANSLATE_NOOP("Relazione", "Centro di sollecitazione C = %1, in coordinate "
                                                               "centrali ξC = %2, ηC = %3.")),
                             {punto(c.x, c.y), n(c.xi), n(c.eta)}));
    if (c.baricentro) {
        b.frasi.push_back(
            traduci(QT_TRANSLATE_NOOP("Relazione", "C coincide con G: l'asse neutro è all'infinito e s = ρ in ogni punto.")));
    } else {
        b.frasi.push_back(riempi(
            traduci(QT_TRANSLATE_NOOP("Relazione", "Asse neutro, antipolare di C rispetto all'ellisse centrale: ξ0 = "
                                              "−Ryc²/ξC = %1, η0 = −Rxc²/ηC = %2.")),
            {c.xiinfinito ? std::string(INFINITO) : "−" + n(r.ry2) + " / " + n(c.xi) + " = " + n(c.xi0),
             c.etainfinito ? std::string(INFINITO) : "−" + n(r.rx2) + " / " + n(c.eta) + " = " + n(c.eta0)}));
    }
    b.frasi.push_back(riempi(
        traduci(QT_TRANSLATE_NOOP("Relazione", "s = ρ·(1 + ξC·ξ/Ryc² + ηC·η/Rxc²) è la tensione in multipli della "
                                          "tensione media N/M di compressione, sui vertici degli elementi pieni e sui "
                                          "punti estremi dei cerchi pieni: smin = %1 in %2, smax = %3 in %4.")),
        {n(c.smin), punto(c.xmin, c.ymin), n(c.smax), punto(c.xmax, c.ymax)}));
    b.frasi.push_back(traduci(frasecarico(c).c_str()));
    return b;
}

}  // namespace

std::vector<BloccoRelazione> blocchirelazione(const Relazione& r, bool cambiata, const Carico* carico,
                                              const Traduttore& traduci) {
    std::vector<BloccoRelazione> b;
    const Proprieta& p = r.p;
    const auto nome = [&traduci](const PassoElemento& e) { return riempi(traduci(NOMI[e.tipo]), {testointero(e.numero)}); };
    if (cambiata) b.push_back({"", {traduci(SEZIONECAMBIATA)}, {}, false});

    BloccoRelazione elementi{traduci(QT_TRANSLATE_NOOP("Relazione", "1. Elementi")), {}, {}, false};
    TabellaRelazione t{traduci(QT_TRANSLATE_NOOP("Relazione", "Elementi")),
                       {traduci(ELEMENTO), "ρ", "A", "m", "xG", "yG", "Sx", "Sy", "Ix'", "Iy'", "Ixy'", "Ix", "Iy", "Ixy"},
                       {}};
    for (const PassoElemento& e : r.elementi)
        t.righe.push_back({nome(e), n(e.rho), n(e.area), n(e.massa), n(e.xg), n(e.yg), n(e.sx), n(e.sy), n(e.ixp),
                           n(e.iyp), n(e.ixyp), n(e.ix), n(e.iy), n(e.ixy)});
    t.righe.push_back({traduci(TOTALE), "", "", n(p.massatotale), "", "", n(r.sx), n(r.sy), "", "", "", n(p.ixtotale),
                       n(p.iytotale), n(p.ixytotale)});
    elementi.frasi = {traduci(QT_TRANSLATE_NOOP("Relazione", "m = ρ·A; Sx = m·yG e Sy = m·xG sono i momenti statici; Ix', "
                                                        "Iy', Ixy' sono i momenti propri di ogni elemento rispetto ai "
                                                        "suoi assi baricentrici paralleli a x e y; Ix = Ix' + m·yG², Iy "
                                                        "= Iy' + m·xG², Ixy = Ixy' + m·xG·yG rispetto agli assi di "
                                                        "riferimento."))};
    elementi.tabelle.push_back(t);
    b.push_back(elementi);

    b.push_back({traduci(QT_TRANSLATE_NOOP("Relazione", "2. Baricentro")),
                 {"Xg = Sy / M = " + n(r.sy) + " / " + n(p.massatotale) + " = " + n(p.xg),
                  "Yg = Sx / M = " + n(r.sx) + " / " + n(p.massatotale) + " = " + n(p.yg)},
                 {},
                 false});

    BloccoRelazione huygens{traduci(QT_TRANSLATE_NOOP("Relazione", "3. Momenti centrali (Huygens-Steiner)")), {}, {},
                            false};
    huygens.frasi = {
        "Ixg = Ix − M·Yg² = " + n(p.ixtotale) + " − " + n(p.massatotale) + "·" + n(p.yg) + "² = " + n(p.ixgvero),
        "Iyg = Iy − M·Xg² = " + n(p.iytotale) + " − " + n(p.massatotale) + "·" + n(p.xg) + "² = " + n(p.iygvero),
        "Ixgyg = Ixy − M·Xg·Yg = " + n(p.ixytotale) + " − " + n(p.massatotale) + "·" + n(p.xg) + "·" + n(p.yg) +
            " = " + n(p.ixgygvero)};
    const bool diversi = n(r.ixgstampato) != n(p.ixgvero) || n(r.iygstampato) != n(p.iygvero) ||
                         n(r.ixgygstampato) != n(p.ixgygvero);
    if (diversi) {
        huygens.frasi.push_back(riempi(
            traduci(QT_TRANSLATE_NOOP("Relazione", "Con i numeri scritti a sette cifre la sottrazione perde cifre, tanto più "
                                              "quanto più la sezione è lontana dall'origine (darebbe %1, %2, %3): il "
                                              "programma somma invece, elemento per elemento, il momento proprio e il "
                                              "trasporto al baricentro, come nella tabella seguente.")),
            {n(r.ixgstampato), n(r.iygstampato), n(r.ixgygstampato)}));
        TabellaRelazione tt{traduci(QT_TRANSLATE_NOOP("Relazione", "Trasporto al baricentro")),
                            {traduci(ELEMENTO), "Ix' + m·(yG − Yg)²", "Iy' + m·(xG − Xg)²", "Ixy' + m·(xG − Xg)·(yG − Yg)"},
                            {}};
        for (const PassoElemento& e : r.elementi) tt.righe.push_back({nome(e), n(e.ixg), n(e.iyg), n(e.ixgyg)});
        tt.righe.push_back({traduci(TOTALE), n(p.ixgvero), n(p.iygvero), n(p.ixgygvero)});
        huygens.tabelle.push_back(tt);
    }
    if (p.ixg != float(p.ixgvero) || p.iyg != float(p.iygvero))
        huygens.frasi.push_back(traduci(QT_TRANSLATE_NOOP("Relazione", "Con i fori un momento baricentrico è negativo: il "
                                                                  "pannello lo mostra come 0, i momenti principali e "
                                                                  "l'angolo sono calcolati dal valore vero.")));
    b.push_back(huygens);

    BloccoRelazione principali{traduci(QT_TRANSLATE_NOOP("Relazione", "4. Assi e momenti principali")), {}, {}, false};
    const std::string media = "(Ixg + Iyg)/2", raggio = "√(((Ixg − Iyg)/2)² + Ixgyg²)";
    principali.frasi = {"Ixc = " + media + " + " + raggio + " = " + n(p.ixc),
                        "Iyc = " + media + " − " + raggio + " = " + n(p.iyc)};
    const char* regola;
    if (p.ixgvero == p.iygvero)
        regola = QT_TRANSLATE_NOOP("Relazione",
                                   "Ixg = Iyg: α = 0 se Ixgyg = 0, −45° se Ixgyg > 0, +45° se Ixgyg < 0 = %1°");
    else if (p.ixgvero > p.iygvero)
        regola = "Ixg > Iyg: α = ½·arctan(−2·Ixgyg / (Ixg − Iyg)) = %1°";  // no words
    else
        regola = QT_TRANSLATE_NOOP("Relazione",
                                   "Ixg < Iyg: t = arctan(−2·Ixgyg / (Iyg − Ixg)), α = segno(t)·(90° − |t|/2) = %1°");
    principali.frasi.push_back(riempi(traduci(regola), {n(p.angologradi)}));
    if (r.assi != Assi::Obliqui)
        principali.frasi.push_back(riempi(traduci(QT_TRANSLATE_NOOP("Relazione", "Entro 0,35° dagli assi x e y gli assi "
                                                                            "centrali si disegnano diritti: α = %1°.")),
                                          {r.assi == Assi::Verticale ? "90" : "0"}));
    principali.frasi.push_back("Rxc = √(Ixc/M) = " + n(p.raggiocentralexc) + ", Ryc = √(Iyc/M) = " + n(p.raggiocentraleyc));
    b.push_back(principali);

    BloccoRelazione moduli{traduci(QT_TRANSLATE_NOOP("Relazione", "5. Moduli di resistenza")), {}, {}, false};
    moduli.frasi = {traduci(QT_TRANSLATE_NOOP("Relazione", "d+ e d− sono le distanze del punto di materiale più lontano "
                                                      "dall'asse da ciascun lato (lato + di Xc: η > 0; lato + di Yc: ξ > "
                                                      "0), W = I/d."))};
    TabellaRelazione tm{traduci(QT_TRANSLATE_NOOP("Relazione", "Moduli di resistenza")),
                        {traduci(QT_TRANSLATE_NOOP("Relazione", "Asse")), "I", "d+", "d−", "W+", "W−"},
                        {}};
    for (const auto& [asse, m] : {std::make_pair("Xc", &r.moduloxc), std::make_pair("Yc", &r.moduloyc)})
        tm.righe.push_back({asse, n(m->momento), m->piu ? n(m->dpiu) : NESSUNO, m->meno ? n(m->dmeno) : NESSUNO,
                            m->piu ? n(m->wpiu) : NESSUNO, m->meno ? n(m->wmeno) : NESSUNO});
    moduli.tabelle.push_back(tm);
    b.push_back(moduli);

    BloccoRelazione nocciolo{traduci(QT_TRANSLATE_NOOP("Relazione", "6. Nocciolo")), {}, {}, false};
    nocciolo.frasi = {traduci(QT_TRANSLATE_NOOP("Relazione", "Coordinate centrali: origine G, ξ lungo Xc, η lungo Yc. La linea "
                                                        "ξ/ξ0 + η/η0 = 1 ha l'antipolo (u; v) = (−Ryc²/ξ0; −Rxc²/η0) "
                                                        "rispetto all'ellisse centrale; gli antipoli sono i vertici del "
                                                        "nocciolo, uniti nel loro ordine intorno a G."))};
    if (r.nocciolo.empty())
        nocciolo.frasi.push_back(
            traduci(QT_TRANSLATE_NOOP("Relazione", "Nessuna linea di chiusura: il nocciolo non è disegnato.")));
    TabellaRelazione tn{traduci(QT_TRANSLATE_NOOP("Relazione", "Nocciolo")),
                        {traduci(QT_TRANSLATE_NOOP("Relazione", "Linea")), "x1", "y1", "x2", "y2", "ξ0", "η0", "u", "v", "x", "y"},
                        {}};
    for (size_t i = 0; i < r.nocciolo.size(); ++i) {
        const PassoNocciolo& k = r.nocciolo[i];
        std::vector<std::string> riga = {riempi(traduci(QT_TRANSLATE_NOOP("Relazione", "Linea %1")), {testointero(long(i + 1))}),
                                         n(k.x1), n(k.y1), n(k.x2), n(k.y2)};
        if (k.perbaricentro) {
            riga.insert(riga.end(),
                        {traduci(QT_TRANSLATE_NOOP("Relazione", "passa per il baricentro")), "", "", "", "", ""});
        } else {
            riga.insert(riga.end(), {k.xiinfinito ? INFINITO : n(k.xi0), k.etainfinito ? INFINITO : n(k.eta0), n(k.u),
                                     n(k.v), n(k.x), n(k.y)});
        }
        tn.righe.push_back(riga);
    }
    if (!r.nocciolo.empty()) nocciolo.tabelle.push_back(tn);
    b.push_back(nocciolo);

    const Mohr& m = r.mohr;
    b.push_back(
        {traduci(QT_TRANSLATE_NOOP("Relazione", "7. Cerchio di Mohr")),
         {riempi(traduci(QT_TRANSLATE_NOOP("Relazione", "Centro C = ((Ixg + Iyg)/2; 0) = (%1; 0), raggio R = %2.")),
                 {n(m.centro), n(m.raggio)}),
          riempi(traduci(QT_TRANSLATE_NOOP("Relazione",
                                      "X = (Ixg; Ixgyg) = (%1; %2), Y = (Iyg; −Ixgyg) = (%3; %4): il diametro XY.")),
                 {n(m.ixg), n(m.ixgyg), n(m.iyg), n(-m.ixgyg)}),
          riempi(traduci(QT_TRANSLATE_NOOP("Relazione", "Ixc = C + R = %1 e Iyc = C − R = %2 sull'asse delle ascisse.")),
                 {n(m.imax), n(m.imin)}),
          riempi(traduci(QT_TRANSLATE_NOOP("Relazione", "Convenzione: ordinata verso l'alto positiva; da CX, ruotando di 2α = "
                                                   "%1° nello stesso verso di α nel disegno (antiorario se positivo), si "
                                                   "arriva a Ixc.")),
                 {n(m.dueangolo * 180 / M_PI)})},
         {},
         true});
    if (carico) b.push_back(bloccocarico(r, *carico, traduci));
    return b;
}

std::string relazionehtml(const std::vector<BloccoRelazione>& blocchi, const std::string& mohr, const Traduttore& traduci) {
    const std::string titolo = escape(traduci(TITOLO));
    std::string h =
        "<html><head><meta charset=\"utf-8\"><title>" + titolo + "</title></head><body><h1>" + titolo + "</h1>";
    for (const BloccoRelazione& b : blocchi) {
        if (b.titolo.empty()) {
            for (const std::string& f : b.frasi) h += "<p><b style=\"color:#b00000\">" + escape(f) + "</b></p>";
            continue;
        }
        h += "<h2>" + escape(b.titolo) + "</h2>";
        for (const std::string& f : b.frasi) h += "<p>" + escape(f) + "</p>";
        for (const TabellaRelazione& t : b.tabelle) {
            h += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>";
            for (const std::string& c : t.colonne) h += "<th>" + escape(c) + "</th>";
            h += "</tr>";
            for (const auto& riga : t.righe) {
                h += "<tr>";
                for (size_t i = 0; i < riga.size(); ++i)
                    h += std::string(i ? "<td align=\"right\">" : "<td>") + escape(riga[i]) + "</td>";
                h += "</tr>";
            }
            h += "</table>";
        }
        if (b.mohr) h += "<p>" + mohr + "</p>";
    }
    return h + "</body></html>";
}

std::string relazionetesto(const std::vector<BloccoRelazione>& blocchi, const Traduttore& traduci) {
    std::string t = traduci(TITOLO) + "\n";
    for (const BloccoRelazione& b : blocchi) {
        t += "\n";
        if (!b.titolo.empty()) t += b.titolo + "\n";
        for (const std::string& f : b.frasi) t += f + "\n";
        for (const TabellaRelazione& tab : b.tabelle) {
            t += "\n" + tab.titolo + "\n";
            for (size_t i = 0; i < tab.colonne.size(); ++i) t += (i ? "\t" : "") + tab.colonne[i];
            t += "\n";
            for (const auto& riga : tab.righe) {
                for (size_t i = 0; i < riga.size(); ++i) t += (i ? "\t" : "") + riga[i];
                t += "\n";
            }
        }
    }
    return t;
}

}  // namespace vask
