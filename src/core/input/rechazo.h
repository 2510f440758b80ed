#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tubrix {

enum class Icono { Ninguno, Informacion, Exclamacion, Pregunta, Critico };

// A message box as the screens show it.
struct Mensaje {
    std::string texto;
    Icono icono = Icono::Informacion;
    bool pitido = false; // the beep sounds before the box
    std::string titulo = "Aviso";
};

// An input screen refuses to close: it shows the message, puts the focus on one of its
// controls and, for some rules, rewrites that control's text. What the rule stored before the
// refusal stays stored.
struct Rechazo {
    Mensaje mensaje;
    int foco = -1;                             // the screen's own control enum, -1 for none
    std::optional<std::string> textoCorregido; // new text of the focused control, if rewritten
};

// Which arrow closed the screen.
enum class Boton { Siguiente, Atras };

// A question in an OK/Cancel (or Yes/No) box asked in the middle of a rule; true is OK/Yes.
using Pregunta = std::function<bool(const Mensaje&)>;

} // namespace tubrix
