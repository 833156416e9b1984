// Files through the real window: saving and opening, broken files, atomic
// saves, the unsaved-work question, export, printing, and the command line.
#include <QtWidgets>
#include <QtTest>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/archivio.h"
#include "app/areagrafica.h"
#include "app/esportazione.h"
#include "app/filesezione.h"
#include "app/finestraprincipale.h"
#include "app/stampa.h"
#include "copione.h"
#include "esempi.h"
#include "model/numeri.h"

using namespace vask;

namespace {

void punto(FrmVask_2& n, float x, float y) {
    n.picAreagrafica_MouseMove(x, n.pic.scaleheight - y);
    n.picAreagrafica_MouseDown(x, n.pic.scaleheight - y);
}

// A rectangle, a triangle, a hole and two lines at coordinates no short decimal holds.
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

// The immutable flag on a folder (even root cannot write there); false where unsupported.
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

// The page painted on an image, for its pixels, and on a picture, for its texts.
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
    QString file(const char* nome, const QByteArray& contenuto) {
        QFile f(percorso(nome));
        if (f.open(QIODevice::WriteOnly)) f.write(contenuto);
        return percorso(nome);
    }
    static QByteArray contenuto(const QString& percorso) {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("illeggibile");
    }

    struct Esito {
        int codice = -1;
        QString uscita, errori;
    };

    // No display at all: a window asked for would abort the program.
    static Esito esegui(const QStringList& argomenti, const QString& lingua = QStringLiteral("C.UTF-8")) {
        QProcess p;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY"}) ambiente.remove(v);
        ambiente.insert("QT_QPA_PLATFORM", "xcb");
        for (const char* v : {"LC_ALL", "LANG"}) ambiente.insert(v, lingua);
        p.setProcessEnvironment(ambiente);
        p.start(QStringLiteral(VASK2CAD), argomenti);
        Esito e;
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return e;
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    // One block: the name, then each caption with its value, as computed by hand.
    static void controllablocco(const QString& blocco, const esempi::Esempio& e, char separatore) {
        const QStringList righe = blocco.split(QLatin1Char('\n'));
        QCOMPARE(righe.size(), 16);
        QCOMPARE(righe[0], esempi::percorso(e));
        const esempi::Attese attese = esempi::attese(e.parti);
        QStringList didascalie;
        impostaseparatore(separatore);
        for (int i = 0; i < 15; ++i) {
            const QString valore = righe[i + 1].section(QLatin1Char(' '), -1);
            didascalie << righe[i + 1].chopped(int(valore.size()) + 1);
            bool valido = false;
            const double v = valoredidascalia(valore.toStdString(), &valido);
            const double scarto = i == esempi::ALFA ? esempi::differenzaangoli(v, attese.valori[i]) : std::fabs(v - attese.valori[i]);
            // The other separator would be misread.
            QVERIFY2(valido && !valore.contains(QLatin1Char(separatore == ',' ? '.' : ',')) && scarto <= attese.tolleranza[i],
                     qPrintable(QStringLiteral("%1: atteso %2").arg(righe[i + 1]).arg(attese.valori[i], 0, 'g', 10)));
        }
        impostaseparatore('.');
        QCOMPARE(didascalie.join('|'), QString("A =|M =|Xg =|Yg =|Ix =|Iy =|Ixg =|Iyg =|Ixy =|Ixgyg =|Ixc =|Iyc =|Rxc =|Ryc =|α°="));
    }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }
    void cleanup() { impostaseparatore('.'); }

    void un_nome_senza_estensione_prende_la_sua_e_non_sostituisce_un_file_in_silenzio() {
        QVERIFY(file("esercizio.vask", "vecchio").size() > 0);
        QString visto;
        // "esercizio" where esercizio.vask exists: the dialog asks; No keeps it open.
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            QTimer::singleShot(0, [&, d] {
                if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    visto = m->text();
                    m->button(QMessageBox::No)->click();
                }
                d->reject();
            });
            d->selectFile("esercizio");
            QMetaObject::invokeMethod(d, "accept");
        });
        QCOMPARE(dialogosalva(nullptr, "Salva sezione", percorso(""), {"Sezioni (*.vask)"}, {"vask"}), QString());
        QVERIFY2(visto.contains("esercizio.vask"), qPrintable(visto));
        // A new name takes the extension of the type chosen.
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            d->selectNameFilter("Disegno SVG (*.svg)");
            d->selectFile("nuovo");
            QMetaObject::invokeMethod(d, "accept");
        });
        QCOMPARE(dialogosalva(nullptr, "Esporta immagine", percorso(""), {"Immagine PNG (*.png)", "Disegno SVG (*.svg)"}, {"png", "svg"}),
                 percorso("nuovo.svg"));
    }

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
            n.testomodificato("txtPassoGriglia", std::string(300, 'x'));  // any text the box holds
            a.archivio().sceglidasalvare = [&](const QString&) { return percorso("giro"); };
            QVERIFY(a.archivio().salvaconnome() && QFile::exists(percorso("giro.vask")));  // the extension added
            // Each float as its shortest text: no 0.10000000149011612.
            QVERIFY(!QString::fromUtf8(contenuto(percorso("giro.vask"))).contains(QRegularExpression("\\d{12}")));
            a.sincronizza();
            QVERIFY(!n.modificata() && a.windowTitle().endsWith("giro.vask"));
            Copione d;
            FinestraPrincipale b(&d);
            QVERIFY(b.apri(percorso("giro.vask")) && d.domande.empty());
            FrmVask_2& m = b.nucleo();
            QVERIFY(std::memcmp(&n.sez, &m.sez, sizeof n.sez) == 0 && !m.modificata());
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
            {"fuori dei limiti dei numeri", sostituisci("\"densita\": 1", "\"densita\": 1e-46")},
            {"cerchio 1: esce", sostituisci("\"raggio\": 1", "\"raggio\": 50")},
            {"JSON valido", QByteArray(4000, '[') + QByteArray(4000, ']')},
            {"troppo grande", QByteArray(MASSIMOFILE + 10, ' ')},
            {"oggetto JSON", "[1, 2, 3]"},
            {"deve essere una lista", sostituisci("\"linee\": [", "\"linee\": {\"a\": 1}, \"altro\": [")},
        };
        for (const auto& [atteso, testo] : guasti) {
            c.domande.clear();
            QVERIFY(!f.apri(file("guasto.vask", testo)));
            QCOMPARE(int(c.domande.size()), 1);
            const std::string detto = c.domande[0].titolo + " " + c.domande[0].testo;
            QVERIFY2(detto.rfind("Sezione non aperta. ", 0) == 0 && detto.find(atteso) != std::string::npos, detto.c_str());
            QCOMPARE(std::memcmp(&prima, &n.sez, sizeof prima), 0);
        }
        QVERIFY(!f.apri(percorso("non_esiste.vask")));
        QVERIFY(::mkfifo(qPrintable(percorso("tubo.vask")), 0600) == 0);  // would block reading for ever
        c.domande.clear();
        QVERIFY(!f.apri(percorso("tubo.vask")));
        QVERIFY(c.domande.at(0).testo.find("non è un file ordinario") != std::string::npos);

        // Random mutations of a good file: opened or refused, never anything else.
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
        const QString file = chiusa.filePath("trave.vask");
        Copione c;
        FinestraPrincipale f(&c);
        std::mt19937 gen(1);
        disegna(f.nucleo(), gen);
        f.archivio().sceglidasalvare = [&](const QString&) { return file; };
        QVERIFY(f.archivio().salvaconnome());
        const QByteArray prima = contenuto(file);
        punto(f.nucleo(), 1, 11);
        punto(f.nucleo(), 5, 11);
        if (!immutabile(chiusa.path(), true)) QSKIP("il file system non ha cartelle immutabili");
        const bool salvato = f.archivio().salva();
        immutabile(chiusa.path(), false);
        QVERIFY(!salvato && f.nucleo().modificata());
        QCOMPARE(c.domande.at(0).titolo, std::string("Salvataggio non riuscito."));
        QCOMPARE(contenuto(file), prima);
    }

    void la_domanda_sulle_modifiche_arriva_solo_quando_serve() {
        file("altra.vask", scrivisezione(Documento{}));
        Copione c;
        FinestraPrincipale f(&c);
        f.show();
        QVERIFY(f.close() && c.domande.empty());  // nothing to save: closed without a question
        f.show();
        int aperture = 0, salvataggi = 0;
        f.archivio().sceglidaaprire = [&] { return ++aperture, percorso("altra.vask"); };
        f.archivio().sceglidasalvare = [&](const QString&) { return ++salvataggi, percorso("salvata.vask"); };
        // Questions, files chosen to open and to save, unsaved changes.
        const auto stato = [&] {
            return QString("%1 %2 %3 %4").arg(c.domande.size()).arg(aperture).arg(salvataggi).arg(f.nucleo().modificata());
        };
        std::mt19937 gen(2);
        const std::pair<Risposta, const char*> giri[] = {
            {Risposta::Ok, "0 1 0 0"},       // nothing to save: the file opens
            {Risposta::Annulla, "1 1 0 1"},  // nothing happens
            {Risposta::No, "2 2 0 0"},       // opens without saving
            {Risposta::Si, "3 3 0 0"},       // saved to its own file (the one opened), then the other opens
        };
        for (const auto& [risposta, atteso] : giri) {
            if (risposta != Risposta::Ok) disegna(f.nucleo(), gen), c.risposte = {risposta};
            f.archivio().mnuFileApri_Click();
            QCOMPARE(stato(), QString(atteso));
        }
        QCOMPARE(std::make_pair(c.domande[0].pulsanti, c.domande[0].titolo),
                 std::make_pair(Pulsanti::SiNoAnnulla, std::string("Modifiche non salvate.")));
        Documento salvato;
        QVERIFY(leggifilesezione(percorso("altra.vask"), salvato).isEmpty());
        QCOMPARE(int(salvato.rettangoli.size()), 1);

        // Closing with changes: Annulla keeps the window, No closes it.
        disegna(f.nucleo(), gen);
        c.risposte = {Risposta::Annulla, Risposta::No};
        QVERIFY(!f.close() && f.isVisible());
        QVERIFY(f.close() && stato().startsWith("5 "));
    }

    // A 2 x 6 rectangle at (4, 3) with its sides as lines and a 2 x 1 one at (10, 1).
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
        // No extension: PNG. The column x = 4.25 crosses the green sides y = 3 and 9, thicker when larger.
        const auto verdi = [](const QImage& img) {
            int v = 0;
            for (int y = 0; y < img.height(); ++y) v += img.pixelColor(img.width() * 17 / 80, y) == Qt::green;
            return v;
        };
        esporta("sezione", 1000);
        QCOMPARE(proposta, f.area()->width());
        const QImage img(percorso("sezione.png"));
        QCOMPARE(img.size(), QSize(1000, 600));
        // (4.5, 3.5) in the section, (15, 10) outside.
        QCOMPARE(img.pixelColor(225, 424).name() + img.pixelColor(749, 100).name() + QString::number(verdi(img)), QString("#ffffff#0000002"));
        esporta("grande.png", 4000);
        QCOMPARE(verdi(QImage(percorso("grande.png"))), 8);
        esporta("sezione.SVG", 800);
        QXmlStreamReader xml(contenuto(percorso("sezione.SVG")));
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
            QVERIFY(foglio.img.rect().contains(d) && std::abs(d.height() - d.width() * 0.6) <= 1);
            QCOMPARE(foglio.colore(4.5, 3.5).name() + foglio.colore(15, 10).name(), QString("#ffffff#000000"));
            for (const char* t : {"A =", "14", "5.857143", "472.6667", "Ryc =", "α°=", "43.60849"})
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
        QCOMPARE(contenuto(percorso("pagina.pdf")).count("/Type /Page\n"), 1);
        QCOMPARE(copione.domande.size(), size_t(1));
        QPdfWriter altrove(percorso("manca/pagina.pdf"));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!f.stampa().stampa(altrove));
        QCOMPARE(copione.domande.at(1).titolo, std::string("Stampa non riuscita."));
    }

    void il_programma_stampa_i_risultati_senza_display_con_i_codici_di_uscita() {
        const Esito aiuto = esegui({"-h"}), versione = esegui({"--version"});
        QVERIFY2(aiuto.codice == 0 && aiuto.uscita.startsWith("Uso: vask2cad [opzioni] [file.vask]\n"), qPrintable(aiuto.uscita));
        for (const char* parola : {"--risultati", "--version", "Opzioni:", "Argomenti:"}) QVERIFY2(aiuto.uscita.contains(parola), parola);
        QVERIFY(!aiuto.uscita.contains("Displays"));
        QCOMPARE(versione.codice, 0);
        QCOMPARE(versione.uscita, QStringLiteral("Vask_2 cad 2.0\n"));

        // Every sample as by hand, with the separator of the language.
        const auto tutti = esempi::tutti();
        QStringList percorsi;
        for (const auto& e : tutti) percorsi << esempi::percorso(e);
        const Esito s = esegui(QStringList{"--risultati"} + percorsi, "it_IT.UTF-8");
        QVERIFY2(s.codice == 0 && s.errori.isEmpty(), qPrintable(s.errori));
        QVERIFY(s.uscita.endsWith('\n') && !s.uscita.endsWith("\n\n"));
        QStringList blocchi = s.uscita.chopped(1).split(QStringLiteral("\n\n"));
        QCOMPARE(blocchi.size(), int(tutti.size()));
        for (size_t i = 0; i < tutti.size(); ++i) controllablocco(blocchi[int(i)], tutti[i], ',');
        QVERIFY(blocchi[0].endsWith(QStringLiteral("\nα°= 90")) && blocchi[2].endsWith(QStringLiteral("\nα°= 0")));  // symmetric: axes straight

        // Files that cannot be opened or computed go to the errors, the others are printed.
        const QString rotto = file("rotto.vask", "{ \"versione\": 1, "), mancante = percorso("mancante.vask");
        // Well-formed, but a rectangle below the origin; only a hole; nothing.
        const QString fuori = file("fuori.vask", R"({"versione": 1, "rettangoli": [
            {"x1": 1, "y1": -1, "x2": 3, "y2": 2, "densita": 1}]})");
        const QString foro = file("foro.vask", R"({"versione": 1, "rettangoli": [
            {"x1": 1, "y1": 1, "x2": 3, "y2": 2, "densita": -1}]})");
        const QString vuota = file("vuota.vask", R"({"versione": 1})");
        const Esito e = esegui({"--risultati", percorsi[0], rotto, mancante, cartella.path(), fuori, foro, vuota, percorsi[3]});
        QCOMPARE(e.codice, 1);
        const QStringList errori = e.errori.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(errori.size(), 6);
        const QString aprire = "vask2cad: Impossibile aprire «%1»: ", calcolare = "vask2cad: Impossibile calcolare «%1»: ";
        QVERIFY2(errori[0].startsWith(aprire.arg(rotto) + "il testo non è JSON valido"), qPrintable(errori[0]));
        QCOMPARE(errori[1], aprire.arg(mancante) + "il file non esiste.");
        QCOMPARE(errori[2], aprire.arg(cartella.path()) + "è una cartella, non un file.");
        QCOMPARE(errori[3], aprire.arg(fuori) + "rettangolo 1: esce dalla zona positiva o dai limiti dell'area grafica.");
        QVERIFY2(errori[4].startsWith(calcolare.arg(foro) + "La massa della sezione è complessivamente minore o uguale a zero."),
                 qPrintable(errori[4]));
        QCOMPARE(errori[5], calcolare.arg(vuota) + "Introdurre i dati per il calcolo.");
        blocchi = e.uscita.chopped(1).split(QStringLiteral("\n\n"));
        QCOMPARE(blocchi.size(), 2);
        controllablocco(blocchi[0], tutti[0], '.');
        controllablocco(blocchi[1], tutti[3], '.');

        // Mistakes in the command; without --risultati two files are one.
        for (auto [argomenti, atteso] : {std::pair{QStringList{"--risultati"}, "almeno un file"},
                                         {{"--risultato", "a.vask"}, "vask2cad: opzione sconosciuta \"risultato\""},
                                         {{"a.vask", "b.vask"}, "--risultati"}}) {
            const Esito sbaglio = esegui(argomenti);
            QVERIFY2(sbaglio.codice == 1 && sbaglio.errori.contains(atteso) && sbaglio.uscita.isEmpty(), qPrintable(sbaglio.errori));
        }
    }
};

QTEST_MAIN(FileTest)
#include "file_test.moc"
