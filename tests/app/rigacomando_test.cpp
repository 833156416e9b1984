// The program's command line, run as a user would: help, version, the
// results of sections printed without a display, and the mistakes.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include "app/risultati.h"
#include "esempi.h"
#include "model/numeri.h"

using namespace vask;

class RigaComandoTest : public QObject {
    Q_OBJECT

    struct Esito {
        int codice = -1;
        QString uscita, errori;
    };

    // No display at all: a window system asked for would fail to start and
    // abort the program, so each of these runs proves it opens no window.
    static Esito esegui(const QStringList& argomenti, const QString& lingua = QStringLiteral("C.UTF-8")) {
        QProcess p;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.remove(QStringLiteral("DISPLAY"));
        ambiente.remove(QStringLiteral("WAYLAND_DISPLAY"));
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        ambiente.insert(QStringLiteral("LC_ALL"), lingua);
        ambiente.insert(QStringLiteral("LANG"), lingua);
        p.setProcessEnvironment(ambiente);
        p.start(QStringLiteral(VASK2CAD), argomenti);
        Esito e;
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return e;
        e.codice = p.exitCode();
        e.uscita = QString::fromUtf8(p.readAllStandardOutput());
        e.errori = QString::fromUtf8(p.readAllStandardError());
        return e;
    }

    // What the function behind --risultati prints with that separator.
    static QString attesa(const QStringList& percorsi, char separatore) {
        impostaseparatore(separatore);
        QString uscita, errori;
        QTextStream u(&uscita), e(&errori);
        stamparisultati(percorsi, u, e);
        impostaseparatore('.');
        return uscita;
    }

private slots:
    void aiuto_in_italiano() {
        for (const char* opzione : {"--help", "-h"}) {
            const Esito e = esegui({QString::fromLatin1(opzione)});
            QCOMPARE(e.codice, 0);
            QVERIFY2(e.uscita.startsWith(QStringLiteral("Uso: vask2cad [opzioni] [file.vask]\n")),
                     qPrintable(e.uscita));
            for (const char* parola : {"--risultati", "--version", "Opzioni:", "Argomenti:"})
                QVERIFY2(e.uscita.contains(QString::fromLatin1(parola)), parola);
            QVERIFY(!e.uscita.contains(QStringLiteral("Displays")));
        }
    }

    void versione() {
        for (const char* opzione : {"--version", "-v"}) {
            const Esito e = esegui({QString::fromLatin1(opzione)});
            QCOMPARE(e.codice, 0);
            QCOMPARE(e.uscita, QStringLiteral("Vask_2 cad 2.0\n"));
        }
    }

    void risultati_degli_esempi_col_separatore_della_lingua() {
        QStringList percorsi;
        for (const auto& e : esempi::tutti()) percorsi << esempi::percorso(e);
        const Esito punto = esegui(QStringList{QStringLiteral("--risultati")} + percorsi);
        QCOMPARE(punto.codice, 0);
        QCOMPARE(punto.errori, QString());
        QCOMPARE(punto.uscita, attesa(percorsi, '.'));
        QVERIFY(punto.uscita.contains(QStringLiteral("\nA = 32.5\n")));  // the L section

        const Esito virgola = esegui(QStringList{QStringLiteral("--risultati")} + percorsi,
                                     QStringLiteral("it_IT.UTF-8"));
        QCOMPARE(virgola.codice, 0);
        QCOMPARE(virgola.uscita, attesa(percorsi, ','));
        QVERIFY(virgola.uscita.contains(QStringLiteral("\nA = 32,5\n")));
    }

    void un_file_rotto_esce_con_errore_e_il_messaggio_sugli_errori() {
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        const QString rotto = cartella.filePath(QStringLiteral("rotto.vask"));
        QFile f(rotto);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("non è una sezione");
        f.close();
        const QString buono = esempi::percorso(esempi::tutti()[2]);
        const Esito e = esegui({QStringLiteral("--risultati"), rotto, buono});
        QVERIFY(e.codice != 0 && e.codice != -1);
        QVERIFY2(e.errori.startsWith(QStringLiteral("vask2cad: Impossibile aprire «%1»: il testo non è JSON valido")
                                         .arg(rotto)),
                 qPrintable(e.errori));
        QCOMPARE(e.uscita, attesa({buono}, '.'));
    }

    void gli_errori_di_chi_scrive_il_comando() {
        const Esito nessuno = esegui({QStringLiteral("--risultati")});
        QCOMPARE(nessuno.codice, 1);
        QVERIFY(nessuno.errori.contains(QStringLiteral("almeno un file")));
        QCOMPARE(nessuno.uscita, QString());

        const Esito sconosciuta = esegui({QStringLiteral("--risultato"), QStringLiteral("a.vask")});
        QCOMPARE(sconosciuta.codice, 1);
        QVERIFY2(sconosciuta.errori.startsWith(QStringLiteral("vask2cad: opzione sconosciuta \"risultato\"")),
                 qPrintable(sconosciuta.errori));

        // The window opens one section; without --risultati two are a mistake.
        const Esito due = esegui({QStringLiteral("a.vask"), QStringLiteral("b.vask")});
        QCOMPARE(due.codice, 1);
        QVERIFY(due.errori.contains(QStringLiteral("--risultati")));
    }
};

QTEST_GUILESS_MAIN(RigaComandoTest)
#include "rigacomando_test.moc"
