#include "ui/informe_acciones.h"

#include "pintor_informe.h"
#include "report/informe.h"
#include "ui/mensajes.h"
#include "util/paths.h"

#include <optional>

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace tubrix::gui {
namespace {

struct Respuestas {
    std::optional<std::string> titulo;
    std::optional<std::string> autor;
};

Respuestas pregunta(QWidget* parent, Contexto& contexto) {
    Respuestas r;
    // Both questions are asked whatever the first answer, as the input boxes always were.
    r.titulo = contexto.dialogos.pideTexto(parent, "Título", "Título del proyecto:");
    r.autor = contexto.dialogos.pideTexto(parent, "Autor", "Autor del proyecto:");
    return r;
}

Informe contenido(const Contexto& contexto, SalidaInforme salida) {
    return Contenido_Informe(contexto.proyecto, contexto.catalogo, contexto.separadores, salida);
}

CabeceraInforme cabecera(const std::string& titulo, const std::string& autor) {
    return {QString::fromStdString(titulo), QString::fromStdString(autor)};
}

void avisaError(QWidget* parent, const Error& error) {
    muestraMensaje(parent, {error.mensaje, Icono::Critico, false, "Aviso"});
}

} // namespace

void imprimeInforme(QWidget* parent, Contexto& contexto) {
    const Respuestas r = pregunta(parent, contexto);
    const Informe informe = contenido(contexto, SalidaInforme::Impresora);
    const PintorInforme pintor(informe, cabecera(r.titulo.value_or(""), r.autor.value_or("")),
                               SalidaInforme::Impresora);
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageSize(QPageSize(QPageSize::A4));
    impresora.setDocName(QStringLiteral("Cálculo tubrix de tuberías"));
    QPrintPreviewDialog vista(&impresora, parent);
    vista.setWindowTitle(QStringLiteral("Informe de cálculo"));
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista,
                     [&pintor, &vista](QPrinter* destino) {
                         if (auto pintado = pintor.pintaEn(*destino); !pintado)
                             avisaError(&vista, pintado.error());
                         else if (destino->printerState() == QPrinter::Error)
                             muestraMensaje(&vista, {"La impresora ha devuelto un error.",
                                                     Icono::Critico, false, "Aviso"});
                     });
    vista.exec();
}

void guardaImagenesInforme(QWidget* parent, Contexto& contexto) {
    const Respuestas r = pregunta(parent, contexto);
    if (!r.titulo || !r.autor || r.titulo->empty() || r.autor->empty())
        return;
    const auto carpeta = contexto.dialogos.pideCarpeta(parent);
    if (!carpeta)
        return;
    const Informe informe = contenido(contexto, SalidaInforme::Imagenes);
    const auto escritas =
        escribeImagenes(informe, cabecera(*r.titulo, *r.autor), pathFromUtf8(*carpeta));
    if (!escritas) {
        avisaError(parent, escritas.error());
        return;
    }
    muestraMensaje(parent, {"Se han guardado " + std::to_string(escritas->size()) +
                                " imágenes del informe (Imp01.bmp …) en \"" + *carpeta + "\".",
                            Icono::Informacion, false, "Aviso"});
}

void exportaInformePdf(QWidget* parent, Contexto& contexto) {
    const Respuestas r = pregunta(parent, contexto);
    if (!r.titulo || !r.autor)
        return;
    std::string preset = contexto.proyecto.Fichero;
    if (preset.size() > 4)
        preset = preset.substr(0, preset.size() - 4) + ".pdf";
    const auto fichero = contexto.dialogos.pideFicheroPdf(parent, preset);
    if (!fichero)
        return;
    const Informe informe = contenido(contexto, SalidaInforme::Impresora);
    if (auto escrito = escribePdf(informe, cabecera(*r.titulo, *r.autor), pathFromUtf8(*fichero));
        !escrito)
        avisaError(parent, escrito.error());
}

} // namespace tubrix::gui
