#include "ui/dialogo_informe.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tubrix::gui {

std::optional<DatosInforme> pideDatosInforme(QWidget* parent, const DatosInforme& preset,
                                             UsoInforme uso) {
    QDialog dialogo(parent);
    dialogo.setObjectName(QStringLiteral("DatosInforme"));
    dialogo.setWindowTitle(QStringLiteral("Datos del informe"));
    auto* raiz = new QVBoxLayout(&dialogo);
    auto* campos = new QFormLayout;
    raiz->addLayout(campos);

    auto* titulo = new QLineEdit(QString::fromStdString(preset.titulo), &dialogo);
    titulo->setObjectName(QStringLiteral("Titulo"));
    titulo->setMinimumWidth(titulo->fontMetrics().averageCharWidth() * 60);
    auto* autor = new QLineEdit(QString::fromStdString(preset.autor), &dialogo);
    autor->setObjectName(QStringLiteral("Autor"));
    campos->addRow(QStringLiteral("Título del proyecto:"), titulo);
    campos->addRow(QStringLiteral("Autor del proyecto:"), autor);

    const bool imagenes = uso == UsoInforme::Imagenes;
    QComboBox* formato = nullptr;
    QLabel* aviso = nullptr;
    if (imagenes) {
        formato = new QComboBox(&dialogo);
        formato->setObjectName(QStringLiteral("Formato"));
        formato->addItem(QStringLiteral("PNG (ficheros pequeños)"),
                         static_cast<int>(FormatoImagen::Png));
        formato->addItem(QStringLiteral("BMP (unos 6 MB por hoja)"),
                         static_cast<int>(FormatoImagen::Bmp));
        formato->setCurrentIndex(preset.formato == FormatoImagen::Png ? 0 : 1);
        campos->addRow(QStringLiteral("Formato de las imágenes:"), formato);
        aviso = new QLabel(QStringLiteral("Las imágenes de página necesitan el título y el autor."),
                           &dialogo);
        aviso->setObjectName(QStringLiteral("Aviso"));
        raiz->addWidget(aviso);
    }

    auto* botones = new QDialogButtonBox(&dialogo);
    QPushButton* aceptar =
        botones->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    aceptar->setObjectName(QStringLiteral("Aceptar"));
    aceptar->setDefault(true);
    botones->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("Cancelar"));
    raiz->addWidget(botones);
    QObject::connect(botones, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(botones, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);

    if (imagenes) {
        const auto actualiza = [=] {
            const bool completo =
                !titulo->text().trimmed().isEmpty() && !autor->text().trimmed().isEmpty();
            aceptar->setEnabled(completo);
            aviso->setVisible(!completo);
        };
        QObject::connect(titulo, &QLineEdit::textChanged, &dialogo, actualiza);
        QObject::connect(autor, &QLineEdit::textChanged, &dialogo, actualiza);
        actualiza();
    }
    titulo->setFocus();
    titulo->selectAll();

    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    DatosInforme datos;
    datos.titulo = titulo->text().toStdString();
    datos.autor = autor->text().toStdString();
    if (formato)
        datos.formato = static_cast<FormatoImagen>(formato->currentData().toInt());
    else
        datos.formato = preset.formato;
    return datos;
}

} // namespace tubrix::gui
