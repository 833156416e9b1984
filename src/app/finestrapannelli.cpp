// The widgets named after the core's controls, and the panels that hold them:
// tools, results and element data, hint bar.
#include "app/finestraprincipale.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolTip>
#include <tuple>

#include "app/areagrafica.h"

namespace vask {

namespace {

bool inizia(const std::string& s, const char* prefisso) { return s.rfind(prefisso, 0) == 0; }

QLabel* pannello(QLabel* l) {
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    l->setMargin(1);
    l->setIndent(3);
    return l;
}

// Room for `n` digits in the widget's own font.
int cifre(const QWidget* w, int n) {
    return n * w->fontMetrics().horizontalAdvance(QLatin1Char('0'));
}

// Width of a panel that shows `n` digits whole: frame, margin and indent included.
int larghezzapannello(const QLabel* l, int n) {
    const QMargins bordo = l->contentsMargins();
    return bordo.left() + bordo.right() + 2 * l->margin() + std::max(0, l->indent()) + cifre(l, n);
}

// The hint bar: one line whatever the hint, so that no hint widens or heightens
// the window; a hint longer than the bar ends in an ellipsis and shows whole
// as tooltip. text() keeps the whole hint.
class BarraIndicazioni : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override {
        const QMargins bordo = contentsMargins();
        const QFontMetrics fm = fontMetrics();
        return QSize(bordo.left() + bordo.right() + 2 * margin() + std::max(0, indent()) +
                         20 * fm.averageCharWidth(),
                     bordo.top() + bordo.bottom() + 2 * margin() + fm.height());
    }
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        drawFrame(&p);
        const QRect r = spazio();
        const QString riga = fontMetrics().elidedText(text(), Qt::ElideRight, r.width());
        style()->drawItemText(&p, r, QStyle::visualAlignment(layoutDirection(), alignment()),
                              palette(), isEnabled(), riga, foregroundRole());
    }
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ToolTip &&
            fontMetrics().horizontalAdvance(text()) > spazio().width()) {
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), text(), this);
            return true;
        }
        return QLabel::event(e);
    }

private:
    QRect spazio() const {
        const int m = margin();
        return contentsRect().adjusted(m + std::max(0, indent()), m, -m, -m);
    }
};

}  // namespace

void FinestraPrincipale::creacontrolli() {
    for (const std::string& nome : nucleo_->ctl.nomi()) {
        const QString qnome = QString::fromStdString(nome);
        QWidget* w = nullptr;
        Tipo tipo;
        if (nome == "picAreagrafica") {
            area_ = new AreaGrafica(nucleo_->pic, this);
            w = area_;
            tipo = Tipo::Area;
        } else if (inizia(nome, "btn") || inizia(nome, "Btn") || inizia(nome, "Command")) {
            auto* b = new QPushButton(this);
            b->setObjectName(qnome);
            connect(b, &QPushButton::clicked, this, [this, qnome] { clic(qnome); });
            w = b;
            tipo = Tipo::Pulsante;
        } else if (inizia(nome, "txt")) {
            auto* t = new QLineEdit(this);
            t->setObjectName(qnome);
            t->installEventFilter(this);  // the menu shortcuts win over the box's own keys
            connect(t, &QLineEdit::textEdited, this, [this, nome](const QString& testo) {
                esegui([&] { nucleo_->testomodificato(nome, testo.toStdString()); });
            });
            w = t;
            tipo = Tipo::Casella;
        } else {
            auto* l = nome == "lblDescrizione" ? new BarraIndicazioni(this) : new QLabel(this);
            l->setObjectName(qnome);
            l->setTextFormat(Qt::PlainText);
            w = l;
            tipo = Tipo::Etichetta;
        }
        widget_.emplace(nome, w);
        voci_.push_back(Voce{w, tipo, &nucleo_->ctl[nome], Controllo{}, true});
    }
    if (!area_) area_ = new AreaGrafica(nucleo_->pic, this);
}

QWidget* FinestraPrincipale::widget(const char* nome) {
    auto it = widget_.find(nome);
    if (it != widget_.end()) return it->second;
    // A name the core does not know: still give the layout a widget.
    qWarning("FrmVask_2: controllo senza stato nel nucleo: %s", nome);
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromUtf8(nome));
    widget_.emplace(nome, l);
    return l;
}

QPushButton* FinestraPrincipale::pulsante(const char* nome) {
    auto* b = qobject_cast<QPushButton*>(widget(nome));
    Q_ASSERT(b);
    return b;
}

QLabel* FinestraPrincipale::etichetta(const char* nome) {
    auto* l = qobject_cast<QLabel*>(widget(nome));
    Q_ASSERT(l);
    return l;
}

QLineEdit* FinestraPrincipale::casella(const char* nome) {
    auto* t = qobject_cast<QLineEdit*>(widget(nome));
    Q_ASSERT(t);
    return t;
}

QFrame* FinestraPrincipale::separatore(const char* nome) {
    auto* f = new QFrame(this);
    f->setObjectName(QString::fromUtf8(nome));
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

QWidget* FinestraPrincipale::costruiscistrumenti() {
    auto* riquadro = new QWidget(this);
    auto* g = new QGridLayout(riquadro);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(4);
    int r = 0;
    // One row of one or two buttons.
    auto coppia = [&](const char* a, const char* b) {
        int colonna = 0;
        for (const char* nome : {a, b}) {
            if (!nome) continue;
            QPushButton* p = pulsante(nome);
            // A roomier face than the style's least; the width keeps to the
            // hint, so a larger font never clips a caption.
            p->setMinimumHeight(28);
            p->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
            g->addWidget(p, r, colonna++);
        }
        ++r;
    };
    auto linea = [&](const char* nome) { g->addWidget(separatore(nome), r++, 0, 1, 2); };

    coppia("btnDisegna", "btnSeleziona");
    linea("Line1");
    coppia("btnRettangolo", "btnTriangolo");
    coppia("btnCerchio", "btnLinea");
    linea("Line3");
    coppia("btnSposta", "btnCancella");
    coppia("btnModifica", "btnEsegui");
    coppia("btnNoccioloCentrale", "btnEllisseCentrale");
    coppia("btnCarico", nullptr);
    linea("Line4");
    coppia("btnRigenera", "btnZoomPiu");
    coppia("btnZoomEstensioni", "BtnZoomMeno");
    coppia("btnPan", nullptr);

    // Static pan: four arrows around a blank centre.
    auto* croce = new QWidget(riquadro);
    auto* gc = new QGridLayout(croce);
    gc->setContentsMargins(0, 2, 0, 2);
    gc->setSpacing(2);
    struct Freccia {
        const char* nome;
        QStyle::StandardPixmap icona;
        int riga, colonna;
    };
    for (const Freccia& f : {Freccia{"btnPanSu", QStyle::SP_ArrowUp, 0, 1},
                             Freccia{"btnPanSinistra", QStyle::SP_ArrowLeft, 1, 0},
                             Freccia{"Command4", QStyle::SP_ArrowRight, 1, 2},
                             Freccia{"btnPanGiu", QStyle::SP_ArrowDown, 2, 1}}) {
        QPushButton* p = pulsante(f.nome);
        p->setIcon(style()->standardIcon(f.icona));
        p->setFixedSize(40, 24);
        gc->addWidget(p, f.riga, f.colonna);
    }
    g->addWidget(croce, r++, 0, 1, 2, Qt::AlignHCenter);

    linea("Line5");
    coppia("btnGriglia", "btnSnap");
    coppia("btnOsnap", "btnLineeGuida");
    QLineEdit* passo = casella("txtPassoGriglia");
    passo->setMaximumWidth(passo->minimumSizeHint().width() + cifre(passo, 4));
    g->addWidget(passo, r++, 1);
    g->setRowStretch(r, 1);
    return riquadro;
}

QWidget* FinestraPrincipale::costruiscirisultati() {
    // One grid for results and element data, so that the columns line up.
    auto* riquadro = new QWidget(this);
    auto* g = new QGridLayout(riquadro);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
    // The first column holds an x coordinate (at most "4048.875") or a load
    // value ("-0.9136578"); the second also the density and radius as stored,
    // as long as "-3.402823E+38".
    QLabel* campione = pannello(etichetta(ETICHETTERISULTATI[0]));
    g->setColumnMinimumWidth(1, larghezzapannello(campione, 10));
    g->setColumnMinimumWidth(2, larghezzapannello(campione, 13));
    int r = 0;
    for (int i = 0; i < 15; ++i, ++r) {
        QLabel* d = etichetta(DIDASCALIERISULTATI[i]);
        d->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLabel* v = pannello(etichetta(ETICHETTERISULTATI[i]));
        v->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        // Not selectable: Ctrl+C is the circle command and would wipe the
        // results a student meant to copy. "Copia risultati" copies them.
        g->addWidget(d, r, 0);
        g->addWidget(v, r, 1, 1, 2);
    }
    g->addItem(new QSpacerItem(1, 6), r++, 0);
    for (auto [didascalia, testo, attuale] :
         {std::tuple{"lblDensita", "txtDensita", "lblDensitàAttuale"},
          std::tuple{"lblRaggio", "txtRaggio", "lblRaggioAttuale"}}) {
        QLabel* d = etichetta(didascalia);
        d->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* t = casella(testo);
        t->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        QLabel* a = pannello(etichetta(attuale));
        a->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        g->addWidget(d, r, 0);
        g->addWidget(t, r, 1);
        g->addWidget(a, r, 2);
        ++r;
    }
    QLabel* contatore = pannello(etichetta("lblContatore"));
    contatore->setAlignment(Qt::AlignCenter);
    contatore->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    g->addWidget(contatore, r++, 1);
    const char* punti[3][2] = {{"lblPrimoPuntoX", "lblPrimoPuntoY"},
                               {"lblSecondoPuntoX", "lblSecondoPuntoY"},
                               {"lblTerzoPuntoX", "lblTerzoPuntoY"}};
    for (auto& p : punti) {
        for (int k = 0; k < 2; ++k) {
            QLabel* l = pannello(etichetta(p[k]));
            l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            g->addWidget(l, r, 1 + k);
        }
        ++r;
    }
    // The load point: a title, then C, the neutral axis and s, two values a row.
    g->addItem(new QSpacerItem(1, 6), r++, 0);
    QLabel* titolo = etichetta("lblCarico");
    QFont grassetto = titolo->font();
    grassetto.setBold(true);
    titolo->setFont(grassetto);
    g->addWidget(titolo, r++, 0, 1, 3);
    const char* carico[3][3] = {{"lblCaricoC", "lblCaricoXi", "lblCaricoEta"},
                                {"lblCaricoAsse", "lblAsseNeutroXi", "lblAsseNeutroEta"},
                                {"lblCaricoSigma", "lblSigmaMin", "lblSigmaMax"}};
    for (auto& riga : carico) {
        QLabel* d = etichetta(riga[0]);
        d->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(d, r, 0);
        for (int k = 1; k < 3; ++k) {
            QLabel* l = pannello(etichetta(riga[k]));
            l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            g->addWidget(l, r, k);
        }
        ++r;
    }
    g->setRowStretch(r, 1);
    riquadro->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return riquadro;
}

QWidget* FinestraPrincipale::costruiscibarra() {
    auto* barra = new QWidget(this);
    auto* h = new QHBoxLayout(barra);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(4);
    h->addWidget(etichetta("lblX"));
    QLabel* x = pannello(etichetta("lblCoordinataX"));
    x->setMinimumWidth(larghezzapannello(x, 11));
    h->addWidget(x);
    h->addSpacing(6);
    h->addWidget(etichetta("lblY"));
    QLabel* y = pannello(etichetta("lblCoordinataY"));
    y->setMinimumWidth(larghezzapannello(y, 11));
    h->addWidget(y);
    h->addSpacing(10);
    h->addWidget(etichetta("lblPunto"));
    QLineEdit* punto = casella("txtPunto");
    punto->setMinimumWidth(punto->minimumSizeHint().width() + cifre(punto, 14));
    punto->setMaximumWidth(punto->minimumSizeHint().width() + cifre(punto, 18));
    h->addWidget(punto);
    h->addSpacing(10);
    QLabel* descrizione = pannello(etichetta("lblDescrizione"));
    descrizione->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    h->addWidget(descrizione, 1);
    return barra;
}

}  // namespace vask
