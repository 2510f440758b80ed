#include "screens/calc/distribucion_cargas_deformaciones.h"

#include "calc/distribucion_cargas.h"
#include "screens/calc/distribucion_comun.h"

namespace tubrix::gui {

Distribucion_Cargas_Deformaciones::Distribucion_Cargas_Deformaciones(Contexto& contexto,
                                                                     QWidget* parent)
    : PantallaBase(contexto, Pantalla::Distribucion_Cargas_Deformaciones,
                   QStringLiteral("Distribución de cargas (Deformaciones)"), parent) {
    const EtiquetasRigidez etiquetas(contenido(), 2);
    Proyecto& p = proyecto();
    if (const auto calculo = Calcula_Distribucion_Cargas_Deformaciones(p); !calculo) {
        rechazaCalculo(calculo.error());
        return;
    }
    const auto columna = Carga_Valores(kAnguloApoyoDeformaciones);
    if (!columna)
        return;
    etiquetas.muestra(0, p, rigidezDeformaciones(p), *columna, contexto.separadores);
    etiquetas.muestra(1, p, rigidezDeformacionesLargo(p), *columna, contexto.separadores);
}

} // namespace tubrix::gui
