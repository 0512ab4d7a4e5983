#include "core/bestand/ToernooiLezer.h"

#include "core/bestand/Tekstcodering.h"
#include "core/bestand/ToernooiRegelLezer.h"
#include "core/bestand/ToernooiSleutel.h"

namespace ToernooiLezer {

namespace {

// Calls f for every line of the text, without its line end and its CRs, up to a Ctrl-Z.
// f returns false to stop.
template <typename F> void VoorElkeRegel(QStringView tekst, F f)
{
    const qsizetype ctrlZ = tekst.indexOf(QChar(26));
    if (ctrlZ >= 0)
        tekst = tekst.first(ctrlZ);
    QString regel;
    qsizetype begin = 0;
    while (begin < tekst.size()) {
        qsizetype eind = tekst.indexOf(u'\n', begin);
        if (eind < 0)
            eind = tekst.size();
        QStringView ruw = tekst.sliced(begin, eind - begin);
        begin = eind + 1;
        if (ruw.contains(u'\r')) {
            regel = ruw.toString();
            regel.remove(u'\r');
            ruw = regel;
        }
        if (!f(ruw))
            return;
    }
}

} // namespace

bool IsToernooiTekst(QStringView tekst)
{
    bool inhoud = false;
    bool sleutel = false;
    VoorElkeRegel(tekst, [&](QStringView regel) {
        if (regel.startsWith(u'#'))
            return true;
        if (regel.trimmed().isEmpty())
            return true;
        inhoud = true;
        // The key as the reader takes it: after the spaces at the start, up to the first "=".
        qsizetype begin = 0;
        while (regel[begin] == u' ')
            ++begin;
        regel = regel.sliced(begin);
        const qsizetype is = regel.indexOf(u'=');
        sleutel = is > 0 && IsBekendeSleutel(HoofdLetters(regel.first(is)));
        return !sleutel;
    });
    return sleutel || !inhoud;
}

bool LeesToernooi(ToernooiModel& model, QStringView tekst)
{
    if (!IsToernooiTekst(tekst))
        return false;
    ToernooiRegelLezer lezer(model);
    lezer.Begin();
    VoorElkeRegel(tekst, [&](QStringView regel) {
        lezer.Regel(regel);
        return true;
    });
    lezer.Einde();
    return true;
}

bool LeesToernooiBytes(ToernooiModel& model, QByteArrayView bytes)
{
    return LeesToernooi(model, Tekstcodering::DecodeerBestand(bytes));
}

} // namespace ToernooiLezer
