#include "screens/calc/distribucion_cargas_tensiones_largo.h"

#include "calc/distribucion_cargas.h"
#include "screens/calc/distribucion_comun.h"

namespace tubrix::gui {

Distribucion_Cargas_Tensiones_Largo::Distribucion_Cargas_Tensiones_Largo(Contexto& contexto,
                                                                         QWidget* parent)
    : PantallaBase(contexto, Pantalla::Distribucion_Cargas_Tensiones_Largo,
                   QStringLiteral("Distribución de cargas largo plazo (Tensiones)"), parent) {
    const EtiquetasRigidez etiquetas(contenido(), 1);
    Proyecto& p = proyecto();
    if (const auto calculo = Calcula_Distribucion_Cargas_Tensiones_Largo(p); !calculo) {
        rechazaCalculo(calculo.error());
        return;
    }
    // The column of the bedding angle; the calculation has just accepted it.
    if (const auto columna = Carga_Valores(p.Angulo_Apoyo))
        etiquetas.muestra(0, p, rigidezTensionesLargo(p), *columna, contexto.separadores);
}

} // namespace tubrix::gui
