#include "input/datos_tubos.h"

#include "util/ultimo_valor.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tubrix {
namespace {

// The one sub-class whose pipes carry their own moduli, ring stiffness and wall profile.
constexpr std::int16_t kSubclasePerfilada = 1102;

constexpr std::string_view kMensajeAstm =
    "Esta aplicación no permite el cálculo tubrix utilizando la norma ASTM";

// Only the thermoplastic groups are designed by their ring stiffness.
bool grupoConRigidez(std::int16_t grupo) {
    return grupo == 6 || grupo == 7 || grupo == 11;
}

Rechazo rechazoCatalogo(std::string texto, FocoDatosTubos foco) {
    return Rechazo{Mensaje{std::move(texto), Icono::Informacion, true}, static_cast<int>(foco),
                   std::nullopt};
}

// The first stored code without a catalogue row, or a pipe of another sub-class (which the
// screen shows, but must not calculate with this class's stiffness), as the refusal that names
// it.
std::optional<Rechazo> rechazoPorFalta(const Proyecto& p, const Catalogo& catalogo) {
    if (!catalogo.buscaGrupo(p.Codigo_Material))
        return rechazoCatalogo("El grupo de material de código " +
                                   std::to_string(p.Codigo_Material) +
                                   " no está en el catálogo de tubos.",
                               FocoDatosTubos::Grupo);
    if (!catalogo.buscaSubclase(p.Codigo_Submaterial)) {
        // Code 0 is what an empty list leaves: nothing was there to choose.
        if (p.Codigo_Submaterial == 0)
            return rechazoCatalogo(
                "Elija un material: el grupo elegido no tiene ninguno en el catálogo de tubos.",
                FocoDatosTubos::Material);
        return rechazoCatalogo("El material de código " + std::to_string(p.Codigo_Submaterial) +
                                   " no está en el catálogo de tubos.",
                               FocoDatosTubos::Material);
    }
    if (!catalogo.Busca_Tubo(p.Codigo_Diametro)) {
        if (p.Codigo_Diametro == 0)
            return rechazoCatalogo("Elija un diámetro: el material elegido no tiene ningún tubo "
                                   "en el catálogo de tubos.",
                                   FocoDatosTubos::Diametro);
        return rechazoCatalogo("El tubo de código " + std::to_string(p.Codigo_Diametro) +
                                   " no está en el catálogo de tubos.",
                               FocoDatosTubos::Diametro);
    }
    if (const TuboNormalizado* tubo = catalogo.Busca_Tubo(p.Codigo_Diametro);
        tubo->material != p.Codigo_Submaterial)
        return rechazoCatalogo("El tubo de código " + std::to_string(p.Codigo_Diametro) +
                                   " es del material " + std::to_string(tubo->material) +
                                   ", no del material " + std::to_string(p.Codigo_Submaterial) +
                                   ". Elija un diámetro de la lista.",
                               FocoDatosTubos::Diametro);
    return std::nullopt;
}

template <typename T>
void seleccionaCodigo(ListaDesplegable<T>& lista, std::int16_t codigo) {
    lista.seleccion.reset();
    if (lista.entradas.empty())
        return;
    lista.seleccion = 0;
    for (std::size_t i = 0; i < lista.entradas.size(); ++i) {
        if (lista.entradas[i].codigo == codigo) {
            lista.seleccion = i;
            return;
        }
    }
}

// Code of the first entry; 0 when the list is empty (nothing chosen).
template <typename T>
std::int16_t codigoPrimero(const ListaDesplegable<T>& lista) {
    return lista.entradas.empty() ? std::int16_t{0} : lista.entradas.front().codigo;
}

void actualizaEntrada(VistaDatosTubos& vista) {
    vista.entrada =
        EntradaDatosTubos{vista.grupos.codigoSeleccionado(), vista.materiales.codigoSeleccionado(),
                          vista.diametros.codigoSeleccionado()};
}

// The chosen pipe's data into the record (both arrows do this before anything else).
void guardaDatosTubo(Proyecto& p, const FichaTubo& ficha) {
    const Grupo& grupo = *ficha.grupo;
    const Subclase& subclase = *ficha.subclase;
    const TuboNormalizado& tubo = *ficha.tubo;
    const bool perfilada = p.Codigo_Submaterial == kSubclasePerfilada;

    p.Diametro_Exterior = tubo.diametroE;
    p.Diametro_Interior = tubo.diametroI;
    p.Diametro_Normalizado = tubo.diametroN;
    p.Espesor = tubo.espesor;
    p.Et = perfilada ? tubo.et : grupo.et;
    p.Et_LP = perfilada ? tubo.etLargo : grupo.etLargo;
    p.Gamma_Tubo = grupo.gammaR;
    p.Rotura_Flexotraccion = grupo.sigmaR;
    p.Rotura_Flexotraccion_LP = grupo.sigmaRLargo;
    p.Rm = tubo.fibraN / 2.0;
    if (perfilada) {
        // The catalogue keeps the profile's inertia in thousandths of m4/m.
        p.Momento_Inercia = tubo.momento / 1000.0;
        p.Rigidez_Circunferencial = tubo.rceMin;
    } else {
        // A solid wall: I = e^3 / 12 per metre of pipe, e in m.
        thread_local UltimoValor cubo; // the same pipe from section to section of a batch
        p.Momento_Inercia =
            cubo(p.Espesor / 1000.0, [](double e) { return std::pow(e, 3); }) / 12.0;
        p.Rigidez_Circunferencial =
            grupoConRigidez(p.Codigo_Material) ? subclase.rce / 1000.0 : 0.0;
    }
    // A solid wall has no profile values: an earlier profiled pipe's stay in the record.
    if (perfilada) {
        p.Area = tubo.area;
        p.W = tubo.w;
    }
    p.Clase_Material = tubo.tipo.empty() ? subclase.material : tubo.tipo;
}

} // namespace

std::optional<PropiedadesGrupo> propiedadesGrupo(std::int16_t codigoMaterial) {
    switch (codigoMaterial) {
    case 1:
        return PropiedadesGrupo{2, 0, 0, 0, false, false};
    case 2:
    case 3:
        return PropiedadesGrupo{3, 0, 0, 0, false, false};
    case 4:
        return PropiedadesGrupo{1, 0, 0, 0, false, false};
    case 5:
    case 12:
        return PropiedadesGrupo{2, 1, 1, 0, true, false};
    case 6:
    case 7:
    case 11:
        return PropiedadesGrupo{2, 1, 1, 0, true, true};
    case 8:
    case 9:
        return PropiedadesGrupo{2, 1, 1, 1, true, false};
    case 10:
        // Ductile iron: deflection is checked, but not by the second deformation test.
        return PropiedadesGrupo{2, 1, 0, 0, false, false};
    default:
        return std::nullopt;
    }
}

std::string_view textoNorma(std::int16_t norma) {
    switch (norma) {
    case 1:
        return "UNE 88.211-90";
    case 2:
        return "ATV A 127";
    case 3:
        return "ASTM";
    default:
        return "";
    }
}

Resultado<FichaTubo> buscaFichaTubo(const Proyecto& proyecto, const Catalogo& catalogo) {
    const FichaTubo ficha{catalogo.buscaGrupo(proyecto.Codigo_Material),
                          catalogo.buscaSubclase(proyecto.Codigo_Submaterial),
                          catalogo.Busca_Tubo(proyecto.Codigo_Diametro)};
    if (ficha.grupo && ficha.subclase && ficha.tubo)
        return ficha;
    return falla(CodigoError::CatalogoDanado, rechazoPorFalta(proyecto, catalogo)->mensaje.texto);
}

VistaDatosTubos Abre_Datos_Tubos(Proyecto& proyecto, const Catalogo& catalogo,
                                 const Separadores& separadores) {
    proyecto.Codigo_Navegacion = kNavegacionAbandonar;
    VistaDatosTubos vista;
    vista.separadores = separadores;
    vista.cargando = false;
    Restaura_Situacion_Inicial(proyecto, catalogo, vista);
    return vista;
}

void Restaura_Situacion_Inicial(Proyecto& proyecto, const Catalogo& catalogo,
                                VistaDatosTubos& vista) {
    vista.cargando = true;
    // Unshown (the forward pass), only what sets the record is needed: the group's rules and the
    // sub-class list, whose selected entry tells the conduit type.
    const bool mostrada = vista.separadores.etiquetas;
    if (mostrada)
        Carga_Materiales(proyecto, catalogo, vista);
    Control_Grupo(proyecto, vista);
    if (mostrada) {
        Carga_Submateriales(proyecto, catalogo, vista);
        Control_Conduccion(proyecto, vista);
    } else {
        // Unshown, the list is not copied: the entry the stored code selects (the first one
        // where the code is not listed, as Carga_Submateriales selects it) tells the conduit.
        const std::vector<EntradaSubclase>& lista =
            catalogo.listaSubclases(proyecto.Codigo_Material);
        if (!lista.empty()) {
            const auto it =
                std::ranges::find(lista, proyecto.Codigo_Submaterial, &EntradaSubclase::codigo);
            proyecto.Tipo_Conducto =
                (it != lista.end() ? *it : lista.front()).saneamiento ? kSi : kNo;
        }
    }
    if (mostrada) {
        Carga_Diametros(proyecto, catalogo, vista);
        Muestra_Datos(proyecto, catalogo, vista);
    }
    vista.cargando = false;
    actualizaEntrada(vista);
}

void Carga_Materiales(const Proyecto& proyecto, const Catalogo& catalogo, VistaDatosTubos& vista) {
    vista.grupos.entradas = catalogo.listaGrupos();
    vista.cargando = true;
    seleccionaCodigo(vista.grupos, proyecto.Codigo_Material);
    vista.cargando = false;
}

void Carga_Submateriales(const Proyecto& proyecto, const Catalogo& catalogo,
                         VistaDatosTubos& vista) {
    vista.materiales.entradas = catalogo.listaSubclases(proyecto.Codigo_Material);
    vista.cargando = true;
    seleccionaCodigo(vista.materiales, proyecto.Codigo_Submaterial);
    vista.cargando = false;
}

void Carga_Diametros(const Proyecto& proyecto, const Catalogo& catalogo, VistaDatosTubos& vista) {
    vista.diametros.entradas.clear();
    for (const EntradaTubo& tubo : catalogo.listaTubos(proyecto.Codigo_Submaterial))
        vista.diametros.entradas.push_back(
            {formateaEtiqueta(tubo.diametroN, "#,##0", vista.separadores), tubo.codigo});
    vista.cargando = true;
    seleccionaCodigo(vista.diametros, proyecto.Codigo_Diametro);
    vista.cargando = false;
}

void Control_Grupo(Proyecto& proyecto, VistaDatosTubos& vista) {
    const auto grupo = propiedadesGrupo(proyecto.Codigo_Material);
    if (!grupo) {
        // An unknown group keeps the standard and the flags it found.
        vista.filasLargoPlazoHabilitadas = false;
        vista.filaRigidezHabilitada = false;
        return;
    }
    proyecto.Indicador_Deformacion_A = grupo->deformacionA;
    proyecto.Indicador_Deformacion_B = grupo->deformacionB;
    proyecto.Largo_Plazo = grupo->largoPlazo;
    vista.filasLargoPlazoHabilitadas = grupo->filasLargoPlazo;
    vista.filaRigidezHabilitada = grupo->filaRigidez;
    proyecto.Norma = grupo->norma;
    if (vista.separadores.etiquetas)
        vista.normaAplicar = std::string(textoNorma(grupo->norma));
}

void Control_Conduccion(Proyecto& proyecto, VistaDatosTubos& vista) {
    const auto& lista = vista.materiales;
    if (!lista.seleccion || *lista.seleccion >= lista.entradas.size()) {
        vista.tipoConduccion.clear();
        return;
    }
    const bool saneamiento = lista.entradas[*lista.seleccion].saneamiento;
    proyecto.Tipo_Conducto = saneamiento ? kSi : kNo;
    // A label: an unshown screen (the forward pass) writes none.
    if (vista.separadores.etiquetas)
        vista.tipoConduccion = saneamiento ? "SANEAMIENTO" : "PRESIÓN";
}

void Muestra_Datos(const Proyecto& proyecto, const Catalogo& catalogo, VistaDatosTubos& vista) {
    const auto ficha = buscaFichaTubo(proyecto, catalogo);
    if (!ficha) {
        vista.datos = DatosTuberia{};
        vista.faltaEnCatalogo = ficha.error().mensaje;
        return;
    }
    vista.faltaEnCatalogo.reset();
    const Grupo& grupo = *ficha->grupo;
    const Subclase& subclase = *ficha->subclase;
    const TuboNormalizado& tubo = *ficha->tubo;
    const Separadores& sep = vista.separadores;
    const bool perfilada = proyecto.Codigo_Submaterial == kSubclasePerfilada;

    DatosTuberia& d = vista.datos;
    d.diametroExterior = formateaEtiqueta(tubo.diametroE, "#,##0.0", sep);
    d.diametroInterior = formateaEtiqueta(tubo.diametroI, "#,##0.0", sep);
    d.espesor = formateaEtiqueta(tubo.espesor, "#,##0.0", sep);
    d.diametroNormalizado = formateaEtiqueta(tubo.diametroN, "#,##0", sep);
    d.moduloCortoPlazo = formateaEtiqueta(perfilada ? tubo.et : grupo.et, "##,##0", sep);
    d.moduloLargoPlazo = formateaEtiqueta(perfilada ? tubo.etLargo : grupo.etLargo, "###0", sep);
    d.pesoEspecifico = formateaEtiqueta(grupo.gammaR, "#0.0", sep);
    d.roturaFlexotraccion = formateaEtiqueta(grupo.sigmaR, "#0", sep);
    d.roturaFlexotraccionLargoPlazo = formateaEtiqueta(grupo.sigmaRLargo, "###0.0", sep);
    if (grupoConRigidez(proyecto.Codigo_Material))
        d.rigidezCircunferencial =
            formateaEtiqueta(perfilada ? tubo.rceMin : subclase.rce / 1000.0, "#,##0.0", sep);
    else
        d.rigidezCircunferencial = "0.0";
    d.tipo = tubo.tipo;
}

namespace {

// A new sub-class starts on its first pipe.
void aplicaSubclase(Proyecto& proyecto, const Catalogo& catalogo, VistaDatosTubos& vista) {
    Control_Conduccion(proyecto, vista);
    Carga_Diametros(proyecto, catalogo, vista);
    proyecto.Codigo_Diametro = codigoPrimero(vista.diametros);
    vista.diametros.seleccion =
        vista.diametros.entradas.empty() ? std::nullopt : std::optional<std::size_t>{0};
    Muestra_Datos(proyecto, catalogo, vista);
    actualizaEntrada(vista);
}

} // namespace

void Elige_Grupo(Proyecto& proyecto, const Catalogo& catalogo, VistaDatosTubos& vista,
                 std::size_t posicion) {
    if (vista.cargando || posicion >= vista.grupos.entradas.size())
        return;
    vista.grupos.seleccion = posicion;
    proyecto.Codigo_Material = vista.grupos.entradas[posicion].codigo;
    Control_Grupo(proyecto, vista);
    // A new group starts on its first sub-class.
    Carga_Submateriales(proyecto, catalogo, vista);
    proyecto.Codigo_Submaterial = codigoPrimero(vista.materiales);
    vista.materiales.seleccion =
        vista.materiales.entradas.empty() ? std::nullopt : std::optional<std::size_t>{0};
    aplicaSubclase(proyecto, catalogo, vista);
}

void Elige_Material(Proyecto& proyecto, const Catalogo& catalogo, VistaDatosTubos& vista,
                    std::size_t posicion) {
    if (vista.cargando || posicion >= vista.materiales.entradas.size())
        return;
    vista.materiales.seleccion = posicion;
    proyecto.Codigo_Submaterial = vista.materiales.entradas[posicion].codigo;
    aplicaSubclase(proyecto, catalogo, vista);
}

void Elige_Diametro(Proyecto& proyecto, const Catalogo& catalogo, VistaDatosTubos& vista,
                    std::size_t posicion) {
    if (vista.cargando || posicion >= vista.diametros.entradas.size())
        return;
    vista.diametros.seleccion = posicion;
    proyecto.Codigo_Diametro = vista.diametros.entradas[posicion].codigo;
    Muestra_Datos(proyecto, catalogo, vista);
    actualizaEntrada(vista);
}

std::optional<Rechazo> Cierra_Datos_Tubos(Proyecto& proyecto, const Catalogo& catalogo,
                                          Boton boton) {
    const auto ficha = buscaFichaTubo(proyecto, catalogo);
    if (!ficha) {
        // Going back needs no pipe data; going on without them would compute nonsense.
        if (boton == Boton::Atras) {
            proyecto.Codigo_Navegacion = kNavegacionAtras;
            return std::nullopt;
        }
        return rechazoPorFalta(proyecto, catalogo);
    }
    if (boton == Boton::Siguiente && ficha->tubo->material != proyecto.Codigo_Submaterial)
        return rechazoPorFalta(proyecto, catalogo);
    guardaDatosTubo(proyecto, *ficha);

    if (boton == Boton::Atras) {
        proyecto.Codigo_Navegacion = kNavegacionAtras;
        return std::nullopt;
    }
    if (proyecto.Norma == 3)
        return Rechazo{Mensaje{std::string(kMensajeAstm), Icono::Informacion, true},
                       static_cast<int>(FocoDatosTubos::Grupo), std::nullopt};
    proyecto.Codigo_Navegacion = kNavegacionSiguiente;
    return std::nullopt;
}

} // namespace tubrix
