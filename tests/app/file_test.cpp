// Files through the real window: section files that keep every bit, broken
// and hostile files refused without touching the open section, atomic saves,
// the question about unsaved work asked exactly when due; the drawing
// exported as PNG or SVG; the page printed.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <unistd.h>

#include "app/archivio.h"
#include "app/areagrafica.h"
#include "app/esportazione.h"
#include "app/filesezione.h"
#include "app/finestraprincipale.h"
#include "app/stampa.h"
#include "copione.h"

using namespace vask;

namespace {

void punto(FrmVask_2& n, float x, float y) {
    n.picAreagrafica_MouseMove(x, n.pic.scaleheight - y);
    n.picAreagrafica_MouseDown(x, n.pic.scaleheight - y);
}

// A rectangle, a triangle, a hole and two closure lines at coordinates no
// short decimal holds, drawn through the core.
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
    for (auto [a, b] : {std::pair{0.f, 0.f}, {19.5f, 0.25f}, {19.5f, 0.25f}, {18.f, 11.75f}}) punto(n, a, b);
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

// The page painted on an image, for its pixels, and on a picture, whose
// recorded commands hold its texts.
struct Foglio {
    QImage img;
    QPicture registro;
    QRect disegno;
    Foglio(QSize misura, const FrmVask_2& n) : img(misura, QImage::Format_RGB32) {
        img.fill(Qt::white);
        QPainter p(&img);
        disegno = dipingipagina(p, img.rect(), n);
        QPainter q(&registro);
        dipingipagina(q, img.rect(), n);
    }
    bool ha(const QString& testo) const {  // a picture keeps each text as UTF-16, big-endian
        QByteArray b;
        for (QChar c : testo) b += char(c.unicode() >> 8), b += char(c.unicode() & 0xFF);
        return QByteArray::fromRawData(registro.data(), int(registro.size())).contains(b);
    }
    bool inchiostro(const QRect& zona) const {  // anything but white paper
        if ((zona & img.rect()).isEmpty()) return false;
        QImage z = img.copy(zona & img.rect()), carta(z.size(), z.format());
        carta.fill(Qt::white);
        return z != carta;
    }
    QColor colore(double x, double y) const {  // a world point in the drawing
        return img.pixelColor(disegno.left() + int(std::lround(x / 20 * (disegno.width() - 1))),
                              disegno.top() + int(std::lround((12 - y) / 12 * (disegno.height() - 1))));
    }
};

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
            for (int i = 0; i < giro; ++i) n.btnZoomPiu_Click();
            n.btnPanSu_Click();
            n.mnuPreferenzeSezioneRosso_Click();
            n.mnuPreferenzeSpessori2_Click();
            n.btnEsegui_Click();  // the inertia of the last computation goes along
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
            FrmVask_2& m = b.nucleo();
            QCOMPARE(std::memcmp(&n.sez, &m.sez, sizeof n.sez), 0);
            QVERIFY(!m.modificata());
            QCOMPARE(std::make_tuple(m.pic.scalewidth, m.pic.scaletop, m.colori.coloresezione, m.pic.spessore),
                     std::make_tuple(n.pic.scalewidth, n.pic.scaletop, ROSSO, 2));
            m.btnEsegui_Click();
            for (const char* e : ETICHETTEX) QCOMPARE(m.ctl.testo(e), n.ctl.testo(e));
            for (const char* e : ETICHETTERISULTATI) QCOMPARE(m.ctl.testo(e), n.ctl.testo(e));
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
        Documento sei = n.documento();
        sei.rettangoli.resize(6, sei.rettangoli[0]);
        const std::pair<const char*, QByteArray> guasti[] = {
            {"JSON valido", buono.left(buono.size() / 2)},
            {"versione 7", sostituisci("\"versione\": 1", "\"versione\": 7")},
            {"manca la versione", sostituisci("\"versione\": 1", "\"versioni\": 1")},
            {"non è un numero", sostituisci("\"densita\": 1", "\"densita\": \"uno\"")},
            {"al massimo 5", scrivisezione(sei)},
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
            const std::string detto = c.domande[0].titolo + " " + c.domande[0].testo;
            QVERIFY2(detto.rfind("Sezione non aperta. ", 0) == 0 && detto.find(atteso) != std::string::npos, detto.c_str());
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
            const bool rifiutato = !leggisezione(t, d).isEmpty() || !n.apridocumento(d, "mutato.vask").empty();
            (rifiutato ? rifiutati : aperti)++;
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
        punto(f.nucleo(), 1, 11);
        punto(f.nucleo(), 5, 11);
        if (!immutabile(chiusa.path(), true)) QSKIP("il file system non ha cartelle immutabili");
        const bool salvato = f.archivio().salva();
        immutabile(chiusa.path(), false);
        QVERIFY(!salvato && f.nucleo().modificata());
        QCOMPARE(c.domande.at(0).titolo, std::string("Salvataggio non riuscito."));
        QVERIFY(vecchio.open(QIODevice::ReadOnly));
        QCOMPARE(vecchio.readAll(), prima);
    }

    void la_domanda_sulle_modifiche_arriva_solo_quando_serve() {
        scrivi("altra.vask", scrivisezione(Documento{}));
        Copione c;
        auto* f = new FinestraPrincipale(&c);
        f->show();
        int aperture = 0, salvataggi = 0;
        f->archivio().sceglidaaprire = [&] { return ++aperture, percorso("altra.vask"); };
        f->archivio().sceglidasalvare = [&](const QString&) { return ++salvataggi, percorso("salvata.vask"); };
        // Nothing to save: no question, the file opens.
        f->archivio().mnuFileApri_Click();
        QCOMPARE(int(c.domande.size()), 0);
        QCOMPARE(aperture, 1);
        std::mt19937 gen(2);
        disegna(f->nucleo(), gen);

        // Annulla: nothing happens. No: opens without saving. Sì: saves, then opens.
        c.risposte = {Risposta::Annulla};
        f->archivio().mnuFileApri_Click();
        QCOMPARE(int(c.domande.size()), 1);
        QCOMPARE(c.domande[0].pulsanti, Pulsanti::SiNoAnnulla);
        QCOMPARE(c.domande[0].titolo, std::string("Modifiche non salvate."));
        QVERIFY(aperture == 1 && f->nucleo().modificata());
        c.risposte = {Risposta::No};
        f->archivio().mnuFileApri_Click();
        QVERIFY(aperture == 2 && salvataggi == 0 && !f->nucleo().modificata());
        // Sì: the section goes to its own file (the one opened), then the other opens.
        disegna(f->nucleo(), gen);
        c.risposte = {Risposta::Si};
        f->archivio().mnuFileApri_Click();
        QVERIFY(aperture == 3 && salvataggi == 0);
        Documento salvato;
        QVERIFY(leggifilesezione(percorso("altra.vask"), salvato).isEmpty());
        QCOMPARE(int(salvato.rettangoli.size()), 1);
        // A new section has no file: Sì asks where to save it.
        c.risposte = {Risposta::Si};
        f->nucleo().mnuFileNuovo_Click();
        disegna(f->nucleo(), gen);
        c.risposte = {Risposta::Si};
        f->archivio().mnuFileApri_Click();
        QVERIFY(salvataggi == 1 && QFile::exists(percorso("salvata.vask")));

        // Closing: with changes, Annulla keeps the window; without, no question.
        disegna(f->nucleo(), gen);
        c.domande.clear();
        c.risposte = {Risposta::Annulla};
        QVERIFY(!f->close() && f->isVisible());
        QCOMPARE(int(c.domande.size()), 1);
        c.risposte = {Risposta::No};
        QVERIFY(f->close());
        delete f;
        Copione d;
        FinestraPrincipale g(&d);
        g.show();
        QVERIFY(g.close());
        QCOMPARE(int(d.domande.size()), 0);
    }

    // A 2 x 6 rectangle from (4, 3) with its sides as closure lines and a
    // 2 x 1 one from (10, 1), computed: exported, then printed.
    void il_disegno_si_esporta_in_png_e_svg_e_si_stampa_con_i_risultati() {
        Copione copione;
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        FrmVask_2& n = f.nucleo();
        QVERIFY(Foglio(QSize(1123, 794), n).ha("Nessun calcolo eseguito."));
        n.mnuStrumentiRettangolo_Click();
        const float p[12][2] = {{4, 3}, {6, 9}, {10, 1}, {12, 2}, {4, 3}, {6, 3}, {6, 3}, {6, 9}, {6, 9}, {4, 9}, {4, 9}, {4, 3}};
        for (int i = 0; i < 12; ++i) {
            if (i == 4) n.mnuStrumentiLinea_Click();
            punto(n, p[i][0], p[i][1]);
        }
        n.btnEsegui_Click();

        int proposta = 0;
        const auto esporta = [&](const char* nome, int larghezza) {
            f.esportazione().sceglifile = [&] { return percorso(nome); };
            f.esportazione().sceglilarghezza = [&](int p) { return proposta = p, larghezza; };
            f.findChild<QAction*>("mnuFileEsporta")->trigger();
        };
        // No extension: PNG. The column through x = 4.25 crosses the sides
        // y = 3 and 9, their pens thicker in a larger picture.
        const auto verdi = [](const QImage& img) {
            int v = 0;
            for (int y = 0; y < img.height(); ++y) v += img.pixelColor(img.width() * 17 / 80, y) == Qt::green;
            return v;
        };
        esporta("sezione", 1000);
        QCOMPARE(proposta, f.area()->width());
        const QImage img(percorso("sezione.png"));
        QCOMPARE(img.size(), QSize(1000, 600));
        QCOMPARE(img.pixelColor(225, 424), QColor(Qt::white));  // (4.5, 3.5), in the section
        QCOMPARE(img.pixelColor(749, 100), QColor(Qt::black));  // (15, 10)
        QCOMPARE(verdi(img), 2);
        esporta("grande.png", 4000);
        QCOMPARE(verdi(QImage(percorso("grande.png"))), 8);
        esporta("sezione.SVG", 800);
        QFile svg(percorso("sezione.SVG"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        QStringList elementi;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                QStringList e{xml.name().toString()};
                for (const char* a : {"width", "fill", "stroke"}) e << xml.attributes().value(a).toString();
                elementi << e.join(' ');
            }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(elementi.mid(0, 2), QStringList({"svg 800  ", "rect 800 #000000 "}));
        // Section, sides, Xc, Yc, ellipse points, kern vertices.
        for (const char* e : {"rect 79.9 #ffffff #000000", "line   #00ff00", "line   #ff00ff", "line   #ff0000",
                              "g  #0000ff ", "ellipse  #ffffff #00ffff"})
            QVERIFY2(elementi.contains(e), e);
        QVERIFY(copione.domande.empty());
        esporta("manca/sezione.png", 500);
        QCOMPARE(copione.domande.at(0).titolo, std::string("Esportazione non riuscita."));

        n.mnuModificaRettangolo_Click();  // the panel now shows the small one: the page the results
        punto(n, 11, 1.5f);
        QCOMPARE(n.ctl.testo("lblArea"), std::string("2"));
        for (QSize misura : {QSize(1123, 794), QSize(794, 1123)}) {
            const Foglio foglio(misura, n);
            const QRect& d = foglio.disegno;
            QVERIFY(foglio.img.rect().contains(d));
            QVERIFY(std::abs(d.height() - d.width() * 0.6) <= 1);
            QCOMPARE(foglio.colore(4.5, 3.5), QColor(255, 255, 255));
            QCOMPARE(foglio.colore(15, 10), QColor(0, 0, 0));
            for (const char* t : {"A =", "14", "5.857143", "472.6667", "Ryc =", "α°=", "43.6085"})
                QVERIFY2(foglio.ha(QString::fromUtf8(t)), t);
            QVERIFY(!foglio.ha("Nessun") && !foglio.ha("cambiata"));
            // The results beside a wide drawing, below a tall page's.
            const bool largo = misura.width() > misura.height();
            QCOMPARE(foglio.inchiostro(QRect(d.right() + 2, d.top(), misura.width(), d.height())), largo);
            QCOMPARE(foglio.inchiostro(QRect(0, d.bottom() + 2, misura.width(), misura.height())), !largo);
        }
        n.btnSposta_Click();  // moved after the computation
        punto(n, 11, 1.5f);
        punto(n, 15, 1.5f);
        const Foglio mosso(QSize(1123, 794), n);
        QVERIFY(mosso.ha("14") && mosso.ha("cambiata"));

        // Through the menu, a PDF of one page; a device that cannot be painted on is told.
        QPdfWriter pdf(percorso("pagina.pdf"));
        pdf.setResolution(300);
        f.stampa().sceglidispositivo = [&pdf] { return &pdf; };
        f.findChild<QAction*>("mnuFileStampa")->trigger();
        QFile file(percorso("pagina.pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("/Type /Page\n"), 1);
        QCOMPARE(copione.domande.size(), size_t(1));
        QPdfWriter altrove(percorso("manca/pagina.pdf"));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!f.stampa().stampa(altrove));
        QCOMPARE(copione.domande.at(1).titolo, std::string("Stampa non riuscita."));
    }
};

QTEST_MAIN(FileTest)
#include "file_test.moc"
