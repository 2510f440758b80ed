#pragma once

#include "model/indices.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tubrix {

// The one record of a pipe section: every input, every option, every intermediate and final
// result, and the few values that drive the wizard. The program creates one and passes it by
// reference; every field starts at zero / empty.
//
// The fields are listed once, in the X-lists below, so that the record, the project file and the
// field-by-field JSON view can never disagree. Units: lengths of the installation in m, pipe
// dimensions in mm, moduli and stresses in N/mm2, unit weights in kN/m3, loads in kN/m2, angles
// in degrees. Integer codes are 16-bit; flags use -1 for yes and 0 for no.

// Fields written to the project file, in file order (records 2..59).
#define TUBRIX_CAMPOS_PERSISTIDOS(X)                                                               \
    X(std::string, Texto_Proyecto)       /* free text, travels through the file only */            \
    X(std::string, Fecha)                /* MM-DD-YYYY, set by the reset */                        \
    X(std::int16_t, Codigo_Material)     /* material group 1..12 */                                \
    X(std::int16_t, Codigo_Submaterial)  /* sub-class code g*100+n */                              \
    X(std::int16_t, Codigo_Diametro)     /* catalogue pipe code */                                 \
    X(double, Diametro_Normalizado)      /* DN, mm */                                              \
    X(std::int16_t, Clase_Seguridad)     /* 1 general / class A, 2 demanding / class B */          \
    X(std::int16_t, Tipo_Instalacion)    /* 1 trench/embankment, 2 embanked trench, 3 two */       \
    X(std::int16_t, Subtipo_Instalacion) /* type 1: 1 narrow, 2 wide, 3 embankment */              \
    X(double, H)                         /* fill height, m */                                      \
    X(double, H1)                        /* cover above the crown, m */                            \
    X(double, H2)                        /* cover of the embankment, m */                          \
    X(double, H_Total)                   /* cover used by the load calculation, m */               \
    X(double, B)                         /* trench width, m */                                     \
    X(double, B1)                        /* width at the crown (file only), m */                   \
    X(double, B2)                        /* width at the invert (file only), m */                  \
    X(double, B_Calculo)                 /* copy of B on accept, m */                              \
    X(double, Beta)                      /* slope of the trench walls, degrees */                  \
    X(std::int16_t, Nivel_Freatico)      /* groundwater present: nonzero */                        \
    X(double, Hw)                        /* depth of the water table, m */                         \
    X(std::int16_t, Tipo_Apoyo)          /* bedding type 1..3 */                                   \
    X(std::int16_t, Subtipo_Apoyo)       /* UNE subtype 1 a), 2 b) */                              \
    X(double, Angulo_Apoyo)              /* bedding angle 2 alfa, degrees */                       \
    X(double, J)                         /* height of the concrete bedding, m */                   \
    X(std::int16_t, Grupo_Suelo_1)       /* soil group of zone 1, 1..4 */                          \
    X(std::int16_t, Grupo_Suelo_2)                                                                 \
    X(std::int16_t, Grupo_Suelo_3)                                                                 \
    X(std::int16_t, Grupo_Suelo_4)                                                                 \
    X(std::int16_t, Opcion_Suelo_1)    /* compaction list position of zone 1, 0..5 */              \
    X(std::int16_t, Opcion_Suelo_2)    /* compaction list position of zone 2, 0..5 */              \
    X(std::int16_t, Opcion_Suelo_3)    /* soil data from tests: -1 yes, 0 no */                    \
    X(std::int16_t, Reservado_Suelo)   /* travels through the file only */                         \
    X(std::int16_t, Condicion_Relleno) /* backfill A1..A4 = 1..4 */                                \
    X(double, Gamma_1)                 /* unit weight of the backfill, kN/m3 */                    \
    X(double, Gamma_2)                 /* unit weight of the natural ground, kN/m3 */              \
    X(double, Ro)                      /* internal friction angle, degrees */                      \
    X(double, Ro_Prima)                /* wall friction angle, degrees */                          \
    X(double, K1)                      /* earth pressure coefficient K1 */                         \
    X(double, K2)                      /* earth pressure coefficient K2 */                         \
    X(double, E1)                      /* deformation moduli of zones 1..4, N/mm2 */               \
    X(double, E2)                                                                                  \
    X(double, E3)                                                                                  \
    X(double, E4)                                                                                  \
    X(std::int16_t, Tipo_Vehiculo)          /* 0 none, 1 LT 12 .. 5 HT 60 */                       \
    X(std::int16_t, Indice_Firme_Irregular) /* impact factor list position, -1 none */             \
    X(std::int16_t, Tipo_Firme)             /* 1 normal, 2 irregular */                            \
    X(std::int16_t, Zona_Pavimentada)       /* -1 yes, 0 no */                                     \
    X(double, Espesor_Capa_Superior)        /* pavement layer thicknesses, m */                    \
    X(double, Espesor_Capa_Inferior)                                                               \
    X(std::int16_t, Material_Capa_Superior) /* pavement materials 1..9, 0 not chosen */            \
    X(std::int16_t, Material_Capa_Inferior)                                                        \
    X(double, Modulo_Capa_Superior) /* pavement layer moduli, N/mm2 */                             \
    X(double, Modulo_Capa_Inferior)                                                                \
    X(double, Reservado_1)                                                                         \
    X(double, Reservado_2)                                                                         \
    X(std::int16_t, Reservado_3)                                                                   \
    X(std::int16_t, Hay_Cargas_Superficie) /* -1 when there is a uniform surface load */           \
    X(double, P0)                          /* uniform surface load, kN/m2 */

// Wizard and environment values (never persisted).
#define TUBRIX_CAMPOS_NAVEGACION(X)                                                                \
    X(std::int16_t, Codigo_Navegacion)       /* -100 next, -102 back, -101 abandon */              \
    X(std::int16_t, Paso)                    /* wizard step 0..20 */                               \
    X(std::string, Fichero)                  /* project file last opened or saved */               \
    X(std::optional<double>, Id_Calculadora) /* calculator process, empty until started */         \
    X(double, Rad_Por_Grado)                 /* radians per degree, set at start-up */

// Values the input screens derive and store (never persisted).
#define TUBRIX_CAMPOS_ENTRADA(X)                                                                   \
    X(std::int16_t, Norma)         /* 1 UNE, 2 ATV, 3 ASTM */                                      \
    X(std::int16_t, Tipo_Conducto) /* -1 sewer, 0 pressure */                                      \
    X(std::int16_t, Indicador_Deformacion_A)                                                       \
    X(std::int16_t, Indicador_Deformacion_B)                                                       \
    X(std::int16_t, Largo_Plazo) /* 1 when creep values are calculated */                          \
    X(std::string, Clase_Material)                                                                 \
    X(double, Diametro_Exterior)       /* mm */                                                    \
    X(double, Diametro_Interior)       /* mm */                                                    \
    X(double, Espesor)                 /* wall thickness, mm */                                    \
    X(double, Et)                      /* N/mm2 */                                                 \
    X(double, Et_LP)                   /* N/mm2 */                                                 \
    X(double, Gamma_Tubo)              /* kN/m3 */                                                 \
    X(double, Rotura_Flexotraccion)    /* N/mm2 */                                                 \
    X(double, Rotura_Flexotraccion_LP) /* N/mm2 */                                                 \
    X(double, Rigidez_Circunferencial) /* kN/m2 */                                                 \
    X(double, Area)                    /* profiled wall, mm2 per m */                              \
    X(double, W)                       /* profiled wall, mm3 per mm */                             \
    X(double, Momento_Inercia)         /* m4 per m */                                              \
    X(double, Rm)                      /* mean radius, mm */                                       \
    X(double, Coef_Seguridad_Rotura)                                                               \
    X(double, Coef_Seguridad_Estabilidad)                                                          \
    X(double, Deformacion_Admisible) /* % */                                                       \
    X(double, Coef_Seguridad_Aplastamiento)                                                        \
    X(double, Coef_Seguridad_Ruptura)                                                              \
    X(double, Caso_Zanja) /* 1 trench, 2 embankment, 3 embanked trench */                          \
    X(double, Relacion_BD)                                                                         \
    X(std::int16_t, Cero_Zanja)                                                                    \
    X(double, Relacion_Proyeccion)                                                                 \
    X(double, Compactacion_1) /* % Proctor */                                                      \
    X(double, Compactacion_2) /* % Proctor */                                                      \
    X(std::int16_t, Indicador_Sobrecargas)                                                         \
    X(std::int16_t, Aviso_Grupo4_Zona2)                                                            \
    X(double, Pc) /* wheel load of the vehicle, kN */                                              \
    X(std::int16_t, Numero_Ejes)                                                                   \
    X(std::int16_t, Distancia_Ruedas) /* m */                                                      \
    X(double, Distancia_Ejes)         /* m, 1.5 for HT 39 and HT 60 */                             \
    X(double, Coeficiente_Impacto)                                                                 \
    X(double, He)                  /* equivalent earth height, m */                                \
    X(PorCapa<double>, Modulo_Min) /* guidance range of the layer modulus, N/mm2 */                \
    X(PorCapa<double>, Modulo_Max)

// Results of the calculation chain (never persisted).
#define TUBRIX_CAMPOS_RESULTADOS(X)                                                                \
    /* loads */                                                                                    \
    X(double, Cz)                                                                                  \
    X(double, Cz90)                                                                                \
    X(double, Cn)                                                                                  \
    X(double, Cn90)                                                                                \
    X(double, Pe)                                                                                  \
    X(double, Pf)                                                                                  \
    X(double, aF)                                                                                  \
    X(double, P)                                                                                   \
    X(double, Fi)                                                                                  \
    X(double, Pv)                                                                                  \
    X(double, Xo)                                                                                  \
    X(double, Xoc)                                                                                 \
    /* system stiffness */                                                                         \
    X(double, Alfa_Bi)                                                                             \
    X(double, Alfa_Bi_Prima)                                                                       \
    X(double, Coeficiente_F)                                                                       \
    X(double, E2_Corregido_Tensiones)                                                              \
    X(double, Sr_Tensiones)                                                                        \
    X(double, Factor_Anchura)                                                                      \
    X(double, Zeta_Tensiones)                                                                      \
    X(double, SBH_Tensiones)                                                                       \
    X(double, VRB_Tensiones)                                                                       \
    X(double, K2_Lateral_Tensiones)                                                                \
    X(double, SBV_Tensiones)                                                                       \
    X(double, K_Estrella_Tensiones)                                                                \
    X(double, Cv_Estrella_Tensiones)                                                               \
    X(double, Vs_Tensiones)                                                                        \
    X(double, E2_Corregido_Tensiones_LP)                                                           \
    X(double, Sr_Tensiones_LP)                                                                     \
    X(double, Zeta_Tensiones_LP)                                                                   \
    X(double, SBH_Tensiones_LP)                                                                    \
    X(double, VRB_Tensiones_LP)                                                                    \
    X(double, K2_Lateral_Tensiones_LP)                                                             \
    X(double, SBV_Tensiones_LP)                                                                    \
    X(double, K_Estrella_Tensiones_LP)                                                             \
    X(double, Cv_Estrella_Tensiones_LP)                                                            \
    X(double, Vs_Tensiones_LP)                                                                     \
    X(double, E2_Corregido)                                                                        \
    X(double, Sr)                                                                                  \
    X(double, Zeta)                                                                                \
    X(double, SBH)                                                                                 \
    X(double, VRB)                                                                                 \
    X(double, K2_Lateral)                                                                          \
    X(double, SBV)                                                                                 \
    X(double, K_Estrella)                                                                          \
    X(double, Cv_Estrella)                                                                         \
    X(double, Vs)                                                                                  \
    X(double, E2_Corregido_LP)                                                                     \
    X(double, Sr_LP)                                                                               \
    X(double, Zeta_LP)                                                                             \
    X(double, SBH_LP)                                                                              \
    X(double, VRB_LP)                                                                              \
    X(double, K2_Lateral_LP)                                                                       \
    X(double, SBV_LP)                                                                              \
    X(double, K_Estrella_LP)                                                                       \
    X(double, Cv_Estrella_LP)                                                                      \
    X(double, Vs_LP)                                                                               \
    /* concentration factors */                                                                    \
    X(double, A_Prima_Tensiones)                                                                   \
    X(double, Lambda_R_Tensiones)                                                                  \
    X(double, Lambda_Max_Tensiones)                                                                \
    X(double, Lambda_B_Tensiones)                                                                  \
    X(double, Lambda_RG_Tensiones)                                                                 \
    X(double, A_Prima_Tensiones_LP)                                                                \
    X(double, Lambda_R_Tensiones_LP)                                                               \
    X(double, Lambda_Max_Tensiones_LP)                                                             \
    X(double, Lambda_B_Tensiones_LP)                                                               \
    X(double, Lambda_RG_Tensiones_LP)                                                              \
    X(double, Lambda_Fo)                                                                           \
    X(double, Lambda_Fu)                                                                           \
    X(double, A_Prima)                                                                             \
    X(double, Lambda_R)                                                                            \
    X(double, Lambda_Max)                                                                          \
    X(double, Lambda_B)                                                                            \
    X(double, Lambda_RG)                                                                           \
    X(double, A_Prima_LP)                                                                          \
    X(double, Lambda_R_LP)                                                                         \
    X(double, Lambda_Max_LP)                                                                       \
    X(double, Lambda_B_LP)                                                                         \
    X(double, Lambda_RG_LP)                                                                        \
    /* design loads, kN/m2 */                                                                      \
    X(double, Qvt)                                                                                 \
    X(double, Qh)                                                                                  \
    X(double, Qh_Estrella)                                                                         \
    X(double, Qvt_LP)                                                                              \
    X(double, Qh_LP)                                                                               \
    X(double, Qh_Estrella_LP)                                                                      \
    X(double, Qvt_Def)                                                                             \
    X(double, Qh_Def)                                                                              \
    X(double, Qh_Estrella_Def)                                                                     \
    X(double, Qvt_Def_LP)                                                                          \
    X(double, Qh_Def_LP)                                                                           \
    X(double, Qh_Estrella_Def_LP)                                                                  \
    /* internal forces: moments kN.m/m, normal forces kN/m */                                      \
    X(TablaEsfuerzos, Momentos_Trabajo)                                                            \
    X(TablaEsfuerzos, Momentos)                                                                    \
    X(TablaEsfuerzos, Momentos_LP)                                                                 \
    X(TablaEsfuerzos, Axiales_Trabajo)                                                             \
    X(TablaEsfuerzos, Axiales)                                                                     \
    X(TablaEsfuerzos, Axiales_LP)                                                                  \
    X(PorPunto<double>, Suma_Momentos)                                                             \
    X(PorPunto<double>, Suma_Axiales)                                                              \
    X(PorPunto<double>, Suma_Momentos_LP)                                                          \
    X(PorPunto<double>, Suma_Axiales_LP)                                                           \
    /* stresses N/mm2 and deformations */                                                          \
    X(double, Alfa_Ki)                                                                             \
    X(double, Alfa_Ka)                                                                             \
    X(double, Sigma_Clave)                                                                         \
    X(double, Sigma_Rinones)                                                                       \
    X(double, Sigma_Base)                                                                          \
    X(double, Sigma_Clave_LP)                                                                      \
    X(double, Sigma_Rinones_LP)                                                                    \
    X(double, Sigma_Base_LP)                                                                       \
    X(double, Dv)          /* mm */                                                                \
    X(double, Dv_Relativa) /* % */                                                                 \
    X(double, Dv_LP)                                                                               \
    X(double, Dv_Relativa_LP)                                                                      \
    /* stability */                                                                                \
    X(double, Qv_Crit_LP)                                                                          \
    X(double, Alfa_D_LP)                                                                           \
    X(double, Pa_LP)                                                                               \
    X(double, Pa_Crit_LP)                                                                          \
    X(double, Qv_Crit)                                                                             \
    X(double, Alfa_D)                                                                              \
    X(double, Pa)                                                                                  \
    X(double, Pa_Crit)                                                                             \
    /* verification */                                                                             \
    X(double, Coef_Clave)                                                                          \
    X(double, Coef_Rinones)                                                                        \
    X(double, Coef_Base)                                                                           \
    X(double, Coef_Clave_LP)                                                                       \
    X(double, Coef_Rinones_LP)                                                                     \
    X(double, Coef_Base_LP)                                                                        \
    X(double, Coef_Tierras)                                                                        \
    X(double, Coef_Agua)                                                                           \
    X(double, Coef_Simultaneo)                                                                     \
    X(double, Coef_Tierras_LP)                                                                     \
    X(double, Coef_Agua_LP)                                                                        \
    X(double, Coef_Simultaneo_LP)                                                                  \
    X(PorFila<std::int16_t>, Tubo_No_Valido) /* -1 when the row fails */                           \
    X(PorFila<double>, Seguridad_Requerida)

#define TUBRIX_DECLARA_CAMPO(tipo, nombre) tipo nombre{};

struct Proyecto {
    TUBRIX_CAMPOS_PERSISTIDOS(TUBRIX_DECLARA_CAMPO)
    TUBRIX_CAMPOS_NAVEGACION(TUBRIX_DECLARA_CAMPO)
    TUBRIX_CAMPOS_ENTRADA(TUBRIX_DECLARA_CAMPO)
    TUBRIX_CAMPOS_RESULTADOS(TUBRIX_DECLARA_CAMPO)

    bool operator==(const Proyecto&) const = default;
};

#undef TUBRIX_DECLARA_CAMPO

// Navigation codes left by a wizard screen when it closes.
inline constexpr std::int16_t kNavegacionSiguiente = -100;
inline constexpr std::int16_t kNavegacionAbandonar = -101;
inline constexpr std::int16_t kNavegacionAtras = -102;
// Accepted, and straight on to the verification: the wizard runs the rest of the forward pass
// without showing its screens.
inline constexpr std::int16_t kNavegacionVerificacion = -103;

// Radians per degree with the ten-decimal pi the whole calculation uses (never a library pi).
inline constexpr double kRadPorGrado = 3.1415926539 / 180.0;

// Flags: -1 is yes, 0 is no.
inline constexpr std::int16_t kSi = -1;
inline constexpr std::int16_t kNo = 0;

// Reset of a new section: sets exactly the fields that have a reset value; the others keep
// theirs. Fecha becomes today's date as MM-DD-YYYY.
void Inicializa_Proyecto(Proyecto& proyecto);
// The same with a given date text, for reproducible runs.
void Inicializa_Proyecto(Proyecto& proyecto, std::string_view fecha);

// Program start-up: the constants computed when the catalogue opens.
void Arranca_Programa(Proyecto& proyecto);

} // namespace tubrix
