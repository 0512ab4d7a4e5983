#pragma once

class HuidigePrinter;
class TPrintSetup;
class TVraagsteller;
class TWedstrijdSchema;
class ToernooiDocument;
class ToernooiModel;
struct TSchemaBoom;

// The print run of the schedule window's "&Print": the dialog, then every chosen printout as a
// print job of its own in the fixed order, on the chosen printer or as PDF files in a folder
// asked for once; finally the view is refilled for the printer chosen last. A printer that
// fails stops the run with a message that names it.
class PrintRun
{
public:
    PrintRun(ToernooiDocument& document, HuidigePrinter& printer,
             TPrintSetup& dialoog, TWedstrijdSchema& venster, TVraagsteller& vragen);

    // Returns the number of documents printed.
    int Print1Click();
    // The print dialog's "Afdrukvoorbeeld": the chosen printouts on the current printer's
    // pages, shown and not printed.
    void Afdrukvoorbeeld();

private:
    ToernooiModel& m_model;
    const TSchemaBoom& m_schema;
    HuidigePrinter& m_printer;
    TPrintSetup& m_dialoog;
    TWedstrijdSchema& m_venster;
    TVraagsteller& m_vragen;
};
