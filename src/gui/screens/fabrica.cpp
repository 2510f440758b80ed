#include "screens/fabrica.h"

#include "screens/calc/calculo_cargas.h"
#include "screens/calc/cargas_calculo_deformaciones.h"
#include "screens/calc/cargas_calculo_tensiones.h"
#include "screens/calc/distribucion_cargas_2_deformaciones.h"
#include "screens/calc/distribucion_cargas_2_tensiones.h"
#include "screens/calc/distribucion_cargas_2_tensiones_largo.h"
#include "screens/calc/distribucion_cargas_deformaciones.h"
#include "screens/calc/distribucion_cargas_tensiones.h"
#include "screens/calc/distribucion_cargas_tensiones_largo.h"
#include "screens/calc/esfuerzos_corto.h"
#include "screens/calc/esfuerzos_largo.h"
#include "screens/calc/estabilidad.h"
#include "screens/calc/tensiones.h"
#include "screens/calc/verificacion_1.h"
#include "screens/input/datos_apoyo.h"
#include "screens/input/datos_suelos.h"
#include "screens/input/datos_suelos_2.h"
#include "screens/input/datos_tubos.h"
#include "screens/input/datos_zanja.h"
#include "screens/input/freatico.h"
#include "screens/input/seguridad_atv.h"
#include "screens/input/seguridad_une.h"
#include "screens/input/sobrecargas.h"

namespace tubrix::gui {

std::unique_ptr<PantallaBase> creaPantalla(Pantalla pantalla, Contexto& contexto, QWidget* parent) {
    switch (pantalla) {
    case Pantalla::Datos_Tubos:
        return std::make_unique<Datos_Tubos>(contexto, parent);
    case Pantalla::Seguridad_UNE:
        return std::make_unique<Seguridad_UNE>(contexto, parent);
    case Pantalla::Seguridad_ATV:
        return std::make_unique<Seguridad_ATV>(contexto, parent);
    case Pantalla::Datos_Zanja:
        return std::make_unique<Datos_Zanja>(contexto, parent);
    case Pantalla::Freatico:
        return std::make_unique<Freatico>(contexto, parent);
    case Pantalla::Datos_Apoyo:
        return std::make_unique<Datos_Apoyo>(contexto, parent);
    case Pantalla::Datos_Suelos:
        return std::make_unique<Datos_Suelos>(contexto, parent);
    case Pantalla::Datos_Suelos_2:
        return std::make_unique<Datos_Suelos_2>(contexto, parent);
    case Pantalla::Sobrecargas:
        return std::make_unique<Sobrecargas>(contexto, parent);
    case Pantalla::Calculo_Cargas:
        return std::make_unique<Calculo_Cargas>(contexto, parent);
    case Pantalla::Distribucion_Cargas_Tensiones:
        return std::make_unique<Distribucion_Cargas_Tensiones>(contexto, parent);
    case Pantalla::Distribucion_Cargas_Tensiones_Largo:
        return std::make_unique<Distribucion_Cargas_Tensiones_Largo>(contexto, parent);
    case Pantalla::Distribucion_Cargas_Deformaciones:
        return std::make_unique<Distribucion_Cargas_Deformaciones>(contexto, parent);
    case Pantalla::Distribucion_Cargas_2_Tensiones:
        return std::make_unique<Distribucion_Cargas_2_Tensiones>(contexto, parent);
    case Pantalla::Distribucion_Cargas_2_Tensiones_Largo:
        return std::make_unique<Distribucion_Cargas_2_Tensiones_Largo>(contexto, parent);
    case Pantalla::Distribucion_Cargas_2_Deformaciones:
        return std::make_unique<Distribucion_Cargas_2_Deformaciones>(contexto, parent);
    case Pantalla::Cargas_Calculo_Tensiones:
        return std::make_unique<Cargas_Calculo_Tensiones>(contexto, parent);
    case Pantalla::Cargas_Calculo_Deformaciones:
        return std::make_unique<Cargas_Calculo_Deformaciones>(contexto, parent);
    case Pantalla::Esfuerzos_Corto:
        return std::make_unique<Esfuerzos_Corto>(contexto, parent);
    case Pantalla::Esfuerzos_Largo:
        return std::make_unique<Esfuerzos_Largo>(contexto, parent);
    case Pantalla::Tensiones:
        return std::make_unique<Tensiones>(contexto, parent);
    case Pantalla::Estabilidad:
        return std::make_unique<Estabilidad>(contexto, parent);
    case Pantalla::Verificacion_1:
        return std::make_unique<Verificacion_1>(contexto, parent);
    }
    return nullptr;
}

} // namespace tubrix::gui
