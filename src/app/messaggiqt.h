// The core's message boxes shown as real modal QMessageBox dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "model/messaggi.h"

namespace vask {

class MessaggiQt : public Messaggi {
public:
    explicit MessaggiQt(QWidget* genitore = nullptr) : genitore_(genitore) {}
    Risposta mostra(const std::string& testo, const std::string& titolo, Icona icona,
                    Pulsanti pulsanti) override;

private:
    QPointer<QWidget> genitore_;
};

}  // namespace vask
