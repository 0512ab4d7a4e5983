#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QSaveFile;

// The file operations of saving and loading a tournament, each reporting the platform's
// error text (empty on success).
//
// Saving is atomic: the bytes go into a temporary file beside the target, which replaces
// the target only once every byte has been written and flushed. A failure leaves the
// previous file as it was. The same holds for the backup copy.
namespace BestandOpslag {

// Creates the save file for a path; tests pass one that fails.
using BestandMaker = std::function<std::unique_ptr<QSaveFile>(const QString& pad)>;

// The backup name of a path: its extension (from the last full stop of the file name on)
// replaced by ".bak", or ".bak" appended when it has none. Zomer.trn gives Zomer.bak.
[[nodiscard]] QString BackupNaam(const QString& pad);

// Writes the bytes atomically to the path.
[[nodiscard]] QString SchrijfAtomair(const QString& pad, const QByteArray& bytes,
                                     const BestandMaker& maker = {});

// Copies the file to its backup path, replacing an older backup atomically.
[[nodiscard]] QString MaakBackup(const QString& pad, const QString& backup,
                                 const BestandMaker& maker = {});

// Reads the whole file.
[[nodiscard]] QString LeesAlles(const QString& pad, QByteArray& bytes);

} // namespace BestandOpslag
