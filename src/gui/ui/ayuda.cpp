#include "ui/ayuda.h"

#include <QDialog>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tubrix::gui {

QString Ayuda::paginaDe(const QString& tema) {
    const QString pagina = QStringLiteral(":/help/%1.html").arg(tema);
    return QFile::exists(pagina) ? pagina : QStringLiteral(":/help/index.html");
}

void Ayuda::muestra(QWidget* parent, const QString& tema) {
    // A child window of the screen, so it stays usable while the screen is modal.
    auto* ventana = parent ? parent->findChild<QDialog*>(QStringLiteral("VentanaAyuda")) : nullptr;
    if (!ventana) {
        ventana = new QDialog(parent, Qt::Window);
        ventana->setObjectName(QStringLiteral("VentanaAyuda"));
        ventana->setWindowTitle(QStringLiteral("Ayuda de Tubrix"));
        ventana->setModal(false);
        auto* layout = new QVBoxLayout(ventana);
        auto* navegador = new QTextBrowser(ventana);
        navegador->setObjectName(QStringLiteral("NavegadorAyuda"));
        navegador->setOpenLinks(true);
        layout->addWidget(navegador);
        auto* botones = new QHBoxLayout;
        auto* indice = new QPushButton(QStringLiteral("Índice"), ventana);
        auto* cerrar = new QPushButton(QStringLiteral("Cerrar"), ventana);
        botones->addWidget(indice);
        botones->addStretch(1);
        botones->addWidget(cerrar);
        layout->addLayout(botones);
        QObject::connect(indice, &QPushButton::clicked, navegador, [navegador] {
            navegador->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
        });
        QObject::connect(cerrar, &QPushButton::clicked, ventana, &QDialog::close);
        ventana->resize(720, 640);
    }
    auto* navegador = ventana->findChild<QTextBrowser*>(QStringLiteral("NavegadorAyuda"));
    navegador->setSource(QUrl(QStringLiteral("qrc") + paginaDe(tema)));
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
}

} // namespace tubrix::gui
