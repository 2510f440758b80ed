#include "chain/calcula_seccion.h"
#include "support/banco.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "support/secciones.h"
#include "support/temp_dir.h"
#include "ui/calculadora.h"
#include "ui/dialogo_informe.h"
#include "ui/informe_acciones.h"

#include <deque>
#include <fstream>

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace tubrix;

namespace {

// A calculated section and dialogs that answer from queues.
struct Banco : test::Banco {
    std::deque<std::optional<gui::DatosInforme>> respuestas;
    std::vector<gui::DatosInforme> presets;
    std::optional<std::string> carpeta;
    std::optional<std::string> pdf;

    Banco() : test::Banco("pvc-sn8-zanja-trafico.json") {
        contexto.dialogos.pideDatosInforme = [this](QWidget*, const gui::DatosInforme& preset,
                                                    gui::UsoInforme) {
            presets.push_back(preset);
            std::optional<gui::DatosInforme> r;
            if (!respuestas.empty()) {
                r = respuestas.front();
                respuestas.pop_front();
            }
            return r;
        };
        contexto.dialogos.pideCarpeta = [this](QWidget*) {
            return carpeta;
        };
        contexto.dialogos.pideFicheroPdf = [this](QWidget*, const std::string&) {
            return pdf;
        };
    }
};

gui::DatosInforme datos(std::string titulo, std::string autor,
                        FormatoImagen formato = FormatoImagen::Bmp) {
    return {std::move(titulo), std::move(autor), formato};
}

int ficherosEn(const std::filesystem::path& carpeta) {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(carpeta),
                                          std::filesystem::directory_iterator()));
}

} // namespace

class InformeAccionesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().remove(QStringLiteral("informe"));
    }

    void pageImagesAreWrittenIntoTheChosenFolder() {
        test::TempDir dir;
        Banco b;
        b.respuestas = {datos("Colector", "Ing. Pérez", FormatoImagen::Png)};
        b.carpeta = dir.path().string();
        test::Contestador contestador;
        gui::guardaImagenesInforme(nullptr, b.contexto);
        QCOMPARE(ficherosEn(dir.path()), 6);
        const QImage pagina(QString::fromStdString((dir / "Imp06.png").string()));
        QVERIFY(!pagina.isNull());
        QCOMPARE(contestador.vistos().size(), std::size_t(1));
        const QString aviso = contestador.vistos().front().texto;
        QVERIFY2(aviso.contains(QStringLiteral("Imp01.png a Imp06.png")), qPrintable(aviso));
        QVERIFY(aviso.contains(QDir::toNativeSeparators(QString::fromStdString(*b.carpeta))));
    }

    // One dialog, preset with the project's description and the author and format given last.
    void theDialogIsPresetAndRemembers() {
        test::TempDir dir;
        Banco b;
        b.respuestas = {datos("Colector norte", "Ing. Pérez", FormatoImagen::Png)};
        b.pdf = (dir / "informe.pdf").string();
        test::Contestador contestador;
        gui::exportaInformePdf(nullptr, b.contexto);
        QCOMPARE(b.presets.size(), std::size_t(1));
        QCOMPARE(b.presets.front().titulo, b.p.Texto_Proyecto);
        QVERIFY(!b.p.Texto_Proyecto.empty());
        QVERIFY(std::filesystem::exists(dir / "informe.pdf"));
        QCOMPARE(contestador.vistos().size(), std::size_t(1));
        QVERIFY(contestador.vistos().front().texto.contains(QStringLiteral("informe.pdf")));

        b.respuestas = {datos("Colector norte", "Ing. Pérez", FormatoImagen::Png)};
        b.carpeta.reset(); // folder dialog cancelled
        gui::guardaImagenesInforme(nullptr, b.contexto);
        b.p.Texto_Proyecto.clear();
        gui::imprimeInforme(nullptr, b.contexto); // dialog cancelled: no preview
        QCOMPARE(b.presets.size(), std::size_t(3));
        QCOMPARE(b.presets[1].autor, std::string("Ing. Pérez"));
        QCOMPARE(b.presets[2].titulo, std::string("Colector norte")); // the project has none
        QCOMPARE(b.presets[2].formato, FormatoImagen::Png);
    }

    void pageImagesNeedATitleAndAnAuthor() {
        test::TempDir dir;
        Banco b;
        b.carpeta = dir.path().string();
        b.respuestas = {datos("Colector", ""), std::nullopt};
        gui::guardaImagenesInforme(nullptr, b.contexto);
        gui::guardaImagenesInforme(nullptr, b.contexto);
        QCOMPARE(ficherosEn(dir.path()), 0);

        // The real dialog cannot be accepted without both texts.
        QTimer::singleShot(0, this, [] {
            auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialogo);
            auto* aceptar = test::hijo<QPushButton>(*dialogo, "Aceptar");
            auto* autor = test::hijo<QLineEdit>(*dialogo, "Autor");
            QVERIFY(!aceptar->isEnabled());
            QVERIFY(test::hijo<QLabel>(*dialogo, "Aviso")->isVisibleTo(dialogo));
            autor->setText(QStringLiteral("Ing. Pérez"));
            QVERIFY(aceptar->isEnabled());
            test::hijo<QComboBox>(*dialogo, "Formato")->setCurrentIndex(0);
            aceptar->click();
        });
        const auto respuesta =
            gui::pideDatosInforme(nullptr, datos("Colector", ""), gui::UsoInforme::Imagenes);
        QVERIFY(respuesta);
        QCOMPARE(respuesta->autor, std::string("Ing. Pérez"));
        QCOMPARE(respuesta->formato, FormatoImagen::Png);
    }

    void aFailedSaveOfThePagesIsReported() {
        test::TempDir dir;
        Banco b;
        b.respuestas = {datos("T", "A")};
        b.carpeta = (dir / "no_existe").string();
        test::Contestador contestador;
        gui::guardaImagenesInforme(nullptr, b.contexto);
        QCOMPARE(contestador.vistos().size(), std::size_t(1));
        QCOMPARE(contestador.vistos().front().icono, QMessageBox::Critical);
        QVERIFY(contestador.vistos().front().texto.contains(QStringLiteral("no existe")));
    }

    void pdfIsWrittenWithEmptyAnswersToo() {
        test::TempDir dir;
        Banco b;
        b.respuestas = {datos("", "")};
        b.pdf = (dir / "informe.pdf").string();
        test::Contestador contestador;
        gui::exportaInformePdf(nullptr, b.contexto);
        std::ifstream pdf(dir / "informe.pdf", std::ios::binary);
        std::string cabecera(5, '\0');
        pdf.read(cabecera.data(), 5);
        QCOMPARE(QString::fromStdString(cabecera), QStringLiteral("%PDF-"));
    }

    void pdfCancelledWritesNothing() {
        test::TempDir dir;
        Banco b;
        b.respuestas = {datos("T", "A"), std::nullopt};
        gui::exportaInformePdf(nullptr, b.contexto); // save dialog cancelled
        b.pdf = (dir / "informe.pdf").string();
        gui::exportaInformePdf(nullptr, b.contexto); // data dialog cancelled
        QCOMPARE(ficherosEn(dir.path()), 0);
    }

    void printingOpensThePreview() {
        Banco b;
        b.respuestas = {datos("", "")};
        bool vista = false;
        QTimer cierra;
        cierra.setInterval(20);
        connect(&cierra, &QTimer::timeout, this, [&] {
            if (auto* dialogo =
                    qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
                vista = true;
                dialogo->reject();
            }
        });
        cierra.start();
        gui::imprimeInforme(nullptr, b.contexto);
        QVERIFY(vista);
        QCOMPARE(b.presets.size(), std::size_t(1)); // one dialog for title and author
    }
};

QTEST_MAIN(InformeAccionesTest)
#include "informe_acciones_test.moc"
