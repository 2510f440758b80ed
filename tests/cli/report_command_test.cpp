#include "ejecuta_cli.h"
#include "report_command.h"
#include "support/poppler.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tubrix::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kSeccion =
    fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" / "pvc-sn8-zanja-trafico.json";

int informe(const ReportOptions& opciones, std::string* salida = nullptr) {
    const test::SalidaCli s = test::ejecutaCli(runReport, kSeccion, opciones);
    if (salida)
        *salida = s.out;
    return s.estado;
}

TEST(CliReport, WithoutATitleThePdfIsTitledWithTheProjectsDescription) {
    test::TempDir dir;
    ReportOptions opciones;
    opciones.pdf = dir / "informe.pdf";
    opciones.autor = "Ing. Pérez";
    ASSERT_EQ(informe(opciones), 0);
    const std::string info = test::infoDePdf(*opciones.pdf).toStdString();
    ASSERT_FALSE(info.empty()) << "pdfinfo (poppler-utils) is needed";
    EXPECT_NE(info.find("Title:           PVC-U SN 8 DN 400 en zanja estrecha bajo calzada, con "
                        "sobrecarga uniforme\n"),
              std::string::npos)
        << info;
    EXPECT_NE(info.find("Author:          Ing. Pérez\n"), std::string::npos) << info;
}

TEST(CliReport, PngPagesAreNamedOnePerLine) {
    test::TempDir dir;
    ReportOptions opciones;
    opciones.imagenes = dir.path();
    opciones.formatoImagenes = FormatoImagen::Png;
    std::string salida;
    ASSERT_EQ(informe(opciones, &salida), 0);
    EXPECT_EQ(std::count(salida.begin(), salida.end(), '\n'), 6);
    EXPECT_NE(salida.find("Imp06.png"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "Imp06.png"));
}

} // namespace
} // namespace tubrix::cli
