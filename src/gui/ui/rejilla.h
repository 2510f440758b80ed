#pragma once

#include "format/formato.h"

#include <QGridLayout>
#include <QString>

class QLabel;

namespace tubrix::gui {

// Rows of captioned values: the caption on the left, the value right-aligned in a fixed column,
// the unit after it. Calculation screens are made of these.
class Rejilla final : public QGridLayout {
public:
    explicit Rejilla(QWidget* parent = nullptr);

    // Adds a row and returns its value label (named `nombre`, for tests).
    QLabel* anadeFila(const QString& caption, const QString& unidad = {},
                      const QString& nombre = {});
    // Adds a row with several value columns (short and long term, ...).
    std::vector<QLabel*> anadeFilaVarias(const QString& caption, int columnas,
                                         const QString& unidad = {}, const QString& nombre = {});
    // A heading over the value columns, starting at column 1.
    void anadeCabeceras(const QStringList& cabeceras);
    // A sub-heading spanning the row.
    QLabel* anadeSubtitulo(const QString& texto);

private:
    int m_fila = 0;
};

// A value label as the grids show it: right-aligned in a frame at least 90 px wide, its text
// selectable; named `nombre` (for tests) when given.
QLabel* etiquetaValor(const QString& nombre = {}, QWidget* parent = nullptr);

// Shows a number in a label through a display pattern.
void ponValor(QLabel* etiqueta, double valor, std::string_view patron, const Separadores& sep);

QString qs(std::string_view texto);

} // namespace tubrix::gui
