#include "catalogue/catalogo_sqlite.h"
#include "support/temp_dir.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <fstream>
#include <gtest/gtest.h>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

// A tiny catalogue written with lower-case field names, to show that names are matched
// without regard to case.
constexpr const char* kEsquema = R"(
CREATE TABLE grupos (codigo INTEGER PRIMARY KEY, material TEXT, mostrar INTEGER, et REAL,
                     et_largo REAL, gamma_r REAL, sigma_r REAL, sigma_r_largo REAL);
CREATE TABLE materiales (codigo INTEGER PRIMARY KEY, material TEXT, mostrar INTEGER,
                         saneamiento TEXT, rce REAL);
CREATE TABLE normalizados (id INTEGER, material INTEGER, diametro_n INTEGER, diametro_e REAL,
                           diametro_i REAL, espesor REAL, fibra_n REAL, et REAL, et_largo REAL,
                           rcemin REAL, momento REAL, area REAL, w REAL, tipo TEXT,
                           PRIMARY KEY (material, diametro_n, diametro_e, id));
CREATE TABLE alfa ("RM/S" REAL, V_RB REAL, ALFA_D REAL);
CREATE TABLE cd (codigo INTEGER);
)";

constexpr const char* kDatos = R"(
INSERT INTO grupos VALUES (6, 'PVC-U', 1, 3600, 1750, 13.8, 90, 50);
INSERT INTO grupos VALUES (7, 'PE', 0, 800, 160, 9.4, 21, 14);
INSERT INTO grupos VALUES (5, 'Acero', NULL, 210000, 210000, 78.5, 235, 235);
INSERT INTO grupos VALUES (11, 'Corrugado', 1, 800, 160, 9.4, 21, 14);
INSERT INTO materiales VALUES (600, 'del grupo 5', 1, 'S', NULL);
INSERT INTO materiales VALUES (601, 'SN 2', 1, 'S', 2000);
INSERT INTO materiales VALUES (602, 'oculta', 0, 'S', 4000);
INSERT INTO materiales VALUES (603, 'minúscula', 1, 's', 8000);
INSERT INTO materiales VALUES (604, 'vacía', 1, '', 8000);
INSERT INTO materiales VALUES (700, 'SN 16 (última del grupo 6)', 1, NULL, 16000);
INSERT INTO materiales VALUES (701, 'PE', 1, 'P', NULL);
INSERT INTO materiales VALUES (1102, 'Corrugado PE', 1, 'S', NULL);
INSERT INTO normalizados VALUES (30, 601, 400, 400, 380.4, 9.8, 390.2, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO normalizados VALUES (10, 601, 400, 400, 376.6, 11.7, 388.3, NULL, NULL, NULL, NULL, NULL, NULL, '');
INSERT INTO normalizados VALUES (20, 601, 315, 315, 299.6, 7.7, 307.3, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO normalizados VALUES (5, 601, 400, 399, 375, 12, 387, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO normalizados VALUES (40, 601, 400, 400, 370, 15, 385, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO normalizados VALUES (798, 1102, 400, 400, 343, 28.5, 360.6, 800, 160, 8, 0.0004, 6300, 100, 'SN-8');
INSERT INTO alfa VALUES (10, 0.01, 5);
INSERT INTO alfa VALUES (50, 0.1, 3);
INSERT INTO alfa VALUES (10, 0.1, 3);
INSERT INTO alfa VALUES (50, 0.01, 20);
)";

class CatalogoFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SQLite::Database db((dir / "DatosS.db").string(),
                            SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY;");
        db.exec(kEsquema);
        db.exec(kDatos);
    }
    Catalogo abre() {
        auto c = abreCatalogo(dir / "DatosS.db");
        if (!c)
            ADD_FAILURE() << c.error().mensaje;
        return std::move(*c);
    }
    test::TempDir dir;
};

TEST_F(CatalogoFixture, GroupListShowsOnlyGroupsToShowInCodeOrder) {
    const auto grupos = abre().listaGrupos();
    ASSERT_EQ(grupos.size(), 2u);
    EXPECT_EQ(grupos[0].codigo, 6);
    EXPECT_EQ(grupos[0].texto, "PVC-U");
    EXPECT_EQ(grupos[1].codigo, 11);
}

TEST_F(CatalogoFixture, SubClassesOfAGroupRunFromG100Plus1ToG100Plus100) {
    const Catalogo c = abre();
    const auto sub = c.listaSubclases(6);
    ASSERT_EQ(sub.size(), 4u);
    EXPECT_EQ(sub[0].codigo, 601);
    EXPECT_EQ(sub[1].codigo, 603); // 602 is hidden, 600 belongs to group 5
    EXPECT_EQ(sub[3].codigo, 700);
    EXPECT_TRUE(sub[0].saneamiento);
    EXPECT_FALSE(sub[1].saneamiento) << "lower-case s marks a pressure conduit";
    EXPECT_FALSE(sub[2].saneamiento) << "an empty value marks a pressure conduit";
    EXPECT_FALSE(sub[3].saneamiento) << "a null value marks a pressure conduit";
    ASSERT_EQ(c.listaSubclases(5).size(), 1u);
    EXPECT_EQ(c.listaSubclases(5)[0].codigo, 600);
    EXPECT_EQ(c.listaSubclases(7).size(), 1u);
}

TEST_F(CatalogoFixture, PipesAreOrderedByDnThenOutsideDiameterThenCode) {
    const Catalogo c = abre();
    std::vector<std::int16_t> codigos;
    for (const auto& e : c.listaTubos(601))
        codigos.push_back(e.codigo);
    EXPECT_EQ(codigos, (std::vector<std::int16_t>{20, 5, 10, 30, 40}));
    EXPECT_EQ(c.listaTubos(601)[0].diametroN, 315);
}

TEST_F(CatalogoFixture, FindPipeLeavesThePrimaryOrder) {
    const Catalogo c = abre();
    const TuboNormalizado* t = c.Busca_Tubo(798);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->material, 1102);
    EXPECT_EQ(t->tipo, "SN-8");
    EXPECT_DOUBLE_EQ(t->area, 6300);
    EXPECT_EQ(c.Busca_Tubo(10)->tipo, "");
    EXPECT_EQ(c.Busca_Tubo(30)->et, 0.0) << "null reads as 0";
    EXPECT_EQ(c.Busca_Tubo(999), nullptr);
    EXPECT_EQ(c.listaTubos(601).front().codigo, 20);
    ASSERT_NE(c.buscaGrupo(7), nullptr);
    EXPECT_FALSE(c.buscaGrupo(7)->mostrar);
    EXPECT_FALSE(c.buscaGrupo(5)->mostrar) << "null counts as false";
    EXPECT_DOUBLE_EQ(c.buscaSubclase(603)->rce, 8000);
}

TEST_F(CatalogoFixture, AlfaIsReadInKeyOrder) {
    const Catalogo c = abre();
    const auto alfa = c.tablaAlfa();
    ASSERT_EQ(alfa.size(), 4u);
    EXPECT_EQ(alfa[0].rmS, 50);
    EXPECT_EQ(alfa[0].vRb, 0.1);
    EXPECT_EQ(alfa[1].vRb, 0.01);
    EXPECT_EQ(alfa[1].alfaD, 20);
    EXPECT_EQ(alfa[3].rmS, 10);
}

TEST_F(CatalogoFixture, TheCatalogueIsOpenedReadOnly) {
    const auto before = fs::last_write_time(dir / "DatosS.db");
    { const Catalogo c = abre(); }
    EXPECT_EQ(fs::last_write_time(dir / "DatosS.db"), before);
}

TEST(Catalogo, MissingFileNamesThePath) {
    test::TempDir dir;
    const auto c = abreCatalogo(dir / "DatosS.db");
    ASSERT_FALSE(c);
    EXPECT_EQ(c.error().codigo, CodigoError::CatalogoNoDisponible);
    EXPECT_NE(c.error().mensaje.find((dir / "DatosS.db").string()), std::string::npos);
}

TEST(Catalogo, DamagedFileNamesThePathAndTheReason) {
    test::TempDir dir;
    std::ofstream(dir / "DatosS.db") << std::string(4096, 'x');
    const auto garbage = abreCatalogo(dir / "DatosS.db");
    ASSERT_FALSE(garbage);
    EXPECT_EQ(garbage.error().codigo, CodigoError::CatalogoDanado);
    EXPECT_NE(garbage.error().mensaje.find("DatosS.db"), std::string::npos);

    fs::remove(dir / "DatosS.db");
    {
        SQLite::Database db((dir / "DatosS.db").string(),
                            SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec(kEsquema);
        db.exec("ALTER TABLE normalizados DROP COLUMN tipo");
    }
    const auto noColumn = abreCatalogo(dir / "DatosS.db");
    ASSERT_FALSE(noColumn);
    EXPECT_NE(noColumn.error().mensaje.find("Tipo"), std::string::npos) << noColumn.error().mensaje;

    fs::remove(dir / "DatosS.db");
    {
        SQLite::Database db((dir / "DatosS.db").string(),
                            SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec(kEsquema);
        db.exec("DROP TABLE cd");
    }
    const auto noTable = abreCatalogo(dir / "DatosS.db");
    ASSERT_FALSE(noTable);
    EXPECT_NE(noTable.error().mensaje.find("Cd"), std::string::npos) << noTable.error().mensaje;
}

// SQLite keeps a text in a numeric column; reading it as 0 would calculate with a pipe that
// does not exist.
TEST_F(CatalogoFixture, ATextInANumericColumnIsRefusedNamingTableRowAndColumn) {
    struct Caso {
        const char* sql;
        const char* donde;
    };
    for (const Caso& c : {Caso{"UPDATE normalizados SET espesor = 'abc' WHERE id = 30",
                               "tabla NORMALIZADOS, fila ID 30, columna ESPESOR: el valor \"abc\" "
                               "no es un número"},
                          Caso{"UPDATE normalizados SET id = '3O' WHERE id = 30",
                               "tabla NORMALIZADOS, fila 5, columna ID: el código \"3O\""},
                          Caso{"UPDATE grupos SET sigma_r = '1e308' WHERE codigo = 6",
                               "tabla GRUPOS, fila CODIGO 6, columna Sigma_R: vale 1e+308"},
                          Caso{"UPDATE normalizados SET material = 601.5 WHERE id = 30",
                               "fila ID 30, columna MATERIAL"}}) {
        SCOPED_TRACE(c.sql);
        fs::remove(dir / "DatosS.db");
        {
            SQLite::Database db((dir / "DatosS.db").string(),
                                SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            db.exec(kEsquema);
            db.exec(kDatos);
            db.exec(c.sql);
        }
        const auto abierto = abreCatalogo(dir / "DatosS.db");
        ASSERT_FALSE(abierto);
        EXPECT_EQ(abierto.error().codigo, CodigoError::CatalogoDanado);
        EXPECT_NE(abierto.error().mensaje.find(c.donde), std::string::npos)
            << abierto.error().mensaje;
    }
}

TEST(Catalogo, PathsWithSpacesAndAccentsOpen) {
    test::TempDir dir;
    const fs::path folder = dir.path() / fs::path(u8"obras año 2026 #1 ?x");
    fs::create_directories(folder);
    {
        SQLite::Database db((folder / "DatosS.db").string(),
                            SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec(kEsquema);
    }
    const auto c = abreCatalogo(folder / "DatosS.db");
    EXPECT_TRUE(c) << c.error().mensaje;
}

} // namespace
} // namespace tubrix
