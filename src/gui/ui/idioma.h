#pragma once

#include <QLocale>

class QCoreApplication;

namespace tubrix::gui {

// The number convention of the program: the user's own when it is a Spanish one (Spain, Mexico,
// …), Spanish of Spain otherwise, so that "3,600" never means three thousand six hundred on
// one screen and three point six on the next.
QLocale localeDelPrograma(const QLocale& sistema = QLocale::system());

// Makes the program's convention the default of every Qt number and date text.
void ponLocaleDelPrograma();

// Loads Qt's own Spanish texts (standard buttons, file dialogs, the overwrite question) into the
// application, which speaks Spanish whatever the desktop's language. False, with a warning on
// the error output, when the system has no Spanish translation of Qt: the program still works,
// with those dialogs in English.
bool instalaTraduccionesQt(QCoreApplication& aplicacion);

} // namespace tubrix::gui
