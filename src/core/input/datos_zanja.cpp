#include "input/datos_zanja.h"

#include "calc/comprobaciones.h"
#include "format/lee_numero.h"
#include "input/magnitud.h"

#include <cmath>
#include <string_view>

namespace tubrix {
namespace {

constexpr std::int16_t kTipoZanja = 1;
constexpr std::int16_t kTipoZanjaTerraplenada = 2;
constexpr std::int16_t kTipoDosConducciones = 3;

constexpr std::int16_t kZanjaEstrecha = 1;
constexpr std::int16_t kZanjaAncha = 2;
constexpr std::int16_t kTerraplen = 3;

constexpr std::string_view kPatronAltura = "#,##0.0##";
constexpr std::string_view kPatronAngulo = "##0.0##";

// β is the slope angle of the trench walls.
constexpr std::string_view kPreguntaAngulo =
    "Ángulo \u03B2 de inclinación de las paredes de la zanja (º)";
constexpr std::string_view kNotaAngulo =
    "(º) El ángulo \u03B2 de inclinación de las paredes de la zanja en grados sexagesimales.";
constexpr std::string_view kPreguntaH =
    "Altura H del recubrimiento por encima de la generatriz superior (m)";
constexpr std::string_view kPreguntaH1 =
    "Altura H1 del recubrimiento por encima de la generatriz superior (m)";
constexpr std::string_view kPreguntaH2 = "Altura H2 del recubrimiento del terraplén (m)";
constexpr std::string_view kPreguntaB =
    "Anchura B de la zanja al nivel de la generatriz superior (m)";

std::string_view textoTipo(std::int16_t tipo) {
    switch (tipo) {
    case kTipoZanja:
        return "Tipo 1: Instalación en zanja o bajo terraplén";
    case kTipoZanjaTerraplenada:
        return "Tipo 2: Instalación en zanja terraplenada";
    case kTipoDosConducciones:
        return "Tipo 3: Instalación de 2 conducciones en la misma zanja";
    default:
        return "";
    }
}

std::string_view textoSubtipo(std::int16_t tipo, std::int16_t subtipo) {
    if (tipo == kTipoZanja) {
        switch (subtipo) {
        case kZanjaEstrecha:
            return "Zanja Estrecha";
        case kZanjaAncha:
            return "Zanja Ancha";
        case kTerraplen:
            return "Terraplén";
        default:
            return "";
        }
    }
    if (tipo == kTipoZanjaTerraplenada)
        return "Zanja Terraplenada";
    if (tipo == kTipoDosConducciones)
        return subtipo == 2 ? "Niveles diferentes" : "Mismo nivel";
    return "";
}

// The boxes as the "Escriba un número en ..." message names them; their ranges are the
// screen's own checks below.
constexpr Magnitud kAlturaH{"la altura H del recubrimiento", "m"};
constexpr Magnitud kAlturaH1{"la altura H1 del recubrimiento", "m"};
constexpr Magnitud kAlturaH2{"la altura H2 del recubrimiento del terraplén", "m"};
constexpr Magnitud kAnchuraB{"la anchura B de la zanja", "m"};
constexpr Magnitud kAnguloBeta{"el ángulo Beta de inclinación de las paredes de la zanja", "º"};

// Which quantity each box of a case shows; none for a row without a box.
std::optional<MedidaZanja> medidaDe(std::int16_t tipo, FocoDatosZanja caja) {
    if (tipo == kTipoZanja) {
        switch (caja) {
        case FocoDatosZanja::Caja1:
            return MedidaZanja::H;
        case FocoDatosZanja::Caja2:
            // An embankment hides B and beta; their boxes still hold them.
            return MedidaZanja::B;
        case FocoDatosZanja::Caja3:
            return MedidaZanja::Beta;
        default:
            return std::nullopt;
        }
    }
    if (tipo == kTipoZanjaTerraplenada) {
        switch (caja) {
        case FocoDatosZanja::Caja1:
            return MedidaZanja::H1;
        case FocoDatosZanja::Caja2:
            return MedidaZanja::H2;
        case FocoDatosZanja::Caja3:
            return MedidaZanja::B;
        case FocoDatosZanja::Caja4:
            return MedidaZanja::Beta;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

Mensaje aviso(std::string texto, bool pitido = true) {
    return Mensaje{std::move(texto), Icono::Informacion, pitido};
}

Rechazo rechazo(Mensaje mensaje, FocoDatosZanja foco) {
    return Rechazo{std::move(mensaje), static_cast<int>(foco), std::nullopt};
}

// Every case divides B by the pipe's outside diameter: without a pipe there is no ratio.
std::optional<Rechazo> exigeDiametro(const Proyecto& p) {
    const auto valido =
        exigePositivo("la relación B/D", "el diámetro exterior del tubo", p.Diametro_Exterior);
    if (valido)
        return std::nullopt;
    return Rechazo{aviso(valido.error().mensaje), -1, std::nullopt};
}

// B, its copy for the load calculation and the ratio B/D.
void guardaAnchura(Proyecto& p, double b) {
    p.B = b;
    p.B_Calculo = p.B;
    p.Relacion_BD = p.B * 1000.0 / p.Diametro_Exterior;
}

// The refusal of a box left without a number. Out of line, so that reading a box that holds
// one builds no message.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
Rechazo
sinNumero(FocoDatosZanja caja, const Magnitud& magnitud) {
    return rechazo(aviso(Texto_Escriba_Numero(magnitud)), caja);
}

// The number in a box the user sees, or the refusal of a box left without one. Nothing is
// stored from such a box.
inline tl::expected<double, Rechazo> numeroEn(const EntradaDatosZanja& e, FocoDatosZanja caja,
                                              const Magnitud& magnitud) {
    if (const std::optional<double> n = numeroDeCaja(e.cajas[caja]))
        return *n;
    return tl::unexpected(sinNumero(caja, magnitud));
}

std::optional<Rechazo> cierraTipo1(Proyecto& p, const EntradaDatosZanja& e) {
    const std::int16_t subtipo = p.Subtipo_Instalacion;
    const bool zanja = subtipo == kZanjaEstrecha || subtipo == kZanjaAncha;

    const auto h = numeroEn(e, FocoDatosZanja::Caja1, kAlturaH);
    if (!h)
        return h.error();
    p.H = *h;
    if (auto m = Comprueba_Valor_H(p.H))
        return rechazo(*m, FocoDatosZanja::Caja1);
    p.H_Total = p.H;

    if (auto r = exigeDiametro(p))
        return r;
    // An embankment has no walls, but B is refreshed from its hidden box all the same.
    if (zanja) {
        const auto b = numeroEn(e, FocoDatosZanja::Caja2, kAnchuraB);
        if (!b)
            return b.error();
        guardaAnchura(p, *b);
    } else {
        guardaAnchura(p, leeCaja(e.cajas[FocoDatosZanja::Caja2]));
    }

    if (zanja) {
        const auto beta = numeroEn(e, FocoDatosZanja::Caja3, kAnguloBeta);
        if (!beta)
            return beta.error();
        p.Beta = *beta;
        if (auto m = Comprueba_Valor_Beta(p.Beta))
            return rechazo(*m, FocoDatosZanja::Caja3);
    }
    p.Caso_Zanja = zanja ? 1.0 : 2.0;

    if (zanja) {
        // Sloped walls narrow the trench by D / tan(beta) on each side down to the invert.
        const double diametroM = p.Diametro_Exterior / 1000.0;
        const double bFondo = std::abs(p.Beta - 90.0) < 0.001
                                  ? p.B
                                  : p.B - (2.0 * diametroM) / std::tan(p.Beta * p.Rad_Por_Grado);
        if (auto m = Comprueba_Valor_B(p, bFondo))
            return rechazo(*m, FocoDatosZanja::Caja2);
        if (auto m = Comprueba_Relacion_BD(p, p.B, subtipo))
            return rechazo(*m, FocoDatosZanja::Caja2);
    }
    p.Codigo_Navegacion = kNavegacionSiguiente;
    return std::nullopt;
}

std::optional<Rechazo> cierraTipo2(Proyecto& p, const EntradaDatosZanja& e) {
    const auto h1 = numeroEn(e, FocoDatosZanja::Caja1, kAlturaH1);
    if (!h1)
        return h1.error();
    p.H1 = *h1;
    if (auto m = Comprueba_Valor_H(p.H1))
        return rechazo(*m, FocoDatosZanja::Caja1);
    // Each height on its own limits; their sum may well exceed 20 m.
    const auto h2 = numeroEn(e, FocoDatosZanja::Caja2, kAlturaH2);
    if (!h2)
        return h2.error();
    p.H2 = *h2;
    if (auto m = Comprueba_Valor_H(p.H2))
        return rechazo(*m, FocoDatosZanja::Caja2);
    p.H_Total = p.H1 + p.H2;

    if (auto r = exigeDiametro(p))
        return r;
    const auto b = numeroEn(e, FocoDatosZanja::Caja3, kAnchuraB);
    if (!b)
        return b.error();
    guardaAnchura(p, *b);
    // The pipe must fit in the trench; a narrower B (or a negative one) would shrink the soil
    // load through the silo effect.
    const double diametroM = p.Diametro_Exterior / 1000.0;
    if (!(p.B >= diametroM))
        return rechazo(aviso("La anchura B de la zanja debe ser mayor o igual que el diámetro "
                             "exterior del tubo (" +
                             formatea(diametroM, "#,##0.0##", Separadores::espanol()) + " m)"),
                       FocoDatosZanja::Caja3);
    // The walls' slope follows the same limits as in a plain trench: beyond them the load
    // formulas give no meaning (a slope of 180° would cut the deflection by two thirds).
    const auto beta = numeroEn(e, FocoDatosZanja::Caja4, kAnguloBeta);
    if (!beta)
        return beta.error();
    p.Beta = *beta;
    if (auto m = Comprueba_Valor_Beta(p.Beta))
        return rechazo(*m, FocoDatosZanja::Caja4);
    p.Caso_Zanja = 3.0;
    p.Codigo_Navegacion = kNavegacionSiguiente;
    return std::nullopt;
}

// Type as an option can show it: anything else a file may bring opens as type 1.
std::int16_t tipoValido(std::int16_t tipo) {
    return tipo >= kTipoZanja && tipo <= kTipoDosConducciones ? tipo : kTipoZanja;
}

} // namespace

VistaDatosZanja Abre_Datos_Zanja(Proyecto& proyecto, const Separadores& separadores) {
    VistaDatosZanja vista;
    vista.separadores = separadores;
    vista.cajaNorma = proyecto.Norma == 1 ? "Norma UNE" : "Norma ATV";
    llenaCaja(vista.medidas[MedidaZanja::H], proyecto.H, kPatronAltura, separadores);
    llenaCaja(vista.medidas[MedidaZanja::H1], proyecto.H1, kPatronAltura, separadores);
    llenaCaja(vista.medidas[MedidaZanja::H2], proyecto.H2, kPatronAltura, separadores);
    llenaCaja(vista.medidas[MedidaZanja::B], proyecto.B, kPatronAltura, separadores);
    llenaCaja(vista.medidas[MedidaZanja::Beta], proyecto.Beta, kPatronAngulo, separadores);
    proyecto.Codigo_Navegacion = kNavegacionAbandonar;
    Elige_Tipo(proyecto, vista, tipoValido(proyecto.Tipo_Instalacion));
    return vista;
}

void Elige_Tipo(Proyecto& proyecto, VistaDatosZanja& vista, std::int16_t tipo) {
    tipo = tipoValido(tipo);
    vista.tipo = tipo;
    proyecto.Tipo_Instalacion = tipo;
    Muestra_Subtipos(proyecto, vista, tipo);
}

void Muestra_Subtipos(Proyecto& proyecto, VistaDatosZanja& vista, std::int16_t tipo) {
    auto& b = vista.subtipos;
    b = {};
    PosicionSubtipo elegido = PosicionSubtipo::Izquierda;
    const std::int16_t subtipo = proyecto.Subtipo_Instalacion;
    switch (tipo) {
    case kTipoZanja:
        b[PosicionSubtipo::Izquierda] = {true, DibujoInstalacion::ZanjaEstrecha, "Zanja Estrecha"};
        b[PosicionSubtipo::Centro] = {true, DibujoInstalacion::ZanjaAncha, "Zanja Ancha"};
        b[PosicionSubtipo::Derecha] = {true, DibujoInstalacion::Terraplen, "Terraplén"};
        if (subtipo >= kZanjaEstrecha && subtipo <= kTerraplen)
            elegido = static_cast<PosicionSubtipo>(subtipo - 1);
        break;
    case kTipoZanjaTerraplenada:
        b[PosicionSubtipo::Centro] = {true, DibujoInstalacion::ZanjaTerraplenada,
                                      "Zanja Terraplenada"};
        elegido = PosicionSubtipo::Centro;
        break;
    default:
        b[PosicionSubtipo::Izquierda] = {true, DibujoInstalacion::MismoNivel, "Mismo nivel"};
        b[PosicionSubtipo::Centro] = {true, DibujoInstalacion::NivelesDiferentes,
                                      "Niveles diferentes"};
        // An embankment (3) has no counterpart here: back to the same level.
        if (subtipo == 2)
            elegido = PosicionSubtipo::Centro;
        break;
    }
    Elige_Subtipo(proyecto, vista, elegido);
}

void Elige_Subtipo(Proyecto& proyecto, VistaDatosZanja& vista, PosicionSubtipo posicion) {
    if (!vista.subtipos[posicion].visible)
        return;
    const std::int16_t tipo = vista.tipo;
    proyecto.Subtipo_Instalacion = tipo == kTipoZanjaTerraplenada
                                       ? std::int16_t{1}
                                       : static_cast<std::int16_t>(static_cast<int>(posicion) + 1);
    if (vista.separadores.etiquetas)
        vista.seleccion = textoSeleccion(tipo, proyecto.Subtipo_Instalacion);
    Pon_Preguntas(vista, tipo, proyecto.Subtipo_Instalacion);
    if (tipo == kTipoDosConducciones)
        vista.foco.reset();
    else
        vista.foco = FocoDatosZanja::Caja1;
}

void Toma_Cajas_Zanja(VistaDatosZanja& vista, const EntradaDatosZanja& entrada) {
    for (const FocoDatosZanja caja : kCajasZanja)
        if (const auto medida = medidaDe(vista.tipo, caja))
            vista.medidas[*medida] = entrada.cajas[caja];
    vista.entrada = entrada;
}

void Pon_Preguntas(VistaDatosZanja& vista, std::int16_t tipo, std::int16_t subtipo) {
    auto& f = vista.filas;
    auto& cajas = vista.entrada.cajas;
    const auto& m = vista.medidas;
    for (FilaDatosZanja& fila : f)
        fila = FilaDatosZanja{};
    const auto oculta = [&f](FocoDatosZanja fila) {
        f[fila].visible = false;
        f[fila].cajaVisible = false;
        f[fila].pregunta = {};
    };
    const auto soloEtiqueta = [&f](FocoDatosZanja fila, std::string_view texto) {
        f[fila].pregunta = texto;
        f[fila].cajaVisible = false;
    };

    constexpr auto Caja1 = FocoDatosZanja::Caja1;
    constexpr auto Caja2 = FocoDatosZanja::Caja2;
    constexpr auto Caja3 = FocoDatosZanja::Caja3;
    constexpr auto Caja4 = FocoDatosZanja::Caja4;
    constexpr auto Caja5 = FocoDatosZanja::Caja5;
    if (tipo == kTipoZanja) {
        f[Caja1].pregunta = kPreguntaH;
        cajas[Caja1] = m[MedidaZanja::H];
        f[Caja2].pregunta = kPreguntaB;
        cajas[Caja2] = m[MedidaZanja::B];
        f[Caja3].pregunta = kPreguntaAngulo;
        cajas[Caja3] = m[MedidaZanja::Beta];
        oculta(Caja4);
        if (subtipo == kTerraplen) {
            // Hidden, but they still hold B and beta: the accept reads B from there.
            oculta(Caja2);
            oculta(Caja3);
            oculta(Caja5);
        } else {
            soloEtiqueta(Caja5, kNotaAngulo);
        }
    } else if (tipo == kTipoZanjaTerraplenada) {
        f[Caja1].pregunta = kPreguntaH1;
        cajas[Caja1] = m[MedidaZanja::H1];
        f[Caja2].pregunta = kPreguntaH2;
        cajas[Caja2] = m[MedidaZanja::H2];
        f[Caja3].pregunta = kPreguntaB;
        cajas[Caja3] = m[MedidaZanja::B];
        f[Caja4].pregunta = kPreguntaAngulo;
        cajas[Caja4] = m[MedidaZanja::Beta];
        soloEtiqueta(Caja5, kNotaAngulo);
    } else {
        const ListaTextos lineas = Consejo_Tipo_3(subtipo);
        for (const FocoDatosZanja fila : kCajasZanja) {
            const auto i = static_cast<std::size_t>(fila);
            if (i < lineas.size())
                soloEtiqueta(fila, lineas[i]);
            else
                oculta(fila);
        }
    }
}

std::string textoSeleccion(std::int16_t tipo, std::int16_t subtipo) {
    return std::string(textoTipo(tipo)) + ". " + std::string(textoSubtipo(tipo, subtipo));
}

ListaTextos Consejo_Tipo_3(std::int16_t subtipo) {
    static constexpr std::array<std::string_view, 3> kSuperpuestas = {
        "En éste caso deberá realizar los dos cálculos siguientes:",
        " - la tubería superior se calcula como Tipo 1 (zanja),",
        " - la tubería inferior como Tipo2 (zanja terraplenada)."};
    static constexpr std::array<std::string_view, 5> kParalelas = {
        "En éste caso debe realizar el cálculo de",
        "la tubería nº1 como Tipo 1, y repetir el cálculo para",
        "la tubería nº2. En ambos casos el valor de B será el mismo,",
        "variando sólamente el valor de H. Si ambos diámetros son iguales",
        "es suficiente realizar un único cálculo."};
    if (subtipo == 2)
        return kSuperpuestas;
    return kParalelas;
}

std::optional<Mensaje> Comprueba_Valor_H(double h) {
    if (h < 0.5)
        return aviso("El valor de H debe ser superior a 0,5 m");
    if (h > 20)
        return aviso("El valor de H debe ser inferior a 20 m");
    return std::nullopt;
}

std::optional<Mensaje> Comprueba_Valor_Beta(double beta) {
    if (beta < 10 || beta > 90)
        return aviso("El valor del ángulo Beta debe de estar entre 10º y 90º", false);
    return std::nullopt;
}

std::optional<Mensaje> Comprueba_Valor_B(const Proyecto& proyecto, double bFondo) {
    // Half a metre of working room beside the pipe at the invert.
    if (proyecto.Diametro_Exterior / 1000.0 + 0.5 > bFondo)
        return aviso("Anchura fondo de zanja insuficiente debido al talud.\rModificar B o beta.");
    return std::nullopt;
}

std::optional<Mensaje> Comprueba_Relacion_BD(const Proyecto& proyecto, double b,
                                             std::int16_t subtipo) {
    if (subtipo != kZanjaEstrecha && subtipo != kZanjaAncha)
        return std::nullopt;
    if (auto r = exigeDiametro(proyecto))
        return r->mensaje;
    const double relacion = b / (proyecto.Diametro_Exterior / 1000.0);
    if (subtipo == kZanjaEstrecha && (relacion < 1 || relacion > 4))
        return aviso("No se cumple la condición de zanja estrecha 1<=B/D<=4.");
    if (subtipo == kZanjaAncha && relacion <= 4)
        return aviso("No se cumple la condición de zanja ancha B/D>4.");
    return std::nullopt;
}

std::optional<Rechazo> Cierra_Datos_Zanja(Proyecto& proyecto, const EntradaDatosZanja& entrada,
                                          Boton boton) {
    if (boton == Boton::Atras) {
        proyecto.Codigo_Navegacion = kNavegacionAtras;
        return std::nullopt;
    }
    switch (proyecto.Tipo_Instalacion) {
    case kTipoZanja:
        return cierraTipo1(proyecto, entrada);
    case kTipoZanjaTerraplenada:
        return cierraTipo2(proyecto, entrada);
    default:
        // Two pipes in one trench are computed as two separate sections: the screen stays
        // open on its advice, without a message.
        return Rechazo{Mensaje{"", Icono::Ninguno, false}, -1, std::nullopt};
    }
}

} // namespace tubrix
