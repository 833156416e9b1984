// The interface in two languages: chosen at start, switched at run time,
// every window and message following; the Italian is today's byte for byte.
#include <QtWidgets>
#include <QtTest>

#include "app/lingua.h"
#include "app/messaggiqt.h"
#include "scimmia.h"

using namespace vask;

namespace {

// Every text a user reads in the window: captions, tooltips, labels, menus, status tips.
QStringList testi(QWidget* w) {
    QStringList t{w->windowTitle()};
    for (auto* b : w->findChildren<QAbstractButton*>()) t << b->text() << b->toolTip();
    for (auto* l : w->findChildren<QLabel*>()) t << l->text() << l->toolTip();
    for (auto* m : w->findChildren<QMenu*>()) t << m->title();
    for (auto* a : w->findChildren<QAction*>()) t << a->text() << a->statusTip() << a->toolTip();
    return t;
}

}  // namespace

class LinguaQtTest : public QObject, scimmia::Mano {
    Q_OBJECT
private slots:
    void initTestCase() { prepara(); }
    void init() { apri(); }
    void cleanup() { chiudi(); }  // a failed check leaves no English behind

    // Preferenze > Lingua turns every text of the window into what a window started in English shows, at
    // once, and back into today's Italian byte for byte; the core keeps reading its own Italian captions.
    void la_lingua_cambia_tutti_i_testi_e_torna_all_italiano() {
        mostra();
        const auto leggi = [this] {
            return trova<QPushButton>("btnEsegui")->text() + "|" + trova<QPushButton>("btnCarico")->toolTip() + "|" +
                   f->findChild<QMenu*>("mnuStrumenti")->title() + "|" + f->findChild<QAction*>("mnuFileEsci")->text() + "|" +
                   trova<QLabel>("LabelArea")->toolTip();
        };
        const QStringList italiano = testi(f);
        QCOMPARE(leggi(), QString("Eseg|Centro di sollecitazione e asse neutro|Str&umenti|&Esci|Area geometrica della sezione"));
        f->findChild<QAction*>("mnuPreferenzeLinguaInglese")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(leggi(), QString("Run|Load point and neutral axis|&Tools|&Quit|Geometric area of the section"));
        FinestraPrincipale inglese(&copione);
        // A shown window has a few more widgets (the same texts), so the texts are compared as sets.
        const QStringList visti = testi(f), nuovi = testi(&inglese);
        QCOMPARE(QSet<QString>(visti.begin(), visti.end()), QSet<QString>(nuovi.begin(), nuovi.end()));
        QCOMPARE(f->nucleo().ctl.testo("btnNoccioloCentrale"), std::string("Vask."));
        Lingua salvata = Lingua::Italiano;
        QVERIFY(linguasalvata(salvata) && salvata == Lingua::Inglese);
        f->findChild<QAction*>("mnuPreferenzeLinguaItaliano")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(testi(f), italiano);
        QVERIFY(linguasalvata(salvata) && salvata == Lingua::Italiano);
    }

    // At start the window speaks --lingua, else the language kept, else the system's: today's Italian byte
    // for byte under C and it_IT; under en_US no text of the window is left in Italian.
    void all_avvio_la_lingua_viene_dall_opzione_dalla_scelta_o_dal_sistema() {
        // The same in both languages: symbols, words English already uses, each language's own name.
        const QSet<QString> uguali{"Pan",   "Zoom",   "Zoom+",   "Zoom-",    "Snap",      "Osnap",    "&Snap",
                                   "&Zoom", "File",   "&File",   "Trian.",   "Ixgyg =",   "smin",     "smax",
                                   "Zoom in", "Zoom out", "&Italiano", "Italiano", "&English", "English"};
        QSettings impostazioni(QSettings::NativeFormat, QSettings::UserScope, ORGANIZZAZIONE, APPLICAZIONE);
        impostalingua(Lingua::Italiano);
        FinestraPrincipale base(&copione);
        const QStringList italiano = testi(&base);
        const QByteArray lang = qgetenv("LANG");
        for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(v);
        const struct {
            const char *lang, *scelta, *opzione;
            bool inglese;
        } righe[] = {{"C", "", "", false},         {"it_IT.UTF-8", "", "", false}, {"en_US.UTF-8", "", "", true},
                     {"C", "en", "", true},        {"en_US.UTF-8", "it", "", false}, {"C", "", "en", true},
                     {"en_US.UTF-8", "en", "it", false}};
        for (const auto& r : righe) {
            qputenv("LANG", r.lang);
            impostazioni.remove("lingua");
            if (*r.scelta) impostazioni.setValue("lingua", r.scelta);
            impostazioni.sync();
            QStringList argomenti{"vask2cad", "sezione.vask"};
            if (*r.opzione) argomenti << "--lingua" << r.opzione;
            Lingua lingua = Lingua::Italiano;
            QString sbagliata;
            QVERIFY(linguainiziale(argomenti, lingua, sbagliata));
            QCOMPARE(lingua == Lingua::Inglese, r.inglese);
            impostalingua(lingua);
            copione.domande.clear();
            FinestraPrincipale g(&copione);
            const QStringList t = testi(&g);
            QCOMPARE(t.size(), italiano.size());
            if (!r.inglese) QCOMPARE(t, italiano);
            QStringList rimasti;
            for (int i = 0; r.inglese && i < t.size(); ++i)
                if (t[i] == italiano[i] && t[i].contains(QRegularExpression("[a-zà-ù]{3}")) && !uguali.contains(t[i]))
                    rimasti << t[i];
            QVERIFY2(rimasti.isEmpty(), qPrintable(rimasti.join(" | ")));
            // A message too: Esegui on an empty section.
            g.findChild<QPushButton*>("btnEsegui")->click();
            QVERIFY(!copione.domande.empty());
            QCOMPARE(tradotto(copione.domande.back().testo),
                     r.inglese ? "Enter the data for the calculation." : "Introdurre i dati per il calcolo.");
        }
        QString sbagliata;
        Lingua lingua = Lingua::Italiano;
        QVERIFY(!linguainiziale({"vask2cad", "--lingua=fr"}, lingua, sbagliata) && sbagliata == "fr");
        qputenv("LANG", lang);
        impostazioni.remove("lingua");
        impostalingua(Lingua::Italiano);
    }

    // Each box as seen: title, text, icon and buttons, in the interface's language; the one pressed gives the answer.
    void le_domande_del_nucleo_sono_finestre_di_messaggio_nella_lingua_dell_interfaccia() {
        MessaggiQt m(f);
        for (auto [lingua, icona, pulsanti, premi, risposta, atteso] :
             {std::tuple{Lingua::Italiano, Icona::Critico, Pulsanti::Ok, QMessageBox::Ok, Risposta::Ok, "critico| OK"},
              {Lingua::Italiano, Icona::Informazione, Pulsanti::SiNoAnnulla, QMessageBox::Cancel, Risposta::Annulla,
               "informazione| &Annulla &No &Sì"},
              {Lingua::Inglese, Icona::Esclamazione, Pulsanti::SiNoAnnulla, QMessageBox::No, Risposta::No,
               "avviso| &Cancel &No &Yes"}}) {
            impostalingua(lingua);
            QCoreApplication::processEvents();  // the windows' LanguageChange, before the box is up
            QString visto;
            QTimer::singleShot(50, [&visto, premi = premi] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QStringList pulsanti;
                for (QAbstractButton* b : box->buttons()) pulsanti << b->text();
                pulsanti.sort();
                const QString icona = QStringList{"", "informazione", "avviso", "critico"}.value(box->icon());
                visto = QString("%1|%2|%3| %4").arg(box->windowTitle(), box->text(), icona, pulsanti.join(' '));
                box->button(premi)->click();
            });
            QCOMPARE(m.mostra("Inoltrare?", "Domanda di prova.", icona, pulsanti), risposta);
            QCOMPARE(visto, QString("Domanda di prova.|Inoltrare?|") + atteso);
        }
        impostalingua(Lingua::Italiano);
    }

    // The table in English: names, undo step, messages; a copy reads in English and pastes back in either language.
    void la_tabella_parla_la_lingua_dell_interfaccia_e_incolla_le_due() {
        mostra();
        trova<QAction>("mnuPreferenzeLinguaInglese")->trigger();
        clicca("btnRettangolo");
        for (const char* p : {"1;1", "4;3"}) digita(p);
        QTest::keyClick(f, Qt::Key_F11);
        auto* griglia = f->findChild<QTableWidget*>("grdElementi");
        QVERIFY(griglia);
        const auto intestazione = [griglia] {
            QStringList t;
            for (int c : {0, 9, 10, 11, 12}) t << griglia->horizontalHeaderItem(c)->text();
            return t.join(' ');
        };
        QCOMPARE(f->findChild<QWidget*>("frmTabella")->windowTitle() + ": " + intestazione() + " | " + griglia->item(0, 0)->text(),
                 QStringLiteral("Section elements: Element radius density area mass | Rectangle 1"));
        griglia->item(0, 3)->setText(QStringLiteral("6,5"));
        QCOMPARE(trova<QAction>("mnuEditaAnnulla")->statusTip(), QStringLiteral("Undo: x2 of rectangle 1"));
        griglia->item(0, 4)->setText(QStringLiteral("abc"));
        QCOMPARE(tradotto(copione.domande.back().testo),
                 QStringLiteral("Rectangle 1: the value of y2 is not a number. Write a number with a point or a comma as "
                                "the decimal separator."));
        griglia->selectRow(0);
        trova<QPushButton>("btnTabellaCopia")->click();
        const QString copiato = QApplication::clipboard()->text();
        QCOMPARE(copiato, QStringLiteral("Element\tx1\ty1\tx2\ty2\tx3\ty3\txc\tyc\tradius\tdensity\tarea\tmass\n"
                                         "Rectangle 1\t1\t1\t6.5\t3\t\t\t\t\t\t1\t11\t11\n"));
        QApplication::clipboard()->setText(copiato + "Rettangolo 9\t2\t2\t3\t3\t\t\t\t\t\t1\n" + "Line 1\t0\t0\t5\t0\n");
        trova<QPushButton>("btnTabellaIncolla")->click();
        QCOMPARE(griglia->rowCount(), 4);
        QCOMPARE(griglia->item(3, 0)->text() + " " + trova<QAction>("mnuEditaAnnulla")->statusTip(),
                 QStringLiteral("Line 1 Undo: paste 3 rows"));
        trova<QAction>("mnuPreferenzeLinguaItaliano")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(intestazione() + " | " + griglia->item(2, 0)->text() + " | " + trova<QAction>("mnuEditaAnnulla")->statusTip(),
                 QStringLiteral("Elemento raggio densità area massa | Rettangolo 3 | Annulla: incolla 3 righe"));
    }
};

QTEST_MAIN(LinguaQtTest)
#include "linguaqt_test.moc"
