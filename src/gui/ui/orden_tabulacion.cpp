#include "ui/orden_tabulacion.h"

#include <algorithm>
#include <tuple>

#include <QGridLayout>
#include <QLayout>
#include <QScrollArea>
#include <QWidget>

namespace tubrix::gui {
namespace {

void recoge(const QLayout& layout, std::vector<QWidget*>& orden);

void recogeWidget(QWidget* w, std::vector<QWidget*>& orden) {
    if (auto* area = qobject_cast<QScrollArea*>(w); area && area->widget()) {
        if (const QLayout* interior = area->widget()->layout())
            recoge(*interior, orden);
        return;
    }
    if (w->focusPolicy() & Qt::TabFocus)
        orden.push_back(w); // a checkable group takes the focus before its contents
    if (const QLayout* propio = w->layout())
        recoge(*propio, orden);
}

void recoge(const QLayout& layout, std::vector<QWidget*>& orden) {
    std::vector<int> indices;
    for (int i = 0; i < layout.count(); ++i)
        indices.push_back(i);
    if (const auto* rejilla = qobject_cast<const QGridLayout*>(&layout)) {
        const auto posicion = [rejilla](int i) {
            int fila = 0, columna = 0, filas = 0, columnas = 0;
            rejilla->getItemPosition(i, &fila, &columna, &filas, &columnas);
            return std::tuple{fila, columna};
        };
        std::stable_sort(indices.begin(), indices.end(),
                         [&](int a, int b) { return posicion(a) < posicion(b); });
    }
    for (const int i : indices) {
        QLayoutItem* item = layout.itemAt(i);
        if (QWidget* w = item->widget())
            recogeWidget(w, orden);
        else if (const QLayout* anidado = item->layout())
            recoge(*anidado, orden);
    }
}

} // namespace

std::vector<QWidget*> controlesEnOrden(const QLayout& layout) {
    std::vector<QWidget*> orden;
    recoge(layout, orden);
    return orden;
}

void encadenaTabulacion(const std::vector<QWidget*>& orden) {
    for (std::size_t i = 1; i < orden.size(); ++i)
        QWidget::setTabOrder(orden[i - 1], orden[i]);
}

} // namespace tubrix::gui
