#include "model/controlli.h"
#include "model/testi.h"

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
    {"btnDisegna", QT_TRANSLATE_NOOP("Controlli", "Diseg"), QT_TRANSLATE_NOOP("Controlli", "Modalità disegno"), GIALLO},
    {"btnSeleziona", QT_TRANSLATE_NOOP("Controlli", "Selez"), QT_TRANSLATE_NOOP("Controlli", "Modalità seleziona"), FACCIA},
    {"btnRettangolo", QT_TRANSLATE_NOOP("Controlli", "Rett."), QT_TRANSLATE_NOOP("Controlli", "Rettangolo"), FACCIA},
    {"btnTriangolo", QT_TRANSLATE_NOOP("Controlli", "Trian."), QT_TRANSLATE_NOOP("Controlli", "Triangolo"), FACCIA},
    {"btnCerchio", QT_TRANSLATE_NOOP("Controlli", "Cerch."), QT_TRANSLATE_NOOP("Controlli", "Cerchio"), FACCIA},
    {"btnLinea", QT_TRANSLATE_NOOP("Controlli", "Linea"), QT_TRANSLATE_NOOP("Controlli", "Linea per la chiusura"), FACCIA},
    {"btnSposta", QT_TRANSLATE_NOOP("Controlli", "Sposta"), QT_TRANSLATE_NOOP("Controlli", "Sposta"), FACCIA},
    {"btnCancella", QT_TRANSLATE_NOOP("Controlli", "Canc."), QT_TRANSLATE_NOOP("Controlli", "Cancella"), FACCIA},
    {"btnModifica", QT_TRANSLATE_NOOP("Controlli", "Modif."), QT_TRANSLATE_NOOP("Controlli", "Modifica alcune proprietà"), FACCIA},
    {"btnEsegui", QT_TRANSLATE_NOOP("Controlli", "Eseg"), QT_TRANSLATE_NOOP("Controlli", "Calcolo della sezione"), FACCIA},
    {"btnNoccioloCentrale", QT_TRANSLATE_NOOP("Controlli", "Vask."), QT_TRANSLATE_NOOP("Controlli", "Nocciolo centrale di inerzia"), FACCIA},
    {"btnEllisseCentrale", QT_TRANSLATE_NOOP("Controlli", "Ellisse"), QT_TRANSLATE_NOOP("Controlli", "Ellisse centrale di inerzia"), FACCIA},
    {"btnCarico", QT_TRANSLATE_NOOP("Controlli", "Carico"), QT_TRANSLATE_NOOP("Controlli", "Centro di sollecitazione e asse neutro"), FACCIA},
    {"btnRigenera", QT_TRANSLATE_NOOP("Controlli", "Rigen."), QT_TRANSLATE_NOOP("Controlli", "Rigenera il disegno"), FACCIA},
    {"btnZoomPiu", QT_TRANSLATE_NOOP("Controlli", "Zoom+"), QT_TRANSLATE_NOOP("Controlli", "Zoom in"), VERDE},
    {"BtnZoomMeno", QT_TRANSLATE_NOOP("Controlli", "Zoom-"), QT_TRANSLATE_NOOP("Controlli", "Zoom out"), VERDE},
    {"btnZoomEstensioni", QT_TRANSLATE_NOOP("Controlli", "Tutto"), QT_TRANSLATE_NOOP("Controlli", "Zoom estensioni: tutta la sezione (F9)"), VERDE},
    {"btnPan", QT_TRANSLATE_NOOP("Controlli", "Pan"), QT_TRANSLATE_NOOP("Controlli", "Pan dinamico"), FACCIA},
    {"btnPanSu", "", QT_TRANSLATE_NOOP("Controlli", "Pan Statico"), VERDESCURO},
    {"btnPanGiu", "", "", ROSSO},
    {"btnPanSinistra", "", "", ROSSO},
    {"Command4", "", "", VERDESCURO},
    {"btnGriglia", QT_TRANSLATE_NOOP("Controlli", "Griglia"), QT_TRANSLATE_NOOP("Controlli", "Griglia"), FACCIA},
    {"btnSnap", QT_TRANSLATE_NOOP("Controlli", "Snap"), QT_TRANSLATE_NOOP("Controlli", "Snap a griglia"), FACCIA},
    {"btnOsnap", QT_TRANSLATE_NOOP("Controlli", "Osnap"), QT_TRANSLATE_NOOP("Controlli", "Snap ad oggetto"), FACCIA},
    {"btnLineeGuida", QT_TRANSLATE_NOOP("Controlli", "Guide"), QT_TRANSLATE_NOOP("Controlli", "Linee guida"), FACCIA},
    {"txtPassoGriglia", "1", QT_TRANSLATE_NOOP("Controlli", "Passo per griglia e snap"), FACCIA},
    {"lblDensita", QT_TRANSLATE_NOOP("Controlli", "Densità ="), QT_TRANSLATE_NOOP("Controlli", "Peso relativo di un elemento rispetto agli altri"), FACCIA},
    {"txtDensita", "1", "", FACCIA},
    {"lblRaggio", QT_TRANSLATE_NOOP("Controlli", "Raggio ="), QT_TRANSLATE_NOOP("Controlli", "Raggio dell' elemento cerchio"), FACCIA},
    {"txtRaggio", "1", "", FACCIA},
    {"lblDensitàAttuale", "", QT_TRANSLATE_NOOP("Controlli", "Densità dell' ultimo elemento selezionato"), FACCIA},
    {"lblRaggioAttuale", "", QT_TRANSLATE_NOOP("Controlli", "Raggio dell' ultimo cerchio selezionato"), FACCIA},
    {"lblContatore", "0", QT_TRANSLATE_NOOP("Controlli", "Contatore e indice di elemento"), FACCIA},
    {"lblPrimoPuntoX", QT_TRANSLATE_NOOP("Controlli", "x1"), QT_TRANSLATE_NOOP("Controlli", "Ascissa del primo punto"), FACCIA},
    {"lblPrimoPuntoY", QT_TRANSLATE_NOOP("Controlli", "y1"), QT_TRANSLATE_NOOP("Controlli", "Ordinata del primo punto"), FACCIA},
    {"lblSecondoPuntoX", QT_TRANSLATE_NOOP("Controlli", "x2"), QT_TRANSLATE_NOOP("Controlli", "Ascissa del secondo punto"), FACCIA},
    {"lblSecondoPuntoY", QT_TRANSLATE_NOOP("Controlli", "y2"), QT_TRANSLATE_NOOP("Controlli", "Ordinata del secondo punto"), FACCIA},
    {"lblTerzoPuntoX", QT_TRANSLATE_NOOP("Controlli", "x3"), QT_TRANSLATE_NOOP("Controlli", "Ascissa del terzo punto"), FACCIA},
    {"lblTerzoPuntoY", QT_TRANSLATE_NOOP("Controlli", "y3"), QT_TRANSLATE_NOOP("Controlli", "Ordinata del terzo punto"), FACCIA},
    {"lblCarico", QT_TRANSLATE_NOOP("Controlli", "Carico"), QT_TRANSLATE_NOOP("Controlli", "Centro di sollecitazione C, asse neutro n e tensioni s in coordinate centrali"), FACCIA},
    {"lblCaricoC", QT_TRANSLATE_NOOP("Controlli", "C ="), QT_TRANSLATE_NOOP("Controlli", "Centro di sollecitazione: ξC lungo Xc, ηC lungo Yc, con origine in G"), FACCIA},
    {"lblCaricoXi", "", QT_TRANSLATE_NOOP("Controlli", "ξC"), FACCIA},
    {"lblCaricoEta", "", QT_TRANSLATE_NOOP("Controlli", "ηC"), FACCIA},
    {"lblCaricoAsse", QT_TRANSLATE_NOOP("Controlli", "n ="), QT_TRANSLATE_NOOP("Controlli", "Asse neutro: le intercette ξ0 = −Ryc²/ξC su Xc e η0 = −Rxc²/ηC su Yc"), FACCIA},
    {"lblAsseNeutroXi", "", QT_TRANSLATE_NOOP("Controlli", "ξ0"), FACCIA},
    {"lblAsseNeutroEta", "", QT_TRANSLATE_NOOP("Controlli", "η0"), FACCIA},
    {"lblCaricoSigma", QT_TRANSLATE_NOOP("Controlli", "s ="), QT_TRANSLATE_NOOP("Controlli", "Tensione minima e massima nei punti di materiale, in multipli della tensione media N/M di compressione"),
     FACCIA},
    {"lblSigmaMin", "", QT_TRANSLATE_NOOP("Controlli", "smin"), FACCIA},
    {"lblSigmaMax", "", QT_TRANSLATE_NOOP("Controlli", "smax"), FACCIA},
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
    {"lblAsseX", "X", QT_TRANSLATE_NOOP("Controlli", "Asse X"), FACCIA},
    {"lblAssey", "Y", QT_TRANSLATE_NOOP("Controlli", "Asse Y"), FACCIA},
    {"lblX", QT_TRANSLATE_NOOP("Controlli", "X ="), QT_TRANSLATE_NOOP("Controlli", "Coordinata X"), FACCIA},
    {"lblCoordinataX", "", "", FACCIA},
    {"lblY", QT_TRANSLATE_NOOP("Controlli", "Y ="), QT_TRANSLATE_NOOP("Controlli", "Coordinata Y"), FACCIA},
    {"lblCoordinataY", "", "", FACCIA},
    {"lblPunto", QT_TRANSLATE_NOOP("Controlli", "Punto:"), "", FACCIA},
    {"txtPunto", "", QT_TRANSLATE_NOOP("Controlli", "Coordinate del punto: x;y oppure @dx;dy, poi Invio"), FACCIA},
    {"LabelArea", QT_TRANSLATE_NOOP("Controlli", "A ="), QT_TRANSLATE_NOOP("Controlli", "Area geometrica della sezione"), FACCIA},
    {"LabelMassa", QT_TRANSLATE_NOOP("Controlli", "M ="), QT_TRANSLATE_NOOP("Controlli", "Massa della sezione"), FACCIA},
    {"LabelXg", QT_TRANSLATE_NOOP("Controlli", "Xg ="), QT_TRANSLATE_NOOP("Controlli", "Ascissa del baricentro in OXY"), FACCIA},
    {"LabelYg", QT_TRANSLATE_NOOP("Controlli", "Yg ="), QT_TRANSLATE_NOOP("Controlli", "Ordinata del baricentro in OXY"), FACCIA},
    {"LabelIx", QT_TRANSLATE_NOOP("Controlli", "Ix ="), QT_TRANSLATE_NOOP("Controlli", "Momento di inerzia rispetto all'asse X"), FACCIA},
    {"LabelIy", QT_TRANSLATE_NOOP("Controlli", "Iy ="), QT_TRANSLATE_NOOP("Controlli", "Momento di inerzia rispetto all'asse Y"), FACCIA},
    {"LabelIxg", QT_TRANSLATE_NOOP("Controlli", "Ixg ="), QT_TRANSLATE_NOOP("Controlli", "Momento di inerzia rispetto all'asse Xg baricentrico parallelo ad X"), FACCIA},
    {"LabelIyg", QT_TRANSLATE_NOOP("Controlli", "Iyg ="), QT_TRANSLATE_NOOP("Controlli", "Momento di inerzia rispetto all'asse Yg baricentrico parallelo ad Y"), FACCIA},
    {"LabelIxy", QT_TRANSLATE_NOOP("Controlli", "Ixy ="), QT_TRANSLATE_NOOP("Controlli", "Prodotto di inerzia rispetto ad X ed Y"), FACCIA},
    {"LabelIxgyg", QT_TRANSLATE_NOOP("Controlli", "Ixgyg ="), QT_TRANSLATE_NOOP("Controlli", "Prodotto di inerzia rispetto ad Xg ed Yg baricentrici paralleli ad X e Y"), FACCIA},
    {"LabelIxc", QT_TRANSLATE_NOOP("Controlli", "Ixc ="), QT_TRANSLATE_NOOP("Controlli", "Massimo momento di inerzia centrale"), FACCIA},
    {"LabelIyc", QT_TRANSLATE_NOOP("Controlli", "Iyc ="), QT_TRANSLATE_NOOP("Controlli", "Minimo momento di inerzia centrale"), FACCIA},
    {"LabelRxc", QT_TRANSLATE_NOOP("Controlli", "Rxc ="), QT_TRANSLATE_NOOP("Controlli", "Giratore massimo centrale di inerzia (giace su Yc)"), FACCIA},
    {"LabelRyc", QT_TRANSLATE_NOOP("Controlli", "Ryc ="), QT_TRANSLATE_NOOP("Controlli", "Giratore minimo centrale di inerzia (giace su Xc)"), FACCIA},
    {"LabelAngoloxc", QT_TRANSLATE_NOOP("Controlli", "a°="), QT_TRANSLATE_NOOP("Controlli", "Angolo in gradi, > 0 se antiorario, tra gli assi Xc e X"), FACCIA},
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
    {"lblDescrizione", "", QT_TRANSLATE_NOOP("Controlli", "Barra delle indicazioni"), FACCIA},
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
