#include "ui/schema/Tprogress.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QThread>
#include <QTime>
#include <QVBoxLayout>

Tprogress::Tprogress(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("progress"));
    setWindowTitle(QStringLiteral("Bezig met rekenen."));
    setModal(true);
    auto* kolom = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("Label1"));
    QFont groot = m_label->font();
    groot.setPixelSize(20);
    m_label->setFont(groot);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMinimumWidth(260);
    kolom->addWidget(m_label);
    m_annuleer = new QPushButton(QStringLiteral("Annuleren"), this);
    m_annuleer->setObjectName(QStringLiteral("Annuleren"));
    m_annuleer->setAutoDefault(false);
    kolom->addWidget(m_annuleer, 0, Qt::AlignCenter);
    connect(m_annuleer, &QPushButton::clicked, this, &Tprogress::Annuleer);
    m_tik.setInterval(1000);
    connect(&m_tik, &QTimer::timeout, this, &Tprogress::ToonTijd);
}

QString Tprogress::VerstrekenTekst(qint64 milliseconden)
{
    const QTime tijd = QTime(0, 0).addMSecs(int(milliseconden % (24 * 3600 * 1000)));
    // A duration has no time zone, which some long formats append.
    QString formaat = QLocale::system().timeFormat(QLocale::LongFormat);
    formaat.remove(u't');
    return QLocale::system().toString(tijd, formaat.trimmed());
}

void Tprogress::ToonTijd()
{
    m_label->setText(VerstrekenTekst(m_start.elapsed()));
}

void Tprogress::Annuleer()
{
    if (!m_bezig || !m_annuleer->isEnabled())
        return;
    m_annuleer->setEnabled(false);
    emit annuleren();
}

void Tprogress::reject()
{
    // Escape and the close box stop the work; the window closes once the work has returned.
    if (m_bezig)
        Annuleer();
    else
        QDialog::reject();
}

TBouwUitkomst Tprogress::VoerUit(const std::function<TBouwUitkomst()>& werk)
{
    TBouwUitkomst uitkomst;
    m_bezig = true;
    m_annuleer->setEnabled(true);
    m_start.start();
    ToonTijd();
    QThread* draad = QThread::create([&uitkomst, &werk] { uitkomst = werk(); });
    connect(draad, &QThread::finished, this, [this] {
        m_bezig = false;
        accept();
    });
    m_tik.start();
    draad->start();
    exec();
    m_tik.stop();
    draad->wait();
    delete draad;
    m_bezig = false;
    return uitkomst;
}
