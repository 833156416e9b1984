#include "app/mohr.h"

#include <QLabel>
#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <cmath>

#include "analysis/relazione.h"
#include "edit/frmvask2.h"

namespace vask {

const char* const CONVENZIONEMOHR = QT_TRANSLATE_NOOP(
    "Finestre",
    "Ascisse: momenti di inerzia; ordinate: prodotti di inerzia, positivi verso l'alto. X = (Ixg; Ixgyg), "
    "Y = (Iyg; −Ixgyg). Da CX, ruotando di 2α nello stesso verso di α nel disegno (antiorario se positivo), "
    "si arriva a Ixc.");

void dipingimohr(QPainter& p, const QRectF& zona, const DisegnoMohr& d) {
    const double larga = d.xmax - d.xmin, alta = d.ymax - d.ymin;
    const double s = std::min(zona.width() / larga, zona.height() / alta);
    const QPointF centro = zona.center();
    const double mx = (d.xmin + d.xmax) / 2, my = (d.ymin + d.ymax) / 2;
    const auto q = [&](double x, double y) { return QPointF(centro.x() + (x - mx) * s, centro.y() - (y - my) * s); };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double penna = std::max(1.0, zona.width() / 600);
    p.setPen(QPen(QColor(120, 120, 120), penna));
    p.drawLine(q(d.xmin, 0), q(d.xmax, 0));
    p.drawLine(q(d.centro, d.ymin), q(d.centro, d.ymax));
    p.setPen(QPen(QColor(0, 0, 200), 2 * penna));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(q(d.centro, 0), d.raggio * s, d.raggio * s);
    p.setPen(QPen(QColor(200, 0, 200), 2 * penna));
    p.drawLine(q(d.xa, d.ya), q(d.xb, d.yb));
    // The arc of 2 alfa from CX, on a smaller circle.
    if (d.raggio > 0 && d.ampiezzaarco != 0) {
        const double r = 0.35 * d.raggio * s;
        const QRectF scatola(q(d.centro, 0) - QPointF(r, r), QSizeF(2 * r, 2 * r));
        p.setPen(QPen(QColor(200, 0, 0), 1.5 * penna));
        const double gradi = 180 / 3.14159265358979323846;
        p.drawArc(scatola, int(std::lround(d.inizioarco * gradi * 16)), int(std::lround(d.ampiezzaarco * gradi * 16)));
        const double meta = d.inizioarco + d.ampiezzaarco / 2;
        p.drawText(q(d.centro, 0) + QPointF(std::cos(meta) * r * 1.15, -std::sin(meta) * r * 1.15),
                   QString::fromStdString(d.angolo));
    }
    QFont f = p.font();
    f.setPointSizeF(std::max(7.0, zona.width() / 70));
    p.setFont(f);
    for (const PuntoMohr& k : d.punti) {
        const QPointF c = q(k.x, k.y);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0));
        p.drawEllipse(c, 2.5 * penna, 2.5 * penna);
        p.setPen(QColor(0, 0, 0));
        const double giu = k.sotto ? 4 * penna + QFontMetricsF(f).ascent() : -4 * penna;
        p.drawText(c + QPointF(4 * penna, giu), QString::fromStdString(k.nome + " " + k.valore));
    }
    p.restore();
}

FinestraMohr::FinestraMohr(const FrmVask_2& nucleo, QWidget* genitore)
    : QWidget(genitore, Qt::Window), nucleo_(nucleo) {
    setObjectName(QStringLiteral("frmMohr"));
    nota_ = new QLabel(this);
    nota_->setObjectName(QStringLiteral("lblConvenzioneMohr"));
    nota_->setWordWrap(true);
    auto* colonna = new QVBoxLayout(this);
    colonna->addStretch(1);
    colonna->addWidget(nota_);
    setMinimumSize(360, 320);
    resize(640, 560);
    ritraduci();
}

void FinestraMohr::ritraduci() {
    setWindowTitle(QCoreApplication::translate("Finestre", "Cerchio di Mohr"));
    nota_->setText(QCoreApplication::translate("Finestre", CONVENZIONEMOHR));
}

void FinestraMohr::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    if (evento->type() == QEvent::LanguageChange) ritraduci();  // the picture is painted again anyway
}

void FinestraMohr::aggiorna() {
    valido_ = nucleo_.relazionedisponibile();
    if (valido_) {
        const Mohr m = nucleo_.relazione().mohr;
        disegno_ = disegnomohr(m.ixg, m.iyg, m.ixgyg, m.dueangolo);
    }
    update();
}

void FinestraMohr::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRectF zona(10, 10, width() - 20, std::max(10, nota_->geometry().top() - 20));
    if (valido_)
        dipingimohr(p, zona, disegno_);
    else
        p.drawText(zona, Qt::AlignCenter, QCoreApplication::translate("Finestre", "Nessun calcolo eseguito."));
}

}  // namespace vask
