#include "pintor_tablas.h"
#include "support/catalogo_prueba.h"
#include "support/poppler.h"
#include "support/secciones.h"
#include "support/temp_dir.h"
#include "tablas/textos_tabla.h"
#include "util/lector_csv.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

// Every range of the CSV is in the PDF, which is landscape A4 with the assumptions first, a
// table per traffic case, the header row on every page and "Hoja n de N".
TEST(PintorTablas, PdfHoldsTheFiguresOfTheCsvOnLandscapePages) {
    test::TempDir dir;
    const Proyecto base = test::cargaSeccion(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" /
                                             "pvc-sn8-zanja-trafico.json");
    CondicionesTabla c;
    c.suelos = {1, 2, 3, 4};
    c.traficos = {0, 2, 5};
    c.freaticos = {std::nullopt, 1.0};
    const auto tabla =
        Calcula_Tabla_Recubrimiento(base, test::catalogoDelPrograma(), {6, std::nullopt}, c);
    ASSERT_TRUE(tabla);
    OpcionesPdfTabla opciones;
    opciones.cabecera = {QStringLiteral("Catálogo"), QStringLiteral("Oficina técnica")};
    const fs::path pdf = dir / "tablas.pdf";
    ASSERT_TRUE(escribePdfTabla(base, test::catalogoDelPrograma(), *tabla, opciones, pdf));

    const QString texto = test::textoDePdf(pdf);
    ASSERT_FALSE(texto.isEmpty()) << "pdftotext (poppler-utils) is needed";
    const int paginas = static_cast<int>(texto.count(QLatin1Char('\f')));
    EXPECT_GE(paginas, 4);
    EXPECT_TRUE(texto.contains(QStringLiteral("Hoja 1 de %1").arg(paginas)));
    EXPECT_TRUE(texto.contains(QStringLiteral("Hoja %1 de %1").arg(paginas)));
    EXPECT_TRUE(texto.section(QLatin1Char('\f'), 0, 0).contains(QStringLiteral("Hipótesis fijas")));
    // The header row heads every page with a table on it.
    EXPECT_GE(texto.count(QStringLiteral("SN (kN/m2)")), paginas - 1);
    for (const char* trafico : {"Tráfico: Sin tráfico", "Tráfico: HT 26", "Tráfico: HT 60"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(trafico))) << trafico;
    const QString info = test::infoDePdf(pdf, true);
    EXPECT_EQ(info.count(QStringLiteral("842 x 595")), paginas);

    const auto csv = leeCsv(Csv_Tabla_Recubrimiento(*tabla));
    ASSERT_TRUE(csv);
    ASSERT_EQ(csv->filas.size(), 1 + tabla->tubos.size() * tabla->casos.size());
    const Separadores sep = Separadores::espanol();
    int rangos = 0;
    for (std::size_t i = 1; i < csv->filas.size(); ++i) {
        const auto& celdas = csv->filas[i].celdas;
        const auto minima = leeNumeroCsv(celdas[9], '.');
        const auto maxima = leeNumeroCsv(celdas[10], '.');
        if (!minima)
            continue;
        ++rangos;
        const std::string rango = formatea(*minima, "#,##0.00", sep) + " – " +
                                  formatea(maxima.value_or(0), "#,##0.00", sep);
        EXPECT_TRUE(texto.contains(QString::fromStdString(rango))) << rango;
    }
    EXPECT_GT(rangos, 0);
}

} // namespace
} // namespace tubrix
