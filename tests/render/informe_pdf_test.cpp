#include "chain/calcula_seccion.h"
#include "pintor_informe.h"
#include "support/catalogo_prueba.h"
#include "support/poppler.h"
#include "support/secciones.h"
#include "support/temp_dir.h"
#include "version.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

#include <QImage>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

constexpr double kMmPorPunto = 25.4 / 72;
// The text frame on the A4 page: 25 mm from the left edge to 10 mm from the right one, 10 mm
// from top and bottom; half a millimetre for the glyphs' side bearings.
constexpr double kIzquierdaMm = 25 - 0.5;
constexpr double kDerechaMm = 200 + 0.5;
constexpr double kArribaMm = 10 - 0.5;
constexpr double kAbajoMm = 287 + 0.5;

Proyecto calculada(const fs::path& fichero) {
    Proyecto p = test::cargaSeccion(fichero);
    EXPECT_FALSE(Calcula_Seccion(p, test::catalogoDelPrograma()));
    return p;
}

Informe informeDe(const Proyecto& p, SalidaInforme salida = SalidaInforme::Impresora) {
    return Contenido_Informe(p, test::catalogoDelPrograma(), Separadores::espanol(), salida);
}

const CabeceraInforme kCabeceraLarga{
    QStringLiteral("Colector general de saneamiento del polígono industrial Las Arenas, tramo "
                   "entre los pozos P-17 y P-23, bajo la calzada de la avenida principal"),
    QStringLiteral("Departamento de Infraestructuras Hidráulicas, Ing. María de los Ángeles "
                   "Fernández-Villaverde"),
    QDate(2026, 12, 9)};

// Every word of every example's report lies inside the frame, on six pages, with the long title
// and author of a real project.
TEST(InformePdf, NoTextOfAnyExampleLiesOutsideTheMargins) {
    test::TempDir dir;
    for (const fs::path& seccion : test::seccionesDeEjemplo()) {
        SCOPED_TRACE(seccion.filename().string());
        const fs::path pdf = dir / (seccion.stem().string() + ".pdf");
        ASSERT_TRUE(escribePdf(informeDe(calculada(seccion)), kCabeceraLarga, pdf));
        const std::string cajas = test::textoDePdf(pdf, {QStringLiteral("-bbox")}).toStdString();
        ASSERT_FALSE(cajas.empty()) << "pdftotext (poppler-utils) is needed";
        static const std::regex palabra(
            R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
        int paginas = 0;
        int palabras = 0;
        std::istringstream lineas(cajas);
        for (std::string linea; std::getline(lineas, linea);) {
            if (linea.find("<page ") != std::string::npos)
                ++paginas;
            std::smatch m;
            if (!std::regex_search(linea, m, palabra))
                continue;
            ++palabras;
            const double x0 = std::stod(m[1]) * kMmPorPunto;
            const double y0 = std::stod(m[2]) * kMmPorPunto;
            const double x1 = std::stod(m[3]) * kMmPorPunto;
            const double y1 = std::stod(m[4]) * kMmPorPunto;
            EXPECT_TRUE(x0 >= kIzquierdaMm && x1 <= kDerechaMm && y0 >= kArribaMm && y1 <= kAbajoMm)
                << "page " << paginas << ": \"" << m[5] << "\" at x " << x0 << "–" << x1
                << " mm, y " << y0 << "–" << y1 << " mm";
        }
        EXPECT_EQ(paginas, 6);
        EXPECT_GT(palabras, 500);
    }
}

TEST(InformePdf, PropertiesAndOneBookmarkPerSection) {
    test::TempDir dir;
    const Proyecto p = calculada(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" /
                                 "prfv-largo-plazo-zanja-terraplenada-freatico.json");
    const Informe informe = informeDe(p);
    const fs::path pdf = dir / "informe.pdf";
    ASSERT_TRUE(
        escribePdf(informe, {QStringLiteral("Colector"), QStringLiteral("Ing. Pérez")}, pdf));

    const std::string info = test::infoDePdf(pdf).toStdString();
    ASSERT_FALSE(info.empty()) << "pdfinfo (poppler-utils) is needed";
    EXPECT_NE(info.find("Title:           Colector\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Author:          Ing. Pérez\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Subject:         " + informe.asunto + "\n"), std::string::npos) << info;
    EXPECT_NE(informe.asunto.find("Tubo válido."), std::string::npos);
    EXPECT_NE(info.find("Creator:         Tubrix " + std::string(kVersion) + "\n"),
              std::string::npos)
        << info;

    // One bookmark per heading, each on its page; the summary's on the sixth.
    std::vector<std::string> titulos;
    for (const PaginaInforme& pagina : informe.paginas)
        for (const LineaInforme& l : pagina.lineas)
            if (l.tipo == TipoLinea::Titulo || l.tipo == TipoLinea::TituloInforme)
                titulos.push_back(l.celdas.front().texto);
    QPDF leido;
    leido.processFile(pdf.string().c_str());
    QPDFOutlineDocumentHelper marcadores(leido);
    auto raiz = marcadores.getTopLevelOutlines();
    ASSERT_EQ(raiz.size(), titulos.size());
    const auto paginas = QPDFPageDocumentHelper(leido).getAllPages();
    for (std::size_t i = 0; i < raiz.size(); ++i)
        EXPECT_EQ(raiz[i].getTitle(), titulos[i]);
    EXPECT_EQ(raiz.back().getTitle(), "INSTALACIÓN:");
    QPDFOutlineObjectHelper resumen = raiz[raiz.size() - 3];
    EXPECT_EQ(resumen.getTitle(), "RESUMEN DE LA VERIFICACIÓN");
    EXPECT_EQ(resumen.getDestPage().getObjGen(), paginas.at(5).getObjectHandle().getObjGen());
}

std::string leeFichero(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> nombresEn(const fs::path& carpeta) {
    std::vector<std::string> nombres;
    for (const auto& e : fs::directory_iterator(carpeta))
        nombres.push_back(e.path().filename().string());
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

// A run that fails on the third page leaves the folder as it was; the next one writes all six.
TEST(InformePdf, PngPageImagesAreAllWrittenOrNone) {
    test::TempDir dir;
    for (const char* nombre : {"Imp01.png", "Imp02.png"})
        std::ofstream(dir / nombre) << "imagen anterior";
    fs::create_directories(dir / "Imp03.png" / "dentro");
    const Informe informe = informeDe(
        calculada(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" / "pvc-sn8-zanja-trafico.json"),
        SalidaInforme::Imagenes);

    const auto fallida = escribeImagenes(informe, kCabeceraLarga, dir.path(), FormatoImagen::Png);
    ASSERT_FALSE(fallida);
    EXPECT_NE(fallida.error().mensaje.find("Imp03.png"), std::string::npos);
    EXPECT_NE(fallida.error().mensaje.find("No se ha guardado ninguna imagen."), std::string::npos);
    EXPECT_EQ(nombresEn(dir.path()),
              (std::vector<std::string>{"Imp01.png", "Imp02.png", "Imp03.png"}));
    EXPECT_EQ(leeFichero(dir / "Imp01.png"), "imagen anterior");
    EXPECT_EQ(leeFichero(dir / "Imp02.png"), "imagen anterior");
    EXPECT_TRUE(fs::exists(dir / "Imp03.png" / "dentro"));

    fs::remove_all(dir / "Imp03.png");
    const auto escritas = escribeImagenes(informe, kCabeceraLarga, dir.path(), FormatoImagen::Png);
    ASSERT_TRUE(escritas);
    ASSERT_EQ(escritas->size(), 6u);
    EXPECT_EQ(nombresEn(dir.path()).size(), 6u) << "no temporary folder is left";
    for (const fs::path& f : *escritas) {
        const QImage imagen(QString::fromStdString(f.string()), "PNG");
        ASSERT_FALSE(imagen.isNull()) << f;
        EXPECT_EQ(imagen.size(), QSize(1240, 1754));
    }
    EXPECT_LT(fs::file_size(escritas->front()), 1'000'000u) << "a BMP page is over 5 MB";
}

} // namespace
} // namespace tubrix
