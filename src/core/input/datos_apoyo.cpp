#include "input/datos_apoyo.h"

#include "calc/comprobaciones.h"
#include "format/lee_numero.h"
#include "input/magnitud.h"

#include <cmath>
#include <utility>

namespace tubrix {
namespace {

constexpr std::string_view kAngulo60 = " 60 grados";
constexpr std::string_view kAngulo90 = " 90 grados";
constexpr std::string_view kAngulo120 = "120 grados";
constexpr std::string_view kAngulo180 = "180 grados";

bool esUne(const Proyecto& p) {
    return p.Norma == 1;
}

// Whole number with halves to even, as the stored angle is rounded before it is looked up.
double redondeaPar(double valor) {
    const double abajo = std::floor(valor);
    const double resto = valor - abajo;
    if (resto < 0.5)
        return abajo;
    if (resto > 0.5)
        return abajo + 1;
    return std::fmod(abajo, 2.0) == 0 ? abajo : abajo + 1;
}

// The list entries carry their angle in their first three characters.
double anguloDe(std::string_view entrada) {
    return Lee_Numero(entrada.substr(0, 3));
}

// The same for an entry of the program's own lists, read once and remembered.
double anguloDeLista(std::string_view entrada) {
    return Lee_Numero_Constante(entrada.substr(0, 3));
}

void muestraPj(const Proyecto& p, VistaDatosApoyo& vista) {
    if (vista.separadores.etiquetas)
        vista.textoPj = formatea(p.Relacion_Proyeccion, "#,##0.0#", vista.separadores);
    else
        vista.textoPj.clear();
}

void calculaYMuestraPj(Proyecto& p, VistaDatosApoyo& vista) {
    // A refusal leaves the last Pj on show; the next arrow reports it.
    (void)Calcula_Pj(p, vista.entrada.textoJ);
    muestraPj(p, vista);
}

} // namespace

std::string_view Fichero_Dibujo_Apoyo(DibujoApoyo dibujo) {
    switch (dibujo) {
    case DibujoApoyo::AtvTipoI:
        return "GRAFIC07.WMF";
    case DibujoApoyo::AtvTipoII:
        return "GRAFIC08.WMF";
    case DibujoApoyo::AtvTipoIII:
        return "GRAFIC09.WMF";
    case DibujoApoyo::UneTipoA:
        return "Grafic10.wmf";
    case DibujoApoyo::UneTipoB:
        return "Grafic11.wmf";
    case DibujoApoyo::UneTipoC:
        return "Grafic12.wmf";
    }
    return {};
}

DescripcionTipoApoyo Describe_Tipo_Apoyo(std::int16_t norma, std::int16_t tipo) {
    if (norma == 1) {
        switch (tipo) {
        case 1:
            return {"Tipo A: Cama granular compactada sobre la que descansa el tubo", "Tipo A",
                    DibujoApoyo::UneTipoA};
        case 2:
            return {"Tipo B: El tubo descansa directamente sobre el suelo natural", "Tipo B",
                    DibujoApoyo::UneTipoB};
        default:
            return {"Tipo C: Cama de hormigón recubriendo el tubo el ángulo previsto", "Tipo C",
                    DibujoApoyo::UneTipoC};
        }
    }
    switch (tipo) {
    case 1:
        return {"Tipo I: Cama granular sobre la que descansa el tubo", "Tipo I",
                DibujoApoyo::AtvTipoI};
    case 2:
        return {"Tipo II: Apoyo sólido (por ejemplo, cama de hormigón)", "Tipo II",
                DibujoApoyo::AtvTipoII};
    default:
        return {"Tipo III: Tubo con apoyo granular hasta la clave del tubo", "Tipo III",
                DibujoApoyo::AtvTipoIII};
    }
}

bool Es_Apoyo_Hormigon(std::int16_t norma, std::int16_t tipo) {
    return norma == 1 ? tipo == 3 : tipo == 2;
}

ListaTextos Lista_Angulos(std::int16_t norma, std::int16_t tipo) {
    static constexpr std::array<std::string_view, 3> kCuna = {kAngulo90, kAngulo120, kAngulo180};
    static constexpr std::array<std::string_view, 1> kHastaClave = {kAngulo180};
    static constexpr std::array<std::string_view, 3> kGranular = {kAngulo60, kAngulo90, kAngulo120};
    if (tipo < 1 || tipo > 3)
        return {};
    if (Es_Apoyo_Hormigon(norma, tipo))
        return kCuna;
    // Granular bedding up to the crown embraces the whole lower half.
    if (norma != 1 && tipo == 3)
        return kHastaClave;
    return kGranular;
}

Resultado<void> Calcula_Pj(Proyecto& p, const CajaTexto& cajaJ) {
    if (!Es_Apoyo_Hormigon(p.Norma, p.Tipo_Apoyo))
        return {};
    // The cradle's height under the pipe: a negative one would lower the projection ratio.
    static constexpr Magnitud kAlturaJ{"la altura J del apoyo", "m"};
    const auto j = Lee_Magnitud(cajaJ, kAlturaJ);
    if (!j)
        return falla(CodigoError::DatoNoCalculable, j.error());
    p.J = *j;
    if (auto valido = exigePositivo("la relación de proyección Pj",
                                    "el diámetro exterior del tubo (mm)", p.Diametro_Exterior);
        !valido)
        return valido;
    const double d = p.Diametro_Exterior / 1000;
    const double alfa = p.Angulo_Apoyo / 2 * p.Rad_Por_Grado;
    // Rise of the arc of the pipe wall that the cradle embraces, measured from the invert.
    const double embebido = (1 - std::cos(alfa)) * d / 2;
    // UNE subtype b) sets the pipe in the cradle without the height J under it.
    const bool sinJ = esUne(p) && p.Subtipo_Apoyo == 2;
    const double hp = sinJ ? d - embebido : d + p.J - embebido;
    p.Relacion_Proyeccion = hp / p.Diametro_Exterior * 1000;
    return {};
}

VistaDatosApoyo Abre_Datos_Apoyo(Proyecto& p, const Separadores& separadores) {
    VistaDatosApoyo vista;
    vista.separadores = separadores;
    p.Codigo_Navegacion = kNavegacionAbandonar;

    llenaCaja(vista.entrada.textoJ, p.J, "##0.0#", separadores);
    vista.cajaNorma = esUne(p) ? "Norma UNE" : "Norma ATV";
    // Captions and drawings are only seen.
    if (separadores.etiquetas) {
        for (std::int16_t tipo = 1; tipo <= 3; ++tipo) {
            const auto descripcion = Describe_Tipo_Apoyo(p.Norma, tipo);
            const auto i = static_cast<std::size_t>(tipo - 1);
            vista.opciones[i] = descripcion.opcion;
            vista.etiquetas[i] = descripcion.etiqueta;
            vista.dibujos[i] = descripcion.dibujo;
        }
    }
    vista.subtiposVisibles = esUne(p);
    if (esUne(p) && (p.Subtipo_Apoyo == 1 || p.Subtipo_Apoyo == 2))
        Elige_Subtipo_Apoyo(p, vista, p.Subtipo_Apoyo);

    // Choosing the type selects the first angle of its list; the stored angle is then looked
    // up again, so it survives only when the new list offers it.
    const double anguloGuardado = redondeaPar(p.Angulo_Apoyo);
    if (p.Tipo_Apoyo >= 1 && p.Tipo_Apoyo <= 3)
        Elige_Tipo_Apoyo(p, vista, p.Tipo_Apoyo);
    for (std::size_t i = 0; i < vista.angulos.size(); ++i) {
        if (anguloDeLista(vista.angulos[i]) == anguloGuardado) {
            Elige_Angulo_Apoyo(p, vista, static_cast<int>(i));
            break;
        }
    }

    // Type 2 is offered for material groups 1 to 4 only; a stored type 2 is still selected.
    vista.tipo2Habilitado = p.Codigo_Material >= 1 && p.Codigo_Material <= 4;
    muestraPj(p, vista);
    if (!esUne(p) && p.Tipo_Apoyo == 2)
        vista.focoInicial = FocoDatosApoyo::J;
    return vista;
}

void Elige_Tipo_Apoyo(Proyecto& p, VistaDatosApoyo& vista, std::int16_t tipo) {
    p.Tipo_Apoyo = tipo;
    vista.tipoSeleccionado = tipo;
    vista.angulos = Lista_Angulos(p.Norma, tipo);
    vista.anguloSeleccionado = -1;
    vista.entrada.textoAngulo = CajaTexto{};
    vista.pideJ = Es_Apoyo_Hormigon(p.Norma, tipo);
    if (vista.pideJ) {
        calculaYMuestraPj(p, vista);
    } else {
        // A granular bedding has the relative projection a = 1; the value of an earlier
        // concrete cradle must not stay behind.
        p.Relacion_Proyeccion = 1;
        muestraPj(p, vista);
    }
    if (!vista.angulos.empty())
        Elige_Angulo_Apoyo(p, vista, 0);
}

void Elige_Subtipo_Apoyo(Proyecto& p, VistaDatosApoyo& vista, std::int16_t subtipo) {
    p.Subtipo_Apoyo = subtipo;
    vista.subtipoSeleccionado = subtipo;
    calculaYMuestraPj(p, vista);
}

void Elige_Angulo_Apoyo(Proyecto& p, VistaDatosApoyo& vista, int posicion) {
    if (posicion < 0 || static_cast<std::size_t>(posicion) >= vista.angulos.size())
        return;
    vista.anguloSeleccionado = posicion;
    const std::string_view entrada = vista.angulos[static_cast<std::size_t>(posicion)];
    CajaTexto& caja = vista.entrada.textoAngulo;
    // An unshown screen keeps only the angle.
    if (vista.separadores.etiquetas)
        caja.texto = entrada;
    else
        caja.texto.clear();
    caja.valor = anguloDeLista(entrada);
    p.Angulo_Apoyo = *caja.valor;
    calculaYMuestraPj(p, vista);
}

void Sale_De_J(Proyecto& p, VistaDatosApoyo& vista, std::string textoJ) {
    vista.entrada.textoJ = std::move(textoJ);
    calculaYMuestraPj(p, vista);
}

std::optional<Rechazo> Cierra_Datos_Apoyo(Proyecto& p, const EntradaDatosApoyo& entrada,
                                          Boton boton) {
    if (boton == Boton::Atras) {
        p.Codigo_Navegacion = kNavegacionAtras;
        return std::nullopt;
    }
    const CajaTexto& angulo = entrada.textoAngulo;
    p.Angulo_Apoyo = angulo.valor ? *angulo.valor : anguloDe(angulo.texto);
    if (Es_Apoyo_Hormigon(p.Norma, p.Tipo_Apoyo)) {
        // The J box has lost the focus to the arrow, so its text is read as the screen shows it.
        if (auto calculado = Calcula_Pj(p, entrada.textoJ); !calculado)
            return Rechazo{Mensaje{calculado.error().mensaje, Icono::Informacion, true},
                           static_cast<int>(FocoDatosApoyo::J), std::nullopt};
    } else {
        p.Relacion_Proyeccion = 1;
    }
    // Set last, so that a refused close does not leave the screen counted as accepted.
    p.Codigo_Navegacion = kNavegacionSiguiente;
    return std::nullopt;
}

} // namespace tubrix
