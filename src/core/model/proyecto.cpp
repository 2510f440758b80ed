#include "model/proyecto.h"

#include "util/today.h"

namespace tubrix {

void Inicializa_Proyecto(Proyecto& proyecto) {
    Inicializa_Proyecto(proyecto, todayAsMonthDayYear());
}

void Inicializa_Proyecto(Proyecto& proyecto, std::string_view fecha) {
    Proyecto& p = proyecto;
    p.Texto_Proyecto.clear();
    p.Fecha = std::string(fecha);

    // A new section starts on the profiled-wall PE pipe DN 400 SN 8.
    p.Codigo_Material = 11;
    p.Codigo_Submaterial = 1102;
    p.Codigo_Diametro = 798;
    p.Diametro_Normalizado = 0;
    p.Norma = 1;
    p.Tipo_Conducto = kSi;

    p.Tipo_Instalacion = 1;
    p.Subtipo_Instalacion = 1;
    p.H = p.H1 = p.H2 = p.H_Total = 0;
    p.B = p.B1 = p.B2 = p.B_Calculo = 0;
    p.Beta = 0;
    p.Caso_Zanja = 1.0;
    p.Relacion_BD = 0;
    p.Cero_Zanja = 0;

    p.Nivel_Freatico = 0;
    p.Hw = 0;

    p.Tipo_Apoyo = 1;
    p.Subtipo_Apoyo = 1;
    p.Angulo_Apoyo = 0;
    p.J = 0;

    p.Grupo_Suelo_1 = p.Grupo_Suelo_2 = p.Grupo_Suelo_3 = p.Grupo_Suelo_4 = 1;
    p.Opcion_Suelo_3 = kNo;
    p.Condicion_Relleno = 1;
    p.Compactacion_1 = 1.0;
    p.Compactacion_2 = 1.0;
    p.Aviso_Grupo4_Zona2 = 0;

    p.Tipo_Vehiculo = 0;
    p.Tipo_Firme = 1;
    p.Zona_Pavimentada = kNo;
    p.Indicador_Sobrecargas = 1;

    p.Reservado_1 = 0;
    p.Reservado_2 = 0;
    p.Reservado_3 = 0;
}

void Arranca_Programa(Proyecto& proyecto) {
    proyecto.Rad_Por_Grado = kRadPorGrado;
}

} // namespace tubrix
