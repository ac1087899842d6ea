#pragma once
// Why the system refused to write or read a file, in words the user can act
// on: a full disk, a folder or file not allowed, memory run out.

#include <QString>

enum class FileFailure { Other, NoSpace, NoPermission, NoMemory };

// Qt words a failed call by the system's error text of the moment (a full
// disk comes back from a write, a denied folder from the open of the
// temporary file), so the text is matched against the system's own for
// each cause.
FileFailure fileFailureOf(const QString& systemText);

// The reason in the user's language, for a save or for an open; empty for
// Other, where the caller's own words say more.
QString fileFailureText(FileFailure failure, bool saving);

// Whether a write to `path` that came up short, `written` bytes in, was
// stopped for want of room: the disk (or the user's share of it) is all but
// full, or the file has reached the process's file-size limit. The system
// reports such a short write by its count alone, with no error.
bool noRoomAfter(const QString& path, qint64 written);
