#include "obra/calcula_obra.h"

#include "calc/verificacion.h"
#include "chain/pasos.h"
#include "chain/utilizacion.h"
#include "util/paralelo.h"

#include <algorithm>
#include <limits>
#include <map>
#include <tuple>

namespace tubrix {
namespace {

// Which of two calculations governs: the worse verdict, then the higher utilisation.
bool peor(const CalculoExtremo& a, const CalculoExtremo& b) {
    if (a.veredicto != b.veredicto)
        return a.veredicto > b.veredicto;
    return a.veredicto != Veredicto::Rechazado && a.utilizacion > b.utilizacion;
}

const Separadores& separadoresEspanoles() {
    static const Separadores espanol = Separadores::espanol();
    return espanol;
}

double coberturaDe(const Proyecto& p) {
    return p.Tipo_Instalacion == 2 ? p.H1 + p.H2 : p.H;
}

// The calculated factor that decides each of rows 1 to 6, where the row counts.
PorFila<std::optional<double>> coeficientesDe(const Proyecto& p,
                                              const PorFila<std::optional<double>>& uso) {
    using F = FilaVerificacion;
    PorFila<std::optional<double>> c;
    const bool largo = p.Largo_Plazo == 1;
    const auto tension = [&](F fila, double corto, double lp) {
        if (uso[fila])
            c[fila] = largo ? lp : corto;
    };
    tension(F::TensionClave, p.Coef_Clave, p.Coef_Clave_LP);
    tension(F::TensionRinones, p.Coef_Rinones, p.Coef_Rinones_LP);
    tension(F::TensionBase, p.Coef_Base, p.Coef_Base_LP);
    const auto estabilidad = [&](F fila, double corto, double lp) {
        if (uso[fila])
            c[fila] = std::min(corto, lp);
    };
    estabilidad(F::EstabilidadTierras, p.Coef_Tierras, p.Coef_Tierras_LP);
    estabilidad(F::EstabilidadAgua, p.Coef_Agua, p.Coef_Agua_LP);
    estabilidad(F::EstabilidadSimultanea, p.Coef_Simultaneo, p.Coef_Simultaneo_LP);
    return c;
}

// Runs one end on `p`, which holds a copy of the base; leaves the calculated record there and
// the result in `c`, a default one (filled where it is kept, not moved there).
void calculaExtremo(CalculoExtremo& c, Proyecto& p, const TramoResuelto& tramo,
                    const Catalogo& catalogo, Extremo extremo) {
    c.extremo = extremo;
    c.rechazo = Aplica_Tramo(p, tramo, catalogo, extremo);
    if (!c.rechazo)
        c.rechazo = Calcula_Seccion(p, catalogo);
    c.recubrimiento = coberturaDe(p);
    if (c.rechazo)
        return;
    // A row failed by a factor of zero or below counts here as infinitely used, so that it
    // governs the reach; the tables and the JSON tell it as such.
    const UsosVerificacion usos = Utilizaciones(p);
    c.utilizaciones = usos.utilizacion;
    for (const FilaVerificacion fila : kFilasVerificacion)
        if (usos.coeficienteNoPositivo[fila])
            c.utilizaciones[fila] = std::numeric_limits<double>::infinity();
    c.filaDeterminante = Fila_Determinante(usos);
    c.utilizacion = c.filaDeterminante ? *c.utilizaciones[*c.filaDeterminante] : 0;
    c.veredicto = Tubo_Valido(p) ? Veredicto::Valido : Veredicto::NoValido;
    c.coeficientes = coeficientesDe(p, c.utilizaciones);
    if (Hay_Deformaciones(p)) {
        c.deformacionCorto = p.Dv_Relativa;
        c.deformacionLargo = p.Dv_Relativa_LP;
    }
    c.avisos = Datos_No_Usados(tramo, p, separadoresEspanoles());
}

// The pipe of the reach's group and DN that is just enough at every end.
std::optional<TuboCandidato> tuboNecesario(const Obra& obra, const TramoResuelto& tramo,
                                           const ResultadoTramo& resultado,
                                           const Catalogo& catalogo) {
    // Candidates by pipe code: valid at every end so far, and the highest utilisation.
    std::map<std::int16_t, TuboCandidato> validos;
    bool primero = true;
    for (const CalculoExtremo& calculo : resultado.calculos) {
        Proyecto seccion = obra.base;
        if (Aplica_Tramo(seccion, tramo, catalogo, calculo.extremo))
            return std::nullopt;
        const TuboNormalizado* actual = catalogo.Busca_Tubo(seccion.Codigo_Diametro);
        if (!actual)
            return std::nullopt;
        FiltroSeleccion filtro;
        filtro.grupo = seccion.Codigo_Material;
        filtro.diametroNominal = actual->diametroN;
        // A profile reach keeps its levels: each candidate's bore and wall give its cover.
        const auto prepara = [&](Proyecto& candidato) {
            if (const auto h =
                    Recubrimiento_En_Extremo(candidato, tramo, catalogo, calculo.extremo))
                candidato.H = *h;
        };
        std::map<std::int16_t, TuboCandidato> siguen;
        for (TuboCandidato& c : Selecciona_Tubos(seccion, catalogo, filtro, prepara)) {
            if (c.veredicto != Veredicto::Valido)
                continue;
            if (primero) {
                siguen.emplace(c.codigo, std::move(c));
            } else if (const auto it = validos.find(c.codigo); it != validos.end()) {
                if (c.utilizacion > it->second.utilizacion)
                    it->second = std::move(c);
                siguen.emplace(it->first, std::move(it->second));
            }
        }
        validos = std::move(siguen);
        primero = false;
    }
    const TuboCandidato* mejor = nullptr;
    for (const auto& par : validos)
        if (!mejor || par.second.utilizacion > mejor->utilizacion)
            mejor = &par.second;
    return mejor ? std::optional<TuboCandidato>(*mejor) : std::nullopt;
}

// What one thread reuses from reach to reach: assigning into them keeps their storage. On a
// cache line of its own, so that threads writing their records never share one.
struct alignas(64) Trabajo {
    Proyecto seccion;
    TramoResuelto tramo;
};

// Calculates the reach into `r`, a default result (the one the works keeps).
void calculaTramo(ResultadoTramo& r, Trabajo& trabajo, const Obra& obra, std::size_t indice,
                  const Catalogo& catalogo, bool buscaTuboNecesario) {
    const Tramo& original = obra.tramos.at(indice);
    Resuelve_Tramo(obra, original, trabajo.tramo);
    const TramoResuelto& tramo = trabajo.tramo;
    r.indice = indice;
    r.nombre = original.nombre;
    const std::span<const Extremo> extremos = Extremos_Del_Tramo(tramo);
    r.calculos.reserve(extremos.size());
    for (const Extremo extremo : extremos) {
        trabajo.seccion = obra.base;
        calculaExtremo(r.calculos.emplace_back(), trabajo.seccion, tramo, catalogo, extremo);
        if (peor(r.calculos.back(), r.calculos[r.determinante]))
            r.determinante = r.calculos.size() - 1;
    }
    r.veredicto = r.gobierna().veredicto;
    if (buscaTuboNecesario && r.veredicto == Veredicto::NoValido) {
        r.tuboBuscado = true;
        r.tuboNecesario = tuboNecesario(obra, tramo, r, catalogo);
    }
}

// The summary of any set of reaches, gathered reach by reach: the sums of two sets add up in
// either order, so the threads of a works each gather their own reaches and the sums are
// joined once (the result does not depend on which thread took which reach).
class SumaResumen {
public:
    void anade(const ResultadoTramo& t, std::size_t indice) {
        ++m_calculados;
        switch (t.veredicto) {
        case Veredicto::Valido:
            ++m_resumen.validos;
            break;
        case Veredicto::NoValido:
            ++m_resumen.noValidos;
            break;
        case Veredicto::Rechazado:
            ++m_resumen.rechazados;
            break;
        }
        if (t.veredicto != Veredicto::Rechazado)
            mejora(t.gobierna().utilizacion, indice);
        if (t.tuboBuscado && !t.tuboNecesario)
            ++m_resumen.sinTuboValido;
        if (t.tuboNecesario) {
            // A pipe is described as the first reach that needs it found it.
            const auto [it, nuevo] = m_tubos.try_emplace(t.tuboNecesario->codigo);
            if (nuevo)
                it->second = {{*t.tuboNecesario, 0}, indice};
            ++it->second.pedido.tramos;
        }
    }

    void anade(const SumaResumen& otra) {
        m_calculados += otra.m_calculados;
        m_resumen.validos += otra.m_resumen.validos;
        m_resumen.noValidos += otra.m_resumen.noValidos;
        m_resumen.rechazados += otra.m_resumen.rechazados;
        m_resumen.sinTuboValido += otra.m_resumen.sinTuboValido;
        if (otra.m_resumen.masUtilizado)
            mejora(otra.m_utilizacionMaxima, *otra.m_resumen.masUtilizado);
        for (const auto& [codigo, suyo] : otra.m_tubos) {
            const auto [it, nuevo] = m_tubos.try_emplace(codigo, suyo);
            if (nuevo)
                continue;
            Pedido& mio = it->second;
            const std::size_t tramos = mio.pedido.tramos + suyo.pedido.tramos;
            if (suyo.primero < mio.primero)
                mio = suyo;
            mio.pedido.tramos = tramos;
        }
    }

    std::size_t calculados() const { return m_calculados; }

    ResumenObra resumen() const {
        ResumenObra r = m_resumen;
        for (const auto& par : m_tubos)
            r.tubosNecesarios.push_back(par.second.pedido);
        std::sort(r.tubosNecesarios.begin(), r.tubosNecesarios.end(),
                  [](const TuboPedido& a, const TuboPedido& b) {
                      return std::tuple(a.tubo.grupo, a.tubo.subclase, a.tubo.diametroNominal,
                                        a.tubo.codigo) < std::tuple(b.tubo.grupo, b.tubo.subclase,
                                                                    b.tubo.diametroNominal,
                                                                    b.tubo.codigo);
                  });
        return r;
    }

private:
    // The highest utilisation; of equal ones, the first reach.
    void mejora(double utilizacion, std::size_t indice) {
        const auto& actual = m_resumen.masUtilizado;
        if (!actual || utilizacion > m_utilizacionMaxima ||
            (utilizacion == m_utilizacionMaxima && indice < *actual)) {
            m_resumen.masUtilizado = indice;
            m_utilizacionMaxima = utilizacion;
        }
    }

    struct Pedido {
        TuboPedido pedido;
        std::size_t primero = 0; // the first reach that needs the pipe
    };

    ResumenObra m_resumen; // all but the pipes needed, kept by code until the end
    double m_utilizacionMaxima = 0;
    std::map<std::int16_t, Pedido> m_tubos;
    std::size_t m_calculados = 0;
};

// One thread's gathering, on a cache line of its own.
struct alignas(64) SumaDelHilo {
    SumaResumen suma;
};

} // namespace

ResultadoTramo Calcula_Tramo(const Obra& obra, std::size_t indice, const Catalogo& catalogo,
                             bool buscaTuboNecesario) {
    Trabajo trabajo;
    ResultadoTramo r;
    calculaTramo(r, trabajo, obra, indice, catalogo, buscaTuboNecesario);
    return r;
}

ResultadoObra Calcula_Obra(const Obra& obra, const Catalogo& catalogo, const OpcionesObra& opciones,
                           ProgresoObra* progreso) {
    ResultadoObra resultado;
    const std::size_t n = obra.tramos.size();
    resultado.tramos.resize(n);
    const unsigned hilos = hilosParaLote(opciones.hilos, n);
    std::vector<Trabajo> trabajo(hilos);
    std::vector<SumaDelHilo> sumas(hilos);
    paraCadaElemento(n, hilos, [&](unsigned hilo, std::size_t i) {
        if (progreso && progreso->cancelado.load(std::memory_order_relaxed))
            return;
        // Each reach's result is default until its own thread fills it here.
        ResultadoTramo& r = resultado.tramos[i];
        calculaTramo(r, trabajo[hilo], obra, i, catalogo, opciones.buscaTuboNecesario);
        sumas[hilo].suma.anade(r, i);
        if (progreso)
            progreso->hechos.fetch_add(1, std::memory_order_relaxed);
    });
    SumaResumen suma;
    for (const SumaDelHilo& s : sumas)
        suma.anade(s.suma);
    resultado.completo = suma.calculados() == n;
    if (resultado.completo) {
        resultado.resumen = suma.resumen();
        return resultado;
    }
    // A cancelled calculation keeps only the reaches that were finished, in order. (A
    // calculated reach has at least one end; a reach left by the cancellation has none.)
    std::vector<ResultadoTramo> terminados;
    for (ResultadoTramo& t : resultado.tramos)
        if (!t.calculos.empty())
            terminados.push_back(std::move(t));
    resultado.tramos = std::move(terminados);
    resultado.resumen = Resume_Obra(resultado.tramos);
    return resultado;
}

ResumenObra Resume_Obra(const std::vector<ResultadoTramo>& tramos) {
    SumaResumen suma;
    for (std::size_t i = 0; i < tramos.size(); ++i)
        suma.anade(tramos[i], i);
    return suma.resumen();
}

tl::expected<Proyecto, Parada> Seccion_Del_Tramo(const Obra& obra, std::size_t indice,
                                                 const Catalogo& catalogo, Extremo extremo) {
    Proyecto seccion = obra.base;
    if (auto parada = Aplica_Tramo(seccion, obra, obra.tramos.at(indice), catalogo, extremo))
        return tl::unexpected(std::move(*parada));
    return seccion;
}

} // namespace tubrix
