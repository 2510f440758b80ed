#include "ui/idioma.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QtDebug>

namespace tubrix::gui {

QLocale localeDelPrograma(const QLocale& sistema) {
    if (sistema.language() == QLocale::Spanish)
        return sistema;
    return QLocale(QLocale::Spanish, QLocale::Spain);
}

void ponLocaleDelPrograma() {
    QLocale::setDefault(localeDelPrograma());
}

bool instalaTraduccionesQt(QCoreApplication& aplicacion) {
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // qtbase holds the widgets' and dialogs' texts; the translator belongs to the application.
    auto traductor = std::make_unique<QTranslator>();
    if (!traductor->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                         QStringLiteral("_"), carpeta)) {
        qWarning().noquote() << "No se encuentran las traducciones de Qt al español en" << carpeta
                             << "(paquete qt6-translations-l10n): los diálogos estándar saldrán "
                                "en inglés.";
        return false;
    }
    traductor->setParent(&aplicacion);
    QCoreApplication::installTranslator(traductor.release());
    return true;
}

} // namespace tubrix::gui
