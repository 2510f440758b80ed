#include "obra/calcula_obra.h"
#include "pintor_obra.h"
#include "support/catalogo_prueba.h"
#include "support/poppler.h"
#include "support/secciones.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

// Many reaches: the summary runs over several landscape pages, each headed by the table's
// header row; the reports that follow are portrait and name their reach.
TEST(PintorObra, SummaryPagesRepeatTheHeaderAndReportsFollowInPortrait) {
    test::TempDir dir;
    Obra obra = Obra_Nueva(test::cargaSeccion(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" /
                                              "pvc-sn8-zanja-trafico.json"));
    obra.columnas = {"H"};
    for (int i = 0; i < 60; ++i)
        obra.tramos.push_back(Tramo{"T" + std::to_string(i), {{"H", 1.0 + 0.1 * i}}});
    obra.tramos.push_back(Tramo{"Corto", {{"H", 0.2}}});
    const ResultadoObra resultado = Calcula_Obra(obra, test::catalogoDelPrograma());

    OpcionesPdfObra opciones;
    opciones.cabecera = {QStringLiteral("Colector"), QStringLiteral("Ingeniería")};
    const fs::path resumen = dir / "resumen.pdf";
    ASSERT_TRUE(escribePdfObra(obra, resultado, test::catalogoDelPrograma(), opciones, resumen));
    const QString texto = test::textoDePdf(resumen);
    ASSERT_FALSE(texto.isEmpty()) << "pdftotext (poppler-utils) is needed";
    const int paginas = static_cast<int>(texto.count(QLatin1Char('\f')));
    EXPECT_GE(paginas, 2);
    EXPECT_EQ(texto.count(QStringLiteral("Fila determinante")), paginas);
    EXPECT_TRUE(texto.contains(QStringLiteral("61 tramos: 60 válidos")));

    opciones.informes = true;
    const fs::path completo = dir / "completo.pdf";
    ASSERT_TRUE(escribePdfObra(obra, resultado, test::catalogoDelPrograma(), opciones, completo));
    const QString info = test::infoDePdf(completo, true);
    // The refused reach has no report; every other has six pages (five and the summary).
    EXPECT_EQ(info.count(QStringLiteral("842 x 595")), paginas);
    EXPECT_EQ(info.count(QStringLiteral("595 x 842")), 60 * 6);
    const QString informes = test::textoDePdf(completo);
    EXPECT_TRUE(informes.contains(QStringLiteral("Tramo: T59")));
    EXPECT_FALSE(informes.contains(QStringLiteral("Tramo: Corto")));
}

} // namespace
} // namespace tubrix
