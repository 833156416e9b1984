// The samples of esempi/ against the parts worked out by hand, and the
// program's command line run as a user would: help, version, the results of
// sections printed without a display, the problems and the mistakes.
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
    QTemporaryDir cartella;

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
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    // What the function behind --risultati prints with that separator.
    static Esito stampa(const QStringList& percorsi, char separatore = '.') {
        impostaseparatore(separatore);
        Esito s;
        QTextStream uscita(&s.uscita), errori(&s.errori);
        s.codice = stamparisultati(percorsi, uscita, errori);
        impostaseparatore('.');
        return s;
    }

    QString file(const char* nome, const QByteArray& contenuto) {
        const QString p = cartella.filePath(QString::fromLatin1(nome));
        QFile f(p);
        if (f.open(QIODevice::WriteOnly)) f.write(contenuto);
        return p;
    }

    static QStringList percorsi() {
        QStringList p;
        for (const auto& e : esempi::tutti()) p << esempi::percorso(e);
        return p;
    }

    // One block: the name, then each caption of the panel with its value,
    // within float precision of the hand computation.
    static void controllablocco(const QString& blocco, const esempi::Esempio& e, QChar separatore) {
        static const char* const didascalie[15] = {"A =",   "M =",   "Xg =",  "Yg =",  "Ix =",  "Iy =",  "Ixg =", "Iyg =",
                                                   "Ixy =", "Ixgyg =", "Ixc =", "Iyc =", "Rxc =", "Ryc =", "α°="};
        const QStringList righe = blocco.split(QLatin1Char('\n'));
        QCOMPARE(righe.size(), 16);
        QCOMPARE(righe[0], esempi::percorso(e));
        const esempi::Attese attese = esempi::attese(e.parti);
        const QChar altro = separatore == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
        for (int i = 0; i < 15; ++i) {
            const QString inizio = QString::fromUtf8(didascalie[i]) + QLatin1Char(' ');
            const QString& riga = righe[i + 1];
            QVERIFY2(riga.startsWith(inizio), qPrintable(riga));
            const QString valore = riga.mid(inizio.size());
            QVERIFY2(!valore.contains(altro), qPrintable(riga));  // it would be misread
            bool valido = false;
            impostaseparatore(separatore.toLatin1());
            const double v = valoredidascalia(valore.toStdString(), &valido);
            impostaseparatore('.');
            QVERIFY2(valido, qPrintable(riga));
            const double scarto = i == esempi::ALFA ? esempi::differenzaangoli(v, attese.valori[i])
                                                    : std::fabs(v - attese.valori[i]);
            QVERIFY2(scarto <= attese.tolleranza[i],
                     qPrintable(QStringLiteral("%1: atteso %2").arg(riga).arg(attese.valori[i], 0, 'g', 10)));
        }
    }

private slots:
    // Every sample: its printed results as by hand.
    void ogni_esempio_da_i_valori_calcolati_a_mano() {
        const auto tutti = esempi::tutti();
        const Esito s = stampa(percorsi(), ',');
        QCOMPARE(s.codice, 0);
        QCOMPARE(s.errori, QString());
        QVERIFY(s.uscita.endsWith(QLatin1Char('\n')) && !s.uscita.endsWith(QStringLiteral("\n\n")));
        const QStringList blocchi = s.uscita.chopped(1).split(QStringLiteral("\n\n"));
        QCOMPARE(blocchi.size(), int(tutti.size()));
        for (size_t i = 0; i < tutti.size(); ++i) controllablocco(blocchi[int(i)], tutti[i], QLatin1Char(','));
        // The symmetric sections show their axes straight.
        QVERIFY(blocchi[0].endsWith(QStringLiteral("\nα°= 90")));
        QVERIFY(blocchi[2].endsWith(QStringLiteral("\nα°= 0")));

    }

    void i_file_che_non_si_possono_aprire_o_calcolare_vanno_sugli_errori_e_gli_altri_si_stampano() {
        const QString rotto = file("rotto.vask", "{ \"versione\": 1, ");
        const QString mancante = cartella.filePath(QStringLiteral("mancante.vask"));
        // Well-formed, but a rectangle reaching below the origin; only a hole; nothing.
        const QString fuori = file("fuori.vask", R"({"versione": 1, "rettangoli": [
            {"x1": 1, "y1": -1, "x2": 3, "y2": 2, "densita": 1}]})");
        const QString foro = file("foro.vask", R"({"versione": 1, "rettangoli": [
            {"x1": 1, "y1": 1, "x2": 3, "y2": 2, "densita": -1}]})");
        const QString vuota = file("vuota.vask", R"({"versione": 1})");
        const auto tutti = esempi::tutti();
        const Esito s = stampa({esempi::percorso(tutti[0]), rotto, mancante, cartella.path(), fuori, foro, vuota,
                                esempi::percorso(tutti[3])});
        QCOMPARE(s.codice, 1);
        const QStringList errori = s.errori.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(errori.size(), 6);
        const QString aprire = QStringLiteral("vask2cad: Impossibile aprire «%1»: "), calcolare = QStringLiteral("vask2cad: Impossibile calcolare «%1»: ");
        QVERIFY2(errori[0].startsWith(aprire.arg(rotto) + "il testo non è JSON valido"), qPrintable(errori[0]));
        QCOMPARE(errori[1], aprire.arg(mancante) + "il file non esiste.");
        QCOMPARE(errori[2], aprire.arg(cartella.path()) + "è una cartella, non un file.");
        QCOMPARE(errori[3], aprire.arg(fuori) + "rettangolo 1: esce dalla zona positiva o dai limiti dell'area grafica.");
        QVERIFY2(errori[4].startsWith(calcolare.arg(foro) + "La massa della sezione è complessivamente minore o uguale a zero."),
                 qPrintable(errori[4]));
        QCOMPARE(errori[5], calcolare.arg(vuota) + "Introdurre i dati per il calcolo.");
        const QStringList blocchi = s.uscita.chopped(1).split(QStringLiteral("\n\n"));
        QCOMPARE(blocchi.size(), 2);
        controllablocco(blocchi[0], tutti[0], QLatin1Char('.'));
        controllablocco(blocchi[1], tutti[3], QLatin1Char('.'));
    }

    void il_programma_risponde_senza_display_con_i_codici_di_uscita() {
        const Esito aiuto = esegui({QStringLiteral("-h")});
        QCOMPARE(aiuto.codice, 0);
        QVERIFY2(aiuto.uscita.startsWith(QStringLiteral("Uso: vask2cad [opzioni] [file.vask]\n")), qPrintable(aiuto.uscita));
        for (const char* parola : {"--risultati", "--version", "Opzioni:", "Argomenti:"})
            QVERIFY2(aiuto.uscita.contains(QString::fromLatin1(parola)), parola);
        QVERIFY(!aiuto.uscita.contains(QStringLiteral("Displays")));
        const Esito versione = esegui({QStringLiteral("--version")});
        QCOMPARE(versione.codice, 0);
        QCOMPARE(versione.uscita, QStringLiteral("Vask_2 cad 2.0\n"));
        // The results with the separator of the language.
        const Esito punto = esegui(QStringList{QStringLiteral("--risultati")} + percorsi());
        QCOMPARE(punto.codice, 0);
        QCOMPARE(punto.errori, QString());
        QCOMPARE(punto.uscita, stampa(percorsi()).uscita);
        QVERIFY(punto.uscita.contains(QStringLiteral("\nA = 32.5\n")));  // the L section
        const Esito virgola = esegui(QStringList{QStringLiteral("--risultati")} + percorsi(), QStringLiteral("it_IT.UTF-8"));
        QCOMPARE(virgola.codice, 0);
        QCOMPARE(virgola.uscita, stampa(percorsi(), ',').uscita);
        QVERIFY(virgola.uscita.contains(QStringLiteral("\nA = 32,5\n")));

        // A broken file: an error code, the message on the errors, the others printed.
        const QString rotto = file("rotto2.vask", "non è una sezione");
        const Esito e = esegui({QStringLiteral("--risultati"), rotto, percorsi()[2]});
        QVERIFY(e.codice != 0 && e.codice != -1);
        QVERIFY2(e.errori.startsWith(QStringLiteral("vask2cad: Impossibile aprire «%1»: il testo non è JSON valido").arg(rotto)),
                 qPrintable(e.errori));
        QCOMPARE(e.uscita, stampa({percorsi()[2]}).uscita);

        // The mistakes of who writes the command.
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
