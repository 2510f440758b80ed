#include "ui/mensajes.h"

#include <QApplication>

namespace tubrix::gui {
namespace {

QMessageBox::StandardButton pregunta(QWidget* parent, const Mensaje& mensaje,
                                     QMessageBox::StandardButtons botones,
                                     QMessageBox::StandardButton predeterminado) {
    if (mensaje.pitido)
        QApplication::beep();
    QMessageBox caja(iconoQt(mensaje.icono), QString::fromStdString(mensaje.titulo),
                     QString::fromStdString(mensaje.texto), botones, parent);
    caja.setDefaultButton(predeterminado);
    return static_cast<QMessageBox::StandardButton>(caja.exec());
}

} // namespace

QMessageBox::Icon iconoQt(Icono icono) {
    switch (icono) {
    case Icono::Ninguno:
        return QMessageBox::NoIcon;
    case Icono::Informacion:
        return QMessageBox::Information;
    case Icono::Exclamacion:
        return QMessageBox::Warning;
    case Icono::Pregunta:
        return QMessageBox::Question;
    case Icono::Critico:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

void muestraMensaje(QWidget* parent, const Mensaje& mensaje) {
    pregunta(parent, mensaje, QMessageBox::Ok, QMessageBox::Ok);
}

bool preguntaAceptarCancelar(QWidget* parent, const Mensaje& mensaje) {
    return pregunta(parent, mensaje, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) ==
           QMessageBox::Ok;
}

bool preguntaSiNo(QWidget* parent, const Mensaje& mensaje) {
    return pregunta(parent, mensaje, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

} // namespace tubrix::gui
