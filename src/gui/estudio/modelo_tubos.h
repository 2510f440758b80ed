#pragma once

#include "chain/seleccion.h"
#include "estudio/tabla_resultados.h"

#include <cstdint>
#include <vector>

namespace tubrix::gui {

// The pipes tried in the section, one row each, the pipe of the section in bold.
class ModeloTubos final : public ModeloResultados {
    Q_OBJECT
public:
    enum class Columna : int {
        Veredicto,
        Grupo,
        Clase,
        DN,
        DiametroExterior,
        Espesor,
        Rigidez,
        FilaDeterminante,
        Utilizacion,
        DeformacionCorto,
        DeformacionLargo,
        Rechazo,
    };
    static constexpr int kColumnas = static_cast<int>(Columna::Rechazo) + 1;

    ModeloTubos(Separadores separadores, std::int16_t tuboDeLaSeccion, QObject* parent = nullptr);

    void pon(std::vector<TuboCandidato> candidatos);
    const std::vector<TuboCandidato>& candidatos() const { return m_candidatos; }

private:
    int filas() const override { return static_cast<int>(m_candidatos.size()); }
    QString texto(int fila, int columna) const override;
    QVariant orden(int fila, int columna) const override;
    std::optional<Veredicto> veredicto(int fila, int columna) const override;
    QString consejo(int fila, int columna) const override;
    bool destacada(int fila) const override;

    const TuboCandidato& candidato(int fila) const;

    std::int16_t m_tuboDeLaSeccion;
    std::vector<TuboCandidato> m_candidatos;
};

} // namespace tubrix::gui
