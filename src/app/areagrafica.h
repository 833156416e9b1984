// The drawing area `picAreagrafica` and the frame that holds it with its axis
// captions.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "app/pittore.h"
#include "model/controlli.h"
#include "view/superficie.h"

namespace vask {

// Paints the core's surface and reports mouse events in surface units.
class AreaGrafica : public QWidget {
    Q_OBJECT
public:
    explicit AreaGrafica(const Superficie& superficie, QWidget* genitore = nullptr);

    // Surface point under a widget position.
    QPointF puntosuperficie(QPointF posizione) const;
    // The Qt cursor for the core's pointer shape; set only when it changes.
    void puntatore(Puntatore forma);
    // The no-drop pointer for a moment, then the core's shape again; the
    // program goes on meanwhile.
    void divieto(int millisecondi);
    // The surface changed: paint what differs and show it.
    void aggiorna();
    const Tela& tela() const { return tela_; }

signals:
    void mossa(float x, float y);
    void premuta(float x, float y);
    void rilasciata(float x, float y);
    // One notch of the wheel at a surface point: towards the user zooms out.
    void rotella(float x, float y, bool piu);
    void ridimensionata();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent*) override;

private:
    const Superficie& s_;
    Puntatore puntatore_ = Puntatore::Croce;
    QTimer divieto_;
    Tela tela_;
    int rotazione_ = 0;  // eighths of a degree not yet a whole notch
    void applicapuntatore();
    QRegion ridipingi();  // brings the picture up to date; device pixels painted
};

// Keeps the drawing area at 20:12, the largest such rectangle that fits, so a
// world unit is as long in x as in y; the x captions stand under it from its
// left to its right edge, the y captions to its left from bottom to top. The
// area and its captions sit in the middle of the room left over. Every margin
// comes from the captions' own size hints, so a larger font gets larger margins.
class QuadroDisegno : public QWidget {
public:
    QuadroDisegno(AreaGrafica* area, std::vector<QLabel*> etichettex,
                  std::vector<QLabel*> etichettey, QLabel* assex, QLabel* assey,
                  QWidget* genitore = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* evento) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent* evento) override;
    void paintEvent(QPaintEvent*) override;

private:
    struct Margini {
        int altezza;     // of a caption
        int larghezzax;  // of an x caption as it reads now
        int largax;      // of the widest x caption the view can show
        int scarto;      // from the area's bottom edge to the x captions
        int sinistra, sopra, destra, sotto;
    };
    Margini margini() const;
    QSize areaminima(const Margini& m) const;
    void disponi();

    AreaGrafica* area_;
    std::vector<QLabel*> x_, y_;
    QLabel* assex_;
    QLabel* assey_;
};

}  // namespace vask
