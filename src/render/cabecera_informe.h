#pragma once

#include <utility>

#include <QDate>
#include <QString>

namespace tubrix {

class Pluma;

// Title, author and date printed in every page header.
struct CabeceraInforme {
    CabeceraInforme() = default;
    CabeceraInforme(QString titulo_, QString autor_, QDate fecha_ = QDate::currentDate())
        : titulo(std::move(titulo_)), autor(std::move(autor_)), fecha(fecha_) {}

    QString titulo;
    QString autor;
    QDate fecha = QDate::currentDate();
};

// "dd/mm/aaaa".
QString textoFecha(const QDate& fecha);

// The printed page header, between two rules across the text frame: the program's name and the
// date, then title and author (each wrapped within the frame) and "Hoja: n de N". The reach of a
// works, when there is one, beside the name.
void cabeceraImpresora(Pluma& pluma, const CabeceraInforme& cabecera, const QString& tramo,
                       int pagina, int paginas);

// The page images' header, 11 mm high: logo and name, title and author one above the other
// (shortened with "…" when they do not fit), page and date at the right.
void cabeceraPantalla(Pluma& pluma, const CabeceraInforme& cabecera, int pagina, int paginas);

} // namespace tubrix
