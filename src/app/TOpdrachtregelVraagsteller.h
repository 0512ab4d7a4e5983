#pragma once

#include "core/programma/TVraagsteller.h"

#include <QString>
#include <utility>

// The answers of the command-line tool, which asks nobody: messages go to standard error,
// the save dialog answers with the file named on the command line and an existing file is
// overwritten (the writer keeps its backup). The open dialog is never needed, since the
// file to load is always given.
class TOpdrachtregelVraagsteller : public TVraagsteller
{
public:
    explicit TOpdrachtregelVraagsteller(QString opslagNaam = {})
        : m_opslagNaam(std::move(opslagNaam))
    {
    }

    void Melding(const QString& titel, const QString& tekst) override;
    [[nodiscard]] bool VraagJaNee(const QString& titel, const QString& tekst) override;
    // Unsaved changes never arise in the tool: it loads, optionally saves, and ends. Should
    // the question come, it is called off, so nothing is thrown away unasked.
    [[nodiscard]] TAntwoord VraagJaNeeAnnuleren(const QString&, const QString&) override
    {
        return TAntwoord::Annuleren;
    }
    [[nodiscard]] QString VraagNaam() override { return {}; }
    [[nodiscard]] QString KiesTeOpenenBestand(const QString&, const QString&,
                                              const QString&) override
    {
        return {};
    }
    [[nodiscard]] QString KiesOpTeSlaanBestand(const QString&, const QString&,
                                               const QString&) override
    {
        return m_opslagNaam;
    }

private:
    QString m_opslagNaam;
};
