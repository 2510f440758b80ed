#pragma once

#include "input/datos_tubos.h"
#include "ui/pantalla_base.h"

#include <array>

class QComboBox;
class QGridLayout;
class QLabel;

namespace tubrix::gui {

// Pipe data: group, sub-class and diameter from the catalogue, the pipe's data read only, and the
// standard and calculation flags that the group decides for the rest of the wizard.
class Datos_Tubos final : public PantallaBase {
    Q_OBJECT
public:
    Datos_Tubos(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void siguiente() override;
    void atras() override;

private:
    // One row of "Datos de la tubería": caption, symbol, value and unit, greyed together.
    struct FilaDato {
        std::array<QLabel*, 4> etiquetas{};
        QLabel* valor() const { return etiquetas[2]; }
        void habilita(bool si) const;
    };

    void construye();
    FilaDato anadeFila(QGridLayout* rejilla, int fila, const QString& caption,
                       const QString& simbolo, const QString& unidad, const QString& nombre);

    void eligeGrupo(int posicion);
    void eligeMaterial(int posicion);
    void eligeDiametro(int posicion);

    void llenaGrupos();
    void llenaMateriales();
    void llenaDiametros();
    void muestraDatos();
    void cierra(Boton boton);

    VistaDatosTubos m_vista;

    QLabel* m_tipoConduccion = nullptr;
    QComboBox* m_grupos = nullptr;
    QComboBox* m_materiales = nullptr;
    QLabel* m_normaAplicar = nullptr;
    QComboBox* m_diametros = nullptr;

    FilaDato m_diametroExterior;
    FilaDato m_diametroInterior;
    FilaDato m_espesor;
    FilaDato m_diametroNormalizado;
    FilaDato m_moduloCorto;
    FilaDato m_moduloLargo;
    FilaDato m_pesoEspecifico;
    FilaDato m_rotura;
    FilaDato m_roturaLargo;
    FilaDato m_rigidez;
    QLabel* m_tipo = nullptr;      // hidden: the pipe's class text
    QLabel* m_faltaDato = nullptr; // why the frame is empty, when a code has no catalogue row
};

} // namespace tubrix::gui
