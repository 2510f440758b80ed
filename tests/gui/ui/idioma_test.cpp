// The program's language and numbers: Qt's standard dialogs speak Spanish (run under
// LANG=es_ES.UTF-8, as a Spanish desktop starts it), and one number convention holds whatever
// the desktop's locale.
#include "support/contestador.h"
#include "ui/contexto.h"
#include "ui/idioma.h"
#include "ui/mensajes.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

using namespace tubrix;

class IdiomaTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void standardButtonsReadInSpanish() {
        QVERIFY(gui::instalaTraduccionesQt(*qApp));
        QDialogButtonBox botones(QDialogButtonBox::Save | QDialogButtonBox::Open |
                                 QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                                 QDialogButtonBox::No);
        const auto texto = [&](QDialogButtonBox::StandardButton b) {
            return botones.button(b)->text().remove(QLatin1Char('&'));
        };
        QCOMPARE(texto(QDialogButtonBox::Save), QStringLiteral("Guardar"));
        QCOMPARE(texto(QDialogButtonBox::Open), QStringLiteral("Abrir"));
        QCOMPARE(texto(QDialogButtonBox::Cancel), QStringLiteral("Cancelar"));
        QCOMPARE(texto(QDialogButtonBox::Yes), QStringLiteral("Sí"));
        QCOMPARE(texto(QDialogButtonBox::No), QStringLiteral("No"));
    }

    // The program's own questions name their buttons in Spanish even without Qt's translations.
    void ourQuestionsReadSiNoCancelar() {
        test::Contestador contestador;
        QStringList textos;
        QTimer::singleShot(0, [&] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (caja)
                for (QAbstractButton* b : caja->buttons())
                    textos << b->text().remove(QLatin1Char('&'));
        });
        contestador.respuestas({QMessageBox::No});
        QCOMPARE(gui::preguntaSiNoCancelar(
                     nullptr, {"¿Desea guardar los cambios?", Icono::Pregunta, false, "Aviso"}),
                 gui::Respuesta::No);
        textos.sort();
        QCOMPARE(textos, (QStringList{QStringLiteral("Cancelar"), QStringLiteral("No"),
                                      QStringLiteral("Sí")}));
    }

    // A Spanish locale is kept (Mexico's decimal point included); any other gives Spain's, so
    // "3.600" is never "3,600".
    void oneNumberConventionWhateverTheDesktop() {
        QCOMPARE(gui::localeDelPrograma(QLocale(QLocale::English, QLocale::UnitedStates)),
                 QLocale(QLocale::Spanish, QLocale::Spain));
        QCOMPARE(gui::localeDelPrograma(QLocale(QLocale::German, QLocale::Germany)),
                 QLocale(QLocale::Spanish, QLocale::Spain));
        QCOMPARE(gui::localeDelPrograma(QLocale(QLocale::Spanish, QLocale::Mexico)),
                 QLocale(QLocale::Spanish, QLocale::Mexico));
        QCOMPARE(QLocale::system().language(), QLocale::Spanish); // LANG=es_ES.UTF-8
        const Separadores sep = gui::separadoresDelSistema();
        QCOMPARE(sep.decimal.str(), std::string(","));
        QCOMPARE(sep.miles.str(), std::string("."));
    }
};

QTEST_MAIN(IdiomaTest)
#include "idioma_test.moc"
