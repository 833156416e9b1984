// File > Esporta immagine through the menu: a PNG of the chosen size with the
// section in place and pens that grow with the size, a well-formed SVG, a
// failure told.
#include <QAction>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "app/areagrafica.h"
#include "app/esportazione.h"
#include "app/finestraprincipale.h"
#include "copione.h"

using namespace vask;

class EsportazioneTest : public QObject {
    Q_OBJECT
private slots:
    void png_e_svg_del_disegno_e_un_errore_detto() {
        QTemporaryDir cartella;
        Copione copione;
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        int proposta = 0;
        const auto esporta = [&](const char* nome, int larghezza) {
            f.esportazione().sceglifile = [&] { return cartella.filePath(nome); };
            f.esportazione().sceglilarghezza = [&](int p) { return proposta = p, larghezza; };
            f.findChild<QAction*>("mnuFileEsporta")->trigger();
        };
        // A 2 x 6 rectangle from (4, 3), its sides as closure lines, computed.
        FrmVask_2& n = f.nucleo();
        n.mnuStrumentiRettangolo_Click();
        const float p[10][2] = {{4, 3}, {6, 9}, {4, 3}, {6, 3}, {6, 3}, {6, 9}, {6, 9}, {4, 9}, {4, 9}, {4, 3}};
        for (int i = 0; i < 10; ++i) {
            if (i == 2) n.mnuStrumentiLinea_Click();
            n.picAreagrafica_MouseMove(p[i][0], 12 - p[i][1]);
            n.picAreagrafica_MouseDown(p[i][0], 12 - p[i][1]);
        }
        n.btnEsegui_Click();

        // No extension: PNG. The column through x = 4.25 crosses the sides y = 3 and 9.
        const auto verdi = [](const QImage& img) {
            int v = 0;
            for (int y = 0; y < img.height(); ++y) v += img.pixelColor(img.width() * 17 / 80, y) == Qt::green;
            return v;
        };
        esporta("sezione", 1000);
        QCOMPARE(proposta, f.area()->width());
        QImage img(cartella.filePath("sezione.png"));
        QCOMPARE(img.size(), QSize(1000, 600));
        QCOMPARE(img.pixelColor(225, 424), QColor(Qt::white));  // (4.5, 3.5), in the section
        QCOMPARE(img.pixelColor(749, 100), QColor(Qt::black));  // (15, 10)
        QCOMPARE(verdi(img), 2);
        esporta("grande.png", 4000);
        img = QImage(cartella.filePath("grande.png"));
        QCOMPARE(img.size(), QSize(4000, 2400));
        QCOMPARE(verdi(img), 8);

        esporta("sezione.SVG", 800);
        QFile file(cartella.filePath("sezione.SVG"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
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
        QCOMPARE(copione.domande.size(), size_t(1));
        QCOMPARE(copione.domande[0].titolo, std::string("Esportazione non riuscita."));
    }
};

QTEST_MAIN(EsportazioneTest)
#include "esportazione_test.moc"
