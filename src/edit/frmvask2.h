// The main window `FrmVask_2` without the toolkit: it owns the section, the
// mode flags, the results, the world window, the kern, the state of the
// controls and the drawing surface, and implements every event handler. The
// Qt shell forwards events here and copies the control states back.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/carico.h"
#include "analysis/ellisse.h"
#include "edit/documento.h"
#include "edit/storia.h"
#include "analysis/nocciolo.h"
#include "analysis/relazione.h"
#include "model/controlli.h"
#include "model/messaggi.h"
#include "model/numeri.h"
#include "model/sezione.h"
#include "model/testi.h"
#include "view/superficie.h"

namespace vask {

class FrmVask_2 {
public:
    explicit FrmVask_2(Messaggi& messaggi);

    // ---- State --------------------------------------------------------------
    Sezione sez;
    Controlli ctl;
    Superficie pic;  // picAreagrafica
    Puntatore puntatore = Puntatore::Croce;
    // Grows each time a dynamic pan is stopped at a limit: the shell then
    // shows the no-drop pointer for a moment without holding the program.
    int pausadivieto = 0;
    float pigreco = 0;

    // Work copy of the triangle being processed: row 1 x, row 2 y, columns 1-3.
    float verticitriangolo[3][4] = {};

    // The command mode and the kind button that is down.
    struct Modo {
        bool disegno = false, seleziono = false, eseguo = false;
        bool sposto = false, cancello = false, modifico = false;
        bool rettangolopremuto = false, triangolopremuto = false, cerchiopremuto = false,
             lineapremuto = false;
    } modo;

    // The kind a click in draw mode creates and the points taken so far.
    struct Costruzione {
        bool disegnorettangolo = false, disegnotriangolo = false, disegnocerchio = false,
             disegnolinea = false;
        int puntorettangolo = 0, puntotriangolo = 0, puntocerchio = 0, puntolinea = 0;
    } costruzione;

    // The kind a click in select mode picks, and the element picked.
    struct Selezione {
        bool selezionorettangolo = false, selezionotriangolo = false, selezionocerchio = false,
             selezionolinea = false;
        bool hoselezionatounrettangolo = false, hoselezionatountriangolo = false,
             hoselezionatouncerchio = false, hoselezionatounalinea = false;
        int rigarettangoloselezionato = 0, rigatriangoloselezionato = 0,
            rigacerchioselezionato = 0, rigalineaselezionata = 0;
    } selezione;

    // A move in progress: the kind moved and which point the next click gives.
    struct Spostamento {
        bool spostorettangolo = false, spostotriangolo = false, spostocerchio = false,
             spostolinea = false;
        int mettipunto = 0;
    } spostamento;

    // The kind of the element being deleted.
    struct Cancellazione {
        bool cancellorettangolo = false, cancellotriangolo = false, cancellocerchio = false,
             cancellolinea = false;
    } cancellazione;

    // A change of one end of the selected closure line.
    struct CambioEstremo {
        bool cambioestremodellalinea = false;
        int modlineamettipunto = 0;
        int colonnax = 0, colonnay = 0;
        bool disegnodinamicosottomodifica = false;
    } cambioestremo;

    // The distance tool.
    struct Misura {
        bool distanza = false;
        int distmettipunto = 0;
    } misura;

    // What the status bar shows once a command is done (the menus' own tips
    // pass over it): the components of a distance.
    std::string statobarra;

    // The load tool: on while it waits for the load point; the point its
    // last click fixed, with the results it was computed from. View state:
    // neither saved nor undone.
    struct Sollecitazione {
        bool modo = false, fissato = false;
        Relazione relazione;
        Carico carico;
    } sollecitazione;

    // Base and end point of the last move, line-end change or distance.
    struct PuntiComando {
        float puntobasex = 0, puntobasey = 0, puntofinalex = 0, puntofinaley = 0;
    } punti;

    // The view: world window, zoom, pan, grid, snaps, guide lines.
    struct Vista {
        float nuovooriginex = 0, nuovofinex = 0, nuovooriginey = 0, nuovofiney = 0;
        float fattorezoommeno = 0, fattorezoompiu = 0;
        int pan = 0;
        float panx1 = 0, pany1 = 0;
        int passopanx = 0, passopany = 0;
        bool grigliaattiva = false, snapattivo = false, osnapattivo = false,
             lineeguidaattive = false;
        float passogriglia = 0;
    } vista;

    // Display preferences (0x00BBGGRR).
    struct Colori {
        uint32_t coloresfondo = NERO, coloregriglia = GRIGIO, coloresezione = BIANCO,
                 colorelinea = VERDE;
    } colori;

    // Results of the last computation.
    struct Risultati {
        float xg = 0, yg = 0, inclinazioneassicentraliradianti = 0, raggiocentralexc = 0,
              raggiocentraleyc = 0;
        bool eseguito = false;
        // The results belong to the section as it is now: no element drawn,
        // moved, deleted or changed since. Object snap offers the centroid and
        // the kern only then.
        bool attuali = false;
        float ixtotale = 0, iytotale = 0, ixytotale = 0, massatotale = 0, momentostatico = 0,
              ixg = 0, iyg = 0, ixgyg = 0, angologradi = 0;
        float risultati[16] = {};
        // The panel as the computation wrote it (or emptied it): a selection
        // shows an element's data there meanwhile.
        std::string testi[15];
        // The elements as the last computation found them: the report shows
        // its steps even after the section changed.
        bool calcolo = false;
        Sezione calcolata;
    } ris;

    // Central ellipse.
    Ellisse ellisse;
    // Central kern and the copy of its vertices that object snap offers.
    Nocciolo nocciolo;
    struct CopiaNocciolo {
        float puntinocciolo[MAXLINEE + 1][3] = {};
        bool puntinoccioloattivo[MAXLINEE + 1] = {};
        int vask = 0;
    } copianocciolo;

    // ---- Undo and redo -------------------------------------------------------
    // What an undo brings back: the section, the results with their labels,
    // the kern and whether they are current. A step that opened a file or
    // began a new section also takes back which file the section belongs to
    // and what was last saved there.
    struct Istantanea {
        Sezione sez;
        Risultati ris;
        Nocciolo nocciolo;
        CopiaNocciolo copianocciolo;
        bool file = false;
        std::string nomedocumento;
        std::shared_ptr<const Sezione> salvata;
    };
    Storia<Istantanea> storia;
    void mnuEditaAnnulla_Click();
    void mnuEditaRipeti_Click();
    // A construction, a move, a line-end change or a distance half done: the
    // first undo abandons it.
    bool comandoinsospeso() const;
    // What the Modifica menu offers now: enabled, and the step it would act on.
    bool puoiannullare() const { return comandoinsospeso() || storia.puoiannullare(); }
    bool puoiripetere() const { return storia.puoiripetere(); }
    std::string descrizioneannulla() const;
    std::string descrizioneripeti() const;
    // The fifteen results as text, one "caption value" a line, or as a table
    // of two columns separated by a tab; empty before any computation.
    std::string testorisultati(bool tabella) const;

    // The calculation report of the last computation (its elements, today's
    // closure lines), once there is one.
    bool relazionedisponibile() const { return ris.calcolo; }
    Relazione relazione() const;

    // Window title: the program with its version (also the printed page's),
    // the file's name, a mark while unsaved.
    static std::string titoloprogramma();
    std::string titolo() const;

    // ---- The section as a file ------------------------------------------------
    // The path of the file the section came from or went to ("" for none).
    std::string nomedocumento;
    Documento documento() const;
    // Opens a document: checked whole before anything changes; the problem in
    // Italian, or empty once it is open (then it counts as saved).
    std::string apridocumento(const Documento& d, const std::string& nome);
    // The section differs from the one last saved or opened.
    bool modificata() const;
    void documentosalvato(const std::string& nome);

    // ---- Events -------------------------------------------------------------
    void Form_Load();
    void Form_Resize();
    void mnuFileNuovo_Click();
    // Guida when its file is in none of `cercati`: where to look instead, and where it was sought.
    void guidanontrovata(const std::vector<std::string>& cercati);
    void mnuInfo_Click();

    // Results, ellipse, kern.
    void btnEsegui_Click();
    void mnuVisualizzaRisultati_Click();
    void btnEllisseCentrale_Click();
    void btnNoccioloCentrale_Click();

    // Regeneration.
    void btnRigenera_Click();
    void mnuVisualizzaRigenera_Click();

    // Zoom.
    void btnZoomPiu_Click();
    void BtnZoomMeno_Click();
    void mnuVisualizzaZoomPiu_Click();
    void mnuVisualizzaZoomMeno_Click();

    // Static and dynamic pan.
    void btnPanSu_Click();
    void btnPanGiu_Click();
    void btnPanSinistra_Click();
    void Command4_Click();
    void btnPan_Click();
    void mnuVisualizzaPan_Click();

    // Editing: move, delete, modify, distance.
    void btnSposta_Click();
    void btnCancella_Click();
    void btnModifica_Click();
    void mnuStrumentiDistanza_Click();

    // The load point and its neutral axis.
    void btnCarico_Click();
    void mnuStrumentiCarico_Click();
    // The fixed load point, or null.
    const Carico* caricofissato() const { return sollecitazione.fissato ? &sollecitazione.carico : nullptr; }
    // The load point fixed at (x, y) as a click there would fix it; false,
    // with the reason, where the tool refuses.
    bool fissacarico(double x, double y, std::string& perche);
    // The seven lines of the fixed load point, each "caption = value".
    std::string righecarico() const;

    // Grid, snaps, guide lines.
    void btnGriglia_Click();
    void btnSnap_Click();
    void btnOsnap_Click();
    void mnuStrumentiSnapGriglia_Click();
    void mnuStrumentiSnapOggetto_Click();
    void mnuStrumentiSnapToglisnap_Click();
    void mnuStrumentiSnapTogliOsnap_Click();
    void btnLineeGuida_Click();

    // Display preferences.
    void mnuPreferenzeSfondoBianco_Click();
    void mnuPreferenzeSfondoNero_Click();
    void mnuPreferenzeSfondoGrigio_Click();
    void mnuPreferenzeGrigliaBianco_Click();
    void mnuPreferenzeGrigliaNero_Click();
    void mnuPreferenzeGrigliaGrigio_Click();
    void mnuPreferenzeGrigliaRosso_Click();
    void mnuPreferenzeGrigliaGiallo_Click();
    void mnuPreferenzeSezioneBianco_Click();
    void mnuPreferenzeSezioneNero_Click();
    void mnuPreferenzeSezioneGrigio_Click();
    void mnuPreferenzeSezioneRosso_Click();
    void mnuPreferenzeSezioneGiallo_Click();
    void mnuPreferenzeLineaBianco_Click();
    void mnuPreferenzeLineaNero_Click();
    void mnuPreferenzeLineaVerde_Click();
    void mnuPreferenzeLineaRosso_Click();
    void mnuPreferenzeLineaBlu_Click();
    void mnuPreferenzeSpessori1_Click();
    void mnuPreferenzeSpessori2_Click();

    // Command modes.
    void btnDisegna_Click();
    void btnSeleziona_Click();
    void btnRettangolo_Click();
    void btnTriangolo_Click();
    void btnCerchio_Click();
    void btnLinea_Click();
    void mnuModificaRettangolo_Click();
    void mnuModificaTriangolo_Click();
    void mnuModificaCerchio_Click();
    void mnuModificaLinea_Click();
    void mnuStrumentiRettangolo_Click();
    void mnuStrumentiTriangolo_Click();
    void mnuStrumentiCerchio_Click();
    void mnuStrumentiLinea_Click();

    // The drawing area, positions in surface units.
    void picAreagrafica_MouseMove(float x, float y);
    void picAreagrafica_MouseDown(float x, float y);
    void picAreagrafica_MouseUp(float x, float y);
    // The system paints the area anew (the window restored): what was drawn on
    // the screen only, the central ellipse, is lost as on a plain bitmap.
    void picAreagrafica_Paint();
    // The mouse over one of the y axis captions: its tooltip shows its caption.
    void assey_MouseMove(std::string_view etichetta);

    // A text box edited by the user.
    void testomodificato(std::string_view casella, std::string testo);

    // The point box: Enter gives the typed point to the command waiting for
    // one, as a click there would; Up and Down recall earlier entries.
    void txtPunto_Invio();
    void txtPunto_Su();
    void txtPunto_Giu();
    // Esc abandons the command in progress, as the first undo would.
    void tasto_Esc();
    // A command takes the next point (a click or a typed one).
    bool attendepunto() const;

    // ---- The element table ----------------------------------------------------
    // One row per element in table order (rectangles, triangles, circles),
    // then one per closure line; the columns of COLONNETABELLA, empty where
    // the kind has no such value. Area and mass are derived, never edited.
    static constexpr int COLONNE = 13;
    static const char* const COLONNETABELLA[COLONNE];
    struct RigaTabella {
        int tipo = 0, numero = 0;
        std::string celle[COLONNE];
        bool modificabile[COLONNE] = {};
    };
    std::vector<RigaTabella> tabella() const;
    // A cell typed anew ("." or "," as the separator): the element as if drawn
    // with that number, through the checks of drawing. False, with the
    // message shown and nothing changed, when refused.
    bool modificacella(int riga, int colonna, const std::string& testo);
    // The row's element selected as a click in select mode would; the row of
    // the selected element, or -1.
    void selezionariga(int riga);
    int rigaselezionata() const;
    // Rows as tab-separated text with the column names first (all of them
    // when `righe` is empty); rows of that layout appended as new elements,
    // each checked as drawn, the first refused one stopping the rest.
    std::string testotabella(const std::vector<int>& righe, const Traduttore& traduci = italiano) const;
    void incollatabella(const std::string& testo, const Traduttore& traduci = italiano);

    // Zoom estensioni: the smallest zoom width that shows the whole section,
    // whole-unit edges; the mouse wheel zooms about the cursor (surface units).
    void mnuVisualizzaZoomEstensioni_Click();
    void btnZoomEstensioni_Click();
    void picAreagrafica_MouseWheel(float x, float y, bool piu);

    // The click of a button or menu entry by its control name ("btnEsegui",
    // "mnuFileNuovo"); false when the name has no handler (yet).
    bool clic(std::string_view nome);

    // ---- Procedures ---------------------------------------------------------
    void indicazioni();
    void rigenerasolosezioneelinea();
    void campituratriangoli();
    void lineedichiusura();
    void grigliapunteggiata();
    void lineeguida();
    // The axis captions from the scale, after a zoom (one body for both).
    void cambioetichetteascisseordinatezoompiu();
    void cambioetichetteascisseordinatezoommeno();

    // Inertia procedures.
    void prodottoinerziaxytriangolo();
    void momentoinerziaxtriangolo();
    void momentoinerziaytriangolo();
    void momentoinerziaxrettangolo();
    void momentoinerziayrettangolo();
    void momentoinerziaxcerchio();
    void momentoinerziaycerchio();

private:
    Messaggi& msg_;
    bool mossogia_ = false;           // a mouse move has set the readout
    float ultimax_ = 0, ultimay_ = 0;  // surface position of the last move
    // The last point given, clicked or typed: the base of "@dx;dy".
    float ultimopuntox_ = 0, ultimopuntoy_ = 0;
    std::vector<std::string> storiapunti_;
    size_t indicestoria_ = 0;

    // The press of a click, after the readout: offered to the commands in
    // order (the dynamic pan only for a real press).
    void smistaclic(bool conpan);
    // The window set to (left, bottom) and `larghezza`, captions and arrows
    // following; the caller regenerates.
    void impostavista(float sinistra, float basso, float larghezza);
    // The colours and hint of a zoom step in or out; false at the limit.
    bool passozoom(bool piu);
    // A row of kind `tipo` about to be stored (all its fields set): true when
    // it passes the checks of drawing, otherwise the message is shown.
    bool elementoammesso(int tipo, const float* riga, Portata densita, Portata raggio);
    // A table cell read as the number of column `colonna`; false, with a
    // message beginning with `dove`, when it is none or (a coordinate) a
    // float cannot hold it.
    bool valorecella(const std::string& testo, int colonna, float& valore, Portata& portata,
                     const std::string& dove);
    // The smallest box holding every element, line and drawn kern vertex;
    // false for an empty section.
    bool estensioni(double& xmin, double& ymin, double& xmax, double& ymax) const;

    Risposta avviso(const std::string& testo, const std::string& titolo);
    // Full regeneration and section pass; without the kern when the results
    // it would be drawn from are about to be replaced.
    void rigenera(bool connocciolo);
    void passosezione(bool connocciolo);
    void scrivilettura(float x, float y);
    void letturacursore(float x, float y);
    bool oggettosnap(float x, float y);
    void grigliasnap(float x, float y);
    double valore(const char* didascalia) const;  // a caption read back as a number
    // Pan: the window moved by the last shift, set on the surface, captions
    // relabelled and the picture regenerated.
    void panstatico(int dx, int dy);
    void applicapan();
    void rietichettapan();
    void panpremuto();
    void panrilasciato();
    void frecceapertura();
    // Entering draw or select mode ends a dynamic pan.
    void fermapan();

    // The per-kind flags and numbers of each group, by kind (tipi.h).
    bool& premuto(int tipo);
    bool& selezionato(int tipo);   // hoselezionatoun...
    bool& selezionando(int tipo);  // seleziono...: a click selects that kind
    bool& spostando(int tipo);
    bool& cancellando(int tipo);
    int& riga(int tipo);           // the selected element's number
    int prossimo(int tipo) const;  // the kind's counter
    // The selected element of a pressed kind, when it still exists.
    bool selezionevalida(int tipo);

    // The click branches of the editing commands; true when the click ends there.
    void selezionaclic(int tipo);
    void seleziona(int tipo, int n);
    bool spostaclic(int tipo);
    bool cambioestremoclic();
    bool distanzaclic();
    bool caricoclic();
    // The load point at (x, y): labels and marks, fixed or as a preview.
    void mostracarico(double x, double y, bool fissa);
    void figuracarico(const Carico& c);
    // Mode off, point dropped, labels and marks cleared.
    void abbandonacarico();
    // A drawing or editing button is down: the measuring tools wait.
    bool funzioniattive() const;
    // The reason the tool cannot start now, or empty (and the results it
    // will work on taken).
    std::string caricorifiutato();
    // The base point of a move, a line-end change or a distance, shown in the
    // first point labels.
    void puntobase(float x, float y);
    // Object snap no longer offers a kern drawn for other lines.
    void noccioloscaduto();
    // A pending change of a line end dropped: its row may no longer be its line.
    void abbandonacambioestremo();
    void abbandonaspostamento();
    void anteprima();
    float puntox() const;
    float puntoy() const;
    // Point labels from `dalpunto` on back to their names ("x2", "y2", ...).
    void etichettepunti(int dalpunto);
    // Point label k shows the readout; the later ones get their names back.
    void mostrapunto(int k);

    // Drawing branches of a click; true when a message ended the click.
    bool disegnarettangolo();
    bool disegnatriangolo();
    bool disegnalinea();
    bool disegnacerchio();
    // A density or radius that its float cannot hold is refused with a message.
    bool densitaammessa(Portata portata, float densita, float area);
    bool raggioammesso(Portata portata, float raggio);
    bool tabellapiena(int& punto, int prossimo, int capienza, const char* modello,
                      const char* titolo);
    // Draw mode on (selection, move and delete cleared) / the calculate state
    // (modes off, kinds released).
    void entraindisegno();
    void entraincalcolo();
    void sceltadisegno(int tipo);
    void sceltatipo(int tipo);
    void sceltaselezione(int tipo);
    void preferenza(uint32_t& campo, uint32_t colore);
    void sfondopic(uint32_t colore);
    void svuotarisultati();
    Istantanea fotografia(bool file = false) const;
    void ripristina(Istantanea i);
    // The section is about to change: its state goes into the history.
    void registra(const std::string& descrizione, bool file = false);
    bool abbandonacomando();
    // What "Nuovo" empties and resets, without its question or regeneration.
    void nuovasezione();
    Sezione salvata_;  // as last saved or opened
};

}  // namespace vask
