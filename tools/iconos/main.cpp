// Renders the program's SVG icon at the PNG sizes a Linux desktop looks for:
//   tubrix-iconos ICON.svg FOLDER NAME SIZE...
// writes FOLDER/<size>x<size>/apps/NAME.png for every size.
#include <cstdio>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: tubrix-iconos ICON.svg FOLDER NAME SIZE...\n");
        return 64;
    }
    // Painting needs a Qt Gui application, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "tubrix-iconos: %s is not a readable SVG\n", argv[1]);
        return 1;
    }
    for (qsizetype i = 4; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            std::fprintf(stderr, "tubrix-iconos: %s is not an icon size\n", argv[i]);
            return 64;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, args.at(3));
        if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "tubrix-iconos: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
