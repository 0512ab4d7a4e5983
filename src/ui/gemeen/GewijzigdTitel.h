#pragma once

#include <QString>

class QWidget;
class ToernooiModel;

// The caption of a window over a tournament with unsaved changes carries Qt's mark ("[*]",
// shown as "*"); without changes the caption is exactly the window's own.
namespace GewijzigdTitel {

void Zet(QWidget& venster, const QString& titel, bool gewijzigd);

// Keeps the mark of a window with a fixed caption (its current one) in step with the model.
void Volg(QWidget& venster, const ToernooiModel& model);

} // namespace GewijzigdTitel
