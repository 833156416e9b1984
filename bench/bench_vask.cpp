// Speed of what the user waits for: a regeneration painted at 1920x1080, the
// calculation, a mouse move with a live preview.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <malloc.h>
#include <sys/resource.h>
#include <QImage>
#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <cmath>
#include <vector>

#include "app/mohr.h"
#include "app/pittore.h"
#include "app/relazione.h"
#include "edit/frmvask2.h"
#include "view/vista.h"
#include "../tests/app/generatore.h"

using namespace vask;

namespace {

class Silenzio : public Messaggi {
public:
    Risposta mostra(const std::string&, const std::string&, Icona, Pulsanti) override {
        return Risposta::Ok;
    }
};

struct Banco {
    Silenzio msg;
    FrmVask_2 f{msg};
    QImage immagine{1920, 1080, QImage::Format_RGB32};

    Banco() { f.Form_Load(); }

    void clicca(float x, float y) {
        f.picAreagrafica_MouseMove(x, f.pic.scaleheight - y);
        f.picAreagrafica_MouseDown(x, f.pic.scaleheight - y);
    }
    void rettangolo(float x1, float y1, float x2, float y2, const char* d) {
        f.mnuStrumentiRettangolo_Click();
        f.testomodificato("txtDensita", d);
        clicca(x1, y1);
        clicca(x2, y2);
    }
    void triangolo(float x1, float y1, float x2, float y2, float x3, float y3, const char* d) {
        f.mnuStrumentiTriangolo_Click();
        f.testomodificato("txtDensita", d);
        clicca(x1, y1);
        clicca(x2, y2);
        clicca(x3, y3);
    }
    void cerchio(float x, float y, const char* r, const char* d) {
        f.mnuStrumentiCerchio_Click();
        f.testomodificato("txtRaggio", r);
        f.testomodificato("txtDensita", d);
        clicca(x, y);
    }
    void linea(float x1, float y1, float x2, float y2) {
        f.mnuStrumentiLinea_Click();
        clicca(x1, y1);
        clicca(x2, y2);
    }

    // The largest section: five of each kind with holes, ten closure lines.
    void sezione(int rettangoli = 5) {
        const float R[5][4] = {{1, 1, 7, 5}, {2, 2, 4, 4}, {8, 1, 12, 4}, {13, 1, 19, 3}, {14, 1.5f, 15, 2.5f}};
        const char* dr[5] = {"1", "-1", "2", "1", "-0.5"};
        for (int i = 0; i < rettangoli; ++i) rettangolo(R[i][0], R[i][1], R[i][2], R[i][3], dr[i]);
        triangolo(1, 6, 6, 6, 1, 11, "1");
        triangolo(2, 7, 3, 7, 2, 8, "-1");
        triangolo(7, 6, 12, 6, 9.5f, 11, "1.5");
        triangolo(13, 5, 19, 5, 16, 11, "1");
        triangolo(15, 6, 17, 6, 16, 8, "-1");
        cerchio(16, 9, "1", "2");
        cerchio(10, 9, "1.2", "1");
        cerchio(4, 9, "0.5", "-1");
        cerchio(18.5f, 10.5f, "1", "1");
        cerchio(10, 2.5f, "0.5", "-2");
        linea(0, 0, 20, 0);
        linea(20, 0, 20, 12);
        linea(20, 12, 0, 12);
        linea(0, 12, 0, 0);
        linea(0, 2, 2, 0);
        linea(18, 0, 20, 2);
        linea(20, 10, 18, 12);
        linea(2, 12, 0, 10);
        linea(10, 0, 20, 5);
        linea(0, 7, 5, 12);
    }

    // The largest section, computed.
    void calcola() {
        sezione();
        f.btnEsegui_Click();
    }
    // Four rectangles computed, then Diseg and Rett. (which keep the results,
    // so the kern is drawn again at each regeneration), the density typed.
    void rettangoloinattesa(const char* densita) {
        sezione(4);
        f.btnEsegui_Click();
        f.btnDisegna_Click();
        f.btnRettangolo_Click();
        f.testomodificato("txtDensita", densita);
    }

    // The drawing area's own painting: what changed since the last paint.
    Tela tela;
    void dipingi() { tela.aggiorna(f.pic, immagine.size()); }
    // The whole area painted afresh, as after a zoom or a pan.
    void dipingitutto() { vask::dipingi(immagine, f.pic, immagine.rect()); }
};

// The fill as it used to be: about 2000 vertical one-pixel strokes per
// full-width triangle, derived from each solid polygon of the picture.
void tratteggio(Superficie& s) {
    Strato nuovo;
    const float passo = s.scalewidth / 2000;
    for (const Primitiva& p : s.immagine.primitive) {
        if (p.forma != Forma::Poligono) {
            nuovo.primitive.push_back(p);
            continue;
        }
        // Vertices sorted by x, back in world y.
        const float* v = &s.immagine.punti[2 * p.primo];
        const float x1 = v[0], y1 = s.scaleheight - v[1], x2 = v[2], y2 = s.scaleheight - v[3],
                    x3 = v[4], y3 = s.scaleheight - v[5];
        auto tratto = [&](float x, float ya, float yb) {
            Primitiva q = p;
            q.forma = Forma::Segmento;
            q.riempito = false;
            q.x1 = q.x2 = x;
            q.y1 = s.scaleheight - ya;
            q.y2 = s.scaleheight - yb;
            nuovo.primitive.push_back(q);
        };
        for (float x = x1; x <= x2; x += passo)
            tratto(x, y1 + (y2 - y1) * (x - x1) / ((x2 - x1) + 0.000001f),
                   y3 + (y1 - y3) * (x - x3) / ((x1 - x3) + 0.000001f));
        for (float x = x2; x <= x3; x += passo)
            tratto(x, y3 + (y2 - y3) * (x - x3) / ((x2 - x3) + 0.000001f),
                   y3 + (y1 - y3) * (x - x3) / ((x1 - x3) + 0.000001f));
    }
    nuovo.punti = s.immagine.punti;
    s.immagine = std::move(nuovo);
}

void Rigenerazione_e_pittura_1920x1080(benchmark::State& stato) {
    Banco b;
    b.calcola();
    for (auto _ : stato) {
        b.f.mnuVisualizzaRigenera_Click();
        b.dipingitutto();
        benchmark::DoNotOptimize(b.immagine.constBits());
    }
    stato.counters["primitive"] = double(b.f.pic.immagine.primitive.size());
}
BENCHMARK(Rigenerazione_e_pittura_1920x1080)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void Rigenerazione_e_pittura_a_tratti_1920x1080(benchmark::State& stato) {
    Banco b;
    b.calcola();
    for (auto _ : stato) {
        b.f.mnuVisualizzaRigenera_Click();
        tratteggio(b.f.pic);
        b.dipingitutto();
        benchmark::DoNotOptimize(b.immagine.constBits());
    }
    stato.counters["primitive"] = double(b.f.pic.immagine.primitive.size());
}
BENCHMARK(Rigenerazione_e_pittura_a_tratti_1920x1080)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// "Esegui" for a section whose larger radius of gyration is 10 world units:
// the whole section scaled up and viewed in the widest window.
void Esegui_con_nocciolo_ed_ellisse(benchmark::State& stato) {
    Banco b;
    b.calcola();
    const float k = 10 / b.f.ris.raggiocentralexc;
    Sezione& s = b.f.sez;
    for (int i = 1; i < s.prossimorettangolo; ++i)
        for (int c : {R::x1, R::y1, R::x2, R::y2, R::xg, R::yg}) s.rettangoli[i][c] *= k;
    for (int i = 1; i < s.prossimotriangolo; ++i)
        for (int c : {T::x1, T::y1, T::x2, T::y2, T::x3, T::y3, T::xg, T::yg}) s.triangoli[i][c] *= k;
    for (int i = 1; i < s.prossimocerchio; ++i)
        for (int c : {C::xc, C::yc, C::raggio}) s.cerchi[i][c] *= k;
    for (int i = 1; i < s.l; ++i)
        for (int c : {L::x1, L::y1, L::x2, L::y2}) s.linee[i][c] *= k;
    for (int i = 1; i < s.prossimorettangolo; ++i) {
        float* r = s.rettangoli[i];
        r[R::area] = arearettangolo(r[R::x1], r[R::y1], r[R::x2], r[R::y2], r[R::densita]);
        r[R::massa] = std::fabs(r[R::densita]) * r[R::area];
    }
    for (int i = 1; i < s.prossimotriangolo; ++i) {
        float* t = s.triangoli[i];
        t[T::area] = areatriangolo(t[T::x1], t[T::y1], t[T::x2], t[T::y2], t[T::x3], t[T::y3], t[T::densita]);
        t[T::massa] = std::fabs(t[T::densita]) * t[T::area];
    }
    for (int i = 1; i < s.prossimocerchio; ++i) {
        float* c = s.cerchi[i];
        c[C::area] = areacerchio(c[C::raggio], c[C::densita], b.f.pigreco);
        c[C::massa] = std::fabs(c[C::densita]) * c[C::area];
    }
    b.f.pic.scala(0, 0, 80, 48);
    b.f.btnEsegui_Click();
    for (auto _ : stato) {
        b.f.pic.pulisci();  // keep the lists from growing; not part of "Esegui"
        b.f.mnuVisualizzaRisultati_Click();
        benchmark::DoNotOptimize(b.f.pic.sovrapposto.punti.data());
    }
    stato.counters["raggio_xc"] = b.f.ris.raggiocentralexc;
    stato.counters["punti_ellisse"] = double(b.f.ellisse.punti.size() / 2);
}
BENCHMARK(Esegui_con_nocciolo_ed_ellisse)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One mouse move while a rectangle waits for its opposite corner, on the
// worst path: "Esegui", then Diseg and Rett. keep the results, so every
// preview regenerates with the kern computed and drawn again.
void Mossa_con_anteprima_1920x1080(benchmark::State& stato) {
    Banco b;
    b.rettangoloinattesa("1");
    if (!b.f.ris.eseguito || b.f.sez.l < 11) stato.SkipWithError("nocciolo non attivo");
    b.clicca(3, 6);
    float x = 5;
    for (auto _ : stato) {
        x = x > 18 ? 5 : x + 0.01f;
        b.f.picAreagrafica_MouseMove(x, b.f.pic.scaleheight - 8);
        b.dipingi();
        benchmark::DoNotOptimize(b.tela.immagine().constBits());
    }
}
BENCHMARK(Mossa_con_anteprima_1920x1080)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Enter on a typed point that completes the largest section's last rectangle
// with the kern drawn: the regeneration it causes and the paint. Undoing it
// and typing the first corner again are not timed.
void Invio_punto_digitato_1920x1080(benchmark::State& stato) {
    Banco b;
    b.rettangoloinattesa("-0.5");
    const auto digita = [&b](const char* t) {
        b.f.testomodificato("txtPunto", t);
        b.f.txtPunto_Invio();
    };
    for (auto _ : stato) {
        stato.PauseTiming();
        digita("14;1.5");
        stato.ResumeTiming();
        digita("@1;1");
        b.dipingitutto();
        benchmark::DoNotOptimize(b.immagine.constBits());
        stato.PauseTiming();
        if (b.f.sez.numerorettangoli() != 5 || !b.f.ris.eseguito) stato.SkipWithError("rettangolo non completato");
        b.f.mnuEditaAnnulla_Click();
        stato.ResumeTiming();
    }
}
BENCHMARK(Invio_punto_digitato_1920x1080)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A cell of the element table typed anew on the largest section, with the
// regeneration it causes and the paint.
void Cella_della_tabella_1920x1080(benchmark::State& stato) {
    Banco b;
    b.calcola();
    bool lungo = false;
    for (auto _ : stato) {
        lungo = !lungo;
        if (!b.f.modificacella(0, 3, lungo ? "7.5" : "7")) stato.SkipWithError("cella rifiutata");
        b.dipingitutto();
        benchmark::DoNotOptimize(b.immagine.constBits());
    }
}
BENCHMARK(Cella_della_tabella_1920x1080)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The report of the largest section built and laid out as rich text, and
// Mohr's circle painted at 1920x1080.
void Relazione_della_sezione_piu_grande(benchmark::State& stato) {
    Banco b;
    b.calcola();
    for (auto _ : stato) {
        QTextDocument documento;
        componirelazione(documento, b.f);
        documento.setTextWidth(900);
        benchmark::DoNotOptimize(documento.documentLayout()->documentSize());
    }
}
BENCHMARK(Relazione_della_sezione_piu_grande)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void Mohr_1920x1080(benchmark::State& stato) {
    Banco b;
    b.calcola();
    const Relazione r = b.f.relazione();
    const DisegnoMohr d = disegnomohr(r.mohr.ixg, r.mohr.iyg, r.mohr.ixgyg, r.mohr.dueangolo);
    for (auto _ : stato) {
        b.immagine.fill(Qt::white);
        QPainter p(&b.immagine);
        p.setRenderHint(QPainter::Antialiasing);
        dipingimohr(p, QRectF(b.immagine.rect()), d);
        p.end();
        benchmark::DoNotOptimize(b.immagine.constBits());
    }
}
BENCHMARK(Mohr_1920x1080)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The view at work: object snap over all 136 candidates, grid at ratio 80,
// guide lines, at the origin and at the far corner of the world, on a full-HD
// and a 4K drawing area.
struct BancoVista : Banco {
    BancoVista(int larghezza, int altezza, bool lontano, int rettangoli = 5) {
        immagine = QImage(larghezza, altezza, QImage::Format_RGB32);
        sezione(rettangoli);
        if (lontano) {
            // Every element and line moved to the far corner, the window with them.
            const float dx = LIMITEDESTRO, dy = LIMITESUPERIORE;
            Sezione& s = f.sez;
            for (int i = 1; i < s.prossimorettangolo; ++i)
                for (int c : {R::x1, R::x2, R::xg}) s.rettangoli[i][c] += dx;
            for (int i = 1; i < s.prossimorettangolo; ++i)
                for (int c : {R::y1, R::y2, R::yg}) s.rettangoli[i][c] += dy;
            for (int i = 1; i < s.prossimotriangolo; ++i) {
                for (int c : {T::x1, T::x2, T::x3, T::xg}) s.triangoli[i][c] += dx;
                for (int c : {T::y1, T::y2, T::y3, T::yg}) s.triangoli[i][c] += dy;
            }
            for (int i = 1; i < s.prossimocerchio; ++i) s.cerchi[i][C::xc] += dx, s.cerchi[i][C::yc] += dy;
            for (int i = 1; i < s.l; ++i)
                for (int c : {L::x1, L::y1, L::x2, L::y2}) s.linee[i][c] += (c % 2 ? dx : dy);
            for (int i = 1; i < s.prossimorettangolo; ++i) s.puntidirettangolo(i);
            for (int i = 1; i < s.prossimotriangolo; ++i) s.puntiditriangolo(i);
            for (int i = 1; i < s.prossimocerchio; ++i) s.puntidicerchio(i);
            for (int i = 1; i < s.l; ++i) s.puntidilinea(i);
            while (f.vista.nuovooriginex < dx) f.Command4_Click();
            while (-f.vista.nuovooriginey < dy) f.btnPanSu_Click();
        }
        f.btnEsegui_Click();
        f.testomodificato("txtPassoGriglia", "0.25");
        f.btnGriglia_Click();
        f.btnLineeGuida_Click();
        f.mnuStrumentiSnapOggetto_Click();
        f.mnuStrumentiSnapGriglia_Click();
    }
    // A point far from every candidate, so that all 136 are looked at.
    float x0() const { return f.vista.nuovooriginex; }
    float y0() const { return -f.vista.nuovooriginey; }
};

// Incremental: what the area repaints after the regeneration (nothing moved:
// almost nothing). Full: the whole area painted afresh, as after a zoom.
void rigenerazionevista(benchmark::State& stato, int larghezza, int altezza, bool lontano,
                        bool tutto) {
    BancoVista b(larghezza, altezza, lontano);
    for (auto _ : stato) {
        b.f.mnuVisualizzaRigenera_Click();
        if (tutto)
            b.dipingitutto();
        else
            b.dipingi();
        benchmark::DoNotOptimize(b.tela.immagine().constBits());
    }
    stato.counters["primitive"] = double(b.f.pic.immagine.primitive.size());
}
BENCHMARK_CAPTURE(rigenerazionevista, griglia_e_guide_1920x1080, 1920, 1080, false, false)
    ->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(rigenerazionevista, griglia_e_guide_1920x1080_tutta, 1920, 1080, false, true)
    ->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(rigenerazionevista, griglia_e_guide_lontano_1920x1080_tutta, 1920, 1080, true, true)
    ->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(rigenerazionevista, griglia_e_guide_3840x2160, 3840, 2160, false, false)
    ->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(rigenerazionevista, griglia_e_guide_3840x2160_tutta, 3840, 2160, false, true)
    ->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A mouse move with both snaps and a rectangle's live preview, and the paint.
void mossavista(benchmark::State& stato, int larghezza, int altezza) {
    BancoVista b(larghezza, altezza, false, 4);  // room for the rectangle being drawn
    b.f.btnDisegna_Click();
    b.f.btnRettangolo_Click();
    b.f.testomodificato("txtDensita", "1");
    b.f.costruzione.puntorettangolo = 1;  // a first corner taken
    b.f.sez.rettangoli[b.f.sez.prossimorettangolo][R::x1] = 1;
    b.f.sez.rettangoli[b.f.sez.prossimorettangolo][R::y1] = 1;
    float x = 5;
    double catturati = 0, pixel = 0, mosse = 0;
    for (auto _ : stato) {
        // A quarter unit and a bit: every move reaches a new grid node.
        x = x > 18 ? 5 : x + 0.27f;
        b.f.picAreagrafica_MouseMove(x, b.f.pic.scaleheight - 5.63f);
        catturati += b.f.ctl.sfondo("lblCoordinataX") != FACCIA;
        for (const QRect& r : b.tela.aggiorna(b.f.pic, b.immagine.size()))
            pixel += double(r.width()) * r.height();
        ++mosse;
        benchmark::DoNotOptimize(b.tela.immagine().constBits());
    }
    // Share of the moves caught by object snap; share of the area repainted.
    stato.counters["catturati"] = catturati / mosse;
    stato.counters["ridipinta"] = pixel / mosse / (double(larghezza) * altezza);
}
BENCHMARK_CAPTURE(mossavista, osnap_snap_anteprima_1920x1080, 1920, 1080)
    ->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(mossavista, osnap_snap_anteprima_3840x2160, 3840, 2160)
    ->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The load point dragged across the kern of the largest section, with grid,
// guides and both snaps: its neutral axis, marks and labels, and the paint.
void Carico_trascinato_3840x2160(benchmark::State& stato) {
    BancoVista b(3840, 2160, false);
    b.f.btnEllisseCentrale_Click();
    b.f.mnuStrumentiCarico_Click();
    float x = 5;
    double pixel = 0, mosse = 0;
    for (auto _ : stato) {
        x = x > 15 ? 5 : x + 0.27f;
        b.f.picAreagrafica_MouseMove(x, b.f.pic.scaleheight - 5.63f);
        for (const QRect& r : b.tela.aggiorna(b.f.pic, b.immagine.size())) pixel += double(r.width()) * r.height();
        ++mosse;
        benchmark::DoNotOptimize(b.tela.immagine().constBits());
    }
    if (!b.f.sollecitazione.modo || b.f.pic.segni.primitive.empty()) stato.SkipWithError("nessun carico");
    stato.counters["ridipinta"] = pixel / mosse / (3840.0 * 2160);
}
BENCHMARK(Carico_trascinato_3840x2160)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A selection click on the largest section: regeneration, highlight, kern
// and the paint, alternating between two rectangles so that the highlight
// moves at every click.
void Selezione_1920x1080(benchmark::State& stato) {
    Banco b;
    b.calcola();
    b.f.mnuModificaRettangolo_Click();
    b.dipingi();
    bool primo = true;
    for (auto _ : stato) {
        if (primo)
            b.clicca(3, 1.5f);  // rectangle 1, beside its hole
        else
            b.clicca(10, 3.5f);  // rectangle 3
        primo = !primo;
        b.dipingi();
        benchmark::DoNotOptimize(b.tela.immagine().constBits());
    }
    if (b.f.selezione.rigarettangoloselezionato == 0) stato.SkipWithError("nessuna selezione");
}
BENCHMARK(Selezione_1920x1080)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A full history: 200 changes of density on the largest section, then every
// one undone. The memory it holds, and the time of one undo.
void Storia_piena_200_passi(benchmark::State& stato) {
    Banco b;
    b.calcola();
    b.f.mnuModificaRettangolo_Click();
    rusage prima{};
    getrusage(RUSAGE_SELF, &prima);
    for (int i = 0; i < 200; ++i) {
        b.clicca(3, 1.5f);
        b.f.testomodificato("txtDensita", i % 2 ? "1" : "2");
        b.f.btnModifica_Click();
    }
    rusage dopo{};
    getrusage(RUSAGE_SELF, &dopo);
    for (auto _ : stato) {
        if (!b.f.storia.puoiannullare()) {
            stato.PauseTiming();
            while (b.f.storia.puoiripetere()) b.f.mnuEditaRipeti_Click();
            stato.ResumeTiming();
        }
        b.f.mnuEditaAnnulla_Click();
    }
    stato.counters["passi"] = 200;
    stato.counters["KB_per_passo"] = double(sizeof(FrmVask_2::Istantanea)) / 1024;
    stato.counters["KB_storia"] = double(sizeof(FrmVask_2::Istantanea)) * 200 / 1024;
    stato.counters["KB_RSS_in_piu"] = double(dopo.ru_maxrss - prima.ru_maxrss);
}
BENCHMARK(Storia_piena_200_passi)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// 100 000 random actions on the real window: the peak resident memory of the
// process, and the display list against what one regeneration of the largest
// section needs.
void memoria(benchmark::State& stato, int larghezzamassima) {
    const auto residente = [] {
        long kb = 0;
        if (FILE* f = std::fopen("/proc/self/statm", "r")) {
            long pagine = 0, residenti = 0;
            if (std::fscanf(f, "%ld %ld", &pagine, &residenti) == 2) kb = residenti * 4;
            std::fclose(f);
        }
        return kb;
    };
    for (auto _ : stato) {
        scimmia::Banco banco(42);
        scimmia::Generatore g(42, larghezzamassima);
        size_t massimo = 0;
        long dopo10000 = 0;
        double heap10000 = 0;
        // Memory the program holds (not what the allocator keeps for later).
        const auto heap = [] {
            const struct mallinfo2 m = mallinfo2();
            return double(m.uordblks + m.hblkhd) / (1 << 20);
        };
        // The same window size when the memory is read, so that it compares.
        scimmia::Azione uguale;
        uguale.tipo = scimmia::Tipo::Dimensiona, uguale.a = 1240, uguale.b = 590;
        for (int i = 0; i < 100000; ++i) {
            banco.esegui(g.prossima(banco));
            massimo = std::max(massimo, banco.nucleo().pic.immagine.primitive.size());
            if (i == 9999) {
                banco.esegui(uguale);
                dopo10000 = residente(), heap10000 = heap();
            }
        }
        banco.esegui(uguale);
        stato.counters["heap_MB_a_10000"] = heap10000;
        stato.counters["heap_MB_a_100000"] = heap();
        rusage uso{};
        getrusage(RUSAGE_SELF, &uso);
        stato.counters["picco_MB"] = double(uso.ru_maxrss) / 1024;
        // Resident memory after 10 000 and after 100 000 actions: no growth.
        stato.counters["MB_a_10000"] = double(dopo10000) / 1024;
        stato.counters["MB_a_100000"] = double(residente()) / 1024;
        stato.counters["lista_massima"] = double(massimo);
    }
    // The largest section with grid, guide lines, kern and a selection.
    BancoVista b(1920, 1080, false);
    b.f.mnuModificaRettangolo_Click();
    b.clicca(3, 1.5f);
    stato.counters["lista_sezione_massima"] = double(b.f.pic.immagine.primitive.size());
}
// One process per figure: the peak is the process's own.
BENCHMARK_CAPTURE(memoria, finestre_fino_a_1920, 1920)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(memoria, finestre_fino_a_2600, 2600)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
