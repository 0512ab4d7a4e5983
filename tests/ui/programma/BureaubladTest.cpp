#include "core/model/ToernooiModel.h"
#include "hulp/ModaalVenster.h"
#include "hulp/Tekst.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/afdruk/TPrintSetup.h"
#include "ui/instellingen/TVeldInvulling.h"
#include "ui/instellingen/WedstrijdDetailsTab.h"
#include "ui/kwaliteit/TKwaliteitVenster.h"
#include "ui/programma/TForm1.h"
#include "ui/programma/THelpVenster.h"
#include "ui/programma/TProgramma.h"
#include "ui/schema/TWedstrijdSchema.h"
#include "ui/uitslag/TUitslagenVenster.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

using ModaalVenster::Beantwoord;

// The unsaved-changes question as it appears: checks it and gives the answer.
void BeantwoordWijzigingen(std::function<void(QMessageBox&)> antwoord)
{
    Beantwoord<QMessageBox>([antwoord](QMessageBox& doos) {
        EXPECT_EQ(doos.windowTitle(), T("Wijzigingen!"));
        EXPECT_EQ(doos.button(QMessageBox::Yes)->text(), T("&Ja"));
        EXPECT_EQ(doos.button(QMessageBox::No)->text(), T("&Nee"));
        EXPECT_EQ(doos.button(QMessageBox::Cancel)->text(), T("Annuleren"));
        antwoord(doos);
    });
}

void Escape(QMessageBox& doos) { QTest::keyClick(&doos, Qt::Key_Escape); }

void Toets(QWidget& venster, Qt::Key toets, Qt::KeyboardModifiers extra = Qt::NoModifier)
{
    // The offscreen platform does not always pass activation on; shortcuts need it.
    QApplication::setActiveWindow(&venster);
    ASSERT_EQ(QApplication::activeWindow(), &venster);
    QTest::keyClick(&venster, toets, extra);
}

QString Voorbeeld() { return QStringLiteral(RONDOPLAN_VOORBEELD); }
} // namespace

// Escape, the close box and Annuleren on the real question never throw changes away; a
// schedule of a tournament that was replaced disappears.
TEST(Bureaublad, TheUnsavedChangesQuestionCanBeCalledOff)
{
    QTemporaryDir map;
    const QString start = map.filePath(T("Zomer.trn"));
    ASSERT_TRUE(QFile::copy(Voorbeeld(), start));
    ASSERT_TRUE(QDir(map.path()).mkpath(T("ander")));
    const QString ander = map.filePath(T("ander/Ander.trn"));
    {
        QFile f(ander);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("ToernooiNaam=Ander\r\n");
    }

    TProgramma programma;
    programma.Start({start});
    TForm1& hoofd = programma.Form1();
    ToernooiModel& model = hoofd.Model();
    QSignalSpy einde(&hoofd, &TForm1::afgesloten);
    hoofd.show();
    hoofd.WedstrijdTab()->Button1()->click();
    TWedstrijdSchema& schema = programma.WedstrijdSchema();
    ASSERT_TRUE(schema.isVisible());
    model.ZetToernooiNaam(T("Gewijzigd"));
    const std::size_t teams = model.TeamLijst().size();

    // Ctrl+Q, then Escape on the question: the program stays.
    BeantwoordWijzigingen(Escape);
    Toets(hoofd, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(hoofd.isVisible());
    EXPECT_EQ(einde.count(), 0);
    // The close box of the main window, then the close box of the question.
    BeantwoordWijzigingen([](QMessageBox& doos) { doos.close(); });
    hoofd.close();
    EXPECT_TRUE(hoofd.isVisible());
    EXPECT_EQ(einde.count(), 0);

    // Ctrl+O opens in the folder of the loaded file; Escape on the question stops the load.
    Beantwoord<QFileDialog>([&](QFileDialog& dialoog) {
        EXPECT_EQ(dialoog.directory().absolutePath(), QDir(map.path()).absolutePath());
        BeantwoordWijzigingen(Escape);
        dialoog.selectFile(ander);
        QTest::keyClick(&dialoog, Qt::Key_Return);
    });
    Toets(hoofd, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(model.ToernooiNaam(), T("Gewijzigd"));
    EXPECT_EQ(model.TeamLijst().size(), teams);
    EXPECT_TRUE(schema.isVisible());

    // Yes, then Escape in the save dialog: the load stops as well.
    Beantwoord<QFileDialog>([&](QFileDialog& dialoog) {
        BeantwoordWijzigingen([](QMessageBox& doos) {
            Beantwoord<QFileDialog>([](QFileDialog& opslaan) {
                EXPECT_EQ(opslaan.acceptMode(), QFileDialog::AcceptSave);
                QTest::keyClick(&opslaan, Qt::Key_Escape);
            });
            QTest::mouseClick(doos.button(QMessageBox::Yes), Qt::LeftButton);
        });
        dialoog.selectFile(ander);
        QTest::keyClick(&dialoog, Qt::Key_Return);
    });
    hoofd.findChild<QAction*>(T("Laden1"))->trigger();
    EXPECT_EQ(model.ToernooiNaam(), T("Gewijzigd"));
    EXPECT_TRUE(model.Gewijzigd());

    // "Opnieuw" asks too: Annuleren keeps everything, No empties and hides the schedule.
    QAction* opnieuw = hoofd.findChild<QAction*>(T("Opnieuw1"));
    BeantwoordWijzigingen([](QMessageBox& doos) {
        QTest::mouseClick(doos.button(QMessageBox::Cancel), Qt::LeftButton);
    });
    opnieuw->trigger();
    EXPECT_EQ(model.TeamLijst().size(), teams);
    EXPECT_TRUE(schema.isVisible());
    BeantwoordWijzigingen([](QMessageBox& doos) {
        QTest::mouseClick(doos.button(QMessageBox::No), Qt::LeftButton);
    });
    opnieuw->trigger();
    EXPECT_TRUE(model.TeamLijst().empty());
    EXPECT_FALSE(schema.isVisible());
    EXPECT_FALSE(model.Gewijzigd());

    // Without changes Ctrl+Q ends the program without a question.
    Toets(hoofd, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(einde.count(), 1);
}

// The keyboard shortcuts of the menus, F1 in every window, Escape on help and the print
// dialog, and the schedule window hidden by a load.
TEST(Bureaublad, ShortcutsHelpAndEscape)
{
    VensterVraagsteller vragen;
    TProgramma programma(&vragen);
    programma.Start({Voorbeeld()});
    TForm1& hoofd = programma.Form1();
    THelpVenster& help = programma.Help();
    hoofd.show();
    const QString voorbeeldMap = QFileInfo(Voorbeeld()).absolutePath();

    const auto toets = [&](QWidget& venster, const char* naam) {
        return venster.findChild<QAction*>(T(naam))->shortcut().toString();
    };
    EXPECT_EQ(toets(hoofd, "Opslaan1"), T("Ctrl+S"));
    EXPECT_EQ(toets(hoofd, "Laden1"), T("Ctrl+O"));
    EXPECT_EQ(toets(hoofd, "Afsluiten1"), T("Ctrl+Q"));
    EXPECT_EQ(toets(hoofd, "Helpfile1"), T("F1"));

    // Ctrl+S and Ctrl+O open their dialogs in the folder of the loaded file; Ctrl+S proposes
    // that file.
    vragen.Annuleer().Annuleer();
    Toets(hoofd, Qt::Key_S, Qt::ControlModifier);
    Toets(hoofd, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(vragen.Soorten(), (QStringList{T("Opslaan"), T("Open")}));
    EXPECT_EQ(vragen.Gevraagd[0].Extra, QFileInfo(Voorbeeld()).fileName());
    EXPECT_EQ(vragen.Gevraagd[0].Map, voorbeeldMap);
    EXPECT_EQ(vragen.Gevraagd[1].Map, voorbeeldMap);

    // F1 in the main window: the topic of the active tab; Escape closes help.
    hoofd.Tabs()->setCurrentIndex(2);
    hoofd.Tabs()->currentWidget()->setFocus();
    Toets(hoofd, Qt::Key_F1);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.Context(), 3);
    Toets(help, Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());

    hoofd.WedstrijdTab()->Button1()->click();
    TWedstrijdSchema& schema = programma.WedstrijdSchema();
    ASSERT_TRUE(schema.isVisible());
    EXPECT_EQ(toets(schema, "Print1"), T("Ctrl+P"));
    Toets(schema, Qt::Key_F1);
    EXPECT_EQ(help.Context(), 6);
    Toets(help, Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());

    // Ctrl+P opens the print dialog; F1 there is its own topic and Escape closes it.
    bool gezien = false;
    Beantwoord<TPrintSetup>([&](TPrintSetup& dialoog) {
        gezien = true;
        Toets(dialoog, Qt::Key_F1);
        EXPECT_EQ(help.Context(), 5);
        QTest::keyClick(&dialoog, Qt::Key_Escape);
    });
    Toets(schema, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(gezien);
    EXPECT_FALSE(programma.PrintSetup().isVisible());
    EXPECT_FALSE(vragen.Soorten().contains(T("Map")));

    // F1 in the field usage window: the topic of the tab it belongs to.
    hoofd.WedstrijdTab()->Button2()->click();
    Toets(programma.VeldInvulling(), Qt::Key_F1);
    EXPECT_EQ(help.Context(), 4);

    // The results and quality windows have their own topics.
    schema.findChild<QAction*>(T("Uitslagen1"))->trigger();
    Toets(programma.UitslagenVenster(), Qt::Key_F1);
    EXPECT_EQ(help.Context(), 7);
    schema.findChild<QAction*>(T("Kwaliteit1"))->trigger();
    Toets(programma.Kwaliteit(), Qt::Key_F1);
    EXPECT_EQ(help.Context(), 8);

    // A load replaces the tournament: the old schedule disappears.
    vragen.Gevraagd.clear();
    vragen.Bestand(Voorbeeld());
    Toets(hoofd, Qt::Key_O, Qt::ControlModifier);
    EXPECT_FALSE(schema.isVisible());
    EXPECT_TRUE(vragen.Fouten.isEmpty()) << vragen.Fouten.join(u'\n').toStdString();
}
