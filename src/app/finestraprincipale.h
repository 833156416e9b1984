// The main window `FrmVask_2`: real widgets named after the core's controls,
// events forwarded to the core, control states copied back after each event.
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "edit/frmvask2.h"

class QLabel;
class QLocale;
class QLineEdit;
class QPushButton;
class QFrame;
class QMenu;

namespace vask {

class AreaGrafica;
class Archivio;
class Esportazione;
class Stampa;
class FinestraTabella;
class FinestraRelazione;
class FinestraMohr;
class FinestraGuida;
class MessaggiQt;

// Captions use the decimal separator of this locale (the user's, at start-up).
void separatoredallalocale(const QLocale& locale);

class FinestraPrincipale : public QMainWindow {
    Q_OBJECT
public:
    // Without `messaggi` the window answers the core with real message boxes;
    // tests pass their own. The core's Form_Load runs here.
    explicit FinestraPrincipale(Messaggi* messaggi = nullptr, QWidget* genitore = nullptr);
    ~FinestraPrincipale() override;

    FrmVask_2& nucleo() { return *nucleo_; }
    Archivio& archivio() { return *archivio_; }
    Esportazione& esportazione() { return *esportazione_; }
    Stampa& stampa() { return *stampa_; }
    // Opens a section file (the command line); false, with a message, when it cannot.
    bool apri(const QString& percorso);
    AreaGrafica* area() const { return area_; }
    // The element table's window, once opened (non-modal).
    FinestraTabella* tabellaelementi() const { return tabella_; }
    FinestraRelazione* relazione() const { return relazione_; }
    FinestraMohr* mohr() const { return mohr_; }
    FinestraGuida* guida() const { return guida_; }
    // Where the guide is sought from: the program's folder (tests put another).
    QString cartellaprogramma;

    // Copy every control state of the core onto its widget.
    void sincronizza();

    // A caption in the symbol font: Latin letters show as Greek ("a" as alpha).
    static QString simbolo(const QString& testo);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    // The menus' and the controls' texts again, in the language now installed.
    void ritraducimenu();
    void ritraduci();
    void closeEvent(QCloseEvent* evento) override;
    void copiarisultati();
    void mostratabella();
    void mostraguida();
    template <typename Finestra>
    void mostra(Finestra*& finestra);

private:
    enum class Tipo { Pulsante, Etichetta, Casella, Area };
    struct Voce {
        QWidget* widget;
        Tipo tipo;
        const Controllo* stato;  // lives in the core's table
        Controllo applicato;     // what the widget shows now
        bool nuovo = true;
    };

    // Run a core handler, then bring the widgets up to date.
    void esegui(const std::function<void()>& gestore);
    void clic(const QString& nome);
    void ridimensionata();

    QPushButton* pulsante(const char* nome);
    QLabel* etichetta(const char* nome);
    QLineEdit* casella(const char* nome);
    QFrame* separatore(const char* nome);
    QWidget* widget(const char* nome);

    void creacontrolli();
    void costruiscimenu();
    void mostrarecenti();
    QWidget* costruiscistrumenti();
    QWidget* costruiscirisultati();
    QWidget* costruiscibarra();
    void applica(Voce& v);

    std::unique_ptr<MessaggiQt> propri_;
    std::unique_ptr<FrmVask_2> nucleo_;
    std::unique_ptr<Archivio> archivio_;
    std::unique_ptr<Esportazione> esportazione_;
    std::unique_ptr<Stampa> stampa_;
    std::map<std::string, QWidget*, std::less<>> widget_;
    std::vector<Voce> voci_;
    std::vector<QKeySequence> scorciatoie_;
    uint64_t versionedipinta_ = ~uint64_t(0);  // the picture last sent to the area
    uint32_t sfondodipinto_ = 0;
    int pausavista_ = 0;  // the core's last no-drop request shown
    QLabel* statoBarra_ = nullptr;  // the core's status text in the status bar
    // The core's texts last shown translated: most events change none, and
    // only a changed one (or a new language, which empties them) is translated.
    struct Mostrati {
        std::string titolo, annulla, ripeti, stato;
        bool tradotti = false;
    } mostrati_;
    AreaGrafica* area_ = nullptr;
    FinestraTabella* tabella_ = nullptr;
    // What the table, report and circle windows are made of: most events (a
    // mouse move) leave it as it was, and then those windows are not rebuilt.
    struct Impronta {
        Sezione sez, calcolata;
        bool calcolo = false, attuali = false;
        int riga = -1;
        bool carico = false;
        double caricox = 0, caricoy = 0;
    };
    Impronta impronta_;
    bool improntacambiata();
    FinestraRelazione* relazione_ = nullptr;
    FinestraMohr* mohr_ = nullptr;
    FinestraGuida* guida_ = nullptr;
    Messaggi* messaggi_ = nullptr;  // what the windows show their boxes through
    bool occupato_ = false;       // a core handler is running (maybe inside a message box)
    bool ridimensionare_ = false; // a resize came meanwhile
    bool caricato_ = false;
};

}  // namespace vask
