// libFuzzer target over the tournament file reader: any bytes must be read without a crash,
// a hang or a sanitizer report, and what was read must survive a save and a second load.

#include "LezerControle.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fout = LezerControle::Controleer(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!fout.isEmpty()) {
        std::fprintf(stderr, "toernooi_lezer_fuzz: %s\n", fout.toUtf8().constData());
        std::abort();
    }
    return 0;
}
