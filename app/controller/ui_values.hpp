#pragma once
// Small conversions used where native values become what the UI shows.

#include <cstdint>
#include <string>
#include <vector>

#include <QString>
#include <QVariantList>

namespace halvory_app {

// "5.5 GB", "16 GB", "52 MB"; an em dash for 0 (unknown).
QString formatGigabytes(std::uint64_t bytes);
// "1", "true", "yes", "on" (any case) read as true; *isSet tells whether the
// variable is set at all.
bool parseEnvBool(const char* name, bool* isSet);

QVariantList doublesToVariantList(const std::vector<double>& values);
QVariantList centsToChipsVariantList(const std::vector<double>& cents);
QVariantList stringsToVariantList(const std::vector<std::string>& texts);
// The text without white space, one byte per character (0 beyond Latin-1).
std::string compactLatin1(const QString& text);

}  // namespace halvory_app
