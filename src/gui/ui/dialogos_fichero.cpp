#include "ui/dialogos_fichero.h"

#include "obra/fichero_obra.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>

namespace tubrix::gui {
namespace {

const QString kFiltro = QStringLiteral("Ficheros TUBRIX (*.tbx);;Todos los ficheros (*.*)");
const QString kClaveCarpeta = QStringLiteral("dialogos/ultimaCarpeta");

QString inicial(const std::string& preset) {
    const QString nombre = QString::fromStdString(preset);
    const QFileInfo info(nombre);
    if (!nombre.isEmpty() && info.isAbsolute() && info.dir().exists())
        return nombre;
    const QString carpeta = QString::fromStdString(carpetaInicial());
    return nombre.isEmpty() ? carpeta : QDir(carpeta).filePath(info.fileName());
}

std::optional<std::string> resultado(const QString& elegido) {
    if (elegido.isEmpty())
        return std::nullopt;
    const std::string nombre = QDir::toNativeSeparators(elegido).toStdString();
    recuerdaCarpeta(nombre);
    return nombre;
}

} // namespace

std::string carpetaInicial() {
    const QSettings ajustes;
    const QString guardada = ajustes.value(kClaveCarpeta).toString();
    if (!guardada.isEmpty() && QDir(guardada).exists())
        return guardada.toStdString();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

void recuerdaCarpeta(const std::string& fichero) {
    QSettings ajustes;
    ajustes.setValue(kClaveCarpeta, QFileInfo(QString::fromStdString(fichero)).absolutePath());
}

std::optional<std::string> pideFicheroAbrir(QWidget* parent, const std::string& preset) {
    return resultado(QFileDialog::getOpenFileName(parent, QStringLiteral("Recuperar un cálculo"),
                                                  inicial(preset), kFiltro));
}

std::optional<std::string> pideFicheroGuardar(QWidget* parent, const std::string& preset) {
    // The confirmation before replacing an existing file is the dialog's own.
    return resultado(QFileDialog::getSaveFileName(parent, QStringLiteral("Guardar el proyecto"),
                                                  inicial(preset), kFiltro));
}

std::optional<std::string> pideFicheroPdf(QWidget* parent, const std::string& preset) {
    QString nombre =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Exportar el informe en PDF"),
                                     inicial(preset), QStringLiteral("Ficheros PDF (*.pdf)"));
    if (!nombre.isEmpty() && !nombre.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        nombre += QStringLiteral(".pdf");
    return resultado(nombre);
}

std::optional<std::string> pideFicheroObra(QWidget* parent, bool guardar) {
    const QString carpeta = QString::fromStdString(carpetaInicial());
    const QString filtro = QString::fromUtf8(kFiltroObra.data(), kFiltroObra.size()) +
                           QStringLiteral(";;Todos los archivos (*)");
    auto elegido =
        resultado(guardar ? QFileDialog::getSaveFileName(parent, QStringLiteral("Guardar la obra"),
                                                         carpeta, filtro)
                          : QFileDialog::getOpenFileName(parent, QStringLiteral("Abrir una obra"),
                                                         carpeta, filtro));
    if (elegido && guardar)
        *elegido = Aplica_Extension_Tbo(*elegido);
    return elegido;
}

std::optional<std::string> pideCsvTramos(QWidget* parent) {
    return resultado(QFileDialog::getOpenFileName(
        parent, QStringLiteral("Importar tramos de un CSV"),
        QString::fromStdString(carpetaInicial()),
        QStringLiteral("Ficheros CSV (*.csv);;Todos los archivos (*)")));
}

std::optional<std::string> pideCarpeta(QWidget* parent) {
    const QString carpeta = QFileDialog::getExistingDirectory(
        parent, QStringLiteral("Carpeta para las imágenes del informe"),
        QString::fromStdString(carpetaInicial()));
    if (carpeta.isEmpty())
        return std::nullopt;
    QSettings ajustes;
    ajustes.setValue(kClaveCarpeta, carpeta);
    return QDir::toNativeSeparators(carpeta).toStdString();
}

std::optional<std::string> pideTexto(QWidget* parent, const std::string& titulo,
                                     const std::string& pregunta) {
    bool aceptado = false;
    const QString texto =
        QInputDialog::getText(parent, QString::fromStdString(titulo),
                              QString::fromStdString(pregunta), QLineEdit::Normal, {}, &aceptado);
    if (!aceptado)
        return std::nullopt;
    return texto.toStdString();
}

} // namespace tubrix::gui
