// The core's message boxes shown as real modal QMessageBox dialogs.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "model/messaggi.h"

namespace vask {

class MessaggiQt : public Messaggi {
public:
    // `primadimostrare` runs before each box: the window shows the control
    // states the handler has set so far (a box can come halfway through one).
    explicit MessaggiQt(QWidget* genitore = nullptr, std::function<void()> primadimostrare = {})
        : genitore_(genitore), primadimostrare_(std::move(primadimostrare)) {}
    Risposta mostra(const std::string& testo, const std::string& titolo, Icona icona,
                    Pulsanti pulsanti) override;

private:
    QPointer<QWidget> genitore_;
    std::function<void()> primadimostrare_;
};

}  // namespace vask
