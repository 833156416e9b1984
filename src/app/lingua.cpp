#include "app/lingua.h"

#include <QCoreApplication>
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

QString tradotto(const std::string& testo) {
    const QString proprio = QString::fromStdString(testo);
    if (testo.empty()) return proprio;
    const QString t = QCoreApplication::translate("Vask", testo.c_str());
    if (t != proprio) return t;
    std::string modello;
    std::vector<std::string> parti;
    if (!scomponi(testo, modello, parti)) return proprio;
    // arg() fills the lowest number left: the parts go where the language
    // puts them; a part that is itself a marked text is translated too.
    QString r = QCoreApplication::translate("Vask", modello.c_str());
    for (const std::string& p : parti) r = r.arg(QCoreApplication::translate("Vask", p.c_str()));
    return r;
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
