#pragma once
// Why the system refused to write or read a file, in words the user can act
// on: a full disk, a folder or file not allowed, memory run out.

#include <QString>

#include "controller/file_reason.hpp"

// ReadOnlyFile: a file there already that may not be replaced (its mode, or
// a read-only mount), where the folder itself may be written to or not.
enum class FileFailure { Other, NoSpace, NoPermission, ReadOnlyFile, NoMemory };

// Qt words a failed call by the system's error text of the moment (a full
// disk comes back from a write, a denied folder from the open of the
// temporary file), so the text is matched against the system's own for
// each cause.
FileFailure fileFailureOf(const QString& systemText);

// The reason in the user's language, for a save or for an open; empty for
// Other, where the caller's own words say more.
QString fileFailureText(FileFailure failure, bool saving);
// The same, kept as a reason to be worded when it is shown.
halvory_app::FileReason fileFailureReason(FileFailure failure, bool saving);

// Why a save to `path` could not open its file: a file there already that
// may not be written is said as such (the system speaks only of the file,
// not of the right), else as the system's words `systemText` say.
FileFailure saveOpenFailureOf(const QString& path, const QString& systemText);

// Whether a write to `path` that came up short, `written` bytes in, was
// stopped for want of room: the disk (or the user's share of it) is all but
// full, or the file has reached the process's file-size limit. The system
// reports such a short write by its count alone, with no error.
bool noRoomAfter(const QString& path, qint64 written);
