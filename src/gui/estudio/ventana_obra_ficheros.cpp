// The works window's files (open, save, import, exports) and the actions on one reach (open it
// in the wizard, use the needed pipe).

#include "estudio/calculo_en_fondo.h"
#include "estudio/modelo_tramos.h"
#include "estudio/ventana_obra.h"
#include "obra/edita_obra.h"
#include "obra/fichero_obra.h"
#include "obra/importa_csv.h"
#include "obra/tabla_obra.h"
#include "pintor_obra.h"
#include "ui/informe_acciones.h"
#include "ui/rejilla.h"
#include "util/paths.h"

#include <QCheckBox>
#include <QLabel>
#include <QTableView>

namespace tubrix::gui {
namespace {

std::string lista(const std::vector<std::string>& nombres) {
    std::string texto;
    for (const std::string& n : nombres)
        texto += (texto.empty() ? "" : ", ") + n;
    return texto;
}

} // namespace

void VentanaObra::abre() {
    if (calculando() || !confirmaCambios())
        return;
    const std::optional<std::string> fichero = m_dialogos.abreObra(this);
    if (!fichero)
        return;
    auto obra = Abre_Obra(pathFromUtf8(*fichero));
    if (!obra) {
        m_dialogos.aviso(obra.error().mensaje);
        return; // the works on screen stays as it was
    }
    cambiaObra(std::move(*obra));
    m_fichero = *fichero;
    m_modificada = false;
    ponTitulo();
}

bool VentanaObra::guarda() {
    const std::optional<std::string> fichero = m_dialogos.guardaObra(this);
    if (!fichero)
        return false;
    if (auto guardado = Guarda_Obra(m_obra, pathFromUtf8(*fichero)); !guardado) {
        m_dialogos.aviso(guardado.error().mensaje);
        return false;
    }
    m_fichero = *fichero;
    m_modificada = false;
    ponTitulo();
    return true;
}

void VentanaObra::importa() {
    const std::optional<std::string> fichero = m_dialogos.importaCsv(this);
    if (!fichero)
        return;
    auto importados = Abre_Tramos_Csv(pathFromUtf8(*fichero));
    if (!importados) {
        m_dialogos.aviso(importados.error().mensaje);
        return;
    }
    const std::size_t n = importados->tramos.size();
    const std::string dialecto = describeDialecto(importados->dialecto);
    Obra obra = m_obra;
    Anade_Tramos(obra, std::move(*importados));
    cambiaObra(std::move(obra));
    marcaModificada();
    m_dialogos.aviso("Se han importado " + std::to_string(n) + (n == 1 ? " tramo" : " tramos") +
                     " de \"" + *fichero + "\" (" + dialecto + ").");
}

bool VentanaObra::todoCalculado() {
    const std::size_t calculados = m_modelo->calculados();
    if (calculados == m_obra.tramos.size() && calculados > 0)
        return true;
    // A summary of part of the works would count only what was calculated.
    const std::size_t faltan = m_obra.tramos.size() - calculados;
    std::string texto = "Calcule la obra antes de exportar sus resultados";
    if (calculados > 0)
        texto += faltan == 1 ? ": 1 tramo está sin calcular (cambiado o detenido)"
                             : ": " + std::to_string(faltan) +
                                   " tramos están sin calcular (cambiados o detenidos)";
    m_dialogos.aviso(texto + ".");
    return false;
}

void VentanaObra::exportaCsv() {
    if (!todoCalculado())
        return;
    gui::exporta(this, m_dialogos.exportaCsv, "obra-resultados.csv", [this] {
        return contenido(
            Csv_Resultados_Obra(m_modelo->resultadosCalculados(),
                                FormatoCsv::paraDecimal(m_contexto.separadores.decimal)));
    });
}

void VentanaObra::exportaPdf() {
    if (!todoCalculado())
        return;
    // Title and author in the same dialog as a section's report.
    const auto datos = preguntaDatosInforme(this, m_contexto.dialogos, m_obra.base.Texto_Proyecto,
                                            UsoInforme::Pdf);
    if (!datos)
        return;
    const std::optional<std::string> fichero = m_dialogos.exportaPdf(this, "obra-resumen.pdf");
    if (!fichero)
        return;
    OpcionesPdfObra opciones;
    opciones.cabecera = {qs(datos->titulo), qs(datos->autor)};
    opciones.informes = m_informes->isChecked();
    opciones.separadores = m_contexto.separadores;
    const ResultadoObra resultado = m_modelo->resultadosCalculados();
    if (auto escrito = escribePdfObra(m_obra, resultado, m_contexto.catalogo, opciones,
                                      pathFromUtf8(*fichero));
        !escrito) {
        m_dialogos.aviso(escrito.error().mensaje);
        return;
    }
    if (auto* aviso = findChild<QLabel*>(QStringLiteral("Exportado")))
        aviso->setText(QStringLiteral("Exportado: %1").arg(qs(*fichero)));
}

void VentanaObra::abreTramo(int fila) {
    if (calculando() || fila < 0 || static_cast<std::size_t>(fila) >= m_obra.tramos.size())
        return;
    const auto indice = static_cast<std::size_t>(fila);
    // A profile reach opens at the end that governs its verdict (the start before a calculation).
    const std::optional<ResultadoTramo>& calculado = m_modelo->resultado(indice);
    const Extremo extremo = calculado ? calculado->gobierna().extremo
                                      : Extremos_Del_Tramo(m_obra.tramos[indice]).front();
    auto seccion = Seccion_Del_Tramo(m_obra, indice, m_contexto.catalogo, extremo);
    if (!seccion) {
        m_dialogos.aviso("El tramo \"" + m_obra.tramos[indice].nombre +
                         "\" no se puede abrir en el asistente: " + seccion.error().mensaje);
        return;
    }
    Proyecto copia = *seccion;
    m_dialogos.asistente(copia);

    Obra obra = m_obra;
    auto cambios = Guarda_Seccion_En_Tramo(obra, indice, extremo, copia, m_contexto.catalogo);
    if (!cambios) {
        m_dialogos.aviso(cambios.error().mensaje);
        return;
    }
    if (cambios->guardados.empty()) {
        if (!cambios->avisos.empty())
            m_dialogos.aviso(lista(cambios->avisos));
        return;
    }
    std::string pregunta = "En el asistente han cambiado datos del tramo \"" +
                           m_obra.tramos[indice].nombre + "\": " + lista(cambios->guardados) + ".";
    if (!cambios->avisos.empty())
        pregunta += " " + lista(cambios->avisos);
    pregunta += " ¿Guardarlos en la obra?";
    if (!m_dialogos.pregunta(pregunta, "Guardar en la obra", "Descartar"))
        return;
    cambiaObra(std::move(obra), indice);
    marcaModificada();
    m_tabla->setCurrentIndex(m_modelo->index(fila, 0));
}

void VentanaObra::usaTuboNecesario() {
    const QModelIndex actual = m_tabla->currentIndex();
    if (calculando() || !actual.isValid())
        return;
    const auto indice = static_cast<std::size_t>(actual.row());
    const std::optional<ResultadoTramo>& calculado = m_modelo->resultado(indice);
    if (!calculado || !calculado->tuboNecesario)
        return;
    const TuboCandidato tubo = *calculado->tuboNecesario;
    Obra obra = m_obra;
    auto cambios = Usa_Tubo_En_Tramo(obra, indice, tubo, m_contexto.catalogo);
    if (!cambios) {
        m_dialogos.aviso(cambios.error().mensaje);
        return;
    }
    cambiaObra(std::move(obra), indice);
    marcaModificada();
    m_tabla->setCurrentIndex(m_modelo->index(actual.row(), 0));
    m_dialogos.aviso("El tramo \"" + m_obra.tramos[indice].nombre + "\" usa ahora " +
                     textoTubo(tubo) + ". Calcule de nuevo para ver su verificación.");
}

} // namespace tubrix::gui
