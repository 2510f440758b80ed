#include "estudio/fila_botones.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
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
    auto* exportado = new QLabel(ventana);
    exportado->setObjectName(QStringLiteral("Exportado"));
    exportado->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path must not widen the window.
    exportado->setMinimumWidth(0);
    exportado->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    fila->addSpacing(12);
    fila->addWidget(exportado, 1);
    QPushButton* cerrar = botonEstudio(QStringLiteral("Cerrar"), QStringLiteral("Cerrar"), ventana);
    QObject::connect(cerrar, &QPushButton::clicked, ventana, &QDialog::reject);
    fila->addWidget(cerrar);
    return fila;
}

} // namespace tubrix::gui
