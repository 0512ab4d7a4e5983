#pragma once

#include "core/schema/TBouwUitkomst.h"
#include "core/schema/TSchemaBoom.h"
#include "core/schema/TWedstrijdGenerator.h"

#include <atomic>
#include <memory>
#include <vector>

class ToernooiModel;
struct TPouleDetails;

// The builder's main loop: walks the slots of the field usage table field by field and round
// by round, and at every available slot places the match of the poule that is most behind
// (or leaves the slot empty), until every poule has finished; then moves each final to
// field 1 of its round.
//
// A build reads the model's poules, teams, settings and field usage table, writes only the
// builder's working fields of the team and poule records, emits no signal and needs nothing
// else running, so it may run on a worker thread as long as nobody changes or reads the model
// meanwhile.
//
// The result equals selecting from a fresh copy of the poule tree at every slot, but costs far
// less: the open poules are kept ordered by progress (ties: later poule first), so the first
// candidate met in that order is the one the full comparison would choose; and a poule that
// cannot play in a round stays out of the search for the rest of that round.
class TSchemaBouwer
{
public:
    // The last round the field usage table offers.
    static constexpr int LaatsteRonde = VeldenEnRonden::OpgeslagenRijen;

    explicit TSchemaBouwer(const ToernooiModel& model);
    ~TSchemaBouwer();

    // Builds the schedule into boom, replacing what it held. When the build cannot finish,
    // boom is left as it was and the reason is returned.
    [[nodiscard]] TBouwUitkomst BouwSchema(TSchemaBoom& boom);

    // A flag that another thread may set to stop the build; it is looked at once per slot.
    // A stopped build leaves boom as it was and reports Geannuleerd.
    void ZetAnnulering(const std::atomic<bool>* annuleren) { m_annuleren = annuleren; }

    // Moves the final ("1e&2e") of every round to its first slot entry.
    static void FinaleNaarVeld1(TSchemaBoom& boom);

    [[nodiscard]] static QString NietPassendTekst();

    // The fewest rounds in which a poule of n teams can play its own matches, given its rest.
    [[nodiscard]] static qint64 MinsteRonden(const TPouleDetails& poule, qint64 n);

private:
    struct TKeuze
    {
        int Poule = -1;
        int A = -1;
        int B = -1;
        int Partner = -1;
    };

    [[nodiscard]] QString ControleerVooraf() const;
    void VolgendVeld();
    [[nodiscard]] bool BepaalKandidaten(int p);
    [[nodiscard]] bool KruisMogelijk(int p) const;
    void KiesWedstrijd();
    void PlaatsWedstrijd();
    void NaBoeking(int p, int q);
    void MarkeerOngeschikt(int p);
    void ZetVolgorde();
    [[nodiscard]] bool Voor(int p, int q) const;

    const ToernooiModel& m_model;
    const std::atomic<bool>* m_annuleren = nullptr;
    std::unique_ptr<TWedstrijdGenerator> m_generator;
    TSchemaBoom m_boom;
    int m_aantalVelden = 0;
    int m_huidigeRonde = 0;
    int m_huidigVeld = 0;
    bool m_vol = false;
    TKeuze m_keuze;
    // The open poules, lowest progress first and among equal progress the later poule first.
    std::vector<int> m_volgorde;
    // The round in which a poule was found unable to play; it stays so for that round.
    std::vector<int> m_ongeschiktInRonde;
    // How many open poules are marked so in round m_ongeschiktRonde: when all are, the rest
    // of the round stays empty without a search.
    int m_ongeschiktRonde = 0;
    int m_ongeschiktAantal = 0;
    std::vector<int> m_uitgerust;
};
