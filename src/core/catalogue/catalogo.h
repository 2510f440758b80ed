#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// Material group (table GRUPOS).
struct Grupo {
    std::int16_t codigo = 0; // 1..12
    std::string material;    // name shown in the group list
    bool mostrar = false;
    double et = 0;          // N/mm2
    double etLargo = 0;     // N/mm2
    double gammaR = 0;      // kN/m3
    double sigmaR = 0;      // N/mm2
    double sigmaRLargo = 0; // N/mm2
};

// Material sub-class (table MATERIALES); code = group * 100 + n.
struct Subclase {
    std::int16_t codigo = 0;
    std::string material;
    bool mostrar = false;
    std::string saneamiento; // "S" marks a sewer conduit
    double rce = 0;          // ring stiffness, N/m2

    bool esSaneamiento() const { return saneamiento == "S"; }
};

// Standard pipe (table NORMALIZADOS).
struct TuboNormalizado {
    std::int16_t id = 0;
    std::int16_t material = 0;  // sub-class code
    std::int16_t diametroN = 0; // DN, mm
    double diametroE = 0;       // mm
    double diametroI = 0;       // mm
    double espesor = 0;         // mm
    double fibraN = 0;          // neutral-fibre diameter, mm
    double et = 0;              // profiled wall only, N/mm2
    double etLargo = 0;         // profiled wall only, N/mm2
    double rceMin = 0;          // profiled wall only, kN/m2
    double momento = 0;         // profiled wall only, 1000 x I in m4/m
    double area = 0;            // profiled wall only, mm2 per m
    double w = 0;               // profiled wall only, mm3 per mm
    std::string tipo;           // class text such as "SN-8"; empty when none
};

// One point of the buckling coefficient grid (table ALFA).
struct FilaAlfa {
    double rmS = 0; // mean radius / wall thickness
    double vRb = 0; // system stiffness VRB
    double alfaD = 0;
};

struct EntradaLista {
    std::string texto;
    std::int16_t codigo = 0;
};

struct EntradaSubclase {
    std::string_view texto; // the sub-class name, held by the catalogue
    std::int16_t codigo = 0;
    bool saneamiento = false;
};

struct EntradaTubo {
    std::int16_t diametroN = 0;
    std::int16_t codigo = 0;
};

// Contents of the catalogue, each table in the order of its primary key.
struct DatosCatalogo {
    std::vector<Grupo> grupos;
    std::vector<Subclase> subclases;
    std::vector<TuboNormalizado> tubos; // by sub-class, DN, outside diameter, pipe code
    std::vector<FilaAlfa> alfa;         // rm/s descending, then v_rb descending
};

// The runs of equal rm/s of a grid sorted by rm/s: where each run starts, then the grid's end.
std::vector<std::size_t> Bloques_Alfa(std::span<const FilaAlfa> tabla);

// The read-only pipe catalogue, held in memory once it has been read.
class Catalogo {
public:
    explicit Catalogo(DatosCatalogo datos);
    // The lists point into the tables: a catalogue moves, it is never copied.
    Catalogo(const Catalogo&) = delete;
    Catalogo& operator=(const Catalogo&) = delete;
    Catalogo(Catalogo&&) noexcept = default;
    Catalogo& operator=(Catalogo&&) noexcept = default;

    // Groups whose "Mostrar" is set, in code order.
    std::vector<EntradaLista> listaGrupos() const;
    // Listed sub-classes of group g: codes g*100+1 .. g*100+100, in code order.
    const std::vector<EntradaSubclase>& listaSubclases(std::int16_t grupo) const;
    // Pipes of a sub-class by DN, then outside diameter, then pipe code.
    std::vector<EntradaTubo> listaTubos(std::int16_t subclase) const;
    // The same pipes as catalogue rows, without a copy.
    std::span<const TuboNormalizado> tubosDe(std::int16_t subclase) const;

    const Grupo* buscaGrupo(std::int16_t codigo) const;
    const Subclase* buscaSubclase(std::int16_t codigo) const;
    const TuboNormalizado* Busca_Tubo(std::int16_t codigo) const;

    // The buckling coefficient grid, rm/s descending, then v_rb descending.
    std::span<const FilaAlfa> tablaAlfa() const { return m_datos.alfa; }
    // Its runs of equal rm/s (Bloques_Alfa), found once.
    std::span<const std::size_t> bloquesAlfa() const { return m_bloquesAlfa; }

    const DatosCatalogo& datos() const { return m_datos; }

private:
    DatosCatalogo m_datos;
    std::vector<std::int32_t> m_tubosPorId; // row in m_datos.tubos by pipe code, -1 for none
    std::vector<std::size_t> m_bloquesAlfa;
    std::vector<std::vector<EntradaSubclase>> m_subclasesPorGrupo; // by group code
};

// Sorts every table into the order of its primary key.
void ordenaCatalogo(DatosCatalogo& datos);

} // namespace tubrix
