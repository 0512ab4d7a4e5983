#pragma once

#include "TVraagsteller.h"

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
    [[nodiscard]] QString VraagNaam() override { return {}; }
    [[nodiscard]] QString KiesTeOpenenBestand(const QString&, const QString&) override
    {
        return {};
    }
    [[nodiscard]] QString KiesOpTeSlaanBestand(const QString&, const QString&) override
    {
        return m_opslagNaam;
    }

private:
    QString m_opslagNaam;
};
