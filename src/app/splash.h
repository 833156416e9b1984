// The start window `frmSplash`: any key, or a click on "Avvia Vask_2 cad",
// opens the main window and closes this one.
#pragma once

#include <QWidget>
#include <memory>

class QLabel;

namespace vask {

class FinestraPrincipale;

class FinestraAvvio : public QWidget {
    Q_OBJECT
public:
    explicit FinestraAvvio(QWidget* genitore = nullptr);
    ~FinestraAvvio() override;

    // The main window, once the user has started it.
    FinestraPrincipale* principale() const { return principale_.get(); }

    // A section file for the main window to open once it is created (the
    // command line); empty for none.
    void daaprire(const QString& percorso) { daaprire_ = percorso; }

    // Create the main window if needed, show it, close this window; a new
    // main window then opens the file to open, if any.
    void avvia();

    static QPixmap logo();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    std::unique_ptr<FinestraPrincipale> principale_;
    QLabel* avvio_ = nullptr;
    QString daaprire_;
};

}  // namespace vask
