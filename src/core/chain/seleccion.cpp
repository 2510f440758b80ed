#include "chain/seleccion.h"

#include "calc/verificacion.h"
#include "chain/utilizacion.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace tubrix {
namespace {

// Groups 2 and 3 follow a standard the program does not calculate.
bool esAstm(std::int16_t grupo) {
    return grupo == 2 || grupo == 3;
}

TuboCandidato prueba(const Proyecto& seccion, const Catalogo& catalogo, const Grupo& grupo,
                     const Subclase& subclase, const TuboNormalizado& tubo,
                     const std::function<void(Proyecto&)>& prepara) {
    Proyecto p = seccion;
    p.Codigo_Material = grupo.codigo;
    p.Codigo_Submaterial = subclase.codigo;
    p.Codigo_Diametro = tubo.id;
    if (prepara)
        prepara(p);

    TuboCandidato c;
    c.grupo = grupo.codigo;
    c.subclase = subclase.codigo;
    c.codigo = tubo.id;
    c.nombreGrupo = grupo.material;
    c.clase = tubo.tipo.empty() ? subclase.material : tubo.tipo;
    c.diametroNominal = tubo.diametroN;
    c.diametroExterior = tubo.diametroE;
    c.espesor = tubo.espesor;

    c.rechazo = Calcula_Seccion(p, catalogo);
    if (c.rechazo) {
        c.veredicto = Veredicto::Rechazado;
        return c;
    }
    c.rigidezAnillo = Rigidez_Anillo(p);
    const UsosVerificacion usos = Utilizaciones(p);
    c.filaDeterminante = Fila_Determinante(usos);
    if (c.filaDeterminante) {
        c.utilizacion = usos.utilizacion[*c.filaDeterminante].value_or(0.0);
        c.coeficienteNoPositivo = usos.coeficienteNoPositivo[*c.filaDeterminante];
    }
    c.veredicto = Tubo_Valido(p) ? Veredicto::Valido : Veredicto::NoValido;
    c.deformacionCorto = p.Dv_Relativa;
    c.deformacionLargo = p.Dv_Relativa_LP;
    return c;
}

} // namespace

double Rigidez_Anillo(const Proyecto& p) {
    if (p.Rigidez_Circunferencial > 0)
        return p.Rigidez_Circunferencial;
    // SN = E I / Dm^3, in kN/m2, from the wall's inertia per metre.
    const double dm = 2 * p.Rm / 1000;                                   // m
    return dm > 0 ? p.Et * 1e3 * p.Momento_Inercia / (dm * dm * dm) : 0; // E in kN/m2 / 1000
}

std::vector<TuboCandidato> Selecciona_Tubos(const Proyecto& seccion, const Catalogo& catalogo,
                                            const FiltroSeleccion& filtro,
                                            const std::function<void(Proyecto&)>& prepara) {
    std::vector<TuboCandidato> candidatos;
    for (const EntradaLista& g : catalogo.listaGrupos()) {
        if (esAstm(g.codigo) || (filtro.grupo && *filtro.grupo != g.codigo))
            continue;
        const Grupo& grupo = *catalogo.buscaGrupo(g.codigo);
        for (const EntradaSubclase& s : catalogo.listaSubclases(g.codigo)) {
            const Subclase& subclase = *catalogo.buscaSubclase(s.codigo);
            for (const EntradaTubo& t : catalogo.listaTubos(s.codigo)) {
                if (filtro.diametroNominal && *filtro.diametroNominal != t.diametroN)
                    continue;
                candidatos.push_back(prueba(seccion, catalogo, grupo, subclase,
                                            *catalogo.Busca_Tubo(t.codigo), prepara));
            }
        }
    }
    std::stable_sort(candidatos.begin(), candidatos.end(),
                     [](const TuboCandidato& a, const TuboCandidato& b) {
                         const auto clave = [](const TuboCandidato& c) {
                             return std::tuple(c.veredicto, c.diametroNominal,
                                               !c.coeficienteNoPositivo, -c.utilizacion);
                         };
                         return clave(a) < clave(b);
                     });
    return candidatos;
}

void Usa_Tubo(Proyecto& seccion, const TuboCandidato& tubo) {
    seccion.Codigo_Material = tubo.grupo;
    seccion.Codigo_Submaterial = tubo.subclase;
    seccion.Codigo_Diametro = tubo.codigo;
}

} // namespace tubrix
