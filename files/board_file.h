// The circuit file: versioned JSON in UTF-8 (docs/file-format.md, docs/circuit-file.schema.json).
// Reading checks everything before anything is used: a file either gives a whole, sound board
// or the first problem found, in words a teacher understands.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "files/board_document.h"

namespace cw {

// The newest file version this program reads. It writes the oldest version that holds the board
// (a board without meters is version 1), so an older copy still opens what it can show.
inline constexpr int kFileFormatVersion = 2;
// A task a teacher set needs this version.
inline constexpr int kTaskFileVersion = 2;
inline constexpr qsizetype kMaxFileBytes = 8 * 1024 * 1024;
inline constexpr char kFileSuffix[] = "cwb";
inline constexpr char kFileMimeType[] = "application/vnd.circuitworkbench.board+json";

QByteArray WriteBoardFile(const BoardDocument& document);

struct ReadOutcome {
    std::optional<BoardDocument> document;
    QString problem;  // empty when the document was read
};
ReadOutcome ReadBoardFile(const QByteArray& bytes);
// Reads the file at the path: one that cannot be opened or is too large is a problem too.
ReadOutcome ReadBoardFileAt(const QString& path);

}  // namespace cw
