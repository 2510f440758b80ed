#pragma once

#include <filesystem>

#include <QProcess>
#include <QString>
#include <QStringList>

namespace tubrix::test {

// What a tool of poppler-utils prints on its standard output; empty when it cannot be started
// or has not finished in 30 s, which the tests report as the tool being needed.
inline QString salidaDe(const QString& programa, const QStringList& argumentos) {
    QProcess proceso;
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(30000))
        return {};
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

// The text of the PDF, each page ended by a form feed; `opciones` go before the file.
inline QString textoDePdf(const std::filesystem::path& pdf, QStringList opciones = {}) {
    opciones << QString::fromStdString(pdf.string()) << QStringLiteral("-");
    return salidaDe(QStringLiteral("pdftotext"), opciones);
}

// The document information of the PDF; with `cadaPagina`, also a size line for every page
// ("842 x 595" landscape A4).
inline QString infoDePdf(const std::filesystem::path& pdf, bool cadaPagina = false) {
    QStringList argumentos;
    if (cadaPagina)
        argumentos << QStringLiteral("-f") << QStringLiteral("1") << QStringLiteral("-l")
                   << QStringLiteral("999");
    argumentos << QString::fromStdString(pdf.string());
    return salidaDe(QStringLiteral("pdfinfo"), argumentos);
}

} // namespace tubrix::test
