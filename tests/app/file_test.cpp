// Files through the real window: the save dialog, broken files, atomic saves,
// the unsaved-work question, export, printing, and the command line.
#include <QtWidgets>
#include <QtTest>
#include <chrono>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/lingua.h"
#include "app/risultati.h"
#include "scimmia.h"

using namespace vask;
using scimmia::righe;

namespace {

void punto(FrmVask_2& n, float x, float y) {
    n.picAreagrafica_MouseMove(x, n.pic.scaleheight - y);
    n.picAreagrafica_MouseDown(x, n.pic.scaleheight - y);
}

void rettangolo(FrmVask_2& n, float x1, float y1, float x2, float y2) {
    n.mnuStrumentiRettangolo_Click();
    punto(n, x1, y1);
    punto(n, x2, y2);
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

const std::map<QString, Risposta> RISPOSTE = {
    {"Si", Risposta::Si}, {"No", Risposta::No}, {"Annulla", Risposta::Annulla}};

QString dati(QString testo) { return testo.replace(QLatin1Char('@'), QStringLiteral(VASK_DATI "/")); }

QByteArray contenuto(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("illeggibile");
}

struct Esito {
    int codice = -1;
    QString uscita, errori;
};

// No display at all: a window asked for would abort the program.
Esito esegui(const QStringList& argomenti, const QString& lingua = QStringLiteral("C.UTF-8")) {
    QProcess p;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY"}) ambiente.remove(v);
    ambiente.insert("QT_QPA_PLATFORM", "xcb");
    for (const char* v : {"LC_ALL", "LANG"}) ambiente.insert(v, lingua);
    p.setProcessEnvironment(ambiente);
    // A name that is not UTF-8 cannot be a QString: the shell's printf makes its bytes.
    if (argomenti.filter(QStringLiteral("\\")).isEmpty())
        p.start(QStringLiteral(VASK2CAD), argomenti);
    else
        p.start("/bin/sh", QStringList{"-c", "p=$1; shift; for a; do shift; set -- \"$@\" \"$(printf %b \"$a\")\"; done; "
                                             "exec \"$p\" \"$@\"", "sh", VASK2CAD} + argomenti);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

class FileTest : public QObject, scimmia::Mano {
    Q_OBJECT
    QTemporaryDir cartella;

    QString percorso(const QString& nome) { return cartella.filePath(nome); }
    QString file(const QString& nome, const QByteArray& contenuto) {
        QFile f(percorso(nome));
        if (f.open(QIODevice::WriteOnly)) f.write(contenuto);
        return percorso(nome);
    }

private slots:
    void initTestCase() { prepara(); }
    void init() { apri(); }
    void cleanup() { chiudi(); }

    // Windows only for one section or none: the language and Qt's options go with them, a second file does not.
    void le_finestre_servono_solo_per_una_sezione_o_nessuna() {
        for (const auto& [argomenti, senza] :
             {std::pair{"", false}, {"a.vask", false}, {"--lingua en a.vask", false}, {"--lingua=en a.vask", false},
              {"-style Fusion --lingua it", false}, {"a.vask b.vask", true}, {"--lingua en a.vask b.vask", true},
              {"--risultati a.vask", true}, {"--help", true}, {"-- a.vask", false}, {"-- a.vask -x", true},
              {"--lingua xx", true}, {"--lingua=fr a.vask", true}, {"a.vask --lingua", true}}) {
            std::vector<QByteArray> parti{"vask2cad"};
            for (const QString& p : QString(argomenti).split(' ', Qt::SkipEmptyParts)) parti.push_back(p.toUtf8());
            std::vector<const char*> v;
            for (const QByteArray& p : parti) v.push_back(p.constData());
            QVERIFY2(senzafinestre(int(v.size()), v.data()) == senza, argomenti);
        }
    }
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

    // The files of tests/dati/app_guasti.tsv, a pipe among them (it would block the reading for ever) and one
    // too large; the reason in the interface's language, where the row gives the English.
    void ogni_file_guasto_e_rifiutato_con_un_messaggio_e_la_sezione_resta() {
        FrmVask_2& n = f->nucleo();
        const std::vector<Domanda>& d = copione.domande;
        QVERIFY(::mkfifo(qPrintable(percorso("tubo.vask")), 0600) == 0);
        QFile(file("grande.vask", "{}")).resize(MASSIMOFILE + 1);
        const QByteArray sezione = contenuto(QStringLiteral(VASK_ESEMPI "/sezione_a_l.vask"));
        file("limite.vask", sezione + QByteArray(MASSIMOFILE - sezione.size(), ' '));  // just the most that is read
        for (const QStringList& caso : righe("app_guasti.tsv"))
            for (const bool inglese : {false, true}) {
                if (inglese && caso.size() < 4) continue;
                impostalingua(inglese ? Lingua::Inglese : Lingua::Italiano);
                copione.domande.clear();
                const Sezione prima = n.sez;
                const QString nome = caso.value(2).isEmpty() ? "guasto.vask" : caso[2];
                const bool aperto = f->apri(caso[1].isEmpty() ? percorso(nome) : file(nome, caso[1].toUtf8()));
                const QString detto = d.empty() ? "" : QString::fromStdString(d[0].titolo + " " + d[0].testo);
                const QString atteso = QString(inglese ? "Section not opened. Cannot open “%1”: %2"
                                                       : "Sezione non aperta. Impossibile aprire «%1»: %2")
                                           .arg(nome, caso[inglese ? 3 : 0]);
                const bool resta = std::memcmp(&prima, &n.sez, sizeof prima) == 0;
                QVERIFY2(caso[0].isEmpty() ? aperto && d.empty() : !aperto && d.size() == 1 && detto == atteso && resta,
                         qPrintable(caso[0] + " / " + detto));
            }

        // Random mutations of a good file: opened or refused, never anything else.
        const QByteArray buono = contenuto(QStringLiteral(VASK_ESEMPI "/sezione_composta_con_foro.vask"));
        std::mt19937 gen(9);
        const auto intero = [&gen](int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); };
        const char* pezzi[] = {"1", "-", "e9", "\"", "{", "}", "[", "]", ",", "null", "true", "1e39", "0"};
        int aperti = 0, rifiutati = 0;
        for (const auto fine = std::chrono::steady_clock::now() + std::chrono::seconds(3); std::chrono::steady_clock::now() < fine;) {
            QByteArray t = buono;
            for (int k = intero(1, 4); k > 0 && !t.isEmpty(); --k) {
                const int i = intero(0, int(t.size()) - 1);
                switch (intero(0, 3)) {
                case 0: t[i] = char(intero(0, 255)); break;
                case 1: t.remove(i, intero(1, 8)); break;
                case 2: t.insert(i, pezzi[intero(0, 12)]); break;
                default: t.truncate(i);
                }
            }
            Documento d;
            (!leggisezione(t, d).isEmpty() || !n.apridocumento(d, "mutato.vask").empty() ? rifiutati : aperti)++;
            QVERIFY(n.sez.prossimorettangolo >= 1 && n.sez.prossimorettangolo <= 6);
        }
        QVERIFY(aperti > 0 && rifiutati > 0);
    }

    void un_salvataggio_fallito_lascia_il_vecchio_file_e_lo_dice() {
        QTemporaryDir chiusa;
        const QString file = chiusa.filePath("trave.vask");
        rettangolo(f->nucleo(), 1, 1, 4, 3);
        f->archivio().sceglidasalvare = [&](const QString&) { return file; };
        QVERIFY(f->archivio().salvaconnome());
        const QByteArray prima = contenuto(file);
        rettangolo(f->nucleo(), 1, 5, 4, 8);
        if (!immutabile(chiusa.path(), true)) QSKIP("il file system non ha cartelle immutabili");
        const bool salvato = f->archivio().salva();
        immutabile(chiusa.path(), false);
        QVERIFY(!salvato && f->nucleo().modificata());
        QCOMPARE(copione.domande.at(0).titolo, std::string("Salvataggio non riuscito."));
        QCOMPARE(contenuto(file), prima);
    }

    // The steps of tests/dati/app_domande.tsv: a command, the answer to its question, then the questions
    // asked so far, the files chosen to open and to save, unsaved changes, rectangles, window shown, title.
    void la_domanda_sulle_modifiche_arriva_solo_quando_serve() {
        file("altra.vask", scrivisezione(Documento{}));
        FrmVask_2& n = f->nucleo();
        f->show();
        int aperture = 0, salvataggi = 0;
        f->archivio().sceglidaaprire = [&] { return ++aperture, percorso("altra.vask"); };
        f->archivio().sceglidasalvare = [&](const QString&) { return ++salvataggi, percorso("salvata"); };
        for (const QStringList& passo : righe("app_domande.tsv")) {
            if (RISPOSTE.count(passo[1])) copione.risposte = {RISPOSTE.at(passo[1])};
            if (passo[0] == "disegna") rettangolo(n, 1, 1 + n.sez.numerorettangoli(), 3, 1.5f + n.sez.numerorettangoli());
            if (passo[0] == "chiudi") f->close();
            if (passo[0].startsWith("Ctrl+")) {
                QApplication::setActiveWindow(f);
                QTest::keySequence(f, QKeySequence(passo[0]));
            } else if (passo[0] != "disegna" && passo[0] != "chiudi") {
                f->findChild<QAction*>(passo[0])->trigger();
            }
            f->sincronizza();
            const QString stato = QString("%1 %2 %3 %4 %5 %6").arg(copione.domande.size()).arg(aperture).arg(salvataggi)
                                      .arg(n.modificata()).arg(n.sez.numerorettangoli()).arg(f->isVisible());
            QCOMPARE(stato + " | " + f->windowTitle(), passo[2] + " | " + passo[3]);
            f->show();
        }
        QCOMPARE(std::make_pair(copione.domande[0].pulsanti, copione.domande[0].titolo),
                 std::make_pair(Pulsanti::SiNoAnnulla, std::string("Modifiche non salvate.")));
    }

    // The steps of tests/dati/app_recenti.tsv, on windows that keep the list between them as between runs.
    void i_file_recenti_seguono_aperture_e_salvataggi_e_restano_a_un_nuovo_avvio() {
        QSettings impostazioni(QSettings::NativeFormat, QSettings::UserScope, ORGANIZZAZIONE, APPLICAZIONE);
        QVERIFY(!impostazioni.fileName().startsWith(QDir::homePath()));
        impostazioni.clear();
        impostazioni.sync();
        file("a.vask", scrivisezione(Documento{}));
        file("rotto.vask", "{");
        Copione c;
        std::unique_ptr<FinestraPrincipale> f;
        QString scelto;
        for (const QStringList& passo : righe("app_recenti.tsv")) {
            scelto = percorso(passo[1]);
            if (RISPOSTE.count(passo[2])) c.risposte = {RISPOSTE.at(passo[2])};
            if (passo[0] == "riavvia") {
                f = std::make_unique<FinestraPrincipale>(&c);
                f->archivio().sceglidaaprire = [&] { return scelto; };
                f->archivio().sceglidasalvare = [&](const QString&) { return scelto; };
            }
            if (passo[0] == "apri" || passo[0] == "salva")
                f->findChild<QAction*>(passo[0] == "apri" ? "mnuFileApri" : "mnuFileSalvaconnome")->trigger();
            if (passo[0] == "recente") f->findChild<QAction*>("mnuFileRecente" + passo[1])->trigger();
            if (passo[0] == "cancella") QFile::remove(scelto);
            if (passo[0] == "disegna") rettangolo(f->nucleo(), 1, 1, 3, 2);
            f->sincronizza();
            const QMenu* menu = f->findChild<QMenu*>("mnuFileRecenti");
            QStringList voci;
            for (QAction* a : menu->actions())
                if (a->isVisible() && a->isEnabled()) voci << a->text();
            QCOMPARE(QString("%1 %2 %3").arg(menu->menuAction()->isEnabled() ? voci.join('|') : "spento")
                         .arg(c.domande.size()).arg(f->windowTitle().section(" - ", 2)),
                     passo[3] + " " + passo[4] + " " + passo[5]);
            const QString detto = c.domande.empty() ? "" : QString::fromStdString(c.domande.back().titolo + " " + c.domande.back().testo);
            QVERIFY2(detto.contains(passo.value(6).replace('~', percorso("") + "/")), qPrintable(detto));
        }
    }

    // A 2 x 6 rectangle at (4, 3) with its sides as lines and a 2 x 1 one at (10, 1).
    void il_disegno_si_esporta_in_png_e_svg_e_si_stampa_con_i_risultati() {
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        FrmVask_2& n = f->nucleo();
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
            f->esportazione().sceglifile = [&] { return percorso(nome); };
            f->esportazione().sceglilarghezza = [&](int p) { return proposta = p, larghezza; };
            f->findChild<QAction*>("mnuFileEsporta")->trigger();
        };
        // No extension: PNG. The column x = 4.25 crosses the sides y = 3 and 9, dark green on paper, thicker when larger.
        const auto verdi = [](const QImage& img, QColor verde = QColor(0, 153, 0)) {
            int v = 0;
            for (int y = 0; y < img.height(); ++y) v += img.pixelColor(img.width() * 17 / 80, y) == verde;
            return v;
        };
        esporta("sezione", 1000);
        QCOMPARE(proposta, f->area()->width());
        const QImage img(percorso("sezione.png"));
        QCOMPARE(img.size(), QSize(1000, 600));
        // (4.5, 3.5) in the section, light grey on white; (15, 10) outside; then the screen's colours.
        QCOMPARE(img.pixelColor(225, 424).name() + img.pixelColor(749, 100).name() + QString::number(verdi(img)),
                 QString("#d9d9d9#ffffff2"));
        f->esportazione().coloridelloschermo = true;
        esporta("schermo.png", 1000);
        const QImage schermo(percorso("schermo.png"));
        QCOMPARE(schermo.pixelColor(225, 424).name() + schermo.pixelColor(749, 100).name() + QString::number(verdi(schermo, Qt::green)),
                 QString("#ffffff#0000002"));
        f->esportazione().coloridelloschermo = false;
        esporta("grande.png", 4000);
        QCOMPARE(verdi(QImage(percorso("grande.png"))), 8);
        // What goes into an SVG is the display list's own business (tests/core).
        esporta("sezione.SVG", 800);
        const QByteArray svg = contenuto(percorso("sezione.SVG"));
        QVERIFY(svg.contains("<svg ") && svg.contains(" width=\"800\""));
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
            QCOMPARE(foglio.colore(4.5, 3.5).name() + foglio.colore(15, 10).name(), QString("#d9d9d9#ffffff"));
            // The scale's ticks outside the drawing, at its marks and not between them.
            for (int i = 0; i < 10; ++i) {
                const int x = d.left() + d.width() * i / 10, y = d.bottom() - d.height() * i / 6;
                QVERIFY(foglio.inchiostro(QRect(x - 1, d.bottom() + 3, 3, 2)) && !foglio.inchiostro(QRect(x + d.width() / 20, d.bottom() + 3, 1, 2)));
                if (i < 6) QVERIFY(foglio.inchiostro(QRect(d.left() - 5, y - 1, 2, 3)) && !foglio.inchiostro(QRect(d.left() - 5, y - d.height() / 12, 2, 1)));
            }
            // The header's date and the view's captions along the edges.
            for (const QString& t : {QLocale(QLocale::Italian).toString(QDate::currentDate(), "d MMMM yyyy"), QString("20"),
                                     QString("12")})
                QVERIFY2(foglio.ha(t), qPrintable(t));
            for (const char* t : {"A =", "14", "5.857143", "472.6667", "Ryc =", "α°=", "43.60849"})
                QVERIFY2(foglio.ha(QString::fromUtf8(t)), t);
            QVERIFY(!foglio.ha("Nessun") && !foglio.ha("cambiata"));
            // The fifteen lines beside a wide drawing, below a tall page's, reach well past their first.
            const bool largo = misura.width() > misura.height();
            QCOMPARE(foglio.inchiostro(QRect(d.right() + 40, d.top() + 150, misura.width(), d.height() - 150)), largo);
            QCOMPARE(foglio.inchiostro(QRect(0, d.bottom() + 150, misura.width(), misura.height())), !largo);
        }
        for (const auto& [sezione, pdf] : {std::pair{"", ""}, {"/a/trave.vask", "/a/trave.pdf"}, {"/a/b.c/trave", "/a/b.c/trave.pdf"},
                                           {"/a/trave.1.vask", "/a/trave.1.pdf"}})
            QCOMPARE(filepdf(sezione), QString(pdf));
        n.btnSposta_Click();  // moved after the computation
        punto(n, 11, 1.5f);
        punto(n, 15, 1.5f);
        const Foglio mosso(QSize(1123, 794), n);
        QVERIFY(mosso.ha("14") && mosso.ha("cambiata"));

        // Through the menu, a PDF of one page; a device that cannot be painted on is told.
        QPdfWriter pdf(percorso("pagina.pdf"));
        pdf.setResolution(300);
        f->stampa().sceglidispositivo = [&pdf] { return &pdf; };
        f->findChild<QAction*>("mnuFileStampa")->trigger();
        QCOMPARE(contenuto(percorso("pagina.pdf")).count("/Type /Page\n"), 1);
        QCOMPARE(copione.domande.size(), size_t(1));
        QPdfWriter altrove(percorso("manca/pagina.pdf"));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!f->stampa().stampa(altrove));
        QCOMPARE(copione.domande.at(1).titolo, std::string("Stampa non riuscita."));
        impostalingua(Lingua::Inglese);  // the page's heading and date in English
        const char* const mesi[] = {"January", "February", "March", "April", "May", "June", "July",
                                    "August", "September", "October", "November", "December"};
        const QDate oggi = QDate::currentDate();
        const QString data = QString("%1 %2 %3").arg(oggi.day()).arg(mesi[oggi.month() - 1]).arg(oggi.year());
        const Foglio inglese(QSize(1123, 794), n);
        QVERIFY2(inglese.ha(data) && inglese.ha("Teaching edition") && !inglese.ha("didattica"), qPrintable(data));
    }

    // The runs of tests/dati/app_comandi.tsv: arguments, exit code, the stream written to, what it holds.
    void la_riga_di_comando_risponde_e_sbaglia_come_deve() {
        const QByteArray qui = QFile::encodeName(percorso("")) + "/";
        QVERIFY(::symlink("anello.vask", qui + "anello.vask") == 0 && !file("piano.vask", "piano").isEmpty());
        QVERIFY(::chmod(QFile::encodeName(file("chiuso.vask", "{}")), 0) == 0 && ::close(::creat(qui + "x\377.vask", 0600)) == 0);
        const auto espandi = [this](const QString& t) {
            QString e = dati(t).replace(QLatin1Char('~'), percorso("") + "/");
            const QRegularExpressionMatch m = QRegularExpression("a\\{(\\d+)\\}").match(e);
            return m.hasMatch() ? e.replace(m.captured(), QString(m.captured(1).toInt(), 'a')) : e;
        };
        for (const QStringList& caso : righe("app_comandi.tsv")) {
            if (::geteuid() == 0 && caso[0].contains("chiuso")) continue;  // root reads it all the same
            const Esito e = esegui(espandi(caso[0]).split(QLatin1Char(' ')));
            const QString& flusso = caso[2] == "out" ? e.uscita : e.errori;
            QVERIFY2(e.codice == caso[1].toInt() && (caso[2] == "out" ? e.errori : e.uscita).isEmpty(),
                     qPrintable(caso[0] + ": " + e.errori));
            for (const QString& t : caso.mid(3))
                QVERIFY2(t.startsWith('!') ? !flusso.contains(t.mid(1)) : flusso.contains(espandi(t)), qPrintable(caso[0] + ": " + flusso));
        }
        ::unlink(qui + "x\377.vask");  // a name QTemporaryDir cannot spell
    }

    // --risultati and --relazione on a section far out and on every sample, as the window shows it (its values
    // judged by the random test's integration): the fifteen lines of the panel, and in the report the totals row
    // and the centroid and Huygens-Steiner lines end with the panel's texts. A broken file is one error, the
    // others are printed.
    void risultati_e_relazione_senza_display_hanno_i_numeri_del_pannello() {
        separatoredallalocale(QLocale(QLocale::Italian, QLocale::Italy));
        QStringList percorsi{dati("@app_lontano.vask")};  // first: the blocks after it begin with the samples' folder
        for (const QString& nome : QDir(QStringLiteral(VASK_ESEMPI)).entryList({"*.vask"}))
            percorsi << QStringLiteral(VASK_ESEMPI "/") + nome;
        const QString rotto = dati("@app_rotto.vask");
        const Esito risultati = esegui(QStringList{"--risultati", percorsi[0], rotto} + percorsi.mid(1), "it_IT.UTF-8");
        const Esito relazione = esegui(QStringList{"--relazione", rotto} + percorsi, "it_IT.UTF-8");
        for (const Esito& e : {risultati, relazione})
            QVERIFY2(e.codice == 1 && e.errori.count('\n') == 1, qPrintable(e.errori));
        const QStringList blocchi = relazione.uscita.split(QStringLiteral("\n\n") + VASK_ESEMPI);
        QCOMPARE(blocchi.size(), int(percorsi.size()));
        QString atteso;
        for (int i = 0; i < blocchi.size(); ++i) {
            Copione c;
            FinestraPrincipale f(&c);
            QVERIFY(f.apri(percorsi[i]));
            f.findChild<QPushButton*>("btnEsegui")->click();
            const auto t = [&f](const char* n) { return f.findChild<QLabel*>(n)->text(); };
            atteso += (atteso.isEmpty() ? "" : "\n") + percorsi[i] + "\n";
            for (int k = 0; k < 15; ++k) atteso += t(DIDASCALIERISULTATI[k]) + " " + t(ETICHETTERISULTATI[k]) + "\n";
            const QStringList linee = blocchi[i].split('\n');
            const QStringList totale = linee.filter(QRegularExpression("^Totale\t\t\t")).value(0).split('\t');
            QCOMPARE(QStringList({totale.value(3), totale.value(11), totale.value(12), totale.value(13)}),
                     QStringList({t("lblMassa"), t("lblIx"), t("lblIy"), t("lblIxy")}));
            for (const auto& [inizio, etichetta] : {std::pair{"Xg = Sy", "lblXg"}, {"Yg = Sx", "lblYg"}, {"Ixg = Ix", "lblIxg"},
                                                    {"Iyg = Iy", "lblIyg"}, {"Ixgyg = Ixy", "lblIxgyg"}})
                QCOMPARE(linee.filter(QRegularExpression(QStringLiteral("^") + inizio)).value(0).section(" = ", -1), t(etichetta));
        }
        QCOMPARE(risultati.uscita, atteso);
    }
};

QTEST_MAIN(FileTest)
#include "file_test.moc"
