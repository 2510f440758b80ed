#include "ui/calculadora.h"

#include "ui/mensajes.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace tubrix::gui {

Calculadora::Calculadora(Proyecto& proyecto, QObject* parent)
    : QObject(parent), m_proyecto(proyecto), m_buscador(&Calculadora::calculadoraDelSistema) {}

Calculadora::~Calculadora() {
    cierra();
}

std::optional<Calculadora::Orden> Calculadora::calculadoraDelSistema() {
#if defined(Q_OS_WIN)
    return Orden{QStringLiteral("calc.exe"), {}};
#elif defined(Q_OS_MACOS)
    for (const QString& app : {QStringLiteral("/System/Applications/Calculator.app"),
                               QStringLiteral("/Applications/Calculator.app")}) {
        const QString binario = app + QStringLiteral("/Contents/MacOS/Calculator");
        if (QFileInfo::exists(binario))
            return Orden{binario, {}};
    }
    return std::nullopt;
#else
    for (const char* nombre :
         {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-gtk", "xcalc"}) {
        const QString ruta = QStandardPaths::findExecutable(QString::fromLatin1(nombre));
        if (!ruta.isEmpty())
            return Orden{ruta, {}};
    }
    return std::nullopt;
#endif
}

bool Calculadora::enMarcha() const {
    return m_proceso && m_proceso->state() != QProcess::NotRunning;
}

void Calculadora::lanza(QWidget* parent) {
    if (enMarcha())
        return;
    const std::optional<Orden> orden = m_buscador ? m_buscador() : std::nullopt;
    if (!orden) {
        muestraMensaje(parent, {"No se ha encontrado ninguna calculadora instalada en el sistema.",
                                Icono::Informacion, false, "Aviso"});
        return;
    }
    if (!m_proceso)
        m_proceso = new QProcess(this);
    m_proceso->start(orden->programa, orden->argumentos);
    if (!m_proceso->waitForStarted(3000)) {
        muestraMensaje(parent, {"No se ha podido iniciar la calculadora (" +
                                    orden->programa.toStdString() + ").",
                                Icono::Informacion, false, "Aviso"});
        return;
    }
    m_proyecto.Id_Calculadora = static_cast<double>(m_proceso->processId());
}

void Calculadora::cierra() {
    if (!enMarcha())
        return;
    m_proceso->terminate();
    if (!m_proceso->waitForFinished(2000))
        m_proceso->kill();
    m_proceso->waitForFinished(1000);
}

} // namespace tubrix::gui
