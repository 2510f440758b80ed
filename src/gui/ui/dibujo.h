#pragma once

#include <QWidget>

class QSvgRenderer;

namespace tubrix::gui {

// A line drawing of the program's resources (":/drawings/…svg"), scaled to the space it gets
// with its aspect ratio kept.
class Dibujo final : public QWidget {
    Q_OBJECT
public:
    explicit Dibujo(QWidget* parent = nullptr);
    explicit Dibujo(const QString& recurso, QWidget* parent = nullptr);

    void carga(const QString& recurso);
    QString recurso() const { return m_recurso; }

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int ancho) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* m_svg;
    QString m_recurso;
};

} // namespace tubrix::gui
