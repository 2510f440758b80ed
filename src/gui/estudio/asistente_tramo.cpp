#include "estudio/asistente_tramo.h"

#include "app/asistente.h"
#include "obra/fichero_obra.h"
#include "screens/fabrica.h"
#include "ui/dialogos_fichero.h"
#include "ui/mensajes.h"
#include "ui/pantalla_base.h"
#include "ui/rejilla.h"

#include <QDir>
#include <QFileDialog>

namespace tubrix::gui {

void ejecutaAsistenteSobre(Proyecto& seccion, const Contexto& contexto, QWidget* padre) {
    Contexto copia{seccion, contexto.catalogo, contexto.calculadora, contexto.separadores,
                   contexto.dialogos};
    Asistente::Acciones acciones;
    acciones.muestraPantalla = [&copia, padre](Pantalla pantalla) {
        const std::unique_ptr<PantallaBase> dialogo = creaPantalla(pantalla, copia, padre);
        dialogo->exec();
    };
    acciones.preguntaNuevaSeccion = [] {
        return false;
    };
    acciones.pideFicheroAbrir = [](const std::string&) {
        return std::optional<std::string>();
    };
    acciones.muestraError = [padre](const std::string& mensaje) {
        muestraMensaje(padre, {mensaje, Icono::Critico, false, "Aviso"});
    };
    acciones.ponFlecha = [](int) {
    };
    Asistente(seccion, std::move(acciones)).ejecuta(Asistente::Ruta::NuevaSeccion);
}

std::optional<std::string> pideFicheroObra(QWidget* padre, bool guardar) {
    const QString carpeta = qs(carpetaInicial());
    const QString filtro = qs(kFiltroObra) + QStringLiteral(";;Todos los archivos (*)");
    const QString nombre = guardar ? QFileDialog::getSaveFileName(
                                         padre, QStringLiteral("Guardar la obra"), carpeta, filtro)
                                   : QFileDialog::getOpenFileName(
                                         padre, QStringLiteral("Abrir una obra"), carpeta, filtro);
    if (nombre.isEmpty())
        return std::nullopt;
    std::string elegido = QDir::toNativeSeparators(nombre).toStdString();
    if (guardar)
        elegido = Aplica_Extension_Tbo(elegido);
    recuerdaCarpeta(elegido);
    return elegido;
}

std::optional<std::string> pideCsvTramos(QWidget* padre) {
    const QString nombre = QFileDialog::getOpenFileName(
        padre, QStringLiteral("Importar tramos de un CSV"), qs(carpetaInicial()),
        QStringLiteral("Ficheros CSV (*.csv);;Todos los archivos (*)"));
    if (nombre.isEmpty())
        return std::nullopt;
    const std::string elegido = QDir::toNativeSeparators(nombre).toStdString();
    recuerdaCarpeta(elegido);
    return elegido;
}

} // namespace tubrix::gui
