#include "app/stampa.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QVBoxLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "app/finestraprincipale.h"
#include "app/esportazione.h"
#include "app/lingua.h"
#include "app/pittore.h"
#include "model/numeri.h"

namespace vask {

namespace {

// The drawing's picture is at most this wide: 600 dpi over 20 cm. A
// 1200 dpi printer would otherwise need a quarter of a gigabyte for it.
constexpr int PIXELMASSIMI = 4800;

QFont carattere(const QPainter& p, double punti, bool grassetto) {
    QFont f = p.font();
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

// The largest 20:12 rectangle `larghezza` x `altezza` can hold.
QSizeF proporzione(double larghezza, double altezza) {
    if (larghezza <= 0 || altezza <= 0) return QSizeF();
    if (larghezza * 3 / 5 <= altezza) return QSizeF(larghezza, larghezza * 3 / 5);
    return QSizeF(altezza * 5 / 3, altezza);
}

}  // namespace

QRect dipingipagina(QPainter& p, const QRect& pagina, const FrmVask_2& n, bool schermo) {
    p.save();
    const double dpi = std::max(1, p.device()->logicalDpiY());
    const double mm = dpi / 25.4;  // device units per millimetre

    // The title: the program and the section's file.
    const QFont ftitolo = carattere(p, 13, true), ftesto = carattere(p, 10, false);
    const QFontMetricsF mtitolo(ftitolo, p.device()), mtesto(ftesto, p.device());
    QString titolo = tradotto(FrmVask_2::titoloprogramma());
    if (!n.nomedocumento.empty())
        titolo += QStringLiteral(" - ") + QFileInfo(QString::fromStdString(n.nomedocumento)).fileName();
    p.setPen(Qt::black);
    // The month's name in the interface's language: "7 dicembre 2026", "7 December 2026".
    const QLocale lingua = linguaattuale() == Lingua::Inglese ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                                              : QLocale(QLocale::Italian, QLocale::Italy);
    const QString data = lingua.toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy"));
    p.setFont(ftesto);
    const double larghezzadata = mtesto.horizontalAdvance(data);
    const QRectF riga(pagina.left(), pagina.top(), pagina.width(), mtitolo.height());
    p.drawText(riga, Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine, data);
    p.setFont(ftitolo);
    p.drawText(riga, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
               mtitolo.elidedText(titolo, Qt::ElideRight, std::max(0.0, pagina.width() - larghezzadata - 4 * mm)));

    // The results of the last computation, as the panel shows them after it
    // (the panel may be showing a selected element's data instead).
    QString didascalie[15], valori[15];
    double colonna1 = 0, colonna2 = mtesto.horizontalAdvance(QStringLiteral("-0.0000000E+00"));
    for (int i = 0; i < 15; ++i) {
        const Controllo& c = n.ctl[DIDASCALIERISULTATI[i]];
        didascalie[i] = QString::fromStdString(c.didascalia);
        if (c.simbolo) didascalie[i] = FinestraPrincipale::simbolo(didascalie[i]);
        if (n.ris.eseguito) valori[i] = QString::fromStdString(testosingolo(n.ris.risultati[i + 1]));
        colonna1 = std::max(colonna1, mtesto.horizontalAdvance(didascalie[i]));
        colonna2 = std::max(colonna2, mtesto.horizontalAdvance(valori[i]));
    }
    // Results that do not belong to the drawing beside them must say so.
    const QString nota = !n.ris.eseguito ? QCoreApplication::translate("Finestre", "Nessun calcolo eseguito.")
                         : !n.ris.attuali
                             ? QCoreApplication::translate("Finestre", "Risultati dell'ultimo calcolo: la sezione è cambiata dopo.")
                             : QString();
    const double spazio = 2 * mm, passo = mtesto.lineSpacing() * 1.3;
    const double larghezzablocco = colonna1 + spazio + colonna2;
    // The note wraps within the two columns, a line's gap below them.
    const double altezzanota =
        nota.isEmpty() ? 0
                       : passo + mtesto.boundingRect(QRectF(0, 0, larghezzablocco, 1e6),
                                                     Qt::TextWordWrap, nota).height();
    const QSizeF blocco(larghezzablocco, 15 * passo + altezzanota);

    // Room for the view's captions left of the drawing and under it.
    QString x[11], y[7];
    double sinistra = 0;
    for (int i = 0; i < 11; ++i) x[i] = QString::fromStdString(n.ctl.testo(ETICHETTEX[i]));
    for (int i = 0; i < 7; ++i)
        y[i] = QString::fromStdString(n.ctl.testo(ETICHETTEY[i])), sinistra = std::max(sinistra, mtesto.horizontalAdvance(y[i]));
    const double tacca = 1.5 * mm;
    sinistra += tacca + mm;
    const double basso = tacca + mtesto.height() + mm, destra = mtesto.horizontalAdvance(x[10]) / 2;

    // Beside the drawing or below it: whichever leaves the drawing larger.
    const double margine = 6 * mm;
    const QRectF resto(pagina.left() + sinistra, riga.bottom() + margine, pagina.width() - sinistra - destra,
                       pagina.bottom() + 1 - (riga.bottom() + margine) - basso);
    const QSizeF lato = proporzione(resto.width() - blocco.width() - margine, resto.height());
    const QSizeF sotto = proporzione(resto.width(), resto.height() - blocco.height() - margine);
    const bool dilato = lato.width() >= sotto.width();
    const QSizeF d = dilato ? lato : sotto;
    const QRect disegno(int(std::lround(resto.left())), int(std::lround(resto.top())),
                        int(std::floor(d.width())), int(std::floor(d.height())));
    const QPointF origine = dilato ? QPointF(disegno.right() + 1 + margine + destra, resto.top())
                                    : QPointF(pagina.left(), disegno.bottom() + 1 + margine + basso);

    if (disegno.width() > 1 && disegno.height() > 1) {
        // Painted from the display list at the device's own resolution (up
        // to a limit), pens as thick on paper as on a 96 dpi screen.
        const int w = std::min(disegno.width(), PIXELMASSIMI);
        const int h = w == disegno.width()
                          ? disegno.height()
                          : std::max(1, int(std::lround(double(disegno.height()) * w / disegno.width())));
        QImage img(w, h, QImage::Format_RGB32);
        if (!img.isNull()) {
            const double dpiimmagine = w * dpi / disegno.width();
            dipingi(img, disegnosucarta(n, schermo), img.rect(), std::max(1, int(std::lround(dpiimmagine / 96))));
            p.setRenderHint(QPainter::SmoothPixmapTransform, w != disegno.width());
            p.drawImage(QRectF(disegno), img);
        }
        QPen cornice(Qt::black, std::max(1.0, 0.25 * mm));
        cornice.setJoinStyle(Qt::MiterJoin);
        p.setPen(cornice);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(disegno));
        // The scale: a tick and the view's caption at each of its marks.
        p.setFont(ftesto);
        for (int i = 0; i < 11; ++i) {
            const double px = disegno.left() + disegno.width() * i / 10.0;
            p.drawLine(QPointF(px, disegno.bottom() + 1), QPointF(px, disegno.bottom() + 1 + tacca));
            p.drawText(QRectF(px - 20 * mm, disegno.bottom() + 1 + tacca, 40 * mm, mtesto.height()),
                       Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, x[i]);
        }
        for (int i = 0; i < 7; ++i) {
            const double py = disegno.bottom() + 1 - disegno.height() * i / 6.0;
            p.drawLine(QPointF(disegno.left() - tacca, py), QPointF(disegno.left(), py));
            p.drawText(QRectF(pagina.left(), py - mtesto.height() / 2, sinistra - tacca - mm / 2, mtesto.height()),
                       Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, y[i]);
        }
    }

    p.setFont(ftesto);
    p.setPen(Qt::black);
    for (int i = 0; i < 15; ++i) {
        const double y = origine.y() + i * passo;
        p.drawText(QRectF(origine.x(), y, colonna1, passo), Qt::AlignRight | Qt::AlignVCenter,
                   didascalie[i]);
        p.drawText(QRectF(origine.x() + colonna1 + spazio, y, colonna2, passo),
                   Qt::AlignLeft | Qt::AlignVCenter, valori[i]);
    }
    if (!nota.isEmpty())
        p.drawText(QRectF(origine.x(), origine.y() + 16 * passo, blocco.width(), altezzanota),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, nota);
    p.restore();
    return disegno;
}

QString filepdf(const std::string& nomedocumento) {
    if (nomedocumento.empty()) return QString();
    const QFileInfo sezione(QString::fromStdString(nomedocumento));
    return sezione.dir().filePath(sezione.completeBaseName() + QStringLiteral(".pdf"));
}

Stampa::Stampa(const FrmVask_2& nucleo, Messaggi& messaggi, QWidget* genitore)
    : n_(nucleo), m_(messaggi), genitore_(genitore) {
    sceglidispositivo = [this]() -> QPagedPaintDevice* {
        if (!stampante_) {
            stampante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            stampante_->setDocName(QCoreApplication::translate("Finestre", "Vask_2 cad"));
        }
        // Printed to a file, the page goes beside the section's file by default.
        if (const QString pdf = filepdf(n_.nomedocumento); !pdf.isEmpty()) stampante_->setOutputFileName(pdf);
        QPrintDialog dialogo(stampante_.get(), genitore_);
        dialogo.setWindowTitle(QCoreApplication::translate("Finestre", "Stampa"));
        auto* scheda = new QWidget;
        scheda->setWindowTitle(QCoreApplication::translate("Finestre", "Colori"));
        auto* schermo = new QCheckBox(QCoreApplication::translate("Finestre", "Colori dello schermo"), scheda);
        schermo->setChecked(coloridelloschermo);
        (new QVBoxLayout(scheda))->addWidget(schermo);
        dialogo.setOptionTabs({scheda});
        if (dialogo.exec() != QDialog::Accepted) return static_cast<QPagedPaintDevice*>(nullptr);
        coloridelloschermo = schermo->isChecked();
        return static_cast<QPagedPaintDevice*>(stampante_.get());
    };
}

Stampa::~Stampa() = default;

void Stampa::mnuFileStampa_Click() {
    if (QPagedPaintDevice* d = sceglidispositivo()) stampa(*d);
}

bool Stampa::stampa(QPagedPaintDevice& dispositivo) {
    QPainter p;
    if (p.begin(&dispositivo)) {
        dipingipagina(p, QRect(0, 0, dispositivo.width(), dispositivo.height()), n_, coloridelloschermo);
        if (p.end()) return true;
    }
    m_.mostra(QCoreApplication::translate("Finestre",
                                          "Impossibile stampare la pagina: la stampante o il file non sono disponibili.")
                  .toStdString(),
              QCoreApplication::translate("Finestre", "Stampa non riuscita.").toStdString(), Icona::Esclamazione,
              Pulsanti::Ok);
    return false;
}

}  // namespace vask
