#include "app/principal.h"

#include <QLabel>

namespace tubrix::gui {

Principal::Principal(Proyecto& proyecto, const Catalogo& catalogo, QWidget* parent)
    : QMainWindow(parent), m_proyecto(proyecto), m_catalogo(catalogo) {
    setWindowTitle(QStringLiteral("Cálculo Tubrix de Tuberías"));
    auto* texto = new QLabel(QStringLiteral("Programa de cálculo tubrix de tuberías"), this);
    texto->setAlignment(Qt::AlignCenter);
    setCentralWidget(texto);
    resize(640, 420);
}

} // namespace tubrix::gui
