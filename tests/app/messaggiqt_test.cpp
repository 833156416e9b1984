// The core's questions as real message boxes: icon, buttons, answer.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include "app/messaggiqt.h"

using namespace vask;

namespace {

struct Visto {
    QString titolo, testo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QMessageBox::StandardButtons pulsanti;
};

// Waits for the modal box, notes what it shows and presses `premi`.
void rispondi(Visto& visto, QMessageBox::StandardButton premi) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, &visto, premi] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        visto.titolo = box->windowTitle();
        visto.testo = box->text();
        visto.icona = box->icon();
        visto.pulsanti = box->standardButtons();
        box->button(premi)->click();
    });
    timer->start();
}

}  // namespace

class MessaggiQtTest : public QObject {
    Q_OBJECT
private slots:
    void una_domanda_si_no_mostra_esclamazione_e_rende_il_pulsante_premuto() {
        QWidget genitore;
        MessaggiQt m(&genitore);
        Visto visto;
        rispondi(visto, QMessageBox::No);
        QCOMPARE(int(m.mostra("Inoltrare?", "Nuova sezione.", Icona::Esclamazione, Pulsanti::SiNo)),
                 int(Risposta::No));
        QCOMPARE(visto.titolo, QString("Nuova sezione."));
        QCOMPARE(visto.testo, QString("Inoltrare?"));
        QCOMPARE(visto.icona, QMessageBox::Warning);
        QCOMPARE(visto.pulsanti, QMessageBox::Yes | QMessageBox::No);

        rispondi(visto, QMessageBox::Yes);
        QCOMPARE(int(m.mostra("Inoltrare?", "Nuova sezione.", Icona::Esclamazione, Pulsanti::SiNo)),
                 int(Risposta::Si));
    }

    void un_errore_di_calcolo_mostra_l_icona_critica_con_ok() {
        MessaggiQt m;
        Visto visto;
        rispondi(visto, QMessageBox::Ok);
        QCOMPARE(int(m.mostra("Impossibile.", "Errore.", Icona::Critico, Pulsanti::Ok)),
                 int(Risposta::Ok));
        QCOMPARE(visto.icona, QMessageBox::Critical);
        QCOMPARE(visto.pulsanti, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void un_avviso_informativo_mostra_l_icona_informativa() {
        MessaggiQt m;
        Visto visto;
        rispondi(visto, QMessageBox::Ok);
        QCOMPARE(int(m.mostra("Consulta.", "Guida.", Icona::Informazione, Pulsanti::Ok)),
                 int(Risposta::Ok));
        QCOMPARE(visto.icona, QMessageBox::Information);
        QCOMPARE(visto.titolo, QString("Guida."));
    }
};

QTEST_MAIN(MessaggiQtTest)
#include "messaggiqt_test.moc"
