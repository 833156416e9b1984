#include "app/archivio.h"

#include <QFileDialog>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

#include "app/filesezione.h"
#include "app/lingua.h"

namespace vask {

namespace {
QString filtrovask() { return QCoreApplication::translate("Finestre", "Sezioni di Vask_2 cad (*.vask)"); }

std::string domandaapri() {
    return QCoreApplication::translate("Finestre",
                                       "La sezione è stata modificata. Salvare le modifiche prima di aprire un'altra "
                                       "sezione?")
        .toStdString();
}

// The one thing kept between runs, read and written whole.
const QString CHIAVERECENTI = QStringLiteral("recenti");

std::vector<std::string> recentiletti() {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QString::fromUtf8(ORGANIZZAZIONE),
                QString::fromUtf8(APPLICAZIONE));
    s.setFallbacksEnabled(false);
    std::vector<std::string> v;
    for (const QString& p : s.value(CHIAVERECENTI).toStringList()) v.push_back(p.toStdString());
    return v;
}

void recentiscritti(const std::vector<std::string>& elenco) {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QString::fromUtf8(ORGANIZZAZIONE),
                QString::fromUtf8(APPLICAZIONE));
    QStringList l;
    for (const std::string& p : elenco) l << QString::fromStdString(p);
    if (l.isEmpty())
        s.remove(CHIAVERECENTI);
    else
        s.setValue(CHIAVERECENTI, l);
}
}  // namespace

namespace {
// The extension follows the type chosen when the name is accepted, however
// the type was chosen.
class DialogoSalva : public QFileDialog {
public:
    DialogoSalva(QWidget* genitore, const QString& titolo, const QString& proposto,
                 const QStringList& filtri, const QStringList& estensioni)
        : QFileDialog(genitore, titolo, proposto), filtri_(filtri), estensioni_(estensioni) {
        setAcceptMode(QFileDialog::AcceptSave);
        setNameFilters(filtri);
        setDefaultSuffix(estensioni.value(0));
        // A native dialog accepts by itself, but says which type was chosen.
        connect(this, &QFileDialog::filterSelected, this, [this](const QString& filtro) {
            setDefaultSuffix(estensioni_.value(int(filtri_.indexOf(filtro))));
        });
    }
    void accept() override {
        setDefaultSuffix(estensioni_.value(int(filtri_.indexOf(selectedNameFilter()))));
        QFileDialog::accept();
    }

private:
    QStringList filtri_, estensioni_;
};
}  // namespace

QString dialogosalva(QWidget* genitore, const QString& titolo, const QString& proposto,
                     const QStringList& filtri, const QStringList& estensioni) {
    DialogoSalva d(genitore, titolo, proposto, filtri, estensioni);
    return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
}

Archivio::Archivio(FrmVask_2& nucleo, Messaggi& messaggi, QWidget* genitore)
    : n_(nucleo), m_(messaggi), genitore_(genitore) {
    sceglidaaprire = [this] {
        return QFileDialog::getOpenFileName(
            genitore_, QCoreApplication::translate("Finestre", "Apri sezione"), QString(),
            filtrovask() + QStringLiteral(";;") + QCoreApplication::translate("Finestre", "Tutti i file (*)"));
    };
    sceglidasalvare = [this](const QString& proposto) {
        return dialogosalva(genitore_, QCoreApplication::translate("Finestre", "Salva sezione"), proposto,
                            {filtrovask()}, {QStringLiteral("vask")});
    };
    recenti_.imposta(recentiletti());
}

void Archivio::ricorda(const QString& percorso, bool presente) {
    // Another copy of the program may have changed the list meanwhile.
    recenti_.imposta(recentiletti());
    const std::string p = QFileInfo(percorso).absoluteFilePath().toStdString();
    if (presente)
        recenti_.aggiungi(p);
    else
        recenti_.togli(p);
    recentiscritti(recenti_.elenco());
    if (recenticambiati) recenticambiati();
}

void Archivio::apririecente(size_t i) {
    if (i >= recenti_.elenco().size()) return;
    const QString percorso = QString::fromStdString(recenti_.elenco()[i]);
    // Checked before the question: nothing to save for a file that is not there.
    if (sparito(percorso)) {
        m_.mostra(QCoreApplication::translate(
                      "Finestre", "Il file «%1» non esiste più: è stato tolto dall'elenco dei file recenti.")
                      .arg(percorso)
                      .toStdString(),
                  QCoreApplication::translate("Finestre", "File recente non trovato.").toStdString(),
                  Icona::Esclamazione, Pulsanti::Ok);
        ricorda(percorso, false);
        return;
    }
    if (salvaremodifiche(domandaapri())) apri(percorso);
}

bool Archivio::salvaremodifiche(const std::string& domanda) {
    if (!n_.modificata()) return true;
    switch (m_.mostra(domanda, QCoreApplication::translate("Finestre", "Modifiche non salvate.").toStdString(),
                      Icona::Esclamazione, Pulsanti::SiNoAnnulla)) {
    case Risposta::Si: return salva();
    case Risposta::No: return true;
    default: return false;
    }
}

void Archivio::mnuFileApri_Click() {
    if (!salvaremodifiche(domandaapri())) return;
    const QString percorso = sceglidaaprire();
    if (!percorso.isEmpty()) apri(percorso);
}

bool Archivio::apri(const QString& percorso) {
    const auto rifiuta = [&](const QString& problema) {
        m_.mostra(nonaperto(QFileInfo(percorso).fileName(), problema).toStdString(),
                  QCoreApplication::translate("Finestre", "Sezione non aperta.").toStdString(), Icona::Esclamazione,
                  Pulsanti::Ok);
        return false;
    };
    Documento d;
    if (QString problema = leggifilesezione(percorso, d); !problema.isEmpty()) return rifiuta(problema);
    if (std::string problema = n_.apridocumento(d, percorso.toStdString()); !problema.empty())
        return rifiuta(tradotto(problema));
    ricorda(percorso, true);
    return true;
}

bool Archivio::salva() {
    if (n_.nomedocumento.empty()) return salvaconnome();
    return scrivi(QString::fromStdString(n_.nomedocumento));
}

bool Archivio::salvaconnome() {
    QString percorso = sceglidasalvare(QString::fromStdString(n_.nomedocumento));
    if (percorso.isEmpty()) return false;
    if (QFileInfo(percorso).suffix().isEmpty()) percorso += QStringLiteral(".vask");
    return scrivi(percorso);
}

// Atomic: the file on disk is replaced only once the new one is whole.
bool Archivio::scrivi(const QString& percorso) {
    QSaveFile f(percorso);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(scrivisezione(n_.documento()));
        if (f.commit()) {
            n_.documentosalvato(percorso.toStdString());
            ricorda(percorso, true);
            return true;
        }
    }
    m_.mostra(QCoreApplication::translate("Finestre", "Impossibile salvare «%1»: %2.")
                  .arg(QFileInfo(percorso).fileName(), f.errorString())
                  .toStdString(),
              QCoreApplication::translate("Finestre", "Salvataggio non riuscito.").toStdString(), Icona::Esclamazione,
              Pulsanti::Ok);
    return false;
}

}  // namespace vask
