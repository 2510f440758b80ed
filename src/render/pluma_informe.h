#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QPainter;

namespace tubrix {

// "Times New Roman" 10 pt, the report's font (Liberation Serif, its metric twin, where that
// font is not installed).
QFont fuenteInforme();

// The report writer's pen: a current position in millimetres that moves one line down per
// line, inside a frame from 15 mm to the right edge of the page's printable width. Nothing it
// writes passes the frame's right edge: a long text wraps onto the next lines of its column.
class Pluma {
public:
    Pluma(QPainter& painter, double anchoMm);

    static constexpr double kIzquierdaMm = 15; // the frame's left edge, and the rules'

    double alturaLinea() const;
    double y() const { return m_y; }
    void ponY(double y) { m_y = y; }
    double derechaMm() const { return m_anchoMm; } // the frame's right edge

    // Writes a text at x with its top at the current y; the position does not move.
    void escribe(double xMm, const QString& texto);
    // The same, ending at x.
    void escribeHastaDerecha(double xMm, const QString& texto);
    // The text broken at blanks into lines no wider than `anchoMm` (a word wider than that
    // keeps its own line whole: a number is never cut).
    QStringList partido(const QString& texto, double anchoMm) const;
    // Writes the text at x, wrapped so that it ends before `limiteMm` (or the frame's right
    // edge), one line below the other from the current y; returns the lines used. A single word
    // that would pass the frame's right edge is moved left to end there.
    int escribeEnColumna(double xMm, double limiteMm, const QString& texto);
    // The text cut with "…" to fit `anchoMm`.
    QString recortado(const QString& texto, double anchoMm) const;
    double anchoTexto(const QString& texto) const;

    void saltaLinea() { m_y += alturaLinea(); }
    void saltaLineas(int n) { m_y += n * alturaLinea(); }
    void lineaEnBlanco() { saltaLinea(); }

    // A rule across the frame, then 1 mm down.
    void lineaHorizontal();

    void negrita(bool si, bool subrayado = false);
    void escalaFuente(double factor);
    double mmEnUnidades() const;
    QPainter& painter() { return m_p; }

private:
    QPainter& m_p;
    double m_anchoMm;
    double m_y = 0;
};

} // namespace tubrix
