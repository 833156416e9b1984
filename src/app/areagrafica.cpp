#include "app/areagrafica.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "app/pittore.h"

namespace vask {

AreaGrafica::AreaGrafica(const Superficie& superficie, QWidget* genitore)
    : QWidget(genitore), s_(superficie) {
    setObjectName(QStringLiteral("picAreagrafica"));
    setMouseTracking(true);
    // The painter covers every pixel: no background erase before painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    divieto_.setSingleShot(true);
    connect(&divieto_, &QTimer::timeout, this, &AreaGrafica::applicapuntatore);
}

QPointF AreaGrafica::puntosuperficie(QPointF posizione) const {
    return vask::puntosuperficie(s_, size(), posizione);
}

void AreaGrafica::puntatore(Puntatore forma) {
    if (forma == puntatore_) return;
    puntatore_ = forma;
    if (!divieto_.isActive()) applicapuntatore();
}

void AreaGrafica::divieto(int millisecondi) {
    setCursor(Qt::ForbiddenCursor);
    divieto_.start(millisecondi);
}

void AreaGrafica::applicapuntatore() {
    switch (puntatore_) {
    case Puntatore::Croce: setCursor(Qt::CrossCursor); break;
    case Puntatore::Freccia: setCursor(Qt::ArrowCursor); break;
    case Puntatore::FrecciaSu: setCursor(Qt::UpArrowCursor); break;
    case Puntatore::Sposta: setCursor(Qt::SizeAllCursor); break;
    case Puntatore::Divieto: setCursor(Qt::ForbiddenCursor); break;
    }
}

QRegion AreaGrafica::ridipingi() {
    const qreal rapporto = devicePixelRatioF();
    const QSize pixel(int(std::lround(width() * rapporto)), int(std::lround(height() * rapporto)));
    return tela_.aggiorna(s_, pixel, rapporto);
}

void AreaGrafica::aggiorna() {
    const QRegion zona = ridipingi();
    const qreal rapporto = devicePixelRatioF();
    for (const QRect& r : zona)
        update(QRectF(r.x() / rapporto, r.y() / rapporto, r.width() / rapporto,
                      r.height() / rapporto)
                   .toAlignedRect());
}

void AreaGrafica::paintEvent(QPaintEvent*) {
    ridipingi();  // a new size or ratio repaints all of it
    QPainter p(this);
    p.drawImage(QPointF(0, 0), tela_.immagine());
}

void AreaGrafica::mouseMoveEvent(QMouseEvent* e) {
    const QPointF q = puntosuperficie(e->position());
    emit mossa(float(q.x()), float(q.y()));
}

void AreaGrafica::mousePressEvent(QMouseEvent* e) {
    // A press lands on the area, its edges included; one reported beyond them
    // (a synthesised event) would place a point outside the window.
    const QPointF p(std::clamp(e->position().x(), 0.0, std::max(0.0, width() - 1.0)),
                    std::clamp(e->position().y(), 0.0, std::max(0.0, height() - 1.0)));
    const QPointF q = puntosuperficie(p);
    emit premuta(float(q.x()), float(q.y()));
}

void AreaGrafica::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF q = puntosuperficie(e->position());
    emit rilasciata(float(q.x()), float(q.y()));
}

void AreaGrafica::wheelEvent(QWheelEvent* e) {
    // A notch is 120; fine-grained wheels and touch pads send parts of one.
    rotazione_ += e->angleDelta().y();
    const QPointF q = puntosuperficie(e->position());
    for (int i = 0; i < 8 && std::abs(rotazione_) >= 120; ++i) {
        const bool piu = rotazione_ > 0;
        rotazione_ += piu ? -120 : 120;
        emit rotella(float(q.x()), float(q.y()), piu);
    }
    rotazione_ = std::clamp(rotazione_, -119, 119);
    e->accept();
}

void AreaGrafica::resizeEvent(QResizeEvent*) { emit ridimensionata(); }

// ---------------------------------------------------------------------------

namespace {
constexpr int TACCA = 6;  // between the area and the y captions, for the tick marks
}  // namespace

QuadroDisegno::QuadroDisegno(AreaGrafica* area, std::vector<QLabel*> etichettex,
                             std::vector<QLabel*> etichettey, QLabel* assex, QLabel* assey,
                             QWidget* genitore)
    : QWidget(genitore), area_(area), x_(std::move(etichettex)), y_(std::move(etichettey)),
      assex_(assex), assey_(assey) {
    area_->setParent(this);
    for (QLabel* l : x_) {
        l->setParent(this);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    for (QLabel* l : y_) {
        l->setParent(this);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    assex_->setParent(this);
    assex_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    assey_->setParent(this);
    assey_->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

// The widest caption the view can show: seven digits and a separator
// ("4048.875" at the finest zoom far out), whatever the captions read now.
// Margins sized for it stay put while zoom and pan change the captions.
static int larghezzamassima(const QLabel* l) {
    const QFontMetrics fm = l->fontMetrics();
    const int bordo = l->sizeHint().width() - fm.horizontalAdvance(l->text());
    return bordo + std::max(fm.horizontalAdvance(QStringLiteral("0000.000")),
                            fm.horizontalAdvance(QStringLiteral("0000,000")));
}

QuadroDisegno::Margini QuadroDisegno::margini() const {
    Margini m{};
    m.altezza = std::max(assex_->sizeHint().height(), assey_->sizeHint().height());
    int larghezzay = assey_->sizeHint().width();
    for (QLabel* l : y_) {
        larghezzay = std::max({larghezzay, l->sizeHint().width(), larghezzamassima(l)});
        m.altezza = std::max(m.altezza, l->sizeHint().height());
    }
    int testox = 0, massimox = 0;
    for (QLabel* l : x_) {
        testox = std::max(testox, l->sizeHint().width());
        massimox = std::max({massimox, testox, larghezzamassima(l)});
        m.altezza = std::max(m.altezza, l->sizeHint().height());
    }
    // Some air between neighbours. The minimum follows what the captions
    // read now (a smaller window at the origin); the margins hold the widest.
    m.larghezzax = testox + m.altezza / 2;
    m.largax = massimox + m.altezza / 2;
    // The lowest y caption hangs half its height below the edge: the x row
    // starts under it, so the two never cover each other at the origin.
    m.scarto = std::max(TACCA - 1, m.altezza - m.altezza / 2);
    m.sinistra = std::max(larghezzay + TACCA, m.largax / 2 + 1);
    m.sopra = m.altezza / 2 + 2 + m.altezza;  // half the top y caption, then the "Y"
    m.destra = m.largax / 2 + 2 + assex_->sizeHint().width() + 1;
    m.sotto = m.scarto + m.altezza;
    return m;
}

QSize QuadroDisegno::areaminima(const Margini& m) const {
    // Each x caption whole, and at least a caption height per world unit, so
    // the y captions, two units apart, keep a caption's height between them.
    const int w = std::max(int(x_.size() - 1) * m.larghezzax, 20 * m.altezza);
    return QSize(w, int(std::lround(w * 3.0 / 5.0)));
}

QSize QuadroDisegno::minimumSizeHint() const {
    const Margini m = margini();
    return areaminima(m) + QSize(m.sinistra + m.destra, m.sopra + m.sotto);
}

QSize QuadroDisegno::sizeHint() const {
    const Margini m = margini();
    return 2 * areaminima(m) + QSize(m.sinistra + m.destra, m.sopra + m.sotto);
}

void QuadroDisegno::resizeEvent(QResizeEvent*) { disponi(); }

bool QuadroDisegno::event(QEvent* evento) {
    // A caption given a new text asks its parent for room: a window at its
    // minimum grows until the x captions read whole.
    if (evento->type() == QEvent::LayoutRequest) {
        updateGeometry();
        disponi();
        return true;
    }
    return QWidget::event(evento);
}

void QuadroDisegno::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    // The captions' hints follow the font and the style, and the margins follow them.
    if (evento->type() == QEvent::FontChange || evento->type() == QEvent::StyleChange) disponi();
}

void QuadroDisegno::disponi() {
    const Margini g = margini();
    const int aw = std::max(1, width() - g.sinistra - g.destra);
    const int ah = std::max(1, height() - g.sopra - g.sotto);
    int w = aw, h = int(std::lround(aw * 3.0 / 5.0));
    if (h > ah) {
        h = ah;
        w = int(std::lround(ah * 5.0 / 3.0));
    }
    const int x0 = g.sinistra + (aw - w) / 2;
    const int y0 = g.sopra + (ah - h) / 2;
    area_->setGeometry(x0, y0, w, h);

    const int n = int(x_.size());
    const int lx = std::min(w / std::max(1, n - 1), g.largax);
    for (int i = 0; i < n; ++i) {
        const int cx = x0 + int(std::lround(double(w) * i / (n - 1)));
        x_[i]->setGeometry(cx - lx / 2, y0 + h + g.scarto, lx, g.altezza);
    }
    const int m = int(y_.size());
    for (int j = 0; j < m; ++j) {
        const int cy = y0 + h - int(std::lround(double(h) * j / (m - 1)));
        y_[j]->setGeometry(x0 - g.sinistra, cy - g.altezza / 2, g.sinistra - TACCA, g.altezza);
    }
    assex_->setGeometry(x0 + w + g.largax / 2 + 2, y0 + h + g.scarto, assex_->sizeHint().width(),
                        g.altezza);
    assey_->setGeometry(x0 - g.sinistra, y0 - g.altezza / 2 - g.altezza - 2, g.sinistra - TACCA,
                        g.altezza);
    update();
}

void QuadroDisegno::paintEvent(QPaintEvent*) {
    // A thin dark border and tick marks tie the captions to the area's edges.
    QPainter p(this);
    const QRect r = area_->geometry();
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(r.adjusted(-1, -1, 0, 0));
    const int n = int(x_.size()), m = int(y_.size());
    for (int i = 0; i < n; ++i) {
        const int cx = r.left() + int(std::lround(double(r.width()) * i / (n - 1)));
        p.drawLine(cx, r.bottom() + 2, cx, r.bottom() + 4);
    }
    for (int j = 0; j < m; ++j) {
        const int cy = r.bottom() - int(std::lround(double(r.height()) * j / (m - 1)));
        p.drawLine(r.left() - 5, cy, r.left() - 3, cy);
    }
}

}  // namespace vask
