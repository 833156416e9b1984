#include "app/relazione.h"

#include <QApplication>
#include <QCoreApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSaveFile>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextStream>
#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QVBoxLayout>

#include "app/filesezione.h"
#include "app/lingua.h"
#include "app/mohr.h"
#include "app/risultati.h"
#include "edit/frmvask2.h"
#include "edit/relazionetesto.h"
#include "model/testi.h"

namespace vask {

namespace {

const QString SEGNAPOSTO = QStringLiteral("[[MOHR]]");
constexpr int OGGETTOMOHR = QTextFormat::UserObject + 1;
const int PROPRIETADISEGNO = QTextFormat::UserProperty + 1;

struct Pulsante {
    const char* nome;
    const char* testo;
    void (FinestraRelazione::*azione)();
};
const Pulsante PULSANTI[] = {
    {"btnRelazioneStampa", QT_TRANSLATE_NOOP("Finestre", "Stampa..."), &FinestraRelazione::stampa},
    {"btnRelazioneSalva", QT_TRANSLATE_NOOP("Finestre", "Salva..."), &FinestraRelazione::salva},
    {"btnRelazioneCopia", QT_TRANSLATE_NOOP("Finestre", "Copia"), &FinestraRelazione::copia},
};

QString nessuncalcolo() {
    return QStringLiteral("<p>") + QCoreApplication::translate("Finestre", "Nessun calcolo eseguito.") +
           QStringLiteral("</p>");
}

std::vector<BloccoRelazione> blocchi(const FrmVask_2& nucleo, const Relazione& r) {
    return blocchirelazione(r, !nucleo.ris.attuali, nucleo.caricofissato(), tradottorelazione);
}

// Mohr's circle inside the text: painted by the same code as its window, so
// a printer or a PDF gets it as vectors.
class OggettoMohr : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;
    // 420 x 340 at the screen's 96 dpi; a printer or a PDF lays the text out at its own resolution.
    QSizeF intrinsicSize(QTextDocument* d, int, const QTextFormat&) override {
        const QPaintDevice* dispositivo = d->documentLayout()->paintDevice();
        const double k = dispositivo ? dispositivo->logicalDpiX() / 96.0 : 1;
        return QSizeF(420 * k, 340 * k);
    }
    void drawObject(QPainter* p, const QRectF& r, QTextDocument*, int, const QTextFormat& f) override {
        dipingimohr(*p, r, f.property(PROPRIETADISEGNO).value<DisegnoMohr>());
    }
};

}  // namespace

}  // namespace vask

Q_DECLARE_METATYPE(vask::DisegnoMohr)

namespace vask {

void componirelazione(QTextDocument& documento, const FrmVask_2& nucleo) {
    if (!nucleo.relazionedisponibile()) {
        documento.setHtml(nessuncalcolo());
        return;
    }
    const Relazione r = nucleo.relazione();
    documento.setHtml(
        QString::fromStdString(relazionehtml(blocchi(nucleo, r), SEGNAPOSTO.toStdString(), tradottorelazione)));
    if (!documento.documentLayout()->handlerForObject(OGGETTOMOHR))
        documento.documentLayout()->registerHandler(OGGETTOMOHR, new OggettoMohr(&documento));
    QTextCursor c = documento.find(SEGNAPOSTO);
    if (c.isNull()) return;
    QTextCharFormat f;
    f.setObjectType(OGGETTOMOHR);
    f.setProperty(PROPRIETADISEGNO, QVariant::fromValue(disegnomohr(r.mohr.ixg, r.mohr.iyg, r.mohr.ixgyg, r.mohr.dueangolo)));
    c.insertText(QString(QChar::ObjectReplacementCharacter), f);
}

FinestraRelazione::FinestraRelazione(const FrmVask_2& nucleo, Messaggi& messaggi, QWidget* genitore)
    : QWidget(genitore, Qt::Window), nucleo_(nucleo), messaggi_(messaggi) {
    setObjectName(QStringLiteral("frmRelazione"));
    testo_ = new QTextBrowser(this);
    testo_->setObjectName(QStringLiteral("txtRelazione"));
    testo_->setReadOnly(true);
    auto* pulsanti = new QHBoxLayout;
    for (const Pulsante& p : PULSANTI) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromUtf8(p.nome));
        connect(b, &QPushButton::clicked, this, p.azione);
        pulsanti->addWidget(b);
    }
    pulsanti->addStretch(1);
    ritraduci();
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(testo_, 1);
    colonna->addLayout(pulsanti);
    resize(900, 700);

    sceglidispositivo = [this]() -> QPagedPaintDevice* {
        static QPrinter stampante(QPrinter::HighResolution);
        QPrintDialog dialogo(&stampante, this);
        return dialogo.exec() == QDialog::Accepted ? &stampante : nullptr;
    };
    sceglifile = [this] {
        return QFileDialog::getSaveFileName(this, QCoreApplication::translate("Finestre", "Salva la relazione"), QString(),
                                            QCoreApplication::translate("Finestre", "Pagina HTML (*.html);;Documento PDF (*.pdf)"));
    };
}

void FinestraRelazione::ritraduci() {
    setWindowTitle(QCoreApplication::translate("Finestre", "Relazione di calcolo"));
    for (const Pulsante& p : PULSANTI)
        findChild<QPushButton*>(QString::fromUtf8(p.nome))->setText(QCoreApplication::translate("Finestre", p.testo));
}

void FinestraRelazione::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    if (evento->type() != QEvent::LanguageChange) return;
    ritraduci();
    if (isVisible()) aggiorna();  // the text is another: set again, the reader's place kept
}

void FinestraRelazione::aggiorna() {
    // Most events change nothing the report shows: keep the reader's place.
    const QString testo = nucleo_.relazionedisponibile()
                              ? QString::fromStdString(relazionetesto(blocchi(nucleo_, nucleo_.relazione()), tradottorelazione))
                              : nessuncalcolo();
    if (testo == mostrato_ && !testo_->document()->isEmpty()) return;
    // A new report opens at its top; an updated one where the reader was.
    const int posto = mostrato_.isEmpty() ? 0 : testo_->verticalScrollBar()->value();
    mostrato_ = testo;
    componirelazione(*testo_->document(), nucleo_);
    testo_->moveCursor(QTextCursor::Start);
    testo_->verticalScrollBar()->setValue(posto);
}

void FinestraRelazione::stampa() {
    QPagedPaintDevice* d = sceglidispositivo ? sceglidispositivo() : nullptr;
    if (!d) return;
    QTextDocument documento;
    componirelazione(documento, nucleo_);
    documento.print(d);
}

QString FinestraRelazione::html() const {
    if (!nucleo_.relazionedisponibile()) return nessuncalcolo();
    const Relazione r = nucleo_.relazione();
    QImage immagine(840, 680, QImage::Format_RGB32);
    immagine.fill(Qt::white);
    QPainter p(&immagine);
    dipingimohr(p, QRectF(10, 10, 820, 660), disegnomohr(r.mohr.ixg, r.mohr.iyg, r.mohr.ixgyg, r.mohr.dueangolo));
    p.end();
    QByteArray png;
    QBuffer b(&png);
    b.open(QIODevice::WriteOnly);
    immagine.save(&b, "PNG");
    const std::string img = "<img width=\"420\" height=\"340\" src=\"data:image/png;base64," +
                            png.toBase64().toStdString() + "\">";
    return QString::fromStdString(relazionehtml(blocchi(nucleo_, r), img, tradottorelazione));
}

void FinestraRelazione::salva() {
    const QString percorso = sceglifile ? sceglifile() : QString();
    if (percorso.isEmpty()) return;
    bool riuscito = false;
    if (percorso.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter pdf(percorso);
        QTextDocument documento;
        componirelazione(documento, nucleo_);
        documento.print(&pdf);
        riuscito = QFileInfo(percorso).size() > 0;
    } else {
        QSaveFile f(percorso);
        if (f.open(QIODevice::WriteOnly)) {
            f.write(html().toUtf8());
            riuscito = f.commit();
        }
    }
    if (!riuscito)
        messaggi_.mostra(
            componi(QT_TRANSLATE_NOOP("Vask", "Impossibile scrivere la relazione in «%1»."), {percorso.toStdString()}),
            QT_TRANSLATE_NOOP("Vask", "Salvataggio non riuscito."), Icona::Esclamazione, Pulsanti::Ok);
}

void FinestraRelazione::copia() {
    if (!nucleo_.relazionedisponibile()) return;
    auto* dati = new QMimeData;
    const QString testo = QString::fromStdString(relazionetesto(blocchi(nucleo_, nucleo_.relazione()), tradottorelazione));
    dati->setText(testo);
    dati->setData(QStringLiteral("text/tab-separated-values"), testo.toUtf8());
    dati->setHtml(html());
    QApplication::clipboard()->setMimeData(dati);
}

}  // namespace vask

#include "relazione.moc"
