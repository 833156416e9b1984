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
    {"btnDisegna", QT_TRANSLATE_NOOP("Vask", "Diseg"), QT_TRANSLATE_NOOP("Vask", "Modalità disegno"), GIALLO},
    {"btnSeleziona", QT_TRANSLATE_NOOP("Vask", "Selez"), QT_TRANSLATE_NOOP("Vask", "Modalità seleziona"), FACCIA},
    {"btnRettangolo", QT_TRANSLATE_NOOP("Vask", "Rett."), QT_TRANSLATE_NOOP("Vask", "Rettangolo"), FACCIA},
    {"btnTriangolo", QT_TRANSLATE_NOOP("Vask", "Trian."), QT_TRANSLATE_NOOP("Vask", "Triangolo"), FACCIA},
    {"btnCerchio", QT_TRANSLATE_NOOP("Vask", "Cerch."), QT_TRANSLATE_NOOP("Vask", "Cerchio"), FACCIA},
    {"btnLinea", QT_TRANSLATE_NOOP("Vask", "Linea"), QT_TRANSLATE_NOOP("Vask", "Linea per la chiusura"), FACCIA},
    {"btnSposta", QT_TRANSLATE_NOOP("Vask", "Sposta"), QT_TRANSLATE_NOOP("Vask", "Sposta"), FACCIA},
    {"btnCancella", QT_TRANSLATE_NOOP("Vask", "Canc."), QT_TRANSLATE_NOOP("Vask", "Cancella"), FACCIA},
    {"btnModifica", QT_TRANSLATE_NOOP("Vask", "Modif."), QT_TRANSLATE_NOOP("Vask", "Modifica alcune proprietà"), FACCIA},
    {"btnEsegui", QT_TRANSLATE_NOOP("Vask", "Eseg"), QT_TRANSLATE_NOOP("Vask", "Calcolo della sezione"), FACCIA},
    {"btnNoccioloCentrale", QT_TRANSLATE_NOOP("Vask", "Vask."), QT_TRANSLATE_NOOP("Vask", "Nocciolo centrale di inerzia"), FACCIA},
    {"btnEllisseCentrale", QT_TRANSLATE_NOOP("Vask", "Ellisse"), QT_TRANSLATE_NOOP("Vask", "Ellisse centrale di inerzia"), FACCIA},
    {"btnCarico", QT_TRANSLATE_NOOP("Vask", "Carico"), QT_TRANSLATE_NOOP("Vask", "Centro di sollecitazione e asse neutro"), FACCIA},
    {"btnRigenera", QT_TRANSLATE_NOOP("Vask", "Rigen."), QT_TRANSLATE_NOOP("Vask", "Rigenera il disegno"), FACCIA},
    {"btnZoomPiu", QT_TRANSLATE_NOOP("Vask", "Zoom+"), QT_TRANSLATE_NOOP("Vask", "Zoom in"), VERDE},
    {"BtnZoomMeno", QT_TRANSLATE_NOOP("Vask", "Zoom-"), QT_TRANSLATE_NOOP("Vask", "Zoom out"), VERDE},
    {"btnZoomEstensioni", QT_TRANSLATE_NOOP("Vask", "Tutto"), QT_TRANSLATE_NOOP("Vask", "Zoom estensioni: tutta la sezione (F9)"), VERDE},
    {"btnPan", QT_TRANSLATE_NOOP("Vask", "Pan"), QT_TRANSLATE_NOOP("Vask", "Pan dinamico"), FACCIA},
    {"btnPanSu", "", QT_TRANSLATE_NOOP("Vask", "Pan Statico"), VERDESCURO},
    {"btnPanGiu", "", "", ROSSO},
    {"btnPanSinistra", "", "", ROSSO},
    {"Command4", "", "", VERDESCURO},
    {"btnGriglia", QT_TRANSLATE_NOOP("Vask", "Griglia"), QT_TRANSLATE_NOOP("Vask", "Griglia"), FACCIA},
    {"btnSnap", QT_TRANSLATE_NOOP("Vask", "Snap"), QT_TRANSLATE_NOOP("Vask", "Snap a griglia"), FACCIA},
    {"btnOsnap", QT_TRANSLATE_NOOP("Vask", "Osnap"), QT_TRANSLATE_NOOP("Vask", "Snap ad oggetto"), FACCIA},
    {"btnLineeGuida", QT_TRANSLATE_NOOP("Vask", "Guide"), QT_TRANSLATE_NOOP("Vask", "Linee guida"), FACCIA},
    {"txtPassoGriglia", "1", QT_TRANSLATE_NOOP("Vask", "Passo per griglia e snap"), FACCIA},
    {"lblDensita", QT_TRANSLATE_NOOP("Vask", "Densità ="), QT_TRANSLATE_NOOP("Vask", "Peso relativo di un elemento rispetto agli altri"), FACCIA},
    {"txtDensita", "1", "", FACCIA},
    {"lblRaggio", QT_TRANSLATE_NOOP("Vask", "Raggio ="), QT_TRANSLATE_NOOP("Vask", "Raggio dell' elemento cerchio"), FACCIA},
    {"txtRaggio", "1", "", FACCIA},
    {"lblDensitàAttuale", "", QT_TRANSLATE_NOOP("Vask", "Densità dell' ultimo elemento selezionato"), FACCIA},
    {"lblRaggioAttuale", "", QT_TRANSLATE_NOOP("Vask", "Raggio dell' ultimo cerchio selezionato"), FACCIA},
    {"lblContatore", "0", QT_TRANSLATE_NOOP("Vask", "Contatore e indice di elemento"), FACCIA},
    {"lblPrimoPuntoX", QT_TRANSLATE_NOOP("Vask", "x1"), QT_TRANSLATE_NOOP("Vask", "Ascissa del primo punto"), FACCIA},
    {"lblPrimoPuntoY", QT_TRANSLATE_NOOP("Vask", "y1"), QT_TRANSLATE_NOOP("Vask", "Ordinata del primo punto"), FACCIA},
    {"lblSecondoPuntoX", QT_TRANSLATE_NOOP("Vask", "x2"), QT_TRANSLATE_NOOP("Vask", "Ascissa del secondo punto"), FACCIA},
    {"lblSecondoPuntoY", QT_TRANSLATE_NOOP("Vask", "y2"), QT_TRANSLATE_NOOP("Vask", "Ordinata del secondo punto"), FACCIA},
    {"lblTerzoPuntoX", QT_TRANSLATE_NOOP("Vask", "x3"), QT_TRANSLATE_NOOP("Vask", "Ascissa del terzo punto"), FACCIA},
    {"lblTerzoPuntoY", QT_TRANSLATE_NOOP("Vask", "y3"), QT_TRANSLATE_NOOP("Vask", "Ordinata del terzo punto"), FACCIA},
    {"lblCarico", QT_TRANSLATE_NOOP("Vask", "Carico"), QT_TRANSLATE_NOOP("Vask", "Centro di sollecitazione C, asse neutro n e tensioni s in coordinate centrali"), FACCIA},
    {"lblCaricoC", QT_TRANSLATE_NOOP("Vask", "C ="), QT_TRANSLATE_NOOP("Vask", "Centro di sollecitazione: ξC lungo Xc, ηC lungo Yc, con origine in G"), FACCIA},
    {"lblCaricoXi", "", QT_TRANSLATE_NOOP("Vask", "ξC"), FACCIA},
    {"lblCaricoEta", "", QT_TRANSLATE_NOOP("Vask", "ηC"), FACCIA},
    {"lblCaricoAsse", QT_TRANSLATE_NOOP("Vask", "n ="), QT_TRANSLATE_NOOP("Vask", "Asse neutro: le intercette ξ0 = −Ryc²/ξC su Xc e η0 = −Rxc²/ηC su Yc"), FACCIA},
    {"lblAsseNeutroXi", "", QT_TRANSLATE_NOOP("Vask", "ξ0"), FACCIA},
    {"lblAsseNeutroEta", "", QT_TRANSLATE_NOOP("Vask", "η0"), FACCIA},
    {"lblCaricoSigma", QT_TRANSLATE_NOOP("Vask", "s ="), QT_TRANSLATE_NOOP("Vask", "Tensione minima e massima nei punti di materiale, in multipli della tensione media N/M di compressione"),
     FACCIA},
    {"lblSigmaMin", "", QT_TRANSLATE_NOOP("Vask", "smin"), FACCIA},
    {"lblSigmaMax", "", QT_TRANSLATE_NOOP("Vask", "smax"), FACCIA},
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
    {"lblAsseX", "X", QT_TRANSLATE_NOOP("Vask", "Asse X"), FACCIA},
    {"lblAssey", "Y", QT_TRANSLATE_NOOP("Vask", "Asse Y"), FACCIA},
    {"lblX", QT_TRANSLATE_NOOP("Vask", "X ="), QT_TRANSLATE_NOOP("Vask", "Coordinata X"), FACCIA},
    {"lblCoordinataX", "", "", FACCIA},
    {"lblY", QT_TRANSLATE_NOOP("Vask", "Y ="), QT_TRANSLATE_NOOP("Vask", "Coordinata Y"), FACCIA},
    {"lblCoordinataY", "", "", FACCIA},
    {"lblPunto", QT_TRANSLATE_NOOP("Vask", "Punto:"), "", FACCIA},
    {"txtPunto", "", QT_TRANSLATE_NOOP("Vask", "Coordinate del punto: x;y oppure @dx;dy, poi Invio"), FACCIA},
    {"LabelArea", QT_TRANSLATE_NOOP("Vask", "A ="), QT_TRANSLATE_NOOP("Vask", "Area geometrica della sezione"), FACCIA},
    {"LabelMassa", QT_TRANSLATE_NOOP("Vask", "M ="), QT_TRANSLATE_NOOP("Vask", "Massa della sezione"), FACCIA},
    {"LabelXg", QT_TRANSLATE_NOOP("Vask", "Xg ="), QT_TRANSLATE_NOOP("Vask", "Ascissa del baricentro in OXY"), FACCIA},
    {"LabelYg", QT_TRANSLATE_NOOP("Vask", "Yg ="), QT_TRANSLATE_NOOP("Vask", "Ordinata del baricentro in OXY"), FACCIA},
    {"LabelIx", QT_TRANSLATE_NOOP("Vask", "Ix ="), QT_TRANSLATE_NOOP("Vask", "Momento di inerzia rispetto all'asse X"), FACCIA},
    {"LabelIy", QT_TRANSLATE_NOOP("Vask", "Iy ="), QT_TRANSLATE_NOOP("Vask", "Momento di inerzia rispetto all'asse Y"), FACCIA},
    {"LabelIxg", QT_TRANSLATE_NOOP("Vask", "Ixg ="), QT_TRANSLATE_NOOP("Vask", "Momento di inerzia rispetto all'asse Xg baricentrico parallelo ad X"), FACCIA},
    {"LabelIyg", QT_TRANSLATE_NOOP("Vask", "Iyg ="), QT_TRANSLATE_NOOP("Vask", "Momento di inerzia rispetto all'asse Yg baricentrico parallelo ad Y"), FACCIA},
    {"LabelIxy", QT_TRANSLATE_NOOP("Vask", "Ixy ="), QT_TRANSLATE_NOOP("Vask", "Prodotto di inerzia rispetto ad X ed Y"), FACCIA},
    {"LabelIxgyg", QT_TRANSLATE_NOOP("Vask", "Ixgyg ="), QT_TRANSLATE_NOOP("Vask", "Prodotto di inerzia rispetto ad Xg ed Yg baricentrici paralleli ad X e Y"), FACCIA},
    {"LabelIxc", QT_TRANSLATE_NOOP("Vask", "Ixc ="), QT_TRANSLATE_NOOP("Vask", "Massimo momento di inerzia centrale"), FACCIA},
    {"LabelIyc", QT_TRANSLATE_NOOP("Vask", "Iyc ="), QT_TRANSLATE_NOOP("Vask", "Minimo momento di inerzia centrale"), FACCIA},
    {"LabelRxc", QT_TRANSLATE_NOOP("Vask", "Rxc ="), QT_TRANSLATE_NOOP("Vask", "Giratore massimo centrale di inerzia (giace su Yc)"), FACCIA},
    {"LabelRyc", QT_TRANSLATE_NOOP("Vask", "Ryc ="), QT_TRANSLATE_NOOP("Vask", "Giratore minimo centrale di inerzia (giace su Xc)"), FACCIA},
    {"LabelAngoloxc", QT_TRANSLATE_NOOP("Vask", "a°="), QT_TRANSLATE_NOOP("Vask", "Angolo in gradi, > 0 se antiorario, tra gli assi Xc e X"), FACCIA},
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
    {"lblDescrizione", "", QT_TRANSLATE_NOOP("Vask", "Barra delle indicazioni"), FACCIA},
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
