#include "support/banco.h"

#include "chain/calcula_seccion.h"
#include "support/secciones.h"

#include <filesystem>

#include <QTest>

namespace tubrix::test {

Banco::Banco() {
    Arranca_Programa(p);
    Inicializa_Proyecto(p, "12-08-2026");
}

Banco::Banco(const char* seccionCalculada) {
    p = cargaSeccion(std::filesystem::path(TUBRIX_TEST_DATA_DIR) / "secciones" / seccionCalculada);
    if (const auto parada = Calcula_Seccion(p, contexto.catalogo))
        qFatal("the example section stops at step %d: %s", parada->paso, parada->mensaje.c_str());
}

QStringList entradas(const QComboBox* combo) {
    QStringList textos;
    for (int i = 0; i < combo->count(); ++i)
        textos << combo->itemText(i);
    return textos;
}

void escribeYSale(QLineEdit* caja, const QString& texto) {
    caja->setFocus(Qt::TabFocusReason);
    caja->selectAll();
    QTest::keyClicks(caja, texto);
    QTest::keyClick(caja, Qt::Key_Return);
}

} // namespace tubrix::test
