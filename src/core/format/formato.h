#pragma once

#include "format/separador.h"

#include <string>
#include <string_view>

namespace tubrix {

// Decimal and thousands separators of the user's regional settings.
struct Separadores {
    Separador decimal;
    Separador miles;
    // False when a screen runs without being shown (the forward pass): its labels are left
    // empty, and only the texts of its input boxes are written.
    bool etiquetas = true;
    // True when a number shown with these separators reads back as the number itself: a
    // one-character decimal separator that Lee_Numero takes for the point, and a thousands
    // separator that can be taken out of the text without touching its digits, sign or
    // decimal separator. The boxes then hand back their number by arithmetic, without
    // writing it; false, they read their text. Set by the factories (after changing a
    // separator, make the Separadores again with con()).
    bool lecturaDirecta = false;

    static Separadores con(std::string decimal, std::string miles, bool etiquetas = true);
    static Separadores espanol() { return {",", ".", true, true}; }
    static Separadores ingles() { return {".", ",", true, true}; }
};

// Renders a number through a display pattern: "0" a digit always shown, "#" a digit shown only
// when significant, "." the place of the decimal separator, "," between digit signs turns on
// thousands grouping; any other character is literal text before or after the number. The value
// is rounded half away from zero (on its 15-significant-digit decimal form, so 2.675 shows as
// 2,68 with two decimals). "#,###.000" of 0.5 gives ",500"; "00.00" of 1.5 gives "01,50".
// A value that rounds to zero is shown without a sign; a non-finite value as an empty text.
std::string formatea(double valor, std::string_view patron, const Separadores& separadores);

// The text of a label (a value shown, not typed): as formatea, or nothing when the screen is
// not shown.
inline std::string formateaEtiqueta(double valor, std::string_view patron,
                                    const Separadores& separadores) {
    return separadores.etiquetas ? formatea(valor, patron, separadores) : std::string();
}

} // namespace tubrix
