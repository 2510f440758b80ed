#include "input/datos_tubos.h"
#include "support/catalogo_prueba.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

Grupo grupo(std::int16_t codigo) {
    Grupo g;
    g.codigo = codigo;
    g.material = "Grupo " + std::to_string(codigo);
    g.mostrar = true;
    g.et = 1000.0 * codigo;
    g.etLargo = 500.0 * codigo;
    g.gammaR = 10 + codigo;
    g.sigmaR = 20 + codigo;
    g.sigmaRLargo = 10 + codigo;
    return g;
}

Subclase subclase(std::int16_t codigo, std::string saneamiento, double rce) {
    Subclase s;
    s.codigo = codigo;
    s.material = "Material " + std::to_string(codigo);
    s.mostrar = true;
    s.saneamiento = std::move(saneamiento);
    s.rce = rce;
    return s;
}

TuboNormalizado tubo(std::int16_t id, std::int16_t material, std::int16_t dn, double de,
                     double espesor) {
    TuboNormalizado t;
    t.id = id;
    t.material = material;
    t.diametroN = dn;
    t.diametroE = de;
    t.diametroI = de - 2 * espesor;
    t.espesor = espesor;
    t.fibraN = de - espesor;
    return t;
}

TuboNormalizado perfilado(std::int16_t id, std::int16_t dn, std::string tipo) {
    TuboNormalizado t = tubo(id, 1102, dn, dn, 28.5);
    t.et = 900;
    t.etLargo = 180;
    t.rceMin = 8;
    t.momento = 4.689e-4;
    t.area = 5333;
    t.w = 23.8;
    t.tipo = std::move(tipo);
    return t;
}

// Groups 1..12 with one sewer sub-class and one pipe each; group 6 adds a pressure sub-class,
// group 11 the profiled sub-class 1102; group 13 is listed but has no sub-class at all.
const Catalogo& catalogo() {
    static const Catalogo cat = [] {
        DatosCatalogo d;
        for (std::int16_t g = 1; g <= 12; ++g) {
            d.grupos.push_back(grupo(g));
            d.subclases.push_back(subclase(static_cast<std::int16_t>(g * 100 + 1), "S", 4000));
            d.tubos.push_back(tubo(static_cast<std::int16_t>(g * 1000 + 1),
                                   static_cast<std::int16_t>(g * 100 + 1), 300, 215, 20));
        }
        d.subclases.push_back(subclase(602, "P", 4000));
        d.tubos.push_back(tubo(6201, 602, 400, 400, 15));
        d.tubos.push_back(tubo(6202, 602, 1200, 1234.5, 40));
        d.subclases[10].rce = 8000; // 1101, the solid wall of group 11
        d.subclases.push_back(subclase(1102, "S", 8000));
        d.tubos.push_back(perfilado(798, 400, "SN-8"));
        d.tubos.push_back(perfilado(799, 500, ""));
        d.grupos.push_back(grupo(13));
        return Catalogo(std::move(d));
    }();
    return cat;
}

template <typename T>
std::size_t posicion(const ListaDesplegable<T>& lista, std::int16_t codigo) {
    for (std::size_t i = 0; i < lista.entradas.size(); ++i)
        if (lista.entradas[i].codigo == codigo)
            return i;
    ADD_FAILURE() << "code " << codigo << " not listed";
    return 0;
}

class DatosTubos : public ::testing::Test {
protected:
    void SetUp() override {
        Arranca_Programa(p);
        Inicializa_Proyecto(p, "01-01-2026");
    }
    VistaDatosTubos abre() { return Abre_Datos_Tubos(p, catalogo(), Separadores::espanol()); }
    Proyecto p;
};

TEST_F(DatosTubos, NewProjectOpensOnTheProfiledPipeOfTheShippedCatalogue) {
    const VistaDatosTubos v =
        Abre_Datos_Tubos(p, test::catalogoDelPrograma(), Separadores::espanol());
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAbandonar);
    EXPECT_EQ(v.entrada.grupo, 11);
    EXPECT_EQ(v.entrada.material, 1102);
    EXPECT_EQ(v.entrada.diametro, 798);
    EXPECT_EQ(v.normaAplicar, "ATV A 127");
    EXPECT_EQ(p.Norma, 2);
    EXPECT_TRUE(v.filasLargoPlazoHabilitadas);
    EXPECT_TRUE(v.filaRigidezHabilitada);
    EXPECT_EQ(v.datos.rigidezCircunferencial, "8,0");
    EXPECT_EQ(v.tipoConduccion, "SANEAMIENTO");
}

struct CasoGrupo {
    std::int16_t grupo;
    std::int16_t norma;
    const char* textoNorma;
    std::int16_t deformacionA, deformacionB, largoPlazo;
    bool filasLargoPlazo, filaRigidez;
    const char* rigidez;
    double rigidezGuardada;
};

class DatosTubosGrupo : public DatosTubos, public ::testing::WithParamInterface<CasoGrupo> {};

TEST_P(DatosTubosGrupo, GroupDecidesStandardFlagsAndRows) {
    const CasoGrupo& c = GetParam();
    VistaDatosTubos v = abre();
    Elige_Grupo(p, catalogo(), v, posicion(v.grupos, c.grupo));
    EXPECT_EQ(p.Codigo_Material, c.grupo);
    EXPECT_EQ(p.Norma, c.norma);
    EXPECT_EQ(v.normaAplicar, c.textoNorma);
    EXPECT_EQ(p.Indicador_Deformacion_A, c.deformacionA);
    EXPECT_EQ(p.Indicador_Deformacion_B, c.deformacionB);
    EXPECT_EQ(p.Largo_Plazo, c.largoPlazo);
    EXPECT_EQ(v.filasLargoPlazoHabilitadas, c.filasLargoPlazo);
    EXPECT_EQ(v.filaRigidezHabilitada, c.filaRigidez);
    EXPECT_EQ(v.datos.rigidezCircunferencial, c.rigidez);

    EXPECT_EQ(Cierra_Datos_Tubos(p, catalogo(), Boton::Atras), std::nullopt);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAtras);
    EXPECT_DOUBLE_EQ(p.Rigidez_Circunferencial, c.rigidezGuardada);
}

constexpr const char* kAtv = "ATV A 127";
INSTANTIATE_TEST_SUITE_P(TablaDeGrupos, DatosTubosGrupo,
                         ::testing::Values(CasoGrupo{1, 2, kAtv, 0, 0, 0, false, false, "0.0", 0},
                                           CasoGrupo{2, 3, "ASTM", 0, 0, 0, false, false, "0.0", 0},
                                           CasoGrupo{3, 3, "ASTM", 0, 0, 0, false, false, "0.0", 0},
                                           CasoGrupo{4, 1, "UNE 88.211-90", 0, 0, 0, false, false,
                                                     "0.0", 0},
                                           CasoGrupo{5, 2, kAtv, 1, 1, 0, true, false, "0.0", 0},
                                           CasoGrupo{6, 2, kAtv, 1, 1, 0, true, true, "4,0", 4},
                                           CasoGrupo{7, 2, kAtv, 1, 1, 0, true, true, "4,0", 4},
                                           CasoGrupo{8, 2, kAtv, 1, 1, 1, true, false, "0.0", 0},
                                           CasoGrupo{9, 2, kAtv, 1, 1, 1, true, false, "0.0", 0},
                                           CasoGrupo{10, 2, kAtv, 1, 0, 0, false, false, "0.0", 0},
                                           CasoGrupo{11, 2, kAtv, 1, 1, 0, true, true, "8,0", 8},
                                           CasoGrupo{12, 2, kAtv, 1, 1, 0, true, false, "0.0", 0}));

TEST_F(DatosTubos, AstmRefusesNextButStoresThePipeAndLetsGoBack) {
    VistaDatosTubos v = abre();
    Elige_Grupo(p, catalogo(), v, posicion(v.grupos, 2));
    const auto r = Cierra_Datos_Tubos(p, catalogo(), Boton::Siguiente);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->mensaje.texto,
              "Esta aplicación no permite el cálculo tubrix utilizando la norma ASTM");
    EXPECT_EQ(r->mensaje.icono, Icono::Informacion);
    EXPECT_TRUE(r->mensaje.pitido);
    EXPECT_EQ(r->mensaje.titulo, "Aviso");
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAbandonar);
    EXPECT_DOUBLE_EQ(p.Diametro_Exterior, 215);
    EXPECT_DOUBLE_EQ(p.Gamma_Tubo, 12);
    EXPECT_EQ(p.Clase_Material, "Material 201");

    EXPECT_EQ(Cierra_Datos_Tubos(p, catalogo(), Boton::Atras), std::nullopt);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAtras);
}

TEST_F(DatosTubos, PressureSubClassAndResetsOfTheLowerLists) {
    VistaDatosTubos v = abre();
    Elige_Grupo(p, catalogo(), v, posicion(v.grupos, 6));
    EXPECT_EQ(p.Codigo_Submaterial, 601);
    EXPECT_EQ(p.Codigo_Diametro, 6001);
    Elige_Material(p, catalogo(), v, posicion(v.materiales, 602));
    EXPECT_EQ(v.tipoConduccion, "PRESIÓN");
    EXPECT_EQ(p.Tipo_Conducto, kNo);
    EXPECT_EQ(p.Codigo_Diametro, 6201);
    Elige_Diametro(p, catalogo(), v, 1);
    EXPECT_EQ(p.Codigo_Diametro, 6202);
    EXPECT_EQ(v.entrada.diametro, 6202);
    // Labels go through their patterns with the regional separators.
    EXPECT_EQ(v.diametros.entradas[1].texto, "1.200");
    EXPECT_EQ(v.datos.diametroExterior, "1.234,5");
    EXPECT_EQ(v.datos.moduloCortoPlazo, "6.000");
    EXPECT_EQ(v.datos.pesoEspecifico, "16,0");
    Elige_Material(p, catalogo(), v, posicion(v.materiales, 601));
    EXPECT_EQ(v.tipoConduccion, "SANEAMIENTO");
    EXPECT_EQ(p.Tipo_Conducto, kSi);
    EXPECT_EQ(p.Codigo_Diametro, 6001);
}

TEST_F(DatosTubos, ReopeningRestoresTheStoredCodesWithoutChangingThem) {
    p.Codigo_Material = 6;
    p.Codigo_Submaterial = 602;
    p.Codigo_Diametro = 6202;
    VistaDatosTubos v = abre();
    EXPECT_EQ(v.grupos.seleccion, posicion(v.grupos, 6));
    EXPECT_EQ(v.materiales.seleccion, posicion(v.materiales, 602));
    EXPECT_EQ(v.diametros.seleccion, std::size_t{1});
    EXPECT_EQ(v.tipoConduccion, "PRESIÓN");

    // A pipe of another sub-class is not in the list: the first entry shows, the code stays.
    p.Codigo_Submaterial = 601;
    v = abre();
    EXPECT_EQ(v.diametros.seleccion, std::size_t{0});
    EXPECT_EQ(v.entrada.diametro, 6001);
    EXPECT_EQ(p.Codigo_Diametro, 6202);
    EXPECT_EQ(v.datos.diametroExterior, "1.234,5");
    Elige_Diametro(p, catalogo(), v, 0);
    EXPECT_EQ(p.Codigo_Diametro, 6001);
}

TEST_F(DatosTubos, HandlersDoNothingWhileLoading) {
    VistaDatosTubos v = abre();
    v.cargando = true;
    Elige_Grupo(p, catalogo(), v, 0);
    Elige_Material(p, catalogo(), v, 0);
    Elige_Diametro(p, catalogo(), v, 1);
    EXPECT_EQ(p.Codigo_Material, 11);
    EXPECT_EQ(p.Codigo_Submaterial, 1102);
    EXPECT_EQ(p.Codigo_Diametro, 798);
}

TEST_F(DatosTubos, ProfiledPipeBringsItsOwnValuesAndSolidPipesKeepAreaAndW) {
    VistaDatosTubos v = abre();
    EXPECT_EQ(v.datos.moduloCortoPlazo, "900");
    ASSERT_EQ(Cierra_Datos_Tubos(p, catalogo(), Boton::Siguiente), std::nullopt);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionSiguiente);
    EXPECT_DOUBLE_EQ(p.Et, 900);
    EXPECT_DOUBLE_EQ(p.Et_LP, 180);
    EXPECT_DOUBLE_EQ(p.Momento_Inercia, 4.689e-7);
    EXPECT_DOUBLE_EQ(p.Rigidez_Circunferencial, 8);
    EXPECT_DOUBLE_EQ(p.Area, 5333);
    EXPECT_DOUBLE_EQ(p.W, 23.8);
    EXPECT_DOUBLE_EQ(p.Rm, (400 - 28.5) / 2);
    EXPECT_DOUBLE_EQ(p.Gamma_Tubo, 21);
    EXPECT_DOUBLE_EQ(p.Rotura_Flexotraccion_LP, 21);
    EXPECT_EQ(p.Clase_Material, "SN-8");

    // An empty class text falls back to the sub-class name.
    Elige_Diametro(p, catalogo(), v, posicion(v.diametros, 799));
    ASSERT_EQ(Cierra_Datos_Tubos(p, catalogo(), Boton::Siguiente), std::nullopt);
    EXPECT_EQ(p.Clase_Material, "Material 1102");

    Elige_Material(p, catalogo(), v, posicion(v.materiales, 1101));
    ASSERT_EQ(Cierra_Datos_Tubos(p, catalogo(), Boton::Siguiente), std::nullopt);
    EXPECT_DOUBLE_EQ(p.Et, 11000);
    EXPECT_DOUBLE_EQ(p.Et_LP, 5500);
    EXPECT_DOUBLE_EQ(p.Momento_Inercia, 0.02 * 0.02 * 0.02 / 12);
    EXPECT_DOUBLE_EQ(p.Rigidez_Circunferencial, 8);
    EXPECT_DOUBLE_EQ(p.Area, 5333);
    EXPECT_DOUBLE_EQ(p.W, 23.8);
    EXPECT_EQ(p.Clase_Material, "Material 1101");
}

TEST_F(DatosTubos, UnknownGroupKeepsStandardAndAnEmptyListRefusesNext) {
    VistaDatosTubos v = abre();
    Elige_Grupo(p, catalogo(), v, posicion(v.grupos, 4));
    p.Diametro_Exterior = 123;
    Elige_Grupo(p, catalogo(), v, posicion(v.grupos, 13));
    EXPECT_EQ(p.Norma, 1);
    EXPECT_EQ(v.normaAplicar, "UNE 88.211-90");
    EXPECT_FALSE(v.filasLargoPlazoHabilitadas);
    EXPECT_FALSE(v.filaRigidezHabilitada);
    EXPECT_TRUE(v.materiales.entradas.empty());
    EXPECT_EQ(v.materiales.seleccion, std::nullopt);
    EXPECT_EQ(v.diametros.seleccion, std::nullopt);
    EXPECT_EQ(p.Codigo_Submaterial, 0);
    EXPECT_EQ(p.Codigo_Diametro, 0);
    EXPECT_TRUE(v.faltaEnCatalogo);

    const auto r = Cierra_Datos_Tubos(p, catalogo(), Boton::Siguiente);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->mensaje.texto,
              "Elija un material: el grupo elegido no tiene ninguno en el catálogo de tubos.");
    EXPECT_EQ(r->foco, static_cast<int>(FocoDatosTubos::Material));
    EXPECT_DOUBLE_EQ(p.Diametro_Exterior, 123);
}

struct CasoFalta {
    std::int16_t grupo, subclase, tubo;
    const char* mensaje;
    FocoDatosTubos foco;
};

class DatosTubosFalta : public DatosTubos, public ::testing::WithParamInterface<CasoFalta> {};

TEST_P(DatosTubosFalta, CodeWithoutCatalogueRowStoresNothing) {
    const CasoFalta& c = GetParam();
    p.Codigo_Material = c.grupo;
    p.Codigo_Submaterial = c.subclase;
    p.Codigo_Diametro = c.tubo;
    p.Diametro_Exterior = 123;
    const VistaDatosTubos v = abre();
    EXPECT_EQ(v.faltaEnCatalogo, c.mensaje);
    EXPECT_EQ(v.datos.diametroExterior, "");

    const auto r = Cierra_Datos_Tubos(p, catalogo(), Boton::Siguiente);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->mensaje.texto, c.mensaje);
    EXPECT_EQ(r->foco, static_cast<int>(c.foco));
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAbandonar);
    EXPECT_DOUBLE_EQ(p.Diametro_Exterior, 123);

    EXPECT_EQ(Cierra_Datos_Tubos(p, catalogo(), Boton::Atras), std::nullopt);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAtras);
    EXPECT_DOUBLE_EQ(p.Diametro_Exterior, 123);
}

INSTANTIATE_TEST_SUITE_P(
    CodigosSinFila, DatosTubosFalta,
    ::testing::Values(
        CasoFalta{14, 1102, 798,
                  "El grupo de material de código 14 no está en el catálogo de tubos.",
                  FocoDatosTubos::Grupo},
        CasoFalta{11, 1199, 798, "El material de código 1199 no está en el catálogo de tubos.",
                  FocoDatosTubos::Material},
        CasoFalta{11, 1102, 797, "El tubo de código 797 no está en el catálogo de tubos.",
                  FocoDatosTubos::Diametro}));

} // namespace
} // namespace tubrix
