#include "ui/schema/TErrorList.h"

#include "ui/gemeen/VensterPlaatsing.h"

#include <QFontMetrics>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

TErrorList::TErrorList(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ErrorList"));
    setWindowTitle(QStringLiteral("Lijst met errors"));
    resize(560, 320);
    auto* kolom = new QVBoxLayout(this);
    m_errors = new QPlainTextEdit(this);
    m_errors->setObjectName(QStringLiteral("Errors"));
    m_errors->setReadOnly(true);
    m_errors->setLineWrapMode(QPlainTextEdit::NoWrap);
    kolom->addWidget(m_errors);
    auto* doorgaan = new QPushButton(QStringLiteral("Doorgaan"), this);
    doorgaan->setObjectName(QStringLiteral("Doorgaan"));
    doorgaan->setDefault(true);
    doorgaan->setAutoDefault(true);
    connect(doorgaan, &QPushButton::clicked, this, &QDialog::accept);
    kolom->addWidget(doorgaan, 0, Qt::AlignHCenter);
}

void TErrorList::Toon(const QStringList& regels)
{
    m_errors->setPlainText(regels.join(u'\n'));
    // Wide enough for the longest line, as far as the screen allows.
    int breedste = 0;
    const QFontMetrics maten(m_errors->font());
    for (const QString& regel : regels)
        breedste = std::max(breedste, maten.horizontalAdvance(regel));
    const QMargins rand = layout()->contentsMargins();
    VensterPlaatsing::MaakBreed(*this, breedste + 2 * m_errors->frameWidth()
                                           + 2 * int(m_errors->document()->documentMargin())
                                           + style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                                           + rand.left() + rand.right() + maten.averageCharWidth());
    VensterPlaatsing::Plaats(*this, parentWidget(), VensterPlaatsing::Wijze::Over);
    exec();
}

QStringList TErrorList::Regels() const
{
    return m_errors->toPlainText().split(u'\n');
}
