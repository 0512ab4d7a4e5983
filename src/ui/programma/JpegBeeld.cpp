#include "ui/programma/JpegBeeld.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared before it.
#include <jerror.h>
#include <jpeglib.h>

namespace JpegBeeld {

namespace {

struct Foutafhandeling
{
    jpeg_error_mgr Basis;
    std::jmp_buf Terug;
    char Melding[JMSG_LENGTH_MAX];
    bool Waarschuwing;
};

[[noreturn]] void BijFout(j_common_ptr info)
{
    auto* fout = reinterpret_cast<Foutafhandeling*>(info->err);
    (*info->err->format_message)(info, fout->Melding);
    std::longjmp(fout->Terug, 1);
}

// Level -1 is a warning about corrupt data, such as a premature end of the file. The picture
// would come out partly grey, so it counts as a failure.
void BijBericht(j_common_ptr info, int niveau)
{
    auto* fout = reinterpret_cast<Foutafhandeling*>(info->err);
    if (niveau < 0 && !fout->Waarschuwing) {
        fout->Waarschuwing = true;
        (*info->err->format_message)(info, fout->Melding);
    }
}

// Kept free of C++ objects with destructors between setjmp and the jumps back to it.
bool DecodeerRuw(const unsigned char* data, unsigned long lengte, QImage& beeld, char* melding)
{
    jpeg_decompress_struct info;
    Foutafhandeling fout;
    info.err = jpeg_std_error(&fout.Basis);
    fout.Basis.error_exit = BijFout;
    fout.Basis.emit_message = BijBericht;
    fout.Waarschuwing = false;
    fout.Melding[0] = '\0';

    if (setjmp(fout.Terug)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(melding, JMSG_LENGTH_MAX, "%s", fout.Melding);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, lengte);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    beeld = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rij = beeld.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &rij, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (fout.Waarschuwing) {
        std::snprintf(melding, JMSG_LENGTH_MAX, "%s", fout.Melding);
        return false;
    }
    return true;
}

} // namespace

Uitkomst Decodeer(const QByteArray& gegevens)
{
    Uitkomst uitkomst;
    if (gegevens.isEmpty()) {
        uitkomst.Fout = QStringLiteral("Het bestand is leeg.");
        return uitkomst;
    }
    QImage beeld;
    char melding[JMSG_LENGTH_MAX] = {};
    if (!DecodeerRuw(reinterpret_cast<const unsigned char*>(gegevens.constData()),
                     static_cast<unsigned long>(gegevens.size()), beeld, melding)) {
        uitkomst.Fout = QStringLiteral("Het bestand is beschadigd (%1).")
                            .arg(QString::fromLocal8Bit(melding));
        return uitkomst;
    }
    uitkomst.Beeld = beeld;
    return uitkomst;
}

Uitkomst LeesBestand(const QString& pad)
{
    QFile bestand(pad);
    if (pad.isEmpty() || !bestand.open(QIODevice::ReadOnly)) {
        Uitkomst uitkomst;
        uitkomst.Fout = QStringLiteral("Het bestand \"%1\" kan niet gelezen worden.").arg(pad);
        return uitkomst;
    }
    return Decodeer(bestand.readAll());
}

} // namespace JpegBeeld
