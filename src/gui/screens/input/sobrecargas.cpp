#include "screens/input/sobrecargas.h"

#include "ui/mensajes.h"
#include "ui/rejilla.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

constexpr int kIdFirmeNormal = 1;
constexpr int kIdFirmeIrregular = 2;
constexpr int kIdSi = 1;
constexpr int kIdNo = 2;

// A value label of the grids that keeps its height.
QLabel* etiquetaFija(const QString& nombre, QWidget* parent) {
    QLabel* valor = etiquetaValor(nombre, parent);
    valor->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return valor;
}

QLabel* envuelta(const QString& texto, QWidget* parent) {
    auto* etiqueta = new QLabel(texto, parent);
    etiqueta->setWordWrap(true);
    return etiqueta;
}

QLabel* cabecera(const QString& texto, QWidget* parent) {
    auto* etiqueta = new QLabel(QStringLiteral("<b>%1</b>").arg(texto), parent);
    etiqueta->setAlignment(Qt::AlignCenter);
    etiqueta->setWordWrap(true);
    return etiqueta;
}

// Fills a list with `entradas` unless it already holds them, and selects `posicion`.
void llenaLista(QComboBox* combo, ListaTextos entradas, int posicion) {
    const QSignalBlocker bloqueo(combo);
    bool iguales = combo->count() == static_cast<int>(entradas.size());
    for (int i = 0; iguales && i < combo->count(); ++i)
        iguales = combo->itemText(i) == qs(entradas[static_cast<std::size_t>(i)]);
    if (!iguales) {
        combo->clear();
        for (const std::string_view entrada : entradas)
            combo->addItem(qs(entrada));
    }
    combo->setCurrentIndex(posicion);
}

// Checks the option with `id`, or none when the group has no such option.
void marcaEnGrupo(QButtonGroup* grupo, int id) {
    const QSignalBlocker bloqueo(grupo);
    if (QAbstractButton* boton = grupo->button(id)) {
        boton->setChecked(true);
    } else if (QAbstractButton* marcado = grupo->checkedButton()) {
        grupo->setExclusive(false);
        marcado->setChecked(false);
        grupo->setExclusive(true);
    }
}

QString capaNombre(Capa capa) {
    return capa == Capa::Superior ? QStringLiteral("Superior") : QStringLiteral("Inferior");
}

} // namespace

Sobrecargas::Sobrecargas(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Sobrecargas, qs(kTituloSobrecargas), parent),
      m_vista(Abre_Sobrecargas(contexto.proyecto, contexto.separadores)) {
    construye();
    refresca();
}

void Sobrecargas::construye() {
    cajaNorma()->setText(qs(m_vista.cajaNorma));

    auto* titulo = new QLabel(QStringLiteral("<b>%1</b>").arg(qs(kCabeceraSobrecargas)), this);
    titulo->setObjectName(QStringLiteral("cabeceraSobrecargas"));
    contenido()->addWidget(titulo);

    // The vehicle on the left, what it brings on the right.
    auto* trafico = new QHBoxLayout;
    auto* eleccion = new QVBoxLayout;
    eleccion->addWidget(new QLabel(qs(kMarcoTrafico), this));
    m_vehiculo = new QComboBox(this);
    m_vehiculo->setObjectName(QStringLiteral("listaVehiculo"));
    eleccion->addWidget(m_vehiculo);
    m_clase = new QLabel(this);
    m_clase->setObjectName(QStringLiteral("etiquetaClase"));
    eleccion->addWidget(m_clase);
    eleccion->addStretch(1);
    trafico->addLayout(eleccion);
    trafico->addSpacing(24);

    auto* datos = new QGridLayout;
    datos->setColumnStretch(0, 1);
    datos->setHorizontalSpacing(12);
    const auto fila = [this, datos](int f, const QString& caption, const QString& nombre,
                                    const QString& unidad) {
        datos->addWidget(envuelta(caption, this), f, 0);
        QLabel* valor = etiquetaFija(nombre, this);
        datos->addWidget(valor, f, 1);
        if (!unidad.isEmpty())
            datos->addWidget(new QLabel(unidad, this), f, 2);
        return valor;
    };
    m_pc = fila(0, QStringLiteral("Sobrecarga concentrada (Pc)"), QStringLiteral("etiquetaPc"),
                QStringLiteral("kN"));
    m_distanciaRuedas = fila(1, QStringLiteral("Distancia entre ruedas (a)"),
                             QStringLiteral("etiquetaDistanciaRuedas"), QStringLiteral("m"));
    m_distanciaEjes = fila(2, QStringLiteral("Distancia entre ejes (b)"),
                           QStringLiteral("etiquetaDistanciaEjes"), QStringLiteral("m"));
    m_numeroEjes =
        fila(3, QStringLiteral("Número de ejes"), QStringLiteral("etiquetaNumeroEjes"), {});
    m_h = fila(4,
               QStringLiteral("Altura de tierras por encima de la generatriz superior del "
                              "tubo (H)"),
               QStringLiteral("etiquetaH"), QStringLiteral("m"));
    trafico->addLayout(datos, 1);
    contenido()->addLayout(trafico);

    contenido()->addWidget(construyeImpacto());
    contenido()->addWidget(construyeAlturaEquivalente());
    contenido()->addStretch(1);
    // Wide enough for the captions and the layer headings to sit on one line.
    setMinimumWidth(840);

    Proyecto& p = proyecto();
    connect(m_vehiculo, &QComboBox::currentIndexChanged, this, [this, &p](int posicion) {
        Elige_Vehiculo(p, m_vista, posicion);
        refresca();
    });
    connect(m_firmes, &QButtonGroup::idToggled, this, [this, &p](int id, bool marcado) {
        if (!marcado)
            return;
        Elige_Firme(p, m_vista, static_cast<std::int16_t>(id));
        refrescaCoeficientes();
    });
    connect(m_coeficiente, &QComboBox::currentIndexChanged, this,
            [this, &p](int posicion) { Elige_Coeficiente_Impacto(p, m_vista, posicion); });
    connect(m_pavimentada, &QButtonGroup::idToggled, this, [this, &p](int id, bool marcado) {
        if (!marcado)
            return;
        Elige_Zona_Pavimentada(p, m_vista, id == kIdSi);
        refresca();
    });
    for (const Capa capa : kCapas)
        connect(m_material[capa], &QComboBox::currentIndexChanged, this,
                [this, &p, capa](int posicion) {
                    tomaCajas();
                    // A He that cannot be evaluated keeps its last value; next reports it.
                    (void)Elige_Material(p, m_vista, capa, posicion);
                    refresca();
                });
}

QGroupBox* Sobrecargas::construyeImpacto() {
    m_marcoImpacto = new QGroupBox(qs(kMarcoImpacto), this);
    m_marcoImpacto->setObjectName(QStringLiteral("marcoImpacto"));
    auto* marco = new QVBoxLayout(m_marcoImpacto);
    auto* capa = new QHBoxLayout;
    marco->addLayout(capa);
    m_firmes = new QButtonGroup(this);
    m_firmeNormal = new QRadioButton(qs(kOpcionesFirme[0]), m_marcoImpacto);
    m_firmeNormal->setObjectName(QStringLiteral("opcionFirmeNormal"));
    m_firmeIrregular = new QRadioButton(qs(kOpcionesFirme[1]), m_marcoImpacto);
    m_firmeIrregular->setObjectName(QStringLiteral("opcionFirmeIrregular"));
    m_firmes->addButton(m_firmeNormal, kIdFirmeNormal);
    m_firmes->addButton(m_firmeIrregular, kIdFirmeIrregular);
    capa->addWidget(m_firmeNormal);
    capa->addWidget(m_firmeIrregular);
    capa->addStretch(1);
    capa->addWidget(new QLabel(QStringLiteral("Coeficiente (fi)"), m_marcoImpacto));
    m_coeficiente = new QComboBox(m_marcoImpacto);
    m_coeficiente->setObjectName(QStringLiteral("listaCoeficiente"));
    m_coeficiente->setMinimumWidth(90);
    capa->addWidget(m_coeficiente);
    // The chosen factor is shown and kept, but the loads use the vehicle's own: said here.
    m_notaImpacto = new QLabel(m_marcoImpacto);
    m_notaImpacto->setObjectName(QStringLiteral("notaImpacto"));
    m_notaImpacto->setWordWrap(true);
    marco->addWidget(m_notaImpacto);
    return m_marcoImpacto;
}

QGroupBox* Sobrecargas::construyeAlturaEquivalente() {
    m_marcoAltura = new QGroupBox(qs(kMarcoAlturaEquivalente), this);
    m_marcoAltura->setObjectName(QStringLiteral("marcoAlturaEquivalente"));
    auto* capa = new QVBoxLayout(m_marcoAltura);

    auto* pregunta = new QHBoxLayout;
    pregunta->addWidget(new QLabel(qs(kPreguntaZonaPavimentada), m_marcoAltura));
    m_pavimentada = new QButtonGroup(this);
    m_pavimentadaSi = new QRadioButton(QStringLiteral("Si"), m_marcoAltura);
    m_pavimentadaSi->setObjectName(QStringLiteral("opcionPavimentadaSi"));
    m_pavimentadaNo = new QRadioButton(QStringLiteral("No"), m_marcoAltura);
    m_pavimentadaNo->setObjectName(QStringLiteral("opcionPavimentadaNo"));
    m_pavimentada->addButton(m_pavimentadaSi, kIdSi);
    m_pavimentada->addButton(m_pavimentadaNo, kIdNo);
    pregunta->addWidget(m_pavimentadaSi);
    pregunta->addWidget(m_pavimentadaNo);
    pregunta->addStretch(1);
    capa->addLayout(pregunta);

    auto* capas = new QGridLayout;
    capas->setHorizontalSpacing(12);
    capas->addWidget(cabecera(QStringLiteral("Espesor (m)"), m_marcoAltura), 0, 1, 2, 1);
    capas->addWidget(cabecera(QStringLiteral("Tipo de material"), m_marcoAltura), 0, 2, 2, 1);
    capas->addWidget(cabecera(QStringLiteral("Módulo de compresión (N / mm2)"), m_marcoAltura), 0,
                     3, 1, 2);
    capas->addWidget(cabecera(QStringLiteral("(valores orientativos)"), m_marcoAltura), 1, 3);
    capas->addWidget(cabecera(QStringLiteral("Valor"), m_marcoAltura), 1, 4);
    std::vector<std::string> materiales = m_vista.materiales;
    for (const Capa c : kCapas) {
        const int f = 2 + static_cast<int>(c);
        const QString nombre = capaNombre(c);
        capas->addWidget(new QLabel(c == Capa::Superior ? QStringLiteral("Capa Superior")
                                                        : QStringLiteral("Capa Inferior"),
                                    m_marcoAltura),
                         f, 0);
        m_espesor[c] = new QLineEdit(m_marcoAltura);
        m_espesor[c]->setObjectName(QStringLiteral("cajaEspesor") + nombre);
        m_material[c] = new QComboBox(m_marcoAltura);
        m_material[c]->setObjectName(QStringLiteral("listaMaterial") + nombre);
        for (const std::string& material : materiales)
            m_material[c]->addItem(QString::fromStdString(material));
        m_rango[c] = new QLabel(m_marcoAltura);
        m_rango[c]->setObjectName(QStringLiteral("etiquetaRango") + nombre);
        m_rango[c]->setAlignment(Qt::AlignCenter);
        m_modulo[c] = new QLineEdit(m_marcoAltura);
        m_modulo[c]->setObjectName(QStringLiteral("cajaModulo") + nombre);
        for (QLineEdit* caja : {m_espesor[c], m_modulo[c]}) {
            caja->setAlignment(Qt::AlignRight);
            caja->setMaximumWidth(120);
            caja->installEventFilter(this);
        }
        m_espesor[c]->setText(QString::fromStdString(m_vista.entrada.espesor[c].texto));
        m_modulo[c]->setText(QString::fromStdString(m_vista.entrada.modulo[c].texto));
        capas->addWidget(m_espesor[c], f, 1);
        capas->addWidget(m_material[c], f, 2);
        capas->addWidget(m_rango[c], f, 3);
        capas->addWidget(m_modulo[c], f, 4);
    }
    capas->setColumnStretch(3, 1);
    capa->addLayout(capas);

    auto* altura = new QHBoxLayout;
    altura->addWidget(new QLabel(qs(kEtiquetaHe), m_marcoAltura), 1);
    m_he = etiquetaFija(QStringLiteral("etiquetaHe"), m_marcoAltura);
    altura->addWidget(m_he);
    altura->addWidget(new QLabel(QStringLiteral("m"), m_marcoAltura));
    capa->addLayout(altura);
    auto* notaHe = new QLabel(qs(kNotaHe), m_marcoAltura);
    notaHe->setObjectName(QStringLiteral("notaHe"));
    notaHe->setWordWrap(true);
    capa->addWidget(notaHe);
    return m_marcoAltura;
}

void Sobrecargas::refresca() {
    llenaLista(m_vehiculo, m_vista.vehiculos, m_vista.vehiculoSeleccionado);
    m_clase->setText(qs(kPrefijoClaseTrafico) + QString::fromStdString(m_vista.clase));
    m_pc->setText(QString::fromStdString(m_vista.textoPc));
    m_distanciaRuedas->setText(QString::fromStdString(m_vista.textoDistanciaRuedas));
    m_distanciaEjes->setText(QString::fromStdString(m_vista.textoDistanciaEjes));
    m_numeroEjes->setText(QString::fromStdString(m_vista.textoNumeroEjes));
    m_h->setText(QString::fromStdString(m_vista.textoH));

    m_marcoImpacto->setEnabled(m_vista.marcosHabilitados);
    refrescaCoeficientes();
    m_notaImpacto->setText(QString::fromStdString(m_vista.notaImpacto));
    m_notaImpacto->setVisible(!m_vista.notaImpacto.empty());

    m_marcoAltura->setVisible(m_vista.heVisible);
    m_marcoAltura->setEnabled(m_vista.marcosHabilitados);
    marcaEnGrupo(m_pavimentada, m_vista.zonaPavimentada ? kIdSi : kIdNo);
    for (const Capa c : kCapas) {
        {
            const QSignalBlocker bloqueo(m_material[c]);
            m_material[c]->setCurrentIndex(m_vista.materialSeleccionado[c]);
        }
        m_rango[c]->setText(QString::fromStdString(m_vista.textoRango[c]));
        for (QWidget* w :
             {static_cast<QWidget*>(m_espesor[c]), static_cast<QWidget*>(m_material[c]),
              static_cast<QWidget*>(m_rango[c]), static_cast<QWidget*>(m_modulo[c])})
            w->setEnabled(m_vista.capasHabilitadas);
    }
    m_he->setText(QString::fromStdString(m_vista.textoHe));
}

void Sobrecargas::refrescaCoeficientes() {
    marcaEnGrupo(m_firmes, m_vista.firmeSeleccionado);
    llenaLista(m_coeficiente, m_vista.coeficientes, m_vista.coeficienteSeleccionado);
}

EntradaSobrecargas Sobrecargas::entrada() const {
    EntradaSobrecargas leida;
    // An untouched box hands back the value it was filled with.
    const auto lee = [](const QLineEdit* caja, const CajaTexto& mostrada) {
        const std::string escrito = caja->text().toStdString();
        return escrito == mostrada.texto ? mostrada : CajaTexto(escrito);
    };
    for (const Capa c : kCapas) {
        leida.espesor[c] = lee(m_espesor[c], m_vista.entrada.espesor[c]);
        leida.modulo[c] = lee(m_modulo[c], m_vista.entrada.modulo[c]);
    }
    return leida;
}

void Sobrecargas::tomaCajas() {
    m_vista.entrada = entrada();
}

QWidget* Sobrecargas::control(FocoSobrecargas foco) const {
    switch (foco) {
    case FocoSobrecargas::Vehiculo:
        return m_vehiculo;
    case FocoSobrecargas::Firme:
        return m_firmeIrregular->isChecked() ? m_firmeIrregular : m_firmeNormal;
    case FocoSobrecargas::Coeficiente:
        return m_coeficiente;
    case FocoSobrecargas::ZonaPavimentada:
        return m_pavimentadaSi->isChecked() ? m_pavimentadaSi : m_pavimentadaNo;
    case FocoSobrecargas::EspesorSuperior:
        return m_espesor[Capa::Superior];
    case FocoSobrecargas::EspesorInferior:
        return m_espesor[Capa::Inferior];
    case FocoSobrecargas::MaterialSuperior:
        return m_material[Capa::Superior];
    case FocoSobrecargas::MaterialInferior:
        return m_material[Capa::Inferior];
    case FocoSobrecargas::ModuloSuperior:
        return m_modulo[Capa::Superior];
    case FocoSobrecargas::ModuloInferior:
        return m_modulo[Capa::Inferior];
    }
    return nullptr;
}

void Sobrecargas::cierra(Boton boton) {
    const auto rechazo = Cierra_Sobrecargas(proyecto(), entrada(), boton);
    if (!rechazo) {
        cierraCon(proyecto().Codigo_Navegacion);
        return;
    }
    if (!rechazo->mensaje.texto.empty())
        muestraMensaje(this, rechazo->mensaje);
    if (rechazo->foco < 0)
        return;
    QWidget* destino = control(static_cast<FocoSobrecargas>(rechazo->foco));
    if (!destino)
        return;
    if (auto* caja = qobject_cast<QLineEdit*>(destino); caja && rechazo->textoCorregido)
        caja->setText(QString::fromStdString(*rechazo->textoCorregido));
    // A box of a disabled layer cannot take the focus; the message has said what to mend.
    if (destino->isEnabled())
        destino->setFocus(Qt::OtherFocusReason);
}

void Sobrecargas::siguiente() {
    cierra(Boton::Siguiente);
}

void Sobrecargas::atras() {
    cierra(Boton::Atras);
}

bool Sobrecargas::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (const Capa c : kCapas) {
            if (watched == m_espesor[c] || watched == m_modulo[c]) {
                // Leaving a layer box recomputes He on the spot.
                tomaCajas();
                (void)Sale_De_Caja_Capa(proyecto(), m_vista);
                m_he->setText(QString::fromStdString(m_vista.textoHe));
                break;
            }
        }
    }
    return PantallaBase::eventFilter(watched, event);
}

} // namespace tubrix::gui
