#include "input/datos_suelos.h"

#include "input/magnitud.h"

namespace tubrix {
namespace {

constexpr std::array<std::string_view, kNumeroGruposSuelo> kListaGrupos = {"Grupo 1", "Grupo 2",
                                                                           "Grupo 3", "Grupo 4"};
constexpr std::array<std::string_view, kNumeroCompactaciones> kListaCompactaciones = {
    " 85 %", " 90 %", " 92 %", " 95 %", " 97 %", "100 %"};
constexpr int kPosicion100 = 5; // "100 %"
// The stored compaction of each entry: the number its first three characters read as.
constexpr std::array<double, kNumeroCompactaciones> kValoresCompactacion = {85, 90, 92,
                                                                            95, 97, 100};

constexpr std::array<std::string_view, kNumeroGruposSuelo> kDescripciones = {
    "No cohesivos. Gravas y arenas sueltas.  Porcentaje de finos < 0,06 mm inferior al 5 %",
    "Poco cohesivos. Gravas y arenas poco arcillosas. % finos < 0,06 mm entre 5% y 15%",
    "Medianamente cohesivos. Gravas y arenas arcillosas. % finos < 0,06 mm entre 15% y 40%",
    "Cohesivos. Arcillas, limos y suelos con mezcla de componentes orgánicos."};
constexpr std::array<std::string_view, kNumeroGruposSuelo> kEtiquetas = {
    "Grupo 1: No cohesivos", "Grupo 2: Poco cohesivos", "Grupo 3: Medianamente cohesivos",
    "Grupo 4: Cohesivos"};

constexpr TablaModulosE kModulosE = {{
    {2.5, 6, 9, 16, 23, 40},
    {1.2, 3, 4, 8, 11, 20},
    {0.8, 2, 3, 5, 8, 14},
    {0.6, 1.5, 2, 4, 6, 10},
}};

// The more cohesive the fill, the lower its friction angle and its earth pressure ratio.
constexpr std::array<double, kNumeroGruposSuelo> kRoPorGrupo = {35, 30, 25, 20};
constexpr std::array<double, kNumeroGruposSuelo> kK2PorGrupo = {0.4, 0.3, 0.2, 0.1};

constexpr std::array<std::string_view, 4> kCondiciones = {
    "Relleno A1: Por capas sin control del grado de compactación",
    "Relleno A2: Por capas en la zona del tubo y sin compactar por encima del tubo",
    "Relleno A3: Zanja entibada, sin compactado posterior a la retirada de las tablas",
    "Relleno A4: Por capas en toda la altura de la zanja y con grado de compactación > 100% "
    "Proctor Standard"};

constexpr std::int16_t kRellenoA1 = 1;
constexpr std::int16_t kRellenoA2 = 2;

constexpr std::string_view kTextoGrupo4Zona2 =
    "La norma no recomienda seleccionar un suelo de Grupo 4 para la Zona 2";
constexpr std::string_view kTextoSinEnsayos = "No se pueden introducir datos si no se han "
                                              "obtenido las características de los suelos "
                                              "mediante ensayos";

constexpr PatronCaja kPatronCaja = "##0.0#";

// The record's field behind each box of the second page.
constexpr PorCajaSuelo<double Proyecto::*> kCamposSuelo{
    {&Proyecto::Gamma_1, &Proyecto::Gamma_2, &Proyecto::Ro, &Proyecto::Ro_Prima, &Proyecto::K1,
     &Proyecto::K2, &Proyecto::E1, &Proyecto::E2, &Proyecto::E3, &Proyecto::E4}};

// A soil has weight and stiffness; friction angles lie between none and a vertical wall's;
// earth pressure coefficients are not negative.
constexpr PorCajaSuelo<Magnitud> kMagnitudesSuelo{{
    Magnitud{"el peso específico Gamma 1 de las tierras de relleno", "kN/m3", 0, false},
    Magnitud{"el peso específico Gamma 2 de las tierras del terreno natural", "kN/m3", 0, false},
    Magnitud{"el ángulo de rozamiento interno ρ de las tierras del relleno", "º", 0, true, 90},
    Magnitud{"el ángulo de rozamiento ρ' del relleno con las paredes de la zanja", "º", 0, true,
             90},
    Magnitud{"el coeficiente de empuje lateral K1", "", 0, true},
    Magnitud{"el coeficiente de empuje lateral K2", "", 0, true},
    Magnitud{"el módulo de compresión E1 de la zona 1", "N/mm2", 0, false},
    Magnitud{"el módulo de compresión E2 de la zona 2", "N/mm2", 0, false},
    Magnitud{"el módulo de compresión E3 de la zona 3", "N/mm2", 0, false},
    Magnitud{"el módulo de compresión E4 de la zona 4", "N/mm2", 0, false},
}};

bool esTerraplen(const Proyecto& p) {
    return p.Caso_Zanja == 2.0;
}

// The second page treats every standard but ATV as UNE (it shows "Norma UNE" for them).
bool paginaUne(const Proyecto& p) {
    return p.Norma != 2;
}

bool grupoValido(std::int16_t grupo) {
    return grupo >= 1 && grupo <= kNumeroGruposSuelo;
}

std::size_t filaGrupo(std::int16_t grupo) {
    return static_cast<std::size_t>(grupo - 1);
}

std::int16_t& grupoDe(Proyecto& p, ZonaSuelo zona) {
    static constexpr PorZona<std::int16_t Proyecto::*> kGrupos{
        {&Proyecto::Grupo_Suelo_1, &Proyecto::Grupo_Suelo_2, &Proyecto::Grupo_Suelo_3,
         &Proyecto::Grupo_Suelo_4}};
    return p.*kGrupos[zona];
}

// A list position, or -1 when it names no entry (a list then shows no selection).
int posicionValida(int posicion, std::size_t entradas) {
    return posicion >= 0 && static_cast<std::size_t>(posicion) < entradas ? posicion : -1;
}

// The stored compaction is the number of the entry's first three characters; no entry reads
// as 0, as an empty text does.
double compactacionDe(int posicion) {
    if (posicion < 0)
        return 0;
    return kValoresCompactacion[static_cast<std::size_t>(posicion)];
}

void guardaCompactacion(Proyecto& p, ZonaCompactada zona, int posicion) {
    const double compactacion = compactacionDe(posicion);
    if (zona == ZonaCompactada::Zona1) {
        p.Compactacion_1 = compactacion;
        p.Opcion_Suelo_1 = static_cast<std::int16_t>(posicion);
    } else {
        p.Compactacion_2 = compactacion;
        p.Opcion_Suelo_2 = static_cast<std::int16_t>(posicion);
    }
}

void aplicaGrupo(Proyecto& p, VistaDatosSuelos& vista, ZonaSuelo zona, int posicion,
                 std::optional<AvisoGrupo4>& aviso);

void aplicaCompactacion(Proyecto& p, VistaDatosSuelos& vista, ZonaCompactada zona, int posicion,
                        std::optional<AvisoGrupo4>& aviso);

// Under an embankment the soil beside the pipe and the ground around it are the same fill:
// zones 2 and 3 follow zone 1.
void acoplaTerraplen(Proyecto& p, VistaDatosSuelos& vista, std::optional<AvisoGrupo4>& aviso) {
    if (!esTerraplen(p))
        return;
    const int grupo1 = vista.entrada.grupo[ZonaSuelo::Zona1];
    aplicaGrupo(p, vista, ZonaSuelo::Zona2, grupo1, aviso);
    aplicaCompactacion(p, vista, ZonaCompactada::Zona2,
                       vista.entrada.compactacion[ZonaCompactada::Zona1], aviso);
    aplicaGrupo(p, vista, ZonaSuelo::Zona3, grupo1, aviso);
}

void aplicaGrupo(Proyecto& p, VistaDatosSuelos& vista, ZonaSuelo zona, int posicion,
                 std::optional<AvisoGrupo4>& aviso) {
    vista.entrada.grupo[zona] = posicion;
    const auto grupo = static_cast<std::int16_t>(posicion + 1);
    grupoDe(p, zona) = grupo;
    if (zona == ZonaSuelo::Zona2) {
        if (grupo == 4) {
            // Warned once; another group for zone 2 re-arms the warning.
            if (p.Aviso_Grupo4_Zona2 == kNo) {
                p.Aviso_Grupo4_Zona2 = kSi;
                aviso = AvisoGrupo4{Mensaje{std::string(kTextoGrupo4Zona2), Icono::Ninguno, false},
                                    true};
            }
        } else {
            p.Aviso_Grupo4_Zona2 = kNo;
        }
    }
    if (zona == ZonaSuelo::Zona1)
        acoplaTerraplen(p, vista, aviso);
}

void aplicaCompactacion(Proyecto& p, VistaDatosSuelos& vista, ZonaCompactada zona, int posicion,
                        std::optional<AvisoGrupo4>& aviso) {
    vista.entrada.compactacion[zona] = posicion;
    guardaCompactacion(p, zona, posicion);
    if (zona == ZonaCompactada::Zona1)
        acoplaTerraplen(p, vista, aviso);
}

void escribeCaja(VistaDatosSuelos2& vista, CajaSuelo caja, double valor) {
    llenaCaja(vista.entrada.textos[caja], valor, kPatronCaja, vista.separadores);
}

// The backfill condition and the rho' it gives, without writing the box.
void aplicaCondicion(Proyecto& p, VistaDatosSuelos2& vista, std::int16_t condicion) {
    p.Condicion_Relleno = condicion;
    vista.rellenoSeleccionado = condicion;
    // From the friction angle on show: a tested value just typed counts, not the one stored
    // when the page opened.
    const std::optional<double> roEnCaja =
        vista.ensayos ? numeroDeCaja(vista.entrada.textos[CajaSuelo::Ro]) : std::nullopt;
    p.Ro_Prima = Calcula_Ro_Prima(p.Norma, condicion, roEnCaja.value_or(p.Ro));
}

} // namespace

ListaTextos Lista_Grupos_Suelo() {
    return kListaGrupos;
}

ListaTextos Lista_Compactaciones() {
    return kListaCompactaciones;
}

std::string_view Descripcion_Grupo_Suelo(std::int16_t grupo) {
    return grupoValido(grupo) ? kDescripciones[filaGrupo(grupo)] : std::string_view{};
}

std::string_view Etiqueta_Grupo_Suelo(std::int16_t grupo) {
    return grupoValido(grupo) ? kEtiquetas[filaGrupo(grupo)] : std::string_view{};
}

const TablaModulosE& Carga_Valores_E() {
    return kModulosE;
}

std::optional<double> Modulo_E(std::int16_t grupo, int posicionCompactacion) {
    if (!grupoValido(grupo) || posicionValida(posicionCompactacion, kNumeroCompactaciones) < 0)
        return std::nullopt;
    return kModulosE[filaGrupo(grupo)][static_cast<std::size_t>(posicionCompactacion)];
}

// ---- First page -------------------------------------------------------------------------

VistaDatosSuelos Abre_Datos_Suelos(Proyecto& p) {
    VistaDatosSuelos vista;
    p.Codigo_Navegacion = kNavegacionAbandonar;
    vista.cajaNorma = p.Norma == 1 ? "Norma UNE" : "Norma ATV";
    vista.grupos = Lista_Grupos_Suelo();
    vista.compactaciones = Lista_Compactaciones();
    vista.descripciones = kDescripciones;
    for (const ZonaSuelo zona : kZonasSuelo) {
        vista.entrada.grupo[zona] = -1;
        vista.grupoHabilitado[zona] = true;
    }
    for (const ZonaCompactada zona : kZonasCompactadas) {
        vista.entrada.compactacion[zona] = -1;
        vista.compactacionHabilitada[zona] = true;
    }

    // Restoring the stored choices runs their handlers (coupling and warning included); each
    // zone is read back from the record only when its turn comes.
    std::optional<AvisoGrupo4> aviso;
    for (const ZonaSuelo zona : kZonasSuelo) {
        const int posicion = posicionValida(grupoDe(p, zona) - 1, vista.grupos.size());
        if (posicion >= 0)
            aplicaGrupo(p, vista, zona, posicion, aviso);
    }
    const auto restauraCompactacion = [&](ZonaCompactada zona, std::int16_t opcion) {
        const int posicion = posicionValida(opcion, vista.compactaciones.size());
        if (posicion >= 0)
            aplicaCompactacion(p, vista, zona, posicion, aviso);
    };
    restauraCompactacion(ZonaCompactada::Zona1, p.Opcion_Suelo_1);
    restauraCompactacion(ZonaCompactada::Zona2, p.Opcion_Suelo_2);

    if (esTerraplen(p)) {
        vista.grupoHabilitado[ZonaSuelo::Zona2] = false;
        vista.grupoHabilitado[ZonaSuelo::Zona3] = false;
        vista.compactacionHabilitada[ZonaCompactada::Zona2] = false;
    }
    vista.aviso = aviso;
    return vista;
}

std::optional<AvisoGrupo4> Elige_Grupo_Suelo(Proyecto& p, VistaDatosSuelos& vista, ZonaSuelo zona,
                                             int posicion) {
    std::optional<AvisoGrupo4> aviso;
    aplicaGrupo(p, vista, zona, posicionValida(posicion, vista.grupos.size()), aviso);
    return aviso;
}

std::optional<AvisoGrupo4> Elige_Compactacion(Proyecto& p, VistaDatosSuelos& vista,
                                              ZonaCompactada zona, int posicion) {
    std::optional<AvisoGrupo4> aviso;
    aplicaCompactacion(p, vista, zona, posicionValida(posicion, vista.compactaciones.size()),
                       aviso);
    return aviso;
}

std::optional<Rechazo> Cierra_Datos_Suelos(Proyecto& p, const EntradaDatosSuelos& entrada,
                                           Boton boton) {
    if (boton == Boton::Atras) {
        p.Codigo_Navegacion = kNavegacionAtras;
        return std::nullopt;
    }
    p.Codigo_Navegacion = kNavegacionSiguiente;
    for (const ZonaSuelo zona : kZonasSuelo)
        grupoDe(p, zona) =
            static_cast<std::int16_t>(posicionValida(entrada.grupo[zona], kListaGrupos.size()) + 1);
    for (const ZonaCompactada zona : kZonasCompactadas)
        guardaCompactacion(p, zona,
                           posicionValida(entrada.compactacion[zona], kListaCompactaciones.size()));
    if (esTerraplen(p)) {
        p.Grupo_Suelo_2 = p.Grupo_Suelo_1;
        p.Grupo_Suelo_3 = p.Grupo_Suelo_1;
        p.Compactacion_2 = p.Compactacion_1;
        p.Opcion_Suelo_2 = p.Opcion_Suelo_1;
    }
    return std::nullopt;
}

// ---- Second page ------------------------------------------------------------------------

std::string_view Texto_Condicion_Relleno(std::int16_t condicion) {
    if (condicion < 1 || condicion > static_cast<std::int16_t>(kCondiciones.size()))
        return {};
    return kCondiciones[static_cast<std::size_t>(condicion - 1)];
}

double Calcula_Ro_Prima(std::int16_t norma, std::int16_t condicion, double ro) {
    if (norma != 1 && norma != 2)
        return 0;
    switch (condicion) {
    case 1:
        // UNE does not offer A1 and takes a stored one as A2: two thirds of rho either way.
        return 2.0 / 3.0 * ro;
    case 2:
        return norma == 2 ? 1.0 / 3.0 * ro : 2.0 / 3.0 * ro;
    case 3:
        // Drawing the boards of a shored trench leaves no friction against the walls.
        return 0;
    case 4:
        return ro;
    default:
        return 0;
    }
}

void Calcula_Valores_Standard(Proyecto& p) {
    p.Gamma_1 = 20;
    p.Gamma_2 = 20;
    if (grupoValido(p.Grupo_Suelo_1))
        p.Ro = kRoPorGrupo[filaGrupo(p.Grupo_Suelo_1)];
    if (paginaUne(p) && p.Condicion_Relleno == kRellenoA1)
        p.Condicion_Relleno = kRellenoA2;
    p.Ro_Prima = Calcula_Ro_Prima(p.Norma, p.Condicion_Relleno, p.Ro);
    p.K1 = 0.5;
    if (grupoValido(p.Grupo_Suelo_2))
        p.K2 = kK2PorGrupo[filaGrupo(p.Grupo_Suelo_2)];

    // A value outside the table leaves the modulus as it was.
    const auto asigna = [](double& campo, std::optional<double> valor) {
        if (valor)
            campo = *valor;
    };
    asigna(p.E1, Modulo_E(p.Grupo_Suelo_1, p.Opcion_Suelo_1));
    asigna(p.E2, Modulo_E(p.Grupo_Suelo_2, p.Opcion_Suelo_2));
    // The ground below the pipe is taken at full compaction, except under an embankment where
    // it is laid and compacted with the fill of zone 1.
    asigna(p.E3, Modulo_E(p.Grupo_Suelo_3, esTerraplen(p) ? p.Opcion_Suelo_1 : kPosicion100));
    asigna(p.E4, Modulo_E(p.Grupo_Suelo_4, kPosicion100));
}

void Pon_Valores(const Proyecto& p, VistaDatosSuelos2& vista) {
    for (const CajaSuelo caja : kCajasSuelo)
        llenaCaja(vista.entrada.textos[caja], p.*kCamposSuelo[caja], kPatronCaja,
                  vista.separadores);
}

VistaDatosSuelos2 Abre_Datos_Suelos_2(Proyecto& p, const Separadores& separadores) {
    VistaDatosSuelos2 vista;
    vista.separadores = separadores;
    vista.rellenoA1Habilitado = !paginaUne(p);
    vista.cajaNorma = paginaUne(p) ? "Norma UNE" : "Norma ATV";
    if (paginaUne(p) && p.Condicion_Relleno == kRellenoA1)
        p.Condicion_Relleno = kRellenoA2;
    // As clicking the stored condition, but the box of rho' is written with all the others
    // just below.
    if (!Texto_Condicion_Relleno(p.Condicion_Relleno).empty())
        aplicaCondicion(p, vista, p.Condicion_Relleno);
    Elige_Ensayos(p, vista, p.Opcion_Suelo_3 != kNo);
    vista.etiquetaGrupoZona2 = Etiqueta_Grupo_Suelo(p.Grupo_Suelo_2);
    return vista;
}

void Elige_Condicion_Relleno(Proyecto& p, VistaDatosSuelos2& vista, std::int16_t condicion) {
    aplicaCondicion(p, vista, condicion);
    escribeCaja(vista, CajaSuelo::Ro_Prima, p.Ro_Prima);
}

void Elige_Ensayos(Proyecto& p, VistaDatosSuelos2& vista, bool si) {
    vista.ensayos = si;
    vista.notaVisible = !si;
    vista.cajasHabilitadas = si;
    if (si) {
        p.Opcion_Suelo_3 = kSi;
    } else {
        // Back to the standard values: whatever was typed is discarded.
        p.Opcion_Suelo_3 = kNo;
        Calcula_Valores_Standard(p);
        vista.rellenoSeleccionado = p.Condicion_Relleno;
    }
    Pon_Valores(p, vista);
}

Mensaje Mensaje_Sin_Ensayos() {
    return Mensaje{std::string(kTextoSinEnsayos), Icono::Informacion, true};
}

std::optional<Rechazo> Entra_En_Caja_Suelo(const Proyecto& p) {
    if (p.Opcion_Suelo_3 != kNo)
        return std::nullopt;
    return Rechazo{Mensaje_Sin_Ensayos(), static_cast<int>(FocoDatosSuelos2::RellenoA2),
                   std::nullopt};
}

const Magnitud& Magnitud_Caja_Suelo(CajaSuelo caja) {
    return kMagnitudesSuelo[caja];
}

std::optional<Rechazo> Cierra_Datos_Suelos_2(Proyecto& p, const EntradaDatosSuelos2& entrada,
                                             Boton boton) {
    // With the standard's values the boxes are only shown: no typing mistake can be in them.
    const bool tecleadas = p.Opcion_Suelo_3 != kNo;
    PorCajaSuelo<double> valores;
    for (const CajaSuelo caja : kCajasSuelo) {
        const auto valor = Lee_Magnitud(entrada.textos[caja], kMagnitudesSuelo[caja], tecleadas);
        if (!valor)
            return Rechazo_Magnitud(valor.error(), static_cast<int>(Foco_Caja_Suelo(caja)));
        valores[caja] = *valor;
    }
    p.Gamma_1 = valores[CajaSuelo::Gamma_1];
    p.Gamma_2 = valores[CajaSuelo::Gamma_2];
    p.Ro = valores[CajaSuelo::Ro];
    p.Ro_Prima = valores[CajaSuelo::Ro_Prima];
    p.K1 = valores[CajaSuelo::K1];
    p.K2 = valores[CajaSuelo::K2];
    p.E1 = valores[CajaSuelo::E1];
    p.E2 = valores[CajaSuelo::E2];
    p.E3 = valores[CajaSuelo::E3];
    p.E4 = valores[CajaSuelo::E4];
    p.Codigo_Navegacion = boton == Boton::Siguiente ? kNavegacionSiguiente : kNavegacionAtras;
    return std::nullopt;
}

} // namespace tubrix
