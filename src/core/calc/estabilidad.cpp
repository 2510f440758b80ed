#include "calc/estabilidad.h"

#include "calc/comprobaciones.h"
#include "calc/tensiones.h"
#include "format/lee_numero.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

namespace tubrix {
namespace {

// From this system stiffness on, the soil no longer helps the pipe against buckling and the
// coefficient is the free ring's 3.
constexpr double kVrbRigido = 0.1;
constexpr double kAlfaRigido = 3.0;
// The grid is never read below this stiffness.
constexpr double kVrbMinimo = 0.0002;

// Range of alfa D a user may keep or type; the value written when it is left.
constexpr double kAlfaMinimo = 3.0;
constexpr double kAlfaMaximo = 50.0;

// Unit weight of the groundwater, kN/m3.
constexpr double kPesoEspecificoAgua = 10.0;

// The rows of one rm/s value: [inicio, fin).
struct Bloque {
    std::size_t inicio = 0;
    std::size_t fin = 0;
};

const FilaAlfa& filaDe(std::span<const FilaAlfa> tabla, const Bloque& bloque,
                       std::size_t desplazamiento) {
    // A complete grid has blocks of equal length; never read past a shorter one.
    const std::size_t ultima = bloque.fin - bloque.inicio - 1;
    return tabla[bloque.inicio + std::min(desplazamiento, ultima)];
}

// The grid read at one slenderness x: the blocks of rm/s around x are searched once, however
// many stiffnesses are read there (the short- and the long-term one). `inicios` are the grid's
// runs of equal rm/s (Bloques_Alfa).
class InterpolacionAlfa {
public:
    InterpolacionAlfa(std::span<const FilaAlfa> tabla, std::span<const std::size_t> inicios,
                      double x)
        : m_tabla(tabla), m_inicios(inicios), m_x(x) {}
    double alfa(double v);

private:
    struct Bloques {
        double x = 0; // moved onto the grid
        Bloque a, b;
        double xa = 0, xb = 0;
    };
    // Only for a grid that is not empty and an x that is a number.
    const Bloques& bloques();

    std::span<const FilaAlfa> m_tabla;
    std::span<const std::size_t> m_inicios;
    double m_x;
    std::optional<Bloques> m_bloques;
};

const InterpolacionAlfa::Bloques& InterpolacionAlfa::bloques() {
    if (m_bloques)
        return *m_bloques;
    const std::span<const FilaAlfa> tabla = m_tabla;
    // Outside the grid the nearest edge is used: the table's figure is not extrapolated.
    double x = std::min(m_x, tabla.front().rmS);
    x = std::max(x, tabla.back().rmS);

    // The block of the first rm/s at or below x (a) and, before it, the block above x (b).
    // (The table runs by descending rm/s, so this is a binary search over the blocks.)
    const std::span<const std::size_t> inicios = m_inicios.first(m_inicios.size() - 1);
    const auto primera = std::partition_point(
        inicios.begin(), inicios.end(), [&](std::size_t fila) { return tabla[fila].rmS > x; });
    const auto i = static_cast<std::size_t>(primera - inicios.begin());
    const Bloque a{m_inicios[i], m_inicios[i + 1]};
    const double xa = tabla[a.inicio].rmS;
    // On the largest rm/s there is no block above; x then equals xa and needs none.
    const Bloque b = i > 0 ? Bloque{m_inicios[i - 1], m_inicios[i]} : a;
    const double xb = tabla[b.inicio].rmS;
    return m_bloques.emplace(Bloques{x, a, b, xa, xb});
}

double InterpolacionAlfa::alfa(double v) {
    if (v >= kVrbRigido)
        return kAlfaRigido;
    if (m_tabla.empty() || std::isnan(m_x) || std::isnan(v))
        return std::numeric_limits<double>::quiet_NaN();
    double y = v < kVrbMinimo ? kVrbMinimo : v;

    const std::span<const FilaAlfa> tabla = m_tabla;
    const Bloques& g = bloques();
    const double x = g.x;
    const Bloque& a = g.a;
    const Bloque& b = g.b;
    const double xa = g.xa;
    const double xb = g.xb;

    y = std::min(y, tabla[b.inicio].vRb);
    y = std::max(y, tabla[b.fin - 1].vRb);

    // From the end of block b back to the first v_rb at or above y (b), the row after it below y.
    std::size_t k = b.fin - 1 - b.inicio;
    while (k > 0 && tabla[b.inicio + k].vRb < y)
        --k;
    const double yb = tabla[b.inicio + k].vRb;
    const FilaAlfa& filaYa = filaDe(tabla, b, k + 1);
    const double ya = filaYa.vRb;
    const double abb = tabla[b.inicio + k].alfaD;
    const double aba = filaYa.alfaD;
    double aab = filaDe(tabla, a, k).alfaD;
    double aaa = filaDe(tabla, a, k + 1).alfaD;

    if (x != xa) {
        aab = aab + (abb - aab) * (x - xa) / (xb - xa);
        aaa = aaa + (x - xa) * (aba - aaa) / (xb - xa);
    }
    // On a grid v_rb the row's values are taken as they are (also at the lowest v_rb, which has
    // no row below it).
    if (y == yb)
        return aab;
    return aaa + (y - ya) * (aab - aaa) / (yb - ya);
}

} // namespace

double Interpola_Alfa(std::span<const FilaAlfa> tabla, double x, double v) {
    return InterpolacionAlfa(tabla, Bloques_Alfa(tabla), x).alfa(v);
}

bool Columna_Largo_Plazo_Estabilidad(const Proyecto& p) {
    return Hay_Calculo_Deformaciones(p) || p.Largo_Plazo == 1;
}

namespace {

struct Resultados {
    double alfaD = 0;
    double alfaDLP = 0;
    double qvCrit = 0;
    std::optional<double> qvCritLP;
    std::optional<double> pa, paCrit, paLP, paCritLP;
};

Resultado<void> exigeFinitos(const Resultados& r) {
    // Nearly every section passes: one plain test of every value before the named checks.
    const auto finitoONinguno = [](const std::optional<double>& v) {
        return !v || std::isfinite(*v);
    };
    if (std::isfinite(r.alfaD) && std::isfinite(r.alfaDLP) && std::isfinite(r.qvCrit) &&
        finitoONinguno(r.qvCritLP) && finitoONinguno(r.pa) && finitoONinguno(r.paCrit) &&
        finitoONinguno(r.paLP) && finitoONinguno(r.paCritLP))
        return {};
    const auto finito = [](std::string_view nombre, const std::optional<double>& valor) {
        return valor ? exigeFinito(nombre, *valor) : Resultado<void>{};
    };
    if (auto ok = exigeFinito("el coeficiente alfa D a corto plazo", r.alfaD); !ok)
        return ok;
    if (auto ok = exigeFinito("el coeficiente alfa D a largo plazo", r.alfaDLP); !ok)
        return ok;
    if (auto ok = exigeFinito("la carga crítica de abolladura", r.qvCrit); !ok)
        return ok;
    if (auto ok = finito("la carga crítica de abolladura a largo plazo", r.qvCritLP); !ok)
        return ok;
    if (auto ok = finito("la presión del agua externa", r.pa); !ok)
        return ok;
    if (auto ok = finito("el valor crítico de la presión del agua externa", r.paCrit); !ok)
        return ok;
    if (auto ok = finito("la presión del agua externa a largo plazo", r.paLP); !ok)
        return ok;
    return finito("el valor crítico de la presión del agua externa a largo plazo", r.paCritLP);
}

Resultado<Resultados> calcula(const Proyecto& p, std::span<const FilaAlfa> tabla,
                              std::span<const std::size_t> bloques) {
    if (auto ok = exigeNoNulo("el coeficiente alfa D", "el radio medio Rm", p.Rm); !ok)
        return tl::unexpected(ok.error());
    if (auto ok = exigeNoNulo("el coeficiente alfa D", "el espesor de la pared", p.Espesor); !ok)
        return tl::unexpected(ok.error());
    const bool leeTabla = !(p.VRB >= kVrbRigido) || !(p.VRB_LP >= kVrbRigido);
    if (leeTabla && tabla.empty())
        return falla(CodigoError::CatalogoDanado,
                     "No se puede calcular el coeficiente alfa D: la tabla ALFA del catálogo "
                     "está vacía.");

    const bool largo = Columna_Largo_Plazo_Estabilidad(p);
    const double x = p.Rm / p.Espesor;
    Resultados r;
    InterpolacionAlfa interpolacion(tabla, bloques, x);
    r.alfaDLP = interpolacion.alfa(p.VRB_LP);
    r.alfaD = interpolacion.alfa(p.VRB);
    r.qvCrit = 2.0 * std::sqrt(std::fabs(p.Sr * p.SBH));
    if (largo)
        r.qvCritLP = 2.0 * std::sqrt(std::fabs(p.Sr_LP * p.SBH_LP));

    if (p.Nivel_Freatico != 0) {
        // Head of groundwater over the pipe axis, m; two pipes in one trench compute none.
        std::optional<double> h;
        if (p.Tipo_Instalacion == 1)
            h = p.H - p.Hw + p.Diametro_Exterior / 2000.0;
        else if (p.Tipo_Instalacion == 2)
            h = p.H1 + p.H2 - p.Hw + p.Diametro_Exterior / 2000.0;
        if (h) {
            r.pa = *h * kPesoEspecificoAgua / 1000.0; // kN/m2 to N/mm2
            r.paCrit = r.alfaD * p.Sr;
            if (largo) {
                r.paLP = *h * kPesoEspecificoAgua / 1000.0;
                r.paCritLP = r.alfaDLP * p.Sr_LP;
            }
        }
    } else {
        r.pa = r.paCrit = 0.0;
        // Only a creeping material clears its long-term pair; a deformation check alone leaves it.
        if (p.Largo_Plazo == 1)
            r.paLP = r.paCritLP = 0.0;
    }
    if (auto ok = exigeFinitos(r); !ok)
        return tl::unexpected(ok.error());
    return r;
}

void guarda(double& campo, const std::optional<double>& valor) {
    if (valor)
        campo = *valor;
}

std::optional<std::string> textoPresion(const Proyecto& p, const std::optional<double>& valor,
                                        const Separadores& separadores) {
    if (!valor)
        return std::nullopt;
    if (p.Nivel_Freatico == 0)
        return std::string("0");
    return formateaEtiqueta(*valor, kFormatoPresionAgua, separadores);
}

Rechazo avisoAlfa(ControlEstabilidad control) {
    const std::string plazo = control == ControlEstabilidad::AlfaCorto ? "corto" : "largo";
    Rechazo rechazo;
    rechazo.mensaje.texto = "El valor debe obtenerlo de la figura correspondiente de la norma de "
                            "cálculo empleada.\r\rEl valor de alfa D (" +
                            plazo + " plazo) debe estar comprendido entre 3 y 50.";
    rechazo.mensaje.icono = Icono::Exclamacion;
    rechazo.mensaje.pitido = false;
    rechazo.foco = static_cast<int>(control);
    rechazo.textoCorregido = "25";
    return rechazo;
}

bool enRango(double alfa) {
    return alfa >= kAlfaMinimo && alfa <= kAlfaMaximo;
}

// The critical water pressure follows the coefficient read, even one about to be refused.
void guardaCritica(double& campo, double alfa, double sr) {
    const double critica = alfa * sr;
    if (std::isfinite(critica))
        campo = critica;
}

} // namespace

Resultado<VistaEstabilidad> Abre_Estabilidad(Proyecto& p, const Catalogo& catalogo,
                                             const Separadores& separadores) {
    const auto r = calcula(p, catalogo.tablaAlfa(), catalogo.bloquesAlfa());
    if (!r)
        return tl::unexpected(r.error());
    p.Alfa_D_LP = r->alfaDLP;
    p.Alfa_D = r->alfaD;
    p.Qv_Crit = r->qvCrit;
    guarda(p.Qv_Crit_LP, r->qvCritLP);
    guarda(p.Pa, r->pa);
    guarda(p.Pa_Crit, r->paCrit);
    guarda(p.Pa_LP, r->paLP);
    guarda(p.Pa_Crit_LP, r->paCritLP);

    VistaEstabilidad vista;
    vista.columnaLargoPlazo = Columna_Largo_Plazo_Estabilidad(p);
    llenaCaja(vista.entrada.textoAlfaCorto, p.Alfa_D, kFormatoAlfaD, separadores);
    if (vista.columnaLargoPlazo)
        llenaCaja(vista.entrada.textoAlfaLargo, p.Alfa_D_LP, kFormatoAlfaD, separadores);
    // An unshown screen (the forward pass) has no labels.
    if (!separadores.etiquetas)
        return vista;
    vista.textoQvCrit = formateaEtiqueta(p.Qv_Crit, kFormatoCargaCritica, separadores);
    if (vista.columnaLargoPlazo)
        vista.textoQvCritLP = formateaEtiqueta(p.Qv_Crit_LP, kFormatoCargaCritica, separadores);
    vista.textoPa = textoPresion(p, r->pa, separadores);
    vista.textoPaCrit = textoPresion(p, r->paCrit, separadores);
    vista.textoPaLP = textoPresion(p, r->paLP, separadores);
    vista.textoPaCritLP = textoPresion(p, r->paCritLP, separadores);
    return vista;
}

std::optional<Rechazo> Cierra_Estabilidad(Proyecto& p, const EntradaEstabilidad& entrada,
                                          Boton boton) {
    // The stored coefficient is the one the cell shows, rounded as displayed.
    p.Alfa_D = leeCaja(entrada.textoAlfaCorto);
    guardaCritica(p.Pa_Crit, p.Alfa_D, p.Sr);
    if (!enRango(p.Alfa_D))
        return avisoAlfa(ControlEstabilidad::AlfaCorto);

    if (p.Largo_Plazo == 1) {
        p.Alfa_D_LP = leeCaja(entrada.textoAlfaLargo);
        guardaCritica(p.Pa_Crit_LP, p.Alfa_D_LP, p.Sr_LP);
        if (!enRango(p.Alfa_D_LP))
            return avisoAlfa(ControlEstabilidad::AlfaLargo);
    }
    p.Codigo_Navegacion = boton == Boton::Siguiente ? kNavegacionSiguiente : kNavegacionAtras;
    return std::nullopt;
}

} // namespace tubrix
