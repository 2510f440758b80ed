#include "model/campos.h"
#include "model/codigos.h"
#include "model/fichero_proyecto.h"
#include "support/temp_dir.h"

#include <bit>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeAll(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::uint16_t u16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

// Gives every persisted field a distinct value that is awkward to store: negative integers,
// doubles with every bit of the mantissa used, accented text. Codes keep to their lists (the
// last code of each), the other integers go negative or into the thousands.
Proyecto recordWithEveryPersistedFieldSet() {
    Proyecto p;
    int n = 1;
    for (const Campo& c : camposPersistidos()) {
        std::visit(
            [&](auto m) {
                auto& v = p.*m;
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::int16_t>) {
                    const auto lista = Codigos_Admitidos(c.nombre, p);
                    v = lista ? lista->maximo : static_cast<std::int16_t>(n % 2 ? -n : n * 1000);
                } else if constexpr (std::is_same_v<T, double>)
                    v = std::nextafter(n / 3.0, 1e9) * (n % 2 ? -1 : 1);
                else if constexpr (std::is_same_v<T, std::string>)
                    v = "Sección Ñ-" + std::to_string(n) + " «cañería» 25 €";
            },
            c.miembro);
        ++n;
    }
    p.Hay_Cargas_Superficie = -1;
    // The impact factor position depends on the vehicle and the pavement set after it.
    p.Indice_Firme_Irregular = Codigos_Admitidos("Indice_Firme_Irregular", p)->maximo;
    return p;
}

TEST(FicheroProyecto, RoundTripRestoresEveryPersistedFieldBitForBit) {
    test::TempDir dir;
    const Proyecto original = recordWithEveryPersistedFieldSet();
    ASSERT_TRUE(Guarda_Proyecto(original, dir / "obra.tbx"));

    Proyecto leido;
    ASSERT_TRUE(Abre_Proyecto(leido, dir / "obra.tbx"));
    for (const Campo& c : camposPersistidos()) {
        std::visit(
            [&](auto m) {
                using T = std::decay_t<decltype(original.*m)>;
                if constexpr (std::is_same_v<T, double>)
                    EXPECT_EQ(std::bit_cast<std::uint64_t>(leido.*m),
                              std::bit_cast<std::uint64_t>(original.*m))
                        << c.nombre;
                else
                    EXPECT_EQ(leido.*m, original.*m) << c.nombre;
            },
            c.miembro);
    }
    // -1 is stored as FF FF.
    const std::string bytes = readAll(dir / "obra.tbx");
    EXPECT_EQ(u16(bytes, 7296), 0xFFFF);
}

TEST(FicheroProyecto, OpeningFillsOnlyThePersistedFields) {
    test::TempDir dir;
    ASSERT_TRUE(Guarda_Proyecto(recordWithEveryPersistedFieldSet(), dir / "a.tbx"));
    Proyecto p;
    p.Norma = 2;
    p.Sigma_Clave = 7.5;
    p.Fichero = "otro.tbx";
    ASSERT_TRUE(Abre_Proyecto(p, dir / "a.tbx"));
    EXPECT_EQ(p.Norma, 2);
    EXPECT_EQ(p.Sigma_Clave, 7.5);
    EXPECT_EQ(p.Fichero, "otro.tbx");
}

TEST(FicheroProyecto, FileSavedAfterResetHasTheDocumentedBytes) {
    test::TempDir dir;
    Proyecto p;
    Inicializa_Proyecto(p, "12-07-2026");
    ASSERT_TRUE(Guarda_Proyecto(p, dir / "nuevo.tbx"));
    const std::string b = readAll(dir / "nuevo.tbx");
    ASSERT_EQ(b.size(), 7552u);
    EXPECT_EQ(u16(b, 0), 15);
    EXPECT_EQ(b.substr(2, 15), "CORRUGADO(1.0).");
    EXPECT_EQ(u16(b, 128), 0); // empty Texto_Proyecto
    EXPECT_EQ(u16(b, 256), 10);
    EXPECT_EQ(b.substr(258, 10), "12-07-2026");
    EXPECT_EQ(u16(b, 384), 11);
    EXPECT_EQ(u16(b, 512), 1102);
    EXPECT_EQ(u16(b, 640), 798);
    // Padding is zero everywhere after each value.
    for (std::size_t i = 2 + 15; i < 128; ++i)
        EXPECT_EQ(b[i], '\0') << i;
    for (std::size_t i = 256 + 12; i < 384; ++i)
        EXPECT_EQ(b[i], '\0') << i;
}

TEST(FicheroProyecto, TextsAreWindows1252AndCutAt126Bytes) {
    test::TempDir dir;
    Proyecto p;
    Inicializa_Proyecto(p, "12-07-2026");
    p.Texto_Proyecto = "Tubería 中 ok";
    p.Fecha = std::string(200, 'x') + "ñ";
    ASSERT_TRUE(Guarda_Proyecto(p, dir / "t.tbx"));
    const std::string b = readAll(dir / "t.tbx");
    EXPECT_EQ(b.substr(130, u16(b, 128)), "Tuber\xED"
                                          "a ? ok");
    EXPECT_EQ(u16(b, 256), 126);
    Proyecto q;
    ASSERT_TRUE(Abre_Proyecto(q, dir / "t.tbx"));
    EXPECT_EQ(q.Texto_Proyecto, "Tubería ? ok");
    EXPECT_EQ(q.Fecha, std::string(126, 'x'));
    EXPECT_EQ(Textos_Cambiados_Al_Guardar(p),
              (std::vector<std::string>{
                  "El texto de Texto_Proyecto cambia al guardarlo: 1 carácter que el fichero no "
                  "puede guardar se guarda como \"?\".",
                  "El texto de Fecha cambia al guardarlo: se guardan sus 126 primeros caracteres "
                  "de 201."}));
    EXPECT_TRUE(Textos_Cambiados_Al_Guardar(q).empty());
}

TEST(FicheroProyecto, SavingReplacesAnExistingFileCompletely) {
    test::TempDir dir;
    writeAll(dir / "obra.tbx", std::string(10000, 'z'));
    Proyecto p;
    Inicializa_Proyecto(p, "12-07-2026");
    ASSERT_TRUE(Guarda_Proyecto(p, dir / "obra.tbx"));
    EXPECT_EQ(readAll(dir / "obra.tbx"), Codifica_Proyecto(p));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(FicheroProyecto, AFailedSaveKeepsTheOldFile) {
    test::TempDir dir;
    const std::string old = "old content";
    writeAll(dir / "solo_lectura.tbx", old);
    fs::permissions(dir / "solo_lectura.tbx", fs::perms::owner_read | fs::perms::group_read);
    Proyecto p;
    const auto saved = Guarda_Proyecto(p, dir / "solo_lectura.tbx");
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().codigo, CodigoError::FicheroNoEscribible);
    EXPECT_NE(saved.error().mensaje.find("solo lectura"), std::string::npos);
    EXPECT_EQ(readAll(dir / "solo_lectura.tbx"), old);

    const auto missing = Guarda_Proyecto(p, dir / "no_existe" / "obra.tbx");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().mensaje.find("no_existe"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "no_existe"));
}

struct RefusedFile {
    const char* name;
    std::string bytes;
    const char* reason;
};

std::string validFile() {
    Proyecto p;
    Inicializa_Proyecto(p, "12-07-2026");
    return Codifica_Proyecto(p);
}

std::vector<RefusedFile> refusedFiles() {
    std::vector<RefusedFile> cases;
    cases.push_back({"short", validFile().substr(0, 7551), "7551 bytes"});
    cases.push_back({"empty", "", "0 bytes"});
    std::string magic = validFile();
    magic[5] = 'X';
    cases.push_back({"magic", magic, "no empieza por la marca \"CORRUGADO(1.0).\"."});
    cases.push_back({"longer", validFile() + std::string(500, '\x7F'), "ocupa más de los 7552"});
    std::string code = validFile();
    code[1024] = 7; // Tipo_Instalacion
    cases.push_back({"code", code, "Tipo_Instalacion = 7 (valores admitidos: 1 a 3)."});
    std::string longText = validFile();
    longText[128] = 127;
    cases.push_back({"longText", longText, "Texto_Proyecto"});
    std::string nan = validFile();
    const auto bits = std::bit_cast<std::uint64_t>(std::numeric_limits<double>::quiet_NaN());
    for (int i = 0; i < 8; ++i)
        nan[1280 + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    cases.push_back({"nanH", nan, "H no es un número finito"});
    return cases;
}

TEST(FicheroProyecto, EveryRefusalOfTheReaderChangesNoField) {
    test::TempDir dir;
    for (const RefusedFile& c : refusedFiles()) {
        SCOPED_TRACE(c.name);
        writeAll(dir / "malo.tbx", c.bytes);
        Proyecto p = recordWithEveryPersistedFieldSet();
        const Proyecto antes = p;
        const auto opened = Abre_Proyecto(p, dir / "malo.tbx");
        ASSERT_FALSE(opened);
        EXPECT_EQ(opened.error().codigo, CodigoError::FicheroNoValido);
        EXPECT_NE(opened.error().mensaje.find("no es un proyecto válido"), std::string::npos);
        EXPECT_NE(opened.error().mensaje.find(c.reason), std::string::npos)
            << opened.error().mensaje;
        EXPECT_TRUE(p == antes);
    }
}

TEST(FicheroProyecto, AnUnreadableFileIsAnErrorAndChangesNothing) {
    test::TempDir dir;
    Proyecto p;
    const auto opened = Abre_Proyecto(p, dir / "no_hay.tbx");
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.error().codigo, CodigoError::FicheroNoLegible);
    EXPECT_TRUE(p == Proyecto{});
}

TEST(FicheroProyecto, FileNameRule) {
    EXPECT_EQ(Aplica_Extension_Tbx("proyecto"), "proyecto.tbx");
    EXPECT_EQ(Aplica_Extension_Tbx("obra.TBX"), "obra.TBX");
    EXPECT_EQ(Aplica_Extension_Tbx("obra.Tbx"), "obra.Tbx");
    EXPECT_EQ(Aplica_Extension_Tbx("obra.tbx"), "obra.tbx");
    EXPECT_EQ(Aplica_Extension_Tbx("obra.tbx.old"), "obra.tbx.old.tbx");
    EXPECT_EQ(Aplica_Extension_Tbx("tbx"), "tbx.tbx");
    EXPECT_EQ(Aplica_Extension_Tbx(""), ".tbx");
    EXPECT_EQ(Aplica_Extension_Tbx("C:\\obras\\Sección.tbx"), "C:\\obras\\Sección.tbx");
}

} // namespace
} // namespace tubrix
