#include "ScriptVraagsteller.h"
#include "indeling/TToevoegen.h"
#include "indeling/TeamGroep.h"
#include "model/ToernooiModel.h"
#include "programma/TForm1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The name dialog driven through its real widgets: the keys are typed while it runs modally.
class ToevoegenTest : public QObject
{
    Q_OBJECT

private:
    // Types the text into the open dialog and presses the key.
    static void TypEnDruk(TToevoegen& dialoog, const QString& tekst, Qt::Key toets)
    {
        QTimer::singleShot(0, &dialoog, [&dialoog, tekst, toets] {
            QVERIFY(dialoog.isVisible());
            if (!tekst.isNull()) {
                dialoog.Naam()->clear();
                QTest::keyClicks(dialoog.Naam(), tekst);
            }
            QTest::keyClick(dialoog.Naam(), toets);
        });
    }

private slots:
    void EnterConfirmsEscapeCancelsAndTheNameIsRemembered()
    {
        TToevoegen dialoog;
        QCOMPARE(dialoog.windowTitle(), QStringLiteral("Toevoegen"));
        QVERIFY(dialoog.findChild<QPushButton*>(QStringLiteral("Toevoegen"))->isDefault());

        TypEnDruk(dialoog, QStringLiteral("Rood"), Qt::Key_Return);
        QCOMPARE(dialoog.VraagNaam(), QStringLiteral("Rood"));

        // Escape cancels, but the dialog opens again with the name typed last.
        TypEnDruk(dialoog, QStringLiteral("Blauw"), Qt::Key_Escape);
        QCOMPARE(dialoog.VraagNaam(), QString());
        QString bijOpenen;
        QTimer::singleShot(0, &dialoog, [&] {
            bijOpenen = dialoog.Naam()->text();
            dialoog.findChild<QPushButton*>(QStringLiteral("Annuleren"))->click();
        });
        QCOMPARE(dialoog.VraagNaam(), QString());
        QCOMPARE(bijOpenen, QStringLiteral("Blauw"));
    }

    void TheTeamButtonAddsWithEnterAndNothingOnEscape()
    {
        ScriptVraagsteller vraagsteller;
        TForm1 form(vraagsteller);
        TToevoegen dialoog(&form);
        vraagsteller.NaamDialoog = &dialoog;
        QPushButton* knop = form.Teams()->TeamToevoegen();

        TypEnDruk(dialoog, QStringLiteral("Ajax E1"), Qt::Key_Enter);
        knop->click();
        TypEnDruk(dialoog, QStringLiteral("PSV E2"), Qt::Key_Escape);
        knop->click();
        // Another letter case is the same team.
        TypEnDruk(dialoog, QStringLiteral("ajax e1"), Qt::Key_Return);
        knop->click();

        QCOMPARE(form.Model().TeamLijst().size(), std::size_t(1));
        QCOMPARE(form.Model().TeamLijst().front()->TeamNaam, QStringLiteral("Ajax E1"));
        QCOMPARE(form.Teams()->title(), QStringLiteral("1 Team"));
        QCOMPARE(vraagsteller.Gesteld.size(), 1);
        QCOMPARE(vraagsteller.Gesteld.at(0).Titel, QStringLiteral("Fout"));
        QCOMPARE(vraagsteller.Gesteld.at(0).Tekst, QStringLiteral("Team naam bestaat al."));
        QVERIFY(form.Model().Gewijzigd());
    }
};

QTEST_MAIN(ToevoegenTest)
#include "ToevoegenTest.moc"
