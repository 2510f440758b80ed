#include "pintor_tablas.h"

#include "hojas_apaisadas.h"
#include "tablas/textos_tabla.h"

#include <algorithm>

#include <QPagedPaintDevice>
#include <QPainter>

namespace tubrix {
namespace {

// The pipe's columns (DN, class, SN), mm; the cases share what is left.
constexpr double kAnchoDn = 13;
constexpr double kAnchoClase = 52;
constexpr double kAnchoRigidez = 17;
constexpr double kAnchoMinimoCaso = 24; // "10,00 – 20,00" at 7.5 pt with room
constexpr double kAnchoEtiqueta = 78;   // label column of the assumptions

QString qs(const std::string& texto) {
    return QString::fromStdString(texto);
}

MetadatosPdf metadatosTablas(const OpcionesPdfTabla& opciones) {
    return metadatosPdf(QStringLiteral("Cálculo tubrix de tuberías: tablas de recubrimiento ") +
                            opciones.cabecera.titulo,
                        opciones.cabecera, "Tablas de recubrimiento admisible");
}

// One table block: a traffic case and the columns of its cases that fit across the page.
struct Bloque {
    std::int16_t trafico = 0;
    std::vector<std::size_t> casos;
    int parte = 0; // 1, 2… when the cases of one traffic need more than one block; else 0
};

// The content of the pages: the assumptions, then a table block after another.
class PintorTablas {
public:
    PintorTablas(HojasApaisadas& hojas, const Proyecto& base, const Catalogo& catalogo,
                 const TablaRecubrimiento& tabla, const Separadores& separadores)
        : m_hojas(hojas), m_base(base), m_catalogo(catalogo), m_tabla(tabla), m_sep(separadores) {}

    Resultado<void> pinta() {
        primeraPagina();
        for (const Bloque& b : bloques())
            if (auto r = pintaBloque(b); !r)
                return r;
        return {};
    }

private:
    double resto() const { return m_hojas.anchoMm() - kAnchoDn - kAnchoClase - kAnchoRigidez; }

    std::vector<ColumnaHoja> columnas(const Bloque& b) const {
        // The ranges centred under their headings; the pipe's columns as text and numbers.
        std::vector<ColumnaHoja> c = {{kAnchoDn, Qt::AlignRight, Qt::AlignLeft},
                                      {kAnchoClase, Qt::AlignLeft, Qt::AlignLeft},
                                      {kAnchoRigidez, Qt::AlignRight, Qt::AlignLeft}};
        const double ancho = b.casos.empty()
                                 ? resto()
                                 : std::min(resto() / static_cast<double>(b.casos.size()), 40.0);
        c.insert(c.end(), b.casos.size(), {ancho, Qt::AlignHCenter, Qt::AlignHCenter});
        return c;
    }

    std::vector<Bloque> bloques() const {
        const auto porBloque =
            std::max<std::size_t>(1, static_cast<std::size_t>(resto() / kAnchoMinimoCaso));
        std::vector<Bloque> lista;
        for (const std::int16_t trafico : traficosDeLaTabla(m_tabla)) {
            const std::vector<std::size_t> casos = casosDelTrafico(m_tabla, trafico);
            const std::size_t partes = (casos.size() + porBloque - 1) / porBloque;
            for (std::size_t i = 0; i < partes; ++i) {
                Bloque b;
                b.trafico = trafico;
                b.parte = partes > 1 ? static_cast<int>(i + 1) : 0;
                b.casos.assign(casos.begin() + static_cast<std::ptrdiff_t>(i * porBloque),
                               casos.begin() + static_cast<std::ptrdiff_t>(
                                                   std::min(casos.size(), (i + 1) * porBloque)));
                lista.push_back(std::move(b));
            }
        }
        return lista;
    }

    void primeraPagina() {
        const double ancho = m_hojas.anchoMm();
        m_hojas.fuente(12, true);
        m_hojas.parrafo(0, ancho, QStringLiteral("TABLAS DE RECUBRIMIENTO ADMISIBLE"));
        m_hojas.baja(1);
        m_hojas.fuente(10, false);
        m_hojas.parrafo(0, ancho, qs(textoSerie(m_tabla.serie, m_catalogo)));
        m_hojas.baja(3);
        m_hojas.fuente(10, true);
        m_hojas.parrafo(0, ancho, QStringLiteral("Hipótesis fijas (datos de la sección base)"));
        m_hojas.baja(1);
        m_hojas.fuente(9, false);
        for (const Hipotesis& h : Hipotesis_Tabla(m_base, m_catalogo, m_tabla, m_sep)) {
            const double y = m_hojas.y();
            m_hojas.parrafo(0, kAnchoEtiqueta - 2, qs(h.etiqueta));
            const double yEtiqueta = m_hojas.y();
            m_hojas.ponY(y);
            m_hojas.parrafo(kAnchoEtiqueta, ancho - kAnchoEtiqueta, qs(h.valor));
            m_hojas.ponY(std::max(m_hojas.y(), yEtiqueta));
        }
        m_hojas.baja(2);
        m_hojas.parrafo(0, ancho, qs(std::string(leyendaTabla())));
        m_hojas.baja(4);
    }

    QString tituloBloque(const Bloque& b, bool continuacion) const {
        QString t = QStringLiteral("Tráfico: ") + qs(textoTrafico(b.trafico));
        if (b.parte)
            t += QStringLiteral(" (%1.ª parte de las columnas)").arg(b.parte);
        if (continuacion)
            t += QStringLiteral(" (continuación)");
        return t;
    }

    Resultado<void> pintaBloque(const Bloque& b) {
        TablaHoja t;
        t.titulo = tituloBloque(b, false);
        t.tituloContinuacion = tituloBloque(b, true);
        t.columnas = columnas(b);
        t.cabecera = {"DN", "Clase", "SN (kN/m2)"};
        for (const std::size_t c : b.casos)
            t.cabecera.push_back(textoCondicion(m_tabla.casos[c], m_sep));
        for (std::size_t i = 0; i < m_tabla.tubos.size(); ++i) {
            const TuboSerie& tubo = m_tabla.tubos[i];
            std::vector<std::string> celdas = {std::to_string(tubo.diametroNominal), tubo.clase,
                                               textoRigidez(tubo, m_sep)};
            for (const std::size_t c : b.casos)
                celdas.push_back(textoCelda(m_tabla.celdas[i][c], m_sep));
            t.filas.push_back(std::move(celdas));
        }
        if (auto r = m_hojas.tabla(t); !r)
            return r;
        m_hojas.baja(2);
        // The notes of a traffic case follow its last block.
        const bool ultimo =
            b.parte == 0 || b.casos.back() == casosDelTrafico(m_tabla, b.trafico).back();
        const std::vector<std::string> notas =
            ultimo ? Notas_Del_Trafico(m_tabla, b.trafico, m_sep) : std::vector<std::string>();
        for (const std::string& nota : notas) {
            const QString texto = qs(nota);
            m_hojas.fuente(7.5, false);
            if (auto r = m_hojas.sitio(m_hojas.altoTexto(texto, m_hojas.anchoMm())); !r)
                return r;
            m_hojas.fuente(7.5, false);
            m_hojas.parrafo(0, m_hojas.anchoMm(), texto);
        }
        m_hojas.baja(5);
        return {};
    }

    HojasApaisadas& m_hojas;
    const Proyecto& m_base;
    const Catalogo& m_catalogo;
    const TablaRecubrimiento& m_tabla;
    const Separadores& m_sep;
};

} // namespace

Resultado<void> pintaTabla(QPagedPaintDevice& dispositivo, const Proyecto& base,
                           const Catalogo& catalogo, const TablaRecubrimiento& tabla,
                           const OpcionesPdfTabla& opciones) {
    dispositivo.setPageLayout(disposicionA4(QPageLayout::Landscape));
    QPainter painter;
    if (!painter.begin(&dispositivo))
        return falla(CodigoError::FicheroNoEscribible,
                     "No se pueden empezar a imprimir las tablas de recubrimiento.");
    HojasApaisadas hojas(painter, dispositivo,
                         {QStringLiteral("Cálculo tubrix de tuberías. Tablas de recubrimiento."),
                          opciones.cabecera, true});
    PintorTablas pintor(hojas, base, catalogo, tabla, opciones.separadores);
    auto pintado = hojas.pinta([&] { return pintor.pinta(); });
    painter.end();
    return pintado;
}

Resultado<std::string> pdfTabla(const Proyecto& base, const Catalogo& catalogo,
                                const TablaRecubrimiento& tabla, const OpcionesPdfTabla& opciones) {
    return pdfVectorial(metadatosTablas(opciones),
                        [&](QPagedPaintDevice& pdf, std::vector<MarcadorPdf>&) {
                            return pintaTabla(pdf, base, catalogo, tabla, opciones);
                        });
}

Resultado<void> escribePdfTabla(const Proyecto& base, const Catalogo& catalogo,
                                const TablaRecubrimiento& tabla, const OpcionesPdfTabla& opciones,
                                const std::filesystem::path& fichero) {
    return escribePdfVectorial(fichero, metadatosTablas(opciones),
                               "No se pueden escribir las tablas",
                               [&](QPagedPaintDevice& pdf, std::vector<MarcadorPdf>&) {
                                   return pintaTabla(pdf, base, catalogo, tabla, opciones);
                               });
}

} // namespace tubrix
