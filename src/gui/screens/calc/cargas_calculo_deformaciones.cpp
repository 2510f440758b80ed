#include "screens/calc/cargas_calculo_deformaciones.h"

#include "calc/cargas_calculo.h"
#include "screens/calc/distribucion_comun.h"

namespace tubrix::gui {

Cargas_Calculo_Deformaciones::Cargas_Calculo_Deformaciones(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Cargas_Calculo_Deformaciones,
                   QStringLiteral("Cargas de cálculo (Deformaciones)"), parent) {
    cajaNorma()->hide();
    const EtiquetasCargasCalculo etiquetas(contenido());
    Proyecto& p = proyecto();

    if (const auto calculo = Calcula_Cargas_Calculo_Deformaciones(p); !calculo) {
        rechazaCalculo(calculo.error());
        return;
    }
    etiquetas.muestra(0, p.Qvt_Def, p.Qh_Def, p.Qh_Estrella_Def, contexto.separadores);
    etiquetas.muestra(1, p.Qvt_Def_LP, p.Qh_Def_LP, p.Qh_Estrella_Def_LP, contexto.separadores);
}

} // namespace tubrix::gui
