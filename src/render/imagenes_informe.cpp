#include "imagenes_informe.h"

#include "pintor_informe.h"
#include "util/paths.h"
#include "util/system_error_text.h"

#include <cstdio>
#include <system_error>

#include <QImage>
#include <QTemporaryDir>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

std::string nombrePagina(std::size_t indice, FormatoImagen formato) {
    char nombre[32];
    std::snprintf(nombre, sizeof nombre, "Imp%02zu.", indice + 1);
    return nombre + std::string(extensionImagen(formato));
}

// The pages moved into the folder and the earlier images set aside, so that a failure can put
// everything back.
class Colocacion {
public:
    Colocacion(fs::path carpeta, fs::path apartadas)
        : m_carpeta(std::move(carpeta)), m_apartadas(std::move(apartadas)) {}

    // The new page `nueva` replaces `nombre` in the folder.
    Resultado<void> coloca(const fs::path& nueva, const std::string& nombre) {
        const fs::path destino = m_carpeta / nombre;
        std::error_code error;
        const fs::file_status estado = fs::symlink_status(destino, error);
        if (fs::exists(estado)) {
            if (!fs::is_regular_file(estado) && !fs::is_symlink(estado))
                return falla(CodigoError::FicheroNoEscribible,
                             "No se puede guardar la imagen \"" + utf8FromPath(destino) +
                                 "\": ya existe con ese nombre algo que no es un fichero.");
            fs::rename(destino, m_apartadas / nombre, error);
            if (error)
                return fallo(destino, error);
            m_apartados.push_back(nombre);
        }
        fs::rename(nueva, destino, error);
        if (error)
            return fallo(destino, error);
        m_colocados.push_back(nombre);
        return {};
    }

    // Takes the new pages out and puts the earlier ones back.
    void deshaz() {
        std::error_code error;
        for (const std::string& nombre : m_colocados)
            fs::remove(m_carpeta / nombre, error);
        for (const std::string& nombre : m_apartados)
            fs::rename(m_apartadas / nombre, m_carpeta / nombre, error);
    }

private:
    static tl::unexpected<Error> fallo(const fs::path& destino, const std::error_code& error) {
        return falla(CodigoError::FicheroNoEscribible, "No se ha podido guardar la imagen \"" +
                                                           utf8FromPath(destino) +
                                                           "\": " + systemErrorText(error) + ".");
    }

    fs::path m_carpeta;
    fs::path m_apartadas;
    std::vector<std::string> m_colocados;
    std::vector<std::string> m_apartados;
};

} // namespace

std::string_view extensionImagen(FormatoImagen formato) {
    return formato == FormatoImagen::Png ? "png" : "bmp";
}

Resultado<std::vector<fs::path>> escribeImagenes(const Informe& informe,
                                                 const CabeceraInforme& cabecera,
                                                 const fs::path& carpeta, FormatoImagen formato) {
    std::error_code error;
    if (!fs::is_directory(carpeta, error))
        return falla(CodigoError::FicheroNoEscribible,
                     "La carpeta \"" + utf8FromPath(carpeta) + "\" no existe.");
    const QTemporaryDir temporal(QString::fromStdString(utf8FromPath(carpeta / ".tubrix-XXXXXX")));
    if (!temporal.isValid())
        return falla(CodigoError::FicheroNoEscribible,
                     "No se pueden escribir las imágenes en la carpeta \"" + utf8FromPath(carpeta) +
                         "\": " + temporal.errorString().toStdString() + ".");
    const fs::path nuevas = pathFromUtf8(temporal.path().toStdString());
    const fs::path apartadas = nuevas / "anteriores";
    fs::create_directory(apartadas, error);
    if (error)
        return falla(CodigoError::FicheroNoEscribible,
                     "No se pueden escribir las imágenes en la carpeta \"" + utf8FromPath(carpeta) +
                         "\": " + systemErrorText(error) + ".");

    const PintorInforme pintor(informe, cabecera, SalidaInforme::Imagenes);
    const char* tipo = formato == FormatoImagen::Png ? "PNG" : "BMP";
    std::vector<std::string> nombres;
    for (std::size_t i = 0; i < pintor.paginas(); ++i) {
        nombres.push_back(nombrePagina(i, formato));
        const fs::path fichero = nuevas / nombres.back();
        if (!pintor.imagenDePagina(i).save(QString::fromStdString(utf8FromPath(fichero)), tipo))
            return falla(CodigoError::FicheroNoEscribible,
                         "No se ha podido guardar la imagen \"" +
                             utf8FromPath(carpeta / nombres.back()) +
                             "\" (¿queda espacio en el disco?). No se ha guardado ninguna imagen.");
    }

    Colocacion colocacion(carpeta, apartadas);
    std::vector<fs::path> escritas;
    for (const std::string& nombre : nombres) {
        if (auto colocada = colocacion.coloca(nuevas / nombre, nombre); !colocada) {
            colocacion.deshaz();
            return falla(colocada.error().codigo,
                         colocada.error().mensaje + " No se ha guardado ninguna imagen.");
        }
        escritas.push_back(carpeta / nombre);
    }
    return escritas;
}

} // namespace tubrix
