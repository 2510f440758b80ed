#pragma once

#include "chain/estudio.h"
#include "estudio/tabla_resultados.h"

#include <vector>

namespace tubrix::gui {

// The points of a sweep, one row each: the value, the verdict, the utilisation of each row that
// counts, the deflections and the refusal.
class ModeloPuntos final : public ModeloResultados {
    Q_OBJECT
public:
    explicit ModeloPuntos(Separadores separadores, QObject* parent = nullptr);

    // `filas` are the verification rows that count somewhere in the sweep, in their order.
    void pon(QString cabeceraValor, std::vector<PuntoEstudio> puntos,
             std::vector<FilaVerificacion> filas);
    const std::vector<PuntoEstudio>& puntos() const { return m_puntos; }

private:
    int filas() const override { return static_cast<int>(m_puntos.size()); }
    QString texto(int fila, int columna) const override;
    std::optional<Veredicto> veredicto(int fila, int columna) const override;
    QString consejo(int fila, int columna) const override;

    std::vector<PuntoEstudio> m_puntos;
    std::vector<FilaVerificacion> m_filas;
};

Veredicto veredictoDe(const PuntoEstudio& punto);

} // namespace tubrix::gui
