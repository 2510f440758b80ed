#pragma once

#include "input/datos_suelos.h"
#include "ui/pantalla_base.h"

class QComboBox;

namespace tubrix::gui {

// First soil page: a soil group for each of the four zones around the pipe and the compaction
// of zones 1 and 2. Each choice is stored at once; under an embankment zones 2 and 3 follow
// zone 1 and cannot be chosen on their own.
class Datos_Suelos final : public PantallaBase {
    Q_OBJECT
public:
    Datos_Suelos(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void siguiente() override;
    void atras() override;
    void showEvent(QShowEvent* event) override;

private:
    void construye();
    void refresca();
    void avisa(const std::optional<AvisoGrupo4>& aviso);
    EntradaDatosSuelos entrada() const;

    VistaDatosSuelos m_vista;
    PorZona<QComboBox*> m_grupos{};
    PorZonaCompactada<QComboBox*> m_compactaciones{};
    bool m_avisoInicialVisto = false;
};

} // namespace tubrix::gui
