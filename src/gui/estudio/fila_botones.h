#pragma once

#include <initializer_list>

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace tubrix::gui {

// A button of a study window, named for the tests.
QPushButton* botonEstudio(const QString& texto, const QString& nombre, QDialog* ventana);

// The bottom row of a study window: `acciones` on the left, then the label "Exportado" that
// names the last file exported (exporta fills it), "Cerrar" (closes the window) on the right.
// None of the buttons is a default button, so Enter in the table or a box presses nothing.
//   raiz->addLayout(filaBotonesEstudio(this, {m_exportarCsv, m_exportarPdf}));
QHBoxLayout* filaBotonesEstudio(QDialog* ventana, std::initializer_list<QPushButton*> acciones);

} // namespace tubrix::gui
