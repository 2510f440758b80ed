#include "ui/mensajes.h"

#include <QAbstractButton>
#include <QApplication>

namespace tubrix::gui {
namespace {

// The buttons read in Spanish whatever translations the system has.
void ponTextosEspanoles(QMessageBox& caja) {
    const std::pair<QMessageBox::StandardButton, const char*> textos[] = {
        {QMessageBox::Ok, "Aceptar"},
        {QMessageBox::Cancel, "Cancelar"},
        {QMessageBox::Yes, "&Sí"},
        {QMessageBox::No, "&No"}};
    for (const auto& [boton, texto] : textos)
        if (QAbstractButton* b = caja.button(boton))
            b->setText(QString::fromUtf8(texto));
}

QMessageBox::StandardButton pregunta(QWidget* parent, const Mensaje& mensaje,
                                     QMessageBox::StandardButtons botones,
                                     QMessageBox::StandardButton predeterminado) {
    if (mensaje.pitido)
        QApplication::beep();
    QMessageBox caja(iconoQt(mensaje.icono), QString::fromStdString(mensaje.titulo),
                     QString::fromStdString(mensaje.texto), botones, parent);
    caja.setDefaultButton(predeterminado);
    ponTextosEspanoles(caja);
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

Respuesta preguntaSiNoCancelar(QWidget* parent, const Mensaje& mensaje) {
    // Escape and the window's close button answer Cancel: nothing is lost by closing the box.
    switch (pregunta(parent, mensaje, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                     QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Respuesta::Si;
    case QMessageBox::No:
        return Respuesta::No;
    default:
        return Respuesta::Cancelar;
    }
}

} // namespace tubrix::gui
