#include "ui/programma/TAbout.h"

#include "ui/programma/JpegBeeld.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TAbout::TAbout(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName(QStringLiteral("TAbout"));
    setFixedSize(522, 208);
    setAutoFillBackground(true);
    QPalette donker = palette();
    donker.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x33));
    setPalette(donker);

    auto* rand = new QFrame(this);
    rand->setObjectName(QStringLiteral("Bevel1"));
    rand->setGeometry(3, 3, 516, 202);
    rand->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    rand->setLineWidth(2);

    auto* paneel = new QFrame(rand);
    paneel->setObjectName(QStringLiteral("Panel1"));
    paneel->setGeometry(5, 5, 506, 192);
    paneel->setAutoFillBackground(true);
    QPalette wit = paneel->palette();
    wit.setColor(QPalette::Window, Qt::white);
    paneel->setPalette(wit);

    m_afbeelding = new QLabel(paneel);
    m_afbeelding->setObjectName(QStringLiteral("Image1"));
    m_afbeelding->setGeometry(3, 3, 500, 186);
    m_afbeelding->setAlignment(Qt::AlignCenter);

    m_start = new QPushButton(QStringLiteral("Start"), paneel);
    m_start->setObjectName(QStringLiteral("BitBtn1"));
    m_start->setDefault(true);
    m_start->setAutoDefault(true);
    m_start->adjustSize();
    m_start->resize(qMax(m_start->width(), 88), m_start->height());
    m_start->move(16, 189 - 12 - m_start->height());
    connect(m_start, &QPushButton::clicked, this, &TAbout::BitBtn1Click);
}

QString TAbout::LaadAfbeelding(const QString& pad)
{
    const JpegBeeld::Uitkomst uitkomst = JpegBeeld::LeesBestand(pad);
    if (uitkomst.Beeld.isNull()) {
        m_afbeelding->clear();
        m_afbeelding->setText(QStringLiteral("Rondoplan"));
        return uitkomst.Fout;
    }
    m_afbeelding->setPixmap(QPixmap::fromImage(uitkomst.Beeld));
    return {};
}

bool TAbout::HeeftAfbeelding() const
{
    return !m_afbeelding->pixmap().isNull();
}

void TAbout::BitBtn1Click()
{
    m_gestart = true;
    hide();
    emit gestart();
}

void TAbout::reject()
{
    // Escape does not close the start window: without it no window would be left to go on.
}

void TAbout::closeEvent(QCloseEvent* event)
{
    // The start window is the first window of the program: closing it before "Start" ends
    // the program, as nothing else is on screen yet.
    event->accept();
    if (!m_gestart)
        QApplication::quit();
}
