#pragma once

#include <vector>

class QLayout;
class QWidget;

namespace tubrix::gui {

// The controls of a layout that take the focus by Tab, in the order a reader meets them: the
// items of a box layout in their order, those of a grid row by row, and the contents of a group
// or a scrolled area where the group stands.
std::vector<QWidget*> controlesEnOrden(const QLayout& layout);

// Chains the widgets' tab order in the order given.
void encadenaTabulacion(const std::vector<QWidget*>& orden);

} // namespace tubrix::gui
