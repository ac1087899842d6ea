#pragma once
// The values a compact project file holds whole (the set-up, the solve
// settings, the locks, the checksums and the result's figures), read from
// the stream by the rules every project file keeps: each part is counted
// against the open's memory before it is held; a figure that is not finite
// is refused in any form it comes in (a half, single or double float); a tag
// is read through to the value it tags, so no figure hides behind one; and a
// map must name each member once, by a text. A save holds what it writes to
// the same rules, so that it never writes a file its own open refuses.

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QCborStreamReader>
#include <QCborValue>
#include <QString>

#include "controller/file_reason.hpp"
#include "controller/project_checks.hpp"
#include "controller/project_stream.hpp"

namespace halvory_app {

// What a member name kept to catch one given twice takes.
std::uint64_t keptNameBytes(const QString& name);

// A text or a byte string read whole, each piece counted before it is
// read; false when the stream is damaged there.
// Qt's reader says that it could not have the memory a piece needed as an
// error of the stream, not by throwing; that is thrown here as what it is
// (std::bad_alloc), so that it is never taken for a damaged file.
void throwIfOutOfMemory(QCborStreamReader& in);

bool readCountedText(QCborStreamReader& in, QString& out, MemoryBudget& budget);
bool readCountedBytes(QCborStreamReader& in, QByteArray& out, MemoryBudget& budget);

// One value read whole. None when the stream is damaged there or the value
// breaks a rule; `check` then names where and why.
std::optional<QCborValue> readWholeValue(QCborStreamReader& in, MemoryBudget& budget,
                                         file_checks::Checker& check,
                                         const file_checks::Where& where);

// What the reader would refuse in a value the save is about to write under
// `where`; true when there is nothing, else `check` names it.
bool valueWouldOpen(const QCborValue& value, file_checks::Checker& check,
                    const file_checks::Where& where);

}  // namespace halvory_app
