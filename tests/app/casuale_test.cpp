// Seeded random use of the real window, invariants checked after every action.
// A failure names seed and action; VASK_SEME (with VASK_AZIONI) replays it and
// VASK_RIDUCI=1 shrinks it to a sequence to keep among the regressions.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <time.h>
#include <unistd.h>

#include "scimmia.h"

using namespace scimmia;

namespace {

struct Esito {
    int indice = -1;  // the failing action, -1: none
    std::string messaggio;
};

// Done to the window between actions, to prove that the checks see it.
using Guasto = std::function<void(Banco&, int indice)>;

// A process that hangs in an action is stopped after 30 s naming it: a test that never returns names nothing.
char bloccata[512];
void allarme(int) {
    (void)!write(2, bloccata, std::strlen(bloccata));
    std::abort();
}

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
    if (std::string e = banco.controlla(); !e.empty()) return {0, "all'avvio: " + e};
    for (int i = 0; i < quante; ++i) {
        const Azione z = azioni ? (*azioni)[size_t(i)] : g.prossima(banco);
        if (fatte) fatte->push_back(z);
        const std::string descrizione = descrivi(z);
        std::snprintf(bloccata, sizeof bloccata, "BLOCCATO oltre 30 s: seme %u, azione %d: %s\n", seme, i, descrizione.c_str());
        alarm(30);
        const double t0 = tempocpu();
        banco.esegui(z);
        if (guasto) guasto(banco, i);
        const double secondi = tempocpu() - t0;
        alarm(0);
        std::string e = banco.controlla();
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

// The named sequences of tests/dati/app_sequenze.tsv.
std::map<QString, std::vector<Azione>> sequenze() {
    std::map<QString, std::vector<Azione>> m;
    for (const QStringList& r : righe("app_sequenze.tsv")) m[r[0]] = leggitutte(r.mid(1).join('\n').toStdString());
    return m;
}

}  // namespace

class CasualeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        separatoredallalocale(QLocale(QLocale::Italian, QLocale::Italy));
        std::signal(SIGALRM, allarme);
    }

    void sequenze_casuali_non_rompono_mai_gli_invarianti() {
        const char* seme = std::getenv("VASK_SEME");
        const char* quante = std::getenv("VASK_AZIONI");
        const int n = quante ? std::atoi(quante) : 5000;
        std::vector<unsigned> semi = {1, 2, 3, 4};
        if (seme) semi = {unsigned(std::strtoul(seme, nullptr, 10))};
        const QFont normale = QApplication::font();
        for (unsigned s : semi) {
            // The even seeds with a font half as large again.
            QFont carattere = normale;
            carattere.setPointSizeF(normale.pointSizeF() * (s % 2 ? 1 : 1.5));
            QApplication::setFont(carattere);
            std::vector<Azione> fatte;
            const Esito e = gioca(s, n, nullptr, &fatte);
            if (e.indice >= 0 && std::getenv("VASK_RIDUCI")) {
                fatte.resize(size_t(e.indice) + 1);
                const QString riga = QString::fromStdString(testo(riduci(s, fatte))).chopped(1).replace('\n', '\t');
                std::fprintf(stderr, "Sequenza ridotta, una riga per tests/dati/app_sequenze.tsv:\nnome\t%s\n", qPrintable(riga));
            }
            QVERIFY2(e.indice < 0, e.messaggio.c_str());
        }
        QApplication::setFont(normale);
    }

    void le_sequenze_che_ruppero_il_programma_non_lo_rompono_piu() {
        for (const auto& [nome, azioni] : sequenze()) {
            const Esito e = gioca(7, azioni);
            QVERIFY2(e.indice < 0, qPrintable(nome + ": " + QString::fromStdString(e.messaggio)));
        }
    }

    void un_guasto_iniettato_e_riportato_con_seme_e_azione() {
        // Each done once, after action 40.
        const std::pair<const char*, std::function<void(Banco&)>> guasti[] = {
            {"non finito", [](Banco& b) { b.nucleo().sez.cerchi[5][C::raggio] = std::nanf(""); }},
            {"contatore", [](Banco& b) { b.nucleo().sez.prossimotriangolo = 7; }},
            {"lenta", [](Banco&) { for (const double t = tempocpu(); tempocpu() - t < 1.1;) continue; }},
            {"didascalia", [](Banco& b) { b.nucleo().ctl.testo("lblXg", "nan"); }},
            {"specchio", [](Banco& b) { b.nucleo().ctl["btnEsegui"].abilitato ^= true; }},
            {"riaperta", [](Banco& b) { b.nucleo().sez.puntilinee[10][1] = 0.5f; }},
        };
        for (const auto& [nome, guasto] : guasti) {
            const Esito e = gioca(11, 60, nullptr, nullptr, [&guasto = guasto](Banco& b, int i) { if (i == 40) guasto(b); });
            QVERIFY2(e.indice == 40 && e.messaggio.find("seme 11, azione 40") != std::string::npos &&
                         e.messaggio.find("VASK_SEME=11 VASK_AZIONI=41") != std::string::npos,
                     (std::string(nome) + ": " + e.messaggio).c_str());
        }
    }

    void la_riduzione_lascia_poche_azioni() {
        // A fault that needs a circle and the grid: three actions at least.
        const Guasto guasto = [](Banco& b, int) {
            FrmVask_2& f = b.nucleo();
            if (f.sez.prossimocerchio > 1 && f.vista.grigliaattiva) f.sez.l = 12;
        };
        const std::vector<Azione> lunga = sequenze().at("riduzione");
        QVERIFY(gioca(7, lunga, guasto).indice >= 0);
        const std::vector<Azione> corta = riduci(7, lunga, guasto);
        QVERIFY2(corta.size() <= 3, testo(corta).c_str());
        QVERIFY(gioca(7, corta, guasto).indice >= 0);
        QCOMPARE(QString::fromStdString(testo(leggitutte(testo(corta)))), QString::fromStdString(testo(corta)));
    }
};

QTEST_MAIN(CasualeTest)
#include "casuale_test.moc"
