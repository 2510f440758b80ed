#include "obra/calcula_obra.h"
#include "pintor_obra.h"
#include "support/catalogo_prueba.h"
#include "support/poppler.h"
#include "support/secciones.h"
#include "support/temp_dir.h"

#include <array>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <sstream>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

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
    EXPECT_TRUE(info.contains(QStringLiteral("Author:          Ingeniería\n")))
        << info.toStdString();

    // A bookmark for the summary and one at the first page of each reach's report.
    QPDF leido;
    leido.processFile(completo.string().c_str());
    auto marcadores = QPDFOutlineDocumentHelper(leido).getTopLevelOutlines();
    ASSERT_EQ(marcadores.size(), 61u);
    EXPECT_EQ(marcadores[0].getTitle(), "Resumen de la obra");
    EXPECT_EQ(marcadores[2].getTitle(), "Tramo T1");
    const auto hojas = QPDFPageDocumentHelper(leido).getAllPages();
    EXPECT_EQ(marcadores[2].getDestPage().getObjGen(),
              hojas.at(static_cast<std::size_t>(paginas) + 6).getObjectHandle().getObjGen());
}

// A title too long for its cell of the page header wraps inside it: it does not run into the
// author, and the rule and the page's content stay under its last line.
TEST(PintorObra, ALongTitleWrapsWithinItsCellOfThePageHeader) {
    test::TempDir dir;
    Obra obra = Obra_Nueva(test::cargaSeccion(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" /
                                              "pvc-sn8-zanja-trafico.json"));
    obra.columnas = {"H"};
    obra.tramos.push_back(Tramo{"T1", {{"H", 1.5}}});
    const ResultadoObra resultado = Calcula_Obra(obra, test::catalogoDelPrograma());
    OpcionesPdfObra opciones;
    opciones.cabecera = {
        QStringLiteral("Colector Norte de la urbanización con un título bastante largo"),
        QStringLiteral("Ingeniería")};
    const fs::path pdf = dir / "resumen.pdf";
    ASSERT_TRUE(escribePdfObra(obra, resultado, test::catalogoDelPrograma(), opciones, pdf));
    const std::string cajas = test::textoDePdf(pdf, {QStringLiteral("-bbox")}).toStdString();
    ASSERT_FALSE(cajas.empty()) << "pdftotext (poppler-utils) is needed";
    // The first box of each word: x from, x to, y from, y to (points).
    static const std::regex palabra(
        R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::map<std::string, std::array<double, 4>> primera;
    std::istringstream lineas(cajas);
    for (std::string linea; std::getline(lineas, linea);)
        if (std::smatch m; std::regex_search(linea, m, palabra))
            primera.try_emplace(m[5], std::array<double, 4>{std::stod(m[1]), std::stod(m[3]),
                                                            std::stod(m[2]), std::stod(m[4])});
    for (const char* w : {"Autor:", "Titulo:", "bastante", "largo", "Veredicto"})
        ASSERT_TRUE(primera.count(w)) << w;
    const double autor = primera["Autor:"][0];
    EXPECT_LT(primera["bastante"][1], autor);
    EXPECT_LT(primera["largo"][1], autor);
    EXPECT_GT(primera["largo"][2], primera["Titulo:"][3])
        << "the title's last word on a line of its own";
    EXPECT_GT(primera["Veredicto"][2], primera["largo"][3]) << "the table under the whole header";
}

} // namespace
} // namespace tubrix
