#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QSaveFile;

// The file operations of saving and loading a tournament, each reporting a Dutch error text
// (Bestandsfout; empty on success).
//
// Saving is atomic: the bytes go into a temporary file beside the target, which replaces
// the target only once every byte has been written, flushed and synced to the disk. The
// backup copy is made the same way, and neither replaces anything before both are complete,
// so a failure leaves the previous file and the previous backup byte for byte as they were.
namespace BestandOpslag {

// Files larger than this are no tournament files; reading them is refused.
constexpr qint64 MaxLeesGrootte = 64 * 1024 * 1024;

// Creates the save file for a path; tests pass one that fails.
using BestandMaker = std::function<std::unique_ptr<QSaveFile>(const QString& pad)>;

// The backup name of a path: its extension (from the last full stop of the file name on)
// replaced by ".bak", or ".bak" appended when it has none. Zomer.trn gives Zomer.bak.
[[nodiscard]] QString BackupNaam(const QString& pad);

// Writes the bytes atomically to the path. Bytes the reader would refuse (more than
// MaxLeesGrootte) are refused before anything is written. When backup is not empty, the file now at the
// path is first copied to the backup path; the copy replaces an older backup only once the
// new file is completely written too.
[[nodiscard]] QString Bewaar(const QString& pad, const QByteArray& bytes,
                             const QString& backup = {}, const BestandMaker& maker = {});

// Reads the whole file. Anything but a regular file (a folder, a pipe, a device) and a file
// larger than maxGrootte is refused before reading.
[[nodiscard]] QString LeesAlles(const QString& pad, QByteArray& bytes,
                                qint64 maxGrootte = MaxLeesGrootte);

// True when both paths name the same file: the same name after following links, or the
// same file on the disk through another name (a hard link). A path that does not exist yet
// is the same as another only by name.
[[nodiscard]] bool IsZelfdeBestand(const QString& een, const QString& ander);

} // namespace BestandOpslag
