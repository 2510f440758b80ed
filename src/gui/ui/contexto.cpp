#include "ui/contexto.h"

#include "ui/dialogos_fichero.h"
#include "ui/idioma.h"

#include <QLocale>

namespace tubrix::gui {

Dialogos Dialogos::delSistema() {
    return Dialogos{&gui::pideFicheroAbrir, &gui::pideFicheroGuardar, &gui::pideFicheroPdf,
                    &gui::pideCarpeta,      &gui::pideTexto,          &gui::pideDatosInforme};
}

Separadores separadoresDelSistema() {
    const QLocale locale = localeDelPrograma();
    return Separadores::con(locale.decimalPoint().toStdString(),
                            locale.groupSeparator().toStdString());
}

} // namespace tubrix::gui
