// Every wizard screen, for sections of every kind, on a small screen (ctest runs this program at
// 1024×600 and at 1920×1080 scaled 2×): whole on view with its bar in reach, at one stable
// place, with the focus and the keyboard an engineer relies on.
#include "chain/calcula_seccion.h"
#include "screens/fabrica.h"
#include "support/banco.h"
#include "support/contestador.h"
#include "support/secciones.h"
#include "ui/barra_botones.h"
#include "ui/enter_como_tab.h"
#include "ui/pantalla_base.h"

#include <functional>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

using namespace tubrix;

namespace {

using Mira = std::function<void(gui::PantallaBase&, gui::Contexto&)>;

// Shows each screen of the section's forward pass in turn, as the wizard does, and looks at it.
void recorre(const char* seccion, const Mira& mira) {
    Proyecto p =
        test::cargaSeccion(std::filesystem::path(TUBRIX_TEST_DATA_DIR) / "secciones" / seccion);
    gui::Calculadora calculadora(p);
    gui::Contexto contexto{p, test::catalogoDelPrograma(), calculadora, Separadores::espanol()};
    for (int paso = kPrimerPaso; paso <= kUltimoPaso; ++paso) {
        p.Paso = static_cast<std::int16_t>(paso);
        const PantallasDelPaso pantallas = Pantallas_Del_Paso(paso, p);
        for (const auto& pantalla : {pantallas.primera, pantallas.largoPlazo}) {
            if (!pantalla)
                continue;
            {
                const auto dialogo = gui::creaPantalla(*pantalla, contexto, nullptr);
                dialogo->show();
                QTest::qWait(1);
                mira(*dialogo, contexto);
                dialogo->hide();
            }
            if (Ejecuta_Pantalla(*pantalla, p, contexto.catalogo))
                return;
        }
    }
}

const char* const kSecciones[] = {"prfv-largo-plazo-zanja-terraplenada-freatico.json",
                                  "fibrocemento-une-presion-terraplen-cuna-hormigon.json",
                                  "fundicion-zanja-estrecha-ht60-pavimento.json",
                                  "pp-largo-plazo-ensayos-lt12.json"};

QRect enPantalla(const QWidget& w) {
    return QRect(w.mapToGlobal(QPoint(0, 0)), w.size());
}

} // namespace

class PantallasTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { gui::EnterComoTab::instala(); }

    void everyScreenFitsWithItsBarInReachAtOneStablePlace() {
        const QRect zona = QGuiApplication::primaryScreen()->availableGeometry();
        for (const char* seccion : kSecciones) {
            std::optional<QPoint> centro;
            int vistas = 0;
            recorre(seccion, [&](gui::PantallaBase& pantalla, gui::Contexto&) {
                ++vistas;
                const QString nombre = pantalla.objectName() + QStringLiteral(" (") +
                                       QString::fromUtf8(seccion) + QStringLiteral(")");
                QVERIFY2(zona.contains(pantalla.frameGeometry()), qPrintable(nombre));
                for (QPushButton* b : pantalla.barra()->findChildren<QPushButton*>()) {
                    if (b->isVisibleTo(&pantalla))
                        QVERIFY2(zona.contains(enPantalla(*b)) &&
                                     pantalla.rect().contains(
                                         QRect(b->mapTo(&pantalla, QPoint(0, 0)), b->size())),
                                 qPrintable(nombre + QStringLiteral(": ") + b->objectName()));
                }
                // What does not fit scrolls; nothing is squeezed below its own minimum.
                const QScrollArea* area = pantalla.areaContenido();
                QVERIFY2(area->widget()->height() >= area->widget()->minimumSizeHint().height(),
                         qPrintable(nombre));
                const QPoint aqui = pantalla.frameGeometry().center();
                if (!centro)
                    centro = aqui;
                QVERIFY2((aqui - *centro).manhattanLength() <= 2, qPrintable(nombre));
            });
            QVERIFY(vistas >= 14);
        }
    }

    // The first focus is the first input control; a calculation screen gives it to "next",
    // so that Space never leaves the wizard. Tab goes down the controls as they are laid out,
    // then "next".
    void firstFocusAndTabOrderFollowTheLayout() {
        recorre(kSecciones[0], [](gui::PantallaBase& pantalla, gui::Contexto&) {
            QWidget* foco = QApplication::focusWidget();
            QVERIFY2(foco, qPrintable(pantalla.objectName()));
            QVERIFY2(foco != pantalla.barra()->abandonar(), qPrintable(pantalla.objectName()));
            if (!pantalla.areaContenido()->isAncestorOf(foco) &&
                pantalla.pantalla() != Pantalla::Verificacion_1)
                QCOMPARE(foco, pantalla.barra()->siguiente());
            // Tab from "abandon", the last of the chain, goes round: every control of the
            // screen once, then "next".
            std::vector<QWidget*> vistos;
            pantalla.barra()->abandonar()->setFocus();
            QTest::keyClick(pantalla.barra()->abandonar(), Qt::Key_Tab);
            QWidget* w = QApplication::focusWidget();
            for (int i = 0; i < 60 && pantalla.areaContenido()->isAncestorOf(w); ++i) {
                QVERIFY2(
                    std::find(vistos.begin(), vistos.end(), w) == vistos.end(),
                    qPrintable(pantalla.objectName() + QStringLiteral(": ") + w->objectName()));
                vistos.push_back(w);
                QTest::keyClick(w, Qt::Key_Tab);
                w = QApplication::focusWidget();
            }
            for (QWidget* control : pantalla.areaContenido()->findChildren<QWidget*>()) {
                const auto* opcion = qobject_cast<QRadioButton*>(control);
                const bool llega = (control->focusPolicy() & Qt::TabFocus) &&
                                   control->isVisibleTo(&pantalla) && control->isEnabled() &&
                                   !control->focusProxy() && (!opcion || opcion->isChecked()) &&
                                   control->parentWidget()->isEnabled();
                if (llega && !qobject_cast<QScrollArea*>(control))
                    QVERIFY2(std::find(vistos.begin(), vistos.end(), control) != vistos.end(),
                             qPrintable(pantalla.objectName() + QStringLiteral(" misses ") +
                                        control->objectName()));
            }
            if (pantalla.pantalla() != Pantalla::Verificacion_1)
                QCOMPARE(w, pantalla.barra()->siguiente());
        });
    }

    // Alt+→ on the safety screen goes on without switching class A to B; Alt+← and
    // Ctrl+PgUp go back, Ctrl+PgDn goes on.
    void altArrowsAreNextAndBackWithoutTouchingOptions() {
        for (const auto& [tecla, mods, codigo] :
             {std::tuple{Qt::Key_Right, Qt::AltModifier, kNavegacionSiguiente},
              std::tuple{Qt::Key_Left, Qt::AltModifier, kNavegacionAtras},
              std::tuple{Qt::Key_PageDown, Qt::ControlModifier, kNavegacionSiguiente},
              std::tuple{Qt::Key_PageUp, Qt::ControlModifier, kNavegacionAtras}}) {
            test::Banco b;
            b.p.Norma = 2;
            b.p.Clase_Seguridad = 1;
            const auto pantalla = gui::creaPantalla(Pantalla::Seguridad_ATV, b.contexto, nullptr);
            pantalla->show();
            auto* claseA = test::hijo<QRadioButton>(*pantalla, "Option1_0");
            claseA->setFocus();
            QTest::keyClick(claseA, tecla, mods);
            QCOMPARE(b.p.Codigo_Navegacion, codigo);
            QCOMPARE(b.p.Clase_Seguridad, std::int16_t(1));
            QVERIFY(claseA->isChecked());
            QVERIFY(!pantalla->isVisible());
        }
    }

    // Enter presses the focused button: "next" on a calculation screen, "back" too.
    void enterPressesTheFocusedButton() {
        test::Banco b("pvc-sn8-zanja-trafico.json");
        for (const bool adelante : {true, false}) {
            const auto pantalla = gui::creaPantalla(Pantalla::Tensiones, b.contexto, nullptr);
            pantalla->show();
            QPushButton* boton =
                adelante ? pantalla->barra()->siguiente() : pantalla->barra()->atras();
            boton->setFocus();
            QTest::keyClick(boton, Qt::Key_Return);
            QCOMPARE(b.p.Codigo_Navegacion, adelante ? kNavegacionSiguiente : kNavegacionAtras);
            QVERIFY(!pantalla->isVisible());
        }
    }

    // "Ir a la verificación" runs the screen's own accept work first: a refusal keeps it open.
    void goToVerificationAcceptsTheScreenFirst() {
        test::Banco b;
        b.p.Tipo_Instalacion = 1;
        const auto zanja = gui::creaPantalla(Pantalla::Datos_Zanja, b.contexto, nullptr);
        zanja->show();
        test::Contestador contestador;
        QTest::mouseClick(zanja->barra()->irAVerificacion(), Qt::LeftButton);
        QVERIFY(zanja->isVisible()); // H = 0 is refused
        QVERIFY(!contestador.vistos().empty());

        test::Banco calculada("pvc-sn8-zanja-trafico.json");
        const auto tensiones = gui::creaPantalla(Pantalla::Tensiones, calculada.contexto, nullptr);
        tensiones->show();
        QTest::mouseClick(tensiones->barra()->irAVerificacion(), Qt::LeftButton);
        QCOMPARE(calculada.p.Codigo_Navegacion, kNavegacionVerificacion);
        QVERIFY(!tensiones->isVisible());
    }
};

QTEST_MAIN(PantallasTest)
#include "pantallas_test.moc"
