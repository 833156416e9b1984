// File > Stampa: the page painted on an image, for its pixels, and on a
// picture, whose recorded commands hold its texts; a real PDF through the menu.
#include <QAction>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "app/finestraprincipale.h"
#include "app/stampa.h"
#include "copione.h"

using namespace vask;

namespace {

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
    // A picture keeps each text as UTF-16, big-endian.
    bool ha(const QString& testo) const {
        QByteArray b;
        for (QChar c : testo) b += char(c.unicode() >> 8), b += char(c.unicode() & 0xFF);
        return QByteArray::fromRawData(registro.data(), int(registro.size())).contains(b);
    }
    bool inchiostro(const QRect& zona) const {  // anything but white paper
        if ((zona & img.rect()).isEmpty()) return false;  // copy() would take it all
        QImage z = img.copy(zona & img.rect()), carta(z.size(), z.format());
        carta.fill(Qt::white);
        return z != carta;
    }
    QColor colore(double x, double y) const {  // a world point in the drawing
        return img.pixelColor(disegno.left() + int(std::lround(x / 20 * (disegno.width() - 1))),
                              disegno.top() + int(std::lround((12 - y) / 12 * (disegno.height() - 1))));
    }
};

void punto(FrmVask_2& n, float x, float y) {
    n.picAreagrafica_MouseMove(x, 12 - y);
    n.picAreagrafica_MouseDown(x, 12 - y);
}

}  // namespace

class StampaTest : public QObject {
    Q_OBJECT

private slots:
    void disegno_e_risultati_su_pagine_orizzontali_e_verticali() {
        Copione copione;
        FinestraPrincipale f(&copione);
        FrmVask_2& n = f.nucleo();
        QVERIFY(Foglio(QSize(1123, 794), n).ha("Nessun calcolo eseguito."));

        n.mnuStrumentiRettangolo_Click();  // 2 x 6 from (4, 3), then 2 x 1 from (10, 1)
        for (QPointF q : {QPointF(4, 3), QPointF(6, 9), QPointF(10, 1), QPointF(12, 2)}) punto(n, q.x(), q.y());
        n.btnEsegui_Click();
        n.mnuModificaRettangolo_Click();  // the panel now shows the small one
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
        const Foglio foglio(QSize(1123, 794), n);
        QVERIFY(foglio.ha("14") && foglio.ha("cambiata"));
    }

    void stampa_in_pdf_dal_menu_e_dice_quando_non_puo() {
        QTemporaryDir cartella;
        Copione copione;
        FinestraPrincipale f(&copione);
        QPdfWriter pdf(cartella.filePath("pagina.pdf"));
        pdf.setResolution(300);
        f.stampa().sceglidispositivo = [&pdf] { return &pdf; };
        f.findChild<QAction*>("mnuFileStampa")->trigger();
        QFile file(cartella.filePath("pagina.pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("/Type /Page\n"), 1);
        QVERIFY(copione.domande.empty());

        QPdfWriter altrove(cartella.filePath("manca/pagina.pdf"));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!f.stampa().stampa(altrove));
        QCOMPARE(copione.domande.size(), size_t(1));
        QCOMPARE(copione.domande[0].titolo, std::string("Stampa non riuscita."));
    }
};

QTEST_MAIN(StampaTest)
#include "stampa_test.moc"
