#pragma once

#include "support/catalogo_prueba.h"
#include "ui/calculadora.h"
#include "ui/contexto.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace tubrix::test {

// What a screen needs: a record, the program's catalogue and calculator, Spanish separators.
struct Banco {
    Proyecto p;
    gui::Calculadora calculadora{p};
    gui::Contexto contexto{p, catalogoDelPrograma(), calculadora, Separadores::espanol()};

    // A new section: program start and reset, dated 12-08-2026.
    Banco();
    // An example section of tests/data/secciones after the whole forward pass.
    explicit Banco(const char* seccionCalculada);

    Banco(const Banco&) = delete;
    Banco& operator=(const Banco&) = delete;
};

// The child widget of that object name; the test stops when there is none.
template <typename T>
T* hijo(const QWidget& pantalla, const char* nombre) {
    T* w = pantalla.findChild<T*>(QString::fromLatin1(nombre));
    if (!w)
        qFatal("no widget named %s", nombre);
    return w;
}

// The texts of a list's entries.
QStringList entradas(const QComboBox* combo);

// Types into a box as a user does: the whole text replaced, then Enter to move on.
void escribeYSale(QLineEdit* caja, const QString& texto);

} // namespace tubrix::test
