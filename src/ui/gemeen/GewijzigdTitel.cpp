#include "ui/gemeen/GewijzigdTitel.h"

#include "core/model/ToernooiModel.h"

#include <QWidget>

namespace GewijzigdTitel {

void Zet(QWidget& venster, const QString& titel, bool gewijzigd)
{
    venster.setWindowTitle(gewijzigd ? titel + QStringLiteral("[*]") : titel);
    venster.setWindowModified(gewijzigd);
}

void Volg(QWidget& venster, const ToernooiModel& model)
{
    const QString titel = venster.windowTitle();
    Zet(venster, titel, model.Gewijzigd());
    QObject::connect(&model, &ToernooiModel::gewijzigdVeranderd, &venster,
                     [&venster, titel](bool gewijzigd) { Zet(venster, titel, gewijzigd); });
}

} // namespace GewijzigdTitel
