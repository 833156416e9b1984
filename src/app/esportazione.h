// File > Esporta immagine: the drawing as a PNG picture or an SVG drawing.
#pragma once

#include <QImage>
#include <QString>
#include <functional>

#include "edit/frmvask2.h"

class QWidget;

namespace vask {

// The widths, in pixels, an export may have.
constexpr int ESPORTAZIONEMINIMA = 200, ESPORTAZIONEMASSIMA = 8000;

// The height of an export `larghezza` pixels wide: the drawing area's 20:12.
int altezzaesportazione(int larghezza);
// The drawing at that width, pens thickened as the picture grows so that a
// large export does not turn into hairlines.
QImage immagineesportazione(const Superficie& s, int larghezza);
// The drawing as printed and exported: on white paper, or with the screen's
// colours.
Superficie disegnosucarta(const FrmVask_2& nucleo, bool schermo);

class Esportazione {
public:
    // `area` proposes its own width.
    Esportazione(const FrmVask_2& nucleo, Messaggi& messaggi, QWidget* genitore, const QWidget* area);

    // Where to write and how wide: dialogs in the program, fixed answers in
    // the tests. An empty path or a width of 0 cancels.
    std::function<QString()> sceglifile;
    std::function<int(int proposta)> sceglilarghezza;
    // "Colori dello schermo" ticked in the dialog: the screen's colours instead of paper's.
    bool coloridelloschermo = false;

    void mnuFileEsporta_Click();
    // The extension decides: .svg an SVG drawing, none a PNG (".png" added),
    // any other a picture in that format. False, with a message, on failure.
    bool esporta(QString percorso, int larghezza);

private:
    const FrmVask_2& n_;
    Messaggi& m_;
    QWidget* genitore_;
    const QWidget* area_;
};

}  // namespace vask
