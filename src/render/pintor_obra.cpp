#include "pintor_obra.h"

#include "hojas_apaisadas.h"
#include "obra/tabla_obra.h"
#include "report/informe.h"

#include <algorithm>
#include <array>
#include <numeric>

#include <QPagedPaintDevice>
#include <QPainter>

namespace tubrix {
namespace {

// Widths of the summary columns, mm, in the order of the table; the last takes what is left.
constexpr std::array<double, static_cast<std::size_t>(ColumnaObra::Numero)> kAnchos = {
    22, 17, 18, 27, 15, 14, 14, 14, 14, 14, 14, 12, 12, 38, 0};

QString qs(const std::string& texto) {
    return QString::fromStdString(texto);
}

// The landscape summary pages: the summary sentences, then the table of every reach.
Resultado<void> pintaResumen(HojasApaisadas& hojas, const std::vector<std::string>& lineas,
                             const TablaObra& tabla) {
    hojas.fuente(10, false);
    for (const std::string& linea : lineas)
        hojas.linea(0, qs(linea));
    hojas.baja(3);
    TablaHoja t;
    for (const double ancho : kAnchos)
        t.columnas.push_back({ancho});
    t.columnas.back().anchoMm =
        std::max(20.0, hojas.anchoMm() - std::accumulate(kAnchos.begin(), kAnchos.end(), 0.0));
    t.cabecera = tabla.cabecera;
    t.filas = tabla.filas;
    return hojas.tabla(t);
}

// The full report of each reach that was calculated, at the end that governs it.
Resultado<void> pintaInformes(QPainter& painter, QPagedPaintDevice& dispositivo, const Obra& obra,
                              const ResultadoObra& resultado, const Catalogo& catalogo,
                              const OpcionesPdfObra& opciones, int primeraPagina,
                              std::vector<MarcadorPdf>* marcadores) {
    int pagina = primeraPagina;
    for (const ResultadoTramo& t : resultado.tramos) {
        const CalculoExtremo& gobierna = t.gobierna();
        if (gobierna.rechazo)
            continue;
        auto seccion = Seccion_Del_Tramo(obra, t.indice, catalogo, gobierna.extremo);
        if (!seccion || Calcula_Seccion(*seccion, catalogo))
            continue;
        const Informe informe =
            Contenido_Informe(*seccion, catalogo, opciones.separadores, SalidaInforme::Impresora);
        QString tramo = qs(t.nombre);
        if (gobierna.extremo != Extremo::Unico)
            tramo += QStringLiteral(" (extremo %1)")
                         .arg(qs(std::string(nombreExtremo(gobierna.extremo))));
        PintorInforme pintor(informe, opciones.cabecera, SalidaInforme::Impresora);
        pintor.ponTramo(tramo);
        if (auto pintado = pintor.pintaCon(painter, dispositivo, true); !pintado)
            return pintado;
        if (marcadores)
            marcadores->push_back({"Tramo " + tramo.toStdString(), pagina, 0});
        pagina += static_cast<int>(pintor.paginas());
    }
    return {};
}

} // namespace

Resultado<void> pintaObra(QPagedPaintDevice& dispositivo, const Obra& obra,
                          const ResultadoObra& resultado, const Catalogo& catalogo,
                          const OpcionesPdfObra& opciones, std::vector<MarcadorPdf>* marcadores) {
    dispositivo.setPageLayout(disposicionA4(QPageLayout::Landscape));
    QPainter painter;
    if (!painter.begin(&dispositivo))
        return falla(CodigoError::FicheroNoEscribible,
                     "No se puede empezar a imprimir el resumen de la obra.");
    HojasApaisadas hojas(painter, dispositivo,
                         {QStringLiteral("Cálculo tubrix de tuberías. Resumen de la obra."),
                          opciones.cabecera, false});
    auto pintado = hojas.pinta([&] {
        return pintaResumen(hojas, Lineas_Resumen_Obra(resultado, opciones.separadores),
                            Tabla_Obra(resultado.tramos, opciones.separadores));
    });
    if (marcadores)
        marcadores->push_back({"Resumen de la obra", 0, 0});
    if (pintado && opciones.informes) {
        // The reports keep their portrait pages; the layout holds from the next page on.
        dispositivo.setPageLayout(disposicionA4(QPageLayout::Portrait));
        pintado = pintaInformes(painter, dispositivo, obra, resultado, catalogo, opciones,
                                hojas.paginasPintadas(), marcadores);
    }
    painter.end();
    return pintado;
}

Resultado<void> escribePdfObra(const Obra& obra, const ResultadoObra& resultado,
                               const Catalogo& catalogo, const OpcionesPdfObra& opciones,
                               const std::filesystem::path& fichero) {
    const std::size_t n = resultado.tramos.size();
    const MetadatosPdf metadatos = metadatosPdf(
        QStringLiteral("Cálculo tubrix de tuberías: obra ") + opciones.cabecera.titulo,
        opciones.cabecera,
        "Verificación de una obra de " + std::to_string(n) + (n == 1 ? " tramo" : " tramos"));
    return escribePdfVectorial(fichero, metadatos, "No se puede escribir el resumen",
                               [&](QPagedPaintDevice& pdf, std::vector<MarcadorPdf>& marcadores) {
                                   return pintaObra(pdf, obra, resultado, catalogo, opciones,
                                                    &marcadores);
                               });
}

} // namespace tubrix
