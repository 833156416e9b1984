// The window of the element table, `frmTabella`: every number of the section
// at once, editable in place, following every change of the section.
#pragma once

#include <QWidget>
#include <functional>

class QPushButton;
class QTableWidget;

namespace vask {

class FrmVask_2;

class FinestraTabella : public QWidget {
    Q_OBJECT
public:
    // `esegui` runs a core handler as the main window runs its own (and then
    // brings every window up to date).
    FinestraTabella(FrmVask_2& nucleo, std::function<void(const std::function<void()>&)> esegui,
                    QWidget* genitore);

    // The rows, cells and selected row from the core.
    void aggiorna();
    // Selected rows (or all) as text, on the clipboard; rows from the clipboard.
    void copia();
    void incolla();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    FrmVask_2& nucleo_;
    std::function<void(const std::function<void()>&)> esegui_;
    // Title, column names and buttons in the language of the moment.
    void traduci();

    QTableWidget* griglia_;
    QPushButton* copia_;
    QPushButton* incolla_;
    bool aggiornando_ = false;  // cells written by aggiorna(), not by the user
};

}  // namespace vask
