#include "screens/fabrica.h"

#include "ui/pantalla_base.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

// A step whose screen is not built yet: it only lets the wizard move on.
class PantallaProvisional final : public PantallaBase {
public:
    PantallaProvisional(Contexto& contexto, Pantalla pantalla, QWidget* parent)
        : PantallaBase(contexto, pantalla,
                       QString::fromUtf8(nombrePantalla(pantalla).data(),
                                         static_cast<int>(nombrePantalla(pantalla).size())),
                       parent) {
        contenido()->addWidget(new QLabel(QStringLiteral("Pantalla en preparación."), this));
    }
};

} // namespace

std::unique_ptr<PantallaBase> creaPantalla(Pantalla pantalla, Contexto& contexto, QWidget* parent) {
    switch (pantalla) {
    default:
        return std::make_unique<PantallaProvisional>(contexto, pantalla, parent);
    }
}

} // namespace tubrix::gui
