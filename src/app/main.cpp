// Vask_2 cad: the start window, then the main window.
#include <QApplication>
#include <QLocale>
#include <QStyleFactory>

#include "app/finestraprincipale.h"
#include "app/splash.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("Vask_2 cad"));

    vask::separatoredallalocale(QLocale::system());

    // VASK_SENZA_SPLASH=1 opens the main window at once (screenshots, demos).
    if (qEnvironmentVariableIntValue("VASK_SENZA_SPLASH") == 1) {
        vask::FinestraPrincipale finestra;
        finestra.show();
        return app.exec();
    }
    vask::FinestraAvvio avvio;
    avvio.show();
    return app.exec();
}
