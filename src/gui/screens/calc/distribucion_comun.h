#pragma once

// What the calculation screens of loads, stiffness, concentration and design loads share: the
// way they report a calculation the engine refuses, and the label sets of the stiffness and
// concentration families (one or two value columns each).

#include "calc/distribucion_cargas.h"
#include "error.h"
#include "format/formato.h"
#include "model/proyecto.h"
#include "ui/barra_botones.h"
#include "ui/mensajes.h"
#include "ui/pantalla_base.h"
#include "ui/rejilla.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>

namespace tubrix::gui {

inline QString unidadRigidez() {
    return QStringLiteral("N / mm2");
}

// The widget in `columna` of the row added last to a grid (its caption is column 0).
inline QWidget* enUltimaFila(const QGridLayout& rejilla, int columna) {
    const QLayoutItem* item = rejilla.itemAtPosition(rejilla.rowCount() - 1, columna);
    return item ? item->widget() : nullptr;
}

// A sub-heading in plain text, so that its blanks are shown as written.
inline QLabel* anadeSubtituloLiteral(Rejilla& rejilla, const QString& texto) {
    QLabel* etiqueta = rejilla.anadeSubtitulo(texto);
    etiqueta->setTextFormat(Qt::PlainText);
    etiqueta->setText(texto);
    QFont negrita = etiqueta->font();
    negrita.setBold(true);
    etiqueta->setFont(negrita);
    return etiqueta;
}

// Wrapped captions of a grid only get the height of one line when the window is sized, so
// each caption asks for the width of its whole text, up to half the screen (at least 640 px,
// which holds the longest caption in one line).
inline void ajustaCaptions(QWidget& pantalla) {
    const QScreen* pantallaFisica = QGuiApplication::primaryScreen();
    const int mitad = pantallaFisica ? pantallaFisica->availableGeometry().width() / 2 : 0;
    const int limite = std::max(mitad, 640);
    for (QLabel* caption : pantalla.findChildren<QLabel*>()) {
        if (!caption->wordWrap())
            continue;
        const int ancho = caption->fontMetrics().horizontalAdvance(caption->text()) + 4;
        caption->setMinimumWidth(std::min(ancho, limite));
    }
}

// The grids of one screen share their value columns: the unit (or symbol) column gets the width
// of the widest one in any grid, so the values of every group line up.
inline void igualaUnidades(const std::vector<Rejilla*>& rejillas, int columnaUnidad) {
    int ancho = 0;
    for (Rejilla* rejilla : rejillas) {
        for (int i = 0; i < rejilla->count(); ++i) {
            int fila = 0, columna = 0, filas = 0, columnas = 0;
            rejilla->getItemPosition(i, &fila, &columna, &filas, &columnas);
            // Sub-headings span the row: they are not units.
            if (columna == columnaUnidad && columnas == 1 && rejilla->itemAt(i)->widget())
                ancho = std::max(ancho, rejilla->itemAt(i)->widget()->sizeHint().width());
        }
    }
    for (Rejilla* rejilla : rejillas)
        rejilla->setColumnMinimumWidth(columnaUnidad, ancho);
}

inline Rejilla* anadeGrupo(QVBoxLayout* contenido, const QString& titulo) {
    auto* grupo = new QGroupBox(titulo);
    contenido->addWidget(grupo);
    return new Rejilla(grupo);
}

// B/D as the screens show it: an embankment is an infinitely wide trench.
inline QString textoRelacionBD(const Proyecto& p, double relacionBD, std::string_view patron,
                               const Separadores& sep) {
    if (p.Caso_Zanja == 2.0)
        return QStringLiteral("Infinito");
    return qs(formatea(relacionBD, patron, sep));
}

// One set of stiffness results as the record holds it.
struct ConjuntoRigidez {
    double E2_Corregido;
    double Sr;
    double Zeta;
    double SBH;
    double VRB;
    double K2_Lateral;
    double SBV;
    double K_Estrella;
    double Cv_Estrella;
    double Vs;
};

inline ConjuntoRigidez rigidezTensiones(const Proyecto& p) {
    return {
        p.E2_Corregido_Tensiones, p.Sr_Tensiones,         p.Zeta_Tensiones, p.SBH_Tensiones,
        p.VRB_Tensiones,          p.K2_Lateral_Tensiones, p.SBV_Tensiones,  p.K_Estrella_Tensiones,
        p.Cv_Estrella_Tensiones,  p.Vs_Tensiones};
}

inline ConjuntoRigidez rigidezTensionesLargo(const Proyecto& p) {
    return {p.E2_Corregido_Tensiones_LP, p.Sr_Tensiones_LP,
            p.Zeta_Tensiones_LP,         p.SBH_Tensiones_LP,
            p.VRB_Tensiones_LP,          p.K2_Lateral_Tensiones_LP,
            p.SBV_Tensiones_LP,          p.K_Estrella_Tensiones_LP,
            p.Cv_Estrella_Tensiones_LP,  p.Vs_Tensiones_LP};
}

inline ConjuntoRigidez rigidezDeformaciones(const Proyecto& p) {
    return {p.E2_Corregido, p.Sr,  p.Zeta,       p.SBH,         p.VRB,
            p.K2_Lateral,   p.SBV, p.K_Estrella, p.Cv_Estrella, p.Vs};
}

inline ConjuntoRigidez rigidezDeformacionesLargo(const Proyecto& p) {
    return {p.E2_Corregido_LP, p.Sr_LP,  p.Zeta_LP,       p.SBH_LP,         p.VRB_LP,
            p.K2_Lateral_LP,   p.SBV_LP, p.K_Estrella_LP, p.Cv_Estrella_LP, p.Vs_LP};
}

// The labels of a stiffness screen: the corrections of E2 and the stiffness ratio, in one
// column (stresses) or two ("Corto Plazo" / "Largo Plazo", deformations). Labels are named after
// the quantity, with "_0" / "_1" appended when there are two columns.
class EtiquetasRigidez {
public:
    EtiquetasRigidez(QVBoxLayout* contenido, int columnas) {
        const QStringList cabeceras = {QStringLiteral("Corto Plazo"),
                                       QStringLiteral("Largo Plazo")};
        Rejilla* correccion =
            anadeGrupo(contenido, QStringLiteral("Corrección del módulo de deformación E2"));
        if (columnas > 1)
            correccion->anadeCabeceras(cabeceras.mid(0, columnas));
        correccion->anadeSubtitulo(QStringLiteral("Debido a la estrechez de la zanja"));
        m_relacionBD = correccion->anadeFilaVarias(QStringLiteral("Relación B/D"), columnas, {},
                                                   QStringLiteral("Relacion_BD"));
        m_alfaPrima = correccion->anadeFilaVarias(QStringLiteral("Coeficiente"), columnas, {},
                                                  QStringLiteral("Alfa_Bi_Prima"));
        correccion->anadeSubtitulo(QStringLiteral("Debido a la influencia del agua freática"));
        m_compactacion =
            correccion->anadeFilaVarias(QStringLiteral("% de compactación Proctor (Dpr)"), columnas,
                                        {}, QStringLiteral("Compactacion_2"));
        m_coeficienteF = correccion->anadeFilaVarias(QStringLiteral("Coeficiente (f)"), columnas,
                                                     {}, QStringLiteral("Coeficiente_F"));
        m_e2 =
            correccion->anadeFilaVarias(QStringLiteral("Módulo de deformación corregido (E2')"),
                                        columnas, unidadRigidez(), QStringLiteral("E2_Corregido"));

        Rejilla* rigidez =
            anadeGrupo(contenido, QStringLiteral("Relación de rigidez entre el tubo y el terreno"));
        if (columnas > 1)
            rigidez->anadeCabeceras(cabeceras.mid(0, columnas));
        const auto fila = [&](const char* caption, const QString& unidad, const char* nombre) {
            return rigidez->anadeFilaVarias(QString::fromUtf8(caption), columnas, unidad,
                                            QString::fromUtf8(nombre));
        };
        m_sr = fila("Rigidez del tubo (Sr)", unidadRigidez(), "Sr");
        m_zeta = fila("Factor de corrección de la rigidez horizontal", {}, "Zeta");
        m_sbh = fila("Rigidez horizontal del relleno de la zona hasta la clave del tubo (SBH)",
                     unidadRigidez(), "SBH");
        m_vrb = fila("Rigidez del sistema tubo-suelo (VRB)", {}, "VRB");
        m_k2 = fila("Relación de la presión lateral a la presión vertical del relleno hasta la "
                    "clave del tubo (K2)",
                    {}, "K2_Lateral");
        m_sbv = fila("Rigidez vertical del relleno de la zona hasta la clave del tubo (SBV)",
                     unidadRigidez(), "SBV");
        m_kEstrella =
            fila("Coeficiente de reacción del relleno lateral del tubo (K*)", {}, "K_Estrella");
        m_ch1 = fila("Ch1", {}, "Ch1");
        m_ch2 = fila("Ch2", {}, "Ch2");
        m_cv1 = fila("Cv1", {}, "Cv1");
        m_cv2 = fila("Cv2", {}, "Cv2");
        m_cvEstrella =
            fila("Coeficiente de deformación del diámetro vertical (Cv*)", {}, "Cv_Estrella");
        m_vs = fila("Relación de rigidez entre el tubo y el terreno (Vs)", {}, "Vs");
        igualaUnidades({correccion, rigidez}, 1 + columnas);
        ajustaCaptions(*contenido->parentWidget());
    }

    // Fills one column: the corrections of E2 (B/D, alpha', Dpr, f) from the record, the set of
    // results and the deflection coefficients of the column the calculation used.
    void muestra(std::size_t columna, const Proyecto& p, const ConjuntoRigidez& s,
                 const CoeficientesDeformacion& c, const Separadores& sep) const {
        m_relacionBD.at(columna)->setText(textoRelacionBD(p, p.Relacion_BD, "##0.0##", sep));
        ponValor(m_alfaPrima.at(columna), p.Alfa_Bi_Prima, "##0.0##", sep);
        m_compactacion.at(columna)->setText(qs(formatea(p.Compactacion_2, "##0", sep)) +
                                            QStringLiteral(" %"));
        ponValor(m_coeficienteF.at(columna), p.Coeficiente_F, "##0.0##", sep);
        constexpr std::string_view general = "####0.0000";
        ponValor(m_e2.at(columna), s.E2_Corregido, general, sep);
        ponValor(m_sr.at(columna), s.Sr, general, sep);
        ponValor(m_zeta.at(columna), s.Zeta, general, sep);
        ponValor(m_sbh.at(columna), s.SBH, general, sep);
        ponValor(m_vrb.at(columna), s.VRB, general, sep);
        ponValor(m_k2.at(columna), s.K2_Lateral, "####0.0#", sep);
        ponValor(m_sbv.at(columna), s.SBV, general, sep);
        ponValor(m_kEstrella.at(columna), s.K_Estrella, general, sep);
        constexpr std::string_view tabla = "#0.0000";
        ponValor(m_ch1.at(columna), c.Ch1, tabla, sep);
        ponValor(m_ch2.at(columna), c.Ch2, tabla, sep);
        ponValor(m_cv1.at(columna), c.Cv1, tabla, sep);
        ponValor(m_cv2.at(columna), c.Cv2, tabla, sep);
        ponValor(m_cvEstrella.at(columna), s.Cv_Estrella, general, sep);
        ponValor(m_vs.at(columna), s.Vs, general, sep);
    }

private:
    std::vector<QLabel*> m_relacionBD, m_alfaPrima, m_compactacion, m_coeficienteF, m_e2;
    std::vector<QLabel*> m_sr, m_zeta, m_sbh, m_vrb, m_k2, m_sbv, m_kEstrella;
    std::vector<QLabel*> m_ch1, m_ch2, m_cv1, m_cv2, m_cvEstrella, m_vs;
};

// One set of concentration factors as the record holds it.
struct ConjuntoConcentracion {
    double A_Prima;
    double Lambda_R;
    double Lambda_B;
    double Lambda_RG;
    double Lambda_Max;
};

inline ConjuntoConcentracion concentracionTensiones(const Proyecto& p) {
    return {p.A_Prima_Tensiones, p.Lambda_R_Tensiones, p.Lambda_B_Tensiones, p.Lambda_RG_Tensiones,
            p.Lambda_Max_Tensiones};
}

inline ConjuntoConcentracion concentracionTensionesLargo(const Proyecto& p) {
    return {p.A_Prima_Tensiones_LP, p.Lambda_R_Tensiones_LP, p.Lambda_B_Tensiones_LP,
            p.Lambda_RG_Tensiones_LP, p.Lambda_Max_Tensiones_LP};
}

inline ConjuntoConcentracion concentracionDeformaciones(const Proyecto& p) {
    return {p.A_Prima, p.Lambda_R, p.Lambda_B, p.Lambda_RG, p.Lambda_Max};
}

inline ConjuntoConcentracion concentracionDeformacionesLargo(const Proyecto& p) {
    return {p.A_Prima_LP, p.Lambda_R_LP, p.Lambda_B_LP, p.Lambda_RG_LP, p.Lambda_Max_LP};
}

// The labels of a concentration screen, in one or two columns. The three factors share one
// caption; the symbol beside each value tells them apart.
class EtiquetasConcentracion {
public:
    EtiquetasConcentracion(QVBoxLayout* contenido, int columnas) {
        const QStringList cabeceras = {QStringLiteral("Corto Plazo"),
                                       QStringLiteral("Largo Plazo")};
        const QString factor = QStringLiteral("Factor de concentración");
        Rejilla* factores = anadeGrupo(contenido, QStringLiteral("Factores de concentración"));
        if (columnas > 1)
            factores->anadeCabeceras(cabeceras.mid(0, columnas));
        m_a = factores->anadeFilaVarias(QStringLiteral("Descarga relativa (a)"), columnas, {},
                                        QStringLiteral("Relacion_Proyeccion"));
        m_aPrima = factores->anadeFilaVarias(QStringLiteral("Descarga relativa efectiva (a')"),
                                             columnas, {}, QStringLiteral("A_Prima"));
        m_lambdaR = factores->anadeFilaVarias(factor, columnas, QStringLiteral("λR"),
                                              QStringLiteral("Lambda_R"));
        m_lambdaB = factores->anadeFilaVarias(factor, columnas, QStringLiteral("λB"),
                                              QStringLiteral("Lambda_B"));

        Rejilla* anchura =
            anadeGrupo(contenido, QStringLiteral("Influencia de la anchura relativa de la zanja"));
        if (columnas > 1)
            anchura->anadeCabeceras(cabeceras.mid(0, columnas));
        m_relacionBD = anchura->anadeFilaVarias(QStringLiteral("Relación B/D"), columnas, {},
                                                QStringLiteral("Relacion_BD"));
        m_lambdaRG = anchura->anadeFilaVarias(factor, columnas, QStringLiteral("λRG"),
                                              QStringLiteral("Lambda_RG"));

        Rejilla* limite =
            anadeGrupo(contenido, QStringLiteral("Valor límite del factor de concentración"));
        if (columnas > 1)
            limite->anadeCabeceras(cabeceras.mid(0, columnas));
        m_lambdaFo = limite->anadeFilaVarias(QStringLiteral("Valor límite superior"), columnas,
                                             QStringLiteral("λfo"), QStringLiteral("Lambda_Fo"));
        m_lambdaFu = limite->anadeFilaVarias(QStringLiteral("Valor límite inferior"), columnas,
                                             QStringLiteral("λfu"), QStringLiteral("Lambda_Fu"));
        m_lambdaMax =
            limite->anadeFilaVarias(QStringLiteral("Máximo factor de concentración"), columnas,
                                    QStringLiteral("λmáx"), QStringLiteral("Lambda_Max"));
        igualaUnidades({factores, anchura, limite}, 1 + columnas);
        ajustaCaptions(*contenido->parentWidget());
    }

    void muestra(std::size_t columna, const Proyecto& p, const ConjuntoConcentracion& s,
                 const Separadores& sep) const {
        constexpr std::string_view factor = "#,##0.0000";
        ponValor(m_a.at(columna), p.Relacion_Proyeccion, "##0.0#", sep);
        ponValor(m_aPrima.at(columna), s.A_Prima, "#,##0.0#", sep);
        ponValor(m_lambdaR.at(columna), s.Lambda_R, factor, sep);
        ponValor(m_lambdaB.at(columna), s.Lambda_B, factor, sep);
        m_relacionBD.at(columna)->setText(textoRelacionBD(p, p.Relacion_BD, factor, sep));
        ponValor(m_lambdaRG.at(columna), s.Lambda_RG, factor, sep);
        ponValor(m_lambdaFo.at(columna), p.Lambda_Fo, "###0.0000", sep);
        ponValor(m_lambdaFu.at(columna), p.Lambda_Fu, "###0.0000", sep);
        ponValor(m_lambdaMax.at(columna), s.Lambda_Max, factor, sep);
    }

private:
    std::vector<QLabel*> m_a, m_aPrima, m_lambdaR, m_lambdaB, m_relacionBD, m_lambdaRG;
    std::vector<QLabel*> m_lambdaFo, m_lambdaFu, m_lambdaMax;
};

// The design loads of one screen: the vertical load and the two horizontal ones, short term and
// long term. Labels are named "Qvt_0", "Qh_1", "Qh_Estrella_0", ...
class EtiquetasCargasCalculo {
public:
    explicit EtiquetasCargasCalculo(QVBoxLayout* contenido) {
        auto* grupo = new QGroupBox;
        contenido->addWidget(grupo);
        auto* rejilla = new Rejilla(grupo);
        rejilla->anadeCabeceras({QStringLiteral("Corto Plazo"), QStringLiteral("Largo Plazo")});
        m_cabeceraLargo = enUltimaFila(*rejilla, 2);
        anadeSubtituloLiteral(*rejilla, QStringLiteral("Carga vertical sobre el tubo  (kN/m2)"));
        m_qvt = rejilla->anadeFilaVarias(QStringLiteral("Carga vertical sobre el tubo (Qvt)"), 2,
                                         {}, QStringLiteral("Qvt"));
        anadeSubtituloLiteral(*rejilla, QStringLiteral("Carga horizontal sobre el tubo  (kN/m2)"));
        m_qh = rejilla->anadeFilaVarias(
            QStringLiteral("Componente de la carga debido al relleno (Qh)"), 2, {},
            QStringLiteral("Qh"));
        m_qhEstrella = rejilla->anadeFilaVarias(
            QStringLiteral("Componente de la carga debido a la deformación del tubo (Qh*)"), 2, {},
            QStringLiteral("Qh_Estrella"));
        ajustaCaptions(*contenido->parentWidget());
    }

    // Column 0 short term, 1 long term.
    void muestra(std::size_t columna, double Qvt, double Qh, double Qh_Estrella,
                 const Separadores& sep) const {
        constexpr std::string_view patron = "###0.0000";
        ponValor(m_qvt.at(columna), Qvt, patron, sep);
        ponValor(m_qh.at(columna), Qh, patron, sep);
        ponValor(m_qhEstrella.at(columna), Qh_Estrella, patron, sep);
    }

    // The "Largo Plazo" caption and its three values.
    void muestraLargoPlazo(bool visible) const {
        if (m_cabeceraLargo)
            m_cabeceraLargo->setVisible(visible);
        for (const auto* fila : {&m_qvt, &m_qh, &m_qhEstrella})
            fila->at(1)->setVisible(visible);
    }

private:
    QWidget* m_cabeceraLargo = nullptr;
    std::vector<QLabel*> m_qvt, m_qh, m_qhEstrella;
};

} // namespace tubrix::gui
