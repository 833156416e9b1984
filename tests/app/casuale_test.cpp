// Seeded random use of the real window, invariants checked after every action.
// A failure names seed and action; VASK_SEME (with VASK_AZIONI) replays it and
// VASK_RIDUCI=1 shrinks it to a sequence to keep among the regressions.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>
#include <time.h>

#include "scimmia.h"

using namespace scimmia;

namespace {

struct Esito {
    int indice = -1;  // the failing action, -1: none
    std::string messaggio;
};

// Done to the window between actions, to prove that the checks see it.
using Guasto = std::function<void(Banco&, int indice)>;

// Aborts, naming the action, a process that hangs in one: a test that never returns names nothing.
class Guardia {
public:
    Guardia() : filo_([this] {
        while (!fine_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const long long t = inizio_;
            if (t && adesso() - t > 30'000) std::fprintf(stderr, "BLOCCATO oltre 30 s: %s\n", descrizione_), std::abort();
        }
    }) {}
    ~Guardia() { fine_ = true, filo_.join(); }
    void inizio(unsigned seme, int indice, const std::string& azione) {
        std::snprintf(descrizione_, sizeof descrizione_, "seme %u, azione %d: %s", seme, indice, azione.c_str());
        inizio_ = adesso();
    }
    void fermo() { inizio_ = 0; }

private:
    static long long adesso() {  // ms, never 0
        return 1 + std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
    std::atomic<bool> fine_{false};
    std::atomic<long long> inizio_{0};
    char descrizione_[512] = {};
    std::thread filo_;  // last: starts once the rest is ready
};

Guardia* guardia = nullptr;

// This thread's CPU time: other work on the machine does not count.
double tempocpu() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec * 1e-9;
}

// Plays the given actions, or the seed's, on a new window; stops at the first
// broken invariant or action slower than a second.
Esito gioca(unsigned seme, int quante, const std::vector<Azione>* azioni = nullptr,
            std::vector<Azione>* fatte = nullptr, const Guasto& guasto = {}) {
    Banco banco(seme);
    Generatore g(seme);
    if (std::string e = controlla(banco.nucleo()); !e.empty()) return {0, "all'avvio: " + e};
    for (int i = 0; i < quante; ++i) {
        const Azione z = azioni ? (*azioni)[size_t(i)] : g.prossima(banco);
        if (fatte) fatte->push_back(z);
        const std::string descrizione = descrivi(z);
        if (guardia) guardia->inizio(seme, i, descrizione);
        const double t0 = tempocpu();
        banco.esegui(z);
        if (guasto) guasto(banco, i);
        const double secondi = tempocpu() - t0;
        if (guardia) guardia->fermo();
        std::string e = controlla(banco.nucleo());
        if (e.empty() && secondi > 1) e = "azione lenta: " + std::to_string(secondi) + " s";
        if (!e.empty())
            return {i, e + " (seme " + std::to_string(seme) + ", azione " + std::to_string(i) + ": " + descrizione +
                           "; per ripeterla VASK_SEME=" + std::to_string(seme) + " VASK_AZIONI=" + std::to_string(i + 1) + ")"};
    }
    return {};
}
Esito gioca(unsigned seme, const std::vector<Azione>& azioni, const Guasto& guasto = {}) {
    return gioca(seme, int(azioni.size()), &azioni, nullptr, guasto);
}

// Deletes actions while the sequence still fails: halves, quarters, ... single ones.
std::vector<Azione> riduci(unsigned seme, std::vector<Azione> azioni, const Guasto& guasto = {}) {
    for (size_t pezzo = azioni.size() / 2; pezzo >= 1; pezzo /= 2) {
        for (size_t inizio = 0; inizio + pezzo <= azioni.size();) {
            std::vector<Azione> prova(azioni.begin(), azioni.begin() + long(inizio));
            prova.insert(prova.end(), azioni.begin() + long(inizio + pezzo), azioni.end());
            const Esito e = gioca(seme, prova, guasto);
            if (e.indice >= 0) {
                prova.resize(size_t(e.indice) + 1);
                azioni = prova;
            } else {
                inizio += pezzo;
            }
        }
        if (pezzo == 1) break;
    }
    return azioni;
}

std::string testo(const std::vector<Azione>& azioni) {
    std::string s;
    for (const Azione& z : azioni) s += descrivi(z) + "\n";
    return s;
}

// Sequences that once broke the program, shrunk: name and actions.
const std::pair<const char*, const char*> REGRESSIONI[] = {
    // A line-end change left pending across "Nuovo" edited the emptied row.
    {"cambio_di_estremo_dopo_nuovo",
     "tasto Ctrl+L\nclic 0 1\nclic 0.5 0.5\nvoce mnuModificaLinea\nclic 0.25 0.75\n"
     "pulsante btnModifica\nrispondi si\nvoce mnuFileNuovo\nclic 0 1\nclic 0.7 0.3\n"},
    // A press below the area stored a vertex at negative y: saved, never reopened.
    {"vertice_sotto_l_area",
     "voce mnuModificaCerchio\npulsante btnTriangolo\npulsante btnDisegna\n"
     "trascina 0.235378 0.165118 0.0439225 0\nclic 0.339225 0.4\nclic 0.875 0.6\nclic 0 0.125\n"
     "clic 0.5 0.584276\nclic 0.575 1.05\n"},
};

}  // namespace

class CasualeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        separatoredallalocale(QLocale(QLocale::Italian, QLocale::Italy));
        guardia = new Guardia;
    }
    void cleanupTestCase() {
        delete guardia;
        guardia = nullptr;
    }

    void sequenze_casuali_non_rompono_mai_gli_invarianti() {
        const char* seme = std::getenv("VASK_SEME");
        const char* quante = std::getenv("VASK_AZIONI");
        const int n = quante ? std::atoi(quante) : 5000;
        std::vector<unsigned> semi = {1, 2, 3, 4};
        if (seme) semi = {unsigned(std::strtoul(seme, nullptr, 10))};
        for (unsigned s : semi) {
            std::vector<Azione> fatte;
            const Esito e = gioca(s, n, nullptr, &fatte);
            if (e.indice >= 0 && std::getenv("VASK_RIDUCI")) {
                fatte.resize(size_t(e.indice) + 1);
                std::fprintf(stderr, "Sequenza ridotta:\n%s", testo(riduci(s, fatte)).c_str());
            }
            QVERIFY2(e.indice < 0, e.messaggio.c_str());
        }
    }

    void le_sequenze_che_ruppero_il_programma_non_lo_rompono_piu() {
        for (const auto& [nome, azioni] : REGRESSIONI) {
            const Esito e = gioca(7, leggitutte(azioni));
            QVERIFY2(e.indice < 0, (std::string(nome) + ": " + e.messaggio).c_str());
        }
    }

    void un_guasto_iniettato_e_riportato_con_seme_e_azione() {
        // Each done once, after action 40.
        const std::pair<const char*, std::function<void(Banco&)>> guasti[] = {
            {"non finito", [](Banco& b) { b.nucleo().sez.cerchi[5][C::raggio] = std::nanf(""); }},
            {"contatore", [](Banco& b) { b.nucleo().sez.prossimotriangolo = 7; }},
            {"lenta", [](Banco&) { for (const double t = tempocpu(); tempocpu() - t < 1.1;) continue; }},
            {"didascalia", [](Banco& b) { b.nucleo().ctl.testo("lblXg", "nan"); }},
        };
        for (const auto& [nome, guasto] : guasti) {
            const Esito e = gioca(11, 60, nullptr, nullptr, [&guasto = guasto](Banco& b, int i) { if (i == 40) guasto(b); });
            QVERIFY2(e.indice == 40 && e.messaggio.find("seme 11, azione 40") != std::string::npos &&
                         e.messaggio.find("VASK_SEME=11 VASK_AZIONI=41") != std::string::npos,
                     (std::string(nome) + ": " + e.messaggio).c_str());
        }
    }

    // Random use, then every step undone and redone: section and results bit for bit.
    void annullare_e_ripetere_ripercorrono_la_storia_bit_per_bit() {
        Banco banco(5);
        Generatore g(5);
        FrmVask_2& f = banco.nucleo();
        struct Stato {
            Sezione sez;
            float risultati[16];
            bool operator==(const Stato& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
        };
        const auto stato = [&f] {
            Stato s{f.sez, {}};
            std::copy(f.ris.risultati, f.ris.risultati + 16, s.risultati);
            // The row of an element being drawn is not yet part of the section (row 0 if full: unused).
            for (auto [riga, n] : {std::pair{s.sez.rettangoli[s.sez.prossimorettangolo % 6], int(std::size(s.sez.rettangoli[0]))},
                                   {s.sez.triangoli[s.sez.prossimotriangolo % 6], int(std::size(s.sez.triangoli[0]))},
                                   {s.sez.linee[s.sez.l % 11], int(std::size(s.sez.linee[0]))}})
                std::fill(riga, riga + n, 0.0f);
            return s;
        };
        std::vector<Stato> visti = {stato()};
        for (int i = 0; i < 6000 && f.storia.passi() < 100; ++i) {
            const Azione z = g.prossima(banco);
            if (QStringList{"mnuEditaAnnulla", "mnuEditaRipeti", "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z"}.contains(QString::fromStdString(z.nome))) continue;
            const size_t prima = f.storia.passi();
            banco.esegui(z);
            // Only a change to the section is a step; it is the last state seen then.
            (f.storia.passi() > prima ? visti.emplace_back() : visti.back()) = stato();
        }
        QVERIFY2(visti.size() > 40, qPrintable(QString::number(visti.size())));
        QCOMPARE(f.storia.passi(), visti.size() - 1);
        while (f.comandoinsospeso()) f.mnuEditaAnnulla_Click();  // a half-done command is only abandoned
        QVERIFY(stato() == visti.back());
        for (size_t k = visti.size() - 1; k > 0; --k) {
            f.mnuEditaAnnulla_Click();
            QVERIFY2(stato() == visti[k - 1], qPrintable(QString("annullando verso il passo %1").arg(k - 1)));
        }
        QVERIFY(!f.puoiannullare());
        for (size_t k = 1; k < visti.size(); ++k) {
            f.mnuEditaRipeti_Click();
            QVERIFY2(stato() == visti[k], qPrintable(QString("ripetendo il passo %1").arg(k)));
        }
        QVERIFY(!f.puoiripetere());
    }

    void la_riduzione_lascia_poche_azioni() {
        // A fault that needs a circle and the grid: three actions at least.
        const Guasto guasto = [](Banco& b, int) {
            FrmVask_2& f = b.nucleo();
            if (f.sez.prossimocerchio > 1 && f.vista.grigliaattiva) f.sez.l = 12;
        };
        const std::vector<Azione> lunga = leggitutte(
            "muovi 0.3 0.3\npulsante btnRettangolo\nclic 0.1 0.1\nclic 0.4 0.4\n"
            "scrivi txtDensita 2\npulsante btnGriglia\nvoce mnuStrumentiCerchio\n"
            "scrivi txtRaggio 1\nmuovi 0.6 0.6\nclic 0.5 0.5\ntasto F7\nclic 0.2 0.9\n"
            "pulsante btnEsegui\ntrascina 0.1 0.1 0.9 0.9\nvoce mnuVisualizzaRigenera\n"
            "voce mnuFileNuovo\nvoce mnuFileNuovo\nvoce mnuFileNuovo\nvoce mnuFileNuovo\n"
            "clic 0.3 0.3\n");
        const Esito e = gioca(7, lunga, guasto);
        QVERIFY(e.indice >= 0);
        const std::vector<Azione> corta = riduci(7, lunga, guasto);
        QVERIFY2(corta.size() <= 3, testo(corta).c_str());
        QVERIFY(gioca(7, corta, guasto).indice >= 0);
        QCOMPARE(QString::fromStdString(testo(leggitutte(testo(corta)))), QString::fromStdString(testo(corta)));
    }
};

QTEST_MAIN(CasualeTest)
#include "casuale_test.moc"
