#include "screens/input/datos_suelos_2.h"

#include "ui/mensajes.h"
#include "ui/rejilla.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

constexpr int kIdSi = 1;
constexpr int kIdNo = 2;

QString nombreCaja(CajaSuelo caja) {
    switch (caja) {
    case CajaSuelo::Gamma_1:
        return QStringLiteral("cajaGamma_1");
    case CajaSuelo::Gamma_2:
        return QStringLiteral("cajaGamma_2");
    case CajaSuelo::Ro:
        return QStringLiteral("cajaRo");
    case CajaSuelo::Ro_Prima:
        return QStringLiteral("cajaRo_Prima");
    case CajaSuelo::K1:
        return QStringLiteral("cajaK1");
    case CajaSuelo::K2:
        return QStringLiteral("cajaK2");
    case CajaSuelo::E1:
        return QStringLiteral("cajaE1");
    case CajaSuelo::E2:
        return QStringLiteral("cajaE2");
    case CajaSuelo::E3:
        return QStringLiteral("cajaE3");
    case CajaSuelo::E4:
        return QStringLiteral("cajaE4");
    }
    return {};
}

QLabel* texto(const QString& contenido, QWidget* parent) {
    auto* etiqueta = new QLabel(contenido, parent);
    etiqueta->setWordWrap(true);
    return etiqueta;
}

} // namespace

Datos_Suelos_2::Datos_Suelos_2(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Datos_Suelos_2, qs(kTituloDatosSuelos2), parent),
      m_vista(Abre_Datos_Suelos_2(contexto.proyecto, contexto.separadores)) {
    construye();
    refrescaOpciones();
    refrescaCajas();
}

QLineEdit* Datos_Suelos_2::nuevaCaja(CajaSuelo caja, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(nombreCaja(caja));
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(110);
    // The page decides itself what a box does when it is entered.
    edit->setProperty("sinSeleccionarAlEntrar", true);
    edit->installEventFilter(this);
    m_cajas[caja] = edit;
    return edit;
}

void Datos_Suelos_2::construye() {
    cajaNorma()->setText(qs(m_vista.cajaNorma));

    auto* pregunta = new QHBoxLayout;
    pregunta->addWidget(texto(qs(kPreguntaEnsayos), this), 1);
    m_ensayos = new QButtonGroup(this);
    m_si = new QRadioButton(QStringLiteral("Si"), this);
    m_si->setObjectName(QStringLiteral("opcionSi"));
    m_no = new QRadioButton(QStringLiteral("No"), this);
    m_no->setObjectName(QStringLiteral("opcionNo"));
    m_ensayos->addButton(m_si, kIdSi);
    m_ensayos->addButton(m_no, kIdNo);
    pregunta->addWidget(m_si);
    pregunta->addWidget(m_no);
    contenido()->addLayout(pregunta);
    m_nota = new QLabel(qs(kNotaValoresNorma), this);
    m_nota->setObjectName(QStringLiteral("notaValoresNorma"));
    contenido()->addWidget(m_nota);

    // Both grids share their column widths, so that all the boxes line up.
    const auto alinea = [](QGridLayout* rejilla) {
        rejilla->setColumnStretch(0, 1);
        rejilla->setHorizontalSpacing(12);
        rejilla->setColumnMinimumWidth(1, 60);
        rejilla->setColumnMinimumWidth(2, 110);
        rejilla->setColumnMinimumWidth(3, 70);
    };
    auto* pesos = new QGridLayout;
    alinea(pesos);
    const auto fila = [this](QGridLayout* rejilla, int f, const QString& caption,
                             const QString& simbolo, CajaSuelo caja, const QString& unidad) {
        rejilla->addWidget(texto(caption, this), f, 0);
        rejilla->addWidget(new QLabel(simbolo, this), f, 1);
        rejilla->addWidget(nuevaCaja(caja, this), f, 2);
        // An empty unit still takes its column, so that the boxes line up.
        rejilla->addWidget(new QLabel(unidad, this), f, 3);
    };
    fila(pesos, 0, QStringLiteral("Peso específico de las tierras de relleno"),
         QStringLiteral("Gamma 1"), CajaSuelo::Gamma_1, QStringLiteral("k N / m3"));
    fila(pesos, 1, QStringLiteral("Peso específico de las tierras del terreno natural"),
         QStringLiteral("Gamma 2"), CajaSuelo::Gamma_2, QStringLiteral("k N / m3"));
    contenido()->addLayout(pesos);

    auto* marco = new QGroupBox(qs(kMarcoCompactacionZanja), this);
    marco->setObjectName(QStringLiteral("marcoCompactacionZanja"));
    auto* capaMarco = new QVBoxLayout(marco);
    m_rellenos = new QButtonGroup(this);
    for (std::size_t i = 0; i < m_opcionesRelleno.size(); ++i) {
        const auto condicion = static_cast<std::int16_t>(i + 1);
        auto* opcion = new QRadioButton(qs(Texto_Condicion_Relleno(condicion)), marco);
        opcion->setObjectName(QStringLiteral("opcionRelleno%1").arg(condicion));
        m_rellenos->addButton(opcion, condicion);
        capaMarco->addWidget(opcion);
        m_opcionesRelleno[i] = opcion;
    }
    contenido()->addWidget(marco);

    auto* suelo = new QGridLayout;
    alinea(suelo);
    fila(suelo, 0,
         QStringLiteral("Angulo de rozamiento interno de las tierras del relleno (grados)"),
         QStringLiteral("ρ"), CajaSuelo::Ro, {});
    fila(suelo, 1,
         QStringLiteral("Angulo de rozamiento del relleno con las paredes de la zanja (grados)"),
         QStringLiteral("ρ'"), CajaSuelo::Ro_Prima, {});
    auto* empuje = new QVBoxLayout;
    empuje->addWidget(texto(QStringLiteral("Coeficientes de empuje lateral de las tierras de "
                                           "relleno"),
                            this));
    m_grupoZona2 = new QLabel(this);
    m_grupoZona2->setObjectName(QStringLiteral("etiquetaGrupoZona2"));
    empuje->addWidget(m_grupoZona2);
    suelo->addLayout(empuje, 2, 0, 2, 1);
    suelo->addWidget(new QLabel(QStringLiteral("K1"), this), 2, 1);
    suelo->addWidget(nuevaCaja(CajaSuelo::K1, this), 2, 2);
    suelo->addWidget(new QLabel(QStringLiteral("K2"), this), 3, 1);
    suelo->addWidget(nuevaCaja(CajaSuelo::K2, this), 3, 2);
    contenido()->addLayout(suelo);

    contenido()->addWidget(construyeCajas());
    contenido()->addStretch(1);
    // Wide enough for every caption to sit on one line.
    setMinimumWidth(780);

    Proyecto& p = proyecto();
    connect(m_ensayos, &QButtonGroup::idToggled, this, [this, &p](int id, bool marcado) {
        if (!marcado)
            return;
        Elige_Ensayos(p, m_vista, id == kIdSi);
        refrescaOpciones();
        refrescaCajas();
    });
    connect(m_rellenos, &QButtonGroup::idToggled, this, [this, &p](int id, bool marcado) {
        if (!marcado)
            return;
        // rho' follows the rho in its box, as the user left it.
        m_vista.entrada = entrada();
        Elige_Condicion_Relleno(p, m_vista, static_cast<std::int16_t>(id));
        refrescaOpciones();
        escribeCaja(CajaSuelo::Ro_Prima);
    });
}

// The moduli of the four zones, two zones to a row.
QWidget* Datos_Suelos_2::construyeCajas() {
    auto* bloque = new QWidget(this);
    auto* capa = new QGridLayout(bloque);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->setHorizontalSpacing(12);
    capa->addWidget(texto(QStringLiteral("Módulos de compresión de las diferentes zonas de "
                                         "relleno y de la zanja"),
                          bloque),
                    0, 0, 1, -1);
    struct Zona {
        const char* nombre;
        const char* simbolo;
        CajaSuelo caja;
    };
    const std::array<Zona, 4> zonas = {{{"Zona Nº 1", "E1 = ", CajaSuelo::E1},
                                        {"Zona Nº 2", "E2 =", CajaSuelo::E2},
                                        {"Zona Nº 3", "E3 =", CajaSuelo::E3},
                                        {"Zona Nº 4", "E4 =", CajaSuelo::E4}}};
    for (std::size_t i = 0; i < zonas.size(); ++i) {
        const int f = 1 + static_cast<int>(i / 2);
        const int c = static_cast<int>(i % 2) * 5;
        capa->addWidget(new QLabel(QString::fromUtf8(zonas[i].nombre), bloque), f, c);
        capa->addWidget(new QLabel(QString::fromUtf8(zonas[i].simbolo), bloque), f, c + 1);
        capa->addWidget(nuevaCaja(zonas[i].caja, bloque), f, c + 2);
        capa->addWidget(new QLabel(QStringLiteral("N / mm2"), bloque), f, c + 3);
    }
    capa->setColumnMinimumWidth(4, 24);
    capa->setColumnStretch(4, 1);
    capa->setColumnStretch(9, 1);
    return bloque;
}

void Datos_Suelos_2::refrescaOpciones() {
    {
        const QSignalBlocker bloqueo(m_ensayos);
        (m_vista.ensayos ? m_si : m_no)->setChecked(true);
    }
    m_nota->setVisible(m_vista.notaVisible);
    {
        const QSignalBlocker bloqueo(m_rellenos);
        if (QAbstractButton* opcion = m_rellenos->button(m_vista.rellenoSeleccionado)) {
            opcion->setChecked(true);
        } else if (QAbstractButton* marcado = m_rellenos->checkedButton()) {
            m_rellenos->setExclusive(false);
            marcado->setChecked(false);
            m_rellenos->setExclusive(true);
        }
    }
    m_opcionesRelleno[0]->setEnabled(m_vista.rellenoA1Habilitado);
    m_grupoZona2->setText(qs(m_vista.etiquetaGrupoZona2));
}

void Datos_Suelos_2::escribeCaja(CajaSuelo caja) {
    m_cajas[caja]->setText(QString::fromStdString(m_vista.entrada.textos[caja].texto));
}

void Datos_Suelos_2::refrescaCajas() {
    // With the standard's values the boxes only show them: they look disabled and stay out of
    // the Tab order, yet a click on one still reaches it, to say why nothing can be typed.
    QPalette paleta = QApplication::palette(m_cajas[CajaSuelo::Gamma_1]);
    if (!m_vista.cajasHabilitadas) {
        for (const auto grupo : {QPalette::Active, QPalette::Inactive})
            for (const auto papel : {QPalette::Text, QPalette::Base})
                paleta.setColor(grupo, papel, paleta.color(QPalette::Disabled, papel));
    }
    for (const CajaSuelo caja : kCajasSuelo) {
        escribeCaja(caja);
        QLineEdit* edit = m_cajas[caja];
        edit->setReadOnly(!m_vista.cajasHabilitadas);
        edit->setFocusPolicy(m_vista.cajasHabilitadas ? Qt::StrongFocus : Qt::ClickFocus);
        edit->setPalette(paleta);
    }
}

void Datos_Suelos_2::rechazaEntrada() {
    const auto rechazo = Entra_En_Caja_Suelo(proyecto());
    if (!rechazo) {
        m_rechazando = false;
        return;
    }
    // The focus leaves the box before the message shows, so that it does not come back to it
    // (and ask again) when the message closes.
    QWidget* destino =
        rechazo->foco >= 0 ? control(static_cast<FocoDatosSuelos2>(rechazo->foco)) : nullptr;
    if (destino)
        destino->setFocus(Qt::OtherFocusReason);
    if (!rechazo->mensaje.texto.empty())
        muestraMensaje(this, rechazo->mensaje);
    if (destino)
        destino->setFocus(Qt::OtherFocusReason);
    m_rechazando = false;
}

QWidget* Datos_Suelos_2::control(FocoDatosSuelos2 foco) const {
    switch (foco) {
    case FocoDatosSuelos2::RellenoA1:
        return m_opcionesRelleno[0];
    case FocoDatosSuelos2::RellenoA2:
        return m_opcionesRelleno[1];
    case FocoDatosSuelos2::RellenoA3:
        return m_opcionesRelleno[2];
    case FocoDatosSuelos2::RellenoA4:
        return m_opcionesRelleno[3];
    case FocoDatosSuelos2::Si:
        return m_si;
    case FocoDatosSuelos2::No:
        return m_no;
    default:
        break;
    }
    for (const CajaSuelo caja : kCajasSuelo)
        if (Foco_Caja_Suelo(caja) == foco)
            return m_cajas[caja];
    return nullptr;
}

EntradaDatosSuelos2 Datos_Suelos_2::entrada() const {
    EntradaDatosSuelos2 leida;
    for (const CajaSuelo caja : kCajasSuelo) {
        const std::string escrito = m_cajas[caja]->text().toStdString();
        const CajaTexto& mostrada = m_vista.entrada.textos[caja];
        leida.textos[caja] = escrito == mostrada.texto ? mostrada : CajaTexto(escrito);
    }
    return leida;
}

void Datos_Suelos_2::cierra(Boton boton) {
    const auto rechazo = Cierra_Datos_Suelos_2(proyecto(), entrada(), boton);
    if (rechazo) {
        if (!rechazo->mensaje.texto.empty())
            muestraMensaje(this, rechazo->mensaje);
        if (rechazo->foco >= 0)
            if (QWidget* destino = control(static_cast<FocoDatosSuelos2>(rechazo->foco))) {
                destino->setFocus(Qt::OtherFocusReason);
                if (auto* caja = qobject_cast<QLineEdit*>(destino))
                    caja->selectAll();
            }
        return;
    }
    cierraCon(proyecto().Codigo_Navegacion);
}

void Datos_Suelos_2::siguiente() {
    cierra(Boton::Siguiente);
}

void Datos_Suelos_2::atras() {
    cierra(Boton::Atras);
}

bool Datos_Suelos_2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit && edit->window() == this) {
            if (m_vista.cajasHabilitadas) {
                QTimer::singleShot(0, edit, &QLineEdit::selectAll);
            } else if (!m_rechazando) {
                // Shown once the focus has settled, not from inside the focus change.
                m_rechazando = true;
                QTimer::singleShot(0, this, [this] { rechazaEntrada(); });
            }
        }
    }
    return PantallaBase::eventFilter(watched, event);
}

} // namespace tubrix::gui
