#include "calc/verificacion.h"
#include "chain/pasos.h"
#include "report/apartados_informe.h"

namespace tubrix::apartados {

void verificacion(Redactor& r, const Proyecto& p, SalidaInforme salida) {
    const bool largo = p.Largo_Plazo == 1;
    // The required value with its own digits, through the function the verification screen uses.
    const auto req = [&](FilaVerificacion f) {
        return Texto_Seguridad_Requerida(p, f, r.separadores());
    };
    const auto cabecerasCoeficientes = [&](const char* calculado, const char* requerido) {
        if (largo) {
            r.filaEn("", {{calculado, 105}, {requerido, 165}});
            r.filaEn("", {{"Corto Plazo", 105}, {"Largo Plazo", 135}});
        } else {
            r.fila("", {calculado, requerido});
        }
    };
    const auto filaCoeficiente = [&](std::string etiqueta, double corto, double largoValor,
                                     FilaVerificacion f) {
        if (largo)
            r.fila(std::move(etiqueta),
                   {r.v(corto, kPatronTablas), r.v(largoValor, kPatronTablas), req(f)});
        else
            r.fila(std::move(etiqueta), {r.v(corto, kPatronTablas), req(f)});
    };

    r.titulo("VERIFICACIÓN:");
    r.subtitulo("Verificación de tensión:");
    cabecerasCoeficientes("Coef. calculado", "Coef. requerido");
    filaCoeficiente("NU Clave:", p.Coef_Clave, p.Coef_Clave_LP, FilaVerificacion::TensionClave);
    filaCoeficiente("NU Riñones:", p.Coef_Rinones, p.Coef_Rinones_LP,
                    FilaVerificacion::TensionRinones);
    filaCoeficiente("NU Base", p.Coef_Base, p.Coef_Base_LP, FilaVerificacion::TensionBase);

    if (Hay_Deformaciones(p)) {
        r.subtitulo("Verificación de la estabilidad:");
        r.fila("", {"Corto Plazo", "Largo Plazo", "Coef. requerido"});
        const auto tres = [&](std::string etiqueta, double corto, double largoValor,
                              FilaVerificacion f) {
            if (!Fila_Procede(p, f)) {
                // A row that does not apply has no number to compare: it says so.
                r.filaEn(std::move(etiqueta), {{std::string(kNoProcede), 105}});
                return;
            }
            r.fila(std::move(etiqueta),
                   {r.v(corto, kPatronTablas), r.v(largoValor, kPatronTablas), req(f)});
        };
        tres("NU Carga tierras:", p.Coef_Tierras, p.Coef_Tierras_LP,
             FilaVerificacion::EstabilidadTierras);
        tres("NU Presión Agua externa:", p.Coef_Agua, p.Coef_Agua_LP,
             FilaVerificacion::EstabilidadAgua);
        tres("NU simultáneas:", p.Coef_Simultaneo, p.Coef_Simultaneo_LP,
             FilaVerificacion::EstabilidadSimultanea);
        r.subtitulo("Verificación de deformación:");
        r.filaEn(
            "", {{"Valor calculado", 105},
                 {salida == SalidaInforme::Imagenes ? "Valor requerido" : "Valor admisible", 165}});
        r.filaEn("", {{"Corto Plazo", 105}, {"Largo plazo", 135}});
        r.fila("Acortamiento relativo:",
               {r.v(p.Dv_Relativa, kPatronTablas), r.v(p.Dv_Relativa_LP, kPatronTablas),
                req(FilaVerificacion::Deformacion)});
    }

    r.titulo("CONCLUSIÓN:");
    r.texto(Tubo_Valido(p) ? "TUBO VÁLIDO." : "TUBO NO VÁLIDO.");
}

} // namespace tubrix::apartados
