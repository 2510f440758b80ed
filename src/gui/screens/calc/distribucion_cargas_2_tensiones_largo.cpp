#include "screens/calc/distribucion_cargas_2_tensiones_largo.h"

#include "calc/distribucion_cargas_2.h"
#include "screens/calc/distribucion_comun.h"

namespace tubrix::gui {

Distribucion_Cargas_2_Tensiones_Largo::Distribucion_Cargas_2_Tensiones_Largo(Contexto& contexto,
                                                                             QWidget* parent)
    : PantallaBase(contexto, Pantalla::Distribucion_Cargas_2_Tensiones_Largo,
                   QStringLiteral("Distribución de cargas tensiones largo plazo (continuación)"),
                   parent) {
    const EtiquetasConcentracion etiquetas(contenido(), 1);
    Proyecto& p = proyecto();
    if (const auto calculo = Calcula_Distribucion_Cargas_2_Tensiones_Largo(p); !calculo) {
        rechazaCalculo(calculo.error());
        return;
    }
    etiquetas.muestra(0, p, concentracionTensionesLargo(p), contexto.separadores);
}

} // namespace tubrix::gui
