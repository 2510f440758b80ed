#include "app/acerca_de.h"

#include "util/paths.h"
#include "version.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

QString textoAcercaDe(const Resultado<std::filesystem::path>& catalogo) {
    const QString fichero = catalogo
                                ? QString::fromStdString(utf8FromPath(*catalogo)).toHtmlEscaped()
                                : QString::fromStdString(catalogo.error().mensaje).toHtmlEscaped();
    return QStringLiteral(
               "<h2>Tubrix %1</h2>"
               "<p>Comprobación estructural de tuberías enterradas de saneamiento y presión, "
               "según las normas ATV A 127 y UNE 88.211-90.</p>"
               "<p>© 2026 Equipo Tubrix</p>"
               "<h3>Licencia</h3>"
               "<p>Tubrix es software libre: puede redistribuirlo y modificarlo según los términos "
               "de la Licencia Pública General de GNU publicada por la Free Software Foundation, "
               "versión 3 o (a su elección) cualquier versión posterior (GPL-3.0-or-later).</p>"
               "<p>Se distribuye con la esperanza de que sea útil, pero SIN NINGUNA GARANTÍA, ni "
               "siquiera la garantía implícita de COMERCIABILIDAD o IDONEIDAD PARA UN PROPÓSITO "
               "PARTICULAR. Los detalles están en la licencia: "
               "<a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">"
               "https://www.gnu.org/licenses/gpl-3.0.html</a>.</p>"
               "<h3>Catálogo de tubos</h3>"
               "<p>Fichero: %2</p>"
               "<p>Los grupos, subclases y tubos del catálogo proceden de normas de producto "
               "(UNE-EN 1401, 12201, 1916, 545, 598, 14364, 1852 y 13476-3, UNE 88211 y otras) y "
               "de fichas técnicas de fabricantes, o se han calculado a partir de ellas con la "
               "fórmula indicada. Los valores típicos, derivados o supuestos están señalados como "
               "tales. La tabla de coeficientes de pandeo alfa_D es teórica: se ha calculado para "
               "un anillo en un lecho elástico, no se ha leído de la gráfica de la ATV A 127.</p>"
               "<p>El documento catalogo.md, instalado con la documentación del programa "
               "(share/doc/tubrix en Linux), da la fuente de cada valor.</p>"
               "<p>Hecho con Qt %3.</p>")
        .arg(QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size())), fichero,
             QString::fromLatin1(qVersion()));
}

} // namespace

AcercaDe::AcercaDe(const Resultado<std::filesystem::path>& catalogo, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Acerca de Tubrix"));
    auto* raiz = new QVBoxLayout(this);
    // Tall enough for the wrapped text at its width.
    raiz->setSizeConstraint(QLayout::SetFixedSize);
    auto* cuerpo = new QHBoxLayout;
    auto* logo = new QLabel(this);
    logo->setPixmap(QIcon(QStringLiteral(":/icons/tubrix.svg")).pixmap(64, 64));
    cuerpo->addWidget(logo, 0, Qt::AlignTop);
    auto* texto = new QLabel(textoAcercaDe(catalogo), this);
    texto->setObjectName(QStringLiteral("textoAcercaDe"));
    texto->setWordWrap(true);
    texto->setTextFormat(Qt::RichText);
    texto->setOpenExternalLinks(true);
    texto->setTextInteractionFlags(Qt::TextBrowserInteraction);
    texto->setFixedWidth(480);
    cuerpo->addWidget(texto, 1);
    raiz->addLayout(cuerpo);

    auto* botones = new QDialogButtonBox(this);
    QPushButton* acercaDeQt =
        botones->addButton(QStringLiteral("Acerca de Qt"), QDialogButtonBox::HelpRole);
    QPushButton* cerrar =
        botones->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
    cerrar->setDefault(true);
    connect(acercaDeQt, &QPushButton::clicked, this, [this] { QMessageBox::aboutQt(this); });
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    raiz->addWidget(botones);
}

} // namespace tubrix::gui
