#include "TErrorList.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
    exec();
}

QStringList TErrorList::Regels() const
{
    return m_errors->toPlainText().split(u'\n');
}
