#include "chain/calcula_seccion.h"
#include "support/banco.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "support/secciones.h"
#include "support/temp_dir.h"
#include "ui/calculadora.h"
#include "ui/informe_acciones.h"

#include <deque>
#include <fstream>

#include <QImage>
#include <QPrintPreviewDialog>
#include <QTest>
#include <QTimer>

using namespace tubrix;

namespace {

// A calculated section and dialogs that answer from queues.
struct Banco : test::Banco {
    std::deque<std::optional<std::string>> textos;
    std::optional<std::string> carpeta;
    std::optional<std::string> pdf;
    int preguntas = 0;

    Banco() : test::Banco("pvc-sn8-zanja-trafico.json") {
        contexto.dialogos.pideTexto = [this](QWidget*, const std::string&, const std::string&) {
            ++preguntas;
            std::optional<std::string> r;
            if (!textos.empty()) {
                r = textos.front();
                textos.pop_front();
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

int ficherosEn(const std::filesystem::path& carpeta) {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(carpeta),
                                          std::filesystem::directory_iterator()));
}

} // namespace

class InformeAccionesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pageImagesAreWrittenIntoTheChosenFolder() {
        test::TempDir dir;
        Banco b;
        b.textos = {std::string("Colector"), std::string("Ing. Pérez")};
        b.carpeta = dir.path().string();
        test::Contestador contestador;
        gui::guardaImagenesInforme(nullptr, b.contexto);
        QCOMPARE(ficherosEn(dir.path()), 5);
        const QImage pagina(QString::fromStdString((dir / "Imp05.bmp").string()));
        QVERIFY(!pagina.isNull());
        QCOMPARE(contestador.vistos().size(), std::size_t(1));
        QVERIFY(contestador.vistos().front().texto.contains(QStringLiteral("Imp01.bmp")));
    }

    void pageImagesNeedATitleAndAnAuthor() {
        test::TempDir dir;
        Banco b;
        b.carpeta = dir.path().string();
        b.textos = {std::string("Colector"), std::string("")};
        gui::guardaImagenesInforme(nullptr, b.contexto);
        b.textos = {std::nullopt, std::string("Autor")};
        gui::guardaImagenesInforme(nullptr, b.contexto);
        QCOMPARE(b.preguntas, 4);
        QCOMPARE(ficherosEn(dir.path()), 0);
        b.textos = {std::string("Colector"), std::string("Autor")};
        b.carpeta.reset(); // folder dialog cancelled
        gui::guardaImagenesInforme(nullptr, b.contexto);
        QCOMPARE(ficherosEn(dir.path()), 0);
    }

    void aFailedSaveOfThePagesIsReported() {
        test::TempDir dir;
        Banco b;
        b.textos = {std::string("T"), std::string("A")};
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
        b.textos = {std::string(""), std::string("")};
        b.pdf = (dir / "informe.pdf").string();
        gui::exportaInformePdf(nullptr, b.contexto);
        std::ifstream pdf(dir / "informe.pdf", std::ios::binary);
        std::string cabecera(5, '\0');
        pdf.read(cabecera.data(), 5);
        QCOMPARE(QString::fromStdString(cabecera), QStringLiteral("%PDF-"));
    }

    void pdfCancelledWritesNothing() {
        test::TempDir dir;
        Banco b;
        b.textos = {std::string("T"), std::string("A")};
        gui::exportaInformePdf(nullptr, b.contexto); // save dialog cancelled
        b.textos = {std::nullopt, std::string("A")};
        b.pdf = (dir / "informe.pdf").string();
        gui::exportaInformePdf(nullptr, b.contexto); // title cancelled
        QCOMPARE(ficherosEn(dir.path()), 0);
    }

    void printingOpensThePreview() {
        Banco b;
        b.textos = {std::nullopt, std::nullopt};
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
        QCOMPARE(b.preguntas, 2); // title and author, both cancelled: printed empty
    }
};

QTEST_MAIN(InformeAccionesTest)
#include "informe_acciones_test.moc"
