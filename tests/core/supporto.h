// Shared by the core tests: the rows of the data files in tests/dati, and a
// window driven by a small script of clicks, commands and edits.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "edit/frmvask2.h"
#include "edit/tipi.h"
#include "model/numeri.h"
#include "../app/copione.h"

namespace prova {

// One line of a data file: its tab-separated fields and where it stands.
struct Riga {
    std::vector<std::string> campi;
    std::string dove;
    const std::string& operator[](size_t i) const { return campi.at(i); }
    std::string opzionale(size_t i) const { return i < campi.size() ? campi[i] : ""; }
};

// The rows of tests/dati/<nome>, without blank and # lines; \t \n \r in a
// field stand for those characters.
inline std::vector<Riga> dati(const std::string& nome) {
    std::ifstream in(std::string(VASK_DATI) + "/" + nome);
    EXPECT_TRUE(in.good()) << nome;
    std::vector<Riga> righe;
    std::string linea;
    for (int n = 1; std::getline(in, linea); ++n) {
        if (linea.empty() || linea[0] == '#') continue;
        Riga r{{}, nome + ":" + std::to_string(n)};
        std::istringstream campi(linea);
        for (std::string c; std::getline(campi, c, '\t'); r.campi.push_back(c))
            for (size_t i = c.find('\\'); i != std::string::npos && i + 1 < c.size(); i = c.find('\\', i + 1))
                if (const char* e = std::strchr("tnr", c[i + 1])) c.replace(i, 2, 1, "\t\n\r"[e - "tnr"]);
        if (linea.back() == '\t') r.campi.emplace_back();
        righe.push_back(r);
    }
    return righe;
}

inline bool uguali(const vask::Sezione& a, const vask::Sezione& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

inline bool uguali(const vask::Strato& a, const vask::Strato& b) {
    const auto campi = [](const vask::Primitiva& p) {
        return std::tie(p.forma, p.spessore, p.riempito, p.tratteggiato, p.x1, p.y1, p.x2, p.y2, p.raggio, p.colore, p.riempimento,
                        p.primo, p.quanti);
    };
    return a.punti == b.punti && std::equal(a.primitive.begin(), a.primitive.end(), b.primitive.begin(),
                                            b.primitive.end(), [&](const auto& p, const auto& q) { return campi(p) == campi(q); });
}

inline std::vector<vask::Primitiva> dicolore(const vask::Strato& s, vask::Forma forma, uint32_t colore) {
    std::vector<vask::Primitiva> out;
    for (const vask::Primitiva& p : s.primitive)
        if (p.forma == forma && p.colore == colore) out.push_back(p);
    return out;
}

// Fields k..n of a table row as captions, joined by blanks.
inline std::string campi(const float* riga, int k, int n) {
    std::string s;
    for (; k <= n; ++k) s += (s.empty() ? "" : " ") + vask::testosingolo(riga[k]);
    return s;
}

// A started window with the decimal point as separator, and the user's hand.
struct Banco {
    Copione msg;
    vask::FrmVask_2 f{msg};

    Banco() {
        vask::impostaseparatore('.');
        f.Form_Load();
    }
    ~Banco() { vask::impostaseparatore('.'); }

    // Surface position of a world point under the current scale.
    void muovi(float x, float y) { f.picAreagrafica_MouseMove(x, f.pic.scaleheight - y); }
    void clicca(float x, float y) {
        muovi(x, y);
        f.picAreagrafica_MouseDown(x, f.pic.scaleheight - y);
        f.picAreagrafica_MouseUp(x, f.pic.scaleheight - y);
    }
    // A script of words: "R x1 y1 x2 y2 rho", "T x1 y1 x2 y2 x3 y3 rho",
    // "C xc yc r rho", "L x1 y1 x2 y2" draw; "x,y" clicks, "~x,y" moves,
    // "[x,y" presses and "]x,y" releases the mouse at a world point (the last
    // two without moving it); "box=text" edits a text box ('' is the empty text);
    // "Invio", "Su", "Giu" are those keys in the point box, "Esc" that key;
    // "cella=i,c,text" types text into a cell of the element table, "riga=i"
    // selects its row; "Si" and "No" queue an answer; "sep=," sets the separator; "salva=f"
    // saves the section as f; any other word is the click of that button or
    // menu entry.
    void fai(const std::string& copione) {
        std::istringstream in(copione);
        for (std::string w; in >> w;) {
            const auto testo = [](std::string t) { return t == "''" ? std::string() : t; };
            const size_t uguale = w.find('='), virgola = w.find(',', 1);
            if (w.size() == 1 && std::strchr("RTCL", w[0])) {
                const int k = int(std::strchr("RTCL", w[0]) - "RTCL");
                const auto& c = f.costruzione;
                const bool attivo[4] = {c.disegnorettangolo, c.disegnotriangolo, c.disegnocerchio, c.disegnolinea};
                const char* voce[4] = {"Rettangolo", "Triangolo", "Cerchio", "Linea"};
                std::vector<float> p(k == vask::TRIANGOLO ? 6 : k == vask::CERCHIO ? 2 : 4);
                for (float& v : p) in >> v;
                std::string r, d = "1";
                if (!attivo[k]) f.clic(std::string("mnuStrumenti") + voce[k]);
                if (k == vask::CERCHIO) in >> r, f.testomodificato("txtRaggio", testo(r));
                if (k != vask::LINEA) in >> d, f.testomodificato("txtDensita", testo(d));
                for (size_t i = 0; i + 1 < p.size(); i += 2) clicca(p[i], p[i + 1]);
            } else if (w == "Invio" || w == "Su" || w == "Giu" || w == "Esc") {
                (f.*(w == "Invio" ? &vask::FrmVask_2::txtPunto_Invio : w == "Su" ? &vask::FrmVask_2::txtPunto_Su
                     : w == "Giu" ? &vask::FrmVask_2::txtPunto_Giu : &vask::FrmVask_2::tasto_Esc))();
            } else if (w == "Si" || w == "No") {
                msg.risposte.push_back(w == "Si" ? vask::Risposta::Si : vask::Risposta::No);
            } else if (w.rfind("cella=", 0) == 0) {
                const size_t a = w.find(',', 6), b = w.find(',', a + 1);
                f.modificacella(std::stoi(w.substr(6, a - 6)), std::stoi(w.substr(a + 1, b - a - 1)), testo(w.substr(b + 1)));
            } else if (w.rfind("riga=", 0) == 0) {
                f.selezionariga(std::stoi(w.substr(5)));
            } else if (w.rfind("sep=", 0) == 0) {
                vask::impostaseparatore(w[4]);
            } else if (w.rfind("salva=", 0) == 0) {
                f.documentosalvato(w.substr(6));
            } else if (uguale != std::string::npos) {
                f.testomodificato(w.substr(0, uguale), testo(w.substr(uguale + 1)));
            } else if (virgola != std::string::npos && w.find_first_of("0123456789") < 2) {
                const float x = std::stof(w.substr(!std::isdigit(w[0]) && w[0] != '-')), y = std::stof(w.substr(virgola + 1));
                if (w[0] == '~') muovi(x, y);
                else if (w[0] == '[') f.picAreagrafica_MouseDown(x, f.pic.scaleheight - y);
                else if (w[0] == ']') f.picAreagrafica_MouseUp(x, f.pic.scaleheight - y);
                else clicca(x, y);
            } else {
                EXPECT_TRUE(f.clic(w)) << w;
            }
        }
    }

    // The boxes shown since the last call, joined by " | ": their titles, or
    // with `testi` each title and text.
    std::string avvisi(bool testi = false) {
        std::string s;
        for (const ::Domanda& d : msg.domande) s += (s.empty() ? "" : " | ") + d.titolo + (testi ? " " + d.testo : "");
        msg.domande.clear();
        return s;
    }
    const std::string& testo(const char* nome) const { return f.ctl.testo(nome); }

    // What a script line reads back, joined by blanks: "!" the titles of the
    // boxes since, "!!" their titles and texts; "^a,b" the faces of controls,
    // a letter each (G yellow, V green, R red, D dark green, C cyan, - the
    // face); "R2", "T1", "C1", "L3" every field of that table row, "pR2"...
    // its snap points; "#R"... "#L" how many elements; "risultati" the
    // fifteen results, each followed by a blank; "X", "Y" the axis captions;
    // "griglia", "guide" how many grid and guide lines; "scala" the window's
    // width and height; "+name" whether a control is enabled; "puntatore"
    // the mouse pointer; "eseguito", "attuali" the results computed and
    // current; "sposto", "cancello", "modifico" the actions armed;
    // "insospeso" a command half done; "modificata" unsaved; "titolo",
    // "annulla", "ripeti" the window title and the Modifica entries;
    // "vertici" the kern vertices object snap holds; "mettipunto" the point a
    // move waits for; "riquadro" the icon and buttons of the first box since;
    // "pan" the state of the dynamic pan; "pausa" how many times it stopped at
    // a limit; "finex" the right edge of the window; "estremo", "colonna", "cambio" the point, the end and the flags
    // of a line-end change; "selezionato", "selezionando" the four kinds
    // selected and being selected, "righe" their rows; "modo" D draw, S
    // select, E calculate; "tipi" the kind pressed, drawn and selected (r t c
    // l, or -); "vista" grid, snap, osnap, guides, step and line width;
    // "colori" the colours chosen and the background; a control's name its
    // caption; "|i" the non-empty cells of row i of the element table;
    // "sceltariga" the row of the selected element; "segni" how many tool marks,
    // "sopra" how many overlay primitives; "stato" the status bar's text.
    std::string leggi(const std::string& cosa) {
        std::istringstream in(cosa);
        std::string s;
        for (std::string w; in >> w; s += " ") {
            const size_t i = w[0] == 'p' || w[0] == '#';
            const char* k = w.size() > i && w[i] ? std::strchr("RTCL", w[i]) : nullptr;
            const int tipo = k ? int(k - "RTCL") : -1, t = tipo + (w[0] == 'p' ? 4 : 0);
            const bool riga = tipo >= 0 && w[0] != '#' && w.size() > i + 1 && std::isdigit(w[i + 1]);
            const float* righe[8] = {f.sez.rettangoli[0],      f.sez.triangoli[0],      f.sez.cerchi[0],      f.sez.linee[0],
                                     f.sez.puntirettangoli[0], f.sez.puntitriangoli[0], f.sez.punticerchi[0], f.sez.puntilinee[0]};
            const int larghezza[8] = {vask::R::CAMPI + 1,         vask::T::CAMPI + 1,            vask::C::CAMPI + 1,
                                      vask::L::CAMPI + 1,         2 * vask::PUNTIRETTANGOLO + 1, 2 * vask::PUNTITRIANGOLO + 1,
                                      2 * vask::PUNTICERCHIO + 1, 2 * vask::PUNTILINEA + 1};
            const int conta[4] = {f.sez.numerorettangoli(), f.sez.numerotriangoli(), f.sez.numerocerchi(), f.sez.numerolinee()};
            const uint32_t colori[] = {vask::GIALLO, vask::VERDE, vask::ROSSO, vask::VERDESCURO, vask::CIANO, vask::FACCIA};
            std::istringstream nomi(w.substr(1));
            const auto z = [](bool b) { return std::string(b ? "1" : "0"); };
            const char *icone[] = {"esclamazione ", "critico ", "informazione "}, *pulsanti[] = {"ok", "sino", "sinoannulla"};
            const char* puntatori[] = {"croce", "freccia", "frecciasu", "sposta", "divieto"};
            const ::Domanda* riquadro = msg.domande.empty() ? nullptr : &msg.domande[0];
            const auto& q = f.selezione;
            const auto lettera = [](bool r, bool t, bool c, bool l) { return r ? 'r' : t ? 't' : c ? 'c' : l ? 'l' : '-'; };
            const std::map<std::string, std::string> stati = {
                {"eseguito", z(f.ris.eseguito)}, {"attuali", z(f.ris.attuali)}, {"sposto", z(f.modo.sposto)},
                {"cancello", z(f.modo.cancello)}, {"modifico", z(f.modo.modifico)}, {"insospeso", z(f.comandoinsospeso())},
                {"modificata", z(f.modificata())}, {"titolo", f.titolo()}, {"annulla", f.descrizioneannulla()},
                {"ripeti", f.descrizioneripeti()}, {"vertici", std::to_string(f.copianocciolo.vask)},
                {"mettipunto", std::to_string(f.spostamento.mettipunto)}, {"puntatore", puntatori[int(f.puntatore)]},
                {"pan", std::to_string(f.vista.pan)}, {"segni", std::to_string(f.pic.segni.primitive.size())},
                {"pausa", std::to_string(f.pausadivieto)}, {"stato", f.statobarra},
                {"sopra", std::to_string(f.pic.sovrapposto.primitive.size())},
                {"finex", vask::testosingolo(f.vista.nuovofinex)},
                {"estremo", std::to_string(f.cambioestremo.modlineamettipunto)},
                {"colonna", f.cambioestremo.colonnax == vask::L::x1 ? "x1" : f.cambioestremo.colonnax == vask::L::x2 ? "x2" : "-"},
                {"cambio", z(f.cambioestremo.cambioestremodellalinea) + z(f.cambioestremo.disegnodinamicosottomodifica)},
                {"selezionato", z(q.hoselezionatounrettangolo) + z(q.hoselezionatountriangolo) + z(q.hoselezionatouncerchio) +
                                    z(q.hoselezionatounalinea)},
                {"selezionando", z(q.selezionorettangolo) + z(q.selezionotriangolo) + z(q.selezionocerchio) + z(q.selezionolinea)},
                {"modo", f.modo.disegno ? "D" : f.modo.seleziono ? "S" : f.modo.eseguo ? "E" : "?"},
                {"tipi", std::string{lettera(f.modo.rettangolopremuto, f.modo.triangolopremuto, f.modo.cerchiopremuto,
                                             f.modo.lineapremuto),
                                     lettera(f.costruzione.disegnorettangolo, f.costruzione.disegnotriangolo,
                                             f.costruzione.disegnocerchio, f.costruzione.disegnolinea),
                                     lettera(q.selezionorettangolo, q.selezionotriangolo, q.selezionocerchio, q.selezionolinea)}},
                {"vista", z(f.vista.grigliaattiva) + z(f.vista.snapattivo) + z(f.vista.osnapattivo) + z(f.vista.lineeguidaattive) +
                              " " + vask::testosingolo(f.vista.passogriglia) + " " + std::to_string(f.pic.spessore)},
                {"colori", std::to_string(f.colori.coloresfondo) + " " + std::to_string(f.colori.coloregriglia) + " " +
                               std::to_string(f.colori.coloresezione) + " " + std::to_string(f.colori.colorelinea) + " " +
                               std::to_string(f.pic.sfondo)},
                {"righe", std::to_string(q.rigarettangoloselezionato) + " " + std::to_string(q.rigatriangoloselezionato) + " " +
                              std::to_string(q.rigacerchioselezionato) + " " + std::to_string(q.rigalineaselezionata)},
                {"riquadro", riquadro ? icone[int(riquadro->icona)] + std::string(pulsanti[int(riquadro->pulsanti)]) : "-"}};
            const char* const* assi = w == "X" ? vask::ETICHETTEX : vask::ETICHETTEY;
            const auto tabella = w[0] == '|' ? f.tabella() : std::vector<vask::FrmVask_2::RigaTabella>();
            const auto linee = [&](uint32_t colore) { return dicolore(f.pic.immagine, vask::Forma::Segmento, colore).size(); };
            if (w == "!" || w == "!!") s += avvisi(w == "!!");
            else if (w[0] == '^')
                for (std::string n; std::getline(nomi, n, ',');)
                    s += "GVRDC-?"[std::find(std::begin(colori), std::end(colori), f.ctl.sfondo(n)) - colori];
            else if (w == "risultati")
                for (const char* n : vask::ETICHETTERISULTATI) s += f.ctl.testo(n) + " ";
            else if (w == "X" || w == "Y")
                for (int j = 0; j < (w == "X" ? 11 : 7); ++j) s += (j ? " " : "") + f.ctl.testo(assi[j]);
            else if (w == "griglia" || w == "guide") s += std::to_string(linee(w == "guide" ? vask::CIANO : vask::GRIGIO));
            else if (w[0] == '+') s += f.ctl[w.substr(1)].abilitato ? "abilitato" : "disabilitato";
            else if (stati.count(w)) s += stati.at(w);
            else if (w[0] == '|')
                for (const std::string& c : tabella.at(size_t(std::stoi(w.substr(1)))).celle)
                    s += c.empty() || s.empty() || s.back() == ' ' ? c : " " + c;
            else if (w == "sceltariga") s += std::to_string(f.rigaselezionata());
            else if (w == "scala") s += vask::testosingolo(f.pic.scalewidth) + " " + vask::testosingolo(f.pic.scaleheight);
            else if (tipo >= 0 && w[0] == '#' && w.size() == 2) s += std::to_string(conta[tipo]);
            else if (riga) s += campi(righe[t] + larghezza[t] * std::stoi(w.substr(i + 1)), 1, larghezza[t] - 1);
            else s += f.ctl.testo(w);
        }
        return s.empty() ? s : s.substr(0, s.size() - 1);
    }
    std::string fa(const std::string& copione, const std::string& cosa) {
        fai(copione);
        return leggi(cosa);
    }

    // A row of a data file: a script, what to read back after it, what that reads.
    void passo(const Riga& r) {
        fai(r[0]);
        if (r.campi.size() > 1) {
            EXPECT_EQ(leggi(r[1]), r.opzionale(2)) << r.dove << ": " << r[0];
        }
    }
    void recita(const std::string& nome) {
        for (const Riga& r : dati(nome)) passo(r);
    }
};

// The rows of a data file on windows of their own: a row "= name" starts one.
inline void recita(const std::string& nome) {
    std::unique_ptr<Banco> b;
    for (const Riga& r : dati(nome)) {
        if (r[0][0] == '=') b = std::make_unique<Banco>();
        else b->passo(r);
    }
}

class Finestra : public ::testing::Test, public Banco {};

}  // namespace prova
