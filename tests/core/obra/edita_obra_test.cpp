#include "chain/calcula_seccion.h"
#include "obra/calcula_obra.h"
#include "obra/edita_obra.h"
#include "support/catalogo_prueba.h"
#include "support/secciones.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

const Catalogo& catalogo() {
    return test::catalogoDelPrograma();
}

// PVC-U SN 8 DN 400 (sub-class 603) in a trench under traffic; two reaches.
Obra obraDePrueba() {
    Obra obra = Obra_Nueva(test::cargaSeccion(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" /
                                              "pvc-sn8-zanja-trafico.json"));
    obra.columnas = {"H", "DN", "Hf"};
    obra.tramos = {Tramo{"P1-P2", {{"H", 1.5}, {"DN", 315.0}}}, Tramo{"P2-P3", {{"H", 2.0}}}};
    return obra;
}

TEST(EditaObra, TypedAndPastedCellsAreCheckedAndAllOrNothing) {
    Obra obra = obraDePrueba();
    EXPECT_FALSE(Pon_Celda(obra, 1, 1, "2,75", ','));
    EXPECT_EQ(obra.tramos[1].numero("H"), 2.75);
    EXPECT_EQ(Texto_Celda(obra, 1, 1, ','), "2,75");
    EXPECT_FALSE(Pon_Celda(obra, 0, 2, " ", ','));
    EXPECT_FALSE(obra.tramos[0].dato("DN")); // an empty cell clears it
    const auto malo = Pon_Celda(obra, 0, 2, "40,5", ',');
    ASSERT_TRUE(malo);
    EXPECT_NE(malo->find("DN: debe ser un diámetro nominal"), std::string::npos) << *malo;
    EXPECT_TRUE(Pon_Celda(obra, 0, 1, "2.5", ',')); // the user's separator is the comma

    // Three rows from a spreadsheet over the name and H: the third is a new reach.
    const Obra antes = obra;
    const auto pegadas = Pega_Celdas(obra, 0, 0, "A\t1,2\r\nB\t1,4\r\nC\t1,6\r\n", ',');
    ASSERT_TRUE(pegadas) << pegadas.error();
    EXPECT_EQ(*pegadas, 6u);
    ASSERT_EQ(obra.tramos.size(), 3u);
    EXPECT_EQ(obra.tramos[2].nombre, "C");
    EXPECT_EQ(obra.tramos[2].numero("H"), 1.6);
    // A bad cell anywhere leaves the works as it was, naming row and column.
    Obra otra = antes;
    const auto rechazo = Pega_Celdas(otra, 0, 1, "1\t315\n1,2\tgrande\n", ',');
    ASSERT_FALSE(rechazo);
    EXPECT_NE(rechazo.error().find("Fila 2, columna DN"), std::string::npos) << rechazo.error();
    EXPECT_EQ(otra.tramos, antes.tramos);
    EXPECT_FALSE(Pega_Celdas(otra, 0, 3, "1\t2", ','));
}

TEST(EditaObra, ASectionChangedInTheWizardGoesBackAsTheReachsCells) {
    Obra obra = obraDePrueba();
    Proyecto p = *Seccion_Del_Tramo(obra, 0, catalogo(), Extremo::Unico);
    ASSERT_FALSE(Calcula_Seccion(p, catalogo())); // what the wizard does when nothing changes
    auto nada = Guarda_Seccion_En_Tramo(obra, 0, Extremo::Unico, p, catalogo());
    ASSERT_TRUE(nada);
    EXPECT_TRUE(nada->guardados.empty());

    // A wider trench, DN 400 (the base's pipe: the DN cell follows), groundwater at 1 m.
    p.B = 1.4;
    p.Codigo_Diametro = 6308;
    p.Nivel_Freatico = kSi;
    p.Hw = 1;
    const auto cambios = Guarda_Seccion_En_Tramo(obra, 0, Extremo::Unico, p, catalogo());
    ASSERT_TRUE(cambios);
    const Tramo& t = obra.tramos[0];
    EXPECT_EQ(t.numero("B"), 1.4);
    EXPECT_EQ(t.numero("DN"), 400);
    EXPECT_FALSE(t.dato("Codigo_Diametro"));
    EXPECT_EQ(t.numero("Hf"), 1);
    EXPECT_FALSE(t.dato("Hw"));
    EXPECT_TRUE(obra.tieneColumna("B"));
    Proyecto q = *Seccion_Del_Tramo(obra, 0, catalogo(), Extremo::Unico);
    EXPECT_EQ(q.Codigo_Diametro, 6308);
    EXPECT_EQ(q.B, 1.4);
}

TEST(EditaObra, AProfileReachKeepsItsLevelsAndTheNeededPipeBecomesItsPipe) {
    Obra obra = obraDePrueba();
    obra.tramos.push_back(Tramo{"perfil",
                                {{"Cota_Terreno_Inicio", 100.0},
                                 {"Cota_Terreno_Fin", 99.0},
                                 {"Cota_Solera_Inicio", 98.0},
                                 {"Cota_Solera_Fin", 96.0}}});
    Proyecto p = *Seccion_Del_Tramo(obra, 2, catalogo(), Extremo::Fin);
    p.H = 5;
    const auto cambios = Guarda_Seccion_En_Tramo(obra, 2, Extremo::Fin, p, catalogo());
    ASSERT_TRUE(cambios);
    EXPECT_TRUE(cambios->guardados.empty());
    ASSERT_EQ(cambios->avisos.size(), 1u);
    EXPECT_FALSE(obra.tramos[2].dato("H"));

    // SN 4 DN 315 for the first reach, which gives DN 315: the DN cell stays.
    TuboCandidato sn4;
    sn4.grupo = 6;
    sn4.subclase = 602;
    sn4.codigo = 6206;
    ASSERT_TRUE(Usa_Tubo_En_Tramo(obra, 0, sn4, catalogo()));
    EXPECT_EQ(obra.tramos[0].numero("Codigo_Submaterial"), 602);
    EXPECT_EQ(obra.tramos[0].numero("DN"), 315);
    EXPECT_EQ(Seccion_Del_Tramo(obra, 0, catalogo(), Extremo::Unico)->Codigo_Diametro, 6206);
}

} // namespace
} // namespace tubrix
