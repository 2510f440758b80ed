#include "chain/calcula_seccion.h"
#include "pintor_informe.h"
#include "support/catalogo_prueba.h"
#include "support/poppler.h"
#include "support/secciones.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

Proyecto seccionLargoPlazo() {
    Proyecto p = test::cargaSeccion(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" /
                                    "prfv-largo-plazo-zanja-terraplenada-freatico.json");
    EXPECT_FALSE(Calcula_Seccion(p, test::catalogoDelPrograma()));
    return p;
}

TEST(PintorInforme, PdfHasSixPagesWithEveryHeadingInOrder) {
    test::TempDir dir;
    const Informe informe = Contenido_Informe(seccionLargoPlazo(), test::catalogoDelPrograma(),
                                              Separadores::espanol(), SalidaInforme::Impresora);
    ASSERT_TRUE(escribePdf(informe, {QStringLiteral("Colector"), QStringLiteral("Ingeniería")},
                           dir / "informe.pdf"));
    const std::string texto = test::textoDePdf(dir / "informe.pdf").toStdString();
    ASSERT_FALSE(texto.empty()) << "pdftotext (poppler-utils) is needed";
    EXPECT_EQ(std::count(texto.begin(), texto.end(), '\f'), 6) << "five pages and the summary";
    std::size_t desde = 0;
    for (const char* titulo : {"Hoja: 1",
                               "PARÁMETROS DE CÁLCULO",
                               "CARACTERÍSTICAS DEL TUBO:",
                               "CLASE DE SEGURIDAD:",
                               "CONDICIONES DE LA ZANJA:",
                               "NIVEL FREÁTICO:",
                               "CARACTERÍSTICAS DEL APOYO:",
                               "Hoja: 2",
                               "CARACTERÍSTICAS DE LOS SUELOS:",
                               "SOBRECARGAS VERTICALES (TRÁFICO):",
                               "Hoja: 3",
                               "CARGAS QUE SE EMPLEARÁN EN LOS CÁLCULOS:",
                               "DISTRIBUCIÓN DE CARGAS:",
                               "Hoja: 4",
                               "CARGAS DE CÁLCULO:",
                               "CÁLCULO DE ESFUERZOS:",
                               "CÁLCULO DE ESFUERZOS (LARGO PLAZO):",
                               "Hoja: 5",
                               "CÁLCULO DE TENSIONES Y DEFORMACIONES:",
                               "CÁLCULO DE LA ESTABILIDAD:",
                               "VERIFICACIÓN:",
                               "CONCLUSIÓN:",
                               "TUBO VÁLIDO.",
                               "Hoja: 6 de 6",
                               "RESUMEN DE LA VERIFICACIÓN",
                               "RECUBRIMIENTO ADMISIBLE:",
                               "INSTALACIÓN:"}) {
        const auto en = texto.find(titulo, desde);
        ASSERT_NE(en, std::string::npos) << titulo;
        desde = en;
    }
    EXPECT_NE(texto.find("Titulo: Colector"), std::string::npos);
    EXPECT_NE(texto.find("Autor: Ingeniería"), std::string::npos);
}

TEST(PintorInforme, PageImagesAreSixBitmapsOfThePageSize) {
    test::TempDir dir;
    const Informe informe = Contenido_Informe(seccionLargoPlazo(), test::catalogoDelPrograma(),
                                              Separadores::espanol(), SalidaInforme::Imagenes);
    const auto escritas =
        escribeImagenes(informe, {QStringLiteral("T"), QStringLiteral("A")}, dir.path());
    ASSERT_TRUE(escritas);
    ASSERT_EQ(escritas->size(), 6u);
    for (int i = 1; i <= 6; ++i) {
        const fs::path f = dir / ("Imp0" + std::to_string(i) + ".bmp");
        const QImage imagen(QString::fromStdString(f.string()));
        ASSERT_FALSE(imagen.isNull()) << f;
        EXPECT_EQ(imagen.width(), 1240); // A4 at 150 dpi
        EXPECT_EQ(imagen.height(), 1754);
    }
}

TEST(PintorInforme, AMissingFolderIsAnError) {
    test::TempDir dir;
    const Informe informe = Contenido_Informe(seccionLargoPlazo(), test::catalogoDelPrograma(),
                                              Separadores::espanol(), SalidaInforme::Imagenes);
    const auto escritas = escribeImagenes(informe, {}, dir / "no_existe");
    ASSERT_FALSE(escritas);
    EXPECT_NE(escritas.error().mensaje.find("no existe"), std::string::npos);
    EXPECT_FALSE(escribePdf(informe, {}, dir / "no_existe" / "informe.pdf"));
}

} // namespace
} // namespace tubrix

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
