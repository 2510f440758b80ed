#pragma once

#include <functional>
#include <optional>
#include <string>
#include <tl/expected.hpp>

#include <QString>

class QImage;
class QWidget;

namespace tubrix::gui {

// Exports of a study window: the save dialog (which tests replace) and the writing of the
// chosen file in one atomic step, with the failure shown as a message and the success named in
// the window's "Exportado" label (see filaBotonesEstudio). Use:
//
//   m_pideCsv = dialogoExportacion(TipoExportacion::Csv, QStringLiteral("Exportar el estudio"));
//   exporta(this, m_pideCsv, "estudio-H.csv", [&] { return contenido(csvDelEstudio(...)); });

// A file to export into, preset to a suggested name (UTF-8); nothing when cancelled.
using PideFicheroExportacion =
    std::function<std::optional<std::string>(QWidget* parent, const std::string& sugerido)>;

// The bytes to write, or the Spanish reason they could not be made.
using ContenidoExportacion = std::function<tl::expected<std::string, std::string>()>;

enum class TipoExportacion { Csv, Png, Pdf };

// The save dialog for an export: "Ficheros CSV (*.csv)", "Imágenes PNG (*.png)" or "Documentos
// PDF (*.pdf)", opening in the folder used last; the extension is added when the name has none.
std::optional<std::string> pideFicheroExportacion(QWidget* parent, const QString& titulo,
                                                  const QString& filtro, const QString& extension,
                                                  const std::string& sugerido);
PideFicheroExportacion dialogoExportacion(TipoExportacion tipo, const QString& titulo);

// Asks for the file, makes the bytes and writes them. Returns the file written; nothing when
// the user cancelled or it failed (the reason was then shown, and no file was touched).
std::optional<std::string> exporta(QWidget* ventana, const PideFicheroExportacion& pide,
                                   const std::string& sugerido,
                                   const ContenidoExportacion& contenido);

// Contents already at hand, and a picture as PNG bytes.
tl::expected<std::string, std::string> contenido(std::string bytes);
tl::expected<std::string, std::string> bytesPng(const QImage& imagen);

} // namespace tubrix::gui
