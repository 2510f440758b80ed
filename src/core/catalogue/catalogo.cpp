#include "catalogue/catalogo.h"

#include <algorithm>
#include <tuple>

namespace tubrix {

void ordenaCatalogo(DatosCatalogo& datos) {
    std::ranges::sort(datos.grupos, {}, &Grupo::codigo);
    std::ranges::sort(datos.subclases, {}, &Subclase::codigo);
    std::ranges::sort(datos.tubos, [](const TuboNormalizado& a, const TuboNormalizado& b) {
        return std::tie(a.material, a.diametroN, a.diametroE, a.id) <
               std::tie(b.material, b.diametroN, b.diametroE, b.id);
    });
    std::ranges::sort(datos.alfa, [](const FilaAlfa& a, const FilaAlfa& b) {
        return std::tie(b.rmS, b.vRb) < std::tie(a.rmS, a.vRb);
    });
}

std::vector<std::size_t> Bloques_Alfa(std::span<const FilaAlfa> tabla) {
    std::vector<std::size_t> inicios;
    for (std::size_t i = 0; i < tabla.size(); ++i)
        if (i == 0 || !(tabla[i].rmS == tabla[i - 1].rmS))
            inicios.push_back(i);
    inicios.push_back(tabla.size());
    return inicios;
}

Catalogo::Catalogo(DatosCatalogo datos) : m_datos(std::move(datos)) {
    ordenaCatalogo(m_datos);
    m_bloquesAlfa = Bloques_Alfa(m_datos.alfa);
    // Pipe codes are small positive numbers (16 bits): a direct index from code to row. Codes
    // are unique in the catalogue; a repeated one would find its first row.
    for (std::size_t i = 0; i < m_datos.tubos.size(); ++i) {
        const std::int16_t id = m_datos.tubos[i].id;
        if (id < 0)
            continue;
        const auto codigo = static_cast<std::size_t>(id);
        if (m_tubosPorId.size() <= codigo)
            m_tubosPorId.resize(codigo + 1, -1);
        if (m_tubosPorId[codigo] < 0)
            m_tubosPorId[codigo] = static_cast<std::int32_t>(i);
    }
    // Group g lists the codes g*100+1 .. g*100+100 (so g*100+100 belongs to g, not to g+1).
    for (const Subclase& s : m_datos.subclases) {
        if (!s.mostrar || s.codigo < 1)
            continue;
        const auto grupo = static_cast<std::size_t>((s.codigo - 1) / 100);
        if (m_subclasesPorGrupo.size() <= grupo)
            m_subclasesPorGrupo.resize(grupo + 1);
        m_subclasesPorGrupo[grupo].push_back({s.material, s.codigo, s.esSaneamiento()});
    }
}

std::vector<EntradaLista> Catalogo::listaGrupos() const {
    std::vector<EntradaLista> lista;
    for (const Grupo& g : m_datos.grupos)
        if (g.mostrar)
            lista.push_back({g.material, g.codigo});
    return lista;
}

const std::vector<EntradaSubclase>& Catalogo::listaSubclases(std::int16_t grupo) const {
    static const std::vector<EntradaSubclase> kNinguna;
    return grupo >= 0 && static_cast<std::size_t>(grupo) < m_subclasesPorGrupo.size()
               ? m_subclasesPorGrupo[static_cast<std::size_t>(grupo)]
               : kNinguna;
}

std::span<const TuboNormalizado> Catalogo::tubosDe(std::int16_t subclase) const {
    // The pipes are kept in primary-key order, so a sub-class's pipes lie together.
    const auto desde =
        std::ranges::lower_bound(m_datos.tubos, subclase, {}, &TuboNormalizado::material);
    const auto hasta = std::ranges::upper_bound(desde, m_datos.tubos.end(), subclase, {},
                                                &TuboNormalizado::material);
    return {desde, hasta};
}

std::vector<EntradaTubo> Catalogo::listaTubos(std::int16_t subclase) const {
    const std::span<const TuboNormalizado> tubos = tubosDe(subclase);
    std::vector<EntradaTubo> lista;
    lista.reserve(tubos.size());
    for (const TuboNormalizado& t : tubos)
        lista.push_back({t.diametroN, t.id});
    return lista;
}

// The tables are sorted by code when the catalogue is built: the first row of a code is found
// by bisection (every forward pass looks its group and sub-class up).
const Grupo* Catalogo::buscaGrupo(std::int16_t codigo) const {
    const auto it = std::ranges::lower_bound(m_datos.grupos, codigo, {}, &Grupo::codigo);
    return it == m_datos.grupos.end() || it->codigo != codigo ? nullptr : &*it;
}

const Subclase* Catalogo::buscaSubclase(std::int16_t codigo) const {
    const auto it = std::ranges::lower_bound(m_datos.subclases, codigo, {}, &Subclase::codigo);
    return it == m_datos.subclases.end() || it->codigo != codigo ? nullptr : &*it;
}

const TuboNormalizado* Catalogo::Busca_Tubo(std::int16_t codigo) const {
    if (codigo < 0 || static_cast<std::size_t>(codigo) >= m_tubosPorId.size())
        return nullptr;
    const std::int32_t posicion = m_tubosPorId[static_cast<std::size_t>(codigo)];
    return posicion < 0 ? nullptr : &m_datos.tubos[static_cast<std::size_t>(posicion)];
}

} // namespace tubrix
