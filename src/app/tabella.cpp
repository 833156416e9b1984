#include "app/tabella.h"

#include <QApplication>
#include <QCoreApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "app/lingua.h"
#include "edit/frmvask2.h"

namespace vask {

namespace {

// Column and row names as the user reads them, for the clipboard both ways.
std::string nomeinlingua(const char* testo) { return tradotto(testo).toStdString(); }

}  // namespace

FinestraTabella::FinestraTabella(FrmVask_2& nucleo, std::function<void(const std::function<void()>&)> esegui,
                                 QWidget* genitore)
    : QWidget(genitore, Qt::Window), nucleo_(nucleo), esegui_(std::move(esegui)) {
    setObjectName(QStringLiteral("frmTabella"));
    griglia_ = new QTableWidget(0, FrmVask_2::COLONNE, this);
    griglia_->setObjectName(QStringLiteral("grdElementi"));
    griglia_->verticalHeader()->setVisible(false);
    // Every column as wide as its longest number: the whole row in view.
    griglia_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    griglia_->setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    griglia_->installEventFilter(this);

    copia_ = new QPushButton(this);
    copia_->setObjectName(QStringLiteral("btnTabellaCopia"));
    incolla_ = new QPushButton(this);
    incolla_->setObjectName(QStringLiteral("btnTabellaIncolla"));
    connect(copia_, &QPushButton::clicked, this, &FinestraTabella::copia);
    connect(incolla_, &QPushButton::clicked, this, &FinestraTabella::incolla);
    traduci();

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(copia_);
    pulsanti->addWidget(incolla_);
    pulsanti->addStretch(1);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(griglia_, 1);
    colonna->addLayout(pulsanti);

    // A cell typed by the user goes to the core; the table is then rewritten
    // from it, so a refused value shows the old one again.
    connect(griglia_, &QTableWidget::cellChanged, this, [this](int riga, int colonna) {
        if (aggiornando_) return;
        const std::string testo = griglia_->item(riga, colonna)->text().toStdString();
        esegui_([&] { nucleo_.modificacella(riga, colonna, testo); });
        aggiorna();  // a refused value leaves the section as it was: show the old one again
    });
    connect(griglia_, &QTableWidget::itemSelectionChanged, this, [this] {
        if (aggiornando_) return;
        const QList<QTableWidgetSelectionRange> scelte = griglia_->selectedRanges();
        if (scelte.size() != 1 || scelte[0].rowCount() != 1) return;
        const int riga = scelte[0].topRow();
        if (riga != nucleo_.rigaselezionata()) esegui_([&] { nucleo_.selezionariga(riga); });
    });
    resize(880, 360);
}

void FinestraTabella::aggiorna() {
    aggiornando_ = true;
    const std::vector<FrmVask_2::RigaTabella> righe = nucleo_.tabella();
    griglia_->setRowCount(int(righe.size()));
    for (int i = 0; i < int(righe.size()); ++i)
        for (int c = 0; c < FrmVask_2::COLONNE; ++c) {
            const QString testo = c ? QString::fromStdString(righe[size_t(i)].celle[c]) : tradotto(righe[size_t(i)].celle[c]);
            QTableWidgetItem* cella = griglia_->item(i, c);
            if (!cella) {
                cella = new QTableWidgetItem;
                cella->setTextAlignment(c ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
                griglia_->setItem(i, c, cella);
            }
            // Only what changed: every change lays the columns out anew.
            if (cella->text() != testo) cella->setText(testo);
            Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
            if (righe[size_t(i)].modificabile[c]) f |= Qt::ItemIsEditable;
            if (cella->flags() != f) cella->setFlags(f);
        }
    // The element selected in the drawing is the row selected here.
    const int scelta = nucleo_.rigaselezionata();
    const QList<QTableWidgetSelectionRange> attuali = griglia_->selectedRanges();
    const bool giusta = scelta >= 0 && attuali.size() == 1 && attuali[0].topRow() == scelta &&
                        attuali[0].rowCount() == 1;
    if (scelta >= 0 && !giusta)
        griglia_->selectRow(scelta);
    else if (scelta < 0 && attuali.size() == 1 && attuali[0].rowCount() == 1)
        griglia_->clearSelection();
    aggiornando_ = false;
}

void FinestraTabella::copia() {
    std::set<int> righe;
    for (const QTableWidgetSelectionRange& r : griglia_->selectedRanges())
        for (int i = r.topRow(); i <= r.bottomRow(); ++i) righe.insert(i);
    const std::string testo = nucleo_.testotabella(std::vector<int>(righe.begin(), righe.end()),
                                                   nomeinlingua);
    QApplication::clipboard()->setText(QString::fromStdString(testo));
}

void FinestraTabella::incolla() {
    const std::string testo = QApplication::clipboard()->text().toStdString();
    esegui_([&] { nucleo_.incollatabella(testo, nomeinlingua); });
}

void FinestraTabella::traduci() {
    setWindowTitle(QCoreApplication::translate("Finestre", "Elementi della sezione"));
    QStringList intestazioni;
    for (const char* c : FrmVask_2::COLONNETABELLA) intestazioni << tradotto(c);
    griglia_->setHorizontalHeaderLabels(intestazioni);
    copia_->setText(QCoreApplication::translate("Finestre", "Copia"));
    copia_->setToolTip(QCoreApplication::translate("Finestre", "Copia le righe scelte (o tutte) come testo separato da tabulazioni"));
    incolla_->setText(QCoreApplication::translate("Finestre", "Incolla"));
    incolla_->setToolTip(QCoreApplication::translate("Finestre", "Aggiunge gli elementi delle righe copiate da un foglio di calcolo"));
}

void FinestraTabella::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::LanguageChange) {
        traduci();
        aggiorna();
    }
    QWidget::changeEvent(evento);
}

bool FinestraTabella::eventFilter(QObject* oggetto, QEvent* evento) {
    // Copy and paste of whole rows, not of one cell's text.
    if (oggetto == griglia_ && evento->type() == QEvent::KeyPress) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto->matches(QKeySequence::Copy)) {
            copia();
            return true;
        }
        if (tasto->matches(QKeySequence::Paste)) {
            incolla();
            return true;
        }
    }
    return QWidget::eventFilter(oggetto, evento);
}

}  // namespace vask
