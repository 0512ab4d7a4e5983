// libFuzzer target over the import of team lists: any bytes as a CSV file must be previewed
// and applied without a crash, a hang or a sanitizer report, and the teams added must be the
// teams a save and a load read back.

#include "ImportControle.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fout = ImportControle::Controleer(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!fout.isEmpty()) {
        std::fprintf(stderr, "team_import_fuzz: %s\n", fout.toUtf8().constData());
        std::abort();
    }
    return 0;
}
