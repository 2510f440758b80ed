#include "obra/calcula_obra.h"
#include "pintor_obra.h"
#include "support/catalogo_prueba.h"
#include "support/secciones.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

QString salidaDe(const QString& programa, const QStringList& argumentos) {
    QProcess proceso;
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(20000))
        return {};
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

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
    const QString texto = salidaDe(QStringLiteral("pdftotext"),
                                   {QString::fromStdString(resumen.string()), QStringLiteral("-")});
    ASSERT_FALSE(texto.isEmpty()) << "pdftotext (poppler-utils) is needed";
    const int paginas = static_cast<int>(texto.count(QLatin1Char('\f')));
    EXPECT_GE(paginas, 2);
    EXPECT_EQ(texto.count(QStringLiteral("Fila determinante")), paginas);
    EXPECT_TRUE(texto.contains(QStringLiteral("61 tramos: 60 válidos")));

    opciones.informes = true;
    const fs::path completo = dir / "completo.pdf";
    ASSERT_TRUE(escribePdfObra(obra, resultado, test::catalogoDelPrograma(), opciones, completo));
    const QString info =
        salidaDe(QStringLiteral("pdfinfo"),
                 {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                  QStringLiteral("999"), QString::fromStdString(completo.string())});
    // The refused reach has no report; every other has six pages (five and the summary).
    EXPECT_EQ(info.count(QStringLiteral("842 x 595")), paginas);
    EXPECT_EQ(info.count(QStringLiteral("595 x 842")), 60 * 6);
    const QString informes =
        salidaDe(QStringLiteral("pdftotext"),
                 {QString::fromStdString(completo.string()), QStringLiteral("-")});
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

} // namespace
} // namespace tubrix
