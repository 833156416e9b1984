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

    // Create the main window if needed, show it, close this window.
    void avvia();

    static QPixmap logo();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    std::unique_ptr<FinestraPrincipale> principale_;
    QLabel* avvio_ = nullptr;
};

}  // namespace vask
