// The main window: its parts put together, the core loaded.
#include "app/finestraprincipale.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPixmapCache>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "app/archivio.h"
#include "app/areagrafica.h"
#include "app/esportazione.h"
#include "app/lingua.h"
#include "app/messaggiqt.h"
#include "app/stampa.h"
#include "model/numeri.h"

namespace vask {

void separatoredallalocale(const QLocale& locale) {
    const QString punto = locale.decimalPoint();
    const char separatore = punto.size() == 1 ? punto.at(0).toLatin1() : 0;
    impostaseparatore(separatore ? separatore : '.');
}

FinestraPrincipale::FinestraPrincipale(Messaggi* messaggi, QWidget* genitore)
    : QMainWindow(genitore) {
    setObjectName(QStringLiteral("FrmVask_2"));
    cartellaprogramma = QCoreApplication::applicationDirPath();
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
    messaggi_ = messaggi;
    nucleo_ = std::make_unique<FrmVask_2>(*messaggi);
    archivio_ = std::make_unique<Archivio>(*nucleo_, *messaggi, this);
    setWindowTitle(tradotto(nucleo_->titolo()));

    creacontrolli();
    esportazione_ = std::make_unique<Esportazione>(*nucleo_, *messaggi, this, area_);
    stampa_ = std::make_unique<Stampa>(*nucleo_, *messaggi, this);
    costruiscimenu();
    archivio_->recenticambiati = [this] { mostrarecenti(); };
    mostrarecenti();

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
    // One thin line under the hint bar: the menus' tips (the undo step among
    // them) pass over the text a command left there.
    statusBar()->setObjectName(QStringLiteral("barraStato"));
    statusBar()->setSizeGripEnabled(false);
    statoBarra_ = new QLabel(this);
    statoBarra_->setObjectName(QStringLiteral("lblStato"));
    statusBar()->addWidget(statoBarra_, 1);

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
    connect(area_, &AreaGrafica::rotella, this, [this](float x, float y, bool piu) {
        esegui([=] { nucleo_->picAreagrafica_MouseWheel(x, y, piu); });
    });
    connect(area_, &AreaGrafica::ridimensionata, this, &FinestraPrincipale::ridimensionata);

    // The point box: Enter gives the point, Up and Down recall earlier ones
    // (through the event filter); Esc abandons a command from anywhere.
    connect(casella("txtPunto"), &QLineEdit::returnPressed, this, [this] { esegui([this] { nucleo_->txtPunto_Invio(); }); });
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, [this] { esegui([this] { nucleo_->tasto_Esc(); }); });

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

}  // namespace vask
