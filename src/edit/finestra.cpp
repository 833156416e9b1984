// Start-up, "Nuovo", the informative menu entries and the routing of clicks.
#include <cstring>
#include <map>

#include "edit/frmvask2.h"
#include "model/numeri.h"

namespace vask {

// The version is the build's (CMakeLists.txt, project VERSION).
std::string FrmVask_2::titoloprogramma() {
    return componi(QT_TRANSLATE_NOOP("Vask", "Vask_2 cad - Edizione didattica %1"), {VASK_VERSIONE});
}

namespace {
const char* const PUNTI[6] = {"lblPrimoPuntoX",   "lblPrimoPuntoY", "lblSecondoPuntoX",
                              "lblSecondoPuntoY", "lblTerzoPuntoX", "lblTerzoPuntoY"};
const char* const NOMIPUNTI[6] = {"x1", "y1", "x2", "y2", "x3", "y3"};
}  // namespace

FrmVask_2::FrmVask_2(Messaggi& messaggi) : msg_(messaggi) {}

Risposta FrmVask_2::avviso(const std::string& testo, const std::string& titolo) {
    return msg_.mostra(testo, titolo, Icona::Esclamazione, Pulsanti::Ok);
}

void FrmVask_2::etichettepunti(int dalpunto) {
    for (int i = 2 * (dalpunto - 1); i < 6; ++i) ctl.testo(PUNTI[i], NOMIPUNTI[i]);
}

void FrmVask_2::Form_Load() {
    ctl.testo("lblDescrizione",
              QT_TRANSLATE_NOOP("Vask", "Disegna: Premi i pulsanti rettangolo, triangolo o cerchio per comporre la sezione."));
    sez.l = sez.prossimotriangolo = sez.prossimorettangolo = sez.prossimocerchio = 1;
    modo.disegno = true;
    costruzione.puntorettangolo = costruzione.puntotriangolo = costruzione.puntocerchio = costruzione.puntolinea = 0;
    vista.osnapattivo = false;
    vista.snapattivo = false;
    vista.passogriglia = 1.0f;
    colori.coloresfondo = NERO;
    colori.coloregriglia = GRIGIO;
    colori.coloresezione = BIANCO;
    colori.colorelinea = VERDE;
    vista.lineeguidaattive = false;
    vista.grigliaattiva = false;
    pigreco = 3.1415927f;
    pic.sfondo = colori.coloresfondo;
    vista.nuovooriginex = 0;
    vista.nuovofinex = pic.scalewidth;
    vista.nuovooriginey = 0;
    vista.nuovofiney = pic.scaleheight;
}

void FrmVask_2::Form_Resize() { mnuVisualizzaRigenera_Click(); }

void FrmVask_2::svuotarisultati() {
    for (const char* nome : ETICHETTERISULTATI) ctl.testo(nome, "");
    for (std::string& t : ris.testi) t.clear();
}

void FrmVask_2::mnuFileNuovo_Click() {
    if (msg_.mostra(QT_TRANSLATE_NOOP("Vask", "Se si inoltra un nuovo calcolo il lavoro corrente verrà perso. Inoltrare un "
                    "nuovo calcolo?"),
                    QT_TRANSLATE_NOOP("Vask", "Nuova sezione."), Icona::Esclamazione, Pulsanti::SiNo) != Risposta::Si)
        return;
    registra(QT_TRANSLATE_NOOP("Vask", "nuova sezione"), true);
    nuovasezione();
    // A new section belongs to no file yet.
    nomedocumento.clear();
    salvata_ = sez;
    mnuVisualizzaRigenera_Click();
}

void FrmVask_2::nuovasezione() {
    abbandonacarico();
    statobarra.clear();
    etichettepunti(1);
    abbandonacambioestremo();  // it would edit the emptied record of its line
    ctl.testo("txtRaggio", "1");
    ctl.testo("txtDensita", "1");
    svuotarisultati();

    ris.xg = ris.yg = 0;
    costruzione.puntorettangolo = costruzione.puntotriangolo = costruzione.puntocerchio = costruzione.puntolinea = 0;
    vista.pan = 0;
    vista.snapattivo = vista.osnapattivo = false;
    vista.passogriglia = 1.0f;
    ris.eseguito = ris.attuali = modo.eseguo = modo.seleziono = false;
    ris.calcolo = false;
    modo.disegno = true;
    modo.cancello = modo.modifico = modo.sposto = false;
    modo.rettangolopremuto = modo.triangolopremuto = modo.cerchiopremuto = modo.lineapremuto = false;
    costruzione.disegnorettangolo = costruzione.disegnotriangolo = costruzione.disegnocerchio = costruzione.disegnolinea = false;
    spostamento.spostorettangolo = spostamento.spostotriangolo = spostamento.spostocerchio = spostamento.spostolinea = false;
    cancellazione.cancellorettangolo = cancellazione.cancellotriangolo = cancellazione.cancellocerchio = cancellazione.cancellolinea = false;
    selezione.selezionorettangolo = selezione.selezionotriangolo = selezione.selezionocerchio = selezione.selezionolinea = false;

    ctl.sfondo("btnDisegna", GIALLO);
    for (const char* nome : {"btnEsegui", "btnSeleziona", "btnCancella", "btnRettangolo",
                             "btnTriangolo", "btnCerchio", "btnLinea", "btnNoccioloCentrale",
                             "btnEllisseCentrale", "btnSnap", "btnOsnap", "btnPan"})
        ctl.sfondo(nome, FACCIA);

    // Tables (counters back to 1 with them), the kern and its snap copy.
    sez.svuota();
    std::memset(nocciolo.verticinocciolo, 0, sizeof nocciolo.verticinocciolo);
    std::memset(copianocciolo.puntinocciolo, 0, sizeof copianocciolo.puntinocciolo);
    std::memset(copianocciolo.puntinoccioloattivo, 0, sizeof copianocciolo.puntinoccioloattivo);

    ris.ixtotale = ris.iytotale = ris.ixytotale = ris.massatotale = ris.ixg = ris.iyg = ris.ixgyg = 0;
    ris.raggiocentralexc = ris.raggiocentraleyc = ris.inclinazioneassicentraliradianti = 0;
}

void FrmVask_2::guidanontrovata(const std::vector<std::string>& cercati) {
    std::string elenco;
    for (const std::string& p : cercati) elenco += "\n" + p;
    msg_.mostra(componi(QT_TRANSLATE_NOOP("Vask", "Consulta il file di testo allegato al programma.\n\nGUIDA.txt non si "
                                                  "trova in:%1"),
                        {elenco}),
                QT_TRANSLATE_NOOP("Vask", "Guida."), Icona::Informazione, Pulsanti::Ok);
}

void FrmVask_2::mnuInfo_Click() {
    msg_.mostra(
        QT_TRANSLATE_NOOP("Vask", "L'autore declina ogni responsabilità da conseguenze di errori derivanti dall'uso del "
        "programma. Nonostante la cura dedicata alla sua realizzazione il software potrebbe "
        "presentare disfunzioni ed errori di calcolo, pertanto si invitano gli utenti a "
        "segnalarne l'eventuale presenza all' indirizzo di posta elettronica "
        "vask2cad@example.org\nSito web: https://example.org/vask2cad"),
        QT_TRANSLATE_NOOP("Vask", "Informazioni."), Icona::Informazione, Pulsanti::Ok);
}

void FrmVask_2::testomodificato(std::string_view casella, std::string testo) {
    ctl[casella].didascalia = std::move(testo);
}

void FrmVask_2::assey_MouseMove(std::string_view etichetta) {
    Controllo& c = ctl[etichetta];
    c.suggerimento = c.didascalia;
}

bool FrmVask_2::clic(std::string_view nome) {
    using Gestore = void (FrmVask_2::*)();
    static const std::map<std::string_view, Gestore> GESTORI = {
        {"mnuFileNuovo", &FrmVask_2::mnuFileNuovo_Click},
        {"mnuInfo", &FrmVask_2::mnuInfo_Click},
        {"btnEsegui", &FrmVask_2::btnEsegui_Click},
        {"mnuVisualizzaRisultati", &FrmVask_2::mnuVisualizzaRisultati_Click},
        {"btnEllisseCentrale", &FrmVask_2::btnEllisseCentrale_Click},
        {"btnNoccioloCentrale", &FrmVask_2::btnNoccioloCentrale_Click},
        {"btnRigenera", &FrmVask_2::btnRigenera_Click},
        {"mnuVisualizzaRigenera", &FrmVask_2::mnuVisualizzaRigenera_Click},
        {"mnuVisualizzaZoomEstensioni", &FrmVask_2::mnuVisualizzaZoomEstensioni_Click},
        {"btnZoomEstensioni", &FrmVask_2::btnZoomEstensioni_Click},
        {"mnuPreferenzeSfondoBianco", &FrmVask_2::mnuPreferenzeSfondoBianco_Click},
        {"mnuPreferenzeSfondoNero", &FrmVask_2::mnuPreferenzeSfondoNero_Click},
        {"mnuPreferenzeSfondoGrigio", &FrmVask_2::mnuPreferenzeSfondoGrigio_Click},
        {"mnuPreferenzeGrigliaBianco", &FrmVask_2::mnuPreferenzeGrigliaBianco_Click},
        {"mnuPreferenzeGrigliaNero", &FrmVask_2::mnuPreferenzeGrigliaNero_Click},
        {"mnuPreferenzeGrigliaGrigio", &FrmVask_2::mnuPreferenzeGrigliaGrigio_Click},
        {"mnuPreferenzeGrigliaRosso", &FrmVask_2::mnuPreferenzeGrigliaRosso_Click},
        {"mnuPreferenzeGrigliaGiallo", &FrmVask_2::mnuPreferenzeGrigliaGiallo_Click},
        {"mnuPreferenzeSezioneBianco", &FrmVask_2::mnuPreferenzeSezioneBianco_Click},
        {"mnuPreferenzeSezioneNero", &FrmVask_2::mnuPreferenzeSezioneNero_Click},
        {"mnuPreferenzeSezioneGrigio", &FrmVask_2::mnuPreferenzeSezioneGrigio_Click},
        {"mnuPreferenzeSezioneRosso", &FrmVask_2::mnuPreferenzeSezioneRosso_Click},
        {"mnuPreferenzeSezioneGiallo", &FrmVask_2::mnuPreferenzeSezioneGiallo_Click},
        {"mnuPreferenzeLineaBianco", &FrmVask_2::mnuPreferenzeLineaBianco_Click},
        {"mnuPreferenzeLineaNero", &FrmVask_2::mnuPreferenzeLineaNero_Click},
        {"mnuPreferenzeLineaVerde", &FrmVask_2::mnuPreferenzeLineaVerde_Click},
        {"mnuPreferenzeLineaRosso", &FrmVask_2::mnuPreferenzeLineaRosso_Click},
        {"mnuPreferenzeLineaBlu", &FrmVask_2::mnuPreferenzeLineaBlu_Click},
        {"mnuPreferenzeSpessori1", &FrmVask_2::mnuPreferenzeSpessori1_Click},
        {"mnuPreferenzeSpessori2", &FrmVask_2::mnuPreferenzeSpessori2_Click},
        {"btnDisegna", &FrmVask_2::btnDisegna_Click},
        {"btnSeleziona", &FrmVask_2::btnSeleziona_Click},
        {"btnRettangolo", &FrmVask_2::btnRettangolo_Click},
        {"btnTriangolo", &FrmVask_2::btnTriangolo_Click},
        {"btnCerchio", &FrmVask_2::btnCerchio_Click},
        {"btnLinea", &FrmVask_2::btnLinea_Click},
        {"mnuModificaRettangolo", &FrmVask_2::mnuModificaRettangolo_Click},
        {"mnuModificaTriangolo", &FrmVask_2::mnuModificaTriangolo_Click},
        {"mnuModificaCerchio", &FrmVask_2::mnuModificaCerchio_Click},
        {"mnuModificaLinea", &FrmVask_2::mnuModificaLinea_Click},
        {"mnuStrumentiRettangolo", &FrmVask_2::mnuStrumentiRettangolo_Click},
        {"mnuStrumentiTriangolo", &FrmVask_2::mnuStrumentiTriangolo_Click},
        {"mnuStrumentiCerchio", &FrmVask_2::mnuStrumentiCerchio_Click},
        {"mnuStrumentiLinea", &FrmVask_2::mnuStrumentiLinea_Click},
        {"btnZoomPiu", &FrmVask_2::btnZoomPiu_Click},
        {"BtnZoomMeno", &FrmVask_2::BtnZoomMeno_Click},
        {"mnuVisualizzaZoomPiu", &FrmVask_2::mnuVisualizzaZoomPiu_Click},
        {"mnuVisualizzaZoomMeno", &FrmVask_2::mnuVisualizzaZoomMeno_Click},
        {"btnPanSu", &FrmVask_2::btnPanSu_Click},
        {"btnPanGiu", &FrmVask_2::btnPanGiu_Click},
        {"btnPanSinistra", &FrmVask_2::btnPanSinistra_Click},
        {"Command4", &FrmVask_2::Command4_Click},
        {"btnPan", &FrmVask_2::btnPan_Click},
        {"mnuVisualizzaPan", &FrmVask_2::mnuVisualizzaPan_Click},
        {"btnGriglia", &FrmVask_2::btnGriglia_Click},
        {"btnSnap", &FrmVask_2::btnSnap_Click},
        {"btnOsnap", &FrmVask_2::btnOsnap_Click},
        {"mnuStrumentiSnapGriglia", &FrmVask_2::mnuStrumentiSnapGriglia_Click},
        {"mnuStrumentiSnapOggetto", &FrmVask_2::mnuStrumentiSnapOggetto_Click},
        {"mnuStrumentiSnapToglisnap", &FrmVask_2::mnuStrumentiSnapToglisnap_Click},
        {"mnuStrumentiSnapTogliOsnap", &FrmVask_2::mnuStrumentiSnapTogliOsnap_Click},
        {"btnLineeGuida", &FrmVask_2::btnLineeGuida_Click},
        {"btnSposta", &FrmVask_2::btnSposta_Click},
        {"btnCancella", &FrmVask_2::btnCancella_Click},
        {"btnModifica", &FrmVask_2::btnModifica_Click},
        {"mnuStrumentiDistanza", &FrmVask_2::mnuStrumentiDistanza_Click},
        {"btnCarico", &FrmVask_2::btnCarico_Click},
        {"mnuStrumentiCarico", &FrmVask_2::mnuStrumentiCarico_Click},
        {"mnuEditaAnnulla", &FrmVask_2::mnuEditaAnnulla_Click},
        {"mnuEditaRipeti", &FrmVask_2::mnuEditaRipeti_Click},
    };
    auto it = GESTORI.find(nome);
    if (it == GESTORI.end()) return false;
    (this->*(it->second))();
    return true;
}

}  // namespace vask
