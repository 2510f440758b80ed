#pragma once

#include "imagenes_informe.h"

#include <optional>
#include <string>

class QWidget;

namespace tubrix::gui {

// What the report's page header carries, and for page images their format.
struct DatosInforme {
    std::string titulo;
    std::string autor;
    FormatoImagen formato = FormatoImagen::Bmp;
};

enum class UsoInforme { Impresion, Pdf, Imagenes };

// One dialog, "Datos del informe", with "Título del proyecto:" and "Autor del proyecto:" preset
// as given and, for page images, the format (PNG or BMP). Page images need both texts: until
// they are given the dialog says so and cannot be accepted. Nothing when it is cancelled.
std::optional<DatosInforme> pideDatosInforme(QWidget* parent, const DatosInforme& preset,
                                             UsoInforme uso);

} // namespace tubrix::gui
