#include "app/lingua.h"

#include <QCoreApplication>
#include <cstdlib>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "app/archivio.h"
#include "model/testi.h"

namespace vask {

namespace {

const QString CHIAVELINGUA = QStringLiteral("lingua");
Lingua attuale = Lingua::Italiano;

QSettings impostazioni() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QString::fromUtf8(ORGANIZZAZIONE),
                     QString::fromUtf8(APPLICAZIONE));
}

}  // namespace

void impostalingua(Lingua lingua) {
    // Made once, living as long as the program: installed or not as asked.
    static QTranslator* const inglese = [] {
        auto* t = new QTranslator(QCoreApplication::instance());
        (void)t->load(QStringLiteral(":/traduzioni/vask2cad_en.qm"));
        return t;
    }();
    // Qt's own dialogs (files, printing) in Italian, wherever Qt's translations are installed.
    static QTranslator* const qtitaliano = [] {
        auto* t = new QTranslator(QCoreApplication::instance());
        (void)t->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return t;
    }();
    QCoreApplication::removeTranslator(inglese);
    QCoreApplication::removeTranslator(qtitaliano);
    QCoreApplication::installTranslator(lingua == Lingua::Inglese ? inglese : qtitaliano);
    attuale = lingua;
}

Lingua linguaattuale() { return attuale; }

bool linguainiziale(const QStringList& argomenti, Lingua& lingua, QString& sbagliata) {
    lingua = linguadisistema([](const char* nome) { return std::getenv(nome); });
    linguasalvata(lingua);
    for (int i = 1; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (a == QLatin1String("--")) break;
        if (a != QLatin1String("--lingua") && !a.startsWith(QLatin1String("--lingua="))) continue;
        const QString valore = a.contains(QLatin1Char('=')) ? a.section(QLatin1Char('='), 1) : argomenti.value(i + 1);
        if (!leggilingua(valore.toStdString(), lingua)) {
            sbagliata = valore;
            return false;
        }
    }
    return true;
}

namespace {

// A part may itself be a composed sentence (an undo step's name inside
// "Annulla: %1"): a few levels are enough.
std::string tradottoin(const std::string& testo, int livelli) {
    if (testo.empty()) return testo;
    const QString t = QCoreApplication::translate("Vask", testo.c_str());
    if (t != QString::fromStdString(testo)) return t.toStdString();
    std::string modello;
    std::vector<std::string> parti;
    if (livelli == 0 || !scomponi(testo, modello, parti)) return testo;
    for (std::string& p : parti) p = tradottoin(p, livelli - 1);
    // One pass puts each part where the language wants it, never reading a part's own "%n".
    return riempi(QCoreApplication::translate("Vask", modello.c_str()).toStdString(), parti);
}

}  // namespace

QString tradotto(const std::string& testo) {
    // Italian is the texts' own language: nothing to look up.
    return QString::fromStdString(attuale == Lingua::Italiano ? testo : tradottoin(testo, 3));
}

std::string tradottorelazione(const char* testo) {
    QString t = QCoreApplication::translate("Relazione", testo);
    if (t == QString::fromUtf8(testo)) t = QCoreApplication::translate("Vask", testo);
    return t.toStdString();
}

bool linguasalvata(Lingua& lingua) {
    QSettings s = impostazioni();
    return leggilingua(s.value(CHIAVELINGUA).toString().toStdString(), lingua);
}

void salvalingua(Lingua lingua) {
    QSettings s = impostazioni();
    s.setValue(CHIAVELINGUA, lingua == Lingua::Inglese ? QStringLiteral("en") : QStringLiteral("it"));
}

}  // namespace vask
