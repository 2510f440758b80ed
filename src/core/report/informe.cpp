#include "report/informe.h"

#include "report/apartados_informe.h"
#include "report/resumen_verificacion.h"

namespace tubrix {

using namespace apartados;

Informe Contenido_Informe(const Proyecto& p, const Catalogo& catalogo, const Separadores& sep,
                          SalidaInforme salida) {
    Redactor r(sep);
    r.enBlanco();
    r.tituloInforme("PARÁMETROS DE CÁLCULO");
    descripcionDelProyecto(r, p);
    caracteristicasDelTubo(r, p, catalogo);
    claseDeSeguridad(r, p);
    condicionesDeLaZanja(r, p);
    nivelFreatico(r, p);
    caracteristicasDelApoyo(r, p);

    r.nuevaPagina();
    caracteristicasDeLosSuelos(r, p);
    sobrecargas(r, p);

    r.nuevaPagina();
    cargas(r, p);
    distribucionDeCargas(r, p);

    r.nuevaPagina();
    cargasDeCalculo(r, p);
    esfuerzos(r, p, "CÁLCULO DE ESFUERZOS:", p.Momentos, p.Axiales, p.Suma_Momentos,
              p.Suma_Axiales);
    const bool largo = p.Largo_Plazo == 1;
    if (largo) {
        esfuerzos(r, p, "CÁLCULO DE ESFUERZOS (LARGO PLAZO):", p.Momentos_LP, p.Axiales_LP,
                  p.Suma_Momentos_LP, p.Suma_Axiales_LP);
        r.nuevaPagina();
    }
    tensionesYDeformaciones(r, p);
    estabilidad(r, p);
    if (!largo)
        r.nuevaPagina();
    verificacion(r, p, salida);
    Informe informe = std::move(r).resultado();
    informe.paginas.push_back(Pagina_Resumen_Verificacion(
        p, catalogo, sep, static_cast<int>(informe.paginas.size()) + 1));
    informe.asunto = Asunto_Informe(p, catalogo);
    return informe;
}

std::string textoDelInforme(const Informe& informe) {
    std::string texto;
    for (const PaginaInforme& pagina : informe.paginas) {
        texto += "--- Hoja " + std::to_string(pagina.numero) + " ---\n";
        for (const LineaInforme& linea : pagina.lineas) {
            bool primera = true;
            for (const Celda& celda : linea.celdas) {
                if (!primera)
                    texto += "  ";
                texto += celda.texto;
                primera = false;
            }
            texto += '\n';
        }
    }
    return texto;
}

} // namespace tubrix
