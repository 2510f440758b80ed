#include "ui/contexto.h"

#include <QLocale>

namespace tubrix::gui {

Separadores separadoresDelSistema() {
    const QLocale locale = QLocale::system();
    return Separadores{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace tubrix::gui
