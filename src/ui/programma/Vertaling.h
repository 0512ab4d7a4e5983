#pragma once

class QCoreApplication;

// Installs Qt's own Dutch translations, so standard buttons and dialogs speak Dutch.
// Returns false when the translation file is not installed.
bool InstalleerNederlandseVertaling(QCoreApplication& app);
