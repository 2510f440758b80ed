#include "input/datos_zanja.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

using C = FocoDatosZanja;

constexpr const char* kHBaja = "El valor de H debe ser superior a 0,5 m";
constexpr const char* kHAlta = "El valor de H debe ser inferior a 20 m";
constexpr const char* kBeta = "El valor del ángulo Beta debe de estar entre 10º y 90º";
constexpr const char* kTalud = "Anchura fondo de zanja insuficiente debido al talud.\r"
                               "Modificar B o beta.";
constexpr const char* kEstrecha = "No se cumple la condición de zanja estrecha 1<=B/D<=4.";
constexpr const char* kAncha = "No se cumple la condición de zanja ancha B/D>4.";

class DatosZanja : public ::testing::Test {
protected:
    void SetUp() override {
        Arranca_Programa(p);
        Inicializa_Proyecto(p, "01-01-2026");
        p.Norma = 2;
        p.Diametro_Exterior = 400;
    }
    // Opens on a case and types the given texts into the first boxes.
    EntradaDatosZanja abre(std::int16_t tipo, std::int16_t subtipo,
                           std::initializer_list<const char*> textos) {
        p.Tipo_Instalacion = tipo;
        p.Subtipo_Instalacion = subtipo;
        vista = Abre_Datos_Zanja(p, Separadores::espanol());
        EntradaDatosZanja e = vista.entrada;
        auto caja = kCajasZanja.begin();
        for (const char* t : textos)
            e.cajas[*caja++] = t;
        return e;
    }
    std::optional<Rechazo> siguiente(const EntradaDatosZanja& e) {
        return Cierra_Datos_Zanja(p, e, Boton::Siguiente);
    }
    Proyecto p;
    VistaDatosZanja vista;
};

void esperaRechazo(const std::optional<Rechazo>& r, const char* texto, C foco, bool pitido = true) {
    ASSERT_TRUE(r) << "accepted, expected: " << texto;
    EXPECT_EQ(r->mensaje.texto, texto);
    EXPECT_EQ(r->foco, static_cast<int>(foco));
    EXPECT_EQ(r->mensaje.pitido, pitido);
    EXPECT_EQ(r->mensaje.icono, Icono::Informacion);
    EXPECT_EQ(r->mensaje.titulo, "Aviso");
}

struct CasoTipo1 {
    std::int16_t subtipo;
    const char *h, *b, *beta;
    const char* mensaje; // nullptr: accepted
    C foco;
};

class DatosZanjaTipo1 : public DatosZanja, public ::testing::WithParamInterface<CasoTipo1> {};

TEST_P(DatosZanjaTipo1, ChecksInOrder) {
    const CasoTipo1& c = GetParam();
    const auto r = siguiente(abre(1, c.subtipo, {c.h, c.b, c.beta}));
    if (!c.mensaje) {
        EXPECT_EQ(r, std::nullopt) << r->mensaje.texto;
        EXPECT_EQ(p.Codigo_Navegacion, kNavegacionSiguiente);
        return;
    }
    esperaRechazo(r, c.mensaje, c.foco, c.mensaje != kBeta);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAbandonar);
}

// Outside diameter 400 mm throughout.
INSTANTIATE_TEST_SUITE_P(Limites, DatosZanjaTipo1,
                         ::testing::Values(CasoTipo1{1, "0,5", "0,9", "90", nullptr, C::Caja1},
                                           CasoTipo1{1, "20", "0,9", "90", nullptr, C::Caja1},
                                           CasoTipo1{1, "0,49", "0,9", "90", kHBaja, C::Caja1},
                                           CasoTipo1{1, "20,01", "0,9", "90", kHAlta, C::Caja1},
                                           CasoTipo1{2, "2", "6", "10", nullptr, C::Caja1},
                                           CasoTipo1{1, "2", "0,9", "9,9", kBeta, C::Caja3},
                                           CasoTipo1{1, "2", "0,9", "90,1", kBeta, C::Caja3},
                                           // vertical walls: B_fondo = B, 0.85 < 0.4 + 0.5
                                           CasoTipo1{1, "2", "0,85", "90", kTalud, C::Caja2},
                                           // 60 degrees: B_fondo = B - 2 x 0.4 / tan 60 = B - 0.462
                                           CasoTipo1{1, "2", "1,37", "60", nullptr, C::Caja1},
                                           CasoTipo1{1, "2", "1,35", "60", kTalud, C::Caja2},
                                           CasoTipo1{1, "2", "1,6", "90", nullptr, C::Caja1},
                                           CasoTipo1{1, "2", "1,61", "90", kEstrecha, C::Caja2},
                                           CasoTipo1{2, "2", "1,6", "90", kAncha, C::Caja2},
                                           CasoTipo1{2, "2", "1,61", "90", nullptr, C::Caja1},
                                           // an embankment checks H only
                                           CasoTipo1{3, "2", "0,1", "0", nullptr, C::Caja1},
                                           CasoTipo1{3, "0,4", "0,1", "0", kHBaja, C::Caja1}));

TEST_F(DatosZanja, NarrowTrenchStoresEverything) {
    ASSERT_EQ(siguiente(abre(1, 1, {"1,5", "0,9", "90"})), std::nullopt);
    EXPECT_DOUBLE_EQ(p.H, 1.5);
    EXPECT_DOUBLE_EQ(p.H_Total, 1.5);
    EXPECT_DOUBLE_EQ(p.B, 0.9);
    EXPECT_DOUBLE_EQ(p.B_Calculo, 0.9);
    EXPECT_DOUBLE_EQ(p.Relacion_BD, 2.25);
    EXPECT_DOUBLE_EQ(p.Beta, 90);
    EXPECT_DOUBLE_EQ(p.Caso_Zanja, 1.0);
}

TEST_F(DatosZanja, ExactRatioFourIsNarrowNotWide) {
    p.Diametro_Exterior = 500;
    EXPECT_EQ(siguiente(abre(1, 1, {"2", "2", "90"})), std::nullopt);
    esperaRechazo(siguiente(abre(1, 2, {"2", "2", "90"})), kAncha, C::Caja2);
}

TEST_F(DatosZanja, ValuesStoredBeforeARefusalStay) {
    p.Caso_Zanja = 3.0;
    esperaRechazo(siguiente(abre(1, 1, {"3", "1,2", "5"})), kBeta, C::Caja3, false);
    EXPECT_DOUBLE_EQ(p.H, 3);
    EXPECT_DOUBLE_EQ(p.H_Total, 3);
    EXPECT_DOUBLE_EQ(p.B, 1.2);
    EXPECT_DOUBLE_EQ(p.Relacion_BD, 3);
    EXPECT_DOUBLE_EQ(p.Beta, 5);
    EXPECT_DOUBLE_EQ(p.Caso_Zanja, 3.0);
}

TEST_F(DatosZanja, EmbankmentAsksOnlyHAndRefreshesBFromTheHiddenBox) {
    p.B = 1.234;
    p.Beta = 45;
    const EntradaDatosZanja e = abre(1, 3, {"2"});
    EXPECT_TRUE(vista.filas[C::Caja1].cajaVisible);
    for (const C fila : {C::Caja2, C::Caja3, C::Caja4, C::Caja5}) {
        EXPECT_FALSE(vista.filas[fila].visible);
        EXPECT_FALSE(vista.filas[fila].cajaVisible);
    }
    EXPECT_EQ(e.cajas[C::Caja2], "1,234");
    EXPECT_EQ(e.cajas[C::Caja3], "45,0");
    ASSERT_EQ(siguiente(e), std::nullopt);
    EXPECT_DOUBLE_EQ(p.Caso_Zanja, 2.0);
    EXPECT_DOUBLE_EQ(p.B_Calculo, 1.234);
    EXPECT_DOUBLE_EQ(p.Relacion_BD, 1.234 * 1000 / 400);
    EXPECT_DOUBLE_EQ(p.Beta, 45);
}

// Each height on the trench's limits (their sum may pass 20 m); B at least the pipe's width and
// beta on the trench's limits, since both enter the soil load.
TEST_F(DatosZanja, EmbankedTrenchChecksHeightsWidthAndAngle) {
    esperaRechazo(siguiente(abre(2, 1, {"0,4", "3", "1", "60"})), kHBaja, C::Caja1);
    esperaRechazo(siguiente(abre(2, 1, {"3", "21", "1", "60"})), kHAlta, C::Caja2);
    EXPECT_DOUBLE_EQ(p.H1, 3);
    esperaRechazo(siguiente(abre(2, 1, {"3", "3", "0,39", "60"})),
                  "La anchura B de la zanja debe ser mayor o igual que el diámetro exterior del "
                  "tubo (0,4 m)",
                  C::Caja3);
    esperaRechazo(siguiente(abre(2, 1, {"3", "3", "1", "180"})), kBeta, C::Caja4, false);
    esperaRechazo(siguiente(abre(2, 1, {"3", "3", "1", "9"})), kBeta, C::Caja4, false);
    ASSERT_EQ(siguiente(abre(2, 1, {"15", "15", "0,4", "10"})), std::nullopt);
    EXPECT_DOUBLE_EQ(p.H_Total, 30);
    EXPECT_DOUBLE_EQ(p.B, 0.4);
    EXPECT_DOUBLE_EQ(p.Beta, 10);
    EXPECT_DOUBLE_EQ(p.Caso_Zanja, 3.0);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionSiguiente);
}

// A visible box left without a number names its quantity and stores nothing; a hidden box
// (B and beta of an embankment) is not the user's typing.
TEST_F(DatosZanja, VisibleBoxWithoutANumberIsRefused) {
    p.H = 2;
    esperaRechazo(siguiente(abre(1, 1, {"x", "1", "90"})),
                  "Escriba un número en la altura H del recubrimiento (m)", C::Caja1);
    EXPECT_DOUBLE_EQ(p.H, 2);
    esperaRechazo(siguiente(abre(1, 2, {"3", "", "90"})),
                  "Escriba un número en la anchura B de la zanja (m)", C::Caja2);
    esperaRechazo(siguiente(abre(1, 1, {"3", "1", "abc"})),
                  "Escriba un número en el ángulo Beta de inclinación de las paredes de la "
                  "zanja (grados)",
                  C::Caja3);
    esperaRechazo(siguiente(abre(2, 1, {"3", "-", "1", "60"})),
                  "Escriba un número en la altura H2 del recubrimiento del terraplén (m)",
                  C::Caja2);
    EXPECT_EQ(siguiente(abre(1, 3, {"3", "x", "y"})), std::nullopt);
}

// A box the screen fills with a grouped number hands it back whole: 2 500 m stays 2 500 m (and
// is refused), where reading the text "2.500,0" would give 2,5 m.
TEST_F(DatosZanja, GroupedThousandsKeepTheirMagnitude) {
    for (const double h : {2500.0, 1e6}) {
        p.H = h;
        const EntradaDatosZanja e = abre(1, 1, {});
        esperaRechazo(siguiente(e), kHAlta, C::Caja1);
        EXPECT_DOUBLE_EQ(p.H, h);
    }
    p.H1 = 3;
    p.H2 = 1500;
    esperaRechazo(siguiente(abre(2, 1, {})), kHAlta, C::Caja2);
}

// A value refused and then corrected in its box stays corrected when the user changes the case;
// each quantity keeps its own text across types.
TEST_F(DatosZanja, ChangingTheCaseKeepsWhatTheBoxesHold) {
    esperaRechazo(siguiente(abre(1, 1, {"100", "1", "90"})), kHAlta, C::Caja1);
    EXPECT_DOUBLE_EQ(p.H, 100);
    EntradaDatosZanja e = vista.entrada;
    e.cajas[C::Caja1] = "3,2";
    e.cajas[C::Caja2] = "2,5";
    Toma_Cajas_Zanja(vista, e);
    Elige_Subtipo(p, vista, PosicionSubtipo::Centro);
    EXPECT_EQ(vista.entrada.cajas[C::Caja1], "3,2");
    EXPECT_EQ(vista.entrada.cajas[C::Caja2], "2,5");

    Toma_Cajas_Zanja(vista, vista.entrada);
    Elige_Tipo(p, vista, 2);
    EXPECT_EQ(vista.entrada.cajas[C::Caja1], "0,0") << "H1 is another quantity";
    EXPECT_EQ(vista.entrada.cajas[C::Caja3], "2,5") << "B goes with its question";
    Toma_Cajas_Zanja(vista, vista.entrada);
    Elige_Tipo(p, vista, 1);
    EXPECT_EQ(vista.entrada.cajas[C::Caja1], "3,2");
}

TEST_F(DatosZanja, NewProjectOpensOnANarrowTrenchAndRefusesH) {
    const EntradaDatosZanja e = abre(1, 1, {});
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAbandonar);
    EXPECT_EQ(vista.cajaNorma, "Norma ATV");
    EXPECT_EQ(vista.seleccion, "Tipo 1: Instalación en zanja o bajo terraplén. Zanja Estrecha");
    EXPECT_EQ(vista.foco, C::Caja1);
    for (const C caja : {C::Caja1, C::Caja2, C::Caja3})
        EXPECT_EQ(e.cajas[caja], "0,0");
    EXPECT_EQ(vista.filas[C::Caja3].pregunta,
              "Ángulo β de inclinación de las paredes de la zanja (º)");
    EXPECT_EQ(vista.filas[C::Caja5].pregunta,
              "(º) El ángulo β de inclinación de las paredes de la zanja en grados "
              "sexagesimales.");
    EXPECT_FALSE(vista.filas[C::Caja5].cajaVisible);
    EXPECT_FALSE(vista.filas[C::Caja4].visible);
    esperaRechazo(siguiente(e), kHBaja, C::Caja1);
}

TEST_F(DatosZanja, TwoPipesStayOpenSilentlyOnTheirAdvice) {
    const Proyecto antes = [&] {
        abre(3, 2, {});
        return p;
    }();
    EXPECT_EQ(vista.filas[C::Caja1].pregunta,
              "En éste caso deberá realizar los dos cálculos siguientes:");
    EXPECT_FALSE(vista.filas[C::Caja1].cajaVisible);
    EXPECT_TRUE(vista.filas[C::Caja3].visible);
    EXPECT_FALSE(vista.filas[C::Caja4].visible);
    EXPECT_EQ(Consejo_Tipo_3(1).size(), 5u);
    const auto r = siguiente(vista.entrada);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->mensaje.texto, "");
    EXPECT_EQ(r->mensaje.icono, Icono::Ninguno);
    EXPECT_EQ(p, antes);
}

TEST_F(DatosZanja, BackStoresNothing) {
    const EntradaDatosZanja e = abre(1, 1, {"3", "1", "90"});
    Proyecto esperado = p;
    esperado.Codigo_Navegacion = kNavegacionAtras;
    EXPECT_EQ(Cierra_Datos_Zanja(p, e, Boton::Atras), std::nullopt);
    EXPECT_EQ(p, esperado);
}

TEST_F(DatosZanja, NoPipeMeansNoRatio) {
    p.Diametro_Exterior = 0;
    const auto r = siguiente(abre(1, 1, {"2", "1", "90"}));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->mensaje.texto,
              "No se puede calcular la relación B/D: el diámetro exterior del tubo vale 0,0.");
    EXPECT_DOUBLE_EQ(p.Relacion_BD, 0);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAbandonar);
}

TEST_F(DatosZanja, DrawingsAndSubtypeCarryOver) {
    abre(3, 2, {});
    Elige_Tipo(p, vista, 1);
    EXPECT_EQ(p.Subtipo_Instalacion, 2);
    EXPECT_EQ(vista.seleccion, "Tipo 1: Instalación en zanja o bajo terraplén. Zanja Ancha");
    EXPECT_EQ(vista.subtipos[PosicionSubtipo::Derecha].dibujo, DibujoInstalacion::Terraplen);

    Elige_Subtipo(p, vista, PosicionSubtipo::Derecha);
    Elige_Tipo(p, vista, 3);
    EXPECT_EQ(p.Subtipo_Instalacion, 1);
    EXPECT_EQ(vista.subtipos[PosicionSubtipo::Izquierda].dibujo, DibujoInstalacion::MismoNivel);
    EXPECT_EQ(vista.subtipos[PosicionSubtipo::Centro].dibujo, DibujoInstalacion::NivelesDiferentes);
    EXPECT_FALSE(vista.subtipos[PosicionSubtipo::Derecha].visible);
    EXPECT_EQ(vista.foco, std::nullopt);

    Elige_Tipo(p, vista, 2);
    EXPECT_EQ(p.Subtipo_Instalacion, 1);
    EXPECT_FALSE(vista.subtipos[PosicionSubtipo::Izquierda].visible);
    EXPECT_EQ(vista.subtipos[PosicionSubtipo::Centro].dibujo, DibujoInstalacion::ZanjaTerraplenada);
    EXPECT_EQ(vista.seleccion, "Tipo 2: Instalación en zanja terraplenada. Zanja Terraplenada");
    EXPECT_EQ(vista.filas[C::Caja2].pregunta, "Altura H2 del recubrimiento del terraplén (m)");

    // A type no option shows opens as type 1.
    abre(7, 1, {});
    EXPECT_EQ(p.Tipo_Instalacion, 1);
}

} // namespace
} // namespace tubrix
