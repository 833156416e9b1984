#include "app/guida.h"

#include <QFile>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBlock>
#include <QVBoxLayout>

namespace vask {

namespace {

// Far above any guide: a larger file is not one, and is not read whole.
constexpr qint64 GUIDAMASSIMA = 4 * 1024 * 1024;

}  // namespace

QString trovaguida(const QString& cartella, QStringList* cercati, const std::string& nome) {
    QString trovato;
    for (const std::string& p : percorsiguida(cartella.toStdString(), nome)) {
        const QString percorso = QString::fromStdString(p);
        if (cercati) cercati->push_back(percorso);
        const QFileInfo info(percorso);
        if (trovato.isEmpty() && info.isFile() && info.isReadable()) trovato = percorso;
    }
    return trovato;
}

FinestraGuida::FinestraGuida(QWidget* genitore) : QWidget(genitore, Qt::Window) {
    setObjectName(QStringLiteral("frmGuida"));
    setWindowTitle(QCoreApplication::translate("Finestre", "Guida - Vask_2 cad"));

    auto* etichetta = new QLabel(QCoreApplication::translate("Finestre", "Cerca:"), this);
    etichetta->setObjectName(QStringLiteral("lblCerca"));
    cerca_ = new QLineEdit(this);
    cerca_->setObjectName(QStringLiteral("txtCerca"));
    cerca_->setClearButtonEnabled(true);
    etichetta->setBuddy(cerca_);
    auto* successivo = new QPushButton(QCoreApplication::translate("Finestre", "Trova successivo"), this);
    successivo->setObjectName(QStringLiteral("btnTrovaSuccessivo"));
    successivo->setShortcut(QKeySequence::FindNext);
    successivo->setAutoDefault(false);
    esito_ = new QLabel(this);
    esito_->setObjectName(QStringLiteral("lblEsitoRicerca"));

    elenco_ = new QListWidget(this);
    elenco_->setObjectName(QStringLiteral("lstCapitoli"));
    // Long headings wrap rather than hide their end behind a scroll bar.
    elenco_->setWordWrap(true);
    elenco_->setResizeMode(QListView::Adjust);
    elenco_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    testo_ = new QPlainTextEdit(this);
    testo_->setObjectName(QStringLiteral("txtGuida"));
    testo_->setReadOnly(true);
    testo_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    testo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* riga = new QHBoxLayout;
    riga->addWidget(etichetta);
    riga->addWidget(cerca_, 1);
    riga->addWidget(successivo);
    riga->addWidget(esito_, 1);
    auto* divisore = new QSplitter(this);
    divisore->addWidget(elenco_);
    divisore->addWidget(testo_);
    divisore->setStretchFactor(1, 1);
    divisore->setSizes({260, 640});
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(riga);
    colonna->addWidget(divisore, 1);
    resize(900, 650);

    connect(elenco_, &QListWidget::currentRowChanged, this, &FinestraGuida::vaialcapitolo);
    connect(cerca_, &QLineEdit::textChanged, this, [this] { cerca(false); });
    connect(cerca_, &QLineEdit::returnPressed, this, [this] { cerca(true); });
    connect(successivo, &QPushButton::clicked, this, [this] { cerca(true); });
}

bool FinestraGuida::carica(const QString& percorso) {
    QFile f(percorso);
    if (!QFileInfo(percorso).isFile() || f.size() > GUIDAMASSIMA || !f.open(QIODevice::ReadOnly)) return false;
    QByteArray dati = f.readAll();
    if (f.error() != QFileDevice::NoError) return false;
    // Lines as the chapters count them: one block of the text each.
    dati.replace("\r\n", "\n").replace('\r', '\n');
    // Decoded and encoded again, so that the bytes searched are the text shown.
    chiaro_ = QString::fromUtf8(dati);
    utf8_ = chiaro_.toStdString();
    percorso_ = percorso;
    capitoli_ = capitoliguida(utf8_);
    trovato_ = std::string::npos;
    testo_->setPlainText(chiaro_);
    const QSignalBlocker fermo(elenco_);
    elenco_->clear();
    for (const CapitoloGuida& c : capitoli_) elenco_->addItem(QString::fromStdString(c.titolo));
    return true;
}

void FinestraGuida::vaialcapitolo(int indice) {
    if (indice < 0 || indice >= int(capitoli_.size())) return;
    // The rule above the heading at the top: from the end, the text scrolls up just far enough.
    const QTextBlock blocco = testo_->document()->findBlockByNumber(std::max(0, capitoli_[size_t(indice)].riga - 1));
    testo_->verticalScrollBar()->setValue(testo_->verticalScrollBar()->maximum());
    testo_->setTextCursor(QTextCursor(blocco));
    trovato_ = std::string::npos;  // the next search starts here
    const QSignalBlocker fermo(elenco_);
    elenco_->setCurrentRow(indice);
}

void FinestraGuida::cerca(bool successivo) {
    const std::string cercato = cerca_->text().toStdString();
    if (cercato.empty()) {
        trovato_ = std::string::npos;
        esito(true, QString());
        return;
    }
    const auto posizione = [this](size_t byte) { return int(QString::fromUtf8(utf8_.data(), qsizetype(byte)).size()); };
    const QTextCursor ora = testo_->textCursor();
    // The reader moved the cursor since the last match: the search goes on from there.
    if (trovato_ != std::string::npos && ora.selectionStart() != posizione(trovato_)) trovato_ = std::string::npos;
    const size_t da = trovato_ != std::string::npos
                          ? trovato_ + (successivo ? 1 : 0)
                          : size_t(chiaro_.left(ora.selectionStart()).toUtf8().size());
    const Corrispondenza c = cercanellaguida(utf8_, cercato, da);
    trovato_ = c.inizio;
    if (c.inizio == std::string::npos) {
        esito(false, QCoreApplication::translate("Finestre", "Nessuna corrispondenza."));
        return;
    }
    const int inizio = posizione(c.inizio);
    const int lunghezza = int(QString::fromUtf8(utf8_.data() + c.inizio, qsizetype(cercato.size())).size());
    QTextCursor selezione(testo_->document());
    selezione.setPosition(inizio);
    selezione.setPosition(inizio + lunghezza, QTextCursor::KeepAnchor);
    const int prima = testo_->verticalScrollBar()->value();
    testo_->setTextCursor(selezione);
    // A match scrolled into view is shown with the lines around it, not on the edge.
    if (testo_->verticalScrollBar()->value() != prima) testo_->centerCursor();
    const QSignalBlocker fermo(elenco_);
    elenco_->setCurrentRow(capitolodiriga(capitoli_, selezione.blockNumber()));
    esito(true, c.ricominciata ? QCoreApplication::translate("Finestre", "Ricerca ripresa dall'inizio.") : QString());
}

void FinestraGuida::esito(bool trovato, const QString& testo) {
    esito_->setText(testo);
    QPalette p = palette();
    if (!trovato) p.setColor(QPalette::Base, QColor(255, 210, 210));
    cerca_->setPalette(p);
}

}  // namespace vask
