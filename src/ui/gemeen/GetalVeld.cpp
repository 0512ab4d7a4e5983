#include "ui/gemeen/GetalVeld.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

GetalVeld::GetalVeld(const QString& naam, int minimum, int maximum, QWidget* parent)
    : QSpinBox(parent)
{
    setObjectName(naam);
    setRange(minimum, maximum);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setAccelerated(true);
    setMaximumWidth(80);
    connect(this, &QSpinBox::valueChanged, this, [this](int waarde) {
        if (!m_toont)
            emit ingevoerd(waarde);
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, &GetalVeld::Getypt);
}

void GetalVeld::AlleenPijlen()
{
    lineEdit()->setReadOnly(true);
}

void GetalVeld::Toon(int waarde)
{
    // The model answers every typed value by asking the field to show it again (brought
    // into its own limits); writing that into the text would put digits under the
    // organiser's fingers. The text is brought into the limits when the field is left.
    if (m_getypt)
        return;
    if (value() == waarde && lineEdit()->text() == textFromValue(waarde))
        return;
    m_toont = true;
    setValue(waarde);
    m_toont = false;
}

QValidator::State GetalVeld::validate(QString& tekst, int& positie) const
{
    const QValidator::State staat = QSpinBox::validate(tekst, positie);
    if (staat != QValidator::Invalid)
        return staat;
    // A number beyond the limits may be typed; leaving the field brings it back.
    bool getal = false;
    (void)tekst.trimmed().toInt(&getal);
    return getal ? QValidator::Intermediate : QValidator::Invalid;
}

int GetalVeld::Lezing(const QString& tekst) const
{
    bool getal = false;
    const int waarde = tekst.trimmed().toInt(&getal);
    return getal ? waarde : minimum();
}

void GetalVeld::Getypt(const QString& tekst)
{
    m_getypt = true;
    emit ingevoerd(Lezing(tekst));
}

void GetalVeld::BrengBinnenGrenzen()
{
    if (!m_getypt)
        return;
    m_getypt = false;
    const int waarde = std::clamp(Lezing(lineEdit()->text()), minimum(), maximum());
    lineEdit()->setText(textFromValue(waarde));
    // The spin box takes the corrected text as its value; the correction counts as one more
    // change, also when the spin box held this value already.
    setValue(waarde);
    emit ingevoerd(waarde);
}

void GetalVeld::focusOutEvent(QFocusEvent* event)
{
    BrengBinnenGrenzen();
    QSpinBox::focusOutEvent(event);
}

void GetalVeld::keyPressEvent(QKeyEvent* event)
{
    const int toets = event->key();
    if (toets == Qt::Key_Return || toets == Qt::Key_Enter)
        BrengBinnenGrenzen();
    else if (!lineEdit()->isReadOnly() && (toets == Qt::Key_Backspace || toets == Qt::Key_Delete
                                           || (!event->text().isEmpty() && event->text().front().isPrint())))
        // Marked before the key reaches the text, so nothing the change sets off can
        // rewrite the text halfway.
        m_getypt = true;
    QSpinBox::keyPressEvent(event);
}

void GetalVeld::stepBy(int stappen)
{
    BrengBinnenGrenzen();
    QSpinBox::stepBy(stappen);
}
