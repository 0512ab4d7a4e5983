#pragma once

#include <QWidget>

class QLineEdit;
struct TTeamDetails;

// The tab "Team details": the read-only team name and the club and attendant details.
class TeamDetailsTab : public QWidget
{
    Q_OBJECT

public:
    explicit TeamDetailsTab(QWidget* parent = nullptr);

    // ToonTeamDetails: the eleven edits receive the fields of the record.
    void Toon(const TTeamDetails& team);
    void Leeg();
    // The texts of the edits as a record (its name from the read-only edit).
    [[nodiscard]] TTeamDetails Waarden() const;
    // True when an edit differs from the record.
    [[nodiscard]] bool Wijkt(const TTeamDetails& team) const;

signals:
    // The organiser typed in one of the edits.
    void getypt();

private:
    QLineEdit* MaakEdit(const char* naam);

    QLineEdit* m_teamNaam = nullptr;
    QList<QLineEdit*> m_club;
    QList<QLineEdit*> m_begeleider;
};
