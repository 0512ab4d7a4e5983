#pragma once

#include "core/model/TLettertype.h"
#include "core/model/TUitloop.h"

#include <QDate>
#include <QString>
#include <optional>

// The answer to a question that can also be called off.
enum class TAntwoord
{
    Ja,
    Nee,
    Annuleren,
};

// Every modal question the program asks goes through this interface: message boxes, the
// name dialog and the file dialogs. The desktop program answers with real dialogs; tests
// answer from a script, so flows such as saving, loading and the unsaved-changes question
// run headless.
class TVraagsteller
{
public:
    virtual ~TVraagsteller() = default;

    // A message with only an OK button.
    virtual void Melding(const QString& titel, const QString& tekst) = 0;
    // A question with the answers Yes and No; true for Yes.
    [[nodiscard]] virtual bool VraagJaNee(const QString& titel, const QString& tekst) = 0;
    // A question with the answers Yes, No and Cancel; Escape and the close box mean Cancel.
    [[nodiscard]] virtual TAntwoord VraagJaNeeAnnuleren(const QString& titel,
                                                       const QString& tekst) = 0;
    // A question whose safe answer is "Annuleren" (the default, also Escape and the close
    // box) and whose other answer is "Doorgaan"; true for Doorgaan.
    [[nodiscard]] virtual bool VraagDoorgaan(const QString& titel, const QString& tekst)
    {
        return VraagJaNee(titel, tekst);
    }
    // The name dialog "Toevoegen": the name confirmed, or empty when cancelled.
    [[nodiscard]] virtual QString VraagNaam() = 0;
    // The open and save file dialogs. The filter is a list of "description|pattern" pairs
    // joined by "|"; the dialog starts in startMap (empty: the dialog's own choice); the
    // answer is the chosen file name, or empty when cancelled.
    [[nodiscard]] virtual QString KiesTeOpenenBestand(const QString& filter,
                                                      const QString& standaardExtensie,
                                                      const QString& startMap) = 0;
    [[nodiscard]] virtual QString KiesOpTeSlaanBestand(const QString& voorgesteldeNaam,
                                                       const QString& filter,
                                                       const QString& startMap) = 0;
    // A folder to write files into: the folder chosen, or empty when cancelled.
    [[nodiscard]] virtual QString KiesMap(const QString& titel)
    {
        Q_UNUSED(titel);
        return {};
    }
    // The font dialog on a font: the font confirmed, or nothing when cancelled.
    [[nodiscard]] virtual std::optional<TLettertype> KiesLettertype(const TLettertype& huidig)
    {
        Q_UNUSED(huidig);
        return std::nullopt;
    }
    // Which side won a cross match that ended level (after penalties): 1 or 2, or 0 while
    // that is not known yet.
    [[nodiscard]] virtual int VraagWinnaar(const QString& wedstrijd, const QString& kant1,
                                           const QString& kant2)
    {
        Q_UNUSED(wedstrijd);
        Q_UNUSED(kant1);
        Q_UNUSED(kant2);
        return 0;
    }
    // A date picked in a small dialog: the date confirmed, or nothing when cancelled.
    [[nodiscard]] virtual std::optional<QDate> VraagDatum(const QString& titel,
                                                          const QString& tekst)
    {
        Q_UNUSED(titel);
        Q_UNUSED(tekst);
        return std::nullopt;
    }
    // A delay: from which round on, and how many minutes later, starting from the values
    // given; the answer confirmed, or nothing when cancelled.
    [[nodiscard]] virtual std::optional<TUitloopRegel> VraagUitloop(int ronde, int minuten)
    {
        Q_UNUSED(ronde);
        Q_UNUSED(minuten);
        return std::nullopt;
    }
};
