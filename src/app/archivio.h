// The File menu: opening and saving sections, and the question about unsaved
// work before it could be lost.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "edit/frmvask2.h"
#include "edit/recenti.h"

class QWidget;

namespace vask {

// The file dialog for saving, with the extension of the chosen type added by
// the dialog itself, so that it asks before replacing "esercizio.vask" when
// "esercizio" was typed. `filtri` and `estensioni` go in pairs.
QString dialogosalva(QWidget* genitore, const QString& titolo, const QString& proposto,
                     const QStringList& filtri, const QStringList& estensioni);

// The names the settings go under: on Linux ~/.config/vask2cad/Vask_2 cad.conf
// (or under $XDG_CONFIG_HOME). The same whoever builds the window, tests too.
inline constexpr char ORGANIZZAZIONE[] = "vask2cad";
inline constexpr char APPLICAZIONE[] = "Vask_2 cad";

class Archivio {
public:
    Archivio(FrmVask_2& nucleo, Messaggi& messaggi, QWidget* genitore);

    // Which file to open, which to save to: the file dialogs in the program,
    // fixed answers in the tests. An empty answer cancels.
    std::function<QString()> sceglidaaprire;
    std::function<QString(const QString& proposto)> sceglidasalvare;

    void mnuFileApri_Click();
    // File > File recenti, entry `i` from 0: as Apri, the question first; a
    // file no longer there leaves the list, and a message says so.
    void apririecente(size_t i);
    // The sections opened or saved last; `recenticambiati` is told of each change.
    const Recenti& recenti() const { return recenti_; }
    std::function<void()> recenticambiati;
    void mnuFileSalva_Click() { salva(); }
    void mnuFileSalvaconnome_Click() { salvaconnome(); }

    // Opens a file without asking anything first (the command line); false
    // with a message when it cannot.
    bool apri(const QString& percorso);
    // Saves to the section's own file, or asks for one; false when nothing was saved.
    bool salva();
    bool salvaconnome();
    // With unsaved changes, asks whether to save them: false means stop
    // (Annulla, or a save that did not happen).
    bool salvaremodifiche(const std::string& domanda);

private:
    FrmVask_2& n_;
    Messaggi& m_;
    QWidget* genitore_;
    Recenti recenti_;
    bool scrivi(const QString& percorso);
    void ricorda(const QString& percorso, bool presente);
};

}  // namespace vask
