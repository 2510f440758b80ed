#include "screens/calc/distribucion_cargas_2_deformaciones.h"

#include "calc/distribucion_cargas_2.h"
#include "screens/calc/distribucion_comun.h"

namespace tubrix::gui {

Distribucion_Cargas_2_Deformaciones::Distribucion_Cargas_2_Deformaciones(Contexto& contexto,
                                                                         QWidget* parent)
    : PantallaBase(contexto, Pantalla::Distribucion_Cargas_2_Deformaciones,
                   QStringLiteral("Distribución de cargas deformaciones (continuación)"), parent) {
    const EtiquetasConcentracion etiquetas(contenido(), 2);
    Proyecto& p = proyecto();
    if (const auto calculo = Calcula_Distribucion_Cargas_2_Deformaciones(p); !calculo) {
        rechazaCalculo(calculo.error());
        return;
    }
    etiquetas.muestra(0, p, concentracionDeformaciones(p), contexto.separadores);
    etiquetas.muestra(1, p, concentracionDeformacionesLargo(p), contexto.separadores);
}

} // namespace tubrix::gui
