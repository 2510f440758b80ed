#include "ui/informe_acciones.h"

#include "pintor_informe.h"
#include "report/informe.h"
#include "ui/mensajes.h"
#include "util/paths.h"

#include <optional>

#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>

namespace tubrix::gui {
namespace {

const QString kClaveTitulo = QStringLiteral("informe/titulo");
const QString kClaveAutor = QStringLiteral("informe/autor");
const QString kClaveFormato = QStringLiteral("informe/formatoImagenes");

std::optional<DatosInforme> pregunta(QWidget* parent, Contexto& contexto, UsoInforme uso) {
    return preguntaDatosInforme(parent, contexto.dialogos, contexto.proyecto.Texto_Proyecto, uso);
}

Informe contenido(const Contexto& contexto, SalidaInforme salida) {
    return Contenido_Informe(contexto.proyecto, contexto.catalogo, contexto.separadores, salida);
}

CabeceraInforme cabecera(const DatosInforme& datos) {
    return {QString::fromStdString(datos.titulo), QString::fromStdString(datos.autor)};
}

std::string nativo(const std::string& ruta) {
    return QDir::toNativeSeparators(QString::fromStdString(ruta)).toStdString();
}

void avisaError(QWidget* parent, const Error& error) {
    muestraMensaje(parent, {error.mensaje, Icono::Critico, false, "Aviso"});
}

} // namespace

std::optional<DatosInforme> preguntaDatosInforme(QWidget* parent, const Dialogos& dialogos,
                                                 const std::string& descripcion, UsoInforme uso) {
    QSettings ajustes;
    DatosInforme preset;
    preset.titulo =
        descripcion.empty() ? ajustes.value(kClaveTitulo).toString().toStdString() : descripcion;
    preset.autor = ajustes.value(kClaveAutor).toString().toStdString();
    preset.formato = ajustes.value(kClaveFormato).toString() == QStringLiteral("png")
                         ? FormatoImagen::Png
                         : FormatoImagen::Bmp;
    auto datos = dialogos.pideDatosInforme(parent, preset, uso);
    if (!datos)
        return std::nullopt;
    ajustes.setValue(kClaveTitulo, QString::fromStdString(datos->titulo));
    ajustes.setValue(kClaveAutor, QString::fromStdString(datos->autor));
    if (uso == UsoInforme::Imagenes)
        ajustes.setValue(kClaveFormato, QString::fromUtf8(extensionImagen(datos->formato).data()));
    return datos;
}

void imprimeInforme(QWidget* parent, Contexto& contexto) {
    const auto datos = pregunta(parent, contexto, UsoInforme::Impresion);
    if (!datos)
        return;
    const Informe informe = contenido(contexto, SalidaInforme::Impresora);
    const PintorInforme pintor(informe, cabecera(*datos), SalidaInforme::Impresora);
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
    const auto datos = pregunta(parent, contexto, UsoInforme::Imagenes);
    if (!datos || datos->titulo.empty() || datos->autor.empty())
        return;
    const auto carpeta = contexto.dialogos.pideCarpeta(parent);
    if (!carpeta)
        return;
    const Informe informe = contenido(contexto, SalidaInforme::Imagenes);
    const auto escritas =
        escribeImagenes(informe, cabecera(*datos), pathFromUtf8(*carpeta), datos->formato);
    if (!escritas) {
        avisaError(parent, escritas.error());
        return;
    }
    const std::string extension(extensionImagen(datos->formato));
    muestraMensaje(parent, {"Se han guardado las " + std::to_string(escritas->size()) +
                                " hojas del informe (Imp01." + extension + " a " +
                                utf8FromPath(escritas->back().filename()) + ") en \"" +
                                nativo(*carpeta) + "\".",
                            Icono::Informacion, false, "Aviso"});
}

void exportaInformePdf(QWidget* parent, Contexto& contexto) {
    const auto datos = pregunta(parent, contexto, UsoInforme::Pdf);
    if (!datos)
        return;
    std::string preset = contexto.proyecto.Fichero;
    if (preset.size() > 4)
        preset = preset.substr(0, preset.size() - 4) + ".pdf";
    const auto fichero = contexto.dialogos.pideFicheroPdf(parent, preset);
    if (!fichero)
        return;
    const Informe informe = contenido(contexto, SalidaInforme::Impresora);
    if (auto escrito = escribePdf(informe, cabecera(*datos), pathFromUtf8(*fichero)); !escrito) {
        avisaError(parent, escrito.error());
        return;
    }
    muestraMensaje(parent, {"Se ha guardado el informe en \"" + nativo(*fichero) + "\".",
                            Icono::Informacion, false, "Aviso"});
}

} // namespace tubrix::gui
