#include "documento_pdf.h"

#include <exception>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace tubrix {
namespace {

constexpr double kPuntosPorMm = 72.0 / 25.4;

void ponInformacion(QPDF& pdf, const MetadatosPdf& m) {
    QPDFObjectHandle trailer = pdf.getTrailer();
    QPDFObjectHandle info = trailer.getKey("/Info");
    if (!info.isDictionary()) {
        info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        trailer.replaceKey("/Info", info);
    }
    info.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(m.titulo));
    info.replaceKey("/Author", QPDFObjectHandle::newUnicodeString(m.autor));
    info.replaceKey("/Subject", QPDFObjectHandle::newUnicodeString(m.asunto));
    info.replaceKey("/Creator", QPDFObjectHandle::newUnicodeString(m.creador));
    pdf.getRoot().removeKey("/Metadata");
}

void ponMarcadores(QPDF& pdf, const std::vector<MarcadorPdf>& marcadores) {
    std::vector<QPDFPageObjectHelper> paginas = QPDFPageDocumentHelper(pdf).getAllPages();
    QPDFObjectHandle raiz = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    raiz.replaceKey("/Type", QPDFObjectHandle::newName("/Outlines"));
    std::vector<QPDFObjectHandle> entradas;
    for (const MarcadorPdf& m : marcadores) {
        if (m.pagina < 0 || static_cast<std::size_t>(m.pagina) >= paginas.size())
            continue;
        QPDFPageObjectHelper& pagina = paginas[static_cast<std::size_t>(m.pagina)];
        const QPDFObjectHandle::Rectangle caja = pagina.getMediaBox().getArrayAsRectangle();
        const double arriba = caja.ury - m.yMm * kPuntosPorMm;
        QPDFObjectHandle entrada = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        entrada.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(m.titulo));
        entrada.replaceKey("/Parent", raiz);
        entrada.replaceKey(
            "/Dest", QPDFObjectHandle::newArray(
                         {pagina.getObjectHandle(), QPDFObjectHandle::newName("/XYZ"),
                          QPDFObjectHandle::newReal(caja.llx, 2),
                          QPDFObjectHandle::newReal(arriba, 2), QPDFObjectHandle::newNull()}));
        if (!entradas.empty()) {
            entrada.replaceKey("/Prev", entradas.back());
            entradas.back().replaceKey("/Next", entrada);
        }
        entradas.push_back(entrada);
    }
    if (entradas.empty())
        return;
    raiz.replaceKey("/First", entradas.front());
    raiz.replaceKey("/Last", entradas.back());
    raiz.replaceKey("/Count",
                    QPDFObjectHandle::newInteger(static_cast<long long>(entradas.size())));
    pdf.getRoot().replaceKey("/Outlines", raiz);
    pdf.getRoot().replaceKey("/PageMode", QPDFObjectHandle::newName("/UseOutlines"));
}

} // namespace

Resultado<QByteArray> completaPdf(const QByteArray& bytes, const MetadatosPdf& metadatos,
                                  const std::vector<MarcadorPdf>& marcadores) {
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("informe.pdf", bytes.constData(),
                              static_cast<std::size_t>(bytes.size()));
        ponInformacion(pdf, metadatos);
        ponMarcadores(pdf, marcadores);
        QPDFWriter escritor(pdf);
        escritor.setOutputMemory();
        escritor.write();
        const std::shared_ptr<Buffer> salida = escritor.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(salida->getBuffer()),
                          static_cast<qsizetype>(salida->getSize()));
    } catch (const std::exception& e) {
        return falla(
            CodigoError::FicheroNoEscribible,
            std::string("No se han podido escribir las propiedades del PDF del informe: ") +
                e.what() + ".");
    }
}

} // namespace tubrix
