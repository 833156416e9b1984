// File > Stampa: one page with the drawing and the fifteen results.
#pragma once

#include <QRect>
#include <functional>
#include <memory>

#include "edit/frmvask2.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace vask {

// Paints the page into `pagina` (device units): a header with the section's
// file and the date, the drawing at the device's resolution on white paper
// (or in the screen's colours) with the view's captions along its bottom and
// left edges, and the results with their captions as in the panel, beside
// the drawing or below it, whichever leaves it larger. Returns where the
// drawing went.
QRect dipingipagina(QPainter& p, const QRect& pagina, const FrmVask_2& nucleo, bool schermo = false);

// The PDF a print to file goes to by default: the section's file with .pdf,
// in its folder; empty for a section never saved.
QString filepdf(const std::string& nomedocumento);

class Stampa {
public:
    Stampa(const FrmVask_2& nucleo, Messaggi& messaggi, QWidget* genitore);
    ~Stampa();

    // Where to print: the print dialog in the program (a printer or a PDF
    // file), a fixed device in the tests. Null cancels.
    std::function<QPagedPaintDevice*()> sceglidispositivo;
    // "Colori dello schermo" ticked in the dialog.
    bool coloridelloschermo = false;

    void mnuFileStampa_Click();
    // False, with a message, when the device cannot be painted on.
    bool stampa(QPagedPaintDevice& dispositivo);

private:
    const FrmVask_2& n_;
    Messaggi& m_;
    QWidget* genitore_;
    // Made at the first print and kept, so the dialog remembers its settings.
    std::unique_ptr<QPrinter> stampante_;
};

}  // namespace vask
