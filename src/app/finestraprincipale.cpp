#include "app/finestraprincipale.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QMimeData>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolTip>
#include <QVBoxLayout>
#include <tuple>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "app/archivio.h"
#include "app/areagrafica.h"
#include "app/esportazione.h"
#include "app/messaggiqt.h"
#include "app/pittore.h"
#include "app/stampa.h"
#include "model/numeri.h"

namespace vask {

namespace {

// The menu tree, depth first; an entry followed by a deeper one is a submenu.
struct VoceMenu {
    int livello;
    const char* nome;
    const char* titolo;
    const char* scorciatoia;
    bool disabilitata;
};

const VoceMenu MENU[] = {
    {0, "mnuFile", "&File", nullptr, false},
    {1, "mnuFileNuovo", "&Nuovo...", "F2", false},
    {1, "mnuFileApri", "&Apri...", "Ctrl+O", false},
    {1, "mnuFileSalva", "&Salva", "Ctrl+S", false},
    {1, "mnuFileSalvaconnome", "Sa&lva con nome...", "Ctrl+Shift+S", false},
    {1, "mnuFileStampa", "S&tampa...", "Ctrl+P", false},
    {1, "mnuFileEsporta", "&Esporta immagine...", nullptr, false},
    {0, "mnuEdita", "&Modifica", nullptr, false},
    {1, "mnuEditaAnnulla", "&Annulla", "Ctrl+Z", false},
    {1, "mnuEditaRipeti", "&Ripeti", "Ctrl+Y;Ctrl+Shift+Z", false},
    {1, "mnuEditaCopiaRisultati", "&Copia risultati", "Ctrl+Shift+C", false},
    {0, "mnuStrumenti", "Str&umenti", nullptr, false},
    {1, "mnuStrumentiSnap", "&Snap", nullptr, false},
    {2, "mnuStrumentiSnapGriglia", "&Griglia", "F3", false},
    {2, "mnuStrumentiSnapOggetto", "&Oggetto", "F5", false},
    {2, "mnuStrumentiSnapToglisnap", "&Togli snap", "F4", false},
    {2, "mnuStrumentiSnapTogliOsnap", "&Togli osnap", "F6", false},
    {1, "mnuStrumentiDisegno", "&Disegno", nullptr, false},
    {2, "mnuStrumentiRettangolo", "&Rettangolo", "Ctrl+R", false},
    {2, "mnuStrumentiTriangolo", "&Triangolo", "Ctrl+T", false},
    {2, "mnuStrumentiCerchio", "&Cerchio", "Ctrl+C", false},
    {2, "mnuStrumentiLinea", "&Linea", "Ctrl+L", false},
    {1, "mnuStrumentiDistanza", "Distanza", "Ctrl+D", false},
    {0, "mnuModifica", "&Seleziona", nullptr, false},
    {1, "mnuModificaRettangolo", "&Rettangolo", nullptr, false},
    {1, "mnuModificaTriangolo", "&Triangolo", nullptr, false},
    {1, "mnuModificaCerchio", "&Cerchio", nullptr, false},
    {1, "mnuModificaLinea", "&Linea", nullptr, false},
    {0, "mnuVisualizza", "&Visualizza", nullptr, false},
    {1, "mnuVisualizzaRigenera", "Ri&genera", nullptr, false},
    {1, "mnuVisualizzaPan", "Pan", nullptr, false},
    {1, "mnuVisualizzaZoom", "&Zoom", nullptr, false},
    {2, "mnuVisualizzaZoomPiu", "&Piu +", "F7", false},
    {2, "mnuVisualizzaZoomMeno", "&Meno -", "F8", false},
    {1, "mnuVisualizzaRisultati", "&Risultati", nullptr, false},
    {0, "mnuPreferenze", "&Preferenze", nullptr, false},
    {1, "mnuPreferenzeColori", "&Colori", nullptr, false},
    {2, "mnuPreferenzeColoriSfondo", "&Sfondo", nullptr, false},
    {3, "mnuPreferenzeSfondoBianco", "&Bianco", nullptr, false},
    {3, "mnuPreferenzeSfondoNero", "&Nero", nullptr, false},
    {3, "mnuPreferenzeSfondoGrigio", "&Grigio", nullptr, false},
    {2, "mnuPreferenzeGriglia", "&Griglia", nullptr, false},
    {3, "mnuPreferenzeGrigliaBianco", "&Bianco", nullptr, false},
    {3, "mnuPreferenzeGrigliaNero", "&Nero", nullptr, false},
    {3, "mnuPreferenzeGrigliaGrigio", "&Grigio", nullptr, false},
    {3, "mnuPreferenzeGrigliaRosso", "&Rosso", nullptr, false},
    {3, "mnuPreferenzeGrigliaGiallo", "&Giallo", nullptr, false},
    {2, "mnuPreferenzeColoriSezione", "&Sezione", nullptr, false},
    {3, "mnuPreferenzeSezioneBianco", "&Bianco", nullptr, false},
    {3, "mnuPreferenzeSezioneNero", "&Nero", nullptr, false},
    {3, "mnuPreferenzeSezioneGrigio", "&Grigio", nullptr, false},
    {3, "mnuPreferenzeSezioneRosso", "&Rosso", nullptr, false},
    {3, "mnuPreferenzeSezioneGiallo", "&Giallo", nullptr, false},
    {2, "mnuPreferenzeColoriLinea", "&Linea", nullptr, false},
    {3, "mnuPreferenzeLineaBianco", "&Bianco", nullptr, false},
    {3, "mnuPreferenzeLineaNero", "&Nero", nullptr, false},
    {3, "mnuPreferenzeLineaVerde", "&Verde", nullptr, false},
    {3, "mnuPreferenzeLineaRosso", "&Rosso", nullptr, false},
    {3, "mnuPreferenzeLineaBlu", "&Blu", nullptr, false},
    {1, "mnuPreferenzeSpessori", "Spessori", nullptr, false},
    {2, "mnuPreferenzeSpessori1", "1", nullptr, false},
    {2, "mnuPreferenzeSpessori2", "2", nullptr, false},
    {0, "mnuGuida", "&Guida", nullptr, false},
    {0, "mnuInfo", "&Informazioni", nullptr, false},
};

bool inizia(const std::string& s, const char* prefisso) { return s.rfind(prefisso, 0) == 0; }

// Readable text on a coloured face.
QColor testosu(const QColor& c) {
    return c.red() * 299 + c.green() * 587 + c.blue() * 114 < 140000 ? QColor(Qt::white)
                                                                       : QColor(Qt::black);
}

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

void separatoredallalocale(const QLocale& locale) {
    const QString punto = locale.decimalPoint();
    const char separatore = punto.size() == 1 ? punto.at(0).toLatin1() : 0;
    impostaseparatore(separatore ? separatore : '.');
}

FinestraPrincipale::FinestraPrincipale(Messaggi* messaggi, QWidget* genitore)
    : QMainWindow(genitore) {
    setObjectName(QStringLiteral("FrmVask_2"));
    // The style keeps a pixmap of every button face at every size it has
    // drawn; forty coloured buttons in a resizable window fill Qt's default
    // 10 MB with faces never seen again. 1 MB holds the faces on the screen.
    QPixmapCache::setCacheLimit(1024);
#ifdef __GLIBC__
    // Pictures of the drawing area are megabytes each and change with the
    // window's size: mapped apart from the heap, a freed one goes back to the
    // system instead of staying in the process after the window shrinks.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    if (!messaggi) {
        propri_ = std::make_unique<MessaggiQt>(this, [this] { sincronizza(); });
        messaggi = propri_.get();
    }
    nucleo_ = std::make_unique<FrmVask_2>(*messaggi);
    archivio_ = std::make_unique<Archivio>(*nucleo_, *messaggi, this);
    setWindowTitle(QString::fromUtf8(FrmVask_2::TITOLO));

    creacontrolli();
    esportazione_ = std::make_unique<Esportazione>(*nucleo_, *messaggi, this, area_);
    stampa_ = std::make_unique<Stampa>(*nucleo_, *messaggi, this);
    costruiscimenu();

    auto* centro = new QWidget(this);
    auto* colonna = new QVBoxLayout(centro);
    colonna->setContentsMargins(6, 6, 6, 4);
    colonna->setSpacing(4);
    auto* riga = new QHBoxLayout;
    riga->setSpacing(8);
    riga->addWidget(costruiscistrumenti(), 0);

    std::vector<QLabel*> ex, ey;
    for (const char* n : ETICHETTEX) ex.push_back(etichetta(n));
    for (const char* n : ETICHETTEY) ey.push_back(etichetta(n));
    auto* quadro = new QuadroDisegno(area_, ex, ey, etichetta("lblAsseX"), etichetta("lblAssey"));
    riga->addWidget(quadro, 1);
    riga->addWidget(costruiscirisultati(), 0);
    colonna->addLayout(riga, 1);
    colonna->addWidget(costruiscibarra(), 0);
    setCentralWidget(centro);

    // The y captions show their full text as tooltip when hovered.
    for (const char* n : ETICHETTEY) {
        QLabel* l = etichetta(n);
        l->setMouseTracking(true);
        l->installEventFilter(this);
    }

    connect(area_, &AreaGrafica::mossa, this, [this](float x, float y) {
        esegui([=] { nucleo_->picAreagrafica_MouseMove(x, y); });
    });
    connect(area_, &AreaGrafica::premuta, this, [this](float x, float y) {
        esegui([=] { nucleo_->picAreagrafica_MouseDown(x, y); });
    });
    connect(area_, &AreaGrafica::rilasciata, this, [this](float x, float y) {
        esegui([=] { nucleo_->picAreagrafica_MouseUp(x, y); });
    });
    connect(area_, &AreaGrafica::ridimensionata, this, &FinestraPrincipale::ridimensionata);

    // No fixed minimum: the window's layout takes the sum of its parts' minimum
    // hints, which grow with the font, so at its smallest nothing overlaps.
    // The start size shrinks to a smaller screen (a scaled one, say), so the
    // results column is not left beyond its right edge.
    QSize iniziale(1240, 590);
    if (QScreen* schermo = screen())
        iniziale = iniziale.boundedTo(schermo->availableGeometry().size());
    resize(iniziale);

    esegui([this] { nucleo_->Form_Load(); });
    caricato_ = true;
}

FinestraPrincipale::~FinestraPrincipale() = default;

// ---- Widgets ----------------------------------------------------------------

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

void FinestraPrincipale::costruiscimenu() {
    std::vector<QMenu*> aperti;  // the open submenu of each level
    const int n = int(sizeof MENU / sizeof MENU[0]);
    for (int i = 0; i < n; ++i) {
        const VoceMenu& v = MENU[i];
        const QString nome = QString::fromUtf8(v.nome);
        const QString titolo = QString::fromUtf8(v.titolo);
        aperti.resize(v.livello);
        const bool sottomenu = i + 1 < n && MENU[i + 1].livello > v.livello;
        if (sottomenu) {
            QMenu* m = v.livello == 0 ? menuBar()->addMenu(titolo) : aperti.back()->addMenu(titolo);
            m->setObjectName(nome);
            m->menuAction()->setObjectName(nome);
            aperti.push_back(m);
            continue;
        }
        auto* a = new QAction(titolo, this);
        a->setObjectName(nome);
        if (v.scorciatoia) {
            QList<QKeySequence> tasti;
            for (const QString& t : QString::fromUtf8(v.scorciatoia).split(QLatin1Char(';')))
                tasti.push_back(QKeySequence(t));
            a->setShortcuts(tasti);
            for (const QKeySequence& k : tasti) scorciatoie_.push_back(k);
        }
        a->setEnabled(!v.disabilitata);
        connect(a, &QAction::triggered, this, [this, nome] { clic(nome); });
        if (v.livello == 0)
            menuBar()->addAction(a);
        else
            aperti.back()->addAction(a);
    }
}

QWidget* FinestraPrincipale::costruiscistrumenti() {
    auto* riquadro = new QWidget(this);
    auto* g = new QGridLayout(riquadro);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(4);
    int r = 0;
    auto coppia = [&](const char* a, const char* b) {
        QPushButton* pa = pulsante(a);
        QPushButton* pb = pulsante(b);
        for (QPushButton* p : {pa, pb}) {
            // A roomier face than the style's least; the width keeps to the
            // hint, so a larger font never clips a caption.
            p->setMinimumHeight(28);
            p->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        }
        g->addWidget(pa, r, 0);
        g->addWidget(pb, r, 1);
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
    linea("Line4");
    coppia("btnRigenera", "btnZoomPiu");
    coppia("btnPan", "BtnZoomMeno");

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
    // The first column holds an x coordinate (at most "4048.875"); the second
    // also the density and radius as stored, as long as "-3.402823E+38".
    QLabel* campione = pannello(etichetta(ETICHETTERISULTATI[0]));
    g->setColumnMinimumWidth(1, larghezzapannello(campione, 8));
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
    QLabel* descrizione = pannello(etichetta("lblDescrizione"));
    descrizione->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    h->addWidget(descrizione, 1);
    return barra;
}

// ---- Events -----------------------------------------------------------------

void FinestraPrincipale::esegui(const std::function<void()>& gestore) {
    // A modal message box inside a handler runs a nested event loop: only
    // repaints and resizes get through it, and a resize waits for the handler.
    if (occupato_) return;
    struct Guardia {
        bool& b;
        ~Guardia() { b = false; }
    } guardia{occupato_};
    occupato_ = true;
    gestore();
    while (ridimensionare_) {
        ridimensionare_ = false;
        nucleo_->Form_Resize();
    }
    sincronizza();
}

void FinestraPrincipale::clic(const QString& nome) {
    const std::string n = nome.toStdString();
    esegui([&] {
        if (n == "mnuFileApri")
            archivio_->mnuFileApri_Click();
        else if (n == "mnuFileSalva")
            archivio_->mnuFileSalva_Click();
        else if (n == "mnuFileSalvaconnome")
            archivio_->mnuFileSalvaconnome_Click();
        else if (n == "mnuFileStampa")
            stampa_->mnuFileStampa_Click();
        else if (n == "mnuFileEsporta")
            esportazione_->mnuFileEsporta_Click();
        else if (n == "mnuEditaCopiaRisultati")
            copiarisultati();
        else
            nucleo_->clic(n);
    });
}

bool FinestraPrincipale::apri(const QString& percorso) {
    bool aperto = false;
    esegui([&] { aperto = archivio_->apri(percorso); });
    return aperto;
}

// As text, one "caption value" a line; as a table a spreadsheet pastes into
// two columns.
void FinestraPrincipale::copiarisultati() {
    const std::string testo = nucleo_->testorisultati(false);
    if (testo.empty()) return;
    auto* dati = new QMimeData;
    dati->setText(QString::fromStdString(testo));
    const QString tabella = QString::fromStdString(nucleo_->testorisultati(true));
    dati->setData(QStringLiteral("text/tab-separated-values"), tabella.toUtf8());
    QString html = QStringLiteral("<table>");
    for (const QString& riga : tabella.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList celle = riga.split(QLatin1Char('\t'));
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(celle.value(0).toHtmlEscaped(), celle.value(1).toHtmlEscaped());
    }
    dati->setHtml(html + QStringLiteral("</table>"));
    QGuiApplication::clipboard()->setMimeData(dati);
}

void FinestraPrincipale::closeEvent(QCloseEvent* evento) {
    // The question is asked only while unsaved changes exist.
    bool chiudere = false;
    esegui([&] {
        chiudere = archivio_->salvaremodifiche(
            "La sezione è stata modificata. Salvare le modifiche prima di chiudere?");
    });
    if (chiudere)
        evento->accept();
    else
        evento->ignore();
}

void FinestraPrincipale::resizeEvent(QResizeEvent* evento) {
    QMainWindow::resizeEvent(evento);
    ridimensionata();
}

void FinestraPrincipale::changeEvent(QEvent* evento) {
    QMainWindow::changeEvent(evento);
    // Restored from the task bar: the area is painted anew by the system.
    if (evento->type() == QEvent::WindowStateChange && caricato_ &&
        (static_cast<QWindowStateChangeEvent*>(evento)->oldState() & Qt::WindowMinimized) &&
        !(windowState() & Qt::WindowMinimized))
        esegui([this] { nucleo_->picAreagrafica_Paint(); });
}

void FinestraPrincipale::ridimensionata() {
    if (!caricato_) return;
    if (occupato_) {
        ridimensionare_ = true;
        return;
    }
    esegui([this] { nucleo_->Form_Resize(); });
}

bool FinestraPrincipale::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::ShortcutOverride && qobject_cast<QLineEdit*>(oggetto)) {
        // A text box would keep Ctrl+C for copying: the menu's Cerchio has it.
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        const QKeySequence premuta(tasto->keyCombination());
        for (const QKeySequence& s : scorciatoie_)
            if (s == premuta) return true;
        return QMainWindow::eventFilter(oggetto, evento);
    }
    // Only the y captions show their own text as tooltip; the text boxes pass
    // through this filter too and keep theirs.
    if ((evento->type() == QEvent::MouseMove || evento->type() == QEvent::Enter) &&
        qobject_cast<QLabel*>(oggetto)) {
        const std::string nome = oggetto->objectName().toStdString();
        for (const char* y : ETICHETTEY)
            if (nome == y) esegui([&] { nucleo_->assey_MouseMove(nome); });
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

// ---- Control states -----------------------------------------------------------

QString FinestraPrincipale::simbolo(const QString& testo) {
    // The Latin keys of the classic symbol font and the Greek letters they carry.
    static const char16_t minuscole[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";
    static const char16_t maiuscole[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
    QString r = testo;
    for (QChar& c : r) {
        const char16_t u = c.unicode();
        if (u >= 'a' && u <= 'z')
            c = QChar(minuscole[u - 'a']);
        else if (u >= 'A' && u <= 'Z')
            c = QChar(maiuscole[u - 'A']);
    }
    return r;
}

void FinestraPrincipale::applica(Voce& v) {
    const Controllo& c = *v.stato;
    Controllo& a = v.applicato;
    QWidget* w = v.widget;

    if (v.tipo != Tipo::Area &&
        (v.nuovo || c.didascalia != a.didascalia || c.simbolo != a.simbolo)) {
        QString testo = QString::fromStdString(c.didascalia);
        if (c.simbolo) testo = simbolo(testo);
        switch (v.tipo) {
        case Tipo::Pulsante: static_cast<QPushButton*>(w)->setText(testo); break;
        case Tipo::Etichetta: static_cast<QLabel*>(w)->setText(testo); break;
        case Tipo::Casella: {
            // Only a real change: setText would move the user's cursor.
            auto* t = static_cast<QLineEdit*>(w);
            if (t->text() != testo) t->setText(testo);
            break;
        }
        case Tipo::Area: break;
        }
        a.didascalia = c.didascalia;
        a.simbolo = c.simbolo;
    }
    if (v.nuovo || c.suggerimento != a.suggerimento) {
        w->setToolTip(QString::fromStdString(c.suggerimento));
        a.suggerimento = c.suggerimento;
    }
    if (v.nuovo || c.abilitato != a.abilitato) {
        w->setEnabled(c.abilitato);
        a.abilitato = c.abilitato;
    }
    if (v.tipo != Tipo::Area && (v.nuovo || c.sfondo != a.sfondo)) {
        if (c.sfondo == FACCIA) {
            // The platform's own look: drop any palette of ours.
            w->setPalette(QPalette());
            if (v.tipo == Tipo::Etichetta) w->setAutoFillBackground(false);
        } else {
            const QColor colore = colorerg(c.sfondo);
            QPalette p = w->palette();
            switch (v.tipo) {
            case Tipo::Pulsante:
                p.setColor(QPalette::Button, colore);
                p.setColor(QPalette::ButtonText, testosu(colore));
                break;
            case Tipo::Etichetta:
                p.setColor(QPalette::Window, colore);
                p.setColor(QPalette::WindowText, testosu(colore));
                w->setAutoFillBackground(true);
                break;
            case Tipo::Casella:
                p.setColor(QPalette::Base, colore);
                p.setColor(QPalette::Text, testosu(colore));
                break;
            case Tipo::Area: break;
            }
            w->setPalette(p);
        }
        a.sfondo = c.sfondo;
    }
    v.nuovo = false;
}

void FinestraPrincipale::sincronizza() {
    for (Voce& v : voci_) applica(v);
    const QString titolo = QString::fromStdString(nucleo_->titolo());
    if (windowTitle() != titolo) setWindowTitle(titolo);
    // The Modifica menu: what can be undone, redone, copied now.
    const auto voce = [this](const char* nome, bool attiva, const std::string& suggerimento) {
        if (auto* a = findChild<QAction*>(QString::fromUtf8(nome))) {
            a->setEnabled(attiva);
            a->setStatusTip(QString::fromStdString(suggerimento));
        }
    };
    voce("mnuEditaAnnulla", nucleo_->puoiannullare(), nucleo_->descrizioneannulla());
    voce("mnuEditaRipeti", nucleo_->puoiripetere(), nucleo_->descrizioneripeti());
    voce("mnuEditaCopiaRisultati", nucleo_->ris.eseguito, "Copia i quindici risultati");
    area_->puntatore(nucleo_->puntatore);
    if (nucleo_->pausadivieto != pausavista_) {
        pausavista_ = nucleo_->pausadivieto;
        area_->divieto(300);
    }
    // Most mouse moves draw nothing: repaint only a picture that changed.
    if (nucleo_->pic.versione != versionedipinta_ || nucleo_->pic.sfondo != sfondodipinto_) {
        versionedipinta_ = nucleo_->pic.versione;
        sfondodipinto_ = nucleo_->pic.sfondo;
        area_->aggiorna();
    }
}

}  // namespace vask
