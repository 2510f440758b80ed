#pragma once

#include "calc/esfuerzos.h"
#include "ui/barra_botones.h"
#include "ui/mensajes.h"
#include "ui/pantalla_base.h"
#include "ui/rejilla.h"

#include <array>
#include <cstddef>
#include <optional>

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace tubrix::gui {

// What the short- and long-term internal-force screens share: both run the calculation of their
// term when they open and show the same "Esfuerzos" grid; they differ only in the term. Kept in
// this header so that the two screens need nothing else to build.
class PantallaEsfuerzos : public PantallaBase {
public:
    // Cell i of the grid, numbered as the engine numbers them: (point - 1) * 12 + k.
    QLabel* celda(std::size_t i) const { return m_celdas.at(i); }
    QLabel* textoTipo() const { return m_tipo; }
    QLabel* textoAngulo() const { return m_angulo; }

protected:
    PantallaEsfuerzos(Contexto& contexto, Pantalla pantalla, const QString& titulo, Plazo plazo,
                      QWidget* parent)
        : PantallaBase(contexto, pantalla, titulo, parent) {
        construye();
        const Resultado<void> calculado = plazo == Plazo::Largo
                                              ? Calcula_Esfuerzos_Largo(proyecto())
                                              : Calcula_Esfuerzos_Corto(proyecto());
        VistaEsfuerzos vista = Vista_Esfuerzos(proyecto(), plazo, contexto.separadores);
        if (!calculado) {
            // The stored tables belong to an earlier calculation: none of them is shown.
            vista.celdas = {};
            rechazaCalculo(calculado.error());
        }
        m_tipo->setText(qs(vista.textoTipo));
        m_angulo->setText(qs(vista.textoAngulo));
        for (std::size_t i = 0; i < kCeldasEsfuerzos; ++i)
            m_celdas.at(i)->setText(qs(vista.celdas.at(i)));
    }

private:
    static constexpr std::size_t kCeldasPorPunto = 12;
    static constexpr std::size_t kPrimerAxil = 6;

    static QLabel* valor(QWidget* padre, const QString& nombre, int ancho) {
        auto* etiqueta = new QLabel(padre);
        etiqueta->setObjectName(nombre);
        etiqueta->setFrameShape(QFrame::StyledPanel);
        etiqueta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        etiqueta->setMinimumWidth(ancho);
        etiqueta->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return etiqueta;
    }

    static QLabel* negrita(const QString& texto, QWidget* padre) {
        auto* etiqueta = new QLabel(texto, padre);
        QFont fuente = etiqueta->font();
        fuente.setBold(true);
        etiqueta->setFont(fuente);
        return etiqueta;
    }

    void construye() {
        const int ancho =
            QFontMetrics(font()).horizontalAdvance(QStringLiteral("-00000,0000")) + 16;

        auto* apoyo = new QHBoxLayout;
        apoyo->addWidget(new QLabel(QStringLiteral("Apoyo tipo"), this));
        m_tipo = valor(this, QStringLiteral("Apoyo_Tipo"), ancho);
        m_tipo->setAlignment(Qt::AlignCenter);
        apoyo->addWidget(m_tipo);
        apoyo->addSpacing(24);
        apoyo->addWidget(new QLabel(QStringLiteral("Angulo 2 alfa"), this));
        m_angulo = valor(this, QStringLiteral("Angulo_Apoyo"), ancho);
        m_angulo->setAlignment(Qt::AlignCenter);
        apoyo->addWidget(m_angulo);
        apoyo->addStretch(1);
        contenido()->addLayout(apoyo);

        auto* marco = new QFrame(this);
        marco->setFrameShape(QFrame::StyledPanel);
        auto* rejilla = new QGridLayout(marco);
        rejilla->setHorizontalSpacing(12);
        rejilla->setVerticalSpacing(4);
        rejilla->setColumnStretch(0, 1);

        int fila = 0;
        rejilla->addWidget(negrita(QStringLiteral("Esfuerzos"), marco), fila, 0);
        const std::array<QString, 3> puntos{QStringLiteral("Clave"), QStringLiteral("Riñones"),
                                            QStringLiteral("Base")};
        for (std::size_t p = 0; p < puntos.size(); ++p) {
            QLabel* cabecera = negrita(puntos.at(p), marco);
            cabecera->setAlignment(Qt::AlignCenter);
            rejilla->addWidget(cabecera, fila, 1 + static_cast<int>(p));
        }
        ++fila;

        const std::array<QString, 5> casos{
            QStringLiteral("Por carga vertical (qvt)"), QStringLiteral("Por carga horizontal (qh)"),
            QStringLiteral("Por reacción horizontal (qh*)"), QStringLiteral("Por peso propio"),
            QStringLiteral("Por peso del agua")};
        // One block per kind of force: its title, the five load cases, then the total.
        const auto bloque = [&](const QString& titulo, const QString& suma, const QString& unidad,
                                std::size_t primera) {
            rejilla->addWidget(negrita(titulo, marco), fila++, 0, 1, -1);
            for (std::size_t k = 0; k <= casos.size(); ++k) {
                const bool total = k == casos.size();
                QLabel* texto = total ? negrita(suma, marco) : new QLabel(casos.at(k), marco);
                rejilla->addWidget(texto, fila, 0);
                for (std::size_t p = 0; p < puntos.size(); ++p) {
                    const std::size_t i = p * kCeldasPorPunto + primera + k;
                    QLabel* celda = valor(marco, QStringLiteral("Celda_%1").arg(i), ancho);
                    if (total)
                        celda->setFont(texto->font());
                    m_celdas.at(i) = celda;
                    rejilla->addWidget(celda, fila, 1 + static_cast<int>(p));
                }
                if (total)
                    rejilla->addWidget(new QLabel(unidad, marco), fila,
                                       1 + static_cast<int>(puntos.size()));
                ++fila;
            }
        };
        bloque(QStringLiteral("Momentos"), QStringLiteral("SUMA DE MOMENTOS"),
               QStringLiteral("(kN·m/m)"), 0);
        rejilla->setRowMinimumHeight(fila++, 8);
        bloque(QStringLiteral("Axiales"), QStringLiteral("SUMA DE AXIALES"),
               QStringLiteral("(kN/m)"), kPrimerAxil);

        contenido()->addWidget(marco);
        contenido()->addStretch(1);
    }

    std::array<QLabel*, kCeldasEsfuerzos> m_celdas{};
    QLabel* m_tipo = nullptr;
    QLabel* m_angulo = nullptr;
};

} // namespace tubrix::gui
