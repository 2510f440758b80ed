#include "catalogue/comprueba_catalogo.h"

#include <charconv>
#include <cmath>
#include <set>
#include <string_view>

namespace tubrix {
namespace {

constexpr std::int16_t kSubclasePerfilada = 1102;

// What a value may be: above `minimo` (or equal to it when `conCero`), at most `maximo`.
struct Rango {
    double minimo;
    double maximo;
    std::string_view unidad;
    bool conCero = false;
};

// Moduli of pipe materials run from a soft polyethylene to steel.
constexpr Rango kModulo{0, 1e6, "N/mm2"};
constexpr Rango kResistencia{0, 5000, "N/mm2"};
constexpr Rango kPesoEspecifico{0, 200, "kN/m3"};
constexpr Rango kDiametro{0, 10000, "mm"};
constexpr Rango kRigidezN{0, 1e8, "N/m2"};
constexpr Rango kRigidezKN{0, 1e5, "kN/m2"};
constexpr Rango kMomento{0, 100, "(1000 x m4/m)"};
constexpr Rango kArea{0, 1e7, "mm2/m"};
constexpr Rango kModuloResistente{0, 1e6, "mm3/mm"};
constexpr Rango kRelacionRmS{0, 1e4, ""};
constexpr Rango kRigidezSistema{0, 1e3, ""};
constexpr Rango kAlfaD{0, 1e3, ""};

std::string numero(double valor) {
    char texto[32];
    const auto r = std::to_chars(texto, texto + sizeof texto, valor);
    return std::string(texto, r.ptr);
}

// Collects the first fault; every later check is skipped once one is found.
class Comprobador {
public:
    void valor(std::string_view tabla, const std::string& fila, std::string_view columna, double v,
               const Rango& r) {
        if (m_fallo)
            return;
        const bool dentro =
            std::isfinite(v) && (r.conCero ? v >= r.minimo : v > r.minimo) && v <= r.maximo;
        if (dentro)
            return;
        std::string unidad = r.unidad.empty() ? std::string() : " " + std::string(r.unidad);
        falla(tabla, fila, columna,
              "vale " + numero(v) + (v == 0 ? " (o está vacía)" : "") + "; se admite " +
                  (r.conCero ? "desde " : "más de ") + numero(r.minimo) + " y hasta " +
                  numero(r.maximo) + unidad);
    }

    void falla(std::string_view tabla, const std::string& fila, std::string_view columna,
               const std::string& motivo) {
        if (!m_fallo)
            m_fallo = "tabla " + std::string(tabla) + ", " + fila +
                      (columna.empty() ? "" : ", columna " + std::string(columna)) + ": " + motivo;
    }

    const std::optional<std::string>& fallo() const { return m_fallo; }

private:
    std::optional<std::string> m_fallo;
};

void compruebaGrupos(const DatosCatalogo& d, Comprobador& c) {
    std::set<std::int16_t> vistos;
    for (const Grupo& g : d.grupos) {
        const std::string fila = "fila CODIGO " + std::to_string(g.codigo);
        if (g.codigo < 1 || g.codigo > 12)
            c.falla("GRUPOS", fila, "CODIGO", "los grupos de material van del 1 al 12");
        if (!vistos.insert(g.codigo).second)
            c.falla("GRUPOS", fila, "CODIGO", "el código está repetido");
        c.valor("GRUPOS", fila, "ET", g.et, kModulo);
        c.valor("GRUPOS", fila, "ET_LARGO", g.etLargo, kModulo);
        c.valor("GRUPOS", fila, "GAMMA_R", g.gammaR, kPesoEspecifico);
        c.valor("GRUPOS", fila, "Sigma_R", g.sigmaR, kResistencia);
        c.valor("GRUPOS", fila, "SIGMA_R_LARGO", g.sigmaRLargo, kResistencia);
    }
}

// The ring stiffness of the sub-class is read for the thermoplastic groups, for a pipe of the
// sub-class (the profiled wall carries its own).
bool leeRigidezDeSubclase(const Subclase& s) {
    const int grupo = (s.codigo - 1) / 100;
    return (grupo == 6 || grupo == 7 || grupo == 11) && s.codigo != kSubclasePerfilada;
}

void compruebaSubclases(const DatosCatalogo& d, Comprobador& c) {
    std::set<std::int16_t> vistos;
    std::set<std::int16_t> conTubos;
    for (const TuboNormalizado& t : d.tubos)
        conTubos.insert(t.material);
    for (const Subclase& s : d.subclases) {
        const std::string fila = "fila CODIGO " + std::to_string(s.codigo);
        if (s.codigo < 101 || s.codigo > 1300)
            c.falla("MATERIALES", fila, "CODIGO",
                    "un material es grupo x 100 + n, con el grupo del 1 al 12 y n del 1 al 100");
        if (!vistos.insert(s.codigo).second)
            c.falla("MATERIALES", fila, "CODIGO", "el código está repetido");
        if (leeRigidezDeSubclase(s) && conTubos.contains(s.codigo))
            c.valor("MATERIALES", fila, "RCE", s.rce, kRigidezN);
    }
}

void compruebaTubos(const DatosCatalogo& d, Comprobador& c) {
    std::set<std::int16_t> subclases;
    for (const Subclase& s : d.subclases)
        subclases.insert(s.codigo);
    std::set<std::int16_t> vistos;
    for (const TuboNormalizado& t : d.tubos) {
        const std::string fila = "fila ID " + std::to_string(t.id);
        if (!vistos.insert(t.id).second)
            c.falla("NORMALIZADOS", fila, "ID", "el código de tubo está repetido");
        if (!subclases.contains(t.material))
            c.falla("NORMALIZADOS", fila, "MATERIAL",
                    "el material " + std::to_string(t.material) + " no está en MATERIALES");
        c.valor("NORMALIZADOS", fila, "DIAMETRO_N", t.diametroN, kDiametro);
        c.valor("NORMALIZADOS", fila, "DIAMETRO_E", t.diametroE, kDiametro);
        // The inside diameter, the wall and the neutral fibre lie within the outside diameter.
        c.valor("NORMALIZADOS", fila, "DIAMETRO_I", t.diametroI, kDiametro);
        if (t.diametroI >= t.diametroE)
            c.falla("NORMALIZADOS", fila, "DIAMETRO_I",
                    "vale " + numero(t.diametroI) + " y debe ser menor que DIAMETRO_E (" +
                        numero(t.diametroE) + ")");
        c.valor("NORMALIZADOS", fila, "ESPESOR", t.espesor,
                {0, t.diametroE / 2, "mm (la mitad de DIAMETRO_E)"});
        c.valor("NORMALIZADOS", fila, "Fibra_N", t.fibraN, {0, t.diametroE, "mm (DIAMETRO_E)"});
        if (t.material != kSubclasePerfilada)
            continue;
        c.valor("NORMALIZADOS", fila, "Et", t.et, kModulo);
        c.valor("NORMALIZADOS", fila, "Et_Largo", t.etLargo, kModulo);
        c.valor("NORMALIZADOS", fila, "RCEmin", t.rceMin, kRigidezKN);
        c.valor("NORMALIZADOS", fila, "Momento", t.momento, kMomento);
        c.valor("NORMALIZADOS", fila, "Area", t.area, kArea);
        c.valor("NORMALIZADOS", fila, "W", t.w, kModuloResistente);
    }
}

void compruebaAlfa(const DatosCatalogo& d, Comprobador& c) {
    int n = 0;
    for (const FilaAlfa& a : d.alfa) {
        const std::string fila = "fila " + std::to_string(++n) + " en el orden de rm/s y v_rb";
        c.valor("ALFA", fila, "rm/s", a.rmS, kRelacionRmS);
        c.valor("ALFA", fila, "v_rb", a.vRb, kRigidezSistema);
        c.valor("ALFA", fila, "alfa_d", a.alfaD, kAlfaD);
    }
}

} // namespace

std::optional<std::string> Comprueba_Catalogo(const DatosCatalogo& datos) {
    Comprobador c;
    compruebaGrupos(datos, c);
    compruebaSubclases(datos, c);
    compruebaTubos(datos, c);
    compruebaAlfa(datos, c);
    return c.fallo();
}

} // namespace tubrix
