#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

namespace tsp::ui {

// The file's bytes, or why they cannot be had; a file longer than maxBytes is refused unread.
std::variant<QByteArray, QString> ReadFileBytes(const QString& path, qint64 maxBytes);

// Writes the whole file or nothing: the old file stays as it was unless every byte was written.
// Empty on success, else why it failed.
std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace tsp::ui
