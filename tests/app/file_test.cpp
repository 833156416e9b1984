// Section files through the real window: JSON that keeps every bit, broken
// and hostile files refused without touching the open section, atomic saves,
// and the question about unsaved work asked exactly when it is due.
#include <QApplication>
#include <QFile>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <unistd.h>

#include "app/archivio.h"
#include "app/filesezione.h"
#include "app/finestraprincipale.h"
#include "copione.h"

using namespace vask;

namespace {

void punto(FrmVask_2& n, float x, float y) {
    n.picAreagrafica_MouseMove(x, n.pic.scaleheight - y);
    n.picAreagrafica_MouseDown(x, n.pic.scaleheight - y);
}

// A rectangle, a triangle, a hole and two closure lines, drawn through the core.
void disegna(FrmVask_2& n, std::mt19937& gen) {
    std::uniform_real_distribution<float> u(0.5f, 9.5f);
    n.mnuStrumentiRettangolo_Click();
    const float x = u(gen), y = u(gen) / 2;
    punto(n, x, y);
    punto(n, x + 5.3f, y + 3.7f);
    n.mnuStrumentiTriangolo_Click();
    punto(n, u(gen), u(gen));
    punto(n, u(gen) + 10, u(gen));
    punto(n, u(gen), u(gen) + 2);
    n.mnuStrumentiCerchio_Click();
    n.testomodificato("txtDensita", "-1");
    punto(n, x + 2.5f, y + 2);
    n.testomodificato("txtDensita", "1");
    n.mnuStrumentiLinea_Click();
    punto(n, 0, 0);
    punto(n, 19.5f, 0.25f);
    punto(n, 19.5f, 0.25f);
    punto(n, 18, 11.75f);
}

// The immutable flag on a folder: nothing in it can be created or replaced,
// not even by root. False where the file system has no such flag.
bool immutabile(const QString& cartella, bool si) {
    const int fd = ::open(cartella.toLocal8Bit().constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flag = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flag) == 0;
    flag = si ? (flag | FS_IMMUTABLE_FL) : (flag & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flag) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

class FileTest : public QObject {
    Q_OBJECT
    QTemporaryDir cartella;

    QString percorso(const char* nome) { return cartella.filePath(QString::fromUtf8(nome)); }
    void scrivi(const char* nome, const QByteArray& testo) {
        QFile f(percorso(nome));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(testo);
    }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

    void una_sezione_salvata_e_riaperta_e_identica_e_da_gli_stessi_risultati() {
        std::mt19937 gen(3);
        for (int giro = 0; giro < 4; ++giro) {
            Copione c;
            FinestraPrincipale a(&c);
            FrmVask_2& n = a.nucleo();
            disegna(n, gen);
            n.btnEsegui_Click();
            a.archivio().sceglidasalvare = [&](const QString&) { return percorso("giro"); };
            QVERIFY(a.archivio().salvaconnome());
            QVERIFY(QFile::exists(percorso("giro.vask")));  // the extension added
            QVERIFY(!n.modificata());
            a.sincronizza();
            QVERIFY(a.windowTitle().endsWith("giro.vask"));

            Copione d;
            FinestraPrincipale b(&d);
            QVERIFY(b.apri(percorso("giro.vask")));
            QVERIFY(d.domande.empty());
            QCOMPARE(std::memcmp(&n.sez, &b.nucleo().sez, sizeof n.sez), 0);
            b.nucleo().btnEsegui_Click();
            for (const char* nome : ETICHETTERISULTATI)
                QCOMPARE(b.nucleo().ctl.testo(nome), n.ctl.testo(nome));
        }
    }

    void ogni_file_guasto_e_rifiutato_con_un_messaggio_e_la_sezione_resta() {
        Copione c;
        FinestraPrincipale f(&c);
        FrmVask_2& n = f.nucleo();
        std::mt19937 gen(9);
        disegna(n, gen);
        const QByteArray buono = scrivisezione(n.documento());
        const Sezione prima = n.sez;
        const auto sostituisci = [&](const char* da, const char* a) {
            QByteArray t = buono;
            const int i = t.indexOf(da);
            return i < 0 ? QByteArray("manca " + QByteArray(da)) : t.replace(i, int(std::strlen(da)), a);
        };
        QByteArray sei = buono;
        {
            Documento d = n.documento();
            d.rettangoli.resize(6, d.rettangoli[0]);
            sei = scrivisezione(d);
        }
        const std::pair<const char*, QByteArray> guasti[] = {
            {"JSON valido", buono.left(buono.size() / 2)},
            {"versione 7", sostituisci("\"versione\": 1", "\"versione\": 7")},
            {"manca la versione", sostituisci("\"versione\": 1", "\"versioni\": 1")},
            {"non è un numero", sostituisci("\"densita\": 1", "\"densita\": \"uno\"")},
            {"al massimo 5", sei},
            {"JSON valido", sostituisci("\"densita\": 1", "\"densita\": NaN")},
            {"JSON valido", sostituisci("\"densita\": 1", "\"densita\": 1e400")},
            {"fuori dei limiti dei numeri", sostituisci("\"densita\": 1", "\"densita\": 1e39")},
            {"cerchio 1: esce", sostituisci("\"raggio\": 1", "\"raggio\": 50")},
            {"triangolo 1: triangolo degenere",
             sostituisci("\"triangoli\": [", "\"triangoli\": [{\"x1\":1,\"y1\":1,\"x2\":2,\"y2\":2,\"x3\":3,\"y3\":3,\"densita\":1},")},
            {"JSON valido", QByteArray(4000, '[') + QByteArray(4000, ']')},
            {"troppo grande", QByteArray(MASSIMOFILE + 10, ' ')},
            {"oggetto JSON", "[1, 2, 3]"},
            {"deve essere una lista", sostituisci("\"linee\": [", "\"linee\": {\"a\": 1}, \"altro\": [")},
        };
        for (const auto& [atteso, testo] : guasti) {
            c.domande.clear();
            scrivi("guasto.vask", testo);
            QVERIFY(!f.apri(percorso("guasto.vask")));
            QCOMPARE(int(c.domande.size()), 1);
            QCOMPARE(QString::fromStdString(c.domande[0].titolo), QString("Sezione non aperta."));
            QVERIFY2(QString::fromStdString(c.domande[0].testo).contains(QString::fromUtf8(atteso)),
                     c.domande[0].testo.c_str());
            QCOMPARE(std::memcmp(&prima, &n.sez, sizeof prima), 0);
        }
        QVERIFY(!f.apri(percorso("non_esiste.vask")));

        // Random mutations of a good file for a few seconds: opened or refused
        // with a message, never anything else.
        std::uniform_int_distribution<int> byte(0, 255);
        const char* pezzi[] = {"1", "-", "e9", "\"", "{", "}", "[", "]", ",", "null", "true", "1e39", "0"};
        int aperti = 0, rifiutati = 0;
        const auto fine = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (std::chrono::steady_clock::now() < fine) {
            QByteArray t = buono;
            for (int k = std::uniform_int_distribution<int>(1, 4)(gen); k > 0 && !t.isEmpty(); --k) {
                const int i = std::uniform_int_distribution<int>(0, int(t.size()) - 1)(gen);
                switch (std::uniform_int_distribution<int>(0, 3)(gen)) {
                case 0: t[i] = char(byte(gen)); break;
                case 1: t.remove(i, std::uniform_int_distribution<int>(1, 8)(gen)); break;
                case 2: t.insert(i, pezzi[std::uniform_int_distribution<int>(0, 12)(gen)]); break;
                default: t.truncate(i);
                }
            }
            Documento d;
            const QString problema = leggisezione(t, d);
            if (!problema.isEmpty() || !n.apridocumento(d, "mutato.vask").empty())
                ++rifiutati;
            else
                ++aperti;
            QVERIFY(n.sez.prossimorettangolo >= 1 && n.sez.prossimorettangolo <= 6);
        }
        QVERIFY(aperti > 0 && rifiutati > 0);
    }

    void un_salvataggio_fallito_lascia_il_vecchio_file_e_lo_dice() {
        QTemporaryDir chiusa;
        const QString file = chiusa.filePath(QStringLiteral("trave.vask"));
        Copione c;
        FinestraPrincipale f(&c);
        std::mt19937 gen(1);
        disegna(f.nucleo(), gen);
        f.archivio().sceglidasalvare = [&](const QString&) { return file; };
        QVERIFY(f.archivio().salvaconnome());
        QFile vecchio(file);
        QVERIFY(vecchio.open(QIODevice::ReadOnly));
        const QByteArray prima = vecchio.readAll();
        vecchio.close();
        f.nucleo().mnuStrumentiLinea_Click();
        punto(f.nucleo(), 1, 11);
        punto(f.nucleo(), 5, 11);
        if (!immutabile(chiusa.path(), true)) QSKIP("il file system non ha cartelle immutabili");
        const bool salvato = f.archivio().salva();
        immutabile(chiusa.path(), false);
        QVERIFY(!salvato);
        QCOMPARE(int(c.domande.size()), 1);
        QCOMPARE(QString::fromStdString(c.domande[0].titolo), QString("Salvataggio non riuscito."));
        QVERIFY(f.nucleo().modificata());
        QVERIFY(vecchio.open(QIODevice::ReadOnly));
        QCOMPARE(vecchio.readAll(), prima);
    }

    void la_domanda_sulle_modifiche_arriva_solo_quando_serve() {
        scrivi("altra.vask", scrivisezione(Documento{}));
        Copione c;
        auto* f = new FinestraPrincipale(&c);
        f->show();
        int aperture = 0, salvataggi = 0;
        f->archivio().sceglidaaprire = [&] {
            ++aperture;
            return percorso("altra.vask");
        };
        f->archivio().sceglidasalvare = [&](const QString&) {
            ++salvataggi;
            return percorso("salvata.vask");
        };
        // Nothing to save: no question, the file opens; the window closes.
        f->archivio().mnuFileApri_Click();
        QCOMPARE(int(c.domande.size()), 0);
        QCOMPARE(aperture, 1);
        std::mt19937 gen(2);
        disegna(f->nucleo(), gen);
        QVERIFY(f->nucleo().modificata());

        // Annulla: nothing happens. No: opens without saving. Sì: saves, then opens.
        c.risposte = {Risposta::Annulla};
        f->archivio().mnuFileApri_Click();
        QCOMPARE(int(c.domande.size()), 1);
        QCOMPARE(c.domande[0].pulsanti, Pulsanti::SiNoAnnulla);
        QCOMPARE(QString::fromStdString(c.domande[0].titolo), QString("Modifiche non salvate."));
        QCOMPARE(aperture, 1);
        QVERIFY(f->nucleo().modificata());
        c.risposte = {Risposta::No};
        f->archivio().mnuFileApri_Click();
        QCOMPARE(aperture, 2);
        QCOMPARE(salvataggi, 0);
        QVERIFY(!f->nucleo().modificata());
        // Sì: the section goes to its own file (the one opened), then the other opens.
        disegna(f->nucleo(), gen);
        c.risposte = {Risposta::Si};
        f->archivio().mnuFileApri_Click();
        QCOMPARE(salvataggi, 0);
        QCOMPARE(aperture, 3);
        QFile altra(percorso("altra.vask"));
        QVERIFY(altra.open(QIODevice::ReadOnly));
        Documento salvato;
        QVERIFY(leggisezione(altra.readAll(), salvato).isEmpty());
        QCOMPARE(int(salvato.rettangoli.size()), 1);
        // A new section has no file: Sì asks where to save it.
        c.risposte = {Risposta::Si};
        f->nucleo().mnuFileNuovo_Click();
        disegna(f->nucleo(), gen);
        c.risposte = {Risposta::Si};
        f->archivio().mnuFileApri_Click();
        QCOMPARE(salvataggi, 1);
        QVERIFY(QFile::exists(percorso("salvata.vask")));

        // Closing: with changes, Annulla keeps the window; without, no question.
        disegna(f->nucleo(), gen);
        c.domande.clear();
        c.risposte = {Risposta::Annulla};
        QVERIFY(!f->close());
        QCOMPARE(int(c.domande.size()), 1);
        QVERIFY(f->isVisible());
        c.risposte = {Risposta::No};
        QVERIFY(f->close());
        Copione d;
        FinestraPrincipale g(&d);
        g.show();
        QVERIFY(g.close());
        QCOMPARE(int(d.domande.size()), 0);
        delete f;
    }
};

QTEST_MAIN(FileTest)
#include "file_test.moc"
