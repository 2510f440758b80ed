#pragma once

#include "catalogue/catalogo.h"
#include "format/formato.h"
#include "tablas/tabla_recubrimiento.h"
#include "util/csv.h"

#include <string>
#include <vector>

namespace tubrix {

// The texts every front end shows for a table of admissible cover (the window, the PDF, the
// command line), so that all of them read the same.

std::string textoSuelo(const std::optional<std::int16_t>& suelo); // "Suelo G2", "Suelos de la base"
std::string textoTrafico(std::int16_t trafico);                   // "Sin tráfico", "LT 12", …
std::string textoFreatico(const std::optional<double>& freatico,
                          const Separadores& separadores); // "Sin freático", "Hf 1,50 m"
// The column group of a case within its traffic table: soil and groundwater.
std::string textoCondicion(const CasoTabla& caso, const Separadores& separadores);
// The whole case: traffic, soil and groundwater.
std::string textoCaso(const CasoTabla& caso, const Separadores& separadores);

// A cell as the tables show it: "1,20 – 6,35" (m, to the centimetre), or "—" when the pipe is
// valid at no height.
std::string textoCelda(const LimitesProfundidad& limites, const Separadores& separadores);
// Why a cell reads "—", or what its range leaves out (heights the screens refuse); empty when
// there is nothing to add.
std::string motivoCelda(const LimitesProfundidad& limites);

// "PVC-U (grupo 6), todas las subclases" or "PVC-U (grupo 6), subclase 603: …".
std::string textoSerie(const SerieTubos& serie, const Catalogo& catalogo);
// The ring stiffness of a row: "8,0" kN/m2, or "—" when the pipe screen refused it.
std::string textoRigidez(const TuboSerie& tubo, const Separadores& separadores);

// The fixed assumptions of a table: every input of the base the conditions do not vary, and
// how the varied ones are taken, as label and value.
struct Hipotesis {
    std::string etiqueta;
    std::string valor;
};
std::vector<Hipotesis> Hipotesis_Tabla(const Proyecto& base, const Catalogo& catalogo,
                                       const TablaRecubrimiento& tabla,
                                       const Separadores& separadores);

// The traffic cases of a table, in order, and the columns of one of them.
std::vector<std::int16_t> traficosDeLaTabla(const TablaRecubrimiento& tabla);
std::vector<std::size_t> casosDelTrafico(const TablaRecubrimiento& tabla, std::int16_t trafico);

// The table of one traffic case as text: "DN", "Clase", "SN (kN/m2)", then one column per
// soil and groundwater case; one row per pipe.
struct TablaTexto {
    std::vector<std::string> cabecera;
    std::vector<std::vector<std::string>> filas;
};
TablaTexto Tabla_Del_Trafico(const TablaRecubrimiento& tabla, std::int16_t trafico,
                             const Separadores& separadores);

// The notes under the table of one traffic case: for each pipe, why the cells that read "—"
// have no range, cells of the same reason named together ("en todas las columnas" when every
// column of the table shares it).
std::vector<std::string> Notas_Del_Trafico(const TablaRecubrimiento& tabla, std::int16_t trafico,
                                           const Separadores& separadores);

// What every printed table says of its cells.
std::string_view leyendaTabla();

// One line per pipe and case: the pipe, the case, the least and greatest cover (empty when
// none) and the reason, numbers exact.
std::string Csv_Tabla_Recubrimiento(const TablaRecubrimiento& tabla,
                                    FormatoCsv formato = FormatoCsv::maquina());

} // namespace tubrix
