// The results of section files as text, with no window at all (a
// QCoreApplication): one block per file as the panel shows it, the problems
// apart, the other files still printed.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include "app/risultati.h"
#include "esempi.h"
#include "model/numeri.h"

using namespace vask;

class RisultatiTest : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;

    QString file(const char* nome, const QByteArray& contenuto) {
        const QString p = cartella_.filePath(QString::fromLatin1(nome));
        QFile f(p);
        if (!f.open(QIODevice::WriteOnly)) return {};
        f.write(contenuto);
        return p;
    }

    struct Stampa {
        int esito;
        QString uscita, errori;
    };
    static Stampa stampa(const QStringList& percorsi) {
        Stampa s;
        QTextStream uscita(&s.uscita), errori(&s.errori);
        s.esito = stamparisultati(percorsi, uscita, errori);
        return s;
    }

    // One block: the name, then each caption of the panel with its value,
    // the value within float precision of the hand computation.
    static void controllablocco(const QString& blocco, const esempi::Esempio& e, QChar separatore) {
        static const char* const didascalie[15] = {"A =",   "M =",   "Xg =",   "Yg =",  "Ix =",
                                                   "Iy =",  "Ixg =", "Iyg =",  "Ixy =", "Ixgyg =",
                                                   "Ixc =", "Iyc =", "Rxc =",  "Ryc =", "α°="};
        const QStringList righe = blocco.split(QLatin1Char('\n'));
        QCOMPARE(righe.size(), 16);
        QCOMPARE(righe[0], esempi::percorso(e));
        const esempi::Attese attese = esempi::attese(e.parti);
        for (int i = 0; i < 15; ++i) {
            const QString inizio = QString::fromUtf8(didascalie[i]) + QLatin1Char(' ');
            const QString& riga = righe[i + 1];
            QVERIFY2(riga.startsWith(inizio), qPrintable(riga));
            const QString valore = riga.mid(inizio.size());
            // A separator other than the one in force would be misread.
            const QChar altro = separatore == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
            QVERIFY2(!valore.contains(altro), qPrintable(riga));
            bool valido = false;
            const double v = valoredidascalia(valore.toStdString(), &valido);
            QVERIFY2(valido, qPrintable(riga));
            const double scarto = i == esempi::ALFA ? esempi::differenzaangoli(v, attese.valori[i])
                                                    : std::fabs(v - attese.valori[i]);
            QVERIFY2(scarto <= attese.tolleranza[i],
                     qPrintable(QStringLiteral("%1: atteso %2").arg(riga).arg(attese.valori[i], 0, 'g', 10)));
        }
    }

private slots:
    void cleanup() { impostaseparatore('.'); }

    void ogni_esempio_da_il_suo_blocco_separati_da_una_riga_vuota() {
        impostaseparatore(',');
        const auto tutti = esempi::tutti();
        QStringList percorsi;
        for (const auto& e : tutti) percorsi << esempi::percorso(e);
        const Stampa s = stampa(percorsi);
        QCOMPARE(s.esito, 0);
        QCOMPARE(s.errori, QString());
        QVERIFY(s.uscita.endsWith(QLatin1Char('\n')));
        QVERIFY(!s.uscita.endsWith(QStringLiteral("\n\n")));
        const QStringList blocchi = s.uscita.chopped(1).split(QStringLiteral("\n\n"));
        QCOMPARE(blocchi.size(), int(tutti.size()));
        for (size_t i = 0; i < tutti.size(); ++i) controllablocco(blocchi[int(i)], tutti[i], QLatin1Char(','));
        // The symmetric sections show their axes straight, as the panel does.
        QVERIFY(blocchi[0].endsWith(QStringLiteral("\nα°= 90")));
        QVERIFY(blocchi[2].endsWith(QStringLiteral("\nα°= 0")));
    }

    void con_il_punto_i_numeri_hanno_il_punto() {
        impostaseparatore('.');
        const esempi::Esempio e = esempi::tutti()[1];
        const Risultatifile r = risultatifile(esempi::percorso(e));
        QCOMPARE(r.problema, QString());
        QVERIFY(r.blocco.endsWith(QLatin1Char('\n')));
        controllablocco(r.blocco.chopped(1), e, QLatin1Char('.'));
    }

    void un_file_illeggibile_va_sugli_errori_e_gli_altri_si_stampano() {
        QVERIFY(cartella_.isValid());
        const QString rotto = file("rotto.vask", "{ \"versione\": 1, ");
        const QString mancante = cartella_.filePath(QStringLiteral("mancante.vask"));
        const auto tutti = esempi::tutti();
        const Stampa s = stampa({esempi::percorso(tutti[0]), rotto, mancante, esempi::percorso(tutti[3])});
        QCOMPARE(s.esito, 1);
        const QStringList errori = s.errori.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(errori.size(), 2);
        QVERIFY2(errori[0].startsWith(QStringLiteral("vask2cad: Impossibile aprire «%1»: il testo non è JSON valido")
                                          .arg(rotto)),
                 qPrintable(errori[0]));
        QCOMPARE(errori[1], QStringLiteral("vask2cad: Impossibile aprire «%1»: il file non esiste.").arg(mancante));
        const QStringList blocchi = s.uscita.chopped(1).split(QStringLiteral("\n\n"));
        QCOMPARE(blocchi.size(), 2);
        controllablocco(blocchi[0], tutti[0], QLatin1Char('.'));
        controllablocco(blocchi[1], tutti[3], QLatin1Char('.'));
    }

    void una_sezione_che_non_si_puo_aprire_o_calcolare_lo_dice() {
        QVERIFY(cartella_.isValid());
        // Well-formed, but a rectangle reaching below the origin.
        const QString fuori = file("fuori.vask", R"({"versione": 1, "rettangoli": [
            {"x1": 1, "y1": -1, "x2": 3, "y2": 2, "densita": 1}]})");
        // Only a hole: no positive mass to compute with.
        const QString foro = file("foro.vask", R"({"versione": 1, "rettangoli": [
            {"x1": 1, "y1": 1, "x2": 3, "y2": 2, "densita": -1}]})");
        const QString vuota = file("vuota.vask", R"({"versione": 1})");
        const Stampa s = stampa({fuori, foro, vuota, cartella_.path()});
        QCOMPARE(s.esito, 1);
        QCOMPARE(s.uscita, QString());
        const QStringList errori = s.errori.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(errori.size(), 4);
        QCOMPARE(errori[3], QStringLiteral("vask2cad: Impossibile aprire «%1»: è una cartella, non un file.")
                                .arg(cartella_.path()));
        QCOMPARE(errori[0], QStringLiteral("vask2cad: Impossibile aprire «%1»: rettangolo 1: esce dalla zona "
                                           "positiva o dai limiti dell'area grafica.")
                                .arg(fuori));
        QVERIFY2(errori[1].startsWith(QStringLiteral("vask2cad: Impossibile calcolare «%1»: La massa della "
                                                     "sezione è complessivamente minore o uguale a zero.")
                                          .arg(foro)),
                 qPrintable(errori[1]));
        QCOMPARE(errori[2], QStringLiteral("vask2cad: Impossibile calcolare «%1»: Introdurre i dati per il calcolo.")
                                .arg(vuota));
    }
};

QTEST_GUILESS_MAIN(RisultatiTest)
#include "risultati_test.moc"
