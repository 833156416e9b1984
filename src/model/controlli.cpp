#include "model/controlli.h"

#include <stdexcept>

namespace vask {

const char* const ETICHETTERISULTATI[15] = {
    "lblArea", "lblMassa", "lblXg",  "lblYg",  "lblIx",  "lblIy",  "lblIxg",      "lblIyg",
    "lblIxy",  "lblIxgyg", "lblIxc", "lblIyc", "lblRxc", "lblRyc", "lblAngoloxc",
};
const char* const DIDASCALIERISULTATI[15] = {
    "LabelArea", "LabelMassa", "LabelXg",  "LabelYg",  "LabelIx",  "LabelIy",  "LabelIxg",      "LabelIyg",
    "LabelIxy",  "LabelIxgyg", "LabelIxc", "LabelIyc", "LabelRxc", "LabelRyc", "LabelAngoloxc",
};
const char* const ETICHETTEX[11] = {"lblOriginex", "lbl2x",  "lbl4x",  "lbl6x",  "lbl8x", "lbl10x",
                                    "lbl12x",      "lbl14x", "lbl16x", "lbl18x", "lbl20x"};
const char* const ETICHETTEY[7] = {"lblOriginey", "lbl2y", "lbl4y", "lbl6y", "lbl8y", "lbl10y", "lbl12y"};

namespace {

struct Progetto {
    const char* nome;
    const char* didascalia;
    const char* suggerimento;
    uint32_t sfondo;
};

// The window as designed: captions, tooltips and the button faces that carry state.
const Progetto PROGETTO[] = {
    {"btnDisegna", "Diseg", "Modalità disegno", GIALLO},
    {"btnSeleziona", "Selez", "Modalità seleziona", FACCIA},
    {"btnRettangolo", "Rett.", "Rettangolo", FACCIA},
    {"btnTriangolo", "Trian.", "Triangolo", FACCIA},
    {"btnCerchio", "Cerch.", "Cerchio", FACCIA},
    {"btnLinea", "Linea", "Linea per la chiusura", FACCIA},
    {"btnSposta", "Sposta", "Sposta", FACCIA},
    {"btnCancella", "Canc.", "Cancella", FACCIA},
    {"btnModifica", "Modif.", "Modifica alcune proprietà", FACCIA},
    {"btnEsegui", "Eseg", "Calcolo della sezione", FACCIA},
    {"btnNoccioloCentrale", "Vask.", "Nocciolo centrale di inerzia", FACCIA},
    {"btnEllisseCentrale", "Ellisse", "Ellisse centrale di inerzia", FACCIA},
    {"btnCarico", "Carico", "Centro di sollecitazione e asse neutro", FACCIA},
    {"btnRigenera", "Rigen.", "Rigenera il disegno", FACCIA},
    {"btnZoomPiu", "Zoom+", "Zoom in", VERDE},
    {"BtnZoomMeno", "Zoom-", "Zoom out", VERDE},
    {"btnZoomEstensioni", "Tutto", "Zoom estensioni: tutta la sezione (F9)", VERDE},
    {"btnPan", "Pan", "Pan dinamico", FACCIA},
    {"btnPanSu", "", "Pan Statico", VERDESCURO},
    {"btnPanGiu", "", "", ROSSO},
    {"btnPanSinistra", "", "", ROSSO},
    {"Command4", "", "", VERDESCURO},
    {"btnGriglia", "Griglia", "Griglia", FACCIA},
    {"btnSnap", "Snap", "Snap a griglia", FACCIA},
    {"btnOsnap", "Osnap", "Snap ad oggetto", FACCIA},
    {"btnLineeGuida", "Guide", "Linee guida", FACCIA},
    {"txtPassoGriglia", "1", "Passo per griglia e snap", FACCIA},
    {"lblDensita", "Densità =", "Peso relativo di un elemento rispetto agli altri", FACCIA},
    {"txtDensita", "1", "", FACCIA},
    {"lblRaggio", "Raggio =", "Raggio dell' elemento cerchio", FACCIA},
    {"txtRaggio", "1", "", FACCIA},
    {"lblDensitàAttuale", "", "Densità dell' ultimo elemento selezionato", FACCIA},
    {"lblRaggioAttuale", "", "Raggio dell' ultimo cerchio selezionato", FACCIA},
    {"lblContatore", "0", "Contatore e indice di elemento", FACCIA},
    {"lblPrimoPuntoX", "x1", "Ascissa del primo punto", FACCIA},
    {"lblPrimoPuntoY", "y1", "Ordinata del primo punto", FACCIA},
    {"lblSecondoPuntoX", "x2", "Ascissa del secondo punto", FACCIA},
    {"lblSecondoPuntoY", "y2", "Ordinata del secondo punto", FACCIA},
    {"lblTerzoPuntoX", "x3", "Ascissa del terzo punto", FACCIA},
    {"lblTerzoPuntoY", "y3", "Ordinata del terzo punto", FACCIA},
    {"lblCarico", "Carico", "Centro di sollecitazione C, asse neutro n e tensioni s in coordinate centrali", FACCIA},
    {"lblCaricoC", "C =", "Centro di sollecitazione: ξC lungo Xc, ηC lungo Yc, con origine in G", FACCIA},
    {"lblCaricoXi", "", "ξC", FACCIA},
    {"lblCaricoEta", "", "ηC", FACCIA},
    {"lblCaricoAsse", "n =", "Asse neutro: le intercette ξ0 = −Ryc²/ξC su Xc e η0 = −Rxc²/ηC su Yc", FACCIA},
    {"lblAsseNeutroXi", "", "ξ0", FACCIA},
    {"lblAsseNeutroEta", "", "η0", FACCIA},
    {"lblCaricoSigma", "s =",
     "Tensione minima e massima nei punti di materiale, in multipli della tensione media N/M di compressione",
     FACCIA},
    {"lblSigmaMin", "", "smin", FACCIA},
    {"lblSigmaMax", "", "smax", FACCIA},
    {"picAreagrafica", "", "", FACCIA},
    {"lblOriginex", "0", "", FACCIA},
    {"lbl2x", "2", "", FACCIA},
    {"lbl4x", "4", "", FACCIA},
    {"lbl6x", "6", "", FACCIA},
    {"lbl8x", "8", "", FACCIA},
    {"lbl10x", "10", "", FACCIA},
    {"lbl12x", "12", "", FACCIA},
    {"lbl14x", "14", "", FACCIA},
    {"lbl16x", "16", "", FACCIA},
    {"lbl18x", "18", "", FACCIA},
    {"lbl20x", "20", "", FACCIA},
    {"lblOriginey", "0", "", FACCIA},
    {"lbl2y", "2", "", FACCIA},
    {"lbl4y", "4", "", FACCIA},
    {"lbl6y", "6", "", FACCIA},
    {"lbl8y", "8", "", FACCIA},
    {"lbl10y", "10", "", FACCIA},
    {"lbl12y", "12", "", FACCIA},
    {"lblAsseX", "X", "Asse X", FACCIA},
    {"lblAssey", "Y", "Asse Y", FACCIA},
    {"lblX", "X =", "Coordinata X", FACCIA},
    {"lblCoordinataX", "", "", FACCIA},
    {"lblY", "Y =", "Coordinata Y", FACCIA},
    {"lblCoordinataY", "", "", FACCIA},
    {"lblPunto", "Punto:", "", FACCIA},
    {"txtPunto", "", "Coordinate del punto: x;y oppure @dx;dy, poi Invio", FACCIA},
    {"LabelArea", "A =", "Area geometrica della sezione", FACCIA},
    {"LabelMassa", "M =", "Massa della sezione", FACCIA},
    {"LabelXg", "Xg =", "Ascissa del baricentro in OXY", FACCIA},
    {"LabelYg", "Yg =", "Ordinata del baricentro in OXY", FACCIA},
    {"LabelIx", "Ix =", "Momento di inerzia rispetto all'asse X", FACCIA},
    {"LabelIy", "Iy =", "Momento di inerzia rispetto all'asse Y", FACCIA},
    {"LabelIxg", "Ixg =", "Momento di inerzia rispetto all'asse Xg baricentrico parallelo ad X", FACCIA},
    {"LabelIyg", "Iyg =", "Momento di inerzia rispetto all'asse Yg baricentrico parallelo ad Y", FACCIA},
    {"LabelIxy", "Ixy =", "Prodotto di inerzia rispetto ad X ed Y", FACCIA},
    {"LabelIxgyg", "Ixgyg =", "Prodotto di inerzia rispetto ad Xg ed Yg baricentrici paralleli ad X e Y", FACCIA},
    {"LabelIxc", "Ixc =", "Massimo momento di inerzia centrale", FACCIA},
    {"LabelIyc", "Iyc =", "Minimo momento di inerzia centrale", FACCIA},
    {"LabelRxc", "Rxc =", "Giratore massimo centrale di inerzia (giace su Yc)", FACCIA},
    {"LabelRyc", "Ryc =", "Giratore minimo centrale di inerzia (giace su Xc)", FACCIA},
    {"LabelAngoloxc", "a°=", "Angolo in gradi, > 0 se antiorario, tra gli assi Xc e X", FACCIA},
    {"lblArea", "", "", FACCIA},
    {"lblMassa", "", "", FACCIA},
    {"lblXg", "", "", FACCIA},
    {"lblYg", "", "", FACCIA},
    {"lblIx", "", "", FACCIA},
    {"lblIy", "", "", FACCIA},
    {"lblIxg", "", "", FACCIA},
    {"lblIyg", "", "", FACCIA},
    {"lblIxy", "", "", FACCIA},
    {"lblIxgyg", "", "", FACCIA},
    {"lblIxc", "", "", FACCIA},
    {"lblIyc", "", "", FACCIA},
    {"lblRxc", "", "", FACCIA},
    {"lblRyc", "", "", FACCIA},
    {"lblAngoloxc", "", "", FACCIA},
    {"lblDescrizione", "", "Barra delle indicazioni", FACCIA},
};

}  // namespace

Controlli::Controlli() {
    for (const Progetto& p : PROGETTO) {
        mappa_.emplace(p.nome, Controllo{p.didascalia, p.suggerimento, p.sfondo, true, false});
        ordine_.emplace_back(p.nome);
    }
    mappa_.find("LabelAngoloxc")->second.simbolo = true;
}

Controllo& Controlli::operator[](std::string_view nome) {
    auto it = mappa_.find(nome);
    if (it == mappa_.end()) throw std::out_of_range("controllo sconosciuto: " + std::string(nome));
    return it->second;
}

const Controllo& Controlli::operator[](std::string_view nome) const {
    auto it = mappa_.find(nome);
    if (it == mappa_.end()) throw std::out_of_range("controllo sconosciuto: " + std::string(nome));
    return it->second;
}

bool Controlli::esiste(std::string_view nome) const { return mappa_.find(nome) != mappa_.end(); }

}  // namespace vask
