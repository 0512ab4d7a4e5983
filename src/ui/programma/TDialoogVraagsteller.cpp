#include "ui/programma/TDialoogVraagsteller.h"

#include "gui/afdruk/LettertypeOmzetting.h"
#include "ui/indeling/TToevoegen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Gives the keyboard back once a question has closed: the window that asked is made active
// again and the control that had the focus gets it back, so the next key typed goes where
// the organiser was typing rather than into whatever window the system activates.
class FocusTerug
{
public:
    FocusTerug() : m_venster(QApplication::activeWindow()), m_focus(QApplication::focusWidget()) {}
    ~FocusTerug()
    {
        if (m_venster && m_venster->isVisible()) {
            m_venster->raise();
            m_venster->activateWindow();
        }
        if (m_focus && m_focus->isVisible())
            m_focus->setFocus(Qt::OtherFocusReason);
    }
    FocusTerug(const FocusTerug&) = delete;
    FocusTerug& operator=(const FocusTerug&) = delete;

private:
    QPointer<QWidget> m_venster;
    QPointer<QWidget> m_focus;
};

} // namespace

TDialoogVraagsteller::TDialoogVraagsteller(QWidget* ouder, TToevoegen* naamDialoog)
    : m_ouder(ouder), m_naamDialoog(naamDialoog)
{
    // The window the organiser worked in last, also while none is active for a moment. For a
    // dialog that is the window it stands over: the dialog itself may be gone by the time the
    // next question comes.
    QObject::connect(qApp, &QApplication::focusChanged, &m_focusVolger, [this](QWidget*, QWidget* nu) {
        if (!nu)
            return;
        QWidget* venster = nu->window();
        while (qobject_cast<QDialog*>(venster) && venster->parentWidget())
            venster = venster->parentWidget()->window();
        m_laatsteVrager = venster;
    });
}

QString TDialoogVraagsteller::SchermTekst(const QString& tekst)
{
    QString uit = tekst;
    uit.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    uit.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    uit.remove(u'\r');
    return uit;
}

QString TDialoogVraagsteller::QtFilter(const QString& filter)
{
    const QStringList delen = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < delen.size(); i += 2) {
        const QString& naam = delen.at(i);
        // The description already names its pattern in brackets; Qt reads it from there.
        filters.append(naam.contains(u'(') ? naam
                                           : naam + QStringLiteral(" (") + delen.at(i + 1) + u')');
    }
    return filters.join(QLatin1String(";;"));
}

QWidget* TDialoogVraagsteller::Vrager()
{
    QWidget* actief = QApplication::activeWindow();
    if (!actief)
        actief = m_laatsteVrager;
    // A window that has just closed (the progress window) can still be the last one active
    // until the window manager has moved the focus: then the window it stood over asks.
    while (actief && !actief->isVisible())
        actief = actief->parentWidget() ? actief->parentWidget()->window() : nullptr;
    if (actief) {
        m_laatsteVrager = actief;
        return actief;
    }
    return m_ouder;
}

void TDialoogVraagsteller::Melding(const QString& titel, const QString& tekst)
{
    const FocusTerug terug;
    QMessageBox doos(QMessageBox::Warning, titel, SchermTekst(tekst), QMessageBox::Ok, Vrager());
    doos.setTextFormat(Qt::PlainText);
    doos.exec();
}

bool TDialoogVraagsteller::VraagJaNee(const QString& titel, const QString& tekst)
{
    const FocusTerug terug;
    QMessageBox doos(QMessageBox::NoIcon, titel, SchermTekst(tekst),
                     QMessageBox::Yes | QMessageBox::No, Vrager());
    doos.setTextFormat(Qt::PlainText);
    doos.setDefaultButton(QMessageBox::Yes);
    return doos.exec() == QMessageBox::Yes;
}

int TDialoogVraagsteller::VraagWinnaar(const QString& wedstrijd, const QString& kant1,
                                       const QString& kant2)
{
    const FocusTerug terug;
    QMessageBox doos(QMessageBox::Question, QStringLiteral("Gelijkspel"),
                     wedstrijd + QStringLiteral("\n\nDe stand is gelijk. Wie heeft gewonnen (na strafschoppen)?"),
                     QMessageBox::NoButton, Vrager());
    doos.setTextFormat(Qt::PlainText);
    QAbstractButton* eerste = doos.addButton(kant1, QMessageBox::AcceptRole);
    QAbstractButton* tweede = doos.addButton(kant2, QMessageBox::AcceptRole);
    QAbstractButton* onbekend = doos.addButton(QStringLiteral("Nog niet bekend"), QMessageBox::RejectRole);
    doos.setEscapeButton(onbekend);
    doos.exec();
    if (doos.clickedButton() == eerste)
        return 1;
    if (doos.clickedButton() == tweede)
        return 2;
    return 0;
}

std::optional<QDate> TDialoogVraagsteller::VraagDatum(const QString& titel, const QString& tekst)
{
    const FocusTerug terug;
    QDialog dialoog(Vrager());
    dialoog.setWindowTitle(titel);
    dialoog.setMinimumWidth(460);
    auto* kolom = new QVBoxLayout(&dialoog);
    auto* uitleg = new QLabel(SchermTekst(tekst), &dialoog);
    uitleg->setTextFormat(Qt::PlainText);
    uitleg->setWordWrap(true);
    kolom->addWidget(uitleg);
    auto* datum = new QDateEdit(QDate::currentDate(), &dialoog);
    datum->setObjectName(QStringLiteral("Datum"));
    datum->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    datum->setCalendarPopup(true);
    kolom->addWidget(datum);
    auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialoog);
    knoppen->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuleren"));
    QObject::connect(knoppen, &QDialogButtonBox::accepted, &dialoog, &QDialog::accept);
    QObject::connect(knoppen, &QDialogButtonBox::rejected, &dialoog, &QDialog::reject);
    kolom->addWidget(knoppen);
    datum->setFocus();
    if (dialoog.exec() != QDialog::Accepted)
        return std::nullopt;
    return datum->date();
}

std::optional<TUitloopRegel> TDialoogVraagsteller::VraagUitloop(int ronde, int minuten)
{
    const FocusTerug terug;
    QDialog dialoog(Vrager());
    dialoog.setWindowTitle(QStringLiteral("Uitloop"));
    dialoog.setMinimumWidth(420);
    auto* kolom = new QVBoxLayout(&dialoog);
    auto* uitleg = new QLabel(QStringLiteral("Vanaf deze ronde beginnen de rondes van die dag zoveel "
                                             "minuten later. 0 minuten haalt de uitloop van die "
                                             "ronde weg."),
                              &dialoog);
    uitleg->setWordWrap(true);
    kolom->addWidget(uitleg);
    auto* velden = new QFormLayout;
    auto* rondeVeld = new QSpinBox(&dialoog);
    rondeVeld->setObjectName(QStringLiteral("UitloopRonde"));
    rondeVeld->setRange(1, MaxUitloopRonde);
    rondeVeld->setValue(ronde);
    velden->addRow(QStringLiteral("Vanaf &ronde:"), rondeVeld);
    auto* minutenVeld = new QSpinBox(&dialoog);
    minutenVeld->setObjectName(QStringLiteral("UitloopMinuten"));
    minutenVeld->setRange(0, MaxUitloopMinuten);
    minutenVeld->setValue(minuten);
    velden->addRow(QStringLiteral("&Minuten later:"), minutenVeld);
    kolom->addLayout(velden);
    auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialoog);
    knoppen->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuleren"));
    QObject::connect(knoppen, &QDialogButtonBox::accepted, &dialoog, &QDialog::accept);
    QObject::connect(knoppen, &QDialogButtonBox::rejected, &dialoog, &QDialog::reject);
    kolom->addWidget(knoppen);
    minutenVeld->setFocus();
    minutenVeld->selectAll();
    if (dialoog.exec() != QDialog::Accepted)
        return std::nullopt;
    return TUitloopRegel{rondeVeld->value(), minutenVeld->value()};
}

bool TDialoogVraagsteller::VraagDoorgaan(const QString& titel, const QString& tekst)
{
    const FocusTerug terug;
    QMessageBox doos(QMessageBox::Warning, titel, SchermTekst(tekst), QMessageBox::NoButton,
                     Vrager());
    doos.setTextFormat(Qt::PlainText);
    QAbstractButton* doorgaan = doos.addButton(QStringLiteral("&Doorgaan"), QMessageBox::AcceptRole);
    QPushButton* annuleren = doos.addButton(QStringLiteral("Annuleren"), QMessageBox::RejectRole);
    // The safe answer is the default: Enter, Escape and the close box change nothing.
    doos.setDefaultButton(annuleren);
    doos.setEscapeButton(annuleren);
    doos.exec();
    return doos.clickedButton() == doorgaan;
}

TAntwoord TDialoogVraagsteller::VraagJaNeeAnnuleren(const QString& titel, const QString& tekst)
{
    const FocusTerug terug;
    QMessageBox doos(QMessageBox::NoIcon, titel, SchermTekst(tekst),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Vrager());
    doos.setTextFormat(Qt::PlainText);
    doos.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    doos.button(QMessageBox::No)->setText(QStringLiteral("&Nee"));
    doos.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuleren"));
    doos.setDefaultButton(QMessageBox::Yes);
    // Escape and the close box call the question off; they never throw changes away.
    doos.setEscapeButton(QMessageBox::Cancel);
    switch (doos.exec()) {
    case QMessageBox::Yes:
        return TAntwoord::Ja;
    case QMessageBox::No:
        return TAntwoord::Nee;
    default:
        return TAntwoord::Annuleren;
    }
}

QString TDialoogVraagsteller::VraagNaam()
{
    return m_naamDialoog ? m_naamDialoog->VraagNaam() : QString();
}

QString TDialoogVraagsteller::KiesTeOpenenBestand(const QString& filter,
                                                  const QString& standaardExtensie,
                                                  const QString& startMap)
{
    const FocusTerug terug;
    QFileDialog dialoog(Vrager(), QStringLiteral("Laden"));
    dialoog.setOption(QFileDialog::DontUseNativeDialog);
    dialoog.setAcceptMode(QFileDialog::AcceptOpen);
    dialoog.setFileMode(QFileDialog::ExistingFile);
    dialoog.setNameFilter(QtFilter(filter));
    dialoog.setDefaultSuffix(standaardExtensie);
    if (!startMap.isEmpty())
        dialoog.setDirectory(startMap);
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty())
        return {};
    return dialoog.selectedFiles().constFirst();
}

QString TDialoogVraagsteller::KiesOpTeSlaanBestand(const QString& voorgesteldeNaam,
                                                   const QString& filter,
                                                   const QString& startMap)
{
    const FocusTerug terug;
    QFileDialog dialoog(Vrager(), QStringLiteral("Opslaan"));
    dialoog.setOption(QFileDialog::DontUseNativeDialog);
    // The program asks its own overwrite question and keeps a backup.
    dialoog.setOption(QFileDialog::DontConfirmOverwrite);
    dialoog.setAcceptMode(QFileDialog::AcceptSave);
    dialoog.setFileMode(QFileDialog::AnyFile);
    dialoog.setNameFilter(QtFilter(filter));
    if (!startMap.isEmpty())
        dialoog.setDirectory(startMap);
    dialoog.selectFile(voorgesteldeNaam);
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty())
        return {};
    return dialoog.selectedFiles().constFirst();
}

QString TDialoogVraagsteller::KiesMap(const QString& titel)
{
    const FocusTerug terug;
    return QFileDialog::getExistingDirectory(Vrager(), titel);
}

std::optional<TLettertype> TDialoogVraagsteller::KiesLettertype(const TLettertype& huidig)
{
    // Qt's font dialog chooses no colour, so the colour dialog follows it in the same step;
    // cancelling either keeps the font as it was.
    // The dialogs open over the window that asks (the schedule window), not the main window.
    QWidget* ouder = QApplication::activeWindow() ? QApplication::activeWindow() : m_ouder;
    QFontDialog fontDialoog(LettertypeOmzetting::NaarQFont(huidig), ouder);
    fontDialoog.setWindowTitle(QStringLiteral("Lettertype"));
    fontDialoog.setOption(QFontDialog::DontUseNativeDialog);
    // What the dialog makes of the stored face: a face the system lacks shows as a stand-in.
    const QFont getoond = fontDialoog.currentFont();
    if (fontDialoog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont font = fontDialoog.selectedFont();

    const QColor oudeKleur = LettertypeOmzetting::NaarQColor(huidig.Kleur);
    QColorDialog kleurDialoog(oudeKleur, ouder);
    kleurDialoog.setWindowTitle(QStringLiteral("Kleur"));
    kleurDialoog.setOption(QColorDialog::DontUseNativeDialog);
    if (kleurDialoog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor kleur = kleurDialoog.selectedColor();

    // Only what the organiser changed is taken over: the stored face name stays when the
    // family was left alone, and a system colour stays a system colour.
    TLettertype gekozen = LettertypeOmzetting::VanQFont(
        font, kleur == oudeKleur ? huidig.Kleur : LettertypeOmzetting::VanQColor(kleur));
    if (font.family() == getoond.family())
        gekozen.Naam = huidig.Naam;
    return gekozen;
}
