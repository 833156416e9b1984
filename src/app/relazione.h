// The window of the calculation report, `frmRelazione`: the steps of the last
// computation as rich text, printed, saved as HTML or PDF, copied for a
// spreadsheet. Also the report of section files for the command line.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QPagedPaintDevice;
class QTextBrowser;
class QTextDocument;
class QTextStream;

namespace vask {

class FrmVask_2;
class Messaggi;

// The report as a document: text, tables and Mohr's circle as a vector object.
void componirelazione(QTextDocument& documento, const FrmVask_2& nucleo);

class FinestraRelazione : public QWidget {
    Q_OBJECT
public:
    FinestraRelazione(const FrmVask_2& nucleo, Messaggi& messaggi, QWidget* genitore);

    // Where to print and where to save: the dialogs in the program, fixed
    // answers in the tests. Null or empty cancels.
    std::function<QPagedPaintDevice*()> sceglidispositivo;
    std::function<QString()> sceglifile;

    // The last computation again, when it or the section changed.
    void aggiorna();
    void stampa();
    void salva();
    void copia();
    // The report as HTML, with the circle as an embedded picture.
    QString html() const;

protected:
    // Another language: the title, the buttons and the report in it at once.
    void changeEvent(QEvent* evento) override;

private:
    void ritraduci();

    const FrmVask_2& nucleo_;
    Messaggi& messaggi_;
    QTextBrowser* testo_;
    QString mostrato_;  // the plain text now shown: rebuilt only when it changes
};


}  // namespace vask
