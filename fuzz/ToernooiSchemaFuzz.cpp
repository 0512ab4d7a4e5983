// libFuzzer target over the whole road of a tournament file: load, check, build twice, the
// rules of the schedule, the view, the three printouts and a save (SchemaControle.h).

#include "SchemaControle.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fout = SchemaControle::Controleer(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!fout.isEmpty()) {
        std::fprintf(stderr, "toernooi_schema_fuzz: %s\n", fout.toUtf8().constData());
        std::abort();
    }
    return 0;
}
