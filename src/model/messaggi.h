// Modal message boxes, behind an interface: the shell shows real ones, tests
// answer from a script and record what was asked.
#pragma once

#include <string>

namespace vask {

enum class Icona { Esclamazione, Critico, Informazione };
enum class Pulsanti { Ok, SiNo, SiNoAnnulla };
enum class Risposta { Ok, Si, No, Annulla };

class Messaggi {
public:
    virtual ~Messaggi() = default;
    virtual Risposta mostra(const std::string& testo, const std::string& titolo, Icona icona,
                            Pulsanti pulsanti) = 0;
};

}  // namespace vask
