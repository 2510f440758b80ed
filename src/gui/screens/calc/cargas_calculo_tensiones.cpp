#include "screens/calc/cargas_calculo_tensiones.h"

#include "calc/cargas_calculo.h"
#include "screens/calc/distribucion_comun.h"

namespace tubrix::gui {

Cargas_Calculo_Tensiones::Cargas_Calculo_Tensiones(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Cargas_Calculo_Tensiones,
                   QStringLiteral("Cargas de cálculo (Tensiones)"), parent) {
    cajaNorma()->hide();
    const EtiquetasCargasCalculo etiquetas(contenido());
    Proyecto& p = proyecto();
    // Without creep the long-term column is computed but not shown.
    etiquetas.muestraLargoPlazo(p.Largo_Plazo == 1);
    if (const auto calculo = Calcula_Cargas_Calculo_Tensiones(p); !calculo) {
        rechazaCalculo(calculo.error());
        return;
    }
    etiquetas.muestra(0, p.Qvt, p.Qh, p.Qh_Estrella, contexto.separadores);
    etiquetas.muestra(1, p.Qvt_LP, p.Qh_LP, p.Qh_Estrella_LP, contexto.separadores);
}

} // namespace tubrix::gui
