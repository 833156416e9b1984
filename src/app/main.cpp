// Vask_2 cad: the start window, then the main window, optionally opening a
// section file; or, with --risultati, the results of section files printed
// without any window.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QStyleFactory>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>

#include "app/archivio.h"
#include "app/finestraprincipale.h"
#include "app/lingua.h"
#include "app/risultati.h"
#include "app/splash.h"
#include "model/puntodigitato.h"

namespace {

// The parser's own headings are English: the help is put into the
// interface's language here.
QString aiuto(const QCommandLineParser& parser) {
    QString testo = parser.helpText();
    // The first line names the program by the path it was started with.
    testo.replace(0, testo.indexOf(QLatin1Char('\n')),
                  QCoreApplication::translate("Riga di comando", "Uso: vask2cad [opzioni] [file.vask]\n"
                                                                 "     vask2cad --risultati file.vask...\n"
                                                                 "     vask2cad --relazione file.vask...\n"
                                                                 "     vask2cad --carico x;y file.vask..."));
    testo.replace(QStringLiteral("\nOptions:\n"), QCoreApplication::translate("Riga di comando", "\nOpzioni:\n"));
    testo.replace(QStringLiteral("\nArguments:\n"), QCoreApplication::translate("Riga di comando", "\nArgomenti:\n"));
    // Qt's own Italian, where installed, calls them so.
    testo.replace(QStringLiteral("\nParametri:\n"), QCoreApplication::translate("Riga di comando", "\nArgomenti:\n"));
    return testo;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The settings' names too (app/archivio.h): the recent files are kept under them.
    QCoreApplication::setOrganizationName(QString::fromUtf8(vask::ORGANIZZAZIONE));
    QCoreApplication::setApplicationName(QString::fromUtf8(vask::APPLICAZIONE));
    QCoreApplication::setApplicationVersion(QStringLiteral(VASK_VERSIONE));
    const std::unique_ptr<QCoreApplication> app =
        vask::senzafinestre(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                                  : std::make_unique<QApplication>(argc, argv);
    QTextStream uscita(stdout), errori(stderr);
    // The help and the windows both speak the language chosen here.
    vask::Lingua lingua = vask::Lingua::Italiano;
    QString sbagliata;
    if (!vask::linguainiziale(app->arguments(), lingua, sbagliata)) {
        // Told in the language chosen so far.
        vask::impostalingua(lingua);
        errori << "vask2cad: "
               << QCoreApplication::translate("Riga di comando", "--lingua vuole it oppure en, non \"%1\".").arg(sbagliata)
               << '\n';
        return 1;
    }
    vask::impostalingua(lingua);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("Riga di comando", "Programma didattico per la geometria delle masse: baricentro, momenti di "
                       "inerzia, ellisse e nocciolo centrale di una sezione."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                  QCoreApplication::translate("Riga di comando", "Mostra questo aiuto ed esce."));
    const QCommandLineOption versione({QStringLiteral("v"), QStringLiteral("version")},
                                      QCoreApplication::translate("Riga di comando", "Mostra la versione ed esce."));
    const QCommandLineOption risultati(
        QStringLiteral("risultati"),
        QCoreApplication::translate("Riga di comando", "Scrive i quindici risultati di ogni sezione indicata, come nel pannello dei "
                       "risultati, senza aprire finestre, ed esce."));
    const QCommandLineOption relazione(
        QStringLiteral("relazione"),
        QCoreApplication::translate("Riga di comando", "Scrive la relazione di calcolo di ogni sezione indicata come testo (tabelle "
                       "separate da tabulazioni), senza aprire finestre, ed esce."));
    const QCommandLineOption carico(
        QStringLiteral("carico"),
        QCoreApplication::translate("Riga di comando", "Con il centro di sollecitazione nel punto x;y: scrive, dopo i quindici risultati, le sue "
                       "coordinate centrali, l'asse neutro, le tensioni estreme e il confronto con il nocciolo "
                       "(con --relazione, la sezione Carico della relazione), ed esce."),
        QStringLiteral("x;y"));
    const QCommandLineOption opzionelingua(QStringLiteral("lingua"),
                                           QCoreApplication::translate("Riga di comando", "La lingua dell'interfaccia: it (italiano) o en (English)."),
                                           QStringLiteral("it|en"));
    parser.addOption(help);
    parser.addOption(carico);
    parser.addOption(opzionelingua);
    parser.addOption(versione);
    parser.addOption(risultati);
    parser.addOption(relazione);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("Riga di comando", "La sezione (.vask) da aprire all'avvio; con --risultati, --relazione o --carico, le "
                       "sezioni da calcolare."),
        QStringLiteral("[file.vask]"));

    if (!parser.parse(app->arguments())) {
        const QStringList sconosciute = parser.unknownOptionNames();
        errori << "vask2cad: "
               << (sconosciute.isEmpty() ? parser.errorText()
                                         : QCoreApplication::translate("Riga di comando", "opzione sconosciuta \"%1\".")
                                               .arg(sconosciute.first()))
               << '\n' << QCoreApplication::translate("Riga di comando", "Per l'aiuto: vask2cad --help") << '\n';
        return 1;
    }
    if (parser.isSet(help)) {
        uscita << aiuto(parser);
        return 0;
    }
    if (parser.isSet(versione)) {
        uscita << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
               << '\n';
        return 0;
    }
    const QStringList file = parser.positionalArguments();
    if (parser.isSet(risultati) || parser.isSet(relazione) || parser.isSet(carico)) {
        const bool passi = parser.isSet(relazione) && !parser.isSet(risultati);
        const char* opzione = parser.isSet(carico) ? "--carico" : passi ? "--relazione" : "--risultati";
        if (file.isEmpty()) {
            errori << "vask2cad: "
                   << QCoreApplication::translate("Riga di comando", "%1 vuole almeno un file di sezione.")
                          .arg(QLatin1String(opzione))
                   << '\n';
            return 1;
        }
        vask::Puntocarico punto;
        if (parser.isSet(carico)) {
            vask::PuntoDigitato p;
            if (vask::leggipunto(parser.value(carico).toStdString(), p) != vask::EsitoPunto::Ammesso || p.relativo) {
                errori << "vask2cad: "
                       << QCoreApplication::translate("Riga di comando",
                                                      "--carico vuole il centro di sollecitazione come x;y (per "
                                                      "esempio 3.5;2), non \"%1\".")
                              .arg(parser.value(carico))
                       << '\n';
                return 1;
            }
            punto = {true, p.x, p.y};
        }
        vask::separatoredallalocale(QLocale::system());
        return vask::stamparisultati(file, uscita, errori, passi, punto);
    }
    if (file.size() > 1) {
        errori << "vask2cad: "
               << QCoreApplication::translate("Riga di comando",
                                              "si apre una sezione alla volta; per i risultati di più sezioni: "
                                              "vask2cad --risultati file.vask...")
               << '\n';
        return 1;
    }

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Italian is the program's own language; English comes from the texts
    // compiled into it. Qt's own dialogs follow, wherever Qt's translations
    // are installed (English needs none).

    vask::separatoredallalocale(QLocale::system());
    // Absolute, so that saving later goes back to the same file.
    const QString daaprire = file.isEmpty() ? QString() : QFileInfo(file.first()).absoluteFilePath();

    // VASK_SENZA_SPLASH=1 opens the main window at once (screenshots, demos).
    if (qEnvironmentVariableIntValue("VASK_SENZA_SPLASH") == 1) {
        vask::FinestraPrincipale finestra;
        finestra.show();
        if (!daaprire.isEmpty())
            QTimer::singleShot(0, &finestra, [&finestra, &daaprire] { finestra.apri(daaprire); });
        return app->exec();
    }
    vask::FinestraAvvio avvio;
    avvio.daaprire(daaprire);
    avvio.show();
    return app->exec();
}
