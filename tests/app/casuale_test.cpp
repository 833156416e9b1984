// Seeded random use of the real window, invariants checked after every action.
// A failure names seed and action; VASK_SEME (with VASK_AZIONI) replays it.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <time.h>
#include <unistd.h>

#include "generatore.h"

using namespace scimmia;

namespace {

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

// Plays the given actions, or as many of the seed's, on a new window: the first broken invariant or
// action slower than a second, named with seed and action, or empty.
std::string gioca(unsigned seme, int quante, const std::vector<Azione>& azioni = {}) {
    Banco banco(seme);
    Generatore g(seme);
    if (std::string e = banco.controlla(); !e.empty()) return "all'avvio: " + e;
    for (int i = 0; i < quante; ++i) {
        const Azione z = azioni.empty() ? g.prossima(banco) : azioni[size_t(i)];
        const std::string descrizione = descrivi(z);
        std::snprintf(bloccata, sizeof bloccata, "BLOCCATO oltre 30 s: seme %u, azione %d: %s\n", seme, i, descrizione.c_str());
        alarm(30);
        const double t0 = tempocpu();
        banco.esegui(z);
        const double secondi = tempocpu() - t0;
        alarm(0);
        std::string e = banco.controlla();
        if (e.empty() && secondi > 1) e = "azione lenta: " + std::to_string(secondi) + " s";
        if (!e.empty())
            return e + " (seme " + std::to_string(seme) + ", azione " + std::to_string(i) + ": " + descrizione +
                   "; per ripeterla VASK_SEME=" + std::to_string(seme) + " VASK_AZIONI=" + std::to_string(i + 1) + ")";
    }
    return {};
}

}  // namespace

class CasualeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Mano::prepara();
        separatoredallalocale(QLocale(QLocale::Italian, QLocale::Italy));
        std::signal(SIGALRM, allarme);
    }

    void sequenze_casuali_non_rompono_mai_gli_invarianti() {
        const char* seme = std::getenv("VASK_SEME");
        const char* quante = std::getenv("VASK_AZIONI");
        std::vector<unsigned> semi = {1, 2, 3, 4};
        if (seme) semi = {unsigned(std::strtoul(seme, nullptr, 10))};
        const QFont normale = QApplication::font();
        for (unsigned s : semi) {
            // The even seeds with a font half as large again.
            QFont carattere = normale;
            carattere.setPointSizeF(normale.pointSizeF() * (s % 2 ? 1 : 1.5));
            QApplication::setFont(carattere);
            const std::string e = gioca(s, quante ? std::atoi(quante) : 5000);
            QVERIFY2(e.empty(), e.c_str());
        }
        QApplication::setFont(normale);
    }

    // The named sequences of tests/dati/app_sequenze.tsv.
    void le_sequenze_che_ruppero_il_programma_non_lo_rompono_piu() {
        for (const QStringList& r : righe("app_sequenze.tsv")) {
            const std::vector<Azione> azioni = leggitutte(r.mid(1).join('\n').toStdString());
            const std::string e = gioca(7, int(azioni.size()), azioni);
            QVERIFY2(e.empty(), qPrintable(r[0] + ": " + QString::fromStdString(e)));
        }
    }
};

QTEST_MAIN(CasualeTest)
#include "casuale_test.moc"
