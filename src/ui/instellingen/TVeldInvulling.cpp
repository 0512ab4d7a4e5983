#include "ui/instellingen/TVeldInvulling.h"

#include "core/model/ToernooiModel.h"
#include "ui/gemeen/VensterPlaatsing.h"
#include "ui/instellingen/VeldInvullingModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTableView>

TVeldInvulling::TVeldInvulling(ToernooiModel& model, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_model(model)
{
    setObjectName(QStringLiteral("TVeldInvulling"));
    setWindowTitle(QStringLiteral("Gebruik van de velden."));
    resize(720, 460);

    m_velden = new VeldInvullingModel(model, this);
    m_tabel = new QTableView(this);
    m_tabel->setObjectName(QStringLiteral("VeldenEnRonden"));
    m_tabel->setToolTip(QStringLiteral("Klik op cell om status te wijzigen."));
    m_tabel->setModel(m_velden);
    m_tabel->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabel->horizontalHeader()->setDefaultSectionSize(78);
    m_tabel->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tabel->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tabel->verticalHeader()->setDefaultSectionSize(22);
    m_tabel->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tabel->installEventFilter(this);
    setCentralWidget(m_tabel);
    connect(m_tabel, &QTableView::clicked, m_velden, &VeldInvullingModel::Wissel);

    QAction* reset = menuBar()->addAction(QStringLiteral("Reset alle velden."));
    reset->setObjectName(QStringLiteral("Resetallevelden1"));
    connect(reset, &QAction::triggered, this, &TVeldInvulling::Resetallevelden1Click);
}

void TVeldInvulling::ToonVoorgrond()
{
    show();
    raise();
    activateWindow();
}

void TVeldInvulling::showEvent(QShowEvent* event)
{
    VensterPlaatsing::Plaats(*this, parentWidget(), VensterPlaatsing::Wijze::Naast);
    QMainWindow::showEvent(event);
}

void TVeldInvulling::Resetallevelden1Click()
{
    m_model.ResetAlleVelden();
}

bool TVeldInvulling::eventFilter(QObject* object, QEvent* event)
{
    if (object == m_tabel && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        m_velden->Wissel(m_tabel->currentIndex());
        return true;
    }
    return QMainWindow::eventFilter(object, event);
}
