#include "pintor_tablas.h"

#include "tablas/textos_tabla.h"
#include "util/atomic_file.h"
#include "util/paths.h"

#include <algorithm>
#include <numeric>

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace tubrix {
namespace {

constexpr double kMmPorPulgada = 25.4;
constexpr double kMargenMm = 10;
constexpr double kRellenoMm = 0.8; // inside each cell of the table
// The pipe's columns (DN, class, SN), mm; the cases share what is left.
constexpr double kAnchoDn = 13;
constexpr double kAnchoClase = 52;
constexpr double kAnchoRigidez = 17;
constexpr double kAnchoMinimoCaso = 24; // "10,00 – 20,00" at 7.5 pt with room
constexpr double kAnchoEtiqueta = 78;   // label column of the assumptions

QString qs(const std::string& texto) {
    return QString::fromStdString(texto);
}

// One table block: a traffic case and the columns of its cases that fit across the page.
struct Bloque {
    std::int16_t trafico = 0;
    std::vector<std::size_t> casos;
    int parte = 0; // 1, 2… when the cases of one traffic need more than one block; else 0
};

// Paints the pages in millimetres. Runs twice: first without painting, to count the pages
// for "Hoja n de N", then painting.
class PintorTablas {
public:
    PintorTablas(QPainter& painter, QPagedPaintDevice& dispositivo, const Proyecto& base,
                 const Catalogo& catalogo, const TablaRecubrimiento& tabla,
                 const OpcionesPdfTabla& opciones)
        : m_p(painter), m_dispositivo(dispositivo), m_base(base), m_catalogo(catalogo),
          m_tabla(tabla), m_opciones(opciones) {
        const QRectF util = dispositivo.pageLayout().paintRect(QPageLayout::Millimeter);
        m_anchoMm = util.width();
        m_altoMm = util.height();
    }

    Resultado<void> pinta() {
        m_pintar = false;
        if (auto r = recorre(); !r)
            return r;
        m_paginas = m_pagina;
        m_pintar = true;
        return recorre();
    }

private:
    const Separadores& sep() const { return m_opciones.separadores; }

    double u(double mm) const { return mm * m_dispositivo.logicalDpiX() / kMmPorPulgada; }
    double mm(double unidades) const { return unidades / u(1); }

    void fuente(double puntos, bool negrita) {
        QFont f(QStringLiteral("Times New Roman"), 10);
        f.setStyleHint(QFont::Serif);
        f.setPointSizeF(puntos);
        f.setBold(negrita);
        m_p.setFont(f);
    }

    double altoTexto(const QString& t, double anchoMm) const {
        const QFontMetricsF medidas(m_p.font(), &m_dispositivo);
        return mm(medidas
                      .boundingRect(QRectF(0, 0, u(anchoMm), 1e9),
                                    Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, t)
                      .height());
    }

    // A paragraph at x, wrapped to the width, then down.
    void parrafo(double xMm, double anchoMm, const QString& t) {
        const double alto = altoTexto(t, anchoMm);
        if (m_pintar)
            m_p.drawText(QRectF(u(xMm), u(m_y), u(anchoMm), u(alto) + 1),
                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, t);
        m_y += alto;
    }

    void regla(double grosor) {
        if (!m_pintar)
            return;
        m_p.save();
        m_p.setPen(QPen(Qt::black, u(grosor)));
        m_p.drawLine(QPointF(0, u(m_y)), QPointF(u(m_anchoMm), u(m_y)));
        m_p.restore();
    }

    void cabecera() {
        m_y = 0;
        ++m_pagina;
        regla(0.25);
        m_y += 1;
        const double y = m_y;
        fuente(10, true);
        parrafo(2, 110, QStringLiteral("Cálculo tubrix de tuberías. Tablas de recubrimiento."));
        fuente(10, false);
        m_y = y;
        parrafo(120, 80, QStringLiteral("Titulo: ") + m_opciones.cabecera.titulo);
        m_y = y;
        parrafo(200, 50, QStringLiteral("Autor: ") + m_opciones.cabecera.autor);
        m_y = y;
        parrafo(m_anchoMm - 27, 27,
                QStringLiteral("Hoja %1 de %2").arg(m_pagina).arg(std::max(m_paginas, m_pagina)));
        m_y += 1;
        regla(0.25);
        m_y += 3;
    }

    Resultado<void> paginaNueva() {
        if (m_pintar && !m_dispositivo.newPage())
            return falla(CodigoError::FicheroNoEscribible, "No se ha podido pasar de página.");
        cabecera();
        return {};
    }

    // Moves to a new page unless `altoMm` still fits on this one.
    Resultado<void> sitio(double altoMm) {
        if (m_y + altoMm <= m_altoMm)
            return {};
        return paginaNueva();
    }

    std::vector<double> anchos(const Bloque& b) const {
        std::vector<double> a = {kAnchoDn, kAnchoClase, kAnchoRigidez};
        const double resto = m_anchoMm - kAnchoDn - kAnchoClase - kAnchoRigidez;
        const double ancho =
            b.casos.empty() ? resto : std::min(resto / static_cast<double>(b.casos.size()), 40.0);
        a.insert(a.end(), b.casos.size(), ancho);
        return a;
    }

    double altoFila(const std::vector<std::string>& celdas, const std::vector<double>& a,
                    bool negrita) {
        fuente(7.5, negrita);
        double alto = 0;
        for (std::size_t c = 0; c < celdas.size(); ++c)
            alto = std::max(alto, altoTexto(qs(celdas[c]), a[c] - 2 * kRellenoMm));
        return alto + 2 * kRellenoMm;
    }

    void fila(const std::vector<std::string>& celdas, const std::vector<double>& a, bool titulo) {
        const double alto = altoFila(celdas, a, titulo);
        if (m_pintar) {
            double x = 0;
            for (std::size_t c = 0; c < celdas.size(); ++c) {
                const QRectF caja(u(x + kRellenoMm), u(m_y + kRellenoMm), u(a[c] - 2 * kRellenoMm),
                                  u(alto));
                // The ranges centred under their headings; the pipe's columns as text and
                // numbers.
                const Qt::Alignment lado = c >= 3             ? Qt::AlignHCenter
                                           : c == 1 || titulo ? Qt::AlignLeft
                                                              : Qt::AlignRight;
                m_p.drawText(caja, Qt::TextWordWrap | lado | Qt::AlignTop, qs(celdas[c]));
                x += a[c];
            }
        }
        m_y += alto;
        regla(titulo ? 0.3 : 0.1);
    }

    std::vector<Bloque> bloques() const {
        const double resto = m_anchoMm - kAnchoDn - kAnchoClase - kAnchoRigidez;
        const auto porBloque =
            std::max<std::size_t>(1, static_cast<std::size_t>(resto / kAnchoMinimoCaso));
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
        fuente(12, true);
        parrafo(0, m_anchoMm, QStringLiteral("TABLAS DE RECUBRIMIENTO ADMISIBLE"));
        m_y += 1;
        fuente(10, false);
        parrafo(0, m_anchoMm, qs(textoSerie(m_tabla.serie, m_catalogo)));
        m_y += 3;
        fuente(10, true);
        parrafo(0, m_anchoMm, QStringLiteral("Hipótesis fijas (datos de la sección base)"));
        m_y += 1;
        fuente(9, false);
        for (const Hipotesis& h : Hipotesis_Tabla(m_base, m_catalogo, m_tabla, sep())) {
            const double y = m_y;
            parrafo(0, kAnchoEtiqueta - 2, qs(h.etiqueta));
            const double yEtiqueta = m_y;
            m_y = y;
            parrafo(kAnchoEtiqueta, m_anchoMm - kAnchoEtiqueta, qs(h.valor));
            m_y = std::max(m_y, yEtiqueta);
        }
        m_y += 2;
        parrafo(0, m_anchoMm, qs(std::string(leyendaTabla())));
        m_y += 4;
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
        const std::vector<double> a = anchos(b);
        std::vector<std::string> cabeceraFila = {"DN", "Clase", "SN (kN/m2)"};
        for (const std::size_t c : b.casos)
            cabeceraFila.push_back(textoCondicion(m_tabla.casos[c], sep()));
        const auto titulo = [&](bool continuacion) {
            fuente(10, true);
            parrafo(0, m_anchoMm, tituloBloque(b, continuacion));
            m_y += 1;
            fila(cabeceraFila, a, true);
        };
        // The title, the header row and the first pipe stay together.
        fuente(10, true);
        const double altoTitulo = altoTexto(tituloBloque(b, false), m_anchoMm) + 1 +
                                  altoFila(cabeceraFila, a, true) +
                                  altoFila({"0", "0", "0"}, a, false);
        if (auto r = sitio(altoTitulo); !r)
            return r;
        titulo(false);
        for (std::size_t i = 0; i < m_tabla.tubos.size(); ++i) {
            const TuboSerie& tubo = m_tabla.tubos[i];
            std::vector<std::string> celdas = {std::to_string(tubo.diametroNominal), tubo.clase,
                                               textoRigidez(tubo, sep())};
            for (const std::size_t c : b.casos)
                celdas.push_back(textoCelda(m_tabla.celdas[i][c], sep()));
            if (m_y + altoFila(celdas, a, false) > m_altoMm) {
                if (auto r = paginaNueva(); !r)
                    return r;
                titulo(true); // the header row heads every page
            }
            fila(celdas, a, false);
        }
        m_y += 2;
        fuente(7.5, false);
        // The notes of a traffic case follow its last block.
        const bool ultimo =
            b.parte == 0 || b.casos.back() == casosDelTrafico(m_tabla, b.trafico).back();
        const std::vector<std::string> notas =
            ultimo ? Notas_Del_Trafico(m_tabla, b.trafico, sep()) : std::vector<std::string>();
        for (const std::string& nota : notas) {
            const QString texto = qs(nota);
            if (auto r = sitio(altoTexto(texto, m_anchoMm)); !r)
                return r;
            fuente(7.5, false);
            parrafo(0, m_anchoMm, texto);
        }
        m_y += 5;
        return {};
    }

    Resultado<void> recorre() {
        m_pagina = 0;
        cabecera();
        primeraPagina();
        for (const Bloque& b : bloques())
            if (auto r = pintaBloque(b); !r)
                return r;
        return {};
    }

    QPainter& m_p;
    QPagedPaintDevice& m_dispositivo;
    const Proyecto& m_base;
    const Catalogo& m_catalogo;
    const TablaRecubrimiento& m_tabla;
    const OpcionesPdfTabla& m_opciones;
    double m_anchoMm = 0;
    double m_altoMm = 0;
    double m_y = 0;
    int m_pagina = 0;
    int m_paginas = 0;
    bool m_pintar = false;
};

QPageLayout apaisada() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                       QMarginsF(kMargenMm, kMargenMm, kMargenMm, kMargenMm),
                       QPageLayout::Millimeter);
}

} // namespace

Resultado<void> pintaTabla(QPagedPaintDevice& dispositivo, const Proyecto& base,
                           const Catalogo& catalogo, const TablaRecubrimiento& tabla,
                           const OpcionesPdfTabla& opciones) {
    dispositivo.setPageLayout(apaisada());
    QPainter painter;
    if (!painter.begin(&dispositivo))
        return falla(CodigoError::FicheroNoEscribible,
                     "No se pueden empezar a imprimir las tablas de recubrimiento.");
    PintorTablas pintor(painter, dispositivo, base, catalogo, tabla, opciones);
    auto pintado = pintor.pinta();
    painter.end();
    return pintado;
}

Resultado<std::string> pdfTabla(const Proyecto& base, const Catalogo& catalogo,
                                const TablaRecubrimiento& tabla, const OpcionesPdfTabla& opciones) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QStringLiteral("Cálculo tubrix de tuberías: tablas de recubrimiento ") +
                     opciones.cabecera.titulo);
        pdf.setCreator(QStringLiteral("Tubrix"));
        pdf.setResolution(1200);
        if (auto pintado = pintaTabla(pdf, base, catalogo, tabla, opciones); !pintado)
            return tl::unexpected(pintado.error());
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

Resultado<void> escribePdfTabla(const Proyecto& base, const Catalogo& catalogo,
                                const TablaRecubrimiento& tabla, const OpcionesPdfTabla& opciones,
                                const std::filesystem::path& fichero) {
    auto bytes = pdfTabla(base, catalogo, tabla, opciones);
    if (!bytes)
        return tl::unexpected(bytes.error());
    if (auto escrito = writeFileAtomically(fichero, *bytes); !escrito)
        return falla(CodigoError::FicheroNoEscribible, "No se pueden escribir las tablas en \"" +
                                                           utf8FromPath(fichero) +
                                                           "\": " + escrito.error() + ".");
    return {};
}

} // namespace tubrix
