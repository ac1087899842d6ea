// The INI format as QSettings reads and writes it: keys and section names
// with their escapes, values with quotes, escapes and lists, so that a file
// this program writes reads the same in QSettings and the other way round.

#include "controller/settings_ini.hpp"

#include <QStringList>

namespace halvory_app::settings_ini {
namespace {

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return c - 'A' + 10;
}

void appendCodePoint(QByteArray& out, uint code) {
  const char32_t point = char32_t(code);
  out.append(QString::fromUcs4(&point, 1).toUtf8());
}

}  // namespace

// A key or section name: "\" separates groups, %XX and %UXXXX are
// characters.
QString unescapedKey(const char* p, qsizetype n) {
  QByteArray out;
  out.reserve(n);
  for (qsizetype i = 0; i < n; ++i) {
    const char c = p[i];
    if (c == '\\') {
      out.append('/');
    } else if (c == '%' && i + 2 < n && p[i + 1] == 'U' && i + 5 < n) {
      uint code = 0;
      for (int k = 2; k < 6; ++k) code = code * 16 + uint(hexValue(p[i + k]));
      appendCodePoint(out, code);
      i += 5;
    } else if (c == '%' && i + 2 < n && isHexDigit(p[i + 1]) && isHexDigit(p[i + 2])) {
      appendCodePoint(out, uint(hexValue(p[i + 1]) * 16 + hexValue(p[i + 2])));
      i += 2;
    } else {
      out.append(c);
    }
  }
  return QString::fromUtf8(out);
}

QByteArray escapedKey(const QString& key) {
  QByteArray out;
  for (const QChar qc : key) {
    const char16_t c = qc.unicode();
    if (c == '/') {
      out.append('\\');
    } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '.') {
      out.append(char(c));
    } else if (c <= 0xFF) {
      out.append('%').append(QByteArray::number(c, 16).toUpper().rightJustified(2, '0'));
    } else {
      out.append("%U").append(QByteArray::number(c, 16).toUpper().rightJustified(4, '0'));
    }
  }
  return out;
}

QByteArray sectionName(const QString& group) {
  if (group.isEmpty()) return "General";
  if (group == QLatin1String("General")) return "%General";
  return escapedKey(group);
}

// A stored value: quoted runs, backslash escapes, and unquoted commas that
// make it a list.
QVariant unescapedValue(const char* p, qsizetype n) {
  QByteArray cur;
  cur.reserve(n);
  QStringList parts;
  bool quoted = false;
  bool list = false;
  qsizetype kept = 0;  // length of `cur` without unquoted trailing blanks
  for (qsizetype i = 0; i < n; ++i) {
    const char c = p[i];
    if (c == '"') {
      quoted = !quoted;
      kept = cur.size();
    } else if (c == '\\' && i + 1 == n) {
      // A last backslash escapes nothing: QSettings reads it as nothing.
      break;
    } else if (c == '\\') {
      const char e = p[++i];
      switch (e) {
        case 'a':
          cur.append('\a');
          break;
        case 'b':
          cur.append('\b');
          break;
        case 'f':
          cur.append('\f');
          break;
        case 'n':
          cur.append('\n');
          break;
        case 'r':
          cur.append('\r');
          break;
        case 't':
          cur.append('\t');
          break;
        case 'v':
          cur.append('\v');
          break;
        case '\r':
          if (i + 1 < n && p[i + 1] == '\n') ++i;
          break;
        case '\n':
          break;
        case 'x': {
          uint code = 0;
          while (i + 1 < n && isHexDigit(p[i + 1])) code = code * 16 + uint(hexValue(p[++i]));
          appendCodePoint(cur, code);
          break;
        }
        default:
          if (e >= '0' && e <= '7') {
            uint code = uint(e - '0');
            while (i + 1 < n && p[i + 1] >= '0' && p[i + 1] <= '7')
              code = code * 8 + uint(p[++i] - '0');
            appendCodePoint(cur, code);
          } else {
            cur.append(e);
          }
      }
      kept = cur.size();
    } else if (!quoted && c == ',') {
      parts.append(QString::fromUtf8(cur.left(kept)));
      cur.clear();
      kept = 0;
      list = true;
    } else if (!quoted && c == ';') {
      break;
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (!cur.isEmpty()) cur.append(c);
    } else {
      cur.append(c);
      kept = cur.size();
    }
  }
  const QString last = QString::fromUtf8(cur.left(kept));
  if (list) {
    parts.append(last);
    return parts;
  }
  if (last.startsWith(QLatin1String("@@"))) return last.mid(1);
  // QSettings writes text holding a NUL character so.
  if (last.startsWith(QLatin1String("@String(")) && last.endsWith(QLatin1Char(')')))
    return last.mid(8, last.size() - 9);
  if (last == QLatin1String("@Invalid()")) return QVariant();
  return last;
}

// `text` as QSettings writes a string: escapes, quotes around text with
// separators or outer blanks, "@" doubled at the start.
QByteArray escapedValue(const QString& text) {
  const QByteArray utf8 =
      (text.startsWith(QLatin1Char('@')) ? QStringLiteral("@") + text : text).toUtf8();
  const bool quotes = utf8.contains(';') || utf8.contains(',') || utf8.contains('=') ||
                      utf8.startsWith(' ') || utf8.endsWith(' ');
  // Written through a pointer into room for the longest escape of each
  // byte: a large list is escaped in one pass without growing.
  QByteArray out(utf8.size() * 4 + 2, Qt::Uninitialized);
  char* o = out.data();
  static constexpr char kHex[] = "0123456789abcdef";
  auto hexEscape = [&o](uchar c) {
    *o++ = '\\';
    *o++ = 'x';
    if (c >= 16) *o++ = kHex[c >> 4];
    *o++ = kHex[c & 15];
  };
  if (quotes) *o++ = '"';
  bool escapeHexDigit = false;
  for (const char c : utf8) {
    if (escapeHexDigit && isHexDigit(c)) {
      hexEscape(uchar(c));
      continue;
    }
    escapeHexDigit = false;
    char named = 0;
    switch (c) {
      case '\a':
        named = 'a';
        break;
      case '\b':
        named = 'b';
        break;
      case '\f':
        named = 'f';
        break;
      case '\n':
        named = 'n';
        break;
      case '\r':
        named = 'r';
        break;
      case '\t':
        named = 't';
        break;
      case '\v':
        named = 'v';
        break;
      case '"':
        named = '"';
        break;
      case '\\':
        named = '\\';
        break;
      default:
        break;
    }
    if (named != 0) {
      *o++ = '\\';
      *o++ = named;
    } else if (c == '\0') {
      *o++ = '\\';
      *o++ = '0';
      escapeHexDigit = true;
    } else if (uchar(c) <= 0x1F) {
      hexEscape(uchar(c));
      escapeHexDigit = true;
    } else {
      *o++ = c;
    }
  }
  if (quotes) *o++ = '"';
  out.truncate(o - out.constData());
  return out;
}

}  // namespace halvory_app::settings_ini
