#include "app/presentacion.h"

#include "catalogue/catalogo_sqlite.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tubrix::gui {

Presentacion::Presentacion(std::filesystem::path catalogo, QWidget* parent)
    : QDialog(parent), m_ruta(std::move(catalogo)) {
    setWindowTitle(QStringLiteral("Cálculo Tubrix de Tuberías"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 20);
    layout->setSpacing(12);
    auto* logo = new QLabel(this);
    logo->setPixmap(QIcon(QStringLiteral(":/icons/tubrix.svg")).pixmap(128, 128));
    logo->setAlignment(Qt::AlignCenter);
    auto* nombre = new QLabel(QStringLiteral("Tubrix"), this);
    QFont grande = nombre->font();
    grande.setPointSizeF(grande.pointSizeF() * 2.2);
    grande.setBold(true);
    nombre->setFont(grande);
    nombre->setAlignment(Qt::AlignCenter);
    auto* lema = new QLabel(QStringLiteral("Cálculo mecánico de tuberías enterradas\n"
                                           "ATV A 127 · UNE 88.211-90"),
                            this);
    lema->setAlignment(Qt::AlignCenter);
    auto* boton = new QPushButton(QStringLiteral("Comenzar"), this);
    boton->setObjectName(QStringLiteral("Comenzar"));
    boton->setDefault(true);
    layout->addWidget(logo);
    layout->addWidget(nombre);
    layout->addWidget(lema);
    layout->addWidget(boton, 0, Qt::AlignCenter);
    connect(boton, &QPushButton::clicked, this, &QDialog::accept);
}

Resultado<Catalogo> Presentacion::abreCatalogo() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Resultado<Catalogo> catalogo = tubrix::abreCatalogo(m_ruta);
    QApplication::restoreOverrideCursor();
    return catalogo;
}

} // namespace tubrix::gui
