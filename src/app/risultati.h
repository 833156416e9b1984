// The results of section files as plain text, without any window: what
// `vask2cad --risultati` prints.
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace vask {

struct Risultatifile {
    // The name as given, then one line per result of the panel, caption and
    // value as the panel shows them ("A = 36", ..., "α°= 90").
    QString blocco;
    // Why there is no block, in Italian; empty when there is one.
    QString problema;
};

// Opens the file in a core of its own and runs "Esegui" on it. Numbers use
// the decimal separator in force (impostaseparatore). With `relazione` the
// block is the name and the calculation report as plain text instead.
// A load point (`carico`) adds its seven lines to the results, its section
// to the report.
struct Puntocarico {
    bool dato = false;
    double x = 0, y = 0;
};
Risultatifile risultatifile(const QString& percorso, bool relazione = false, Puntocarico carico = {});

// Every file in turn, the blocks separated by a blank line; a file without a
// block leaves its problem on `errori` and the others still go on. The exit
// status: 0 when every file gave its block, 1 otherwise. With `relazione`
// the blocks are the calculation reports (`--relazione`).
int stamparisultati(const QStringList& percorsi, QTextStream& uscita, QTextStream& errori, bool relazione = false,
                    Puntocarico carico = {});

// True when the arguments need no window: help, version, --risultati and
// the like, and the mistakes; false for a section to open, or none.
bool senzafinestre(int argc, const char* const argv[]);

}  // namespace vask
