#include "app/splash.h"

#include <QEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

#include "app/finestraprincipale.h"

namespace vask {

namespace {
QLabel* etichetta(const char* nome, const QString& testo, QWidget* genitore) {
    auto* l = new QLabel(testo, genitore);
    l->setObjectName(QString::fromUtf8(nome));
    return l;
}
}  // namespace

FinestraAvvio::FinestraAvvio(QWidget* genitore) : QWidget(genitore) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QCoreApplication::translate("Finestre", "Vask_2 cad"));
    setFocusPolicy(Qt::StrongFocus);

    auto* cornice = new QFrame(this);
    cornice->setFrameStyle(QFrame::Box | QFrame::Raised);
    cornice->setLineWidth(1);
    auto* esterno = new QVBoxLayout(this);
    esterno->setContentsMargins(8, 8, 8, 8);
    esterno->addWidget(cornice);

    auto* immagine = etichetta("imgLogo", QString(), cornice);
    immagine->setPixmap(logo());
    immagine->setFixedSize(logo().size());

    QLabel* prodotto = etichetta("lblProductName", QCoreApplication::translate("Finestre", "Vask_2 cad"), cornice);
    QFont grande = prodotto->font();
    grande.setPointSizeF(grande.pointSizeF() * 2.2);
    grande.setBold(true);
    prodotto->setFont(grande);
    // The build's version, spaced out as on the old start window ("2 . 0").
    const QString cifre = QStringLiteral(VASK_VERSIONE).split(QString(), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    QLabel* versione = etichetta("lblVersion", QCoreApplication::translate("Finestre", "Versione   ") + cifre, cornice);
    QLabel* avviso = etichetta("lblWarning", QCoreApplication::translate("Finestre", "Software didattico."), cornice);
    QLabel* crediti = etichetta(
        "lblCopyright", QCoreApplication::translate("Finestre", "Programma didattico per la geometria delle masse."), cornice);
    QLabel* crediti2 = etichetta(
        "lblLicenseTo",
        QCoreApplication::translate("Finestre", "Baricentro, momenti di inerzia, ellisse e nocciolo centrale."), cornice);
    for (QLabel* l : {crediti, crediti2}) {
        QPalette quieta = l->palette();
        quieta.setColor(QPalette::WindowText, quieta.color(QPalette::Dark).darker(130));
        l->setPalette(quieta);
    }

    avvio_ = etichetta("lblCompany", QCoreApplication::translate("Finestre", "Avvia Vask_2 cad"), cornice);
    QFont f = avvio_->font();
    f.setUnderline(true);
    f.setBold(true);
    avvio_->setFont(f);
    avvio_->setCursor(Qt::PointingHandCursor);
    avvio_->setToolTip(QCoreApplication::translate("Finestre", "Clic o un tasto qualsiasi per iniziare"));
    QPalette p = avvio_->palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    avvio_->setPalette(p);
    avvio_->installEventFilter(this);

    auto* testi = new QVBoxLayout;
    testi->setSpacing(6);
    testi->addWidget(prodotto);
    testi->addWidget(versione);
    testi->addSpacing(8);
    testi->addWidget(avviso);
    testi->addWidget(crediti);
    testi->addWidget(crediti2);
    testi->addStretch(1);
    testi->addWidget(avvio_, 0, Qt::AlignRight);

    auto* riga = new QHBoxLayout(cornice);
    riga->setContentsMargins(16, 16, 16, 16);
    riga->setSpacing(18);
    riga->addWidget(immagine, 0, Qt::AlignTop);
    riga->addLayout(testi, 1);

    setFixedSize(sizeHint().expandedTo(QSize(520, 230)));
    if (QScreen* schermo = screen())
        move(schermo->availableGeometry().center() - rect().center());
}

FinestraAvvio::~FinestraAvvio() = default;

QPixmap FinestraAvvio::logo() {
    // A section on a black drawing area: white rectangle and triangle, a pair
    // of axes in violet and red, the central ellipse in blue.
    QPixmap px(120, 120);
    px.fill(Qt::black);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(22, 58, 56, 40));
    QPainterPath triangolo;
    triangolo.moveTo(78, 98);
    triangolo.lineTo(104, 98);
    triangolo.lineTo(78, 30);
    triangolo.closeSubpath();
    p.drawPath(triangolo);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x99, 0x33, 0xFF), 2));
    p.drawLine(QPointF(8, 78), QPointF(114, 78));
    p.setPen(QPen(QColor(0xFF, 0x22, 0x22), 2));
    p.drawLine(QPointF(66, 8), QPointF(66, 114));
    p.setPen(QPen(QColor(0x33, 0x66, 0xFF), 2));
    p.translate(66, 78);
    p.rotate(-18);
    p.drawEllipse(QPointF(0, 0), 34, 18);
    return px;
}

void FinestraAvvio::avvia() {
    const bool nuova = !principale_;
    if (nuova) principale_ = std::make_unique<FinestraPrincipale>();
    principale_->show();
    close();
    // After the window is up: a message about the file shows over it.
    if (nuova && !daaprire_.isEmpty()) principale_->apri(daaprire_);
}

void FinestraAvvio::keyPressEvent(QKeyEvent* e) {
    // A key press is a key that types a character (Enter and Esc included);
    // modifiers, arrows and function keys alone are not.
    if (e->text().isEmpty()) {
        QWidget::keyPressEvent(e);
        return;
    }
    avvia();
}

bool FinestraAvvio::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == avvio_ && evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        avvia();
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}

}  // namespace vask
