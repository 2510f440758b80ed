#pragma once

#include <string>
#include <string_view>

namespace tubrix {

// Decimal and thousands separators of the user's regional settings.
struct Separadores {
    std::string decimal;
    std::string miles;
    // False when a screen runs without being shown (the forward pass): its labels are left
    // empty, and only the texts of its input boxes are written.
    bool etiquetas = true;

    static Separadores espanol() { return {",", ".", true}; }
    static Separadores ingles() { return {".", ",", true}; }
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
std::string formateaEtiqueta(double valor, std::string_view patron, const Separadores& separadores);

} // namespace tubrix
