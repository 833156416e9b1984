// Mohr's circle painted from the core's picture: the window `frmMohr` and the
// painting that the report reuses (vector in a PDF).
#pragma once

#include <QWidget>

#include "view/mohr.h"

class QPainter;
class QLabel;

namespace vask {

class FrmVask_2;

// The picture in `zona`, one scale for both axes so that the circle is round.
void dipingimohr(QPainter& p, const QRectF& zona, const DisegnoMohr& d);

// The sign convention, as the window and the guide state it.
extern const char* const CONVENZIONEMOHR;

class FinestraMohr : public QWidget {
    Q_OBJECT
public:
    FinestraMohr(const FrmVask_2& nucleo, QWidget* genitore);
    // The circle of the last computation, or a note that there is none.
    void aggiorna();

protected:
    void paintEvent(QPaintEvent*) override;
    // Another language: caption and convention in it at once.
    void changeEvent(QEvent* evento) override;

private:
    void ritraduci();

    const FrmVask_2& nucleo_;
    DisegnoMohr disegno_;
    bool valido_ = false;
    QLabel* nota_;
};

}  // namespace vask
