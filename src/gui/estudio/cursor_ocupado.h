#pragma once

#include <QGuiApplication>

namespace tubrix::gui {

// The busy cursor while an engine runs on the UI thread, for as long as the object lives:
//   { const CursorOcupado ocupado; resultados = Selecciona_Tubos(...); }
class CursorOcupado {
public:
    CursorOcupado() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QGuiApplication::restoreOverrideCursor(); }
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;
};

} // namespace tubrix::gui
