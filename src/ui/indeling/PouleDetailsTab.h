#pragma once

#include "core/model/TPouleDetails.h"

#include <QWidget>

class GetalVeld;
class QButtonGroup;
class QComboBox;
class QLineEdit;

// The tab "Poule details": the read-only poule name, the competition type, the minimum rest
// and, at the right, the partner controls (selector KruisPoule and the cross match type).
class PouleDetailsTab : public QWidget
{
    Q_OBJECT

public:
    struct Waarden
    {
        TCompetitieType CompetitieType = TCompetitieType::HeleCompetitie;
        int KruisPoule = 0; // -1 when text was typed instead of choosing an entry
        TKruisPouleCompetitieType KruisPouleCompetitieType =
            TKruisPouleCompetitieType::EnkeleWedstrijden;
        int MinimaleRust = 0;
    };

    explicit PouleDetailsTab(QWidget* parent = nullptr);

    // ToonPouleDetails, with the partner at position kruisPositie of the partner list.
    // Reports nothing: showing a poule is no choice of the organiser.
    void Toon(const TPouleDetails& poule, int kruisPositie);
    // LeegAlles: empty name, "Hele competitie", "Geen", "Enkele wedstrijden", 0.
    void Leeg();
    [[nodiscard]] Waarden Lees() const;
    // Whether the tab differs from the record, whose partner stands at kruisPositie.
    [[nodiscard]] bool Wijkt(const TPouleDetails& poule, int kruisPositie) const;

    // The entries of the partner selector; the chosen position is kept where it exists.
    void ZetPartnerLijst(const QStringList& lijst);
    void ZetKruisPouleKeuze(int positie);
    [[nodiscard]] int KruisPouleKeuze() const;

signals:
    void getypt();
    // An entry chosen in the selector by the organiser.
    void kruisPouleGekozen(int positie);
    // The cross match type set by the organiser: 0 single, 1 double.
    void kruisTypeGekozen(int positie);

private:
    QWidget* MaakLinks();
    QWidget* MaakRechts();

    QLineEdit* m_pouleNaam = nullptr;
    QButtonGroup* m_competitie = nullptr;
    GetalVeld* m_rust = nullptr;
    QComboBox* m_kruisPoule = nullptr;
    QButtonGroup* m_kruisType = nullptr;
    int m_vorigeKeuze = 0;
};
