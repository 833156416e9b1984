#include "app/risultati.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstring>
#include <string>
#include <vector>

#include "app/filesezione.h"
#include "app/finestraprincipale.h"
#include "app/lingua.h"
#include "edit/frmvask2.h"
#include "edit/relazionetesto.h"

namespace vask {

namespace {

// No one to ask: every box is kept, and a question is answered with its
// most cautious button.
class Raccolta : public Messaggi {
public:
    std::vector<std::string> testi;
    Risposta mostra(const std::string& testo, const std::string&, Icona, Pulsanti pulsanti) override {
        testi.push_back(testo);
        switch (pulsanti) {
        case Pulsanti::Ok: return Risposta::Ok;
        case Pulsanti::SiNo: return Risposta::No;
        case Pulsanti::SiNoAnnulla: return Risposta::Annulla;
        }
        return Risposta::Ok;
    }
};

}  // namespace

Risultatifile risultatifile(const QString& percorso, bool relazione, Puntocarico carico) {
    Risultatifile r;
    Documento d;
    if (QString problema = leggifilesezione(percorso, d); !problema.isEmpty()) {
        r.problema = nonaperto(percorso, problema);
        return r;
    }
    Raccolta raccolta;
    FrmVask_2 nucleo(raccolta);
    nucleo.Form_Load();
    if (std::string problema = nucleo.apridocumento(d, percorso.toStdString()); !problema.empty()) {
        r.problema = nonaperto(percorso, tradotto(problema));
        return r;
    }
    nucleo.btnEsegui_Click();
    // Every box of "Esegui" says why there are no results.
    if (!raccolta.testi.empty() || !nucleo.ris.attuali) {
        r.problema = QCoreApplication::translate("Riga di comando", "Impossibile calcolare «%1»: %2")
                         .arg(percorso, raccolta.testi.empty()
                                            ? QCoreApplication::translate("Riga di comando", "calcolo non eseguito.")
                                            : tradotto(raccolta.testi.front()));
        return r;
    }
    if (std::string perche; carico.dato && !nucleo.fissacarico(carico.x, carico.y, perche)) {
        r.problema = QCoreApplication::translate("Riga di comando", "Impossibile studiare il carico di «%1»: %2")
                         .arg(percorso, tradotto(perche));
        return r;
    }
    r.blocco = percorso + QLatin1Char('\n');
    if (relazione) {
        // The report speaks the interface's language; the results below stay as the panel's Italian.
        r.blocco += QString::fromStdString(relazionetesto(
            blocchirelazione(nucleo.relazione(), false, nucleo.caricofissato(), tradottorelazione), tradottorelazione));
        return r;
    }
    for (int i = 0; i < 15; ++i) {
        const Controllo& didascalia = nucleo.ctl[DIDASCALIERISULTATI[i]];
        QString testo = QString::fromStdString(didascalia.didascalia);
        if (didascalia.simbolo) testo = FinestraPrincipale::simbolo(testo);
        r.blocco += testo + QLatin1Char(' ') +
                    QString::fromStdString(nucleo.ctl.testo(ETICHETTERISULTATI[i])) + QLatin1Char('\n');
    }
    r.blocco += QString::fromStdString(nucleo.righecarico());
    return r;
}

int stamparisultati(const QStringList& percorsi, QTextStream& uscita, QTextStream& errori, bool relazione,
                    Puntocarico carico) {
    int esito = 0;
    bool primo = true;
    for (const QString& percorso : percorsi) {
        const Risultatifile r = risultatifile(percorso, relazione, carico);
        if (!r.problema.isEmpty()) {
            errori << "vask2cad: " << r.problema << '\n';
            errori.flush();
            esito = 1;
            continue;
        }
        if (!primo) uscita << '\n';
        primo = false;
        uscita << r.blocco;
        uscita.flush();
    }
    return esito;
}

// Only a section to open, or none, needs the windows. Help, version,
// --risultati and the mistakes (an unknown option, two files) run on a
// QCoreApplication, which starts even where there is no display. The parser
// needs the application first, hence this look at the raw arguments. Qt's
// own window options (-platform, -style...) want the QApplication that
// takes them away before the parser sees them.
bool senzafinestre(int argc, const char* const argv[]) {
    static const char* const opzioniqt[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin",  "qmljsdebugger",
        "qwindowgeometry", "qwindowicon", "qwindowtitle", "reverse", "session",
        "display", "geometry", "style", "stylesheet", "widgetcount", "nograb",
        "dograb", "sync", "title", "name", "visual"};
    bool opzione = false;
    int file = 0;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--") == 0) {
            file += argc - i - 1;
            break;
        }
        if (a[0] != '-' || a[1] == 0) {
            ++file;
            continue;
        }
        const char* inizio = a + (a[1] == '-' ? 2 : 1);
        const std::string nome(inizio, std::strcspn(inizio, "="));
        for (const char* o : opzioniqt)
            if (nome == o) return false;
        // The language goes with the windows too; its value is no file. A
        // wrong one is a mistake, told without a window.
        if (nome == "lingua") {
            const char* valore = std::strchr(inizio, '=') ? std::strchr(inizio, '=') + 1 : i + 1 < argc ? argv[++i] : "";
            Lingua lingua = Lingua::Italiano;
            if (!leggilingua(valore, lingua)) opzione = true;
            continue;
        }
        opzione = true;
    }
    return opzione || file > 1;
}

}  // namespace vask
