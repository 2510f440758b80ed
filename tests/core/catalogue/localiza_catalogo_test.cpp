#include "catalogue/localiza_catalogo.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

void creaFichero(const fs::path& fichero) {
    fs::create_directories(fichero.parent_path());
    std::ofstream(fichero) << "catálogo";
}

// Build tree and Windows layout: bin/DatosS.db; installed: bin/ and share/tubrix/DatosS.db.
TEST(LocalizaCatalogo, BesideTheProgramFirstThenShareTubrix) {
    const test::TempDir dir;
    const fs::path bin = dir / "bin";
    fs::create_directories(bin);
    creaFichero(dir / "share" / "tubrix" / "DatosS.db");
    auto instalado = localizaCatalogo(bin);
    ASSERT_TRUE(instalado) << instalado.error().mensaje;
    EXPECT_EQ(*instalado, dir / "share" / "tubrix" / "DatosS.db");

    creaFichero(bin / "DatosS.db");
    auto junto = localizaCatalogo(bin);
    ASSERT_TRUE(junto);
    EXPECT_EQ(*junto, bin / "DatosS.db");
}

TEST(LocalizaCatalogo, MissingEverywhereNamesEveryPlaceLookedIn) {
    const test::TempDir dir;
    const fs::path bin = dir / "bin";
    fs::create_directories(bin);
    // A folder of that name is not a catalogue.
    fs::create_directories(dir / "share" / "tubrix" / "DatosS.db");
    auto r = localizaCatalogo(bin);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().codigo, CodigoError::CatalogoNoDisponible);
    EXPECT_EQ(r.error().mensaje, "No se encuentra el catálogo de tubos \"DatosS.db\". Se ha "
                                 "buscado en:\n    " +
                                     (bin / "DatosS.db").string() + "\n    " +
                                     (dir / "share" / "tubrix" / "DatosS.db").string());

    auto sinCarpeta = localizaCatalogo(fs::path());
    ASSERT_FALSE(sinCarpeta);
    EXPECT_NE(sinCarpeta.error().mensaje.find("no se sabe en qué carpeta"), std::string::npos);
}

} // namespace
} // namespace tubrix
