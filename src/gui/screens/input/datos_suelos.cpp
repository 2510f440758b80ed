#include "screens/input/datos_suelos.h"

#include "ui/dibujo.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

QComboBox* lista(ListaTextos entradas, const QString& nombre, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(nombre);
    for (const std::string_view entrada : entradas)
        combo->addItem(qs(entrada));
    return combo;
}

QLabel* cabecera(const QString& texto, QWidget* parent) {
    auto* etiqueta = new QLabel(QStringLiteral("<b>%1</b>").arg(texto), parent);
    etiqueta->setAlignment(Qt::AlignCenter);
    return etiqueta;
}

} // namespace

Datos_Suelos::Datos_Suelos(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Datos_Suelos, qs(kTituloDatosSuelos), parent),
      m_vista(Abre_Datos_Suelos(contexto.proyecto)) {
    construye();
    refresca();
}

void Datos_Suelos::construye() {
    cajaNorma()->setText(qs(m_vista.cajaNorma));

    auto* arriba = new QHBoxLayout;
    auto* rejilla = new QGridLayout;
    rejilla->setHorizontalSpacing(12);
    rejilla->setVerticalSpacing(8);
    rejilla->addWidget(cabecera(QStringLiteral("Grupo"), this), 0, 1);
    rejilla->addWidget(cabecera(QStringLiteral("Compactación"), this), 0, 2);
    for (const ZonaSuelo zona : kZonasSuelo) {
        const int fila = static_cast<int>(zona) + 1;
        rejilla->addWidget(new QLabel(QStringLiteral("Zona Nº %1").arg(fila), this), fila, 0);
        m_grupos[zona] = lista(m_vista.grupos, QStringLiteral("listaGrupo%1").arg(fila), this);
        rejilla->addWidget(m_grupos[zona], fila, 1);
    }
    for (const ZonaCompactada zona : kZonasCompactadas) {
        const int fila = static_cast<int>(zona) + 1;
        m_compactaciones[zona] =
            lista(m_vista.compactaciones, QStringLiteral("listaCompactacion%1").arg(fila), this);
        rejilla->addWidget(m_compactaciones[zona], fila, 2);
    }
    rejilla->setRowStretch(static_cast<int>(kZonasSuelo.size()) + 1, 1);
    arriba->addLayout(rejilla);
    arriba->addSpacing(24);
    auto* dibujo = new Dibujo(QStringLiteral(":/drawings/zonas_suelo.svg"), this);
    dibujo->setObjectName(QStringLiteral("dibujoZonas"));
    dibujo->setMinimumSize(272, 200);
    arriba->addWidget(dibujo, 1);
    contenido()->addLayout(arriba, 1);

    auto* marco = new QGroupBox(qs(kMarcoClasificacionSuelos), this);
    marco->setObjectName(QStringLiteral("marcoClasificacion"));
    auto* capaMarco = new QGridLayout(marco);
    capaMarco->setColumnStretch(1, 1);
    for (std::size_t i = 0; i < m_vista.descripciones.size(); ++i) {
        capaMarco->addWidget(new QLabel(qs(m_vista.grupos[i]), marco), static_cast<int>(i), 0,
                             Qt::AlignTop);
        auto* descripcion = new QLabel(qs(m_vista.descripciones[i]), marco);
        descripcion->setObjectName(QStringLiteral("descripcionGrupo%1").arg(i + 1));
        descripcion->setWordWrap(true);
        capaMarco->addWidget(descripcion, static_cast<int>(i), 1);
    }
    contenido()->addWidget(marco);
    // Wide enough for each description to sit on one line.
    setMinimumWidth(780);

    Proyecto& p = proyecto();
    for (const ZonaSuelo zona : kZonasSuelo)
        connect(m_grupos[zona], &QComboBox::currentIndexChanged, this, [this, &p, zona](int i) {
            const auto aviso = Elige_Grupo_Suelo(p, m_vista, zona, i);
            refresca();
            avisa(aviso);
        });
    for (const ZonaCompactada zona : kZonasCompactadas)
        connect(m_compactaciones[zona], &QComboBox::currentIndexChanged, this,
                [this, &p, zona](int i) {
                    const auto aviso = Elige_Compactacion(p, m_vista, zona, i);
                    refresca();
                    avisa(aviso);
                });
}

void Datos_Suelos::refresca() {
    for (const ZonaSuelo zona : kZonasSuelo) {
        const QSignalBlocker bloqueo(m_grupos[zona]);
        m_grupos[zona]->setCurrentIndex(m_vista.entrada.grupo[zona]);
        m_grupos[zona]->setEnabled(m_vista.grupoHabilitado[zona]);
    }
    for (const ZonaCompactada zona : kZonasCompactadas) {
        const QSignalBlocker bloqueo(m_compactaciones[zona]);
        m_compactaciones[zona]->setCurrentIndex(m_vista.entrada.compactacion[zona]);
        m_compactaciones[zona]->setEnabled(m_vista.compactacionHabilitada[zona]);
    }
}

void Datos_Suelos::avisa(const std::optional<AvisoGrupo4>& aviso) {
    if (!aviso)
        return;
    muestraMensaje(this, aviso->mensaje);
    if (aviso->pitidoDespues)
        QApplication::beep();
}

EntradaDatosSuelos Datos_Suelos::entrada() const {
    EntradaDatosSuelos leida;
    for (const ZonaSuelo zona : kZonasSuelo)
        leida.grupo[zona] = m_grupos[zona]->currentIndex();
    for (const ZonaCompactada zona : kZonasCompactadas)
        leida.compactacion[zona] = m_compactaciones[zona]->currentIndex();
    return leida;
}

void Datos_Suelos::siguiente() {
    (void)Cierra_Datos_Suelos(proyecto(), entrada(), Boton::Siguiente);
    cierraCon(proyecto().Codigo_Navegacion);
}

void Datos_Suelos::atras() {
    (void)Cierra_Datos_Suelos(proyecto(), entrada(), Boton::Atras);
    cierraCon(proyecto().Codigo_Navegacion);
}

void Datos_Suelos::showEvent(QShowEvent* event) {
    PantallaBase::showEvent(event);
    if (m_avisoInicialVisto)
        return;
    m_avisoInicialVisto = true;
    // A warning raised while the stored choices were restored is shown over the open page.
    if (m_vista.aviso)
        QTimer::singleShot(0, this, [this] { avisa(m_vista.aviso); });
}

} // namespace tubrix::gui
