#pragma once

#include "estudio/tabla_resultados.h"
#include "tablas/tabla_recubrimiento.h"

#include <optional>

namespace tubrix::gui {

// A table of admissible cover, one row per pipe of the series (DN, class, SN) and one column
// per case (traffic, soil, groundwater) showing "mín – máx" in m, or "—" with the reason as the
// tooltip. Valid ranges on green, pipes valid nowhere on red, refused cells on grey.
class ModeloTablas final : public ModeloResultados {
    Q_OBJECT
public:
    static constexpr int kColumnasTubo = 3; // DN, class, SN

    explicit ModeloTablas(Separadores separadores, QObject* parent = nullptr);

    void pon(std::optional<TablaRecubrimiento> tabla);
    const std::optional<TablaRecubrimiento>& tabla() const { return m_tabla; }

private:
    int filas() const override;
    QString texto(int fila, int columna) const override;
    QVariant orden(int fila, int columna) const override;
    std::optional<Veredicto> veredicto(int fila, int columna) const override;
    QString consejo(int fila, int columna) const override;

    const LimitesProfundidad* celda(int fila, int columna) const;

    std::optional<TablaRecubrimiento> m_tabla;
};

} // namespace tubrix::gui
