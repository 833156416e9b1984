// At its minimum size the main window shows every control whole, apart from the
// others and inside the window, with the usual font and with one half again as
// large. A scale factor alone leaves the layout unchanged in logical pixels; a
// desktop at 150 % that enlarges the fonts instead is what the second case is.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QToolTip>
#include <QtTest>
#include <cmath>

#include "app/areagrafica.h"
#include "app/finestraprincipale.h"
#include "copione.h"

using namespace vask;

namespace {

QString descrivi(QWidget* w, QWidget* riferimento) {
    const QRect r(w->mapTo(riferimento, QPoint()), w->size());
    return QString("%1 %2,%3 %4x%5")
        .arg(w->objectName())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

}  // namespace

class FinestraMinimaTest : public QObject {
    Q_OBJECT
    Copione copione;
    QFont normale;

private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        normale = QApplication::font();
    }
    void cleanup() { QApplication::setFont(normale); }

    void alla_dimensione_minima_nessun_controllo_e_coperto_o_tagliato_data() {
        QTest::addColumn<double>("ingrandimento");
        QTest::newRow("carattere normale") << 1.0;
        QTest::newRow("carattere al 150 %") << 1.5;
    }
    void alla_dimensione_minima_nessun_controllo_e_coperto_o_tagliato() {
        QFETCH(double, ingrandimento);
        QFont carattere = normale;
        carattere.setPointSizeF(normale.pointSizeF() * ingrandimento);
        QApplication::setFont(carattere);

        FinestraPrincipale f(&copione);
        // The longest hint the program gives must not widen the window.
        f.nucleo().ctl.testo("lblDescrizione",
                             "Seleziona cerchio: Selezione eseguita. Puoi cancellarlo, modificarne "
                             "densità e raggio o spostarlo. Consiglio: disattiva snap e osnap.");
        f.sincronizza();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.resize(1, 1);  // clamped to the minimum
        QTRY_COMPARE(f.size(), f.minimumSize());
        QVERIFY2(f.minimumWidth() < 1000 * ingrandimento,
                 qPrintable(QString::number(f.minimumWidth())));
        QApplication::processEvents();

        QWidget* centro = f.centralWidget();
        QList<QWidget*> controlli;
        for (QWidget* w : centro->findChildren<QWidget*>()) {
            const bool nostro = qobject_cast<QPushButton*>(w) || qobject_cast<QLabel*>(w) ||
                                qobject_cast<QLineEdit*>(w) || qobject_cast<AreaGrafica*>(w) ||
                                w->objectName().startsWith("Line");
            if (nostro && !w->objectName().isEmpty() && w->isVisible()) controlli.append(w);
        }
        // Every control of the core is shown, and the four separators.
        QCOMPARE(controlli.size(), int(f.nucleo().ctl.nomi().size()) + 4);

        for (QWidget* w : controlli) {
            const QRect r(w->mapTo(centro, QPoint()), w->size());
            QVERIFY2(centro->rect().contains(r), qPrintable(descrivi(w, centro)));
            // A direction the layout is told to ignore has no minimum to keep.
            const QSizePolicy p = w->sizePolicy();
            const QSize minimo = w->minimumSizeHint();
            if (p.horizontalPolicy() != QSizePolicy::Ignored)
                QVERIFY2(w->width() >= minimo.width(), qPrintable(descrivi(w, centro)));
            if (p.verticalPolicy() != QSizePolicy::Ignored)
                QVERIFY2(w->height() >= minimo.height(), qPrintable(descrivi(w, centro)));
        }
        for (int i = 0; i < controlli.size(); ++i)
            for (int j = i + 1; j < controlli.size(); ++j) {
                QWidget* a = controlli[i];
                QWidget* b = controlli[j];
                if (a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
                const QRect ra(a->mapTo(centro, QPoint()), a->size());
                const QRect rb(b->mapTo(centro, QPoint()), b->size());
                QVERIFY2(!ra.intersects(rb),
                         qPrintable(descrivi(a, centro) + " / " + descrivi(b, centro)));
            }

        // The area and its captions sit in the middle of their frame.
        QWidget* quadro = f.area()->parentWidget();
        QRect blocco;
        for (QWidget* w : quadro->findChildren<QWidget*>()) blocco |= w->geometry();
        QVERIFY(std::abs(blocco.top() - (quadro->height() - 1 - blocco.bottom())) <= 1);
        QVERIFY(std::abs(blocco.left() - (quadro->width() - 1 - blocco.right())) <= 1);
    }

    void un_indicazione_troppo_lunga_resta_intera_nel_testo_e_nel_suggerimento() {
        FinestraPrincipale f(&copione);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.resize(1, 1);
        QTRY_COMPARE(f.size(), f.minimumSize());
        auto* barra = f.findChild<QLabel*>("lblDescrizione");
        const QString corta = "Disegna: Premi Esegui.";
        const QString lunga = QString("Seleziona cerchio: Selezione eseguita.").repeated(3);
        auto suggerimento = [&] {
            QToolTip::hideText();
            const QPoint p = barra->rect().center();
            QHelpEvent e(QEvent::ToolTip, p, barra->mapToGlobal(p));
            QApplication::sendEvent(barra, &e);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        f.nucleo().ctl.testo("lblDescrizione", lunga.toStdString());
        f.sincronizza();
        QCOMPARE(barra->text(), lunga);
        QCOMPARE(suggerimento(), lunga);
        // A hint that fits keeps the bar's own tooltip.
        f.nucleo().ctl.testo("lblDescrizione", corta.toStdString());
        f.sincronizza();
        QCOMPARE(suggerimento(), barra->toolTip());
    }
};

QTEST_MAIN(FinestraMinimaTest)
#include "finestra_minima_test.moc"
