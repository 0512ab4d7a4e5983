#pragma once

#include <QSpinBox>

// A number field of the settings tabs. What the organiser types or steps is reported at
// once with ingevoerd(), also a typed value outside the limits (a text that is not a number
// reads as the lower limit); while typing, the text is the organiser's alone. When the field
// is left, or Enter finishes the typing, the shown value is brought into the limits. Values
// the program shows with Toon() are reported nowhere.
class GetalVeld : public QSpinBox
{
    Q_OBJECT

public:
    GetalVeld(const QString& naam, int minimum, int maximum, QWidget* parent = nullptr);

    // Fields such as the number of days change only with the arrows, never by typing.
    void AlleenPijlen();
    // Shows a value without reporting it; a field being typed in keeps its text.
    void Toon(int waarde);

    QValidator::State validate(QString& tekst, int& positie) const override;
    void stepBy(int stappen) override;

signals:
    void ingevoerd(int waarde);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Getypt(const QString& tekst);
    // What a text reads as: its number, or the lower limit when it is none.
    [[nodiscard]] int Lezing(const QString& tekst) const;
    // Ends the typing: the text becomes the value brought into the limits.
    void BrengBinnenGrenzen();

    bool m_toont = false;
    bool m_getypt = false;
};
