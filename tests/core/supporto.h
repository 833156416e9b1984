// Shared by the core tests: scripted message boxes and a window driven by
// mouse moves and clicks at world points.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "edit/frmvask2.h"
#include "edit/tipi.h"
#include "model/numeri.h"
#include "../app/copione.h"

namespace prova {

inline bool uguali(const vask::Sezione& a, const vask::Sezione& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

inline bool uguali(const vask::Strato& a, const vask::Strato& b) {
    const auto campi = [](const vask::Primitiva& p) {
        return std::tie(p.forma, p.spessore, p.riempito, p.x1, p.y1, p.x2, p.y2, p.raggio, p.colore, p.riempimento,
                        p.primo, p.quanti);
    };
    return a.punti == b.punti && std::equal(a.primitive.begin(), a.primitive.end(), b.primitive.begin(),
                                            b.primitive.end(), [&](const auto& p, const auto& q) { return campi(p) == campi(q); });
}

inline std::vector<vask::Primitiva> dicolore(const vask::Strato& s, vask::Forma forma, uint32_t colore) {
    std::vector<vask::Primitiva> out;
    for (const vask::Primitiva& p : s.primitive) if (p.forma == forma && p.colore == colore) out.push_back(p);
    return out;
}

// A started window with the decimal point as separator.
class Finestra : public ::testing::Test {
protected:
    Copione msg;
    vask::FrmVask_2 f{msg};

    void SetUp() override {
        vask::impostaseparatore('.');
        f.Form_Load();
    }
    void TearDown() override { vask::impostaseparatore('.'); }

    // The boxes shown since the last call, joined by " | ": their titles, or
    // with `testi` each title and text.
    std::string avvisi(bool testi = false) {
        std::string s;
        for (const ::Domanda& d : msg.domande) s += (s.empty() ? "" : " | ") + d.titolo + (testi ? " " + d.testo : "");
        msg.domande.clear();
        return s;
    }

    // Surface position of a world point under the current scale.
    void muovi(float x, float y) { f.picAreagrafica_MouseMove(x, f.pic.scaleheight - y); }
    void clicca(float x, float y) {
        muovi(x, y);
        f.picAreagrafica_MouseDown(x, f.pic.scaleheight - y);
        f.picAreagrafica_MouseUp(x, f.pic.scaleheight - y);
    }
    void densita(const std::string& testo) { f.testomodificato("txtDensita", testo); }
    void raggio(const std::string& testo) { f.testomodificato("txtRaggio", testo); }

    void rettangolo(float x1, float y1, float x2, float y2, const std::string& d = "1") {
        if (!f.costruzione.disegnorettangolo) f.mnuStrumentiRettangolo_Click();
        densita(d);
        clicca(x1, y1);
        clicca(x2, y2);
    }
    void triangolo(float x1, float y1, float x2, float y2, float x3, float y3,
                   const std::string& d = "1") {
        if (!f.costruzione.disegnotriangolo) f.mnuStrumentiTriangolo_Click();
        densita(d);
        clicca(x1, y1);
        clicca(x2, y2);
        clicca(x3, y3);
    }
    void cerchio(float xc, float yc, const std::string& r, const std::string& d = "1") {
        if (!f.costruzione.disegnocerchio) f.mnuStrumentiCerchio_Click();
        raggio(r);
        densita(d);
        clicca(xc, yc);
    }
    void linea(float x1, float y1, float x2, float y2) {
        if (!f.costruzione.disegnolinea) f.mnuStrumentiLinea_Click();
        clicca(x1, y1);
        clicca(x2, y2);
    }
    // The section's outline as closure lines, corner to corner.
    void contorno(std::initializer_list<std::pair<float, float>> p) {
        for (auto a = p.begin(); a != p.end(); ++a) {
            const auto b = a + 1 == p.end() ? p.begin() : a + 1;
            linea(a->first, a->second, b->first, b->second);
        }
    }
    void nuovo() {
        msg.risposte = {vask::Risposta::Si};
        f.mnuFileNuovo_Click();
    }
    // Select mode for kind `tipo` (vask::Tipo) and a click.
    void seleziona(int tipo, float x, float y) {
        using V = vask::FrmVask_2;
        void (V::*voci[4])() = {&V::mnuModificaRettangolo_Click, &V::mnuModificaTriangolo_Click,
                                &V::mnuModificaCerchio_Click, &V::mnuModificaLinea_Click};
        (f.*voci[tipo])();
        clicca(x, y);
    }
    void sposta(float bx, float by, float ex, float ey) {
        f.btnSposta_Click();
        clicca(bx, by);
        clicca(ex, ey);
    }

    const std::string& testo(const char* nome) const { return f.ctl.testo(nome); }
    // Several captions, or fields k..n of a table row, joined by blanks.
    std::string testi(std::initializer_list<const char*> nomi) const {
        std::string s;
        for (const char* n : nomi) s += (s.empty() ? "" : " ") + f.ctl.testo(n);
        return s;
    }
    // Button faces, one letter each: G yellow, V green, R red, D dark green, - the face.
    std::string facce(std::initializer_list<const char*> nomi) const {
        std::string s;
        for (const char* n : nomi) {
            const uint32_t c = f.ctl.sfondo(n);
            s += c == vask::GIALLO ? 'G' : c == vask::VERDE ? 'V' : c == vask::ROSSO ? 'R' : c == vask::VERDESCURO ? 'D' : c == vask::FACCIA ? '-' : '?';
        }
        return s;
    }
    // The fifteen results of the panel, each followed by a blank.
    std::string risultati() const {
        std::string s;
        for (const char* n : vask::ETICHETTERISULTATI) s += f.ctl.testo(n) + " ";
        return s;
    }
    static std::string campi(const float* riga, int k, int n) {
        std::string s;
        for (; k <= n; ++k) s += (s.empty() ? "" : " ") + vask::testosingolo(riga[k]);
        return s;
    }
    float valore(const char* nome) const { return vask::valoredidascaliasingolo(testo(nome)); }
};

}  // namespace prova
