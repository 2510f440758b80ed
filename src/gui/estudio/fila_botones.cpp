#include "estudio/fila_botones.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace tubrix::gui {

QPushButton* botonEstudio(const QString& texto, const QString& nombre, QDialog* ventana) {
    auto* boton = new QPushButton(texto, ventana);
    boton->setObjectName(nombre);
    boton->setAutoDefault(false);
    return boton;
}

QHBoxLayout* filaBotonesEstudio(QDialog* ventana, std::initializer_list<QPushButton*> acciones) {
    auto* fila = new QHBoxLayout;
    for (QPushButton* boton : acciones)
        fila->addWidget(boton);
    fila->addStretch(1);
    QPushButton* cerrar = botonEstudio(QStringLiteral("Cerrar"), QStringLiteral("Cerrar"), ventana);
    QObject::connect(cerrar, &QPushButton::clicked, ventana, &QDialog::reject);
    fila->addWidget(cerrar);
    return fila;
}

} // namespace tubrix::gui
