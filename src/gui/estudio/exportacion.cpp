#include "estudio/exportacion.h"

#include "ui/dialogos_fichero.h"
#include "ui/mensajes.h"
#include "util/atomic_file.h"
#include "util/paths.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>

namespace tubrix::gui {

std::optional<std::string> pideFicheroExportacion(QWidget* parent, const QString& titulo,
                                                  const QString& filtro, const QString& extension,
                                                  const std::string& sugerido) {
    const QString inicial =
        QDir(QString::fromStdString(carpetaInicial())).filePath(QString::fromStdString(sugerido));
    QString nombre = QFileDialog::getSaveFileName(parent, titulo, inicial, filtro);
    if (nombre.isEmpty())
        return std::nullopt;
    if (QFileInfo(nombre).suffix().isEmpty())
        nombre += extension;
    const std::string elegido = QDir::toNativeSeparators(nombre).toStdString();
    recuerdaCarpeta(elegido);
    return elegido;
}

PideFicheroExportacion dialogoExportacion(TipoExportacion tipo, const QString& titulo) {
    QString filtro;
    QString extension;
    switch (tipo) {
    case TipoExportacion::Csv:
        filtro = QStringLiteral("Ficheros CSV (*.csv)");
        extension = QStringLiteral(".csv");
        break;
    case TipoExportacion::Png:
        filtro = QStringLiteral("Imágenes PNG (*.png)");
        extension = QStringLiteral(".png");
        break;
    case TipoExportacion::Pdf:
        filtro = QStringLiteral("Documentos PDF (*.pdf)");
        extension = QStringLiteral(".pdf");
        break;
    }
    return [titulo, filtro, extension](QWidget* padre, const std::string& sugerido) {
        return pideFicheroExportacion(padre, titulo, filtro, extension, sugerido);
    };
}

std::optional<std::string> exporta(QWidget* ventana, const PideFicheroExportacion& pide,
                                   const std::string& sugerido,
                                   const ContenidoExportacion& contenido) {
    const std::optional<std::string> fichero = pide(ventana, sugerido);
    if (!fichero)
        return std::nullopt;
    const tl::expected<std::string, std::string> bytes = contenido();
    if (!bytes) {
        muestraMensaje(ventana, {bytes.error(), Icono::Critico, false, "Aviso"});
        return std::nullopt;
    }
    if (auto escrito = writeFileAtomically(pathFromUtf8(*fichero), *bytes); !escrito) {
        muestraMensaje(ventana, {escrito.error(), Icono::Critico, false, "Aviso"});
        return std::nullopt;
    }
    if (auto* aviso = ventana->findChild<QLabel*>(QStringLiteral("Exportado")))
        aviso->setText(QStringLiteral("Exportado: %1").arg(QString::fromStdString(*fichero)));
    return fichero;
}

tl::expected<std::string, std::string> contenido(std::string bytes) {
    return bytes;
}

tl::expected<std::string, std::string> bytesPng(const QImage& imagen) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (imagen.isNull() || !imagen.save(&buffer, "PNG"))
        return tl::unexpected(std::string("No se ha podido crear la imagen del gráfico."));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace tubrix::gui
