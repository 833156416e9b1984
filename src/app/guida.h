// The window of the user guide, `frmGuida`: GUIDA.txt read-only, its
// chapters as a list, a search field. Non-modal, one for the program.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "edit/guida.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace vask {

// The first of the guide's places for a program in `cartella` that holds a
// readable file, or empty; `cercati` gets every place, in order.
QString trovaguida(const QString& cartella, QStringList* cercati = nullptr, const std::string& nome = FILEGUIDA);

class FinestraGuida : public QWidget {
    Q_OBJECT
public:
    explicit FinestraGuida(QWidget* genitore);

    // Reads the guide; false, with nothing changed, when it cannot.
    bool carica(const QString& percorso);
    QString percorso() const { return percorso_; }
    const std::vector<CapitoloGuida>& capitoli() const { return capitoli_; }

    // The chapter's heading at the top of the text.
    void vaialcapitolo(int indice);
    // The field's text from the current match on (as typed) or past it.
    void cerca(bool successivo);

private:
    void esito(bool trovato, const QString& testo);

    QString percorso_;
    QString chiaro_;    // the text as shown
    std::string utf8_;  // the same in the encoding the search works in
    std::vector<CapitoloGuida> capitoli_;
    size_t trovato_ = std::string::npos;  // the current match, in bytes
    QListWidget* elenco_;
    QPlainTextEdit* testo_;
    QLineEdit* cerca_;
    QLabel* esito_;
};

}  // namespace vask
