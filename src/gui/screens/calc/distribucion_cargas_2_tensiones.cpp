#include "screens/calc/distribucion_cargas_2_tensiones.h"

#include "calc/distribucion_cargas_2.h"
#include "screens/calc/distribucion_comun.h"

namespace tubrix::gui {

Distribucion_Cargas_2_Tensiones::Distribucion_Cargas_2_Tensiones(Contexto& contexto,
                                                                 QWidget* parent)
    : PantallaBase(contexto, Pantalla::Distribucion_Cargas_2_Tensiones,
                   QStringLiteral("Distribución de cargas tensiones (continuación)"), parent) {
    const EtiquetasConcentracion etiquetas(contenido(), 1);
    Proyecto& p = proyecto();
    if (const auto calculo = Calcula_Distribucion_Cargas_2_Tensiones(p); !calculo) {
        rechazaCalculo(calculo.error());
        return;
    }
    etiquetas.muestra(0, p, concentracionTensiones(p), contexto.separadores);
}

} // namespace tubrix::gui
