#pragma once

// The writer of the report's lines and the pieces its pages share. Internal to the report: the
// pages' content functions use it; writers read only the finished `Informe`.

#include "format/formato.h"
#include "report/informe.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tubrix::apartados {

inline constexpr const char* kPatronGeneral = "#,##0.0#";
inline constexpr const char* kPatronTablas = "#,##0.0000";
inline constexpr const char* kPatronEsfuerzos = "#,##0.000";

// Value columns of a row with n values.
inline std::vector<double> columnasDeValores(std::size_t n) {
    switch (n) {
    case 1:
        return {kColumnaValor};
    case 2:
        return {135, 165};
    case 3:
        return {105, 135, 165};
    default:
        return {105, 125, 145, 165};
    }
}

// Writes the report line by line, keeping the page being filled.
class Redactor {
public:
    explicit Redactor(const Separadores& separadores) : m_sep(separadores) { nuevaPagina(); }

    std::string v(double valor, const char* patron = kPatronGeneral,
                  std::string_view unidad = "") const {
        return formatea(valor, patron, m_sep) + std::string(unidad);
    }

    const Separadores& separadores() const { return m_sep; }
    // The text of a value that does not apply to the section.
    static std::string noAplica() { return "—"; }

    void tituloInforme(std::string texto) {
        linea({TipoLinea::TituloInforme, {{std::move(texto), kColumnaEtiqueta}}});
    }
    void titulo(std::string texto) {
        enBlanco();
        m_sangria = false;
        linea({TipoLinea::Titulo, {{std::move(texto), kColumnaEtiqueta}}});
    }
    // A single-column line; rows after it are indented until the next heading.
    void subtitulo(std::string texto) {
        m_sangria = false;
        fila(std::move(texto), {});
        m_sangria = true;
    }
    void texto(std::string texto) { fila(std::move(texto), {}); }
    void fila(std::string etiqueta, std::vector<std::string> valores) {
        LineaInforme l{TipoLinea::Fila, {}};
        l.celdas.push_back(
            {std::move(etiqueta), m_sangria ? kColumnaEtiquetaSangrada : kColumnaEtiqueta});
        const auto columnas = columnasDeValores(valores.size());
        for (std::size_t i = 0; i < valores.size() && i < columnas.size(); ++i)
            l.celdas.push_back({std::move(valores[i]), columnas[i]});
        linea(std::move(l));
    }
    // A row whose values sit at chosen columns (headings over part of a table).
    void filaEn(std::string etiqueta, std::vector<Celda> valores) {
        LineaInforme l{TipoLinea::Fila, {}};
        l.celdas.push_back(
            {std::move(etiqueta), m_sangria ? kColumnaEtiquetaSangrada : kColumnaEtiqueta});
        for (Celda& c : valores)
            l.celdas.push_back(std::move(c));
        linea(std::move(l));
    }
    // A label printed on two lines: the first alone, the second with the values.
    void filaDoble(std::string primera, std::string segunda, std::vector<std::string> valores) {
        texto(std::move(primera));
        fila(std::move(segunda), std::move(valores));
    }
    void enBlanco() { linea({TipoLinea::EnBlanco, {}}); }
    void sangria(bool si) { m_sangria = si; }
    void nuevaPagina() {
        m_informe.paginas.push_back({static_cast<int>(m_informe.paginas.size()) + 1, {}});
        m_sangria = false;
    }
    Informe resultado() && { return std::move(m_informe); }

private:
    void linea(LineaInforme l) { m_informe.paginas.back().lineas.push_back(std::move(l)); }

    const Separadores& m_sep;
    Informe m_informe;
    bool m_sangria = false;
};

// The four columns of the load-distribution tables: stresses short and long term, deformations
// short and long term; without creep the long-term stress column is left out.
struct Cuatro {
    double tensionCorto;
    double tensionLargo;
    double deformacionCorto;
    double deformacionLargo;
};

inline std::vector<std::string> columnas(const Redactor& r, bool largo, bool deformaciones,
                                         const Cuatro& c, const char* patron = kPatronTablas) {
    // A pipe without deformation checks has no deformation values: they do not apply.
    const auto deformacion = [&](double valor) {
        return deformaciones ? r.v(valor, patron) : Redactor::noAplica();
    };
    std::vector<std::string> valores{r.v(c.tensionCorto, patron)};
    if (largo)
        valores.push_back(r.v(c.tensionLargo, patron));
    valores.push_back(deformacion(c.deformacionCorto));
    valores.push_back(deformacion(c.deformacionLargo));
    return valores;
}

inline std::vector<std::string> cabecerasDistribucion(bool largo) {
    if (largo)
        return {"Tensión c/p", "Tensión l/p", "Def. c/p.", "Def. l/p."};
    return {"Tensión", "Def. c/p.", "Def. l/p."};
}

} // namespace tubrix::apartados
