#include "GetalVeld.h"

#include <QLineEdit>
#include <QSignalBlocker>

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
    if (lineEdit()->hasFocus() && value() == waarde)
        return;
    m_toont = true;
    setValue(waarde);
    m_toont = false;
}

void GetalVeld::Getypt(const QString& tekst)
{
    bool getal = false;
    const int waarde = tekst.trimmed().toInt(&getal);
    emit ingevoerd(getal ? waarde : minimum());
}

void GetalVeld::focusOutEvent(QFocusEvent* event)
{
    QSpinBox::focusOutEvent(event);
    // The spin box has brought the text into its limits; that counts as one more change.
    emit ingevoerd(value());
}
